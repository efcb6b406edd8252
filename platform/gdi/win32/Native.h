// What every file of the gdi32 back end shares: our declarations, then
// Windows' own, and the passage of handles and text between the two.
//
// gdi.h comes first: windows.h defines macros (RGB, ERROR, TRANSPARENT, ...)
// that would rewrite our declarations. After it, our constants are not used by
// name here; Windows' macros of the same names carry the same values.
#pragma once

#include "platform/gdi/gdi.h"
#include "platform/unicode/Utf16.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace gdi::win32 {

// GDI and USER handles carry 32 significant bits on 64-bit Windows (so that
// 32- and 64-bit processes can share them): they fit our 32-bit HANDLE and
// come back sign-extended, as Windows documents.
template <class Native = ::HGDIOBJ> Native ToNative(gdi::HANDLE handle) {
    return reinterpret_cast<Native>(static_cast<std::intptr_t>(static_cast<std::int32_t>(handle)));
}
inline gdi::HANDLE FromNative(const void* handle) {
    return static_cast<gdi::HANDLE>(reinterpret_cast<std::uintptr_t>(handle));
}

// Our structures have Windows' layouts; only the integer types' names differ
// (our LONG is int32_t, Windows' is long: both 32 bits here).
template <class Native, class Ours> Native* AsNative(Ours* value) {
    static_assert(sizeof(Native) == sizeof(Ours) && alignof(Native) == alignof(Ours));
    return reinterpret_cast<Native*>(value);
}
template <class Native, class Ours> const Native* AsNative(const Ours* value) {
    static_assert(sizeof(Native) == sizeof(Ours) && alignof(Native) == alignof(Ours));
    return reinterpret_cast<const Native*>(value);
}

// Live objects made through these functions, so that GetGuiResources proves
// that nothing leaks (Windows' own count would also hold the objects of the
// system and of other libraries, and Wine does not keep one).
enum class ObjectKind { Gdi, User };
// Counts a newly made object; returns it. A handle of 0 is not counted.
gdi::HANDLE Counted(gdi::HANDLE handle, ObjectKind kind = ObjectKind::Gdi);
// Forgets an object that was deleted; objects never counted (stock objects)
// are left alone.
void Uncounted(gdi::HANDLE handle, ObjectKind kind = ObjectKind::Gdi);

// Drawing calls reach the pixels at once: code that reads a DIB section's
// memory right after drawing must see the drawing (Windows otherwise batches
// GDI calls per thread). Called wherever a thread makes a DC.
void DrawImmediately();

// UTF-8 to UTF-16 for the *W calls, in the A calls' terms: length -1 means
// up to the terminating NUL, and a null text is empty.
inline std::wstring Utf16(const char* text, int length = -1) {
    if (!text)
        return {};
    return unicode::Utf16(length < 0 ? std::string_view(text)
                                     : std::string_view(text, static_cast<std::size_t>(length)));
}
// UTF-16 back to UTF-8 (face names).
using unicode::Utf8;

} // namespace gdi::win32
