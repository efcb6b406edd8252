#include "platform/container/detail/Base64.h"

#include <gtest/gtest.h>

namespace {

using container::detail::DecodeBase64;
using container::detail::EncodeBase64;

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

TEST(Base64, StandardVectorsBothWays) {
    const std::pair<const char*, const char*> vectors[] = {{"", ""},
                                                           {"f", "Zg=="},
                                                           {"fo", "Zm8="},
                                                           {"foo", "Zm9v"},
                                                           {"foob", "Zm9vYg=="},
                                                           {"fooba", "Zm9vYmE="},
                                                           {"foobar", "Zm9vYmFy"}};
    for (const auto& [plain, encoded] : vectors) {
        EXPECT_EQ(EncodeBase64(Bytes(plain)), encoded);
        EXPECT_EQ(DecodeBase64(encoded), Bytes(plain));
    }
}

TEST(Base64, AllByteValuesRoundTrip) {
    std::vector<std::uint8_t> all;
    for (int value = 0; value < 256; ++value)
        all.push_back(static_cast<std::uint8_t>(value));
    EXPECT_EQ(DecodeBase64(EncodeBase64(all)), all);
}

TEST(Base64, RefusesMalformedText) {
    EXPECT_EQ(DecodeBase64("Zg="), std::nullopt);      // length
    EXPECT_EQ(DecodeBase64("Zg==Zg=="), std::nullopt); // padding inside
    EXPECT_EQ(DecodeBase64("Z=g="), std::nullopt);
    EXPECT_EQ(DecodeBase64("Zh=="), std::nullopt); // stray bits: not the one spelling of "f"
    EXPECT_EQ(DecodeBase64("Zm9*"), std::nullopt);
}

} // namespace
