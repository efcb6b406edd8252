#pragma once
// The system's time service, asked to set the clock when the process itself may
// not: systemd-timedated (org.freedesktop.timedate1) on the system D-Bus.
#include "platform/clock/RealtimeSource.h"

#include <cstdint>
#include <memory>
#include <string>

namespace sysclock {

class TimeService {
  public:
    virtual ~TimeService() = default;
    // Sets the clock to the instant, in microseconds since the epoch. With
    // interactive true, polkit may ask the desktop user for a password.
    virtual ClockRefusal SetTime(std::int64_t microsecondsUtc, bool interactive) = 0;
};

struct TimeServiceOptions {
    // Empty: DBUS_SYSTEM_BUS_ADDRESS when set, otherwise the system bus.
    std::string busAddress;
    // Long enough for a user to type a password into polkit's prompt.
    int timeoutMs = 120000;
};

// timedated's SetTime(x usec_utc, b relative = false, b interactive). The caller
// waits with events processed, so the window keeps painting during a prompt.
std::unique_ptr<TimeService> CreateTimedateService(const TimeServiceOptions& options = {});

// Sets the clock through the kernel source and, when that is refused for want
// of the right, through the time service. After the user refused the service
// once, it is asked without a prompt until ForgetRefusals, so one
// synchronisation never asks for the password over and over.
std::unique_ptr<RealtimeSource> CreateServiceBackedSource(std::unique_ptr<RealtimeSource> kernel,
                                                          std::unique_ptr<TimeService> service);

} // namespace sysclock
