// DunmoraDesk.exe: sets the computer's clock from a daytime server.
#include "app/win32/Win32MainWindow.h"

#include "app/CommandLine.h"
#include "app/mdlIniFile.h"
#include "app/win32/ConsoleOutput.h"
#include "app/ProgramServices.h"
#include "app/win32/ProgramFile.h"
#include "platform/clock/SystemClock.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

using app::win32host::ConsoleOutput;

// The arguments after the program's own name, UTF-8, split as the C runtime
// splits them.
std::vector<std::string> Arguments() {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (words == nullptr)
        return arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(win32platform::Utf8(words[i]));
    LocalFree(words);
    return arguments;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    const std::vector<std::string> arguments = Arguments();
    const std::string programPath = app::win32host::ProgramFilePath();
    const std::string programName = app::ProgramNameOf(programPath);

    // "--help" and "--version" are answered before any window is made, on
    // the console or the standard output the program was started with.
    mdlIniFile::UseProgramFile(programPath);
    mdlIniFile::ResolveIniPath();
    if (const auto text = app::RequestedInformation(arguments, programName, mdlIniFile::IniPath)) {
        ConsoleOutput::Connect().Write(*text);
        return app::kExitClockSet;
    }

    // The window's thread is a single-threaded apartment: the accessibility
    // annotations and the picture decoders are COM objects.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    win32platform::Win32WindowSystem system;
    const user::ScopedBackend backend(&system);
    const auto clock = sysclock::CreateSystemClock();

    app::AppEnvironment environment;
    environment.clock = clock.get();
    environment.commandLine = app::JoinedCommandLine(arguments);
    environment.programPath = programPath;
    environment.programName = programName;
    // An unattended run reports its result lines where it was started from.
    const ConsoleOutput output =
        app::CommandLineHolds(environment.commandLine, "close") ? ConsoleOutput::Connect() : ConsoleOutput();
    environment.standardOutput = [&output](const std::string& line) { output.Write(line); };

    app::win32host::Win32MainWindow window(system, std::move(environment));
    window.SetFirstShowCommand(showCommand);
    window.Form().Form_Load();
    // "auto close", or a close during the start-up's synchronisation, may
    // already have closed the window inside start-up.
    window.RunUntilClosed();
    const int status = window.Form().ExitStatus();
    if (SUCCEEDED(com))
        CoUninitialize();
    return status;
}
