#include "app/mdlIniFile.h"
#include "app/tests/AppTestSupport.h"

#include <filesystem>

namespace app {
namespace {

using namespace mdlIniFile;

TEST(IniPathRule, ProgramFolderAndNameWithIniExtension) {
    testing::PrivateIniFile folder; // a writable program folder
    IniPath.clear();
    UseProgramFile((folder.Folder() / "clock.exe").string());
    ResolveIniPath();
    EXPECT_EQ(IniPath, (folder.Folder() / "clock.ini").string());
    IniPath = "/tmp/Clock.INI";
    ResolveIniPath();
    EXPECT_EQ(IniPath, "/tmp/Clock.INI");
    IniPath = "/tmp/clock";
    ResolveIniPath();
    EXPECT_EQ(IniPath, "/tmp/clock.ini");
    IniPath.clear();
}

TEST(IniValues, MissingFileGivesEveryDefaultAndCreatesNothing) {
    testing::PrivateIniFile file;
    EXPECT_EQ(ReadIniString("INTERNET", "TIME", "fallback.example"), "fallback.example");
    EXPECT_EQ(ReadIniInt("INTERNET", "XIUZHENXIAOSHI", 8), 8);
    EXPECT_FALSE(file.Exists());
}

TEST(IniValues, SurroundingSpacesSurviveThroughQuestionMarkGuards) {
    testing::PrivateIniFile file;
    EXPECT_NE(WriteIniString("INTERNET", "TIME", " host.example "), 0);
    EXPECT_EQ(file.Read(), "[INTERNET]\nTIME=? host.example ?\n");
    EXPECT_EQ(ReadIniString("INTERNET", "TIME", "x"), " host.example ");
}

TEST(IniValues, QuestionMarksAreNeverStoredNorRead) {
    testing::PrivateIniFile file;
    WriteIniString("INTERNET", "TIME", "ab?cd");
    EXPECT_EQ(file.Read(), "[INTERNET]\nTIME=abcd\n");
    file.Write("[INTERNET]\nTIME=ti?me.exa?mple\n");
    EXPECT_EQ(ReadIniString("INTERNET", "TIME", "x"), "time.example");
}

TEST(IniValues, EmptyValueReadsBackEmptyNotTheDefault) {
    testing::PrivateIniFile file;
    EXPECT_NE(WriteIniString("INTERNET", "TIME", ""), 0);
    EXPECT_EQ(ReadIniString("INTERNET", "TIME", "default"), "");
}

TEST(IniValues, LongValuesReadBackCutTo1999Bytes) {
    testing::PrivateIniFile file;
    file.Write("[INTERNET]\nTIME=" + std::string(1998, 'a') + "\xe6\x97\xb6" +
               "\n"); // a 3-byte character at 1999
    // The cut falls inside the character, which is left out whole.
    EXPECT_EQ(ReadIniString("INTERNET", "TIME", "x"), std::string(1998, 'a'));
    file.Write("[INTERNET]\nTIME=" + std::string(5000, 'b') + "\n");
    EXPECT_EQ(ReadIniString("INTERNET", "TIME", "x"), std::string(1999, 'b'));
}

TEST(IniValues, LineBreaksAndNulAreRefusedAndLoseNothing) {
    testing::PrivateIniFile file;
    file.Write("[INTERNET]\nTIME=keep\nXIUZHENXIAOSHI=8\n");
    EXPECT_EQ(WriteIniString("INTERNET", "TIME", "evil\r\nXIUZHENXIAOSHI=1000"), 0);
    EXPECT_EQ(WriteIniString("INTERNET", "TIME", "evil\n"), 0);
    EXPECT_EQ(WriteIniString("INTERNET", "TIME", std::string("ho\0st", 5)), 0);
    EXPECT_EQ(file.Read(), "[INTERNET]\nTIME=keep\nXIUZHENXIAOSHI=8\n");
}

TEST(IniValues, UnwritableFileIsReportedByNobodyAndLosesNothing) {
    testing::PrivateIniFile file;
    file.Write("[INTERNET]\nTIME=keep\n");
    const std::string readable = IniPath;
    IniPath = (file.Folder() / "missing-folder" / "DunmoraDesk.ini").string();
    EXPECT_EQ(WriteIniString("INTERNET", "TIME", "new"), 0);
    IniPath = readable;
    EXPECT_EQ(ReadIniString("INTERNET", "TIME", "x"), "keep");
}

// Whether the key is there at all: an empty value is there, a missing file,
// section or key is not.
TEST(IniValues, KeyPresenceTellsAnEmptyValueFromAMissingKey) {
    testing::PrivateIniFile file;
    EXPECT_FALSE(IniKeyPresent("INTERNET", "XIUZHENXIAOSHI"));
    for (const char* text : {"[INTERNET]\nXIUZHENXIAOSHI=\n", "[internet]\nxiuzhenxiaoshi = 1\n"}) {
        file.Write(text);
        EXPECT_TRUE(IniKeyPresent("INTERNET", "XIUZHENXIAOSHI")) << text;
    }
    for (const char* text : {"[OTHER]\nXIUZHENXIAOSHI=1\n", "[INTERNET]\nTIME=1\n"}) {
        file.Write(text);
        EXPECT_FALSE(IniKeyPresent("INTERNET", "XIUZHENXIAOSHI")) << text;
    }
}

} // namespace
} // namespace app
