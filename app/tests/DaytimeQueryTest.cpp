#include "app/mdlFuncSub.h"
#include "app/tests/WindowFixture.h"

#include <set>

namespace app::testing {
namespace {

class DaytimeQuery : public WindowFixture {
  protected:
    // Behaviours that answer, stay silent, close or fail, and how the query ends.
    struct Case {
        const char* name;
        DaytimeStep step;
        bool replied;
        bool failed;
        int maxSteps; // wait steps at most
        int minSteps;
    };
};

// Each kind of server ends the wait as it should: an answer or an error at the
// next step, silence and a close without data only after all 101 steps.
TEST_F(DaytimeQuery, EachServerBehaviourEndsTheWaitAsItShould) {
    const std::string reply = NistReply(2024, 12, 7, 19, 58, 1);
    const Case cases[] = {
        {"reply and close", {DaytimeBehaviour::Reply, reply}, true, false, 2, 1},
        {"reply, stay open", {DaytimeBehaviour::ReplyOpen, reply}, true, false, 2, 1},
        {"silent", {DaytimeBehaviour::Silent, {}}, false, false, 101, 101},
        {"close at once", {DaytimeBehaviour::CloseAtOnce, {}}, false, false, 101, 101},
        {"reset without data", {DaytimeBehaviour::Reset, {}}, false, true, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestHost& host = Window();
        host.daytime.Script({}, c.step);
        host.Form().QueryDaytime("127.0.0.1");
        EXPECT_EQ(host.Form().ReplyText, c.replied ? reply : "");
        EXPECT_EQ(host.Form().SocketFailed, c.failed);
        EXPECT_LE(WaitSteps(), c.maxSteps);
        EXPECT_GE(WaitSteps(), c.minSteps);
        EXPECT_EQ(host.eventRounds, WaitSteps()); // events are processed after each sleep
    }
}

TEST_F(DaytimeQuery, RefusedConnectionOrBadHostFailsAtTheFirstStep) {
    TestHost& host = Window();
    for (const char* name : {"<html>", "bad host", "localhost"}) {
        host.sleeps.clear();
        host.Form().QueryDaytime(name);
        EXPECT_TRUE(host.Form().SocketFailed) << name;
        EXPECT_EQ(WaitSteps(), 1) << name;
    }
    host.daytime.StopListening();
    host.sleeps.clear();
    host.Form().QueryDaytime("127.0.0.1");
    EXPECT_TRUE(host.Form().SocketFailed);
    EXPECT_EQ(host.daytime.Connections(), 0);
}

TEST_F(DaytimeQuery, IndicatorChangesColourAtEveryStep) {
    TestHost& host = Window([](AppEnvironment& e) { e.timing.maxSteps = 40; });
    host.daytime.Script({}, {DaytimeBehaviour::Silent, {}});
    std::vector<IndicatorColor> colours;
    host.onEvents = [&] { colours.push_back(host.shpDateTime.fill); };
    host.Form().QueryDaytime("127.0.0.1");
    ASSERT_EQ(colours.size(), 40u);
    std::set<int> seen;
    int changes = 0;
    for (std::size_t i = 1; i < colours.size(); ++i)
        changes += !(colours[i] == colours[i - 1]);
    for (const IndicatorColor& colour : colours)
        for (int part : {colour.red, colour.green, colour.blue}) {
            EXPECT_GE(part, 1);
            EXPECT_LE(part, 255);
            seen.insert(part);
        }
    EXPECT_GE(changes, 35);       // random colours repeat only by rare chance
    EXPECT_GE(seen.size(), 60u);  // spread over the range, not a few values
}

TEST_F(DaytimeQuery, ServerAnsweringOnlyTheFirstQueryCountsAsFailed) {
    TestHost& host = Window();
    host.daytime.Script({{DaytimeBehaviour::Reply, NistReply(2024, 12, 7, 19, 58, 1)}}, {DaytimeBehaviour::Silent, {}});
    EXPECT_EQ(host.Form().GetServerTime("127.0.0.1"), "");
    EXPECT_EQ(host.daytime.Connections(), 2);
}

TEST_F(DaytimeQuery, NothingOnTheFirstQueryMeansNoSecondOne) {
    TestHost& host = Window();
    host.daytime.Script({}, {DaytimeBehaviour::CloseAtOnce, {}});
    EXPECT_EQ(host.Form().GetServerTime("127.0.0.1"), "");
    EXPECT_EQ(host.daytime.Connections(), 1);
}

TEST_F(DaytimeQuery, GarbageIsAReplyButNoDateAndTime) {
    TestHost& host = Window();
    host.daytime.AlwaysReply("\x01\x02 garbage \xff\xfe here");
    const std::string reply = host.Form().GetServerTime("127.0.0.1");
    EXPECT_FALSE(reply.empty());
    EXPECT_EQ(mdlFuncSub::ApplyServerTime(reply, clock_), -1);
}

} // namespace
} // namespace app::testing
