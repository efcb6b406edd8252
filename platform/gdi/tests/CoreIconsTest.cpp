// Icons: the mask clears (SRCAND), the image is XORed in (SRCINVERT), the
// icon keeps copies of its bitmaps and hands out copies again.
#include "platform/gdi/gdi.h"
#include "platform/gdi/tests/support/PixelArt.h"

#include <gtest/gtest.h>

namespace gdi {
namespace {

using testing::Legend;
using testing::MatchesArt;

constexpr COLORREF kBack = RGB(200, 200, 200), kRed = RGB(255, 0, 0);
const Legend kLegend{{'.', kBack},
                     {'r', kRed},
                     {'k', RGB(0, 0, 0)},
                     {'w', RGB(255, 255, 255)},
                     {'x', RGB(200 ^ 255, 200 ^ 0, 200 ^ 0)},
                     {'i', RGB(55, 55, 55)}};

// mask: 1 = transparent; colour: what shows where the mask is 0 (and what is
// XORed where it is 1, so a non-black pixel under mask 1 inverts the screen).
HICON MakeIcon(const std::vector<std::string>& mask, const std::vector<std::string>& colour) {
    testing::Canvas image(4, 3, RGB(0, 0, 0));
    testing::PaintArt(image.Dc(), colour, kLegend);
    HBITMAP maskBitmap = CreateBitmap(4, 3, 1, 1, nullptr);
    HDC dc = CreateCompatibleDC(0);
    HGDIOBJ old = SelectObject(dc, maskBitmap);
    testing::PaintArt(dc, mask, Legend{{'1', RGB(255, 255, 255)}, {'0', RGB(0, 0, 0)}});
    SelectObject(dc, old);
    DeleteDC(dc);
    ICONINFO info{TRUE, 0, 0, maskBitmap, image.Bitmap()};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(maskBitmap); // the icon has its own copies
    return icon;
}

TEST(Icons, DrawIconExNormalMasksThenInverts) {
    HICON icon = MakeIcon({"1001", "0000", "1111"}, {"krrk", "rrrr", "kkkw"});
    ASSERT_NE(icon, 0u);
    testing::Canvas canvas(6, 4, kBack);
    SetTextColor(canvas.Dc(), RGB(0, 255, 0)); // the DC's colours do not tint the mask
    SetBkColor(canvas.Dc(), RGB(0, 0, 255));
    ASSERT_TRUE(DrawIconEx(canvas.Dc(), 1, 0, icon, 0, 0, 0, 0, DI_NORMAL));
    EXPECT_TRUE(MatchesArt(canvas.Dc(),
                           {
                               "..rr..",
                               ".rrrr.",
                               "....i.",
                               "......",
                           },
                           kLegend));
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DestroyIcon(icon));
    EXPECT_FALSE(DrawIconEx(canvas.Dc(), 0, 0, icon, 0, 0, 0, 0, DI_NORMAL));
}

TEST(Icons, DrawIconExStretchesAndFlickerBrushFillsFirst) {
    HICON icon = MakeIcon({"1001", "0000", "1111"}, {"krrk", "rrrr", "kkkk"});
    testing::Canvas canvas(8, 6, kBack);
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    ASSERT_TRUE(DrawIconEx(canvas.Dc(), 0, 0, icon, 8, 6, 0, white, DI_NORMAL));
    EXPECT_TRUE(MatchesArt(canvas.Dc(),
                           {
                               "wwrrrrww",
                               "wwrrrrww",
                               "rrrrrrrr",
                               "rrrrrrrr",
                               "wwwwwwww",
                               "wwwwwwww",
                           },
                           kLegend));
    DeleteObject(white);
    DestroyIcon(icon);
}

TEST(Icons, GetIconInfoReturnsFreshCopies) {
    const DWORD start = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    HICON icon = MakeIcon({"1001", "0000", "1111"}, {"krrk", "rrrr", "kkkk"});
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), start);
    ICONINFO first{}, second{};
    ASSERT_TRUE(GetIconInfo(icon, &first));
    ASSERT_TRUE(GetIconInfo(icon, &second));
    EXPECT_NE(first.hbmColor, second.hbmColor);
    EXPECT_TRUE(first.fIcon);
    BITMAP mask{}, colour{};
    GetObjectA(first.hbmMask, sizeof mask, &mask);
    GetObjectA(first.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(mask.bmBitsPixel, 1);
    EXPECT_EQ(colour.bmBitsPixel, 32);
    EXPECT_EQ(colour.bmWidth, 4);
    EXPECT_EQ(colour.bmHeight, 3);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), start + 4);
    for (HBITMAP bitmap : {first.hbmMask, first.hbmColor, second.hbmMask, second.hbmColor})
        DeleteObject(bitmap);
    DestroyIcon(icon);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), start);
    EXPECT_FALSE(GetIconInfo(icon, &first));
    EXPECT_EQ(CreateIconIndirect(nullptr), 0u);
    ICONINFO bad{TRUE, 0, 0, 0xBAD, 0};
    EXPECT_EQ(CreateIconIndirect(&bad), 0u);
}

TEST(Icons, MonochromeIconKeepsItsImageBelowTheMask) {
    HBITMAP maskBitmap = CreateBitmap(2, 4, 1, 1, nullptr);
    HDC dc = CreateCompatibleDC(0);
    HGDIOBJ old = SelectObject(dc, maskBitmap);
    // Top half AND mask, bottom half XOR image.
    testing::PaintArt(dc, {"10", "01", "10", "00"}, Legend{{'1', RGB(255, 255, 255)}, {'0', RGB(0, 0, 0)}});
    SelectObject(dc, old);
    DeleteDC(dc);
    ICONINFO info{TRUE, 0, 0, maskBitmap, 0};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(maskBitmap);
    ASSERT_NE(icon, 0u);
    testing::Canvas canvas(2, 2, kBack);
    ASSERT_TRUE(DrawIconEx(canvas.Dc(), 0, 0, icon, 0, 0, 0, 0, DI_NORMAL));
    // (0,0): screen XOR white; (1,0): black; (0,1): black; (1,1): screen.
    const Legend legend{{'.', kBack}, {'k', RGB(0, 0, 0)}, {'n', RGB(55, 55, 55)}};
    EXPECT_TRUE(MatchesArt(canvas.Dc(), {"nk", "k."}, legend));
    DestroyIcon(icon);
}

} // namespace
} // namespace gdi
