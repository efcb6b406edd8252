// The bevel style painters (0, 1, 3, 4, 5): edge rings per state, the focus
// rectangle and outline, and which content moves when pushed. Whole small
// buttons are compared as art, captured from the control after presentation.
#include "control/render/Layout.h"
#include "control/tests/PaintSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace control_testing;
using namespace paint_testing;

constexpr gdi::COLORREF kFace = gdi::RGB(240, 240, 240);
constexpr gdi::COLORREF kInvertedFace = gdi::RGB(15, 15, 15);  // the dotted XOR focus rectangle
constexpr gdi::COLORREF kChecked = 0xDFDFDF;                  // Shade(white, -32)
constexpr gdi::COLORREF kLight = gdi::RGB(233, 233, 233);

const Legend kLegend{{'f', kFace},   {'x', kInvertedFace}, {'c', kChecked}, {'l', kLight},
                     {'w', 0xFFFFFF}, {'k', 0x000000},     {'g', 0x808080}};

Art ControlArt(ButtonFixture& fixture) {
    ztButtons_H& button = fixture.Button();
    return CaptureArt(button.HDC(), 0, 0, ClientWidth(button), ClientHeight(button), kLegend);
}

TEST(Style0, NormalButtonHasLightGreyMiddleAndWhiteBlackOuterRing) {
    ButtonFixture fixture(Size(14, 10));
    RedrawButton(fixture.Button());
    const Art expected = {
        "wwwwwwwwwwwwwk",
        "wlllllllllllgk",
        "wlffffffffffgk",
        "wlffffffffffgk",
        "wlffffffffffgk",
        "wlffffffffffgk",
        "wlffffffffffgk",
        "wlffffffffffgk",
        "wggggggggggggk",
        "kkkkkkkkkkkkkk",
    };
    EXPECT_TRUE(SameArt(expected, ControlArt(fixture)));
}

TEST(Style0, DefaultButtonHasBlackOuterRingInnerRingAndOneDottedFocusRectangle) {
    ButtonFixture fixture(Size(14, 10));
    SetDefaultLook(fixture.Button(), true);
    const Art expected = {
        "kkkkkkkkkkkkkk",
        "kwwwwwwwwwwwkk",
        "kwlllllllllgkk",
        "kwlffffffffgkk",
        "kwlffxfxfxfgkk",
        "kwlfxfxfxffgkk",
        "kwlffffffffgkk",
        "kwggggggggggkk",
        "kkkkkkkkkkkkkk",
        "kkkkkkkkkkkkkk",
    };
    // The focus dots run from the rectangle's top right corner, which is
    // always inverted. Every pass composes the picture afresh: the inverting focus rectangle
    // shows after any number of repaints, never cancelled by a second one.
    for (int pass = 0; pass < 3; ++pass) {
        RedrawButton(fixture.Button());
        EXPECT_TRUE(SameArt(expected, ControlArt(fixture))) << "pass " << pass;
    }
}

TEST(Style0, CheckedCheckBoxShowsSunkenRingAndSolidOutlineInsteadOfFocusDots) {
    ButtonFixture fixture(Size(14, 10));
    ztButtons_H& button = fixture.Button();
    button.Mode = ModeValue::CheckBox;
    button.Value = True;
    SetDefaultLook(button, true);
    RedrawButton(button);
    const Art expected = {
        "kkkkkkkkkkkkkw",
        "kccccccccccclw",
        "kccccccccccclw",
        "kccccccccccclw",
        "kccckkkkkkkclw",
        "kccckccccckclw",
        "kccckkkkkkkclw",
        "kccccccccccclw",
        "kllllllllllllw",
        "wwwwwwwwwwwwww",
    };
    EXPECT_TRUE(SameArt(expected, ControlArt(fixture)));
}

TEST(Style1, ToggledOnIsGreyTopLeftWhiteBottomRightInABlackFrame) {
    ButtonFixture fixture(Size(12, 8));
    ztButtons_H& button = fixture.Button();
    button.Mode = ModeValue::CheckBox;
    button.Value = True;
    UseStyle(button, 1);
    const Art expected = {
        "kkkkkkkkkkkk",
        "kgggggggggwk",
        "kggggggggwwk",
        "kggccccccwwk",
        "kggccccccwwk",
        "kgwwwwwwwwwk",
        "kwwwwwwwwwwk",
        "kkkkkkkkkkkk",
    };
    EXPECT_TRUE(SameArt(expected, CaptureArt(button.SurfaceDC, 0, 0, 12, 8, kLegend)));
}

// Style 3 keeps caption and picture in place when pushed; the other styles
// sink them by one pixel. The caption is located by its ink.
class PushedCaption : public ::testing::TestWithParam<Long> {};

TEST_P(PushedCaption, MovesByOnePixelExceptInStyle3) {
    control_testing::ButtonOptions options = Size(60, 24);
    ButtonFixture fixture(options);
    ztButtons_H& button = fixture.Button();
    button.CaptionText = "Hi";
    button.ButtonStyle = GetParam();
    UpdateDrawingState(button, "BackColor");
    fixture.Site().SetForeColor(0x0000FF);  // ink that no edge uses
    button.Resize();
    const gdi::RECT caption = button.CaptionRect;
    const auto released = InkBounds(button.HDC(), caption, 0x0000FF);
    ASSERT_TRUE(released.has_value());

    SetPushed(button, true);
    RedrawButton(button);
    const gdi::RECT grown{caption.left, caption.top, caption.right + 2, caption.bottom + 2};
    const auto pushed = InkBounds(button.HDC(), grown, 0x0000FF);
    ASSERT_TRUE(pushed.has_value());
    const int shift = GetParam() == 3 ? 0 : 1;
    EXPECT_EQ(pushed->left, released->left + shift);
    EXPECT_EQ(pushed->top, released->top + shift);
    EXPECT_EQ(pushed->right, released->right + shift);
}

INSTANTIATE_TEST_SUITE_P(Styles, PushedCaption, ::testing::Values(0, 1, 3, 4, 6));

TEST(Style3, PushedFaceIsTheShadeColourWithTheMiddleRingInTheFace) {
    ButtonFixture fixture(Size(30, 12));
    ztButtons_H& button = fixture.Button();
    UseStyle(button, 3);
    SetPushed(button, true);
    RedrawButton(button);
    const gdi::COLORREF shade = Rgb(button.FaceShadeColor);
    ASSERT_EQ(shade, 0x8C8C8CU);  // Shade(grey, +12)
    const gdi::HDC hdc = button.HDC();
    EXPECT_EQ(gdi::GetPixel(hdc, 15, 6), shade);   // face
    EXPECT_EQ(gdi::GetPixel(hdc, 1, 6), shade);    // middle left
    EXPECT_EQ(gdi::GetPixel(hdc, 15, 1), shade);   // middle top
    EXPECT_EQ(gdi::GetPixel(hdc, 28, 6), 0x666666U);  // middle right: Shade(grey, -26)
    EXPECT_EQ(gdi::GetPixel(hdc, 0, 6), 0x666666U);   // outer left
    EXPECT_EQ(gdi::GetPixel(hdc, 29, 6), 0xFFFFFFU);  // outer right
}

TEST(Style3, DefaultLookIsASolidOutlineInItsFixedColourNeverDotted) {
    ButtonFixture fixture(Size(60, 24));
    ztButtons_H& button = fixture.Button();
    button.CaptionText = "Hi";
    SetDefaultLook(button, true);
    UseStyle(button, 3);
    EXPECT_GT(CountPixels(button.HDC(), ClientArea(button), 0xCC9999), 10);
    EXPECT_EQ(CountPixels(button.HDC(), ClientArea(button), kInvertedFace), 0);
}

TEST(Style4, DiagonalShapeFocusIsTheSolidPolygonInTheDarkenedFace) {
    ButtonFixture fixture(Size(60, 20));
    ztButtons_H& button = fixture.Button();
    button.ButtonShape = ButtonShapeValue::LeftSlanted;
    SetDefaultLook(button, true);
    UseStyle(button, 4);
    ASSERT_EQ(button.FaceLeft, 21);
    ASSERT_EQ(button.FaceRight, 60);
    const gdi::HDC hdc = button.HDC();
    const gdi::COLORREF outline = 0xC0C0C0;  // Shade(face, -48)
    // (19,15) up the slant to (8,4), along the top to (55,4), down to (55,15), back to (20,15).
    EXPECT_EQ(gdi::GetPixel(hdc, 19, 15), outline);
    EXPECT_EQ(gdi::GetPixel(hdc, 13, 9), outline);
    EXPECT_EQ(gdi::GetPixel(hdc, 8, 4), outline);
    EXPECT_EQ(gdi::GetPixel(hdc, 54, 4), outline);
    EXPECT_EQ(gdi::GetPixel(hdc, 55, 10), outline);
    EXPECT_EQ(gdi::GetPixel(hdc, 30, 15), outline);
    EXPECT_EQ(CountPixels(hdc, ClientArea(button), kInvertedFace), 0);
}

TEST(Style5, RunTimeWithPointerAwayHasNoEdgeAtAll) {
    ButtonFixture fixture(Size(14, 10));
    UseStyle(fixture.Button(), 5);
    const Art expected(10, "ffffffffffffff");
    EXPECT_TRUE(SameArt(expected, ControlArt(fixture)));
}

TEST(Style5, DesignTimeShowsADottedGuideRing) {
    ButtonFixture fixture(Size(14, 10));
    ztButtons_H& button = fixture.Button();
    fixture.Form().SetUserMode(false);
    button.ParentBackColor = 0xF0F0F0;
    UseStyle(button, 5);
    const gdi::COLORREF guide = 0xB0B0B0;  // Shade(parent back colour, -64)
    const gdi::HDC hdc = button.HDC();
    const int onRing = CountPixels(hdc, {0, 0, 14, 1}, guide) + CountPixels(hdc, {0, 0, 1, 10}, guide);
    EXPECT_GT(onRing, 4);
    EXPECT_LT(CountPixels(hdc, {0, 0, 14, 1}, guide), 14) << "the top line is dotted, not solid";
    EXPECT_EQ(CountPixels(hdc, {1, 1, 13, 9}, guide), 0) << "only the outer ring is drawn";
}

TEST(Style5, PressedShowsASunkenOnePixelRing) {
    ButtonFixture fixture(Size(14, 10));
    ztButtons_H& button = fixture.Button();
    UseStyle(button, 5);
    SetPushed(button, true);
    RedrawButton(button);
    const gdi::HDC hdc = button.HDC();
    EXPECT_EQ(gdi::GetPixel(hdc, 0, 5), 0x808080U);
    EXPECT_EQ(gdi::GetPixel(hdc, 6, 0), 0x808080U);
    EXPECT_EQ(gdi::GetPixel(hdc, 13, 5), 0xFFFFFFU);
    EXPECT_EQ(gdi::GetPixel(hdc, 6, 9), 0xFFFFFFU);
    EXPECT_EQ(gdi::GetPixel(hdc, 1, 5), kFace);
}

}  // namespace
