// What the gdi32 back end adds to gdi32: the live-object count, handles
// through our 32-bit HANDLE, and UTF-8 text at the *W calls. Windows' own
// calls are the reference, so windows.h comes in (through Native.h) and its
// macros stand for our constants of the same names and values.
#include "platform/gdi/win32/Native.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <functional>
#include <string>

namespace {

gdi::DWORD Live(gdi::DWORD which) {
    return gdi::GetGuiResources(gdi::GetCurrentProcess(), which);
}

gdi::HFONT MakeFont(const char* face, int height = -12) {
    gdi::LOGFONTA logfont{};
    logfont.lfHeight = height;
    logfont.lfCharSet = GB2312_CHARSET;
    std::snprintf(logfont.lfFaceName, sizeof logfont.lfFaceName, "%s", face);
    return gdi::CreateFontIndirectA(&logfont);
}

TEST(Gdi32Backend, EveryMadeObjectCountsUntilItIsDeleted) {
    gdi::BITMAPINFO info{};
    info.bmiHeader = {sizeof(gdi::BITMAPINFOHEADER), 4, -4, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const struct {
        const char* name;
        std::function<gdi::HGDIOBJ()> make;
    } makers[] = {
        {"pen", [] { return gdi::CreatePen(PS_DOT, 1, 0); }},
        {"brush", [] { return gdi::CreateSolidBrush(0x123456); }},
        {"bitmap", [] { return gdi::CreateBitmap(8, 8, 1, 1, nullptr); }},
        {"DIB section", [&] { return gdi::CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0); }},
        {"region", [] { return gdi::CreateEllipticRgn(0, 0, 9, 7); }},
        {"font", [] { return MakeFont("SimSun"); }},
    };
    for (const auto& maker : makers) {
        SCOPED_TRACE(maker.name);
        const gdi::DWORD before = Live(GR_GDIOBJECTS);
        const gdi::HGDIOBJ object = maker.make();
        ASSERT_NE(object, 0u);
        EXPECT_EQ(Live(GR_GDIOBJECTS), before + 1);
        EXPECT_TRUE(gdi::DeleteObject(object));
        EXPECT_FALSE(gdi::DeleteObject(object)) << "a second delete fails";
        EXPECT_EQ(Live(GR_GDIOBJECTS), before);
    }

    const gdi::DWORD before = Live(GR_GDIOBJECTS);
    const gdi::HDC dc = gdi::CreateCompatibleDC(0);
    EXPECT_EQ(Live(GR_GDIOBJECTS), before + 1);
    gdi::DeleteObject(gdi::GetStockObject(BLACK_PEN));
    EXPECT_EQ(Live(GR_GDIOBJECTS), before + 1) << "stock objects are not counted";
    EXPECT_TRUE(gdi::DeleteDC(dc));
    EXPECT_EQ(Live(GR_GDIOBJECTS), before);
}

TEST(Gdi32Backend, IconsCountAsWindowObjectsAndTheBitmapsTheyHandOutAsGdiObjects) {
    const gdi::HBITMAP mask = gdi::CreateBitmap(16, 16, 1, 1, nullptr);
    const gdi::HBITMAP colour = gdi::CreateBitmap(16, 16, 1, 32, nullptr);
    const gdi::DWORD gdiBefore = Live(GR_GDIOBJECTS), userBefore = Live(GR_USEROBJECTS);
    const gdi::ICONINFO made{TRUE, 0, 0, mask, colour};
    const gdi::HICON icon = gdi::CreateIconIndirect(&made);
    ASSERT_NE(icon, 0u);
    EXPECT_EQ(Live(GR_USEROBJECTS), userBefore + 1);

    gdi::ICONINFO parts{};
    ASSERT_TRUE(gdi::GetIconInfo(icon, &parts));
    EXPECT_EQ(Live(GR_GDIOBJECTS), gdiBefore + 2);
    gdi::BITMAP colourRecord{};
    EXPECT_EQ(gdi::GetObjectA(parts.hbmColor, sizeof colourRecord, &colourRecord), int{sizeof colourRecord});
    EXPECT_EQ(colourRecord.bmWidth, 16) << "the handle came back whole";
    gdi::DeleteObject(parts.hbmMask);
    gdi::DeleteObject(parts.hbmColor);
    EXPECT_TRUE(gdi::DestroyIcon(icon));
    EXPECT_EQ(Live(GR_GDIOBJECTS), gdiBefore);
    EXPECT_EQ(Live(GR_USEROBJECTS), userBefore);
    gdi::DeleteObject(mask);
    gdi::DeleteObject(colour);
}

TEST(Gdi32Backend, FaceNamesGoInAndComeBackAsUtf8) {
    // The last holds 31 bytes, all that LOGFONTA can: 10 characters of three bytes and one of one.
    for (const std::string face : {"宋体", "SimSun", "一二三四五六七八九十a"}) {
        SCOPED_TRACE(face);
        gdi::LOGFONTA in{};
        in.lfHeight = -12;
        face.copy(in.lfFaceName, LF_FACESIZE - 1);
        const gdi::HFONT font = gdi::CreateFontIndirectA(&in);
        ASSERT_NE(font, 0u);
        gdi::LOGFONTA out{};
        EXPECT_EQ(gdi::GetObjectA(font, sizeof out, &out), int{sizeof out});
        EXPECT_EQ(std::string(out.lfFaceName), face);
        EXPECT_EQ(out.lfHeight, -12);
        gdi::DeleteObject(font);
    }
}

TEST(Gdi32Backend, Utf8TextIsMeasuredAndDrawnAsTheSameUtf16Text) {
    const gdi::HDC dc = gdi::CreateCompatibleDC(0);
    const gdi::HFONT font = MakeFont("宋体");
    const gdi::HGDIOBJ oldFont = gdi::SelectObject(dc, font);
    const struct {
        const char* utf8;
        const wchar_t* utf16;
    } texts[] = {
        {"Hi", L"Hi"}, {"时间", L"\u65f6\u95f4"}, {"获取标准时间", L"\u83b7\u53d6\u6807\u51c6\u65f6\u95f4"}};
    for (const auto& text : texts) {
        SCOPED_TRACE(text.utf8);
        gdi::SIZE ours{};
        ::SIZE windows{};
        ASSERT_TRUE(
            gdi::GetTextExtentPoint32A(dc, text.utf8, static_cast<int>(std::strlen(text.utf8)), &ours));
        ASSERT_TRUE(::GetTextExtentPoint32W(gdi::win32::ToNative<::HDC>(dc), text.utf16,
                                            static_cast<int>(std::wcslen(text.utf16)), &windows));
        EXPECT_EQ(ours.cx, windows.cx);
        EXPECT_EQ(ours.cy, windows.cy);
        gdi::RECT box{0, 0, 0, 0};
        EXPECT_EQ(gdi::DrawTextA(dc, text.utf8, -1, &box, DT_CALCRECT | DT_SINGLELINE), windows.cy);
        EXPECT_EQ(box.right, windows.cx);
    }
    gdi::SelectObject(dc, oldFont);
    gdi::DeleteObject(font);
    gdi::DeleteDC(dc);
}

} // namespace
