#include "platform/ini/Profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace ini {
namespace {

namespace fs = std::filesystem;

class ProfileFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device seed;
        folder_ = fs::temp_directory_path() / ("dunmora-ini-" + std::to_string(seed()));
        fs::create_directories(folder_);
        path_ = (folder_ / "DunmoraDesk.ini").string();
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }
    void WriteFile(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
    std::string ReadFile() const {
        std::ifstream in(path_, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string Read(const char* key, const char* fallback = "default", DWORD size = 2000) {
        std::string buffer(size, 'x');
        DWORD n = GetPrivateProfileStringA("INTERNET", key, fallback, buffer.data(), size, path_.c_str());
        EXPECT_EQ(buffer[n], '\0');
        return buffer.substr(0, n);
    }
    fs::path folder_;
    std::string path_;
};

TEST_F(ProfileFile, MissingFileGivesDefaultsAndCreatesNothing) {
    EXPECT_EQ(Read("TIME", "fallback"), "fallback");
    EXPECT_EQ(GetPrivateProfileIntA("INTERNET", "XIUZHENXIAOSHI", 8, path_.c_str()), 8);
    EXPECT_FALSE(fs::exists(path_));
}

TEST_F(ProfileFile, ReturnsCountAndCutsToBufferSizeMinusOne) {
    WriteFile("[INTERNET]\nTIME=" + std::string(2500, 'a') + "\n");
    EXPECT_EQ(Read("TIME").size(), 1999u);
    EXPECT_EQ(Read("TIME", "", 4), "aaa");
    EXPECT_EQ(Read("MISSING", "default", 4), "def");
}

TEST_F(ProfileFile, IntegersTakeASignAndIgnoreTrailingText) {
    WriteFile("[INTERNET]\nA=-5\nB= +8 hours\nC=abc\nD=\nE=99999999999\nF=-99999999999\n");
    auto readInt = [&](const char* key) { return GetPrivateProfileIntA("internet", key, 77, path_.c_str()); };
    EXPECT_EQ(readInt("A"), -5);
    EXPECT_EQ(readInt("B"), 8);
    EXPECT_EQ(readInt("C"), 0);
    EXPECT_EQ(readInt("D"), 0);
    EXPECT_EQ(readInt("E"), 2147483647);
    EXPECT_EQ(readInt("F"), -2147483647 - 1);
    EXPECT_EQ(readInt("G"), 77);
}

TEST_F(ProfileFile, WriteCreatesFileAndKeepsEveryOtherByte) {
    ASSERT_NE(WritePrivateProfileStringA("INTERNET", "TIME", "one", path_.c_str()), 0);
    EXPECT_EQ(ReadFile(), "[INTERNET]\nTIME=one\n");

    const std::string handWritten =
        "# mine\r\n[INTERNET]\r\nSERVLIEBIAO = http://x/ \r\ntime=old\r\n\r\n[Z]\r\nq=1";
    WriteFile(handWritten);
    ASSERT_NE(WritePrivateProfileStringA("INTERNET", "TIME", "new", path_.c_str()), 0);
    EXPECT_EQ(ReadFile(), "# mine\r\n[INTERNET]\r\nSERVLIEBIAO = http://x/ \r\ntime=new\r\n\r\n[Z]\r\nq=1");
    EXPECT_EQ(Read("SERVLIEBIAO"), "http://x/");
}

TEST_F(ProfileFile, RefusedValueLeavesTheFileUntouched) {
    WriteFile("[INTERNET]\nTIME=keep\n");
    EXPECT_EQ(WritePrivateProfileStringA("INTERNET", "TIME", "evil\r\nXIUZHENXIAOSHI=100", path_.c_str()), 0);
    EXPECT_EQ(WritePrivateProfileStringA(nullptr, "TIME", "x", path_.c_str()), 0);
    EXPECT_EQ(ReadFile(), "[INTERNET]\nTIME=keep\n");
}

TEST_F(ProfileFile, FailedWriteInAReadOnlyFolderLosesNothing) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write into read-only folders";
    WriteFile("[INTERNET]\nTIME=keep\n");
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(WritePrivateProfileStringA("INTERNET", "TIME", "new", path_.c_str()), 0);
    EXPECT_EQ(ReadFile(), "[INTERNET]\nTIME=keep\n");
}

TEST_F(ProfileFile, WriteIntoAMissingFolderFailsCleanly) {
    std::string nowhere = (folder_ / "no" / "such.ini").string();
    EXPECT_EQ(WritePrivateProfileStringA("INTERNET", "TIME", "x", nowhere.c_str()), 0);
    EXPECT_FALSE(fs::exists(folder_ / "no"));
}

TEST_F(ProfileFile, UnreadableFileIsNeverOverwritten) {
    // A folder in place of the file cannot be read as a file, even by root.
    fs::create_directory(path_);
    EXPECT_EQ(WritePrivateProfileStringA("INTERNET", "TIME", "x", path_.c_str()), 0);
    EXPECT_TRUE(fs::is_directory(path_));
}

TEST_F(ProfileFile, WriteKeepsPermissionsLinksAndLeavesNoTemporaryFiles) {
    WriteFile("[INTERNET]\nTIME=a\n");
    ::chmod(path_.c_str(), 0640);
    const std::string link = (folder_ / "link.ini").string();
    fs::create_symlink(path_, link);
    ASSERT_NE(WritePrivateProfileStringA("INTERNET", "TIME", "b", link.c_str()), 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(), "[INTERNET]\nTIME=b\n");
    EXPECT_EQ(fs::status(path_).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);
}

} // namespace
} // namespace ini
