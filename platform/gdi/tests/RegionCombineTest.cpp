// Region algebra: named rows for the cases that stress the band merge, then
// random operands checked pixel by pixel against a plain pixel-set model.
#include "platform/gdi/tests/RegionTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace gdi::testing {
namespace {

Region Rect(int left, int top, int right, int bottom) {
    return Region::FromRect(left, top, right, bottom);
}

Region Or(const Region& a, const Region& b) {
    return Region::Combine(a, b, RGN_OR);
}

::testing::AssertionResult HasRects(const Region& region, const std::vector<RECT>& expected) {
    if (RectsText(region.Rects()) == RectsText(expected)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "expected " << RectsText(expected) << "\n  actual " << RectsText(region.Rects());
}

// ---- Named rows -------------------------------------------------------------

// Two rectangles combined: the exact bands that come out, and the kind code.
TEST(RegionCombine, TwoRectsGiveTheseBands) {
    struct Row {
        const char* name;
        RECT a, b;
        int mode;
        std::vector<RECT> bands;
        int kind;
    };
    // clang-format off
    const Row rows[] = {
        {"side by side become one", {0, 0, 10, 5}, {10, 0, 20, 5}, RGN_OR, {{0, 0, 20, 5}}, SIMPLEREGION},
        {"above each other become one", {0, 0, 10, 5}, {0, 5, 10, 9}, RGN_OR, {{0, 0, 10, 9}}, SIMPLEREGION},
        {"different widths stay two bands", {0, 0, 10, 5}, {0, 5, 8, 9}, RGN_OR,
         {{0, 0, 10, 5}, {0, 5, 8, 9}}, COMPLEXREGION},
        {"overlapping give three bands", {0, 0, 10, 10}, {5, 5, 15, 15}, RGN_OR,
         {{0, 0, 10, 5}, {0, 5, 15, 10}, {5, 10, 15, 15}}, COMPLEXREGION},
        {"xor sharing an edge is the union", {0, 0, 4, 4}, {4, 0, 8, 4}, RGN_XOR,
         {{0, 0, 8, 4}}, SIMPLEREGION},
    };
    // clang-format on
    for (const Row& row : rows) {
        const Region result =
            Region::Combine(Rect(row.a.left, row.a.top, row.a.right, row.a.bottom),
                            Rect(row.b.left, row.b.top, row.b.right, row.b.bottom), row.mode);
        EXPECT_TRUE(HasRects(result, row.bands)) << row.name;
        EXPECT_EQ(result.Kind(), row.kind) << row.name;
    }
}

TEST(RegionCombine, DoubleMergeJoinsSpansAndThenBands) {
    // The middle piece closes the gap in the row and makes the two rows equal.
    const Region left = Rect(0, 0, 4, 2);
    const Region right = Rect(6, 0, 10, 2);
    const Region below = Rect(0, 2, 10, 4);
    const Region gap = Rect(4, 0, 6, 2);
    const Region all = Or(Or(Or(left, below), right), gap);
    EXPECT_TRUE(HasRects(all, {{0, 0, 10, 4}}));
    EXPECT_TRUE(all == Rect(0, 0, 10, 4));
}

TEST(RegionCombine, EmptyResults) {
    const Region a = Rect(0, 0, 10, 10);
    const Region far = Rect(20, 20, 30, 30);
    EXPECT_EQ(Region::Combine(a, far, RGN_AND).Kind(), NULLREGION);
    EXPECT_EQ(Region::Combine(a, a, RGN_DIFF).Kind(), NULLREGION);
    EXPECT_EQ(Region::Combine(a, a, RGN_XOR).Kind(), NULLREGION);
    EXPECT_EQ(Region::Combine(a, Rect(-5, -5, 50, 50), RGN_DIFF).Kind(), NULLREGION);
    EXPECT_EQ(Region::Combine(Region(), Region(), RGN_OR).Kind(), NULLREGION);
    // Touching is not overlapping.
    EXPECT_EQ(Region::Combine(a, Rect(10, 0, 20, 10), RGN_AND).Kind(), NULLREGION);
    EXPECT_TRUE(Region::Combine(a, far, RGN_AND).Rects().empty());
}

TEST(RegionCombine, XorOfOverlappingRectsLeavesTheTwoLShapes) {
    const Region x = Region::Combine(Rect(0, 0, 4, 4), Rect(2, 2, 6, 6), RGN_XOR);
    EXPECT_TRUE(RegionLooksLike(x, 0, 0,
                                {
                                    "####..",
                                    "####..",
                                    "##..##",
                                    "##..##",
                                    "..####",
                                    "..####",
                                }));
    EXPECT_TRUE(HasRects(x, {{0, 0, 4, 2}, {0, 2, 2, 4}, {4, 2, 6, 4}, {2, 4, 6, 6}}));
}

TEST(RegionCombine, DiffProducesAHole) {
    const Region frame = Region::Combine(Rect(0, 0, 5, 5), Rect(1, 1, 4, 4), RGN_DIFF);
    EXPECT_TRUE(RegionLooksLike(frame, 0, 0,
                                {
                                    "#####",
                                    "#...#",
                                    "#...#",
                                    "#...#",
                                    "#####",
                                }));
    EXPECT_TRUE(HasRects(frame, {{0, 0, 5, 1}, {0, 1, 1, 4}, {4, 1, 5, 4}, {0, 4, 5, 5}}));
    EXPECT_EQ(frame.Kind(), COMPLEXREGION);
}

TEST(RegionCombine, DiffOfManyHolesInOneRow) {
    Region holes;
    for (int x = 1; x < 10; x += 3) {
        holes = Or(holes, Rect(x, 1, x + 1, 2));
    }
    EXPECT_TRUE(RegionLooksLike(Region::Combine(Rect(0, 0, 10, 3), holes, RGN_DIFF), 0, 0,
                                {
                                    "##########",
                                    "#.##.##.##",
                                    "##########",
                                }));
}

TEST(RegionCombine, DiffCornerCutsOfAButton) {
    // A 6 x 4 button with its four corner pixels removed one by one.
    Region button = Rect(0, 0, 6, 4);
    for (const auto& [x, y] : {std::pair{0, 0}, {0, 3}, {5, 3}, {5, 0}}) {
        button = Region::Combine(button, Rect(x, y, x + 1, y + 1), RGN_DIFF);
    }
    EXPECT_TRUE(RegionLooksLike(button, 0, 0,
                                {
                                    ".####.",
                                    "######",
                                    "######",
                                    ".####.",
                                }));
    EXPECT_EQ(button.Rects().size(), 3U);
}

TEST(RegionCombine, KindCodes) {
    EXPECT_EQ(Region().Kind(), NULLREGION);
    EXPECT_EQ(Rect(3, 3, 3, 9).Kind(), NULLREGION);
    EXPECT_EQ(Rect(0, 0, 1, 1).Kind(), SIMPLEREGION);
    EXPECT_EQ(Region::Combine(Rect(0, 0, 10, 10), Rect(0, 0, 10, 5), RGN_DIFF).Kind(), SIMPLEREGION);
    EXPECT_EQ(Or(Rect(0, 0, 1, 1), Rect(2, 0, 3, 1)).Kind(), COMPLEXREGION);
}

TEST(RegionCombine, CopyReturnsTheFirstOperandAndUnknownModesNothing) {
    const Region a = Or(Rect(0, 0, 3, 3), Rect(5, 5, 9, 9));
    EXPECT_TRUE(Region::Combine(a, Rect(0, 0, 100, 100), RGN_COPY) == a);
    EXPECT_TRUE(Region::Combine(a, a, 0).Empty());
    EXPECT_TRUE(Region::Combine(a, a, 6).Empty());
}

TEST(RegionCombine, RectsWithSwappedEdgesAreNormalised) {
    EXPECT_TRUE(Rect(10, 8, 2, 1) == Rect(2, 1, 10, 8));
}

// ---- Random algebra against the pixel-set model ------------------------------

constexpr int kArea = 32;

struct RandomOperand {
    Region region;
    PixelSet pixels{-2, -2, kArea + 4, kArea + 4};
};

RandomOperand RandomRegion(std::mt19937& random) {
    RandomOperand operand;
    std::uniform_int_distribution<int> coordinate(0, kArea);
    std::uniform_int_distribution<int> pieces(0, 6);
    const int count = pieces(random);
    for (int i = 0; i < count; ++i) {
        const int left = coordinate(random);
        const int top = coordinate(random);
        const RECT rect{left, top, std::min(kArea, left + coordinate(random) / 2),
                        std::min(kArea, top + coordinate(random) / 2)};
        const Region piece = Region::FromRect(rect.left, rect.top, rect.right, rect.bottom);
        // Mix the ways of building, so operands reach the merge in every shape.
        operand.region = (i % 3 == 2) ? Region::Combine(operand.region, piece, RGN_XOR)
                                      : Region::Combine(operand.region, piece, RGN_OR);
        if (i % 3 == 2) {
            PixelSet pieceSet(-2, -2, kArea + 4, kArea + 4);
            pieceSet.FillRect(rect);
            for (int y = -2; y < kArea + 2; ++y) {
                for (int x = -2; x < kArea + 2; ++x) {
                    operand.pixels.Set(x, y, operand.pixels.Get(x, y) != pieceSet.Get(x, y));
                }
            }
        } else {
            operand.pixels.FillRect(rect);
        }
    }
    return operand;
}

bool Expected(int mode, bool inA, bool inB) {
    switch (mode) {
    case RGN_AND:
        return inA && inB;
    case RGN_OR:
        return inA || inB;
    case RGN_XOR:
        return inA != inB;
    default:
        return inA && !inB;
    }
}

TEST(RegionCombine, RandomOperandsMatchThePixelModelInEveryMode) {
    std::mt19937 random(20240917);
    for (int round = 0; round < 400; ++round) {
        const RandomOperand a = RandomRegion(random);
        const RandomOperand b = RandomRegion(random);
        ASSERT_EQ(PixelSet::Of(a.region, -2, -2, kArea + 4, kArea + 4), a.pixels) << "round " << round;
        for (int mode : {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF}) {
            const Region result = Region::Combine(a.region, b.region, mode);
            PixelSet expected(-2, -2, kArea + 4, kArea + 4);
            for (int y = -2; y < kArea + 2; ++y) {
                for (int x = -2; x < kArea + 2; ++x) {
                    expected.Set(x, y, Expected(mode, a.pixels.Get(x, y), b.pixels.Get(x, y)));
                }
            }
            const PixelSet actual = PixelSet::Of(result, -2, -2, kArea + 4, kArea + 4);
            ASSERT_TRUE(actual == expected) << SamePicture(expected.Art(), actual.Art()).message() << "round "
                                            << round << " mode " << mode;
            // The rectangle list is the one canonical list of those pixels.
            ASSERT_TRUE(HasRects(result, expected.CanonicalRects())) << "round " << round << " mode " << mode;
        }
    }
}

TEST(RegionCombine, RandomOperandsObeyTheSetLaws) {
    std::mt19937 random(77);
    for (int round = 0; round < 300; ++round) {
        const Region a = RandomRegion(random).region;
        const Region b = RandomRegion(random).region;
        const Region both = Region::Combine(a, b, RGN_AND);
        const Region either = Region::Combine(a, b, RGN_OR);
        const Region onlyA = Region::Combine(a, b, RGN_DIFF);
        const Region onlyB = Region::Combine(b, a, RGN_DIFF);
        const Region oneOf = Region::Combine(a, b, RGN_XOR);
        ASSERT_TRUE(either == Region::Combine(b, a, RGN_OR)) << round;
        ASSERT_TRUE(both == Region::Combine(b, a, RGN_AND)) << round;
        ASSERT_TRUE(oneOf == Region::Combine(b, a, RGN_XOR)) << round;
        ASSERT_TRUE(Or(onlyA, both) == a) << round;
        ASSERT_TRUE(Or(onlyA, onlyB) == oneOf) << round;
        ASSERT_TRUE(Region::Combine(either, both, RGN_DIFF) == oneOf) << round;
        ASSERT_TRUE(Region::Combine(oneOf, b, RGN_XOR) == a) << round;
    }
}

} // namespace
} // namespace gdi::testing
