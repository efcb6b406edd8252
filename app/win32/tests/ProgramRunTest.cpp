// Runs the real DunmoraDesk.exe with "auto close" beside an INI file that
// points at servers of this test: a daytime server on 127.0.0.1 port 13 (the
// port the program asks) and an HTTP server for the server list.
//
// It never sets a clock: it runs only under Wine, whose SetLocalTime changes
// nothing on the host; it accepts a change of less than half a second and
// refuses a larger one as a process without the system-time privilege is
// refused. So a server that tells the present time must lead to success, and
// one that tells another time to the privilege line and exit status 1.
// The program under test is the build's own or, with --program=<path>, any
// other copy (the installed one).
#include "platform/net/testing/NistReply.h"
#include "platform/net/win32/testing/ThreadServers.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

using net::testing::DaytimeBehaviour;
using net::testing::ThreadDaytimeServer;
using net::testing::ThreadHttpServer;

std::filesystem::path programUnderTest;

constexpr std::uint16_t kDaytimePort = 13;

std::wstring Wide(const std::string& text) {
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                              nullptr, 0)),
                      L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

bool UnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The present UTC time as the plain daytime form gives it, told at the start
// of a second so that the whole-second time is within a tenth of a second of
// the present when the program sets it.
std::string PresentTimeReply() {
    SYSTEMTIME now{};
    for (GetSystemTime(&now); now.wMilliseconds > 100; GetSystemTime(&now))
        Sleep(5);
    return net::testing::PlainDaytimeReply(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
}

// Hours east of UTC here, when they are whole hours.
bool WholeHoursEastOfUtc(int& hours) {
    TIME_ZONE_INFORMATION zone{};
    const DWORD which = GetTimeZoneInformation(&zone);
    LONG bias = zone.Bias + (which == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightBias : zone.StandardBias);
    hours = static_cast<int>(-bias / 60);
    return bias % 60 == 0;
}

std::string HttpOk(const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

struct RunResult {
    bool finished = false;
    DWORD exitCode = 0;
    std::string output;
};

class ProgramRun : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!UnderWine())
            GTEST_SKIP() << "runs only under Wine, where no clock can be moved";
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::filesystem::path(temp) / ("dunmora-run-" + std::to_string(GetCurrentProcessId()));
        std::filesystem::create_directories(folder_);
        // A renamed copy: the INI file follows the program's name.
        program_ = folder_ / "MyClock.exe";
        std::filesystem::copy_file(programUnderTest, program_, std::filesystem::copy_options::overwrite_existing);
        ini_ = folder_ / "MyClock.ini";
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    void WriteIni(const std::string& text) const { std::ofstream(ini_, std::ios::binary) << text; }
    std::string ReadIni() const {
        std::ifstream file(ini_, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    // Runs the program with the words, its standard output in a pipe, and
    // waits for it to end (at most a minute).
    RunResult Run(const std::wstring& words) const {
        RunResult result;
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        HANDLE readEnd = nullptr;
        HANDLE writeEnd = nullptr;
        if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
            return result;
        SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW start{};
        start.cb = sizeof start;
        start.dwFlags = STARTF_USESTDHANDLES;
        start.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        start.hStdOutput = writeEnd;
        start.hStdError = writeEnd;
        std::wstring commandLine = L"\"" + program_.wstring() + L"\" " + words;
        PROCESS_INFORMATION process{};
        const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                            folder_.wstring().c_str(), &start, &process);
        CloseHandle(writeEnd);
        if (started) {
            std::thread reader([&] {
                char buffer[4096];
                DWORD got = 0;
                while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
                    result.output.append(buffer, got);
            });
            result.finished = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
            if (!result.finished)
                TerminateProcess(process.hProcess, 99);
            GetExitCodeProcess(process.hProcess, &result.exitCode);
            reader.join();
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        CloseHandle(readEnd);
        return result;
    }

    std::filesystem::path folder_;
    std::filesystem::path program_;
    std::filesystem::path ini_;
};

// A server that tells the present time sets the clock, whether it is the
// configured one or the first working entry of the list, which is then
// remembered; a server that tells another time meets the missing privilege.
TEST_F(ProgramRun, AutoCloseSynchronisesAgainstLoopbackServers) {
    int hours = 0;
    if (!WholeHoursEastOfUtc(hours))
        GTEST_SKIP() << "the correction is in whole hours; this zone is not";
    const std::string otherTime = net::testing::PlainDaytimeReply(2030, 6, 15, 10, 20, 30);
    ThreadHttpServer list(HttpOk("127.0.0.2\r\n127.0.0.1\r\n"));
    struct Row {
        const char* name;
        const char* configured; // TIME=
        bool present;           // the server tells the present time
        DWORD exitCode;
        const char* expectedLine;
        const char* rememberedServer; // TIME= afterwards
    };
    const Row rows[] = {
        {"configured server, present time", "127.0.0.1", true, 0, "修正日期和时间成功，相差", "127.0.0.1"},
        {"list's second entry, present time", "127.0.0.2", true, 0, "修正日期和时间成功，相差", "127.0.0.1"},
        {"another time", "127.0.0.1", false, 1, "没有修改系统时间的权限：请以管理员身份运行 ", "127.0.0.1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ThreadDaytimeServer daytime(
            DaytimeBehaviour::ReplyAndClose,
            [&row, &otherTime] { return row.present ? PresentTimeReply() : otherTime; }, kDaytimePort);
        ASSERT_TRUE(daytime.Listening()) << "port 13 on 127.0.0.1 is taken";
        WriteIni(std::string("[INTERNET]\r\nTIME=") + row.configured + "\r\nSERVLIEBIAO=" + list.Url() +
                 "\r\nXIUZHENXIAOSHI=" + std::to_string(hours) + "\r\n");

        const RunResult run = Run(L"auto close");
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, row.exitCode) << run.output;
        EXPECT_EQ(run.output.rfind("正在获取标准日期和时间\n", 0), 0u) << run.output;
        EXPECT_NE(run.output.find(row.expectedLine), std::string::npos) << run.output;
        if (row.exitCode != 0) {
            EXPECT_NE(run.output.find(program_.string()), std::string::npos) << run.output; // what to run
            EXPECT_NE(run.output.find("修正日期和时间失败，请重试！\n"), std::string::npos) << run.output;
        }
        EXPECT_NE(ReadIni().find(std::string("TIME=") + row.rememberedServer + "\r\n"), std::string::npos)
            << ReadIni();
    }
    EXPECT_GE(list.RequestLines().size(), 1u);
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The build names the program by its path on the Linux host: drive Z: under Wine.
    programUnderTest = std::filesystem::path("Z:" DUNMORA_PROGRAM_EXE);
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("--program=", 0) == 0)
            programUnderTest = std::filesystem::path(Wide(argument.substr(10)));
    }
    return RUN_ALL_TESTS();
}
