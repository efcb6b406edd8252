#pragma once
// Shared pieces of the application tests: a clock held in memory and a
// private INI file.
#include "platform/clock/SystemClock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace app::testing {

// A wall clock in memory that records the set calls in order.
class FakeWallClock final : public sysclock::SystemClock {
  public:
    bool ReadLocal(sysclock::LocalDateTime& now) override;
    bool SetLocalDate(int year, int month, int day) override;
    bool SetLocalTimeOfDay(int hour, int minute, int second) override;
    bool ReadUtcOffset(int& seconds) override;
    sysclock::ClockRefusal LastRefusal() const override { return lastRefusal_; }
    void ForgetRefusals() override { ++forgetCalls; }

    sysclock::LocalDateTime now{2024, 12, 7, 12, 0, 0};
    bool refuseDate = false;
    bool refuseTime = false;
    sysclock::ClockRefusal refusal = sysclock::ClockRefusal::None; // why refused steps fail
    int utcOffsetSeconds = 8 * 3600;
    bool offsetKnown = true;
    int forgetCalls = 0;
    std::vector<std::string> calls; // "date 2024-12-08", "time 03:58:01"

  private:
    sysclock::ClockRefusal lastRefusal_ = sysclock::ClockRefusal::None;
};

// Points the configuration module at a file in a fresh temporary folder,
// removed with everything in it at the end.
class PrivateIniFile {
  public:
    PrivateIniFile();
    ~PrivateIniFile();
    PrivateIniFile(const PrivateIniFile&) = delete;
    PrivateIniFile& operator=(const PrivateIniFile&) = delete;
    const std::string& Path() const { return path_; }
    const std::filesystem::path& Folder() const { return folder_; }
    void Write(const std::string& bytes) const;
    std::string Read() const; // empty when the file does not exist
    bool Exists() const;

  private:
    std::filesystem::path folder_;
    std::string path_;
};

} // namespace app::testing
