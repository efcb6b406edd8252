#include "platform/qt/tests/QtTestSupport.h"

#include <vector>

namespace qtplatform::testing {
namespace {

struct Tick {
    user::HWND hwnd;
    user::UINT message;
    user::UINT_PTR id;
};

// Timer callbacks are plain functions: they record into this list.
std::vector<Tick> ticks;
bool killOnFirstTick = false;

void RecordTick(user::HWND hwnd, user::UINT message, user::UINT_PTR id, user::DWORD) {
    ticks.push_back({hwnd, message, id});
    if (killOnFirstTick)
        user::KillTimer(hwnd, id);
}

class Timers : public QtWindowTest {
  protected:
    void SetUp() override {
        QtWindowTest::SetUp();
        ticks.clear();
        killOnFirstTick = false;
    }
};

TEST_F(Timers, ATimerTicksFromTheEventLoopUntilKilled) {
    ASSERT_EQ(user::SetTimer(formHwnd_, 237, 10, RecordTick), 237u);
    EXPECT_TRUE(ticks.empty()); // nothing runs before the event loop does
    ASSERT_TRUE(WaitUntil([] { return ticks.size() >= 3; }));
    EXPECT_EQ(ticks.front().hwnd, formHwnd_);
    EXPECT_EQ(ticks.front().message, user::WM_TIMER);
    EXPECT_EQ(ticks.front().id, 237u);

    EXPECT_TRUE(user::KillTimer(formHwnd_, 237));
    EXPECT_FALSE(user::KillTimer(formHwnd_, 237));
    const std::size_t afterKill = ticks.size();
    EXPECT_FALSE(WaitUntil([&] { return ticks.size() > afterKill; }, 60));
}

TEST_F(Timers, ACallbackMayKillItsOwnTimer) {
    killOnFirstTick = true;
    ASSERT_NE(user::SetTimer(formHwnd_, 5, 10, RecordTick), 0u);
    ASSERT_TRUE(WaitUntil([] { return !ticks.empty(); }));
    EXPECT_FALSE(WaitUntil([] { return ticks.size() > 1; }, 60));
    EXPECT_FALSE(user::KillTimer(formHwnd_, 5));
}

TEST_F(Timers, SettingATimerAgainReplacesIt) {
    ASSERT_NE(user::SetTimer(formHwnd_, 1, 5000, RecordTick), 0u);
    ASSERT_NE(user::SetTimer(formHwnd_, 1, 10, RecordTick), 0u); // the long period is gone
    ASSERT_TRUE(WaitUntil([] { return ticks.size() >= 2; }));
    EXPECT_TRUE(user::KillTimer(formHwnd_, 1));
    EXPECT_FALSE(user::KillTimer(formHwnd_, 1)); // only one timer was running
}

TEST_F(Timers, ADestroyedWindowTakesItsTimersWith) {
    QWidget* child = AddChild(QRect(0, 0, 10, 10));
    const user::HWND hwnd = system_.Register(child);
    ASSERT_NE(user::SetTimer(hwnd, 237, 10, RecordTick), 0u);
    delete child;
    EXPECT_FALSE(WaitUntil([] { return !ticks.empty(); }, 60));
    EXPECT_EQ(user::SetTimer(hwnd, 237, 10, RecordTick), 0u); // no window, no timer
}

TEST_F(Timers, ThreadTimersGetFreshIdentifiers) {
    const user::UINT_PTR first = user::SetTimer(0, 0, 10, RecordTick);
    const user::UINT_PTR second = user::SetTimer(0, 0, 10, RecordTick);
    ASSERT_NE(first, 0u);
    ASSERT_NE(second, 0u);
    EXPECT_NE(first, second);
    ASSERT_TRUE(WaitUntil([&] { return ticks.size() >= 2; }));
    EXPECT_EQ(ticks.front().hwnd, 0u);
    EXPECT_TRUE(user::KillTimer(0, first));
    EXPECT_TRUE(user::KillTimer(0, second));
}

TEST_F(Timers, WithoutACallbackTheTickGoesToTheMessageHandler) {
    std::vector<user::UINT_PTR> timerMessages;
    system_.SetMessageHandler([&](user::HWND, user::UINT message, user::WPARAM id, user::LPARAM) {
        if (message == user::WM_TIMER)
            timerMessages.push_back(id);
    });
    ASSERT_NE(user::SetTimer(formHwnd_, 9, 10, nullptr), 0u);
    ASSERT_TRUE(WaitUntil([&] { return !timerMessages.empty(); }));
    EXPECT_EQ(timerMessages.front(), 9u);
    user::KillTimer(formHwnd_, 9);
}

} // namespace
} // namespace qtplatform::testing
