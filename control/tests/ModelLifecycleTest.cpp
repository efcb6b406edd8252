// The state record, the Resize handling, the redraw switch, Terminate, and a
// long run of changes that must end with the objects it started with.
#include "control/model/Lifecycle.h"
#include "control/render/ButtonRegion.h"
#include "control/render/DrawingState.h"
#include "control/render/Layout.h"
#include "control/tests/support/ButtonFixture.h"
#include "control/tests/support/PixelHelpers.h"

#include <gtest/gtest.h>

using namespace control_testing;

TEST(ButtonState, StartsAllZero) {
    const ztButtons_H button;
    const ButtonState& state = button;
    EXPECT_EQ(state.SurfaceDC, 0u);
    EXPECT_EQ(state.SavedBitmap + state.SavedPen + state.SavedBrush + state.SavedFont, 0u);
    EXPECT_EQ(state.InnerRegion + state.FaceRegion + state.ImageHandle, 0u);
    EXPECT_TRUE(state.CaptionText.empty());
    EXPECT_FALSE(state.Picture);
    EXPECT_EQ(state.StateFlags, 0);
    EXPECT_EQ(state.PictureSizePx, 0);
    EXPECT_EQ(state.DrawingDelayed, False);
    EXPECT_EQ(state.BackColor, 0);
    EXPECT_EQ(state.CaptionRect.right, 0);
    EXPECT_EQ(state.ImageRect.bottom, 0);
    EXPECT_EQ(state.IsPressing, False);
    EXPECT_EQ(state.CheckedFaceColor, 0);
    // Widths as the stored form has them.
    static_assert(sizeof(state.StateFlags) == 2 && sizeof(state.ShowFocusRect) == 2);
    static_assert(sizeof(state.ButtonStyle) == 4 && sizeof(state.PictureSizePx) == 2);
    EXPECT_EQ(True, -1);
    EXPECT_EQ(PictureSizeValue::ToPx(PictureSizeValue::Fitted), 48);
    EXPECT_EQ(PictureSizeValue::FromPx(40), PictureSizeValue::Stretched);
}

TEST(HandleResize, WhileDrawingIsDelayedOnlyTheBitmapFollows) {
    ButtonFixture fixture({.width = 100, .height = 30});
    ztButtons_H& button = fixture.Button();
    button.CaptionText = "OK";
    LayoutCaptionAndImage(button, false);
    const gdi::RECT caption = button.CaptionRect;
    DelayDrawing(button, true);
    fixture.ResizeTo(200, 50);
    gdi::BITMAP surface{};
    gdi::GetObjectA(gdi::GetCurrentObject(button.SurfaceDC, gdi::OBJ_BITMAP), sizeof(surface), &surface);
    EXPECT_EQ(surface.bmWidth, 200);
    EXPECT_EQ(button.FaceRight, 100);  // region and layout untouched
    EXPECT_TRUE(gdi::EqualRect(&button.CaptionRect, &caption));

    DelayDrawing(button, false);
    EXPECT_EQ(button.DrawingDelayed, False);
    fixture.ResizeTo(200, 40);
    EXPECT_EQ(button.FaceRight, 200);
    EXPECT_FALSE(gdi::EqualRect(&button.CaptionRect, &caption));
}

TEST(HandleTerminate, ReleasesEverythingAndStopsTheHoverTimer) {
    ButtonFixture fixture({.width = 60, .height = 30, .resize = false});
    ztButtons_H& button = fixture.Button();
    const gdi::DWORD before = LiveGdiObjects();
    button.Picture = control_testing::MakeSolidPicture(8, 8, gdi::RGB(1, 2, 3));
    const gdi::DWORD withPicture = LiveGdiObjects();
    UpdateDrawingState(button, "Picture");
    button.ButtonShape = ButtonShapeValue::Ellipse;
    button.Resize();
    LayoutCaptionAndImage(button, true);
    EXPECT_GT(LiveGdiObjects(), withPicture);

    user::SetTimer(button.HWnd(), kHoverTimerId, 50, nullptr);
    button.IsHovering = True;
    fixture.Site().Terminate();
    EXPECT_FALSE(fixture.System().HasTimer(button.HWnd(), kHoverTimerId));
    EXPECT_EQ(button.SurfaceDC + button.FaceRegion + button.InnerRegion + button.ImageHandle, 0u);
    // Only the window's own region remains, which belongs to the window system.
    const gdi::HRGN windowRegion = gdi::CreateRectRgn(0, 0, 0, 0);
    const bool hasWindowRegion = user::GetWindowRgn(button.HWnd(), windowRegion) != gdi::ERROR;
    gdi::DeleteObject(windowRegion);
    EXPECT_TRUE(hasWindowRegion);
    EXPECT_EQ(LiveGdiObjects(), withPicture + (hasWindowRegion ? 1 : 0));
    button.Picture.reset();
    EXPECT_EQ(LiveGdiObjects(), before + 1);
}

TEST(HandleTerminate, ANeverResizedButtonReleasesOnlyWhatExists) {
    ButtonFixture fixture({.resize = false});
    ztButtons_H& button = fixture.Button();
    const gdi::DWORD before = LiveGdiObjects();
    button.FaceRegion = gdi::CreateRectRgn(0, 0, 4, 4);
    HandleTerminate(button);
    EXPECT_EQ(LiveGdiObjects(), before);
    HandleTerminate(button);  // a second Terminate finds nothing left
    EXPECT_EQ(LiveGdiObjects(), before);
}

// 10 000 rounds of resize, font change, picture change and shape change.
TEST(Lifecycle, TenThousandChangesEndWithTheObjectsTheyStartedWith) {
    ButtonFixture fixture({.width = 60, .height = 24});
    ztButtons_H& button = fixture.Button();
    button.CaptionText = "OK||go";
    const picture::PicturePtr pictures[2] = {
        control_testing::MakeSolidPicture(12, 6, gdi::RGB(200, 10, 10)),
        control_testing::MakeSolidPicture(6, 6, gdi::RGB(10, 200, 10))};
    const gdi::DWORD start = LiveGdiObjects();
    const Long shapes[] = {0, 1, 4, 6, 7, 8, 3, 5, 2};
    for (int round = 0; round < 10000; ++round) {
        fixture.ResizeTo(60 + round % 7, 24 + round % 3);
        button.Font()->SetSize(8 + round % 5);
        UpdateDrawingState(button, "Font");
        LayoutCaptionAndImage(button, false);
        button.Picture = pictures[round % 2];
        UpdateDrawingState(button, "Picture");
        LayoutCaptionAndImage(button, true);
        button.ButtonShape = shapes[round % 9];
        button.PictureSizePx = button.IsCustomShape() ? 48 : 16;
        button.Resize();
    }
    // Back to the starting state: a rectangle without a prepared picture.
    button.Picture.reset();
    UpdateDrawingState(button, "Picture");
    button.ButtonShape = ButtonShapeValue::Rectangle;
    fixture.ResizeTo(60, 24);
    button.Resize();
    EXPECT_EQ(LiveGdiObjects(), start);
}

TEST(ShowNotice, OnlyADesignTimeDefaultButtonWithAFocusRectangleGetsTheDefaultLook) {
    struct Case {
        bool designMode;
        bool isDefault;
        Boolean showFocusRect;
        bool expectDefaultLook;
    };
    for (const Case& c : {Case{true, true, True, true}, Case{true, true, False, false},
                          Case{true, false, True, false}, Case{false, true, True, false}}) {
        SCOPED_TRACE(testing::Message() << c.designMode << c.isDefault << c.showFocusRect);
        ButtonFixture fixture;
        ztButtons_H& button = fixture.Button();
        fixture.Form().SetUserMode(!c.designMode);
        button.ShowFocusRect = c.showFocusRect;
        fixture.Site().SetDisplayAsDefault(c.isDefault);
        button.StateFlags = 0;  // whatever the ambient change did, Show decides alone
        const int refreshes = fixture.Site().RefreshCount();
        fixture.Site().Show();
        EXPECT_EQ((button.StateFlags & StateFlagBits::DefaultLook) != 0, c.expectDefaultLook);
        EXPECT_EQ(fixture.Site().RefreshCount(), refreshes + (c.expectDefaultLook ? 1 : 0));
    }
}

// Assignments that neither rebuild the region nor switch drawing on by
// themselves, bracketed by DelayDrawing: one drawing at the end.
TEST(DelayDrawingMethod, AssignmentsInBetweenDrawNothingUntilDrawingResumes) {
    ButtonFixture fixture({.width = 60, .height = 30});
    ztButtons_H& button = fixture.Button();
    const int refreshes = fixture.Site().RefreshCount();
    button.DelayDrawing(True);
    button.SetCaption("Later");
    button.SetBackColor(0x0000C0);
    button.SetCaptionStyle(1);
    button.SetPictureAlign(PictureAlignValue::BottomCenter);
    button.SetValue(False);
    EXPECT_EQ(fixture.Site().RefreshCount(), refreshes);
    EXPECT_NE(gdi::GetPixel(fixture.Site().HDC(), 5, 15), 0x0000C0u);
    EXPECT_EQ(button.DrawingDelayed, True);

    button.DelayDrawing(False);
    EXPECT_EQ(fixture.Site().RefreshCount(), refreshes + 1);
    EXPECT_EQ(gdi::GetPixel(fixture.Site().HDC(), 5, 15), 0x0000C0u);

    button.DelayDrawing(True);
    button.Refresh();  // draws and leaves drawing switched on
    EXPECT_EQ(button.DrawingDelayed, False);
    EXPECT_EQ(fixture.Site().RefreshCount(), refreshes + 2);
    button.SetCaptionStyle(2);
    EXPECT_EQ(fixture.Site().RefreshCount(), refreshes + 3);
}
