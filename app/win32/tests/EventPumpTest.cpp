// The message pump's waits under Wine: the sleep of a wait step keeps
// delivering messages, and a quit ends the waits and is left for the
// outermost loop.
#include "app/win32/Win32EventPump.h"

#include <gtest/gtest.h>

namespace {

using app::win32host::Win32EventPump;

struct Delivery {
    bool sleeping = false;
    int duringSleep = 0;
    int outsideSleep = 0;
};
Delivery* current = nullptr;

void CALLBACK CountTick(::HWND, UINT, UINT_PTR, DWORD) {
    (current->sleeping ? current->duringSleep : current->outsideSleep)++;
}

TEST(Win32EventPump, SleepDeliversMessagesThatArriveWhileItWaits) {
    Delivery delivery;
    current = &delivery;
    Win32EventPump pump;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, CountTick);
    ASSERT_NE(timer, 0u);
    delivery.sleeping = true;
    pump.Sleep(300);
    delivery.sleeping = false;
    KillTimer(nullptr, timer);
    EXPECT_GE(delivery.duringSleep, 2);
    EXPECT_EQ(delivery.outsideSleep, 0);
    EXPECT_FALSE(pump.QuitSeen());
    current = nullptr;
}

TEST(Win32EventPump, QuitEndsTheWaitsAndIsLeftForTheOutermostLoop) {
    Win32EventPump pump;
    PostQuitMessage(7);
    pump.ProcessPendingEvents();
    EXPECT_TRUE(pump.QuitSeen());
    pump.Sleep(20);
    EXPECT_EQ(pump.Run(), 7);
}

} // namespace
