// An installed program keeps its settings in the user's configuration folder,
// starting from the system-wide defaults when the administrator left some.
#include "app/mdlIniFile.h"
#include "app/tests/AppTestSupport.h"

#include <fstream>
#include <sstream>

namespace app::testing {
namespace {

using namespace mdlIniFile;

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

TEST(SettingsInTheUsersFolder, DefaultsAreReadUntilTheFirstWriteCopiesThemAndTheyStayUntouched) {
    PrivateIniFile root; // its folder stands for the file system's root
    const std::filesystem::path system = root.Folder() / "etc/xdg/DunmoraDesk/MyClock.ini";
    std::filesystem::create_directories(system.parent_path());
    const std::string defaults = "[INTERNET]\nTIME=site.example\nXIUZHENXIAOSHI=3\n";
    std::ofstream(system, std::ios::binary) << defaults;
    IniPath = (root.Folder() / "home/.config/DunmoraDesk/MyClock.ini").string(); // no folder yet
    IniDefaultsPath = system.string();
    IniInUserFolder = true;

    EXPECT_EQ(ReadIniString("INTERNET", "TIME", "x"), "site.example");
    EXPECT_EQ(ReadIniInt("INTERNET", "XIUZHENXIAOSHI", 8), 3);
    EXPECT_NE(WriteIniString("INTERNET", "TIME", "found.example"), 0);
    EXPECT_EQ(ReadIniString("INTERNET", "TIME", "x"), "found.example");
    EXPECT_EQ(ReadIniInt("INTERNET", "XIUZHENXIAOSHI", 8), 3); // kept from the defaults
    EXPECT_EQ(FileBytes(system), defaults);

    // Without system defaults a missing file still gives the caller's defaults.
    IniPath = (root.Folder() / "other/.config/DunmoraDesk/MyClock.ini").string();
    IniDefaultsPath = (root.Folder() / "etc/xdg/DunmoraDesk/Missing.ini").string();
    EXPECT_EQ(ReadIniInt("INTERNET", "XIUZHENXIAOSHI", 8), 8);
    EXPECT_NE(WriteIniString("INTERNET", "TIME", "a"), 0);
    EXPECT_EQ(ReadIniInt("INTERNET", "XIUZHENXIAOSHI", 8), 8);

    // Without system defaults (Windows: %APPDATA%\DunmoraDesk) the first write still makes the folder.
    IniDefaultsPath.clear();
    IniPath = (root.Folder() / "AppData/Roaming/DunmoraDesk/MyClock.ini").string();
    EXPECT_NE(WriteIniString("INTERNET", "TIME", "b"), 0);
    EXPECT_EQ(FileBytes(IniPath), "[INTERNET]\nTIME=b\n");
    IniInUserFolder = false;
}

} // namespace
} // namespace app::testing
