// Conversions a reader applies to stored values, and the equality that
// decides whether WriteProperty leaves a value out.
#include "platform/container/PropertyValue.h"

#include <gtest/gtest.h>

namespace {

using namespace container;

TEST(PropertyValueConversion, NumbersConvertWhenTheyFit) {
    EXPECT_EQ(ToInteger(std::int32_t{48}), std::int16_t{48});
    EXPECT_EQ(ToInteger(std::int32_t{70000}), std::nullopt);
    EXPECT_EQ(ToInteger(std::int32_t{-32769}), std::nullopt);
    EXPECT_EQ(ToLong(std::int16_t{-5}), -5);
    EXPECT_EQ(ToLong(Color{0x00FF00}), 0x00FF00);
    EXPECT_EQ(ToLong(PropertyValue{}), 0); // Empty reads as zero
}

TEST(PropertyValueConversion, BooleansAreMinusOneAndZero) {
    EXPECT_EQ(ToInteger(true), std::int16_t{-1});
    EXPECT_EQ(ToLong(false), 0);
    EXPECT_EQ(ToBoolean(std::int16_t{-1}), true);
    EXPECT_EQ(ToBoolean(std::int32_t{2}), true);
    EXPECT_EQ(ToBoolean(std::int32_t{0}), false);
    EXPECT_EQ(ToBoolean(std::string("True")), true);
    EXPECT_EQ(ToBoolean(std::string("0")), false);
    EXPECT_EQ(ToBoolean(std::string("maybe")), std::nullopt);
}

TEST(PropertyValueConversion, TextAndNumbers) {
    EXPECT_EQ(ToLong(std::string("42")), 42);
    EXPECT_EQ(ToLong(std::string("-7")), -7);
    EXPECT_EQ(ToLong(std::string("4x")), std::nullopt);
    EXPECT_EQ(ToLong(std::string("")), std::nullopt);
    EXPECT_EQ(ToString(std::int16_t{16}), "16");
    EXPECT_EQ(ToString(true), "True");
    EXPECT_EQ(ToString(PropertyValue{}), "0");
    EXPECT_EQ(ToString(FontPtr{}), std::nullopt);
}

TEST(PropertyValueConversion, ColoursKeepTheirBitPattern) {
    const auto systemButtonFace = static_cast<OleColor>(0x8000000F);
    EXPECT_EQ(ToOleColor(Color{systemButtonFace}), systemButtonFace);
    EXPECT_EQ(ToOleColor(std::int32_t{systemButtonFace}), systemButtonFace);
    EXPECT_EQ(ToOleColor(std::string("2147483663")), systemButtonFace); // 0x8000000F written unsigned
    EXPECT_EQ(ToOleColor(std::string("4294967296")), std::nullopt);
}

TEST(PropertyValueConversion, ObjectsOnlyFromObjectsOrEmpty) {
    EXPECT_EQ(ToPicture(PropertyValue{}), picture::PicturePtr{});
    EXPECT_EQ(ToPicture(std::string("x")), std::nullopt);
    auto font = std::make_shared<Font>();
    EXPECT_EQ(ToFont(font), font);
    EXPECT_EQ(ToFont(std::int32_t{1}), std::nullopt);
    EXPECT_EQ(ToFont(PropertyValue{}), FontPtr{});
}

TEST(PropertyValueEquality, NumbersCompareByValueWhateverTheirType) {
    EXPECT_TRUE(ValuesEqual(std::int16_t{16}, std::int32_t{16}));
    EXPECT_TRUE(ValuesEqual(true, std::int32_t{-1}));
    EXPECT_TRUE(ValuesEqual(Color{static_cast<OleColor>(0x8000000F)}, static_cast<std::int32_t>(0x8000000F)));
    EXPECT_TRUE(ValuesEqual(PropertyValue{}, std::int32_t{0}));
    EXPECT_FALSE(ValuesEqual(std::int32_t{2}, std::int32_t{0}));
    EXPECT_FALSE(ValuesEqual(std::int32_t{2}, std::string("2"))); // text never equals a number
}

TEST(PropertyValueEquality, TextAndObjects) {
    EXPECT_TRUE(ValuesEqual(std::string("a"), std::string("a")));
    EXPECT_FALSE(ValuesEqual(std::string("a"), std::string("A")));
    EXPECT_TRUE(ValuesEqual(std::string(), PropertyValue{}));
    EXPECT_TRUE(ValuesEqual(picture::PicturePtr{}, PropertyValue{}));
    EXPECT_TRUE(ValuesEqual(FontPtr{}, PropertyValue{}));

    auto a = std::make_shared<Font>("宋体", 9);
    auto b = std::make_shared<Font>("宋体", 9);
    EXPECT_TRUE(ValuesEqual(a, b)); // fonts by attributes, not identity
    b->SetBold(true);
    EXPECT_FALSE(ValuesEqual(a, b)); // a bold font is not "the same name"
    EXPECT_FALSE(ValuesEqual(a, PropertyValue{}));
    EXPECT_FALSE(ValuesEqual(a, FontPtr{}));
}

} // namespace
