// Button pictures: fitting, preparation with the colour key, the
// key-transparent blit, icons, and the disabled and pushed looks.
#include "control/render/ButtonImage.h"
#include "control/render/DrawingState.h"
#include "control/render/Surface.h"
#include "control/tests/support/ButtonFixture.h"
#include "control/tests/support/PixelHelpers.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

using namespace control_testing;

namespace {

constexpr gdi::COLORREF kMagenta = gdi::RGB(255, 0, 255);
constexpr gdi::COLORREF kGreen = gdi::RGB(0, 255, 0);
constexpr gdi::COLORREF kRed = gdi::RGB(255, 0, 0);
constexpr gdi::COLORREF kBlue = gdi::RGB(0, 0, 255);

void GivePicture(ztButtons_H& button, picture::PicturePtr picture) {
    button.Picture = std::move(picture);
    UpdateDrawingState(button, "Picture");
}

// Reads the prepared image's pixels through a scratch DC.
Art PreparedArt(const ztButtons_H& button, const Legend& legend) {
    const gdi::HDC dc = gdi::CreateCompatibleDC(0);
    const gdi::HGDIOBJ previous = gdi::SelectObject(dc, button.ImageHandle);
    Art art = CaptureArt(dc, 0, 0, button.ImageWidth, button.ImageHeight, legend);
    gdi::SelectObject(dc, previous);
    gdi::DeleteDC(dc);
    return art;
}

void FillSurface(ztButtons_H& button, gdi::COLORREF colour) {
    DrawRect(button, button.SurfaceDC, 0, 0, 1000, 1000, static_cast<Long>(colour), -1);
}

}  // namespace

TEST(FitImageSize, KeepsTheAspectRatioAndMayEnlarge) {
    ztButtons_H button;
    button.PictureWidth = 32;
    button.PictureHeight = 16;
    const gdi::SIZE small = FitImageSize(button, 20, 20);
    EXPECT_EQ(small.cx, 20);
    EXPECT_EQ(small.cy, 10);
    const gdi::SIZE wide = FitImageSize(button, 100, 20);
    EXPECT_EQ(wide.cx, 40);
    EXPECT_EQ(wide.cy, 20);
    const gdi::SIZE large = FitImageSize(button, 64, 64);
    EXPECT_EQ(large.cx, 64);
    EXPECT_EQ(large.cy, 32);
    button.PictureWidth = 3;
    button.PictureHeight = 2;
    const gdi::SIZE halves = FitImageSize(button, 5, 100);  // 3 x 5/3 = 5, 2 x 5/3 = 3.33
    EXPECT_EQ(halves.cx, 5);
    EXPECT_EQ(halves.cy, 3);
}

TEST(FitImageSize, NoPictureSizeOrNoRoomGivesNothing) {
    ztButtons_H button;
    const gdi::SIZE none = FitImageSize(button, 20, 20);
    EXPECT_EQ(none.cx, 0);
    EXPECT_EQ(none.cy, 0);
    button.PictureWidth = 10;
    button.PictureHeight = 10;
    const gdi::SIZE cramped = FitImageSize(button, -4, 20);
    EXPECT_EQ(cramped.cx, 0);
    EXPECT_EQ(cramped.cy, 0);
}

TEST(PrepareButtonImage, PixelsWithinThreeStepsOfTheKeyBecomeTheKey) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    const Legend legend{{'K', kMagenta},
                        {'n', gdi::RGB(253, 2, 252)},
                        {'r', gdi::RGB(251, 0, 255)},
                        {'b', gdi::RGB(253, 2, 250)},
                        {'g', kGreen}};
    GivePicture(button, control_testing::MakeBitmapPicture({"Knrb", "gKng"}, legend));
    PrepareButtonImage(button, 4, 2, 0);
    ASSERT_NE(button.ImageHandle, 0u);
    EXPECT_EQ(button.ImageWidth, 4);
    EXPECT_EQ(button.ImageHeight, 2);
    EXPECT_TRUE(SameArt({"KKrb", "gKKg"}, PreparedArt(button, legend)));

    // Drawn, the keyed pixels let the surface show through; the others are opaque.
    FillSurface(button, kBlue);
    Long w = 4;
    Long h = 2;
    TransparentBlit(button, button.SurfaceDC, {2, 1, 6, 3}, button.ImageHandle, {0, 0, 0, 0}, w, h);
    const Legend drawn{{'B', kBlue}, {'r', gdi::RGB(251, 0, 255)}, {'b', gdi::RGB(253, 2, 250)}, {'g', kGreen}};
    EXPECT_TRUE(SameArt({"BBBBBBB", "BBBBrbB", "BBgBBgB", "BBBBBBB"},
                        CaptureArt(button.SurfaceDC, 0, 0, 7, 4, drawn)));
}

TEST(PrepareButtonImage, ReplacesThePreviousImageAndSkipsIcons) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    GivePicture(button, control_testing::MakeSolidPicture(8, 8, kGreen));
    PrepareButtonImage(button, 8, 8, 0);
    const picture::PicturePtr icon =
        control_testing::MakeIconPicture({"x.", ".x"}, Legend{{'.', kMagenta}, {'x', kRed}}, kMagenta);
    const picture::PicturePtr bitmap = button.Picture;
    const gdi::DWORD live = LiveGdiObjects();
    PrepareButtonImage(button, 16, 4, 0);
    EXPECT_EQ(LiveGdiObjects(), live);
    EXPECT_EQ(button.ImageWidth, 16);
    EXPECT_EQ(button.ImageHeight, 4);

    GivePicture(button, icon);
    PrepareButtonImage(button, 8, 8, 0);
    EXPECT_EQ(button.ImageHandle, 0u);
    EXPECT_EQ(LiveGdiObjects(), live - 1);  // the old image went, no new one came
}

TEST(PrepareButtonImage, RunsOfKeyPixelsAreCutFromTheRegionsGrownByOneAndTwo) {
    ButtonFixture fixture({.width = 8, .height = 5});
    ztButtons_H& button = fixture.Button();
    const Legend legend{{'K', kMagenta}, {'x', kRed}};
    GivePicture(button, control_testing::MakeBitmapPicture({"KKKxxxxx",
                                                            "Kxxxxxxx",
                                                            "xxxxxxxx",
                                                            "xxxxxxxx",
                                                            "xxxxxxKK"},
                                                           legend));
    const gdi::HRGN region = gdi::CreateRectRgn(0, 0, 8, 5);
    PrepareButtonImage(button, 8, 5, region);
    EXPECT_TRUE(SameArt({"...#####",
                         ".#######",
                         "########",
                         "########",
                         "######.."},
                        control_testing::RegionArt(region, 8, 5)));
    EXPECT_TRUE(SameArt({"....####",
                         "....####",
                         "..######",
                         "#####...",
                         "#####..."},
                        control_testing::RegionArt(button.FaceRegion, 8, 5)));
    EXPECT_TRUE(SameArt({".....###",
                         ".....###",
                         "........",
                         "...#....",
                         "####...."},
                        control_testing::RegionArt(button.InnerRegion, 8, 5)));
    gdi::DeleteObject(region);
}

// A key near pure red makes the pixel past the right edge (read as
// CLR_INVALID, red 255) count as key; the cut still ends at the edge, so the
// window region is the one any other key gives.
TEST(PrepareButtonImage, AKeyNearRedGivesTheSameRegionAsAnyOtherKey) {
    const Art art = {"KKoooo",
                     "KooooK",
                     "ooKKoo",
                     "oooooo",
                     "KKKKKK"};
    const auto regionFor = [&](gdi::COLORREF key) {
        ButtonFixture fixture({.width = 6, .height = 5});
        ztButtons_H& button = fixture.Button();
        GivePicture(button, control_testing::MakeBitmapPicture(art, Legend{{'K', key}, {'o', kGreen}}));
        const gdi::HRGN region = gdi::CreateRectRgn(0, 0, 6, 5);
        PrepareButtonImage(button, 6, 5, region);
        Art result = control_testing::RegionArt(region, 7, 6);
        gdi::DeleteObject(region);
        return result;
    };
    const Art nearRed = regionFor(gdi::RGB(254, 2, 1));
    EXPECT_TRUE(SameArt({"..####.",
                         ".####..",
                         "##..##.",
                         "######.",
                         ".......",
                         "......."},
                        nearRed));
    EXPECT_TRUE(SameArt(regionFor(kBlue), nearRed));
}

TEST(TransparentBlit, ASmallerDestinationShrinksTheDrawnSize) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    GivePicture(button, control_testing::MakeSolidPicture(20, 20, kGreen));
    PrepareButtonImage(button, 20, 20, 0);
    Long w = 20;
    Long h = 20;
    TransparentBlit(button, button.SurfaceDC, {0, 0, 10, 5}, button.ImageHandle, {0, 0, 0, 0}, w, h);
    EXPECT_EQ(w, 5);
    EXPECT_EQ(h, 5);
}

TEST(TransparentBlit, ComposingInPlaceGivesThePixelsOfTheWorkBitmap) {
    ButtonFixture fixture({.width = 24, .height = 16});
    ztButtons_H& button = fixture.Button();
    const gdi::HDC dc = button.SurfaceDC;
    const Legend legend{{'K', kMagenta}, {'k', gdi::RGB(253, 2, 250)}, {'r', kRed}, {'g', kGreen},
                        {'b', gdi::RGB(0, 0, 0)}, {'w', gdi::RGB(255, 255, 255)}};
    const std::string inks = "KKkrgbw";
    std::mt19937 random(20261208);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto colour = [&] { return static_cast<gdi::COLORREF>(random() & 0xFFFFFF); };
    for (int round = 0; round < 120; ++round) {
        Art art(static_cast<std::size_t>(pick(1, 10)), std::string());
        const int pictureW = pick(1, 14);
        for (std::string& row : art) {
            for (int x = 0; x < pictureW; ++x) row += inks[static_cast<std::size_t>(pick(0, 6))];
        }
        GivePicture(button, MakeBitmapPicture(art, legend));
        PrepareButtonImage(button, pick(1, 16), pick(1, 12), 0);
        std::vector<gdi::COLORREF> start;
        for (int i = 0; i < 24 * 16; ++i) start.push_back(colour());
        gdi::RECT destRect{pick(-4, 12), pick(-4, 8), 0, 0};
        if (pick(0, 1) == 1) {
            destRect.right = destRect.left + pick(1, 18);
            destRect.bottom = destRect.top + pick(1, 14);
        }
        const gdi::HRGN clip =
            pick(0, 2) == 0 ? gdi::CreateRectRgn(pick(0, 10), pick(0, 8), pick(8, 24), pick(6, 16)) : 0;
        const Long askedW = pick(1, 18);
        const Long askedH = pick(1, 14);
        const gdi::COLORREF text = colour();
        const gdi::COLORREF background = colour();
        // The surface, the drawn size and the DC's colours afterwards.
        auto paint = [&](bool allowInPlace) {
            for (int i = 0; i < 24 * 16; ++i) gdi::SetPixel(dc, i % 24, i / 24, start[static_cast<std::size_t>(i)]);
            gdi::SelectClipRgn(dc, clip);
            gdi::SetTextColor(dc, text);
            gdi::SetBkColor(dc, background);
            Long w = askedW;
            Long h = askedH;
            TransparentBlitWith(button, dc, destRect, button.ImageHandle, {0, 0, 0, 0}, w, h, allowInPlace);
            std::vector<gdi::COLORREF> seen{static_cast<gdi::COLORREF>(w), static_cast<gdi::COLORREF>(h),
                                            gdi::GetTextColor(dc), gdi::GetBkColor(dc)};
            for (int i = 0; i < 24 * 16; ++i) seen.push_back(gdi::GetPixel(dc, i % 24, i / 24));
            gdi::SelectClipRgn(dc, 0);
            return seen;
        };
        const std::vector<gdi::COLORREF> general = paint(false);
        ASSERT_EQ(general, paint(true)) << "round " << round; // stretching the layers
        ASSERT_EQ(general, paint(true)) << "round " << round; // from the kept layers
        if (clip != 0) gdi::DeleteObject(clip);
    }
}

// The layers kept from paint to paint follow every input they are made of:
// after each change the direct composition still gives the general one's pixels.
TEST(TransparentBlit, KeptLayersFollowEveryInput) {
    ButtonFixture fixture({.width = 16, .height = 12});
    ztButtons_H& button = fixture.Button();
    const gdi::HDC dc = button.SurfaceDC;
    const Legend legend{{'K', kMagenta}, {'r', kRed}, {'g', kGreen}, {'b', kBlue}};
    const Art picture{"KrgbKr", "rKKgbg", "bgKrrK", "KbrgKb"};
    Long w = 6;
    Long h = 4;
    gdi::RECT destRect{1, 1, 0, 0};
    gdi::RECT srcRect{0, 0, 0, 0};
    auto paint = [&](bool allowInPlace) {
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 16; ++x) gdi::SetPixel(dc, x, y, gdi::RGB(x * 15, y * 20, 90));
        }
        Long drawnW = w;
        Long drawnH = h;
        TransparentBlitWith(button, dc, destRect, button.ImageHandle, srcRect, drawnW, drawnH, allowInPlace);
        std::vector<gdi::COLORREF> seen;
        for (int i = 0; i < 16 * 12; ++i) seen.push_back(gdi::GetPixel(dc, i % 16, i / 16));
        return seen;
    };
    GivePicture(button, MakeBitmapPicture(picture, legend));
    PrepareButtonImage(button, 6, 4, 0);
    const picture::PicturePtr other = MakeBitmapPicture({"Kbbbbb", "bbbbbb", "bbbbbb", "bbbbbK"}, legend);
    struct Change {
        const char* input;
        std::function<void()> apply;
    };
    const Change changes[] = {
        {"the drawn size", [&] { w = 4, h = 3; }},
        {"the drawn size again", [&] { w = 6, h = 4; }}, // both sizes kept
        {"the drawn size once more", [&] { w = 4, h = 3; }},
        {"the image's size", [&] { PrepareButtonImage(button, 5, 3, 0); }},
        {"the picture", [&] { GivePicture(button, MakeBitmapPicture({"gKrb", "Kbgr", "rgKb"}, legend)); }},
        {"the key colour",
         [&] { GivePicture(button, MakeBitmapPicture({"rKgbKr", "rKKgbg", "bgKrrK", "KbrgKb"}, legend)); }},
        {"the part drawn", [&] { srcRect = {0, 0, 5, 4}; }},
        {"another bitmap drawn in between",
         [&] {
             Long otherW = w;
             Long otherH = h;
             TransparentBlitWith(button, dc, destRect, other->Handle(), srcRect, otherW, otherH, true);
         }},
        // Not an input: the layers shrink as the work bitmap's fresh DC shrinks them.
        {"the destination's stretch mode", [&] { gdi::SetStretchBltMode(dc, gdi::COLORONCOLOR); }},
    };
    paint(true);
    for (const Change& change : changes) {
        change.apply();
        if (button.ImageHandle == 0) PrepareButtonImage(button, 6, 4, 0);
        ASSERT_EQ(paint(false), paint(true)) << "after a change of " << change.input;
        ASSERT_EQ(paint(false), paint(true)) << "kept after a change of " << change.input;
    }
}

TEST(TransparentBlit, LeavesNoObjectBehind) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    GivePicture(button, control_testing::MakeSolidPicture(12, 12, kGreen));
    PrepareButtonImage(button, 12, 12, 0);
    const gdi::DWORD live = LiveGdiObjects();
    Long w = 12;
    Long h = 12;
    TransparentBlit(button, button.SurfaceDC, {3, 3, 0, 0}, button.ImageHandle, {0, 0, 0, 0}, w, h);
    EXPECT_EQ(LiveGdiObjects(), live);
}

TEST(DrawButtonImage, IconsAreDrawnWithTheirOwnMaskAndNeverPrepared) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    const Legend legend{{'.', kMagenta}, {'x', kRed}, {'B', kBlue}};
    GivePicture(button, control_testing::MakeIconPicture({"x..", ".x.", "..x"}, legend, kMagenta));
    FillSurface(button, kBlue);
    DrawButtonImage(button, {1, 1, 4, 4});
    EXPECT_EQ(button.ImageHandle, 0u);
    EXPECT_TRUE(SameArt({"BBBBB", "BxBBB", "BBxBB", "BBBxB", "BBBBB"},
                        CaptureArt(button.SurfaceDC, 0, 0, 5, 5, legend)));
}

TEST(DrawButtonImage, DisabledPicturesShowWhiteAsFaceBlackAsGreyAndKeepTransparency) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    const Legend legend{{'K', kMagenta}, {'w', gdi::RGB(255, 255, 255)}, {'k', gdi::RGB(0, 0, 0)},
                        {'F', gdi::RGB(0, 128, 255)}, {'g', gdi::RGB(128, 128, 128)}};
    GivePicture(button, control_testing::MakeBitmapPicture({"Kwk", "kwK"}, legend));
    fixture.Site().SetEnabled(false);
    FillSurface(button, gdi::RGB(0, 128, 255));
    const gdi::DWORD live = LiveGdiObjects();
    DrawButtonImage(button, {1, 1, 4, 3});
    EXPECT_TRUE(SameArt({"FFFFF", "FFFgF", "FgFFF", "FFFFF"}, CaptureArt(button.SurfaceDC, 0, 0, 5, 4, legend)));
    EXPECT_EQ(LiveGdiObjects(), live + 1);  // only the prepared image is new
}

TEST(DrawButtonImage, APushedCustomButtonShowsItsPictureOnePixelSmaller) {
    ButtonFixture fixture({.width = 10, .height = 10});
    ztButtons_H& button = fixture.Button();
    Art art(10, std::string(10, 'x'));
    art[0][0] = 'K';
    GivePicture(button, control_testing::MakeBitmapPicture(art, Legend{{'K', kMagenta}, {'x', kRed}}));
    button.ButtonShape = ButtonShapeValue::Custom;

    FillSurface(button, kBlue);
    DrawButtonImage(button, {0, 0, 10, 10});
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 9, 9), kRed);
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 0, 5), kRed);

    button.StateFlags = StateFlagBits::Pushed;
    FillSurface(button, kBlue);
    DrawButtonImage(button, {0, 0, 10, 10});
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 9, 9), kBlue);
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 0, 5), kBlue);
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 5, 0), kBlue);
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 8, 8), kRed);
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 1, 5), kRed);
}

TEST(DrawButtonImage, WithoutAPictureNothingIsDrawnOrPrepared) {
    ButtonFixture fixture;
    ztButtons_H& button = fixture.Button();
    FillSurface(button, kBlue);
    const gdi::DWORD live = LiveGdiObjects();
    DrawButtonImage(button, {0, 0, 10, 10});
    EXPECT_EQ(LiveGdiObjects(), live);
    EXPECT_EQ(gdi::GetPixel(button.SurfaceDC, 5, 5), kBlue);
}
