// The readable text form of a property bag (format in PropertyBag.h). Every
// value is written so that reading it gives back the same type and value.
#include "platform/container/PropertyBag.h"

#include "platform/container/detail/Base64.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <limits>
#include <strings.h>
#include <type_traits>

namespace container {
namespace {

// ---- Writing ----

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                char escaped[5];
                std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
                out += escaped;
            } else {
                out += c; // UTF-8 passes through as it is
            }
        }
    }
    out += '"';
}

void AppendBoolean(std::string& out, bool value) {
    out += value ? "True" : "False";
}

void AppendDouble(std::string& out, double value) {
    char digits[32];
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, value); // shortest exact form
    out.append(digits, error == std::errc{} ? end : digits);
}

void AppendValue(std::string& out, const PropertyValue& value) {
    std::visit(
        [&out](const auto& held) {
            using T = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<T, std::monostate>) {
                out += "Empty";
            } else if constexpr (std::is_same_v<T, std::string>) {
                AppendQuoted(out, held);
            } else if constexpr (std::is_same_v<T, std::int16_t>) {
                out += std::to_string(held) + "%";
            } else if constexpr (std::is_same_v<T, std::int32_t>) {
                out += std::to_string(held) + "&";
            } else if constexpr (std::is_same_v<T, bool>) {
                AppendBoolean(out, held);
            } else if constexpr (std::is_same_v<T, Color>) {
                char hex[16];
                std::snprintf(hex, sizeof hex, "&H%08X",
                              static_cast<unsigned>(static_cast<std::uint32_t>(held.value)));
                out += hex;
            } else if constexpr (std::is_same_v<T, picture::PicturePtr>) {
                out += "Picture(";
                if (held) {
                    out += '"';
                    out += detail::EncodeBase64(held->Bytes());
                    out += '"';
                }
                out += ')';
            } else if constexpr (std::is_same_v<T, FontPtr>) {
                out += "Font(";
                if (held) {
                    AppendQuoted(out, held->Name());
                    out += ", ";
                    AppendDouble(out, held->Size());
                    out += ", " + std::to_string(held->Weight()) + ", ";
                    AppendBoolean(out, held->Italic());
                    out += ", ";
                    AppendBoolean(out, held->Underline());
                    out += ", ";
                    AppendBoolean(out, held->Strikethrough());
                    out += ", " + std::to_string(held->Charset());
                }
                out += ')';
            }
        },
        value);
}

// ---- Reading ----

class LineParser {
  public:
    explicit LineParser(std::string_view line) : rest_(line) {}

    void SkipSpaces() {
        while (!rest_.empty() && (rest_.front() == ' ' || rest_.front() == '\t'))
            rest_.remove_prefix(1);
    }
    bool AtEnd() {
        SkipSpaces();
        return rest_.empty();
    }
    bool Take(std::string_view token) {
        SkipSpaces();
        if (rest_.substr(0, token.size()) != token)
            return false;
        rest_.remove_prefix(token.size());
        return true;
    }
    std::optional<std::string> Name() {
        SkipSpaces();
        std::size_t length = 0;
        while (length < rest_.size() &&
               (std::isalnum(static_cast<unsigned char>(rest_[length])) || rest_[length] == '_')) {
            ++length;
        }
        if (length == 0)
            return std::nullopt;
        std::string name(rest_.substr(0, length));
        rest_.remove_prefix(length);
        return name;
    }
    std::optional<std::string> Quoted();
    std::optional<std::int64_t> Integer();
    std::optional<double> Real();
    std::optional<bool> Boolean() {
        if (Take("True"))
            return true;
        if (Take("False"))
            return false;
        return std::nullopt;
    }
    std::optional<std::uint32_t> Hex();
    std::optional<PropertyValue> Value();

  private:
    std::optional<PropertyValue> PictureValue();
    std::optional<PropertyValue> FontValue();

    std::string_view rest_;
};

std::optional<std::string> LineParser::Quoted() {
    if (!Take("\""))
        return std::nullopt;
    std::string text;
    while (!rest_.empty()) {
        const char c = rest_.front();
        rest_.remove_prefix(1);
        if (c == '"')
            return text;
        if (c != '\\') {
            text += c;
            continue;
        }
        if (rest_.empty())
            return std::nullopt;
        const char escape = rest_.front();
        rest_.remove_prefix(1);
        switch (escape) {
        case '"':
            text += '"';
            break;
        case '\\':
            text += '\\';
            break;
        case 'r':
            text += '\r';
            break;
        case 'n':
            text += '\n';
            break;
        case 't':
            text += '\t';
            break;
        case 'x': {
            unsigned value = 0;
            if (rest_.size() < 2)
                return std::nullopt;
            auto [end, error] = std::from_chars(rest_.data(), rest_.data() + 2, value, 16);
            if (error != std::errc{} || end != rest_.data() + 2)
                return std::nullopt;
            text += static_cast<char>(value);
            rest_.remove_prefix(2);
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return std::nullopt; // no closing quote
}

std::optional<std::int64_t> LineParser::Integer() {
    SkipSpaces();
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(rest_.data(), rest_.data() + rest_.size(), value);
    if (error != std::errc{})
        return std::nullopt;
    rest_.remove_prefix(static_cast<std::size_t>(end - rest_.data()));
    return value;
}

std::optional<double> LineParser::Real() {
    SkipSpaces();
    double value = 0;
    auto [end, error] = std::from_chars(rest_.data(), rest_.data() + rest_.size(), value);
    if (error != std::errc{})
        return std::nullopt;
    rest_.remove_prefix(static_cast<std::size_t>(end - rest_.data()));
    return value;
}

std::optional<std::uint32_t> LineParser::Hex() {
    if (!Take("&H"))
        return std::nullopt;
    std::uint32_t value = 0;
    auto [end, error] = std::from_chars(rest_.data(), rest_.data() + rest_.size(), value, 16);
    if (error != std::errc{})
        return std::nullopt;
    rest_.remove_prefix(static_cast<std::size_t>(end - rest_.data()));
    return value;
}

std::optional<PropertyValue> LineParser::PictureValue() {
    if (Take(")"))
        return PropertyValue{picture::PicturePtr{}};
    const auto encoded = Quoted();
    if (!encoded || !Take(")"))
        return std::nullopt;
    const auto bytes = detail::DecodeBase64(*encoded);
    if (!bytes)
        return std::nullopt;
    // A picture saved without its file bytes cannot be rebuilt: it reads as none.
    if (bytes->empty())
        return PropertyValue{picture::PicturePtr{}};
    picture::PicturePtr loaded = picture::LoadPictureBytes(*bytes);
    if (!loaded)
        return std::nullopt;
    return PropertyValue{loaded};
}

std::optional<PropertyValue> LineParser::FontValue() {
    if (Take(")"))
        return PropertyValue{FontPtr{}};
    auto font = std::make_shared<Font>();
    const auto name = Quoted();
    if (!name || !Take(","))
        return std::nullopt;
    font->SetName(*name);
    const auto size = Real();
    if (!size || !font->SetSize(*size) || !Take(","))
        return std::nullopt;
    const auto weight = Integer();
    if (!weight || *weight < 0 || *weight > 1000 || !Take(","))
        return std::nullopt;
    font->SetWeight(static_cast<std::int16_t>(*weight));
    const auto italic = Boolean();
    if (!italic || !Take(","))
        return std::nullopt;
    const auto underline = Boolean();
    if (!underline || !Take(","))
        return std::nullopt;
    const auto strikethrough = Boolean();
    if (!strikethrough || !Take(","))
        return std::nullopt;
    const auto charset = Integer();
    if (!charset || *charset < std::numeric_limits<std::int16_t>::min() ||
        *charset > std::numeric_limits<std::int16_t>::max() || !Take(")")) {
        return std::nullopt;
    }
    font->SetItalic(*italic);
    font->SetUnderline(*underline);
    font->SetStrikethrough(*strikethrough);
    font->SetCharset(static_cast<std::int16_t>(*charset));
    return PropertyValue{FontPtr(std::move(font))};
}

std::optional<PropertyValue> LineParser::Value() {
    SkipSpaces();
    if (Take("Empty"))
        return PropertyValue{};
    if (const auto flag = Boolean())
        return PropertyValue{*flag};
    if (Take("Picture("))
        return PictureValue();
    if (Take("Font("))
        return FontValue();
    if (const auto color = Hex())
        return PropertyValue{Color{static_cast<OleColor>(*color)}};
    if (!rest_.empty() && rest_.front() == '"') {
        auto text = Quoted();
        if (!text)
            return std::nullopt;
        return PropertyValue{std::move(*text)};
    }
    const auto number = Integer();
    if (!number)
        return std::nullopt;
    if (Take("%")) {
        if (*number < std::numeric_limits<std::int16_t>::min() ||
            *number > std::numeric_limits<std::int16_t>::max()) {
            return std::nullopt;
        }
        return PropertyValue{static_cast<std::int16_t>(*number)};
    }
    if (Take("&")) {
        if (*number < std::numeric_limits<std::int32_t>::min() ||
            *number > std::numeric_limits<std::int32_t>::max()) {
            return std::nullopt;
        }
        return PropertyValue{static_cast<std::int32_t>(*number)};
    }
    return std::nullopt; // a number must say whether it is an Integer or a Long
}

} // namespace

std::string PropertyBag::ToText() const {
    std::string text;
    for (const Entry& entry : entries_) {
        text += entry.key;
        text += " = ";
        AppendValue(text, entry.value);
        text += '\n';
    }
    return text;
}

std::optional<PropertyBag> PropertyBag::FromText(std::string_view text, std::string* error) {
    PropertyBag bag;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        LineParser parser(line);
        if (parser.AtEnd() || parser.Take("'"))
            continue; // blank line or comment
        const auto key = parser.Name();
        std::optional<PropertyValue> value;
        if (key && parser.Take("="))
            value = parser.Value();
        // A key given twice keeps its last value, as writing it twice would.
        if (!value || !parser.AtEnd() || !bag.WriteProperty(*key, *value)) {
            if (error != nullptr)
                *error = "line " + std::to_string(lineNumber) + ": not a \"Key = value\" entry";
            return std::nullopt;
        }
    }
    return bag;
}

} // namespace container
