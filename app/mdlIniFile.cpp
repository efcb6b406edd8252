#include "app/mdlIniFile.h"

#include "platform/ini/IniFile.h"
#include "platform/ini/IniLocation.h"
#include "platform/ini/Profile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace mdlIniFile {

std::string IniPath;
std::string IniDefaultsPath;
bool IniInUserFolder = false;

namespace {

namespace fs = std::filesystem;

constexpr ini::DWORD kBufferSize = 2000; // one byte of it is the terminator

std::string programPath;

bool HoldsLineBreakOrNul(const std::string& text) {
    return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

void RemoveQuestionMarks(std::string& text) {
    text.erase(std::remove(text.begin(), text.end(), '?'), text.end());
}

// Paths are UTF-8 text; a path made from a plain string would be read in the
// ANSI code page on Windows.
fs::path PathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(PathOf(path), error);
}

// The user's file while it exists, else the system-wide defaults when there are any.
const std::string& ReadPath() {
    if (!IniDefaultsPath.empty() && !Exists(IniPath))
        return IniDefaultsPath;
    return IniPath;
}

// In the user's configuration folder, the first write creates the folder and
// starts from the system-wide defaults where there are any (Linux), so the
// keys the administrator set are kept beside the one written.
void PrepareFirstWrite() {
    if (!IniInUserFolder || Exists(IniPath))
        return;
    std::error_code error;
    fs::create_directories(PathOf(IniPath).parent_path(), error);
    if (IniDefaultsPath.empty())
        return;
    const ini::FileText defaults = ini::ReadWholeFile(IniDefaultsPath);
    if (defaults.status != ini::ReadStatus::Ok)
        return;
    // Never over a file that appeared meanwhile.
    if (Exists(IniPath))
        return;
    std::ofstream file(PathOf(IniPath), std::ios::binary);
    file.write(defaults.text.data(), static_cast<std::streamsize>(defaults.text.size()));
}

} // namespace

void UseProgramFile(const std::string& path) {
    programPath = path;
}

void ResolveIniPath() {
    if (IniPath.empty()) {
        const fs::path program = PathOf(programPath);
        ini::IniPlaces places;
        places.programFolder = Utf8Of(program.parent_path());
        places.programName = Utf8Of(program.stem());
        places.configHome = ini::ConfigHomeFromEnvironment();
        places.systemConfigRoot = ini::SystemConfigRootFromEnvironment();
        const ini::IniLocation location = ini::ChooseIniLocation(places);
        IniPath = location.path;
        IniDefaultsPath = location.defaultsPath;
        IniInUserFolder = location.inUserFolder;
    }
    std::string ending = IniPath.size() >= 4 ? IniPath.substr(IniPath.size() - 4) : IniPath;
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    if (ending != ".ini")
        IniPath += ".ini";
}

std::string ReadIniString(const std::string& section, const std::string& key, const std::string& defaultValue) {
    ResolveIniPath();
    char buffer[kBufferSize];
    const ini::DWORD count = ini::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                                           buffer, kBufferSize, ReadPath().c_str());
    std::string value(buffer, count);
    RemoveQuestionMarks(value);
    return value;
}

std::int32_t ReadIniInt(const std::string& section, const std::string& key, std::int32_t defaultValue) {
    ResolveIniPath();
    return ini::GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, ReadPath().c_str());
}

bool IniKeyPresent(const std::string& section, const std::string& key) {
    ResolveIniPath();
    // A missing key gives the default whatever it is; two defaults tell it apart.
    char buffer[2];
    const char* path = ReadPath().c_str();
    return ini::GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, sizeof buffer, path) > 0 ||
           ini::GetPrivateProfileStringA(section.c_str(), key.c_str(), "x", buffer, sizeof buffer, path) == 0;
}

bool IniFileUnreadable() {
    ResolveIniPath();
    return ini::ReadWholeFile(ReadPath()).status == ini::ReadStatus::Failed;
}

std::int32_t WriteIniString(const std::string& section, const std::string& key, const std::string& value) {
    ResolveIniPath();
    std::string stored = value;
    RemoveQuestionMarks(stored);
    // A line break would add lines to the file; a NUL would silently cut the value.
    if (HoldsLineBreakOrNul(stored))
        return 0;
    if (!stored.empty() && (stored.front() == ' ' || stored.back() == ' '))
        stored = "?" + stored + "?";
    PrepareFirstWrite();
    return ini::WritePrivateProfileStringA(section.c_str(), key.c_str(), stored.c_str(), IniPath.c_str());
}

} // namespace mdlIniFile
