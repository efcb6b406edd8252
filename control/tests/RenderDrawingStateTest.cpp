// Derived drawing state: the caption font, picture kinds and the face colours
// each style derives.
#include "control/render/DrawingState.h"
#include "control/tests/support/ButtonFixture.h"
#include "control/tests/support/PixelHelpers.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace control_testing;

TEST(BuildLogFont, HeightIsMinusTwentyTimesPointsOverTwipsRoundedHalfToEven) {
    container::Font nine("宋体", 9.0);
    container::Font ten("宋体", 10.0);
    container::Font tenAndHalf("宋体", 10.5);
    container::Font nineAtEight("宋体", 9.0);
    EXPECT_EQ(BuildLogFont(nine, 15).lfHeight, -12);
    EXPECT_EQ(BuildLogFont(ten, 15).lfHeight, -13);         // -13.33
    EXPECT_EQ(BuildLogFont(tenAndHalf, 15).lfHeight, -14);  // -14.0
    EXPECT_EQ(BuildLogFont(nineAtEight, 8).lfHeight, -22);  // -22.5, half to even
}

TEST(BuildLogFont, CarriesAttributesCharsetAndThePaddedFaceName) {
    container::Font font("宋体", 9.0);
    font.SetWeight(700);
    font.SetItalic(true);
    font.SetStrikethrough(true);
    const gdi::LOGFONTA logFont = BuildLogFont(font, 15);
    EXPECT_EQ(logFont.lfWeight, 700);
    EXPECT_EQ(logFont.lfItalic, 1);
    EXPECT_EQ(logFont.lfUnderline, 0);
    EXPECT_EQ(logFont.lfStrikeOut, 1);
    EXPECT_EQ(logFont.lfCharSet, gdi::DEFAULT_CHARSET);
    EXPECT_EQ(logFont.lfWidth, 0);
    EXPECT_STREQ(logFont.lfFaceName, "宋体");
    const std::size_t length = std::strlen("宋体");
    for (std::size_t i = length + 1; i < sizeof(logFont.lfFaceName); ++i) EXPECT_EQ(logFont.lfFaceName[i], ' ');

    // A name longer than the field is cut at a character boundary, NUL kept.
    container::Font longName(std::string(19, 'x') + "宋体宋体", 9.0);  // 31 bytes: fits
    const gdi::LOGFONTA cut = BuildLogFont(longName, 15);
    EXPECT_EQ(std::string(cut.lfFaceName), std::string(19, 'x') + "宋体宋体");
    container::Font tooLong(std::string(29, 'x') + "宋体", 9.0);
    EXPECT_EQ(std::string(BuildLogFont(tooLong, 15).lfFaceName), std::string(29, 'x'));
}

TEST(UpdateDrawingState, FontChangesReplaceTheCaptionFontWithoutLeaking) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    const gdi::HFONT original = button.SavedFont;
    const gdi::DWORD live = LiveGdiObjects();
    for (int size = 8; size < 20; ++size) {
        button.Font()->SetSize(size);
        UpdateDrawingState(button, "font");
        gdi::LOGFONTA selected{};
        gdi::GetObjectA(gdi::GetCurrentObject(button.SurfaceDC, gdi::OBJ_FONT), sizeof(selected), &selected);
        EXPECT_EQ(selected.lfHeight, BuildLogFont(*button.Font(), 15).lfHeight);
    }
    EXPECT_EQ(button.SavedFont, original);
    EXPECT_EQ(LiveGdiObjects(), live);
}

TEST(UpdateDrawingState, AspectNamesIgnoreCaseAndUnknownNamesDoNothing) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    button.BackColor = 0x112233;
    UpdateDrawingState(button, "ForeColor");
    EXPECT_NE(button.FaceColor, 0x112233);
    UpdateDrawingState(button, "backcolor");
    EXPECT_EQ(button.FaceColor, 0x112233);
}

TEST(UpdateDrawingState, BitmapPicturesAreNotIconsAndGiveTheirSize) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    button.PictureIsIcon = 1;
    button.Picture = control_testing::MakeSolidPicture(37, 21, 0x0000FF);
    UpdateDrawingState(button, "Picture");
    EXPECT_EQ(button.PictureIsIcon, 0);
    EXPECT_EQ(button.PictureWidth, 37);
    EXPECT_EQ(button.PictureHeight, 21);
}

TEST(UpdateDrawingState, IconsGiveTheSizeOfTheirColourImage) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    const Legend legend{{'.', 0xFF00FF}, {'x', 0x000000}};
    button.Picture = control_testing::MakeIconPicture({"..xx..", ".xxxx.", "..xx.."}, legend, 0xFF00FF);
    ASSERT_TRUE(button.Picture);
    const gdi::DWORD live = LiveGdiObjects();
    UpdateDrawingState(button, "Picture");
    EXPECT_EQ(button.PictureIsIcon, 1);
    EXPECT_EQ(button.PictureWidth, 6);
    EXPECT_EQ(button.PictureHeight, 3);
    EXPECT_EQ(LiveGdiObjects(), live);  // the icon query's bitmaps are released
}

TEST(UpdateDrawingState, NoPictureClearsSizeAndImageButKeepsTheIconFlag) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    button.Picture = control_testing::MakeSolidPicture(10, 10, 0x0000FF);
    UpdateDrawingState(button, "Picture");
    button.ImageHandle = gdi::CreateCompatibleBitmap(button.HDC(), 4, 4);
    const gdi::DWORD live = LiveGdiObjects();
    button.PictureIsIcon = 1;
    const picture::PicturePtr stillHeld = button.Picture;  // the picture object itself stays alive
    button.Picture.reset();
    UpdateDrawingState(button, "Picture");
    EXPECT_EQ(button.ImageHandle, 0u);
    EXPECT_EQ(button.PictureWidth, 0);
    EXPECT_EQ(button.PictureHeight, 0);
    EXPECT_EQ(button.PictureIsIcon, 1);
    EXPECT_EQ(LiveGdiObjects(), live - 1);
}

namespace {

struct DerivedColours {
    RgbColor face;
    RgbColor shade;
    RgbColor hover;
    RgbColor checked;
};

DerivedColours DeriveFor(Long style, OleColor back, OleColor hover) {
    ztButtons_H button;
    button.ButtonStyle = style;
    button.BackColor = back;
    button.HoverBackColor = hover;
    UpdateDrawingState(button, "BackColor");
    return {button.FaceColor, button.FaceShadeColor, button.HoverFaceColor, button.CheckedFaceColor};
}

}  // namespace

TEST(UpdateDrawingState, DerivedColoursPerStyle) {
    constexpr OleColor blue = 0xDDC07A;  // RGB(122, 192, 221), the main window's buttons
    constexpr OleColor hover = 0x80FF80;
    const DerivedColours plain = DeriveFor(0, blue, hover);
    EXPECT_EQ(plain.face, 0xDDC07A);
    EXPECT_EQ(plain.shade, 0xDDC07A);
    EXPECT_EQ(plain.hover, 0x80FF80);
    EXPECT_EQ(plain.checked, 0xDFDFDF);

    const DerivedColours style2 = DeriveFor(2, blue, hover);
    EXPECT_EQ(style2.face, 0xFFF0AA);     // 170, 240, 221 + 55 clamped
    EXPECT_EQ(style2.shade, 0xD5D08A);    // from the new face colour
    EXPECT_EQ(style2.hover, 0xA0FFB0);    // 176, 255, 128 + 32
    EXPECT_EQ(style2.checked, 0xD5DFDF);

    const DerivedColours style3 = DeriveFor(3, blue, hover);
    EXPECT_EQ(style3.face, 0xDDC07A);
    EXPECT_EQ(style3.shade, 0x8C8C8C);
    EXPECT_EQ(style3.checked, 0xABABAB);  // from the new shade colour

    const DerivedColours style7 = DeriveFor(7, blue, hover);
    EXPECT_EQ(style7.face, 0xFCDF99);
    EXPECT_EQ(style7.shade, 0x707070);
    EXPECT_EQ(style7.hover, 0x9FFF9F);
    EXPECT_EQ(style7.checked, 0x8A9090);

    const DerivedColours systemFace = DeriveFor(5, static_cast<OleColor>(0x8000000F), 0);
    EXPECT_EQ(systemFace.face, 0xF0F0F0);
    EXPECT_EQ(systemFace.checked, 0xDFDFDF);
}
