// Text on a DC: thin wrappers over the text engine that plot its pixels in
// the DC's text colour, clipped, and fill line backgrounds in opaque mode.
#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/ColorRules.h"
#include "platform/gdi/internal/Raster.h"
#include "platform/gdi/text/TextEngine.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace gdi {

using namespace detail;

namespace {

const FontObject* DcFont(const DcObject& dc) {
    const FontObject* font = dc.fontObject;
    return font ? font : FindFont(StockObject(SYSTEM_FONT));
}

bool IsEmpty(const RECT& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

RECT Intersection(const RECT& a, const RECT& b) {
    return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

// Where row y of a surface starts, as an offset from its first byte: a glyph's
// baseline row may lie off the surface even when all its ink lies on it.
std::ptrdiff_t RowOffset(const Surface& surface, int y) {
    return static_cast<std::ptrdiff_t>(surface.bottomUp ? surface.height - 1 - y : y) * surface.stride;
}

// The part of a run (relative to x, y) within limit: its row and the columns
// [left, right). False when no part of it lies within.
struct RunPart {
    int row, left, right;
};
bool PartWithin(int x, int y, const InkRun& run, const RECT& limit, RunPart& part) {
    const long long row = static_cast<long long>(y) + run.dy;
    if (row < limit.top || row >= limit.bottom)
        return false;
    const long long start = static_cast<long long>(x) + run.dx;
    part.row = static_cast<int>(row);
    part.left = static_cast<int>(std::max<long long>(start, limit.left));
    part.right = static_cast<int>(std::min<long long>(start + run.count, limit.right));
    return part.left < part.right;
}

// Writes the parts of runs (relative to x, y) within limit, which lies on a
// 32-bit surface and is visible wherever the runs meet it.
void StoreRunsWithin(Surface& surface, int x, int y, const InkRun* runs, std::size_t count, const RECT& limit,
                     Pixel value) {
    RunPart part{};
    for (std::size_t i = 0; i < count; ++i) {
        if (!PartWithin(x, y, runs[i], limit, part))
            continue;
        Pixel* pixels = reinterpret_cast<Pixel*>(surface.Row(part.row));
        for (int column = part.left; column < part.right; ++column)
            pixels[column] = value;
    }
}

// The bits of a row mask for columns from up to to (counted from the mask's
// first column).
std::uint64_t ColumnsBetween(long long from, long long to) {
    from = std::clamp<long long>(from, 0, kMaskedWidth);
    to = std::clamp<long long>(to, 0, kMaskedWidth);
    if (from >= to)
        return 0;
    const std::uint64_t below = to == kMaskedWidth ? ~std::uint64_t{0} : (std::uint64_t{1} << to) - 1;
    return below & ~((std::uint64_t{1} << from) - 1);
}

// Writes the ink of a glyph that has row masks within limit, which lies on a
// 32-bit surface and is visible wherever the glyph meets it: a row's pixels
// are its mask's bits, so a cut is a mask and a pixel costs a few
// instructions, where a run of a pixel or two costs a loop's set-up.
void StoreMaskedRows(Surface& surface, const PlacedGlyph& glyph, const RECT& limit, Pixel value) {
    const GlyphImage& image = *glyph.image;
    const long long left = static_cast<long long>(glyph.x) + image.box.left;
    const long long top = static_cast<long long>(glyph.y) + image.box.top;
    const long long first = std::max<long long>(0, limit.top - top);
    const long long last = std::min<long long>(static_cast<long long>(image.rows.size()), limit.bottom - top);
    const std::uint64_t keep = ColumnsBetween(limit.left - left, limit.right - left);
    if (first >= last || keep == 0)
        return;
    // Byte offsets rather than pointers: the mask's first column may lie left of the surface.
    std::uint8_t* const bits = surface.bits.get();
    const std::ptrdiff_t step = surface.bottomUp ? -surface.stride : surface.stride;
    std::ptrdiff_t row =
        RowOffset(surface, static_cast<int>(top + first)) + static_cast<std::ptrdiff_t>(left) * 4;
    for (auto r = static_cast<std::size_t>(first); r < static_cast<std::size_t>(last); ++r, row += step) {
        for (std::uint64_t ink = image.rows[r] & keep; ink != 0; ink &= ink - 1)
            *reinterpret_cast<Pixel*>(bits + (row + 4 * std::countr_zero(ink))) = value;
    }
}

// The box round runs (relative to x, y) in device coordinates, cut to limit.
RECT BoxWithin(int x, int y, const InkBox& box, const RECT& limit) {
    return RECT{static_cast<LONG>(std::max<long long>(static_cast<long long>(x) + box.left, limit.left)),
                static_cast<LONG>(std::max<long long>(static_cast<long long>(y) + box.top, limit.top)),
                static_cast<LONG>(std::min<long long>(static_cast<long long>(x) + box.right, limit.right)),
                static_cast<LONG>(std::min<long long>(static_cast<long long>(y) + box.bottom, limit.bottom))};
}

// Sets the pixels of runs (relative to x, y) that lie within limit, which
// lies on the surface, and are visible on the DC: the general path. Each run
// is cut by the limit; under a clip region the runs (which come top row
// first) meet the region band by band: the band of a row is looked up once,
// and each run is cut by that band's rectangles, as the band walk of
// FillVisible would cut it on its own.
void DrawInkRuns(DcObject& dc, int x, int y, const InkRun* runs, std::size_t count, const RECT& limit,
                 Pixel ink) {
    Surface& surface = *dc.surface;
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
    RunPart part{};
    for (std::size_t i = 0; i < count; ++i) {
        if (!PartWithin(x, y, runs[i], limit, part))
            continue;
        const int row = part.row;
        if (!clip) {
            fill(row, part.left, part.right);
            continue;
        }
        if (row != bandRow) {
            band = std::partition_point(clip->begin(), clip->end(),
                                        [&](const RECT& r) { return r.bottom <= row; });
            bandRow = row;
        }
        for (auto it = band; it != clip->end() && it->top <= row; ++it) {
            const int partLeft = std::max(part.left, static_cast<int>(it->left));
            const int partRight = std::min(part.right, static_cast<int>(it->right));
            if (partLeft < partRight && it->bottom > row)
                fill(row, partLeft, partRight);
        }
    }
}

// limit cut to the DC's surface; empty when there is none.
RECT OnSurface(const DcObject& dc, const RECT& limit) {
    if (!dc.surface)
        return RECT{0, 0, 0, 0};
    return RECT{std::max(limit.left, 0), std::max(limit.top, 0), std::min(limit.right, dc.surface->width),
                std::min(limit.bottom, dc.surface->height)};
}

// The box round the ink of glyphs, in device coordinates, cut to limit.
RECT InkWithin(const PlacedGlyph* glyphs, std::size_t count, const RECT& limit) {
    long long left = limit.right, top = limit.bottom, right = limit.left, bottom = limit.top;
    for (std::size_t i = 0; i < count; ++i) {
        const InkBox& box = glyphs[i].image->box;
        left = std::min(left, static_cast<long long>(glyphs[i].x) + box.left);
        top = std::min(top, static_cast<long long>(glyphs[i].y) + box.top);
        right = std::max(right, static_cast<long long>(glyphs[i].x) + box.right);
        bottom = std::max(bottom, static_cast<long long>(glyphs[i].y) + box.bottom);
    }
    return RECT{static_cast<LONG>(std::max<long long>(left, limit.left)),
                static_cast<LONG>(std::max<long long>(top, limit.top)),
                static_cast<LONG>(std::min<long long>(right, limit.right)),
                static_cast<LONG>(std::min<long long>(bottom, limit.bottom))};
}

// Writes a glyph within limit, which lies on a 32-bit surface and is visible
// wherever the glyph meets it: by its row masks where it has them.
void StoreGlyph(Surface& surface, const PlacedGlyph& glyph, const RECT& limit, Pixel value) {
    const GlyphImage& image = *glyph.image;
    if (!image.rows.empty())
        StoreMaskedRows(surface, glyph, limit, value);
    else
        StoreRunsWithin(surface, glyph.x, glyph.y, image.runs.data(), image.runs.size(), limit, value);
}

// Runs (relative to x, y) within limit, which lies on the surface: straight
// where the part of them within the limit is wholly visible on a 32-bit
// surface, else by the general path.
void DrawRunsInk(DcObject& dc, int x, int y, const InkRun* runs, std::size_t count, const RECT& limit,
                 Pixel ink) {
    const RECT inked = BoxWithin(x, y, BoxOf(runs, count), limit);
    if (IsEmpty(inked))
        return;
    if (dc.surface->bitsPerPixel == 32 && IsAllVisible(dc, inked))
        StoreRunsWithin(*dc.surface, x, y, runs, count, limit, ink & 0xFFFFFF);
    else
        DrawInkRuns(dc, x, y, runs, count, limit, ink);
}

// The glyphs of a line within bounds. When the line's ink within the bounds
// is wholly visible on a 32-bit surface (a caption clear of the clip region's
// edges), one test serves every glyph, and each is written straight, cut only
// by the bounds. Otherwise each glyph is tested on its own, and one that the
// clip region cuts takes DrawInkRuns.
void DrawGlyphsInk(DcObject& dc, const PlacedGlyph* glyphs, std::size_t count, const RECT& bounds,
                   Pixel ink) {
    const RECT limit = OnSurface(dc, bounds);
    if (IsEmpty(limit))
        return;
    Surface& surface = *dc.surface;
    const bool direct = surface.bitsPerPixel == 32;
    const Pixel value = ink & 0xFFFFFF;
    if (direct) {
        const RECT inked = InkWithin(glyphs, count, limit);
        if (IsEmpty(inked))
            return;
        if (IsAllVisible(dc, inked)) {
            for (std::size_t i = 0; i < count; ++i)
                StoreGlyph(surface, glyphs[i], limit, value);
            return;
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        const PlacedGlyph& glyph = glyphs[i];
        const GlyphImage& image = *glyph.image;
        const RECT inked = BoxWithin(glyph.x, glyph.y, image.box, limit);
        if (IsEmpty(inked))
            continue;
        if (direct && IsAllVisible(dc, inked))
            StoreGlyph(surface, glyph, limit, value);
        else
            DrawInkRuns(dc, glyph.x, glyph.y, image.runs.data(), image.runs.size(), limit, ink);
    }
}

// What a text sink draws into: the DC, the bounds (device coordinates) that
// limit it, and the ink and the opaque background as device values (on a
// monochrome surface by Windows' rule for foreground and background). The
// sink's functions hold only a reference to it, small enough to live inside
// the std::function itself.
struct TextTarget {
    TextTarget(DcObject& target, const RECT& limit) : dc(target), bounds(limit) {
        if (!target.surface)
            return;
        ink = ForegroundPixel(*target.surface, target.textColor, target.bkColor);
        background.hollow = false;
        background.solid = BackgroundPixel(*target.surface, target.textColor, target.bkColor);
    }
    DcObject& dc;
    RECT bounds;
    Pixel ink = 0;
    BrushPattern background;
};

TextSink SinkFor(const TextTarget& target) {
    TextSink sink;
    sink.plot = [&target](int x, int y) {
        const RECT& b = target.bounds;
        if (x >= b.left && x < b.right && y >= b.top && y < b.bottom)
            PutPixel(target.dc, x, y, target.ink);
    };
    sink.runs = [&target](int x, int y, const InkRun* runs, std::size_t count, const RECT& clip) {
        const RECT limit = OnSurface(target.dc, Intersection(target.bounds, clip));
        if (!IsEmpty(limit))
            DrawRunsInk(target.dc, x, y, runs, count, limit, target.ink);
    };
    sink.glyphs = [&target](const PlacedGlyph* glyphs, std::size_t count, const RECT& clip) {
        DrawGlyphsInk(target.dc, glyphs, count, Intersection(target.bounds, clip), target.ink);
    };
    if (target.dc.bkMode == OPAQUE) {
        sink.fillBackground = [&target](const RECT& line) {
            const RECT& b = target.bounds;
            const RECT r{std::max(line.left, b.left), std::max(line.top, b.top),
                         std::min(line.right, b.right), std::min(line.bottom, b.bottom)};
            PatternRop(target.dc, r, target.background, RopIndex(PATCOPY));
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
