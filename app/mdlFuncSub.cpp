#include "app/mdlFuncSub.h"

#include "app/CivilTime.h"
#include "app/ServerReply.h"
#include "app/mdlIniFile.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace mdlFuncSub {

std::int32_t ApplyServerTime(const std::string& reply, sysclock::SystemClock& clock,
                             sysclock::ClockRefusal* refusal) {
    sysclock::ClockRefusal firstRefusal = sysclock::ClockRefusal::None;
    if (refusal)
        *refusal = firstRefusal;

    bool failed = false;
    app::DateTime localNow;
    if (!clock.ReadLocal(localNow))
        failed = true;
    const auto serverTime = app::ReadServerTime(reply);
    if (!serverTime)
        return kUnusableReply;

    const std::int32_t correction =
        mdlIniFile::ReadIniInt("INTERNET", "XIUZHENXIAOSHI", kDefaultCorrectionHours);
    const auto corrected = app::AddHours(*serverTime, correction);
    if (!corrected) // no date could be set; the uncorrected time would be wrong
        return kClockStepFailed;

    std::int64_t difference = 0;
    if (!failed)
        difference = std::llabs(app::SerialSeconds(*corrected) - app::SerialSeconds(localNow));
    const auto result = static_cast<std::int32_t>(
        std::min<std::int64_t>(difference, std::numeric_limits<std::int32_t>::max()));

    // A refused date still lets the time of day be tried.
    if (!clock.SetLocalDate(corrected->year, corrected->month, corrected->day)) {
        failed = true;
        firstRefusal = clock.LastRefusal();
    }
    if (!clock.SetLocalTimeOfDay(corrected->hour, corrected->minute, corrected->second)) {
        failed = true;
        if (firstRefusal == sysclock::ClockRefusal::None)
            firstRefusal = clock.LastRefusal();
    }
    if (refusal)
        *refusal = firstRefusal;
    return failed ? kClockStepFailed : result;
}

FetchedText FetchUrlText(const app::HttpGetFunction& httpGet, const std::string& url,
                         const net::HttpTimeouts& timeouts) {
    if (!httpGet)
        return {};
    net::HttpGetResult result = httpGet(url, timeouts);
    if (!result.completed)
        return {};
    return {std::move(result.body), result.truncated};
}

} // namespace mdlFuncSub
