// DrawText layout on the 12-pixel Song face (cell 13, ideographs 12 wide,
// Latin 6 wide): measuring, line breaks, wrapping, access keys, alignment
// and clipping. Line extents come from the background callback, which the
// layout calls once per line.
#include "platform/gdi/tests/TextTestSupport.h"

namespace gdi::testing {
namespace {

using detail::DrawTextLayout;
using detail::FontFace;

constexpr int kCell = 13;

class TextLayout : public ::testing::Test {
  protected:
    std::shared_ptr<FontFace> font_ = FontFace::Create(SongFont());

    RECT Measure(std::string_view text, int width, UINT format = DT_CALCRECT | DT_WORDBREAK,
                 int* height = nullptr) {
        RECT rect{0, 0, width, 0};
        const int result = DrawTextLayout(*font_, text, &rect, format | DT_CALCRECT, {});
        if (height != nullptr) {
            *height = result;
        }
        return rect;
    }
    InkRecorder Draw(std::string_view text, RECT rect, UINT format, int* height = nullptr) {
        InkRecorder recorder;
        const int result = DrawTextLayout(*font_, text, &rect, format, recorder.Sink());
        if (height != nullptr) {
            *height = result;
        }
        return recorder;
    }
};

TEST_F(TextLayout, MeasuresOneLine) {
    int height = 0;
    EXPECT_RECT((RECT{0, 0, 72, kCell}), Measure("获取标准时间", 200, DT_WORDBREAK, &height));
    EXPECT_EQ(height, kCell);
    EXPECT_RECT((RECT{0, 0, 30, kCell}), Measure("Hello", 200, 0));
    // The rectangle keeps its origin.
    RECT moved{10, 20, 300, 20};
    DrawTextLayout(*font_, "Hello", &moved, DT_CALCRECT, {});
    EXPECT_RECT((RECT{10, 20, 40, 20 + kCell}), moved);
}

TEST_F(TextLayout, LengthIsInBytesSoAPrefixOfTheTextIsMeasured) {
    const std::string_view caption = "获取标准时间";
    EXPECT_EQ(Measure(caption.substr(0, 6), 200).right, 24); // two ideographs of three bytes
    // Cutting through a character leaves replacement glyphs, not a crash.
    EXPECT_GT(Measure(caption.substr(0, 4), 200).right, 12);
}

TEST_F(TextLayout, EveryLineBreakFormStartsANewLine) {
    for (const char* text : {"ab\r\ncdef", "ab\ncdef", "ab\rcdef"}) {
        EXPECT_RECT((RECT{0, 0, 24, 2 * kCell}), Measure(text, 200, 0)) << text;
        EXPECT_RECT((RECT{0, 0, 24, 2 * kCell}), Measure(text, 200, DT_WORDBREAK)) << text;
    }
    EXPECT_EQ(Measure("ab\r\n", 200).bottom, kCell);           // a final break adds no line
    EXPECT_EQ(Measure("ab\r\n\r\ncd", 200).bottom, 3 * kCell); // an empty line in between counts
    EXPECT_EQ(Measure("\n\r", 200).bottom, 2 * kCell);         // LF then a lone CR
}

TEST_F(TextLayout, LinesAreDrawnOneCellApart) {
    const InkRecorder ink = Draw("ab\r\nabcd", {0, 0, 100, 100}, DT_LEFT);
    ASSERT_EQ(ink.lines.size(), 2u);
    EXPECT_RECT((RECT{0, 0, 12, kCell}), ink.lines[0]);
    EXPECT_RECT((RECT{0, kCell, 24, 2 * kCell}), ink.lines[1]);
}

TEST_F(TextLayout, SingleLineIgnoresLineBreaksAndCentresVertically) {
    EXPECT_RECT((RECT{0, 0, 24, kCell}), Measure("ab\r\ncd", 200, DT_SINGLELINE));
    const InkRecorder centred = Draw("ab", {0, 0, 50, 33}, DT_SINGLELINE | DT_VCENTER);
    ASSERT_EQ(centred.lines.size(), 1u);
    EXPECT_EQ(centred.lines[0].top, (33 - kCell) / 2);
    const InkRecorder bottom = Draw("ab", {0, 0, 50, 33}, DT_SINGLELINE | DT_BOTTOM);
    EXPECT_EQ(bottom.lines[0].top, 33 - kCell);
    // Without DT_SINGLELINE the vertical flags do nothing.
    const InkRecorder top = Draw("ab", {0, 0, 50, 33}, DT_VCENTER);
    EXPECT_EQ(top.lines[0].top, 0);
}

TEST_F(TextLayout, WordBreakWrapsAtBlanksAndDropsThemAtTheBreak) {
    // Words 18 wide, blanks 6: "aaa bbb" is 42.
    EXPECT_RECT((RECT{0, 0, 42, 2 * kCell}), Measure("aaa bbb ccc", 45));
    EXPECT_RECT((RECT{0, 0, 18, 3 * kCell}), Measure("aaa bbb ccc", 40));
    const InkRecorder ink = Draw("aaa   bbb", {0, 0, 30, 100}, DT_WORDBREAK | DT_NOCLIP);
    ASSERT_EQ(ink.lines.size(), 2u);
    EXPECT_EQ(ink.lines[1].left, 0); // the blanks went with the break
    EXPECT_EQ(ink.lines[1].right, 18);
    // Without DT_WORDBREAK nothing wraps.
    EXPECT_RECT((RECT{0, 0, 66, kCell}), Measure("aaa bbb ccc", 40, 0));
}

TEST_F(TextLayout, ALatinWordWiderThanTheLineIsNotBroken) {
    EXPECT_RECT((RECT{0, 0, 60, kCell}), Measure("abcdefghij", 30));
    EXPECT_RECT((RECT{0, 0, 60, 2 * kCell}), Measure("ab abcdefghij", 30));
    EXPECT_RECT((RECT{0, 0, 18, 3 * kCell}), Measure("abc def ghi", 0)); // zero width: one word per line
}

TEST_F(TextLayout, ChineseBreaksBetweenAnyTwoIdeographs) {
    EXPECT_RECT((RECT{0, 0, 24, 3 * kCell}), Measure("获取标准时间", 30));
    EXPECT_RECT((RECT{0, 0, 12, 6 * kCell}), Measure("获取标准时间", 0));
    // Latin next to Chinese may break at the boundary.
    EXPECT_RECT((RECT{0, 0, 24, 2 * kCell}), Measure("abcd中文", 30));
}

TEST_F(TextLayout, ClosingPunctuationNeverStartsALine) {
    const InkRecorder ink = Draw("地址，有效", {0, 0, 24, 100}, DT_WORDBREAK | DT_NOCLIP);
    ASSERT_EQ(ink.lines.size(), 3u);
    EXPECT_EQ(ink.lines[0].right - ink.lines[0].left, 12); // "地": "址，" must stay together
    EXPECT_EQ(ink.lines[1].right - ink.lines[1].left, 24); // "址，"
    EXPECT_EQ(ink.lines[2].right - ink.lines[2].left, 24); // "有效"
    // An opening bracket stays with what follows.
    const InkRecorder bracket = Draw("时间《标准》", {0, 0, 36, 100}, DT_WORDBREAK | DT_NOCLIP);
    ASSERT_EQ(bracket.lines.size(), 3u);
    EXPECT_EQ(bracket.lines[0].right, 24); // "时间", not "时间《"
    EXPECT_EQ(bracket.lines[1].right, 24); // "《标"
    EXPECT_EQ(bracket.lines[2].right, 24); // "准》": the closing bracket pulls 准 along
}

TEST_F(TextLayout, AlignmentPlacesEachLineInTheRectangle) {
    const RECT box{10, 0, 110, 100};
    EXPECT_EQ(Draw("ab", box, DT_LEFT).lines[0].left, 10);
    EXPECT_EQ(Draw("ab", box, DT_CENTER).lines[0].left, 10 + (100 - 12) / 2);
    EXPECT_EQ(Draw("ab", box, DT_RIGHT).lines[0].left, 110 - 12);
    const InkRecorder lines = Draw("ab\r\nabcd", box, DT_CENTER);
    ASSERT_EQ(lines.lines.size(), 2u);
    EXPECT_EQ(lines.lines[0].left, 54);
    EXPECT_EQ(lines.lines[1].left, 48);
    // An odd remainder rounds toward the left, as integer division does.
    EXPECT_EQ(Draw("a", {0, 0, 11, 13}, DT_CENTER).lines[0].left, 2);
}

TEST_F(TextLayout, AmpersandUnderlinesTheNextCharacterOnTheUnderlineRow) {
    // The 12-pixel glyphs never ink row 12, so everything there is underline:
    // from the key's pen position to one pixel short of the next character.
    const InkRecorder ink = Draw("F&ile", {0, 0, 100, 20}, DT_LEFT);
    EXPECT_EQ(ink.lines[0].right, 24); // "File": the prefix takes no room
    EXPECT_EQ(ink.InkInRow(12), 5);
    for (int x = 6; x < 11; ++x) {
        EXPECT_TRUE(ink.Has(x, 12)) << x;
    }
    const InkRecorder chinese = Draw("测&试", {0, 0, 100, 20}, DT_LEFT);
    EXPECT_EQ(chinese.InkInRow(12), 11);
    EXPECT_TRUE(chinese.Has(12, 12));
    EXPECT_TRUE(chinese.Has(22, 12));
}

TEST(TextAccessKey, OnePixelOnTheSecondRowBelowTheBaselineWhateverTheFontsOwnUnderline) {
    // These faces make their own underline 2 pixels thick; DrawText's
    // access-key line stays one pixel at tmAscent + 1 (measured with gdi32).
    for (const LOGFONTA& logfont : {SongFont(-40), MakeLogfont("DejaVu Sans", -48)}) {
        const auto font = FontFace::Create(logfont);
        const int advance = font->Advance("W");
        const int row = font->Metrics().tmAscent + 1;
        RECT plainRect{0, 0, 200, 100}, markedRect{0, 0, 200, 100};
        InkRecorder plain, marked;
        DrawTextLayout(*font, "W", &plainRect, DT_LEFT, plain.Sink());
        DrawTextLayout(*font, "&W", &markedRect, DT_LEFT, marked.Sink());
        std::set<std::pair<int, int>> line;
        for (const auto& pixel : marked.ink)
            if (!plain.Has(pixel.first, pixel.second))
                line.insert(pixel);
        std::set<std::pair<int, int>> expected;
        for (int x = 0; x < advance - 1; ++x)
            expected.insert({x, row});
        EXPECT_EQ(line, expected) << logfont.lfFaceName << " " << logfont.lfHeight;
    }
}

TEST_F(TextLayout, DoubleAmpersandIsALiteralAmpersand) {
    const InkRecorder ink = Draw("a&&b", {0, 0, 100, 20}, DT_LEFT);
    EXPECT_EQ(ink.lines[0].right, 18); // "a&b"
    EXPECT_EQ(ink.InkInRow(12), 0);
    const InkRecorder drawnAmpersand = Draw("&", {0, 0, 100, 20}, DT_NOPREFIX);
    for (const auto& [x, y] : drawnAmpersand.ink) {
        EXPECT_TRUE(ink.Has(x + 6, y)) << x << "," << y;
    }
    // "&&&x": a literal ampersand, then x underlined.
    const InkRecorder mixed = Draw("&&&x", {0, 0, 100, 20}, DT_LEFT);
    EXPECT_EQ(mixed.lines[0].right, 12);
    EXPECT_TRUE(mixed.Has(6, 12));
    EXPECT_FALSE(mixed.Has(5, 12));
}

TEST_F(TextLayout, PrefixRulesAtTheEdges) {
    EXPECT_EQ(Measure("ab&", 100, 0).right, 12);           // a final "&" marks nothing
    EXPECT_EQ(Measure("&ab", 100, DT_NOPREFIX).right, 18); // DT_NOPREFIX shows it
    EXPECT_EQ(Draw("&ab", {0, 0, 100, 20}, DT_NOPREFIX).InkInRow(12), 0);
    const InkRecorder twoMarks = Draw("&a&b", {0, 0, 100, 20}, DT_LEFT); // the last mark wins
    EXPECT_EQ(twoMarks.InkInRow(12), 5);
    EXPECT_TRUE(twoMarks.Has(6, 12));
}

TEST_F(TextLayout, TheUnderlinedKeyFollowsItsCharacterOntoAWrappedLine) {
    const InkRecorder ink = Draw("aaa &bbb", {0, 0, 20, 100}, DT_WORDBREAK | DT_NOCLIP);
    ASSERT_EQ(ink.lines.size(), 2u);
    EXPECT_EQ(ink.InkInRow(12), 0);
    EXPECT_EQ(ink.InkInRow(kCell + 12), 5);
    EXPECT_TRUE(ink.Has(0, kCell + 12));
}

TEST_F(TextLayout, OutputIsClippedToTheRectangleUnlessNoClip) {
    const InkRecorder clipped = Draw("获取标准时间", {0, 0, 30, 10}, DT_LEFT);
    const RECT bounds = clipped.Bounds();
    EXPECT_LE(bounds.right, 30);
    EXPECT_LE(bounds.bottom, 10);
    EXPECT_FALSE(clipped.ink.empty());
    EXPECT_GT(Draw("获取标准时间", {0, 0, 30, 10}, DT_LEFT | DT_NOCLIP).Bounds().right, 60);
}

TEST_F(TextLayout, ReturnsTheTextHeight) {
    int height = 0;
    Draw("a\r\nb\r\nc", {0, 0, 100, 100}, DT_LEFT, &height);
    EXPECT_EQ(height, 3 * kCell);
    Draw("ab", {0, 0, 50, 33}, DT_SINGLELINE | DT_VCENTER, &height);
    EXPECT_EQ(height, 10 + kCell); // counted from the rectangle's top, as DrawText does
    EXPECT_EQ(DrawTextLayout(*font_, "ab", nullptr, DT_LEFT, {}), 0);
}

TEST_F(TextLayout, EmptyTextHasNoLines) {
    int height = -1;
    EXPECT_RECT((RECT{0, 0, 0, 0}), Measure("", 100, DT_WORDBREAK, &height));
    EXPECT_EQ(height, 0);
    EXPECT_RECT((RECT{0, 0, 0, kCell}), Measure("", 100, DT_SINGLELINE));
    EXPECT_TRUE(Draw("", {0, 0, 100, 100}, DT_LEFT).ink.empty());
}

TEST_F(TextLayout, MalformedUtf8MeasuresAndDrawsWithoutCrashing) {
    const std::string garbage = "\xFF\xFE\xC0\x80\xED\xA0\x80 \xE4\xB8";
    const RECT measured = Measure(garbage, 30);
    EXPECT_GT(measured.right, 0);
    EXPECT_GT(measured.bottom, 0);
    RECT box{0, 0, 30, 100};
    InkRecorder ink;
    EXPECT_GT(DrawTextLayout(*font_, garbage, &box, DT_WORDBREAK | DT_CENTER, ink.Sink()), 0);
    EXPECT_EQ(Measure("\xFF", 100).right, font_->Advance("\xEF\xBF\xBD")); // one U+FFFD per bad byte
}

} // namespace
} // namespace gdi::testing
