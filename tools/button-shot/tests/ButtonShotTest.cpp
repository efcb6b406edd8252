// button-shot: its command line, colours, refusals, and what a shot holds —
// the control's final size and transparency outside its window region.
#include "../ButtonStage.h"
#include "../ShotOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(ShotOptions, ParsesSizeSettingsCombinedStatesAndScale) {
    ShotRequest request;
    std::string error;
    ASSERT_TRUE(ParseShotRequest({"--size", "105x21", "--set", "Caption=a=b", "--state", "default", "--state", "hover",
                                  "--scale", "3", "--out", "x.png"},
                                 request, error))
        << error;
    EXPECT_EQ(request.width, 105);
    EXPECT_EQ(request.height, 21);
    ASSERT_EQ(request.settings.size(), 1u);
    EXPECT_EQ(request.settings[0].first, "Caption");
    EXPECT_EQ(request.settings[0].second, "a=b");
    EXPECT_EQ(request.states, (std::vector<std::string>{"default", "hover"}));
    EXPECT_EQ(request.scale, 3);
}

TEST(ShotOptions, RefusesWhatItCannotDraw) {
    const std::vector<std::vector<std::string>> mistakes = {
        {"--size", "0x21", "--out", "x.png"},     {"--size", "105", "--out", "x.png"},
        {"--size", "10x10", "--state", "shiny", "--out", "x.png"},
        {"--size", "10x10", "--scale", "0", "--out", "x.png"}, {"--size", "10x10"},
        {"--size", "10x10", "--set", "=3", "--out", "x.png"},  {"--size"}};
    for (const auto& args : mistakes) {
        ShotRequest request;
        std::string error;
        EXPECT_FALSE(ParseShotRequest(args, request, error)) << args[0] << " " << (args.size() > 1 ? args[1] : "");
        EXPECT_FALSE(error.empty());
    }
}

TEST(ShotColours, HexIsRedGreenBlueAndDecimalIsTheStoredOleValue) {
    OleColor colour = 0;
    ASSERT_TRUE(ParseOleColour("#7AC0DD", colour));
    EXPECT_EQ(colour, 0xDDC07A);
    ASSERT_TRUE(ParseOleColour("-2147483633", colour));
    EXPECT_EQ(colour, static_cast<OleColor>(0x8000000F));
    ASSERT_TRUE(ParseOleColour("2147483663", colour));  // the same written unsigned
    EXPECT_EQ(colour, static_cast<OleColor>(0x8000000F));
    EXPECT_FALSE(ParseOleColour("#7AC0D", colour));
    EXPECT_FALSE(ParseOleColour("blue", colour));
}

TEST(RenderButton, EllipseIsTransparentOutsideItsRegionAndOpaqueInside) {
    ArgbImage image;
    std::string error;
    ASSERT_TRUE(RenderButton(60, 30, {{"ButtonShape", "4"}}, {"normal"}, image, error)) << error;
    ASSERT_EQ(image.width, 60);
    ASSERT_EQ(image.height, 30);
    EXPECT_EQ(image.At(0, 0) >> 24, 0u);
    EXPECT_EQ(image.At(59, 29) >> 24, 0u);
    EXPECT_EQ(image.At(30, 15) >> 24, 0xFFu);
}

TEST(RenderButton, SlantedShapeComesOutAtTheWidthItWidenedItselfTo) {
    ArgbImage image;
    std::string error;
    ASSERT_TRUE(RenderButton(20, 30, {{"ButtonShape", "1"}}, {}, image, error)) << error;
    EXPECT_EQ(image.width, 40);
    EXPECT_EQ(image.At(0, 29) >> 24, 0u) << "below the slant";
    EXPECT_EQ(image.At(39, 0) >> 24, 0xFFu);
}

TEST(RenderButton, PushedStyle7ShowsTheDarkFace) {
    ArgbImage normal;
    ArgbImage pushed;
    std::string error;
    ASSERT_TRUE(RenderButton(40, 20, {{"ButtonStyle", "7"}}, {"normal"}, normal, error)) << error;
    ASSERT_TRUE(RenderButton(40, 20, {{"ButtonStyle", "7"}}, {"pushed"}, pushed, error)) << error;
    EXPECT_EQ(pushed.At(10, 10), 0xFF707070u);
    EXPECT_NE(normal.At(10, 10), pushed.At(10, 10));
}

TEST(RenderButton, RefusesUnknownPropertiesOutOfRangeValuesAndCustomShapesWithoutPicture) {
    ArgbImage image;
    std::string error;
    EXPECT_FALSE(RenderButton(40, 20, {{"Colour", "1"}}, {}, image, error));
    EXPECT_FALSE(RenderButton(40, 20, {{"ButtonStyle", "8"}}, {}, image, error));
    EXPECT_FALSE(RenderButton(40, 20, {{"ButtonShape", "7"}}, {}, image, error));
    EXPECT_FALSE(RenderButton(40, 20, {{"Value", "True"}}, {}, image, error)) << "a command button is never checked";
    EXPECT_TRUE(RenderButton(40, 20, {{"Mode", "1"}, {"Value", "True"}}, {}, image, error)) << error;
}

}  // namespace
