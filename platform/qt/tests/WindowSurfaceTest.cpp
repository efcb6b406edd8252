#include "platform/window/WindowSurface.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowSurface, ResizingKeepsTheOverlapAndWhitensTheRest) {
    user::WindowSurface surface;
    surface.Resize(4, 3);
    const gdi::HDC dc = surface.AcquireDC();
    ASSERT_NE(dc, 0u);
    gdi::SetPixel(dc, 1, 1, gdi::RGB(1, 2, 3));
    gdi::SetPixel(dc, 3, 2, gdi::RGB(4, 5, 6)); // cut off by the shrink below
    surface.Resize(6, 2);
    EXPECT_EQ(surface.Pixel(1, 1), gdi::RGB(1, 2, 3));
    EXPECT_EQ(surface.Pixel(5, 1), gdi::RGB(255, 255, 255));
    EXPECT_EQ(surface.Pixel(3, 2), gdi::CLR_INVALID);
    // The DC that was held draws on the new pixels, read the same through both paths.
    gdi::SetPixel(dc, 5, 0, gdi::RGB(200, 100, 50));
    EXPECT_EQ(surface.Pixel(5, 0), gdi::RGB(200, 100, 50));
    EXPECT_EQ(gdi::GetPixel(dc, 1, 1), gdi::RGB(1, 2, 3));
    EXPECT_EQ(surface.Bits()[5], 0x00C86432u); // 0x00RRGGBB
    EXPECT_TRUE(surface.ReleaseDC(dc));
}

TEST(WindowSurface, AnEmptySurfaceHasNoPixelsButItsDcStillWorks) {
    const gdi::DWORD objectsBefore = gdi::GetGuiResources(gdi::GetCurrentProcess(), gdi::GR_GDIOBJECTS);
    {
        user::WindowSurface surface;
        surface.Resize(3, 3);
        const gdi::HDC dc = surface.AcquireDC();
        surface.Resize(0, 5);
        EXPECT_EQ(surface.Bits(), nullptr);
        EXPECT_EQ(surface.Width(), 0);
        EXPECT_NE(gdi::GetObjectType(dc), 0u); // still a DC
        surface.Resize(2, 2);
        EXPECT_EQ(surface.Pixel(0, 0), gdi::RGB(255, 255, 255));
        EXPECT_FALSE(surface.ReleaseDC(dc + 1));
        // Still held: the surface deletes the DC itself.
    }
    EXPECT_EQ(gdi::GetGuiResources(gdi::GetCurrentProcess(), gdi::GR_GDIOBJECTS), objectsBefore);
}

} // namespace
