// DunmoraDesk: sets the computer's clock from a daytime server.
#include "app/CommandLine.h"
#include "app/frmTime.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv) {
    // "--help" and "--version" are answered before any window system is reached.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString programName = QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName();
    if (const auto text = app::RequestedInformation(arguments, programName)) {
        std::fputs(text->toUtf8().constData(), stdout);
        return 0;
    }

    QApplication application(argc, argv);
    const auto clock = sysclock::CreateSystemClock();

    app::AppEnvironment environment;
    environment.clock = clock.get();
    environment.commandLine = QCoreApplication::arguments().mid(1).join(' ');

    app::frmTime window(std::move(environment));
    window.Form_Load();
    // "auto close", or a close during the start-up's synchronisation, may
    // already have ended the window inside start-up.
    if (window.isVisible())
        application.exec();
    return window.ExitStatus();
}
