#include "app/IndicatorShape.h"
#include "app/mdlFuncSub.h"
#include "app/tests/WindowFixture.h"

#include <algorithm>

namespace app::testing {
namespace {

using net::testing::DaytimeBehaviour;
using net::testing::DaytimeStep;

using DaytimeQuery = WindowFixture;

int WaitSteps(const std::vector<int>& sleeps) {
    return static_cast<int>(std::count(sleeps.begin(), sleeps.end(), 55));
}

TEST_F(DaytimeQuery, AnsweringServerEndsTheWaitAtTheNextStep) {
    const std::string reply = net::testing::NistReply(2024, 12, 7, 19, 58, 1);
    daytime_.AlwaysReply(QByteArray::fromStdString(reply));
    frmTime& window = Window([](AppEnvironment& e) { e.timing.stepMs = 55; });
    window.QueryDaytime("127.0.0.1");
    EXPECT_EQ(window.ReplyText.toStdString(), reply);
    EXPECT_FALSE(window.SocketFailed);
    EXPECT_LE(WaitSteps(sleeps_), 20);
    EXPECT_GE(WaitSteps(sleeps_), 1);
    EXPECT_EQ(window.wscDateTime->State(), net::sckClosed);
}

TEST_F(DaytimeQuery, SilentOrClosingServersCostAllOf101Steps) {
    frmTime& window = Window([](AppEnvironment& e) { e.timing.stepMs = 55; });
    for (DaytimeBehaviour behaviour : {DaytimeBehaviour::Silent, DaytimeBehaviour::CloseAtOnce}) {
        daytime_.Script({}, {behaviour, {}});
        sleeps_.clear();
        window.QueryDaytime("127.0.0.1");
        EXPECT_TRUE(window.ReplyText.isEmpty());
        EXPECT_FALSE(window.SocketFailed);
        EXPECT_EQ(WaitSteps(sleeps_), 101);
        EXPECT_EQ(window.wscDateTime->State(), net::sckClosed);
    }
}

TEST_F(DaytimeQuery, RefusedConnectionOrBadHostFailsEarly) {
    frmTime& window = Window([](AppEnvironment& e) {
        e.daytimePort = net::testing::ClosedLoopbackPort();
        e.timing.stepMs = 55;
    });
    window.QueryDaytime("127.0.0.1");
    EXPECT_TRUE(window.SocketFailed);
    EXPECT_LE(WaitSteps(sleeps_), 20);
    sleeps_.clear();
    window.QueryDaytime("<html>");
    EXPECT_TRUE(window.SocketFailed);
    EXPECT_LE(WaitSteps(sleeps_), 2);
}

TEST_F(DaytimeQuery, AConnectionResetByTheServerEndsTheWait) {
    daytime_.Script({}, {DaytimeBehaviour::Reset, {}});
    frmTime& window = Window([](AppEnvironment& e) { e.timing.stepMs = 55; });
    window.QueryDaytime("127.0.0.1");
    EXPECT_TRUE(window.SocketFailed);
    EXPECT_TRUE(window.ReplyText.isEmpty());
    EXPECT_LT(WaitSteps(sleeps_), 80); // the server resets 20 ms after accepting; a step takes 1 ms here
}

TEST_F(DaytimeQuery, IndicatorChangesColourAtEveryStep) {
    daytime_.Script({}, {DaytimeBehaviour::Silent, {}});
    frmTime& window = Window([](AppEnvironment& e) { e.timing.maxSteps = 12; });
    std::vector<QColor> colours;
    onSleep_ = [&] { colours.push_back(window.shpDateTime->FillColor()); };
    window.QueryDaytime("127.0.0.1");
    ASSERT_EQ(colours.size(), 12u);
    colours.push_back(window.shpDateTime->FillColor());
    int changes = 0;
    for (std::size_t i = 1; i < colours.size(); ++i) {
        changes += colours[i] != colours[i - 1];
        for (int part : {colours[i].red(), colours[i].green(), colours[i].blue()}) {
            EXPECT_GE(part, 1);
            EXPECT_LE(part, 255);
        }
    }
    EXPECT_GE(changes, 10); // random colours repeat only by rare chance
}

TEST_F(DaytimeQuery, ServerAnsweringOnlyTheFirstQueryCountsAsFailed) {
    const QByteArray reply = QByteArray::fromStdString(net::testing::NistReply(2024, 12, 7, 19, 58, 1));
    daytime_.Script({{DaytimeBehaviour::Reply, reply}}, {DaytimeBehaviour::Silent, {}});
    frmTime& window = Window();
    EXPECT_EQ(window.GetServerTime("127.0.0.1"), "");
    EXPECT_EQ(daytime_.Connections(), 2);
}

TEST_F(DaytimeQuery, NothingOnTheFirstQueryMeansNoSecondOne) {
    daytime_.Script({}, {DaytimeBehaviour::CloseAtOnce, {}});
    frmTime& window = Window();
    EXPECT_EQ(window.GetServerTime("127.0.0.1"), "");
    EXPECT_EQ(daytime_.Connections(), 1);
}

TEST_F(DaytimeQuery, GarbageIsAReplyButNoDateAndTime) {
    daytime_.AlwaysReply("\x01\x02 garbage \xff\xfe here");
    frmTime& window = Window();
    const QString reply = window.GetServerTime("127.0.0.1");
    EXPECT_FALSE(reply.isEmpty());
    EXPECT_EQ(mdlFuncSub::ApplyServerTime(reply, clock_), -1);
}

TEST_F(DaytimeQuery, HugeLineIsTakenWithoutGrowingBeyondWhatArrived) {
    const QByteArray huge =
        QByteArray::fromStdString(net::testing::NistReply(2024, 12, 7, 19, 58, 1)) + QByteArray(4 << 20, 'z');
    daytime_.AlwaysReply(huge);
    frmTime& window = Window();
    window.QueryDaytime("127.0.0.1");
    EXPECT_FALSE(window.ReplyText.isEmpty());
    EXPECT_LE(window.ReplyText.size(), huge.size());
    EXPECT_EQ(window.wscDateTime->State(), net::sckClosed);
}

} // namespace
} // namespace app::testing
