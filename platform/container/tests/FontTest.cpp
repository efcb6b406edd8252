// Bold and Weight are one fact: every way of changing one shows in the other.
#include "platform/container/Font.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace {

using container::Font;

// A form's font until it is given another: 9-point 宋体 in the GB2312 character set.
TEST(Font, ANewFontIsNinePointSongInGb2312) {
    const Font font;
    EXPECT_EQ(font.Name(), "宋体");
    EXPECT_EQ(font.Size(), 9);
    EXPECT_EQ(font.Charset(), 134);
    EXPECT_FALSE(font.Italic() || font.Underline() || font.Strikethrough());
}

TEST(Font, BoldAndWeightStayConsistent) {
    Font font;
    EXPECT_EQ(font.Weight(), 400);
    EXPECT_FALSE(font.Bold());
    font.SetBold(true);
    EXPECT_EQ(font.Weight(), 700);
    EXPECT_TRUE(font.Bold());
    font.SetBold(false);
    EXPECT_EQ(font.Weight(), 400);

    ASSERT_TRUE(font.SetWeight(600));
    EXPECT_TRUE(font.Bold());
    ASSERT_TRUE(font.SetWeight(550));
    EXPECT_FALSE(font.Bold());
    ASSERT_TRUE(font.SetWeight(900));
    EXPECT_TRUE(font.Bold());
    font.SetBold(true); // already bold: the weight becomes the bold weight
    EXPECT_EQ(font.Weight(), 700);
}

TEST(Font, RefusesImpossibleSizesAndWeights) {
    Font font("宋体", 9);
    EXPECT_FALSE(font.SetSize(0));
    EXPECT_FALSE(font.SetSize(-3));
    EXPECT_FALSE(font.SetSize(2160.5));
    EXPECT_FALSE(font.SetSize(std::nan("")));
    EXPECT_EQ(font.Size(), 9);
    EXPECT_TRUE(font.SetSize(10.5));
    EXPECT_EQ(font.Size(), 10.5);
    EXPECT_FALSE(font.SetWeight(-1));
    EXPECT_FALSE(font.SetWeight(1001));
    EXPECT_EQ(font.Weight(), 400);
    EXPECT_TRUE(font.SetWeight(0));
    EXPECT_TRUE(font.SetWeight(1000));
    EXPECT_EQ(Font("x", -2).Size(), 9);
}

// A font is made with a size that SetSize accepts, so a saved form can hold it.
TEST(Font, ConstructionClampsTooLargeSizesAndDefaultsImpossibleOnes) {
    const double infinity = std::numeric_limits<double>::infinity();
    const std::pair<double, double> sizes[] = {{5000, 2160}, {2160, 2160},   {infinity, 2160}, {10.5, 10.5},
                                               {0, 9},       {-infinity, 9}, {std::nan(""), 9}};
    for (const auto& [asked, made] : sizes) {
        EXPECT_EQ(Font("x", asked).Size(), made) << asked;
        EXPECT_TRUE(Font().SetSize(made)) << asked;
    }
}

TEST(Font, CloneIsIndependentAndEqual) {
    Font font("宋体", 9);
    font.SetStrikethrough(true);
    auto copy = font.Clone();
    EXPECT_EQ(*copy, font);
    copy->SetBold(true);
    EXPECT_FALSE(font.Bold());
    EXPECT_NE(*copy, font);
}

} // namespace
