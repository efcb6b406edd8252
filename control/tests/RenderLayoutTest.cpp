// Caption and picture placement on the face.
#include "control/render/ButtonRegion.h"
#include "control/render/DrawingState.h"
#include "control/render/Layout.h"
#include "control/tests/support/ButtonFixture.h"
#include "control/tests/support/PixelHelpers.h"

#include <gtest/gtest.h>

using control_testing::ButtonFixture;

namespace {

// The caption's word-wrapped size as the layout measures it.
gdi::SIZE Measure(const ztButtons_H& button, const std::string& caption, int width) {
    const std::string text = CaptionForDrawing(caption);
    gdi::RECT rect{0, 0, width, 1000};
    gdi::DrawTextA(button.SurfaceDC, text.c_str(), static_cast<int>(text.size()), &rect,
                   gdi::DT_CALCRECT | gdi::DT_WORDBREAK);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void GivePicture(ztButtons_H& button, int width, int height) {
    button.Picture = control_testing::MakeSolidPicture(width, height, gdi::RGB(200, 0, 0));
    UpdateDrawingState(button, "Picture");
}

void ExpectRect(const gdi::RECT& actual, Long left, Long top, Long right, Long bottom) {
    EXPECT_EQ(actual.left, left);
    EXPECT_EQ(actual.top, top);
    EXPECT_EQ(actual.right, right);
    EXPECT_EQ(actual.bottom, bottom);
}

}  // namespace

TEST(CaptionForDrawing, DoubleBarsBecomeLineBreaks) {
    EXPECT_EQ(CaptionForDrawing("ab||cd"), "ab\r\ncd");
    EXPECT_EQ(CaptionForDrawing("a|||b"), "a\r\n|b");
    EXPECT_EQ(CaptionForDrawing("&OK|"), "&OK|");
}

TEST(LayoutCaptionAndImage, CentredLeftAndRightCaptionOnAPlainButton) {
    ButtonFixture fixture({.width = 100, .height = 30});
    ztButtons_H& button = fixture.Button();
    button.CaptionText = "OK go";
    const gdi::SIZE text = Measure(button, button.CaptionText, 92);
    ASSERT_GT(text.cx, 0);
    ASSERT_GT(text.cy, 0);

    LayoutCaptionAndImage(button, false);
    const Long left = (100 - text.cx) / 2;
    const Long top = (30 - text.cy) / 2;
    ExpectRect(button.CaptionRect, left, top, left + text.cx, top + text.cy);

    button.CaptionAlign = CaptionAlignValue::Left;
    LayoutCaptionAndImage(button, false);
    EXPECT_EQ(button.CaptionRect.left, 4);

    button.CaptionAlign = CaptionAlignValue::Right;
    LayoutCaptionAndImage(button, false);
    EXPECT_EQ(button.CaptionRect.right, 96);
    ExpectRect(button.ImageRect, 0, 0, 0, 0);
}

// A relief caption is placed by the measured text, as a flat one is; only
// then does its rectangle grow by 2 for the relief copies.
TEST(LayoutCaptionAndImage, ReliefCaptionsArePlacedLikeFlatOnesAndTwoPixelsLarger) {
    ButtonFixture fixture({.width = 100, .height = 60});
    ztButtons_H& button = fixture.Button();
    button.CaptionText = "OK";
    GivePicture(button, 16, 16);
    for (const Long align :
         {PictureAlignValue::LeftOfCaption, PictureAlignValue::TopCenter, PictureAlignValue::BottomCenter}) {
        SCOPED_TRACE(align);
        button.PictureAlign = align;
        button.CaptionStyle = CaptionStyleValue::Flat;
        LayoutCaptionAndImage(button, false);
        const gdi::RECT flatCaption = button.CaptionRect;
        const gdi::RECT flatImage = button.ImageRect;
        button.CaptionStyle = CaptionStyleValue::ReliefLightAboveLeft;
        LayoutCaptionAndImage(button, false);
        ExpectRect(button.CaptionRect, flatCaption.left, flatCaption.top, flatCaption.right + 2,
                   flatCaption.bottom + 2);
        ExpectRect(button.ImageRect, flatImage.left, flatImage.top, flatImage.right, flatImage.bottom);
    }
}

TEST(LayoutCaptionAndImage, PictureLeftOfACentredCaptionIsCentredWithIt) {
    ButtonFixture fixture({.width = 100, .height = 30});
    ztButtons_H& button = fixture.Button();
    button.CaptionText = "OK";
    GivePicture(button, 16, 16);
    button.PictureAlign = PictureAlignValue::LeftOfCaption;
    const gdi::SIZE text = Measure(button, button.CaptionText, 100 - 8 - 16);
    LayoutCaptionAndImage(button, false);
    // Picture, a 4-pixel gap and caption form one centred block.
    const Long captionLeft = (100 - (16 + text.cx + 4)) / 2 + 20;
    EXPECT_EQ(button.CaptionRect.left, captionLeft);
    ExpectRect(button.ImageRect, captionLeft - 20, 7, captionLeft - 4, 23);
}

TEST(LayoutCaptionAndImage, PictureRightOfCaptionAndAtTheEdges) {
    ButtonFixture fixture({.width = 100, .height = 30});
    ztButtons_H& button = fixture.Button();
    button.CaptionText = "OK";
    GivePicture(button, 16, 16);
    const gdi::SIZE text = Measure(button, button.CaptionText, 100 - 8 - 16);

    button.PictureAlign = PictureAlignValue::RightOfCaption;
    LayoutCaptionAndImage(button, false);
    EXPECT_EQ(button.CaptionRect.left, (100 - (16 + text.cx + 4)) / 2);
    EXPECT_EQ(button.ImageRect.left, button.CaptionRect.right + 4);

    button.PictureAlign = PictureAlignValue::LeftEdge;
    LayoutCaptionAndImage(button, false);
    ExpectRect(button.ImageRect, 4, 7, 20, 23);

    button.PictureAlign = PictureAlignValue::RightEdge;
    LayoutCaptionAndImage(button, false);
    ExpectRect(button.ImageRect, 80, 7, 96, 23);
}

// A picture of up to 32 pixels reserves its room and a 4-pixel gap beside a
// left or right aligned caption; a stretched one lies under the caption.
TEST(LayoutCaptionAndImage, PicturesAtTheEdgesKeepTheirRoomUpTo32Pixels) {
    ButtonFixture fixture({.width = 100, .height = 40});
    ztButtons_H& button = fixture.Button();
    button.CaptionText = "OK";
    GivePicture(button, 16, 16);
    const struct {
        Integer size;
        Long pictureAlign;
        Long captionAlign;
        Long captionEdge;  // the left edge of a left caption, the right edge of a right one
        gdi::RECT image;
    } rows[] = {
        {16, PictureAlignValue::LeftEdge, CaptionAlignValue::Left, 24, {4, 12, 20, 28}},
        {32, PictureAlignValue::LeftEdge, CaptionAlignValue::Left, 40, {4, 4, 36, 35}},
        {16, PictureAlignValue::RightEdge, CaptionAlignValue::Right, 76, {80, 12, 96, 28}},
        {32, PictureAlignValue::RightEdge, CaptionAlignValue::Right, 60, {64, 4, 96, 35}},
        {40, PictureAlignValue::LeftEdge, CaptionAlignValue::Left, 4, {3, 3, 97, 37}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.size);
        button.PictureSizePx = row.size;
        button.PictureAlign = row.pictureAlign;
        button.CaptionAlign = row.captionAlign;
        LayoutCaptionAndImage(button, false);
        const bool left = row.captionAlign == CaptionAlignValue::Left;
        EXPECT_EQ(left ? button.CaptionRect.left : button.CaptionRect.right, row.captionEdge);
        ExpectRect(button.ImageRect, row.image.left, row.image.top, row.image.right, row.image.bottom);
    }
}

TEST(LayoutCaptionAndImage, PictureAboveAndBelowTheCaption) {
    ButtonFixture fixture({.width = 100, .height = 60});
    ztButtons_H& button = fixture.Button();
    button.CaptionText = "OK";
    GivePicture(button, 16, 16);
    const gdi::SIZE text = Measure(button, button.CaptionText, 92);

    button.PictureAlign = PictureAlignValue::TopCenter;
    LayoutCaptionAndImage(button, false);
    const Long top = (60 - (text.cy + 16)) / 2;
    ExpectRect(button.ImageRect, 42, top, 58, top + 16);
    EXPECT_EQ(button.CaptionRect.top, top + 2 + 16);

    button.PictureAlign = PictureAlignValue::BottomCenter;
    LayoutCaptionAndImage(button, false);
    const Long imageTop = (60 - (text.cy + 16)) / 2 + text.cy + 4;
    EXPECT_EQ(button.ImageRect.top, imageTop);
    EXPECT_EQ(button.CaptionRect.top, imageTop - 2 - text.cy);
}

TEST(LayoutCaptionAndImage, EmptyCaptionWithPictureOnTopCentresThePictureVertically) {
    ButtonFixture fixture({.width = 100, .height = 40});
    ztButtons_H& button = fixture.Button();
    GivePicture(button, 16, 16);
    button.PictureAlign = PictureAlignValue::TopCenter;
    LayoutCaptionAndImage(button, false);
    ExpectRect(button.ImageRect, 42, 12, 58, 28);  // (40 - 16) / 2
}

TEST(LayoutCaptionAndImage, TwoLineCaptionIsMeasuredAsTwoLines) {
    ButtonFixture fixture({.width = 100, .height = 40});
    ztButtons_H& button = fixture.Button();
    button.CaptionText = "OK";
    LayoutCaptionAndImage(button, false);
    const Long oneLine = button.CaptionRect.bottom - button.CaptionRect.top;
    button.CaptionText = "OK||go";
    LayoutCaptionAndImage(button, false);
    EXPECT_EQ(button.CaptionRect.bottom - button.CaptionRect.top, 2 * oneLine);
    EXPECT_EQ(button.CaptionRect.top, (40 - 2 * oneLine) / 2);
}

TEST(LayoutCaptionAndImage, CaptionTooLargeForTheFaceIsCutToIt) {
    ButtonFixture fixture({.width = 30, .height = 14});
    ztButtons_H& button = fixture.Button();
    button.CaptionText = "a caption far too long||for this button";
    LayoutCaptionAndImage(button, false);
    EXPECT_GE(button.CaptionRect.left, 4);
    EXPECT_GE(button.CaptionRect.top, 4);
    EXPECT_LE(button.CaptionRect.right, 26);
    EXPECT_LE(button.CaptionRect.bottom, 9);
}

TEST(LayoutCaptionAndImage, StretchedPictureOnTheOutlinedEllipse) {
    ButtonFixture fixture({.width = 80, .height = 30});
    ztButtons_H& button = fixture.Button();
    GivePicture(button, 10, 10);
    button.PictureSizePx = PictureSizeValue::StretchedPx;
    button.ButtonShape = ButtonShapeValue::EllipseOutlined;
    CreateButtonRegion(button);
    bool rebuild = false;
    LayoutCaptionAndImage(button, rebuild);
    EXPECT_TRUE(rebuild);
    ExpectRect(button.ImageRect, 1, 1, 79, 29);
    EXPECT_NE(button.ImageHandle, 0u);
    EXPECT_EQ(button.ImageWidth, 78);
    EXPECT_EQ(button.ImageHeight, 28);

    button.ButtonShape = ButtonShapeValue::Rectangle;
    CreateButtonRegion(button);
    LayoutCaptionAndImage(button, false);
    ExpectRect(button.ImageRect, 3, 3, 77, 27);
    EXPECT_EQ(button.ImageWidth, 74);
}

TEST(LayoutCaptionAndImage, FittedPictureKeepsItsAspectInsideTheFace) {
    ButtonFixture fixture({.width = 100, .height = 40});
    ztButtons_H& button = fixture.Button();
    GivePicture(button, 32, 16);
    button.PictureSizePx = PictureSizeValue::FittedPx;
    bool rebuild = false;
    LayoutCaptionAndImage(button, rebuild);
    EXPECT_TRUE(rebuild);
    // FitImageSize(88, 28): 56 x 28, centred.
    ExpectRect(button.ImageRect, 22, 6, 78, 34);
    EXPECT_EQ(button.ImageWidth, 56);
    EXPECT_EQ(button.ImageHeight, 28);
    // A wide picture meets the 12-pixel margin at the sides: 88 x 11.
    GivePicture(button, 64, 8);
    LayoutCaptionAndImage(button, false);
    ExpectRect(button.ImageRect, 6, 14, 94, 25);
}

TEST(LayoutCaptionAndImage, SmallPicturesArePreparedOnlyWhenAsked) {
    ButtonFixture fixture({.width = 100, .height = 30});
    ztButtons_H& button = fixture.Button();
    GivePicture(button, 16, 16);
    bool rebuild = false;
    LayoutCaptionAndImage(button, rebuild);
    EXPECT_FALSE(rebuild);
    EXPECT_EQ(button.ImageHandle, 0u);
    LayoutCaptionAndImage(button, true);
    EXPECT_EQ(button.ImageWidth, 16);
    EXPECT_EQ(button.ImageHeight, 16);
}

TEST(LayoutCaptionAndImage, PictureOfNoSizeIsNoPicture) {
    ButtonFixture fixture({.width = 100, .height = 30});
    ztButtons_H& button = fixture.Button();
    button.CaptionText = "OK";
    LayoutCaptionAndImage(button, false);
    const gdi::RECT withoutPicture = button.CaptionRect;
    button.PictureAlign = PictureAlignValue::LeftOfCaption;
    button.PictureWidth = 0;
    button.PictureHeight = 0;
    LayoutCaptionAndImage(button, false);
    EXPECT_TRUE(gdi::EqualRect(&button.CaptionRect, &withoutPicture));
    ExpectRect(button.ImageRect, 0, 0, 0, 0);
}

TEST(LayoutCaptionAndImage, ContentBandsOfSlantedAndCustomShapes) {
    ButtonFixture fixture({.width = 100, .height = 30});
    ztButtons_H& button = fixture.Button();
    button.CaptionText = "OK";
    button.CaptionAlign = CaptionAlignValue::Left;
    button.ButtonShape = ButtonShapeValue::Parallelogram;
    CreateButtonRegion(button);  // FaceLeft 31, FaceRight 69
    LayoutCaptionAndImage(button, false);
    EXPECT_EQ(button.CaptionRect.left, 31 - 31 / 3 + 3 + 4);
    button.CaptionAlign = CaptionAlignValue::Right;
    LayoutCaptionAndImage(button, false);
    EXPECT_EQ(button.CaptionRect.right, (100 - 69) / 3 + 69 - 4);

    button.ButtonShape = ButtonShapeValue::Custom;
    button.FaceRight = 100;
    button.CaptionAlign = CaptionAlignValue::Left;
    LayoutCaptionAndImage(button, false);
    EXPECT_EQ(button.CaptionRect.left, 7);
}
