#include "platform/gdi/text/LineBreaking.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace gdi::detail {

namespace {

using Range = std::pair<char32_t, char32_t>;

constexpr std::array<Range, 17> kCjkRanges = {{
    {0x1100, 0x11FF},   // Hangul Jamo
    {0x2E80, 0x2FDF},   // CJK radicals, Kangxi radicals
    {0x2FF0, 0x303F},   // description characters, CJK symbols and punctuation
    {0x3040, 0x30FF},   // Hiragana, Katakana
    {0x3100, 0x312F},   // Bopomofo
    {0x3130, 0x318F},   // Hangul compatibility Jamo
    {0x3190, 0x31FF},   // Kanbun, Bopomofo extended, strokes, Katakana extension
    {0x3200, 0x33FF},   // enclosed CJK, compatibility
    {0x3400, 0x4DBF},   // extension A
    {0x4E00, 0x9FFF},   // unified ideographs
    {0xA000, 0xA4CF},   // Yi
    {0xAC00, 0xD7AF},   // Hangul syllables
    {0xF900, 0xFAFF},   // compatibility ideographs
    {0xFE30, 0xFE4F},   // compatibility forms
    {0xFF00, 0xFF60},   // full-width forms
    {0xFFE0, 0xFFE6},   // full-width signs
    {0x20000, 0x3FFFF}, // supplementary ideographic planes
}};

// Must not begin a line.
constexpr std::u32string_view kClosing = U"!),.:;?]}%"
                                         U"、。，．：；？！）］｝〉》」』】〕〗〙〛’”…‥・ー～";
// Must not end a line.
constexpr std::u32string_view kOpening = U"([{"
                                         U"（［｛〈《「『【〔〖〘〚‘“";

} // namespace

bool IsBlank(char32_t codePoint) {
    return codePoint == U' ' || codePoint == U'\t' || codePoint == 0x3000;
}

bool IsCjk(char32_t codePoint) {
    return std::any_of(kCjkRanges.begin(), kCjkRanges.end(), [&](const Range& range) {
        return codePoint >= range.first && codePoint <= range.second;
    });
}

bool CanBreakBetween(char32_t before, char32_t after) {
    if (!IsCjk(before) && !IsCjk(after)) {
        return false; // inside a Latin word
    }
    return kClosing.find(after) == std::u32string_view::npos &&
           kOpening.find(before) == std::u32string_view::npos;
}

} // namespace gdi::detail
