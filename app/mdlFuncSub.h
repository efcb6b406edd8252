#pragma once
// Evaluating a daytime reply and setting the clock from it, and downloading a
// text over HTTP.
#include "app/AppEnvironment.h"
#include "platform/clock/SystemClock.h"
#include "platform/net/HttpClient.h"

#include <cstdint>
#include <string>

namespace mdlFuncSub {

constexpr std::int32_t kUnusableReply = -1;
constexpr std::int32_t kClockStepFailed = -2;
// Hours added to the server's time while INTERNET/XIUZHENXIAOSHI is not set.
constexpr std::int32_t kDefaultCorrectionHours = 8;

// Reads the server's date and time from the reply (see ServerReply.h), adds
// the hours of INTERNET/XIUZHENXIAOSHI (default 8), sets the local date and
// then the local time of day, and returns how many whole seconds the local
// clock was off (at most 2147483647). -1: the reply holds no date and time.
// -2: a step failed; the clock is not touched when the corrected time falls
// outside the years 100 to 9999. refusal, when given, receives why the clock
// refused the first of the two steps it refused (None if neither did).
std::int32_t ApplyServerTime(const std::string& reply, sysclock::SystemClock& clock,
                             sysclock::ClockRefusal* refusal = nullptr);

struct FetchedText {
    std::string text;       // empty when nothing complete was received
    bool truncated = false; // the body was longer than the download takes
};

// The body of an HTTP GET of the URL as text, whatever the status code. The
// window keeps painting meanwhile (the host's client runs its event loop).
FetchedText FetchUrlText(const app::HttpGetFunction& httpGet, const std::string& url,
                         const net::HttpTimeouts& timeouts);

} // namespace mdlFuncSub
