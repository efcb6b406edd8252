// The off-screen surface and its primitives: flat and bordered rectangles,
// tool selection, and the surface's object bookkeeping.
#include "control/render/Rounding.h"
#include "control/render/Surface.h"
#include "control/tests/support/ButtonFixture.h"
#include "control/tests/support/PixelHelpers.h"

#include <gtest/gtest.h>

using namespace control_testing;

namespace {

gdi::BITMAP SurfaceBitmap(const ztButtons_H& button) {
    gdi::BITMAP record{};
    gdi::GetObjectA(gdi::GetCurrentObject(button.SurfaceDC, gdi::OBJ_BITMAP), sizeof(record), &record);
    return record;
}

}  // namespace

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-13.333), -13);
    EXPECT_EQ(RoundHalfEven(-12.0), -12);
    EXPECT_EQ(RoundHalfEven(0.5000001), 1);
    EXPECT_EQ(RoundHalfEven(1e12), 2147483647);  // clamped, not undefined
}

// Without a border colour the outline takes the fill colour; with one, the
// outline is drawn with its pen.
TEST(DrawRect, OutlineTakesTheFillColourUnlessABorderColourIsGiven) {
    ButtonFixture fixture({.width = 8, .height = 6});
    ztButtons_H& button = fixture.Button();
    const Legend legend{{'g', 0x00FF00}, {'r', 0x0000FF}, {'b', 0xFF0000}};
    DrawRect(button, button.SurfaceDC, 0, 0, 8, 6, 0x00FF00, -1);
    DrawRect(button, button.SurfaceDC, 1, 1, 6, 5, 0x0000FF, -1);
    EXPECT_TRUE(SameArt({"gggggggg",
                         "grrrrrgg",
                         "grrrrrgg",
                         "grrrrrgg",
                         "grrrrrgg",
                         "gggggggg"},
                        CaptureArt(button.SurfaceDC, 0, 0, 8, 6, legend)));
    DrawRect(button, button.SurfaceDC, 0, 0, 8, 6, 0x00FF00, -1);
    DrawRect(button, button.SurfaceDC, 1, 1, 7, 5, 0x0000FF, 0xFF0000, 1, gdi::PS_SOLID);
    EXPECT_TRUE(SameArt({"gggggggg",
                         "gbbbbbbg",
                         "gbrrrrbg",
                         "gbrrrrbg",
                         "gbbbbbbg",
                         "gggggggg"},
                        CaptureArt(button.SurfaceDC, 0, 0, 8, 6, legend)));
}

TEST(SelectDrawingTool, TextColourKindTouchesOnlyTheGivenContext) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    const gdi::HGDIOBJ pen = gdi::GetCurrentObject(button.SurfaceDC, gdi::OBJ_PEN);
    const gdi::HGDIOBJ brush = gdi::GetCurrentObject(button.SurfaceDC, gdi::OBJ_BRUSH);
    const gdi::COLORREF surfaceText = gdi::GetTextColor(button.SurfaceDC);
    const gdi::DWORD live = LiveGdiObjects();

    const gdi::HDC other = gdi::CreateCompatibleDC(0);
    SelectDrawingTool(button, true, other, DrawingToolKind::TextColor, static_cast<Long>(0x8000000F));
    EXPECT_EQ(gdi::GetTextColor(other), gdi::GetSysColor(15));
    EXPECT_EQ(gdi::GetTextColor(button.SurfaceDC), surfaceText);
    EXPECT_EQ(gdi::GetCurrentObject(button.SurfaceDC, gdi::OBJ_PEN), pen);
    EXPECT_EQ(gdi::GetCurrentObject(button.SurfaceDC, gdi::OBJ_BRUSH), brush);
    gdi::DeleteDC(other);
    EXPECT_EQ(LiveGdiObjects(), live);  // no pen or brush was made
}

TEST(SelectDrawingTool, EachNewToolReplacesAndDeletesTheOldOne) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    const gdi::DWORD live = LiveGdiObjects();
    for (int i = 0; i < 50; ++i) {
        SelectDrawingTool(button, true, button.SurfaceDC, DrawingToolKind::Brush, i, true, 2, gdi::PS_DOT);
        SelectDrawingTool(button, true, button.SurfaceDC, DrawingToolKind::Pen, i, false, 1, gdi::PS_SOLID);
        SelectDrawingTool(button, true, button.SurfaceDC, 9, i);  // unknown kinds do nothing
    }
    EXPECT_EQ(LiveGdiObjects(), live);

    // The restore form puts the DC's own objects back and deletes the control's two.
    SelectDrawingTool(button, false, button.SurfaceDC, 0, 0);
    EXPECT_EQ(gdi::GetCurrentObject(button.SurfaceDC, gdi::OBJ_BRUSH), button.SavedBrush);
    EXPECT_EQ(gdi::GetCurrentObject(button.SurfaceDC, gdi::OBJ_PEN), button.SavedPen);
    EXPECT_EQ(LiveGdiObjects(), live - 2);
    // Restoring twice must not delete the DC's original objects.
    SelectDrawingTool(button, false, button.SurfaceDC, 0, 0);
    EXPECT_EQ(LiveGdiObjects(), live - 2);
    EXPECT_EQ(gdi::GetObjectType(button.SavedBrush), gdi::OBJ_BRUSH);
}

TEST(ManageOffscreenDC, SurfaceIsTransparentAndAsLargeAsTheClientArea) {
    ButtonFixture fixture({.width = 100, .height = 30});
    ztButtons_H& button = fixture.Button();
    ASSERT_NE(button.SurfaceDC, 0u);
    EXPECT_NE(button.SavedBitmap, 0u);
    EXPECT_NE(button.SavedFont, 0u);
    EXPECT_EQ(gdi::GetBkMode(button.SurfaceDC), 3); // transparent, as the layer defines 3
    const gdi::BITMAP bitmap = SurfaceBitmap(button);
    EXPECT_EQ(bitmap.bmWidth, 100);
    EXPECT_EQ(bitmap.bmHeight, 30);
}

TEST(ManageOffscreenDC, CreatingTwiceMakesNothingTheSecondTime) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    const gdi::DWORD live = LiveGdiObjects();
    const gdi::HDC surface = button.SurfaceDC;
    ManageOffscreenDC(button, true);
    EXPECT_EQ(LiveGdiObjects(), live);
    EXPECT_EQ(button.SurfaceDC, surface);
}

TEST(ManageOffscreenDC, ResizeReplacesOnlyTheBitmap) {
    ButtonFixture fixture({.width = 100, .height = 30});
    ztButtons_H& button = fixture.Button();
    const ButtonState before = button;
    const gdi::DWORD live = LiveGdiObjects();
    fixture.ResizeTo(120, 40);
    EXPECT_EQ(button.SurfaceDC, before.SurfaceDC);
    EXPECT_EQ(button.SavedPen, before.SavedPen);
    EXPECT_EQ(button.SavedBrush, before.SavedBrush);
    EXPECT_EQ(button.SavedFont, before.SavedFont);
    const gdi::BITMAP bitmap = SurfaceBitmap(button);
    EXPECT_EQ(bitmap.bmWidth, 120);
    EXPECT_EQ(bitmap.bmHeight, 40);
    EXPECT_EQ(LiveGdiObjects(), live);
}

TEST(ManageOffscreenDC, PresentingCopiesTheSurfaceToTheControlInOneBlock) {
    ButtonFixture fixture({.width = 6, .height = 4});
    ztButtons_H& button = fixture.Button();
    DrawRect(button, button.SurfaceDC, 0, 0, 6, 4, 0x123456, -1);
    DrawRect(button, button.SurfaceDC, 2, 1, 4, 3, 0x654321, -1);
    ManageOffscreenDC(button, false);
    const Legend legend{{'a', 0x123456}, {'b', 0x654321}};
    EXPECT_TRUE(SameArt({"aaaaaa", "aabbaa", "aabbaa", "aaaaaa"}, CaptureArt(button.HDC(), 0, 0, 6, 4, legend)));
}

TEST(ManageOffscreenDC, ReleaseGivesEveryObjectBack) {
    ButtonFixture fixture({.resize = false});
    ztButtons_H& button = fixture.Button();
    const gdi::DWORD live = LiveGdiObjects();
    ManageOffscreenDC(button, true);
    EXPECT_GT(LiveGdiObjects(), live);
    ReleaseOffscreenDC(button);
    EXPECT_EQ(LiveGdiObjects(), live);
    EXPECT_EQ(button.SurfaceDC, 0u);
    EXPECT_EQ(button.SavedBitmap, 0u);
}
