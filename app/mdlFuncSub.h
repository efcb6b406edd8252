#pragma once
// Evaluating a daytime reply and setting the clock from it, and downloading a
// text over HTTP.
#include "platform/clock/SystemClock.h"
#include "platform/net/HttpClient.h"

#include <QString>

#include <cstdint>

namespace mdlFuncSub {

constexpr std::int32_t kUnusableReply = -1;
constexpr std::int32_t kClockStepFailed = -2;

// Reads fields 1 and 2 of the reply (split at single spaces) as the server's
// date and time, adds the hours of INTERNET/XIUZHENXIAOSHI (default 8), sets the
// local date and then the local time of day, and returns how many whole seconds
// the local clock was off (at most 2147483647). -1: the reply is no date and
// time. -2: a step failed; the clock is not touched when the corrected time
// falls outside the years 100 to 9999. refusal, when given, receives why the
// clock refused the first of the two steps it refused (None if neither did).
std::int32_t ApplyServerTime(const QString& reply, sysclock::SystemClock& clock,
                             sysclock::ClockRefusal* refusal = nullptr);

// The body of an HTTP GET of the URL as text, whatever the status code; empty
// when nothing complete was received. The window keeps painting meanwhile.
QString FetchUrlText(const QString& url, const net::HttpTimeouts& timeouts = {});

} // namespace mdlFuncSub
