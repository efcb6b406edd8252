// Block transfers: every ternary raster operation against its truth table,
// monochrome <-> colour conversion, stretching, overlap and source bounds.
#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/Rop.h"
#include "platform/gdi/tests/support/PixelArt.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace gdi {
namespace {

using namespace testing; // Canvas, Legend, MatchesArt and the kOdd pre-fill

// The obvious reference: look every bit up in the truth table of the index byte.
COLORREF ReferenceRop(BYTE index, COLORREF p, COLORREF s, COLORREF d) {
    COLORREF result = 0;
    for (int bit = 0; bit < 24; ++bit) {
        const int row = static_cast<int>(((p >> bit) & 1) << 2 | ((s >> bit) & 1) << 1 | ((d >> bit) & 1));
        result |= static_cast<COLORREF>((index >> row) & 1) << bit;
    }
    return result;
}

TEST(RopTable, EveryOperationMatchesItsTruthTable) {
    std::mt19937 random(20261207);
    for (int index = 0; index < 256; ++index) {
        for (int trial = 0; trial < 64; ++trial) {
            const COLORREF p = random() & 0xFFFFFF, s = random() & 0xFFFFFF, d = random() & 0xFFFFFF;
            ASSERT_EQ(detail::ApplyRop(static_cast<BYTE>(index), p, s, d, 0xFFFFFF),
                      ReferenceRop(static_cast<BYTE>(index), p, s, d))
                << "rop index " << index;
        }
    }
}

// Every named operation (and the two unnamed ones the button uses) with its
// Windows code and its formula, on a pattern, source and destination whose
// bits meet in all eight combinations.
TEST(RopTable, NamedOperationsHaveTheirCodesAndFormulas) {
    const COLORREF p = 0xF0F0F0, s = 0xCCCCCC, d = 0xAAAAAA, all = 0xFFFFFF;
    const struct {
        const char* name;
        DWORD rop;
        DWORD code;
        COLORREF result;
    } rows[] = {
        {"SRCCOPY", SRCCOPY, 0x00CC0020, s},
        {"SRCPAINT", SRCPAINT, 0x00EE0086, s | d},
        {"SRCAND", SRCAND, 0x008800C6, s & d},
        {"SRCINVERT", SRCINVERT, 0x00660046, s ^ d},
        {"SRCERASE", SRCERASE, 0x00440328, s & ~d & all},
        {"NOTSRCCOPY", NOTSRCCOPY, 0x00330008, ~s & all},
        {"NOTSRCERASE", NOTSRCERASE, 0x001100A6, ~(s | d) & all},
        {"MERGECOPY", MERGECOPY, 0x00C000CA, p & s},
        {"MERGEPAINT", MERGEPAINT, 0x00BB0226, (~s | d) & all},
        {"PATCOPY", PATCOPY, 0x00F00021, p},
        {"PATPAINT", PATPAINT, 0x00FB0A09, (p | ~s | d) & all},
        {"PATINVERT", PATINVERT, 0x005A0049, p ^ d},
        {"DSTINVERT", DSTINVERT, 0x00550009, ~d & all},
        {"BLACKNESS", BLACKNESS, 0x00000042, 0},
        {"WHITENESS", WHITENESS, 0x00FF0062, all},
        {"0x220326 (colour key)", 0x00220326, 0x00220326, d & ~s & all},
        {"0xB8074A (disabled picture)", 0x00B8074A, 0x00B8074A, ((d ^ p) & s) ^ p},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.rop, row.code) << row.name;
        EXPECT_EQ(detail::ApplyRop(detail::RopIndex(row.rop), p, s, d, all), row.result) << row.name;
    }
}

void FillRandom(HDC dc, int width, int height, std::mt19937& random) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            SetPixel(dc, x, y, random() & 0xFFFFFF);
}

std::vector<COLORREF> Pixels(HDC dc, int width, int height) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    return pixels;
}

// Real blits with a patterned brush, every operation, pixel by pixel against the reference.
TEST(BitBlt, AllTernaryOperationsMatchTheReferenceOnRandomPixels) {
    constexpr int kW = 11, kH = 5;
    std::mt19937 random(42);
    Canvas source(kW, kH, kOdd), tile(8, 8, kOdd);
    FillRandom(source.Dc(), kW, kH, random);
    FillRandom(tile.Dc(), 8, 8, random);
    const auto sourcePixels = Pixels(source.Dc(), kW, kH);
    HBRUSH brush = CreatePatternBrush(tile.Bitmap());
    ASSERT_NE(brush, 0u);
    for (int index = 0; index < 256; ++index) {
        Canvas dest(kW, kH, kOdd);
        FillRandom(dest.Dc(), kW, kH, random);
        const auto before = Pixels(dest.Dc(), kW, kH);
        HGDIOBJ old = SelectObject(dest.Dc(), brush);
        const DWORD rop = static_cast<DWORD>(index) << 16;
        ASSERT_TRUE(BitBlt(dest.Dc(), 0, 0, kW, kH, source.Dc(), 0, 0, rop));
        SelectObject(dest.Dc(), old);
        const auto after = Pixels(dest.Dc(), kW, kH);
        for (int y = 0; y < kH; ++y) {
            for (int x = 0; x < kW; ++x) {
                const COLORREF p = GetPixel(tile.Dc(), x % 8, y % 8);
                const int i = y * kW + x;
                ASSERT_EQ(after[i], ReferenceRop(static_cast<BYTE>(index), p, sourcePixels[i], before[i]))
                    << "rop index " << index << " at " << x << "," << y;
            }
        }
    }
    DeleteObject(brush);
}

TEST(PatBlt, NamedOperationsAndRefusalOfSourceOperations) {
    Canvas canvas(4, 1, RGB(0x12, 0x34, 0x56));
    HBRUSH brush = CreateSolidBrush(RGB(0xF0, 0x0F, 0xFF));
    HGDIOBJ old = SelectObject(canvas.Dc(), brush);
    EXPECT_TRUE(PatBlt(canvas.Dc(), 0, 0, 1, 1, PATCOPY));
    EXPECT_TRUE(PatBlt(canvas.Dc(), 1, 0, 1, 1, PATINVERT));
    EXPECT_TRUE(PatBlt(canvas.Dc(), 2, 0, 1, 1, DSTINVERT));
    EXPECT_TRUE(PatBlt(canvas.Dc(), 3, 0, -1, 1, WHITENESS)); // a negative extent covers its origin
    EXPECT_EQ(GetPixel(canvas.Dc(), 0, 0), RGB(0xF0, 0x0F, 0xFF));
    EXPECT_EQ(GetPixel(canvas.Dc(), 1, 0), RGB(0x12 ^ 0xF0, 0x34 ^ 0x0F, 0x56 ^ 0xFF));
    EXPECT_EQ(GetPixel(canvas.Dc(), 2, 0), RGB(0xED, 0xCB, 0xA9));
    EXPECT_EQ(GetPixel(canvas.Dc(), 3, 0), RGB(255, 255, 255));
    EXPECT_TRUE(PatBlt(canvas.Dc(), 0, 0, 4, 1, BLACKNESS));
    EXPECT_EQ(GetPixel(canvas.Dc(), 3, 0), RGB(0, 0, 0));
    EXPECT_FALSE(PatBlt(canvas.Dc(), 0, 0, 4, 1, SRCCOPY));
    EXPECT_FALSE(PatBlt(0xBAD, 0, 0, 4, 1, PATCOPY));
    SelectObject(canvas.Dc(), old);
    DeleteObject(brush);
}

// A monochrome DC with a bitmap of the given rows ('1' = white).
class MonoCanvas {
  public:
    explicit MonoCanvas(const std::vector<std::string>& rows) {
        dc_ = CreateCompatibleDC(0);
        bitmap_ =
            CreateBitmap(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), 1, 1, nullptr);
        old_ = SelectObject(dc_, bitmap_);
        for (int y = 0; y < static_cast<int>(rows.size()); ++y)
            for (int x = 0; x < static_cast<int>(rows[0].size()); ++x)
                SetPixel(dc_, x, y, rows[y][x] == '1' ? RGB(255, 255, 255) : RGB(0, 0, 0));
    }
    ~MonoCanvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }
    std::vector<std::string> Rows(int width, int height) const {
        return testing::CaptureArt(dc_, width, height,
                                   Legend{{'1', RGB(255, 255, 255)}, {'0', RGB(0, 0, 0)}});
    }

  private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

TEST(MonoColour, MonochromeSourceTakesTheDestinationsTextAndBackgroundColours) {
    MonoCanvas mono({"0101", "1100"});
    SetTextColor(mono.Dc(), RGB(0, 255, 0)); // the source DC's colours play no part
    SetBkColor(mono.Dc(), RGB(0, 255, 0));
    Canvas colour(4, 2, kOdd);
    SetTextColor(colour.Dc(), RGB(255, 0, 0));
    SetBkColor(colour.Dc(), RGB(0, 0, 255));
    ASSERT_TRUE(BitBlt(colour.Dc(), 0, 0, 4, 2, mono.Dc(), 0, 0, SRCCOPY));
    EXPECT_TRUE(
        MatchesArt(colour.Dc(), {"tbtb", "bbtt"}, Legend{{'t', RGB(255, 0, 0)}, {'b', RGB(0, 0, 255)}}));
}

TEST(MonoColour, ColourSourceGivesOneWhereItEqualsTheSourceBackground) {
    Canvas colour(4, 2, kOdd);
    const Legend legend{{'k', RGB(10, 20, 30)}, {'x', RGB(200, 0, 0)}, {'w', RGB(255, 255, 255)}};
    testing::PaintArt(colour.Dc(), {"kxwk", "xxkw"}, legend);
    SetBkColor(colour.Dc(), RGB(10, 20, 30));
    MonoCanvas mono({"0000", "0000"});
    SetBkColor(mono.Dc(), RGB(200, 0, 0)); // the destination's colours play no part
    ASSERT_TRUE(BitBlt(mono.Dc(), 0, 0, 4, 2, colour.Dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(mono.Rows(4, 2), (std::vector<std::string>{"1001", "0010"}));
}

// A monochrome pattern brush paints its 0 bits in the text colour and its 1 bits in the background colour.
TEST(MonoColour, MonochromePatternBrushTakesTheDcsColours) {
    MonoCanvas tile({"01", "10"});
    HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(tile.Dc(), OBJ_BITMAP));
    HBRUSH brush = CreatePatternBrush(bitmap);
    ASSERT_NE(brush, 0u);
    Canvas canvas(3, 2, kOdd);
    SetTextColor(canvas.Dc(), RGB(255, 0, 0));
    SetBkColor(canvas.Dc(), RGB(0, 0, 255));
    RECT all{0, 0, 3, 2};
    FillRect(canvas.Dc(), &all, brush);
    EXPECT_TRUE(
        MatchesArt(canvas.Dc(), {"tbt", "btb"}, Legend{{'t', RGB(255, 0, 0)}, {'b', RGB(0, 0, 255)}}));
    DeleteObject(brush);
}

// The colour-key sequence the button uses for transparent pictures: a mask
// from the key colour, the key blackened in the picture (0x220326), the
// background cleared under the picture (SRCAND) and the picture ORed in.
TEST(MonoColour, ColourKeyTransparencySequence) {
    const COLORREF key = RGB(255, 0, 255), ink = RGB(0, 128, 0), back = RGB(200, 200, 200);
    const Legend legend{{'k', key}, {'i', ink}, {'.', back}};
    Canvas picture(4, 3, key);
    testing::PaintArt(picture.Dc(), {"kiik", "iiii", "kiik"}, legend);
    Canvas target(4, 3, back);
    MonoCanvas mask({"0000", "0000", "0000"});

    SetBkColor(picture.Dc(), key);
    SetTextColor(picture.Dc(), RGB(255, 255, 255));
    BitBlt(mask.Dc(), 0, 0, 4, 3, picture.Dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(mask.Rows(4, 3), (std::vector<std::string>{"1001", "0000", "1001"}));

    SetTextColor(picture.Dc(), RGB(0, 0, 0));
    SetBkColor(picture.Dc(), RGB(255, 255, 255));
    BitBlt(picture.Dc(), 0, 0, 4, 3, mask.Dc(), 0, 0, 0x220326);
    EXPECT_EQ(GetPixel(picture.Dc(), 0, 0), RGB(0, 0, 0));

    StretchBlt(target.Dc(), 0, 0, 4, 3, mask.Dc(), 0, 0, 4, 3, SRCAND);
    StretchBlt(target.Dc(), 0, 0, 4, 3, picture.Dc(), 0, 0, 4, 3, SRCPAINT);
    EXPECT_TRUE(MatchesArt(target.Dc(), {".ii.", "iiii", ".ii."}, legend));
}

// The disabled look: where the picture is white the button stays, where it
// is black the grey brush shows (0xB8074A with a grey brush).
TEST(MonoColour, DisabledLookOperation) {
    const COLORREF face = RGB(240, 240, 240), grey = RGB(128, 128, 128);
    Canvas button(3, 1, face);
    Canvas picture(3, 1, RGB(255, 255, 255));
    SetPixel(picture.Dc(), 1, 0, RGB(0, 0, 0));
    HBRUSH brush = CreateSolidBrush(grey);
    HGDIOBJ old = SelectObject(button.Dc(), brush);
    ASSERT_TRUE(BitBlt(button.Dc(), 0, 0, 3, 1, picture.Dc(), 0, 0, 0xB8074A));
    EXPECT_EQ(GetPixel(button.Dc(), 0, 0), face);
    EXPECT_EQ(GetPixel(button.Dc(), 1, 0), grey);
    SelectObject(button.Dc(), old);
    DeleteObject(brush);
}

const Legend kLetters{{'.', kOdd},
                      {'a', RGB(255, 0, 0)},
                      {'b', RGB(0, 255, 0)},
                      {'c', RGB(0, 0, 255)},
                      {'d', RGB(255, 255, 0)}};

TEST(StretchBlt, DoublesHalvesAndMirrors) {
    Canvas source(2, 2, kOdd);
    testing::PaintArt(source.Dc(), {"ab", "cd"}, kLetters);
    Canvas big(4, 4, kOdd);
    ASSERT_TRUE(StretchBlt(big.Dc(), 0, 0, 4, 4, source.Dc(), 0, 0, 2, 2, SRCCOPY));
    EXPECT_TRUE(MatchesArt(big.Dc(), {"aabb", "aabb", "ccdd", "ccdd"}, kLetters));

    Canvas small(2, 2, kOdd);
    ASSERT_TRUE(StretchBlt(small.Dc(), 0, 0, 2, 2, big.Dc(), 0, 0, 4, 4, SRCCOPY));
    EXPECT_TRUE(MatchesArt(small.Dc(), {"ab", "cd"}, kLetters));

    Canvas mirrored(2, 2, kOdd);
    // A negative width covers the origin column and the one before it.
    ASSERT_TRUE(StretchBlt(mirrored.Dc(), 1, 0, -2, 2, source.Dc(), 0, 0, 2, 2, SRCCOPY));
    EXPECT_TRUE(MatchesArt(mirrored.Dc(), {"ba", "dc"}, kLetters));
}

// Shrinking drops pixels; the DC's stretch mode says how they still count.
TEST(StretchBlt, ShrinkingFollowsTheStretchMode) {
    const Legend grey{{'k', RGB(0, 0, 0)}, {'w', RGB(255, 255, 255)}, {'.', kOdd}};
    Canvas source(4, 3, kOdd);
    testing::PaintArt(source.Dc(), {"kwwk", "wwwk", "wkww"}, grey);
    // Rows 0..2 become rows 0, 0, 1 and columns 0..3 columns 0, 0, 1, 1.
    const struct {
        int mode;
        std::vector<std::string> expected;
    } cases[] = {
        {BLACKONWHITE, {"kk", "kw"}}, // the default: black pixels survive (AND)
        {WHITEONBLACK, {"ww", "ww"}}, // white survives (OR)
        {COLORONCOLOR, {"wk", "kw"}}, // the last column and the first row of each block
        {HALFTONE, {"kw", "ww"}},     // interpolated at (2x, 1.5y): samples, never averages a block
    };
    for (const auto& c : cases) {
        Canvas dest(2, 2, kOdd);
        if (c.mode != BLACKONWHITE)
            SetStretchBltMode(dest.Dc(), c.mode);
        ASSERT_TRUE(StretchBlt(dest.Dc(), 0, 0, 2, 2, source.Dc(), 0, 0, 4, 3, SRCCOPY));
        EXPECT_TRUE(MatchesArt(dest.Dc(), c.expected, grey)) << "stretch mode " << c.mode;
    }
}

TEST(BitBlt, OverlappingCopyWithinOneSurface) {
    Canvas canvas(4, 3, kOdd);
    testing::PaintArt(canvas.Dc(), {"abcd", "bcda", "cdab"}, kLetters);
    ASSERT_TRUE(BitBlt(canvas.Dc(), 1, 1, 3, 2, canvas.Dc(), 0, 0, SRCCOPY));
    EXPECT_TRUE(MatchesArt(canvas.Dc(), {"abcd", "babc", "cbcd"}, kLetters));
    ASSERT_TRUE(BitBlt(canvas.Dc(), 0, 0, 3, 2, canvas.Dc(), 1, 1, SRCCOPY));
    EXPECT_TRUE(MatchesArt(canvas.Dc(), {"abcd", "bcdc", "cbcd"}, kLetters));
}

TEST(BitBlt, PixelsWithoutSourceStayUntouched) {
    Canvas source(2, 2, kOdd);
    testing::PaintArt(source.Dc(), {"ab", "cd"}, kLetters);
    Canvas dest(4, 3, kOdd);
    ASSERT_TRUE(BitBlt(dest.Dc(), 0, 0, 4, 3, source.Dc(), -1, 0, SRCCOPY));
    EXPECT_TRUE(MatchesArt(dest.Dc(), {".ab.", ".cd.", "...."}, kLetters));
}

// A DC holding a 32-bit DIB section, bottom-up or top-down.
class DibCanvas {
  public:
    DibCanvas(int width, int height, bool bottomUp) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = bottomUp ? height : -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0);
        dc_ = CreateCompatibleDC(0);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~DibCanvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }

  private:
    HBITMAP bitmap_;
    HDC dc_;
    HGDIOBJ old_;
};

// Whole-surface fills and copies take block paths; every layout pairing must
// still put each row where it belongs.
TEST(BitBlt, WholeSurfaceCopiesKeepRowOrderInEveryLayout) {
    const std::vector<std::string> picture{"abc", "bcd", "cda", "dab"};
    for (bool sourceBottomUp : {false, true}) {
        for (bool destBottomUp : {false, true}) {
            DibCanvas source(3, 4, sourceBottomUp), dest(3, 4, destBottomUp);
            testing::PaintArt(source.Dc(), picture, kLetters);
            ASSERT_TRUE(BitBlt(dest.Dc(), 0, 0, 3, 4, source.Dc(), 0, 0, SRCCOPY));
            EXPECT_TRUE(MatchesArt(dest.Dc(), picture, kLetters)) << sourceBottomUp << destBottomUp;
            ASSERT_TRUE(BitBlt(dest.Dc(), 0, 1, 3, 3, source.Dc(), 0, 0, SRCCOPY));
            EXPECT_TRUE(MatchesArt(dest.Dc(), {"abc", "abc", "bcd", "cda"}, kLetters))
                << sourceBottomUp << destBottomUp;
        }
        DibCanvas canvas(3, 4, sourceBottomUp);
        testing::PaintArt(canvas.Dc(), picture, kLetters);
        HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
        RECT middle{0, 1, 3, 3};
        FillRect(canvas.Dc(), &middle, brush);
        DeleteObject(brush);
        EXPECT_TRUE(MatchesArt(canvas.Dc(), {"abc", "aaa", "aaa", "dab"}, kLetters)) << sourceBottomUp;
    }
}

TEST(BitBlt, BadHandlesFail) {
    Canvas dest(2, 2, kOdd);
    EXPECT_FALSE(BitBlt(dest.Dc(), 0, 0, 2, 2, 0, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(0, 0, 0, 2, 2, dest.Dc(), 0, 0, SRCCOPY));
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    EXPECT_FALSE(BitBlt(dest.Dc(), 0, 0, 2, 2, pen, 0, 0, SRCCOPY)); // a pen is no DC
    DeleteObject(pen);
    // An operation without source needs no source DC.
    EXPECT_TRUE(BitBlt(dest.Dc(), 0, 0, 2, 2, 0, 0, 0, WHITENESS));
    EXPECT_EQ(GetPixel(dest.Dc(), 1, 1), RGB(255, 255, 255));
}

// Only top-down 32-bit rows onto a 32-bit surface; the rest is refused untouched.
TEST(StretchDIBits, RefusesRowsAndSurfacesItDoesNotHandle) {
    Canvas dest(2, 2, kOdd);
    const std::uint32_t rows[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, -2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    BITMAPINFO bottomUp = info, mono = info;
    bottomUp.bmiHeader.biHeight = 2;
    mono.bmiHeader.biBitCount = 1;
    EXPECT_EQ(StretchDIBits(dest.Dc(), 0, 0, 2, 2, 0, 0, 2, 2, rows, &bottomUp, DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(StretchDIBits(dest.Dc(), 0, 0, 2, 2, 0, 0, 2, 2, rows, &mono, DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(StretchDIBits(dest.Dc(), 0, 0, 2, 2, 0, 0, 2, 2, nullptr, &info, DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_TRUE(MatchesArt(dest.Dc(), {"..", ".."}, Legend{{'.', kOdd}}));
    const HDC monoDc = CreateCompatibleDC(0); // holds the 1 x 1 monochrome default bitmap
    EXPECT_EQ(StretchDIBits(monoDc, 0, 0, 1, 1, 0, 0, 1, 1, rows, &info, DIB_RGB_COLORS, SRCCOPY), 0);
    DeleteDC(monoDc);
    EXPECT_EQ(StretchDIBits(dest.Dc(), 0, 0, 2, 2, 0, 0, 2, 2, rows, &info, DIB_RGB_COLORS, SRCCOPY), 2);
    EXPECT_EQ(GetPixel(dest.Dc(), 1, 1), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dest.Dc(), 0, 0), RGB(255, 0, 0)); // 0x00RRGGBB rows
}

} // namespace
} // namespace gdi
