// Polygon regions by scan lines through the pixels' top left corners.
//
// Windows decides each pixel by its top left corner (x, y): row y is sampled
// along the line Y = y, and a pixel belongs to the polygon when its corner
// lies inside, a corner on a left edge counting as inside and one on a right
// edge as outside. An edge covers the rows [yTop, yBottom), so horizontal
// edges drop out, a top edge keeps its row and a bottom edge loses it.
// Polygons that share an edge never share a pixel, and a rectangle gives the
// same pixels as FromRect.
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
    long long firstPixel; // first pixel whose corner lies at or right of the crossing
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

// ceil(X) for the crossing X of the edge with the line Y = y:
// X = xTop + (y - yTop) (xBottom - xTop) / (yBottom - yTop).
long long FirstPixelRightOf(const Edge& edge, long long y) {
    const long long height = edge.yBottom - edge.yTop;
    const long long numerator = edge.xTop * height + (y - edge.yTop) * (edge.xBottom - edge.xTop);
    return CeilDivide(numerator, height);
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
