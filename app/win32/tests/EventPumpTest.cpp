// The message pump's waits under Wine: the sleep of a wait step keeps the
// window's messages running and leaves the program's notices for the step's
// event processing, and a quit ends the waits and is left for the outermost loop.
#include "app/win32/Win32EventPump.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using app::win32host::Win32EventPump;

// Counts a window's messages by whether the pump was sleeping when they came.
struct Delivery {
    bool sleeping = false;
    int duringSleep = 0;
    int outsideSleep = 0;
};

LRESULT CALLBACK CountingProcedure(::HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* delivery = reinterpret_cast<Delivery*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (delivery != nullptr && (message == WM_TIMER || message == WM_APP + 1)) {
        (delivery->sleeping ? delivery->duringSleep : delivery->outsideSleep)++;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

struct MessageRow {
    const char* name;
    bool timer; // else a notice posted as the socket posts its events
    bool deliveredDuringSleep;
};

class SleepDelivery : public ::testing::TestWithParam<MessageRow> {};

TEST_P(SleepDelivery, SystemMessagesRunWhileItSleepsAndTheProgramsNoticesAfter) {
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = CountingProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"PumpTestWindow";
        return RegisterClassW(&windowClass) != 0;
    }();
    ASSERT_TRUE(registered);
    const ::HWND window = CreateWindowExW(0, L"PumpTestWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                          GetModuleHandleW(nullptr), nullptr);
    Delivery delivery;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&delivery));
    if (GetParam().timer)
        SetTimer(window, 1, 10, nullptr);
    else
        PostMessageW(window, WM_APP + 1, 0, 0);

    Win32EventPump pump;
    delivery.sleeping = true;
    pump.Sleep(200);
    delivery.sleeping = false;
    KillTimer(window, 1);
    pump.ProcessPendingEvents();

    EXPECT_EQ(delivery.duringSleep > 0, GetParam().deliveredDuringSleep);
    EXPECT_GT(delivery.duringSleep + delivery.outsideSleep, 0);
    EXPECT_FALSE(pump.QuitSeen());
    DestroyWindow(window);
}

INSTANTIATE_TEST_SUITE_P(Messages, SleepDelivery,
                         ::testing::Values(MessageRow{"timer", true, true}, MessageRow{"socketNotice", false, false}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(Win32EventPump, QuitEndsTheWaitsAndIsLeftForTheOutermostLoop) {
    Win32EventPump pump;
    PostQuitMessage(7);
    pump.ProcessPendingEvents();
    EXPECT_TRUE(pump.QuitSeen());
    pump.Sleep(20);
    EXPECT_EQ(pump.Run(), 7);
}

} // namespace
