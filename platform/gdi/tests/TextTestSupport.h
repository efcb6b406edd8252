// Helpers for the text engine tests: fonts by name and a sink that records
// every inked pixel and every line extent, so layouts and glyphs can be
// checked exactly without a device context.
#pragma once

#include "platform/gdi/text/TextEngine.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace gdi::testing {

// The files these tests are pinned to (Debian fonts-arphic-uming and
// fonts-dejavu-core). Pixel expectations hold for exactly these files.
inline constexpr const char* kSongFontFile = "/usr/share/fonts/truetype/arphic/uming.ttc";
inline constexpr const char* kDejaVuSansFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr const char* kDejaVuSansBoldFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

inline LOGFONTA MakeLogfont(const char* faceName, LONG height, LONG weight = FW_NORMAL) {
    LOGFONTA logfont{};
    logfont.lfHeight = height;
    logfont.lfWeight = weight;
    logfont.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(logfont.lfFaceName, faceName, LF_FACESIZE - 1);
    return logfont;
}

// 宋体 9 pt on a 96-dpi screen: the font of every button of the main window.
inline LOGFONTA SongFont(LONG height = -12) {
    return MakeLogfont("宋体", height);
}

// The file fontconfig itself picks for a family, to show the tests rely on
// the installed file and not on a guess.
inline std::string FontconfigFileFor(const char* family) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::string file;
    FcChar8* value = nullptr;
    if (match != nullptr && FcPatternGetString(match, FC_FILE, 0, &value) == FcResultMatch) {
        file = reinterpret_cast<const char*>(value);
    }
    if (match != nullptr) {
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return file;
}

class InkRecorder {
  public:
    detail::TextSink Sink() {
        detail::TextSink sink;
        sink.plot = [this](int x, int y) { ink.insert({x, y}); };
        sink.fillBackground = [this](const RECT& rect) { lines.push_back(rect); };
        return sink;
    }
    bool Has(int x, int y) const { return ink.count({x, y}) != 0; }
    // Bounding box of the ink, right and bottom exclusive; empty when no ink.
    RECT Bounds() const {
        if (ink.empty()) {
            return {0, 0, 0, 0};
        }
        RECT box{ink.begin()->first, ink.begin()->second, ink.begin()->first + 1, ink.begin()->second + 1};
        for (const auto& [x, y] : ink) {
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x + 1);
            box.bottom = std::max(box.bottom, y + 1);
        }
        return box;
    }
    int InkInRow(int y) const {
        int count = 0;
        for (const auto& pixel : ink) {
            count += pixel.second == y ? 1 : 0;
        }
        return count;
    }
    // The area as ASCII art, '#' for ink: printed by failing assertions.
    std::string Art(const RECT& area) const {
        std::string art;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                art += Has(x, y) ? '#' : '.';
            }
            art += '\n';
        }
        return art;
    }

    std::set<std::pair<int, int>> ink;
    std::vector<RECT> lines; // one extent per drawn line, in drawing order
};

inline bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::string Describe(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) +
           ", " + std::to_string(r.bottom) + ")";
}

#define EXPECT_RECT(expected, actual)                                                                        \
    EXPECT_TRUE(::gdi::testing::SameRect(expected, actual))                                                  \
        << "expected " << ::gdi::testing::Describe(expected) << " got " << ::gdi::testing::Describe(actual)

} // namespace gdi::testing
