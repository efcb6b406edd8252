#include "app/CivilTime.h"

#include <QRegularExpression>

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

bool IsValid(const DateTime& v) {
    return v.year >= 100 && v.year <= 9999 && v.month >= 1 && v.month <= 12 && v.day >= 1 &&
           v.day <= DaysInMonth(v.year, v.month) && v.hour >= 0 && v.hour <= 23 && v.minute >= 0 &&
           v.minute <= 59 && v.second >= 0 && v.second <= 59;
}

} // namespace

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

std::optional<DateTime> ParseDaytimeDateTime(const QString& text) {
    constexpr int kTwoDigitYearBase = 2000;
    static const QRegularExpression form(QStringLiteral(
        "^([0-9]{2}|[0-9]{4})-([0-9]{1,2})-([0-9]{1,2}) ([0-9]{1,2}):([0-9]{2})(?::([0-9]{2}))?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    DateTime v;
    v.year = match.captured(1).toInt();
    if (match.capturedLength(1) == 2)
        v.year += kTwoDigitYearBase;
    v.month = match.captured(2).toInt();
    v.day = match.captured(3).toInt();
    v.hour = match.captured(4).toInt();
    v.minute = match.captured(5).toInt();
    v.second = match.captured(6).isEmpty() ? 0 : match.captured(6).toInt();
    if (!IsValid(v))
        return std::nullopt;
    return v;
}

QString FormatDateTime(const DateTime& v) {
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", v.year, v.month, v.day, v.hour, v.minute,
                             v.second);
}

} // namespace app
