// One test per row of the input state table (control/input/ButtonInput.h):
// which notice moves the button to which state, and which events go out.
#include "control/input/ModZtTimer.h"
#include "control/model/Lifecycle.h"
#include "control/tests/InputSupport.h"

#include <gtest/gtest.h>

#include <functional>

using input_testing::Events;
using input_testing::InputBench;
using input_testing::PlacedButton;

namespace {

constexpr Integer kHeld = StateFlagBits::ButtonHeld;
constexpr Integer kInside = StateFlagBits::PointerInside;

Integer InputBits(const ztButtons_H& button) {
    return static_cast<Integer>(button.StateFlags & (kHeld | kInside));
}

class InputStateTable : public ::testing::Test {
  protected:
    InputBench bench;
    headless::HeadlessForm& form = bench.AddForm();
    PlacedButton& placed = bench.AddButton(form, 20, 20);
    ztButtons_H& button = placed.Button();
    headless::HeadlessSite& site = placed.Site();

    void Hover() { site.MouseMove(0, 0, 40, 15); }
    void LeaveAndTick() {
        bench.MoveCursorAway();
        bench.System().AdvanceClock(kHoverTimerPeriod);
    }
};

TEST_F(InputStateTable, IdleToHoveringOnAMoveOverTheWindow) {
    const int refreshes = site.RefreshCount();
    Hover();
    EXPECT_EQ(InputBits(button), kInside);
    EXPECT_EQ(button.IsHovering, True);
    EXPECT_EQ(button.IsPressing, False);
    EXPECT_TRUE(bench.System().HasTimer(button.HWnd(), kHoverTimerId));
    EXPECT_GT(site.RefreshCount(), refreshes); // the hover look is drawn
    EXPECT_EQ(placed.log.entries, (Events{"MouseOnButton(true)", "MouseMove(0,0,40,15)"}));
    // A second move neither restarts hover nor tells the host again.
    site.MouseMove(0, 0, 41, 15);
    EXPECT_EQ(placed.log.Count("MouseOnButton(true)"), 1);
}

TEST_F(InputStateTable, HoveringToIdleAtTheFirstTickWithTheCursorElsewhere) {
    Hover();
    bench.System().AdvanceClock(kHoverTimerPeriod); // still over the button: nothing changes
    EXPECT_EQ(button.IsHovering, True);
    bench.MoveCursorAway();
    bench.System().AdvanceClock(kHoverTimerPeriod - 1);
    EXPECT_EQ(button.IsHovering, True);
    const int refreshes = site.RefreshCount();
    bench.System().AdvanceClock(1);
    EXPECT_EQ(button.IsHovering, False);
    EXPECT_EQ(InputBits(button), 0);
    EXPECT_FALSE(bench.System().HasTimer(button.HWnd(), kHoverTimerId));
    EXPECT_GT(site.RefreshCount(), refreshes);
    EXPECT_EQ(placed.log.WithoutMoves(), (Events{"MouseOnButton(true)", "MouseOnButton(false)"}));
}

TEST_F(InputStateTable, HoveringToPressedOnALeftPress) {
    Hover();
    site.MouseDown(container::kLeftButton, 0, 40, 15);
    EXPECT_EQ(InputBits(button), kHeld | kInside);
    EXPECT_TRUE(button.IsPushed());
    EXPECT_EQ(button.IsPressing, True);
    EXPECT_EQ(user::GetCapture(), button.HWnd());
    EXPECT_EQ(placed.log.entries.back(), "MouseDown(1,0,40,15)");
}

TEST_F(InputStateTable, PressedToHoveringOnReleaseWithOneClick) {
    Hover();
    site.ClickAt(40, 15);
    EXPECT_EQ(InputBits(button), kInside);
    EXPECT_EQ(button.IsPressing, False);
    EXPECT_EQ(user::GetCapture(), 0u);
    EXPECT_EQ(placed.log.WithoutMoves(),
              (Events{"MouseOnButton(true)", "MouseDown(1,0,40,15)", "MouseUp(1,0,40,15)", "Click"}));
}

TEST_F(InputStateTable, PressedToPressedOutsideWhenATickFindsThePointerGone) {
    Hover();
    site.MouseDown(container::kLeftButton, 0, 40, 15);
    site.MouseMove(container::kLeftButton, 0, 200, 15); // outside, the capture still reports it
    LeaveAndTick();
    EXPECT_EQ(InputBits(button), kHeld);
    EXPECT_FALSE(button.IsPushed());
    EXPECT_EQ(button.IsPressing, False);
    EXPECT_EQ(placed.log.WithoutMoves().back(), "MouseOnButton(false)");
}

TEST_F(InputStateTable, PressedOutsideToPressedWhenThePointerComesBack) {
    Hover();
    site.MouseDown(container::kLeftButton, 0, 40, 15);
    LeaveAndTick();
    site.MouseMove(container::kLeftButton, 0, 40, 15);
    EXPECT_TRUE(button.IsPushed());
    EXPECT_EQ(button.IsPressing, True);
    EXPECT_EQ(button.IsHovering, True);
    EXPECT_EQ(placed.log.Count("MouseOnButton(true)"), 2);
}

TEST_F(InputStateTable, PressedOutsideToIdleOnReleaseWithoutClick) {
    Hover();
    site.MouseDown(container::kLeftButton, 0, 40, 15);
    site.MouseMove(container::kLeftButton, 0, 200, 15);
    LeaveAndTick();
    site.MouseUp(container::kLeftButton, 0, 200, 15); // outside: the container sends no click
    EXPECT_EQ(InputBits(button), 0);
    EXPECT_EQ(user::GetCapture(), 0u);
    EXPECT_EQ(placed.log.WithoutMoves(), (Events{"MouseOnButton(true)", "MouseDown(1,0,40,15)",
                                                 "MouseOnButton(false)", "MouseUp(1,0,200,15)"}));
    EXPECT_EQ(placed.log.Count("MouseMove(1,0,200,15)"), 1);
}

TEST_F(InputStateTable, RightAndMiddleButtonsChangeNothingAndNeverClick) {
    Hover();
    for (std::int16_t other : {container::kRightButton, container::kMiddleButton}) {
        site.MouseDown(other, 0, 40, 15);
        EXPECT_EQ(InputBits(button), kInside);
        EXPECT_EQ(user::GetCapture(), 0u);
        site.MouseUp(other, 0, 40, 15);
        site.Click();
        EXPECT_EQ(button.LastMouseButton, other);
    }
    EXPECT_EQ(placed.log.WithoutMoves(),
              (Events{"MouseOnButton(true)", "MouseDown(2,0,40,15)", "MouseUp(2,0,40,15)",
                      "MouseDown(4,0,40,15)", "MouseUp(4,0,40,15)"}));
}

TEST_F(InputStateTable, DoubleClickPressesAgainAndClicksOnce) {
    Hover();
    placed.log.entries.clear();
    bool pushedAtSecondPress = false;
    placed.log.hook = [&](const std::string& entry) {
        if (entry == "MouseDown(1,0,30,12)")
            pushedAtSecondPress = button.IsPushed();
    };
    site.DoubleClickAt(30, 12);
    EXPECT_EQ(placed.log.WithoutMoves(),
              (Events{"MouseDown(1,0,30,12)", "MouseUp(1,0,30,12)", "Click", "DoubleClick(1)",
                      "MouseDown(1,0,30,12)", "MouseUp(1,0,30,12)"}));
    EXPECT_TRUE(pushedAtSecondPress);
    EXPECT_FALSE(button.IsPushed());
}

TEST_F(InputStateTable, DoubleClickBetweenPressAndReleaseBlocksAClickNotice) {
    Hover();
    site.ClickAt(30, 12);
    site.DblClick();
    EXPECT_EQ(button.LastMouseButton, -1);
    site.Click(); // a container that clicks before the second release
    EXPECT_EQ(placed.log.Count("Click"), 1);
}

TEST_F(InputStateTable, RightDoubleClickRaisesMouseDownWithoutPressing) {
    Hover();
    site.MouseDown(container::kRightButton, 0, 30, 12);
    site.MouseUp(container::kRightButton, 0, 30, 12);
    site.DblClick();
    EXPECT_EQ(InputBits(button), kInside);
    EXPECT_EQ(placed.log.WithoutMoves().back(), "MouseDown(2,0,30,12)");
    EXPECT_EQ(placed.log.Count("DoubleClick(2)"), 1);
}

TEST_F(InputStateTable, SpaceDownWhileHoveringPresses) {
    Hover();
    EXPECT_EQ(site.KeyDown(user::VK_SPACE, 0), user::VK_SPACE);
    EXPECT_TRUE(button.IsPushed());
    EXPECT_EQ(button.IsPressing, True);
    // Auto-repeat neither presses again nor stops the events.
    site.KeyDown(user::VK_SPACE, 0);
    EXPECT_EQ(placed.log.Count("KeyDown(32,0)"), 2);
}

TEST_F(InputStateTable, SpaceDownAwayFromThePointerDrawsPushedOnceThenPressedOutside) {
    bool drawnPushed = false;
    const int refreshes = site.RefreshCount();
    site.KeyDown(user::VK_SPACE, 0);
    drawnPushed = site.RefreshCount() > refreshes;
    EXPECT_TRUE(drawnPushed);
    EXPECT_EQ(InputBits(button), kHeld);
    EXPECT_EQ(placed.log.entries, (Events{"KeyDown(32,0)"}));
}

TEST_F(InputStateTable, SpaceUpOnACommandButtonClicksBeforeKeyUp) {
    site.KeyDown(user::VK_SPACE, 0);
    EXPECT_EQ(site.KeyUp(user::VK_SPACE, 0), user::VK_SPACE);
    EXPECT_EQ(InputBits(button), 0);
    EXPECT_EQ(button.IsPressing, False);
    EXPECT_EQ(placed.log.entries, (Events{"KeyDown(32,0)", "Click", "KeyUp(32,0)"}));
    // A Space release without its press clicks nothing.
    site.KeyUp(user::VK_SPACE, 0);
    EXPECT_EQ(placed.log.Count("Click"), 1);
}

TEST_F(InputStateTable, SpaceUpOnACheckBoxRaisesKeyUpBeforeTheToggleAndClick) {
    button.SetMode(ModeValue::CheckBox);
    site.MouseDown(container::kRightButton, 0, 40, 15);
    site.MouseUp(container::kRightButton, 0, 40, 15);
    placed.log.entries.clear();
    Boolean valueAtKeyUp = True;
    Integer lastButtonAtKeyUp = 0;
    Boolean valueAtClick = False;
    placed.log.hook = [&](const std::string& entry) {
        if (entry == "KeyUp(32,0)") {
            valueAtKeyUp = button.Value;
            lastButtonAtKeyUp = button.LastMouseButton;
        }
        if (entry == "Click")
            valueAtClick = button.Value;
    };
    site.KeyDown(user::VK_SPACE, 0);
    EXPECT_EQ(site.KeyUp(user::VK_SPACE, 0), 0);
    EXPECT_EQ(placed.log.entries, (Events{"KeyDown(32,0)", "KeyUp(32,0)", "Click"}));
    EXPECT_EQ(valueAtKeyUp, False);
    EXPECT_EQ(lastButtonAtKeyUp, container::kLeftButton); // the key is the left button before KeyUp
    EXPECT_EQ(valueAtClick, True);
}

TEST_F(InputStateTable, SpaceUpReleasesAHeldMousePressAndClicks) {
    Hover();
    site.MouseDown(container::kLeftButton, 0, 40, 15);
    site.KeyUp(user::VK_SPACE, 0);
    EXPECT_EQ(InputBits(button), kInside);
    EXPECT_EQ(placed.log.Count("Click"), 1);
}

TEST_F(InputStateTable, ArrowKeysGoToTheContainerWindowWithoutEvents) {
    bench.System().TakePostedMessages();
    const std::pair<std::int16_t, user::LPARAM> arrows[] = {
        {user::VK_RIGHT, 0x4D}, {user::VK_DOWN, 0x50}, {user::VK_LEFT, 0x4B}, {user::VK_UP, 0x48}};
    for (const auto& [key, scanCode] : arrows) {
        EXPECT_EQ(site.KeyDown(key, 0), 0);
        EXPECT_EQ(site.KeyUp(key, 0), 0);
        const std::vector<headless::PostedMessage> posted = bench.System().TakePostedMessages();
        ASSERT_EQ(posted.size(), 1u);
        EXPECT_EQ(posted[0].hwnd, form.HWnd());
        EXPECT_EQ(posted[0].message, user::WM_KEYDOWN);
        EXPECT_EQ(posted[0].wParam, static_cast<user::WPARAM>(key));
        EXPECT_EQ(posted[0].lParam, 1 | (scanCode << 16));
    }
    EXPECT_TRUE(placed.log.entries.empty());
    EXPECT_EQ(InputBits(button), 0);
    // Only an option button is checked by the release of an arrow key.
    button.SetMode(ModeValue::CheckBox);
    site.KeyUp(user::VK_DOWN, 0);
    EXPECT_EQ(button.Value, False);
    EXPECT_TRUE(placed.log.entries.empty());
}

TEST_F(InputStateTable, AccessKeysClickCommandButtonsAndEnterLeavesOtherModesAlone) {
    site.AccessKeyPress('o');
    site.AccessKeyPress(13);
    site.AccessKeyPress(27);
    EXPECT_EQ(placed.log.Count("Click"), 3);
    EXPECT_EQ(button.LastMouseButton, container::kLeftButton);

    button.SetMode(ModeValue::CheckBox);
    site.AccessKeyPress(13);
    site.AccessKeyPress(27);
    EXPECT_EQ(button.Value, False);
    EXPECT_EQ(placed.log.Count("Click"), 3);
    site.AccessKeyPress('o');
    EXPECT_EQ(button.Value, True);
    EXPECT_EQ(placed.log.Count("Click"), 4);
}

TEST_F(InputStateTable, ADisabledButtonTakesNoInputButHearsAndLetsGoOfEveryRelease) {
    Hover();
    site.MouseDown(container::kLeftButton, 0, 40, 15);
    placed.log.entries.clear();
    site.SetEnabled(false);
    site.MouseUp(container::kLeftButton, 0, 40, 15); // the press began while enabled
    EXPECT_EQ(InputBits(button), kInside);
    EXPECT_EQ(user::GetCapture(), 0u);
    site.MouseDown(container::kRightButton, 0, 40, 15);
    site.MouseUp(container::kRightButton, 0, 40, 15);
    EXPECT_EQ(button.LastMouseButton, container::kRightButton);
    site.ClickAt(40, 15);
    site.DoubleClickAt(40, 15);
    site.KeyDown(user::VK_SPACE, 0);
    site.KeyUp(user::VK_SPACE, 0);
    site.KeyPress('a');
    site.AccessKeyPress(13);
    site.GotFocus();
    EXPECT_EQ(placed.log.WithoutMoves(),
              (Events{"MouseUp(1,0,40,15)", "MouseUp(2,0,40,15)", "MouseUp(1,0,40,15)", "MouseUp(1,0,40,15)",
                      "MouseUp(1,0,40,15)"}));
    EXPECT_EQ(button.LastMouseButton, container::kLeftButton);
    EXPECT_EQ(InputBits(button), kInside);
    EXPECT_EQ(user::GetCapture(), 0u);
}

// A release repaints in every mode, so that what the screen shows after the
// input is what a fresh paint of the same state shows, also when the click
// changes no Value.
TEST_F(InputStateTable, TheScreenAfterAReleaseIsAFreshPaintOfTheState) {
    struct Case {
        const char* name;
        Long mode;
        Boolean value;
        std::function<void()> input;
    };
    const std::vector<Case> cases = {
        {"double click on a check box", ModeValue::CheckBox, True, [&] { site.DoubleClickAt(40, 15); }},
        {"click on a checked option button", ModeValue::OptionButton, True, [&] { site.ClickAt(40, 15); }},
        {"Space on a checked option button", ModeValue::OptionButton, True,
         [&] {
             site.KeyDown(user::VK_SPACE, 0);
             site.KeyUp(user::VK_SPACE, 0);
         }},
        {"release without a click notice", ModeValue::CheckBox, False,
         [&] {
             site.MouseDown(container::kLeftButton, 0, 40, 15);
             site.MouseUp(container::kLeftButton, 0, 40, 15);
         }},
        {"release after the host disabled it", ModeValue::CheckBox, False,
         [&] {
             site.MouseDown(container::kLeftButton, 0, 40, 15);
             button.SetEnabled(False);
             site.MouseUp(container::kLeftButton, 0, 40, 15);
         }},
        {"Space released after the host disabled it", ModeValue::CommandButton, False,
         [&] {
             site.KeyDown(user::VK_SPACE, 0);
             button.SetEnabled(False);
             site.KeyUp(user::VK_SPACE, 0);
         }},
    };
    const gdi::RECT client{0, 0, 80, 30};
    for (Long style = 0; style <= ButtonStyleValue::Last; ++style) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + ", style " + std::to_string(style));
            button.SetEnabled(True);
            button.SetButtonStyle(style);
            button.SetMode(c.mode);
            button.SetValue(c.value);
            Hover();
            c.input();
            const std::vector<gdi::COLORREF> shown = input_testing::Pixels(site.HDC(), client);
            button.Refresh();
            EXPECT_EQ(input_testing::DifferingPixels(shown, input_testing::Pixels(site.HDC(), client)), 0);
            bench.MoveCursorAway();
            bench.System().AdvanceClock(kHoverTimerPeriod);
        }
    }
}

} // namespace
