#include "platform/ini/IniText.h"

#include <gtest/gtest.h>

namespace ini {
namespace {

TEST(IniText, Utf8IsRecognisedStrictly) {
    const std::pair<std::string, bool> rows[] = {
        {"plain ASCII", true},
        {"Z\xC3\xBCrich \xE6\x97\xB6 \xF0\x9F\x98\x80", true}, // two, three and four bytes
        {"\xC0\x80", false},                                   // an overlong NUL
        {"\xED\xA0\x80", false},                               // a surrogate
        {"\xF4\x90\x80\x80", false},                           // beyond U+10FFFF
        {"\xE6\x97", false},                                   // cut short
        {"\x80", false},                                       // a continuation without a lead
        {"\xCA\xB1\xBC\xE4", false},                           // GBK
    };
    for (const auto& [text, valid] : rows)
        EXPECT_EQ(IsValidUtf8(text), valid) << text;
}

// A code page like Latin-1, except that 0xFF is no character and 0x81 reads
// as the same letter as 0xFC (which it writes), so a file with 0x81 would not
// come back the same.
AnsiCodePage TestCodePage() {
    AnsiCodePage ansi;
    ansi.toUtf8 = [](std::string_view bytes) -> std::optional<std::string> {
        std::string text;
        for (unsigned char b : bytes) {
            if (b == 0xFF)
                return std::nullopt;
            const unsigned code = b == 0x81 ? 0xFC : b;
            if (code < 0x80) {
                text += static_cast<char>(code);
            } else {
                text += static_cast<char>(0xC0 | (code >> 6));
                text += static_cast<char>(0x80 | (code & 0x3F));
            }
        }
        return text;
    };
    ansi.fromUtf8 = [](std::string_view utf8) -> std::optional<std::string> {
        std::string bytes;
        for (std::size_t at = 0; at < utf8.size(); ++at) {
            const unsigned char b = static_cast<unsigned char>(utf8[at]);
            if (b < 0x80)
                bytes += static_cast<char>(b);
            else if ((b == 0xC2 || b == 0xC3) && at + 1 < utf8.size())
                bytes += static_cast<char>(((b & 0x03) << 6) | (utf8[++at] & 0x3F));
            else
                return std::nullopt;
        }
        return bytes;
    };
    return ansi;
}

TEST(IniText, AnsiFilesAreReadAndWrittenInTheirCodePage) {
    struct Row {
        const char* name;
        bool withCodePage;
        std::string file;
        std::string read; // the file as UTF-8 text
        std::string value;
        std::optional<std::string> written; // nothing: refused
    };
    const Row rows[] = {
        {"UTF-8 file", true, "[INTERNET]\nCITY=Z\xC3\xBCrich\n", "[INTERNET]\nCITY=Z\xC3\xBCrich\n", "Gen\xC3\xA8ve",
         "[INTERNET]\nCITY=Z\xC3\xBCrich\nTIME=Gen\xC3\xA8ve\n"},
        {"ANSI file", true, "[INTERNET]\nCITY=Z\xFCrich\nTIME=a\n", "[INTERNET]\nCITY=Z\xC3\xBCrich\nTIME=a\n",
         "Gen\xC3\xA8ve", "[INTERNET]\nCITY=Z\xFCrich\nTIME=Gen\xE8ve\n"},
        {"ANSI file, value beyond its code page", true, "[INTERNET]\nCITY=Z\xFCrich\n",
         "[INTERNET]\nCITY=Z\xC3\xBCrich\n", "\xE5\x8C\x97", std::nullopt},
        {"neither UTF-8 nor ANSI", true, "[INTERNET]\nCITY=\xFF\n", "[INTERNET]\nCITY=\xFF\n", "Gen\xC3\xA8ve",
         "[INTERNET]\nCITY=\xFF\nTIME=Gen\xC3\xA8ve\n"},
        {"ANSI that does not read back the same", true, "[INTERNET]\nCITY=\x81\n", "[INTERNET]\nCITY=\x81\n", "x",
         "[INTERNET]\nCITY=\x81\nTIME=x\n"},
        {"ANSI code page UTF-8 (Linux)", false, "[INTERNET]\nCITY=Z\xFCrich\n", "[INTERNET]\nCITY=Z\xFCrich\n",
         "Gen\xC3\xA8ve", "[INTERNET]\nCITY=Z\xFCrich\nTIME=Gen\xC3\xA8ve\n"},
    };
    for (const Row& row : rows) {
        const AnsiCodePage ansi = row.withCodePage ? TestCodePage() : AnsiCodePage{};
        EXPECT_EQ(DecodeIniText(row.file, ansi), row.read) << row.name;
        EXPECT_EQ(StoreInIniText(row.file, "internet", "TIME", row.value, ansi), row.written) << row.name;
    }
}

} // namespace
} // namespace ini
