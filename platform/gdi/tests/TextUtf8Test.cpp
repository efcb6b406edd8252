// UTF-8 decoding: valid text decodes, anything malformed decodes one byte at
// a time as U+FFFD, so captions from any source measure and draw.
#include "platform/gdi/text/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gdi::testing {
namespace {

std::vector<char32_t> DecodeAll(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t before = pos;
        out.push_back(detail::NextCodePoint(text, pos));
        EXPECT_GT(pos, before);
    }
    return out;
}

constexpr char32_t kBad = detail::kReplacementCharacter;

TEST(TextUtf8, DecodesOneToFourByteSequences) {
    EXPECT_EQ(DecodeAll("A"), (std::vector<char32_t>{U'A'}));
    EXPECT_EQ(DecodeAll("é中"), (std::vector<char32_t>{0xE9, 0x4E2D}));
    EXPECT_EQ(DecodeAll("\xF0\x9F\x98\x80"), (std::vector<char32_t>{0x1F600}));
    EXPECT_EQ(DecodeAll(std::string_view("a\0b", 3)), (std::vector<char32_t>{U'a', 0, U'b'}));
}

TEST(TextUtf8, MalformedBytesBecomeOneReplacementEach) {
    EXPECT_EQ(DecodeAll("\xFF\xFE"), (std::vector<char32_t>{kBad, kBad}));
    EXPECT_EQ(DecodeAll("\x80x"), (std::vector<char32_t>{kBad, U'x'}));              // stray continuation
    EXPECT_EQ(DecodeAll("\xC0\x80"), (std::vector<char32_t>{kBad, kBad}));           // overlong NUL
    EXPECT_EQ(DecodeAll("\xED\xA0\x80"), (std::vector<char32_t>{kBad, kBad, kBad})); // surrogate
    EXPECT_EQ(DecodeAll("\xF4\x90\x80\x80"),
              (std::vector<char32_t>{kBad, kBad, kBad, kBad}));                   // past U+10FFFF
    EXPECT_EQ(DecodeAll("\xE4\xB8"), (std::vector<char32_t>{kBad, kBad}));        // truncated at the end
    EXPECT_EQ(DecodeAll("\xE4x\xAD"), (std::vector<char32_t>{kBad, U'x', kBad})); // broken in the middle
}

} // namespace
} // namespace gdi::testing
