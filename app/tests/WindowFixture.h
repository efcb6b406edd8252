#pragma once
// A main window wired to the test's own daytime and HTTP servers, fake clock and
// private INI file.
#include "app/tests/AppTestSupport.h"

#include <functional>

namespace app::testing {

class WindowFixture : public ::testing::Test {
  protected:
    // Builds the window; the hook may adjust the environment first.
    frmTime& Window(const std::function<void(AppEnvironment&)>& adjust = {});
    // "[INTERNET]" with TIME, SERVLIEBIAO and XIUZHENXIAOSHI as given (empty: left out).
    void WriteIni(const QString& time, const QString& listUrl, const QString& correction = "8");
    // Runs the action inside the application's event loop, as the program runs
    // a click, until it returns; a close of the window ends that loop as well.
    static void RunInEventLoop(const std::function<void()>& action);

    PrivateIniFile ini_;
    FakeWallClock clock_;
    net::testing::LoopbackDaytimeServer daytime_;
    net::testing::LoopbackHttpServer http_;
    std::vector<int> sleeps_;       // every sleep the window asked for, in ms
    std::function<void()> onSleep_; // runs inside each sleep (the command is mid-way)
    QStringList output_;            // the lines written for standard output
    std::unique_ptr<frmTime> window_;
};

} // namespace app::testing
