// Elliptic regions: exact pictures at small sizes, and many random boxes
// against a per-pixel test of the ellipse equation at the pixel centre.
#include "platform/gdi/tests/RegionTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace gdi::testing {
namespace {

// Centre (x + 0.5, y + 0.5) inside the ellipse inscribed in [0, w) x [0, h),
// in doubled integer coordinates.
bool CentreInsideEllipse(long long x, long long y, long long w, long long h) {
    const long long dx = 2 * x + 1 - w;
    const long long dy = 2 * y + 1 - h;
    return dx * dx * h * h + dy * dy * w * w <= w * w * h * h;
}

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
                                    "###",
                                    "###",
                                    "###",
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
                                    ".########.",
                                    ".########.",
                                    "##########",
                                    "##########",
                                    "##########",
                                    "##########",
                                    ".########.",
                                    ".########.",
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
    EXPECT_EQ(RectsText(window.Rects()), RectsText(PixelSet::Of(window, 0, 0, 139, 23).CanonicalRects()));
    EXPECT_LE(window.Rects().size(), 23U); // one span per row at most
    EXPECT_TRUE(window.Contains(0, 11));
    EXPECT_TRUE(window.Contains(138, 11));
    EXPECT_FALSE(window.Contains(0, 0));
    EXPECT_FALSE(window.Contains(138, 22));
}

TEST(RegionEllipse, RandomBoxesMatchThePerPixelEquation) {
    std::mt19937 random(4711);
    std::uniform_int_distribution<int> size(1, 160);
    std::uniform_int_distribution<int> origin(-50, 50);
    for (int round = 0; round < 300; ++round) {
        const int w = size(random);
        const int h = round % 10 == 0 ? size(random) % 4 + 1 : size(random);
        const int left = origin(random);
        const int top = origin(random);
        const Region ellipse = Region::FromEllipse(left, top, left + w, top + h);
        PixelSet expected(left - 1, top - 1, w + 2, h + 2);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                expected.Set(left + x, top + y, CentreInsideEllipse(x, y, w, h));
            }
        }
        const PixelSet actual = PixelSet::Of(ellipse, left - 1, top - 1, w + 2, h + 2);
        ASSERT_TRUE(actual == expected) << w << "x" << h << "\n"
                                        << SamePicture(expected.Art(), actual.Art()).message();
        ASSERT_EQ(RectsText(ellipse.Rects()), RectsText(expected.CanonicalRects())) << w << "x" << h;
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
