// DunmoraDesk.exe started as a console or a script starts it, with its
// standard output redirected to a file: the text arrives there as UTF-8, and
// the exit status says whether the clock was set. The program runs from a
// copy in a fresh folder, so its INI file is the test's own.
#include "platform/win32/Native.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// The build's program, a Unix path, as Wine's drive Z: shows it.
fs::path BuiltProgram() {
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
        fs::copy_file(BuiltProgram(), program, fs::copy_options::overwrite_existing);
    }
    void TearDown() override {
        std::error_code error;
        fs::remove_all(folder, error);
    }
    void WriteIni(const std::string& text) const { std::ofstream(folder / L"DunmoraDesk.ini") << text; }

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

} // namespace
