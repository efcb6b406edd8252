#pragma once
// The computer's clock as the application sees it: the local date and time,
// and the two steps that set it (the date first, then the time of day).
#include <memory>

namespace sysclock {

struct LocalDateTime {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const LocalDateTime&) const = default;
};

class SystemClock {
  public:
    virtual ~SystemClock() = default;
    // The present local date and time, to the whole second.
    virtual bool ReadLocal(LocalDateTime& now) = 0;
    // Sets the local date and keeps the local time of day.
    virtual bool SetLocalDate(int year, int month, int day) = 0;
    // Sets the local time of day (whole seconds) and keeps the local date.
    virtual bool SetLocalTimeOfDay(int hour, int minute, int second) = 0;
};

// The real clock of this computer. Setting it needs the right to do so
// (root or the cap_sys_time capability); without it the set calls return false.
std::unique_ptr<SystemClock> CreateSystemClock();

} // namespace sysclock
