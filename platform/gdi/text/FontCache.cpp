// FontFace::Create and FontFace::Default: faces are cached per LOGFONT, so a
// control that rebuilds its font on every property change reuses the opened
// face and its rendered glyphs.
#include "platform/gdi/text/TextEngine.h"

#include "platform/gdi/text/FontResolver.h"
#include "platform/gdi/text/FreeTypeFontFace.h"
#include "platform/gdi/text/Utf8.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <tuple>

namespace gdi::detail {

namespace {

constexpr std::size_t kMaxCachedFaces = 64;

// Every field counts, so that Logfont() gives back exactly what was asked.
using FaceKey =
    std::tuple<LONG, LONG, LONG, LONG, LONG, BYTE, BYTE, BYTE, BYTE, BYTE, BYTE, BYTE, BYTE, std::string>;

FaceKey KeyOf(const LOGFONTA& f) {
    return {f.lfHeight,         f.lfWidth,
            f.lfEscapement,     f.lfOrientation,
            f.lfWeight,         f.lfItalic,
            f.lfUnderline,      f.lfStrikeOut,
            f.lfCharSet,        f.lfOutPrecision,
            f.lfClipPrecision,  f.lfQuality,
            f.lfPitchAndFamily, std::string(f.lfFaceName, LF_FACESIZE)};
}

// Used only when no font file at all can be opened: text still measures
// (half an em per character) but leaves no ink.
class BlankFontFace final : public FontFace {
  public:
    explicit BlankFontFace(const LOGFONTA& logfont) : logfont_(logfont) {
        const std::int64_t requested = logfont.lfHeight;
        const LONG height =
            requested == 0
                ? 12
                : static_cast<LONG>(std::clamp<std::int64_t>(requested < 0 ? -requested : requested, 1, 400));
        metrics_.tmHeight = height;
        metrics_.tmAscent = height - height / 5;
        metrics_.tmDescent = height / 5;
        metrics_.tmAveCharWidth = std::max<LONG>(1, height / 2);
        metrics_.tmMaxCharWidth = height;
        metrics_.tmWeight = logfont.lfWeight > 0 ? logfont.lfWeight : FW_NORMAL;
        metrics_.tmCharSet = logfont.lfCharSet;
    }
    const LOGFONTA& Logfont() const override { return logfont_; }
    TEXTMETRICA Metrics() const override { return metrics_; }
    int Advance(std::string_view utf8) const override {
        int characters = 0;
        for (std::size_t pos = 0; pos < utf8.size(); ++characters) {
            NextCodePoint(utf8, pos);
        }
        return characters * metrics_.tmAveCharWidth;
    }
    void DrawRun(std::string_view, int, int, const TextSink&) const override {}

  private:
    LOGFONTA logfont_;
    TEXTMETRICA metrics_{};
};

struct FaceCache {
    std::mutex mutex;
    std::map<FaceKey, std::shared_ptr<FontFace>> faces;

    // Drops faces nobody holds any more once the cache is full.
    void Trim() {
        if (faces.size() < kMaxCachedFaces) {
            return;
        }
        std::erase_if(faces, [](const auto& entry) { return entry.second.use_count() == 1; });
    }
};

// Never destroyed: faces outlive every caller, including static objects
// torn down at exit in unknown order.
FaceCache& Cache() {
    static FaceCache* cache = new FaceCache;
    return *cache;
}

std::shared_ptr<FontFace> OpenFace(const LOGFONTA& logfont) {
    const ResolvedFont file = ResolveFont(logfont);
    if (auto face = FreeTypeFontFace::Open(logfont, file)) {
        return face;
    }
    return std::make_shared<BlankFontFace>(logfont);
}

} // namespace

std::uint64_t FontFace::NextId() {
    static std::atomic<std::uint64_t> next{1};
    return next++;
}

FontFace::LineRows FontFace::UnderlineRows() const {
    const TEXTMETRICA metrics = Metrics();
    return {std::min(metrics.tmAscent + 1, std::max(0, metrics.tmHeight - 1)), 1};
}

std::shared_ptr<FontFace> FontFace::Create(const LOGFONTA& logfont) {
    FaceCache& cache = Cache();
    const FaceKey key = KeyOf(logfont);
    std::lock_guard lock(cache.mutex);
    auto found = cache.faces.find(key);
    if (found != cache.faces.end()) {
        return found->second;
    }
    cache.Trim();
    std::shared_ptr<FontFace> face = OpenFace(logfont);
    cache.faces.emplace(key, face);
    return face;
}

std::shared_ptr<FontFace> FontFace::Default() {
    LOGFONTA logfont{};
    logfont.lfHeight = -12;
    logfont.lfWeight = FW_NORMAL;
    logfont.lfCharSet = GB2312_CHARSET;
    const char name[] = "宋体";
    std::copy(std::begin(name), std::end(name), logfont.lfFaceName);
    return Create(logfont);
}

} // namespace gdi::detail
