// The typed values a property bag holds, and the conversions a reader applies
// to turn a stored value into the type of its target.
#pragma once

#include "platform/container/Font.h"
#include "platform/picture/Picture.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace container {

// OLE colour: an RGB value 0x00BBGGRR, or with the high bit set a system colour index.
using OleColor = std::int32_t;

// A colour kept apart from plain Long values so that the bag can say what it holds.
struct Color {
    OleColor value = 0;
    friend bool operator==(Color, Color) = default;
};

// Empty (std::monostate), String, Integer (16-bit), Long (32-bit), Boolean,
// colour, picture (null = none), font (null = none).
using PropertyValue = std::variant<std::monostate, std::string, std::int16_t, std::int32_t, bool, Color,
                                   picture::PicturePtr, FontPtr>;

// Conversions as a reader applies them: numbers convert among themselves when
// they fit (Boolean True is -1), numeric text converts to numbers, numbers and
// Booleans to text. Empty reads as 0, False, "" and none. nullopt: no conversion.
std::optional<std::string> ToString(const PropertyValue& value);
std::optional<std::int16_t> ToInteger(const PropertyValue& value);
std::optional<std::int32_t> ToLong(const PropertyValue& value);
std::optional<bool> ToBoolean(const PropertyValue& value);
std::optional<OleColor> ToOleColor(const PropertyValue& value);
std::optional<picture::PicturePtr> ToPicture(const PropertyValue& value);
std::optional<FontPtr> ToFont(const PropertyValue& value);

// Equality as WriteProperty judges it against a default: numbers by value
// whatever their width, text byte for byte, pictures by identity, fonts by
// every attribute.
bool ValuesEqual(const PropertyValue& a, const PropertyValue& b);

} // namespace container
