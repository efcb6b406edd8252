// The window functions as a caller sees them: failure values without a back
// end, back-end installation and restoring, and forwarding to the back end.
#include "platform/headless/HeadlessWindowSystem.h"
#include "platform/window/user.h"

#include <gtest/gtest.h>

#include <iterator>
#include <utility>

namespace {

TEST(UserFunctions, WithoutBackEndEveryCallFailsTheWindowsWay) {
    ASSERT_EQ(user::GetBackend(), nullptr);
    user::POINT point{7, 7};
    user::RECT rect{1, 2, 3, 4};
    EXPECT_EQ(user::IsWindow(1), 0);
    EXPECT_EQ(user::SetCapture(1), 0u);
    EXPECT_EQ(user::GetCapture(), 0u);
    EXPECT_EQ(user::GetCursorPos(&point), 0);
    EXPECT_EQ(user::WindowFromPoint(point), 0u);
    EXPECT_EQ(user::ScreenToClient(1, &point), 0);
    EXPECT_EQ(point.x, 7);
    EXPECT_EQ(user::GetWindowRect(1, &rect), 0);
    EXPECT_EQ(rect.left, 1);
    EXPECT_EQ(user::MoveWindow(1, 0, 0, 5, 5, 1), 0);
    EXPECT_EQ(user::SetTimer(1, 237, 50, nullptr), 0u);
    EXPECT_EQ(user::SetPropA(1, "zt_TimerID", 237), 0);
    EXPECT_EQ(user::GetPropA(1, "zt_TimerID"), 0);
    EXPECT_EQ(user::PostMessageA(1, user::WM_KEYDOWN, 0x27, 1), 0);
    EXPECT_EQ(user::GetWindowRgn(1, 0), gdi::ERROR);
    EXPECT_EQ(user::GetDC(1), 0u);
}

// The messages, keys and limits keep the values Windows gives them: the
// control posts arrow keys to its container as key-down messages.
TEST(UserFunctions, ConstantsKeepTheirWindowsValues) {
    const std::pair<long long, long long> constants[] = {
        {user::WM_KEYDOWN, 0x0100}, {user::WM_KEYUP, 0x0101}, {user::WM_CHAR, 0x0102},
        {user::WM_TIMER, 0x0113},   {user::VK_SPACE, 32},     {user::VK_LEFT, 37},
        {user::VK_UP, 38},          {user::VK_RIGHT, 39},     {user::VK_DOWN, 40},
        {user::SM_CXSCREEN, 0},     {user::SM_CYSCREEN, 1},   {user::USER_TIMER_MINIMUM, 10},
    };
    for (std::size_t i = 0; i < std::size(constants); ++i)
        EXPECT_EQ(constants[i].first, constants[i].second) << "row " << i;
}

TEST(UserFunctions, ScopedBackEndInstallsAndRestoresNested) {
    headless::HeadlessWindowSystem outer;
    headless::HeadlessWindowSystem inner(800, 600);
    {
        user::ScopedBackend installOuter(&outer);
        EXPECT_EQ(user::GetSystemMetrics(user::SM_CXSCREEN), 1280);
        {
            user::ScopedBackend installInner(&inner);
            EXPECT_EQ(user::GetBackend(), &inner);
            EXPECT_EQ(user::GetSystemMetrics(user::SM_CXSCREEN), 800);
            EXPECT_EQ(user::GetSystemMetrics(user::SM_CYSCREEN), 600);
        }
        EXPECT_EQ(user::GetBackend(), &outer);
    }
    EXPECT_EQ(user::GetBackend(), nullptr);
}

TEST(UserFunctions, DestroyingAnInstalledBackEndUninstallsIt) {
    {
        auto system = std::make_unique<headless::HeadlessWindowSystem>();
        user::SetBackend(system.get());
    }
    EXPECT_EQ(user::GetBackend(), nullptr);
}

TEST(UserFunctions, CallsReachTheInstalledBackEnd) {
    headless::HeadlessWindowSystem system;
    user::ScopedBackend install(&system);
    const user::HWND form = system.CreateWindow(0, 100, 50, 300, 200);
    system.SetCursorPos(150, 60);

    user::POINT cursor{};
    ASSERT_TRUE(user::GetCursorPos(&cursor));
    EXPECT_EQ(user::WindowFromPoint(cursor), form);
    ASSERT_TRUE(user::ScreenToClient(form, &cursor));
    EXPECT_EQ(cursor.x, 50);
    EXPECT_EQ(cursor.y, 10);
    EXPECT_EQ(user::TwipsPerPixelX(), 15);
    EXPECT_EQ(user::TwipsPerPixelY(), 15);
}

TEST(UserFunctions, ScreenDeviceContextComesFromTheDrawingLayer) {
    // Without any window system the screen DC still works: it is the drawing layer's.
    const gdi::HDC screen = user::GetDC(0);
    ASSERT_NE(screen, 0u);
    EXPECT_NE(user::ReleaseDC(0, screen), 0);
}

} // namespace
