#include "platform/ini/IniText.h"

#include "platform/ini/IniDocument.h"

namespace ini {
namespace {

// The file's text when it is in the ANSI code page and converts both ways
// without a change; nothing when it is UTF-8 or anything else.
std::optional<std::string> AnsiFileText(std::string_view bytes, const AnsiCodePage& ansi) {
    if (!ansi.toUtf8 || !ansi.fromUtf8 || IsValidUtf8(bytes))
        return std::nullopt;
    std::optional<std::string> text = ansi.toUtf8(bytes);
    if (!text || ansi.fromUtf8(*text) != bytes)
        return std::nullopt;
    return text;
}

} // namespace

bool IsValidUtf8(std::string_view text) {
    auto byteAt = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    for (std::size_t at = 0; at < text.size();) {
        const unsigned char lead = byteAt(at);
        if (lead < 0x80) {
            ++at;
            continue;
        }
        // The lead byte gives the length and the smallest and largest second
        // byte (no overlong forms, no surrogates, nothing beyond U+10FFFF).
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (at + length > text.size() || byteAt(at + 1) < low || byteAt(at + 1) > high)
            return false;
        for (std::size_t next = at + 2; next < at + length; ++next)
            if ((byteAt(next) & 0xC0) != 0x80)
                return false;
        at += length;
    }
    return true;
}

std::string DecodeIniText(std::string_view bytes, const AnsiCodePage& ansi) {
    return AnsiFileText(bytes, ansi).value_or(std::string(bytes));
}

std::optional<std::string> StoreInIniText(std::string_view bytes, std::string_view section, std::string_view key,
                                          std::string_view value, const AnsiCodePage& ansi) {
    const std::optional<std::string> ansiText = AnsiFileText(bytes, ansi);
    if (!ansiText)
        return StoreValue(bytes, section, key, value);
    // The code page's characters are encoded one by one, so the bytes of every
    // character the store left alone come back as they were.
    return ansi.fromUtf8(StoreValue(*ansiText, section, key, value));
}

} // namespace ini
