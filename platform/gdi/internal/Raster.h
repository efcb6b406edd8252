// Clipped pixel work on a device context, shared by every drawing family:
// which parts of a rectangle a DC may touch, brush patterns in the DC's pixel
// format, raster operations with and without a source, and single pixels.
#pragma once

#include "platform/gdi/internal/Objects.h"
#include "platform/gdi/internal/Rop.h"

#include <algorithm>
#include <vector>

namespace gdi::detail {

// Coordinates far outside any surface are pulled in to this range, so that
// extents can be added and negated without overflow.
constexpr std::int64_t kCoordinateLimit = std::int64_t{1} << 29;
inline int ClampCoordinate(std::int64_t value) {
    return static_cast<int>(value < -kCoordinateLimit  ? -kCoordinateLimit
                            : value > kCoordinateLimit ? kCoordinateLimit
                                                       : value);
}

inline RECT ClampRect(const RECT& r) {
    return RECT{ClampCoordinate(r.left), ClampCoordinate(r.top), ClampCoordinate(r.right),
                ClampCoordinate(r.bottom)};
}

// The parts of rect inside the DC's surface and its clip region.
std::vector<RECT> VisibleRects(const DcObject& dc, RECT rect);
bool IsVisible(const DcObject& dc, int x, int y);
// Whether every pixel of box is visible: box lies on the surface and, band by
// band, within one span of the clip region (if any). What passes may be
// drawn straight, without a clip test per pixel or run.
bool IsAllVisible(const DcObject& dc, const RECT& box);

// The index of the first of rects (a region's, in banded order) whose bottom
// lies below row y. A region of one rectangle per row (a slanted or rounded
// shape) holds it at y less the region's top, which is tried first; else it
// is found by halving.
inline std::size_t FirstRectBelow(const std::vector<RECT>& rects, LONG y) {
    if (!rects.empty()) {
        const std::size_t guess = static_cast<std::size_t>(y) - static_cast<std::size_t>(rects.front().top);
        if (guess < rects.size() && rects[guess].top <= y && rects[guess].bottom > y &&
            (guess == 0 || rects[guess - 1].bottom <= y))
            return guess;
    }
    return static_cast<std::size_t>(
        std::partition_point(rects.begin(), rects.end(), [&](const RECT& r) { return r.bottom <= y; }) -
        rects.begin());
}

// Calls visit(const RECT&) for each part of rect that lies in one of the clip
// region's rectangles. The region is walked band by band where it meets rect
// (from the first band found by FirstRectBelow): one clip test per band, and
// no allocation.
template <typename Visit> void ForEachClipPart(const Region& clip, const RECT& rect, Visit&& visit) {
    const std::vector<RECT>& rects = clip.Rects();
    for (auto it = rects.begin() + static_cast<std::ptrdiff_t>(FirstRectBelow(rects, rect.top));
         it != rects.end() && it->top < rect.bottom; ++it) {
        const RECT part{std::max(rect.left, it->left), std::max(rect.top, it->top),
                        std::min(rect.right, it->right), std::min(rect.bottom, it->bottom)};
        if (part.left < part.right && part.top < part.bottom)
            visit(static_cast<const RECT&>(part));
    }
}

// ForEachClipPart for rectangles that come one after the other along a path
// (the runs of a line): the search for the first band starts from hint, the
// index where the last search ended, and steps from there, instead of
// halving the whole list. Visits the same parts as ForEachClipPart.
template <typename Visit>
void ForEachClipPartFrom(const Region& clip, const RECT& rect, std::size_t& hint, Visit&& visit) {
    const std::vector<RECT>& rects = clip.Rects();
    std::size_t i = std::min(hint, rects.size());
    while (i < rects.size() && rects[i].bottom <= rect.top)
        ++i;
    while (i > 0 && rects[i - 1].bottom > rect.top)
        --i;
    hint = i;
    for (; i < rects.size() && rects[i].top < rect.bottom; ++i) {
        const RECT part{std::max(rect.left, rects[i].left), std::max(rect.top, rects[i].top),
                        std::min(rect.right, rects[i].right), std::min(rect.bottom, rects[i].bottom)};
        if (part.left < part.right && part.top < part.bottom)
            visit(static_cast<const RECT&>(part));
    }
}

// Whether pixels lie in a clip region, for pixels whose rows come in order
// (down or up, as along a line): the band of the last row asked is kept, and
// the next row's band is found by stepping from it (the first by FirstRectBelow).
class ClipCursor {
  public:
    explicit ClipCursor(const Region& clip) : rects_(clip.Rects()) {}
    bool Contains(int x, int y) {
        if (!sought_ || y != row_)
            Seek(y);
        for (std::size_t i = first_; i < end_; ++i)
            if (x >= rects_[i].left && x < rects_[i].right)
                return true;
        return false;
    }

  private:
    void Seek(int y) {
        const std::size_t count = rects_.size();
        std::size_t i = first_;
        if (!sought_)
            i = FirstRectBelow(rects_, y);
        while (i < count && rects_[i].bottom <= y)
            ++i;
        while (i > 0 && rects_[i - 1].bottom > y)
            --i;
        // i is the first rectangle of the band holding y, or of the next band below.
        first_ = end_ = i;
        if (i < count && rects_[i].top <= y)
            while (end_ < count && rects_[end_].top == rects_[i].top)
                ++end_;
        row_ = y;
        sought_ = true;
    }
    const std::vector<RECT>& rects_;
    std::size_t first_ = 0, end_ = 0; // the rectangles of row_'s band (none when no band holds it)
    int row_ = 0;
    bool sought_ = false;
};

// Calls visit(const RECT&) for each visible part of rect (inside the surface
// and the clip region); costs no allocation.
template <typename Visit> void ForEachVisibleRect(const DcObject& dc, RECT rect, Visit&& visit) {
    if (!dc.surface)
        return;
    if (rect.left < 0)
        rect.left = 0;
    if (rect.top < 0)
        rect.top = 0;
    if (rect.right > dc.surface->width)
        rect.right = dc.surface->width;
    if (rect.bottom > dc.surface->height)
        rect.bottom = dc.surface->height;
    if (rect.left >= rect.right || rect.top >= rect.bottom)
        return;
    if (dc.clip) {
        ForEachClipPart(*dc.clip, rect, visit);
        return;
    }
    visit(static_cast<const RECT&>(rect));
}

// Rows of at most this many pixels are stored in place rather than by FillPixels.
constexpr int kShortRun = 16;

// Sets the pixels of r, which lies on a 32-bit surface, to value. Short rows
// (a vertical line's column, a glyph's run) are stored in place, as a call
// per row would cost more than the pixels; longer ones go to FillPixels. A
// single long row (a rectangle of a gradient) is one call and nothing else.
void FillLongRows32(Surface& surface, const RECT& r, Pixel pixel);
inline void FillRows32(Surface& surface, const RECT& r, Pixel value) {
    const int count = r.right - r.left;
    const Pixel pixel = value;
    if (count > kShortRun) {
        if (r.bottom - r.top == 1) {
            FillPixels(reinterpret_cast<Pixel*>(surface.Row(r.top)) + r.left, static_cast<std::size_t>(count), pixel);
            return;
        }
        const RECT rows = r; // a copy: the caller's rectangle may stay in registers
        FillLongRows32(surface, rows, pixel);
        return;
    }
    for (int y = r.top; y < r.bottom; ++y) {
        Pixel* row = reinterpret_cast<Pixel*>(surface.Row(y)) + r.left;
        for (int i = 0; i < count; ++i)
            row[i] = pixel;
    }
}

// Sets the visible pixels of one row r (on a 32-bit surface) to value: the
// parts of r in the clip region's band of that row.
void FillRowClipped32(Surface& surface, const Region& clip, const RECT& r, Pixel value);

// Sets every visible pixel of rect to value (a device value): the span form
// of PutPixel, one clip test per band and one fill per row. A 32-bit surface
// is filled here when unclipped, and in FillRowClipped32 for one clipped row;
// everything else in FillVisibleInGeneral.
void FillVisibleInGeneral(DcObject& dc, const RECT& rect, Pixel value);
inline void FillVisible(DcObject& dc, const RECT& rect, Pixel value) {
    Surface* surface = dc.surface.get();
    if (!surface || surface->bitsPerPixel != 32) [[unlikely]] {
        const RECT general = rect; // a copy: the caller's rectangle may stay in registers
        FillVisibleInGeneral(dc, general, value);
        return;
    }
    const RECT r{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, surface->width),
                 std::min(rect.bottom, surface->height)};
    if (r.left >= r.right || r.top >= r.bottom)
        return;
    if (!dc.clip)
        FillRows32(*surface, r, value);
    else if (r.bottom - r.top == 1)
        FillRowClipped32(*surface, *dc.clip, r, value);
    else
        FillVisibleInGeneral(dc, r, value);
}
// The same for rectangles that come along a path; hint as for ForEachClipPartFrom.
void FillVisibleFrom(DcObject& dc, const RECT& rect, Pixel value, std::size_t& hint);

// A brush as device values of the DC it paints on.
struct BrushPattern {
    bool hollow = true;
    // A brush the layer does not paint on this surface: a colour pattern
    // (from a 32-bit bitmap or a 1-bpp DIB section) on a monochrome surface,
    // which Windows dithers. It paints nothing, and the call fails.
    bool unsupported = false;
    Pixel solid = 0;
    std::shared_ptr<const Surface> tile; // pattern brushes
    Pixel tileZero = 0;                  // monochrome tiles: what 0 and 1 become
    Pixel tileOne = 0;
    bool IsSolid() const { return !hollow && !tile; }
    void Row(int x, int y, int count, Pixel* out) const;
};

// brush may also be a system colour index + 1, as Windows allows for FillRect.
BrushPattern PatternOf(const DcObject& dc, HBRUSH brush);
BrushPattern SolidPattern(const DcObject& dc, COLORREF color);

// The pixels a PatBlt of (x, y, width, height) covers, also for negative extents.
RECT PatBltArea(int x, int y, int width, int height);

// Raster operation with the brush only (no source), clipped.
void PatternRop(DcObject& dc, RECT rect, const BrushPattern& pattern, BYTE rop);
void PatternRopRegion(DcObject& dc, const Region& region, const BrushPattern& pattern, BYTE rop);

// How a source's pixels become the destination's format.
struct SourceConversion {
    // Monochrome sources: what 0 and 1 bits become (colours on a 32-bit
    // destination, bits on a monochrome one).
    Pixel monoZero = 0;
    Pixel monoOne = 1;
    // Colour sources onto a monochrome destination: with a colour table
    // (toTable), each pixel takes the nearest entry of table; without, pixels
    // equal to sourceBackground in all 32 bits become 1, all others 0.
    bool toTable = false;
    COLORREF table[2] = {};
    Pixel sourceBackground = 0;
    bool IsIdentity(int sourceBpp, int destBpp) const {
        return sourceBpp == destBpp && (sourceBpp == 32 || (monoZero == 0 && monoOne == 1));
    }
    Pixel Convert(Pixel value, int sourceBpp, int destBpp) const {
        if (sourceBpp == 1)
            return value ? monoOne : monoZero;
        if (destBpp == 32)
            return value;
        if (toTable)
            return NearestEntry(table, PixelToColor32(value));
        return value == sourceBackground ? 1u : 0u;
    }
};
// The Windows rules, measured under Wine. A monochrome source shows its own
// colour table when it is a DIB section, else the destination's text (0) and
// background (1) colours; those colours reach a monochrome destination as its
// nearest table entries, except that between two device-dependent bitmaps
// the bits are copied, and that a DIB section onto a device-dependent bitmap
// gives 1 where its bit is the entry nearest to the source's background
// colour. A colour source onto a DIB section takes the nearest entry, onto a
// device-dependent bitmap 1 where it equals the source's background colour.
SourceConversion ConversionFor(const DcObject& dest, const Surface& source, COLORREF sourceBackground);
// Icons: the mask's 0 and 1 bits are black and white whatever the DC's
// colours, and the colour image onto a device-dependent monochrome bitmap
// gives 1 where it is white.
SourceConversion BlackWhiteConversion(const Surface& target);

struct BlitGeometry {
    int x, y, width, height;                         // destination, widths may be negative (mirror)
    int sourceX, sourceY, sourceWidth, sourceHeight; // source, likewise
};
// The one blit routine: copies (and stretches) from source through the ROP
// with the DC's brush. Pixels whose source lies outside the source surface
// are left alone. When shrinking, stretchMode decides how dropped pixels
// count: BLACKONWHITE ANDs them in, WHITEONBLACK ORs them in, COLORONCOLOR
// drops them (nearest pixel). HALFTONE interpolates between source pixels,
// growing and shrinking alike (Halftone.cpp).
// False when the layer does not do what is asked (HALFTONE onto a 1-bpp DIB
// section); nothing is drawn then.
bool SourceRop(DcObject& dest, const BlitGeometry& geometry, const Surface& source,
               const SourceConversion& conversion, const BrushPattern& pattern, BYTE rop,
               int stretchMode = COLORONCOLOR);

// FrameRgn's two roads: the general frame of any width and height, made by
// eroding the region, and the one-pixel frame painted band by band (false
// when the region is too complex for it; nothing is painted then).
void FrameRegion(DcObject& dc, const Region& region, const BrushPattern& pattern, int width, int height);
bool FrameRegionOnePixel(DcObject& dc, const Region& region, const BrushPattern& pattern);

// A pixel in the DC's format, if visible.
void PutPixel(DcObject& dc, int x, int y, Pixel value);

} // namespace gdi::detail
