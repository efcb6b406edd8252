// The span paths of the drawing layer against the general paths they short-cut,
// on random inputs from a fixed seed: a fast path must give the same pixels.
#include "platform/gdi/gdi.h"
#include "platform/gdi/internal/Objects.h"
#include "platform/gdi/internal/PenStroke.h"
#include "platform/gdi/text/TextEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace gdi {
namespace {

using namespace detail;

constexpr int kWidth = 41;
constexpr int kHeight = 29;
constexpr COLORREF kBack = RGB(1, 2, 3);

// A DC on a bitmap of kWidth x kHeight filled with kBack: 32-bit top-down,
// 32-bit bottom-up (a DIB section, its rows in memory from the bottom up) or
// monochrome. Its pixels are read without the clip, so that a path that
// strays outside the clip shows.
class Bitmap {
  public:
    enum Kind { kTopDown, kBottomUp, kMonochrome };
    explicit Bitmap(Kind kind = kTopDown) {
        if (kind == kBottomUp) {
            BITMAPINFO info{};
            info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
            info.bmiHeader.biWidth = kWidth;
            info.bmiHeader.biHeight = kHeight;
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            void* bits = nullptr;
            bitmap_ = CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0);
        } else {
            bitmap_ = kind == kMonochrome ? CreateBitmap(kWidth, kHeight, 1, 1, nullptr)
                                          : CreateCompatibleBitmap(screen_, kWidth, kHeight);
        }
        old_ = SelectObject(dc_, bitmap_);
        const HBRUSH back = CreateSolidBrush(kBack);
        const RECT all{0, 0, kWidth, kHeight};
        FillRect(dc_, &all, back);
        DeleteObject(back);
    }
    ~Bitmap() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
        ReleaseDC(0, screen_);
    }
    HDC Dc() const { return dc_; }
    std::vector<COLORREF> Pixels() const {
        SelectClipRgn(dc_, 0); // GetPixel reads only within the clip
        std::vector<COLORREF> pixels;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                pixels.push_back(GetPixel(dc_, x, y));
        return pixels;
    }

  private:
    HDC screen_ = GetDC(0);
    HDC dc_ = CreateCompatibleDC(0);
    HBITMAP bitmap_ = 0;
    HGDIOBJ old_ = 0;
};

// Random inputs: coordinates reach past every edge of the surface.
class Inputs {
  public:
    int X() { return Between(-12, kWidth + 12); }
    int Y() { return Between(-12, kHeight + 12); }
    RECT Rect() {
        const int x1 = X(), x2 = X(), y1 = Y(), y2 = Y();
        return RECT{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    // No clip, a rectangle, a union of a few rectangles with holes cut out of
    // it, or one band per row (as a slanted window's region), some rows left out.
    HRGN Clip() {
        const int kind = Between(0, 3);
        if (kind == 0)
            return 0;
        if (kind == 3)
            return RowBands();
        HRGN region = CreateRectRgn(X(), Y(), X(), Y());
        for (int i = 0; kind == 2 && i < 4; ++i) {
            HRGN part = CreateRectRgn(X(), Y(), X(), Y());
            CombineRgn(region, region, part, i % 2 ? RGN_DIFF : RGN_OR);
            DeleteObject(part);
        }
        return region;
    }
    HRGN RowBands() {
        const HRGN region = CreateRectRgn(0, 0, 0, 0);
        for (int y = Between(-2, 4); y < kHeight + 2; ++y) {
            if (Between(0, 7) == 0)
                continue;
            const HRGN row = CreateRectRgn(X(), y, X(), y + 1);
            CombineRgn(region, region, row, RGN_OR);
            DeleteObject(row);
        }
        return region;
    }

  private:
    std::mt19937 random_{20261208};
};

void SelectClip(HDC dc, HRGN clip) {
    SelectClipRgn(dc, clip);
}

// A region of one band per row, every other row narrower: a glyph crosses many bands, near the edges
// of the narrower ones partly outside.
HRGN StripedRegion() {
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < kHeight; ++y) {
        const HRGN row = CreateRectRgn(y % 2, y, kWidth - 3 * (y % 2), y + 1);
        CombineRgn(region, region, row, RGN_OR);
        DeleteObject(row);
    }
    return region;
}

// Lines of every slope against the pixelwise line: unclipped lines are
// painted straight (pixel by pixel when their runs are short, run by run when
// long), clipped ones run by run through the clip, on either row order.
TEST(SpanPaths, LinesOfASolidPenInRunsMatchThePixelwiseLine) {
    Inputs in;
    // From a (anywhere, or on the surface or just past its edge) to a + (major, minor), the axes
    // swapped at random; major 0 takes a random far end instead.
    struct Shape {
        const char* name;
        int majorLow, majorHigh, minorLow, minorHigh;
        bool diagonal; // minor as long as major
    };
    const Shape shapes[] = {
        {"anywhere", 0, 0, 0, 0, false},   {"straight", 1, 60, 0, 0, false},
        {"long runs", 8, 60, 1, 3, false}, {"short runs", 1, 30, 0, 30, false},
        {"diagonal", 1, 40, 0, 0, true},
    };
    for (int round = 0; round < 1000; ++round) {
        const Shape& shape = shapes[round % std::size(shapes)];
        Bitmap fast(round % 7 == 3 ? Bitmap::kBottomUp : Bitmap::kTopDown), general;
        const HRGN clip = in.Clip();
        SelectClip(fast.Dc(), clip);
        SelectClip(general.Dc(), clip);
        DeleteObject(clip);
        const HPEN pen = CreatePen(PS_SOLID, 1, RGB(200, 10, 10));
        const HGDIOBJ oldFast = SelectObject(fast.Dc(), pen);
        const HGDIOBJ oldGeneral = SelectObject(general.Dc(), pen);
        const POINT a =
            round % 2 ? POINT{in.X(), in.Y()} : POINT{in.Between(-1, kWidth), in.Between(-1, kHeight)};
        POINT b{in.X(), in.Y()};
        if (shape.majorHigh > 0) {
            const int major = in.Between(shape.majorLow, shape.majorHigh) * (in.Between(0, 1) ? 1 : -1);
            const int minor =
                (shape.diagonal ? std::abs(major) : in.Between(shape.minorLow, shape.minorHigh)) *
                (in.Between(0, 1) ? 1 : -1);
            b = in.Between(0, 1) ? POINT{a.x + major, a.y + minor} : POINT{a.x + minor, a.y + major};
        }
        {
            PenStroke stroke(*FindDc(fast.Dc()));
            StrokeLine(stroke, a, b);
        }
        {
            PenStroke stroke(*FindDc(general.Dc()));
            StrokeLinePixelwise(stroke, a, b);
        }
        SelectObject(fast.Dc(), oldFast);
        SelectObject(general.Dc(), oldGeneral);
        DeleteObject(pen);
        ASSERT_EQ(fast.Pixels(), general.Pixels()) << shape.name << " line " << a.x << "," << a.y << " to "
                                                   << b.x << "," << b.y << " in round " << round;
    }
}

// A rectangle whose pen has the brush's colour is one fill; with another brush
// colour the general path draws fill and outline apart, and the two together
// must cover the same pixels. Sizes from one pixel to far past the surface
// (beyond the range the general path pulls coordinates into).
TEST(SpanPaths, ARectangleInOneColourCoversFillAndOutline) {
    Inputs in;
    constexpr COLORREF kInk = RGB(20, 200, 20), kOther = RGB(20, 20, 200);
    const auto far = [&] {
        constexpr int kFar[] = {INT_MIN, -(1 << 30), (1 << 30), INT_MAX};
        return kFar[in.Between(0, 3)];
    };
    const std::function<RECT()> shapes[] = {
        [&] {
            return RECT{in.X(), in.Y(), in.X(), in.Y()};
        },
        [&] {
            const int y = in.Y();
            return RECT{in.X(), y, in.X(), y + (in.Between(0, 1) ? 1 : -1)}; // one row
        },
        [&] {
            const int x = in.X();
            return RECT{x, in.Y(), x + 1, in.Y()}; // one column
        },
        [&] {
            const int x = in.X(), y = in.Y();
            return RECT{x, y, x + 1, y + 1}; // one pixel: nothing shows
        },
        [&] {
            return RECT{in.Between(0, 1) ? far() : in.X(), in.Y(), far(), in.Between(0, 1) ? far() : in.Y()};
        },
    };
    for (int round = 0; round < 500; ++round) {
        Bitmap fast(round % 7 == 3 ? Bitmap::kBottomUp : Bitmap::kTopDown), general;
        const HRGN clip = in.Clip();
        SelectClip(fast.Dc(), clip);
        SelectClip(general.Dc(), clip);
        DeleteObject(clip);
        const int style = in.Between(0, 1) ? PS_SOLID : PS_INSIDEFRAME;
        const HPEN pen = CreatePen(style, 1, kInk);
        const HBRUSH same = CreateSolidBrush(kInk), other = CreateSolidBrush(kOther);
        const HGDIOBJ oldPens[] = {SelectObject(fast.Dc(), pen), SelectObject(general.Dc(), pen)};
        const HGDIOBJ oldBrushes[] = {SelectObject(fast.Dc(), same), SelectObject(general.Dc(), other)};
        const RECT r = shapes[round % std::size(shapes)]();
        Rectangle(fast.Dc(), r.left, r.top, r.right, r.bottom);
        Rectangle(general.Dc(), r.left, r.top, r.right, r.bottom);
        SelectObject(fast.Dc(), oldPens[0]);
        SelectObject(general.Dc(), oldPens[1]);
        SelectObject(fast.Dc(), oldBrushes[0]);
        SelectObject(general.Dc(), oldBrushes[1]);
        DeleteObject(pen);
        DeleteObject(same);
        DeleteObject(other);
        std::vector<COLORREF> expected = general.Pixels();
        for (COLORREF& pixel : expected)
            pixel = pixel == kOther ? kInk : pixel;
        ASSERT_EQ(fast.Pixels(), expected) << "rectangle " << r.left << "," << r.top << "," << r.right << ","
                                           << r.bottom << " in round " << round;
    }
}

// A monochrome surface dithers a grey brush, so a pen and brush of one grey
// are no single fill there: the grey pen shows black (it is not the
// background colour) round the brush's dither, as a black pen would.
TEST(SpanPaths, OnAMonochromeSurfaceAOneColourRectangleTakesTheGeneralPath) {
    constexpr COLORREF kGrey = RGB(128, 128, 128);
    std::vector<COLORREF> pixels[2];
    for (const COLORREF penColour : {kGrey, RGB(0, 0, 0)}) {
        const HDC dc = CreateCompatibleDC(0);
        const HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, nullptr);
        const HPEN pen = CreatePen(PS_SOLID, 1, penColour);
        const HBRUSH brush = CreateSolidBrush(kGrey);
        const HGDIOBJ old[] = {SelectObject(dc, bitmap), SelectObject(dc, pen), SelectObject(dc, brush)};
        Rectangle(dc, 0, 0, 8, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                pixels[penColour == kGrey ? 0 : 1].push_back(GetPixel(dc, x, y));
        for (const HGDIOBJ object : old)
            SelectObject(dc, object);
        DeleteDC(dc);
        DeleteObject(bitmap);
        DeleteObject(pen);
        DeleteObject(brush);
    }
    EXPECT_EQ(pixels[0], pixels[1]);
    EXPECT_NE(std::count(pixels[1].begin(), pixels[1].end(), RGB(255, 255, 255)), 0); // the dither shows
}

// The band walk that clips without allocating against the region's own clipping.
TEST(SpanPaths, TheClipBandWalkCoversWhatTheRegionClipsTo) {
    Inputs in;
    for (int round = 0; round < 300; ++round) {
        Bitmap canvas;
        const HRGN clip = in.Clip();
        SelectClip(canvas.Dc(), clip);
        DeleteObject(clip);
        const DcObject& dc = *FindDc(canvas.Dc());
        const RECT r = in.Rect();
        std::set<std::pair<int, int>> walked, clipped;
        ForEachVisibleRect(dc, r, [&](const RECT& part) {
            for (int y = part.top; y < part.bottom; ++y)
                for (int x = part.left; x < part.right; ++x)
                    ASSERT_TRUE(walked.insert({x, y}).second)
                        << "pixel " << x << "," << y << " visited twice";
        });
        for (const RECT& part : VisibleRects(dc, r))
            for (int y = part.top; y < part.bottom; ++y)
                for (int x = part.left; x < part.right; ++x)
                    clipped.insert({x, y});
        ASSERT_EQ(walked, clipped) << "round " << round;
    }
}

// Rows the caller owns, unscaled through an operation without a pattern
// straight on the surface, scaled or mirrored through the general blit, against
// StretchBlt from a DIB section holding the same rows (high bytes set at random,
// which no pixel may show).
TEST(SpanPaths, StretchDIBitsMatchesStretchBltFromADibSectionOfTheSameRows) {
    Inputs in;
    constexpr DWORD kRops[] = {SRCCOPY,    SRCAND,     SRCPAINT, SRCINVERT,
                               0x00220326, NOTSRCCOPY, PATCOPY,  0x00B8074A};
    for (int round = 0; round < 400; ++round) {
        const int width = in.Between(1, 20), height = in.Between(1, 16);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        const HBITMAP dib = CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, 0, 0);
        ASSERT_NE(dib, 0u);
        auto* pixels = static_cast<std::uint32_t*>(bits);
        for (int i = 0; i < width * height; ++i)
            pixels[i] = static_cast<std::uint32_t>(in.Between(0, 0x7FFFFFFF)) << 1 | in.Between(0, 1);
        const HDC sourceDc = CreateCompatibleDC(0);
        const HGDIOBJ previous = SelectObject(sourceDc, dib);

        Bitmap fast, general;
        const HRGN clip = in.Clip();
        const HBRUSH brush = CreateSolidBrush(RGB(in.Between(0, 255), 90, 200));
        const int mode = in.Between(0, 1) ? BLACKONWHITE : COLORONCOLOR;
        for (HDC dc : {fast.Dc(), general.Dc()}) {
            for (int y = 0; y < kHeight; y += 2)
                for (int x = (y / 2) % 3; x < kWidth; x += 3)
                    SetPixel(dc, x, y, RGB(x * 6, y * 8, 77));
            SelectClip(dc, clip);
            SelectObject(dc, brush);
            SetStretchBltMode(dc, mode);
        }
        DeleteObject(clip);
        const int x = in.X(), y = in.Y(), sx = in.Between(-4, width + 2), sy = in.Between(-4, height + 2);
        int w = in.Between(1, 24), h = in.Between(1, 20), sw = w, sh = h;
        if (in.Between(0, 2) == 0) {
            sw = in.Between(-20, 24);
            sh = in.Between(-16, 20);
        }
        const DWORD rop = kRops[in.Between(0, 7)];
        StretchDIBits(fast.Dc(), x, y, w, h, sx, sy, sw, sh, bits, &info, DIB_RGB_COLORS, rop);
        StretchBlt(general.Dc(), x, y, w, h, sourceDc, sx, sy, sw, sh, rop);
        ASSERT_EQ(fast.Pixels(), general.Pixels()) << "round " << round;
        SelectObject(sourceDc, previous);
        DeleteDC(sourceDc);
        DeleteObject(dib);
        for (HDC dc : {fast.Dc(), general.Dc()})
            SelectObject(dc, GetStockObject(WHITE_BRUSH));
        DeleteObject(brush);
    }
}

// The band walk that starts its search from the last one's place (kept
// across a sequence of rectangles, as along a line) against the whole walk.
TEST(SpanPaths, TheBandWalkFromAHintVisitsWhatTheWholeWalkVisits) {
    Inputs in;
    for (int round = 0; round < 100; ++round) {
        HRGN clip = in.Clip();
        if (clip == 0)
            clip = CreateEllipticRgn(in.X(), in.Y(), in.X(), in.Y());
        const Region& region = FindRegion(clip)->region;
        std::size_t hint = static_cast<std::size_t>(in.Between(0, 12));
        for (int step = 0; step < 20; ++step) {
            const RECT r = in.Rect();
            std::vector<RECT> whole, fromHint;
            ForEachClipPart(region, r, [&](const RECT& part) { whole.push_back(part); });
            ForEachClipPartFrom(region, r, hint, [&](const RECT& part) { fromHint.push_back(part); });
            ASSERT_EQ(fromHint.size(), whole.size()) << "round " << round << " step " << step;
            for (std::size_t i = 0; i < whole.size(); ++i)
                ASSERT_TRUE(EqualRect(&fromHint[i], &whole[i])) << "round " << round << " step " << step;
        }
        DeleteObject(clip);
    }
}

// The one-pixel frame band by band against the frame made by eroding the region.
TEST(SpanPaths, TheOnePixelFrameByBandsMatchesTheErodedFrame) {
    Inputs in;
    for (int round = 0; round < 300; ++round) {
        Bitmap fast, general;
        const HRGN clip = in.Clip();
        SelectClip(fast.Dc(), clip);
        SelectClip(general.Dc(), clip);
        DeleteObject(clip);
        const RECT box = in.Rect();
        HRGN shape = in.Clip();
        if (round % 3 == 0) {
            DeleteObject(shape);
            shape = CreateEllipticRgn(box.left, box.top, box.right, box.bottom);
        } else if (shape == 0) {
            const POINT points[] = {{in.X(), in.Y()}, {in.X(), in.Y()}, {in.X(), in.Y()}, {in.X(), in.Y()}};
            shape = CreatePolygonRgn(points, 4, round % 2 ? WINDING : ALTERNATE);
        }
        const Region& region = FindRegion(shape)->region;
        const BrushPattern ink = SolidPattern(*FindDc(fast.Dc()), RGB(250, 250, 0));
        ASSERT_TRUE(FrameRegionOnePixel(*FindDc(fast.Dc()), region, ink));
        FrameRegion(*FindDc(general.Dc()), region, ink, 1, 1);
        DeleteObject(shape);
        ASSERT_EQ(fast.Pixels(), general.Pixels()) << "round " << round;
    }
}

// Glyphs drawn as runs against the same glyphs drawn pixel by pixel, clipped to random rectangles.
TEST(SpanPaths, TextInRunsInksThePixelsOfTextByPixel) {
    LOGFONTA logfont{};
    logfont.lfHeight = -12;
    logfont.lfWeight = FW_NORMAL;
    logfont.lfUnderline = 1;
    logfont.lfCharSet = DEFAULT_CHARSET;
    const std::string song = "宋体";
    song.copy(logfont.lfFaceName, song.size());
    const auto face = FontFace::Create(logfont);
    const char* const captions[] = {"获取标准时间", "www.dunmora.example", "&Sync now\r\nsecond line",
                                    "a&&b &x"};
    Inputs in;
    int inked = 0;
    for (int round = 0; round < 200; ++round) {
        const std::string caption = captions[round % 4];
        RECT bounds{in.X(), in.Y(), in.X() + in.Between(0, 120), in.Y() + in.Between(0, 30)};
        const UINT format =
            (round % 3 == 0 ? DT_CENTER : DT_LEFT) | (round % 5 == 0 ? DT_NOCLIP : 0) | DT_WORDBREAK;
        std::set<std::pair<int, int>> byPixel, byRun;
        TextSink pixels;
        pixels.plot = [&](int x, int y) { byPixel.insert({x, y}); };
        TextSink runs;
        runs.runs = [&](int x, int y, const InkRun* ink, std::size_t count, const RECT& clip) {
            for (std::size_t r = 0; r < count; ++r) {
                ASSERT_GT(ink[r].count, 0);
                for (int i = 0; i < ink[r].count; ++i) {
                    const int px = x + ink[r].dx + i, py = y + ink[r].dy;
                    if (px >= clip.left && px < clip.right && py >= clip.top && py < clip.bottom)
                        byRun.insert({px, py});
                }
            }
        };
        RECT first = bounds, second = bounds;
        DrawTextLayout(*face, caption, &first, format, pixels);
        DrawTextLayout(*face, caption, &second, format, runs);
        ASSERT_EQ(byRun, byPixel) << caption << " in round " << round;
        inked += byPixel.empty() ? 0 : 1;
    }
    EXPECT_GT(inked, 50); // the rectangles left enough of the text to compare
}

// A focus rectangle under a clip region (inverted dot by dot where the clip
// cuts its border, straight where the border is wholly visible) against the
// same rectangle on an unclipped surface, masked by the region.
TEST(SpanPaths, AClippedFocusRectInvertsTheUnclippedDotsWithinTheRegion) {
    Inputs in;
    int differing = 0;
    for (int round = 0; round < 200; ++round) {
        Bitmap unclipped, clipped;
        const HRGN clip = round % 3 == 0 ? StripedRegion() : in.Clip();
        SelectClipRgn(clipped.Dc(), clip);
        // Mostly on the surface, so that the unclipped side goes straight.
        const RECT rect = round % 4 ? RECT{in.Between(0, kWidth / 2), in.Between(0, kHeight / 2),
                                           in.Between(kWidth / 2, kWidth), in.Between(kHeight / 2, kHeight)}
                                    : in.Rect();
        DrawFocusRect(unclipped.Dc(), &rect);
        DrawFocusRect(clipped.Dc(), &rect);
        SelectClipRgn(clipped.Dc(), 0); // GetPixel reads only within the clip
        std::vector<COLORREF> expected = unclipped.Pixels();
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (clip != 0 && !PtInRegion(clip, x, y))
                    expected[static_cast<std::size_t>(y * kWidth + x)] = kBack;
        differing +=
            expected != unclipped.Pixels() && expected != std::vector<COLORREF>(expected.size(), kBack);
        DeleteObject(clip);
        ASSERT_EQ(clipped.Pixels(), expected) << "round " << round;
    }
    EXPECT_GT(differing, 20); // enough rounds where the region cut the border
}

// Laying out the text of the last layout again takes its lines as they are.
// Each round changes one input of the last round (text, width or format),
// draws twice, and compares both with the same layout made fresh.
TEST(SpanPaths, ARepeatedLayoutDrawsWhatAFreshLayoutDraws) {
    LOGFONTA logfont{};
    logfont.lfHeight = -12;
    logfont.lfCharSet = DEFAULT_CHARSET;
    const std::string song = "宋体";
    song.copy(logfont.lfFaceName, song.size());
    const auto face = FontFace::Create(logfont);
    const char* const captions[] = {"获取标准时间", "www.dunmora.example", "&Sync now\r\nsecond line",
                                    "a&&b &x", "测试上面的地址，有效的放下面"};
    const UINT formats[] = {DT_CENTER | DT_WORDBREAK, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX,
                            DT_SINGLELINE | DT_VCENTER | DT_CENTER, DT_RIGHT, DT_CALCRECT | DT_WORDBREAK};
    struct Drawn {
        int height;
        RECT rect;
        std::set<std::pair<int, int>> pixels;
        bool operator==(const Drawn& o) const {
            return height == o.height && EqualRect(&rect, &o.rect) && pixels == o.pixels;
        }
    };
    const auto draw = [&](const std::string& text, RECT rect, UINT format) {
        Drawn drawn{};
        TextSink sink;
        sink.runs = [&](int x, int y, const InkRun* ink, std::size_t count, const RECT& clip) {
            for (std::size_t r = 0; r < count; ++r)
                for (int i = 0; i < ink[r].count; ++i) {
                    const int px = x + ink[r].dx + i, py = y + ink[r].dy;
                    if (px >= clip.left && px < clip.right && py >= clip.top && py < clip.bottom)
                        drawn.pixels.insert({px, py});
                }
        };
        drawn.height = DrawTextLayout(*face, text, &rect, format, sink);
        drawn.rect = rect;
        return drawn;
    };
    Inputs in;
    int caption = 0, width = 80;
    UINT format = formats[0];
    for (int round = 0; round < 300; ++round) {
        switch (round % 3) {
        case 0:
            caption = in.Between(0, 4);
            break;
        case 1:
            width = in.Between(0, 130);
            break;
        default:
            format = formats[in.Between(0, 4)];
            break;
        }
        const int x = in.X(), y = in.Y();
        const RECT placed{x, y, x + width, y + 24};
        const Drawn first = draw(captions[caption], placed, format);
        const Drawn second = draw(captions[caption], placed, format);
        draw("x", placed, DT_LEFT); // another layout in between
        const Drawn fresh = draw(captions[caption], placed, format);
        ASSERT_TRUE(first == fresh) << captions[caption] << " width " << width << " in round " << round;
        ASSERT_TRUE(second == fresh) << captions[caption] << " width " << width << " in round " << round;
    }
}

// Runs written straight into an unclipped surface against the same runs through the clip band walk.
TEST(SpanPaths, TextWrittenStraightMatchesTextThroughTheClip) {
    Inputs in;
    for (int round = 0; round < 60; ++round) {
        Bitmap direct, banded;
        const HRGN whole = CreateRectRgn(0, 0, kWidth, kHeight);
        SelectClipRgn(banded.Dc(), whole);
        DeleteObject(whole);
        RECT rect = in.Rect();
        const std::string caption = round % 2 ? "获取标准时间" : "&Sync www.dunmora.example";
        for (HDC dc : {direct.Dc(), banded.Dc()}) {
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, RGB(9, 99, 199));
            RECT r = rect;
            DrawTextA(dc, caption.c_str(), -1, &r, DT_CENTER | DT_WORDBREAK);
        }
        ASSERT_EQ(direct.Pixels(), banded.Pixels()) << "round " << round;
    }
}

// Text kept within its rectangle and under a clip region (cut band by band,
// or written uncut where a glyph fits in the rectangle and one of the
// region's rectangles) against the same text drawn with DT_NOCLIP on an
// unclipped surface, masked by the rectangle and the region.
TEST(SpanPaths, ClippedTextInksTheUnclippedTextWithinRectangleAndRegion) {
    Inputs in;
    int differing = 0;
    for (int round = 0; round < 150; ++round) {
        Bitmap unclipped, clipped;
        const HRGN clip = round % 3 == 0 ? StripedRegion() : in.Clip();
        SelectClipRgn(clipped.Dc(), clip);
        const RECT rect{in.X(), in.Y(), in.X() + in.Between(0, 60), in.Y() + in.Between(0, 30)};
        const std::string caption = round % 2 ? "获取标准时间" : "&Sync www.dunmora.example";
        for (HDC dc : {unclipped.Dc(), clipped.Dc()}) {
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, RGB(9, 99, 199));
            RECT r = rect;
            DrawTextA(dc, caption.c_str(), -1, &r,
                      DT_CENTER | DT_WORDBREAK | (dc == clipped.Dc() ? 0 : DT_NOCLIP));
        }
        SelectClipRgn(clipped.Dc(), 0); // GetPixel reads only within the clip
        std::vector<COLORREF> expected = unclipped.Pixels();
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if ((clip != 0 && !PtInRegion(clip, x, y)) || x < rect.left || x >= rect.right ||
                    y < rect.top || y >= rect.bottom)
                    expected[static_cast<std::size_t>(y * kWidth + x)] = kBack;
        differing +=
            expected != unclipped.Pixels() && expected != std::vector<COLORREF>(expected.size(), kBack);
        DeleteObject(clip);
        ASSERT_EQ(clipped.Pixels(), expected) << "round " << round;
    }
    EXPECT_GT(differing, 10); // enough rounds where the cut went through inked text
}

// DrawTextA (glyphs by line, by row masks or runs, straight or cut by the
// rectangle and the clip region) against the same layout plotted pixel by
// pixel with SetPixel, on random rectangles, clips and surfaces, in faces
// whose glyphs are narrow, synthetic bold and italic, and too wide for masks.
TEST(SpanPaths, TextDrawnByLinesMatchesTextSetPixelByPixel) {
    struct Face {
        const char* name;
        int height;
        int weight;
        BYTE italic;
        BYTE underline;
    };
    const Face faces[] = {{"宋体", -12, FW_NORMAL, 0, 0},
                          {"宋体", -12, FW_BOLD, 1, 1},
                          {"DejaVu Sans", -11, FW_NORMAL, 0, 1},
                          {"DejaVu Sans", -80, FW_NORMAL, 0, 0}};
    const char* const captions[] = {"www.dunmora.example", "&Sync now\r\nmW|", "获取标准时间"};
    const UINT formats[] = {DT_CENTER | DT_WORDBREAK, DT_SINGLELINE | DT_VCENTER | DT_RIGHT,
                            DT_LEFT | DT_NOCLIP};
    Inputs in;
    int inked = 0;
    for (int round = 0; round < 240; ++round) {
        const Face& face = faces[round % 4];
        LOGFONTA logfont{};
        logfont.lfHeight = face.height;
        logfont.lfWeight = face.weight;
        logfont.lfItalic = face.italic;
        logfont.lfUnderline = face.underline;
        logfont.lfCharSet = DEFAULT_CHARSET;
        std::string(face.name).copy(logfont.lfFaceName, LF_FACESIZE - 1);
        const HFONT font = CreateFontIndirectA(&logfont);
        const auto kind = static_cast<Bitmap::Kind>(in.Between(0, 2));
        Bitmap drawn(kind), plotted(kind);
        const HRGN clip = round % 5 == 0 ? StripedRegion() : in.Clip();
        const std::string caption = captions[in.Between(0, 2)];
        const UINT format = formats[in.Between(0, 2)];
        // Mostly over the surface, partly off its edges.
        RECT rect{in.Between(face.height < -20 ? -60 : -20, kWidth - 4), in.Between(-16, kHeight - 4), 0, 0};
        rect.right = rect.left + in.Between(0, 90);
        rect.bottom = rect.top + in.Between(8, 90);

        SelectClipRgn(drawn.Dc(), clip);
        const HGDIOBJ oldFont = SelectObject(drawn.Dc(), font);
        SetBkMode(drawn.Dc(), TRANSPARENT);
        SetTextColor(drawn.Dc(), RGB(9, 99, 199));
        RECT drawnRect = rect;
        DrawTextA(drawn.Dc(), caption.c_str(), -1, &drawnRect, format);
        SelectObject(drawn.Dc(), oldFont);

        SelectClipRgn(plotted.Dc(), clip);
        TextSink pixels;
        pixels.plot = [&](int px, int py) { SetPixel(plotted.Dc(), px, py, RGB(9, 99, 199)); };
        RECT plottedRect = rect;
        DrawTextLayout(*FontFace::Create(logfont), caption, &plottedRect, format, pixels);

        const std::vector<COLORREF> expected = plotted.Pixels();
        inked += expected != std::vector<COLORREF>(expected.size(), expected[0]);
        DeleteObject(clip);
        DeleteObject(font);
        ASSERT_EQ(drawn.Pixels(), expected)
            << face.name << " " << face.height << " " << caption << " round " << round;
    }
    EXPECT_GT(inked, 60); // enough rounds left text on the surface to compare
}

} // namespace
} // namespace gdi
