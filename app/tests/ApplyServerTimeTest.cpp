#include "app/CivilTime.h"
#include "app/mdlFuncSub.h"
#include "app/tests/AppTestSupport.h"
#include "platform/net/testing/NistReply.h"
#include "platform/clock/LocalClock.h"
#include "platform/clock/testing/MemoryRealtime.h"

#include <cstdlib>
#include <ctime>
#include <optional>

namespace app {
namespace {

using mdlFuncSub::ApplyServerTime;
using testing::FakeWallClock;
using testing::PrivateIniFile;

std::string Nist(int y, int mo, int d, int h, int mi, int s) {
    return net::testing::NistReply(y, mo, d, h, mi, s);
}

void SetCorrection(PrivateIniFile& file, int hours) {
    file.Write("[INTERNET]\nXIUZHENXIAOSHI=" + std::to_string(hours) + "\n");
}

TEST(ApplyServerTime, NistReplyPlusEightHoursSetsDateThenTime) {
    PrivateIniFile file; // no file: the correction defaults to 8
    FakeWallClock clock;
    clock.now = {2024, 12, 8, 3, 58, 1};
    EXPECT_EQ(ApplyServerTime(Nist(2024, 12, 7, 19, 58, 1), clock), 0);
    EXPECT_EQ(clock.calls, (std::vector<std::string>{"date 2024-12-08", "time 03:58:01"}));
}

// Difference in whole seconds for clocks that are off by various amounts, with
// each correction: the sign of the offset never shows.
TEST(ApplyServerTime, ReportsTheAbsoluteDifferenceForEveryCorrection) {
    PrivateIniFile file;
    const DateTime serverUtc{2024, 6, 15, 12, 0, 0};
    for (int correction : {0, 8, -5}) {
        SetCorrection(file, correction);
        const DateTime target = *AddHours(serverUtc, correction);
        for (std::int64_t offset : {0LL, 1LL, -1LL, 59LL, -59LL, 3600LL, -3600LL, 31622400LL, -31536000LL}) {
            FakeWallClock clock;
            clock.now = *FromSerialSeconds(SerialSeconds(target) + offset);
            EXPECT_EQ(ApplyServerTime(Nist(2024, 6, 15, 12, 0, 0), clock), std::llabs(offset))
                << "correction " << correction << ", offset " << offset;
            EXPECT_EQ(clock.now, target);
        }
    }
}

TEST(ApplyServerTime, UnusableRepliesGiveMinusOneAndLeaveTheClock) {
    PrivateIniFile file;
    FakeWallClock clock;
    for (const char* reply : {"", "60651", "60651 24-12-07", "no date here", "60651  24-12-07 19:58:01",
                              "60651 24-12-07 25:00:00 00", "HTTP/1.1 400 Bad Request", "\n\n\n"})
        EXPECT_EQ(ApplyServerTime(reply, clock), -1) << reply;
    EXPECT_TRUE(clock.calls.empty());
}

TEST(ApplyServerTime, ThreeFieldsAreEnoughWhenTheyHoldADateAndATime) {
    PrivateIniFile file;
    SetCorrection(file, 0);
    FakeWallClock clock;
    clock.now = {2024, 12, 7, 19, 58, 0};
    EXPECT_EQ(ApplyServerTime("x 24-12-07 19:58:01", clock), 1);
}

TEST(ApplyServerTime, RefusedClockGivesMinusTwoButTheTimeIsStillTried) {
    PrivateIniFile file;
    FakeWallClock clock;
    clock.refuseDate = true;
    EXPECT_EQ(ApplyServerTime(Nist(2024, 12, 7, 19, 58, 1), clock), -2);
    EXPECT_EQ(clock.calls.size(), 2u);
    FakeWallClock timeRefused;
    timeRefused.refuseTime = true;
    EXPECT_EQ(ApplyServerTime(Nist(2024, 12, 7, 19, 58, 1), timeRefused), -2);
}

TEST(ApplyServerTime, CorrectionBeyondTheDateRangeNeverSetsAnUncorrectedTime) {
    PrivateIniFile file;
    SetCorrection(file, 2147483647);
    FakeWallClock clock;
    EXPECT_EQ(ApplyServerTime(Nist(2024, 12, 7, 19, 58, 1), clock), -2);
    EXPECT_TRUE(clock.calls.empty());
}

// A clock that fell back to 1970 (dead battery), one at the end of the century
// and one at today's date all read a two-digit year as 2000 + YY.
TEST(ApplyServerTime, TwoDigitYearsAreThisCenturyWhateverTheLocalClockSays) {
    PrivateIniFile file;
    SetCorrection(file, 0);
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    for (const DateTime local : {DateTime{1970, 1, 1, 0, 0, 0}, DateTime{2099, 12, 31, 23, 59, 59},
                                 DateTime{today.tm_year + 1900, today.tm_mon + 1, today.tm_mday, 12, 0, 0}}) {
        FakeWallClock clock;
        clock.now = local;
        EXPECT_GE(ApplyServerTime(Nist(2024, 6, 15, 12, 0, 0), clock), 0) << local.year;
        EXPECT_EQ(clock.calls, (std::vector<std::string>{"date 2024-06-15", "time 12:00:00"})) << local.year;
    }
}

TEST(ApplyServerTime, LongRepliesAreEvaluatedByTheirFirstFields) {
    PrivateIniFile file;
    SetCorrection(file, 0);
    std::string exact = Nist(2024, 12, 7, 19, 58, 1);
    exact += std::string(1999 - exact.size(), 'x');
    ASSERT_EQ(exact.size(), 1999u);
    FakeWallClock clock;
    clock.now = {2024, 12, 7, 19, 58, 1};
    EXPECT_EQ(ApplyServerTime(exact, clock), 0);
    const std::string huge = Nist(2024, 12, 7, 19, 58, 1) + std::string(1 << 20, ' ');
    EXPECT_EQ(ApplyServerTime(huge, clock), 0);
    EXPECT_EQ(ApplyServerTime(std::string(1 << 20, 'y'), clock), -1);
    // A field of a megabyte, and a reply of a megabyte that ends like a UTC form.
    EXPECT_EQ(ApplyServerTime("1 " + std::string(1 << 20, '2') + " 3", clock), -1);
    EXPECT_EQ(ApplyServerTime(std::string(1 << 20, '0') + "8 DEC 2026 07:51:32 UTC", clock), -1);
}

// The same evaluation over the real local-clock conversion, in several zones,
// on a raw clock held in memory.
using sysclock::testing::MemoryRealtime;
using sysclock::testing::Utc;

struct ZoneCase {
    const char* zone;
    int correction;
    int year, month, day, hour, minute; // server UTC (seconds 0)
    std::int64_t expectedUtc;           // where the raw clock ends up
};

class ApplyServerTimeInZone : public ::testing::TestWithParam<ZoneCase> {
  protected:
    void SetUp() override {
        if (const char* old = std::getenv("TZ"))
            saved_ = old;
        setenv("TZ", GetParam().zone, 1);
        tzset();
    }
    void TearDown() override {
        if (saved_)
            setenv("TZ", saved_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    std::optional<std::string> saved_;
};

TEST_P(ApplyServerTimeInZone, SetsTheCorrectedServerTimeAsLocalTime) {
    const ZoneCase& c = GetParam();
    PrivateIniFile file;
    SetCorrection(file, c.correction);
    MemoryRealtime raw;
    raw.At(Utc(2024, 1, 20, 9, 0, 0));
    sysclock::LocalClock clock(raw);
    EXPECT_GE(ApplyServerTime(Nist(c.year, c.month, c.day, c.hour, c.minute, 0), clock), 0);
    EXPECT_EQ(raw.Seconds(), c.expectedUtc);
}

INSTANTIATE_TEST_SUITE_P(Zones, ApplyServerTimeInZone,
                         ::testing::Values(
                             // The correction matches the zone: the clock ends at the server's instant.
                             ZoneCase{"UTC", 0, 2024, 6, 15, 12, 0, Utc(2024, 6, 15, 12, 0, 0)},
                             ZoneCase{"Asia/Shanghai", 8, 2024, 6, 15, 12, 0, Utc(2024, 6, 15, 12, 0, 0)},
                             ZoneCase{"America/New_York", -5, 2024, 1, 15, 12, 0, Utc(2024, 1, 15, 12, 0, 0)},
                             // In summer New York is UTC-4, so a fixed -5 leaves the clock an hour behind.
                             ZoneCase{"America/New_York", -5, 2024, 7, 15, 12, 0, Utc(2024, 7, 15, 11, 0, 0)},
                             // A correction that does not match the zone shifts the clock by the mismatch.
                             ZoneCase{"UTC", 8, 2024, 6, 15, 12, 0, Utc(2024, 6, 15, 20, 0, 0)},
                             ZoneCase{"Asia/Shanghai", 0, 2024, 6, 15, 12, 0, Utc(2024, 6, 15, 4, 0, 0)},
                             // 07:30 UTC - 5 h = 02:30 on the night of the spring change: inside the
                             // gap, moved forward to 03:30 EDT.
                             ZoneCase{"America/New_York", -5, 2024, 3, 10, 7, 30, Utc(2024, 3, 10, 7, 30, 0)},
                             // 06:30 UTC - 5 h = 01:30 on the autumn night: the first 01:30 (EDT).
                             ZoneCase{"America/New_York", -5, 2024, 11, 3, 6, 30,
                                      Utc(2024, 11, 3, 5, 30, 0)}));

} // namespace
} // namespace app
