// The INI file on Windows: where it lives, folders with names in any script,
// and files that older programs wrote in the ANSI code page.
#include "platform/ini/IniFile.h"
#include "platform/ini/IniLocation.h"
#include "platform/ini/Profile.h"
#include "platform/unicode/Utf16.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace ini {
namespace {

namespace fs = std::filesystem;

// A new folder under %TEMP%, by default with a name that is not ASCII,
// removed with what it holds.
class TemporaryFolder {
  public:
    explicit TemporaryFolder(const std::wstring& stem = L"ini-\x8BBE\x7F6E \x00DC-") {
        wchar_t temp[MAX_PATH + 1];
        GetTempPathW(MAX_PATH + 1, temp);
        wide_ = std::wstring(temp) + stem + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++count_);
        CreateDirectoryW(wide_.c_str(), nullptr);
        path_ = unicode::Utf8(wide_);
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        fs::remove_all(fs::path(wide_), ignored);
    }
    const std::string& Path() const { return path_; }
    // The names in the folder.
    std::vector<std::wstring> Names() const {
        std::vector<std::wstring> names;
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(fs::path(wide_), ignored))
            names.push_back(entry.path().filename().wstring());
        return names;
    }

  private:
    static inline int count_ = 0;
    std::wstring wide_;
    std::string path_;
};

std::string Environment(const wchar_t* name) {
    wchar_t value[MAX_PATH * 2];
    const ::DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
    return length > 0 && length < MAX_PATH * 2 ? unicode::Utf8(std::wstring_view(value, length)) : std::string();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(unicode::Utf16(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ::DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string Read(const std::string& path, const char* key) {
    char buffer[2000];
    const DWORD count = GetPrivateProfileStringA("INTERNET", key, "(missing)", buffer, sizeof buffer, path.c_str());
    return std::string(buffer, count);
}

TEST(IniLocationOnWindows, BesideTheProgramWhileItsFolderIsWritableElseInAppData) {
    const std::string appData = ConfigHomeFromEnvironment();
    // The shell's known folder is the one %APPDATA% names.
    ASSERT_FALSE(appData.empty());
    EXPECT_EQ(appData, Environment(L"APPDATA"));
    EXPECT_EQ(SystemConfigRootFromEnvironment(), "");

    enum class Folder { Writable, RefusedByTheFileSystem };
    enum class Probe { Real, SaysWritable, SaysReadOnly };
    struct Row {
        const char* name;
        Folder folder;
        Probe probe;
        bool fileBeside;
        bool configHomeKnown;
        bool portable;
    };
    // Z:\sys is the host's sysfs, in which not even root may make a file: a
    // folder that refuses writing without an injected answer. (Wine keeps no
    // ACLs, and a read-only attribute does not stop Windows either from
    // making files in a folder.)
    const Row rows[] = {
        {"writable folder", Folder::Writable, Probe::Real, false, true, true},
        {"folder that refuses files", Folder::RefusedByTheFileSystem, Probe::Real, false, true, false},
        {"read-only folder with the file beside", Folder::Writable, Probe::SaysReadOnly, true, true, true},
        {"read-only folder, no file", Folder::Writable, Probe::SaysReadOnly, false, true, false},
        {"read-only folder, no application data", Folder::Writable, Probe::SaysReadOnly, false, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TemporaryFolder temporary;
        const std::string folder = row.folder == Folder::Writable ? temporary.Path() : "Z:\\sys";
        if (row.fileBeside)
            WriteBytes(folder + "\\MyClock.ini", "[INTERNET]\r\n");
        IniPlaces places;
        places.programFolder = folder;
        places.programName = "MyClock";
        places.configHome = row.configHomeKnown ? appData : "";
        if (row.probe != Probe::Real)
            places.folderWritable = [&](const std::string& asked) {
                EXPECT_EQ(asked, folder);
                return row.probe == Probe::SaysWritable;
            };
        const IniLocation location = ChooseIniLocation(places);
        EXPECT_EQ(location.path,
                  row.portable ? folder + "\\MyClock.ini" : appData + "\\DunmoraDesk\\MyClock.ini");
        EXPECT_EQ(location.defaultsPath, "");
        EXPECT_EQ(location.inUserFolder, !row.portable);
        // The probe leaves nothing behind.
        EXPECT_EQ(temporary.Names().size(), row.fileBeside ? 1u : 0u);
    }
}

TEST(IniLocationOnWindows, TheWritabilityProbeTriesTheFolderItself) {
    TemporaryFolder folder;
    EXPECT_TRUE(FolderWritableByEffectiveUser(folder.Path()));
    EXPECT_FALSE(FolderWritableByEffectiveUser(folder.Path() + "\\missing"));
    EXPECT_FALSE(FolderWritableByEffectiveUser("Z:\\sys"));
    EXPECT_TRUE(folder.Names().empty());
}

// Folders and files named in Chinese and other scripts: every path reaches the
// file system through the wide calls.
TEST(IniFileOnWindows, ReadsAndWritesThroughWidePaths) {
    TemporaryFolder folder;
    const std::string path = folder.Path() + "\\\xE6\x97\xB6\xE9\x97\xB4.ini";
    EXPECT_EQ(ReadWholeFile(path).status, ReadStatus::Missing);
    EXPECT_EQ(ReadWholeFile(folder.Path()).status, ReadStatus::Failed); // a folder is no file
    EXPECT_EQ(Read(path, "TIME"), "(missing)");

    ASSERT_NE(WritePrivateProfileStringA("INTERNET", "TIME", "first.example", path.c_str()), 0);
    ASSERT_NE(WritePrivateProfileStringA("INTERNET", "SERVLIEBIAO", "http://list.example/", path.c_str()), 0);
    // The second write replaced the file: the first value stays, nothing else is left.
    ASSERT_NE(WritePrivateProfileStringA("INTERNET", "TIME", "\xE5\x8C\x97\xE4\xBA\xAC", path.c_str()), 0);
    const FileText file = ReadWholeFile(path);
    EXPECT_EQ(file.status, ReadStatus::Ok);
    EXPECT_EQ(file.text, "[INTERNET]\nTIME=\xE5\x8C\x97\xE4\xBA\xAC\nSERVLIEBIAO=http://list.example/\n");
    EXPECT_EQ(Read(path, "TIME"), "\xE5\x8C\x97\xE4\xBA\xAC");
    EXPECT_EQ(folder.Names(), std::vector<std::wstring>{L"\x65F6\x95F4.ini"});
}

// A file that an older program wrote on Chinese Windows, in GBK. Run with the
// ANSI code page 936 (see CMakeLists.txt). The folder's name is ASCII: the
// host need not have the Chinese locale that Wine would map other names with.
TEST(IniGbkFile, IsReadInTheAnsiCodePageAndKeepsItsBytesWhenWritten) {
    ASSERT_EQ(GetACP(), 936u);
    TemporaryFolder folder(L"ini-gbk-");
    const std::string path = folder.Path() + "\\clock.ini";
    const std::string name = "\xCA\xB1\xBC\xE4\xB7\xFE\xCE\xF1\xC6\xF7"; // 时间服务器 in GBK
    const std::string head = "; " + name + "\r\n[INTERNET]\r\nNAME=" + name + "\r\n";
    WriteBytes(path, head + "TIME=old.example\r\n");
    EXPECT_EQ(Read(path, "NAME"), "\xE6\x97\xB6\xE9\x97\xB4\xE6\x9C\x8D\xE5\x8A\xA1\xE5\x99\xA8");

    struct Row {
        const char* value; // UTF-8
        bool stored;
        std::string valueBytes; // what the file then holds
    };
    const Row rows[] = {
        {"127.0.0.1", true, "127.0.0.1"},
        {"\xE5\x8C\x97\xE4\xBA\xAC", true, "\xB1\xB1\xBE\xA9"}, // 北京
        {"\xF0\x9F\x98\x80", false, "\xB1\xB1\xBE\xA9"},         // no GBK form: refused, file unchanged
    };
    for (const Row& row : rows) {
        EXPECT_EQ(WritePrivateProfileStringA("INTERNET", "TIME", row.value, path.c_str()) != 0, row.stored)
            << row.value;
        EXPECT_EQ(ReadWholeFile(path).text, head + "TIME=" + row.valueBytes + "\r\n") << row.value;
    }
    EXPECT_EQ(Read(path, "TIME"), "\xE5\x8C\x97\xE4\xBA\xAC");
}

} // namespace
} // namespace ini
