#include "app/tests/TestHost.h"

namespace app::testing {

void MemoryResultList::AddLine(const std::string& text, bool select) {
    lines.push_back(text);
    if (select) {
        selected = Count() - 1;
        ++shownAtOnce;
    }
}

// As the Qt host does: the window goes, and a running command is cancelled.
void MemoryWindow::Close() {
    visible = false;
    if (host_.Form().Form_Unload())
        eventLoopsEnded = true;
}

TestHost::TestHost(AppEnvironment environment) {
    if (!environment.createSocket)
        environment.createSocket = [this] { return daytime.CreateSocket(); };
    if (!environment.httpGet)
        environment.httpGet = http.Client();
    if (!environment.openUrl)
        environment.openUrl = [this](const std::string& url) { openedUrls.push_back(url); };
    if (!environment.standardOutput)
        environment.standardOutput = [this](const std::string& line) { output.push_back(line); };
    form_ = std::make_unique<frmTime>(WindowControls{window, lstResult, shpDateTime, txtCeShi, txtYouXiao, chkCeshi,
                                                     cmdDateTime, cmdHomePage, cmdCeShi},
                                      *this, std::move(environment));
}

TestHost::~TestHost() = default;

void TestHost::ProcessPendingEvents() {
    ++eventRounds;
    daytime.DeliverEvents();
    if (onEvents)
        onEvents();
}

void TestHost::Sleep(int milliseconds) {
    sleeps.push_back(milliseconds);
    elapsedMs += milliseconds;
    if (onSleep)
        onSleep();
}

} // namespace app::testing
