// Reading and writing a property bag: the key-case rule, leaving out values
// equal to their default, and the bag as a snapshot of what was written.
#include "platform/container/PropertyBag.h"

#include <gtest/gtest.h>

namespace {

using namespace container;

constexpr auto kButtonFace = static_cast<OleColor>(0x8000000F);

TEST(PropertyBag, KeysCompareWithoutRegardToCaseAndKeepTheirSpelling) {
    PropertyBag bag;
    ASSERT_TRUE(bag.WriteProperty("cBhover", Color{0x00FF00}, Color{kButtonFace}));
    EXPECT_TRUE(bag.Contains("cBHover"));
    EXPECT_EQ(ToOleColor(bag.ReadProperty("cBHover", Color{kButtonFace})), 0x00FF00);
    EXPECT_EQ(ToOleColor(bag.ReadProperty("CBHOVER")), 0x00FF00);
    EXPECT_EQ(bag.Keys(), std::vector<std::string>{"cBhover"});

    // Writing under another spelling replaces the value, keeping the first spelling and place.
    bag.WriteProperty("Caption", std::string("A"));
    bag.WriteProperty("CBHOVER", Color{0x0000FF});
    EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"cBhover", "Caption"}));
    EXPECT_EQ(ToOleColor(bag.ReadProperty("cbhover")), 0x0000FF);
}

TEST(PropertyBag, AbsentKeysReadTheirDefault) {
    PropertyBag bag;
    EXPECT_EQ(ToLong(bag.ReadProperty("CapAlign", std::int32_t{2})), 2);
    EXPECT_EQ(ToBoolean(bag.ReadProperty("Focus", true)), true);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(bag.ReadProperty("Font")));
}

TEST(PropertyBag, ValuesEqualToTheirDefaultAreLeftOut) {
    PropertyBag bag;
    bag.WriteProperty("Caption", std::string(), std::string());
    bag.WriteProperty("CapAlign", std::int32_t{2}, std::int32_t{2});
    bag.WriteProperty("ImgSize", std::int16_t{16}, std::int32_t{16}); // widths differ, value is the same
    bag.WriteProperty("Focus", true, true);
    bag.WriteProperty("cGradient", Color{kButtonFace}, static_cast<std::int32_t>(kButtonFace));
    bag.WriteProperty("Image", picture::PicturePtr{}, PropertyValue{});
    EXPECT_EQ(bag.Count(), 0u);

    bag.WriteProperty("CapAlign", std::int32_t{0}, std::int32_t{2});
    bag.WriteProperty("Mode", std::int32_t{0}); // no default: always stored
    bag.WriteProperty("Font", std::make_shared<Font>(), PropertyValue{});
    EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"CapAlign", "Mode", "Font"}));
    // A left-aligned caption reads back as 0; a centred one, left out, reads back as 2.
    EXPECT_EQ(ToLong(bag.ReadProperty("CapAlign", std::int32_t{2})), 0);
}

TEST(PropertyBag, WritingTheDefaultRemovesAnEarlierValue) {
    PropertyBag bag;
    bag.WriteProperty("CapAlign", std::int32_t{0}, std::int32_t{2});
    bag.WriteProperty("capalign", std::int32_t{2}, std::int32_t{2});
    EXPECT_FALSE(bag.Contains("CapAlign"));
    EXPECT_EQ(ToLong(bag.ReadProperty("CapAlign", std::int32_t{2})), 2);

    // Removing a key from the middle keeps the others in order and readable.
    bag.WriteProperty("First", std::int32_t{1});
    bag.WriteProperty("Middle", std::int32_t{2});
    bag.WriteProperty("Last", std::int32_t{3});
    bag.WriteProperty("MIDDLE", std::int32_t{0}, std::int32_t{0});
    bag.WriteProperty("Later", std::int32_t{4});
    EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"First", "Last", "Later"}));
    EXPECT_EQ(ToLong(bag.ReadProperty("last")), 3);
    bag.WriteProperty("LAST", std::int32_t{5});
    EXPECT_EQ(ToLong(bag.ReadProperty("Last")), 5);
    EXPECT_EQ(bag.Count(), 3u);
}

TEST(PropertyBag, KeysMustBeNames) {
    PropertyBag bag;
    EXPECT_FALSE(bag.WriteProperty("", std::int32_t{1}));
    EXPECT_FALSE(bag.WriteProperty("two words", std::int32_t{1}));
    EXPECT_FALSE(bag.WriteProperty("a=b", std::int32_t{1}));
    EXPECT_FALSE(bag.WriteProperty("1st", std::int32_t{1}));
    EXPECT_TRUE(bag.WriteProperty("zt_Obj1", std::int32_t{1}));
    EXPECT_EQ(bag.Count(), 1u);
}

TEST(PropertyBag, AWrittenFontIsASnapshot) {
    PropertyBag bag;
    auto font = std::make_shared<Font>("宋体", 9);
    bag.WriteProperty("Font", font);
    font->SetBold(true);
    const auto stored = ToFont(bag.ReadProperty("Font"));
    ASSERT_TRUE(stored && *stored);
    EXPECT_FALSE((*stored)->Bold());
}

} // namespace
