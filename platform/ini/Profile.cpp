#include "platform/ini/Profile.h"

#include "platform/ini/IniDocument.h"
#include "platform/ini/IniFile.h"
#include "platform/ini/IniText.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>

namespace ini {
namespace {

// Windows strips trailing blanks from the default as well.
std::string TrimTrailingBlanks(const char* text) {
    std::string s = text ? text : "";
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.pop_back();
    return s;
}

// One pair of matching quotes around a value is not part of it ("-5" reads -5).
void RemoveQuotes(std::string& value) {
    const std::size_t size = value.size();
    if (size >= 2 && (value[0] == '"' || value[0] == '\'') && value[size - 1] == value[0])
        value = value.substr(1, size - 2);
}

std::optional<std::string> LookUp(const char* section, const char* key, const char* fileName) {
    if (!section || !key || !fileName)
        return std::nullopt;
    FileText file = ReadWholeFile(fileName);
    if (file.status != ReadStatus::Ok)
        return std::nullopt;
    auto value = FindValue(DecodeIniText(file.text, SystemAnsiCodePage()), section, key);
    if (value)
        RemoveQuotes(*value);
    return value;
}

// The count of bytes of text that fit into limit bytes without splitting a
// UTF-8 character (the ANSI code page here), so the cut text stays valid.
// Bytes that are no UTF-8 are cut where the limit falls.
std::size_t WholeCharacterPrefix(const std::string& text, std::size_t limit) {
    if (text.size() <= limit)
        return text.size();
    auto byteAt = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    std::size_t start = limit; // where the character at the limit begins
    while (start > 0 && limit - start < 3 && (byteAt(start) & 0xC0) == 0x80)
        --start;
    const unsigned char lead = byteAt(start);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return start < limit && lead >= 0xC0 && start + length > limit ? start : limit;
}

INT ParseInteger(const std::string& text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        negative = text[pos++] == '-';
    long long value = 0;
    const long long limit =
        negative ? -static_cast<long long>(std::numeric_limits<INT>::min()) : std::numeric_limits<INT>::max();
    for (; pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])); ++pos)
        value = std::min(limit, value * 10 + (text[pos] - '0'));
    return static_cast<INT>(negative ? -value : value);
}

} // namespace

DWORD GetPrivateProfileStringA(const char* lpAppName, const char* lpKeyName, const char* lpDefault,
                               char* lpReturnedString, DWORD nSize, const char* lpFileName) {
    if (!lpReturnedString || nSize == 0)
        return 0;
    std::string value = LookUp(lpAppName, lpKeyName, lpFileName).value_or(TrimTrailingBlanks(lpDefault));
    const std::size_t count = WholeCharacterPrefix(value, nSize - 1);
    std::memcpy(lpReturnedString, value.data(), count);
    lpReturnedString[count] = '\0';
    return static_cast<DWORD>(count);
}

INT GetPrivateProfileIntA(const char* lpAppName, const char* lpKeyName, INT nDefault,
                          const char* lpFileName) {
    auto value = LookUp(lpAppName, lpKeyName, lpFileName);
    return value ? ParseInteger(*value) : nDefault;
}

BOOL WritePrivateProfileStringA(const char* lpAppName, const char* lpKeyName, const char* lpString,
                                const char* lpFileName) {
    if (!lpAppName || !lpKeyName || !lpString || !lpFileName || !CanStore(lpAppName, lpKeyName, lpString))
        return 0;
    return UpdateFile(lpFileName,
                      [&](const std::string& present) {
                          return StoreInIniText(present, lpAppName, lpKeyName, lpString, SystemAnsiCodePage());
                      })
               ? 1
               : 0;
}

} // namespace ini
