#include "app/tests/WindowFixture.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <thread>

namespace app::testing {

frmTime& WindowFixture::Window(const std::function<void(AppEnvironment&)>& adjust) {
    AppEnvironment environment = TestEnvironment(clock_, daytime_.Port());
    environment.sleep = [this](int milliseconds) {
        sleeps_.push_back(milliseconds);
        if (onSleep_)
            onSleep_();
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(milliseconds, kTestStepMs)));
    };
    environment.timing.closeDelayMs = 2000; // recorded, not slept
    environment.standardOutput = [this](const QByteArray& line) { output_ << QString::fromUtf8(line); };
    if (adjust)
        adjust(environment);
    window_ = std::make_unique<frmTime>(std::move(environment));
    return *window_;
}

void WindowFixture::RunInEventLoop(const std::function<void()>& action) {
    QTimer::singleShot(0, QCoreApplication::instance(), [&] {
        action();
        QCoreApplication::exit(0);
    });
    QCoreApplication::exec();
}

void WindowFixture::WriteIni(const QString& time, const QString& listUrl, const QString& correction) {
    QByteArray text = "[INTERNET]\n";
    if (!time.isEmpty())
        text += "TIME=" + time.toUtf8() + "\n";
    if (!listUrl.isEmpty())
        text += "SERVLIEBIAO=" + listUrl.toUtf8() + "\n";
    if (!correction.isEmpty())
        text += "XIUZHENXIAOSHI=" + correction.toUtf8() + "\n";
    ini_.Write(text);
}

} // namespace app::testing
