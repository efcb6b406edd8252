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

bool Within(const RECT& box, POINT p) {
    return p.x >= box.left && p.x < box.right && p.y >= box.top && p.y < box.bottom;
}

// The fast path of a solid one-pixel pen whose line starts and ends within
// the pen's reach, so every step is visited: the pixels of StrokeLinePixelwise
// (the minor coordinate of step i is round-half-down of i * minorSteps /
// steps), found by stepping the remainder instead of dividing, and painted as
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
    const auto paint = [&](std::int64_t first, std::int64_t end, std::int64_t minor) {
        // Steps first .. end - 1 at one minor coordinate.
        const int majorA = static_cast<int>((xMajor ? a.x : a.y) + (xMajor ? sx : sy) * first);
        const int majorB = static_cast<int>((xMajor ? a.x : a.y) + (xMajor ? sx : sy) * (end - 1));
        const int low = std::min(majorA, majorB), high = std::max(majorA, majorB) + 1;
        const int at = static_cast<int>((xMajor ? a.y : a.x) + (xMajor ? sy : sx) * minor);
        pen.PaintRun(xMajor ? RECT{low, at, high, at + 1} : RECT{at, low, at + 1, high});
    };
    const std::int64_t twoSteps = 2 * steps;
    std::int64_t minor = 0;
    std::int64_t remainder =
        steps - 1; // 2 * i * minorSteps + steps - 1, less the whole multiples of twoSteps
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
    for (std::int64_t i = first; i <= last; ++i) {
        const auto minor =
            static_cast<std::int64_t>((2 * Wide{i} * minorSteps + steps - 1) / (2 * Wide{steps}));
        const std::int64_t major = i;
        const std::int64_t x = a.x + sx * (xMajor ? major : minor);
        const std::int64_t y = a.y + sy * (xMajor ? minor : major);
        pen.Plot(static_cast<int>(x), static_cast<int>(y));
    }
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
