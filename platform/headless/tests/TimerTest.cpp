// Timers on the virtual clock: due order, replacement, and callbacks that
// kill timers, start timers or destroy windows while the clock runs.
#include "platform/headless/HeadlessWindowSystem.h"
#include "platform/window/user.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using headless::HeadlessWindowSystem;

struct Tick {
    user::HWND hwnd;
    user::UINT_PTR id;
    user::DWORD time;
    bool operator==(const Tick&) const = default;
};

std::vector<Tick> ticks;
HeadlessWindowSystem* running = nullptr;

void RecordTick(user::HWND hwnd, user::UINT message, user::UINT_PTR id, user::DWORD time) {
    EXPECT_EQ(message, user::WM_TIMER);
    ticks.push_back({hwnd, id, time});
}

// Like the hover check finding the pointer gone: the tick stops its own timer.
void StopAfterOneTick(user::HWND hwnd, user::UINT message, user::UINT_PTR id, user::DWORD time) {
    RecordTick(hwnd, message, id, time);
    user::KillTimer(hwnd, id);
}

void DestroyOwnWindow(user::HWND hwnd, user::UINT message, user::UINT_PTR id, user::DWORD time) {
    RecordTick(hwnd, message, id, time);
    running->DestroyWindow(hwnd);
}

void StartAnotherTimer(user::HWND hwnd, user::UINT message, user::UINT_PTR id, user::DWORD time) {
    RecordTick(hwnd, message, id, time);
    user::KillTimer(hwnd, id);
    user::SetTimer(hwnd, id + 1, 25, RecordTick);
}

class Timers : public ::testing::Test {
  protected:
    void SetUp() override {
        ticks.clear();
        running = &system;
    }
    void TearDown() override { running = nullptr; }

    HeadlessWindowSystem system;
    user::ScopedBackend install{&system};
    user::HWND first = system.CreateWindow(0, 0, 0, 10, 10);
    user::HWND second = system.CreateWindow(0, 20, 0, 10, 10);
};

TEST_F(Timers, FireInOrderOfDueTimeThenOfSetting) {
    ASSERT_NE(user::SetTimer(second, 2, 50, RecordTick), 0u);
    ASSERT_NE(user::SetTimer(first, 1, 30, RecordTick), 0u);
    ASSERT_NE(user::SetTimer(first, 3, 70, RecordTick), 0u);
    system.AdvanceClock(150);
    const std::vector<Tick> expected{
        {first, 1, 30},   {second, 2, 50}, {first, 1, 60},  {first, 3, 70},   {first, 1, 90},
        {second, 2, 100}, {first, 1, 120}, {first, 3, 140}, {second, 2, 150}, {first, 1, 150},
    };
    EXPECT_EQ(ticks, expected);
    EXPECT_EQ(system.TickCount(), 150u);
}

TEST_F(Timers, NothingFiresBeforeItIsDue) {
    user::SetTimer(first, 237, 50, RecordTick);
    system.AdvanceClock(49);
    EXPECT_TRUE(ticks.empty());
    system.AdvanceClock(1);
    EXPECT_EQ(ticks, (std::vector<Tick>{{first, 237, 50}}));
    system.AdvanceClock(0);
    EXPECT_EQ(ticks.size(), 1u);
}

TEST_F(Timers, SettingAgainReplacesAndRestartsTheTimer) {
    user::SetTimer(first, 237, 50, RecordTick);
    system.AdvanceClock(40);
    user::SetTimer(first, 237, 50, RecordTick);
    system.AdvanceClock(60);
    EXPECT_EQ(ticks, (std::vector<Tick>{{first, 237, 90}}));
    EXPECT_EQ(system.TimerCount(), 1u);
}

TEST_F(Timers, KillTimerStopsOnlyThatTimer) {
    user::SetTimer(first, 237, 50, RecordTick);
    user::SetTimer(second, 237, 50, RecordTick);
    EXPECT_TRUE(user::KillTimer(first, 237));
    EXPECT_FALSE(user::KillTimer(first, 237));
    system.AdvanceClock(50);
    EXPECT_EQ(ticks, (std::vector<Tick>{{second, 237, 50}}));
    EXPECT_FALSE(system.HasTimer(first, 237));
    EXPECT_TRUE(system.HasTimer(second, 237));
}

TEST_F(Timers, ACallbackMayKillItsOwnTimer) {
    user::SetTimer(first, 237, 50, StopAfterOneTick);
    system.AdvanceClock(500);
    EXPECT_EQ(ticks, (std::vector<Tick>{{first, 237, 50}}));
    EXPECT_EQ(system.TimerCount(), 0u);
}

TEST_F(Timers, ACallbackMayDestroyItsWindowAndItsTimersGoWithIt) {
    user::SetTimer(first, 1, 50, DestroyOwnWindow);
    user::SetTimer(first, 2, 60, RecordTick);
    user::SetTimer(second, 3, 60, RecordTick);
    system.AdvanceClock(130);
    EXPECT_EQ(ticks, (std::vector<Tick>{{first, 1, 50}, {second, 3, 60}, {second, 3, 120}}));
}

TEST_F(Timers, ATimerStartedInACallbackRunsInTheSameAdvance) {
    user::SetTimer(first, 10, 50, StartAnotherTimer);
    system.AdvanceClock(100);
    EXPECT_EQ(ticks, (std::vector<Tick>{{first, 10, 50}, {first, 11, 75}, {first, 11, 100}}));
}

TEST_F(Timers, WithoutACallbackTheWindowIsPostedWmTimer) {
    user::SetTimer(first, 5, 20, nullptr);
    system.AdvanceClock(40);
    const auto messages = system.TakePostedMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].hwnd, first);
    EXPECT_EQ(messages[0].message, user::WM_TIMER);
    EXPECT_EQ(messages[0].wParam, 5u);
}

TEST_F(Timers, PeriodsBelowTheMinimumRunAtTheMinimum) {
    user::SetTimer(first, 1, 0, RecordTick);
    system.AdvanceClock(35);
    EXPECT_EQ(ticks, (std::vector<Tick>{{first, 1, 10}, {first, 1, 20}, {first, 1, 30}}));
}

TEST_F(Timers, TimersNeedALiveWindowAndDieWithIt) {
    EXPECT_EQ(user::SetTimer(0xDEAD, 1, 50, RecordTick), 0u);
    EXPECT_EQ(user::SetTimer(first, 0, 50, RecordTick), 1u); // identifier 0 still reports success
    user::SetTimer(first, 237, 50, RecordTick);
    system.DestroyWindow(first);
    system.AdvanceClock(100);
    EXPECT_TRUE(ticks.empty());
}

TEST_F(Timers, ThreadTimersGetFreshIdentifiers) {
    const user::UINT_PTR a = user::SetTimer(0, 0, 30, RecordTick);
    const user::UINT_PTR b = user::SetTimer(0, 0, 30, RecordTick);
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);
    EXPECT_NE(a, b);
    EXPECT_EQ(user::SetTimer(0, a, 40, RecordTick), a); // naming a running one replaces it
    system.AdvanceClock(40);
    EXPECT_EQ(ticks, (std::vector<Tick>{{0, b, 30}, {0, a, 40}}));
}

} // namespace
