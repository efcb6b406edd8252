#include "platform/gdi/internal/PenStroke.h"

#include <algorithm>
#include <cmath>

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
    const PenObject* pen = FindPen(dc.pen);
    const int bpp = dc.surface ? dc.surface->bitsPerPixel : 32;
    if (!pen || pen->style == PS_NULL || !dc.surface) {
        null_ = true;
        return;
    }
    width_ = pen->width;
    color_ = ColorToPixel(pen->color, bpp);
    background_ = ColorToPixel(dc.bkColor, bpp);
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

// The first index in [low, high] for which holds(i) is true, holds being
// false and then true along the path; high + 1 when it never holds.
template <typename Holds> std::int64_t FirstWhere(std::int64_t low, std::int64_t high, Holds holds) {
    std::int64_t end = high + 1;
    while (low < end) {
        const std::int64_t middle = low + (end - low) / 2;
        if (holds(middle))
            end = middle;
        else
            low = middle + 1;
    }
    return low;
}

// One row of a pen's tip: the columns [left, right] relative to the path
// pixel, on the rows [top, bottom] relative to it.
struct TipRows {
    std::int64_t top, bottom, left, right;
};

// A wide pen paints the union of its tips along the path. Path coordinates
// only grow or only shrink, so the path pixels whose tip rows reach a surface
// row form one run, found by bisection, and the row gets one span: the cost
// follows the surface rows, not the pen's width. Unlike one-pixel lines, a
// wide line covers its end point too. A pen three pixels wide has a round tip
// (a plus shape); other widths stamp a square.
void StrokeWideLine(const PenStroke& pen, const LinePath& path) {
    DcObject& dc = pen.Dc();
    const std::int64_t w = pen.Width();
    const std::int64_t before = w / 2, after = w - 1 - w / 2;
    const bool round = w == 3;
    const std::int64_t last = path.steps;
    const TipRows square[] = {{-before, after, -before, after}};
    const TipRows plus[] = {{-1, -1, 0, 0}, {0, 0, -1, 1}, {1, 1, 0, 0}};
    const TipRows* tip = round ? plus : square;
    const int tipRows = round ? 3 : 1;
    BrushPattern color;
    color.hollow = false;
    color.solid = pen.Color();
    const bool down = path.Y(last) >= path.Y(0);
    const bool right = path.X(last) >= path.X(0);
    for (int row = 0; row < dc.surface->height; ++row) {
        std::int64_t left = 0, rightEnd = 0;
        bool any = false;
        for (int t = 0; t < tipRows; ++t) {
            // Path pixels whose tip rows cover this row: y in [row - bottom, row - top].
            const std::int64_t yLow = row - tip[t].bottom, yHigh = row - tip[t].top;
            const std::int64_t first =
                down ? FirstWhere(0, last, [&](std::int64_t i) { return path.Y(i) >= yLow; })
                     : FirstWhere(0, last, [&](std::int64_t i) { return path.Y(i) <= yHigh; });
            const std::int64_t end =
                down ? FirstWhere(0, last, [&](std::int64_t i) { return path.Y(i) > yHigh; })
                     : FirstWhere(0, last, [&](std::int64_t i) { return path.Y(i) < yLow; });
            if (first >= end)
                continue;
            const std::int64_t xFirst = path.X(first), xLast = path.X(end - 1);
            const std::int64_t spanLeft = (right ? xFirst : xLast) + tip[t].left;
            const std::int64_t spanEnd = (right ? xLast : xFirst) + tip[t].right + 1;
            left = any ? std::min(left, spanLeft) : spanLeft;
            rightEnd = any ? std::max(rightEnd, spanEnd) : spanEnd;
            any = true;
        }
        if (any)
            PatternRop(dc, RECT{ClampCoordinate(left), row, ClampCoordinate(rightEnd), row + 1}, color,
                       RopIndex(PATCOPY));
    }
}

bool Within(const RECT& box, POINT p) {
    return p.x >= box.left && p.x < box.right && p.y >= box.top && p.y < box.bottom;
}

// The fast path of a solid one-pixel pen whose line starts and ends within
// the pen's reach, so every step is visited: the pixels of StrokeLinePixelwise
// (the minor coordinate of step i follows LinePath's half-step rule), found
// by stepping the remainder instead of dividing, and painted as
// runs of steps that share a minor coordinate: rows for lines that are mostly
// horizontal, columns for mostly vertical ones. Returns false when it does
// not apply.
bool StrokeSolidLine(PenStroke& pen, POINT a, POINT b) {
    const RECT reach = pen.Reach();
    if (!pen.IsSolidThin() || !Within(reach, a) || !Within(reach, b))
        return false;
    const int dx = b.x - a.x, dy = b.y - a.y; // both endpoints lie within the surface's reach
    const int adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    const bool xMajor = adx >= ady;
    const std::int64_t steps = xMajor ? adx : ady, minorSteps = xMajor ? ady : adx;
    if (steps == 0)
        return true;
    // A line wholly on an unclipped 32-bit surface is stored straight;
    // otherwise each run is clipped, the band search starting at the last run's band.
    // The painted steps lie between a and b less its last major step (b itself
    // is not painted), so those two corners decide.
    DcObject& dc = pen.Dc();
    Surface& surface = *dc.surface;
    const RECT onSurface{0, 0, surface.width, surface.height};
    const POINT lastCorner = xMajor ? POINT{b.x - sx, b.y} : POINT{b.x, b.y - sy};
    const bool straight =
        !dc.clip && surface.bitsPerPixel == 32 && Within(onSurface, a) && Within(onSurface, lastCorner);
    const Pixel ink = pen.Color() & FormatOf(surface).mask;
    std::size_t clipHint = 0;
    const auto paint = [&](std::int64_t first, std::int64_t end, std::int64_t minor) {
        // Steps first .. end - 1 at one minor coordinate.
        const int majorA = static_cast<int>((xMajor ? a.x : a.y) + (xMajor ? sx : sy) * first);
        const int majorB = static_cast<int>((xMajor ? a.x : a.y) + (xMajor ? sx : sy) * (end - 1));
        const int low = std::min(majorA, majorB), high = std::max(majorA, majorB) + 1;
        const int at = static_cast<int>((xMajor ? a.y : a.x) + (xMajor ? sy : sx) * minor);
        if (!straight) {
            FillVisibleFrom(dc, xMajor ? RECT{low, at, high, at + 1} : RECT{at, low, at + 1, high}, ink,
                            clipHint);
        } else if (xMajor) {
            std::fill_n(reinterpret_cast<Pixel*>(surface.Row(at)) + low, high - low, ink);
        } else {
            for (int y = low; y < high; ++y)
                reinterpret_cast<Pixel*>(surface.Row(y))[at] = ink;
        }
    };
    if (minorSteps == 0) {
        // Straight across or straight down: the loop below would find no
        // step of the minor coordinate, so the line is one run.
        paint(0, steps, 0);
        return true;
    }
    const std::int64_t twoSteps = 2 * steps;
    std::int64_t minor = 0;
    // 2 * i * minorSteps plus the half-step rounding, less the whole multiples of twoSteps.
    std::int64_t remainder = (xMajor ? sy : sx) > 0 ? steps - 1 : steps;
    std::int64_t runStart = 0;
    for (std::int64_t i = 1; i < steps; ++i) {
        remainder += 2 * minorSteps;
        if (remainder >= twoSteps) {
            remainder -= twoSteps;
            paint(runStart, i, minor);
            ++minor;
            runStart = i;
        }
    }
    paint(runStart, steps, minor);
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
        const std::int64_t dx = std::int64_t{b.x} - a.x, dy = std::int64_t{b.y} - a.y;
        const std::int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
        const LinePath path{
            a, std::max(adx, ady), std::min(adx, ady), dx < 0 ? -1 : 1, dy < 0 ? -1 : 1, adx >= ady};
        StrokeWideLine(pen, path);
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

void PenStroke::PaintRun(const RECT& rect) {
    FillVisible(dc_, rect, color_);
}

} // namespace gdi::detail
