// The values the program ships with, each stated once.
#include "app/AppEnvironment.h"
#include "app/mdlFuncSub.h"
#include "app/TextLines.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(ProgramDefaults, ShippedValues) {
    const AppEnvironment environment;
    EXPECT_EQ(environment.defaultDaytimeHost, "time.nist.gov");
    EXPECT_EQ(environment.defaultServerListUrl, "http://www.dunmora.example/txttimeserv.htm");
    EXPECT_EQ(std::string(kPublisherHost), "www.dunmora.example");
    EXPECT_EQ(environment.daytimePort, 13);
    const WaitTiming& timing = environment.timing;
    EXPECT_EQ((std::vector<int>{timing.maxSteps, timing.stepMs, timing.closeDelayMs, timing.nistPauseSteps}),
              (std::vector<int>{101, 55, 2000, 73}));
    const net::HttpTimeouts& http = environment.httpTimeouts;
    EXPECT_EQ((std::vector<int>{http.resolveMs, http.connectMs, http.sendMs, http.receiveMs}),
              (std::vector<int>{3000, 3000, 3000, 60000}));
    EXPECT_EQ((std::vector<int>{mdlFuncSub::kUnusableReply, mdlFuncSub::kClockStepFailed,
                                mdlFuncSub::kDefaultCorrectionHours}),
              (std::vector<int>{-1, -2, 8}));
    EXPECT_EQ(kMaxResultLineCharacters, 300u);
}

} // namespace
} // namespace app
