#pragma once
// The computer's clock as the application sees it: the local date and time,
// and the two steps that set it (the date first, then the time of day).
#include <memory>

namespace sysclock {

// Why the clock could not be set, as far as the user can do something about it.
enum class ClockRefusal {
    None,          // set, or refused for a reason of the request itself (an invalid date)
    NoRight,       // no CAP_SYS_TIME and no time service to ask
    AutomaticSync, // the time service refuses while automatic synchronisation is on
    NotAuthorised, // the user was not authorised or cancelled the password prompt
    ServiceFailed, // the time service failed or did not answer in time
    NoPrivilege,   // Windows: the process does not hold the system-time privilege
};

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
    // The system's offset of local time from UTC at this moment, in seconds
    // east of Greenwich (UTC+8 is 28800). False when it cannot be told.
    virtual bool ReadUtcOffset(int& seconds) {
        (void)seconds;
        return false;
    }
    // Why the last set call failed; None after a success.
    virtual ClockRefusal LastRefusal() const { return ClockRefusal::None; }
    // A new synchronisation begins: the time service may ask the user for the
    // right again, even though the user refused it before.
    virtual void ForgetRefusals() {}
};

// The real clock of this computer. With the right to set it (root or the
// cap_sys_time capability) it is set through libc; without it, systemd-timedated
// is asked over the system bus, which lets polkit ask the user for a password.
std::unique_ptr<SystemClock> CreateSystemClock();

} // namespace sysclock
