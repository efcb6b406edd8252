#pragma once
// INI profile functions with the behaviour of the kernel32 functions of the same
// names: a missing file, section or key yields the default, a present but empty
// value yields empty text, blanks around a value are not part of it, section and
// key names match without regard to case, and a write creates what is missing
// while keeping every other byte of the file.
//
// One pair of matching quotes (" or ') around a value is not part of it, as in
// the classic functions. The text is UTF-8, so a value cut to the buffer is cut
// at the last whole character; a file in the system's ANSI code page is read
// and written in it (see IniText.h).
//
// Beyond the classic behaviour, a write locks the file against other writers
// and replaces it atomically where it can (see UpdateFile), and text holding a
// carriage return, line feed or NUL is refused because it would inject lines
// into the file.
#include <cstdint>

namespace ini {

using DWORD = std::uint32_t;
using BOOL = int;
using INT = std::int32_t;

// Copies the value (or lpDefault) into lpReturnedString, cut to at most nSize - 1
// bytes and NUL-terminated, and returns the number of bytes placed. A null section or
// key name is not supported here and yields the default.
DWORD GetPrivateProfileStringA(const char* lpAppName, const char* lpKeyName, const char* lpDefault,
                               char* lpReturnedString, DWORD nSize, const char* lpFileName);

// The value read as a decimal integer with an optional leading sign; trailing
// characters after the digits are ignored, a value without digits gives 0, and
// values beyond the 32-bit range saturate. Missing file, section or key gives nDefault.
INT GetPrivateProfileIntA(const char* lpAppName, const char* lpKeyName, INT nDefault, const char* lpFileName);

// Stores lpString under lpKeyName in section lpAppName. Returns non-zero when the
// file was written. Deleting keys or sections (null arguments) is not supported
// and returns 0, as does any name or value that cannot be stored safely.
BOOL WritePrivateProfileStringA(const char* lpAppName, const char* lpKeyName, const char* lpString,
                                const char* lpFileName);

} // namespace ini
