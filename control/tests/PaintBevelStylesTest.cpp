// The bevel style painters (0, 1, 3, 4, 5): edge rings per state, the focus
// rectangle and outline, and which content moves when pushed. Whole small
// buttons are compared as art, captured from the control after presentation.
#include "control/render/Layout.h"
#include "control/tests/PaintSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

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

// Every bevel style in every state its colour table tells apart: the face and
// the twelve edge segments (inner, middle and outer ring, each left, top,
// right, bottom) read in the middle of each side of a 20 x 12 rectangle. A
// segment the style leaves out (kUndrawn) shows the face. A held toggle that is
// not yet checked shows the hover face under the pointer. The pictures below
// pin the geometry of a few of these states; this table pins the colours.
enum class RingState {
    Normal,
    Default,
    Pushed,
    PushedDefault,
    Hover,
    HeldToggle,
    Checked,
    CheckedOption,
    CheckedGradient,
    Disabled
};

constexpr gdi::COLORREF kUndrawn = 0xFF000000;
constexpr OleColor kRingBack = 0x806040;   // RGB(64, 96, 128)
constexpr OleColor kRingHover = 0x40A040;  // RGB(64, 160, 64)

struct RingRow {
    const char* name;
    Long style;
    RingState state;
    gdi::COLORREF face;
    std::array<gdi::COLORREF, 12> rings;
};

std::array<gdi::COLORREF, 13> FaceAndRings(gdi::HDC hdc) {
    const std::pair<int, int> at[13] = {{10, 6}, {2, 6}, {10, 2}, {17, 6}, {10, 9},  {1, 6}, {10, 1},
                                        {18, 6}, {10, 10}, {0, 6}, {10, 0}, {19, 6}, {10, 11}};
    std::array<gdi::COLORREF, 13> pixels{};
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = gdi::GetPixel(hdc, at[i].first, at[i].second);
    return pixels;
}

TEST(BevelStyles, EveryStyleAndStateDrawsItsRingColours) {
    constexpr gdi::COLORREF F = 0x806040, H = 0x40A040, C = 0xDFDFDF;  // face, hover, Shade(white, -32)
    constexpr gdi::COLORREF N = kUndrawn, W = 0xFFFFFF, K = 0, G = 0x808080, L = 0xE9E9E9;
    constexpr gdi::COLORREF l6 = 0xE7E7E7;                          // style 6: Shade(0xDFDFDF, +8)
    constexpr gdi::COLORREF g3 = 0x666666, S3 = 0x8C8C8C, C3 = 0xABABAB;  // style 3 edge, shade, checked
    // Style 7: the face lightened by 31, S(face, +31) and S(face, -64); pushed or
    // checked, shades of grey by -32, -64 and -16.
    constexpr gdi::COLORREF f7 = 0x9F7F5F, hi7 = 0xB89E7E, lo7 = 0x6A3F1F, h7 = 0x5FBF5F;
    constexpr gdi::COLORREF w7 = 0x606060, hiG = 0x404040, loG = 0x707070, C7 = 0x8A9090;
    // Style 7 checked with a gradient: the same shades of the face instead of grey.
    constexpr gdi::COLORREF w7f = 0x7F5F3F, hi7f = 0x5F3F1F, lo7f = 0x8F6F4F;
    const RingRow rows[] = {
        {"0 normal", 0, RingState::Normal, F, {N, N, N, N, L, L, G, G, W, W, K, K}},
        {"0 hover", 0, RingState::Hover, H, {N, N, N, N, L, L, G, G, W, W, K, K}},
        {"0 default", 0, RingState::Default, F, {L, L, G, G, W, W, K, K, K, K, K, K}},
        {"0 pushed", 0, RingState::Pushed, F, {N, N, N, N, N, N, G, G, W, W, K, K}},
        {"0 pushed default", 0, RingState::PushedDefault, F, {N, N, N, N, N, N, G, G, K, K, K, K}},
        {"0 held toggle", 0, RingState::HeldToggle, H, {N, N, N, N, N, N, L, L, K, K, W, W}},
        {"0 checked", 0, RingState::Checked, C, {N, N, N, N, N, N, L, L, K, K, W, W}},
        {"1 normal", 1, RingState::Normal, F, {W, W, G, G, W, W, G, G, K, K, K, K}},
        {"1 default", 1, RingState::Default, F, {W, W, G, G, W, W, G, G, K, K, K, K}},
        {"1 pushed", 1, RingState::Pushed, F, {G, G, W, W, G, G, W, W, K, K, K, K}},
        {"1 held toggle", 1, RingState::HeldToggle, H, {G, G, W, W, G, G, W, W, K, K, K, K}},
        {"4 normal", 4, RingState::Normal, F, {N, N, N, N, N, N, N, N, W, W, G, G}},
        {"4 pushed", 4, RingState::Pushed, F, {N, N, N, N, N, N, N, N, G, G, W, W}},
        {"4 checked", 4, RingState::Checked, C, {N, N, N, N, N, N, N, N, G, G, W, W}},
        {"6 normal", 6, RingState::Normal, F, {N, N, N, N, l6, l6, G, G, l6, l6, G, G}},
        {"6 pushed", 6, RingState::Pushed, F, {N, N, N, N, G, G, l6, l6, G, G, l6, l6}},
        {"6 checked", 6, RingState::Checked, C, {N, N, N, N, G, G, l6, l6, G, G, l6, l6}},
        {"3 normal", 3, RingState::Normal, F, {N, N, N, N, W, W, g3, g3, g3, g3, W, W}},
        {"3 default", 3, RingState::Default, F, {N, N, N, N, W, W, g3, g3, g3, g3, W, W}},
        {"3 pushed", 3, RingState::Pushed, S3, {N, N, N, N, S3, S3, g3, g3, g3, g3, W, W}},
        {"3 disabled", 3, RingState::Disabled, F, {F, F, F, F, F, F, F, F, g3, g3, g3, g3}},
        {"3 held toggle", 3, RingState::HeldToggle, H, {N, N, N, N, F, F, g3, g3, g3, g3, W, W}},
        {"3 checked", 3, RingState::Checked, C3, {N, N, N, N, C3, C3, g3, g3, g3, g3, W, W}},
        {"3 checked option", 3, RingState::CheckedOption, C3, {N, N, N, N, C3, C3, g3, g3, g3, g3, W, W}},
        {"5 hover", 5, RingState::Hover, H, {N, N, N, N, N, N, N, N, W, W, G, G}},
        {"5 checked", 5, RingState::Checked, C, {N, N, N, N, N, N, N, N, G, G, W, W}},
        {"7 normal", 7, RingState::Normal, f7, {W, W, f7, f7, hi7, hi7, lo7, lo7, K, K, K, K}},
        {"7 hover", 7, RingState::Hover, h7, {W, W, f7, f7, hi7, hi7, lo7, lo7, K, K, K, K}},
        {"7 held toggle", 7, RingState::HeldToggle, h7, {W, W, f7, f7, hi7, hi7, lo7, lo7, K, K, K, K}},
        {"7 pushed", 7, RingState::Pushed, loG, {w7, w7, G, G, hiG, hiG, loG, loG, K, K, K, K}},
        {"7 checked", 7, RingState::Checked, C7, {w7, w7, G, G, hiG, hiG, loG, loG, K, K, K, K}},
        {"7 checked gradient", 7, RingState::CheckedGradient, C7, {w7f, w7f, f7, f7, hi7f, hi7f, lo7f, lo7f, K, K, K, K}},
    };
    for (const RingRow& row : rows) {
        ButtonFixture fixture(Size(20, 12));
        ztButtons_H& button = fixture.Button();
        button.BackColor = kRingBack;
        button.HoverBackColor = kRingHover;
        const RingState state = row.state;
        if (state == RingState::HeldToggle || state == RingState::Checked || state == RingState::CheckedGradient)
            button.Mode = ModeValue::CheckBox;
        if (state == RingState::CheckedOption) button.Mode = ModeValue::OptionButton;
        if (state == RingState::Checked || state == RingState::CheckedOption || state == RingState::CheckedGradient)
            button.Value = True;
        if (state == RingState::CheckedGradient) button.GradientMode = GradientModeValue::LeftToRight;
        if (row.state == RingState::Disabled) fixture.Site().SetEnabled(false);
        UseStyle(button, row.style);
        if (row.state == RingState::Default || row.state == RingState::PushedDefault) SetDefaultLook(button, true);
        if (row.state == RingState::Hover) SetHover(button, true);
        if (row.state == RingState::Pushed || row.state == RingState::PushedDefault ||
            row.state == RingState::HeldToggle)
            SetPushed(button, true);
        RedrawButton(button);
        std::array<gdi::COLORREF, 13> expected{row.face};
        for (std::size_t i = 0; i < row.rings.size(); ++i)
            expected[i + 1] = row.rings[i] == kUndrawn ? row.face : row.rings[i];
        EXPECT_EQ(FaceAndRings(button.HDC()), expected) << "style " << row.name;
    }
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

    // On a dark form the guide would vanish in black; it is drawn white.
    button.ParentBackColor = 0x303030;
    RedrawButton(button);
    EXPECT_GT(CountPixels(hdc, {0, 0, 14, 1}, 0xFFFFFF), 4);
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
