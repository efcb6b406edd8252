// The properties that decide outline and picture placement: which style
// changes rebuild the region, the custom shapes' need for a bitmap fitted to
// the button, caption alignment against pictures above or below, and the
// order of the follow-up work (region, then layout, then drawing).
#include "control/render/Layout.h"
#include "control/tests/ModelSupport.h"
#include "control/tests/support/ButtonFixture.h"
#include "control/tests/support/PixelHelpers.h"

#include <gtest/gtest.h>

using control_testing::ButtonFixture;
using model_testing::Keys;
using model_testing::KeysReportedBy;

namespace {

picture::PicturePtr Bitmap() { return control_testing::MakeSolidPicture(12, 8, gdi::RGB(200, 30, 30)); }

picture::PicturePtr Icon() {
    return control_testing::MakeIconPicture({"ii", "ii"}, control_testing::Legend{{'i', gdi::RGB(0, 0, 255)}},
                                            gdi::RGB(255, 0, 255));
}

// Whether changing the style from one value to another rebuilds the region
// of a button of the given shape. A rebuilt region sets FaceRight afresh.
bool StyleChangeRebuildsRegion(Long shape, Long fromStyle, Long toStyle) {
    ButtonFixture fixture({.width = 80, .height = 40});
    ztButtons_H& button = fixture.Button();
    if (shape >= ButtonShapeValue::Custom) button.SetPicture(Bitmap());
    button.SetButtonShape(shape);
    button.SetButtonStyle(fromStyle);
    button.FaceRight = -1;
    button.SetButtonStyle(toStyle);
    return button.FaceRight != -1;
}

TEST(ButtonStyleRegion, RebuiltForStraightShapesAndForRoundShapesOnlyAcrossStyle5) {
    EXPECT_TRUE(StyleChangeRebuildsRegion(ButtonShapeValue::Rectangle, 0, 1));
    EXPECT_TRUE(StyleChangeRebuildsRegion(ButtonShapeValue::Parallelogram, 2, 3));
    EXPECT_FALSE(StyleChangeRebuildsRegion(ButtonShapeValue::Ellipse, 0, 1));
    EXPECT_TRUE(StyleChangeRebuildsRegion(ButtonShapeValue::Ellipse, 0, 5));
    EXPECT_TRUE(StyleChangeRebuildsRegion(ButtonShapeValue::EllipseOutlined, 5, 2));
    for (const Long custom : {ButtonShapeValue::Custom, ButtonShapeValue::CustomGradient}) {
        EXPECT_FALSE(StyleChangeRebuildsRegion(custom, 0, 1));
        EXPECT_FALSE(StyleChangeRebuildsRegion(custom, 0, 5));
        EXPECT_FALSE(StyleChangeRebuildsRegion(custom, 5, 0));
    }
}

TEST(ButtonShapeAssignment, AnyShapeCentresTheCaptionWithoutReportingIt) {
    ButtonFixture fixture({.width = 80, .height = 30});
    ztButtons_H& button = fixture.Button();
    button.SetCaptionAlign(CaptionAlignValue::Left);
    EXPECT_EQ(KeysReportedBy(fixture.Site(), [&] { button.SetButtonShape(ButtonShapeValue::LeftSlanted); }),
              Keys{"Shape"});
    EXPECT_EQ(button.GetCaptionAlign(), CaptionAlignValue::Center);
    EXPECT_EQ(button.GetButtonShape(), ButtonShapeValue::LeftSlanted);
    EXPECT_EQ(button.DrawingDelayed, False);
}

TEST(ButtonShapeAssignment, CustomShapesNeedABitmapPicture) {
    ButtonFixture fixture({.width = 80, .height = 30});
    ztButtons_H& button = fixture.Button();
    button.SetCaptionAlign(CaptionAlignValue::Right);
    for (const Long custom : {ButtonShapeValue::Custom, ButtonShapeValue::CustomGradient}) {
        EXPECT_TRUE(KeysReportedBy(fixture.Site(), [&] { button.SetButtonShape(custom); }).empty());
    }
    button.SetPicture(Icon());
    EXPECT_TRUE(KeysReportedBy(fixture.Site(), [&] { button.SetButtonShape(ButtonShapeValue::Custom); }).empty());
    EXPECT_EQ(button.GetButtonShape(), ButtonShapeValue::Rectangle);
    EXPECT_EQ(button.GetCaptionAlign(), CaptionAlignValue::Right);
    EXPECT_EQ(button.GetPictureSize(), PictureSizeValue::Size16);
}

TEST(ButtonShapeAssignment, ABitmapCustomShapeFitsThePictureToTheButton) {
    ButtonFixture fixture({.width = 80, .height = 30, .typicalSettings = false});
    ztButtons_H& button = fixture.Button();
    button.SetPicture(Bitmap());
    button.PictureSizePx = 0;  // as fresh: reads as 16, i.e. PictureSize 0
    const Keys keys = KeysReportedBy(fixture.Site(), [&] { button.SetButtonShape(ButtonShapeValue::Custom); });
    EXPECT_EQ(keys, (Keys{"ImgSize", "Shape"}));
    EXPECT_EQ(button.GetPictureSize(), PictureSizeValue::Fitted);
    EXPECT_EQ(button.PictureSizePx, 48);
    EXPECT_EQ(button.DrawingDelayed, False);
    // The button took the picture's 3:2 aspect ratio and the window its outline.
    EXPECT_EQ(fixture.Site().ScaleWidth() * 2, fixture.Site().ScaleHeight() * 3);
    EXPECT_NE(button.FaceRegion, 0u);
    // From then on the picture size is fixed.
    EXPECT_TRUE(KeysReportedBy(fixture.Site(), [&] { button.SetPictureSize(0); }).empty());
    EXPECT_EQ(button.PictureSizePx, 48);
}

TEST(PictureAssignment, AnIconOrNoPictureTurnsACustomShapeIntoARectangle) {
    for (const bool icon : {true, false}) {
        SCOPED_TRACE(icon ? "icon" : "none");
        ButtonFixture fixture({.width = 80, .height = 30});
        ztButtons_H& button = fixture.Button();
        button.SetPicture(Bitmap());
        button.SetButtonShape(ButtonShapeValue::CustomGradient);
        const picture::PicturePtr next = icon ? Icon() : nullptr;
        const Keys keys = KeysReportedBy(fixture.Site(), [&] { button.SetPicture(next); });
        EXPECT_EQ(keys, (Keys{"Shape", "Image"}));
        EXPECT_EQ(button.GetButtonShape(), ButtonShapeValue::Rectangle);
        EXPECT_EQ(button.GetPicture(), next);  // the picture stays assigned
        EXPECT_EQ(button.PictureIsIcon, icon ? 1 : 0);
        EXPECT_EQ(button.ImageHandle, 0u);  // icons are drawn from their own handle
    }
}

TEST(PictureAssignment, AFirstPictureGets16PixelsAndALayout) {
    ButtonFixture fixture({.width = 80, .height = 30, .typicalSettings = false});
    ztButtons_H& button = fixture.Button();
    EXPECT_EQ(button.PictureSizePx, 0);
    button.SetPicture(Bitmap());
    EXPECT_EQ(button.PictureSizePx, 16);
    EXPECT_EQ(button.PictureWidth, 12);
    EXPECT_EQ(button.ImageRect.right - button.ImageRect.left, 16);
    EXPECT_NE(button.ImageHandle, 0u);
}

TEST(CaptionAlignAssignment, RefusedBesideAPictureAboveOrBelowOnlyWhenThereIsAPicture) {
    ButtonFixture fixture({.width = 80, .height = 40});
    ztButtons_H& button = fixture.Button();
    button.PictureAlign = PictureAlignValue::TopCenter;
    button.SetCaptionAlign(CaptionAlignValue::Left);  // no picture yet: accepted
    EXPECT_EQ(button.GetCaptionAlign(), CaptionAlignValue::Left);
    button.SetCaptionAlign(CaptionAlignValue::Center);
    button.SetPicture(Bitmap());
    EXPECT_TRUE(KeysReportedBy(fixture.Site(), [&] { button.SetCaptionAlign(CaptionAlignValue::Left); }).empty());
    EXPECT_EQ(button.GetCaptionAlign(), CaptionAlignValue::Center);
    button.SetPictureAlign(PictureAlignValue::RightOfCaption);
    button.SetCaptionAlign(CaptionAlignValue::Right);
    EXPECT_EQ(button.GetCaptionAlign(), CaptionAlignValue::Right);
}

TEST(PictureAlignAssignment, AboveOrBelowCentresTheCaptionFirst) {
    ButtonFixture fixture({.width = 80, .height = 40});
    ztButtons_H& button = fixture.Button();
    button.SetCaptionAlign(CaptionAlignValue::Right);
    EXPECT_EQ(KeysReportedBy(fixture.Site(), [&] { button.SetPictureAlign(PictureAlignValue::BottomCenter); }),
              (Keys{"CapAlign", "ImgAlign"}));
    EXPECT_EQ(button.GetCaptionAlign(), CaptionAlignValue::Center);
    EXPECT_EQ(button.GetPictureAlign(), PictureAlignValue::BottomCenter);
}

TEST(PictureSizeAssignment, SetsTheEdgeLengthAndPreparesThePictureAtIt) {
    ButtonFixture fixture({.width = 80, .height = 40});
    ztButtons_H& button = fixture.Button();
    button.SetPicture(Bitmap());
    button.SetPictureSize(PictureSizeValue::Size32);
    EXPECT_EQ(button.PictureSizePx, 32);
    EXPECT_EQ(button.ImageWidth, 32);
    EXPECT_EQ(button.GetPictureSize(), PictureSizeValue::Size32);
}

// Follow-up order: the region first (it sets the face limits), then the
// layout (it reads them), then the drawing (it shows both).
TEST(FollowUpOrder, StyleChangeLaysOutInTheRebuiltFaceAndDrawsLast) {
    ButtonFixture fixture({.width = 120, .height = 30});
    ztButtons_H& button = fixture.Button();
    button.SetCaption("Slanted");
    button.SetButtonShape(ButtonShapeValue::Parallelogram);
    const Long faceLeft = button.FaceLeft;
    const gdi::RECT caption = button.CaptionRect;
    ASSERT_GT(faceLeft, 0);
    button.FaceLeft = 0;
    button.FaceRight = 0;
    button.CaptionRect = gdi::RECT{};
    const int refreshes = fixture.Site().RefreshCount();
    button.SetButtonStyle(1);
    EXPECT_EQ(button.FaceLeft, faceLeft);
    EXPECT_TRUE(gdi::EqualRect(&button.CaptionRect, &caption));
    EXPECT_GT(fixture.Site().RefreshCount(), refreshes);
}

TEST(FollowUpOrder, DerivedColoursAreReadyBeforeTheRedraw) {
    ButtonFixture fixture({.width = 60, .height = 30});
    ztButtons_H& button = fixture.Button();
    button.SetBackColor(0x3060C0);
    EXPECT_EQ(button.FaceColor, 0x3060C0);
    EXPECT_EQ(gdi::GetPixel(fixture.Site().HDC(), 30, 15), 0x3060C0u);
    // Style 7 lightens its face by 31 steps; the screen shows the new shade at once.
    button.SetButtonStyle(7);
    EXPECT_EQ(button.FaceColor, 0x4F7FDF);
    EXPECT_EQ(gdi::GetPixel(fixture.Site().HDC(), 30, 15), static_cast<gdi::COLORREF>(button.FaceColor));
}

}  // namespace
