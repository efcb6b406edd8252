// An installed program keeps its settings in the user's configuration folder,
// starting from the system-wide defaults when the administrator left some.
#include "app/mdlIniFile.h"
#include "app/tests/AppTestSupport.h"

#include <QFile>

namespace app::testing {
namespace {

using namespace mdlIniFile;

TEST(SettingsInTheUsersFolder, DefaultsAreReadUntilTheFirstWriteCopiesThemAndTheyStayUntouched) {
    QTemporaryDir root;
    const QString system = root.filePath("etc/xdg/DunmoraDesk/MyClock.ini");
    ASSERT_TRUE(QDir().mkpath(root.filePath("etc/xdg/DunmoraDesk")));
    const QByteArray defaults = "[INTERNET]\nTIME=site.example\nXIUZHENXIAOSHI=3\n";
    {
        QFile file(system);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(defaults);
    }
    IniPath = root.filePath("home/.config/DunmoraDesk/MyClock.ini"); // the folder does not exist yet
    IniDefaultsPath = system;

    EXPECT_EQ(ReadIniString("INTERNET", "TIME", "x"), "site.example");
    EXPECT_EQ(ReadIniInt("INTERNET", "XIUZHENXIAOSHI", 8), 3);
    EXPECT_NE(WriteIniString("INTERNET", "TIME", "found.example"), 0);
    EXPECT_EQ(ReadIniString("INTERNET", "TIME", "x"), "found.example");
    EXPECT_EQ(ReadIniInt("INTERNET", "XIUZHENXIAOSHI", 8), 3); // kept from the defaults
    QFile file(system);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), defaults);

    // Without system defaults a missing file still gives the caller's defaults.
    IniPath = root.filePath("other/.config/DunmoraDesk/MyClock.ini");
    IniDefaultsPath = root.filePath("etc/xdg/DunmoraDesk/Missing.ini");
    EXPECT_EQ(ReadIniInt("INTERNET", "XIUZHENXIAOSHI", 8), 8);
    EXPECT_NE(WriteIniString("INTERNET", "TIME", "a"), 0);
    EXPECT_EQ(ReadIniInt("INTERNET", "XIUZHENXIAOSHI", 8), 8);
    IniPath.clear();
    IniDefaultsPath.clear();
}

} // namespace
} // namespace app::testing
