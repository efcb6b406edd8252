// The named values a control saves with its host form. Keys compare without
// regard to case and keep the spelling they were first written with; the
// order of writing is kept. The text form is one "Key = value" line per
// entry and reads back to exactly the same bag:
//   Caption = "Sync\r\nnow"        String (\\ \" \r \n \t \xHH escapes)
//   ImgSize = 16%                  Integer
//   CapAlign = 0&                  Long
//   Focus = True                   Boolean
//   cBack = &H8000000F             colour
//   Image = Picture("Qk0...")      picture file bytes, base64; Picture() = none
//   Font = Font("宋体", 9, 400, False, False, False, 134)
//                                  name, size, weight, italic, underline, strikethrough, charset
//   Tag = Empty
#pragma once

#include "platform/container/PropertyValue.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace container {

class PropertyBag {
  public:
    // The stored value, or defaultValue when the key is absent.
    PropertyValue ReadProperty(std::string_view key, const PropertyValue& defaultValue = {}) const;

    // Stores value, or, when it equals defaultValue, leaves it out (removing an
    // earlier value of the key). Without a default the value is always stored.
    // Fonts are stored as copies. Returns false for a key that is not a name
    // (letters, digits, '_', not starting with a digit).
    bool WriteProperty(std::string_view key, const PropertyValue& value, const PropertyValue& defaultValue);
    bool WriteProperty(std::string_view key, const PropertyValue& value);

    bool Contains(std::string_view key) const;
    std::vector<std::string> Keys() const; // in writing order, as spelled when written
    std::size_t Count() const { return entries_.size(); }

    std::string ToText() const;
    // nullopt for text that is not a bag; *error then names the line and the fault.
    static std::optional<PropertyBag> FromText(std::string_view text, std::string* error = nullptr);

  private:
    struct Entry {
        std::string key;
        PropertyValue value;
    };
    const Entry* Find(std::string_view key) const;
    void Store(std::string_view key, PropertyValue value);
    void Remove(std::string_view key);

    std::vector<Entry> entries_;                         // in writing order
    std::unordered_map<std::string, std::size_t> index_; // lower-case key -> its entry
};

} // namespace container
