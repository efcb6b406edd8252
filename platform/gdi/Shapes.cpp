// Filled and outlined shapes: Rectangle, Ellipse and Arc. The brush fills the
// interior first, then the pen draws the outline over it. Right and bottom
// edges are excluded; with the null pen the filled area is one pixel smaller
// on the right and bottom, as on Windows.
#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/PenStroke.h"
#include "platform/gdi/region/Region.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace gdi {

using namespace detail;

namespace {

constexpr BYTE kPatCopy = RopIndex(PATCOPY);

// Orders the corners and pulls far-away coordinates in, so that edges can be
// offset without overflow.
void Normalise(int& left, int& top, int& right, int& bottom) {
    left = ClampCoordinate(left);
    top = ClampCoordinate(top);
    right = ClampCoordinate(right);
    bottom = ClampCoordinate(bottom);
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

// ---- Rectangles ------------------------------------------------------------

// A solid pen outlines the rectangle as Windows strokes the closed path of
// its four corners with a round pen: every path pixel paints the pen's tip
// (see PenTip), so the sides are bands the pen's width across and each
// corner takes the tip's rounded shape. The path runs through the outermost
// pixels (left, top) and (right - 1, bottom - 1); an inside-frame pen moves
// it inwards until the bands lie within the rectangle, and where that
// crosses over (a rectangle narrower than the pen) the corners are swapped
// back, so the shape grows around the rectangle's middle instead. Each row
// is at most four spans: the work follows the rows, not the pen's area.
struct OutlinePath {
    std::int64_t x0, y0, x1, y1; // the corner pixels, x0 <= x1 and y0 <= y1
};
OutlinePath PathOf(int left, int top, int right, int bottom, const PenTip& tip, bool insideFrame) {
    const int before = tip.Above(), after = tip.Width() - 1 - tip.Above();
    OutlinePath p{left, top, std::int64_t{right} - 1, std::int64_t{bottom} - 1};
    if (insideFrame) {
        p.x0 += before;
        p.y0 += before;
        p.x1 -= after;
        p.y1 -= after;
    }
    if (p.x0 > p.x1)
        std::swap(p.x0, p.x1);
    if (p.y0 > p.y1)
        std::swap(p.y0, p.y1);
    return p;
}

// The brush fills the inside of the path (what the pen leaves of it shows).
void FillInsidePath(DcObject& dc, const OutlinePath& p, const BrushPattern& brush) {
    PatternRop(dc,
               RECT{ClampCoordinate(p.x0 + 1), ClampCoordinate(p.y0 + 1), ClampCoordinate(p.x1),
                    ClampCoordinate(p.y1)},
               brush, kPatCopy);
}

void SolidOutline(DcObject& dc, const OutlinePath& path, const PenTip& tip, Pixel ink) {
    const int w = tip.Width();
    const int before = tip.Above(), after = w - 1 - tip.Above();
    const std::int64_t x0 = path.x0, y0 = path.y0, x1 = path.x1, y1 = path.y1;
    BrushPattern color;
    color.hollow = false;
    color.solid = ink;
    const auto paintRow = [&](std::int64_t y) {
        struct Span {
            std::int64_t first, last;
        } spans[4];
        int count = 0;
        // The top or bottom side, when the row crosses its band.
        for (const std::int64_t side : {y0, y1}) {
            const std::int64_t row = y - side + before;
            if (row >= 0 && row < w) {
                const int r = static_cast<int>(row);
                spans[count].first = x0 + tip.Left(r);
                spans[count].last = x1 + tip.Right(r);
                ++count;
            }
        }
        // The left and right sides: the widest tip row among the path rows
        // between the corners that reach this row.
        const std::int64_t firstTipRow = y - y1 + before, lastTipRow = y - y0 + before;
        if (firstTipRow < w && lastTipRow >= 0) {
            const int r = tip.WidestIn(static_cast<int>(std::max<std::int64_t>(firstTipRow, 0)),
                                       static_cast<int>(std::min<std::int64_t>(lastTipRow, w - 1)));
            spans[count].first = x0 + tip.Left(r);
            spans[count].last = x0 + tip.Right(r);
            ++count;
            spans[count].first = x1 + tip.Left(r);
            spans[count].last = x1 + tip.Right(r);
            ++count;
        }
        for (int i = 1; i < count; ++i) // at most four: insertion, left to right
            for (int j = i; j > 0 && spans[j].first < spans[j - 1].first; --j)
                std::swap(spans[j], spans[j - 1]);
        for (int i = 0; i < count;) {
            std::int64_t spanLeft = spans[i].first, spanRight = spans[i].last;
            for (++i; i < count && spans[i].first <= spanRight + 1; ++i)
                spanRight = std::max(spanRight, spans[i].last);
            const int row = static_cast<int>(y);
            PatternRop(dc, RECT{ClampCoordinate(spanLeft), row, ClampCoordinate(spanRight + 1), row + 1},
                       color, kPatCopy);
        }
    };
    // Rows crossing the top or bottom band one by one; between them every
    // row holds the tip's middle row at both sides: two blocks.
    const std::int64_t firstRow = std::max<std::int64_t>(y0 - before, 0);
    const std::int64_t endRow = std::min<std::int64_t>(y1 + after + 1, dc.surface->height);
    const std::int64_t middleFirst = std::max(firstRow, y0 + after + 1);
    const std::int64_t middleEnd = std::min(endRow, y1 - before);
    if (middleFirst >= middleEnd) {
        for (std::int64_t y = firstRow; y < endRow; ++y)
            paintRow(y);
        return;
    }
    for (std::int64_t y = firstRow; y < middleFirst; ++y)
        paintRow(y);
    const int middle = tip.WidestIn(0, w - 1);
    for (const std::int64_t x : {x0, x1})
        PatternRop(dc,
                   RECT{ClampCoordinate(x + tip.Left(middle)), static_cast<int>(middleFirst),
                        ClampCoordinate(x + tip.Right(middle) + 1), static_cast<int>(middleEnd)},
                   color, kPatCopy);
    for (std::int64_t y = middleEnd; y < endRow; ++y)
        paintRow(y);
}

// A solid one-pixel pen of the brush's solid colour paints the outline ring
// exactly as the fill would: a rectangle drawn with it is one fill.
bool OutlineMatchesFill(const PenStroke& pen, const BrushPattern& brush) {
    return !pen.IsNull() && pen.IsSolidThin() && brush.IsSolid() && brush.solid == pen.Color();
}

// The outline's path: from the top right corner leftwards along the top,
// down the left side, rightwards along the bottom and up the right side, each
// side without its last pixel, so that the dash pattern runs on round the
// corners. A one-pixel rectangle has no path and shows nothing.
void StyledOutline(int left, int top, int right, int bottom, PenStroke& pen) {
    const POINT corners[] = {
        {right - 1, top}, {left, top}, {left, bottom - 1}, {right - 1, bottom - 1}, {right - 1, top}};
    for (int i = 0; i < 4; ++i) {
        StrokeLine(pen, corners[i], corners[i + 1]);
    }
}

// ---- Ellipses --------------------------------------------------------------

// The ellipse inscribed in the box [left, right) x [top, bottom), tested at
// pixel centres. Coordinates are doubled so that half pixels stay exact: the
// centre of pixel x is 2x + 1, the box's centre left + right, its diameters
// the box's sides.
struct EllipseShape {
    std::int64_t cx2, cy2, a2, b2; // doubled centre and doubled radii (the diameters)
    EllipseShape(int left, int top, int right, int bottom)
        : cx2(std::int64_t{left} + right), cy2(std::int64_t{top} + bottom), a2(std::int64_t{right} - left),
          b2(std::int64_t{bottom} - top) {}
    EllipseShape Grown(std::int64_t by) const {
        EllipseShape e = *this;
        e.a2 += by;
        e.b2 += by;
        return e;
    }
    bool Inside(int x, int y) const {
        if (a2 <= 0 || b2 <= 0)
            return false;
        const double dx = static_cast<double>(2 * std::int64_t{x} + 1 - cx2);
        const double dy = static_cast<double>(2 * std::int64_t{y} + 1 - cy2);
        const double a = static_cast<double>(a2), b = static_cast<double>(b2);
        // dx^2/a^2 + dy^2/b^2 <= 1, without division.
        return dx * dx * b * b + dy * dy * a * a <= a * a * b * b;
    }
    bool OnOutline(int x, int y) const {
        return Inside(x, y) &&
               (!Inside(x - 1, y) || !Inside(x + 1, y) || !Inside(x, y - 1) || !Inside(x, y + 1));
    }
    // Counter-clockwise angle (y up) of the point whose doubled coordinates are given.
    double Angle(std::int64_t x2, std::int64_t y2) const {
        return std::atan2(static_cast<double>(cy2 - y2), static_cast<double>(x2 - cx2));
    }
    double AngleOfPixel(int x, int y) const {
        return Angle(2 * std::int64_t{x} + 1, 2 * std::int64_t{y} + 1);
    }
};

// The outline pixels of a pen of width w on the ellipse.
bool OnPenBand(const EllipseShape& e, int w, int x, int y) {
    if (w == 1)
        return e.OnOutline(x, y);
    return e.Grown(w - 1).Inside(x, y) && !e.Grown(-(w + 1)).Inside(x, y);
}

// Boxes up to this size on both sides take Windows' traced outline (see
// region/RegionEllipse.cpp); larger ones the pixel-centre rule above, which
// costs nothing for the rows off the surface.
constexpr long long kMaxTracedSide = 1 << 20;

bool Traced(const RECT& box) {
    return box.left < box.right && box.top < box.bottom &&
           std::int64_t{box.right} - box.left <= kMaxTracedSide &&
           std::int64_t{box.bottom} - box.top <= kMaxTracedSide;
}

// Calls run(y, first, last) for each outline run of the traced ellipse in the
// box (one or two per row, left to right), on rows inside [rowFirst, rowEnd).
template <class Run>
void ForEachOutlineRun(const RECT& box, const std::vector<EllipseRow>& rows, int rowFirst, int rowEnd,
                       Run run) {
    const std::int64_t w = std::int64_t{box.right} - box.left, h = std::int64_t{box.bottom} - box.top;
    for (std::int64_t y = std::max<std::int64_t>(0, rowFirst - std::int64_t{box.top});
         y < h && box.top + y < rowEnd; ++y) {
        const EllipseRow& r = rows[static_cast<std::size_t>(std::min(y, h - 1 - y))];
        if (r.outer < 0)
            continue;
        const int row = static_cast<int>(box.top + y);
        const std::int64_t rightFirst = w - 1 - r.inner;
        if (rightFirst <= r.inner + 1) {
            run(row, static_cast<int>(box.left + r.outer), static_cast<int>(box.left + w - 1 - r.outer));
        } else {
            run(row, static_cast<int>(box.left + r.outer), static_cast<int>(box.left + r.inner));
            run(row, static_cast<int>(box.left + rightFirst), static_cast<int>(box.left + w - 1 - r.outer));
        }
    }
}

std::vector<POINT> TracedOutlinePixels(const RECT& box, const RECT& reach) {
    const std::vector<EllipseRow> rows =
        EllipseOutlineRows(std::int64_t{box.right} - box.left, std::int64_t{box.bottom} - box.top);
    std::vector<POINT> pixels;
    ForEachOutlineRun(box, rows, reach.top, reach.bottom, [&](int y, int first, int last) {
        for (int x = std::max(first, static_cast<int>(reach.left)); x <= last && x < reach.right; ++x)
            pixels.push_back(POINT{x, y});
    });
    return pixels;
}

std::vector<POINT> OutlinePixels(const EllipseShape& e, int w, RECT bounds, const RECT& reach) {
    if (w == 1 && Traced(RECT{bounds.left + w, bounds.top + w, bounds.right - w, bounds.bottom - w}))
        return TracedOutlinePixels(RECT{bounds.left + w, bounds.top + w, bounds.right - w, bounds.bottom - w},
                                   reach);
    bounds.left = std::max(bounds.left, reach.left);
    bounds.top = std::max(bounds.top, reach.top);
    bounds.right = std::min(bounds.right, reach.right);
    bounds.bottom = std::min(bounds.bottom, reach.bottom);
    std::vector<POINT> pixels;
    for (int y = bounds.top; y < bounds.bottom; ++y) {
        for (int x = bounds.left; x < bounds.right; ++x) {
            if (OnPenBand(e, w, x, y))
                pixels.push_back(POINT{x, y});
        }
    }
    return pixels;
}

double Normalised(double angle) {
    constexpr double kTurn = 2 * std::numbers::pi;
    angle = std::fmod(angle, kTurn);
    return angle < 0 ? angle + kTurn : angle;
}

// Draws the pixels of the outline whose angle lies counter-clockwise from
// start to end (all of them when whole), in path order so dash patterns run on.
// An open path (Arc's) leaves out its last pixel, as a line leaves out its end.
void DrawArcPixels(const EllipseShape& e, PenStroke& pen, RECT bounds, double start, double end, bool whole,
                   bool open) {
    const int w = pen.IsNull() ? 1 : pen.Width();
    struct Placed {
        double offset;
        POINT point;
    };
    std::vector<Placed> placed;
    const double sweep = whole ? 2 * std::numbers::pi : Normalised(end - start);
    // A wide pen's band is the outline itself: its pixels are painted once
    // each, and only those on the surface are looked at, whatever the width.
    const Surface& surface = *pen.Dc().surface;
    const RECT reach = w > 1 ? RECT{0, 0, surface.width, surface.height} : pen.Reach();
    for (const POINT& p : OutlinePixels(
             e, w, RECT{bounds.left - w, bounds.top - w, bounds.right + w, bounds.bottom + w}, reach)) {
        const double offset = Normalised(e.AngleOfPixel(p.x, p.y) - start);
        if (whole || offset <= sweep)
            placed.push_back(Placed{offset, p});
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Placed& a, const Placed& b) { return a.offset < b.offset; });
    if (open && w == 1 && !placed.empty())
        placed.pop_back();
    for (const Placed& p : placed) {
        if (w > 1)
            PutPixel(pen.Dc(), p.point.x, p.point.y, pen.Color());
        else
            pen.Plot(p.point.x, p.point.y);
    }
}

} // namespace

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return FALSE;
    Normalise(left, top, right, bottom);
    if (!dc->surface || left == right || top == bottom)
        return TRUE;
    PenStroke pen(*dc);
    const BrushPattern brush = PatternOf(*dc, dc->brush);
    if (pen.IsNull()) {
        PatternRop(*dc, RECT{left, top, right - 1, bottom - 1}, brush, kPatCopy);
        return TRUE;
    }
    if (pen.Width() == 1 && left + 1 == right && top + 1 == bottom)
        return TRUE; // a one-pixel outline has no path and no inside: nothing shows
    if (OutlineMatchesFill(pen, brush)) {
        // Fill and one-pixel outline in one colour: the whole rectangle in one fill.
        PatternRop(*dc, RECT{left, top, right, bottom}, brush, kPatCopy);
        return TRUE;
    }
    const PenObject* object = FindPen(dc->pen);
    if (pen.IsStyled()) {
        PatternRop(*dc, RECT{left + 1, top + 1, right - 1, bottom - 1}, brush, kPatCopy);
        StyledOutline(left, top, right, bottom, pen);
    } else {
        const PenTip tip(pen.Width());
        const OutlinePath path =
            PathOf(left, top, right, bottom, tip, object && object->style == PS_INSIDEFRAME);
        FillInsidePath(*dc, path, brush);
        SolidOutline(*dc, path, tip, pen.Color());
    }
    return TRUE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return FALSE;
    Normalise(left, top, right, bottom);
    if (!dc->surface || left == right || top == bottom)
        return TRUE;
    PenStroke pen(*dc);
    const BrushPattern brush = PatternOf(*dc, dc->brush);
    const RECT box{left, top, right, bottom};
    // The null pen's brush covers the whole traced shape, except that boxes
    // narrower or lower than three pixels lose their last column and row.
    const bool tiny = std::int64_t{right} - left < 3 || std::int64_t{bottom} - top < 3;
    const bool traced = (pen.IsNull() ? !tiny : pen.Width() == 1) && Traced(box);
    if (pen.IsNull() && !traced) {
        --right;
        --bottom;
    }
    const EllipseShape shape(left, top, right, bottom);
    if (!brush.hollow && traced) {
        // The brush fills inside the traced outline (all of it with the null
        // pen, whose ellipse is the one-pixel-smaller box's).
        const std::vector<EllipseRow> rows =
            EllipseOutlineRows(std::int64_t{right} - left, std::int64_t{bottom} - top);
        const std::int64_t w = std::int64_t{right} - left, h = std::int64_t{bottom} - top;
        const int endRow = std::min(bottom, dc->surface->height);
        for (int y = std::max(top, 0); y < endRow; ++y) {
            const std::int64_t row = std::int64_t{y} - top;
            const EllipseRow& r = rows[static_cast<std::size_t>(std::min(row, h - 1 - row))];
            if (r.outer < 0)
                continue;
            // With a pen, the interior between the two outline runs.
            const std::int64_t inset = pen.IsNull() ? r.outer : r.inner + 1;
            const std::int64_t from = std::max<std::int64_t>(left + inset, 0);
            const std::int64_t to = std::min<std::int64_t>(left + w - inset, dc->surface->width);
            if (from < to)
                PatternRop(*dc, RECT{static_cast<int>(from), y, static_cast<int>(to), y + 1}, brush,
                           kPatCopy);
        }
    } else if (!brush.hollow) {
        // Only rows and columns on the surface are visited, whatever the ellipse's size.
        const int firstRow = std::max(top, 0), endRow = std::min(bottom, dc->surface->height);
        const int firstColumn = std::max(left, 0), endColumn = std::min(right, dc->surface->width);
        for (int y = firstRow; y < endRow; ++y) {
            int x = firstColumn;
            while (x < endColumn) {
                while (x < endColumn && !shape.Inside(x, y))
                    ++x;
                const int start = x;
                while (x < endColumn && shape.Inside(x, y))
                    ++x;
                if (start < x)
                    PatternRop(*dc, RECT{start, y, x, y + 1}, brush, kPatCopy);
            }
        }
    }
    if (pen.Width() == 1 && std::int64_t{right} - left == 1 && std::int64_t{bottom} - top == 1)
        return TRUE; // a one-pixel outline has no path: nothing shows, as with Rectangle
    if (!pen.IsNull())
        DrawArcPixels(shape, pen, RECT{left, top, right, bottom}, 0, 0, true, false);
    return TRUE;
}

BOOL Arc(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return FALSE;
    Normalise(left, top, right, bottom);
    if (!dc->surface || left == right || top == bottom)
        return TRUE;
    PenStroke pen(*dc);
    if (pen.IsNull())
        return TRUE;
    const EllipseShape shape(left, top, right, bottom);
    // The radial lines run through the given points themselves (pixel
    // corners), not through the centres of the pixels they name.
    const double start = shape.Angle(2 * std::int64_t{xStart}, 2 * std::int64_t{yStart});
    const double end = shape.Angle(2 * std::int64_t{xEnd}, 2 * std::int64_t{yEnd});
    // Start and end on the same ray: Windows draws the whole ellipse.
    const bool whole = std::abs(Normalised(end - start)) < 1e-12;
    DrawArcPixels(shape, pen, RECT{left, top, right, bottom}, start, end, whole, true);
    return TRUE;
}

} // namespace gdi
