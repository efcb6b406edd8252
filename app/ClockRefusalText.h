#pragma once
// The result line that tells the user why the clock could not be set although a
// server answered, and what to do about it.
#include "platform/clock/SystemClock.h"

#include <string>

namespace app {

// Empty for ClockRefusal::None: the step failed for no reason the user can act on.
std::string ClockRefusalLine(sysclock::ClockRefusal refusal, const std::string& programPath);

} // namespace app
