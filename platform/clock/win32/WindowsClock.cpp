#include "platform/clock/win32/WindowsClock.h"

namespace sysclock {
namespace {

// ERROR_PRIVILEGE_NOT_HELD: the process lacks the system-time privilege.
constexpr unsigned long kPrivilegeNotHeld = 1314;

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// The dates SYSTEMTIME can hold.
bool IsValidDate(int year, int month, int day) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1601 || year > 30827 || month < 1 || month > 12 || day < 1)
        return false;
    return day <= (month == 2 && IsLeapYear(year) ? 29 : days[month - 1]);
}

bool IsValidTimeOfDay(int hour, int minute, int second) {
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

class WindowsClock final : public SystemClock {
  public:
    explicit WindowsClock(const LocalTimeCalls& calls) : calls_(calls) {}

    bool ReadLocal(LocalDateTime& now) override { return calls_.read(now); }

    // An impossible date or time is refused here, without asking the system.
    bool SetLocalDate(int year, int month, int day) override {
        if (!IsValidDate(year, month, day))
            return Refused(ClockRefusal::None);
        PrivilegeOnce();
        return Outcome(calls_.writeDate(year, month, day));
    }

    bool SetLocalTimeOfDay(int hour, int minute, int second) override {
        if (!IsValidTimeOfDay(hour, minute, second))
            return Refused(ClockRefusal::None);
        PrivilegeOnce();
        return Outcome(calls_.writeTimeOfDay(hour, minute, second));
    }

    bool ReadUtcOffset(int& seconds) override { return calls_.utcOffset(seconds); }
    ClockRefusal LastRefusal() const override { return refusal_; }

  private:
    void PrivilegeOnce() {
        if (!privilegeAsked_) {
            privilegeAsked_ = true;
            calls_.enablePrivilege();
        }
    }

    bool Outcome(unsigned long error) {
        if (error == 0) {
            refusal_ = ClockRefusal::None;
            return true;
        }
        return Refused(error == kPrivilegeNotHeld ? ClockRefusal::NoPrivilege : ClockRefusal::None);
    }

    bool Refused(ClockRefusal why) {
        refusal_ = why;
        return false;
    }

    LocalTimeCalls calls_;
    ClockRefusal refusal_ = ClockRefusal::None;
    bool privilegeAsked_ = false;
};

} // namespace

std::unique_ptr<SystemClock> CreateWindowsClock(const LocalTimeCalls& calls) {
    return std::make_unique<WindowsClock>(calls);
}

} // namespace sysclock
