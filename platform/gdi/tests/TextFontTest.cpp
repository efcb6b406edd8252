// Fonts: which file a LOGFONT resolves to, the metrics and glyphs that file
// gives at the button's size, and the simulated styles.
#include "platform/gdi/tests/TextTestSupport.h"

#include "platform/gdi/text/FontResolver.h"

#include <climits>

namespace gdi::testing {
namespace {

using detail::DrawTextLayout;
using detail::FontFace;

// Draws text at (0, 0) without clipping and returns the recorded ink.
InkRecorder Draw(const FontFace& font, const char* text) {
    InkRecorder recorder;
    RECT rect{0, 0, 1000, 1000};
    DrawTextLayout(font, text, &rect, DT_LEFT | DT_NOPREFIX | DT_NOCLIP, recorder.Sink());
    return recorder;
}

TEST(TextFontFiles, TheTestsArePinnedToTheInstalledSongAndDejaVuFiles) {
    EXPECT_EQ(FontconfigFileFor("AR PL UMing CN"), kSongFontFile);
    EXPECT_EQ(FontconfigFileFor("DejaVu Sans"), kDejaVuSansFile);
}

TEST(TextFontFiles, WindowsSongNamesResolveToTheSongFace) {
    for (const char* name : {"宋体", "SimSun", "simsun", "新宋体", "NSimSun"}) {
        const auto font = FontFace::Create(MakeLogfont(name, -12));
        EXPECT_EQ(font->FontFile(), kSongFontFile) << name;
    }
    // 宋体 in GBK, as a form saved on Chinese Windows holds it.
    EXPECT_EQ(FontFace::Create(MakeLogfont("\xCB\xCE\xCC\xE5", -12))->FontFile(), kSongFontFile);
    EXPECT_EQ(detail::SubstituteFamily("宋体"), "AR PL UMing CN");
    EXPECT_EQ(detail::SubstituteFamily("Tahoma"), "Tahoma");
}

TEST(TextFontFiles, FaceNameEndsAtItsNulAndIgnoresBlankPadding) {
    // The control stores the name followed by a NUL and pads the field with blanks.
    LOGFONTA logfont = SongFont();
    std::memset(logfont.lfFaceName, ' ', LF_FACESIZE);
    std::memcpy(logfont.lfFaceName, "SimSun", 6);
    EXPECT_EQ(detail::RequestedFaceName(logfont), "SimSun"); // no NUL at all: blanks trimmed
    logfont.lfFaceName[6] = '\0';
    EXPECT_EQ(detail::RequestedFaceName(logfont), "SimSun");
    EXPECT_EQ(FontFace::Create(logfont)->FontFile(), kSongFontFile);
}

TEST(TextFontFiles, UnknownOrEmptyFaceFallsBackToAFaceWithIdeographs) {
    for (const char* name : {"No Such Face 42", "", "\xFF\xFE bad bytes"}) {
        const auto font = FontFace::Create(MakeLogfont(name, -12));
        EXPECT_EQ(font->FontFile(), kSongFontFile) << '"' << name << '"';
        EXPECT_EQ(font->Advance("中"), 12);
    }
}

TEST(TextFontFiles, LatinFamiliesAndTheirBoldFiles) {
    EXPECT_EQ(FontFace::Create(MakeLogfont("DejaVu Sans", -12))->FontFile(), kDejaVuSansFile);
    EXPECT_EQ(FontFace::Create(MakeLogfont("DejaVu Sans", -12, FW_BOLD))->FontFile(), kDejaVuSansBoldFile);
}

TEST(TextFontFiles, FacesWithoutIdeographsBorrowThemFromTheSongFace) {
    const auto latin = FontFace::Create(MakeLogfont("DejaVu Sans", -12));
    ASSERT_EQ(latin->FontFile(), kDejaVuSansFile);
    EXPECT_EQ(latin->Advance("中"), 12);
    const InkRecorder borrowed = Draw(*latin, "中");
    const InkRecorder song = Draw(*FontFace::Create(SongFont()), "中");
    // Same glyph, on the Latin face's baseline (ascent 11 in both faces).
    EXPECT_EQ(latin->Metrics().tmAscent, 11);
    EXPECT_EQ(borrowed.ink, song.ink);
    EXPECT_EQ(latin->Advance("A"), 8); // its own Latin glyphs stay
}

TEST(TextFontMetrics, SongAtTwelvePixelsHasAThirteenPixelCell) {
    const TEXTMETRICA m = FontFace::Create(SongFont(-12))->Metrics();
    EXPECT_EQ(m.tmHeight, 13);
    EXPECT_EQ(m.tmAscent, 11);
    EXPECT_EQ(m.tmDescent, 2);
    EXPECT_EQ(m.tmInternalLeading, 1); // cell 13 minus the 12-pixel em
    EXPECT_EQ(m.tmExternalLeading, 0);
    EXPECT_EQ(m.tmAveCharWidth, 6);
    EXPECT_EQ(m.tmMaxCharWidth, 12);
    EXPECT_EQ(m.tmWeight, FW_NORMAL);
    EXPECT_EQ(m.tmCharSet, GB2312_CHARSET); // DEFAULT_CHARSET on a face with ideographs
}

TEST(TextFontMetrics, PositiveHeightIsTheCellHeight) {
    EXPECT_EQ(FontFace::Create(SongFont(13))->Metrics().tmHeight, 13);
    EXPECT_EQ(FontFace::Create(SongFont(13))->Advance("中"), 12); // the same 12-pixel em
    EXPECT_EQ(FontFace::Create(SongFont(26))->Metrics().tmHeight, 26);
    // 16-pixel em: ascent 917/1024 and descent 155/1024 of it, each rounded.
    EXPECT_EQ(FontFace::Create(SongFont(-16))->Metrics().tmAscent, 14);
    EXPECT_EQ(FontFace::Create(SongFont(-16))->Metrics().tmHeight, 16);
}

TEST(TextFontMetrics, AbsurdHeightsAreClampedNotRefused) {
    for (LONG height : {LONG{INT_MIN}, LONG{INT_MAX}, LONG{-100000}, LONG{0}}) {
        const auto font = FontFace::Create(SongFont(height));
        ASSERT_NE(font, nullptr);
        const TEXTMETRICA m = font->Metrics();
        EXPECT_GE(m.tmHeight, 1) << height;
        EXPECT_LE(m.tmHeight, 500) << height;
    }
    EXPECT_EQ(FontFace::Create(SongFont(0))->Metrics().tmHeight, 13); // 0: the 12-pixel default
}

TEST(TextFontMetrics, AdvancesAreWholeCellsForIdeographsAndHalfCellsForLatin) {
    const auto font = FontFace::Create(SongFont());
    EXPECT_EQ(font->Advance("中"), 12);
    EXPECT_EQ(font->Advance("A"), 6);
    EXPECT_EQ(font->Advance("获取标准时间"), 72);
    EXPECT_EQ(font->Advance("，"), 12);
    EXPECT_EQ(font->Advance(""), 0);
    EXPECT_EQ(font->Advance("\r\n"), 0); // control characters take no room
}

TEST(TextFontGlyphs, TwelvePixelSongUsesTheEmbeddedBitmap) {
    // The face's hand-drawn 12-pixel strike; the scaled outline would look
    // different (its horizontal bars do not reach the left column).
    const InkRecorder ink = Draw(*FontFace::Create(SongFont()), "中");
    const std::string expected = ".....#......\n"
                                 ".#...#...#..\n"
                                 ".##########.\n"
                                 ".#...#...#..\n"
                                 ".#...#...#..\n"
                                 ".#...#...#..\n"
                                 ".#########..\n"
                                 ".#...#...#..\n"
                                 ".....#......\n"
                                 ".....#......\n"
                                 ".....#......\n";
    EXPECT_EQ(ink.Art({0, 1, 12, 12}), expected);
    EXPECT_RECT((RECT{1, 1, 11, 12}), ink.Bounds());
}

TEST(TextFontGlyphs, OutlineSizesRenderTooAndStayInsideTheCell) {
    const auto font = FontFace::Create(SongFont(-20)); // no strike at 20 pixels
    const TEXTMETRICA m = font->Metrics();
    const InkRecorder ink = Draw(*font, "中");
    ASSERT_FALSE(ink.ink.empty());
    const RECT bounds = ink.Bounds();
    EXPECT_GE(bounds.left, 0);
    EXPECT_LE(bounds.right, font->Advance("中"));
    EXPECT_GE(bounds.top, 0);
    EXPECT_LE(bounds.bottom, m.tmHeight);
    EXPECT_GE(bounds.bottom - bounds.top, 16); // an ideograph fills most of its 20-pixel em
}

TEST(TextFontGlyphs, SimulatedBoldPrintsTheGlyphAgainOnePixelRight) {
    const InkRecorder regular = Draw(*FontFace::Create(SongFont()), "中");
    const auto boldFont = FontFace::Create(MakeLogfont("宋体", -12, FW_BOLD));
    const InkRecorder bold = Draw(*boldFont, "中");
    std::set<std::pair<int, int>> expected = regular.ink;
    for (const auto& [x, y] : regular.ink) {
        expected.insert({x + 1, y});
    }
    EXPECT_EQ(bold.ink, expected);
    EXPECT_EQ(boldFont->Advance("中A"), 12 + 1 + 6 + 1);
    EXPECT_EQ(boldFont->Metrics().tmWeight, FW_BOLD);
}

TEST(TextFontGlyphs, SimulatedItalicSlantsRowsByTheirHeightAboveTheBaseline) {
    const InkRecorder regular = Draw(*FontFace::Create(SongFont()), "中");
    LOGFONTA italicFont = SongFont();
    italicFont.lfItalic = 1;
    const InkRecorder italic = Draw(*FontFace::Create(italicFont), "中");
    // Row 10 is the last above the baseline (ascent 11) and stays put; rows
    // below the baseline lean the other way. One pixel per four rows.
    const int lastRowAboveBaseline = 10;
    std::set<std::pair<int, int>> expected;
    for (const auto& [x, y] : regular.ink) {
        const int height = lastRowAboveBaseline - y;
        const int shift = height >= 0 ? height / 4 : -((-height + 3) / 4);
        expected.insert({x + shift, y});
    }
    EXPECT_EQ(italic.ink, expected);
}

TEST(TextFontGlyphs, UnderlineAndStrikeOutRunTheWholeAdvance) {
    LOGFONTA logfont = SongFont();
    logfont.lfUnderline = 1;
    const InkRecorder underlined = Draw(*FontFace::Create(logfont), "A 中");
    for (int x = 0; x < 24; ++x) {
        EXPECT_TRUE(underlined.Has(x, 12)) << x; // the row below the baseline row
    }
    EXPECT_EQ(underlined.InkInRow(12), 24);

    logfont.lfUnderline = 0;
    logfont.lfStrikeOut = 1;
    const InkRecorder plain = Draw(*FontFace::Create(SongFont()), "A 中");
    const InkRecorder struck = Draw(*FontFace::Create(logfont), "A 中");
    for (int x = 0; x < 24; ++x) {
        EXPECT_TRUE(struck.Has(x, 8)) << x; // three rows above the baseline
    }
    // Off the strike row the glyphs are untouched.
    auto offStrikeRow = [](std::set<std::pair<int, int>> ink) {
        std::erase_if(ink, [](const auto& pixel) { return pixel.second == 8; });
        return ink;
    };
    EXPECT_EQ(offStrikeRow(struck.ink), offStrikeRow(plain.ink));
}

TEST(TextFontCache, TheSameLogfontGivesTheSameFaceAndAnotherSizeAnother) {
    const auto first = FontFace::Create(SongFont());
    EXPECT_EQ(FontFace::Create(SongFont()), first);
    EXPECT_NE(FontFace::Create(SongFont(-13)), first);
    EXPECT_EQ(FontFace::Default()->Metrics().tmHeight, 13);
    EXPECT_EQ(FontFace::Default()->FontFile(), kSongFontFile);
}

TEST(TextFontCache, LogfontIsGivenBackAsRequested) {
    LOGFONTA logfont = MakeLogfont("SimSun", -15, 550);
    logfont.lfQuality = 3;
    const LOGFONTA back = FontFace::Create(logfont)->Logfont();
    EXPECT_EQ(std::memcmp(&back, &logfont, sizeof logfont), 0);
}

} // namespace
} // namespace gdi::testing
