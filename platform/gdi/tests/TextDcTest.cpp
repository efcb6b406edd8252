// Text on a device context: the engine's pixels land in the DC's text colour
// with nothing in between (no anti-aliasing), and the background is left
// alone in transparent mode and filled per line in opaque mode.
#include "platform/gdi/tests/support/PixelArt.h"
#include "platform/gdi/tests/TextTestSupport.h"

#include <map>

namespace gdi::testing {
namespace {

constexpr COLORREF kFill = RGB(1, 2, 3);
constexpr COLORREF kInk = RGB(0, 0, 192);

// Selects a font into a DC for the scope and deletes it afterwards.
class SelectedFont {
  public:
    SelectedFont(HDC dc, const LOGFONTA& logfont) : dc_(dc), font_(CreateFontIndirectA(&logfont)) {
        previous_ = SelectObject(dc_, font_);
    }
    ~SelectedFont() {
        SelectObject(dc_, previous_);
        DeleteObject(font_);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

  private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ previous_;
};

std::map<COLORREF, int> ColourCounts(HDC dc, int width, int height) {
    std::map<COLORREF, int> counts;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            ++counts[GetPixel(dc, x, y)];
        }
    }
    return counts;
}

TEST(TextOnDc, CaptionIsDrawnInOneInkColourOnAnUntouchedBackground) {
    Canvas canvas(120, 30, kFill);
    SelectedFont font(canvas.Dc(), SongFont());
    SetBkMode(canvas.Dc(), TRANSPARENT);
    SetTextColor(canvas.Dc(), kInk);
    RECT rect{0, 0, 120, 30};
    EXPECT_EQ(DrawTextA(canvas.Dc(), "获取标准时间", -1, &rect, DT_CENTER | DT_WORDBREAK), 13);

    const std::map<COLORREF, int> counts = ColourCounts(canvas.Dc(), 120, 30);
    ASSERT_EQ(counts.size(), 2u) << "only the background and the text colour may appear";
    EXPECT_GT(counts.at(kInk), 150);

    // The same pixels as the engine draws, moved to the centred position.
    InkRecorder engine;
    RECT engineRect{0, 0, 120, 30};
    detail::DrawTextLayout(*detail::FontFace::Create(SongFont()), "获取标准时间", &engineRect,
                           DT_CENTER | DT_WORDBREAK, engine.Sink());
    for (const auto& [x, y] : engine.ink) {
        EXPECT_EQ(GetPixel(canvas.Dc(), x, y), kInk) << x << "," << y;
    }
    EXPECT_EQ(static_cast<std::size_t>(counts.at(kInk)), engine.ink.size());
}

TEST(TextOnDc, OpaqueModeFillsEachLineWithTheBackgroundColour) {
    Canvas canvas(60, 40, kFill);
    SelectedFont font(canvas.Dc(), SongFont());
    SetBkMode(canvas.Dc(), OPAQUE);
    SetBkColor(canvas.Dc(), RGB(255, 255, 255));
    SetTextColor(canvas.Dc(), kInk);
    RECT rect{0, 0, 60, 40};
    DrawTextA(canvas.Dc(), "ab\r\nabcd", -1, &rect, DT_LEFT);
    EXPECT_EQ(GetPixel(canvas.Dc(), 0, 0), RGB(255, 255, 255));   // first line, 12 wide
    EXPECT_EQ(GetPixel(canvas.Dc(), 12, 0), kFill);               // past it
    EXPECT_EQ(GetPixel(canvas.Dc(), 23, 13), RGB(255, 255, 255)); // second line, 24 wide
    EXPECT_EQ(GetPixel(canvas.Dc(), 24, 13), kFill);
    EXPECT_EQ(GetPixel(canvas.Dc(), 0, 26), kFill); // below the two cells
}

TEST(TextOnDc, ByteLengthLimitsTheTextAndMinusOneMeansUpToTheNul) {
    Canvas canvas(10, 10, kFill);
    SelectedFont font(canvas.Dc(), SongFont());
    RECT whole{0, 0, 200, 0};
    DrawTextA(canvas.Dc(), "获取标准时间", -1, &whole, DT_CALCRECT);
    EXPECT_EQ(whole.right, 72);
    RECT prefix{0, 0, 200, 0};
    DrawTextA(canvas.Dc(), "获取标准时间", 9, &prefix, DT_CALCRECT); // three ideographs of three bytes
    EXPECT_EQ(prefix.right, 36);
    TEXTMETRICA metrics{};
    ASSERT_TRUE(GetTextMetricsA(canvas.Dc(), &metrics));
    EXPECT_EQ(metrics.tmHeight, 13);
}

} // namespace
} // namespace gdi::testing
