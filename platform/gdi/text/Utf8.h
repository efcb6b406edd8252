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
char32_t NextCodePoint(std::string_view text, std::size_t& pos);

} // namespace gdi::detail
