#pragma once
// The Qt main window of the real program, wired to loopback daytime and HTTP
// servers of the test, a fake clock and a private INI file.
#include "app/qt/QtMainWindow.h"
#include "app/tests/AppTestSupport.h"
#include "platform/net/testing/LoopbackServers.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace app::testing {

class QtWindowFixture : public ::testing::Test {
  protected:
    // Builds the window; the hook may adjust the environment first. Each wait
    // step sleeps 1 ms; the pause before "close" is recorded, not slept.
    qt::QtMainWindow& Window(const std::function<void(AppEnvironment&)>& adjust = {});
    void WriteIni(const std::string& time, const std::string& listUrl);
    QStringList ResultLines() const;
    // Runs the action inside the application's event loop, as the program runs
    // a click, until it returns; a close of the window ends that loop as well.
    static void RunInEventLoop(const std::function<void()>& action);
    // A left click in the middle of a child widget, as the user gives it.
    void ClickChild(const char* name);

    PrivateIniFile ini_;
    FakeWallClock clock_;
    net::testing::LoopbackDaytimeServer daytime_;
    net::testing::LoopbackHttpServer http_;
    std::vector<int> sleeps_;
    std::function<void()> onSleep_;
    std::vector<std::string> opened_; // URLs the home-page button asked for
    std::unique_ptr<qt::QtMainWindow> window_;
};

} // namespace app::testing
