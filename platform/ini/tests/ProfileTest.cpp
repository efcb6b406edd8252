#include "platform/ini/Profile.h"

#include "platform/ini/IniDocument.h"
#include "platform/ini/IniFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

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

TEST_F(ProfileFile, ValuesAreCutToWholeCharactersAndLoseOnePairOfQuotes) {
    const std::string han = "\xe6\x97\xb6"; // one character of three bytes
    struct Row {
        std::string stored;
        DWORD size;
        std::string read;
    } rows[] = {
        {std::string(2500, 'a'), 2000, std::string(1999, 'a')},
        {std::string(1998, 'a') + han, 2000, std::string(1998, 'a')},
        {std::string(1997, 'a') + han, 2000, std::string(1997, 'a')},
        {std::string(1996, 'a') + han + "b", 2000, std::string(1996, 'a') + han},
        {std::string(1996, 'a') + "\xf0\x9f\x95\x90", 2000, std::string(1996, 'a')}, // four bytes
        {"aaa\x80\x80\x80\x80\x80", 6, "aaa\x80\x80"}, // no UTF-8: cut where the limit falls
        {"abcdef", 4, "abc"},
        {"\"-5\"", 2000, "-5"},
        {"'  spaced '", 2000, "  spaced "},
        {"\"\"", 2000, ""},
        {"\"a\"b\"", 2000, "a\"b"},
        {"\"open", 2000, "\"open"},
        {"'mixed\"", 2000, "'mixed\""},
        {"\"", 2000, "\""},
    };
    for (const Row& row : rows) {
        WriteFile("[INTERNET]\nTIME=" + row.stored + "\n");
        EXPECT_EQ(Read("TIME", "", row.size), row.read) << row.stored.substr(0, 20);
    }
    EXPECT_EQ(Read("MISSING", "default", 4), "def");
    EXPECT_EQ(Read("MISSING", "default \t "), "default"); // blanks after a default go too
    WriteFile("[INTERNET]\nXIUZHENXIAOSHI=\"-5\"\n");
    EXPECT_EQ(GetPrivateProfileIntA("INTERNET", "XIUZHENXIAOSHI", 8, path_.c_str()), -5);
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

TEST_F(ProfileFile, AFolderWithoutRoomForATemporaryFileIsWrittenInPlace) {
    WriteFile("[INTERNET]\nTIME=keep\n");
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    // Root may create files in a read-only folder, so the refusal is also made directly below.
    EXPECT_NE(WritePrivateProfileStringA("INTERNET", "TIME", "new", path_.c_str()), 0);
    EXPECT_EQ(ReadFile(), "[INTERNET]\nTIME=new\n");
    fs::permissions(folder_, fs::perms::owner_all);

    struct stat before {
    }, after{};
    ::stat(path_.c_str(), &before);
    const TemporaryFileMaker refused = [](std::string&) {
        errno = EACCES;
        return -1;
    };
    auto store = [](const char* value) {
        return [value](const std::string& present) {
            return std::optional<std::string>(StoreValue(present, "INTERNET", "TIME", value));
        };
    };
    ASSERT_TRUE(UpdateFile(path_, store("longer value"), refused));
    EXPECT_EQ(ReadFile(), "[INTERNET]\nTIME=longer value\n");
    ASSERT_TRUE(UpdateFile(path_, store("x"), refused));
    EXPECT_EQ(ReadFile(), "[INTERNET]\nTIME=x\n");
    ::stat(path_.c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
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

TEST_F(ProfileFile, WriteKeepsOwnerModeAndLinksAndClearsStaleTemporaryFiles) {
    WriteFile("[INTERNET]\nTIME=a\n");
    ::chmod(path_.c_str(), 0640);
    // Root writes the files of other users (the program may run under sudo).
    const bool foreignOwner = ::chown(path_.c_str(), 4321, 8765) == 0;
    const std::string link = (folder_ / "link.ini").string();
    fs::create_symlink(path_, link);
    std::ofstream(folder_ / ".DunmoraDesk.ini.tmp-a1B2c3") << "left by a killed writer";
    ASSERT_NE(WritePrivateProfileStringA("INTERNET", "TIME", "b", link.c_str()), 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(), "[INTERNET]\nTIME=b\n");
    struct stat info {};
    ::stat(path_.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (foreignOwner) {
        EXPECT_EQ(info.st_uid, 4321u);
        EXPECT_EQ(info.st_gid, 8765u);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);
}

TEST_F(ProfileFile, WritersInSeveralProcessesLoseNoUpdate) {
    constexpr int kWriters = 4, kRounds = 40;
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriters; ++writer) {
        pid_t child = ::fork();
        if (child == 0) {
            const std::string key = "K" + std::to_string(writer);
            bool ok = true;
            for (int round = 1; round <= kRounds; ++round)
                ok = WritePrivateProfileStringA("S", key.c_str(), std::to_string(round).c_str(),
                                                path_.c_str()) &&
                     ok;
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int writer = 0; writer < kWriters; ++writer)
        EXPECT_EQ(GetPrivateProfileIntA("S", ("K" + std::to_string(writer)).c_str(), -1, path_.c_str()),
                  kRounds);
}

} // namespace
} // namespace ini
