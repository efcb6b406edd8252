#pragma once
// Date-time arithmetic on wall-clock values, as the application's date run-time
// does it: no time zones, whole seconds, years 100 to 9999.
#include "platform/clock/SystemClock.h"

#include <string>
#include <cstdint>
#include <optional>

namespace app {

using DateTime = sysclock::LocalDateTime;

// Seconds since 0001-01-01 00:00:00 of the proleptic Gregorian calendar.
std::int64_t SerialSeconds(const DateTime& value);
// The date-time of a serial, or nothing outside the years 100 to 9999.
std::optional<DateTime> FromSerialSeconds(std::int64_t serial);

std::optional<DateTime> AddHours(const DateTime& value, std::int64_t hours);

// "YY-MM-DD HH:MM:SS" as daytime servers send it, the two-digit year read as
// 2000 + YY. The window is fixed, not taken from the local clock: a clock that
// fell back to 1970 must still read today's replies as this century's. A
// four-digit year is taken as it stands; the seconds may be left out.
std::optional<DateTime> ParseDaytimeDateTime(const std::string& text);

// Whether the fields form a date and time of the years 100 to 9999.
bool IsValidDateTime(const DateTime& value);

// "YYYY-MM-DD HH:MM:SS".
std::string FormatDateTime(const DateTime& value);

// "UTC+8", "UTC-5", "UTC+5:30", "UTC+0".
std::string FormatUtcOffset(int offsetSeconds);

} // namespace app
