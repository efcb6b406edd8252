// NIST's daytime servers refuse a client that asks again within 4 seconds; the
// double query waits that long between its two queries to such a server only.
#include "app/tests/WindowFixture.h"

#include <string>

namespace app::testing {
namespace {

constexpr long long kNistGapMs = 4000;

using NistRate = WindowFixture;

TEST_F(NistRate, OnlyANistReplyDelaysTheSecondQueryByFourSeconds) {
    const std::string nist = NistReply(2024, 12, 7, 19, 58, 1);
    const std::string plain = net::testing::PlainDaytimeReply(2024, 12, 7, 19, 58, 1);
    struct Case {
        const char* name;
        std::string reply;
        bool secondAnswered;
    };
    for (const Case& c : {Case{"NIST form", nist, true}, Case{"other form", plain, false}}) {
        SCOPED_TRACE(c.name);
        TestHost& host = Window();
        // NIST's rule in the host's virtual time: a connection within 4 s of the
        // previous one is closed without an answer.
        std::vector<long long> connections;
        host.daytime.Decide([&] {
            const bool tooSoon = !connections.empty() && host.elapsedMs - connections.back() < kNistGapMs;
            connections.push_back(host.elapsedMs);
            return tooSoon ? DaytimeStep{DaytimeBehaviour::CloseAtOnce, {}} : DaytimeStep{DaytimeBehaviour::Reply, c.reply};
        });
        int colourChanges = 0;
        IndicatorColor lastColour;
        host.onEvents = [&] {
            colourChanges += !(host.shpDateTime.fill == lastColour);
            lastColour = host.shpDateTime.fill;
        };
        const std::string reply = host.Form().GetServerTime("127.0.0.1");
        ASSERT_EQ(connections.size(), 2u);
        const long long gap = connections[1] - connections[0];
        EXPECT_EQ(reply, c.secondAnswered ? c.reply : "");
        if (c.secondAnswered) {
            EXPECT_EQ(gap, 1 * 55 + 73 * 55); // the answer's step, then 73 steps: 4015 ms
            EXPECT_GE(colourChanges, 70); // the indicator blinks through the pause
        } else {
            EXPECT_EQ(gap, 55);
        }
    }
}

} // namespace
} // namespace app::testing
