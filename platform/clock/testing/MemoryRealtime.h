// A raw real-time clock held in memory, for tests of the local clock and of
// what is built on it: the test sets the time, reads what was written, and
// can make every write fail as a process without the clock right sees it.
#pragma once

#include "platform/clock/RealtimeSource.h"

#include <cstdint>
#include <ctime>
#include <vector>

namespace sysclock::testing {

class MemoryRealtime final : public RealtimeSource {
  public:
    bool Get(Instant& now) override {
        now = now_;
        return true;
    }
    bool Set(const Instant& instant) override {
        sets.push_back(instant);
        if (refuse)
            return false; // as the kernel refuses a process without the right
        now_ = instant;
        return true;
    }
    ClockRefusal LastRefusal() const override { return refuse ? ClockRefusal::NoRight : ClockRefusal::None; }
    void At(std::int64_t utcSeconds, long nanoseconds = 0) { now_ = Instant{utcSeconds, nanoseconds}; }
    std::int64_t Seconds() const { return now_.seconds; }

    std::vector<Instant> sets; // every write, refused ones included
    bool refuse = false;

  private:
    Instant now_{};
};

// Seconds since the epoch of a UTC date and time, independent of any zone.
inline std::int64_t Utc(int y, int mo, int d, int h, int mi, int s) {
    std::tm parts{};
    parts.tm_year = y - 1900;
    parts.tm_mon = mo - 1;
    parts.tm_mday = d;
    parts.tm_hour = h;
    parts.tm_min = mi;
    parts.tm_sec = s;
    return timegm(&parts);
}

} // namespace sysclock::testing
