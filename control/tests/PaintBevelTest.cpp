// DrawBevel: the points of the rings, which entry colours which side, and the
// closing line, on a plain 20 x 10 rectangle pre-filled with an odd colour.
#include "control/paint/Bevel.h"
#include "control/render/Surface.h"
#include "control/tests/PaintSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace control_testing;
using paint_testing::Rgb;
using paint_testing::Size;

constexpr gdi::COLORREF kOdd = gdi::RGB(0, 255, 0);
constexpr Long kLeft = 0x0000FF;
constexpr Long kTop = 0xFF0000;
constexpr Long kRight = 0x00FFFF;
constexpr Long kBottom = 0xFF00FF;

const Legend kLegend{{'.', kOdd}, {'L', kLeft}, {'T', kTop}, {'R', kRight}, {'B', kBottom}, {'p', 0x123456}};

class DrawBevelTest : public ::testing::Test {
protected:
    DrawBevelTest() : fixture(Size(20, 10)) {
        ztButtons_H& button = fixture.Button();
        button.DrawingDelayed = True;  // nothing but the test draws on the surface
        DrawRect(button, button.SurfaceDC, 0, 0, 20, 10, kOdd);
    }
    ztButtons_H& Button() { return fixture.Button(); }
    Art Surface() { return CaptureArt(Button().SurfaceDC, 0, 0, 20, 10, kLegend); }

    ButtonFixture fixture;
};

TEST_F(DrawBevelTest, InnerRingAloneWalksInsetTwoAndClosesAlongTheBottomRow) {
    BevelColors colors;
    colors.Set(1, 12, -1);
    colors[1] = kLeft;
    colors[2] = kTop;
    colors[3] = kRight;
    colors[4] = kBottom;
    BevelPoints points;
    DrawBevel(Button(), points, colors, 0, -1);

    // Left (2,7)..(2,3), top (2,2)..(16,2), right (17,2)..(17,6), bottom
    // (17,7)..(3,7) and (2,7); then the closing line x 0..18 of the bottom row.
    const Art expected = {
        "....................",
        "....................",
        "..TTTTTTTTTTTTTTTR..",
        "..L..............R..",
        "..L..............R..",
        "..L..............R..",
        "..L..............R..",
        "..BBBBBBBBBBBBBBBB..",
        "....................",
        "BBBBBBBBBBBBBBBBBBB.",
    };
    EXPECT_TRUE(SameArt(expected, Surface()));
    EXPECT_EQ(points[0].x, 2);
    EXPECT_EQ(points[0].y, 7);
    EXPECT_EQ(points[14].x, -1);
    EXPECT_EQ(points[15].x, 19);
    EXPECT_EQ(points[15].y, 9);
}

TEST_F(DrawBevelTest, AllColoursNegativeDrawOnlyTheClosingLineWithThePenTheSurfaceHolds) {
    SelectDrawingTool(Button(), true, Button().SurfaceDC, DrawingToolKind::Pen, 0x123456);
    BevelColors colors;
    colors.Set(1, 12, -1);
    BevelPoints points;
    DrawBevel(Button(), points, colors, 0, -1);

    Art expected(9, "....................");
    expected.push_back("ppppppppppppppppppp.");
    EXPECT_TRUE(SameArt(expected, Surface()));
}

TEST_F(DrawBevelTest, EachEntryColoursItsRingSide) {
    BevelColors colors;
    colors.Set(1, 12, -1);
    colors[5] = kLeft;    // middle left
    colors[10] = kTop;    // outer top
    colors[7] = kRight;   // middle right
    colors[12] = kBottom; // outer bottom
    BevelPoints points;
    DrawBevel(Button(), points, colors, 0, -1);

    const Art expected = {
        "TTTTTTTTTTTTTTTTTTT.",
        "..................R.",
        ".L................R.",
        ".L................R.",
        ".L................R.",
        ".L................R.",
        ".L................R.",
        ".L................R.",
        ".L..................",
        "BBBBBBBBBBBBBBBBBBBB",
    };
    EXPECT_TRUE(SameArt(expected, Surface()));
}

TEST_F(DrawBevelTest, DiagonalShapeRingsFollowTheSlantAndTheClosingLineLevelsTheBottom) {
    ztButtons_H& button = Button();
    button.ButtonShape = ButtonShapeValue::LeftSlanted;
    button.FaceLeft = 11;  // the slant's run on a 10-pixel-high button
    BevelColors colors;
    colors.Set(1, 12, -1);
    colors[9] = kLeft;  // outer left: the slant from (FL - 1, SH) up to (0, 0)
    colors[12] = kBottom;
    BevelPoints points;
    DrawBevel(button, points, colors, 0, -1);

    EXPECT_EQ(points[10].x, 10);
    EXPECT_EQ(points[10].y, 10);
    EXPECT_EQ(points[14].x, 8);
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 5, 5), Rgb(kLeft));
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 1, 1), Rgb(kLeft));
    // The outer bottom runs from the right corner back to x = FL - 2L - 1
    // (excluded), and the closing line runs from there to SW - 2.
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 19, 9), Rgb(kBottom));
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 9, 9), Rgb(kBottom));
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 8, 9), Rgb(kBottom));
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 7, 9), kOdd);
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 0, 9), kOdd);
}

}  // namespace
