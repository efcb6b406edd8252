// Filled and outlined shapes: Rectangle, Ellipse and Arc. The brush fills the
// interior first, then the pen draws the outline over it. Right and bottom
// edges are excluded; with the null pen the filled area is one pixel smaller
// on the right and bottom, as on Windows.
#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/PenStroke.h"
#include "platform/gdi/region/Region.h"

#include <algorithm>
#include <cmath>
#include <memory>
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
        RowSpan spans[4];
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
        PaintSpans(dc, static_cast<int>(y), spans, count, color);
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

// The rectangles of a paint are mostly filled in one colour: a solid
// one-pixel pen and a plain solid brush of the same colour. Their common
// device value, read straight from the objects before the pen and brush are
// prepared; false when the DC's pen and brush are not such a pair (the
// general path then decides, OutlineMatchesFill included). Only 32-bit
// surfaces: a monochrome one dithers the brush, which the pen does not.
bool OneColourInk(const DcObject& dc, Pixel& ink) {
    if (dc.surface->bitsPerPixel != 32)
        return false;
    const PenObject* pen = dc.penObject;
    const BrushObject* brush = dc.brushObject;
    if (!pen || !brush || brush->hollow || brush->pattern || pen->width != 1 ||
        (pen->style != PS_SOLID && pen->style != PS_INSIDEFRAME) ||
        ((pen->color ^ brush->color) & 0xFFFFFF) != 0)
        return false;
    ink = ColorToPixel32(brush->color);
    return true;
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
    const std::vector<EllipseRow> rows = EllipseOutlineRows(
        std::int64_t{box.right} - box.left, std::int64_t{box.bottom} - box.top, OutlineUse::Drawn);
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

// ---- Wide elliptic outlines ---------------------------------------------------

// Windows strokes a wide pen's ellipse as a closed polyline with round joins
// through the pixels of the one-pixel outline of the path's box (the traced
// outline of region/RegionEllipse.cpp). Measured under every box up to
// 24 x 24 and pens 2 to 7 pixels wide, the band it covers is the union of
//  - the pen's round tip at every path pixel: the elliptic region of the
//    w x w box whose top left corner lies w / 2 pixels up and left of it;
//  - for every diagonal step between two path pixels, the parallelogram of
//    the two pixels' top left corners moved sideways along the diagonal
//    perpendicular to the step, k = floor(c + 1/2) pixels on the side of
//    smaller x and floor(c + 1) on the side of larger x (c = w * sqrt(2) / 4,
//    half the pen's width measured in diagonal steps), filled as a polygon:
//    a pixel belongs when its top left corner lies inside, or on a top or
//    left edge.
// Steps along a row or column add nothing beyond the two tips. The band is
// built as spans per surface row: a run of path pixels on one row spreads its
// tips into one span per tip row, so the cost follows the path's rows times
// the surface rows the pen reaches, never the pen's area.
class WideEllipseBand {
  public:
    // The band's pixels on the surface rows [rowFirst, rowEnd) are kept.
    WideEllipseBand(int penWidth, int surfaceWidth, std::int64_t rowFirst, std::int64_t rowEnd)
        : w_(penWidth), width_(surfaceWidth), rowFirst_(rowFirst), rowEnd_(std::max(rowFirst, rowEnd)),
          tip_(TipRows(penWidth)), rows_(static_cast<std::size_t>(rowEnd_ - rowFirst_)) {
        const double c = penWidth * std::numbers::sqrt2 / 4;
        nearSide_ = static_cast<std::int64_t>(std::floor(c + 0.5));
        farSide_ = static_cast<std::int64_t>(std::floor(c + 1));
    }
    // How far from its path pixels a pen of width w reaches (at least).
    static std::int64_t ReachOf(std::int64_t w) { return w + w / 2 + 3; }
    // The band of a path given pixel by pixel, in order (an arc's).
    void AddPath(const std::vector<POINT>& points, bool closed) {
        const std::size_t n = points.size();
        for (std::size_t i = 0; i < n;) {
            // The tips of a stretch of pixels along one row, as one run.
            std::size_t j = i;
            std::int64_t low = points[i].x, high = points[i].x;
            while (j + 1 < n && points[j + 1].y == points[i].y &&
                   (points[j + 1].x == high + 1 || points[j + 1].x == low - 1)) {
                ++j;
                low = std::min<std::int64_t>(low, points[j].x);
                high = std::max<std::int64_t>(high, points[j].x);
            }
            AddTips(points[i].y, Run{low, high});
            for (std::size_t k = i; k <= j; ++k) {
                if (k + 1 == n && !closed)
                    break;
                const POINT p = points[k];
                const POINT q = points[(k + 1) % n];
                const POINT& upper = p.y < q.y ? p : q;
                const POINT& lower = p.y < q.y ? q : p;
                const int dx = lower.x - upper.x;
                if (lower.y - upper.y == 1 && (dx == 1 || dx == -1))
                    AddStep(upper.x, upper.y, dx);
            }
            i = j + 1;
        }
    }
    // The band of the rectangle through the outermost pixels of the path's box.
    void AddBoxRing(const RECT& path) {
        for (std::int64_t y = path.top; y < path.bottom; ++y) {
            if (y == path.top || y + 1 == path.bottom) {
                AddTips(y, Run{path.left, std::int64_t{path.right} - 1});
            } else {
                AddTips(y, Run{path.left, path.left});
                AddTips(y, Run{std::int64_t{path.right} - 1, std::int64_t{path.right} - 1});
            }
        }
    }
    // Paints the band's spans in the pen's colour.
    void Paint(DcObject& dc, Pixel color) const {
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            const int y = static_cast<int>(rowFirst_ + static_cast<std::int64_t>(i));
            for (const Span& span : rows_[i])
                FillVisible(dc, RECT{static_cast<int>(span.first), y, static_cast<int>(span.end), y + 1},
                            color);
        }
    }

  private:
    // Columns [first, end) of one row.
    struct Span {
        std::int64_t first, end;
    };
    struct Run {
        std::int64_t first, last;
    };

    // The round tip's rows, kept for the last width asked (a wide pen draws
    // many shapes in a row).
    static const std::vector<EllipseRow>& TipRows(int w) {
        thread_local int cachedWidth = 0;
        thread_local std::vector<EllipseRow> cached;
        if (cachedWidth != w) {
            cached = EllipseOutlineRows(w, w);
            cachedWidth = w;
        }
        return cached;
    }

    // Adds a span to its row, merging it with the spans it touches, so that
    // each row holds few disjoint spans in order.
    void Add(std::int64_t y, std::int64_t first, std::int64_t end) {
        first = std::max<std::int64_t>(first, 0);
        end = std::min<std::int64_t>(end, width_);
        if (y < rowFirst_ || y >= rowEnd_ || first >= end)
            return;
        std::vector<Span>& row = rows_[static_cast<std::size_t>(y - rowFirst_)];
        auto from = std::find_if(row.begin(), row.end(), [&](const Span& s) { return s.end >= first; });
        auto to = from;
        for (; to != row.end() && to->first <= end; ++to) {
            first = std::min(first, to->first);
            end = std::max(end, to->end);
        }
        if (from != to) {
            *from = Span{first, end};
            row.erase(from + 1, to);
        } else {
            row.insert(from, Span{first, end});
        }
    }

    // The tips of the path pixels first..last on row y.
    void AddTips(std::int64_t y, const Run& run) {
        const std::int64_t top = y - w_ / 2, left = run.first - w_ / 2;
        const std::int64_t from = std::max<std::int64_t>(0, rowFirst_ - top);
        const std::int64_t to = std::min<std::int64_t>(w_, rowEnd_ - top);
        for (std::int64_t j = from; j < to; ++j) {
            const EllipseRow& r = tip_[static_cast<std::size_t>(std::min(j, w_ - 1 - j))];
            if (r.outer >= 0)
                Add(top + j, left + r.outer, left + (run.last - run.first) + w_ - r.outer);
        }
    }

    // The parallelogram of the diagonal step from (x, y) to (x + dx, y + 1).
    void AddStep(std::int64_t x, std::int64_t y, int dx) {
        // Sideways along (1, -dx) by farSide_ (larger x) and along (-1, dx) by nearSide_.
        const std::int64_t ax = x + farSide_, ay = y - dx * farSide_;   // the far side's corners: a, a + step
        const std::int64_t bx = x - nearSide_, by = y + dx * nearSide_; // the near side's: b, b + step
        // Four edges of slope +-1; each row's crossings are integers.
        const std::int64_t corners[4][2] = {{ax, ay}, {ax + dx, ay + 1}, {bx + dx, by + 1}, {bx, by}};
        const std::int64_t yFirst = std::max<std::int64_t>(std::min(ay, by), rowFirst_);
        const std::int64_t yEnd = std::min<std::int64_t>(std::max(ay, by) + 1, rowEnd_);
        for (std::int64_t row = yFirst; row < yEnd; ++row) {
            std::int64_t cross[4];
            int count = 0;
            for (int e = 0; e < 4; ++e) {
                const std::int64_t* p = corners[e];
                const std::int64_t* q = corners[(e + 1) % 4];
                if (p[1] == q[1])
                    continue;
                const std::int64_t* lo = p[1] < q[1] ? p : q;
                const std::int64_t* hi = p[1] < q[1] ? q : p;
                if (row >= lo[1] && row < hi[1])
                    cross[count++] = lo[0] + (row - lo[1]) * ((hi[0] - lo[0]) / (hi[1] - lo[1]));
            }
            if (count == 2)
                Add(row, std::min(cross[0], cross[1]), std::max(cross[0], cross[1]));
        }
    }

    // The one or two runs of the outline on each row of the path's box, and
    // the steps between the rows: where two runs of neighbouring rows do not
    // share a column, the path steps diagonally from one's end to the other's.
  public:
    // The band of the whole outline of the path's box.
    void AddOutline(const RECT& path) {
        const std::int64_t pw = std::int64_t{path.right} - path.left,
                           ph = std::int64_t{path.bottom} - path.top;
        const std::vector<EllipseRow> rows = EllipseOutlineRows(pw, ph, OutlineUse::Drawn);
        const auto runsOf = [&](std::int64_t y, Run out[2]) {
            const EllipseRow& r = rows[static_cast<std::size_t>(std::min(y, ph - 1 - y))];
            if (r.outer < 0)
                return 0;
            const std::int64_t rightFirst = pw - 1 - r.inner;
            if (rightFirst <= r.inner + 1) {
                out[0] = Run{path.left + r.outer, path.left + pw - 1 - r.outer};
                return 1;
            }
            out[0] = Run{path.left + r.outer, path.left + r.inner};
            out[1] = Run{path.left + rightFirst, path.left + pw - 1 - r.outer};
            return 2;
        };
        // Path rows whose tips or steps can reach the surface.
        const std::int64_t reach = ReachOf(w_);
        const std::int64_t yFirst = std::max<std::int64_t>(0, rowFirst_ - reach - path.top);
        const std::int64_t yEnd = std::min<std::int64_t>(ph, rowEnd_ + reach - path.top);
        Run above[2];
        int aboveCount = 0;
        for (std::int64_t y = yFirst; y < yEnd; ++y) {
            Run here[2];
            const int count = runsOf(y, here);
            const std::int64_t row = path.top + y;
            for (int i = 0; i < count; ++i) {
                AddTips(row, here[i]);
                for (int j = 0; j < aboveCount; ++j) {
                    if (above[j].last + 1 == here[i].first)
                        AddStep(above[j].last, row - 1, 1);
                    else if (here[i].last + 1 == above[j].first)
                        AddStep(above[j].first, row - 1, -1);
                }
            }
            std::copy(here, here + count, above);
            aboveCount = count;
        }
    }

    std::int64_t w_;
    std::int64_t width_, rowFirst_, rowEnd_;
    const std::vector<EllipseRow>& tip_;
    std::vector<std::vector<Span>> rows_;
    std::int64_t nearSide_ = 0, farSide_ = 0;
};

double Normalised(double angle) {
    constexpr double kTurn = 2 * std::numbers::pi;
    angle = std::fmod(angle, kTurn);
    return angle < 0 ? angle + kTurn : angle;
}

struct Placed {
    double offset;
    POINT point;
};

// Runs the pen along the steps first, first +- 1, ..., last of a straight
// stretch of the path (at(i) plots step i), plotting only the steps in
// [low, high) and moving the dash pattern on over the others.
template <class At>
void Walk(PenStroke& pen, std::int64_t first, std::int64_t last, std::int64_t low, std::int64_t high, At at) {
    if (first <= last) {
        pen.Skip(std::max<std::int64_t>(0, std::min(last + 1, low) - first));
        for (std::int64_t i = std::max(first, low); i < std::min(last + 1, high); ++i)
            at(i);
        pen.Skip(std::max<std::int64_t>(0, last + 1 - std::max(first, high)));
    } else {
        pen.Skip(std::max<std::int64_t>(0, first + 1 - std::max(last, high)));
        for (std::int64_t i = std::min(first, high - 1); i >= std::max(last, low); --i)
            at(i);
        pen.Skip(std::max<std::int64_t>(0, std::min(first + 1, low) - last));
    }
}

// Boxes one or two pixels wide and one pixel high have paths of their own,
// which run out and back over the same pixels, each pass painting over the
// last (measured for dotted pens on every such box up to 40 pixels long):
//  - one pixel wide: from the top down to the bottom and back up to the
//    second row;
//  - one pixel high: from the right end to the left end and back to the
//    next to last column;
//  - two pixels wide: the top right pixel, the left column from the top down,
//    and the right column from the bottom up to the second row.
// Other boxes' paths run counter-clockwise round the outline, from angle 0
// on (measured on every box up to 40 x 40, and partly clipped ones); the
// middle row of an odd-high box is run from its right end in, then the upper
// half, out along the middle row's left run and back in, the lower half,
// and out along the right run to the pixel before the start (so the middle
// row's runs longer than a pixel are passed twice).
void DrawOutlinePixels(const EllipseShape& e, PenStroke& pen, RECT bounds) {
    const int w = pen.IsNull() ? 1 : pen.Width();
    const std::int64_t boxWidth = std::int64_t{bounds.right} - bounds.left,
                       boxHeight = std::int64_t{bounds.bottom} - bounds.top;
    if (w == 1 && (boxWidth <= 2 || boxHeight == 1)) {
        const bool columns = boxWidth <= 2;
        const std::int64_t length = columns ? boxHeight : boxWidth;
        // Step i stands at row top + i of a column, or at column right - 1 - i
        // of the row; only the steps [low, high) can paint.
        const RECT reach = pen.Reach();
        const std::int64_t low = std::clamp<std::int64_t>(columns ? std::int64_t{reach.top} - bounds.top
                                                                  : std::int64_t{bounds.right} - reach.right,
                                                          0, length);
        const std::int64_t high = std::clamp<std::int64_t>(columns ? std::int64_t{reach.bottom} - bounds.top
                                                                   : std::int64_t{bounds.right} - reach.left,
                                                           low, length);
        const auto left = [&](std::int64_t i) { pen.Plot(bounds.left, static_cast<int>(bounds.top + i)); };
        const auto right = [&](std::int64_t i) {
            pen.Plot(bounds.right - 1, static_cast<int>(bounds.top + i));
        };
        const auto row = [&](std::int64_t i) {
            pen.Plot(static_cast<int>(bounds.right - 1 - i), bounds.top);
        };
        if (boxWidth == 2) {
            Walk(pen, 0, 0, low, high, right);
            Walk(pen, 0, length - 1, low, high, left);
            if (length > 1)
                Walk(pen, length - 1, 1, low, high, right);
        } else if (columns) {
            Walk(pen, 0, length - 1, low, high, left);
            if (length > 2)
                Walk(pen, length - 2, 1, low, high, left);
        } else {
            Walk(pen, 0, length - 1, low, high, row);
            if (length > 2)
                Walk(pen, length - 2, 1, low, high, row);
        }
        return;
    }
    std::vector<Placed> placed;
    // Only the pixels that can paint on the surface are looked at, except
    // that a dash pattern runs on over the whole path, off the surface too
    // (walked for traced boxes, whose paths are at most a few million
    // pixels long).
    const RECT whole{bounds.left - w, bounds.top - w, bounds.right + w, bounds.bottom + w};
    const bool dashed = pen.IsStyled() && w == 1 && Traced(bounds);
    for (const POINT& p : OutlinePixels(e, w, whole, dashed ? whole : pen.Reach()))
        placed.push_back(Placed{Normalised(e.AngleOfPixel(p.x, p.y)), p});
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Placed& a, const Placed& b) { return a.offset < b.offset; });
    if (dashed && boxHeight % 2 == 1) {
        // The middle row's runs out and back, the halves between them.
        const std::vector<EllipseRow> rows = EllipseOutlineRows(boxWidth, boxHeight, OutlineUse::Drawn);
        const EllipseRow& middle = rows[static_cast<std::size_t>(boxHeight / 2)];
        const int mid = static_cast<int>(bounds.top + boxHeight / 2);
        const std::int64_t last = std::int64_t{bounds.right} - 1;
        for (std::int64_t x = last - middle.outer; x >= last - middle.inner; --x)
            pen.Plot(static_cast<int>(x), mid);
        for (const Placed& p : placed)
            if (p.point.y < mid)
                pen.Plot(p.point.x, p.point.y);
        for (std::int64_t x = bounds.left + middle.inner; x >= bounds.left + middle.outer; --x)
            pen.Plot(static_cast<int>(x), mid);
        for (std::int64_t x = bounds.left + middle.outer + 1; x <= bounds.left + middle.inner; ++x)
            pen.Plot(static_cast<int>(x), mid);
        for (const Placed& p : placed)
            if (p.point.y > mid)
                pen.Plot(p.point.x, p.point.y);
        for (std::int64_t x = last - middle.inner; x < last - middle.outer; ++x)
            pen.Plot(static_cast<int>(x), mid);
        return;
    }
    for (const Placed& p : placed)
        pen.Plot(p.point.x, p.point.y);
}

// ---- Arcs ------------------------------------------------------------------

// Where Windows cuts an arc out of the elliptic outline, as measured under
// every box from 3 x 3 to 40 x 40 and thousands of rays (the path itself is
// the outline Ellipse draws; boxes one or two pixels wide or high still
// differ):
//  - The rays run from the box's centre rounded down to whole pixels,
//    C = (floor((left + right) / 2), floor((top + bottom) / 2)), through the
//    given points: two points on one ray of the exact centre may cut apart.
//    A point on C gives the ray straight right.
//  - Each outline pixel stands for its corner nearest the middle of the box,
//    measured so that the halves mirror each other: a pixel right of the
//    middle by its left edge from C.x, one left of it by its right edge from
//    the centre rounded up; likewise for rows. The middle column and row
//    (odd sides) stand at 0; a corner at C lies on every ray.
//  - The arc runs counter-clockwise from the first pixel whose corner lies
//    past the start ray to the last one before the end ray. A corner on a ray
//    counts as past it in the upper half and before it in the lower half,
//    except on a ray straight left, where the path comes down from the upper
//    half and all of them count as past.
//  - The path passes the middle row of an odd-high box twice: on the right
//    out along the row leaving the lower half and back in entering the upper
//    one, on the left out from the upper half and back into the lower one;
//    each passage takes the rule of its half.
//  - Start and end on one ray, or two rays that cut the path between the
//    same two pixels, make the whole outline.
//  - Like a polyline, the arc leaves out its last pixel, and a pixel passed
//    twice in a row is drawn once.
// A wide pen strokes the same path, its last pixel included, never closed; a
// path of a single passage shows nothing.

__extension__ using Wide = __int128;

// A measure of the counter-clockwise angle (y up) of the direction (x, y)
// given with y down, in [0, 4): it grows with the angle as the angle does, a
// quarter turn per unit, and costs a division instead of an arc tangent.
double Diamond(std::int64_t x, std::int64_t down) {
    const double u = static_cast<double>(x), v = -static_cast<double>(down);
    if (u == 0 && v == 0)
        return 0;
    if (v >= 0)
        return u >= 0 ? v / (u + v) : 1 - u / (v - u);
    return u < 0 ? 2 - v / (-u - v) : 3 + u / (u - v);
}

// The turn from a to b on that measure, in [0, 4).
double DiamondTurn(double a, double b) {
    const double turn = b - a;
    return turn < 0 ? turn + 4 : turn;
}

// Whether the direction r lies on the ray of direction d (exactly); the
// corner of a pixel at the centre lies on every ray.
bool OnRay(std::int64_t dx, std::int64_t dy, std::int64_t rx, std::int64_t ry) {
    return Wide{dy} * rx == Wide{dx} * ry && Wide{dx} * rx + Wide{dy} * ry >= 0;
}

// One passage of the arc's path through an outline pixel.
struct ArcStep {
    double offset;     // turn from the start ray to the pixel's corner
    double along;      // the pixel's place among pixels of one corner direction
    std::int64_t twin; // the order of the middle row's passages
    POINT point;
};

class ArcCut {
  public:
    ArcCut(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd)
        : sumX_(std::int64_t{left} + right), sumY_(std::int64_t{top} + bottom), cx_(sumX_ >> 1),
          cy_(sumY_ >> 1), sx_(xStart - cx_), sy_(yStart - cy_), ex_(xEnd - cx_), ey_(yEnd - cy_) {
        // A point on the centre gives the ray straight right.
        if (sx_ == 0 && sy_ == 0)
            sx_ = 1;
        if (ex_ == 0 && ey_ == 0)
            ex_ = 1;
        start_ = Diamond(sx_, sy_);
        whole_ = OnRay(sx_, sy_, ex_, ey_);
        sweep_ = DiamondTurn(start_, Diamond(ex_, ey_));
    }

    // Adds the passages of the outline pixel p that belong to the arc.
    void Add(std::vector<ArcStep>& steps, POINT p) const {
        const std::int64_t rx = Corner(p.x, sumX_), ry = Corner(p.y, sumY_);
        const std::int64_t row2 = 2 * std::int64_t{p.y} + 1;
        if (row2 != sumY_) {
            AddPassage(steps, p, rx, ry, row2 < sumY_, 0);
            return;
        }
        // The middle row: on the right the path runs out along it leaving the
        // lower half and back in entering the upper one; on the left out
        // from the upper half and back into the lower one.
        const bool right = rx > 0;
        const std::int64_t out = rx < 0 ? -rx : rx, back = (std::int64_t{1} << 62) - out;
        AddPassage(steps, p, rx, ry, false, right ? out : back);
        AddPassage(steps, p, rx, ry, true, right ? back : out);
    }

    bool Whole() const { return whole_; }
    void MakeWhole() { whole_ = true; }

  private:
    // The corner of pixel v nearest the middle, from the centre (see above).
    static std::int64_t Corner(int v, std::int64_t sum) {
        const std::int64_t twice = 2 * std::int64_t{v} + 1;
        return twice > sum ? v - (sum >> 1) : v + 1 - (-((-sum) >> 1));
    }

    void AddPassage(std::vector<ArcStep>& steps, POINT p, std::int64_t rx, std::int64_t ry, bool upper,
                    std::int64_t twin) const {
        // A corner on a ray counts as past it in the upper half; on a ray
        // straight left or right, also the lower half's on the left, where
        // the path comes down from the upper half.
        const bool past = ry < 0 || (ry == 0 && (upper || rx < 0));
        const double corner = Diamond(rx, ry);
        double offset = 0;
        if (OnRay(sx_, sy_, rx, ry)) {
            offset = past ? 0 : 4; // on the start ray: first, or before it (last)
        } else {
            offset = DiamondTurn(start_, corner);
            if (offset == 0) // apart from the start ray, however close
                offset =
                    Wide{sy_} * rx > Wide{sx_} * ry ? std::nextafter(0.0, 1.0) : std::nextafter(4.0, 0.0);
        }
        if (!whole_ && !(OnRay(ex_, ey_, rx, ry) ? !past : offset < sweep_))
            return;
        // Pixels of one corner direction lie along the path in the order of
        // their centres' angles, counted from the opposite direction.
        const double centre = Diamond(2 * std::int64_t{p.x} + 1 - sumX_, 2 * std::int64_t{p.y} + 1 - sumY_);
        steps.push_back(
            ArcStep{offset, DiamondTurn(corner + 2 >= 4 ? corner - 2 : corner + 2, centre), twin, p});
    }

    std::int64_t sumX_, sumY_, cx_, cy_;
    std::int64_t sx_, sy_, ex_, ey_;
    double start_ = 0, sweep_ = 0;
    bool whole_ = false;
};

// Boxes up to this size are walked round in full to tell an empty arc from a
// whole one when the part on the surface holds none of it.
constexpr std::int64_t kMaxWalkedSide = 1 << 14;

void DrawArc(const EllipseShape& e, PenStroke& pen, RECT bounds, ArcCut cut) {
    const int w = pen.Width();
    const bool wide = w > 1 && Traced(bounds);
    std::vector<ArcStep> steps;
    std::unique_ptr<WideEllipseBand> band;
    std::vector<POINT> outline;
    RECT reach;
    if (wide) {
        const Surface& surface = *pen.Dc().surface;
        const std::int64_t reachOf = WideEllipseBand::ReachOf(w);
        band = std::make_unique<WideEllipseBand>(
            w, surface.width, std::max<std::int64_t>(0, bounds.top - reachOf),
            std::min<std::int64_t>(surface.height, std::int64_t{bounds.bottom} + reachOf));
        const int far = static_cast<int>(std::min<std::int64_t>(reachOf, 1 << 24));
        reach = RECT{-far, -far, surface.width + far, surface.height + far};
        outline = OutlinePixels(
            e, 1, RECT{bounds.left - 1, bounds.top - 1, bounds.right + 1, bounds.bottom + 1}, reach);
    } else {
        // Only the pixels that can paint on the surface are looked at.
        reach = pen.Reach();
        outline = OutlinePixels(
            e, w, RECT{bounds.left - w, bounds.top - w, bounds.right + w, bounds.bottom + w}, reach);
    }
    for (const POINT& p : outline)
        cut.Add(steps, p);
    if (steps.empty() && !cut.Whole() && Traced(bounds)) {
        // Both rays may cut the path between the same two pixels: then the
        // arc runs all the way round. When part of the path was not looked
        // at, it is looked at now, for boxes of moderate size (an arc of a
        // huge box whose visible part is off the arc would cost a walk round).
        const bool seenAll = bounds.left >= reach.left && bounds.top >= reach.top &&
                             bounds.right <= reach.right && bounds.bottom <= reach.bottom;
        bool none = seenAll;
        if (!seenAll && std::int64_t{bounds.right} - bounds.left <= kMaxWalkedSide &&
            std::int64_t{bounds.bottom} - bounds.top <= kMaxWalkedSide) {
            std::vector<ArcStep> any;
            for (const POINT& p : OutlinePixels(
                     e, 1, RECT{bounds.left - 1, bounds.top - 1, bounds.right + 1, bounds.bottom + 1},
                     bounds)) {
                cut.Add(any, p);
                if (!any.empty())
                    break;
            }
            none = any.empty();
        }
        if (none) {
            cut.MakeWhole();
            for (const POINT& p : outline)
                cut.Add(steps, p);
        }
    }
    std::sort(steps.begin(), steps.end(), [](const ArcStep& a, const ArcStep& b) {
        if (a.offset != b.offset)
            return a.offset < b.offset;
        if (a.along != b.along)
            return a.along < b.along;
        return a.twin < b.twin;
    });
    // A pixel passed twice in a row counts once.
    std::vector<POINT> points;
    points.reserve(steps.size());
    for (const ArcStep& step : steps) {
        if (points.empty() || points.back().x != step.point.x || points.back().y != step.point.y)
            points.push_back(step.point);
    }
    if (wide) {
        // Even round the whole outline the path stays open. A path of one
        // passage shows nothing; the middle row's two passages of one pixel
        // show its tip.
        if (steps.size() < 2)
            return;
        band->AddPath(points, false);
        band->Paint(pen.Dc(), pen.Color());
        return;
    }
    // The last pixel is left out (drawn all the same when the path began there).
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        pen.Plot(points[i].x, points[i].y);
}

} // namespace

namespace {

// Rectangle with any pen and brush, on a normalised rectangle of some size.
void PaintRectangle(DcObject& dc, int left, int top, int right, int bottom) {
    PenStroke pen(dc);
    const BrushPattern brush = PatternOf(dc, dc.brush);
    if (pen.IsNull()) {
        PatternRop(dc, RECT{left, top, right - 1, bottom - 1}, brush, kPatCopy);
        return;
    }
    if (pen.Width() == 1 && left + 1 == right && top + 1 == bottom)
        return; // a one-pixel outline has no path and no inside: nothing shows
    if (OutlineMatchesFill(pen, brush)) {
        // Fill and one-pixel outline in one colour: the whole rectangle in one fill.
        PatternRop(dc, RECT{left, top, right, bottom}, brush, kPatCopy);
        return;
    }
    const PenObject* object = dc.penObject;
    if (pen.IsStyled()) {
        PatternRop(dc, RECT{left + 1, top + 1, right - 1, bottom - 1}, brush, kPatCopy);
        StyledOutline(left, top, right, bottom, pen);
    } else {
        const PenTip tip(pen.Width());
        const OutlinePath path =
            PathOf(left, top, right, bottom, tip, object && object->style == PS_INSIDEFRAME);
        FillInsidePath(dc, path, brush);
        SolidOutline(dc, path, tip, pen.Color());
    }
}

// Rectangle with any pen and brush, its corners in order. Kept out of
// Rectangle so that the one-colour road does not pay for its setup.
[[gnu::noinline]] BOOL RectangleInGeneral(DcObject& dc, int left, int top, int right, int bottom) {
    Normalise(left, top, right, bottom);
    if (PatternOf(dc, dc.brush).unsupported)
        return FALSE;
    if (left == right || top == bottom)
        return TRUE;
    PaintRectangle(dc, left, top, right, bottom);
    return TRUE;
}

} // namespace

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return FALSE;
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    if (!dc->surface)
        return TRUE;
    Pixel ink = 0;
    if (!OneColourInk(*dc, ink)) [[unlikely]]
        return RectangleInGeneral(*dc, left, top, right, bottom);
    // The short road to OutlineMatchesFill's one fill (a one-pixel rectangle
    // shows nothing, as in general). It offsets no edge, so far-away
    // coordinates need no pulling in: the fill cuts them, and an empty
    // rectangle fills nothing. The sides are counted modulo 2^32: they are
    // 1 exactly when 1.
    if (static_cast<unsigned>(right) - static_cast<unsigned>(left) != 1 ||
        static_cast<unsigned>(bottom) - static_cast<unsigned>(top) != 1)
        FillVisible(*dc, RECT{left, top, right, bottom}, ink);
    return TRUE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return FALSE;
    Normalise(left, top, right, bottom);
    if (!dc->surface)
        return TRUE;
    const BrushPattern brush = PatternOf(*dc, dc->brush);
    if (brush.unsupported)
        return FALSE;
    if (left == right || top == bottom)
        return TRUE;
    PenStroke pen(*dc);
    // The null pen's brush covers the whole traced shape, except that boxes
    // narrower or lower than three pixels lose their last column and row.
    const bool tiny = std::int64_t{right} - left < 3 || std::int64_t{bottom} - top < 3;
    // A wide pen strokes the one-pixel outline of its path's box (see
    // WideEllipseBand); an inside-frame pen's path lies w / 2 pixels inside
    // the box on the left and top, (w - 1) / 2 on the right and bottom.
    const bool wide = !pen.IsNull() && pen.Width() > 1;
    bool turned = false;
    if (wide) {
        const PenObject* object = dc->penObject;
        const int w = pen.Width();
        if (object && object->style == PS_INSIDEFRAME) {
            // A side that the pen does not fit in turns over; its ends are
            // put back in order and moved one pixel apart each, and the pen
            // then strokes the rectangle through the outermost pixels of
            // that box instead of its elliptic outline (measured for pens 2
            // to 9 on every box up to 14 x 14).
            const auto inset = [w, &turned](int& low, int& high) {
                low += w / 2;
                high -= (w - 1) / 2;
                if (high <= low) {
                    std::swap(low, high);
                    --low;
                    ++high;
                    turned = true;
                }
            };
            inset(left, right);
            inset(top, bottom);
        }
    }
    const RECT path{left, top, right, bottom};
    const bool traced = (pen.IsNull() ? !tiny : true) && Traced(path);
    if (pen.IsNull() && !traced) {
        --right;
        --bottom;
    }
    const EllipseShape shape(left, top, right, bottom);
    if (!brush.hollow && traced) {
        // The brush fills inside the traced outline (all of it with the null
        // pen, whose ellipse is the one-pixel-smaller box's).
        const std::vector<EllipseRow> rows =
            EllipseOutlineRows(std::int64_t{right} - left, std::int64_t{bottom} - top, OutlineUse::Drawn);
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
    if (wide && traced) {
        const std::int64_t reach = WideEllipseBand::ReachOf(pen.Width());
        WideEllipseBand band(pen.Width(), dc->surface->width, std::max<std::int64_t>(0, path.top - reach),
                             std::min<std::int64_t>(dc->surface->height, std::int64_t{path.bottom} + reach));
        if (turned)
            band.AddBoxRing(path);
        else
            band.AddOutline(path);
        band.Paint(*dc, pen.Color());
        return TRUE;
    }
    if (!pen.IsNull())
        DrawOutlinePixels(shape, pen, RECT{left, top, right, bottom});
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
    DrawArc(shape, pen, RECT{left, top, right, bottom},
            ArcCut(left, top, right, bottom, xStart, yStart, xEnd, yEnd));
    return TRUE;
}

} // namespace gdi
