// Text on a DC: thin wrappers over the text engine that plot its pixels in
// the DC's text colour, clipped, and fill line backgrounds in opaque mode.
#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/Raster.h"
#include "platform/gdi/text/TextEngine.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace gdi {

using namespace detail;

namespace {

const FontObject* DcFont(const DcObject& dc) {
    const FontObject* font = FindFont(dc.font);
    return font ? font : FindFont(StockObject(SYSTEM_FONT));
}

// The usual glyph of a caption lies wholly within the limit and within the
// visible part of the DC: then its runs need no cutting and are written
// straight into a 32-bit surface. Returns false, having drawn nothing, when
// the glyph is not such a one.
bool DrawUncutRuns(DcObject& dc, int x, int y, const InkRun* runs, std::size_t count, const RECT& limit,
                   Pixel value) {
    Surface& surface = *dc.surface;
    if (surface.bitsPerPixel != 32 || count == 0)
        return false;
    long long left = runs[0].dx, right = runs[0].dx + runs[0].count, top = runs[0].dy,
              bottom = runs[0].dy + 1;
    for (std::size_t i = 1; i < count; ++i) {
        left = std::min<long long>(left, runs[i].dx);
        right = std::max<long long>(right, runs[i].dx + runs[i].count);
        top = std::min<long long>(top, runs[i].dy);
        bottom = std::max<long long>(bottom, runs[i].dy + 1);
    }
    left += x;
    right += x;
    top += y;
    bottom += y;
    if (left < limit.left || top < limit.top || right > limit.right || bottom > limit.bottom)
        return false;
    // Within the limit (on the surface), the box's edges fit in a LONG.
    if (!IsAllVisible(dc, RECT{static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(right),
                               static_cast<LONG>(bottom)}))
        return false;
    for (std::size_t i = 0; i < count; ++i) {
        Pixel* pixels = reinterpret_cast<Pixel*>(surface.Row(y + runs[i].dy)) + x + runs[i].dx;
        for (int column = 0; column < runs[i].count; ++column)
            pixels[column] = value;
    }
    return true;
}

// Sets the pixels of runs (relative to x, y) that lie within limit and are
// visible on the DC, row run by row run. Uncut glyphs take the short road
// above. Otherwise each run is cut by the limit; under a clip region the
// runs (which come top row first) meet the region band by band: the band of
// a row is looked up once, and each run is cut by that band's rectangles, as
// the band walk of FillVisible (the general path) would cut it on its own.
void DrawInkRuns(DcObject& dc, int x, int y, const InkRun* runs, std::size_t count, RECT limit, Pixel ink) {
    if (!dc.surface)
        return;
    Surface& surface = *dc.surface;
    limit = RECT{std::max(limit.left, 0), std::max(limit.top, 0), std::min(limit.right, surface.width),
                 std::min(limit.bottom, surface.height)};
    if (limit.left >= limit.right || limit.top >= limit.bottom)
        return;
    if (DrawUncutRuns(dc, x, y, runs, count, limit, ink & 0xFFFFFF))
        return;
    const bool direct = surface.bitsPerPixel == 32;
    const Pixel value = ink & FormatOf(surface).mask;
    const auto fill = [&](int row, int left, int right) {
        if (direct) {
            Pixel* pixels = reinterpret_cast<Pixel*>(surface.Row(row));
            for (int column = left; column < right; ++column)
                pixels[column] = value;
        } else {
            FormatOf(surface).fill(surface, left, row, right - left, value);
        }
    };
    const std::vector<RECT>* clip = dc.clip ? &dc.clip->Rects() : nullptr;
    std::vector<RECT>::const_iterator band;
    long long bandRow = -1;
    for (std::size_t i = 0; i < count; ++i) {
        const long long row = static_cast<long long>(y) + runs[i].dy;
        if (row < limit.top || row >= limit.bottom)
            continue;
        const long long start = static_cast<long long>(x) + runs[i].dx;
        const auto left = static_cast<int>(std::max<long long>(start, limit.left));
        const auto right = static_cast<int>(std::min<long long>(start + runs[i].count, limit.right));
        if (left >= right)
            continue;
        if (!clip) {
            fill(static_cast<int>(row), left, right);
            continue;
        }
        if (row != bandRow) {
            band = std::partition_point(clip->begin(), clip->end(),
                                        [&](const RECT& r) { return r.bottom <= row; });
            bandRow = row;
        }
        for (auto it = band; it != clip->end() && it->top <= row; ++it) {
            const int partLeft = std::max(left, static_cast<int>(it->left));
            const int partRight = std::min(right, static_cast<int>(it->right));
            if (partLeft < partRight && it->bottom > row)
                fill(static_cast<int>(row), partLeft, partRight);
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
