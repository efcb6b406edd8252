#include "platform/ini/IniLocation.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ini {
namespace {

constexpr const char* kVendorFolder = "/DunmoraDesk/";

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

IniLocation ChooseIniLocation(const IniPlaces& places) {
    const std::string fileName = places.programName + ".ini";
    const std::string portable = places.programFolder + "/" + fileName;
    const auto& writable = places.folderWritable ? places.folderWritable : FolderWritableByEffectiveUser;
    if (FileExists(portable) || writable(places.programFolder) || places.configHome.empty())
        return {portable, {}, false};
    return {places.configHome + kVendorFolder + fileName, places.systemConfigRoot + kVendorFolder + fileName, true};
}

std::string ConfigHomeFromEnvironment() {
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.config";
    return {};
}

std::string SystemConfigRootFromEnvironment() {
    const char* dirs = std::getenv("XDG_CONFIG_DIRS");
    std::string list = dirs ? dirs : "";
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        const std::string entry = list.substr(start, end - start);
        if (!entry.empty() && entry[0] == '/')
            return entry;
        start = end + 1;
    }
    return "/etc/xdg";
}

bool FolderWritableByEffectiveUser(const std::string& folder) {
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

} // namespace ini
