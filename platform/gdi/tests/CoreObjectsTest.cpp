// Handles, selection, deletion rules, object counting, bitmaps and the leak
// stress of every create/select/delete pattern the button control uses.
#include "platform/gdi/gdi.h"
#include "platform/gdi/tests/support/PixelArt.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <utility>

namespace gdi {
namespace {

DWORD LiveObjects() {
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

TEST(Objects, CreatedObjectsCountUntilDeletedStockObjectsNever) {
    const DWORD start = LiveObjects();
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    HBRUSH brush = CreateSolidBrush(0);
    HRGN region = CreateRectRgn(0, 0, 2, 2);
    HDC dc = CreateCompatibleDC(0);
    EXPECT_EQ(LiveObjects(), start + 4);
    EXPECT_NE(GetStockObject(WHITE_BRUSH), 0u);
    EXPECT_EQ(LiveObjects(), start + 4);
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN))); // harmless no-op
    EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), OBJ_PEN);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(region));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(LiveObjects(), start);
}

TEST(Objects, TypesAndBadHandles) {
    HPEN pen = CreatePen(PS_DOT, 1, 0);
    HDC dc = CreateCompatibleDC(0);
    HDC screen = GetDC(0);
    EXPECT_EQ(GetObjectType(pen), OBJ_PEN);
    EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);
    EXPECT_EQ(GetObjectType(screen), OBJ_DC);
    EXPECT_EQ(GetObjectType(0), 0u);
    EXPECT_EQ(GetObjectType(0x7FFFFFF0), 0u);
    EXPECT_FALSE(DeleteObject(dc));      // DCs go through DeleteDC
    EXPECT_FALSE(DeleteDC(pen));         // and pens are no DCs
    EXPECT_EQ(SelectObject(dc, dc), 0u); // a DC cannot be selected
    EXPECT_EQ(SelectObject(pen, pen), 0u);
    EXPECT_EQ(SelectObject(dc, 0x7FFFFFF0), 0u);
    EXPECT_EQ(SetBkColor(0x7FFFFFF0, 0), CLR_INVALID);
    EXPECT_EQ(SetBkMode(dc, 7), 0);
    EXPECT_EQ(SetMapMode(dc, 2), 0); // only MM_TEXT is drawn in
    EXPECT_EQ(SetMapMode(dc, MM_TEXT), MM_TEXT);
    EXPECT_EQ(ReleaseDC(0, dc), 0); // memory DCs are deleted, not released
    EXPECT_EQ(ReleaseDC(0, screen), 1);
    EXPECT_EQ(GetObjectType(screen), 0u);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_FALSE(DeleteObject(pen)); // a deleted handle is unknown from then on
    EXPECT_TRUE(DeleteDC(dc));
}

TEST(Objects, SelectObjectReturnsWhatItReplacesAndNewDcsHoldTheDefaults) {
    HDC dc = CreateCompatibleDC(0);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_NE(GetCurrentObject(dc, OBJ_FONT), 0u);
    BITMAP info{};
    ASSERT_EQ(GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof info, &info),
              static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 1);
    EXPECT_EQ(info.bmHeight, 1);
    EXPECT_EQ(info.bmBitsPixel, 1);
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetMapMode(dc), MM_TEXT);

    HPEN first = CreatePen(PS_SOLID, 1, RGB(1, 1, 1));
    HPEN second = CreatePen(PS_SOLID, 1, RGB(2, 2, 2));
    EXPECT_EQ(SelectObject(dc, first), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, second), first);
    EXPECT_TRUE(DeleteObject(first));
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), second);
    EXPECT_TRUE(DeleteObject(second));
    EXPECT_EQ(SetTextColor(dc, RGB(9, 9, 9)), RGB(0, 0, 0));
    EXPECT_EQ(SetBkColor(dc, RGB(8, 8, 8)), RGB(255, 255, 255));
    EXPECT_EQ(SetStretchBltMode(dc, COLORONCOLOR), BLACKONWHITE);
    EXPECT_EQ(GetStretchBltMode(dc), COLORONCOLOR);
    DeleteDC(dc);
}

// Deleting a selected object is deferred: the DC keeps drawing with it and
// it is freed when the DC lets it go.
TEST(Objects, SelectedObjectsAreFreedOnlyWhenTheDcLetsGo) {
    const DWORD start = LiveObjects();
    HDC dc = CreateCompatibleDC(0);
    HBRUSH brush = CreateSolidBrush(RGB(0, 255, 0));
    HDC screen = GetDC(0);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 3, 3);
    ReleaseDC(0, screen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(brush)); // the handle is deleted, only still held
    EXPECT_EQ(LiveObjects(), start + 3);
    EXPECT_EQ(PatBlt(dc, 0, 0, 3, 3, PATCOPY), TRUE); // the DC still draws with both
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(0, 255, 0));
    HDC other = CreateCompatibleDC(0);
    EXPECT_EQ(SelectObject(other, brush), 0u); // a deleted object cannot be selected again
    DeleteDC(other);
    EXPECT_EQ(SelectObject(dc, oldBrush), brush);
    EXPECT_EQ(LiveObjects(), start + 2); // the brush is gone now
    EXPECT_EQ(GetObjectType(brush), 0u);
    // Deleting the DC frees the bitmap that was deleted while selected in it.
    DeleteDC(dc);
    EXPECT_EQ(LiveObjects(), start);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    (void)oldBitmap;
}

TEST(Objects, ABitmapGoesIntoOneDcAtATime) {
    HDC first = CreateCompatibleDC(0);
    HDC second = CreateCompatibleDC(0);
    HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(first, bitmap);
    EXPECT_NE(old, 0u);
    EXPECT_EQ(SelectObject(second, bitmap), 0u);
    EXPECT_EQ(SelectObject(first, bitmap), bitmap); // reselecting into the same DC is fine
    SelectObject(first, old);
    EXPECT_NE(SelectObject(second, bitmap), 0u);
    HDC screen = GetDC(0);
    EXPECT_EQ(SelectObject(screen, bitmap), 0u); // the screen DC takes no bitmap
    ReleaseDC(0, screen);
    DeleteDC(second);
    DeleteDC(first);
    EXPECT_TRUE(DeleteObject(bitmap));
}

TEST(Bitmaps, CompatibleBitmapFollowsTheDcsFormat) {
    HDC screen = GetDC(0);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP mono = CreateCompatibleBitmap(memory, 5, 3); // the DC holds its 1x1 monochrome bitmap
    HBITMAP colour = CreateCompatibleBitmap(screen, 5, 3);
    BITMAP info{};
    GetObjectA(mono, sizeof info, &info);
    EXPECT_EQ(info.bmBitsPixel, 1);
    EXPECT_EQ(info.bmWidthBytes, 2);
    EXPECT_EQ(info.bmBits, nullptr);
    GetObjectA(colour, sizeof info, &info);
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_EQ(info.bmWidth, 5);
    EXPECT_EQ(info.bmHeight, 3);
    EXPECT_EQ(info.bmWidthBytes, 20);
    EXPECT_EQ(GetObjectA(colour, 0, nullptr), static_cast<int>(sizeof(BITMAP)));
    DeleteObject(mono);
    DeleteObject(colour);
    DeleteDC(memory);
    ReleaseDC(0, screen);
}

TEST(Bitmaps, AbsurdAndInvalidSizesFail) {
    const DWORD start = LiveObjects();
    HDC screen = GetDC(0);
    EXPECT_EQ(CreateCompatibleBitmap(screen, -1, 5), 0u);
    EXPECT_EQ(CreateCompatibleBitmap(screen, 100000, 100000), 0u);
    EXPECT_EQ(CreateCompatibleBitmap(screen, 30000, 30000), 0u);
    EXPECT_EQ(CreateCompatibleBitmap(0xBAD, 5, 5), 0u);
    EXPECT_EQ(CreateBitmap(4, 4, 2, 1, nullptr), 0u);
    EXPECT_EQ(CreateBitmap(4, 4, 1, 8, nullptr), 0u);
    EXPECT_EQ(CreatePen(PS_SOLID, 1000000, 0), 0u);
    EXPECT_EQ(CreatePen(42, 1, 0), 0u);
    // A zero size yields the shared 1x1 monochrome bitmap, which needs no deleting.
    HBITMAP empty = CreateCompatibleBitmap(screen, 0, 7);
    BITMAP info{};
    GetObjectA(empty, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 1);
    EXPECT_TRUE(DeleteObject(empty));
    ReleaseDC(0, screen);
    EXPECT_EQ(LiveObjects(), start);
}

TEST(Bitmaps, MonochromeBitmapFromBitsReadsMostSignificantBitFirst) {
    const BYTE rows[] = {0xA0, 0x00, 0x50, 0x00}; // WORD-aligned rows: 1010, 0101
    HBITMAP bitmap = CreateBitmap(4, 2, 1, 1, rows);
    HDC dc = CreateCompatibleDC(0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const testing::Legend bw{{'1', RGB(255, 255, 255)}, {'0', RGB(0, 0, 0)}};
    EXPECT_TRUE(testing::MatchesArt(dc, {"1010", "0101"}, bw));
    EXPECT_EQ(SetPixel(dc, 0, 0, RGB(30, 30, 30)), RGB(0, 0, 0)); // dark colours become black
    EXPECT_EQ(SetPixel(dc, 1, 0, RGB(200, 220, 200)), RGB(255, 255, 255));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

TEST(Bitmaps, DibSectionsExposeTheirPixelsBottomUpForPositiveHeights) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = 2;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0);
    ASSERT_NE(dib, 0u);
    ASSERT_NE(bits, nullptr);
    BITMAP object{};
    GetObjectA(dib, sizeof object, &object);
    EXPECT_EQ(object.bmBits, bits);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    pixels[0] = 0x00FF0000; // first in memory: the bottom-left pixel, stored blue-green-red
    HDC dc = CreateCompatibleDC(0);
    HGDIOBJ old = SelectObject(dc, dib);
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(255, 0, 0));
    SetPixel(dc, 1, 0, RGB(0, 0, 255));
    EXPECT_EQ(pixels[3], 0x000000FFu);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(dib);

    info.bmiHeader.biHeight = -2; // top-down
    dib = CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0);
    static_cast<std::uint32_t*>(bits)[0] = 0x0000FF00;
    dc = CreateCompatibleDC(0);
    old = SelectObject(dc, dib);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 255, 0));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(dib);

    info.bmiHeader.biBitCount = 24;
    EXPECT_EQ(CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0), 0u);
    EXPECT_EQ(bits, nullptr);
    EXPECT_EQ(CreateDIBSection(0, nullptr, DIB_RGB_COLORS, &bits, 0, 0), 0u);
}

TEST(Bitmaps, CopyImageMakesAStretchedCopy) {
    testing::Canvas source(2, 1, RGB(0, 0, 0));
    SetPixel(source.Dc(), 1, 0, RGB(255, 0, 0));
    HBITMAP copy = static_cast<HBITMAP>(CopyImage(source.Bitmap(), IMAGE_BITMAP, 4, 2, 0));
    ASSERT_NE(copy, 0u);
    BITMAP info{};
    GetObjectA(copy, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 4);
    EXPECT_EQ(info.bmHeight, 2);
    EXPECT_EQ(info.bmBits, nullptr);
    HDC dc = CreateCompatibleDC(0);
    HGDIOBJ old = SelectObject(dc, copy);
    // Colour bitmaps are resized with HALFTONE interpolation: the second column lies halfway.
    const testing::Legend legend{{'k', RGB(0, 0, 0)}, {'m', RGB(128, 0, 0)}, {'r', RGB(255, 0, 0)}};
    EXPECT_TRUE(testing::MatchesArt(dc, {"kmrr", "kmrr"}, legend));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(copy);
    HBITMAP same = static_cast<HBITMAP>(CopyImage(source.Bitmap(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    GetObjectA(same, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 2);
    EXPECT_NE(info.bmBits, nullptr);
    DeleteObject(same);
    EXPECT_EQ(CopyImage(0xBAD, IMAGE_BITMAP, 2, 2, 0), 0u);
    EXPECT_EQ(CopyImage(source.Bitmap(), IMAGE_BITMAP, -2, 2, 0), 0u);
}

// The button's own life: its surface DC with saved pen/brush/font/bitmap,
// tools replaced per drawing step, resizes, pictures prepared through
// temporary DCs, regions, icons' bitmaps, and the final release.
TEST(LeakStress, EveryPatternOfTheControlEndsWhereItStarted) {
    const DWORD startGdi = LiveObjects();
    const DWORD startUser = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    for (int round = 0; round < 50; ++round) {
        HDC screen = GetDC(0);
        HDC surface = CreateCompatibleDC(screen);
        SetBkMode(surface, 3);
        HGDIOBJ savedBrush = SelectObject(surface, CreateSolidBrush(0));
        HGDIOBJ savedPen = SelectObject(surface, CreatePen(PS_SOLID, 1, 0));
        LOGFONTA logfont{};
        logfont.lfHeight = -12;
        std::strcpy(logfont.lfFaceName, "SimSun");
        HGDIOBJ savedFont = SelectObject(surface, CreateFontIndirectA(&logfont));
        HGDIOBJ savedBitmap = SelectObject(surface, CreateCompatibleBitmap(screen, 40 + round, 20));
        for (int step = 0; step < 5; ++step) {
            DeleteObject(SelectObject(surface, CreateSolidBrush(RGB(step, 0, 0))));
            DeleteObject(SelectObject(surface, CreatePen(step % 3, step, RGB(0, step, 0))));
            Rectangle(surface, 0, 0, 10, 10);
        }
        // Resize: the surface bitmap alone is replaced.
        DeleteObject(SelectObject(surface, savedBitmap));
        savedBitmap = SelectObject(surface, CreateCompatibleBitmap(screen, 60, 30));
        // Font change.
        DeleteObject(SelectObject(surface, CreateFontIndirectA(&logfont)));
        // Shape regions and clipping.
        HRGN face = CreateEllipticRgn(0, 0, 60, 30);
        HRGN inner = CreateEllipticRgn(1, 1, 59, 29);
        HRGN frame = CreateRectRgn(0, 0, 0, 0);
        CombineRgn(frame, face, inner, RGN_DIFF);
        SelectClipRgn(surface, inner);
        HBRUSH frameBrush = CreateSolidBrush(0);
        FrameRgn(surface, face, frameBrush, 1, 1);
        DeleteObject(frameBrush);
        SelectClipRgn(surface, 0);
        DeleteObject(frame);
        // A prepared picture and a transparent blit through temporary DCs.
        HDC work = CreateCompatibleDC(surface);
        HBITMAP image = static_cast<HBITMAP>(CopyImage(savedBitmap, IMAGE_BITMAP, 8, 8, 0));
        HGDIOBJ oldImage = SelectObject(work, image);
        HDC maskDc = CreateCompatibleDC(screen);
        HGDIOBJ oldMask = SelectObject(maskDc, CreateBitmap(8, 8, 1, 1, nullptr));
        BitBlt(maskDc, 0, 0, 8, 8, work, 0, 0, SRCCOPY);
        BitBlt(surface, 0, 0, 8, 8, maskDc, 0, 0, SRCAND);
        DeleteObject(SelectObject(maskDc, oldMask));
        DeleteDC(maskDc);
        SelectObject(work, oldImage);
        DeleteDC(work);
        DeleteObject(image);
        // An icon picture: its bitmaps come back as copies the caller deletes.
        ICONINFO info{TRUE, 0, 0, CreateBitmap(4, 4, 1, 1, nullptr), CreateCompatibleBitmap(screen, 4, 4)};
        HICON icon = CreateIconIndirect(&info);
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);
        ICONINFO copy{};
        GetIconInfo(icon, &copy);
        DeleteObject(copy.hbmMask);
        DeleteObject(copy.hbmColor);
        DrawIconEx(surface, 0, 0, icon, 4, 4, 0, 0, DI_NORMAL);
        DestroyIcon(icon);
        // Release.
        DeleteObject(SelectObject(surface, savedBrush));
        DeleteObject(SelectObject(surface, savedPen));
        DeleteObject(SelectObject(surface, savedFont));
        DeleteObject(SelectObject(surface, savedBitmap));
        DeleteDC(surface);
        DeleteObject(face);
        DeleteObject(inner);
        ReleaseDC(0, screen);
    }
    EXPECT_EQ(LiveObjects(), startGdi);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), startUser);
}

// The default colours of Windows 10, index by index; indexes without a
// colour answer black.
TEST(SystemColours, WindowsDefaults) {
    const std::pair<int, COLORREF> colours[] = {
        {COLOR_SCROLLBAR, RGB(200, 200, 200)},
        {COLOR_BACKGROUND, RGB(0, 0, 0)},
        {COLOR_ACTIVECAPTION, RGB(153, 180, 209)},
        {COLOR_INACTIVECAPTION, RGB(191, 205, 219)},
        {COLOR_MENU, RGB(240, 240, 240)},
        {COLOR_WINDOW, RGB(255, 255, 255)},
        {COLOR_WINDOWFRAME, RGB(100, 100, 100)},
        {COLOR_MENUTEXT, RGB(0, 0, 0)},
        {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
        {COLOR_CAPTIONTEXT, RGB(0, 0, 0)},
        {COLOR_ACTIVEBORDER, RGB(180, 180, 180)},
        {COLOR_INACTIVEBORDER, RGB(244, 247, 252)},
        {COLOR_APPWORKSPACE, RGB(171, 171, 171)},
        {COLOR_HIGHLIGHT, RGB(0, 120, 215)},
        {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
        {COLOR_BTNFACE, RGB(240, 240, 240)},
        {COLOR_BTNSHADOW, RGB(160, 160, 160)},
        {COLOR_GRAYTEXT, RGB(109, 109, 109)},
        {COLOR_BTNTEXT, RGB(0, 0, 0)},
        {COLOR_INACTIVECAPTIONTEXT, RGB(0, 0, 0)},
        {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},
        {COLOR_3DDKSHADOW, RGB(105, 105, 105)},
        {COLOR_3DLIGHT, RGB(227, 227, 227)},
        {COLOR_INFOTEXT, RGB(0, 0, 0)},
        {COLOR_INFOBK, RGB(255, 255, 225)},
        {25, RGB(0, 0, 0)},
        {COLOR_HOTLIGHT, RGB(0, 102, 204)},
        {COLOR_GRADIENTACTIVECAPTION, RGB(185, 209, 234)},
        {COLOR_GRADIENTINACTIVECAPTION, RGB(215, 228, 242)},
        {COLOR_MENUHILIGHT, RGB(0, 120, 215)},
        {COLOR_MENUBAR, RGB(240, 240, 240)},
        {31, 0},
        {255, 0},
        {-1, 0},
    };
    for (std::size_t row = 0; row < std::size(colours); ++row) {
        const auto& [index, colour] = colours[row];
        if (row <= static_cast<std::size_t>(COLOR_MENUBAR)) {
            EXPECT_EQ(index, static_cast<int>(row)) << "the indexes run from 0 to 30";
        }
        EXPECT_EQ(GetSysColor(index), colour) << "index " << index;
    }
}

// The constants keep the values Windows gives them, so code written against
// the Windows names means the same on both programs.
TEST(WindowsNames, ConstantsKeepTheirWindowsValues) {
    const std::pair<long long, long long> constants[] = {
        {DT_TOP, 0},           {DT_LEFT, 0},          {DT_CENTER, 1},
        {DT_RIGHT, 2},         {DT_VCENTER, 4},       {DT_BOTTOM, 8},
        {DT_WORDBREAK, 0x10},  {DT_SINGLELINE, 0x20}, {DT_EXPANDTABS, 0x40},
        {DT_NOCLIP, 0x100},    {DT_CALCRECT, 0x400},  {DT_NOPREFIX, 0x800},
        {PS_SOLID, 0},         {PS_DASH, 1},          {PS_DOT, 2},
        {PS_DASHDOT, 3},       {PS_DASHDOTDOT, 4},    {PS_NULL, 5},
        {PS_INSIDEFRAME, 6},   {TRANSPARENT, 1},      {OPAQUE, 2},
        {MM_TEXT, 1},          {BLACKONWHITE, 1},     {WHITEONBLACK, 2},
        {COLORONCOLOR, 3},     {HALFTONE, 4},         {ERROR, 0},
        {NULLREGION, 1},       {SIMPLEREGION, 2},     {COMPLEXREGION, 3},
        {RGN_AND, 1},          {RGN_OR, 2},           {RGN_XOR, 3},
        {RGN_DIFF, 4},         {RGN_COPY, 5},         {ALTERNATE, 1},
        {WINDING, 2},          {RDH_RECTANGLES, 1},   {FW_DONTCARE, 0},
        {FW_NORMAL, 400},      {FW_BOLD, 700},        {ANSI_CHARSET, 0},
        {DEFAULT_CHARSET, 1},  {GB2312_CHARSET, 134}, {LF_FACESIZE, 32},
        {IMAGE_BITMAP, 0},     {IMAGE_ICON, 1},       {LR_DEFAULTCOLOR, 0},
        {LR_COPYRETURNORG, 4}, {LR_COPYDELETEORG, 8}, {LR_CREATEDIBSECTION, 0x2000},
        {DI_MASK, 1},          {DI_IMAGE, 2},         {DI_NORMAL, 3},
        {DIB_RGB_COLORS, 0},   {BI_RGB, 0},           {OBJ_PEN, 1},
        {OBJ_BRUSH, 2},        {OBJ_DC, 3},           {OBJ_FONT, 6},
        {OBJ_BITMAP, 7},       {OBJ_REGION, 8},       {OBJ_MEMDC, 10},
        {WHITE_BRUSH, 0},      {LTGRAY_BRUSH, 1},     {GRAY_BRUSH, 2},
        {DKGRAY_BRUSH, 3},     {BLACK_BRUSH, 4},      {NULL_BRUSH, 5},
        {HOLLOW_BRUSH, 5},     {WHITE_PEN, 6},        {BLACK_PEN, 7},
        {NULL_PEN, 8},         {SYSTEM_FONT, 13},     {DEFAULT_GUI_FONT, 17},
        {GR_GDIOBJECTS, 0},    {GR_USEROBJECTS, 1},   {CLR_INVALID, 0xFFFFFFFF},
    };
    for (std::size_t i = 0; i < std::size(constants); ++i)
        EXPECT_EQ(constants[i].first, constants[i].second) << "row " << i;
}

TEST(Rects, Arithmetic) {
    RECT r{};
    ASSERT_TRUE(SetRect(&r, 1, 2, 5, 6));
    OffsetRect(&r, 2, -1);
    const RECT moved{3, 1, 7, 5};
    EXPECT_TRUE(EqualRect(&r, &moved));
    InflateRect(&r, 1, -1);
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.right, 8);
    EXPECT_EQ(r.top, 2);
    EXPECT_EQ(r.bottom, 4);
    RECT other{6, 0, 10, 3}, both{};
    EXPECT_TRUE(IntersectRect(&both, &r, &other));
    EXPECT_EQ(both.left, 6);
    EXPECT_EQ(both.right, 8);
    EXPECT_EQ(both.top, 2);
    EXPECT_EQ(both.bottom, 3);
    RECT apart{20, 20, 30, 30};
    EXPECT_FALSE(IntersectRect(&both, &r, &apart));
    EXPECT_TRUE(IsRectEmpty(&both));
    RECT all{};
    EXPECT_TRUE(UnionRect(&all, &r, &apart));
    EXPECT_EQ(all.right, 30);
    EXPECT_TRUE(PtInRect(&r, POINT{2, 2}));
    EXPECT_FALSE(PtInRect(&r, POINT{8, 3})); // right edge excluded
    EXPECT_FALSE(PtInRect(&r, POINT{2, 4})); // bottom edge excluded
    EXPECT_FALSE(SetRect(nullptr, 0, 0, 1, 1));
    EXPECT_FALSE(OffsetRect(nullptr, 1, 1));
}

} // namespace
} // namespace gdi
