#include "app/TextLines.h"
#include "app/tests/WindowFixture.h"

namespace app::testing {
namespace {

class ServerTest : public WindowFixture {
  protected:
    TestHost& WindowWithHosts(const std::string& hosts) {
        TestHost& host = Window();
        host.txtCeShi.text = hosts;
        host.txtYouXiao.text = "old output";
        return host;
    }
};

TEST_F(ServerTest, EmptyBoxQueriesNothingAndEmptiesTheOutput) {
    TestHost& host = WindowWithHosts("");
    host.Form().ShowResult("kept");
    host.Form().cmdCeShi_Click();
    EXPECT_EQ(host.txtYouXiao.text, "");
    EXPECT_EQ(host.lstResult.lines, Lines{" kept"});
    EXPECT_EQ(host.daytime.Connections(), 0);
}

TEST_F(ServerTest, AnsweringHostsAreListedWithoutOuterLineBreaks) {
    TestHost& host = WindowWithHosts("127.0.0.1\r\nbad host\r\n127.0.0.1");
    host.daytime.Script({{DaytimeBehaviour::Reply, "first"}, {DaytimeBehaviour::Reply, "third"}}, {});
    host.onSleep = [&] { // both commands' buttons are unavailable while the test runs
        EXPECT_FALSE(host.cmdCeShi.enabled);
        EXPECT_FALSE(host.cmdDateTime.enabled);
    };
    host.Form().cmdCeShi_Click();
    EXPECT_EQ(host.txtYouXiao.text, "127.0.0.1\r\n127.0.0.1");
    EXPECT_EQ(host.lstResult.lines, (Lines{" 0/2 127.0.0.1", " 1/2 bad host", " 2/2 127.0.0.1"}));
    EXPECT_EQ(host.daytime.Connections(), 2); // one query per host, not two
    EXPECT_TRUE(host.cmdCeShi.enabled);
    EXPECT_TRUE(host.cmdDateTime.enabled);
    EXPECT_FALSE(host.shpDateTime.visible); // the test shows no indicator
    EXPECT_TRUE(clock_.calls.empty());
}

TEST_F(ServerTest, TickedBoxAddsEachReplyAsReceived) {
    TestHost& host = WindowWithHosts("127.0.0.1\r\n127.0.0.1\r\n127.0.0.1");
    host.daytime.Script({{DaytimeBehaviour::Reply, "60651 24-12-07 19:58:01 00 0 0 512.3 UTC(NIST) *"},
                         {DaytimeBehaviour::CloseAtOnce, {}},
                         {DaytimeBehaviour::Reply, "third reply"}},
                        {});
    host.chkCeshi.ticked = true;
    host.Form().cmdCeShi_Click();
    EXPECT_EQ(host.txtYouXiao.text,
              "127.0.0.1\r\n60651 24-12-07 19:58:01 00 0 0 512.3 UTC(NIST) *\r\n127.0.0.1\r\nthird reply");
}

TEST_F(ServerTest, WhatTheUserTypesIntoTheLowerBoxMeanwhileIsKept) {
    TestHost& host = WindowWithHosts("127.0.0.1\r\n127.0.0.1");
    host.daytime.Script({{DaytimeBehaviour::Reply, "first"}, {DaytimeBehaviour::Reply, "second"}}, {});
    host.onSleep = [&] { // inside the first query's wait, after the box was emptied
        if (host.sleeps.size() == 1)
            host.txtYouXiao.text += "mine";
    };
    host.Form().cmdCeShi_Click();
    EXPECT_EQ(host.txtYouXiao.text, "mine\r\n127.0.0.1\r\n127.0.0.1");
}

TEST_F(ServerTest, ClosingTheWindowStopsTheTestAtOnce) {
    TestHost& host = WindowWithHosts("127.0.0.1\r\n127.0.0.1\r\n127.0.0.1");
    host.daytime.Script({}, {DaytimeBehaviour::Silent, {}});
    host.onEvents = [&] {
        if (host.window.visible || host.sleeps.size() == 1)
            host.window.Close();
    };
    host.Form().cmdCeShi_Click();
    EXPECT_TRUE(host.window.eventLoopsEnded);
    EXPECT_EQ(host.sleeps.size(), 1u);
    EXPECT_EQ(host.daytime.Connections(), 1);
    EXPECT_EQ(host.lstResult.lines, Lines{" 0/2 127.0.0.1"});
}

TEST_F(ServerTest, TrailingLineBreakAddsAnEmptyHostThatIsReported) {
    TestHost& host = WindowWithHosts("bad host\r\n");
    host.Form().ShowResult("before");
    host.Form().cmdCeShi_Click();
    EXPECT_EQ(host.lstResult.lines, (Lines{" before", " 0/1 bad host", " 1/1 "}));
    EXPECT_EQ(host.txtYouXiao.text, "");
}

// While one command runs, a click on the other is not taken.
TEST_F(ServerTest, TheTwoCommandsNeverRunAtOnce) {
    TestHost& host = WindowWithHosts("127.0.0.1");
    host.daytime.Script({}, {DaytimeBehaviour::Silent, {}});
    int refused = 0;
    host.onSleep = [&] {
        const std::size_t lines = host.lstResult.lines.size();
        host.Form().cmdDateTime_Click();
        refused += host.lstResult.lines.size() == lines;
    };
    host.Form().cmdCeShi_Click();
    EXPECT_EQ(refused, 101);
    EXPECT_EQ(host.daytime.Connections(), 1);
}

TEST(TextLines, SplitAtCrLfOrLoneLfAndKeepEveryLineAsItStands) {
    TextLines lines(" a \r\n\r\nb\nc\r\r\n");
    ASSERT_EQ(lines.Count(), 5);
    for (const char* expected : {" a ", "", "b", "c\r", ""})
        EXPECT_EQ(lines.Next(), expected);
    EXPECT_EQ(TextLines("").Count(), 0);
    EXPECT_EQ(TextLines("one").Count(), 1);
    EXPECT_EQ(TextLines("one\r\n").Count(), 2);
}

} // namespace
} // namespace app::testing
