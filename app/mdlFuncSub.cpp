#include "app/mdlFuncSub.h"

#include "app/CivilTime.h"
#include "app/mdlIniFile.h"

#include <QStringList>

#include <cstdlib>
#include <limits>

namespace mdlFuncSub {

std::int32_t ApplyServerTime(const QString& reply, sysclock::SystemClock& clock,
                             sysclock::ClockRefusal* refusal) {
    sysclock::ClockRefusal firstRefusal = sysclock::ClockRefusal::None;
    if (refusal)
        *refusal = firstRefusal;
    const QStringList fields = reply.split(QChar(' '), Qt::KeepEmptyParts);
    if (fields.size() < 3)
        return kUnusableReply;

    bool failed = false;
    app::DateTime localNow;
    if (!clock.ReadLocal(localNow))
        failed = true;
    const auto serverTime = app::ParseDaytimeDateTime(fields[1] + " " + fields[2]);
    if (!serverTime)
        return kUnusableReply;

    const std::int32_t correction = mdlIniFile::ReadIniInt("INTERNET", "XIUZHENXIAOSHI", 8);
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

QString FetchUrlText(const QString& url, const net::HttpTimeouts& timeouts) {
    const net::HttpGetResult result = net::HttpGet(url.toStdString(), timeouts);
    if (!result.completed)
        return {};
    return QString::fromStdString(result.body);
}

} // namespace mdlFuncSub
