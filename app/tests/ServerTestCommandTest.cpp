#include "app/TextLines.h"
#include "app/tests/WindowFixture.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <utility>

namespace app::testing {
namespace {

using net::testing::DaytimeBehaviour;
using net::testing::DaytimeStep;

class ServerTest : public WindowFixture {
  protected:
    frmTime& WindowWithHosts(const QString& hosts) {
        frmTime& window = Window();
        SetBoxText(*window.txtCeShi, hosts);
        SetBoxText(*window.txtYouXiao, "old output");
        return window;
    }
};

TEST_F(ServerTest, EmptyBoxQueriesNothingAndEmptiesTheOutput) {
    frmTime& window = WindowWithHosts("");
    window.ShowResult("kept");
    window.cmdCeShi_Click();
    EXPECT_EQ(BoxText(*window.txtYouXiao), "");
    EXPECT_EQ(ResultLines(window), QStringList{" kept"});
    EXPECT_EQ(daytime_.Connections(), 0);
}

TEST_F(ServerTest, AnsweringHostsAreListedWithoutOuterLineBreaks) {
    daytime_.Script({{DaytimeBehaviour::Reply, "first"}, {DaytimeBehaviour::Reply, "third"}}, {});
    frmTime& window = WindowWithHosts("127.0.0.1\r\nbad host\r\n127.0.0.1");
    onSleep_ = [&] { // both commands' buttons are unavailable while the test runs
        EXPECT_FALSE(window.cmdCeShi->Enabled());
        EXPECT_FALSE(window.cmdDateTime->Enabled());
    };
    window.cmdCeShi_Click();
    EXPECT_EQ(BoxText(*window.txtYouXiao), "127.0.0.1\r\n127.0.0.1");
    EXPECT_EQ(ResultLines(window), (QStringList{" 0/2 127.0.0.1", " 1/2 bad host", " 2/2 127.0.0.1"}));
    EXPECT_EQ(daytime_.Connections(), 2); // one query per host, not two
    EXPECT_TRUE(window.cmdCeShi->Enabled());
    EXPECT_TRUE(window.cmdDateTime->Enabled());
    EXPECT_TRUE(clock_.calls.empty());
}

TEST_F(ServerTest, TickedBoxAddsEachReplyAsReceived) {
    daytime_.Script({{DaytimeBehaviour::Reply, "60651 24-12-07 19:58:01 00 0 0 512.3 UTC(NIST) *"},
                     {DaytimeBehaviour::CloseAtOnce, {}},
                     {DaytimeBehaviour::Reply, "third reply"}},
                    {});
    frmTime& window = WindowWithHosts("127.0.0.1\r\n127.0.0.1\r\n127.0.0.1");
    window.chkCeshi->setChecked(true);
    window.cmdCeShi_Click();
    EXPECT_EQ(BoxText(*window.txtYouXiao),
              "127.0.0.1\r\n60651 24-12-07 19:58:01 00 0 0 512.3 UTC(NIST) *\r\n127.0.0.1\r\nthird reply");
}

TEST_F(ServerTest, WhatTheUserTypesIntoTheLowerBoxMeanwhileIsKept) {
    daytime_.Script({{DaytimeBehaviour::Reply, "first"}, {DaytimeBehaviour::Reply, "second"}}, {});
    frmTime& window = WindowWithHosts("127.0.0.1\r\n127.0.0.1");
    bool typed = false;
    onSleep_ = [&] { // inside the first query's wait, after the box was emptied
        if (!std::exchange(typed, true))
            QTest::keyClicks(window.txtYouXiao, "mine");
    };
    window.cmdCeShi_Click();
    EXPECT_EQ(BoxText(*window.txtYouXiao), "mine\r\n127.0.0.1\r\n127.0.0.1");
}

TEST_F(ServerTest, ClosingTheWindowStopsTheTestAtOnce) {
    daytime_.Script({}, {DaytimeBehaviour::Silent, {}});
    frmTime& window = WindowWithHosts("127.0.0.1\r\n127.0.0.1\r\n127.0.0.1");
    window.show();
    onSleep_ = [&] {
        if (sleeps_.size() == 1)
            QTimer::singleShot(0, &window, [&] { window.close(); });
    };
    RunInEventLoop([&] { window.cmdCeShi_Click(); });
    EXPECT_EQ(sleeps_.size(), 1u);
    EXPECT_EQ(daytime_.Connections(), 1);
    EXPECT_EQ(ResultLines(window), QStringList{" 0/2 127.0.0.1"});
}

TEST_F(ServerTest, TrailingLineBreakAddsAnEmptyHostThatIsReported) {
    frmTime& window = WindowWithHosts("bad host\r\n");
    window.ShowResult("before");
    window.cmdCeShi_Click();
    EXPECT_EQ(ResultLines(window), (QStringList{" before", " 0/1 bad host", " 1/1 "}));
    EXPECT_EQ(BoxText(*window.txtYouXiao), "");
}

TEST(CrLfLines, SplitsOnlyAtPairsAndKeepsEveryLineAsItStands) {
    CrLfLines lines(u" a \r\n\r\nb\nc\r\n");
    ASSERT_EQ(lines.Count(), 4);
    EXPECT_EQ(lines.Next(), " a ");
    EXPECT_EQ(lines.Next(), "");
    EXPECT_EQ(lines.Next(), "b\nc");
    EXPECT_EQ(lines.Next(), "");
    EXPECT_EQ(CrLfLines(u"").Count(), 0);
    EXPECT_EQ(CrLfLines(u"one").Count(), 1);
}

} // namespace
} // namespace app::testing
