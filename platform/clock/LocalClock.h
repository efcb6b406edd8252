#pragma once
// Local date and time over a raw real-time source, converted with the time zone
// of the process (TZ, else the system's zone).
//
// Local times that do not exist or exist twice:
// - A time inside a daylight-saving gap (02:30 on a night whose clocks jump from
//   02:00 to 03:00) is moved forward by the length of the gap (03:30): it is read
//   with the UTC offset in force before the gap.
// - A time that occurs twice (the hour repeated when daylight saving ends) is
//   taken at its first occurrence, the earlier instant.
#include "platform/clock/RealtimeSource.h"
#include "platform/clock/SystemClock.h"

namespace sysclock {

class LocalClock final : public SystemClock {
  public:
    explicit LocalClock(RealtimeSource& source) : source_(source) {}
    bool ReadLocal(LocalDateTime& now) override;
    bool SetLocalDate(int year, int month, int day) override;
    bool SetLocalTimeOfDay(int hour, int minute, int second) override;
    bool ReadUtcOffset(int& seconds) override;
    ClockRefusal LastRefusal() const override { return refusal_; }
    void ForgetRefusals() override { source_.ForgetRefusals(); }

  private:
    bool SetWall(const LocalDateTime& wall, long nanoseconds);
    RealtimeSource& source_;
    ClockRefusal refusal_ = ClockRefusal::None;
};

} // namespace sysclock
