#include "platform/ini/Profile.h"

#include "platform/ini/IniDocument.h"
#include "platform/ini/IniFile.h"

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

std::optional<std::string> LookUp(const char* section, const char* key, const char* fileName) {
    if (!section || !key || !fileName)
        return std::nullopt;
    FileText file = ReadWholeFile(fileName);
    if (file.status != ReadStatus::Ok)
        return std::nullopt;
    return FindValue(file.text, section, key);
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
    std::size_t count = std::min<std::size_t>(value.size(), nSize - 1);
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
    FileText file = ReadWholeFile(lpFileName);
    // A file that exists but cannot be read is never overwritten: its settings would be lost.
    if (file.status == ReadStatus::Failed)
        return 0;
    return ReplaceFileAtomically(lpFileName, StoreValue(file.text, lpAppName, lpKeyName, lpString)) ? 1 : 0;
}

} // namespace ini
