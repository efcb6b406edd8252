// How the commands run within the window's life: both command buttons are
// unavailable while either runs, closing the window cancels a running command
// and ends the program at once, and the exit status and standard output let
// an unattended run ("close") be checked.
#include "app/frmTime.h"
#include "app/mdlFuncSub.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

namespace app {
namespace {

constexpr int kWaitStepMs = 50; // keeps painting and notices a close within a step

} // namespace

void frmTime::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (!commandRunning_)
        return;
    closedWhileRunning_ = true;
    // Nothing more goes out: the query's connection is dropped now, and the
    // command stops at its next step. A server-list download waits in an event
    // loop of its own; ending the application's event loops ends it too,
    // instead of at its time-out.
    if (wscDateTime->State() != net::sckClosed)
        wscDateTime->Close();
    QCoreApplication::exit(ExitStatus());
}

int frmTime::ExitStatus() const {
    return CommandLineHolds("close") && !clockSet_ ? 1 : 0;
}

void frmTime::SetCommandButtonsEnabled(bool enabled) {
    cmdDateTime->SetEnabled(enabled);
    cmdCeShi->SetEnabled(enabled);
}

bool frmTime::WaitProcessingEvents(int milliseconds) {
    int waited = 0;
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (closedWhileRunning_)
            return false;
        if (waited >= milliseconds)
            return true;
        const int step = std::min(kWaitStepMs, milliseconds - waited);
        Sleep(step);
        waited += step;
    }
}

void frmTime::WriteOutputLine(const QString& text) const {
    if (!CommandLineHolds("close"))
        return;
    // One output line per list line, whatever a server's text holds.
    QByteArray line = text.toUtf8().replace('\r', ' ').replace('\n', ' ') + '\n';
    if (env_.standardOutput) {
        env_.standardOutput(line);
        return;
    }
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stdout);
    std::fflush(stdout);
}

} // namespace app
