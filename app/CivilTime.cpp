#include "app/CivilTime.h"

#include "app/TextScanner.h"

#include <cstdio>
#include <cstdlib>

namespace app {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Days since 0001-01-01 (Howard Hinnant's days-from-civil, shifted to year 1).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468 + 719162; // 719162 = days from 0001-01-01 to 1970-01-01
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
    const std::int64_t z = days - 719162 + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

} // namespace

bool IsValidDateTime(const DateTime& v) {
    return v.year >= 100 && v.year <= 9999 && v.month >= 1 && v.month <= 12 && v.day >= 1 &&
           v.day <= DaysInMonth(v.year, v.month) && v.hour >= 0 && v.hour <= 23 && v.minute >= 0 &&
           v.minute <= 59 && v.second >= 0 && v.second <= 59;
}

std::int64_t SerialSeconds(const DateTime& v) {
    return DaysFromCivil(v.year, v.month, v.day) * kSecondsPerDay + v.hour * 3600 + v.minute * 60 + v.second;
}

std::optional<DateTime> FromSerialSeconds(std::int64_t serial) {
    constexpr std::int64_t first = 36159 * kSecondsPerDay;  // 0100-01-01
    constexpr std::int64_t last = 3652059 * kSecondsPerDay; // 10000-01-01
    if (serial < first || serial >= last)
        return std::nullopt;
    DateTime v;
    CivilFromDays(serial / kSecondsPerDay, v.year, v.month, v.day);
    const std::int64_t second = serial % kSecondsPerDay;
    v.hour = static_cast<int>(second / 3600);
    v.minute = static_cast<int>(second / 60 % 60);
    v.second = static_cast<int>(second % 60);
    return v;
}

std::optional<DateTime> AddHours(const DateTime& value, std::int64_t hours) {
    return FromSerialSeconds(SerialSeconds(value) + hours * 3600);
}

std::optional<DateTime> ParseDaytimeDateTime(const std::string& text) {
    constexpr int kTwoDigitYearBase = 2000;
    // YY-MM-DD or YYYY-MM-DD, a space, H:MM or HH:MM, optionally :SS.
    TextScanner scan(text);
    DateTime v;
    const std::size_t yearStart = scan.Position();
    const auto year = scan.Digits(2, 4);
    const std::size_t yearLength = scan.Position() - yearStart;
    if (!year || yearLength == 3 || !scan.Take('-'))
        return std::nullopt;
    v.year = yearLength == 2 ? *year + kTwoDigitYearBase : *year;
    const auto month = scan.Digits(1, 2);
    const auto day = month && scan.Take('-') ? scan.Digits(1, 2) : std::nullopt;
    const auto hour = day && scan.Take(' ') ? scan.Digits(1, 2) : std::nullopt;
    const auto minute = hour && scan.Take(':') ? scan.Digits(2, 2) : std::nullopt;
    if (!minute)
        return std::nullopt;
    std::optional<int> second = 0;
    if (scan.Take(':'))
        second = scan.Digits(2, 2);
    if (!second || !scan.AtEnd())
        return std::nullopt;
    v.month = *month;
    v.day = *day;
    v.hour = *hour;
    v.minute = *minute;
    v.second = *second;
    if (!IsValidDateTime(v))
        return std::nullopt;
    return v;
}

std::string FormatDateTime(const DateTime& v) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", v.year, v.month, v.day, v.hour, v.minute,
                  v.second);
    return text;
}

std::string FormatUtcOffset(int offsetSeconds) {
    const int minutes = std::abs(offsetSeconds) / 60;
    std::string text = "UTC" + std::string(offsetSeconds < 0 ? "-" : "+") + std::to_string(minutes / 60);
    if (minutes % 60 != 0) {
        char rest[8];
        std::snprintf(rest, sizeof rest, ":%02d", minutes % 60);
        text += rest;
    }
    return text;
}

} // namespace app
