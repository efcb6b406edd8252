#include "platform/ini/IniDocument.h"

#include <gtest/gtest.h>

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

TEST(IniDocumentStore, RefusesTextThatWouldInjectLines) {
    EXPECT_TRUE(CanStore("INTERNET", "TIME", "  spaced  "));
    EXPECT_TRUE(CanStore("INTERNET", "TIME", ""));
    EXPECT_FALSE(CanStore("INTERNET", "TIME", "host\r\n[EVIL]"));
    EXPECT_FALSE(CanStore("INTERNET", "TIME", "host\nX=1"));
    EXPECT_FALSE(CanStore("INTERNET", "TIME", std::string("a\0b", 3)));
    EXPECT_FALSE(CanStore("INTERNET", "TI=ME", "v"));
    EXPECT_FALSE(CanStore("INTER]NET", "TIME", "v"));
    EXPECT_FALSE(CanStore("", "TIME", "v"));
    EXPECT_FALSE(CanStore("INTERNET", " ", "v"));
}

} // namespace
} // namespace ini
