#include "platform/container/PropertyBag.h"

#include <algorithm>
#include <cctype>

namespace container {
namespace {

bool IsName(std::string_view key) {
    if (key.empty() || std::isdigit(static_cast<unsigned char>(key.front())))
        return false;
    return std::all_of(key.begin(), key.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

// Keys compare without regard to (ASCII) case: the index holds them folded.
std::string FoldedKey(std::string_view key) {
    std::string folded(key);
    for (char& c : folded)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

} // namespace

const PropertyBag::Entry* PropertyBag::Find(std::string_view key) const {
    const auto found = index_.find(FoldedKey(key));
    return found == index_.end() ? nullptr : &entries_[found->second];
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
        Remove(key);
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
    const auto [slot, added] = index_.try_emplace(FoldedKey(key), entries_.size());
    if (added) {
        entries_.push_back({std::string(key), std::move(value)});
    } else {
        entries_[slot->second].value = std::move(value);
    }
}

void PropertyBag::Remove(std::string_view key) {
    const auto found = index_.find(FoldedKey(key));
    if (found == index_.end())
        return;
    const std::size_t removed = found->second;
    index_.erase(found);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(removed));
    for (auto& [folded, position] : index_) {
        if (position > removed)
            --position;
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
