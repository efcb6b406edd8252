// Reading a region: point lookup, bounds, the spans of a row, clipping a
// rectangle, and moving it.
#include "platform/gdi/tests/RegionTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace gdi::testing {
namespace {

// Three bands: a bar, two posts with a gap, a bar again.
Region Frame() {
    return Region::Combine(Region::FromRect(0, 0, 10, 8), Region::FromRect(3, 2, 7, 6), RGN_DIFF);
}

std::vector<std::pair<int, int>> SpansOfRow(const Region& region, int y) {
    std::vector<std::pair<int, int>> spans;
    region.ForEachSpan(y, [&spans](int left, int right) { spans.emplace_back(left, right); });
    return spans;
}

TEST(RegionQuery, ContainsHonoursExcludedRightAndBottomEdges) {
    const Region frame = Frame();
    EXPECT_TRUE(frame.Contains(0, 0));
    EXPECT_TRUE(frame.Contains(9, 7));
    EXPECT_FALSE(frame.Contains(10, 0));
    EXPECT_FALSE(frame.Contains(0, 8));
    EXPECT_FALSE(frame.Contains(-1, 3));
    EXPECT_TRUE(frame.Contains(2, 3));
    EXPECT_FALSE(frame.Contains(3, 3)); // the hole
    EXPECT_FALSE(frame.Contains(6, 5));
    EXPECT_TRUE(frame.Contains(7, 5));
    EXPECT_FALSE(Region().Contains(0, 0));
}

TEST(RegionQuery, BoundsCoverEveryBand) {
    const Region shape = Region::Combine(Region::FromRect(5, 0, 8, 2), Region::FromRect(-3, 4, 2, 9), RGN_OR);
    const RECT bounds = shape.Bounds();
    EXPECT_EQ(bounds.left, -3);
    EXPECT_EQ(bounds.top, 0);
    EXPECT_EQ(bounds.right, 8);
    EXPECT_EQ(bounds.bottom, 9);
    const RECT none = Region().Bounds();
    EXPECT_EQ(none.left | none.top | none.right | none.bottom, 0);
}

TEST(RegionQuery, ForEachSpanListsTheRowLeftToRight) {
    const Region frame = Frame();
    EXPECT_EQ(SpansOfRow(frame, 0), (std::vector<std::pair<int, int>>{{0, 10}}));
    EXPECT_EQ(SpansOfRow(frame, 4), (std::vector<std::pair<int, int>>{{0, 3}, {7, 10}}));
    EXPECT_EQ(SpansOfRow(frame, 7), (std::vector<std::pair<int, int>>{{0, 10}}));
    EXPECT_TRUE(SpansOfRow(frame, 8).empty());
    EXPECT_TRUE(SpansOfRow(frame, -1).empty());
    // A row in the gap between two bands.
    const Region apart = Region::Combine(Region::FromRect(0, 0, 4, 2), Region::FromRect(0, 5, 4, 6), RGN_OR);
    EXPECT_TRUE(SpansOfRow(apart, 3).empty());
    EXPECT_EQ(SpansOfRow(apart, 5), (std::vector<std::pair<int, int>>{{0, 4}}));
}

TEST(RegionQuery, ClipRectKeepsThePiecesInBandedOrder) {
    std::vector<RECT> pieces;
    Frame().ClipRect(RECT{2, 1, 8, 7}, pieces);
    EXPECT_EQ(RectsText(pieces), "(2,1,8,2) (2,2,3,6) (7,2,8,6) (2,6,8,7) ");
    // Appends, and an empty or outside rectangle adds nothing.
    Frame().ClipRect(RECT{20, 0, 30, 8}, pieces);
    Frame().ClipRect(RECT{5, 5, 5, 9}, pieces);
    Frame().ClipRect(RECT{8, 8, 2, 2}, pieces);
    EXPECT_EQ(pieces.size(), 4U);
    Frame().ClipRect(RECT{-5, -5, 50, 50}, pieces);
    EXPECT_EQ(RectsText(std::vector<RECT>(pieces.begin() + 4, pieces.end())), RectsText(Frame().Rects()));
}

TEST(RegionQuery, ClipRectAgreesWithIntersection) {
    const Region ellipse = Region::FromEllipse(0, 0, 31, 17);
    for (const RECT& rect :
         {RECT{0, 0, 31, 17}, RECT{5, 3, 20, 9}, RECT{-4, 10, 8, 40}, RECT{29, 0, 31, 17}}) {
        std::vector<RECT> pieces;
        ellipse.ClipRect(rect, pieces);
        const Region expected =
            Region::Combine(ellipse, Region::FromRect(rect.left, rect.top, rect.right, rect.bottom), RGN_AND);
        // The pieces follow the region's bands (they are not coalesced), so
        // compare pixels: every pixel of the intersection covered exactly once.
        PixelSet covered(-5, -5, 50, 50);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const RECT& piece = pieces[i];
            if (i > 0) {
                EXPECT_TRUE(piece.top > pieces[i - 1].top ||
                            (piece.top == pieces[i - 1].top && piece.left >= pieces[i - 1].right));
            }
            for (int y = piece.top; y < piece.bottom; ++y) {
                for (int x = piece.left; x < piece.right; ++x) {
                    EXPECT_FALSE(covered.Get(x, y)) << x << "," << y;
                    covered.Set(x, y, true);
                }
            }
        }
        EXPECT_TRUE(covered == PixelSet::Of(expected, -5, -5, 50, 50));
    }
}

TEST(RegionQuery, OffsetMovesEveryRectangle) {
    Region frame = Frame();
    frame.Offset(-4, 3);
    Region expected = Frame();
    EXPECT_FALSE(frame == expected);
    EXPECT_TRUE(frame.Contains(-4, 3));
    EXPECT_FALSE(frame.Contains(0, 0));
    EXPECT_TRUE(frame ==
                Region::Combine(Region::FromRect(-4, 3, 6, 11), Region::FromRect(-1, 5, 3, 9), RGN_DIFF));
    frame.Offset(4, -3);
    EXPECT_TRUE(frame == expected);
}

TEST(RegionQuery, OffsetThatWouldOverflowChangesNothing) {
    Region near = Region::FromRect(INT_MAX - 10, 0, INT_MAX - 5, 5);
    EXPECT_TRUE(near.CanOffset(5, 0));
    EXPECT_FALSE(near.CanOffset(6, 0));
    EXPECT_FALSE(near.CanOffset(0, INT_MAX));
    EXPECT_TRUE(near.CanOffset(0, INT_MIN));
    near.Offset(6, 0);
    EXPECT_TRUE(near == Region::FromRect(INT_MAX - 10, 0, INT_MAX - 5, 5));
    Region empty;
    EXPECT_TRUE(empty.CanOffset(INT_MAX, INT_MAX));
    empty.Offset(INT_MAX, INT_MAX);
    EXPECT_TRUE(empty.Empty());
}

} // namespace
} // namespace gdi::testing
