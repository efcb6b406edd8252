#include "platform/ini/IniDocument.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace ini {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// One line of the file: its content without the line break, and where it sits.
struct Line {
    std::string_view content;
    std::size_t begin = 0;      // offset of the first byte of the line
    std::size_t contentEnd = 0; // offset just past the content (before "\r\n" or "\n")
    std::size_t end = 0;        // offset just past the line break
};

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    // Editors that save UTF-8 with a byte-order mark would otherwise hide the first section.
    std::size_t pos = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    while (pos < text.size()) {
        std::size_t newline = text.find('\n', pos);
        std::size_t end = newline == std::string_view::npos ? text.size() : newline + 1;
        std::size_t contentEnd = newline == std::string_view::npos ? text.size() : newline;
        if (contentEnd > pos && text[contentEnd - 1] == '\r')
            --contentEnd;
        lines.push_back({text.substr(pos, contentEnd - pos), pos, contentEnd, end});
        pos = end;
    }
    return lines;
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view content) {
    std::string_view s = TrimBlanks(content);
    if (s.empty() || s.front() != '[')
        return std::nullopt;
    std::size_t close = s.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return TrimBlanks(s.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
    std::size_t equalsOffset; // position of "=" within the line content
};

std::optional<KeyLine> ParseKeyLine(std::string_view content) {
    std::size_t equals = content.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return KeyLine{TrimBlanks(content.substr(0, equals)), TrimBlanks(content.substr(equals + 1)), equals};
}

// Index range [first, last) of the lines belonging to the first matching section
// (its header excluded), or nothing when the section is missing.
struct SectionRange {
    std::size_t header;
    std::size_t first;
    std::size_t last;
};

std::optional<SectionRange> FindSection(const std::vector<Line>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto name = SectionName(lines[i].content);
        if (!name || !EqualsNoCase(*name, section))
            continue;
        std::size_t last = i + 1;
        while (last < lines.size() && !SectionName(lines[last].content))
            ++last;
        return SectionRange{i, i + 1, last};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<Line>& lines, const SectionRange& range,
                                   std::string_view key) {
    for (std::size_t i = range.first; i < range.last; ++i) {
        auto parsed = ParseKeyLine(lines[i].content);
        if (parsed && EqualsNoCase(parsed->key, key))
            return i;
    }
    return std::nullopt;
}

std::string_view LineBreakOf(std::string_view text) {
    return text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
}

// The text up to the end of line, which then ends with a line break. Every
// byte of it stays: a last line without a line feed gets one, alone after a
// carriage return it already ends in (so that return and the line's content
// read as before), else in the file's own style.
std::string TerminatedUpTo(std::string_view text, const Line& line, std::string_view lineBreak) {
    const char last = text[line.end - 1];
    std::string result(text.substr(0, line.end));
    if (last != '\n')
        result += last == '\r' ? std::string_view("\n") : lineBreak;
    return result;
}

} // namespace

std::optional<std::string> FindValue(std::string_view text, std::string_view section, std::string_view key) {
    const std::vector<Line> lines = SplitLines(text);
    auto range = FindSection(lines, TrimBlanks(section));
    if (!range)
        return std::nullopt;
    auto index = FindKey(lines, *range, TrimBlanks(key));
    if (!index)
        return std::nullopt;
    return std::string(ParseKeyLine(lines[*index].content)->value);
}

bool CanStore(std::string_view section, std::string_view key, std::string_view value) {
    auto hasBreak = [](std::string_view s) {
        return s.find_first_of(std::string_view("\r\n\0", 3)) != s.npos;
    };
    if (hasBreak(section) || hasBreak(key) || hasBreak(value))
        return false;
    if (TrimBlanks(section).empty() || section.find(']') != section.npos)
        return false;
    std::string_view trimmedKey = TrimBlanks(key);
    return !trimmedKey.empty() && key.find('=') == key.npos && trimmedKey.front() != '[';
}

std::string StoreValue(std::string_view text, std::string_view section, std::string_view key,
                       std::string_view value) {
    const std::vector<Line> lines = SplitLines(text);
    const std::string_view lineBreak = LineBreakOf(text);
    const std::string newKeyLine = std::string(key) + "=" + std::string(value);
    std::string result;

    auto range = FindSection(lines, TrimBlanks(section));
    if (!range) {
        result = std::string(text);
        if (!lines.empty())
            result = TerminatedUpTo(text, lines.back(), lineBreak);
        result +=
            "[" + std::string(section) + "]" + std::string(lineBreak) + newKeyLine + std::string(lineBreak);
        return result;
    }

    if (auto index = FindKey(lines, *range, TrimBlanks(key))) {
        const Line& line = lines[*index];
        std::size_t equalsAt = line.begin + ParseKeyLine(line.content)->equalsOffset;
        result = std::string(text.substr(0, equalsAt + 1));
        result += value;
        result += text.substr(line.contentEnd);
        return result;
    }

    // New key: after the last non-blank line of the section (the header at least).
    std::size_t after = range->header;
    for (std::size_t i = range->first; i < range->last; ++i)
        if (!TrimBlanks(lines[i].content).empty())
            after = i;
    const Line& anchor = lines[after];
    result = TerminatedUpTo(text, anchor, lineBreak);
    result += newKeyLine + std::string(lineBreak);
    result += text.substr(anchor.end);
    return result;
}

} // namespace ini
