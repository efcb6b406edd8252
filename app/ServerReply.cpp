#include "app/ServerReply.h"

#include <cstdlib>
#include <regex>
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

int Number(const std::smatch& match, int group) {
    return std::atoi(match.str(group).c_str());
}

std::optional<DateTime> ReadUtcForms(const std::string& reply) {
    static const std::regex inetd("([0-9]{1,2}) ([A-Za-z]{3}) ([0-9]{4}) ([0-9]{2}):([0-9]{2}):([0-9]{2}) (UTC|GMT)");
    static const std::regex iso("([0-9]{4})-([0-9]{2})-([0-9]{2})[Tt ]([0-9]{2}):([0-9]{2}):([0-9]{2})(?:\\.[0-9]+)?"
                                "(?:[Zz]| UTC)");
    // A reply longer than any of the forms is none of them; the regular
    // expressions never see it.
    constexpr std::size_t kLongestForm = 48;
    const std::string text = Trimmed(reply);
    if (text.size() > kLongestForm)
        return std::nullopt;
    std::smatch match;
    if (std::regex_match(text, match, inetd))
        return Checked({Number(match, 3), MonthFromName(match.str(2)), Number(match, 1), Number(match, 4),
                        Number(match, 5), Number(match, 6)});
    if (std::regex_match(text, match, iso))
        return Checked({Number(match, 1), Number(match, 2), Number(match, 3), Number(match, 4), Number(match, 5),
                        Number(match, 6)});
    return std::nullopt;
}

} // namespace

std::optional<DateTime> ReadServerTime(const std::string& reply) {
    if (auto nist = ReadNistFields(reply))
        return nist;
    return ReadUtcForms(reply);
}

} // namespace app
