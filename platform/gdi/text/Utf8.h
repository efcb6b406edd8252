// UTF-8 decoding for the text engine. Captions come from forms, INI files and
// the network, so any byte sequence must be measurable and drawable.
#pragma once

#include <cstddef>
#include <string_view>

namespace gdi::detail {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point that starts at text[pos] and moves pos past it.
// A malformed or truncated sequence yields U+FFFD and consumes one byte, so
// decoding always makes progress. pos must be < text.size().
inline char32_t NextCodePoint(std::string_view text, std::size_t& pos);

// NextCodePoint for a lead byte beyond ASCII.
char32_t NextMultiByteCodePoint(std::string_view text, std::size_t& pos);

// ASCII, most of any caption, is decoded in line.
inline char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    return NextMultiByteCodePoint(text, pos);
}

} // namespace gdi::detail
