#include "platform/container/PropertyBag.h"

#include <algorithm>
#include <cctype>
#include <strings.h>

namespace container {
namespace {

bool IsName(std::string_view key) {
    if (key.empty() || std::isdigit(static_cast<unsigned char>(key.front())))
        return false;
    return std::all_of(key.begin(), key.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

bool SameKey(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

} // namespace

const PropertyBag::Entry* PropertyBag::Find(std::string_view key) const {
    auto found = std::find_if(entries_.begin(), entries_.end(),
                              [key](const Entry& entry) { return SameKey(entry.key, key); });
    return found == entries_.end() ? nullptr : &*found;
}

PropertyValue PropertyBag::ReadProperty(std::string_view key, const PropertyValue& defaultValue) const {
    const Entry* entry = Find(key);
    return entry != nullptr ? entry->value : defaultValue;
}

bool PropertyBag::WriteProperty(std::string_view key, const PropertyValue& value,
                                const PropertyValue& defaultValue) {
    if (!IsName(key))
        return false;
    if (ValuesEqual(value, defaultValue)) {
        // A stale earlier value would be read back instead of the default.
        std::erase_if(entries_, [key](const Entry& entry) { return SameKey(entry.key, key); });
        return true;
    }
    Store(key, value);
    return true;
}

bool PropertyBag::WriteProperty(std::string_view key, const PropertyValue& value) {
    if (!IsName(key))
        return false;
    Store(key, value);
    return true;
}

void PropertyBag::Store(std::string_view key, PropertyValue value) {
    // The bag is a snapshot: later changes to the writer's font must not reach it.
    if (auto* font = std::get_if<FontPtr>(&value); font != nullptr && *font)
        *font = (*font)->Clone();
    auto existing = std::find_if(entries_.begin(), entries_.end(),
                                 [key](const Entry& entry) { return SameKey(entry.key, key); });
    if (existing != entries_.end()) {
        existing->value = std::move(value);
    } else {
        entries_.push_back({std::string(key), std::move(value)});
    }
}

bool PropertyBag::Contains(std::string_view key) const {
    return Find(key) != nullptr;
}

std::vector<std::string> PropertyBag::Keys() const {
    std::vector<std::string> keys;
    keys.reserve(entries_.size());
    for (const Entry& entry : entries_)
        keys.push_back(entry.key);
    return keys;
}

} // namespace container
