#include "app/tests/AppTestSupport.h"

#include "app/mdlIniFile.h"

#include <QFile>
#include <QListWidget>

#include <chrono>
#include <cstdio>
#include <thread>

namespace app::testing {

bool FakeWallClock::ReadLocal(sysclock::LocalDateTime& value) {
    value = now;
    return true;
}

bool FakeWallClock::SetLocalDate(int year, int month, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "date %04d-%02d-%02d", year, month, day);
    calls.push_back(text);
    lastRefusal_ = refuseDate ? refusal : sysclock::ClockRefusal::None;
    if (refuseDate)
        return false;
    now.year = year;
    now.month = month;
    now.day = day;
    return true;
}

bool FakeWallClock::SetLocalTimeOfDay(int hour, int minute, int second) {
    char text[32];
    std::snprintf(text, sizeof text, "time %02d:%02d:%02d", hour, minute, second);
    calls.push_back(text);
    lastRefusal_ = refuseTime ? refusal : sysclock::ClockRefusal::None;
    if (refuseTime)
        return false;
    now.hour = hour;
    now.minute = minute;
    now.second = second;
    return true;
}

PrivateIniFile::PrivateIniFile() : path_(folder_.filePath("DunmoraDesk.ini")) {
    mdlIniFile::IniPath = path_;
    mdlIniFile::IniDefaultsPath.clear();
}

PrivateIniFile::~PrivateIniFile() {
    mdlIniFile::IniPath.clear();
}

void PrivateIniFile::Write(const QByteArray& bytes) const {
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray PrivateIniFile::Read() const {
    QFile file(path_);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool PrivateIniFile::Exists() const {
    return QFile::exists(path_);
}

AppEnvironment TestEnvironment(FakeWallClock& clock, std::uint16_t daytimePort) {
    AppEnvironment environment;
    environment.clock = &clock;
    environment.daytimePort = daytimePort;
    environment.timing.stepMs = kTestStepMs;
    environment.timing.closeDelayMs = 0;
    environment.httpTimeouts.receiveMs = 500;
    environment.openUrl = [](const QString&) { ADD_FAILURE() << "unexpected URL request"; };
    environment.programName = "DunmoraDesk";
    environment.defaultDaytimeHost = "127.0.0.1";
    environment.defaultServerListUrl =
        "http://127.0.0.1:" + QString::number(net::testing::ClosedLoopbackPort()) + "/txttimeserv.htm";
    return environment;
}

QStringList ResultLines(const frmTime& window) {
    QStringList lines;
    for (int i = 0; i < window.lstResult->count(); ++i)
        lines << window.lstResult->item(i)->text();
    return lines;
}

} // namespace app::testing
