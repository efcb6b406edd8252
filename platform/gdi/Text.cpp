// Text on a DC: thin wrappers over the text engine that plot its pixels in
// the DC's text colour, clipped, and fill line backgrounds in opaque mode.
#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/Raster.h"
#include "platform/gdi/text/TextEngine.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace gdi {

using namespace detail;

namespace {

const FontObject* DcFont(const DcObject& dc) {
    const FontObject* font = FindFont(dc.font);
    return font ? font : FindFont(StockObject(SYSTEM_FONT));
}

// Sets the pixels of runs (relative to x, y) that lie within limit and are
// visible on the DC, row run by row run. On an unclipped 32-bit surface the
// rows are written straight; otherwise each run goes through the band walk of
// FillVisible, the general path this short-cuts.
void DrawInkRuns(DcObject& dc, int x, int y, const InkRun* runs, std::size_t count, RECT limit, Pixel ink) {
    if (!dc.surface)
        return;
    Surface& surface = *dc.surface;
    limit = RECT{std::max(limit.left, 0), std::max(limit.top, 0), std::min(limit.right, surface.width),
                 std::min(limit.bottom, surface.height)};
    if (limit.left >= limit.right || limit.top >= limit.bottom)
        return;
    const bool direct = !dc.clip && surface.bitsPerPixel == 32;
    const Pixel value = ink & 0xFFFFFF;
    for (std::size_t i = 0; i < count; ++i) {
        const long long row = static_cast<long long>(y) + runs[i].dy;
        if (row < limit.top || row >= limit.bottom)
            continue;
        const long long start = static_cast<long long>(x) + runs[i].dx;
        const auto left = static_cast<int>(std::max<long long>(start, limit.left));
        const auto right = static_cast<int>(std::min<long long>(start + runs[i].count, limit.right));
        if (left >= right)
            continue;
        if (direct) {
            Pixel* pixels = reinterpret_cast<Pixel*>(surface.Row(static_cast<int>(row)));
            for (int column = left; column < right; ++column)
                pixels[column] = value;
        } else {
            FillVisible(dc, RECT{left, static_cast<int>(row), right, static_cast<int>(row) + 1}, ink);
        }
    }
}

// What a text sink draws into: the DC, the bounds (device coordinates) that
// limit it, and the ink as a device value. The sink's functions hold only a
// reference to it, small enough to live inside the std::function itself.
struct TextTarget {
    TextTarget(DcObject& target, const RECT& limit)
        : dc(target), bounds(limit),
          ink(ColorToPixel(target.textColor, target.surface ? target.surface->bitsPerPixel : 32)) {}
    DcObject& dc;
    RECT bounds;
    Pixel ink;
};

TextSink SinkFor(const TextTarget& target) {
    TextSink sink;
    sink.plot = [&target](int x, int y) {
        const RECT& b = target.bounds;
        if (x >= b.left && x < b.right && y >= b.top && y < b.bottom)
            PutPixel(target.dc, x, y, target.ink);
    };
    sink.runs = [&target](int x, int y, const InkRun* runs, std::size_t count, const RECT& clip) {
        const RECT& b = target.bounds;
        DrawInkRuns(target.dc, x, y, runs, count,
                    RECT{std::max(b.left, clip.left), std::max(b.top, clip.top),
                         std::min(b.right, clip.right), std::min(b.bottom, clip.bottom)},
                    target.ink);
    };
    if (target.dc.bkMode == OPAQUE) {
        sink.fillBackground = [&target](const RECT& line) {
            const RECT& b = target.bounds;
            const RECT r{std::max(line.left, b.left), std::max(line.top, b.top),
                         std::min(line.right, b.right), std::min(line.bottom, b.bottom)};
            PatternRop(target.dc, r, SolidPattern(target.dc, target.dc.bkColor), RopIndex(PATCOPY));
        };
    }
    return sink;
}

constexpr RECT kUnbounded{std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::min(),
                          std::numeric_limits<LONG>::max(), std::numeric_limits<LONG>::max()};

} // namespace

HFONT CreateFontIndirectA(const LOGFONTA* logfont) {
    if (!logfont)
        return 0;
    auto font = std::make_unique<FontObject>();
    font->logfont = *logfont;
    font->logfont.lfFaceName[LF_FACESIZE - 1] = '\0'; // never trust the caller's terminator
    return AddObject(std::move(font));
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics) {
    const DcObject* dc = FindDc(hdc);
    if (!dc || !metrics)
        return FALSE;
    *metrics = DcFont(*dc)->Face().Metrics();
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC hdc, const char* text, int length, SIZE* size) {
    const DcObject* dc = FindDc(hdc);
    if (!dc || !size || length < 0 || (length > 0 && !text))
        return FALSE;
    const FontFace& face = DcFont(*dc)->Face();
    size->cx = length > 0 ? face.Advance(std::string_view(text, static_cast<std::size_t>(length))) : 0;
    size->cy = face.Metrics().tmHeight;
    return TRUE;
}

BOOL TextOutA(HDC hdc, int x, int y, const char* text, int length) {
    DcObject* dc = FindDc(hdc);
    if (!dc || length < 0 || (length > 0 && !text))
        return FALSE;
    if (length == 0)
        return TRUE;
    const FontFace& face = DcFont(*dc)->Face();
    const std::string_view run(text, static_cast<std::size_t>(length));
    const TextTarget target(*dc, kUnbounded);
    const TextSink sink = SinkFor(target);
    // Positions far beyond any surface are pulled in, so that the text's
    // extent can be added without overflow; nothing visible moves.
    x = ClampCoordinate(x);
    y = ClampCoordinate(y);
    if (sink.fillBackground)
        sink.fillBackground(RECT{x, y, x + face.Advance(run), y + face.Metrics().tmHeight});
    face.DrawRun(run, x, y, sink);
    return TRUE;
}

int DrawTextA(HDC hdc, const char* text, int length, RECT* rect, UINT format) {
    DcObject* dc = FindDc(hdc);
    if (!dc || !rect || !text || length < -1)
        return 0;
    const std::size_t bytes = length == -1 ? std::strlen(text) : static_cast<std::size_t>(length);
    const TextTarget target(*dc, (format & DT_NOCLIP) ? kUnbounded : *rect);
    return DrawTextLayout(DcFont(*dc)->Face(), std::string_view(text, bytes), rect, format, SinkFor(target));
}

} // namespace gdi
