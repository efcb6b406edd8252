#include "platform/ini/IniLocation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>

namespace ini {
namespace {

namespace fs = std::filesystem;

class TemporaryFolder {
  public:
    TemporaryFolder() {
        std::string pattern = (fs::temp_directory_path() / "ini-location-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

TEST(IniLocation, BesideTheProgramWhilePossibleElseInTheUsersConfiguration) {
    struct Case {
        const char* name;
        bool folderWritable;
        bool fileBeside;
        bool configHomeKnown;
        bool portable;
    };
    const Case cases[] = {
        {"writable folder", true, false, true, true},
        {"file beside a read-only folder", false, true, true, true},
        {"installed: read-only folder, no file", false, false, true, false},
        {"no configuration home either", false, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TemporaryFolder folder;
        ASSERT_FALSE(folder.Path().empty());
        if (c.fileBeside)
            std::ofstream(folder.Path() + "/MyClock.ini") << "[INTERNET]\n";
        IniPlaces places{folder.Path(), "MyClock", c.configHomeKnown ? "/home/u/.config" : "", "/test/xdg",
                         [&](const std::string& f) {
                             EXPECT_EQ(f, folder.Path());
                             return c.folderWritable;
                         }};
        const IniLocation location = ChooseIniLocation(places);
        if (c.portable) {
            EXPECT_EQ(location.path, folder.Path() + "/MyClock.ini");
            EXPECT_EQ(location.defaultsPath, "");
        } else {
            EXPECT_EQ(location.path, "/home/u/.config/DunmoraDesk/MyClock.ini");
            EXPECT_EQ(location.defaultsPath, "/test/xdg/DunmoraDesk/MyClock.ini");
        }
        EXPECT_EQ(location.inUserFolder, !c.portable);
    }
}

TEST(IniLocation, ConfigurationFoldersFollowTheXdgRules) {
    struct Case {
        const char* xdg;  // nullptr: unset
        const char* home; // nullptr: unset
        std::string expected;
    };
    const Case cases[] = {
        {"/x/conf", "/home/u", "/x/conf"},
        {nullptr, "/home/u", "/home/u/.config"},
        {"relative/conf", "/home/u", "/home/u/.config"},
        {nullptr, nullptr, ""},
    };
    const auto saved = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto restore = [](const char* name, const std::optional<std::string>& value) {
        value ? setenv(name, value->c_str(), 1) : unsetenv(name);
    };
    const auto savedXdg = saved("XDG_CONFIG_HOME");
    const auto savedHome = saved("HOME");
    const auto savedDirs = saved("XDG_CONFIG_DIRS");
    for (const Case& c : cases) {
        restore("XDG_CONFIG_HOME", c.xdg ? std::optional<std::string>(c.xdg) : std::nullopt);
        restore("HOME", c.home ? std::optional<std::string>(c.home) : std::nullopt);
        EXPECT_EQ(ConfigHomeFromEnvironment(), c.expected) << (c.xdg ? c.xdg : "unset");
    }
    for (const auto& [dirs, root] : {std::pair<const char*, std::string>{nullptr, "/etc/xdg"},
                                     {"relative:/opt/xdg:/etc/xdg", "/opt/xdg"},
                                     {"", "/etc/xdg"}}) {
        restore("XDG_CONFIG_DIRS", dirs ? std::optional<std::string>(dirs) : std::nullopt);
        EXPECT_EQ(SystemConfigRootFromEnvironment(), root) << (dirs ? dirs : "unset");
    }
    restore("XDG_CONFIG_HOME", savedXdg);
    restore("HOME", savedHome);
    restore("XDG_CONFIG_DIRS", savedDirs);
}

TEST(IniLocation, WritabilityIsAskedOfTheFileSystemForTheEffectiveUser) {
    TemporaryFolder folder;
    EXPECT_TRUE(FolderWritableByEffectiveUser(folder.Path()));
    EXPECT_FALSE(FolderWritableByEffectiveUser(folder.Path() + "/missing"));
    // Permission bits bind every user but root, as access(2) has it; a read-only
    // installation folder for root is a read-only mount, tested through the
    // injected check above.
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(FolderWritableByEffectiveUser(folder.Path()), ::geteuid() == 0);
    fs::permissions(folder.Path(), fs::perms::owner_all);
}

} // namespace
} // namespace ini
