// The text form of a property bag: its exact shape, exact round trips for
// every value type, and refusal of text that is not a bag.
#include "platform/container/PropertyBag.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

using namespace container;

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A 2 x 2 24-bit BMP file: red, green / blue, white.
std::vector<std::uint8_t> TinyBmp() {
    std::vector<std::uint8_t> file{'B', 'M'};
    PutLittleEndian(file, 54 + 16, 4);
    PutLittleEndian(file, 0, 4);
    PutLittleEndian(file, 54, 4);
    for (std::uint32_t field : {40u, 2u, 2u})
        PutLittleEndian(file, field, 4);
    PutLittleEndian(file, 1, 2);
    PutLittleEndian(file, 24, 2);
    for (std::uint32_t field : {0u, 16u, 2835u, 2835u, 0u, 0u})
        PutLittleEndian(file, field, 4);
    const std::uint8_t rows[] = {0xFF, 0, 0,    0xFF, 0xFF, 0xFF, 0, 0,  // bottom row: blue, white
                                 0,    0, 0xFF, 0,    0xFF, 0,    0, 0}; // top row: red, green
    file.insert(file.end(), std::begin(rows), std::end(rows));
    return file;
}

PropertyBag ReadBack(const PropertyBag& bag) {
    std::string error;
    auto read = PropertyBag::FromText(bag.ToText(), &error);
    EXPECT_TRUE(read.has_value()) << error << "\n" << bag.ToText();
    return read.value_or(PropertyBag{});
}

TEST(PropertyBagText, ReadableShape) {
    PropertyBag bag;
    bag.WriteProperty("Caption", std::string("同步\r\n\"now\""));
    bag.WriteProperty("CapAlign", std::int32_t{0});
    bag.WriteProperty("ImgSize", std::int16_t{48});
    bag.WriteProperty("Focus", false);
    bag.WriteProperty("cBack", Color{static_cast<OleColor>(0x8000000F)});
    bag.WriteProperty("cFore", Color{0x0000FF});
    auto font = std::make_shared<Font>("宋体", 10.5);
    font->SetBold(true);
    bag.WriteProperty("Font", font);
    bag.WriteProperty("mIcon", picture::PicturePtr{});
    bag.WriteProperty("Tag", PropertyValue{});
    EXPECT_EQ(bag.ToText(), "Caption = \"同步\\r\\n\\\"now\\\"\"\n"
                            "CapAlign = 0&\n"
                            "ImgSize = 48%\n"
                            "Focus = False\n"
                            "cBack = &H8000000F\n"
                            "cFore = &H000000FF\n"
                            "Font = Font(\"宋体\", 10.5, 700, False, False, False, 134)\n"
                            "mIcon = Picture()\n"
                            "Tag = Empty\n");
}

TEST(PropertyBagText, EveryTypeRoundTripsExactly) {
    PropertyBag bag;
    std::string awkward = "a\\b\t\"c\"\r\nd";
    awkward += '\x01';
    awkward += '\x7F';
    awkward += "é&&&x";
    bag.WriteProperty("Caption", awkward);
    bag.WriteProperty("Empty_text", std::string());
    bag.WriteProperty("IntMin", std::numeric_limits<std::int16_t>::min());
    bag.WriteProperty("IntMax", std::numeric_limits<std::int16_t>::max());
    bag.WriteProperty("LongMin", std::numeric_limits<std::int32_t>::min());
    bag.WriteProperty("LongMax", std::numeric_limits<std::int32_t>::max());
    bag.WriteProperty("Yes", true);
    bag.WriteProperty("SysColor", Color{static_cast<OleColor>(0x80000012)});
    bag.WriteProperty("Rgb", Color{0x00123456});
    auto font = std::make_shared<Font>("DejaVu Sans \"Mono\"", 9.75);
    font->SetWeight(600);
    font->SetItalic(true);
    font->SetUnderline(true);
    font->SetStrikethrough(true);
    font->SetCharset(0);
    bag.WriteProperty("Font", font);
    bag.WriteProperty("NoFont", FontPtr{});
    bag.WriteProperty("NoImage", picture::PicturePtr{});
    bag.WriteProperty("Nothing", PropertyValue{});

    const PropertyBag read = ReadBack(bag);
    EXPECT_EQ(read.ToText(), bag.ToText());
    EXPECT_EQ(read.Keys(), bag.Keys());
    for (const std::string& key : bag.Keys()) {
        const PropertyValue original = bag.ReadProperty(key);
        const PropertyValue copy = read.ReadProperty(key);
        EXPECT_EQ(original.index(), copy.index()) << key; // same type, not just an equal value
        EXPECT_TRUE(ValuesEqual(original, copy)) << key;
    }
    EXPECT_EQ(ToString(read.ReadProperty("Caption")), awkward);
    EXPECT_EQ(*ToFont(read.ReadProperty("Font")).value(), *font);
}

// Whatever a writer hands over, the bag it makes reads back: fonts of any
// asked size, text of every byte, names of any length.
TEST(PropertyBagText, EveryBagWrittenReadsBack) {
    const double infinity = std::numeric_limits<double>::infinity();
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    for (const double size : {5000.0, infinity, -infinity, std::nan(""), 0.0, 5e-324, 2160.0}) {
        SCOPED_TRACE(size);
        PropertyBag bag;
        bag.WriteProperty("Font", std::make_shared<Font>(everyByte, size));
        bag.WriteProperty("Caption", everyByte);
        bag.WriteProperty(std::string(300, 'k'), Color{-1});
        const PropertyBag read = ReadBack(bag);
        EXPECT_EQ(read.ToText(), bag.ToText());
        const auto written = ToFont(bag.ReadProperty("Font"));
        const auto readBack = ToFont(read.ReadProperty("Font"));
        ASSERT_TRUE(written && *written && readBack && *readBack);
        EXPECT_EQ(**readBack, **written);
    }
}

TEST(PropertyBagText, PicturesTravelAsTheirFileBytes) {
    const picture::PicturePtr original = picture::LoadPictureBytes(TinyBmp());
    ASSERT_NE(original, nullptr);
    PropertyBag bag;
    bag.WriteProperty("Image", original);
    EXPECT_NE(bag.ToText().find("Image = Picture(\"Qk"), std::string::npos); // "BM" in base64

    const PropertyBag read = ReadBack(bag);
    const auto copy = ToPicture(read.ReadProperty("Image"));
    ASSERT_TRUE(copy && *copy);
    EXPECT_EQ((*copy)->Type(), picture::PictureType::Bitmap);
    EXPECT_EQ((*copy)->Width(), 2);
    EXPECT_EQ((*copy)->Height(), 2);
    EXPECT_EQ((*copy)->Bytes(), original->Bytes());
    EXPECT_EQ(read.ToText(), bag.ToText());
}

TEST(PropertyBagText, ToleratesBlankLinesCommentsCrLfAndSpacing) {
    const auto bag =
        PropertyBag::FromText("' saved by DunmoraDesk\r\n\r\n  CapAlign=0&  \r\ncBHover   =   &HFF\n");
    ASSERT_TRUE(bag.has_value());
    EXPECT_EQ(ToLong(bag->ReadProperty("capalign", std::int32_t{2})), 0);
    EXPECT_EQ(ToOleColor(bag->ReadProperty("cBhover")), 0xFF);
}

TEST(PropertyBagText, AKeyGivenTwiceKeepsItsLastValue) {
    const auto bag = PropertyBag::FromText("Mode = 1&\nmode = 2&\n");
    ASSERT_TRUE(bag.has_value());
    EXPECT_EQ(bag->Count(), 1u);
    EXPECT_EQ(ToLong(bag->ReadProperty("Mode")), 2);
}

TEST(PropertyBagText, RefusesTextThatIsNotABag) {
    const char* broken[] = {
        "Caption \"x\"", // no '='
        "Caption = \"unterminated",
        "Caption = \"bad \\q escape\"",
        "Caption = \"bad \\x4 escape\"",
        "CapAlign = 2",           // a number must say Integer or Long
        "ImgSize = 40000%",       // too big for an Integer
        "CapAlign = 3000000000&", // too big for a Long
        "Focus = Maybe",
        "cBack = &H1FFFFFFFF",
        "Image = Picture(\"Qk0=\")", // decodes, but is no picture
        "Image = Picture(\"not base64\")",
        "Font = Font(\"宋体\", 0, 400, False, False, False, 134)",
        "Font = Font(\"宋体\", 9, 400, False, False)",
        "1st = 1&",
        "Caption = \"x\" trailing",
    };
    for (const char* line : broken) {
        std::string error;
        const std::string text = std::string("Mode = 0&\n") + line + "\n";
        EXPECT_FALSE(PropertyBag::FromText(text, &error).has_value()) << line;
        EXPECT_EQ(error.rfind("line 2:", 0), 0u) << line << " -> " << error;
    }
}

} // namespace
