// Mode and Value, the caption's access key, the font, the mouse pointer and
// icon, Enabled and ShowFocusRect.
#include "control/model/AccessKey.h"
#include "control/render/Surface.h"
#include "control/tests/ModelSupport.h"
#include "control/tests/support/ButtonFixture.h"
#include "control/tests/support/PixelHelpers.h"

#include <gtest/gtest.h>

using control_testing::ButtonFixture;
using model_testing::Keys;
using model_testing::KeysReportedBy;

namespace {

TEST(ValueAssignment, ACommandButtonIsNeverChecked) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    EXPECT_TRUE(KeysReportedBy(fixture.Site(), [&] { button.SetValue(True); }).empty());
    EXPECT_EQ(button.GetValue(), False);
    EXPECT_EQ(KeysReportedBy(fixture.Site(), [&] { button.SetValue(False); }), Keys{"Value"});
}

TEST(ModeAssignment, BackToCommandModeUnchecksBeforeTheModeChanges) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    button.SetMode(ModeValue::CheckBox);
    button.SetValue(7);  // any non-zero value is True
    EXPECT_EQ(button.GetValue(), True);
    EXPECT_EQ(KeysReportedBy(fixture.Site(), [&] { button.SetMode(ModeValue::CommandButton); }),
              (Keys{"Value", "Mode"}));
    EXPECT_EQ(button.GetValue(), False);
    EXPECT_EQ(button.GetMode(), ModeValue::CommandButton);
}

// Two option buttons on one form: checking one unchecks the other; a button
// that leaves option mode leaves the group.
TEST(ModeAssignment, OptionButtonsOfOneFormKeepOneChecked) {
    ButtonFixture fixture;
    headless::HeadlessSite otherSite(fixture.Form(), "ztButtons_H2", 10, 60, 100, 30);
    ztButtons_H other(&otherSite);
    otherSite.Attach(&other);
    ztButtons_H& button = fixture.Button();
    fixture.Site().InitProperties();  // tags both with their container window
    otherSite.InitProperties();
    button.SetMode(ModeValue::OptionButton);
    other.SetMode(ModeValue::OptionButton);
    EXPECT_EQ(user::GetPropA(fixture.Form().HWnd(), "zt_OptCount"), 2u);

    button.SetValue(True);
    other.SetValue(True);
    EXPECT_EQ(button.GetValue(), False);
    EXPECT_EQ(other.GetValue(), True);

    other.SetMode(ModeValue::CheckBox);  // leaves the group, keeps its check
    EXPECT_EQ(user::GetPropA(fixture.Form().HWnd(), "zt_OptCount"), 1u);
    EXPECT_EQ(other.GetValue(), True);
    button.SetValue(True);
    EXPECT_EQ(other.GetValue(), True);
    otherSite.Terminate();
}

TEST(AccessKey, TheCharacterAfterTheLastSingleAmpersand) {
    EXPECT_EQ(FindAccessKey("&Open"), std::optional<std::string>("O"));
    EXPECT_EQ(FindAccessKey("Save&"), std::optional<std::string>(""));
    EXPECT_EQ(FindAccessKey("A&&B"), std::nullopt);
    EXPECT_EQ(FindAccessKey("Plain"), std::nullopt);
    EXPECT_EQ(FindAccessKey(""), std::nullopt);
    EXPECT_EQ(FindAccessKey("&A&&B"), std::optional<std::string>("A"));
    EXPECT_EQ(FindAccessKey("&a&b"), std::optional<std::string>("b"));
    EXPECT_EQ(FindAccessKey("&&&x"), std::optional<std::string>("x"));
    EXPECT_EQ(FindAccessKey("同步&时间"), std::optional<std::string>("时"));  // a whole UTF-8 character
    EXPECT_EQ(FindAccessKey("x&\xE6"), std::optional<std::string>("\xE6"));  // cut short: no read past the end
}

TEST(CaptionAssignment, SetsTheContainersAccessKeyOnlyWhenTheCaptionHasAMarker) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    headless::HeadlessSite& site = fixture.Site();
    button.SetCaption("&Open");
    EXPECT_EQ(site.AccessKeys(), "O");
    button.SetCaption("A&&B");
    EXPECT_EQ(site.AccessKeys(), "O");
    button.SetCaption("no marker");
    EXPECT_EQ(site.AccessKeys(), "O");
    button.SetCaption("Save&");
    EXPECT_EQ(site.AccessKeys(), "");
    button.SetCaption("&A&&B");
    EXPECT_EQ(site.AccessKeys(), "A");
    EXPECT_EQ(button.GetCaption(), "&A&&B");  // stored with its markers
}

TEST(CaptionStyleAssignment, AnEmptyCaptionIsNotRedrawn) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    int refreshes = fixture.Site().RefreshCount();
    EXPECT_EQ(KeysReportedBy(fixture.Site(), [&] { button.SetCaptionStyle(1); }), Keys{"CapStyle"});
    EXPECT_EQ(fixture.Site().RefreshCount(), refreshes);
    button.SetCaption("x");
    refreshes = fixture.Site().RefreshCount();
    button.SetCaptionStyle(2);
    EXPECT_EQ(fixture.Site().RefreshCount(), refreshes + 1);
}

TEST(FontStyleAssignment, BitsTwoFourAndEightAreBoldItalicUnderline) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    button.GetFont()->SetStrikethrough(true);
    button.SetFontStyle(6);
    EXPECT_TRUE(button.GetFont()->Bold());
    EXPECT_TRUE(button.GetFont()->Italic());
    EXPECT_FALSE(button.GetFont()->Underline());
    EXPECT_EQ(button.GetFontStyle(), 6);
    button.SetFontStyle(1);
    EXPECT_EQ(button.GetFontStyle(), 0);
    EXPECT_TRUE(button.GetFont()->Strikethrough());  // not touched
    // The caption font in the surface follows.
    gdi::LOGFONTA selected{};
    gdi::GetObjectA(gdi::GetCurrentObject(button.SurfaceDC, gdi::OBJ_FONT), sizeof(selected), &selected);
    EXPECT_EQ(selected.lfWeight, 400);
    EXPECT_EQ(selected.lfItalic, 0);
}

TEST(FontAssignment, TheContainerKeepsACopyAndTheCaptionIsMeasuredWithIt) {
    ButtonFixture fixture({.width = 200, .height = 60});
    ztButtons_H& button = fixture.Button();
    button.SetCaption("Wide");
    const Long smallWidth = button.CaptionRect.right - button.CaptionRect.left;
    auto large = std::make_shared<container::Font>("DejaVu Sans", 20);
    button.SetFont(large);
    large->SetSize(4);  // the caller's object is not the control's
    EXPECT_EQ(button.GetFont()->Size(), 20);
    EXPECT_GT(button.CaptionRect.right - button.CaptionRect.left, smallWidth);
}

TEST(MouseIconAssignment, AnIconMakesThePointerCustomNoneOnlyClearsTheIcon) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    const picture::PicturePtr icon = control_testing::MakeIconPicture(
        {"ii", "ii"}, control_testing::Legend{{'i', gdi::RGB(0, 0, 255)}}, gdi::RGB(255, 0, 255));
    button.SetMousePointer(3);
    button.SetMouseIcon(icon);
    EXPECT_EQ(button.GetMouseIcon(), icon);
    EXPECT_EQ(button.GetMousePointer(), container::kMousePointerCustom);
    button.SetMousePointer(3);
    EXPECT_TRUE(KeysReportedBy(fixture.Site(), [&] { button.SetMouseIcon(nullptr); }).empty());
    EXPECT_EQ(button.GetMouseIcon(), nullptr);
    EXPECT_EQ(button.GetMousePointer(), 3);
}

TEST(EnabledAssignment, TheCurrentValueDoesNothingAStyle3ButtonRebuildsItsRegion) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    int refreshes = fixture.Site().RefreshCount();
    EXPECT_TRUE(KeysReportedBy(fixture.Site(), [&] { button.SetEnabled(True); }).empty());
    EXPECT_EQ(fixture.Site().RefreshCount(), refreshes);

    button.SetButtonStyle(3);
    button.FaceRight = -1;
    refreshes = fixture.Site().RefreshCount();
    EXPECT_EQ(KeysReportedBy(fixture.Site(), [&] { button.SetEnabled(False); }), Keys{"Enabled"});
    EXPECT_EQ(button.GetEnabled(), False);
    EXPECT_NE(button.FaceRight, -1);  // rebuilt
    EXPECT_EQ(fixture.Site().RefreshCount(), refreshes + 1);  // drawn once

    button.SetButtonStyle(0);
    button.FaceRight = -1;
    button.SetEnabled(True);
    EXPECT_EQ(button.FaceRight, -1);  // only redrawn
}

// Style 3 cuts its bottom-left corner pixel only while enabled, whatever the mode.
TEST(EnabledAssignment, AStyle3ButtonCutsItsCornersOnlyWhileEnabledInEveryMode) {
    for (const Long mode : {ModeValue::CommandButton, ModeValue::CheckBox, ModeValue::OptionButton}) {
        SCOPED_TRACE(mode);
        ButtonFixture fixture({.width = 40, .height = 20});
        ztButtons_H& button = fixture.Button();
        button.SetButtonStyle(3);
        button.SetMode(mode);
        const auto cornerInside = [&] {
            const gdi::HRGN region = gdi::CreateRectRgn(0, 0, 0, 0);
            user::GetWindowRgn(button.HWnd(), region);
            const bool inside = gdi::PtInRegion(region, 0, 19) != 0;
            gdi::DeleteObject(region);
            return inside;
        };
        EXPECT_FALSE(cornerInside());
        button.SetEnabled(False);
        EXPECT_TRUE(cornerInside());
        button.SetEnabled(True);
        EXPECT_FALSE(cornerInside());
    }
}

TEST(ShowFocusRectAssignment, ADefaultButtonKeepsItsLookAtDesignTimeAndLosesItAtRunTime) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    button.StateFlags = StateFlagBits::DefaultLook;
    fixture.Form().SetUserMode(false);
    button.SetShowFocusRect(False);
    EXPECT_EQ(button.GetShowFocusRect(), False);  // stored anyway
    EXPECT_EQ(button.StateFlags & StateFlagBits::DefaultLook, StateFlagBits::DefaultLook);
    fixture.Form().SetUserMode(true);
    const int refreshes = fixture.Site().RefreshCount();
    EXPECT_EQ(KeysReportedBy(fixture.Site(), [&] { button.SetShowFocusRect(True); }), Keys{"Focus"});
    EXPECT_EQ(button.StateFlags & StateFlagBits::DefaultLook, 0);
    EXPECT_EQ(fixture.Site().RefreshCount(), refreshes + 1);
}

}  // namespace
