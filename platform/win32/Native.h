// What every file of the user32 back end shares: our declarations first, then
// Windows' own, and the passage of window handles and text between the two.
//
// windows.h defines macros (WM_KEYDOWN, ERROR, RGB, ...) that would rewrite
// our declarations, so it comes after them; from here on the native macros
// are used by name and ours only through values that carry the same numbers.
#pragma once

#include "platform/window/user.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef UNICODE
#define UNICODE // IDC_* and the like name the wide calls' resources
#endif
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace win32platform {

// Window handles carry 32 significant bits on 64-bit Windows (32- and 64-bit
// processes share them): they fit user::HWND and come back sign-extended.
inline ::HWND ToNative(user::HWND hwnd) {
    return reinterpret_cast<::HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(hwnd)));
}
inline user::HWND FromNative(::HWND hwnd) {
    return static_cast<user::HWND>(reinterpret_cast<std::uintptr_t>(hwnd));
}

// UTF-8 to UTF-16 for the *W calls, and back.
std::wstring Utf16(std::string_view text);
std::string Utf8(std::wstring_view text);

} // namespace win32platform
