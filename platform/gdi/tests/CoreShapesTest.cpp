// Pixel rules of rectangles, lines, ellipses and arcs, against hand-drawn pictures.
#include "platform/gdi/gdi.h"
#include "platform/gdi/tests/support/PixelArt.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace gdi {
namespace {

using namespace testing; // Canvas, Legend, MatchesArt and the kOdd pre-fill
constexpr COLORREF kPen = RGB(0, 0, 0);
constexpr COLORREF kBrush = RGB(255, 0, 0);
constexpr COLORREF kBack = RGB(0, 0, 255);
const Legend kLegend{{'.', kOdd}, {'#', kPen}, {'o', kBrush}, {'b', kBack}};

// Selects a pen and a brush for the scope of a test, then restores and deletes them.
class Tools {
  public:
    Tools(HDC dc, HPEN pen, HBRUSH brush) : dc_(dc), pen_(pen), brush_(brush) {
        oldPen_ = SelectObject(dc_, pen_);
        oldBrush_ = SelectObject(dc_, brush_);
    }
    ~Tools() {
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBrush_);
        DeleteObject(pen_);
        DeleteObject(brush_);
    }

  private:
    HDC dc_;
    HPEN pen_;
    HBRUSH brush_;
    HGDIOBJ oldPen_ = 0, oldBrush_ = 0;
};

TEST(Rectangle, SwappedCornersDrawTheSameRectangle) {
    Canvas ordered(8, 6, kOdd), swapped(8, 6, kOdd);
    Tools orderedTools(ordered.Dc(), CreatePen(PS_SOLID, 1, kPen), CreateSolidBrush(kBrush));
    Tools swappedTools(swapped.Dc(), CreatePen(PS_SOLID, 1, kPen), CreateSolidBrush(kBrush));
    ASSERT_TRUE(Rectangle(ordered.Dc(), 1, 1, 6, 5));
    ASSERT_TRUE(Rectangle(swapped.Dc(), 6, 5, 1, 1));
    EXPECT_EQ(testing::CaptureArt(swapped.Dc(), 8, 6, kLegend),
              testing::CaptureArt(ordered.Dc(), 8, 6, kLegend));
}

// Filled shapes with pens of every width and kind: one row per picture.
struct FilledShapeCase {
    const char* name;
    BOOL (*draw)(HDC, int, int, int, int);
    int penStyle, penWidth;
    RECT box;
    std::vector<std::string> art;
};

TEST(FilledShapes, PenAndBrushPixelsMatchThePicture) {
    // clang-format off
    const FilledShapeCase cases[] = {
        {"rectangle, 1 px pen: right and bottom excluded", Rectangle, PS_SOLID, 1, {1, 1, 6, 5},
         {"........", ".#####..", ".#ooo#..", ".#ooo#..", ".#####..", "........"}},
        {"rectangle, 2 px pen: extra pixel up and left", Rectangle, PS_SOLID, 2, {2, 2, 8, 6},
         {".........", ".#######.", ".#######.", ".##ooo##.", ".#######.", ".#######.", "........."}},
        {"rectangle, 3 px pen: centred on the outline, round corners", Rectangle, PS_SOLID, 3, {2, 2, 9, 8},
         {"...........", "..#######..", ".#########.", ".#########.", ".###ooo###.", ".###ooo###.",
          ".#########.", ".#########.", "..#######..", "..........."}},
        {"rectangle, inside-frame pen stays within", Rectangle, PS_INSIDEFRAME, 2, {1, 1, 8, 7},
         {".........", ".#######.", ".#######.", ".##ooo##.", ".##ooo##.", ".#######.", ".#######.",
          "........."}},
        {"rectangle, null pen fills one pixel less", Rectangle, PS_NULL, 1, {1, 1, 6, 5},
         {"........", ".oooo...", ".oooo...", ".oooo...", "........", "........"}},
        {"ellipse 5 x 5 with pen and brush", Ellipse, PS_SOLID, 1, {1, 1, 6, 6},
         {".......", "..###..", ".#ooo#.", ".#ooo#.", ".#ooo#.", "..###..", "......."}},
        {"even-sized ellipse is symmetric", Ellipse, PS_SOLID, 1, {0, 0, 8, 6},
         {"..####..", ".#oooo#.", "#oooooo#", "#oooooo#", ".#oooo#.", "..####.."}},
        {"ellipse, null pen: the brush covers the outline's place too", Ellipse, PS_NULL, 1, {0, 0, 6, 6},
         {"..oo..", ".oooo.", "oooooo", "oooooo", ".oooo.", "..oo.."}},
    };
    // clang-format on
    for (const FilledShapeCase& row : cases) {
        SCOPED_TRACE(row.name);
        Canvas canvas(static_cast<int>(row.art[0].size()), static_cast<int>(row.art.size()), kOdd);
        Tools tools(canvas.Dc(), CreatePen(row.penStyle, row.penWidth, kPen), CreateSolidBrush(kBrush));
        ASSERT_TRUE(row.draw(canvas.Dc(), row.box.left, row.box.top, row.box.right, row.box.bottom));
        EXPECT_TRUE(MatchesArt(canvas.Dc(), row.art, kLegend));
    }
}

// The outline runs anticlockwise from the top right corner; three on, three
// off, and the rhythm carries on round every corner. Gaps take the background
// colour only in opaque mode.
TEST(Rectangle, DottedPenKeepsItsPatternAroundCorners) {
    // clang-format off
    const struct {
        const char* name;
        int bkMode;
        std::vector<std::string> art;
    } rows[] = {
        {"transparent gaps", TRANSPARENT, {"##...###", "#.......", ".......#", ".......#", ".###...#"}},
        {"opaque gaps", OPAQUE, {"##bbb###", "#......b", "b......#", "b......#", "b###bbb#"}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Canvas canvas(8, 5, kOdd);
        Tools tools(canvas.Dc(), CreatePen(PS_DOT, 1, kPen), static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
        SetBkMode(canvas.Dc(), row.bkMode);
        SetBkColor(canvas.Dc(), kBack);
        ASSERT_TRUE(Rectangle(canvas.Dc(), 0, 0, 8, 5));
        EXPECT_TRUE(MatchesArt(canvas.Dc(), row.art, kLegend));
    }
}

TEST(Rectangle, BackgroundModeThreeIsTransparent) {
    Canvas canvas(8, 5, kOdd);
    Tools tools(canvas.Dc(), CreatePen(PS_DOT, 1, kPen), static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(SetBkMode(canvas.Dc(), 3), OPAQUE);
    EXPECT_EQ(GetBkMode(canvas.Dc()), 3);
    SetBkColor(canvas.Dc(), kBack);
    Rectangle(canvas.Dc(), 0, 0, 8, 5);
    EXPECT_EQ(GetPixel(canvas.Dc(), 3, 0), kOdd);
}

// Eight lines from the centre of a 13 x 13 canvas, one per octant. Each
// leaves out its end point; exact half steps go to the smaller row/column,
// whichever way the line runs.
TEST(Lines, AllEightOctantsLeaveOutTheEndPoint) {
    Canvas canvas(13, 13, kOdd);
    Tools tools(canvas.Dc(), CreatePen(PS_SOLID, 1, kPen), CreateSolidBrush(kBrush));
    const POINT ends[] = {{12, 9}, {12, 3}, {0, 9}, {0, 3}, {9, 12}, {9, 0}, {3, 12}, {3, 0}};
    for (const POINT& end : ends) {
        MoveToEx(canvas.Dc(), 6, 6, nullptr);
        ASSERT_TRUE(LineTo(canvas.Dc(), end.x, end.y));
    }
    EXPECT_TRUE(MatchesArt(canvas.Dc(),
                           {
                               ".............",
                               "...#....#....",
                               "....#...#....",
                               ".#..#..#...#.",
                               "..##.#.#.##..",
                               "....#####....",
                               ".....###.....",
                               "...####.##...",
                               ".##..#.#..##.",
                               "....#..#.....",
                               "....#...#....",
                               "...#....#....",
                               ".............",
                           },
                           kLegend));
}

TEST(Lines, EveryLineIsConnectedAndHasOnePixelPerMajorStep) {
    for (int dx = -5; dx <= 5; ++dx) {
        for (int dy = -5; dy <= 5; ++dy) {
            Canvas canvas(13, 13, kOdd);
            Tools tools(canvas.Dc(), CreatePen(PS_SOLID, 1, kPen), CreateSolidBrush(kBrush));
            MoveToEx(canvas.Dc(), 6, 6, nullptr);
            LineTo(canvas.Dc(), 6 + dx, 6 + dy);
            int count = 0;
            for (int y = 0; y < 13; ++y) {
                for (int x = 0; x < 13; ++x) {
                    if (GetPixel(canvas.Dc(), x, y) != kPen)
                        continue;
                    ++count;
                    // Within half a pixel of the ideal line (measured across the major axis).
                    const int px = x - 6, py = y - 6;
                    const double cross =
                        std::abs(static_cast<double>(px) * dy - static_cast<double>(py) * dx);
                    EXPECT_LE(cross, 0.5 * std::max(std::abs(dx), std::abs(dy)) + 1e-9) << dx << "," << dy;
                }
            }
            EXPECT_EQ(count, std::max(std::abs(dx), std::abs(dy))) << dx << "," << dy;
            if (dx != 0 || dy != 0) {
                EXPECT_EQ(GetPixel(canvas.Dc(), 6, 6), kPen);
                EXPECT_EQ(GetPixel(canvas.Dc(), 6 + dx, 6 + dy), kOdd);
            }
        }
    }
}

TEST(Lines, LineToMovesTheCurrentPosition) {
    Canvas canvas(6, 3, kOdd);
    Tools tools(canvas.Dc(), CreatePen(PS_SOLID, 1, kPen), CreateSolidBrush(kBrush));
    POINT previous{};
    MoveToEx(canvas.Dc(), 0, 1, &previous);
    LineTo(canvas.Dc(), 3, 1);
    LineTo(canvas.Dc(), 5, 1);
    MoveToEx(canvas.Dc(), 0, 0, &previous);
    EXPECT_EQ(previous.x, 5);
    EXPECT_EQ(previous.y, 1);
    EXPECT_TRUE(MatchesArt(canvas.Dc(), {"......", "#####.", "......"}, kLegend));
}

TEST(Lines, DottedPolylineContinuesThePatternAcrossSegments) {
    Canvas canvas(5, 5, kOdd);
    Tools tools(canvas.Dc(), CreatePen(PS_DOT, 1, kPen), CreateSolidBrush(kBrush));
    SetBkMode(canvas.Dc(), TRANSPARENT);
    const POINT path[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
    ASSERT_TRUE(Polyline(canvas.Dc(), path, 4));
    // Twelve path pixels: on 0-2, off 3-5, on 6-8, off 9-11.
    EXPECT_TRUE(MatchesArt(canvas.Dc(),
                           {
                               "###..",
                               ".....",
                               "....#",
                               "....#",
                               "....#",
                           },
                           kLegend));
}

TEST(Lines, DashPhaseIsKeptWhereTheLineStartsOffTheSurface) {
    Canvas canvas(10, 1, kOdd);
    Tools tools(canvas.Dc(), CreatePen(PS_DOT, 1, kPen), CreateSolidBrush(kBrush));
    SetBkMode(canvas.Dc(), TRANSPARENT);
    MoveToEx(canvas.Dc(), -7, 0, nullptr);
    LineTo(canvas.Dc(), 10, 0);
    EXPECT_TRUE(MatchesArt(canvas.Dc(), {"##...###.."}, kLegend));
}

// Far-away or extreme coordinates must neither crash nor walk billions of pixels.
TEST(Shapes, ExtremeCoordinatesFinishQuicklyAndPaintOnlyTheSurface) {
    Canvas canvas(6, 4, kOdd);
    Tools tools(canvas.Dc(), CreatePen(PS_DOT, 3, kPen), CreateSolidBrush(kBrush));
    constexpr int kMin = INT32_MIN, kMax = INT32_MAX;
    EXPECT_TRUE(Ellipse(canvas.Dc(), kMin, kMin, kMax, kMax));
    EXPECT_TRUE(Arc(canvas.Dc(), kMin, kMin, kMax, kMax, 0, 0, 1, 1));
    EXPECT_TRUE(Rectangle(canvas.Dc(), kMin, kMin, kMax, kMax));
    MoveToEx(canvas.Dc(), kMin, kMin, nullptr);
    EXPECT_TRUE(LineTo(canvas.Dc(), kMax, kMax));
    const POINT path[] = {{kMax, kMin}, {kMin, kMax}, {kMax, kMax}};
    EXPECT_TRUE(Polyline(canvas.Dc(), path, 3));
    RECT huge{kMin, kMin, kMax, kMax};
    EXPECT_TRUE(DrawFocusRect(canvas.Dc(), &huge));
    EXPECT_EQ(FrameRect(canvas.Dc(), &huge, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 1);
    EXPECT_TRUE(PatBlt(canvas.Dc(), kMin, kMin, kMin, kMin, DSTINVERT));
    EXPECT_TRUE(PatBlt(canvas.Dc(), kMax, kMax, kMax, kMax, DSTINVERT));
    EXPECT_TRUE(StretchBlt(canvas.Dc(), kMin, 0, kMax, kMax, canvas.Dc(), 0, 0, kMin, 1, SRCINVERT));
    EXPECT_TRUE(BitBlt(canvas.Dc(), kMax, kMax, kMax, kMax, canvas.Dc(), kMin, kMin, SRCCOPY));
    EXPECT_NE(GetPixel(canvas.Dc(), 0, 0), CLR_INVALID);
}

// Pens wider than the bitmap: the band is built from the surface's rows only,
// so a pen of 4096 pixels costs no more than a narrow one and covers all.
TEST(Shapes, PensWiderThanTheBitmapCoverItAroundAnEllipse) {
    Canvas canvas(8, 6, kOdd);
    for (int style : {PS_SOLID, PS_INSIDEFRAME}) {
        Tools tools(canvas.Dc(), CreatePen(style, 4096, kPen), CreateSolidBrush(kBrush));
        ASSERT_TRUE(Ellipse(canvas.Dc(), 1, 1, 7, 5));
        ASSERT_TRUE(Arc(canvas.Dc(), -1000, -1000, 1000, 1000, 0, 1, 0, -1));
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 8; ++x)
                EXPECT_EQ(GetPixel(canvas.Dc(), x, y), kPen) << x << "," << y;
        }
    }
    // A box a hundred thousand pixels wide whose top row crosses the bitmap: its tips cover the rows around it.
    Canvas wide(8, 6, kOdd);
    Tools tools(wide.Dc(), CreatePen(PS_SOLID, 5, kPen), CreateSolidBrush(kBrush));
    ASSERT_TRUE(Ellipse(wide.Dc(), -50000, 2, 50000, 20002));
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(GetPixel(wide.Dc(), x, y), kPen) << x << "," << y;
    }
}

// The widest pen over lines between the far corners of the coordinate space:
// every pixel of the small surface lies within the pen's half width of them.
TEST(Lines, WidestPenOnFarReachingLinesCoversTheSurface) {
    constexpr int kMin = INT32_MIN, kMax = INT32_MAX;
    const POINT ends[][2] = {
        {{kMin, kMin}, {kMax, kMax}}, {{kMax, kMin + 3}, {kMin, kMax - 1}}, {{kMin, 2}, {kMax, 2}}};
    for (const auto& end : ends) {
        Canvas canvas(6, 4, kOdd);
        Tools tools(canvas.Dc(), CreatePen(PS_SOLID, 4096, kPen), CreateSolidBrush(kBrush));
        MoveToEx(canvas.Dc(), end[0].x, end[0].y, nullptr);
        EXPECT_TRUE(LineTo(canvas.Dc(), end[1].x, end[1].y));
        EXPECT_TRUE(MatchesArt(canvas.Dc(), {"######", "######", "######", "######"}, kLegend));
    }
}

TEST(Lines, PolylineRejectsBadInput) {
    Canvas canvas(4, 4, kOdd);
    const POINT one[] = {{0, 0}};
    EXPECT_FALSE(Polyline(canvas.Dc(), one, 1));
    EXPECT_FALSE(Polyline(canvas.Dc(), nullptr, 2));
    EXPECT_FALSE(Polyline(0, one, 1));
    EXPECT_FALSE(LineTo(12345, 1, 1));
}

TEST(Lines, NullPenDrawsNothing) {
    Canvas canvas(4, 2, kOdd);
    SelectObject(canvas.Dc(), GetStockObject(NULL_PEN));
    const POINT path[] = {{0, 0}, {4, 0}};
    EXPECT_TRUE(Polyline(canvas.Dc(), path, 2));
    EXPECT_TRUE(MatchesArt(canvas.Dc(), {"....", "...."}, kLegend));
    SelectObject(canvas.Dc(), GetStockObject(BLACK_PEN));
}

// Arcs run counter-clockwise from the start radial to the end radial and,
// like lines, leave out their last pixel (measured under Windows' rules).
TEST(Arc, DrawsFromStartToEnd) {
    // clang-format off
    const struct {
        const char* name;
        POINT start, end;
        std::vector<std::string> art;
    } rows[] = {
        {"start equal to end draws the whole ellipse but the pixel before the start", {0, 0}, {0, 0},
         {".......", "...##..", ".#...#.", ".#...#.", ".#...#.", "..###..", "......."}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Canvas canvas(7, 7, kOdd);
        Tools tools(canvas.Dc(), CreatePen(PS_SOLID, 1, kPen), CreateSolidBrush(kBrush));
        ASSERT_TRUE(Arc(canvas.Dc(), 1, 1, 6, 6, row.start.x, row.start.y, row.end.x, row.end.y));
        EXPECT_TRUE(MatchesArt(canvas.Dc(), row.art, kLegend));
    }
}

TEST(Pixels, SetAndGetInsideAndOutside) {
    Canvas canvas(3, 2, kOdd);
    EXPECT_EQ(SetPixel(canvas.Dc(), 2, 1, RGB(10, 20, 30)), RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(canvas.Dc(), 2, 1), RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(canvas.Dc(), 3, 1), CLR_INVALID);
    EXPECT_EQ(GetPixel(canvas.Dc(), -1, 0), CLR_INVALID);
    // Outside the bitmap nothing is painted, but the colour is still answered.
    EXPECT_EQ(SetPixel(canvas.Dc(), 0, 2, kPen), kPen);
    EXPECT_EQ(SetPixel(0, 0, 0, kPen), CLR_INVALID);
    EXPECT_EQ(GetPixel(0, 0, 0), CLR_INVALID);
}

TEST(FocusRect, DrawnTwiceRestoresEveryPixel) {
    Canvas canvas(9, 7, kOdd);
    testing::PaintArt(canvas.Dc(),
                      {
                          "#########",
                          "#ooooooo#",
                          "#o.....o#",
                          "#o.....o#",
                          "#o.....o#",
                          "#ooooooo#",
                          "#########",
                      },
                      kLegend);
    const auto before = testing::CaptureArt(canvas.Dc(), 9, 7, kLegend);
    RECT focus{1, 1, 8, 6};
    ASSERT_TRUE(DrawFocusRect(canvas.Dc(), &focus));
    // Every other border pixel inverted: red (255,0,0) becomes (0,255,255).
    const Legend withInverse{{'.', kOdd}, {'#', kPen}, {'o', kBrush}, {'c', RGB(0, 255, 255)}};
    EXPECT_TRUE(MatchesArt(canvas.Dc(),
                           {
                               "#########",
                               "#cocococ#",
                               "#o.....o#",
                               "#c.....c#",
                               "#o.....o#",
                               "#cocococ#",
                               "#########",
                           },
                           withInverse));
    DrawFocusRect(canvas.Dc(), &focus);
    EXPECT_EQ(testing::CaptureArt(canvas.Dc(), 9, 7, kLegend), before);
}

TEST(FillAndFrame, FillRectFrameRectInvertRect) {
    Canvas canvas(6, 5, kOdd);
    HBRUSH red = CreateSolidBrush(kBrush);
    HBRUSH black = CreateSolidBrush(kPen);
    RECT fill{0, 0, 5, 4};
    RECT frame{1, 1, 5, 5};
    EXPECT_EQ(FillRect(canvas.Dc(), &fill, red), 1);
    EXPECT_EQ(FrameRect(canvas.Dc(), &frame, black), 1);
    EXPECT_TRUE(MatchesArt(canvas.Dc(),
                           {
                               "ooooo.",
                               "o####.",
                               "o#oo#.",
                               "o#oo#.",
                               ".####.",
                           },
                           kLegend));
    RECT invert{2, 2, 4, 4};
    EXPECT_TRUE(InvertRect(canvas.Dc(), &invert));
    EXPECT_EQ(GetPixel(canvas.Dc(), 2, 2), RGB(0, 255, 255));
    EXPECT_EQ(FillRect(canvas.Dc(), &fill, 0xDEAD), 0);
    DeleteObject(red);
    DeleteObject(black);
}

TEST(FillAndFrame, SystemColourIndexPlusOneIsABrush) {
    Canvas canvas(2, 1, kOdd);
    RECT all{0, 0, 2, 1};
    EXPECT_EQ(FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(COLOR_BTNFACE + 1)), 1);
    EXPECT_EQ(GetPixel(canvas.Dc(), 1, 0), RGB(240, 240, 240));
}

} // namespace
} // namespace gdi
