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
#include <optional>
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

// The band a pen of width w covers around the pixel column or row c.
struct Band {
    int first, last;
};
Band CentredBand(int c, int w) {
    return {c - w / 2, c - w / 2 + w - 1};
}

void SolidOutline(DcObject& dc, int left, int top, int right, int bottom, const PenStroke& pen,
                  bool insideFrame) {
    const int w = pen.Width();
    Band l = CentredBand(left, w), r = CentredBand(right - 1, w), t = CentredBand(top, w),
         b = CentredBand(bottom - 1, w);
    if (insideFrame) {
        // PS_INSIDEFRAME keeps the whole outline within the rectangle.
        l = {left, left + w - 1};
        t = {top, top + w - 1};
        r = {right - w, right - 1};
        b = {bottom - w, bottom - 1};
    }
    BrushPattern color;
    color.hollow = false;
    color.solid = pen.Color();
    // A pen three pixels wide joins the sides round: the pen's tip is a plus
    // shape, so the outermost pixel of each corner stays unpainted.
    const int cut = w == 3 ? 1 : 0;
    PatternRop(dc, RECT{l.first + cut, t.first, r.last + 1 - cut, t.first + 1}, color, kPatCopy);
    PatternRop(dc, RECT{l.first + cut, b.last, r.last + 1 - cut, b.last + 1}, color, kPatCopy);
    PatternRop(dc, RECT{l.first, t.first + 1, r.last + 1, std::min(t.last + 1, b.last)}, color, kPatCopy);
    PatternRop(dc, RECT{l.first, std::max(b.first, t.first + 1), r.last + 1, b.last}, color, kPatCopy);
    PatternRop(dc, RECT{l.first, t.first + 1, l.last + 1, b.last}, color, kPatCopy);
    PatternRop(dc, RECT{r.first, t.first + 1, r.last + 1, b.last}, color, kPatCopy);
}

// A solid one-pixel pen of the brush's solid colour paints the outline ring
// exactly as the fill would: a rectangle drawn with it is one fill.
bool OutlineMatchesFill(const PenStroke& pen, const BrushPattern& brush) {
    return !pen.IsNull() && pen.IsSolidThin() && brush.IsSolid() && brush.solid == pen.Color();
}

// The rectangles of a paint are mostly filled in one colour: a solid
// one-pixel pen and a plain solid brush of the same colour. Their common
// device value, read straight from the objects before the pen and brush are
// prepared; nothing when the DC's pen and brush are not such a pair (the
// general path then decides, OutlineMatchesFill included).
std::optional<Pixel> OneColourInk(const DcObject& dc) {
    const PenObject* pen = FindPen(dc.pen);
    const BrushObject* brush = FindBrush(dc.brush);
    if (!pen || !brush || brush->hollow || brush->pattern || pen->width != 1 ||
        (pen->style != PS_SOLID && pen->style != PS_INSIDEFRAME) ||
        ((pen->color ^ brush->color) & 0xFFFFFF) != 0)
        return std::nullopt;
    return ColorToPixel(brush->color, dc.surface->bitsPerPixel);
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
    if (const std::optional<Pixel> ink = OneColourInk(*dc)) {
        // The short road to OutlineMatchesFill's one fill (a one-pixel
        // rectangle shows nothing, as below).
        if (left + 1 != right || top + 1 != bottom)
            FillVisible(*dc, RECT{left, top, right, bottom}, *ink);
        return TRUE;
    }
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
    PatternRop(*dc, RECT{left + 1, top + 1, right - 1, bottom - 1}, brush, kPatCopy);
    const PenObject* object = FindPen(dc->pen);
    if (pen.IsStyled()) {
        StyledOutline(left, top, right, bottom, pen);
    } else {
        SolidOutline(*dc, left, top, right, bottom, pen, object && object->style == PS_INSIDEFRAME);
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
