#pragma once
// The computer's clock on Windows: the local date and time through
// GetLocalTime and SetLocalTime, with the system-time privilege enabled first
// (an administrator holds it, but it is off until the process asks for it).
#include "platform/clock/SystemClock.h"

#include <memory>

namespace sysclock {

// The few system calls the clock makes, so that tests can stand in for them.
struct LocalTimeCalls {
    // Year, month, day, hour, minute, second; false when it cannot be read.
    bool (*read)(LocalDateTime& now) = nullptr;
    // Sets the local date and keeps the time of day to the millisecond; 0 on
    // success, else the system's error code.
    unsigned long (*writeDate)(int year, int month, int day) = nullptr;
    // Sets the local time of day to the whole second and keeps the date; 0 on
    // success, else the system's error code.
    unsigned long (*writeTimeOfDay)(int hour, int minute, int second) = nullptr;
    // Turns the system-time privilege on for the process; false when the
    // process does not hold it.
    bool (*enablePrivilege)() = nullptr;
    // Seconds east of UTC at this moment.
    bool (*utcOffset)(int& seconds) = nullptr;
};

// The calls of the running system.
LocalTimeCalls SystemLocalTimeCalls();

std::unique_ptr<SystemClock> CreateWindowsClock(const LocalTimeCalls& calls);

} // namespace sysclock
