#include "platform/ini/IniDocument.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace ini {
namespace {

TEST(IniDocumentLookUp, FindsValuesWithoutRegardToCaseAndStripsBlanks) {
    const std::string text =
        "; comment\r\n[Other]\r\nTIME=wrong\r\n[internet]\r\n  time \t=  host.example \t\r\n";
    EXPECT_EQ(FindValue(text, "INTERNET", "TIME"), "host.example");
    EXPECT_EQ(FindValue(text, "other", "time"), "wrong");
}

TEST(IniDocumentLookUp, MissingSectionOrKeyIsNothingButEmptyValueIsEmpty) {
    const std::string text = "[INTERNET]\nTIME=\nXIUZHENXIAOSHI=8\n";
    EXPECT_EQ(FindValue(text, "INTERNET", "TIME"), "");
    EXPECT_FALSE(FindValue(text, "INTERNET", "SERVLIEBIAO"));
    EXPECT_FALSE(FindValue(text, "NOPE", "TIME"));
    // A key of another section must not leak into the one asked for.
    EXPECT_FALSE(FindValue("[A]\nK=1\n[B]\n", "B", "K"));
}

TEST(IniDocumentLookUp, ByteOrderMarkDoesNotHideTheFirstSection) {
    const std::string text = "\xEF\xBB\xBF[INTERNET]\r\nTIME=a\r\n";
    EXPECT_EQ(FindValue(text, "INTERNET", "TIME"), "a");
    EXPECT_EQ(StoreValue(text, "INTERNET", "TIME", "b"), "\xEF\xBB\xBF[INTERNET]\r\nTIME=b\r\n");
}

TEST(IniDocumentLookUp, FirstSectionAndFirstKeyWin) {
    EXPECT_EQ(FindValue("[S]\nK=1\nK=2\n[S]\nK=3\n", "S", "K"), "1");
}

TEST(IniDocumentStore, ReplacesOnlyTheValueOfAnExistingKey) {
    const std::string text = "; keep me\r\n[INTERNET]\r\n Time = old \r\nXIUZHENXIAOSHI=8\r\n[X]\r\nA=b\r\n";
    EXPECT_EQ(StoreValue(text, "internet", "TIME", "new"),
              "; keep me\r\n[INTERNET]\r\n Time =new\r\nXIUZHENXIAOSHI=8\r\n[X]\r\nA=b\r\n");
}

TEST(IniDocumentStore, AddsAMissingKeyAfterTheLastNonBlankLineOfItsSection) {
    EXPECT_EQ(StoreValue("[INTERNET]\nA=1\n\n[X]\nB=2\n", "INTERNET", "TIME", "h"),
              "[INTERNET]\nA=1\nTIME=h\n\n[X]\nB=2\n");
    // The section header is the file's last line and has no line break.
    EXPECT_EQ(StoreValue("[INTERNET]", "INTERNET", "TIME", "h"), "[INTERNET]\nTIME=h\n");
}

TEST(IniDocumentStore, AddsAMissingSectionAtTheEndInTheFilesLineBreakStyle) {
    EXPECT_EQ(StoreValue("", "INTERNET", "TIME", "h"), "[INTERNET]\nTIME=h\n");
    EXPECT_EQ(StoreValue("[X]\r\nA=1", "INTERNET", "TIME", "h"), "[X]\r\nA=1\r\n[INTERNET]\r\nTIME=h\r\n");
}

TEST(IniDocumentStore, ALastLineWithoutALineFeedIsEndedAndKeepsEveryByte) {
    struct Row {
        const char* text;
        const char* section;
        const char* stored;
    } rows[] = {
        {"[A]\r\nX=1\r", "A", "[A]\r\nX=1\r\nY=2\r\n"},
        {"[A]\nX=1\r", "B", "[A]\nX=1\r\n[B]\nY=2\n"},
        // The line's content ends in a return of its own, which stays part of it.
        {"[A]\nX=1\r\r", "A", "[A]\nX=1\r\r\nY=2\n"},
        // Lone returns inside a line are content; only the last one ends it.
        {"[s]\ra=1\rb=2\r", "t", "[s]\ra=1\rb=2\r\n[t]\nY=2\n"},
        // Lines ending in LF CR: the last return stays before the added lines.
        {"[A]\n\rX=1\n\r", "B", "[A]\n\rX=1\n\r\n[B]\nY=2\n"},
        // No line feed at the end: the file's own line end, CR LF when it uses one anywhere.
        {"[A]\nX=1\r\nZ=3", "A", "[A]\nX=1\r\nZ=3\r\nY=2\r\n"},
        {"[A]\nZ=3", "A", "[A]\nZ=3\nY=2\n"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(StoreValue(row.text, row.section, "Y", "2"), row.stored) << row.text;
}

// Whatever text a file holds, storing one value changes no other value and no
// byte outside its line. The texts are built from the pieces that matter to the
// parser (lone returns and LF CR pairs among them), with a fixed seed.
TEST(IniDocumentStore, NoTextLetsAWriteChangeAnotherValueOrByte) {
    const std::vector<std::string> pieces = {
        "[A]",  "[B]", "[a]",          "[",  "]", "X", "Y", "x", "=", "1", " ", "\t", "\r", "\n", "\r\n",
        "\n\r", ";",   "\xEF\xBB\xBF", "[A", "A]"};
    const std::vector<std::string> sections = {"A", "B", " a"};
    const std::vector<std::string> keys = {"X", "Y", "x ", "Z"};
    const std::vector<std::string> values = {"", "v", " v ", "=", "[B]", "\r"};
    std::mt19937 random(12345);
    auto pick = [&](const std::vector<std::string>& from) { return from[random() % from.size()]; };
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (int n = static_cast<int>(random() % 14); n > 0; --n)
            text += pick(pieces);
        const std::string section = pick(sections), key = pick(keys), value = pick(values);
        if (!CanStore(section, key, value))
            continue;
        const std::string stored = StoreValue(text, section, key, value);
        // Every byte outside the stored line stays: what the write removed is one
        // value within a line, and nothing at all when it only added lines.
        std::size_t prefix = 0, suffix = 0;
        while (prefix < text.size() && prefix < stored.size() && text[prefix] == stored[prefix])
            ++prefix;
        while (suffix < text.size() - prefix && suffix < stored.size() - prefix &&
               text[text.size() - 1 - suffix] == stored[stored.size() - 1 - suffix])
            ++suffix;
        const std::string removed = text.substr(prefix, text.size() - prefix - suffix);
        EXPECT_TRUE(FindValue(text, section, key) ? removed.find('\n') == removed.npos : removed.empty())
            << "text \"" << text << "\" became \"" << stored << "\"";
        for (const char* s : {"A", "B"})
            for (const char* k : {"X", "Y", "Z"}) {
                const bool written = FindValue("[" + section + "]\n" + key + "=\n", s, k).has_value();
                EXPECT_EQ(FindValue(stored, s, k),
                          written ? FindValue("[S]\nK=" + value, "S", "K") : FindValue(text, s, k))
                    << "text \"" << text << "\", [" << section << "] " << key << "=" << value << ", read "
                    << s << "/" << k;
            }
        if (HasFailure())
            return;
    }
}

TEST(IniDocumentStore, RefusesTextThatWouldInjectLines) {
    EXPECT_TRUE(CanStore("INTERNET", "TIME", "  spaced  "));
    EXPECT_TRUE(CanStore("INTERNET", "TIME", ""));
    EXPECT_FALSE(CanStore("INTERNET", "TIME", "host\r\n[EVIL]"));
    EXPECT_FALSE(CanStore("INTERNET", "TIME", "host\nX=1"));
    EXPECT_FALSE(CanStore("INTERNET", "TIME", std::string("a\0b", 3)));
    EXPECT_FALSE(CanStore("INTERNET", "TI=ME", "v"));
    EXPECT_FALSE(CanStore("INTERNET", " [EVIL]", "v")); // a key read back as a section
    EXPECT_FALSE(CanStore("INTER]NET", "TIME", "v"));
    EXPECT_FALSE(CanStore("", "TIME", "v"));
    EXPECT_FALSE(CanStore("INTERNET", " ", "v"));
}

} // namespace
} // namespace ini
