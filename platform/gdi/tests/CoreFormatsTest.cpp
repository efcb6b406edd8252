// What the layer does not implement is refused, never drawn some other way;
// and text on monochrome surfaces, which no reference scene covers (glyph
// shapes differ from Windows'), follows the colour rule measured under Wine.
#include "platform/gdi/gdi.h"
#include "platform/gdi/tests/support/PixelArt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

namespace gdi {
namespace {

using namespace testing; // Canvas, Legend, MatchesArt and the kOdd pre-fill

// A 1-bpp DIB section with its two colours, selected into its own DC.
class MonoDib {
  public:
    MonoDib(int width, int height, COLORREF zero, COLORREF one) {
        struct {
            BITMAPINFOHEADER header;
            RGBQUAD colors[2];
        } info{};
        info.header = {sizeof(BITMAPINFOHEADER), width, -height, 1, 1, BI_RGB, 0, 0, 0, 0, 0};
        info.colors[0] = {GetBValue(zero), GetGValue(zero), GetRValue(zero), 0};
        info.colors[1] = {GetBValue(one), GetGValue(one), GetRValue(one), 0};
        dc_ = CreateCompatibleDC(0);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, 0, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~MonoDib() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    MonoDib(const MonoDib&) = delete;
    MonoDib& operator=(const MonoDib&) = delete;
    HDC Dc() const { return dc_; }

  private:
    HDC dc_ = 0;
    HBITMAP bitmap_ = 0;
    HGDIOBJ previous_ = 0;
};

std::vector<COLORREF> PixelsOf(HDC dc, int width, int height) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    return pixels;
}

HBITMAP DibSection(WORD bitCount, DWORD compression = BI_RGB, UINT usage = DIB_RGB_COLORS,
                   DWORD headerSize = sizeof(BITMAPINFOHEADER)) {
    struct {
        BITMAPINFOHEADER header;
        DWORD masks[3];
    } info{};
    info.header = {headerSize, 4, 4, 1, bitCount, compression, 0, 0, 0, 0, 0};
    info.masks[0] = 0xFF0000;
    info.masks[1] = 0xFF00;
    info.masks[2] = 0xFF;
    void* bits = nullptr;
    return CreateDIBSection(0, reinterpret_cast<BITMAPINFO*>(&info), usage, &bits, 0, 0);
}

// Each row: a call the layer refuses (Windows would make or draw it). The
// call must fail, and a canvas it could draw on must stay as it was.
TEST(Unimplemented, FormatsAndColourFormsFailWithoutDrawing) {
    Canvas colour(4, 4, kOdd);
    MonoDib mono(4, 4, RGB(0, 0, 0), RGB(255, 255, 255));
    Canvas tileCanvas(8, 8, RGB(200, 30, 90));
    const HBRUSH colourPattern = CreatePatternBrush(tileCanvas.Bitmap());
    const HGDIOBJ previousBrush = SelectObject(mono.Dc(), colourPattern);
    Canvas iconImage(4, 4, RGB(0, 0, 0));
    PatBlt(iconImage.Dc(), 0, 0, 2, 4, WHITENESS); // top bytes 0xFF: an alpha channel
    const HBITMAP iconMask = CreateBitmap(4, 4, 1, 1, nullptr);
    ICONINFO iconInfo{TRUE, 0, 0, iconMask, iconImage.Bitmap()};
    const HICON alphaIcon = CreateIconIndirect(&iconInfo);
    const RECT all{0, 0, 4, 4};
    const HRGN region = CreateRectRgn(0, 0, 4, 4);
    const std::vector<COLORREF> colourBefore = PixelsOf(colour.Dc(), 4, 4);
    const std::vector<COLORREF> monoBefore = PixelsOf(mono.Dc(), 4, 4);
    const DWORD objectsBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);

    const struct {
        const char* what;
        std::function<bool()> fails;
    } rows[] = {
        {"CreateBitmap 8 bpp", [] { return CreateBitmap(4, 4, 1, 8, nullptr) == 0; }},
        {"CreateBitmap 24 bpp", [] { return CreateBitmap(4, 4, 1, 24, nullptr) == 0; }},
        {"CreateDIBSection 4 bpp", [] { return DibSection(4) == 0; }},
        {"CreateDIBSection 8 bpp", [] { return DibSection(8) == 0; }},
        {"CreateDIBSection 16 bpp", [] { return DibSection(16) == 0; }},
        {"CreateDIBSection 24 bpp", [] { return DibSection(24) == 0; }},
        {"CreateDIBSection BI_BITFIELDS", [] { return DibSection(32, BI_BITFIELDS) == 0; }},
        {"CreateDIBSection BI_RLE8", [] { return DibSection(8, BI_RLE8) == 0; }},
        {"CreateDIBSection DIB_PAL_COLORS", [] { return DibSection(32, BI_RGB, DIB_PAL_COLORS) == 0; }},
        {"CreateDIBSection short header", [] { return DibSection(32, BI_RGB, DIB_RGB_COLORS, 12) == 0; }},
        {"CopyImage LR_MONOCHROME",
         [&] { return CopyImage(colour.Bitmap(), IMAGE_BITMAP, 0, 0, LR_MONOCHROME) == 0; }},
        {"CreateSolidBrush PALETTEINDEX", [] { return CreateSolidBrush(PALETTEINDEX(5)) == 0; }},
        {"CreateSolidBrush DIBINDEX", [] { return CreateSolidBrush(DIBINDEX(1)) == 0; }},
        {"CreatePen palette index", [] { return CreatePen(PS_SOLID, 1, 0x03123456) == 0; }},
        {"SetPixel PALETTEINDEX",
         [&] { return SetPixel(colour.Dc(), 1, 1, PALETTEINDEX(1)) == CLR_INVALID; }},
        {"SetTextColor DIBINDEX",
         [&] {
             return SetTextColor(colour.Dc(), DIBINDEX(0)) == CLR_INVALID && GetTextColor(colour.Dc()) == 0;
         }},
        {"SetBkColor CLR_INVALID",
         [&] {
             return SetBkColor(colour.Dc(), CLR_INVALID) == CLR_INVALID &&
                    GetBkColor(colour.Dc()) == RGB(255, 255, 255);
         }},
        {"PatBlt colour pattern on monochrome", [&] { return !PatBlt(mono.Dc(), 0, 0, 4, 4, PATCOPY); }},
        {"BitBlt MERGECOPY colour pattern on monochrome",
         [&] { return !BitBlt(mono.Dc(), 0, 0, 4, 4, colour.Dc(), 0, 0, MERGECOPY); }},
        {"FillRect colour pattern on monochrome",
         [&] { return FillRect(mono.Dc(), &all, colourPattern) == 0; }},
        {"FillRgn colour pattern on monochrome", [&] { return !FillRgn(mono.Dc(), region, colourPattern); }},
        {"Rectangle colour pattern on monochrome", [&] { return !Rectangle(mono.Dc(), 0, 0, 4, 4); }},
        {"StretchBlt HALFTONE onto a 1-bpp DIB section",
         [&] {
             SetStretchBltMode(mono.Dc(), HALFTONE);
             return !StretchBlt(mono.Dc(), 0, 0, 4, 4, colour.Dc(), 0, 0, 2, 2, SRCCOPY);
         }},
        {"DrawIconEx image with alpha",
         [&] { return !DrawIconEx(colour.Dc(), 0, 0, alphaIcon, 4, 4, 0, 0, DI_NORMAL); }},
    };
    for (const auto& row : rows)
        EXPECT_TRUE(row.fails()) << row.what;
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objectsBefore)
        << "a refused call made an object";
    EXPECT_EQ(PixelsOf(colour.Dc(), 4, 4), colourBefore);
    EXPECT_EQ(PixelsOf(mono.Dc(), 4, 4), monoBefore);

    DestroyIcon(alphaIcon);
    DeleteObject(iconMask);
    DeleteObject(region);
    SelectObject(mono.Dc(), previousBrush);
    DeleteObject(colourPattern);
}

// Text on monochrome surfaces, measured under Wine (the same rule as pens):
// a text colour equal to a table entry takes it, one equal to the background
// colour takes the background's nearest entry, any other the other entry;
// the opaque box takes the background's entry when it is a table colour, the
// entry the text does not take when the text colour is one, else the
// background's nearest entry. Ink pixels are found by drawing the same text
// on a colour canvas.
TEST(MonochromeText, InkAndBoxFollowWindowsColourRule) {
    constexpr COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255), rose = RGB(200, 30, 90),
                       leaf = RGB(20, 240, 60), grey = RGB(128, 128, 128), darkGrey = RGB(127, 127, 127);
    const struct {
        bool dibSection;
        COLORREF zero, one, text, background, ink, box;
    } rows[] = {
        {false, black, white, grey, white, black, white},
        {false, black, white, black, darkGrey, black, white},
        {true, rose, leaf, rose, white, rose, leaf},
        {true, rose, leaf, white, black, leaf, rose},
        {true, rose, leaf, grey, grey, rose, rose},
        {true, white, black, darkGrey, grey, black, white},
        {true, white, black, black, grey, black, white},
    };
    // Canvases of the text's size, so that the opaque box covers them.
    SIZE size{};
    {
        Canvas measure(1, 1, white);
        ASSERT_TRUE(GetTextExtentPoint32A(measure.Dc(), "WM", 2, &size));
    }
    const int kWidth = size.cx, kHeight = size.cy;
    Canvas reference(kWidth, kHeight, white);
    SetTextColor(reference.Dc(), black);
    TextOutA(reference.Dc(), 0, 0, "WM", 2);
    const std::vector<COLORREF> inkMap = PixelsOf(reference.Dc(), kWidth, kHeight);
    ASSERT_NE(std::count(inkMap.begin(), inkMap.end(), black), 0);
    ASSERT_NE(std::count(inkMap.begin(), inkMap.end(), white), 0);
    for (const auto& row : rows) {
        MonoDib dib(kWidth, kHeight, row.zero, row.one);
        const HDC ddbDc = CreateCompatibleDC(0);
        const HBITMAP ddb = CreateBitmap(kWidth, kHeight, 1, 1, nullptr);
        const HGDIOBJ previous = SelectObject(ddbDc, ddb);
        const HDC dc = row.dibSection ? dib.Dc() : ddbDc;
        SetTextColor(dc, row.text);
        SetBkColor(dc, row.background);
        TextOutA(dc, 0, 0, "WM", 2);
        const std::vector<COLORREF> drawn = PixelsOf(dc, kWidth, kHeight);
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            const COLORREF expected = inkMap[i] == black ? row.ink : row.box;
            if (drawn[i] != expected) {
                ADD_FAILURE() << "text " << std::hex << row.text << " on " << row.background << " with table "
                              << row.zero << "/" << row.one << ": pixel " << std::dec << i << " is "
                              << std::hex << drawn[i] << ", expected " << expected;
                break;
            }
        }
        SelectObject(ddbDc, previous);
        DeleteObject(ddb);
        DeleteDC(ddbDc);
    }
}

} // namespace
} // namespace gdi
