// A new button's defaults, saving and loading through the property bag and
// its text form: omitted defaults, key spellings, the order of the mouse
// keys, custom shapes restored, damaged values skipped.
#include "control/tests/ModelSupport.h"
#include "control/tests/support/ButtonFixture.h"
#include "control/tests/support/PixelHelpers.h"

#include <gtest/gtest.h>

using container::PropertyBag;
using control_testing::ButtonFixture;
using model_testing::Keys;
using model_testing::KeysReportedBy;

namespace {

// A button as the form run-time creates it: zeroed, not yet sized.
control_testing::ButtonOptions Fresh() { return {.width = 100, .height = 30, .typicalSettings = false, .resize = false}; }

PropertyBag BagFromText(const std::string& text) {
    std::string error;
    const std::optional<PropertyBag> bag = PropertyBag::FromText(text, &error);
    EXPECT_TRUE(bag.has_value()) << error;
    return bag.value_or(PropertyBag{});
}

TEST(InitProperties, ANewButtonGetsItsNameTheSystemColoursAndTheFormsFont) {
    ButtonFixture fixture(Fresh());
    fixture.Form().SetFont(std::make_shared<container::Font>("DejaVu Sans", 11));
    ztButtons_H& button = fixture.Button();
    const Keys keys = KeysReportedBy(fixture.Site(), [&] { fixture.Site().InitProperties(); });
    EXPECT_EQ(keys, (Keys{"Caption", "CapAlign", "Focus", "cFHover", "cBHover", "Font"}));
    EXPECT_EQ(button.GetCaption(), "ztButtons_H1");
    EXPECT_EQ(button.GetCaptionAlign(), CaptionAlignValue::Center);
    EXPECT_EQ(button.GetShowFocusRect(), True);
    EXPECT_EQ(button.GetBackColor(), SystemColorValue::ButtonFace);
    EXPECT_EQ(button.GetHoverBackColor(), SystemColorValue::ButtonFace);
    EXPECT_EQ(button.GetHoverForeColor(), SystemColorValue::ButtonText);
    EXPECT_EQ(button.GetGradientColor(), 0);  // black
    EXPECT_EQ(button.GetPictureSize(), PictureSizeValue::Size16);
    EXPECT_EQ(*button.GetFont(), *fixture.Form().Font());
    EXPECT_NE(button.GetFont(), fixture.Form().Font());  // a copy
    EXPECT_EQ(button.FaceColor, 0xF0F0F0);
    EXPECT_EQ(button.ParentBackColor, 0xF0F0F0);
    EXPECT_EQ(fixture.Site().Tag(), std::to_string(fixture.Form().HWnd()));
    EXPECT_EQ(fixture.Site().AccessKeys(), "");
}

TEST(InitProperties, AMultipleDocumentFrameKeepsTheContainersFont) {
    ButtonFixture fixture(Fresh());
    const container::Font before = *fixture.Site().Font();
    fixture.Form().SetFont(std::make_shared<container::Font>("DejaVu Sans", 11));
    fixture.Form().SetMdiForm(true);
    fixture.Site().InitProperties();
    EXPECT_EQ(*fixture.Button().GetFont(), before);
}

TEST(WriteProperties, DefaultsAreLeftOutExceptModeValueAndBackColour) {
    ButtonFixture fixture(Fresh());
    ztButtons_H& button = fixture.Button();
    fixture.Site().InitProperties();
    button.SetCaption("");
    button.SetGradientColor(SystemColorValue::ButtonFace);
    button.SetPictureSize(PictureSizeValue::Size16);
    const PropertyBag bag = fixture.Site().WriteProperties();
    EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"Font", "Mode", "Value", "cBack"}));

    ButtonFixture loaded(Fresh());
    loaded.Site().ReadProperties(bag);
    EXPECT_EQ(loaded.Site().WriteProperties().ToText(), bag.ToText());
    EXPECT_EQ(loaded.Button().GetBackColor(), SystemColorValue::ButtonFace);
    EXPECT_EQ(loaded.Button().GetHoverBackColor(), SystemColorValue::ButtonFace);
    EXPECT_EQ(loaded.Button().GetCaptionAlign(), CaptionAlignValue::Center);
    EXPECT_EQ(loaded.Button().GetShowFocusRect(), True);
    EXPECT_EQ(loaded.Button().GetEnabled(), True);
}

TEST(WriteProperties, KeysInTheirOrderAndSpellings) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    button.SetCaption("x");
    button.SetButtonStyle(1);
    button.SetButtonShape(ButtonShapeValue::Ellipse);  // centres the caption
    button.SetCaptionAlign(CaptionAlignValue::Left);
    button.SetForeColor(0x0000FF);
    button.SetHoverColorLocks(HoverColorLocksValue::BothLocked);
    button.SetHoverForeColor(0x00FF00);
    button.SetHoverBackColor(0x00FFFF);
    button.SetShowFocusRect(False);
    button.SetGradientColor(0x123456);
    button.SetGradientMode(GradientModeValue::LeftToRight);
    button.SetCaptionStyle(1);
    button.SetCustomClick(2);
    button.SetPictureAlign(PictureAlignValue::RightEdge);
    button.SetPicture(model_testing::MakeStoredBitmap(4, 4, 10, 20, 30));
    button.SetPictureSize(PictureSizeValue::Size24);
    button.SetEnabled(False);
    button.SetMousePointer(2);
    button.SetMouseIcon(control_testing::MakeIconPicture({"i"}, control_testing::Legend{{'i', 0xFF}}, 0));
    EXPECT_EQ(fixture.Site().WriteProperties().Keys(),
              (std::vector<std::string>{"Caption", "CapAlign", "BackStyle", "Shape", "Font", "cFore", "cFHover",
                                        "cBhover", "Focus", "LockHover", "cGradient", "Gradient", "CapStyle", "Mode",
                                        "Value", "CustomClick", "ImgAlign", "Image", "ImgSize", "Enabled", "cBack",
                                        "mPointer", "mIcon"}));
}

// Everything a host form may set survives a save to text and a load into a
// new button on another form.
TEST(PropertyBagRoundTrip, EverySettingSurvivesTheTextForm) {
    std::string text;
    {
        ButtonFixture fixture({.width = 120, .height = 40});
        ztButtons_H& button = fixture.Button();
        fixture.Site().InitProperties();
        button.SetCaption("&Sync||now");
        button.SetButtonStyle(6);
        button.SetButtonShape(ButtonShapeValue::EllipseOutlined);
        button.SetCaptionAlign(CaptionAlignValue::Left);
        button.SetGradientColor(0x00C0C0);
        button.SetGradientMode(GradientModeValue::TopToBottom);
        button.SetForeColor(0x800000);
        button.SetFont(std::make_shared<container::Font>("DejaVu Sans", 10));
        button.SetFontStyle(2 + 8);
        button.SetShowFocusRect(False);
        button.SetMode(ModeValue::CheckBox);
        button.SetValue(True);
        button.SetCustomClick(3);
        button.SetPicture(model_testing::MakeStoredBitmap(6, 3, 200, 0, 0));
        button.SetPictureSize(PictureSizeValue::Size32);
        button.SetPictureAlign(PictureAlignValue::RightOfCaption);
        button.SetHoverForeColor(0x0000C0);
        button.SetEnabled(False);
        button.SetBackColor(0xDDC07A);
        button.SetHoverBackColor(0xC0FFC0);
        button.SetCaptionStyle(CaptionStyleValue::ReliefLightAboveLeft);
        button.SetMousePointer(11);
        text = fixture.Site().WriteProperties().ToText();
    }
    ButtonFixture loaded(Fresh());
    loaded.Site().ReadProperties(BagFromText(text));
    ztButtons_H& button = loaded.Button();
    EXPECT_EQ(loaded.Site().WriteProperties().ToText(), text);
    EXPECT_EQ(button.GetCaption(), "&Sync||now");
    EXPECT_EQ(loaded.Site().AccessKeys(), "S");
    EXPECT_EQ(button.GetCaptionAlign(), CaptionAlignValue::Left);
    EXPECT_EQ(button.GetButtonStyle(), 6);
    EXPECT_EQ(button.GetButtonShape(), ButtonShapeValue::EllipseOutlined);
    EXPECT_EQ(button.GetGradientMode(), GradientModeValue::TopToBottom);
    EXPECT_EQ(button.GetForeColor(), 0x800000);
    EXPECT_EQ(button.GetFont()->Name(), "DejaVu Sans");
    EXPECT_EQ(button.GetFontStyle(), 10);
    EXPECT_EQ(button.GetValue(), True);
    EXPECT_EQ(button.GetMode(), ModeValue::CheckBox);
    EXPECT_EQ(button.GetPictureSize(), PictureSizeValue::Size32);
    EXPECT_EQ(button.PictureWidth, 6);
    EXPECT_EQ(button.GetEnabled(), False);
    EXPECT_EQ(button.GetHoverBackColor(), 0xC0FFC0);
    EXPECT_EQ(button.GetHoverColorLocks(), HoverColorLocksValue::BothLocked);
    EXPECT_EQ(button.GetMousePointer(), 11);
    // Loaded, sized and drawn.
    EXPECT_EQ(button.DrawingDelayed, False);
    EXPECT_NE(button.SurfaceDC, 0u);
    EXPECT_NE(button.FaceRegion, 0u);
    EXPECT_GT(loaded.Site().RefreshCount(), 0);
}

TEST(ReadProperties, HoverBackColourDefaultsToTheBackColourJustRead) {
    ButtonFixture fixture(Fresh());
    fixture.Site().ReadProperties(BagFromText("Mode = 0&\nValue = False\ncBack = &H00112233\n"));
    EXPECT_EQ(fixture.Button().GetHoverBackColor(), 0x112233);
    EXPECT_EQ(fixture.Button().GetCaptionAlign(), CaptionAlignValue::Center);

    ButtonFixture spelled(Fresh());
    spelled.Site().ReadProperties(BagFromText("cBack = &H00112233\ncBhover = &H000000FF\n"));
    EXPECT_EQ(spelled.Button().GetHoverBackColor(), 0xFF);
    EXPECT_TRUE(model_testing::SavedText(spelled.Site()).find("cBhover = &H000000FF") != std::string::npos);
}

TEST(ReadProperties, WithoutABackColourTheFormsBackColourIsTaken) {
    ButtonFixture fixture(Fresh());
    fixture.Form().SetBackColor(0x00336699);
    fixture.Site().ReadProperties(PropertyBag{});
    EXPECT_EQ(fixture.Button().GetBackColor(), 0x336699);
    EXPECT_EQ(fixture.Button().ParentBackColor, 0x336699);
}

TEST(ReadProperties, AStoredIconWithoutAPointerLeavesThePointerAtZero) {
    ButtonFixture fixture(Fresh());
    const picture::PicturePtr icon =
        control_testing::MakeIconPicture({"i"}, control_testing::Legend{{'i', 0xFF}}, 0);
    PropertyBag bag;
    bag.WriteProperty("mIcon", icon);
    fixture.Site().ReadProperties(bag);
    EXPECT_EQ(fixture.Button().GetMouseIcon(), icon);
    EXPECT_EQ(fixture.Button().GetMousePointer(), 0);
}

TEST(ReadProperties, ACustomShapeIsRestoredWithItsFittedPicture) {
    ButtonFixture fixture(Fresh());
    PropertyBag bag;
    bag.WriteProperty("Shape", std::int32_t{ButtonShapeValue::Custom});
    bag.WriteProperty("Image", model_testing::MakeStoredBitmap(20, 10, 0, 0, 200));
    bag.WriteProperty("ImgSize", std::int16_t{48});
    fixture.Site().ReadProperties(bag);
    ztButtons_H& button = fixture.Button();
    EXPECT_EQ(button.GetButtonShape(), ButtonShapeValue::Custom);
    EXPECT_EQ(button.GetPictureSize(), PictureSizeValue::Fitted);
    EXPECT_EQ(fixture.Site().ScaleWidth(), 2 * fixture.Site().ScaleHeight());  // the picture's 2:1
    EXPECT_NE(button.ImageHandle, 0u);
}

// Stored values are set without the assignments' checks: numbers outside an
// enumeration are taken as they are, values that cannot be converted are skipped.
TEST(ReadProperties, OutOfRangeValuesAreTakenAndUnreadableOnesSkipped) {
    ButtonFixture fixture(Fresh());
    fixture.Site().ReadProperties(BagFromText("Caption = \"ok\"\n"
                                              "CapAlign = 7&\n"
                                              "BackStyle = \"abc\"\n"
                                              "Shape = 99&\n"
                                              "Gradient = -1&\n"
                                              "Mode = 5&\n"
                                              "Value = True\n"
                                              "ImgSize = 17%\n"
                                              "ImgAlign = 6&\n"
                                              "CapStyle = 1&\n"
                                              "cFore = \"blue\"\n"));
    ztButtons_H& button = fixture.Button();
    EXPECT_EQ(button.GetCaption(), "ok");
    EXPECT_EQ(button.GetCaptionAlign(), 7);
    EXPECT_EQ(button.GetButtonStyle(), 0); // the fresh record's value
    EXPECT_EQ(button.GetButtonShape(), 99);
    EXPECT_EQ(button.GetGradientMode(), -1);
    EXPECT_EQ(button.GetMode(), 5);
    EXPECT_EQ(button.PictureSizePx, 17);
    EXPECT_EQ(button.GetPictureAlign(), 6);
    EXPECT_EQ(button.GetCaptionStyle(), 1);
    EXPECT_EQ(button.GetForeColor(), SystemColorValue::ButtonText);

    // Leaving a stored mode for option mode joins the group; command mode unchecks.
    button.SetMode(ModeValue::OptionButton);
    EXPECT_EQ(user::GetPropA(fixture.Form().HWnd(), "zt_OptCount"), 1u);
    button.SetMode(ModeValue::CheckBox);
    EXPECT_EQ(user::GetPropA(fixture.Form().HWnd(), "zt_OptCount"), 0u);
    button.Mode = -3;
    button.Value = True;
    button.SetMode(ModeValue::CommandButton);
    EXPECT_EQ(button.GetValue(), False);
}

TEST(ReadProperties, AnOptionButtonJoinsTheGroupOfItsForm) {
    ButtonFixture fixture(Fresh());
    fixture.Site().ReadProperties(BagFromText("Mode = 2&\nValue = True\n"));
    EXPECT_EQ(fixture.Site().Tag(), std::to_string(fixture.Form().HWnd()));
    EXPECT_EQ(user::GetPropA(fixture.Form().HWnd(), "zt_OptCount"), 1u);
    EXPECT_EQ(fixture.Button().GetValue(), True);
}

}  // namespace
