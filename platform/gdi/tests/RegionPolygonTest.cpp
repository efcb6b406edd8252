// Polygon regions: the tiling rule at shared edges, the two fill modes on
// self-overlapping outlines, the button's slanted shapes, and random
// polygons against a per-pixel winding-number test.
#include "platform/gdi/tests/RegionTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace gdi::testing {
namespace {

Region Polygon(const std::vector<POINT>& points, int fillMode) {
    return Region::FromPolygon(points.data(), static_cast<int>(points.size()), fillMode);
}

// Winding number at the top left corner of pixel (x, y), by the side-of-edge
// cross product. An edge counts for the rows [top, bottom) it spans, and a
// corner on an edge counts as right of it, so it is inside for a left edge
// and outside for a right edge.
int WindingAtCorner(const std::vector<POINT>& points, int x, int y) {
    const long long px = x;
    const long long py = y;
    int winding = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const POINT& a = points[i];
        const POINT& b = points[(i + 1) % points.size()];
        const long long ax = a.x, ay = a.y, bx = b.x, by = b.y;
        if (py < std::min(ay, by) || py >= std::max(ay, by)) {
            continue; // does not cross this row's sampling line
        }
        // Sign of (b - a) x (p - a), oriented so that positive means p lies
        // right of (or on) the edge when walking it downwards.
        const long long cross = (bx - ax) * (py - ay) - (px - ax) * (by - ay);
        const bool downwards = by > ay;
        const bool rightOrOn = downwards ? cross <= 0 : cross >= 0;
        if (rightOrOn) {
            winding += downwards ? 1 : -1;
        }
    }
    return winding;
}

PixelSet Reference(const std::vector<POINT>& points, int fillMode, int left, int top, int width, int height) {
    PixelSet set(left, top, width, height);
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            const int winding = WindingAtCorner(points, x, y);
            set.Set(x, y, fillMode == WINDING ? winding != 0 : (winding & 1) != 0);
        }
    }
    return set;
}

TEST(RegionPolygon, RectangleOutlineGivesTheRectangle) {
    for (int fillMode : {ALTERNATE, WINDING}) {
        EXPECT_TRUE(Polygon({{2, 3}, {2, 9}, {12, 9}, {12, 3}}, fillMode) == Region::FromRect(2, 3, 12, 9));
        EXPECT_TRUE(Polygon({{2, 3}, {12, 3}, {12, 9}, {2, 9}}, fillMode) == Region::FromRect(2, 3, 12, 9));
    }
}

TEST(RegionPolygon, TrianglePicture) {
    // Corners on the slanted left edge (x = y) are inside.
    EXPECT_TRUE(RegionLooksLike(Polygon({{0, 0}, {6, 6}, {6, 0}}, ALTERNATE), 0, 0,
                                {
                                    "######",
                                    ".#####",
                                    "..####",
                                    "...###",
                                    "....##",
                                    ".....#",
                                }));
    // Mirrored: now the slant is a right edge and its corners fall outside.
    EXPECT_TRUE(RegionLooksLike(Polygon({{0, 0}, {0, 6}, {6, 0}}, ALTERNATE), 0, 0,
                                {
                                    "######",
                                    "#####.",
                                    "####..",
                                    "###...",
                                    "##....",
                                    "#.....",
                                }));
}

TEST(RegionPolygon, AdjacentPolygonsTileWithoutOverlapOrGap) {
    // A rectangle cut along a slanted and a steep line into three pieces.
    const std::vector<POINT> left{{0, 0}, {0, 20}, {7, 20}, {13, 0}};
    const std::vector<POINT> middle{{13, 0}, {7, 20}, {25, 20}, {19, 0}};
    const std::vector<POINT> right{{19, 0}, {25, 20}, {30, 20}, {30, 0}};
    for (int fillMode : {ALTERNATE, WINDING}) {
        const Region a = Polygon(left, fillMode);
        const Region b = Polygon(middle, fillMode);
        const Region c = Polygon(right, fillMode);
        EXPECT_TRUE(Region::Combine(a, b, RGN_AND).Empty());
        EXPECT_TRUE(Region::Combine(b, c, RGN_AND).Empty());
        EXPECT_TRUE(Region::Combine(Region::Combine(a, b, RGN_OR), c, RGN_OR) ==
                    Region::FromRect(0, 0, 30, 20));
    }
}

TEST(RegionPolygon, SelfOverlappingStarDiffersByFillMode) {
    // A five-pointed star drawn as one outline: its middle pentagon is
    // crossed twice, so ALTERNATE leaves it out and WINDING fills it.
    std::vector<POINT> star;
    for (int i = 0; i < 5; ++i) {
        const double angle = -M_PI / 2 + i * 4 * M_PI / 5;
        star.push_back(POINT{static_cast<LONG>(std::lround(40 + 38 * std::cos(angle))),
                             static_cast<LONG>(std::lround(40 + 38 * std::sin(angle)))});
    }
    const Region alternate = Polygon(star, ALTERNATE);
    const Region winding = Polygon(star, WINDING);
    EXPECT_TRUE(alternate.Contains(40, 10)); // a point
    EXPECT_TRUE(winding.Contains(40, 10));
    EXPECT_FALSE(alternate.Contains(40, 42)); // the middle
    EXPECT_TRUE(winding.Contains(40, 42));
    EXPECT_TRUE(Region::Combine(alternate, winding, RGN_DIFF).Empty());
    for (int fillMode : {ALTERNATE, WINDING}) {
        const Region region = fillMode == WINDING ? winding : alternate;
        EXPECT_TRUE(SamePicture(Reference(star, fillMode, 0, 0, 81, 81).Art(),
                                PixelSet::Of(region, 0, 0, 81, 81).Art()));
    }
}

TEST(RegionPolygon, OutlineWoundTwiceIsEmptyUnderAlternateAndFullUnderWinding) {
    const std::vector<POINT> twice{{0, 0}, {10, 0}, {10, 8}, {0, 8}, {0, 0}, {10, 0}, {10, 8}, {0, 8}};
    EXPECT_TRUE(Polygon(twice, ALTERNATE).Empty());
    EXPECT_TRUE(Polygon(twice, WINDING) == Region::FromRect(0, 0, 10, 8));
}

TEST(RegionPolygon, FigureEightFillsBothLoopsInEitherMode) {
    // The two loops of a figure eight run in opposite senses (winding +1
    // and -1); both are non-zero, so both modes fill both loops.
    const std::vector<POINT> eight{{0, 0}, {10, 10}, {10, 0}, {0, 10}};
    EXPECT_TRUE(Polygon(eight, WINDING) == Polygon(eight, ALTERNATE));
    EXPECT_TRUE(Polygon(eight, WINDING).Contains(2, 5));
    EXPECT_TRUE(Polygon(eight, WINDING).Contains(8, 5));
    EXPECT_FALSE(Polygon(eight, WINDING).Contains(5, 2));
}

TEST(RegionPolygon, SlantedButtonShapes) {
    // A 40 x 30 button slanted on the left: k = 31, polygon as the button builds it.
    const int w = 40;
    const int h = 30;
    const int k = h + 1;
    const Region left = Polygon({{0, 0}, {k, h + 1}, {w + 1, h + 1}, {w + 1, 0}}, WINDING);
    for (int y = 0; y <= h; ++y) {
        EXPECT_FALSE(left.Contains(y - 1, y)) << y; // left of the 45 degree slant
        EXPECT_TRUE(left.Contains(y, y)) << y;      // corner exactly on the left edge
    }
    EXPECT_TRUE(left.Contains(w, h));
    EXPECT_EQ(left.Bounds().bottom, h + 1);
    // Parallelogram 100 x 30: (0,0), (31,31), (101,31), (70,0).
    const Region both = Polygon({{0, 0}, {31, 31}, {101, 31}, {70, 0}}, WINDING);
    EXPECT_TRUE(both.Contains(0, 0));
    EXPECT_FALSE(both.Contains(70, 0)); // corner on the right edge
    EXPECT_TRUE(both.Contains(69, 0));
    EXPECT_TRUE(both.Contains(99, 30));
    EXPECT_FALSE(both.Contains(100, 30)); // corner on the right slant
    EXPECT_TRUE(both.Contains(30, 30));   // corner on the left slant
    EXPECT_FALSE(both.Contains(29, 30));
}

TEST(RegionPolygon, DegenerateInputGivesEmptyRegions) {
    const std::vector<POINT> line{{0, 0}, {10, 10}};
    EXPECT_TRUE(Polygon(line, WINDING).Empty());
    EXPECT_TRUE(Polygon({{0, 0}, {10, 0}, {20, 0}}, WINDING).Empty()); // flat
    EXPECT_TRUE(Polygon({{0, 0}, {0, 10}, {0, 20}}, WINDING).Empty()); // zero width
    EXPECT_TRUE(Region::FromPolygon(nullptr, 4, WINDING).Empty());
    EXPECT_TRUE(Polygon({{0, 0}, {0, 9}, {9, 9}}, 0).Empty());             // unknown fill mode
    EXPECT_TRUE(Polygon({{0, 0}, {0, 1 << 22}, {9, 9}}, WINDING).Empty()); // taller than supported
}

std::vector<POINT> RandomPolygon(std::mt19937& random) {
    std::uniform_int_distribution<int> corners(3, 9);
    std::uniform_int_distribution<int> coordinate(-5, 45);
    std::vector<POINT> points(static_cast<std::size_t>(corners(random)));
    for (POINT& point : points) {
        point = POINT{coordinate(random), coordinate(random)};
    }
    return points;
}

TEST(RegionPolygon, RandomPolygonsMatchThePerPixelWindingTest) {
    std::mt19937 random(1234567);
    for (int round = 0; round < 400; ++round) {
        const std::vector<POINT> points = RandomPolygon(random);
        for (int fillMode : {ALTERNATE, WINDING}) {
            const Region region = Polygon(points, fillMode);
            const PixelSet expected = Reference(points, fillMode, -7, -7, 55, 55);
            const PixelSet actual = PixelSet::Of(region, -7, -7, 55, 55);
            ASSERT_TRUE(actual == expected) << "round " << round << " mode " << fillMode << "\n"
                                            << SamePicture(expected.Art(), actual.Art()).message();
            ASSERT_EQ(RectsText(region.Rects()), RectsText(expected.CanonicalRects())) << "round " << round;
        }
    }
}

} // namespace
} // namespace gdi::testing
