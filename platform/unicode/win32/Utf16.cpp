#include "platform/unicode/Utf16.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace unicode {
namespace {

// Both calls take int lengths; longer text is never converted here.
bool FitsInt(std::size_t size) {
    return size <= 0x7FFFFFFF;
}

std::optional<std::wstring> Widen(std::string_view bytes, unsigned codePage, DWORD flags) {
    if (bytes.empty())
        return std::wstring();
    if (!FitsInt(bytes.size()))
        return std::nullopt;
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, bytes.data(), size, wide.data(), length);
    return wide;
}

// CP_UTF8 and CP_UTF7 take neither a default character nor the flag that
// reports its use; every other code page takes both.
bool ReportsDefaultCharacter(unsigned codePage) {
    return codePage != CP_UTF8 && codePage != CP_UTF7;
}

std::optional<std::string> Narrow(std::wstring_view text, unsigned codePage, DWORD flags) {
    if (text.empty())
        return std::string();
    if (!FitsInt(text.size()))
        return std::nullopt;
    const int size = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    BOOL* reportDefault = ReportsDefaultCharacter(codePage) ? &usedDefault : nullptr;
    const int length = WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr, reportDefault);
    if (length <= 0 || usedDefault)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

} // namespace

std::wstring Utf16(std::string_view text) {
    return Widen(text, CP_UTF8, 0).value_or(std::wstring());
}

std::string Utf8(std::wstring_view text) {
    return Narrow(text, CP_UTF8, 0).value_or(std::string());
}

std::optional<std::wstring> FromCodePage(std::string_view bytes, unsigned codePage) {
    return Widen(bytes, codePage, MB_ERR_INVALID_CHARS);
}

std::optional<std::string> ToCodePage(std::wstring_view text, unsigned codePage) {
    const DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    std::optional<std::string> bytes = Narrow(text, codePage, flags);
    // Code pages without an exact form of a character may still answer
    // without the default character (a best fit the flag does not cover);
    // only text that reads back the same counts.
    if (bytes && FromCodePage(*bytes, codePage) != std::wstring(text))
        return std::nullopt;
    return bytes;
}

} // namespace unicode
