#include "platform/gdi/internal/PenStroke.h"

#include "platform/gdi/internal/ColorRules.h"
#include "platform/gdi/region/Region.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gdi::detail {

namespace {

// Lines between far-apart 32-bit points need products beyond 64 bits.
__extension__ typedef __int128 Wide;

// The cosmetic dash patterns of Windows, in pixels: on, off, on, off...
constexpr int kDash[] = {18, 6};
constexpr int kDot[] = {3, 3};
constexpr int kDashDot[] = {9, 6, 3, 6};
constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};

} // namespace

PenStroke::PenStroke(DcObject& dc) : dc_(dc) {
    const PenObject* pen = dc.penObject;
    if (!pen || pen->style == PS_NULL || !dc.surface) {
        null_ = true;
        return;
    }
    width_ = pen->width;
    // On a monochrome surface by Windows' rule for foreground and background
    // (the gaps of a styled pen are the background).
    color_ = ForegroundPixel(*dc.surface, pen->color, dc.bkColor);
    background_ = BackgroundPixel(*dc.surface, pen->color, dc.bkColor);
    opaqueGaps_ = dc.bkMode == OPAQUE;
    // Styles apply to one-pixel pens only; wider pens draw solid.
    if (width_ == 1) {
        switch (pen->style) {
        case PS_DASH:
            dashes_ = kDash;
            dashCount_ = 2;
            break;
        case PS_DOT:
            dashes_ = kDot;
            dashCount_ = 2;
            break;
        case PS_DASHDOT:
            dashes_ = kDashDot;
            dashCount_ = 4;
            break;
        case PS_DASHDOTDOT:
            dashes_ = kDashDotDot;
            dashCount_ = 6;
            break;
        default:
            break;
        }
        if (dashCount_ > 0)
            dashLeft_ = dashes_[0];
    }
}

void PenStroke::Plot(int x, int y) {
    if (null_)
        return;
    if (dashCount_ == 0) {
        Stamp(x, y, color_);
        return;
    }
    const bool on = (dashIndex_ & 1) == 0;
    if (on) {
        Stamp(x, y, color_);
    } else if (opaqueGaps_) {
        Stamp(x, y, background_);
    }
    if (--dashLeft_ == 0) {
        dashIndex_ = (dashIndex_ + 1) % dashCount_;
        dashLeft_ = dashes_[dashIndex_];
    }
}

void PenStroke::Skip(std::int64_t count) {
    if (dashCount_ == 0 || count <= 0)
        return;
    int cycle = 0;
    for (int i = 0; i < dashCount_; ++i)
        cycle += dashes_[i];
    for (std::int64_t left = count % cycle; left > 0; --left) {
        if (--dashLeft_ == 0) {
            dashIndex_ = (dashIndex_ + 1) % dashCount_;
            dashLeft_ = dashes_[dashIndex_];
        }
    }
}

RECT PenStroke::Reach() const {
    if (null_)
        return RECT{0, 0, 0, 0};
    return RECT{-width_, -width_, dc_.surface->width + width_, dc_.surface->height + width_};
}

namespace {

// The path pixel i of a line: major step i, minor coordinate by the half-step rule.
struct LinePath {
    POINT a;
    std::int64_t steps, minorSteps;
    int sx, sy;
    bool xMajor;
    std::int64_t Minor(std::int64_t i) const {
        if (steps == 0)
            return 0; // a line of no length is its start point
        // An exact half step goes to the smaller coordinate, whichever way the
        // line runs: rounded down going forward, up going backward.
        const Wide halfRounding = (xMajor ? sy : sx) > 0 ? steps - 1 : steps;
        return static_cast<std::int64_t>((2 * Wide{i} * minorSteps + halfRounding) / (2 * Wide{steps}));
    }
    std::int64_t X(std::int64_t i) const { return a.x + sx * (xMajor ? i : Minor(i)); }
    std::int64_t Y(std::int64_t i) const { return a.y + sy * (xMajor ? Minor(i) : i); }
};

struct Point64 {
    std::int64_t x, y;
};

// The whole-pixel offsets of the two long sides of a slanted wide line. The
// exact offset is v = w / 2 * (dy, -dx) / |(dx, dy)|, taken on the side where
// it points to growing x; Windows moves that side outwards to the next whole
// pixel beyond v (one further when v is whole), and the opposite side -v to
// the nearest whole pixel (halves away from zero). Computed exactly with
// squares: c * w / (2 * length) for a coordinate c of (dy, -dx).
struct SideOffsets {
    std::int64_t ax, ay, bx, by;
};
SideOffsets SlantedSides(std::int64_t dx, std::int64_t dy, std::int64_t w) {
    const Wide lengthSquared = Wide{dx} * dx + Wide{dy} * dy;
    // floor(|c| w / (2 length)) and floor(|c| w / (2 length) + 1/2).
    const auto floorOf = [&](std::int64_t c) {
        const Wide target = Wide{c} * c * w * w;
        auto k = static_cast<std::int64_t>(std::abs(static_cast<double>(c)) * static_cast<double>(w) /
                                           (2.0 * std::sqrt(static_cast<double>(lengthSquared))));
        while (k > 0 && 4 * Wide{k} * k * lengthSquared > target)
            --k;
        while (4 * Wide{k + 1} * (k + 1) * lengthSquared <= target)
            ++k;
        return k;
    };
    const auto nearestOf = [&](std::int64_t c) {
        const Wide target = Wide{c} * c * w * w;
        std::int64_t k = floorOf(c);
        if (Wide{2 * k + 1} * (2 * k + 1) * lengthSquared <= target)
            ++k;
        return k;
    };
    // (cx, cy): (dy, -dx) turned to point to growing x.
    const std::int64_t cx = dy > 0 ? dy : -dy, cy = dy > 0 ? -dx : dx;
    const auto sign = [](std::int64_t v) { return v > 0 ? 1 : -1; };
    SideOffsets o;
    o.ax = floorOf(cx) + 1;
    o.ay = sign(cy) * (floorOf(cy) + 1);
    o.bx = -nearestOf(cx);
    o.by = -sign(cy) * nearestOf(cy);
    return o;
}

// A column bound of QuadRow, pulled into the 64-bit range (spans are clamped
// to the coordinate limit when painted anyway).
std::int64_t Narrow(Wide value) {
    constexpr Wide kLimit = Wide{1} << 62;
    return static_cast<std::int64_t>(value < -kLimit ? -kLimit : value > kLimit ? kLimit : value);
}

// The columns of row y inside the convex quadrilateral q (in order round
// it), as a polygon fill takes them: pixel (x, y) is inside when the point
// (x, y) is, and a point on an edge only when the edge faces left, or up for
// a horizontal edge. False when the row holds none.
bool QuadRow(const Point64 (&q)[4], std::int64_t y, RowSpan& span) {
    std::int64_t low = std::numeric_limits<std::int64_t>::min(),
                 high = std::numeric_limits<std::int64_t>::max();
    // The orientation: which side of each edge is inside.
    const Wide turn = Wide{q[1].x - q[0].x} * (q[2].y - q[0].y) - Wide{q[1].y - q[0].y} * (q[2].x - q[0].x);
    if (turn == 0)
        return false;
    const int sgn = turn > 0 ? 1 : -1;
    for (int i = 0; i < 4; ++i) {
        const Point64& a = q[i];
        const Point64& b = q[(i + 1) % 4];
        const std::int64_t ex = b.x - a.x, ey = b.y - a.y;
        // Inside: sgn * (ex (y - ay) - ey (x - ax)) > 0, or = 0 on an edge
        // whose outward normal sgn * (ey, -ex) points left (or up).
        const std::int64_t nx = sgn * ey, ny = -sgn * ex;
        const bool onEdgeIn = nx < 0 || (nx == 0 && ny < 0);
        const Wide k = sgn * (Wide{ex} * (y - a.y) + Wide{ey} * a.x); // f(x) = k - sgn ey x
        const Wide slope = Wide{sgn} * ey;
        if (slope == 0) {
            if (k < 0 || (k == 0 && !onEdgeIn))
                return false;
            continue;
        }
        if (slope > 0) {
            // x < k / slope (x <= when on-edge points count)
            Wide bound = k >= 0 ? k / slope : -((-k + slope - 1) / slope); // floor(k / slope)
            if (!onEdgeIn && bound * slope == k)
                --bound;
            high = std::min(high, Narrow(bound));
        } else {
            // x > k / slope, with slope < 0: x > k' / s' for s' = -slope > 0, k' = -k
            const Wide kk = -k, ss = -slope;
            Wide bound = kk >= 0 ? (kk + ss - 1) / ss : -((-kk) / ss); // ceil(kk / ss)
            if (!onEdgeIn && bound * ss == kk)
                ++bound;
            low = std::max(low, Narrow(bound));
        }
    }
    if (low > high)
        return false;
    span = RowSpan{low, high};
    return true;
}

// A wide solid line as Windows draws it: the pen's round tip (PenTip) at both
// ends, joined by the band between them. A horizontal or vertical band is the
// tip swept along the line. A slanted band is the quadrilateral between the
// two long sides, offset from the ends as SlantedSides tells, filled by the
// polygon rule of QuadRow. Joined segments of a polyline thus meet in round
// joins. Each surface row gets at most four spans: the cost follows the
// rows, not the pen's width.
void StrokeWideSegment(const PenStroke& pen, POINT a, POINT b) {
    DcObject& dc = pen.Dc();
    const PenTip tip(pen.Width());
    const std::int64_t w = tip.Width(), above = tip.Above(), below = w - 1 - above;
    const std::int64_t dx = std::int64_t{b.x} - a.x, dy = std::int64_t{b.y} - a.y;
    const bool slanted = dx != 0 && dy != 0;
    SideOffsets sides{};
    Point64 quad[4] = {};
    if (slanted) {
        sides = SlantedSides(dx, dy, w);
        quad[0] = Point64{a.x + sides.ax, a.y + sides.ay};
        quad[1] = Point64{b.x + sides.ax, b.y + sides.ay};
        quad[2] = Point64{b.x + sides.bx, b.y + sides.by};
        quad[3] = Point64{a.x + sides.bx, a.y + sides.by};
    }
    const std::int64_t top = std::min<std::int64_t>(a.y, b.y), bottom = std::max<std::int64_t>(a.y, b.y);
    const std::int64_t reach = std::max(above, below) + 1;
    const std::int64_t firstRow = std::max<std::int64_t>(top - reach, 0);
    const std::int64_t endRow = std::min<std::int64_t>(bottom + reach + 1, dc.surface->height);
    BrushPattern color;
    color.hollow = false;
    color.solid = pen.Color();
    for (std::int64_t y = firstRow; y < endRow; ++y) {
        RowSpan spans[4];
        int count = 0;
        for (const POINT end : {a, b}) {
            const std::int64_t row = y - end.y + above;
            if (row >= 0 && row < w) {
                spans[count++] = RowSpan{std::int64_t{end.x} + tip.Left(static_cast<int>(row)),
                                         std::int64_t{end.x} + tip.Right(static_cast<int>(row))};
            }
        }
        if (slanted) {
            if (QuadRow(quad, y, spans[count]))
                ++count;
        } else if (dy == 0 && count > 0) {
            // Horizontal: the tip's row swept from one end to the other.
            const int row = static_cast<int>(y - a.y + above);
            spans[count++] = RowSpan{std::min<std::int64_t>(a.x, b.x) + tip.Left(row),
                                     std::max<std::int64_t>(a.x, b.x) + tip.Right(row)};
        } else if (dx == 0) {
            // Vertical: the widest tip row among the path pixels reaching y.
            const std::int64_t firstTipRow = y - bottom + above, lastTipRow = y - top + above;
            if (firstTipRow < w && lastTipRow >= 0) {
                const int row = tip.WidestIn(static_cast<int>(std::max<std::int64_t>(firstTipRow, 0)),
                                             static_cast<int>(std::min<std::int64_t>(lastTipRow, w - 1)));
                spans[count++] =
                    RowSpan{std::int64_t{a.x} + tip.Left(row), std::int64_t{a.x} + tip.Right(row)};
            }
        }
        if (count > 0)
            PaintSpans(dc, static_cast<int>(y), spans, count, color);
    }
}

bool Within(const RECT& box, POINT p) {
    return p.x >= box.left && p.x < box.right && p.y >= box.top && p.y < box.bottom;
}

// Lines whose runs average at least this many steps are painted run by run,
// each run's end found by one division. Shorter runs are stepped through, and
// on 32-bit surfaces painted pixel by pixel: a run's setup would cost more
// than its pixels.
constexpr int kLongRuns = 8;

// A line of a solid one-pixel pen between points within the pen's reach
// (so that every coordinate fits an int), walked as StrokeLinePixelwise walks
// it: step i moves the major coordinate by i and the minor one by LinePath's
// half-step rule, found by stepping a remainder instead of dividing.
struct SolidLine {
    bool xMajor;
    int majorStart, majorSign, minorStart, minorSign;
    int steps, minorSteps;
    SolidLine(POINT a, POINT b) {
        const int dx = b.x - a.x, dy = b.y - a.y;
        const int adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
        xMajor = adx >= ady;
        majorStart = xMajor ? a.x : a.y;
        minorStart = xMajor ? a.y : a.x;
        majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
        minorSign = (xMajor ? dy : dx) < 0 ? -1 : 1;
        steps = xMajor ? adx : ady;
        minorSteps = xMajor ? ady : adx;
    }
};

// Calls run(low, high, at) for each run of steps that share a minor
// coordinate: major coordinates [low, high) at minor coordinate at (rows for
// lines that are mostly horizontal, columns for mostly vertical ones).
template <typename Run> void ForEachRun(const SolidLine& line, Run&& run) {
    const auto emit = [&](int first, int last, int minor) { // both painted, in the line's direction
        if (line.majorSign > 0)
            run(first, last + 1, minor);
        else
            run(last, first + 1, minor);
    };
    const auto majorAt = [&](int step) { return line.majorStart + line.majorSign * step; };
    if (line.minorSteps == 0) {
        emit(line.majorStart, majorAt(line.steps - 1), line.minorStart);
        return;
    }
    const int twoSteps = 2 * line.steps, twoMinorSteps = 2 * line.minorSteps;
    // 2 * i * minorSteps plus the half-step rounding, less the whole multiples
    // of twoSteps; the minor coordinate moves at the step where it reaches twoSteps.
    int remainder = line.minorSign > 0 ? line.steps - 1 : line.steps;
    int minor = line.minorStart, runStart = 0;
    if (line.steps >= kLongRuns * line.minorSteps) {
        // Long runs: the step where the next one starts by one division, not step by step.
        for (;;) {
            const int next = runStart + (twoSteps - remainder + twoMinorSteps - 1) / twoMinorSteps;
            if (next >= line.steps)
                break;
            remainder += (next - runStart) * twoMinorSteps - twoSteps;
            emit(majorAt(runStart), majorAt(next - 1), minor);
            minor += line.minorSign;
            runStart = next;
        }
    } else {
        for (int i = 1; i < line.steps; ++i) {
            remainder += twoMinorSteps;
            if (remainder >= twoSteps) {
                remainder -= twoSteps;
                emit(majorAt(runStart), majorAt(i - 1), minor);
                minor += line.minorSign;
                runStart = i;
            }
        }
    }
    emit(majorAt(runStart), majorAt(line.steps - 1), minor);
}

// Paints runs straight into an unclipped 32-bit surface, each cut to the surface.
class DirectRuns {
  public:
    DirectRuns(Surface& surface, Pixel ink, bool rows) : surface_(surface), ink_(ink), rows_(rows) {}
    void operator()(int low, int high, int at) const {
        const int majorLimit = rows_ ? surface_.width : surface_.height;
        const int minorLimit = rows_ ? surface_.height : surface_.width;
        low = std::max(low, 0);
        high = std::min(high, majorLimit);
        if (at < 0 || at >= minorLimit || low >= high)
            return;
        if (rows_) {
            FillRows32(surface_, RECT{low, at, high, at + 1}, ink_);
            return;
        }
        const std::ptrdiff_t rowBytes =
            surface_.bottomUp ? -std::ptrdiff_t{surface_.stride} : surface_.stride;
        // Pixel y of the column lies rowBytes * (y - low) bytes from pixel low.
        std::uint8_t* const first = surface_.Row(low) + std::ptrdiff_t{at} * 4;
        for (int y = low; y < high; ++y)
            *reinterpret_cast<Pixel*>(first + rowBytes * (y - low)) = ink_;
    }

  private:
    Surface& surface_;
    Pixel ink_;
    bool rows_;
};

// A line straight on a 32-bit surface, step by step: each pixel tested
// against the surface and by visible(x, y), its place in memory followed by
// adding the step's byte offsets.
template <typename Visible>
void WalkPixels(Surface& surface, const SolidLine& line, Pixel ink, Visible&& visible) {
    const std::ptrdiff_t rowBytes = surface.bottomUp ? -std::ptrdiff_t{surface.stride} : surface.stride;
    const std::ptrdiff_t majorBytes = line.majorSign * (line.xMajor ? std::ptrdiff_t{4} : rowBytes);
    const std::ptrdiff_t minorBytes = line.minorSign * (line.xMajor ? rowBytes : std::ptrdiff_t{4});
    const unsigned majorLimit = static_cast<unsigned>(line.xMajor ? surface.width : surface.height);
    const unsigned minorLimit = static_cast<unsigned>(line.xMajor ? surface.height : surface.width);
    const int x = line.xMajor ? line.majorStart : line.minorStart;
    const int y = line.xMajor ? line.minorStart : line.majorStart;
    // The byte offset of (x, y) from the top row's first pixel, also off the surface.
    std::ptrdiff_t offset =
        (surface.bottomUp ? std::ptrdiff_t{surface.height} - 1 - y : std::ptrdiff_t{y}) * surface.stride +
        std::ptrdiff_t{x} * 4;
    std::uint8_t* const bits = surface.bits.get();
    const int twoSteps = 2 * line.steps, twoMinorSteps = 2 * line.minorSteps;
    int remainder = line.minorSign > 0 ? line.steps - 1 : line.steps; // as in ForEachRun
    int major = line.majorStart, minor = line.minorStart;
    for (int i = 0; i < line.steps; ++i) {
        if (static_cast<unsigned>(major) < majorLimit && static_cast<unsigned>(minor) < minorLimit &&
            (line.xMajor ? visible(major, minor) : visible(minor, major)))
            *reinterpret_cast<Pixel*>(bits + offset) = ink;
        major += line.majorSign;
        offset += majorBytes;
        remainder += twoMinorSteps;
        if (remainder >= twoSteps) {
            remainder -= twoSteps;
            minor += line.minorSign;
            offset += minorBytes;
        }
    }
}

// Whether a region's bands are on average at most two rows high (a slanted or
// rounded shape), so that a column crosses a band every row or two.
bool ThinBands(const Region& clip) {
    const std::vector<RECT>& rects = clip.Rects();
    return !rects.empty() && 2 * static_cast<std::int64_t>(rects.size()) >=
                                 std::int64_t{rects.back().bottom} - rects.front().top;
}

// The fast path of a solid one-pixel pen whose line starts and ends within
// the pen's reach: the pixels of StrokeLinePixelwise, on a 32-bit surface
// stored straight, pixel by pixel (short runs; under a clip of thin bands
// also columns, as they cross a band every row or two) or run by run (long
// runs, each cut to the surface or passed through the clip from the last
// run's band). Monochrome surfaces take every run through FillVisibleFrom.
// Returns false when it does not apply.
bool StrokeSolidLine(PenStroke& pen, POINT a, POINT b) {
    const RECT reach = pen.Reach();
    if (!pen.IsSolidThin() || !Within(reach, a) || !Within(reach, b))
        return false;
    const SolidLine line(a, b);
    if (line.steps == 0)
        return true;
    DcObject& dc = pen.Dc();
    Surface& surface = *dc.surface;
    const Pixel ink = pen.Color() & FormatOf(surface).mask;
    const bool shortRuns = line.steps < kLongRuns * line.minorSteps;
    if (surface.bitsPerPixel == 32 && !dc.clip) {
        if (shortRuns)
            WalkPixels(surface, line, ink, [](int, int) { return true; });
        else
            ForEachRun(line, DirectRuns(surface, ink, line.xMajor));
        return true;
    }
    if (surface.bitsPerPixel == 32 && (shortRuns || (!line.xMajor && ThinBands(*dc.clip)))) {
        ClipCursor clip(*dc.clip);
        WalkPixels(surface, line, ink, [&](int x, int y) { return clip.Contains(x, y); });
        return true;
    }
    std::size_t clipHint = 0;
    ForEachRun(line, [&](int low, int high, int at) {
        FillVisibleFrom(dc, line.xMajor ? RECT{low, at, high, at + 1} : RECT{at, low, at + 1, high}, ink,
                        clipHint);
    });
    return true;
}

} // namespace

void StrokeLine(PenStroke& pen, POINT a, POINT b) {
    if (!StrokeSolidLine(pen, a, b))
        StrokeLinePixelwise(pen, a, b);
}

void StrokeLinePixelwise(PenStroke& pen, POINT a, POINT b) {
    if (pen.IsNull())
        return;
    if (pen.Width() > 1 && !pen.IsStyled()) {
        StrokeWideSegment(pen, a, b);
        return;
    }
    const std::int64_t dx = std::int64_t{b.x} - a.x, dy = std::int64_t{b.y} - a.y;
    const std::int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    const bool xMajor = adx >= ady;
    const std::int64_t steps = xMajor ? adx : ady, minorSteps = xMajor ? ady : adx;
    if (steps == 0)
        return;
    // The steps whose major coordinate lies within reach...
    const RECT reach = pen.Reach();
    const std::int64_t majorStart = xMajor ? a.x : a.y, majorSign = xMajor ? sx : sy;
    const std::int64_t majorLow = xMajor ? reach.left : reach.top,
                       majorHigh = xMajor ? reach.right : reach.bottom;
    std::int64_t first = majorSign > 0 ? majorLow - majorStart : majorStart - majorHigh;
    std::int64_t last = majorSign > 0 ? majorHigh - majorStart : majorStart - majorLow;
    // ...and, conservatively, whose minor coordinate does too.
    if (minorSteps == 0) {
        const std::int64_t minorAt = xMajor ? a.y : a.x;
        const std::int64_t minorLow = xMajor ? reach.top : reach.left,
                           minorHigh = xMajor ? reach.bottom : reach.right;
        if (minorAt < minorLow || minorAt >= minorHigh)
            first = last + 1;
    } else {
        const std::int64_t minorStart = xMajor ? a.y : a.x, minorSign = xMajor ? sy : sx;
        const std::int64_t minorLow = xMajor ? reach.top : reach.left,
                           minorHigh = xMajor ? reach.bottom : reach.right;
        const std::int64_t nearest = (minorSign > 0 ? minorLow - minorStart : minorStart - minorHigh) - 1;
        const std::int64_t farthest = (minorSign > 0 ? minorHigh - minorStart : minorStart - minorLow) + 1;
        // In floating point (the products can exceed 64 bits), with a margin for rounding.
        auto step = [&](std::int64_t minor) {
            return static_cast<double>(minor) * static_cast<double>(steps) / static_cast<double>(minorSteps);
        };
        auto margin = [](double value) { return 2.0 + std::abs(value) * 1e-9; };
        const double low = step(nearest), high = step(farthest);
        if (low - margin(low) > static_cast<double>(first))
            first = static_cast<std::int64_t>(low - margin(low));
        if (high + margin(high) < static_cast<double>(last))
            last = static_cast<std::int64_t>(high + margin(high));
    }
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, steps - 1);
    if (first > last) {
        pen.Skip(steps);
        return;
    }
    pen.Skip(first);
    const LinePath path{a, steps, minorSteps, sx, sy, xMajor};
    for (std::int64_t i = first; i <= last; ++i)
        pen.Plot(static_cast<int>(path.X(i)), static_cast<int>(path.Y(i)));
    pen.Skip(steps - 1 - last);
}

PenTip::PenTip(int width) : width_(std::max(width, 1)) {
    if (width_ <= 2)
        return; // a single pixel or a 2 x 2 square: no row is cut
    // Tracing a tip costs a step per pixel of its width: the last one traced
    // (on this thread) is kept, as a pen draws many lines in a row.
    thread_local int lastWidth = 0;
    thread_local std::shared_ptr<const std::vector<int>> lastCuts;
    if (lastWidth != width_) {
        auto cuts = std::make_shared<std::vector<int>>();
        for (const EllipseRow& row : EllipseOutlineRows(width_, width_))
            cuts->push_back(static_cast<int>(row.outer < 0 ? 0 : row.outer));
        lastCuts = std::move(cuts);
        lastWidth = width_;
    }
    cuts_ = lastCuts;
}

int PenTip::Outer(int row) const {
    if (!cuts_)
        return 0;
    const int half = std::min(row, width_ - 1 - row);
    return (*cuts_)[static_cast<std::size_t>(half)];
}

int PenTip::WidestIn(int first, int last) const {
    first = std::max(first, 0);
    last = std::min(last, width_ - 1);
    // The rows widen towards the middle: the row nearest to it wins.
    const int middle = (width_ - 1) / 2;
    return std::clamp(middle, first, std::max(first, last));
}

void PenStroke::Stamp(int x, int y, Pixel value) {
    if (width_ == 1) {
        PutPixel(dc_, x, y, value);
        return;
    }
    const RECT reach = Reach();
    if (x < reach.left || x >= reach.right || y < reach.top || y >= reach.bottom)
        return;
    const int first = width_ / 2;
    FillVisible(dc_, RECT{x - first, y - first, x - first + width_, y - first + width_}, value);
}

void PaintSpans(DcObject& dc, int row, RowSpan* spans, int count, const BrushPattern& color) {
    for (int i = 1; i < count; ++i) // insertion sort, left to right
        for (int j = i; j > 0 && spans[j].first < spans[j - 1].first; --j)
            std::swap(spans[j], spans[j - 1]);
    for (int i = 0; i < count;) {
        std::int64_t left = spans[i].first, right = spans[i].last;
        for (++i; i < count && spans[i].first <= right + 1; ++i)
            right = std::max(right, spans[i].last);
        PatternRop(dc, RECT{ClampCoordinate(left), row, ClampCoordinate(right + 1), row + 1}, color,
                   RopIndex(PATCOPY));
    }
}

} // namespace gdi::detail
