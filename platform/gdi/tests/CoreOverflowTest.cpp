// Arguments at the 32-bit limits: every call returns what Windows returns
// (measured under Wine) and none overflows (the sanitizer build aborts on
// signed overflow).
#include "platform/gdi/gdi.h"
#include "platform/gdi/tests/support/PixelArt.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>

namespace gdi {
namespace {

using testing::Canvas;

struct RectCase {
    const char* name;
    RECT start;
    std::function<BOOL(RECT*)> call;
    RECT expected;
};

// Windows' rectangle arithmetic wraps round.
TEST(Overflow, RectangleArithmeticWrapsAsWindowsDoes) {
    const RectCase cases[] = {
        {"OffsetRect",
         {INT_MAX - 1, INT_MIN + 1, INT_MAX, 5},
         [](RECT* r) { return OffsetRect(r, 10, -10); },
         {-2147483640, 2147483639, -2147483639, -5}},
        {"InflateRect",
         {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
         [](RECT* r) { return InflateRect(r, 5, 5); },
         {2147483643, 2147483643, -2147483644, -2147483644}},
        {"InflateRect by the limits",
         {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
         [](RECT* r) { return InflateRect(r, INT_MIN, INT_MAX); },
         {0, 1, -1, -2}},
    };
    for (const RectCase& c : cases) {
        RECT r = c.start;
        EXPECT_TRUE(c.call(&r)) << c.name;
        EXPECT_TRUE(EqualRect(&r, &c.expected))
            << c.name << ": " << r.left << " " << r.top << " " << r.right << " " << r.bottom;
    }
}

TEST(Overflow, TextNearTheLimits) {
    Canvas canvas(64, 32, RGB(255, 255, 255));
    TEXTMETRICA metrics{};
    ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &metrics));
    const int line = metrics.tmHeight;
    const char* text = "ab\r\ncd";
    // The measured size is the same anywhere; the rectangle's far edges wrap round.
    RECT origin{0, 0, 100, 100};
    ASSERT_EQ(DrawTextA(canvas.Dc(), text, -1, &origin, DT_CALCRECT), 2 * line);
    RECT far{INT_MAX - 5, INT_MAX - 5, INT_MAX, INT_MAX};
    EXPECT_EQ(DrawTextA(canvas.Dc(), text, -1, &far, DT_CALCRECT), 2 * line);
    EXPECT_EQ(static_cast<std::uint32_t>(far.right) - static_cast<std::uint32_t>(far.left),
              static_cast<std::uint32_t>(origin.right));
    EXPECT_EQ(static_cast<std::uint32_t>(far.bottom) - static_cast<std::uint32_t>(far.top),
              static_cast<std::uint32_t>(2 * line));
    const RECT rects[] = {{INT_MAX - 5, INT_MAX - 5, INT_MAX, INT_MAX},
                          {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                          {0, 0, INT_MAX, INT_MAX}};
    for (UINT format : {DT_CENTER, DT_RIGHT, DT_NOCLIP, DT_CENTER | DT_WORDBREAK}) {
        for (RECT r : rects)
            EXPECT_EQ(DrawTextA(canvas.Dc(), text, -1, &r, format), 2 * line) << format;
    }
    // A vertically centred or bottom line counts its offset from the top.
    RECT tall{0, 0, INT_MAX, INT_MAX};
    EXPECT_EQ(DrawTextA(canvas.Dc(), text, -1, &tall, DT_VCENTER | DT_SINGLELINE),
              (INT_MAX - line) / 2 + line);
    tall = RECT{0, 0, INT_MAX, INT_MAX};
    EXPECT_EQ(DrawTextA(canvas.Dc(), text, -1, &tall, DT_BOTTOM | DT_SINGLELINE), INT_MAX);
    EXPECT_TRUE(TextOutA(canvas.Dc(), INT_MAX - 3, INT_MAX - 3, "abc", 3));
    EXPECT_TRUE(TextOutA(canvas.Dc(), INT_MIN, INT_MIN, "abc", 3));
}

TEST(Overflow, RegionsAndIconsAtTheLimits) {
    HRGN empty = CreateEllipticRgn(INT_MIN, INT_MIN, INT_MIN, INT_MIN);
    RECT box{};
    EXPECT_EQ(GetRgnBox(empty, &box), NULLREGION);
    HRGN huge = CreateEllipticRgn(INT_MIN, INT_MIN, 10, 10);
    EXPECT_NE(huge, 0u);
    DeleteObject(empty);
    DeleteObject(huge);

    HBITMAP mask = CreateBitmap(8, 16, 1, 1, nullptr);
    ICONINFO info{TRUE, 0, 0, mask, 0};
    HICON icon = CreateIconIndirect(&info);
    ASSERT_NE(icon, 0u);
    // A monochrome icon's bitmap would be twice 0x40000000 high: refused.
    EXPECT_EQ(CopyImage(icon, IMAGE_ICON, 8, 0x40000000, 0), 0u);
    Canvas canvas(64, 32, RGB(255, 255, 255));
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_TRUE(DrawIconEx(canvas.Dc(), INT_MAX - 4, INT_MAX - 4, icon, 8, 8, 0, brush, DI_NORMAL));
    EXPECT_TRUE(DrawIconEx(canvas.Dc(), INT_MIN, INT_MIN, icon, 8, 8, 0, brush, DI_NORMAL));
    EXPECT_FALSE(DrawIconEx(canvas.Dc(), 0, 0, icon, INT_MAX, INT_MAX, 0, brush, DI_NORMAL));
    DeleteObject(brush);
    DestroyIcon(icon);
    DeleteObject(mask);
}

} // namespace
} // namespace gdi
