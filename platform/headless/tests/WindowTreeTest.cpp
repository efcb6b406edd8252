// The window tree through the window functions: geometry, hit testing with
// regions and stacking, capture, named properties, posted messages and
// window-region ownership.
#include "platform/headless/HeadlessWindowSystem.h"
#include "platform/window/user.h"

#include <gtest/gtest.h>

namespace {

using headless::HeadlessWindowSystem;

gdi::DWORD LiveGdiObjects() {
    return gdi::GetGuiResources(gdi::GetCurrentProcess(), gdi::GR_GDIOBJECTS);
}

class WindowTree : public ::testing::Test {
  protected:
    HeadlessWindowSystem system;
    user::ScopedBackend install{&system};
    // A form at (100, 50) of 300 x 200 with a button at (10, 20) of 80 x 30 on it.
    user::HWND form = system.CreateWindow(0, 100, 50, 300, 200);
    user::HWND button = system.CreateWindow(form, 10, 20, 80, 30);

    user::HWND At(int x, int y) { return user::WindowFromPoint({x, y}); }
};

TEST_F(WindowTree, ChildPositionsAreRelativeToTheParent) {
    user::RECT rect{};
    ASSERT_TRUE(user::GetWindowRect(button, &rect));
    EXPECT_EQ(rect.left, 110);
    EXPECT_EQ(rect.top, 70);
    EXPECT_EQ(rect.right, 190);
    EXPECT_EQ(rect.bottom, 100);
    ASSERT_TRUE(user::GetClientRect(button, &rect));
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.right, 80);
    EXPECT_EQ(rect.bottom, 30);

    user::POINT point{115, 72};
    ASSERT_TRUE(user::ScreenToClient(button, &point));
    EXPECT_EQ(point.x, 5);
    EXPECT_EQ(point.y, 2);
    ASSERT_TRUE(user::ClientToScreen(button, &point));
    EXPECT_EQ(point.x, 115);
    EXPECT_EQ(point.y, 72);
    EXPECT_EQ(user::GetParent(button), form);
}

TEST_F(WindowTree, MovingTheParentCarriesTheChild) {
    ASSERT_TRUE(user::MoveWindow(form, 0, 0, 300, 200, 1));
    user::RECT rect{};
    user::GetWindowRect(button, &rect);
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.top, 20);
}

TEST_F(WindowTree, MoveWindowTakesParentClientCoordinatesAndKeepsSize) {
    // The one-pixel click shift: read, convert to the container, move by (1, 1).
    user::RECT rect{};
    user::GetWindowRect(button, &rect);
    user::POINT topLeft{rect.left, rect.top};
    user::ScreenToClient(form, &topLeft);
    ASSERT_TRUE(user::MoveWindow(button, topLeft.x + 1, topLeft.y + 1, rect.right - rect.left,
                                 rect.bottom - rect.top, 1));
    user::RECT moved{};
    user::GetWindowRect(button, &moved);
    EXPECT_EQ(moved.left, 111);
    EXPECT_EQ(moved.top, 71);
    EXPECT_EQ(moved.right - moved.left, 80);
    EXPECT_EQ(moved.bottom - moved.top, 30);
    EXPECT_TRUE(system.IsInvalidated(button));
}

TEST_F(WindowTree, WindowFromPointFindsTheDeepestWindow) {
    EXPECT_EQ(At(110, 70), button); // top-left pixel of the button
    EXPECT_EQ(At(189, 99), button); // bottom-right pixel
    EXPECT_EQ(At(190, 99), form);   // right edge excluded
    EXPECT_EQ(At(109, 70), form);
    EXPECT_EQ(At(399, 249), form);
    EXPECT_EQ(At(400, 250), 0u); // the desktop
}

TEST_F(WindowTree, WindowFromPointHonoursStacking) {
    const user::HWND cover = system.CreateWindow(form, 50, 20, 80, 30); // newest is on top
    EXPECT_EQ(At(160, 80), cover);
    EXPECT_EQ(At(120, 80), button);
    ASSERT_TRUE(system.BringWindowToTop(button));
    EXPECT_EQ(At(160, 80), button);
    EXPECT_EQ(At(185, 80), button);
    EXPECT_EQ(At(195, 80), cover);
    system.ShowWindow(button, false);
    EXPECT_EQ(At(160, 80), cover);
    EXPECT_EQ(At(120, 80), form);
}

TEST_F(WindowTree, ChildrenAreClippedToTheirParent) {
    const user::HWND overhanging = system.CreateWindow(form, 280, 180, 50, 50);
    EXPECT_EQ(At(385, 235), overhanging);
    EXPECT_EQ(At(405, 255), 0u); // outside the form: the child is not there
}

TEST_F(WindowTree, WindowFromPointHonoursWindowRegions) {
    // An ellipse button: the corners belong to the form behind it.
    ASSERT_TRUE(user::SetWindowRgn(button, gdi::CreateEllipticRgn(0, 0, 80, 30), 1));
    EXPECT_EQ(At(150, 85), button); // centre
    EXPECT_EQ(At(110, 70), form);   // corner outside the ellipse
    EXPECT_EQ(At(189, 99), form);

    // A region with a hole lets the point through to what lies below.
    const gdi::HRGN ring = gdi::CreateRectRgn(0, 0, 80, 30);
    const gdi::HRGN hole = gdi::CreateRectRgn(30, 10, 50, 20);
    gdi::CombineRgn(ring, ring, hole, gdi::RGN_DIFF);
    gdi::DeleteObject(hole);
    user::SetWindowRgn(button, ring, 1);
    EXPECT_EQ(At(112, 72), button);
    EXPECT_EQ(At(145, 85), form);

    // Region 0 gives the window back its full rectangle.
    user::SetWindowRgn(button, 0, 1);
    EXPECT_EQ(At(145, 85), button);
    EXPECT_EQ(At(110, 70), button);
}

TEST_F(WindowTree, ARegionOfTheParentHidesItsChildren) {
    user::SetWindowRgn(form, gdi::CreateRectRgn(0, 0, 40, 200), 1);
    EXPECT_EQ(At(112, 72), button); // inside the form's region
    EXPECT_EQ(At(150, 80), 0u);     // the button is there, but its parent is cut away
}

TEST_F(WindowTree, WindowRegionIsOwnedAndCopiedOut) {
    const gdi::DWORD before = LiveGdiObjects();
    const gdi::HRGN first = gdi::CreateEllipticRgn(0, 0, 80, 30);
    ASSERT_TRUE(user::SetWindowRgn(button, first, 1));
    EXPECT_EQ(LiveGdiObjects(), before + 1);

    // Replacing the region deletes the old one.
    ASSERT_TRUE(user::SetWindowRgn(button, gdi::CreateRectRgn(0, 0, 40, 30), 1));
    EXPECT_EQ(LiveGdiObjects(), before + 1);
    EXPECT_EQ(gdi::GetObjectType(first), 0u);

    // GetWindowRgn copies into the caller's region, which stays the caller's.
    const gdi::HRGN copy = gdi::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(user::GetWindowRgn(button, copy), gdi::SIMPLEREGION);
    gdi::RECT box{};
    gdi::GetRgnBox(copy, &box);
    EXPECT_EQ(box.right, 40);
    EXPECT_EQ(box.bottom, 30);
    gdi::DeleteObject(copy);

    // Destroying the window deletes its region.
    system.DestroyWindow(button);
    EXPECT_EQ(LiveGdiObjects(), before - 1); // its region and its surface are gone
}

TEST_F(WindowTree, GetWindowRgnWithoutARegionIsAnError) {
    const gdi::HRGN copy = gdi::CreateRectRgn(0, 0, 5, 5);
    EXPECT_EQ(user::GetWindowRgn(button, copy), gdi::ERROR);
    EXPECT_EQ(user::GetWindowRgn(0xDEAD, copy), gdi::ERROR);
    gdi::DeleteObject(copy);
}

TEST_F(WindowTree, SetWindowRgnRefusesWhatIsNotARegion) {
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(gdi::RGB(1, 2, 3));
    EXPECT_EQ(user::SetWindowRgn(button, brush, 1), 0);
    EXPECT_NE(gdi::GetObjectType(brush), 0u); // the caller still owns it
    gdi::DeleteObject(brush);
    EXPECT_EQ(user::SetWindowRgn(0xDEAD, 0, 1), 0);
}

TEST_F(WindowTree, CaptureFollowsSetAndReleaseAndEndsWithTheWindow) {
    EXPECT_EQ(user::GetCapture(), 0u);
    EXPECT_EQ(user::SetCapture(button), 0u);
    EXPECT_EQ(user::GetCapture(), button);
    EXPECT_EQ(user::SetCapture(form), button); // returns the previous holder
    EXPECT_TRUE(user::ReleaseCapture());
    EXPECT_EQ(user::GetCapture(), 0u);
    EXPECT_EQ(user::SetCapture(0xDEAD), 0u);
    EXPECT_EQ(user::GetCapture(), 0u);

    user::SetCapture(button);
    system.DestroyWindow(form);
    EXPECT_EQ(user::GetCapture(), 0u);
}

TEST_F(WindowTree, CaptureDoesNotChangeWhatLiesUnderThePoint) {
    user::SetCapture(button);
    EXPECT_EQ(At(300, 200), form);
}

TEST_F(WindowTree, VirtualCursorIsWhatGetCursorPosReports) {
    system.SetCursorPos(123, 77);
    user::POINT cursor{};
    ASSERT_TRUE(user::GetCursorPos(&cursor));
    EXPECT_EQ(cursor.x, 123);
    EXPECT_EQ(cursor.y, 77);
    EXPECT_EQ(user::GetCursorPos(nullptr), 0);
}

TEST_F(WindowTree, NamedPropertiesArePerWindowAndAbsentReadsZero) {
    int control = 0;
    const auto address = reinterpret_cast<user::HANDLE>(&control);
    ASSERT_TRUE(user::SetPropA(button, "zt_ClassID", address));
    ASSERT_TRUE(user::SetPropA(button, "zt_TimerID", 237));
    EXPECT_EQ(user::GetPropA(button, "zt_ClassID"), address);
    EXPECT_EQ(user::GetPropA(button, "ZT_TIMERID"), 237); // names are atoms: case does not matter
    EXPECT_EQ(user::GetPropA(form, "zt_TimerID"), 0);     // another window
    EXPECT_EQ(user::GetPropA(button, "zt_Obj1"), 0);

    ASSERT_TRUE(user::SetPropA(button, "zt_TimerID", 238)); // overwriting
    EXPECT_EQ(user::GetPropA(button, "zt_TimerID"), 238);
    EXPECT_EQ(user::RemovePropA(button, "zt_TimerID"), 238);
    EXPECT_EQ(user::GetPropA(button, "zt_TimerID"), 0);
    EXPECT_EQ(user::RemovePropA(button, "zt_TimerID"), 0);
    EXPECT_EQ(user::SetPropA(button, nullptr, 1), 0);
}

TEST_F(WindowTree, PropertiesGoWithTheWindow) {
    user::SetPropA(button, "zt_TimerID", 237);
    system.DestroyWindow(button);
    EXPECT_EQ(user::GetPropA(button, "zt_TimerID"), 0);
    EXPECT_EQ(user::SetPropA(button, "zt_TimerID", 237), 0);
}

TEST_F(WindowTree, PostedKeyDownMessagesQueueInOrder) {
    // The arrow-key forwarding: right, then up, each with its scan code and a repeat count of 1.
    ASSERT_TRUE(user::PostMessageA(form, user::WM_KEYDOWN, user::VK_RIGHT, 0x004D0001));
    ASSERT_TRUE(user::PostMessageA(form, user::WM_KEYDOWN, user::VK_UP, 0x00480001));
    EXPECT_EQ(user::PostMessageA(0xDEAD, user::WM_KEYDOWN, user::VK_UP, 0), 0);

    ASSERT_EQ(system.PostedMessages().size(), 2u);
    const auto messages = system.TakePostedMessages();
    EXPECT_TRUE(system.PostedMessages().empty());
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].hwnd, form);
    EXPECT_EQ(messages[0].message, 0x0100u);
    EXPECT_EQ(messages[0].wParam, 0x27u);
    EXPECT_EQ(messages[0].lParam, 0x004D0001);
    EXPECT_EQ(messages[1].wParam, 0x26u);
    EXPECT_EQ(messages[1].lParam, 0x00480001);
}

TEST_F(WindowTree, MessagesForADestroyedWindowAreDropped) {
    user::PostMessageA(button, user::WM_KEYDOWN, user::VK_DOWN, 0x00500001);
    user::PostMessageA(form, user::WM_KEYDOWN, user::VK_LEFT, 0x004B0001);
    system.DestroyWindow(button);
    ASSERT_EQ(system.PostedMessages().size(), 1u);
    EXPECT_EQ(system.PostedMessages().front().hwnd, form);
}

TEST_F(WindowTree, DestroyingAParentDestroysItsChildren) {
    const user::HWND grandchild = system.CreateWindow(button, 1, 1, 5, 5);
    EXPECT_EQ(system.Children(form), std::vector<user::HWND>{button});
    ASSERT_TRUE(system.DestroyWindow(form));
    EXPECT_FALSE(user::IsWindow(form));
    EXPECT_FALSE(user::IsWindow(button));
    EXPECT_FALSE(user::IsWindow(grandchild));
    EXPECT_FALSE(system.DestroyWindow(form));
    EXPECT_TRUE(system.Children(0).empty());
    // Handles are never reused, so a stale handle cannot name a new window.
    const user::HWND fresh = system.CreateWindow(0, 0, 0, 10, 10);
    EXPECT_NE(fresh, form);
    EXPECT_NE(fresh, button);
    EXPECT_NE(fresh, grandchild);
}

TEST_F(WindowTree, CreatingUnderAMissingParentFails) {
    EXPECT_EQ(system.CreateWindow(0xDEAD, 0, 0, 5, 5), 0u);
}

TEST(WindowSystemLifetime, TearingDownReleasesEveryDrawingObject) {
    const gdi::DWORD before = LiveGdiObjects();
    {
        HeadlessWindowSystem system;
        const user::HWND form = system.CreateWindow(0, 0, 0, 100, 100);
        const user::HWND child = system.CreateWindow(form, 0, 0, 10, 10);
        system.SetWindowRgn(child, gdi::CreateEllipticRgn(0, 0, 10, 10), 0);
        system.GetDC(child); // never released by its taker
        system.MoveWindow(child, 0, 0, 20, 20, 1);
        EXPECT_GT(LiveGdiObjects(), before);
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

} // namespace
