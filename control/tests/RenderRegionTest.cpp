// Window regions per shape: corner cuts by style and Enabled, slanted shapes
// and their widening, ellipses with inner regions and backdrops, and the
// custom shapes cut out of their picture.
#include "control/render/ButtonImage.h"
#include "control/render/ButtonRegion.h"
#include "control/render/DrawingState.h"
#include "control/render/Surface.h"
#include "control/tests/support/ButtonFixture.h"
#include "control/tests/support/PixelHelpers.h"

#include <gtest/gtest.h>

using namespace control_testing;

namespace {

constexpr gdi::COLORREF kMagenta = gdi::RGB(255, 0, 255);
constexpr gdi::COLORREF kBlue = gdi::RGB(0, 0, 255);

Art ShapeArt(ButtonFixture& fixture, Long shape, Long style, int width, int height, bool enabled = true) {
    fixture.Site().SetEnabled(enabled);
    fixture.Button().ButtonShape = shape;
    fixture.Button().ButtonStyle = style;
    CreateButtonRegion(fixture.Button());
    return WindowRegionArt(fixture.Button().HWnd(), width, height);
}

gdi::RECT WindowRegionBox(const ztButtons_H& button) {
    const gdi::HRGN copy = gdi::CreateRectRgn(0, 0, 0, 0);
    gdi::RECT box{};
    if (user::GetWindowRgn(button.HWnd(), copy) != gdi::ERROR) gdi::GetRgnBox(copy, &box);
    gdi::DeleteObject(copy);
    return box;
}

}  // namespace

TEST(CreateButtonRegion, RectangleCornersByStyle) {
    ButtonFixture fixture({.width = 8, .height = 6});
    const Art full(6, "########");
    EXPECT_TRUE(SameArt(full, ShapeArt(fixture, 0, 0, 8, 6)));
    const gdi::RECT box = WindowRegionBox(fixture.Button());
    EXPECT_EQ(box.right, 9);  // the region reaches one pixel past the client area
    EXPECT_EQ(box.bottom, 7);
    for (Long style : {4, 5, 6}) EXPECT_TRUE(SameArt(full, ShapeArt(fixture, 0, style, 8, 6))) << style;

    const Art fourPixels = {".######.", "########", "########", "########", "########", ".######."};
    EXPECT_TRUE(SameArt(fourPixels, ShapeArt(fixture, 0, 1, 8, 6)));
    EXPECT_TRUE(SameArt(fourPixels, ShapeArt(fixture, 0, 1, 8, 6, false)));

    const Art twoPixels = {"#######.", "########", "########", "########", "########", ".#######"};
    EXPECT_TRUE(SameArt(twoPixels, ShapeArt(fixture, 0, 3, 8, 6)));
    EXPECT_TRUE(SameArt(full, ShapeArt(fixture, 0, 3, 8, 6, false)));

    // The triangles start at the region's own corners, one pixel past the
    // client area on the right and at the bottom; a pixel is cut when its top
    // left corner lies in a triangle (not on its slanted right edge).
    const Art triangles = {"..####..", ".######.", "########", "########", ".######.", "..####.."};
    EXPECT_TRUE(SameArt(triangles, ShapeArt(fixture, 0, 2, 8, 6)));
    EXPECT_TRUE(SameArt(triangles, ShapeArt(fixture, 0, 7, 8, 6)));
    EXPECT_TRUE(SameArt(triangles, ShapeArt(fixture, 0, 2, 8, 6, false)));
}

TEST(CreateButtonRegion, RectangleHasNoInnerRegionsAndAFullFace) {
    ButtonFixture fixture({.width = 100, .height = 30});
    ztButtons_H& button = fixture.Button();
    CreateButtonRegion(button);
    EXPECT_EQ(button.FaceLeft, 0);
    EXPECT_EQ(button.FaceRight, 100);
    EXPECT_EQ(button.FaceRegion, 0u);
    EXPECT_EQ(button.InnerRegion, 0u);
}

TEST(CreateButtonRegion, SlantedButtonWidensInStepsOfFive) {
    ButtonFixture fixture({.width = 20, .height = 30});
    ztButtons_H& button = fixture.Button();
    button.ButtonShape = ButtonShapeValue::LeftSlanted;
    CreateButtonRegion(button);
    EXPECT_EQ(fixture.Site().ScaleWidth(), 40.0f);  // 20 -> 25 -> 30 -> 35 -> 40
    EXPECT_EQ(button.FaceLeft, 31);
    EXPECT_EQ(button.FaceRight, 40);
    EXPECT_EQ(button.DrawingDelayed, False);
    gdi::BITMAP surface{};
    gdi::GetObjectA(gdi::GetCurrentObject(button.SurfaceDC, gdi::OBJ_BITMAP), sizeof(surface), &surface);
    EXPECT_EQ(surface.bmWidth, 40);  // the Resize it raised replaced the surface bitmap

    // The triangle below the slant, 31 pixels wide at the bottom, is outside.
    const gdi::HRGN expected = gdi::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(user::GetWindowRgn(button.HWnd(), expected), gdi::ERROR);
    EXPECT_FALSE(gdi::PtInRegion(expected, 0, 29));
    EXPECT_FALSE(gdi::PtInRegion(expected, 27, 29));
    EXPECT_TRUE(gdi::PtInRegion(expected, 31, 29));
    EXPECT_TRUE(gdi::PtInRegion(expected, 0, 0));
    EXPECT_TRUE(gdi::PtInRegion(expected, 39, 0));
    EXPECT_TRUE(gdi::PtInRegion(expected, 39, 29));
    gdi::DeleteObject(expected);

    // Wide enough already: no change.
    CreateButtonRegion(button);
    EXPECT_EQ(fixture.Site().ScaleWidth(), 40.0f);
}

TEST(CreateButtonRegion, ParallelogramOfHundredByThirty) {
    ButtonFixture fixture({.width = 100, .height = 30});
    ztButtons_H& button = fixture.Button();
    button.ButtonShape = ButtonShapeValue::Parallelogram;
    button.ButtonStyle = 1;  // no corner cuts on a parallelogram, whatever the style
    CreateButtonRegion(button);
    EXPECT_EQ(fixture.Site().ScaleWidth(), 100.0f);
    EXPECT_EQ(button.FaceLeft, 31);
    EXPECT_EQ(button.FaceRight, 69);
    const gdi::POINT points[4] = {{0, 0}, {31, 31}, {101, 31}, {70, 0}};
    const gdi::HRGN expected = gdi::CreatePolygonRgn(points, 4, gdi::WINDING);
    const gdi::HRGN actual = gdi::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(user::GetWindowRgn(button.HWnd(), actual), gdi::ERROR);
    EXPECT_TRUE(gdi::EqualRgn(expected, actual));
    EXPECT_TRUE(gdi::PtInRegion(actual, 0, 0));
    EXPECT_TRUE(gdi::PtInRegion(actual, 69, 0));
    EXPECT_FALSE(gdi::PtInRegion(actual, 70, 0));
    EXPECT_FALSE(gdi::PtInRegion(actual, 0, 29));
    EXPECT_FALSE(gdi::PtInRegion(actual, 28, 29));
    EXPECT_TRUE(gdi::PtInRegion(actual, 30, 29));
    EXPECT_TRUE(gdi::PtInRegion(actual, 98, 29));
    gdi::DeleteObject(expected);
    gdi::DeleteObject(actual);
}

TEST(CreateButtonRegion, SlantedShapesCutCornersOnlyOnTheStraightSide) {
    ButtonFixture fixture({.width = 40, .height = 10});
    ztButtons_H& button = fixture.Button();
    const Art right = ShapeArt(fixture, ButtonShapeValue::RightSlanted, 1, 40, 10);
    EXPECT_EQ(button.FaceLeft, 0);
    EXPECT_EQ(button.FaceRight, 29);  // m = 40 - 11
    EXPECT_EQ(right[0][0], '.');
    EXPECT_EQ(right[9][0], '.');
    EXPECT_EQ(right[1][0], '#');
    const Art left = ShapeArt(fixture, ButtonShapeValue::LeftSlanted, 1, 40, 10);
    EXPECT_EQ(left[0][39], '.');
    EXPECT_EQ(left[9][39], '.');
    EXPECT_EQ(left[0][0], '#');
    const Art leftDisabledStyle3 = ShapeArt(fixture, ButtonShapeValue::LeftSlanted, 3, 40, 10, false);
    EXPECT_EQ(leftDisabledStyle3[0][39], '#');
    EXPECT_EQ(leftDisabledStyle3[9][39], '#');
    const Art rightTriangles = ShapeArt(fixture, ButtonShapeValue::RightSlanted, 2, 40, 10);
    EXPECT_EQ(rightTriangles[0].substr(0, 3), "..#");
    EXPECT_EQ(rightTriangles[1].substr(0, 2), ".#");
    EXPECT_EQ(rightTriangles[9].substr(0, 3), "..#");
    EXPECT_EQ(rightTriangles[5].substr(0, 2), "##");
}

TEST(CreateButtonRegion, EllipsesGetInnerRegionsAndTheirBackdrop) {
    ButtonFixture fixture({.width = 40, .height = 20});
    ztButtons_H& button = fixture.Button();
    const auto fillSurface = [&] { DrawRect(button, button.SurfaceDC, 0, 0, 40, 20, 0x00FF00, -1); };

    // Style 5: the shape, both inner ellipses, no backdrop and no outline.
    fillSurface();
    button.ButtonShape = ButtonShapeValue::Ellipse;
    button.ButtonStyle = 5;
    CreateButtonRegion(button);
    const gdi::HRGN ellipse = gdi::CreateEllipticRgn(0, 0, 40, 20);
    const gdi::HRGN face = gdi::CreateEllipticRgn(1, 1, 39, 19);
    const gdi::HRGN inner = gdi::CreateEllipticRgn(2, 2, 38, 18);
    const gdi::HRGN window = gdi::CreateRectRgn(0, 0, 0, 0);
    user::GetWindowRgn(button.HWnd(), window);
    EXPECT_TRUE(gdi::EqualRgn(window, ellipse));
    EXPECT_TRUE(gdi::EqualRgn(button.FaceRegion, face));
    EXPECT_TRUE(gdi::EqualRgn(button.InnerRegion, inner));
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 20, 0), 0x00FF00u);
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 20, 19), 0x00FF00u);

    // Shapes 4 and 5 in other styles: white to grey from top to bottom.
    fillSurface();
    button.ButtonStyle = 0;
    button.GradientMode = GradientModeValue::LeftToRight;
    CreateButtonRegion(button);
    EXPECT_EQ(button.GradientMode, GradientModeValue::LeftToRight);  // put back
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 39, 0), 0xFFFFFFu);
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 0, 19), 0x808080u);

    // Shape 6: a black outline on the region's edge, no backdrop.
    fillSurface();
    button.ButtonShape = ButtonShapeValue::EllipseOutlined;
    CreateButtonRegion(button);
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 20, 0), 0x000000u);
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 20, 10), 0x00FF00u);
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 0, 0), 0x00FF00u);
    EXPECT_EQ(gdi::GetClipRgn(button.SurfaceDC, window), 0);  // unclipped

    for (gdi::HRGN region : {ellipse, face, inner, window}) gdi::DeleteObject(region);
}

TEST(CreateButtonRegion, ShapeChangesDoNotLeak) {
    ButtonFixture fixture({.width = 60, .height = 30});
    ztButtons_H& button = fixture.Button();
    button.Picture = control_testing::MakeSolidPicture(30, 15, gdi::RGB(10, 20, 30));
    UpdateDrawingState(button, "Picture");
    // One full round first: the custom shapes leave a prepared image behind,
    // which the control owns until the next preparation.
    for (Long shape = 0; shape <= 8; ++shape) {
        button.ButtonShape = shape;
        CreateButtonRegion(button);
    }
    button.ButtonShape = 0;
    CreateButtonRegion(button);
    ASSERT_NE(button.ImageHandle, 0u);
    const gdi::DWORD live = LiveGdiObjects();
    for (int round = 0; round < 3; ++round) {
        for (Long shape = 0; shape <= 8; ++shape) {
            button.ButtonShape = shape;
            CreateButtonRegion(button);
        }
        button.ButtonShape = 0;
        CreateButtonRegion(button);
        EXPECT_EQ(LiveGdiObjects(), live) << round;
    }
}

TEST(CreateButtonRegion, CustomShapeWithoutPictureChangesNothing) {
    ButtonFixture fixture({.width = 8, .height = 6});
    ztButtons_H& button = fixture.Button();
    const Art before = ShapeArt(fixture, 0, 1, 8, 6);
    const Art after = ShapeArt(fixture, ButtonShapeValue::Custom, 1, 8, 6);
    EXPECT_TRUE(SameArt(before, after));
    EXPECT_EQ(fixture.Site().ScaleWidth(), 8.0f);
    EXPECT_EQ(button.FaceRegion, 0u);
}

TEST(CreateButtonRegion, MagentaCustomPictureCutsEveryNearKeyPixel) {
    // 10 x 6 picture in a 20 x 6 button: the button shrinks to the picture.
    const Legend legend{{'K', kMagenta}, {'n', gdi::RGB(252, 3, 253)}, {'r', gdi::RGB(200, 0, 0)}};
    const Art picture = {"KKKKKKKKKK",
                         "KKrrrrrrnK",
                         "Knrrrrrrrn",
                         "Krrrrrrrrn",
                         "KKrrrrrrKK",
                         "KKKKnKKKKK"};
    ButtonFixture fixture({.width = 20, .height = 6});
    ztButtons_H& button = fixture.Button();
    button.Picture = control_testing::MakeBitmapPicture(picture, legend);
    UpdateDrawingState(button, "Picture");
    button.PictureSizePx = 48;
    button.ButtonShape = ButtonShapeValue::Custom;
    button.BackColor = 0x0000FF;
    CreateButtonRegion(button);

    EXPECT_EQ(fixture.Site().ScaleWidth(), 10.0f);
    EXPECT_EQ(fixture.Site().ScaleHeight(), 6.0f);
    EXPECT_EQ(button.FaceRight, 10);
    EXPECT_EQ(button.DrawingDelayed, False);
    EXPECT_TRUE(SameArt({"..........",
                         "..######..",
                         "..#######.",
                         ".########.",
                         "..######..",
                         ".........."},
                        WindowRegionArt(button.HWnd(), 10, 6)));
    // The face region is the shape eroded by one pixel, then moved so that its
    // box starts one pixel inside the shape's box (1, 1): the lone pixel (1, 3)
    // is eroded away, so the face moves one pixel to the left.
    EXPECT_TRUE(SameArt({"..........",
                         "..........",
                         "..####....",
                         "..####....",
                         "..........",
                         ".........."},
                        RegionArt(button.FaceRegion, 10, 6)));
    // The surface is clipped to the face, and the shape is framed in BackColor.
    const gdi::HRGN clip = gdi::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(gdi::GetClipRgn(button.SurfaceDC, clip), 1);
    EXPECT_TRUE(gdi::EqualRgn(clip, button.FaceRegion));
    gdi::DeleteObject(clip);
    gdi::SelectClipRgn(button.SurfaceDC, 0);  // pixels outside the clip read as CLR_INVALID
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 2, 1), 0x0000FFu);
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 1, 3), 0x0000FFu);
}
