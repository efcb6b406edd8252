#include "control/model/AccessKey.h"

namespace {

// Bytes of the UTF-8 character that starts with lead; a stray continuation byte counts alone.
std::size_t Utf8CharacterLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

std::optional<std::string> FindAccessKey(std::string_view caption) {
    // Pairs are taken from the left, as the caption drawing takes them, so
    // that the key is the character shown underlined ("&&&x" has the key x).
    // The last single marker wins. "&" never occurs inside a multi-byte UTF-8
    // character, so scanning bytes is safe.
    std::optional<std::size_t> marker;
    for (std::size_t position = 0; position < caption.size(); ++position) {
        if (caption[position] != '&') continue;
        if (position + 1 < caption.size() && caption[position + 1] == '&') {
            ++position;  // a literal "&&"
            continue;
        }
        marker = position;
    }
    if (!marker) return std::nullopt;
    const std::size_t keyStart = *marker + 1;
    if (keyStart >= caption.size()) return std::string();
    const std::size_t length = Utf8CharacterLength(static_cast<unsigned char>(caption[keyStart]));
    return std::string(caption.substr(keyStart, length));
}

std::string CaptionWithoutMarkers(std::string_view caption) {
    std::string text;
    for (std::size_t position = 0; position < caption.size(); ++position) {
        if (caption[position] != '&')
            text += caption[position];
        else if (position + 1 < caption.size() && caption[position + 1] == '&')
            text += caption[++position];
    }
    return text;
}
