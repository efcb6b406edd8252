// DunmoraDesk: sets the computer's clock from a daytime server.
#include "app/CommandLine.h"
#include "app/mdlIniFile.h"
#include "app/qt/DisplayCheck.h"
#include "app/qt/QtMainWindow.h"
#include "platform/clock/SystemClock.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::string programName = QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName().toStdString();

    // "--help" and "--version" are answered before any window system is reached.
    mdlIniFile::UseProgramFile(app::qt::ProgramFilePath(argv[0]));
    mdlIniFile::ResolveIniPath();
    if (const auto text = app::RequestedInformation(arguments, programName, mdlIniFile::IniPath)) {
        std::fputs(text->c_str(), stdout);
        return app::kExitClockSet;
    }

    // Where no display can be opened (a timer, a start-up script, ssh) an
    // unattended run goes on without a window; anything else cannot.
    const std::string commandLine = app::JoinedCommandLine(arguments);
    if (!app::qt::DisplayAvailable()) {
        if (!app::CommandLineHolds(commandLine, "close")) {
            std::fputs(app::NoDisplayMessage(programName).c_str(), stderr);
            return app::kExitNoDisplay;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    QApplication application(argc, argv);
    const auto clock = sysclock::CreateSystemClock();

    app::AppEnvironment environment;
    environment.clock = clock.get();
    environment.commandLine = commandLine;

    app::qt::QtMainWindow window(std::move(environment));
    window.Form().Form_Load();
    // "auto close", or a close during the start-up's synchronisation, may
    // already have ended the window inside start-up.
    if (window.isVisible())
        application.exec();
    return window.Form().ExitStatus();
}
