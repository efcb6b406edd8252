// Where the INI file lives on Windows: beside the program while that works (a
// portable copy, from a zip), else in the user's roaming application data,
// %APPDATA%\DunmoraDesk\, for a program installed under Program Files, which
// only administrators may write. Windows has no system-wide defaults file.
#include "platform/ini/IniLocation.h"
#include "platform/unicode/Utf16.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

namespace ini {
namespace {

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(unicode::Utf16(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

IniLocation ChooseIniLocation(const IniPlaces& places) {
    const std::string fileName = places.programName + ".ini";
    const std::string portable = places.programFolder + "\\" + fileName;
    const auto& writable = places.folderWritable ? places.folderWritable : FolderWritableByEffectiveUser;
    if (FileExists(portable) || writable(places.programFolder) || places.configHome.empty())
        return {portable, {}, false};
    return {places.configHome + "\\DunmoraDesk\\" + fileName, {}, true};
}

// The roaming application data folder (%APPDATA%) as the shell knows it; the
// environment variable may be missing or stale, the known folder is not.
std::string ConfigHomeFromEnvironment() {
    PWSTR folder = nullptr;
    std::string result;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &folder)))
        result = unicode::Utf8(folder);
    CoTaskMemFree(folder);
    return result;
}

std::string SystemConfigRootFromEnvironment() {
    return {};
}

// Permissions on Windows are ACLs, shares, read-only media and policies
// together; only trying tells. A file is made in the folder and at once
// deleted again.
bool FolderWritableByEffectiveUser(const std::string& folder) {
    const std::wstring probe =
        unicode::Utf16(folder) + L"\\.DunmoraDesk-write-test-" + std::to_wstring(GetCurrentProcessId());
    const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                                    nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

} // namespace ini
