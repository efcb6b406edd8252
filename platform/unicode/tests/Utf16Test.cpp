#include "platform/unicode/Utf16.h"

#include <gtest/gtest.h>

namespace unicode {
namespace {

TEST(Utf16, Utf8AndUtf16AreTheSameText) {
    struct Row {
        const char* name;
        std::string utf8;
        std::wstring utf16;
    };
    const Row rows[] = {
        {"empty", "", L""},
        {"ASCII", "time.example:13", L"time.example:13"},
        {"CJK", "\xE6\x97\xB6\xE9\x97\xB4", L"\x65F6\x95F4"},
        {"beyond the BMP: a surrogate pair", "\xF0\x9F\x98\x80", L"\xD83D\xDE00"},
        {"embedded NUL", std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Utf16(row.utf8), row.utf16) << row.name;
        EXPECT_EQ(Utf8(row.utf16), row.utf8) << row.name;
    }
    EXPECT_EQ(Utf16("a\xFF" "b"), L"a\xFFFD" L"b");
}

TEST(Utf16, CodePageTextConvertsOnlyWhenExact) {
    struct Row {
        const char* name;
        unsigned codePage;
        std::string bytes;
        std::optional<std::wstring> text; // nothing: the bytes are no text of the code page
    };
    const Row rows[] = {
        {"GBK", 936, "\xCA\xB1\xBC\xE4", L"\x65F6\x95F4"},
        {"GBK with ASCII", 936, "TIME=\xB1\xB1\xBE\xA9", L"TIME=\x5317\x4EAC"},
        {"GBK lead byte without its trail", 936, "ab\x81", std::nullopt},
        {"Western", 1252, "caf\xE9", L"caf\xE9"},
        {"UTF-8 is a code page too", 65001, "\xE4\xBA\xAC", L"\x4EAC"},
        {"broken UTF-8", 65001, "\xE4\xBA", std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FromCodePage(row.bytes, row.codePage), row.text) << row.name;
        if (row.text) {
            EXPECT_EQ(ToCodePage(*row.text, row.codePage), row.bytes) << row.name;
        }
    }
    // No look-alikes: what the code page lacks is refused, not approximated.
    EXPECT_EQ(ToCodePage(L"\x0100", 1252), std::nullopt); // A with macron, best fit "A"
    EXPECT_EQ(ToCodePage(L"\xD83D\xDE00", 936), std::nullopt);
    EXPECT_EQ(ToCodePage(L"\xD83D", 65001), std::nullopt); // an unpaired surrogate
}

} // namespace
} // namespace unicode
