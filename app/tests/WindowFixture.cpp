#include "app/tests/WindowFixture.h"

#include <algorithm>

namespace app::testing {

TestHost& WindowFixture::Window(const std::function<void(AppEnvironment&)>& adjust) {
    AppEnvironment environment;
    environment.clock = &clock_;
    environment.daytimePort = FakeDaytimeServer::kPort;
    environment.programName = "DunmoraDesk";
    environment.programPath = "/opt/clock/DunmoraDesk";
    environment.defaultDaytimeHost = FakeDaytimeServer::kHost;
    environment.defaultServerListUrl = "http://127.0.0.1:8080/nothing-here.htm";
    if (adjust)
        adjust(environment);
    host_.reset(); // the previous window goes first
    host_ = std::make_unique<TestHost>(std::move(environment));
    return *host_;
}

void WindowFixture::WriteIni(const std::string& time, const std::string& listUrl, const std::string& correction) {
    std::string text = "[INTERNET]\n";
    if (!time.empty())
        text += "TIME=" + time + "\n";
    if (!listUrl.empty())
        text += "SERVLIEBIAO=" + listUrl + "\n";
    if (!correction.empty())
        text += "XIUZHENXIAOSHI=" + correction + "\n";
    ini_.Write(text);
}

int WindowFixture::WaitSteps() const {
    return host_ ? static_cast<int>(std::count(host_->sleeps.begin(), host_->sleeps.end(), 55)) : 0;
}

} // namespace app::testing
