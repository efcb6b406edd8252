#pragma once
// The window's behaviour on the test host, wired to the fake network, a fake
// clock and a private INI file.
#include "app/tests/AppTestSupport.h"
#include "app/tests/TestHost.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace app::testing {

using Lines = std::vector<std::string>;

class WindowFixture : public ::testing::Test {
  protected:
    // A fresh host for the window; the hook may adjust the environment first.
    // Waits are virtual; the 101 steps of 55 ms and the pause before "close"
    // stay as the program has them.
    TestHost& Window(const std::function<void(AppEnvironment&)>& adjust = {});
    // "[INTERNET]" with TIME, SERVLIEBIAO and XIUZHENXIAOSHI as given (empty: left out).
    void WriteIni(const std::string& time, const std::string& listUrl, const std::string& correction = "8");
    // The steps of 55 ms among the host's sleeps: a query's or the NIST pause's.
    int WaitSteps() const;

    PrivateIniFile ini_;
    FakeWallClock clock_;
    std::unique_ptr<TestHost> host_;
};

} // namespace app::testing
