// Polygon regions by scan lines through the pixel centres.
//
// Row y is sampled along the line Y = y + 0.5. Vertices have integer
// coordinates, so that line never runs along a horizontal edge nor through a
// vertex: horizontal edges drop out and every other edge crosses it cleanly.
// An edge crossing at X decides the pixels whose centre x + 0.5 >= X, which
// puts a centre lying exactly on an edge on that edge's right-hand side:
// inside for a left edge, outside for a right edge. Together with the
// half-integer rows (top edges keep their row, bottom edges lose theirs) this
// is the tiling rule of Windows and X11: polygons that share an edge never
// share a pixel, and a rectangle gives the same pixels as FromRect.
//
// ALTERNATE keeps pixels crossed by an odd number of edges to their left,
// WINDING those whose signed crossing count is not zero.
#include "platform/gdi/region/Region.h"
#include "platform/gdi/region/RegionBands.h"

#include <algorithm>
#include <climits>

namespace gdi::detail {

namespace {

// An edge stored top to bottom; direction is +1 when the polygon runs down
// it, -1 when it runs up, for the winding count.
struct Edge {
    long long xTop;
    long long yTop;
    long long xBottom;
    long long yBottom;
    int direction;
};

struct Crossing {
    long long firstPixel; // first pixel whose centre lies at or right of the crossing
    int direction;
};

long long FloorDivide(long long numerator, long long denominator) {
    long long quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0))) {
        --quotient;
    }
    return quotient;
}

long long CeilDivide(long long numerator, long long denominator) {
    return -FloorDivide(-numerator, denominator);
}

// ceil(X - 0.5) for the crossing X of the edge with the line y + 0.5:
// X - 0.5 = xTop - 1/2 + (2y + 1 - 2 yTop) (xBottom - xTop) / (2 (yBottom - yTop)).
long long FirstPixelRightOf(const Edge& edge, long long y) {
    const long long height = edge.yBottom - edge.yTop;
    const long long numerator =
        (2 * edge.xTop - 1) * height + (2 * y + 1 - 2 * edge.yTop) * (edge.xBottom - edge.xTop);
    return CeilDivide(numerator, 2 * height);
}

std::vector<Edge> CollectEdges(const POINT* points, int count) {
    std::vector<Edge> edges;
    edges.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const POINT& from = points[i];
        const POINT& to = points[(i + 1) % count];
        if (from.y == to.y) {
            continue;
        }
        if (from.y < to.y) {
            edges.push_back(Edge{from.x, from.y, to.x, to.y, 1});
        } else {
            edges.push_back(Edge{to.x, to.y, from.x, from.y, -1});
        }
    }
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.yTop < b.yTop; });
    return edges;
}

// Turns the sorted crossings of one row into spans of inside pixels.
void SpansFromCrossings(const std::vector<Crossing>& crossings, int fillMode, std::vector<Span>& out) {
    int winding = 0;
    bool inside = false;
    long long openedAt = 0;
    for (std::size_t i = 0; i < crossings.size();) {
        const long long x = crossings[i].firstPixel;
        // All crossings at the same pixel boundary act together.
        for (; i < crossings.size() && crossings[i].firstPixel == x; ++i) {
            winding += crossings[i].direction;
        }
        const bool nowInside = fillMode == WINDING ? winding != 0 : (winding & 1) != 0;
        if (nowInside && !inside) {
            openedAt = x;
        } else if (!nowInside && inside) {
            out.push_back(Span{static_cast<int>(openedAt), static_cast<int>(x)});
        }
        inside = nowInside;
    }
}

} // namespace

Region Region::FromPolygon(const POINT* points, int count, int fillMode) {
    if (points == nullptr || count < 3 || (fillMode != ALTERNATE && fillMode != WINDING)) {
        return Region();
    }
    std::vector<Edge> edges = CollectEdges(points, count);
    if (edges.empty()) {
        return Region();
    }
    long long top = LLONG_MAX;
    long long bottom = LLONG_MIN;
    for (const Edge& edge : edges) {
        top = std::min(top, edge.yTop);
        bottom = std::max(bottom, edge.yBottom);
    }
    if (bottom - top > kMaxShapeHeight) {
        return Region();
    }

    BandBuilder builder;
    std::vector<const Edge*> active;
    std::vector<Crossing> crossings;
    std::vector<Span> spans;
    std::size_t nextEdge = 0;
    for (long long y = top; y < bottom; ++y) {
        // Edges whose span of rows [yTop, yBottom) holds y.
        while (nextEdge < edges.size() && edges[nextEdge].yTop <= y) {
            active.push_back(&edges[nextEdge++]);
        }
        std::erase_if(active, [y](const Edge* edge) { return edge->yBottom <= y; });

        crossings.clear();
        for (const Edge* edge : active) {
            crossings.push_back(Crossing{FirstPixelRightOf(*edge, y), edge->direction});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& a, const Crossing& b) { return a.firstPixel < b.firstPixel; });
        spans.clear();
        SpansFromCrossings(crossings, fillMode, spans);
        builder.AddBand(static_cast<int>(y), static_cast<int>(y + 1), spans);
    }
    return Region(builder.Take());
}

} // namespace gdi::detail
