// The palette painters: style 2's fixed columns, frame and corner pixels, its
// round shapes framed instead of edged; style 7's inverted pushed look and the
// hover caption colour it borrows for one caption only.
#include "control/render/Colors.h"
#include "control/tests/PaintSupport.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using control_testing::ButtonFixture;
using namespace paint_testing;

constexpr OleColor kSkyBlue = 0xDDC07A;  // RGB(122, 192, 221)
constexpr gdi::COLORREF kDarkBlueFrame = 0x733C00;

RgbColor S(RgbColor colour, int offset) { return ShadeColor(colour, offset, true, false, false); }

// The eight inner and middle ring pixels of a 20 x 10 rectangle, entries 1 to 8.
std::array<gdi::COLORREF, 8> RingPixels(gdi::HDC hdc) {
    return {gdi::GetPixel(hdc, 2, 5),  gdi::GetPixel(hdc, 8, 2), gdi::GetPixel(hdc, 17, 4), gdi::GetPixel(hdc, 8, 7),
            gdi::GetPixel(hdc, 1, 5),  gdi::GetPixel(hdc, 8, 1), gdi::GetPixel(hdc, 18, 4), gdi::GetPixel(hdc, 8, 8)};
}

std::array<gdi::COLORREF, 8> Column(std::array<RgbColor, 8> colours) {
    std::array<gdi::COLORREF, 8> result{};
    for (std::size_t i = 0; i < colours.size(); ++i) result[i] = Rgb(colours[i]);
    return result;
}

class Style2Rectangle : public ::testing::Test {
protected:
    Style2Rectangle() : fixture(Size(20, 10)) {
        ztButtons_H& button = fixture.Button();
        button.BackColor = kSkyBlue;
        button.HoverBackColor = kSkyBlue;
        UseStyle(button, 2);
        base = button.FaceColor;
    }
    ztButtons_H& Button() { return fixture.Button(); }
    std::array<gdi::COLORREF, 8> Redraw() {
        RedrawButton(Button());
        return RingPixels(Button().HDC());
    }
    void ExpectFrameAndCorners(gdi::COLORREF frame) {
        const gdi::HDC hdc = Button().HDC();
        for (const auto& [x, y] : {std::pair{0, 5}, {8, 0}, {19, 4}, {8, 9}, {1, 1}, {1, 8}, {18, 8}, {18, 1}}) {
            EXPECT_EQ(gdi::GetPixel(hdc, x, y), frame) << "at " << x << "," << y;
        }
    }

    ButtonFixture fixture;
    RgbColor base = 0;
};

TEST_F(Style2Rectangle, NormalColumnIsShadedFromTheFace) {
    ASSERT_EQ(base, 0xFFF0AA);  // S(sky blue, +48)
    EXPECT_EQ(Redraw(), Column({S(base, -10), S(base, 10), S(base, -24), S(base, -32), S(base, -5), S(base, 16),
                                S(base, -36), S(base, -48)}));
    ExpectFrameAndCorners(kDarkBlueFrame);
}

TEST_F(Style2Rectangle, DefaultButtonShowsTheBlueColumnUnlessTheFocusRectangleIsOff) {
    SetDefaultLook(Button(), true);
    const std::array<gdi::COLORREF, 8> blue = {0xF0D1B5, 0xF7D7BD, 0xF0D1B5, 0xE7AE8C,
                                               0xE7AE8C, 0xFFDFBF, 0xE7AE8C, 0xEF826B};
    EXPECT_EQ(Redraw(), blue);
    Button().ShowFocusRect = False;
    EXPECT_EQ(Redraw(), Column({S(base, -10), S(base, 10), S(base, -24), S(base, -32), S(base, -5), S(base, 16),
                                S(base, -36), S(base, -48)}));
}

TEST_F(Style2Rectangle, PointerOverShowsOrangeWhateverTheDefaultState) {
    const std::array<gdi::COLORREF, 8> orange = {0x6BCBFF, 0x8CDBFF, 0x6BCBFF, 0x31B2FF,
                                                 0x31B2FF, 0xA6E9FF, 0x31B2FF, 0x0096E7};
    SetHover(Button(), true);
    EXPECT_EQ(Redraw(), orange);
    SetDefaultLook(Button(), true);
    EXPECT_EQ(Redraw(), orange);
    ExpectFrameAndCorners(kDarkBlueFrame);
}

TEST_F(Style2Rectangle, HeldDownInsideShowsThePushedColumn) {
    SetPushed(Button(), true);
    EXPECT_EQ(Redraw(), Column({S(base, -22), S(base, -24), base, S(base, 10), S(base, -32), S(base, -32),
                                S(base, 5), S(base, 16)}));
}

TEST_F(Style2Rectangle, CheckedToggleIsPushedColumnOrBlueWhenDefault) {
    ztButtons_H& button = Button();
    button.Mode = ModeValue::CheckBox;
    button.Value = True;
    const RgbColor checked = button.CheckedFaceColor;
    EXPECT_EQ(Redraw(), Column({S(checked, -22), S(checked, -24), checked, S(checked, 10), S(checked, -32),
                                S(checked, -32), S(checked, 5), S(checked, 16)}));
    SetDefaultLook(button, true);
    EXPECT_EQ(Redraw()[7], 0xEF826BU);
}

TEST_F(Style2Rectangle, DisabledHasNoInnerLinesAndAFrameAndCaptionShadedFromTheBase) {
    ztButtons_H& button = Button();
    fixture.Site().SetEnabled(false);
    const RgbColor face = S(base, -24);
    const std::array<gdi::COLORREF, 8> flat = Column({face, face, face, face, face, face, face, face});
    EXPECT_EQ(Redraw(), flat);
    ExpectFrameAndCorners(Rgb(S(base, -84)));

    // The caption, once and flat, in S(face, -104).
    fixture.ResizeTo(60, 24);
    button.CaptionText = "Hi";
    button.Resize();
    const gdi::RECT caption = button.CaptionRect;
    const gdi::RECT around{caption.left - 1, caption.top - 1, caption.right + 2, caption.bottom + 2};
    EXPECT_GT(CountPixels(button.HDC(), around, Rgb(S(face, -104))), 0);
    EXPECT_EQ(CountPixels(button.HDC(), around, 0xFFFFFF), 0);
}

class Style2Ellipse : public ::testing::Test {
protected:
    Style2Ellipse() : fixture(Size(40, 20)) {
        ztButtons_H& button = fixture.Button();
        button.BackColor = kSkyBlue;
        button.HoverBackColor = kSkyBlue;
        button.ButtonShape = ButtonShapeValue::Ellipse;
        UseStyle(button, 2);
    }
    int Count(gdi::COLORREF colour) { return CountPixels(fixture.Button().HDC(), {0, 0, 40, 20}, colour); }

    ButtonFixture fixture;
};

TEST_F(Style2Ellipse, DefaultLookFramesTheFaceRegionInBlueWithoutEdgeLines) {
    SetDefaultLook(fixture.Button(), true);
    RedrawButton(fixture.Button());
    EXPECT_GT(Count(0xEF826B), 40);
    EXPECT_EQ(CountPixels(fixture.Button().HDC(), {8, 6, 32, 14}, 0xEF826B), 0) << "a frame, not a fill";
    EXPECT_EQ(Count(kDarkBlueFrame), 0);
    EXPECT_EQ(Count(0xF0D1B5), 0) << "no inner lines";
}

TEST_F(Style2Ellipse, PointerOverFramesItInOrangeAndPlainHasNoFrame) {
    SetHover(fixture.Button(), true);
    RedrawButton(fixture.Button());
    EXPECT_GT(Count(0x0096E7), 40);
    SetHover(fixture.Button(), false);
    RedrawButton(fixture.Button());
    EXPECT_EQ(Count(0x0096E7), 0);
    EXPECT_EQ(Count(0xEF826B), 0);
}

class Style7 : public ::testing::Test {
protected:
    Style7() : fixture(Size(40, 20)) {
        ztButtons_H& button = fixture.Button();
        button.CaptionText = "Hi";
        button.HoverForeColor = 0x0000FF;  // red, unlike the black caption
        UseStyle(button, 7);
    }
    ztButtons_H& Button() { return fixture.Button(); }
    int CaptionInk(gdi::COLORREF colour) {
        const gdi::RECT c = Button().CaptionRect;
        return CountPixels(Button().HDC(), {c.left - 1, c.top - 1, c.right + 2, c.bottom + 2}, colour);
    }

    ButtonFixture fixture;
};

TEST_F(Style7, PressedCommandButtonInvertsFaceAndCaption) {
    ztButtons_H& button = Button();
    SetPushed(button, true);
    RedrawButton(button);
    const gdi::HDC hdc = button.HDC();
    ASSERT_EQ(button.FaceShadeColor, 0x707070);  // Shade(grey, -16)
    ASSERT_EQ(button.FaceColor, 0xFFFFFF);       // the button face lightened by 31
    EXPECT_EQ(gdi::GetPixel(hdc, 6, 10), 0x707070U);
    EXPECT_GT(CaptionInk(0xFFFFFF), 0) << "caption in the face colour";
    EXPECT_EQ(gdi::GetPixel(hdc, 2, 10), 0x606060U);   // inner left: Shade(grey, -32)
    EXPECT_EQ(gdi::GetPixel(hdc, 37, 10), 0x808080U);  // inner right: grey
    EXPECT_EQ(gdi::GetPixel(hdc, 0, 10), 0x000000U);   // black outer ring
}

// Single pixels in the ring colours round the four corners.
TEST(Style7Corners, ArePaintedInTheRingColours) {
    ButtonFixture fixture(Size(20, 12));
    ztButtons_H& button = fixture.Button();
    button.BackColor = 0x806040;
    UseStyle(button, 7);
    const gdi::COLORREF face = 0x9F7F5F, high = 0xB89E7E, low = 0x6A3F1F;  // the face, S(face, 31), S(face, -64)
    const struct {
        int x, y;
        gdi::COLORREF colour;
    } corners[] = {{3, 3, 0xFFFFFF}, {1, 9, face},  {2, 2, high},  {1, 10, 0},  {1, 1, 0},
                   {16, 8, face},    {17, 1, face}, {17, 9, low}, {18, 10, 0}, {18, 1, 0}};
    for (const auto& corner : corners)
        EXPECT_EQ(gdi::GetPixel(button.HDC(), corner.x, corner.y), corner.colour) << corner.x << "," << corner.y;
}

TEST_F(Style7, HoverCaptionColourShowsAndIsLeftUnchanged) {
    ztButtons_H& button = Button();
    SetHover(button, true);
    RedrawButton(button);
    EXPECT_GT(CaptionInk(0x0000FF), 0);
    EXPECT_EQ(button.HoverForeColor, 0x0000FF);
}

TEST_F(Style7, CheckedButtonBorrowsTheHoverColourForOneCaptionOnly) {
    ztButtons_H& button = Button();
    button.Mode = ModeValue::CheckBox;
    button.Value = True;
    SetHover(button, true);
    RedrawButton(button);
    EXPECT_EQ(CaptionInk(0x0000FF), 0) << "a checked caption keeps the face colour under the pointer";
    EXPECT_GT(CaptionInk(Rgb(button.FaceColor)), 0);
    EXPECT_EQ(button.HoverForeColor, 0x0000FF);
}

}  // namespace
