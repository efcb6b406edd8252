#include "platform/clock/LocalClock.h"
#include "platform/clock/RealtimeSource.h"
#include "platform/clock/TimeService.h"

#include <cerrno>
#include <ctime>

namespace sysclock {
namespace {

// The kernel's CLOCK_REALTIME through libc, so that a preloaded library can
// stand in for clock_settime when the program is tried out.
class KernelRealtimeSource final : public RealtimeSource {
  public:
    bool Get(Instant& now) override {
        timespec value{};
        if (clock_gettime(CLOCK_REALTIME, &value) != 0)
            return false;
        now = Instant{value.tv_sec, value.tv_nsec};
        return true;
    }
    bool Set(const Instant& instant) override {
        timespec value{};
        value.tv_sec = static_cast<std::time_t>(instant.seconds);
        value.tv_nsec = instant.nanoseconds;
        if (clock_settime(CLOCK_REALTIME, &value) == 0) {
            refusal_ = ClockRefusal::None;
            return true;
        }
        refusal_ = errno == EPERM ? ClockRefusal::NoRight : ClockRefusal::None;
        return false;
    }
    ClockRefusal LastRefusal() const override { return refusal_; }

  private:
    ClockRefusal refusal_ = ClockRefusal::None;
};

// The system clock owns its raw source.
class OwningLocalClock final : public SystemClock {
  public:
    OwningLocalClock()
        : source_(CreateServiceBackedSource(CreateKernelRealtimeSource(), CreateTimedateService())),
          clock_(*source_) {}
    bool ReadLocal(LocalDateTime& now) override { return clock_.ReadLocal(now); }
    bool SetLocalDate(int year, int month, int day) override { return clock_.SetLocalDate(year, month, day); }
    bool SetLocalTimeOfDay(int hour, int minute, int second) override {
        return clock_.SetLocalTimeOfDay(hour, minute, second);
    }
    bool ReadUtcOffset(int& seconds) override { return clock_.ReadUtcOffset(seconds); }
    ClockRefusal LastRefusal() const override { return clock_.LastRefusal(); }
    void ForgetRefusals() override { clock_.ForgetRefusals(); }

  private:
    std::unique_ptr<RealtimeSource> source_;
    LocalClock clock_;
};

} // namespace

std::unique_ptr<RealtimeSource> CreateKernelRealtimeSource() {
    return std::make_unique<KernelRealtimeSource>();
}

std::unique_ptr<SystemClock> CreateSystemClock() {
    return std::make_unique<OwningLocalClock>();
}

} // namespace sysclock
