// The HRGN interface over the banded region engine, clip regions of DCs, and
// painting regions (FillRgn, FrameRgn, PaintRgn).
#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/Raster.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace gdi {

using namespace detail;

namespace {

constexpr int kMaxPolygonPoints = 1 << 20;
constexpr int kMaxFrameWidth = 4096;

} // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return AddRegion(Region::FromRect(left, top, right, bottom));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
    return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : 0;
}

// Windows makes elliptic regions one pixel smaller at the right and bottom
// than the rectangle passed: the region of (0, 0, W, H) covers the pixels that
// Ellipse(0, 0, W - 1, H - 1) fills, and an Arc over (0, 0, W - 1, H - 1)
// outlines it.
HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    // (Even an empty box at (0, 0) gives the pixel (-1, -1) so.) A right or
    // bottom of INT_MIN has no pixel before it: the region is empty then.
    constexpr int kLowest = std::numeric_limits<int>::min();
    return AddRegion(Region::FromEllipse(left, top, right == kLowest ? right : right - 1,
                                         bottom == kLowest ? bottom : bottom - 1));
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    if (!points || count < 0 || count > kMaxPolygonPoints || (fillMode != ALTERNATE && fillMode != WINDING))
        return 0;
    return AddRegion(Region::FromPolygon(points, count, fillMode));
}

BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
    RegionObject* object = FindRegion(region);
    if (!object)
        return FALSE;
    object->region = Region::FromRect(left, top, right, bottom);
    return TRUE;
}

int CombineRgn(HRGN dest, HRGN source1, HRGN source2, int mode) {
    RegionObject* target = FindRegion(dest);
    const RegionObject* a = FindRegion(source1);
    if (!target || !a || mode < RGN_AND || mode > RGN_COPY)
        return ERROR;
    if (mode == RGN_COPY) {
        target->region = a->region;
        return target->region.Kind();
    }
    const RegionObject* b = FindRegion(source2);
    if (!b)
        return ERROR;
    // Computed aside first: dest may be one of the sources.
    Region result = Region::Combine(a->region, b->region, mode);
    target->region = std::move(result);
    return target->region.Kind();
}

int OffsetRgn(HRGN region, int x, int y) {
    RegionObject* object = FindRegion(region);
    // A move that would carry an edge out of the coordinate range fails and
    // leaves the region where it was.
    if (!object || !object->region.CanOffset(x, y))
        return ERROR;
    object->region.Offset(x, y);
    return object->region.Kind();
}

int GetRgnBox(HRGN region, RECT* rect) {
    const RegionObject* object = FindRegion(region);
    if (!object || !rect)
        return ERROR;
    *rect = object->region.Bounds();
    return object->region.Kind();
}

BOOL PtInRegion(HRGN region, int x, int y) {
    const RegionObject* object = FindRegion(region);
    return object && object->region.Contains(x, y) ? TRUE : FALSE;
}

BOOL EqualRgn(HRGN a, HRGN b) {
    const RegionObject* first = FindRegion(a);
    const RegionObject* second = FindRegion(b);
    return first && second && first->region == second->region ? TRUE : FALSE;
}

DWORD GetRegionData(HRGN region, DWORD size, RGNDATA* data) {
    const RegionObject* object = FindRegion(region);
    if (!object)
        return 0;
    const auto& rects = object->region.Layout();
    const DWORD rectBytes = static_cast<DWORD>(rects.size() * sizeof(RECT));
    const DWORD needed = static_cast<DWORD>(sizeof(RGNDATAHEADER)) + rectBytes;
    if (!data)
        return needed;
    if (size < needed)
        return 0;
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(rects.size());
    data->rdh.nRgnSize = rectBytes;
    data->rdh.rcBound = object->region.Bounds();
    if (!rects.empty())
        std::memcpy(data->Buffer, rects.data(), rectBytes);
    return needed;
}

int SelectClipRgn(HDC hdc, HRGN region) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return ERROR;
    // The DC keeps its own copy; the storage of a removed clip is kept for
    // the next one, so clipping on and off in every paint allocates nothing.
    if (region == 0) {
        if (dc->clip) {
            dc->spareClip = std::move(*dc->clip);
            dc->clip.reset();
        }
        return SIMPLEREGION;
    }
    const RegionObject* object = FindRegion(region);
    if (!object)
        return ERROR;
    if (!dc->clip)
        dc->clip.emplace(std::move(dc->spareClip));
    *dc->clip = object->region;
    return dc->clip->Kind();
}

int GetClipRgn(HDC hdc, HRGN region) {
    const DcObject* dc = FindDc(hdc);
    RegionObject* object = FindRegion(region);
    if (!dc || !object)
        return -1;
    if (!dc->clip)
        return 0;
    object->region = *dc->clip;
    return 1;
}

BOOL FillRgn(HDC hdc, HRGN region, HBRUSH brush) {
    DcObject* dc = FindDc(hdc);
    const RegionObject* object = FindRegion(region);
    if (!dc || !object || !FindBrush(brush))
        return FALSE;
    const BrushPattern pattern = PatternOf(*dc, brush);
    if (pattern.unsupported)
        return FALSE;
    PatternRopRegion(*dc, object->region, pattern, RopIndex(PATCOPY));
    return TRUE;
}

BOOL PaintRgn(HDC hdc, HRGN region) {
    DcObject* dc = FindDc(hdc);
    return dc ? FillRgn(hdc, region, dc->brush) : FALSE;
}

namespace {

Region Shifted(Region region, int steps, bool horizontal) {
    region.Offset(horizontal ? steps : 0, horizontal ? 0 : steps);
    return region;
}

// The pixels whose shifts by 0..steps along one axis all lie in the region,
// in O(log steps) combinations: the range of shifts is halved each time.
Region SweptIntersection(const Region& region, int steps, bool horizontal) {
    if (steps == 0)
        return region;
    if (steps % 2 == 1) {
        const int half = steps / 2;
        const Region lower = SweptIntersection(region, half, horizontal);
        return Region::Combine(lower, Shifted(lower, half + 1, horizontal), RGN_AND);
    }
    return Region::Combine(SweptIntersection(region, steps - 1, horizontal),
                           Shifted(region, steps, horizontal), RGN_AND);
}

} // namespace

namespace detail {

// The frame is the region minus the region eroded by width horizontally and
// height vertically: every pixel of the region within that distance of its
// outside, straight left, right, up or down.
void FrameRegion(DcObject& dc, const Region& shape, const BrushPattern& pattern, int width, int height) {
    const Region across = Shifted(SweptIntersection(shape, 2 * width, true), -width, true);
    const Region down = Shifted(SweptIntersection(shape, 2 * height, false), -height, false);
    const Region eroded = Region::Combine(across, down, RGN_AND);
    PatternRopRegion(dc, Region::Combine(shape, eroded, RGN_DIFF), pattern, RopIndex(PATCOPY));
}

namespace {

// The rectangles of one band of a region (they share its top and bottom); empty when first == last.
struct BandView {
    const RECT* first = nullptr;
    const RECT* last = nullptr;
};

// Paints the frame pixels of row y, whose spans are row's: a pixel stays
// unframed when both side neighbours are in its span and the pixels above
// and below lie in the rows above and below.
void FrameRow(DcObject& dc, const BrushPattern& pattern, int y, BandView row, BandView above,
              BandView below) {
    const auto paint = [&](int left, int right) {
        PatternRop(dc, RECT{left, y, right, y + 1}, pattern, RopIndex(PATCOPY));
    };
    for (const RECT* span = row.first; span != row.last; ++span) {
        const int innerLeft = span->left + 1, innerRight = span->right - 1;
        int x = span->left; // pixels left of x are painted or unframed
        // The parts of above AND below inside the span's inner pixels, left to right.
        const RECT* a = above.first;
        const RECT* b = below.first;
        while (a != above.last && b != below.last) {
            const int low = std::max({a->left, b->left, innerLeft});
            const int high = std::min({a->right, b->right, innerRight});
            if (low < high) {
                if (x < low)
                    paint(x, low);
                x = high;
            }
            if (a->right < b->right)
                ++a;
            else
                ++b;
        }
        if (x < span->right)
            paint(x, span->right);
    }
}

} // namespace

// The one-pixel frame band by band, without building regions: each band's
// first and last rows against the neighbouring bands, its rows between them
// only at the ends of its spans. Paints what FrameRegion paints for a width
// and height of 1. Returns false, painting nothing, for regions with so many
// rectangles that comparing rows span by span would cost more.
bool FrameRegionOnePixel(DcObject& dc, const Region& shape, const BrushPattern& pattern) {
    constexpr std::size_t kMaxRects = 1024;
    const std::vector<RECT>& rects = shape.Rects();
    if (rects.size() > kMaxRects)
        return false;
    const RECT* end = rects.data() + rects.size();
    const auto bandFrom = [end](const RECT* first) {
        const RECT* last = first;
        while (last != end && last->top == first->top)
            ++last;
        return BandView{first, last};
    };
    BandView previous;
    BandView band = rects.empty() ? BandView{} : bandFrom(rects.data());
    while (band.first != band.last) {
        const BandView next = band.last != end ? bandFrom(band.last) : BandView{};
        const int top = band.first->top, bottom = band.first->bottom;
        const BandView above =
            previous.first != previous.last && previous.first->bottom == top ? previous : BandView{};
        const BandView below = next.first != next.last && next.first->top == bottom ? next : BandView{};
        FrameRow(dc, pattern, top, band, above, bottom - top > 1 ? band : below);
        if (bottom - top > 2) {
            for (const RECT* span = band.first; span != band.last; ++span) {
                PatternRop(dc, RECT{span->left, top + 1, span->left + 1, bottom - 1}, pattern,
                           RopIndex(PATCOPY));
                PatternRop(dc, RECT{span->right - 1, top + 1, span->right, bottom - 1}, pattern,
                           RopIndex(PATCOPY));
            }
        }
        if (bottom - top > 1)
            FrameRow(dc, pattern, bottom - 1, band, band, below);
        previous = band;
        band = next;
    }
    return true;
}

} // namespace detail

BOOL FrameRgn(HDC hdc, HRGN region, HBRUSH brush, int width, int height) {
    DcObject* dc = FindDc(hdc);
    const RegionObject* object = FindRegion(region);
    if (!dc || !object || !FindBrush(brush))
        return FALSE;
    if (width < 1 || height < 1 || width > kMaxFrameWidth || height > kMaxFrameWidth)
        return FALSE;
    const BrushPattern pattern = PatternOf(*dc, brush);
    if (pattern.unsupported)
        return FALSE;
    if (width == 1 && height == 1 && FrameRegionOnePixel(*dc, object->region, pattern))
        return TRUE;
    FrameRegion(*dc, object->region, pattern, width, height);
    return TRUE;
}

} // namespace gdi
