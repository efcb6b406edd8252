// The HRGN interface and clipping: every drawing operation honours the DC's
// clip region, a clip by a rectangle equals a clip by an equal region built
// from pieces, and FrameRgn paints the region's inner boundary.
#include "platform/gdi/gdi.h"
#include "platform/gdi/tests/support/PixelArt.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <utility>

namespace gdi {
namespace {

using namespace testing; // Canvas, Legend, MatchesArt and the kOdd pre-fill
const Legend kLegend{{'.', kOdd}, {'#', RGB(0, 0, 0)}, {'o', RGB(255, 0, 0)}};

// Draws a little of everything that paints, with fixed random parameters.
void DrawEverything(HDC dc, HDC source, unsigned seed) {
    std::mt19937 random(seed);
    auto coordinate = [&] { return static_cast<int>(random() % 24) - 2; };
    HPEN pen = CreatePen(PS_SOLID, 1 + static_cast<int>(random() % 3), RGB(0, 0, 200));
    HBRUSH brush = CreateSolidBrush(RGB(0, 200, 0));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Rectangle(dc, coordinate(), coordinate(), coordinate(), coordinate());
    Ellipse(dc, coordinate(), coordinate(), coordinate(), coordinate());
    const POINT path[] = {
        {coordinate(), coordinate()}, {coordinate(), coordinate()}, {coordinate(), coordinate()}};
    Polyline(dc, path, 3);
    PatBlt(dc, coordinate(), coordinate(), 8, 5, PATINVERT);
    BitBlt(dc, coordinate(), coordinate(), 9, 7, source, 0, 0, SRCINVERT);
    StretchBlt(dc, coordinate(), coordinate(), 12, 9, source, 0, 0, 5, 5, SRCCOPY);
    RECT box{coordinate(), coordinate(), coordinate() + 10, coordinate() + 10};
    DrawFocusRect(dc, &box);
    SetPixel(dc, coordinate(), coordinate(), RGB(9, 9, 9));
    HRGN shape = CreateEllipticRgn(coordinate(), coordinate(), coordinate() + 12, coordinate() + 12);
    FillRgn(dc, shape, brush);
    FrameRgn(dc, shape, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), 2, 1);
    DeleteObject(shape);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

std::vector<COLORREF> Pixels(HDC dc) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    return pixels;
}

TEST(Clipping, ByRectangleEqualsByEqualRegionAndMatchesUnclippedDrawingInside) {
    Canvas source(9, 9, RGB(255, 255, 0));
    for (int i = 0; i < 9; ++i)
        SetPixel(source.Dc(), i, i, RGB(100, 0, 100));
    for (unsigned seed = 1; seed <= 40; ++seed) {
        Canvas unclipped(20, 20, kOdd), byRect(20, 20, kOdd), byPieces(20, 20, kOdd);
        DrawEverything(unclipped.Dc(), source.Dc(), seed);

        HRGN rect = CreateRectRgn(3, 4, 15, 13);
        EXPECT_EQ(SelectClipRgn(byRect.Dc(), rect), SIMPLEREGION);
        DeleteObject(rect); // the DC keeps its own copy
        DrawEverything(byRect.Dc(), source.Dc(), seed);

        HRGN left = CreateRectRgn(3, 4, 9, 13), right = CreateRectRgn(9, 4, 15, 13),
             pieces = CreateRectRgn(0, 0, 0, 0);
        CombineRgn(pieces, left, right, RGN_OR);
        EXPECT_EQ(SelectObject(byPieces.Dc(), pieces), static_cast<HGDIOBJ>(SIMPLEREGION));
        DrawEverything(byPieces.Dc(), source.Dc(), seed);
        DeleteObject(left);
        DeleteObject(right);
        DeleteObject(pieces);

        // GetPixel is itself clipped, so read through an unclipped DC.
        SelectClipRgn(byRect.Dc(), 0);
        SelectClipRgn(byPieces.Dc(), 0);
        const auto expected = Pixels(unclipped.Dc());
        const auto clipped = Pixels(byRect.Dc());
        EXPECT_EQ(Pixels(byPieces.Dc()), clipped) << "seed " << seed;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                const bool inside = x >= 3 && x < 15 && y >= 4 && y < 13;
                ASSERT_EQ(clipped[y * 20 + x], inside ? expected[y * 20 + x] : kOdd)
                    << x << "," << y << " seed " << seed;
            }
        }
    }
}

// A clipped copy within one surface must read the picture as it was before
// the copy, exactly like a copy from a separate snapshot.
TEST(Clipping, OverlappingSelfCopyThroughAComplexClip) {
    std::mt19937 random(7);
    for (const POINT shift : {POINT{-3, 2}, POINT{3, 2}, POINT{-2, -3}, POINT{2, -1}}) {
        Canvas self(16, 12, kOdd), reference(16, 12, kOdd), snapshot(16, 12, kOdd);
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 16; ++x) {
                const COLORREF color = random() & 0xFFFFFF;
                SetPixel(self.Dc(), x, y, color);
                SetPixel(reference.Dc(), x, y, color);
                SetPixel(snapshot.Dc(), x, y, color);
            }
        }
        HRGN left = CreateRectRgn(0, 0, 6, 12), right = CreateRectRgn(8, 2, 16, 10),
             clip = CreateRectRgn(0, 0, 0, 0);
        CombineRgn(clip, left, right, RGN_OR);
        SelectClipRgn(self.Dc(), clip);
        SelectClipRgn(reference.Dc(), clip);
        BitBlt(self.Dc(), shift.x, shift.y, 16, 12, self.Dc(), 0, 0, SRCCOPY);
        BitBlt(reference.Dc(), shift.x, shift.y, 16, 12, snapshot.Dc(), 0, 0, SRCCOPY);
        SelectClipRgn(self.Dc(), 0);
        SelectClipRgn(reference.Dc(), 0);
        EXPECT_EQ(Pixels(self.Dc()), Pixels(reference.Dc())) << shift.x << "," << shift.y;
        for (HGDIOBJ object : {left, right, clip})
            DeleteObject(object);
    }
}

TEST(Clipping, GetClipRgnCopiesAndTextHonoursTheClip) {
    Canvas canvas(4, 4, kOdd);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(canvas.Dc(), region), 0);
    HRGN clip = CreateEllipticRgn(0, 0, 4, 4);
    RECT expectedBox{};
    GetRgnBox(clip, &expectedBox);
    SelectClipRgn(canvas.Dc(), clip);
    OffsetRgn(clip, 10, 10); // changing the caller's region leaves the DC's copy alone
    EXPECT_EQ(GetClipRgn(canvas.Dc(), region), 1);
    RECT box{};
    EXPECT_NE(GetRgnBox(region, &box), ERROR);
    EXPECT_TRUE(EqualRect(&box, &expectedBox));
    EXPECT_EQ(GetPixel(canvas.Dc(), 0, 0) == CLR_INVALID, !PtInRegion(region, 0, 0));
    EXPECT_EQ(GetClipRgn(canvas.Dc(), 0xBAD), -1);
    EXPECT_EQ(SelectClipRgn(canvas.Dc(), 0xBAD), ERROR);
    EXPECT_EQ(SelectClipRgn(canvas.Dc(), 0), SIMPLEREGION);
    EXPECT_EQ(GetClipRgn(canvas.Dc(), region), 0);
    DeleteObject(region);
    DeleteObject(clip);
}

TEST(Regions, CombineResultCodesAndBadHandles) {
    HRGN a = CreateRectRgn(0, 0, 4, 4), b = CreateRectRgn(2, 2, 6, 6), dest = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(dest, a, b, RGN_AND), SIMPLEREGION);
    EXPECT_EQ(CombineRgn(dest, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_EQ(CombineRgn(dest, a, a, RGN_DIFF), NULLREGION);
    EXPECT_EQ(CombineRgn(dest, a, 0, RGN_COPY), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(dest, a));
    EXPECT_EQ(CombineRgn(a, a, b, RGN_XOR), COMPLEXREGION); // the destination may be a source
    EXPECT_FALSE(PtInRegion(a, 3, 3));
    EXPECT_TRUE(PtInRegion(a, 5, 5));
    EXPECT_EQ(CombineRgn(dest, a, 0xBAD, RGN_AND), ERROR);
    EXPECT_EQ(CombineRgn(dest, a, b, 9), ERROR);
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    EXPECT_EQ(CombineRgn(pen, a, b, RGN_OR), ERROR);
    EXPECT_EQ(OffsetRgn(pen, 1, 1), ERROR);
    EXPECT_EQ(CreatePolygonRgn(nullptr, 3, WINDING), 0u);
    const POINT triangle[] = {{0, 0}, {4, 0}, {0, 4}};
    EXPECT_EQ(CreatePolygonRgn(triangle, 3, 7), 0u);
    HRGN polygon = CreatePolygonRgn(triangle, 3, WINDING);
    EXPECT_NE(polygon, 0u);
    const DWORD size = GetRegionData(a, 0, nullptr);
    std::vector<char> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    EXPECT_EQ(GetRegionData(a, size, data), size);
    EXPECT_EQ(data->rdh.nCount * sizeof(RECT) + sizeof(RGNDATAHEADER), size);
    EXPECT_EQ(GetRegionData(a, size - 1, data), 0u);
    for (HGDIOBJ object : {a, b, dest, pen, polygon})
        EXPECT_TRUE(DeleteObject(object));
}

// An elliptic region is one pixel smaller at the right and bottom than the
// rectangle passed: CreateEllipticRgn(0, 0, 21, 11) holds the pixels Ellipse
// covers in (0, 0, 20, 10) (rows measured under Windows' rules).
TEST(Regions, EllipticRegionIsOnePixelSmallerAtRightAndBottom) {
    HRGN region = CreateEllipticRgn(0, 0, 21, 11);
    RECT box{};
    EXPECT_EQ(GetRgnBox(region, &box), COMPLEXREGION);
    EXPECT_EQ(box.right, 20);
    EXPECT_EQ(box.bottom, 10);
    const int insets[] = {6, 3, 2, 1, 0, 0, 1, 2, 3, 6};
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 21; ++x) {
            const bool inside = y < 10 && x >= insets[y] && x < 20 - insets[y];
            EXPECT_EQ(PtInRegion(region, x, y) != 0, inside) << x << "," << y;
        }
    }
    HRGN swapped = CreateEllipticRgn(21, 11, 0, 0);
    EXPECT_TRUE(EqualRgn(region, swapped));
    DeleteObject(region);
    DeleteObject(swapped);
}

TEST(Regions, OffsetOutOfTheCoordinateRangeFailsAndKeepsTheRegion) {
    HRGN region = CreateRectRgn(0, 0, 4, 4);
    EXPECT_EQ(OffsetRgn(region, 0x7FFFFFFE, 0), ERROR);
    RECT box{};
    GetRgnBox(region, &box);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.right, 4);
    EXPECT_EQ(OffsetRgn(region, 2, 3), SIMPLEREGION);
    GetRgnBox(region, &box);
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.top, 3);
    DeleteObject(region);
}

// Against the plain definition: framed exactly when some pixel within width
// to the left or right, or within height above or below, is outside. The
// region is filled first, so the fill must cover exactly the region and the
// frame must leave its inside alone.
TEST(PaintRegions, FrameRgnMatchesThePerPixelDefinitionForWiderFrames) {
    const POINT star[] = {{10, 0},  {13, 8}, {21, 8}, {15, 13}, {17, 21},
                          {10, 16}, {3, 21}, {5, 13}, {0, 8},   {7, 8}};
    HRGN shape = CreatePolygonRgn(star, 10, WINDING);
    HRGN hole = CreateEllipticRgn(8, 8, 13, 14);
    CombineRgn(shape, shape, hole, RGN_DIFF);
    HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    for (const auto& [width, height] : {std::pair{1, 1}, std::pair{2, 1}, std::pair{1, 3}, std::pair{3, 2}}) {
        Canvas canvas(24, 24, kOdd);
        ASSERT_TRUE(FillRgn(canvas.Dc(), shape, red));
        ASSERT_TRUE(FrameRgn(canvas.Dc(), shape, black, width, height));
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 24; ++x) {
                bool framed = false;
                const bool in = PtInRegion(shape, x, y);
                if (in) {
                    for (int k = 1; k <= width; ++k)
                        framed |= !PtInRegion(shape, x - k, y) || !PtInRegion(shape, x + k, y);
                    for (int k = 1; k <= height; ++k)
                        framed |= !PtInRegion(shape, x, y - k) || !PtInRegion(shape, x, y + k);
                }
                ASSERT_EQ(GetPixel(canvas.Dc(), x, y), framed ? RGB(0, 0, 0)
                                                       : in   ? RGB(255, 0, 0)
                                                              : kOdd)
                    << x << "," << y << " frame " << width << "x" << height;
            }
        }
    }
    DeleteObject(shape);
    DeleteObject(hole);
    DeleteObject(black);
    DeleteObject(red);
}

TEST(PaintRegions, FrameRgnWithWidthTwoOnARectangle) {
    Canvas canvas(8, 6, kOdd);
    HRGN rect = CreateRectRgn(1, 1, 7, 6);
    HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
    ASSERT_TRUE(FrameRgn(canvas.Dc(), rect, black, 2, 1));
    EXPECT_TRUE(MatchesArt(canvas.Dc(),
                           {
                               "........",
                               ".######.",
                               ".##..##.",
                               ".##..##.",
                               ".##..##.",
                               ".######.",
                           },
                           kLegend));
    EXPECT_FALSE(FrameRgn(canvas.Dc(), rect, black, 0, 1));
    EXPECT_FALSE(FrameRgn(canvas.Dc(), rect, 0xBAD, 1, 1));
    EXPECT_FALSE(FillRgn(canvas.Dc(), 0xBAD, black));
    SelectObject(canvas.Dc(), black);
    HRGN dot = CreateRectRgn(0, 0, 1, 1);
    EXPECT_TRUE(PaintRgn(canvas.Dc(), dot));
    EXPECT_EQ(GetPixel(canvas.Dc(), 0, 0), RGB(0, 0, 0));
    SelectObject(canvas.Dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(dot);
    DeleteObject(rect);
    DeleteObject(black);
}

} // namespace
} // namespace gdi
