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
    // From the end, so that the last marker wins; "&" never occurs inside a
    // multi-byte UTF-8 character, so scanning bytes is safe.
    std::size_t position = caption.size();
    while (position > 0) {
        --position;
        if (caption[position] != '&') continue;
        if (position > 0 && caption[position - 1] == '&') {
            --position;  // a literal "&&": skip both and go on to the left of the pair
            continue;
        }
        const std::size_t keyStart = position + 1;
        if (keyStart >= caption.size()) return std::string();
        const std::size_t length = Utf8CharacterLength(static_cast<unsigned char>(caption[keyStart]));
        return std::string(caption.substr(keyStart, length));
    }
    return std::nullopt;
}
