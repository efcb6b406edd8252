// The window functions over user32, on real windows under Wine.
#include "platform/win32/tests/Win32Stage.h"

#include "platform/win32/Native.h"

#include <gtest/gtest.h>

namespace win32_testing {

bool PumpUntil(const std::function<bool()>& done) {
    const DWORD deadline = GetTickCount() + 2000;
    while (!done()) {
        const DWORD now = GetTickCount();
        if (static_cast<int>(deadline - now) <= 0)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, deadline - now, QS_ALLINPUT);
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return true;
}

} // namespace win32_testing

namespace {

using win32_testing::Win32Stage;
using win32platform::FromNative;
using win32platform::ToNative;

struct WindowSystemTest : ::testing::Test {
    Win32Stage stage;
    win32platform::Win32ControlSite site{stage.form, "Site1", 10, 20, 80, 40};
    user::HWND child = site.HWnd();
    user::HWND form = stage.form.HWnd();
};

TEST_F(WindowSystemTest, TreeAndGeometry) {
    EXPECT_EQ(user::GetParent(child), form);
    EXPECT_EQ(user::GetParent(form), 0u);
    EXPECT_TRUE(user::IsWindow(child));
    EXPECT_FALSE(user::IsWindow(0));

    user::POINT childOrigin{0, 0};
    user::POINT inForm{10, 20};
    ASSERT_TRUE(user::ClientToScreen(child, &childOrigin));
    ASSERT_TRUE(user::ClientToScreen(form, &inForm));
    EXPECT_EQ(childOrigin.x, inForm.x);
    EXPECT_EQ(childOrigin.y, inForm.y);
    user::POINT back = childOrigin;
    ASSERT_TRUE(user::ScreenToClient(form, &back));
    EXPECT_EQ(back.x, 10);
    EXPECT_EQ(back.y, 20);

    user::RECT window{};
    ASSERT_TRUE(user::GetWindowRect(child, &window));
    EXPECT_EQ(window.left, childOrigin.x);
    EXPECT_EQ(window.bottom, childOrigin.y + 40);

    // Moving resizes the window's surface before the site hears of it.
    ASSERT_TRUE(user::MoveWindow(child, 30, 40, 50, 60, 1));
    user::RECT client{};
    ASSERT_TRUE(user::GetClientRect(child, &client));
    EXPECT_EQ(client.right, 50);
    EXPECT_EQ(client.bottom, 60);
    ASSERT_NE(stage.system.Surface(child), nullptr);
    EXPECT_EQ(stage.system.Surface(child)->Width(), 50);
    EXPECT_EQ(stage.system.Surface(child)->Height(), 60);
    EXPECT_EQ(site.ScaleHeight(), 60.0f);
    EXPECT_EQ(user::TwipsPerPixelX(), 15); // the prefix's 96 dots per inch
}

TEST_F(WindowSystemTest, RegionsTravelAsRectangleLists) {
    user::POINT centre{40, 20};
    user::POINT corner{1, 1};
    user::ClientToScreen(child, &centre);
    user::ClientToScreen(child, &corner);
    EXPECT_EQ(user::WindowFromPoint(corner), child);

    const gdi::DWORD objectsBefore = gdi::GetGuiResources(0, GR_GDIOBJECTS);
    const gdi::HRGN ellipse = gdi::CreateEllipticRgn(0, 0, 80, 40);
    ASSERT_NE(user::SetWindowRgn(child, ellipse, 1), 0);
    // The window took the region: the drawing layer's handle is gone.
    EXPECT_EQ(gdi::GetGuiResources(0, GR_GDIOBJECTS), objectsBefore);
    EXPECT_EQ(user::WindowFromPoint(centre), child);
    EXPECT_EQ(user::WindowFromPoint(corner), form);

    const gdi::HRGN copy = gdi::CreateRectRgn(0, 0, 0, 0);
    const gdi::HRGN expected = gdi::CreateEllipticRgn(0, 0, 80, 40);
    EXPECT_EQ(user::GetWindowRgn(child, copy), COMPLEXREGION);
    // The same pixels, compared as such: EqualRgn compares rectangle lists, and
    // under Wine a fresh elliptic region keeps equal neighbouring rows as
    // separate rectangles (39 of them at 80 x 40) where the copy, rebuilt by
    // union, joins them (31).
    const gdi::HRGN difference = gdi::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(gdi::CombineRgn(difference, copy, expected, RGN_XOR), NULLREGION);
    gdi::DeleteObject(difference);

    ASSERT_NE(user::SetWindowRgn(child, 0, 1), 0);
    EXPECT_EQ(user::GetWindowRgn(child, copy), ERROR);
    EXPECT_EQ(user::WindowFromPoint(corner), child);
    gdi::DeleteObject(copy);
    gdi::DeleteObject(expected);
}

TEST_F(WindowSystemTest, NamedPropertiesIgnoreCase) {
    ASSERT_TRUE(user::SetPropA(child, "zt_ClassID", 1234));
    EXPECT_EQ(user::GetPropA(child, "ZT_CLASSID"), 1234);
    EXPECT_EQ(user::RemovePropA(child, "zt_classid"), 1234);
    EXPECT_EQ(user::GetPropA(child, "zt_ClassID"), 0);
}

TEST_F(WindowSystemTest, CaptureAndPostedKeys) {
    EXPECT_EQ(user::SetCapture(child), 0u);
    EXPECT_EQ(user::GetCapture(), child);
    EXPECT_EQ(user::SetCapture(form), child);
    EXPECT_TRUE(user::ReleaseCapture());
    EXPECT_EQ(user::GetCapture(), 0u);

    ASSERT_TRUE(user::PostMessageA(child, WM_KEYDOWN, VK_SPACE, 0x00390001));
    MSG posted{};
    ASSERT_TRUE(PeekMessageW(&posted, ToNative(child), WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
    EXPECT_EQ(posted.wParam, static_cast<WPARAM>(VK_SPACE));
    EXPECT_EQ(posted.lParam, 0x00390001);
}

struct TimerCall {
    user::HWND hwnd;
    user::UINT message;
    user::UINT_PTR id;
};
std::vector<TimerCall> timerCalls;
void RecordTimer(user::HWND hwnd, user::UINT message, user::UINT_PTR id, user::DWORD) {
    timerCalls.push_back({hwnd, message, id});
}

TEST_F(WindowSystemTest, TimersRunOurCallbacks) {
    timerCalls.clear();
    ASSERT_EQ(user::SetTimer(child, 7, 10, RecordTimer), 7u);
    const user::UINT_PTR threadTimer = user::SetTimer(0, 0, 10, RecordTimer);
    ASSERT_NE(threadTimer, 0u);
    const auto ranBoth = [&] {
        bool window = false, thread = false;
        for (const TimerCall& call : timerCalls) {
            window |= call.hwnd == child && call.id == 7 && call.message == WM_TIMER;
            thread |= call.hwnd == 0 && call.id == threadTimer;
        }
        return window && thread;
    };
    EXPECT_TRUE(win32_testing::PumpUntil(ranBoth));

    EXPECT_TRUE(user::KillTimer(child, 7));
    EXPECT_TRUE(user::KillTimer(0, threadTimer));
    EXPECT_FALSE(stage.system.HasTimer(child, 7));
    EXPECT_FALSE(user::KillTimer(child, 7));
    // A WM_TIMER sent to the site runs nothing once the timer is gone.
    timerCalls.clear();
    SendMessageW(ToNative(child), WM_TIMER, 7, 0);
    EXPECT_TRUE(timerCalls.empty());
}

} // namespace
