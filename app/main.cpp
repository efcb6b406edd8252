// DunmoraDesk: sets the computer's clock from a daytime server.
#include "app/frmTime.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const auto clock = sysclock::CreateSystemClock();

    app::AppEnvironment environment;
    environment.clock = clock.get();
    environment.commandLine = QCoreApplication::arguments().mid(1).join(' ');

    app::frmTime window(std::move(environment));
    window.Form_Load();
    // "auto close" may already have closed the window inside start-up.
    if (!window.isVisible())
        return 0;
    return application.exec();
}
