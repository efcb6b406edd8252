#include "platform/clock/win32/WindowsClock.h"

namespace sysclock {
namespace {

// ERROR_PRIVILEGE_NOT_HELD: the process lacks the system-time privilege.
constexpr unsigned long kPrivilegeNotHeld = 1314;

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool IsValid(const LocalDateTime& v) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (v.year < 1601 || v.year > 30827 || v.month < 1 || v.month > 12 || v.day < 1)
        return false;
    const int inMonth = v.month == 2 && IsLeapYear(v.year) ? 29 : days[v.month - 1];
    return v.day <= inMonth && v.hour >= 0 && v.hour <= 23 && v.minute >= 0 && v.minute <= 59 && v.second >= 0 &&
           v.second <= 59;
}

class WindowsClock final : public SystemClock {
  public:
    explicit WindowsClock(const LocalTimeCalls& calls) : calls_(calls) {}

    bool ReadLocal(LocalDateTime& now) override { return calls_.read(now); }

    bool SetLocalDate(int year, int month, int day) override {
        LocalDateTime value;
        if (!calls_.read(value))
            return Refused(ClockRefusal::None);
        value.year = year;
        value.month = month;
        value.day = day;
        return Write(value);
    }

    bool SetLocalTimeOfDay(int hour, int minute, int second) override {
        LocalDateTime value;
        if (!calls_.read(value))
            return Refused(ClockRefusal::None);
        value.hour = hour;
        value.minute = minute;
        value.second = second;
        return Write(value);
    }

    bool ReadUtcOffset(int& seconds) override { return calls_.utcOffset(seconds); }
    ClockRefusal LastRefusal() const override { return refusal_; }

  private:
    bool Write(const LocalDateTime& value) {
        // An impossible date is refused here, without asking the system.
        if (!IsValid(value))
            return Refused(ClockRefusal::None);
        if (!privilegeAsked_) {
            privilegeAsked_ = true;
            calls_.enablePrivilege();
        }
        const unsigned long error = calls_.write(value);
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
