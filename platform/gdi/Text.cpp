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

// A sink that draws into the DC, limited to bounds (device coordinates).
TextSink SinkFor(DcObject& dc, const RECT& bounds) {
    const int bpp = dc.surface ? dc.surface->bitsPerPixel : 32;
    const Pixel ink = ColorToPixel(dc.textColor, bpp);
    TextSink sink;
    sink.plot = [&dc, bounds, ink](int x, int y) {
        if (x >= bounds.left && x < bounds.right && y >= bounds.top && y < bounds.bottom)
            PutPixel(dc, x, y, ink);
    };
    if (dc.bkMode == OPAQUE) {
        const BrushPattern background = SolidPattern(dc, dc.bkColor);
        sink.fillBackground = [&dc, bounds, background](const RECT& line) {
            const RECT r{std::max(line.left, bounds.left), std::max(line.top, bounds.top),
                         std::min(line.right, bounds.right), std::min(line.bottom, bounds.bottom)};
            PatternRop(dc, r, background, RopIndex(PATCOPY));
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
    const TextSink sink = SinkFor(*dc, kUnbounded);
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
    const RECT bounds = (format & DT_NOCLIP) ? kUnbounded : *rect;
    return DrawTextLayout(DcFont(*dc)->Face(), std::string_view(text, bytes), rect, format,
                          SinkFor(*dc, bounds));
}

} // namespace gdi
