// Hover tracking across buttons and windows, the order of its events, and the
// key and character events beyond the state table.
#include "control/input/ModZtTimer.h"
#include "control/model/Lifecycle.h"
#include "control/tests/InputSupport.h"

#include <gtest/gtest.h>

using input_testing::Events;
using input_testing::InputBench;
using input_testing::PlacedButton;

namespace {

TEST(HoverTracking, StoresTheBackReferenceOnTheButtonsWindow) {
    InputBench bench;
    headless::HeadlessForm& form = bench.AddForm();
    PlacedButton& placed = bench.AddButton(form, 20, 20);
    placed.Site().MouseMove(0, 0, 5, 5);
    const user::HWND hwnd = placed.Button().HWnd();
    EXPECT_EQ(user::GetPropA(hwnd, "zt_ClassID"), reinterpret_cast<user::HANDLE>(&placed.Button()));
    EXPECT_EQ(user::GetPropA(hwnd, "zt_TimerID"), 237);
    // The timer callback finds the button through them.
    bench.MoveCursorAway();
    HoverTimerProc(hwnd, user::WM_TIMER, kHoverTimerId, 0);
    EXPECT_EQ(placed.Button().IsHovering, False);
    EXPECT_EQ(bench.System().TimerCount(), 0u);
}

TEST(HoverTracking, TheHostHearsOfTheHoverBeforeTheTimerAndTheFirstRepaint) {
    InputBench bench;
    headless::HeadlessForm& form = bench.AddForm();
    PlacedButton& placed = bench.AddButton(form, 20, 20);
    bool timerAlready = true;
    int refreshesAtEvent = -1;
    placed.log.hook = [&](const std::string& entry) {
        if (entry != "MouseOnButton(true)")
            return;
        timerAlready = bench.System().HasTimer(placed.Button().HWnd(), kHoverTimerId);
        refreshesAtEvent = placed.Site().RefreshCount();
    };
    const int before = placed.Site().RefreshCount();
    placed.Site().MouseMove(0, 0, 5, 5);
    EXPECT_FALSE(timerAlready);
    EXPECT_EQ(refreshesAtEvent, before);
    EXPECT_GT(placed.Site().RefreshCount(), before);
}

TEST(HoverTracking, MovingStraightToTheNextButtonHoversBothForOneTick) {
    InputBench bench;
    headless::HeadlessForm& form = bench.AddForm();
    PlacedButton& first = bench.AddButton(form, 20, 20);
    PlacedButton& second = bench.AddButton(form, 110, 20);
    first.Site().MouseMove(0, 0, 70, 15);
    bench.System().AdvanceClock(20);
    second.Site().MouseMove(0, 0, 10, 15);
    EXPECT_EQ(first.Button().IsHovering, True);
    EXPECT_EQ(second.Button().IsHovering, True);
    EXPECT_EQ(bench.System().TimerCount(), 2u);
    bench.System().AdvanceClock(30); // the first button's tick
    EXPECT_EQ(first.Button().IsHovering, False);
    EXPECT_EQ(second.Button().IsHovering, True);
    EXPECT_EQ(first.log.WithoutMoves(), (Events{"MouseOnButton(true)", "MouseOnButton(false)"}));
    EXPECT_EQ(second.log.WithoutMoves(), (Events{"MouseOnButton(true)"}));
    bench.System().AdvanceClock(200);
    EXPECT_EQ(second.Button().IsHovering, True); // the cursor is still on it
}

TEST(HoverTracking, AWindowCoveringTheButtonCountsAsLeaving) {
    InputBench bench;
    headless::HeadlessForm& form = bench.AddForm();
    PlacedButton& placed = bench.AddButton(form, 20, 20);
    placed.Site().MouseMove(0, 0, 40, 15);
    user::RECT rect{};
    user::GetWindowRect(placed.Button().HWnd(), &rect);
    bench.System().CreateWindow(0, rect.left, rect.top, 200, 100); // a window on top, under the cursor
    bench.System().AdvanceClock(kHoverTimerPeriod);
    EXPECT_EQ(placed.Button().IsHovering, False);
    EXPECT_EQ(placed.log.Count("MouseOnButton(false)"), 1);
}

TEST(HoverTracking, EnteringWithTheLeftButtonHeldDoesNotShowPushed) {
    InputBench bench;
    headless::HeadlessForm& form = bench.AddForm();
    PlacedButton& placed = bench.AddButton(form, 20, 20);
    placed.Site().MouseMove(container::kLeftButton, 0, 40, 15); // a press that began elsewhere
    EXPECT_EQ(placed.Button().IsPressing, True);
    EXPECT_FALSE(placed.Button().IsPushed());
}

TEST(HoverTracking, TerminateWhileHoveringLeavesNoTimerThatReachesTheButton) {
    InputBench bench;
    headless::HeadlessForm& form = bench.AddForm();
    PlacedButton& placed = bench.AddButton(form, 20, 20);
    placed.Site().MouseMove(0, 0, 40, 15);
    const user::HWND hwnd = placed.Button().HWnd();
    placed.Destroy();
    EXPECT_EQ(bench.System().TimerCount(), 0u);
    EXPECT_EQ(user::GetPropA(hwnd, "zt_ClassID"), 0);
    // A control released without Terminate must not be reached either.
    PlacedButton& other = bench.AddButton(form, 120, 20);
    other.Site().MouseMove(0, 0, 40, 15);
    other.Site().Detach();
    other.control.reset();
    bench.MoveCursorAway();
    bench.System().AdvanceClock(500); // under the sanitizer a stale reference would show here
    EXPECT_EQ(bench.System().TimerCount(), 0u);
}

TEST(KeyEvents, ShiftRaisesKeyDownOnlyAndCharactersRaiseKeyPress) {
    InputBench bench;
    headless::HeadlessForm& form = bench.AddForm();
    PlacedButton& placed = bench.AddButton(form, 20, 20);
    EXPECT_EQ(placed.Site().KeyDown(16, 1), 16);
    EXPECT_EQ(placed.Site().KeyUp(16, 0), 0);
    placed.Site().KeyDown('A', 1);
    placed.Site().KeyUp('A', 1);
    EXPECT_EQ(placed.Site().KeyPress('A'), 'A');
    EXPECT_EQ(placed.log.entries, (Events{"KeyDown(16,1)", "KeyDown(65,1)", "KeyUp(65,1)", "KeyPress(65)"}));
}

TEST(AmbientChanges, DefaultLookFollowsTheContainerAndTheFocusRectangle) {
    InputBench bench;
    headless::HeadlessForm& form = bench.AddForm();
    PlacedButton& placed = bench.AddButton(form, 20, 20);
    ztButtons_H& button = placed.Button();
    placed.Site().SetDisplayAsDefault(true);
    EXPECT_NE(button.StateFlags & StateFlagBits::DefaultLook, 0);
    button.ShowFocusRect = False;
    placed.Site().AmbientChanged("displayasdefault"); // names compare without case
    EXPECT_EQ(button.StateFlags & StateFlagBits::DefaultLook, 0);
    form.SetUserMode(false); // at design time the default look shows without the focus rectangle
    placed.Site().AmbientChanged("DisplayAsDefault");
    EXPECT_NE(button.StateFlags & StateFlagBits::DefaultLook, 0);
    EXPECT_EQ(button.IsHovering, False);

    form.SetBackColor(0x00123456);
    EXPECT_EQ(button.ParentBackColor, 0x00123456);
}

// A new form colour is drawn by the buttons that show it: round and custom
// shapes around their outline, and the flat style 5.
TEST(AmbientChanges, ANewFormBackColourRedrawsRoundShapesAndStyle5Only) {
    InputBench bench;
    headless::HeadlessForm& form = bench.AddForm();
    PlacedButton& placed = bench.AddButton(form, 20, 20);
    ztButtons_H& button = placed.Button();
    const struct {
        Long shape;
        Long style;
        bool redrawn;
    } rows[] = {{ButtonShapeValue::Parallelogram, 0, false}, {ButtonShapeValue::Ellipse, 0, true},
                {ButtonShapeValue::Rectangle, 5, true}, {ButtonShapeValue::Rectangle, 4, false}};
    for (const auto& row : rows) {
        button.ButtonShape = row.shape;
        button.ButtonStyle = row.style;
        const int refreshes = placed.Site().RefreshCount();
        form.SetBackColor(0x00123456 + row.shape + row.style);
        EXPECT_EQ(placed.Site().RefreshCount() > refreshes, row.redrawn) << row.shape << "/" << row.style;
    }
}

TEST(DragAndDrop, NoticesReachTheHostWithTheContainersArguments) {
    InputBench bench;
    headless::HeadlessForm& form = bench.AddForm();
    PlacedButton& placed = bench.AddButton(form, 20, 20);
    std::int32_t effect = 1;
    placed.Button().OLECompleteDrag(effect);
    EXPECT_EQ(placed.log.entries, (Events{"OLECompleteDrag(1)"}));
    EXPECT_EQ(effect, 7); // the host's answer goes back to the container
}

} // namespace
