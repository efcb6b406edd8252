// Elliptic regions: exact pictures at small sizes, and the rows of boxes
// measured under Windows' drawing rules.
#include "platform/gdi/tests/RegionTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace gdi::testing {
namespace {

TEST(RegionEllipse, SmallSizesArePinned) {
    EXPECT_TRUE(RegionLooksLike(Region::FromEllipse(0, 0, 1, 1), 0, 0,
                                {
                                    "#",
                                }));
    EXPECT_TRUE(RegionLooksLike(Region::FromEllipse(0, 0, 2, 2), 0, 0,
                                {
                                    "##",
                                    "##",
                                }));
    EXPECT_TRUE(RegionLooksLike(Region::FromEllipse(0, 0, 3, 3), 0, 0,
                                {
                                    ".#.",
                                    "###",
                                    ".#.",
                                }));
    EXPECT_TRUE(RegionLooksLike(Region::FromEllipse(0, 0, 4, 4), 0, 0,
                                {
                                    ".##.",
                                    "####",
                                    "####",
                                    ".##.",
                                }));
    EXPECT_TRUE(RegionLooksLike(Region::FromEllipse(0, 0, 5, 3), 0, 0,
                                {
                                    ".###.",
                                    "#####",
                                    ".###.",
                                }));
    EXPECT_TRUE(RegionLooksLike(Region::FromEllipse(0, 0, 10, 10), 0, 0,
                                {
                                    "...####...",
                                    "..######..",
                                    ".########.",
                                    "##########",
                                    "##########",
                                    "##########",
                                    "##########",
                                    ".########.",
                                    "..######..",
                                    "...####...",
                                }));
}

TEST(RegionEllipse, StaysInsideItsBoxWithRightAndBottomExcluded) {
    const Region ellipse = Region::FromEllipse(3, 4, 13, 14);
    const RECT bounds = ellipse.Bounds();
    EXPECT_EQ(bounds.left, 3);
    EXPECT_EQ(bounds.top, 4);
    EXPECT_EQ(bounds.right, 13);
    EXPECT_EQ(bounds.bottom, 14);
    EXPECT_FALSE(ellipse.Contains(13, 9));
    EXPECT_FALSE(ellipse.Contains(8, 14));
    EXPECT_TRUE(ellipse.Contains(12, 9));
    EXPECT_TRUE(ellipse.Contains(8, 13));
}

TEST(RegionEllipse, EmptyBoxesGiveEmptyRegions) {
    EXPECT_TRUE(Region::FromEllipse(5, 5, 5, 20).Empty());
    EXPECT_TRUE(Region::FromEllipse(5, 5, 20, 5).Empty());
    EXPECT_TRUE(Region::FromEllipse(0, 0, 0, 0).Empty());
}

TEST(RegionEllipse, SwappedEdgesAreNormalised) {
    EXPECT_TRUE(Region::FromEllipse(20, 9, 3, 1) == Region::FromEllipse(3, 1, 20, 9));
}

TEST(RegionEllipse, ButtonEllipseAndItsInsetsNest) {
    // The elliptic button: window region, face one pixel in, inner two in.
    const Region window = Region::FromEllipse(0, 0, 139, 23);
    const Region face = Region::FromEllipse(1, 1, 138, 22);
    const Region inner = Region::FromEllipse(2, 2, 137, 21);
    EXPECT_TRUE(Region::Combine(face, window, RGN_DIFF).Empty());
    EXPECT_TRUE(Region::Combine(inner, face, RGN_DIFF).Empty());
    // One rectangle per row, rows of equal columns not merged (as Windows keeps them).
    EXPECT_EQ(window.Layout().size(), 23U);
    EXPECT_EQ(RectsText(window.Rects()), RectsText(PixelSet::Of(window, 0, 0, 139, 23).CanonicalRects()));
    EXPECT_TRUE(window.Contains(0, 11));
    EXPECT_TRUE(window.Contains(138, 11));
    EXPECT_FALSE(window.Contains(0, 0));
    EXPECT_FALSE(window.Contains(138, 22));
}

TEST(RegionEllipse, RowsMatchTheMeasuredWindowsEllipses) {
    // Measured under Windows' rules: for boxes of w x h pixels, the number of
    // pixels each row of the top half leaves out on either side (the bottom
    // half mirrors it). Tall, flat, odd and even boxes, and the button sizes.
    struct Case {
        int w, h;
        std::vector<int> insets;
    };
    const std::vector<Case> cases = {
        {7, 5, {2, 0, 0}},
        {9, 26, {4, 3, 2, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0}},
        {16, 9, {4, 2, 1, 0, 0}},
        {23, 13, {7, 4, 3, 1, 1, 0, 0}},
        {31, 29, {12, 9, 7, 6, 5, 4, 3, 2, 1, 1, 1, 0, 0, 0, 0}},
        {38, 21, {13, 9, 7, 5, 4, 2, 2, 1, 0, 0, 0}},
        {102, 18, {34, 23, 15, 10, 7, 4, 2, 1, 0}},
        {104, 20, {36, 24, 17, 12, 8, 5, 3, 2, 1, 0}},
        {138, 22, {48, 34, 25, 18, 13, 9, 6, 3, 2, 1, 0}},
        {180, 20, {62, 42, 30, 21, 14, 9, 5, 3, 1, 0}},
    };
    for (const Case& c : cases) {
        const int left = -7, top = 5;
        const Region ellipse = Region::FromEllipse(left, top, left + c.w, top + c.h);
        for (int y = 0; y < c.h; ++y) {
            const int inset = c.insets[static_cast<std::size_t>(std::min(y, c.h - 1 - y))];
            std::vector<std::pair<int, int>> spans;
            ellipse.ForEachSpan(top + y, [&](int l, int r) { spans.emplace_back(l, r); });
            const std::vector<std::pair<int, int>> expected = {{left + inset, left + c.w - inset}};
            EXPECT_EQ(spans, expected) << c.w << "x" << c.h << " row " << y;
        }
    }
}

TEST(RegionEllipse, HugeExtentsStayExactAndTooTallShapesAreRefused) {
    // Wide enough that the equation overflows 64 bits if computed naively.
    const Region wide = Region::FromEllipse(-2000000000, 0, 2000000000, 1001);
    EXPECT_EQ(wide.Bounds().left, -2000000000);
    EXPECT_EQ(wide.Bounds().right, 2000000000);
    EXPECT_TRUE(wide.Contains(0, 0));
    EXPECT_FALSE(wide.Contains(-1999999999, 0));
    EXPECT_TRUE(Region::FromEllipse(0, 0, 10, static_cast<int>(Region::kMaxShapeHeight) + 1).Empty());
    EXPECT_FALSE(Region::FromEllipse(0, 0, 3, 1000).Empty());
}

} // namespace
} // namespace gdi::testing
