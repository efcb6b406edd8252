// Single pixels and the rectangle helpers of the window system that paint:
// SetPixel, GetPixel, FillRect, FrameRect, InvertRect and DrawFocusRect.
#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/ColorRules.h"
#include "platform/gdi/internal/Raster.h"

#include <algorithm>

namespace gdi {

using namespace detail;

namespace {

RECT AreaOf(const RECT& r) {
    return PatBltArea(r.left, r.top, static_cast<int>(std::int64_t{r.right} - r.left),
                      static_cast<int>(std::int64_t{r.bottom} - r.top));
}

} // namespace

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    DcObject* dc = FindDc(hdc);
    if (!dc || !dc->surface || !IsImplementedColor(color))
        return CLR_INVALID;
    // A pixel outside the surface or the clip region is not painted, but the
    // call still answers with the colour it would have set: on a monochrome
    // surface the nearest colour of its table.
    const Pixel value = ColorToPixel(color, *dc->surface);
    if (IsVisible(*dc, x, y))
        FormatOf(*dc->surface).set(*dc->surface, x, y, value);
    return PixelToColor(value, *dc->surface);
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    const DcObject* dc = FindDc(hdc);
    if (!dc || !IsVisible(*dc, x, y))
        return CLR_INVALID;
    return PixelToColor(FormatOf(*dc->surface).get(*dc->surface, x, y), *dc->surface);
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DcObject* dc = FindDc(hdc);
    if (!dc || !rect)
        return 0;
    const BrushPattern pattern = PatternOf(*dc, brush);
    if ((pattern.hollow && !FindBrush(brush)) || pattern.unsupported)
        return 0;
    // Reversed rectangles fill as PatBlt does with the negative extents.
    PatternRop(*dc, AreaOf(*rect), pattern, RopIndex(PATCOPY));
    return 1;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DcObject* dc = FindDc(hdc);
    if (!dc || !rect)
        return 0;
    const BrushPattern pattern = PatternOf(*dc, brush);
    if ((pattern.hollow && !FindBrush(brush)) || pattern.unsupported)
        return 0;
    const RECT r = ClampRect(*rect);
    if (r.left >= r.right || r.top >= r.bottom)
        return 0; // an empty or reversed frame fails
    const BYTE copy = RopIndex(PATCOPY);
    PatternRop(*dc, RECT{r.left, r.top, r.right, r.top + 1}, pattern, copy);
    PatternRop(*dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, pattern, copy);
    PatternRop(*dc, RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, pattern, copy);
    PatternRop(*dc, RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}, pattern, copy);
    return 1;
}

BOOL InvertRect(HDC hdc, const RECT* rect) {
    DcObject* dc = FindDc(hdc);
    if (!dc || !rect)
        return FALSE;
    PatternRop(*dc, AreaOf(*rect), BrushPattern{}, RopIndex(DSTINVERT));
    return TRUE;
}

// Every other pixel of the one-pixel border is inverted, and no pixel is
// touched twice, so a second call restores the picture.
BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
    DcObject* dc = FindDc(hdc);
    if (!dc || !rect)
        return FALSE;
    RECT r = ClampRect(*rect);
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    // A one-pixel rectangle has no border path: nothing is inverted.
    if (r.left >= r.right || r.top >= r.bottom || !dc->surface ||
        (r.right - r.left == 1 && r.bottom - r.top == 1))
        return TRUE;
    // The dots run from the top right corner, which is always inverted.
    const int phase = (r.right - 1 + r.top) & 1;
    const PixelFormat& format = FormatOf(*dc->surface);
    // Only the part of each edge on the surface is walked.
    const int firstX = std::max(r.left, 0), endX = std::min(r.right, dc->surface->width);
    const int firstY = std::max(r.top + 1, 0), endY = std::min(r.bottom - 1, dc->surface->height);
    // A border wholly visible on a 32-bit surface is inverted straight, without a clip test per pixel.
    const bool straight = dc->surface->bitsPerPixel == 32 && IsAllVisible(*dc, r);
    auto invert = [&](int x, int y) {
        if (((x + y) & 1) != phase)
            return;
        if (straight) {
            Pixel& pixel = reinterpret_cast<Pixel*>(dc->surface->Row(y))[x];
            pixel = ~pixel & format.mask;
        } else if (IsVisible(*dc, x, y)) {
            format.set(*dc->surface, x, y, ~format.get(*dc->surface, x, y) & format.mask);
        }
    };
    for (int x = firstX; x < endX; ++x) {
        invert(x, r.top);
        if (r.bottom - 1 > r.top)
            invert(x, r.bottom - 1);
    }
    for (int y = firstY; y < endY; ++y) {
        invert(r.left, y);
        if (r.right - 1 > r.left)
            invert(r.right - 1, y);
    }
    return TRUE;
}

} // namespace gdi
