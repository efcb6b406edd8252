// Window surfaces: what a control draws through GetDC(hwnd) is what a test
// reads back, what the screen shows, and what survives a resize.
#include "platform/headless/HeadlessWindowSystem.h"
#include "platform/window/user.h"

#include <gtest/gtest.h>

namespace {

using headless::HeadlessWindowSystem;

constexpr gdi::COLORREF kWhite = gdi::RGB(255, 255, 255);
constexpr gdi::COLORREF kRed = gdi::RGB(255, 0, 0);
constexpr gdi::COLORREF kBlue = gdi::RGB(0, 0, 255);

void Fill(gdi::HDC dc, int left, int top, int right, int bottom, gdi::COLORREF color) {
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(color);
    const gdi::RECT rect{left, top, right, bottom};
    gdi::FillRect(dc, &rect, brush);
    gdi::DeleteObject(brush);
}

class WindowSurface : public ::testing::Test {
  protected:
    HeadlessWindowSystem system;
    user::ScopedBackend install{&system};
    user::HWND form = system.CreateWindow(0, 0, 0, 100, 60);
    user::HWND button = system.CreateWindow(form, 10, 10, 20, 10);
};

TEST_F(WindowSurface, DrawingThroughTheWindowDcIsReadBack) {
    const gdi::HDC dc = user::GetDC(button);
    ASSERT_NE(dc, 0u);
    EXPECT_EQ(gdi::GetPixel(dc, 0, 0), kWhite); // a new surface is white
    Fill(dc, 0, 0, 5, 5, kRed);
    EXPECT_EQ(gdi::GetPixel(dc, 4, 4), kRed);
    EXPECT_EQ(gdi::GetPixel(dc, 5, 5), kWhite);
    EXPECT_EQ(gdi::GetPixel(dc, 20, 0), gdi::CLR_INVALID); // outside the window
    EXPECT_EQ(user::ReleaseDC(button, dc), 1);

    // The picture stays with the window after the DC is gone.
    const gdi::HDC again = user::GetDC(button);
    EXPECT_EQ(gdi::GetPixel(again, 4, 4), kRed);
    user::ReleaseDC(button, again);
}

TEST_F(WindowSurface, HoldersShareOneDcUntilTheLastRelease) {
    const gdi::DWORD before = gdi::GetGuiResources(gdi::GetCurrentProcess(), gdi::GR_GDIOBJECTS);
    const gdi::HDC held = user::GetDC(button);   // a site keeps this for the control's life
    const gdi::HDC reader = user::GetDC(button); // a test reads through another
    EXPECT_EQ(held, reader);
    Fill(held, 0, 0, 1, 1, kBlue);
    EXPECT_EQ(gdi::GetPixel(reader, 0, 0), kBlue);
    EXPECT_EQ(user::ReleaseDC(button, reader), 1);
    EXPECT_EQ(gdi::GetPixel(held, 0, 0), kBlue); // still usable
    EXPECT_EQ(user::ReleaseDC(button, held), 1);
    EXPECT_EQ(user::ReleaseDC(button, held), 0); // one release too many
    EXPECT_EQ(user::ReleaseDC(form, held), 0);   // a DC of another window
    EXPECT_EQ(gdi::GetGuiResources(gdi::GetCurrentProcess(), gdi::GR_GDIOBJECTS), before);
}

TEST_F(WindowSurface, ResizingKeepsTheOverlapAndWhitensTheRest) {
    const gdi::HDC dc = user::GetDC(button);
    Fill(dc, 0, 0, 20, 10, kRed);
    ASSERT_TRUE(user::MoveWindow(button, 10, 10, 30, 8, 1));
    // The held DC now draws on the new surface.
    EXPECT_EQ(gdi::GetPixel(dc, 19, 7), kRed);
    EXPECT_EQ(gdi::GetPixel(dc, 20, 0), kWhite);
    EXPECT_EQ(gdi::GetPixel(dc, 29, 7), kWhite);
    EXPECT_EQ(gdi::GetPixel(dc, 0, 8), gdi::CLR_INVALID);
    Fill(dc, 25, 0, 30, 1, kBlue);
    EXPECT_EQ(system.ScreenPixel(10 + 25, 10), kBlue);
    user::ReleaseDC(button, dc);
}

TEST_F(WindowSurface, ResizingWithoutAHolderKeepsTheOverlapToo) {
    const gdi::HDC dc = user::GetDC(button);
    Fill(dc, 0, 0, 20, 10, kRed);
    user::ReleaseDC(button, dc);
    user::MoveWindow(button, 10, 10, 25, 12, 0);
    EXPECT_EQ(system.ScreenPixel(10 + 19, 10 + 9), kRed);
    EXPECT_EQ(system.ScreenPixel(10 + 20, 10 + 9), kWhite);
}

TEST_F(WindowSurface, AnEmptyWindowStillHandsOutADc) {
    const gdi::HDC dc = user::GetDC(button);
    ASSERT_TRUE(user::MoveWindow(button, 10, 10, 0, 0, 1));
    Fill(dc, 0, 0, 5, 5, kRed); // draws nowhere, harms nothing
    ASSERT_TRUE(user::MoveWindow(button, 10, 10, 4, 4, 1));
    EXPECT_EQ(gdi::GetPixel(dc, 3, 3), kWhite);
    user::ReleaseDC(button, dc);
}

TEST_F(WindowSurface, ScreenShowsTheTopWindowThroughRegions) {
    const gdi::HDC formDc = user::GetDC(form);
    Fill(formDc, 0, 0, 100, 60, kBlue);
    user::ReleaseDC(form, formDc);
    const gdi::HDC dc = user::GetDC(button);
    Fill(dc, 0, 0, 20, 10, kRed);
    user::ReleaseDC(button, dc);

    EXPECT_EQ(system.ScreenPixel(15, 15), kRed);
    EXPECT_EQ(system.ScreenPixel(9, 15), kBlue);
    EXPECT_EQ(system.ScreenPixel(150, 15), HeadlessWindowSystem::kDesktopColor);
    // Cut the button's left half away: the form shows through there.
    user::SetWindowRgn(button, gdi::CreateRectRgn(10, 0, 20, 10), 1);
    EXPECT_EQ(system.ScreenPixel(15, 15), kBlue);
    EXPECT_EQ(system.ScreenPixel(25, 15), kRed);
}

} // namespace
