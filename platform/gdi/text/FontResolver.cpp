#include "platform/gdi/text/FontResolver.h"

#include "platform/gdi/text/Utf8.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <mutex>
#include <optional>
#include <string_view>

namespace gdi::detail {

namespace {

constexpr std::string_view kSongFamily = "AR PL UMing CN";
constexpr std::string_view kLastResortFamily = "DejaVu Sans";
constexpr FcChar32 kProbeIdeograph = 0x4E2D; // 中

// Windows Song/Ming names, compared without regard to ASCII case. Forms
// saved on Chinese Windows spell the name in GBK, so those bytes count too.
constexpr std::array<std::string_view, 8> kSongAliases = {
    "宋体",       "SimSun",  "新宋体",           "NSimSun",
    "宋体-18030", "MS Song", "\xCB\xCE\xCC\xE5", "\xD0\xC2\xCB\xCE\xCC\xE5"};

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        if (NextCodePoint(text, pos) == kReplacementCharacter &&
            text.substr(start, pos - start) != "\xEF\xBF\xBD") {
            return false;
        }
    }
    return true;
}

// fontconfig's default configuration is shared process-wide; one lock keeps
// its initialisation and lookups serial.
std::mutex& FontconfigMutex() {
    static std::mutex mutex;
    return mutex;
}

struct Request {
    std::string family;
    bool bold = false;
    bool italic = false;
    bool requireIdeographs = false;
};

bool FamilyListContains(FcPattern* match, std::string_view family) {
    FcChar8* value = nullptr;
    for (int n = 0; FcPatternGetString(match, FC_FAMILY, n, &value) == FcResultMatch; ++n) {
        if (EqualsIgnoringAsciiCase(reinterpret_cast<const char*>(value), family)) {
            return true;
        }
    }
    return false;
}

ResolvedFont Describe(FcPattern* match) {
    ResolvedFont font;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        font.path = reinterpret_cast<const char*>(file);
    }
    int index = 0;
    if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch) {
        font.faceIndex = index;
    }
    FcChar8* family = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch) {
        font.family = reinterpret_cast<const char*>(family);
    }
    return font;
}

// Asks fontconfig for the best face of the request; accepts it only when it
// really is the named family (fontconfig always answers something) or, for a
// CJK request, when it has the ideographs.
std::optional<ResolvedFont> Match(const Request& request) {
    if (!IsValidUtf8(request.family)) {
        return std::nullopt; // fontconfig names are UTF-8; other bytes name no installed face
    }
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr) {
        return std::nullopt;
    }
    if (!request.family.empty()) {
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(request.family.c_str()));
    }
    if (request.requireIdeographs) {
        FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
    }
    FcPatternAddInteger(pattern, FC_WEIGHT, request.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);

    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) {
        return std::nullopt;
    }
    bool acceptable = true;
    if (!request.family.empty()) {
        acceptable = FamilyListContains(match, request.family);
    }
    if (acceptable && request.requireIdeographs) {
        FcCharSet* charset = nullptr;
        acceptable = FcPatternGetCharSet(match, FC_CHARSET, 0, &charset) == FcResultMatch &&
                     FcCharSetHasChar(charset, kProbeIdeograph);
    }
    std::optional<ResolvedFont> font;
    if (acceptable) {
        font = Describe(match);
    }
    FcPatternDestroy(match);
    if (font && font->path.empty()) {
        return std::nullopt;
    }
    return font;
}

} // namespace

std::string RequestedFaceName(const LOGFONTA& logfont) {
    const char* begin = logfont.lfFaceName;
    const char* end = std::find(begin, begin + LF_FACESIZE, '\0');
    std::string name(begin, end);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) {
        name.pop_back();
    }
    while (!name.empty() && name.front() == ' ') {
        name.erase(name.begin());
    }
    return name;
}

std::string SubstituteFamily(const std::string& requestedName) {
    for (std::string_view alias : kSongAliases) {
        if (EqualsIgnoringAsciiCase(requestedName, alias)) {
            return std::string(kSongFamily);
        }
    }
    return requestedName;
}

ResolvedFont ResolveFont(const LOGFONTA& logfont) {
    const bool bold = logfont.lfWeight >= 600;
    const bool italic = logfont.lfItalic != 0;
    std::string family = SubstituteFamily(RequestedFaceName(logfont));
    if (family.empty()) {
        family = kSongFamily; // no name: the face Chinese Windows gives its dialogs
    }

    std::lock_guard lock(FontconfigMutex());
    if (auto font = Match({family, bold, italic, false})) {
        return *font;
    }
    if (auto font = Match({std::string(), bold, italic, true})) {
        return *font;
    }
    if (auto font = Match({std::string(kLastResortFamily), bold, italic, false})) {
        return *font;
    }
    // Whatever fontconfig prefers, as long as it is a file.
    Request anything{std::string(), bold, italic, false};
    if (auto font = Match(anything)) {
        return *font;
    }
    return {};
}

} // namespace gdi::detail
