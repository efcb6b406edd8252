#pragma once
// The raw real-time clock under the local clock: seconds and nanoseconds since
// the epoch. The kernel's clock in production; a fake in tests, so that no test
// ever sets this machine's clock.
#include "platform/clock/SystemClock.h"

#include <cstdint>
#include <memory>

namespace sysclock {

struct Instant {
    std::int64_t seconds = 0;
    long nanoseconds = 0;
};

class RealtimeSource {
  public:
    virtual ~RealtimeSource() = default;
    virtual bool Get(Instant& now) = 0;
    virtual bool Set(const Instant& instant) = 0;
    // Why the last Set failed; None after a success.
    virtual ClockRefusal LastRefusal() const { return ClockRefusal::None; }
    virtual void ForgetRefusals() {}
};

// CLOCK_REALTIME through libc clock_gettime / clock_settime. A Set refused for
// want of the right (EPERM) reports NoRight.
std::unique_ptr<RealtimeSource> CreateKernelRealtimeSource();

} // namespace sysclock
