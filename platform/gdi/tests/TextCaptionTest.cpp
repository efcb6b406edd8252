// The captions of the main window's three buttons, measured and placed the
// way the button control does it: measured with DT_CALCRECT | DT_WORDBREAK in
// the button's width less 8, centred, then drawn with DT_WORDBREAK |
// DT_CENTER into the caption rectangle. 宋体 9 pt is the 12-pixel Song face.
#include "platform/gdi/tests/TextTestSupport.h"

namespace gdi::testing {
namespace {

using detail::DrawTextLayout;
using detail::FontFace;

struct ButtonCaption {
    const char* caption;
    int width; // client size of the button, pixels
    int height;
    int expectedTextWidth;
};

// The home-page button shows the publisher's host name; the name here is a
// stand-in of typical length (the program decides the real one).
const ButtonCaption kMainWindowButtons[] = {
    {"获取标准时间", 105, 21, 72},
    {"dunmoradesk.example", 139, 23, 114},
    {"测试上面的地址，有效的放下面", 181, 21, 168},
};

class MainWindowCaption : public ::testing::TestWithParam<ButtonCaption> {};

TEST_P(MainWindowCaption, MeasuresAsOneLineAndDrawsCentredInsideItsRectangle) {
    const ButtonCaption& button = GetParam();
    const auto font = FontFace::Create(SongFont());

    RECT measured{0, 0, button.width - 8, button.height - 8};
    const int height = DrawTextLayout(*font, button.caption, &measured, DT_CALCRECT | DT_WORDBREAK, {});
    EXPECT_EQ(height, 13);
    EXPECT_RECT((RECT{0, 0, button.expectedTextWidth, 13}), measured);

    const int left = (button.width - measured.right) / 2;
    const int top = (button.height - measured.bottom) / 2;
    RECT captionRect{left, top, left + measured.right, top + measured.bottom};
    InkRecorder ink;
    DrawTextLayout(*font, button.caption, &captionRect, DT_WORDBREAK | DT_CENTER, ink.Sink());

    const RECT bounds = ink.Bounds();
    EXPECT_GE(bounds.left, captionRect.left);
    EXPECT_LE(bounds.right, captionRect.right);
    EXPECT_GE(bounds.top, captionRect.top);
    EXPECT_LE(bounds.bottom, captionRect.bottom);
    // The ink is centred on the button within the glyphs' own side bearings.
    const int leftMargin = bounds.left;
    const int rightMargin = button.width - bounds.right;
    EXPECT_LE(std::abs(leftMargin - rightMargin), 4) << ink.Art({0, 0, button.width, button.height});
    // Glyph rows 1 to 11 of the cell hold the ink of these captions.
    EXPECT_EQ(bounds.top, top + 1);
    EXPECT_LE(bounds.bottom, top + 12);
}

INSTANTIATE_TEST_SUITE_P(Buttons, MainWindowCaption, ::testing::ValuesIn(kMainWindowButtons));

TEST(MainWindowCaptionText, SynchroniseCaptionPixels) {
    // The first two ideographs of "获取标准时间", as the embedded strike draws them.
    const auto font = FontFace::Create(SongFont());
    RECT rect{0, 0, 24, 13};
    InkRecorder ink;
    DrawTextLayout(*font, "获取", &rect, DT_LEFT, ink.Sink());
    const std::string expected = "...#...#....#######.....\n"
                                 "###########..#..#.......\n"
                                 "...#...#.....#..#.#####.\n"
                                 ".#.#...##....####.#...#.\n"
                                 "..#....#.#...#..#.#...#.\n"
                                 ".#.#.######..####..#.#..\n"
                                 "#..#...#.....#..#..#.#..\n"
                                 "..##...#.....#..#...#...\n"
                                 ".#.#..#.#....#.###..#...\n"
                                 "...#.#...#..###.#..#.#..\n"
                                 ".##.#.....#.....#.#...#.\n";
    EXPECT_EQ(ink.Art({0, 1, 24, 12}), expected);
}

} // namespace
} // namespace gdi::testing
