// How the commands run within the window's life: both command buttons are
// unavailable while either runs, closing the window cancels a running command
// and ends the program at once, and the exit status and standard output let
// an unattended run ("close") be checked.
#include "app/frmTime.h"

#include <algorithm>
#include <cstdio>

namespace app {
namespace {

constexpr int kWaitStepMs = 50; // keeps painting and notices a close within a step

} // namespace

bool frmTime::Form_Unload() {
    if (!commandRunning_)
        return false;
    closedWhileRunning_ = true;
    // Nothing more goes out: the query's connection is dropped now, and the
    // command stops at its next step.
    if (wscDateTime->State() != net::sckClosed)
        wscDateTime->Close();
    return true;
}

int frmTime::ExitStatus() const {
    return CommandLineHolds("close") && !clockSet_ ? 1 : 0;
}

void frmTime::SetCommandButtonsEnabled(bool enabled) {
    ui_.cmdDateTime.SetEnabled(enabled);
    ui_.cmdCeShi.SetEnabled(enabled);
}

bool frmTime::WaitProcessingEvents(int milliseconds) {
    int waited = 0;
    for (;;) {
        pump_.ProcessPendingEvents();
        if (closedWhileRunning_)
            return false;
        if (waited >= milliseconds)
            return true;
        const int step = std::min(kWaitStepMs, milliseconds - waited);
        pump_.Sleep(step);
        waited += step;
    }
}

void frmTime::WriteOutputLine(const std::string& text) const {
    if (!CommandLineHolds("close"))
        return;
    // One output line per list line, whatever a server's text holds.
    std::string line = text;
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    line += '\n';
    if (env_.standardOutput) {
        env_.standardOutput(line);
        return;
    }
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

} // namespace app
