#pragma once
// Text between the program's UTF-8 and what Windows' calls take: UTF-16 for
// the *W functions, and the bytes of a code page (the ANSI code page of older
// programs' files). Windows only; the one place that converts, so that every
// back end does it the same way.
#include <optional>
#include <string>
#include <string_view>

namespace unicode {

// UTF-8 to UTF-16; a byte that is not UTF-8 becomes U+FFFD, as Windows does.
std::wstring Utf16(std::string_view text);

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf8(std::wstring_view text);

// The bytes read in the code page, as UTF-16; nothing when they are not valid
// text in it.
std::optional<std::wstring> FromCodePage(std::string_view bytes, unsigned codePage);

// The text in the code page; nothing when a character has no exact form in it
// (no best-fit look-alikes, no default character).
std::optional<std::string> ToCodePage(std::wstring_view text, unsigned codePage);

} // namespace unicode
