// Where the INI file lives on Windows: beside the program, named after it.
// The per-user folder for an installed copy whose folder is not writable is
// not chosen here; such a copy reads its defaults and cannot store a server.
#include "platform/ini/IniLocation.h"

namespace ini {

IniLocation ChooseIniLocation(const IniPlaces& places) {
    return {places.programFolder + "\\" + places.programName + ".ini", {}};
}

std::string ConfigHomeFromEnvironment() {
    return {};
}

std::string SystemConfigRootFromEnvironment() {
    return {};
}

bool FolderWritableByEffectiveUser(const std::string&) {
    return true;
}

} // namespace ini
