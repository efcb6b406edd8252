// Elliptic regions, row by row.
//
// The ellipse is the one inscribed in the rectangle [left, right) x [top,
// bottom): a box of w x h pixels, semi-axes w/2 and h/2. A pixel belongs to
// the region when its centre lies inside or on the ellipse. With the pixel
// (x, y) counted from the box's corner and everything doubled to stay in
// integers, that is
//
//     (2x + 1 - w)^2 * h^2  +  (2y + 1 - h)^2 * w^2  <=  w^2 * h^2.
//
// No pixel centre ever lies exactly on the ellipse (that would need a
// Pythagorean triple with both legs even), so the rule is unambiguous.
// The shape is symmetric in both axes, 1 x 1 gives one pixel, 2 x 2
// and 3 x 3 give full squares (their corner centres lie inside the ellipse),
// 4 x 4 loses its four corners, and an empty box gives an empty region.
// Each row is one span, found by a square root and corrected exactly.
#include "platform/gdi/region/Region.h"
#include "platform/gdi/region/RegionBands.h"

#include <algorithm>
#include <cmath>

namespace gdi::detail {

namespace {

__extension__ typedef __int128 WideInt; // products of three coordinates

// The largest m <= w - 1 with m = w - 1 (mod 2) and m^2 h^2 <= w^2 q, or -1.
// m is the distance, in half pixels, from the box's centre line to the
// centre of the row's outermost pixel, so the row keeps the pixels whose
// centres are at most m half pixels from the middle.
long long OutermostCentreOffset(long long w, long long h, long long q) {
    const WideInt limit = static_cast<WideInt>(w) * w * q;
    const auto fits = [&](long long m) { return static_cast<WideInt>(m) * m * h * h <= limit; };
    long long m = static_cast<long long>(std::sqrt(static_cast<double>(q)) * static_cast<double>(w) /
                                         static_cast<double>(h));
    m = std::min(m, w - 1);
    while (m >= 0 && !fits(m)) {
        --m;
    }
    while (m + 1 <= w - 1 && fits(m + 1)) {
        ++m;
    }
    if (m >= 0 && (m - (w - 1)) % 2 != 0) {
        --m;
    }
    return m;
}

} // namespace

Region Region::FromEllipse(int left, int top, int right, int bottom) {
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
    const long long w = static_cast<long long>(right) - left;
    const long long h = static_cast<long long>(bottom) - top;
    if (w <= 0 || h <= 0 || h > kMaxShapeHeight) {
        return Region();
    }
    BandBuilder builder;
    std::vector<Span> row(1);
    for (long long y = 0; y < h; ++y) {
        const long long v = 2 * y + 1 - h;
        const long long m = OutermostCentreOffset(w, h, h * h - v * v);
        if (m < 0) {
            continue; // a narrow ellipse's end rows hold no pixel centre
        }
        const long long inset = (w - 1 - m) / 2;
        row[0] = Span{static_cast<int>(left + inset), static_cast<int>(right - inset)};
        const int rowTop = static_cast<int>(top + y);
        builder.AddBand(rowTop, rowTop + 1, row);
    }
    return Region(builder.Take());
}

} // namespace gdi::detail
