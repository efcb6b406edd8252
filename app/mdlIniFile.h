#pragma once
// The configuration file beside the program: its location and the three
// operations every other part of the program uses to reach it. Text is UTF-8.
#include <cstdint>
#include <string>

namespace mdlIniFile {

// Full path of the file, computed once by ResolveIniPath. Tests may set it.
extern std::string IniPath;
// A system-wide file read while IniPath does not exist, and copied to IniPath
// before its first write; empty: none. Set by ResolveIniPath with IniPath.
extern std::string IniDefaultsPath;
// Whether IniPath is in the user's configuration folder, which the first write
// makes (a portable file's folder is the program's own). Set with IniPath.
extern bool IniInUserFolder;

// The program file (its UTF-8 path) whose folder and name the path follows;
// the host sets it once at start-up, before the first operation.
void UseProgramFile(const std::string& programPath);

// Program folder + "/" + program name without its extension + ".ini" while that
// file exists or the folder is writable (a portable copy); for an installed
// program, <config home>/DunmoraDesk/<name>.ini with the defaults from
// <system config folder>/DunmoraDesk/<name>.ini, on Windows
// %APPDATA%\DunmoraDesk\<name>.ini (see platform/ini/IniLocation.h). The
// first write creates that folder.
void ResolveIniPath();

// The value, or defaultValue when the file, section or key is missing; at most
// 1999 bytes, every "?" removed.
std::string ReadIniString(const std::string& section, const std::string& key, const std::string& defaultValue);

// The value as a signed decimal integer, or defaultValue when missing.
std::int32_t ReadIniInt(const std::string& section, const std::string& key, std::int32_t defaultValue);

// Whether the key is in the file at all (an empty value counts as present).
bool IniKeyPresent(const std::string& section, const std::string& key);

// True when the file exists but cannot be read (no permission, a folder in its
// place, a read error): the reads then give their defaults.
bool IniFileUnreadable();

// Stores the value ("?" removed, guarded by "?" when it begins or ends with a
// space). Non-zero when stored; 0 when the file could not be written or the
// value holds a line break or NUL, which could never be stored as one value.
std::int32_t WriteIniString(const std::string& section, const std::string& key, const std::string& value);

} // namespace mdlIniFile
