#include "app/ServerReply.h"

#include "app/TextScanner.h"

#include <string_view>
#include <vector>

namespace app {
namespace {

// Split at every single space: runs of spaces give empty fields.
std::vector<std::string> SpaceFields(const std::string& text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t space = text.find(' ', start);
        fields.push_back(text.substr(start, space == std::string::npos ? std::string::npos : space - start));
        if (space == std::string::npos)
            return fields;
        start = space + 1;
    }
}

std::optional<DateTime> ReadNistFields(const std::string& reply) {
    const std::vector<std::string> fields = SpaceFields(reply);
    if (fields.size() < 3)
        return std::nullopt;
    return ParseDaytimeDateTime(fields[1] + " " + fields[2]);
}

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

int MonthFromName(std::string name) {
    static constexpr std::string_view kMonths[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                                   "jul", "aug", "sep", "oct", "nov", "dec"};
    for (char& c : name)
        c = static_cast<char>(c | 0x20);
    for (int m = 0; m < 12; ++m)
        if (name == kMonths[m])
            return m + 1;
    return 0;
}

std::optional<DateTime> Checked(const DateTime& value) {
    if (!IsValidDateTime(value))
        return std::nullopt;
    return value;
}

// "DD MON YYYY HH:MM:SS UTC" or "... GMT".
std::optional<DateTime> ReadInetdForm(const std::string& text) {
    TextScanner scan(text);
    const auto day = scan.Digits(1, 2);
    const auto month = day && scan.Take(' ') ? scan.Letters(3) : std::nullopt;
    const auto year = month && scan.Take(' ') ? scan.Digits(4, 4) : std::nullopt;
    const auto hour = year && scan.Take(' ') ? scan.Digits(2, 2) : std::nullopt;
    const auto minute = hour && scan.Take(':') ? scan.Digits(2, 2) : std::nullopt;
    const auto second = minute && scan.Take(':') ? scan.Digits(2, 2) : std::nullopt;
    if (!second || !scan.Take(' ') || !(scan.Take("UTC") || scan.Take("GMT")) || !scan.AtEnd())
        return std::nullopt;
    return Checked({*year, MonthFromName(std::string(*month)), *day, *hour, *minute, *second});
}

// "YYYY-MM-DD HH:MM:SS" or "YYYY-MM-DDTHH:MM:SS", seconds optionally with a
// fraction, then "Z" or " UTC".
std::optional<DateTime> ReadIsoForm(const std::string& text) {
    TextScanner scan(text);
    const auto year = scan.Digits(4, 4);
    const auto month = year && scan.Take('-') ? scan.Digits(2, 2) : std::nullopt;
    const auto day = month && scan.Take('-') ? scan.Digits(2, 2) : std::nullopt;
    const auto hour = day && scan.TakeAny("Tt ") ? scan.Digits(2, 2) : std::nullopt;
    const auto minute = hour && scan.Take(':') ? scan.Digits(2, 2) : std::nullopt;
    const auto second = minute && scan.Take(':') ? scan.Digits(2, 2) : std::nullopt;
    if (!second)
        return std::nullopt;
    if (scan.Take('.') && !scan.Digits(1, 9))
        return std::nullopt; // a fraction has digits
    while (scan.Digits(1, 9)) {
    }
    if (!(scan.TakeAny("Zz") || scan.Take(" UTC")) || !scan.AtEnd())
        return std::nullopt;
    return Checked({*year, *month, *day, *hour, *minute, *second});
}

std::optional<DateTime> ReadUtcForms(const std::string& reply) {
    const std::string text = Trimmed(reply);
    if (auto inetd = ReadInetdForm(text))
        return inetd;
    return ReadIsoForm(text);
}

} // namespace

std::optional<DateTime> ReadServerTime(const std::string& reply) {
    if (auto nist = ReadNistFields(reply))
        return nist;
    return ReadUtcForms(reply);
}

} // namespace app
