#pragma once
// Shared pieces of the application tests: a clock held in memory, a private
// INI file, and a window environment whose servers are the test's own.
#include "app/AppEnvironment.h"
#include "app/frmTime.h"
#include "platform/net/testing/LoopbackServers.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace app::testing {

// A wall clock in memory that records the set calls in order.
class FakeWallClock final : public sysclock::SystemClock {
  public:
    bool ReadLocal(sysclock::LocalDateTime& now) override;
    bool SetLocalDate(int year, int month, int day) override;
    bool SetLocalTimeOfDay(int hour, int minute, int second) override;
    sysclock::ClockRefusal LastRefusal() const override { return lastRefusal_; }
    void ForgetRefusals() override { ++forgetCalls; }

    sysclock::LocalDateTime now{2024, 12, 7, 12, 0, 0};
    bool refuseDate = false;
    bool refuseTime = false;
    sysclock::ClockRefusal refusal = sysclock::ClockRefusal::None; // why refused steps fail
    int forgetCalls = 0;
    std::vector<std::string> calls; // "date 2024-12-08", "time 03:58:01"

  private:
    sysclock::ClockRefusal lastRefusal_ = sysclock::ClockRefusal::None;
};

// Points the configuration module at a file in a fresh temporary folder.
class PrivateIniFile {
  public:
    PrivateIniFile();
    ~PrivateIniFile();
    QString Path() const { return path_; }
    void Write(const QByteArray& bytes) const;
    QByteArray Read() const; // empty when the file does not exist
    bool Exists() const;

  private:
    QTemporaryDir folder_;
    QString path_;
};

// Waits of 1 ms per step instead of 55; the 101 steps stay.
constexpr int kTestStepMs = 1;

// An environment for the window under test: the fake clock, short waits, no
// pause before closing, URL requests recorded, and defaults that point at
// loopback ports where nothing listens.
AppEnvironment TestEnvironment(FakeWallClock& clock, std::uint16_t daytimePort);

// The lines of the result list, as shown.
QStringList ResultLines(const frmTime& window);

} // namespace app::testing
