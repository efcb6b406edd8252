#include "app/CivilTime.h"

#include <cstdio>
#include <cstdlib>
#include <regex>

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
    static const std::regex form(
        "([0-9]{2}|[0-9]{4})-([0-9]{1,2})-([0-9]{1,2}) ([0-9]{1,2}):([0-9]{2})(?::([0-9]{2}))?");
    // Longer text is no date and time; the regular expression never sees it.
    constexpr std::size_t kLongestForm = 19;
    std::smatch match;
    if (text.size() > kLongestForm || !std::regex_match(text, match, form))
        return std::nullopt;
    const auto number = [&](int group) { return std::atoi(match.str(group).c_str()); };
    DateTime v;
    v.year = number(1);
    if (match.length(1) == 2)
        v.year += kTwoDigitYearBase;
    v.month = number(2);
    v.day = number(3);
    v.hour = number(4);
    v.minute = number(5);
    v.second = match[6].matched ? number(6) : 0;
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
