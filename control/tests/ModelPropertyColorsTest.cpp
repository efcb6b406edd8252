// The colour properties and the hover colour locks: which hover colour
// follows which normal colour, when an explicit hover colour releases its
// lock, and ResetDefaultColors at design time.
#include "control/tests/ModelSupport.h"
#include "control/tests/support/ButtonFixture.h"

#include <gtest/gtest.h>

using control_testing::ButtonFixture;
using model_testing::Keys;
using model_testing::KeysReportedBy;

namespace {

constexpr OleColor kRed = 0x0000FF;
constexpr OleColor kGreen = 0x00FF00;
constexpr OleColor kBlue = 0xFF0000;

TEST(HoverForeColor, AColourEqualToTheCaptionColourKeepsTheLockADifferentOneReleasesIt) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    button.SetForeColor(kRed);
    EXPECT_EQ(button.GetHoverForeColor(), kRed);  // follows
    button.SetHoverForeColor(kRed);
    EXPECT_EQ(button.GetHoverColorLocks(), HoverColorLocksValue::BothFollow);

    button.SetHoverForeColor(kGreen);
    EXPECT_EQ(button.GetHoverColorLocks(), HoverColorLocksValue::ForeLocked);
    button.SetForeColor(kBlue);
    EXPECT_EQ(button.GetForeColor(), kBlue);
    EXPECT_EQ(button.GetHoverForeColor(), kGreen);  // no longer follows

    button.SetHoverColorLocks(HoverColorLocksValue::BackLocked);
    EXPECT_EQ(button.GetHoverForeColor(), kBlue);  // re-copied: follows again
    button.SetHoverForeColor(kGreen);
    EXPECT_EQ(button.GetHoverColorLocks(), HoverColorLocksValue::BothLocked);
}

TEST(HoverBackColor, FollowsTheBackOrGradientColourUntilGivenOneOfItsOwn) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    button.SetBackColor(kRed);
    EXPECT_EQ(button.GetHoverBackColor(), kRed);
    EXPECT_EQ(button.HoverFaceColor, kRed);  // derived colour recomputed

    button.SetGradientColor(kGreen);  // no gradient yet: the hover colour stays
    EXPECT_EQ(button.GetHoverBackColor(), kRed);
    button.SetGradientMode(GradientModeValue::TopToBottom);
    EXPECT_EQ(button.GetHoverBackColor(), kGreen);
    button.SetGradientColor(kBlue);
    EXPECT_EQ(button.GetHoverBackColor(), kBlue);
    button.SetGradientMode(GradientModeValue::None);
    EXPECT_EQ(button.GetHoverBackColor(), kRed);
    EXPECT_EQ(button.GetHoverColorLocks(), HoverColorLocksValue::BothFollow);

    button.SetHoverBackColor(kRed);  // equal to the back colour: nothing to do, lock kept
    EXPECT_EQ(button.GetHoverColorLocks(), HoverColorLocksValue::BothFollow);
    EXPECT_EQ(KeysReportedBy(fixture.Site(), [&] { button.SetHoverBackColor(kGreen); }), Keys{"cBHover"});
    EXPECT_EQ(button.GetHoverColorLocks(), HoverColorLocksValue::BackLocked);
    EXPECT_EQ(button.HoverFaceColor, kGreen);
    button.SetBackColor(kBlue);
    EXPECT_EQ(button.GetHoverBackColor(), kGreen);
    button.SetGradientMode(GradientModeValue::LeftToRight);
    EXPECT_EQ(button.GetHoverBackColor(), kGreen);
}

// With a gradient on, the back colour hands the gradient colour to the hover
// assignment; as it differs from the new back colour, the back lock goes.
TEST(HoverBackColor, ABackColourChangeDuringAGradientReleasesTheBackLock) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    button.SetGradientColor(kGreen);
    button.SetGradientMode(GradientModeValue::LeftToRight);
    button.SetHoverColorLocks(HoverColorLocksValue::ForeLocked);
    button.SetHoverBackColor(kBlue);
    ASSERT_EQ(button.GetHoverColorLocks(), HoverColorLocksValue::BothLocked);
    button.SetHoverColorLocks(HoverColorLocksValue::ForeLocked);
    EXPECT_EQ(button.GetHoverBackColor(), kGreen);
    // Already equal to the gradient colour: the lock stays.
    button.SetBackColor(kRed);
    EXPECT_EQ(button.GetHoverColorLocks(), HoverColorLocksValue::ForeLocked);
    // Not yet equal to the gradient colour (as a loaded form may hold it): the lock goes.
    button.SetHoverColorLocks(HoverColorLocksValue::BothFollow);
    button.HoverBackColor = kBlue;
    button.SetBackColor(kRed);
    EXPECT_EQ(button.GetHoverBackColor(), kGreen);
    EXPECT_EQ(button.GetHoverColorLocks(), HoverColorLocksValue::BackLocked);
}

TEST(ForeColor, AnUnchangedColourDoesNothingAChangedOneSwitchesDrawingOn) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    EXPECT_TRUE(KeysReportedBy(fixture.Site(), [&] { button.SetForeColor(button.GetForeColor()); }).empty());
    button.DelayDrawing(True);
    const int refreshes = fixture.Site().RefreshCount();
    button.SetForeColor(kRed);
    EXPECT_EQ(button.DrawingDelayed, False);
    EXPECT_EQ(fixture.Site().RefreshCount(), refreshes + 1);
}

TEST(ResetDefaultColors, RestoresTheSystemColoursAtDesignTimeOnly) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    auto colourful = [&] {
        button.SetBackColor(kRed);
        button.SetForeColor(kGreen);
        button.SetGradientColor(kBlue);
        button.SetGradientMode(GradientModeValue::BottomToTop);
        button.SetHoverColorLocks(HoverColorLocksValue::BothLocked);
        button.SetHoverForeColor(kBlue);
    };
    colourful();
    const std::string before = model_testing::SavedText(fixture.Site());
    EXPECT_TRUE(KeysReportedBy(fixture.Site(), [&] { button.SetResetDefaultColors(True); }).empty());  // run time
    fixture.Form().SetUserMode(false);
    EXPECT_TRUE(KeysReportedBy(fixture.Site(), [&] { button.SetResetDefaultColors(False); }).empty());
    EXPECT_EQ(model_testing::SavedText(fixture.Site()), before);

    const Keys keys = KeysReportedBy(fixture.Site(), [&] { button.SetResetDefaultColors(True); });
    EXPECT_EQ(button.GetBackColor(), SystemColorValue::ButtonFace);
    EXPECT_EQ(button.GetForeColor(), SystemColorValue::ButtonText);
    EXPECT_EQ(button.GetGradientColor(), SystemColorValue::ButtonFace);
    EXPECT_EQ(button.GetGradientMode(), GradientModeValue::None);
    EXPECT_EQ(button.GetHoverColorLocks(), HoverColorLocksValue::BothFollow);
    EXPECT_EQ(button.GetHoverBackColor(), SystemColorValue::ButtonFace);
    EXPECT_EQ(button.GetHoverForeColor(), SystemColorValue::ButtonText);
    EXPECT_EQ(button.GetResetDefaultColors(), False);
    EXPECT_EQ(button.FaceColor, 0xF0F0F0);
    EXPECT_EQ(button.DrawingDelayed, False);
    ASSERT_GE(keys.size(), 2u);
    EXPECT_EQ(keys[keys.size() - 2], "cGradient");
    EXPECT_EQ(keys.back(), "cBack");
}

}  // namespace
