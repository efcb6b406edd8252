// Gradient bands: their colours, their number and thickness, and direction.
#include "control/paint/Gradient.h"
#include "control/render/Surface.h"
#include "control/tests/support/ButtonFixture.h"

#include <gtest/gtest.h>

using control_testing::ButtonFixture;

TEST(GradientBandColours, FirstBandIsExactAndChannelsStepEvenly) {
    std::vector<RgbColor> colours(10);
    GradientBandColours(colours, 0x000000, 0x00005A);  // red 0 to 90 in 9 steps of 10
    for (std::size_t i = 0; i < colours.size(); ++i) EXPECT_EQ(colours[i], static_cast<RgbColor>(10 * i)) << i;

    std::vector<RgbColor> four(4);
    GradientBandColours(four, 0x0000FF, 0xFF0000);  // red falls, blue rises, 85 per band
    EXPECT_EQ(four, (std::vector<RgbColor>{0x0000FF, 0x5500AA, 0xAA0055, 0xFF0000}));
}

TEST(GradientBandColours, OneBandIsTheFirstColourAndNoBandsIsNothing) {
    std::vector<RgbColor> one(1);
    GradientBandColours(one, 0x123456, 0xFFFFFF);
    EXPECT_EQ(one[0], 0x123456);
    std::vector<RgbColor> none;
    GradientBandColours(none, 0x123456, 0xFFFFFF);
    EXPECT_TRUE(none.empty());
}

TEST(GradientBandColours, SinglePrecisionStepsReachTheTargetWithinOneStep) {
    std::vector<RgbColor> colours(350);
    GradientBandColours(colours, 0x000000, 0xFFFFFF);
    EXPECT_EQ(colours.front(), 0x000000);
    for (std::size_t i = 1; i < colours.size(); ++i) {
        EXPECT_GE(colours[i] & 0xFF, colours[i - 1] & 0xFF);  // never goes back
        // The channels move together.
        EXPECT_EQ((colours[i] >> 8) & 0xFF, colours[i] & 0xFF);
    }
    EXPECT_GE(colours.back() & 0xFF, 254);
    // Falling channels are stepped and floored the same way.
    std::vector<RgbColor> falling(3);
    GradientBandColours(falling, 0x0000FF, 0x000000);
    EXPECT_EQ(falling[1], 0x7F);  // 255 - 127.5 floors to 127
}

namespace {

RgbColor SurfacePixel(const ztButtons_H& button, int x, int y) {
    return static_cast<RgbColor>(gdi::GetPixel(button.SurfaceDC, x, y));
}

}  // namespace

TEST(FillGradient, RightToLeftDrawsTenStripsWithTheFirstColourOnTheRight) {
    ButtonFixture fixture({.width = 10, .height = 4});
    ztButtons_H& button = fixture.Button();
    button.GradientMode = GradientModeValue::RightToLeft;
    FillGradient(button, 0x000000, 0x00005A);
    for (int x = 0; x < 10; ++x) {
        for (int y = 0; y < 4; ++y) EXPECT_EQ(SurfacePixel(button, x, y), (9 - x) * 10) << x << "," << y;
    }
}

TEST(FillGradient, TopToBottomAndBottomToTopRunAlongTheHeight) {
    ButtonFixture fixture({.width = 6, .height = 4});
    ztButtons_H& button = fixture.Button();
    button.GradientMode = GradientModeValue::TopToBottom;
    FillGradient(button, 0x000000, 0x00001E);
    for (int y = 0; y < 4; ++y) EXPECT_EQ(SurfacePixel(button, 5, y), y * 10);
    button.GradientMode = GradientModeValue::BottomToTop;
    FillGradient(button, 0x000000, 0x00001E);
    for (int y = 0; y < 4; ++y) EXPECT_EQ(SurfacePixel(button, 0, y), (3 - y) * 10);
    // The same size with another end colour, then another start colour: new bands each time.
    FillGradient(button, 0x000000, 0x00003C);
    for (int y = 0; y < 4; ++y) EXPECT_EQ(SurfacePixel(button, 0, y), (3 - y) * 20);
    FillGradient(button, 0x00001E, 0x00003C);
    for (int y = 0; y < 4; ++y) EXPECT_EQ(SurfacePixel(button, 0, y), 0x3C - y * 10);
}

TEST(FillGradient, ControlsWiderThanAQuarterOfTheScreenGetTwoPixelBands) {
    // 1280 / 700 = 1 and 1280 / 400 = 3, both below 4: strips of 2 pixels.
    for (const int width : {700, 400}) {
        ButtonFixture fixture({.width = width, .height = 3});
        ztButtons_H& button = fixture.Button();
        button.GradientMode = GradientModeValue::LeftToRight;
        std::vector<RgbColor> expected(static_cast<std::size_t>(width / 2));
        GradientBandColours(expected, 0x000000, 0xFFFFFF);
        DrawRect(button, button.SurfaceDC, 0, 0, width, 3, 0x0000FF, -1);
        FillGradient(button, 0x000000, 0xFFFFFF);
        for (int i = 0; i < width / 2; ++i) {
            EXPECT_EQ(SurfacePixel(button, 2 * i, 1), expected[static_cast<std::size_t>(i)]) << width << ": " << i;
            EXPECT_EQ(SurfacePixel(button, 2 * i + 1, 1), expected[static_cast<std::size_t>(i)]) << width << ": " << i;
        }
    }
}

TEST(FillGradient, AnOddSizeWithTwoPixelBandsLeavesTheLastColumn) {
    ButtonFixture fixture({.width = 701, .height = 3});
    ztButtons_H& button = fixture.Button();
    button.GradientMode = GradientModeValue::LeftToRight;
    DrawRect(button, button.SurfaceDC, 0, 0, 701, 3, 0x0000FF, -1);
    std::vector<RgbColor> expected(350);
    GradientBandColours(expected, 0x000000, 0x00FF00);
    FillGradient(button, 0x000000, 0x00FF00);
    EXPECT_EQ(SurfacePixel(button, 698, 0), expected.back());
    EXPECT_EQ(SurfacePixel(button, 699, 0), expected.back());
    EXPECT_EQ(SurfacePixel(button, 700, 0), 0x0000FF);
}

TEST(FillGradient, AQuarterOfTheScreenOrLessKeepsOnePixelBands) {
    // 1280 / 320 = 4: one band per pixel column.
    ButtonFixture fixture({.width = 320, .height = 2});
    ztButtons_H& button = fixture.Button();
    button.GradientMode = GradientModeValue::LeftToRight;
    std::vector<RgbColor> expected(320);
    GradientBandColours(expected, 0x000000, 0xFFFFFF);
    FillGradient(button, 0x000000, 0xFFFFFF);
    for (int x = 0; x < 320; ++x) EXPECT_EQ(SurfacePixel(button, x, 0), expected[static_cast<std::size_t>(x)]);
}

TEST(FillGradient, AOnePixelControlGetsTheFirstColour) {
    ButtonFixture fixture({.width = 1, .height = 5});
    ztButtons_H& button = fixture.Button();
    button.GradientMode = GradientModeValue::LeftToRight;
    FillGradient(button, 0x345678, 0xFFFFFF);
    for (int y = 0; y < 5; ++y) EXPECT_EQ(SurfacePixel(button, 0, y), 0x345678);
}
