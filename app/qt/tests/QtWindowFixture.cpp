#include "app/qt/tests/QtWindowFixture.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <thread>

namespace app::testing {

qt::QtMainWindow& QtWindowFixture::Window(const std::function<void(AppEnvironment&)>& adjust) {
    AppEnvironment environment;
    environment.clock = &clock_;
    environment.daytimePort = daytime_.Port();
    environment.timing.stepMs = 1;
    environment.httpTimeouts.receiveMs = 500;
    environment.programName = "DunmoraDesk";
    environment.defaultDaytimeHost = "127.0.0.1";
    environment.defaultServerListUrl =
        "http://127.0.0.1:" + std::to_string(net::testing::ClosedLoopbackPort()) + "/txttimeserv.htm";
    environment.openUrl = [this](const std::string& url) { opened_.push_back(url); };
    environment.standardOutput = [](const std::string&) {};
    if (adjust)
        adjust(environment);
    window_.reset();
    window_ = std::make_unique<qt::QtMainWindow>(std::move(environment), [this](int milliseconds) {
        sleeps_.push_back(milliseconds);
        if (onSleep_)
            onSleep_();
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(milliseconds, 1)));
    });
    return *window_;
}

void QtWindowFixture::WriteIni(const std::string& time, const std::string& listUrl) {
    std::string text = "[INTERNET]\nXIUZHENXIAOSHI=8\n";
    if (!time.empty())
        text += "TIME=" + time + "\n";
    if (!listUrl.empty())
        text += "SERVLIEBIAO=" + listUrl + "\n";
    ini_.Write(text);
}

QStringList QtWindowFixture::ResultLines() const {
    QStringList lines;
    for (int i = 0; i < window_->lstResult->count(); ++i)
        lines << window_->lstResult->item(i)->text();
    return lines;
}

void QtWindowFixture::RunInEventLoop(const std::function<void()>& action) {
    QTimer::singleShot(0, QCoreApplication::instance(), [&] {
        action();
        QCoreApplication::exit(0);
    });
    QCoreApplication::exec();
}

void QtWindowFixture::ClickChild(const char* name) {
    QWidget* child = window_->findChild<QWidget*>(name);
    ASSERT_NE(child, nullptr) << name;
    QTest::mouseClick(child, Qt::LeftButton, Qt::NoModifier, child->rect().center());
}

} // namespace app::testing
