// Pixel sets kept as y-x banded rectangles, the model Windows regions use:
// horizontal bands from top to bottom, each a sorted list of disjoint
// [left, right) spans sharing the band's [top, bottom). Right and bottom
// edges are excluded, as for every rectangle in this layer.
#pragma once

#include "platform/gdi/gdi.h"

#include <functional>
#include <vector>

namespace gdi::detail {

class Region {
public:
    Region() = default;

    static Region FromRect(int left, int top, int right, int bottom);  // normalises swapped edges
    static Region FromEllipse(int left, int top, int right, int bottom);  // CreateEllipticRgn pixels
    static Region FromPolygon(const POINT* points, int count, int fillMode);  // ALTERNATE / WINDING
    // RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF; RGN_COPY returns a.
    static Region Combine(const Region& a, const Region& b, int mode);

    int Kind() const;  // NULLREGION, SIMPLEREGION or COMPLEXREGION
    bool Empty() const { return rects_.empty(); }
    RECT Bounds() const;  // all zero when empty
    bool Contains(int x, int y) const;
    void Offset(int dx, int dy);
    bool operator==(const Region& other) const { return EqualRects(other); }

    // The rectangles in banded order: top to bottom, then left to right.
    const std::vector<RECT>& Rects() const { return rects_; }
    // Appends the parts of rect that lie inside the region, in banded order.
    void ClipRect(const RECT& rect, std::vector<RECT>& out) const;
    // Calls span(left, right) for every span of row y, left to right.
    void ForEachSpan(int y, const std::function<void(int left, int right)>& span) const;

private:
    bool EqualRects(const Region& other) const;
    std::vector<RECT> rects_;
};

}  // namespace gdi::detail
