#include "platform/clock/LocalClock.h"

#include <ctime>
#include <optional>
#include <vector>

namespace sysclock {
namespace {

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

bool IsValidTimeOfDay(int hour, int minute, int second) {
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

std::optional<LocalDateTime> ToLocal(std::int64_t seconds) {
    std::time_t t = static_cast<std::time_t>(seconds);
    std::tm parts{};
    if (!localtime_r(&t, &parts))
        return std::nullopt;
    return LocalDateTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                         parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

// The instant that shows the given local wall time, following the rules for
// gaps and repeated hours described in LocalClock.h. mktime is asked once per
// daylight-saving flag, so that its own guess for such times does not decide.
std::optional<std::int64_t> ResolveWallTime(const LocalDateTime& wall) {
    std::vector<std::int64_t> candidates;
    std::optional<std::int64_t> earliestExact;
    for (int isDst : {0, 1}) {
        std::tm parts{};
        parts.tm_year = wall.year - 1900;
        parts.tm_mon = wall.month - 1;
        parts.tm_mday = wall.day;
        parts.tm_hour = wall.hour;
        parts.tm_min = wall.minute;
        parts.tm_sec = wall.second;
        parts.tm_isdst = isDst;
        std::time_t t = std::mktime(&parts);
        auto shown = ToLocal(t);
        if (!shown) // mktime's -1 is a real instant only when it converts back
            continue;
        candidates.push_back(t);
        if (*shown == wall && (!earliestExact || t < *earliestExact))
            earliestExact = t;
    }
    if (earliestExact)
        return earliestExact;
    // A gap: of the two readings, the later one uses the offset before the gap.
    std::optional<std::int64_t> latest;
    for (std::int64_t t : candidates)
        if (!latest || t > *latest)
            latest = t;
    return latest;
}

} // namespace

bool LocalClock::ReadLocal(LocalDateTime& now) {
    tzset();
    Instant instant;
    if (!source_.Get(instant))
        return false;
    auto local = ToLocal(instant.seconds);
    if (!local)
        return false;
    now = *local;
    return true;
}

bool LocalClock::ReadUtcOffset(int& seconds) {
    tzset();
    Instant instant;
    if (!source_.Get(instant))
        return false;
    std::time_t t = static_cast<std::time_t>(instant.seconds);
    std::tm parts{};
    if (!localtime_r(&t, &parts))
        return false;
    seconds = static_cast<int>(parts.tm_gmtoff);
    return true;
}

bool LocalClock::SetLocalDate(int year, int month, int day) {
    tzset();
    refusal_ = ClockRefusal::None;
    Instant instant;
    if (!IsValidDate(year, month, day) || !source_.Get(instant))
        return false;
    auto wall = ToLocal(instant.seconds);
    if (!wall)
        return false;
    wall->year = year;
    wall->month = month;
    wall->day = day;
    return SetWall(*wall, instant.nanoseconds); // the time of day runs on, fraction included
}

bool LocalClock::SetLocalTimeOfDay(int hour, int minute, int second) {
    tzset();
    refusal_ = ClockRefusal::None;
    Instant instant;
    if (!IsValidTimeOfDay(hour, minute, second) || !source_.Get(instant))
        return false;
    auto wall = ToLocal(instant.seconds);
    if (!wall)
        return false;
    wall->hour = hour;
    wall->minute = minute;
    wall->second = second;
    return SetWall(*wall, 0);
}

bool LocalClock::SetWall(const LocalDateTime& wall, long nanoseconds) {
    auto seconds = ResolveWallTime(wall);
    if (!seconds)
        return false;
    if (source_.Set(Instant{*seconds, nanoseconds}))
        return true;
    refusal_ = source_.LastRefusal();
    return false;
}

} // namespace sysclock
