// Elliptic regions and the outline rows that Ellipse and Arc share with them.
//
// The ellipse of a box of w x h pixels passes through the centres of the
// box's outermost pixels: with coordinates doubled and counted from the box's
// centre (pixel x sits at X = 2x + 1 - w), its semi-axes are A = w - 1 and
// B = h - 1 and F(X, Y) = X^2 B^2 + Y^2 A^2 - A^2 B^2 is zero on it.
//
// Windows does not pick the pixels nearest to that curve, nor those whose
// centres lie inside it; measured against it, the outline is traced step by
// step, one quadrant from the end of the horizontal axis (X = A, the middle
// row) up to the top: from each pixel the tracer moves one pixel up, one
// pixel towards the centre, or both, whichever lands where |F| is smallest
// (the diagonal move wins a tie, then the upward one). The trace stops on
// reaching the top row's middle pixel, or when it would cross the vertical
// axis. The other three quadrants are mirror images; a row's outline is the
// run of traced pixels on it, and the filled shape spans from the leftmost
// to the rightmost outline pixel. The trace never steps across the vertical
// axis: on an odd width it ends where it reaches the middle column, on an
// even width it climbs the innermost column only while inside the ellipse
// (F <= 0), which shapes the ends of tall, narrow ellipses.
//
// This reproduces every measured box from three pixels wide up to the
// button sizes; boxes two pixels wide differ from Windows on a few rows.
//
// Ellipse and Arc draw the same trace, except that boxes one or two pixels
// wide are drawn on every row (measured on every box up to 24 x 24).
#include "platform/gdi/region/Region.h"
#include "platform/gdi/region/RegionBands.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace gdi::detail {

namespace {

__extension__ typedef __int128 WideInt; // products of four coordinates

// Boxes wider than this fall back to the pixel-centre rule below, so that a
// giant box costs one square root per row instead of a step per column.
constexpr long long kMaxTracedWidth = 1 << 24;

// The largest m <= w - 1 with m = w - 1 (mod 2) and m^2 h^2 <= w^2 q, or -1:
// the doubled distance from the centre line to the centre of the row's
// outermost pixel whose centre lies inside the ellipse inscribed in the box.
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

std::vector<EllipseRow> CentreRuleRows(long long w, long long h) {
    std::vector<EllipseRow> rows(static_cast<std::size_t>((h + 1) / 2));
    for (long long y = 0; y < static_cast<long long>(rows.size()); ++y) {
        const long long v = 2 * y + 1 - h;
        const long long m = OutermostCentreOffset(w, h, h * h - v * v);
        if (m >= 0) {
            const long long outer = (w - 1 - m) / 2;
            rows[static_cast<std::size_t>(y)] = EllipseRow{outer, outer};
        }
    }
    return rows;
}

} // namespace

namespace {

// The trace itself, in an integer type wide enough for F at the box's size.
template <class Int> void Trace(long long w, long long h, std::vector<EllipseRow>& rows) {
    const Int a2 = static_cast<Int>(w - 1) * (w - 1), b2 = static_cast<Int>(h - 1) * (h - 1);
    const Int limit = a2 * b2;
    // |F| at (x, y), from the two squares the step moves between.
    const auto error = [&](long long x, long long y) {
        const Int f = static_cast<Int>(x) * x * b2 + static_cast<Int>(y) * y * a2 - limit;
        return f < 0 ? -f : f;
    };
    const auto record = [&](long long x, long long y) {
        EllipseRow& row = rows[static_cast<std::size_t>((h - 1 - y) / 2)];
        const long long column = (w - 1 - x) / 2; // the left half's pixel
        if (row.outer < 0) {
            row = EllipseRow{column, column};
        } else {
            row.outer = std::min(row.outer, column);
            row.inner = std::max(row.inner, column);
        }
    };
    long long x = w - 1, y = (h - 1) % 2;
    const long long lowestX = (w - 1) % 2;
    for (;;) {
        record(x, y);
        if (y >= h - 1 && x <= lowestX) {
            return;
        }
        // Arrived at the middle column of an odd width: the trace ends there
        // (in a tall, narrow box this leaves the rows above it empty).
        if (x == 0 && w > 1) {
            return;
        }
        const bool canRise = y + 2 <= h - 1;
        const bool canTurn = x - 2 >= 0; // never across the vertical axis
        long long nextX = x, nextY = y;
        Int best = 0;
        bool chosen = false;
        const auto consider = [&](bool allowed, long long cx, long long cy) {
            if (!allowed) {
                return;
            }
            const Int e = error(cx, cy);
            if (!chosen || e < best) {
                best = e;
                nextX = cx;
                nextY = cy;
                chosen = true;
            }
        };
        consider(canRise && canTurn, x - 2, y + 2); // listed first: wins ties
        consider(canRise, x, y + 2);
        consider(canTurn, x - 2, y);
        if (!chosen) {
            return;
        }
        // In the innermost column of an even width the trace climbs only
        // while it stays inside the ellipse.
        if (x == 1 && nextX == x) {
            const Int f = static_cast<Int>(nextX) * nextX * b2 + static_cast<Int>(nextY) * nextY * a2 - limit;
            if (f > 0) {
                return;
            }
        }
        x = nextX;
        y = nextY;
    }
}

} // namespace

std::vector<EllipseRow> EllipseOutlineRows(long long w, long long h, OutlineUse use) {
    if (w <= 0 || h <= 0) {
        return {};
    }
    if (use == OutlineUse::Drawn && w <= 2) {
        // One or two pixels wide: Ellipse draws every row of the box.
        return std::vector<EllipseRow>(static_cast<std::size_t>((h + 1) / 2), EllipseRow{0, 0});
    }
    if (w > kMaxTracedWidth) {
        return CentreRuleRows(w, h);
    }
    std::vector<EllipseRow> rows(static_cast<std::size_t>((h + 1) / 2));
    // F stays below 2^57 in 64 bits while both sides are at most 2^14.
    constexpr long long kNarrowSide = 1 << 14;
    if (w <= kNarrowSide && h <= kNarrowSide) {
        Trace<long long>(w, h, rows);
    } else {
        Trace<WideInt>(w, h, rows);
    }
    return rows;
}

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
    const std::vector<EllipseRow> rows = EllipseOutlineRows(w, h);
    // Windows keeps an elliptic region as one rectangle per row, even where
    // neighbouring rows cover the same columns, and a rectangle of no width
    // for an end row without pixels: such a region counts as complex from two
    // rows on (the region of (0, 0, 3, 3) is a 2 x 2 square of two
    // rectangles), its box takes in the empty rows, and it compares unequal
    // to the same pixels built from rectangles. That layout is kept beside
    // the merged bands, which every operation works on. An ellipse one pixel
    // wide is a single rectangle.
    if (w == 1) {
        return FromRect(left, top, right, bottom);
    }
    std::vector<RECT> layout;
    layout.reserve(static_cast<std::size_t>(h));
    BandBuilder builder;
    std::vector<Span> row(1);
    for (long long y = 0; y < h; ++y) {
        const EllipseRow& r = rows[static_cast<std::size_t>(std::min(y, h - 1 - y))];
        const int rowTop = static_cast<int>(top + y);
        if (r.outer < 0) {
            const int middle = static_cast<int>(left + w / 2);
            layout.push_back(RECT{middle, rowTop, middle, rowTop + 1});
            continue;
        }
        row[0] = Span{static_cast<int>(left + r.outer), static_cast<int>(right - r.outer)};
        layout.push_back(RECT{row[0].left, rowTop, row[0].right, rowTop + 1});
        builder.AddBand(rowTop, rowTop + 1, row);
    }
    Region region(builder.Take());
    if (layout.size() != region.rects_.size()) {
        region.layout_ = std::make_shared<const std::vector<RECT>>(std::move(layout));
    }
    return region;
}

} // namespace gdi::detail
