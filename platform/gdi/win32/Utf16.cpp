// Text between our UTF-8 and the UTF-16 of the *W calls.
#include "platform/gdi/win32/Native.h"

#include <cstring>

namespace gdi::win32 {

std::wstring Utf16(const char* text, int length) {
    if (!text)
        return {};
    if (length < 0)
        length = static_cast<int>(std::strlen(text));
    if (length == 0)
        return {};
    const int units = ::MultiByteToWideChar(CP_UTF8, 0, text, length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text, length, wide.data(), units);
    return wide;
}

std::string Utf8(const wchar_t* text) {
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1)
        return {};
    std::string narrow(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.data(), bytes, nullptr, nullptr);
    narrow.pop_back(); // the terminating NUL
    return narrow;
}

} // namespace gdi::win32
