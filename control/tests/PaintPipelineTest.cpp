// The paint pipeline around the painters: gradient against hover colour, the
// checked face, the CustomClick window shift, the disabled caption, the
// DelayDrawing switch, styles without a painter, and no drawing object lost.
#include "control/model/Lifecycle.h"
#include "control/render/Colors.h"
#include "control/tests/PaintSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using namespace control_testing;
using namespace paint_testing;

constexpr OleColor kRed = 0x0000FF;
constexpr OleColor kBlue = 0xFF0000;
constexpr OleColor kGreen = 0x00FF00;

class GradientButton : public ::testing::Test {
protected:
    GradientButton() : fixture(Size(40, 12)) {
        ztButtons_H& button = fixture.Button();
        button.BackColor = kRed;
        button.GradientColor = kBlue;
        button.GradientMode = GradientModeValue::LeftToRight;
        button.HoverBackColor = kBlue;
        UpdateDrawingState(button, "BackColor");
        RedrawButton(button);
    }
    ztButtons_H& Button() { return fixture.Button(); }
    gdi::COLORREF Left() { return gdi::GetPixel(Button().HDC(), 3, 6); }
    gdi::COLORREF Right() { return gdi::GetPixel(Button().HDC(), 36, 6); }

    ButtonFixture fixture;
};

TEST_F(GradientButton, HoverKeepsTheGradientWhenTheHoverColourIsTheGradientColour) {
    SetHover(Button(), true);
    RedrawButton(Button());
    // Red at the left, blue at the right: the gradient starts from the face, not the hover colour.
    EXPECT_GT(gdi::GetRValue(Left()), gdi::GetBValue(Left()));
    EXPECT_GT(gdi::GetBValue(Right()), gdi::GetRValue(Right()));
}

TEST_F(GradientButton, AnyOtherHoverColourReplacesTheGradientWithASolidFace) {
    Button().HoverBackColor = kGreen;
    UpdateDrawingState(Button(), "BackColor");
    SetHover(Button(), true);
    RedrawButton(Button());
    EXPECT_EQ(Left(), Rgb(kGreen));
    EXPECT_EQ(Right(), Rgb(kGreen));
}

TEST_F(GradientButton, CheckedToggleShowsTheSolidCheckedFaceInsteadOfTheGradient) {
    Button().Mode = ModeValue::CheckBox;
    Button().Value = True;
    RedrawButton(Button());
    EXPECT_EQ(Left(), Rgb(Button().CheckedFaceColor));
    EXPECT_EQ(Right(), Rgb(Button().CheckedFaceColor));
}

TEST_F(GradientButton, CheckedStyle2ToggleIsShadedDownwardsNotAcross) {
    Button().Mode = ModeValue::CheckBox;
    Button().Value = True;
    UseStyle(Button(), 2);
    const gdi::HDC hdc = Button().HDC();
    EXPECT_EQ(gdi::GetPixel(hdc, 10, 3), gdi::GetPixel(hdc, 30, 3));
    EXPECT_EQ(gdi::GetPixel(hdc, 10, 8), gdi::GetPixel(hdc, 30, 8));
    EXPECT_NE(gdi::GetPixel(hdc, 10, 3), gdi::GetPixel(hdc, 10, 8));
    EXPECT_EQ(gdi::GetPixel(hdc, 10, 3), Rgb(ShadeColor(Button().CheckedFaceColor, -6, true, false, false)));
    // 25 steps over the height: row 8 of 12 is 16.7 steps darker.
    EXPECT_EQ(gdi::GetPixel(hdc, 10, 8), Rgb(ShadeColor(Button().CheckedFaceColor, -17, true, false, false)));
}

class CustomClick : public ::testing::Test {
protected:
    CustomClick() {
        Button().CustomClick = 4;  // down and right
        original = WindowRect();
    }
    ztButtons_H& Button() { return fixture.Button(); }
    gdi::RECT WindowRect() {
        gdi::RECT rect{};
        user::GetWindowRect(Button().HWnd(), &rect);
        return rect;
    }
    bool Shifted() { return (Button().StateFlags & StateFlagBits::Shifted) != 0; }

    ButtonFixture fixture;
    gdi::RECT original{};
};

TEST_F(CustomClick, PressMovesOnePixelDownRightOnceAndReleaseMovesBack) {
    SetPushed(Button(), true);
    const int refreshes = fixture.Site().RefreshCount();
    RedrawButton(Button());
    const gdi::RECT moved = WindowRect();
    EXPECT_EQ(moved.left, original.left + 1);
    EXPECT_EQ(moved.top, original.top + 1);
    EXPECT_EQ(moved.right - moved.left, original.right - original.left);
    EXPECT_EQ(moved.bottom - moved.top, original.bottom - original.top);
    EXPECT_TRUE(Shifted());
    EXPECT_EQ(fixture.Site().RefreshCount(), refreshes + 1) << "the shifted window is presented once";

    RedrawButton(Button());  // the repaint the move causes: no second shift while held
    EXPECT_EQ(WindowRect().left, original.left + 1);

    SetPushed(Button(), false);
    RedrawButton(Button());
    EXPECT_EQ(WindowRect().left, original.left);
    EXPECT_EQ(WindowRect().top, original.top);
    EXPECT_FALSE(Shifted());
}

TEST_F(CustomClick, EachValueMovesTheWindowItsOwnWayAndBack) {
    const struct {
        Long value;
        int dx;
        int dy;
    } directions[] = {{1, 0, -1}, {2, 1, -1}, {3, -1, -1}, {4, 1, 1}, {5, -1, 1}, {6, 1, 0}, {7, 0, 1}, {8, -1, 0}};
    for (const auto& direction : directions) {
        Button().CustomClick = direction.value;
        SetPushed(Button(), true);
        RedrawButton(Button());
        EXPECT_EQ(WindowRect().left, original.left + direction.dx) << direction.value;
        EXPECT_EQ(WindowRect().top, original.top + direction.dy) << direction.value;
        SetPushed(Button(), false);
        RedrawButton(Button());
        EXPECT_EQ(WindowRect().left, original.left) << direction.value;
        EXPECT_EQ(WindowRect().top, original.top) << direction.value;
    }
}

TEST_F(CustomClick, ContainerWindowKeptInTagPlacesTheMoveInItsClientArea) {
    fixture.Site().SetTag(std::to_string(fixture.Form().HWnd()));
    SetPushed(Button(), true);
    RedrawButton(Button());
    EXPECT_EQ(WindowRect().left, original.left + 1);
    EXPECT_EQ(WindowRect().top, original.top + 1);
}

TEST_F(CustomClick, CheckBoxNeverMoves) {
    Button().Mode = ModeValue::CheckBox;
    SetPushed(Button(), true);
    RedrawButton(Button());
    RedrawButton(Button());
    EXPECT_EQ(WindowRect().left, original.left);
    EXPECT_EQ(WindowRect().top, original.top);
    EXPECT_FALSE(Shifted());
}

class DisabledCaption : public ::testing::Test {
protected:
    DisabledCaption() : fixture(Size(60, 24)) {
        Button().CaptionText = "Hi";
        Button().CaptionStyle = CaptionStyleValue::ReliefDarkAboveLeft;
        fixture.Site().SetEnabled(false);
        Button().Resize();
    }
    ztButtons_H& Button() { return fixture.Button(); }
    gdi::RECT Around() {
        const gdi::RECT c = Button().CaptionRect;
        return {c.left - 1, c.top - 1, c.right + 2, c.bottom + 2};
    }

    ButtonFixture fixture;
};

TEST_F(DisabledCaption, CommandButtonIsWhiteOnePixelDownRightUnderGreyWithoutRelief) {
    const auto grey = InkBounds(Button().HDC(), Around(), 0x808080);
    const auto white = InkBounds(Button().HDC(), Around(), 0xFFFFFF);
    ASSERT_TRUE(grey.has_value());
    ASSERT_TRUE(white.has_value());
    EXPECT_EQ(white->left, grey->left + 1);
    EXPECT_EQ(white->top, grey->top + 1);
    EXPECT_EQ(white->right, grey->right + 1);
    EXPECT_EQ(white->bottom, grey->bottom + 1);
    EXPECT_EQ(CountPixels(Button().HDC(), Around(), 0xC8C8C8), 0) << "no relief copy while disabled";
}

TEST_F(DisabledCaption, CheckBoxWithoutGradientIsGreyOnceAndFlat) {
    Button().Mode = ModeValue::CheckBox;
    RedrawButton(Button());
    EXPECT_GT(CountPixels(Button().HDC(), Around(), 0x808080), 0);
    EXPECT_EQ(CountPixels(Button().HDC(), Around(), 0xFFFFFF), 0);
}

// The relief copies lie one pixel up-left and down-right of the main text,
// which therefore sits one pixel lower than the text of a flat caption.
// The lines of a caption follow CaptionAlign inside its rectangle: a short
// line over a long one starts, ends or is centred where the long one does.
TEST(CaptionAlignment, EachLineOfATwoLineCaptionIsAligned) {
    for (const Long align : {CaptionAlignValue::Left, CaptionAlignValue::Center, CaptionAlignValue::Right}) {
        SCOPED_TRACE(align);
        ButtonFixture fixture(Size(100, 40));
        ztButtons_H& button = fixture.Button();
        fixture.Site().SetForeColor(0x0000FF);
        button.CaptionText = "I||IIIIII";
        button.CaptionAlign = align;
        button.Resize();
        const gdi::RECT c = button.CaptionRect;
        const Long middle = (c.top + c.bottom) / 2;
        const auto shortLine = InkBounds(button.HDC(), {c.left, c.top, c.right, middle}, 0x0000FF);
        const auto longLine = InkBounds(button.HDC(), {c.left, middle, c.right, c.bottom}, 0x0000FF);
        ASSERT_TRUE(shortLine && longLine);
        const Long leftGap = shortLine->left - longLine->left;
        const Long rightGap = longLine->right - shortLine->right;
        ASSERT_GT(leftGap + rightGap, 4);
        // How far the short line is from where the alignment puts it (centring may round by one).
        const Long misplaced = align == CaptionAlignValue::Left    ? leftGap
                               : align == CaptionAlignValue::Right ? rightGap
                                                                   : std::abs(leftGap - rightGap) / 2;
        EXPECT_EQ(misplaced, 0);
    }
}

// The relief copies are the face shaded by 40 each way: the darker one up-left
// for CaptionStyle 1, the lighter one up-left for CaptionStyle 2.
TEST(ReliefCaption, CopiesAreTheFaceShadedByFortyEachWay) {
    for (const Long style : {CaptionStyleValue::ReliefDarkAboveLeft, CaptionStyleValue::ReliefLightAboveLeft}) {
        SCOPED_TRACE(style);
        ButtonFixture fixture(Size(100, 30));
        ztButtons_H& button = fixture.Button();
        button.BackColor = 0x808080;
        UpdateDrawingState(button, "BackColor");
        fixture.Site().SetForeColor(0x0000FF);
        button.CaptionText = "OK";
        button.CaptionStyle = style;
        button.Resize();
        const gdi::RECT area = ClientArea(button);
        const auto main = InkBounds(button.HDC(), area, 0x0000FF);
        const bool darkAbove = style == CaptionStyleValue::ReliefDarkAboveLeft;
        const auto above = InkBounds(button.HDC(), area, darkAbove ? 0x585858 : 0xA8A8A8);
        const auto below = InkBounds(button.HDC(), area, darkAbove ? 0xA8A8A8 : 0x585858);
        ASSERT_TRUE(main && above && below);
        EXPECT_EQ(above->left, main->left - 1);
        EXPECT_EQ(above->top, main->top - 1);
        EXPECT_EQ(below->right, main->right + 1);
        EXPECT_EQ(below->bottom, main->bottom + 1);
    }
}

TEST(ReliefCaption, MainTextSitsOnePixelLowerThanAFlatCaption) {
    for (const Long align : {CaptionAlignValue::Left, CaptionAlignValue::Center, CaptionAlignValue::Right}) {
        SCOPED_TRACE(align);
        ButtonFixture fixture(Size(100, 30));
        ztButtons_H& button = fixture.Button();
        button.CaptionText = "OK";
        button.CaptionAlign = align;
        const gdi::RECT inside{3, 3, 97, 27}; // clear of the black outer edge
        button.Resize();
        const auto flat = InkBounds(button.HDC(), inside, 0x000000);
        button.CaptionStyle = CaptionStyleValue::ReliefDarkAboveLeft;
        button.Resize();
        const auto relief = InkBounds(button.HDC(), inside, 0x000000);
        ASSERT_TRUE(flat.has_value());
        ASSERT_TRUE(relief.has_value());
        EXPECT_EQ(relief->top, flat->top + 1);
        EXPECT_EQ(relief->bottom, flat->bottom + 1);
        // Centred text moves by one pixel within its 2-pixel wider rectangle;
        // right-aligned text stays, its rectangle ends 4 pixels inside the face.
        const int dx = align == CaptionAlignValue::Center ? 1 : 0;
        EXPECT_EQ(relief->left, flat->left + dx);
    }
}

TEST(DelayDrawingPaint, DelayedChangesDrawNothingUntilDrawingIsSwitchedOn) {
    ButtonFixture fixture(Size(20, 10));
    ztButtons_H& button = fixture.Button();
    const int refreshes = fixture.Site().RefreshCount();
    const gdi::COLORREF before = gdi::GetPixel(button.HDC(), 0, 5);  // style 0: white outer left

    DelayDrawing(button, true);
    button.ButtonStyle = 1;
    UpdateDrawingState(button, "BackColor");
    RedrawButton(button);
    EXPECT_EQ(fixture.Site().RefreshCount(), refreshes);
    EXPECT_EQ(gdi::GetPixel(button.HDC(), 0, 5), before);

    DelayDrawing(button, false);
    EXPECT_EQ(fixture.Site().RefreshCount(), refreshes + 1);
    EXPECT_EQ(gdi::GetPixel(button.HDC(), 0, 5), 0x000000U);  // style 1: black frame
}

TEST(DelayDrawingPaint, RefreshAndThePaintNoticeDrawAndSwitchDrawingBackOn) {
    ButtonFixture fixture(Size(20, 10));
    ztButtons_H& button = fixture.Button();
    DelayDrawing(button, true);
    const int refreshes = fixture.Site().RefreshCount();
    Refresh(button);
    EXPECT_EQ(button.DrawingDelayed, False);
    EXPECT_EQ(fixture.Site().RefreshCount(), refreshes + 1);

    DelayDrawing(button, true);
    fixture.Site().Paint();
    EXPECT_EQ(button.DrawingDelayed, False);
    EXPECT_EQ(fixture.Site().RefreshCount(), refreshes + 2);
}

TEST(RedrawPipeline, StyleWithoutAPainterPresentsNothing) {
    ButtonFixture fixture(Size(20, 10));
    ztButtons_H& button = fixture.Button();
    const int refreshes = fixture.Site().RefreshCount();
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(0x123456);
    const gdi::RECT all{0, 0, 20, 10};
    gdi::FillRect(button.HDC(), &all, brush);
    gdi::DeleteObject(brush);
    button.ButtonStyle = 8;
    RedrawButton(button);
    EXPECT_EQ(fixture.Site().RefreshCount(), refreshes);
    EXPECT_EQ(gdi::GetPixel(button.HDC(), 10, 5), 0x123456U);
}

// Round shapes get their outline from a frame drawn on the control after the
// surface is presented: the outlined ellipse shows it while hovered or pushed.
TEST(RedrawPipeline, OutlinedEllipseIsFramedInBlackWhileHoveredOrPushed) {
    ButtonFixture fixture(Size(40, 20));
    ztButtons_H& button = fixture.Button();
    button.ButtonShape = ButtonShapeValue::EllipseOutlined;
    UseStyle(button, 0);
    const gdi::RECT all = ClientArea(button);
    EXPECT_EQ(CountPixels(button.HDC(), all, 0x000000), 0);

    SetHover(button, true);
    RedrawButton(button);
    EXPECT_GT(CountPixels(button.HDC(), all, 0x000000), 60);
    EXPECT_EQ(CountPixels(button.HDC(), {8, 6, 32, 14}, 0x000000), 0) << "a frame, not a fill";

    SetPushed(button, true);
    RedrawButton(button);
    EXPECT_GT(CountPixels(button.HDC(), all, 0x000000), 60);
}

// Custom shapes get their frame on the control after presentation: the
// window's outline in the hover colour under the pointer; on a default button
// the face outline (the inner one for shape 8), darker while checked.
TEST(RedrawPipeline, CustomShapesAreFramedByState) {
    constexpr gdi::COLORREF kHoverGreen = 0x00FF00;
    const struct {
        const char* name;
        Long shape;
        bool hover;
        bool checked;
        gdi::COLORREF frame;
    } rows[] = {
        {"hovered", ButtonShapeValue::Custom, true, false, kHoverGreen},
        {"default", ButtonShapeValue::Custom, false, false, 0x000000},
        {"default and checked", ButtonShapeValue::Custom, false, true, 0xD0D0D0},  // Shade(face, -32)
        {"default, shape 8", ButtonShapeValue::CustomGradient, false, false, 0x000000},
    };
    const Legend legend{{'m', gdi::RGB(255, 0, 255)}, {'r', gdi::RGB(200, 30, 30)}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ButtonFixture fixture(Size(40, 20));
        ztButtons_H& button = fixture.Button();
        button.SetPicture(MakeBitmapPicture({"mmmm", "mrrm", "mrrm", "mmmm"}, legend));
        button.SetButtonShape(row.shape);
        button.HoverBackColor = kHoverGreen;
        UpdateDrawingState(button, "BackColor");
        if (row.checked) {
            button.Mode = ModeValue::CheckBox;
            button.Value = True;
        }
        if (row.hover) SetHover(button, true);
        else SetDefaultLook(button, true);
        RedrawButton(button);
        EXPECT_GT(CountPixels(button.HDC(), ClientArea(button), row.frame), 4);
    }
}

// Made the default at design time, a custom shape shows the hover frame for
// that one repaint; at run time it shows the default look alone.
TEST(RedrawPipeline, ACustomShapeMadeTheDefaultAtDesignTimeShowsTheHoverFrameOnce) {
    for (const bool designTime : {true, false}) {
        ButtonFixture fixture(Size(40, 20));
        ztButtons_H& button = fixture.Button();
        button.SetPicture(MakeBitmapPicture({"mmmm", "mrrm", "mrrm", "mmmm"},
                                            Legend{{'m', gdi::RGB(255, 0, 255)}, {'r', gdi::RGB(200, 30, 30)}}));
        button.SetButtonShape(ButtonShapeValue::Custom);
        button.HoverBackColor = 0x00FF00;
        UpdateDrawingState(button, "BackColor");
        fixture.Form().SetUserMode(!designTime);
        fixture.Site().SetDisplayAsDefault(true);
        EXPECT_EQ(CountPixels(button.HDC(), ClientArea(button), 0x00FF00) > 0, designTime) << designTime;
        EXPECT_EQ(button.IsHovering, False);
    }
}

// Every style and shape in every state draws with the control's one pen and
// brush: repeated repaints leave the number of live drawing objects unchanged.
TEST(RedrawPipeline, RepaintsOfEveryStyleShapeAndStateCreateNoLastingObjects) {
    ButtonFixture fixture(Size(60, 24));
    ztButtons_H& button = fixture.Button();
    button.CaptionText = "Hi";
    button.GradientColor = kBlue;
    for (Long shape : {0, 3, 4, 6}) {
        button.ButtonShape = shape;
        for (Long style = 0; style <= 7; ++style) {
            UseStyle(button, style);
            SetDefaultLook(button, true);
            const gdi::DWORD before = LiveGdiObjects();
            for (int pass = 0; pass < 2; ++pass) {
                SetHover(button, true);
                RedrawButton(button);
                SetPushed(button, true);
                RedrawButton(button);
                SetPushed(button, false);
                SetHover(button, false);
                button.GradientMode = GradientModeValue::TopToBottom;
                RedrawButton(button);
                button.GradientMode = GradientModeValue::None;
                RedrawButton(button);
            }
            EXPECT_EQ(LiveGdiObjects(), before) << "style " << style << " shape " << shape;
        }
    }
}

}  // namespace
