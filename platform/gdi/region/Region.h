// Pixel sets kept as y-x banded rectangles, the model Windows regions use:
// horizontal bands from top to bottom, each a sorted list of disjoint
// [left, right) spans sharing the band's [top, bottom). Right and bottom
// edges are excluded, as for every rectangle in this layer.
#pragma once

#include "platform/gdi/gdi.h"

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace gdi::detail {

// One row of an ellipse's outline in the left half of its box, as pixel
// offsets from the box's left edge: the outline covers [outer, inner] and its
// mirror image on the right; outer is -1 on a row the ellipse leaves empty.
struct EllipseRow {
    long long outer = -1;
    long long inner = -1;
};

// Elliptic regions and drawn ellipses trace the same outline, except on the
// vertical axis of narrow boxes (see RegionEllipse.cpp).
enum class OutlineUse { Region, Drawn };

// The rows of the top half (row 0 first, (h + 1) / 2 of them) of the outline
// of an ellipse in a box of w x h pixels; the bottom half mirrors them.
std::vector<EllipseRow> EllipseOutlineRows(long long w, long long h, OutlineUse use = OutlineUse::Region);

class Region {
  public:
    // Ellipses and polygons taller than this are refused (they come back
    // empty): every row becomes a band, and an absurd height would otherwise
    // exhaust memory instead of failing.
    static constexpr long long kMaxShapeHeight = 1 << 20;

    Region() = default;

    static Region FromRect(int left, int top, int right, int bottom); // normalises swapped edges
    static Region FromEllipse(int left, int top, int right,
                              int bottom); // inscribed in [left,right)x[top,bottom)
    static Region FromPolygon(const POINT* points, int count, int fillMode); // ALTERNATE / WINDING
    // RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF; RGN_COPY returns a. Any other mode
    // gives an empty region; the caller reports such a mode as ERROR.
    static Region Combine(const Region& a, const Region& b, int mode);

    int Kind() const; // NULLREGION, SIMPLEREGION or COMPLEXREGION
    bool Empty() const { return rects_.empty(); }
    RECT Bounds() const; // all zero when empty
    bool Contains(int x, int y) const;
    void Offset(int dx, int dy);          // leaves the region unchanged when !CanOffset(dx, dy)
    bool CanOffset(int dx, int dy) const; // false when a moved edge would leave the int range
    bool operator==(const Region& other) const { return EqualRects(other); }

    // The rectangles in banded order: top to bottom, then left to right.
    const std::vector<RECT>& Rects() const { return rects_; }
    // The rectangles as Windows keeps them, which GetRegionData reports and
    // EqualRgn, the region's type and its box go by: the same as Rects(),
    // except for elliptic regions, kept as one rectangle per row.
    const std::vector<RECT>& Layout() const { return layout_ ? *layout_ : rects_; }
    // Appends the parts of rect that lie inside the region, in banded order.
    void ClipRect(const RECT& rect, std::vector<RECT>& out) const;
    // Calls span(left, right) for every span of row y, left to right.
    void ForEachSpan(int y, const std::function<void(int left, int right)>& span) const;

  private:
    // Takes rectangles that are already canonical (see RegionBands.h).
    explicit Region(std::vector<RECT> rects) : rects_(std::move(rects)) {}

    bool EqualRects(const Region& other) const;
    std::vector<RECT> rects_;
    std::shared_ptr<const std::vector<RECT>> layout_; // null: the same as rects_
};

} // namespace gdi::detail
