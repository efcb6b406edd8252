// Colour arithmetic: OLE colours translated to RGB and the shading rule.
#include "control/render/Colors.h"
#include "platform/gdi/gdi.h"

#include <gtest/gtest.h>

TEST(TranslateColor, SystemColoursUseOnlyTheLowByte) {
    EXPECT_EQ(TranslateColor(static_cast<OleColor>(0x8000000F)), static_cast<RgbColor>(gdi::GetSysColor(15)));
    EXPECT_EQ(TranslateColor(static_cast<OleColor>(0x8000000F)), 0xF0F0F0);
    EXPECT_EQ(TranslateColor(0x0000FF), 0x0000FF);
    EXPECT_EQ(TranslateColor(static_cast<OleColor>(0x80FFFF12)), static_cast<RgbColor>(gdi::GetSysColor(18)));
    EXPECT_EQ(TranslateColor(0x01123456), 0x01123456);  // palette-relative values pass through
}

TEST(ShadeColor, AddsTheOffsetToEveryChannelAndClamps) {
    EXPECT_EQ(ShadeColor(0x808080, -16, false, false, false), 0x707070);
    EXPECT_EQ(ShadeColor(0x808080, 31, false, false, false), 0x9F9F9F);
    EXPECT_EQ(ShadeColor(0xFFFFFF, -32, false, false, false), 0xDFDFDF);
    EXPECT_EQ(ShadeColor(0x10F020, 20, false, false, false), 0x24FF34);
    EXPECT_EQ(ShadeColor(0x10F020, -20, false, false, false), 0x00DC0C);
}

TEST(ShadeColor, BlueRatioChangesBlueInProportionToItself) {
    EXPECT_EQ(ShadeColor(0xC8C8C8, 48, true, false, false), 0xFAF8F8);
    // 255 x -32 / 192 = -42.5, truncated toward zero.
    EXPECT_EQ(ShadeColor(0xFFFFFF, -32, true, false, false), 0xD5DFDF);
}

TEST(ShadeColor, AvoidExtremesRetriesAndWritesTheOffsetBack) {
    Integer offset = 10;
    EXPECT_EQ(ShadeColor(0xFFFFFF, offset, false, true, false), 0xF5F5F5);
    EXPECT_EQ(offset, -10);

    Integer zero = 0;
    EXPECT_EQ(ShadeColor(0x000000, zero, false, true, false), 0x404040);
    EXPECT_EQ(zero, 64);

    Integer kept = 10;
    EXPECT_EQ(ShadeColor(0x404040, kept, false, true, false), 0x4A4A4A);
    EXPECT_EQ(kept, 10);
    // Without avoidExtremes white stays white.
    EXPECT_EQ(ShadeColor(0xFFFFFF, 10, false, false, false), 0xFFFFFF);
}

TEST(ShadeColor, InvertFlipsEveryChannelAfterClamping) {
    EXPECT_EQ(ShadeColor(0x102030, 0, false, false, true), 0xEFDFCF);
    EXPECT_EQ(ShadeColor(0xFFFFFF, 10, false, false, true), 0x000000);
}
