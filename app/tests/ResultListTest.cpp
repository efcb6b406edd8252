#include "app/tests/WindowFixture.h"

namespace app::testing {
namespace {

using ResultListLines = WindowFixture;

TEST_F(ResultListLines, LinesGetALeadingSpaceAndTheNewestIsSelectedAndShownAtOnce) {
    TestHost& host = Window();
    host.Form().ShowResult("one");
    host.Form().ShowResult("");
    host.Form().ShowResult("two");
    EXPECT_EQ(host.lstResult.lines, (Lines{" one", "", " two"}));
    EXPECT_EQ(host.lstResult.selected, 2);
    EXPECT_EQ(host.lstResult.shownAtOnce, 2);
    host.Form().ShowResult("");
    EXPECT_EQ(host.lstResult.selected, 2); // an empty line is not selected
}

TEST_F(ResultListLines, ClearEmptiesOnlyWhenSpelledExactly) {
    TestHost& host = Window();
    host.Form().ShowResult("a");
    host.Form().ShowResult("clear");
    EXPECT_EQ(host.lstResult.Count(), 2);
    host.Form().ShowResult("CLEAR");
    EXPECT_EQ(host.lstResult.Count(), 0);
}

TEST_F(ResultListLines, MoreThan300LinesAreEmptiedBeforeTheNextLine) {
    TestHost& host = Window();
    for (int i = 0; i < 300; ++i)
        host.Form().ShowResult(std::to_string(i));
    host.Form().ShowResult("301st");
    EXPECT_EQ(host.lstResult.Count(), 301);
    host.Form().ShowResult("302nd");
    EXPECT_EQ(host.lstResult.lines, Lines{" 302nd"});
}

// Lines longer than 300 characters are cut to 299 and "…", counted in
// characters, never inside a UTF-8 sequence.
TEST_F(ResultListLines, LongLinesAreCutTo300Characters) {
    TestHost& host = Window();
    const std::string han = "时"; // three bytes, one character
    struct Case {
        std::string text;
        std::string shown;
    };
    const Case cases[] = {
        {std::string(300, 'a'), " " + std::string(300, 'a')},
        {std::string(301, 'a'), " " + std::string(299, 'a') + "…"},
        {std::string(4 << 20, 'a'), " " + std::string(299, 'a') + "…"},
    };
    for (const Case& c : cases) {
        host.Form().ShowResult(c.text);
        EXPECT_EQ(host.lstResult.lines.back(), c.shown) << c.text.size();
    }
    std::string hans;
    for (int i = 0; i < 400; ++i)
        hans += han;
    host.Form().ShowResult(hans);
    EXPECT_EQ(host.lstResult.lines.back(), " " + hans.substr(0, 299 * 3) + "…");
}

} // namespace
} // namespace app::testing
