// Text through a DC: ink in the text colour, clipped to the DC's clip and to
// the DrawTextA rectangle, the background filled only in opaque mode, and
// DT_CALCRECT measuring without drawing.
#include "platform/gdi/gdi.h"
#include "platform/gdi/tests/support/PixelArt.h"

#include <gtest/gtest.h>

#include <cstring>

namespace gdi {
namespace {

constexpr COLORREF kOdd = RGB(1, 2, 3), kInk = RGB(200, 0, 0), kBack = RGB(0, 0, 200);

class TextCanvas : public ::testing::Test {
  protected:
    void SetUp() override {
        LOGFONTA logfont{};
        logfont.lfHeight = -12;
        logfont.lfWeight = FW_NORMAL;
        std::strcpy(logfont.lfFaceName, "DejaVu Sans");
        font_ = CreateFontIndirectA(&logfont);
        ASSERT_NE(font_, 0u);
        oldFont_ = SelectObject(canvas_.Dc(), font_);
        SetTextColor(canvas_.Dc(), kInk);
        SetBkColor(canvas_.Dc(), kBack);
    }
    void TearDown() override {
        SelectObject(canvas_.Dc(), oldFont_);
        EXPECT_TRUE(DeleteObject(font_));
    }
    // Counts pixels of a colour, and reports any pixel of another colour than allowed.
    int Count(COLORREF color, RECT area) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += GetPixel(canvas_.Dc(), x, y) == color;
        return count;
    }
    testing::Canvas canvas_{60, 30, kOdd};
    HFONT font_ = 0;
    HGDIOBJ oldFont_ = 0;
};

TEST_F(TextCanvas, DrawTextInkIsTheTextColourAndStaysInsideTheRectangle) {
    SetBkMode(canvas_.Dc(), TRANSPARENT);
    RECT box{5, 5, 25, 25};
    EXPECT_GT(DrawTextA(canvas_.Dc(), "WWWWWWWW", -1, &box, DT_LEFT), 0);
    const RECT all{0, 0, 60, 30};
    const int ink = Count(kInk, all);
    EXPECT_GT(ink, 10);
    EXPECT_EQ(Count(kInk, box), ink);           // none outside the rectangle
    EXPECT_EQ(Count(kOdd, all) + ink, 60 * 30); // no other colour anywhere
}

TEST_F(TextCanvas, NoClipFormatLetsTextRunPastTheRectangle) {
    SetBkMode(canvas_.Dc(), TRANSPARENT);
    RECT box{5, 5, 15, 25};
    DrawTextA(canvas_.Dc(), "WWWWWW", -1, &box, DT_LEFT | DT_NOCLIP);
    EXPECT_GT(Count(kInk, RECT{15, 0, 60, 30}), 0);
}

TEST_F(TextCanvas, OpaqueModeFillsTheLineBackgroundTransparentModesDoNot) {
    RECT box{0, 0, 60, 30};
    SetBkMode(canvas_.Dc(), 3);
    DrawTextA(canvas_.Dc(), "Ab", -1, &box, DT_LEFT);
    EXPECT_EQ(Count(kBack, box), 0);
    SetBkMode(canvas_.Dc(), OPAQUE);
    DrawTextA(canvas_.Dc(), "Ab", -1, &box, DT_LEFT);
    EXPECT_GT(Count(kBack, box), 0);
}

TEST_F(TextCanvas, CalcRectMeasuresWithoutDrawing) {
    RECT box{0, 0, 1000, 0};
    const int height = DrawTextA(canvas_.Dc(), "Hello", 5, &box, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GT(height, 0);
    SIZE size{};
    ASSERT_TRUE(GetTextExtentPoint32A(canvas_.Dc(), "Hello", 5, &size));
    EXPECT_EQ(box.right - box.left, size.cx);
    EXPECT_EQ(box.bottom - box.top, height);
    TEXTMETRICA metrics{};
    ASSERT_TRUE(GetTextMetricsA(canvas_.Dc(), &metrics));
    EXPECT_EQ(size.cy, metrics.tmHeight);
    EXPECT_EQ(Count(kOdd, RECT{0, 0, 60, 30}), 60 * 30);
}

TEST_F(TextCanvas, TextOutHonoursTheClipRegion) {
    SetBkMode(canvas_.Dc(), TRANSPARENT);
    HRGN clip = CreateRectRgn(0, 0, 8, 30);
    SelectClipRgn(canvas_.Dc(), clip);
    EXPECT_TRUE(TextOutA(canvas_.Dc(), 0, 0, "MMMMMM", 6));
    SelectClipRgn(canvas_.Dc(), 0);
    DeleteObject(clip);
    EXPECT_GT(Count(kInk, RECT{0, 0, 8, 30}), 0);
    EXPECT_EQ(Count(kInk, RECT{8, 0, 60, 30}), 0);
}

TEST(StockFonts, DefaultAndGuiFontsHaveMetrics) {
    testing::Canvas canvas(4, 4, kOdd);
    TEXTMETRICA metrics{};
    ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &metrics)); // the DC's own default font
    EXPECT_GT(metrics.tmHeight, 0);
    HGDIOBJ old = SelectObject(canvas.Dc(), GetStockObject(DEFAULT_GUI_FONT));
    ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &metrics));
    EXPECT_GT(metrics.tmHeight, 0);
    EXPECT_EQ(SelectObject(canvas.Dc(), old), GetStockObject(DEFAULT_GUI_FONT));
}

TEST_F(TextCanvas, BadArgumentsFail) {
    RECT box{0, 0, 10, 10};
    SIZE size{};
    EXPECT_EQ(DrawTextA(0xBAD, "a", 1, &box, 0), 0);
    EXPECT_EQ(DrawTextA(canvas_.Dc(), nullptr, 1, &box, 0), 0);
    EXPECT_EQ(DrawTextA(canvas_.Dc(), "a", 1, nullptr, 0), 0);
    EXPECT_FALSE(GetTextExtentPoint32A(canvas_.Dc(), "a", -5, &size));
    EXPECT_FALSE(TextOutA(canvas_.Dc(), 0, 0, nullptr, 3));
    EXPECT_EQ(CreateFontIndirectA(nullptr), 0u);
}

} // namespace
} // namespace gdi
