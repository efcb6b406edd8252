// Conversions between the value types of a property bag, following the form
// run-time's rules for the cases a reader meets: numbers of any width, Boolean
// True as -1, numeric text, and Empty as the zero of every type.
#include "platform/container/PropertyValue.h"

#include <charconv>
#include <limits>
#include <type_traits>

namespace container {
namespace {

// The value as a 64-bit number, when it is one (or numeric text, or Empty).
std::optional<std::int64_t> AsNumber(const PropertyValue& value) {
    return std::visit(
        [](const auto& held) -> std::optional<std::int64_t> {
            using T = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                return 0;
            } else if constexpr (std::is_same_v<T, bool>) {
                return held ? -1 : 0;
            } else if constexpr (std::is_same_v<T, std::int16_t> || std::is_same_v<T, std::int32_t>) {
                return held;
            } else if constexpr (std::is_same_v<T, Color>) {
                return held.value;
            } else if constexpr (std::is_same_v<T, std::string>) {
                std::int64_t number = 0;
                const char* first = held.data();
                const char* last = held.data() + held.size();
                if (first != last && *first == '+')
                    ++first;
                auto [end, error] = std::from_chars(first, last, number);
                if (error != std::errc{} || end != last || first == last)
                    return std::nullopt;
                return number;
            } else {
                return std::nullopt;
            }
        },
        value);
}

template <typename Target> std::optional<Target> Narrow(std::optional<std::int64_t> number) {
    if (!number || *number < std::numeric_limits<Target>::min() ||
        *number > std::numeric_limits<Target>::max()) {
        return std::nullopt;
    }
    return static_cast<Target>(*number);
}

} // namespace

std::optional<std::string> ToString(const PropertyValue& value) {
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    if (const auto* flag = std::get_if<bool>(&value))
        return std::string(*flag ? "True" : "False");
    if (const auto number = AsNumber(value))
        return std::to_string(*number);
    return std::nullopt;
}

std::optional<std::int16_t> ToInteger(const PropertyValue& value) {
    return Narrow<std::int16_t>(AsNumber(value));
}

std::optional<std::int32_t> ToLong(const PropertyValue& value) {
    return Narrow<std::int32_t>(AsNumber(value));
}

std::optional<bool> ToBoolean(const PropertyValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        if (*text == "True")
            return true;
        if (*text == "False")
            return false;
    }
    const auto number = AsNumber(value);
    if (!number)
        return std::nullopt;
    return *number != 0;
}

std::optional<OleColor> ToOleColor(const PropertyValue& value) {
    // Colours are 32-bit patterns: system colours (high bit set) arrive as negative Longs.
    const auto number = AsNumber(value);
    if (!number || *number < std::numeric_limits<std::int32_t>::min() ||
        *number > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<OleColor>(static_cast<std::uint32_t>(*number));
}

std::optional<picture::PicturePtr> ToPicture(const PropertyValue& value) {
    if (std::holds_alternative<std::monostate>(value))
        return picture::PicturePtr{};
    if (const auto* held = std::get_if<picture::PicturePtr>(&value))
        return *held;
    return std::nullopt;
}

std::optional<FontPtr> ToFont(const PropertyValue& value) {
    if (std::holds_alternative<std::monostate>(value))
        return FontPtr{};
    if (const auto* held = std::get_if<FontPtr>(&value))
        return *held;
    return std::nullopt;
}

bool ValuesEqual(const PropertyValue& a, const PropertyValue& b) {
    const bool aIsText = std::holds_alternative<std::string>(a);
    const bool bIsText = std::holds_alternative<std::string>(b);
    if (aIsText && bIsText)
        return std::get<std::string>(a) == std::get<std::string>(b);
    // Empty equals the empty text, as it does in the form run-time.
    if (aIsText)
        return std::holds_alternative<std::monostate>(b) && std::get<std::string>(a).empty();
    if (bIsText)
        return ValuesEqual(b, a);

    if (const auto* aFont = std::get_if<FontPtr>(&a)) {
        const auto* bFont = std::get_if<FontPtr>(&b);
        if (bFont == nullptr)
            return !*aFont && std::holds_alternative<std::monostate>(b);
        if (!*aFont || !*bFont)
            return !*aFont && !*bFont;
        return **aFont == **bFont;
    }
    if (std::holds_alternative<FontPtr>(b))
        return ValuesEqual(b, a);

    if (const auto* aPicture = std::get_if<picture::PicturePtr>(&a)) {
        const auto* bPicture = std::get_if<picture::PicturePtr>(&b);
        if (bPicture == nullptr)
            return !*aPicture && std::holds_alternative<std::monostate>(b);
        return *aPicture == *bPicture;
    }
    if (std::holds_alternative<picture::PicturePtr>(b))
        return ValuesEqual(b, a);

    // Numbers, Booleans, colours and Empty compare by value.
    const auto aNumber = AsNumber(a);
    const auto bNumber = AsNumber(b);
    return aNumber && bNumber && *aNumber == *bNumber;
}

} // namespace container
