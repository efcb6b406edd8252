// DunmoraDesk.exe started as a console or a script starts it, with its
// standard output redirected to a file: the text arrives there as UTF-8, and
// the exit status says whether the clock was set. The program runs from a
// copy in a fresh folder, so its INI file is the test's own; the copy is of
// the build's program, or of DUNMORA_PROGRAM_UNDER_TEST when that names one
// (the installed program).
//
// The unattended runs against the test's own servers never set a clock: Wine
// changes nothing on the host; its SetLocalTime accepts a change of less than
// half a second and refuses a larger one as a process without the
// system-time privilege is refused. A server that tells the present time thus
// leads to success, one that tells another time to the privilege line.
#include "platform/win32/Native.h" // before any other header that includes windows.h

#include "platform/net/testing/NistReply.h"
#include "platform/net/win32/testing/ThreadServers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// The build's program, a Unix path, as Wine's drive Z: shows it.
fs::path ProgramUnderTest() {
    if (const wchar_t* chosen = _wgetenv(L"DUNMORA_PROGRAM_UNDER_TEST"); chosen != nullptr && *chosen != L'\0')
        return fs::path(chosen);
    std::string path = std::string("Z:") + DUNMORA_PROGRAM_FILE;
    for (char& c : path)
        c = c == '/' ? '\\' : c;
    return fs::path(win32platform::Utf16(path));
}

struct ProgramRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string output;
};

struct ProgramOutput : ::testing::Test {
    fs::path folder;
    fs::path program;

    void SetUp() override {
        folder = fs::temp_directory_path() / ("dunmora-output-" + std::to_string(GetCurrentProcessId()));
        fs::create_directories(folder);
        program = folder / L"DunmoraDesk.exe";
        fs::copy_file(ProgramUnderTest(), program, fs::copy_options::overwrite_existing);
    }
    void TearDown() override {
        std::error_code error;
        fs::remove_all(folder, error);
    }
    void WriteIni(const std::string& text) const { std::ofstream(folder / L"DunmoraDesk.ini", std::ios::binary) << text; }
    std::string ReadIni() const {
        std::ifstream file(folder / L"DunmoraDesk.ini", std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    // Runs the program with its standard output in a file it inherits.
    ProgramRun Start(const std::wstring& arguments) const {
        // A file of its own for each run: Wine keeps a handle the finished
        // program inherited open a moment longer than the process lives.
        static int runs = 0;
        const fs::path outputFile = folder / ("output-" + std::to_string(++runs) + ".txt");
        SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
        const HANDLE file = CreateFileW(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            ADD_FAILURE() << "no output file: " << GetLastError();
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = file;
        startup.hStdError = file;
        PROCESS_INFORMATION process{};
        std::wstring commandLine = L"\"" + program.wstring() + L"\" " + arguments;
        ProgramRun run;
        if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                           folder.c_str(), &startup, &process)) {
            WaitForSingleObject(process.hProcess, 60000);
            GetExitCodeProcess(process.hProcess, &run.exitCode);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        else
            ADD_FAILURE() << "CreateProcessW failed: " << GetLastError();
        CloseHandle(file);
        std::ifstream read(outputFile, std::ios::binary);
        std::ostringstream text;
        text << read.rdbuf();
        run.output = text.str();
        return run;
    }
};

TEST_F(ProgramOutput, VersionGoesToTheRedirectedOutput) {
    const ProgramRun run = Start(L"--version");
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.output, "DunmoraDesk 1.0.5\n");
}

TEST_F(ProgramOutput, HelpNamesTheProgramAndItsIniFile) {
    const ProgramRun run = Start(L"--help");
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.output.rfind("用法：DunmoraDesk [auto] [close]\n", 0), 0u) << run.output;
    const std::string iniLine = "配置文件：" + win32platform::Utf8((folder / L"DunmoraDesk.ini").wstring()) + "\n";
    EXPECT_NE(run.output.find(iniLine), std::string::npos) << run.output;
}

// No daytime server and no server list answer (nothing listens on these
// loopback ports): the result lines reach the output and the status is 1.
TEST_F(ProgramOutput, UnattendedRunThatSetsNoClockWritesItsLinesAndEndsWithOne) {
    WriteIni("[INTERNET]\r\nTIME=127.0.0.1\r\nSERVLIEBIAO=http://127.0.0.1:9/list.txt\r\n");
    const ProgramRun run = Start(L"auto close");
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.output.rfind("正在获取标准日期和时间\n", 0), 0u) << run.output;
    EXPECT_NE(run.output.find("修正日期和时间失败，请重试！\n"), std::string::npos) << run.output;
}

// The present UTC time in the plain daytime form, told at the start of a
// second, so that the whole second is within a tenth of a second of the
// present when the program sets it.
std::string PresentTimeReply() {
    SYSTEMTIME now{};
    for (GetSystemTime(&now); now.wMilliseconds > 50; GetSystemTime(&now))
        Sleep(5);
    return net::testing::PlainDaytimeReply(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
}

constexpr const char* kPrivilegeLine = "没有修改系统时间的权限：请以管理员身份运行 ";

std::string HttpOk(const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" +
           body;
}

// Against a daytime server on 127.0.0.1 port 13, the port the program asks,
// and a server list naming first an address where nothing answers: the
// configured server or the list's working entry (then remembered) sets the
// clock when it tells the present time; another time meets the privilege.
TEST_F(ProgramOutput, UnattendedRunsAgainstTheTestsServers) {
    TIME_ZONE_INFORMATION zone{};
    const DWORD which = GetTimeZoneInformation(&zone);
    const LONG bias = zone.Bias + (which == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightBias : zone.StandardBias);
    if (bias % 60 != 0)
        GTEST_SKIP() << "the correction is in whole hours; this time zone is not";
    const std::string hoursEast = std::to_string(-bias / 60);
    net::testing::ThreadHttpServer list(HttpOk("127.0.0.2\r\n127.0.0.1\r\n"));
    struct Row {
        const char* name;
        const char* configured; // TIME=
        bool present;           // the server tells the present time
        DWORD exitCode;
        const char* resultLine;
        const char* remembered; // TIME= afterwards
    };
    const Row rows[] = {
        {"configured server", "127.0.0.1", true, 0, "修正日期和时间成功，相差", "127.0.0.1"},
        {"the list's working entry", "127.0.0.2", true, 0, "修正日期和时间成功，相差", "127.0.0.1"},
        {"another time", "127.0.0.1", false, 1, kPrivilegeLine, "127.0.0.1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        net::testing::ThreadDaytimeServer daytime(
            net::testing::DaytimeBehaviour::ReplyAndClose,
            [&row] { return row.present ? PresentTimeReply() : net::testing::PlainDaytimeReply(2030, 6, 15, 10, 20, 30); },
            13);
        ASSERT_TRUE(daytime.Listening()) << "port 13 on 127.0.0.1 is taken";
        const auto run = [&] {
            WriteIni(std::string("[INTERNET]\r\nTIME=") + row.configured + "\r\nSERVLIEBIAO=" + list.Url() +
                     "\r\nXIUZHENXIAOSHI=" + hoursEast + "\r\n");
            return Start(L"auto close");
        };
        ProgramRun result = run();
        // A loaded machine may take half a second from the reply to the
        // setting, which Wine then refuses as a change: such a run is tried again.
        for (int again = 0; again < 2 && row.present && result.output.find(kPrivilegeLine) != std::string::npos; ++again)
            result = run();
        EXPECT_EQ(result.exitCode, row.exitCode) << result.output;
        EXPECT_EQ(result.output.rfind("正在获取标准日期和时间\n", 0), 0u) << result.output;
        EXPECT_NE(result.output.find(row.resultLine), std::string::npos) << result.output;
        if (row.exitCode != 0) { // says what to run, then gives up
            EXPECT_NE(result.output.find(win32platform::Utf8(program.wstring())), std::string::npos) << result.output;
            EXPECT_NE(result.output.find("修正日期和时间失败，请重试！\n"), std::string::npos) << result.output;
        }
        EXPECT_NE(ReadIni().find(std::string("TIME=") + row.remembered + "\r\n"), std::string::npos) << ReadIni();
    }
    EXPECT_FALSE(list.RequestLines().empty());
}

} // namespace
