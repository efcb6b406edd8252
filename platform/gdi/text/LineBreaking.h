// Where DrawText may wrap a line: after blanks, and on either side of a
// CJK character (Chinese has no spaces between words), except before
// closing punctuation and after opening punctuation, which must stay with
// their neighbour.
#pragma once

namespace gdi::detail {

bool IsBlank(char32_t codePoint);
bool IsCjk(char32_t codePoint);
// Both characters are non-blank neighbours, before first after.
bool CanBreakBetween(char32_t before, char32_t after);

} // namespace gdi::detail
