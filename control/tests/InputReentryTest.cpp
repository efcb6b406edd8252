// A host's handler may destroy the button that raised the event (a Click that
// closes its form). The button must not touch itself afterwards: under the
// sanitizer build any such access fails these tests.
#include "control/input/ModZtTimer.h"
#include "control/tests/InputSupport.h"

#include <gtest/gtest.h>

#include <ostream>

using input_testing::InputBench;
using input_testing::PlacedButton;

namespace {

// Destroys the button when its log records the given event.
void DestroyOn(PlacedButton& placed, const std::string& event) {
    placed.log.hook = [&placed, event](const std::string& entry) {
        if (entry == event)
            placed.Destroy();
    };
}

struct ReentryCase {
    const char* name;
    Long mode;
    const char* destroyingEvent;
    std::function<void(headless::HeadlessSite&, InputBench&)> drive;
};

void PrintTo(const ReentryCase& reentryCase, std::ostream* out) {
    *out << reentryCase.name;
}

class ReentryTest : public ::testing::TestWithParam<ReentryCase> {};

TEST_P(ReentryTest, TheButtonIsNotTouchedAfterItsHandlerDestroyedIt) {
    const ReentryCase& c = GetParam();
    InputBench bench;
    headless::HeadlessForm& form = bench.AddForm();
    PlacedButton& other = bench.AddButton(form, 10, 60, c.mode);
    PlacedButton& placed = bench.AddButton(form, 10, 10, c.mode);
    DestroyOn(placed, c.destroyingEvent);
    c.drive(placed.Site(), bench);
    EXPECT_FALSE(placed.control) << "the handler ran";
    EXPECT_EQ(placed.log.entries.back(), c.destroyingEvent) << "nothing is raised after the handler";
    // The window system and the group hold nothing of the destroyed button.
    bench.MoveCursorAway();
    bench.System().AdvanceClock(200);
    EXPECT_EQ(bench.System().TimerCount(), 0u);
    if (c.mode == ModeValue::OptionButton) {
        EXPECT_EQ(user::GetPropA(form.HWnd(), "zt_OptCount"), 1);
        other.Site().ClickAt(5, 5);
        EXPECT_EQ(other.Button().Value, True);
    }
}

void HoverAndClick(headless::HeadlessSite& site, InputBench&) {
    site.MouseMove(0, 0, 5, 5);
    site.ClickAt(5, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, ReentryTest,
    ::testing::Values(
        ReentryCase{"ClickOfACommandButton", ModeValue::CommandButton, "Click", HoverAndClick},
        ReentryCase{"ClickOfAnOptionButton", ModeValue::OptionButton, "Click", HoverAndClick},
        ReentryCase{"ClickBySpace", ModeValue::CommandButton, "Click",
                    [](headless::HeadlessSite& site, InputBench&) {
                        site.KeyDown(user::VK_SPACE, 0);
                        site.KeyUp(user::VK_SPACE, 0);
                    }},
        ReentryCase{"KeyUpBeforeTheCheckBoxClick", ModeValue::CheckBox, "KeyUp(32,0)",
                    [](headless::HeadlessSite& site, InputBench&) {
                        site.KeyDown(user::VK_SPACE, 0);
                        site.KeyUp(user::VK_SPACE, 0);
                    }},
        ReentryCase{"MouseOnButtonAtHoverStart", ModeValue::CommandButton, "MouseOnButton(true)",
                    [](headless::HeadlessSite& site, InputBench&) { site.MouseMove(0, 0, 5, 5); }},
        ReentryCase{"MouseOnButtonAtHoverEnd", ModeValue::CommandButton, "MouseOnButton(false)",
                    [](headless::HeadlessSite& site, InputBench& bench) {
                        site.MouseMove(0, 0, 5, 5);
                        bench.MoveCursorAway();
                        bench.System().AdvanceClock(kHoverTimerPeriod);
                    }},
        ReentryCase{"DoubleClick", ModeValue::CommandButton, "DoubleClick(1)",
                    [](headless::HeadlessSite& site, InputBench&) { site.DoubleClickAt(5, 5); }},
        ReentryCase{"MouseUp", ModeValue::CommandButton, "MouseUp(1,0,5,5)",
                    [](headless::HeadlessSite& site, InputBench&) { site.ClickAt(5, 5); }},
        ReentryCase{"FocusClickOfAnOptionButton", ModeValue::OptionButton, "Click",
                    [](headless::HeadlessSite& site, InputBench&) { site.GotFocus(); }}),
    [](const ::testing::TestParamInfo<ReentryCase>& caseInfo) { return std::string(caseInfo.param.name); });

} // namespace
