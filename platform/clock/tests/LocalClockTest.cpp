#include "platform/clock/LocalClock.h"
#include "platform/clock/testing/MemoryRealtime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace sysclock {
namespace {

using testing::MemoryRealtime;
using testing::Utc;

class LocalClockInZone : public ::testing::Test {
  protected:
    void TearDown() override {
        if (saved_)
            setenv("TZ", saved_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    void UseZone(const char* zone) {
        if (!savedOnce_) {
            const char* old = std::getenv("TZ");
            if (old)
                saved_ = old;
            savedOnce_ = true;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    MemoryRealtime raw_;
    LocalClock clock_{raw_};

  private:
    std::optional<std::string> saved_;
    bool savedOnce_ = false;
};

TEST_F(LocalClockInZone, ReadsTheLocalWallTimeOfEachZone) {
    raw_.At(Utc(2024, 12, 31, 20, 15, 7), 999999999);
    LocalDateTime now;
    UseZone("UTC");
    ASSERT_TRUE(clock_.ReadLocal(now));
    EXPECT_EQ(now, (LocalDateTime{2024, 12, 31, 20, 15, 7}));
    UseZone("Asia/Shanghai");
    ASSERT_TRUE(clock_.ReadLocal(now));
    EXPECT_EQ(now, (LocalDateTime{2025, 1, 1, 4, 15, 7}));
    UseZone("America/New_York");
    ASSERT_TRUE(clock_.ReadLocal(now));
    EXPECT_EQ(now, (LocalDateTime{2024, 12, 31, 15, 15, 7}));
}

// The offset in force at the clock's present instant, daylight saving included.
TEST_F(LocalClockInZone, UtcOffsetIsTheZonesOffsetAtThePresentInstant) {
    struct Case {
        const char* zone;
        int month;
        int offset;
    };
    for (const Case& c : {Case{"UTC", 1, 0}, Case{"Asia/Shanghai", 1, 28800}, Case{"America/New_York", 1, -18000},
                          Case{"America/New_York", 7, -14400}, Case{"Asia/Kolkata", 7, 19800}}) {
        raw_.At(Utc(2024, c.month, 15, 12, 0, 0));
        UseZone(c.zone);
        int offset = 1;
        ASSERT_TRUE(clock_.ReadUtcOffset(offset)) << c.zone;
        EXPECT_EQ(offset, c.offset) << c.zone << " month " << c.month;
    }
}

TEST_F(LocalClockInZone, DateStepKeepsTheTimeOfDayAndItsFraction) {
    UseZone("Asia/Shanghai");
    raw_.At(Utc(2024, 5, 1, 1, 2, 3), 250000000); // 09:02:03.25 local
    ASSERT_TRUE(clock_.SetLocalDate(2026, 2, 28));
    ASSERT_EQ(raw_.sets.size(), 1u);
    EXPECT_EQ(raw_.sets[0].seconds, Utc(2026, 2, 28, 1, 2, 3));
    EXPECT_EQ(raw_.sets[0].nanoseconds, 250000000);
}

TEST_F(LocalClockInZone, TimeStepKeepsTheDateAndStartsAWholeSecond) {
    UseZone("America/New_York");
    raw_.At(Utc(2024, 7, 4, 3, 0, 0), 5); // 23:00 on 3 July, daylight time
    ASSERT_TRUE(clock_.SetLocalTimeOfDay(6, 30, 15));
    EXPECT_EQ(raw_.Seconds(), Utc(2024, 7, 3, 10, 30, 15));
    EXPECT_EQ(raw_.sets.back().nanoseconds, 0);
}

TEST_F(LocalClockInZone, DateThenTimeReachesTheWantedWallTimeAcrossAnOffsetChange) {
    UseZone("America/New_York");
    raw_.At(Utc(2024, 1, 15, 12, 0, 0)); // winter, UTC-5
    ASSERT_TRUE(clock_.SetLocalDate(2024, 7, 15));
    ASSERT_TRUE(clock_.SetLocalTimeOfDay(8, 0, 0));
    EXPECT_EQ(raw_.Seconds(), Utc(2024, 7, 15, 12, 0, 0)); // summer, UTC-4
}

TEST_F(LocalClockInZone, TimeInsideTheSpringGapMovesForwardByTheGap) {
    UseZone("America/New_York");
    raw_.At(Utc(2024, 3, 10, 5, 0, 0)); // 00:00 EST on the night of the change
    ASSERT_TRUE(clock_.SetLocalTimeOfDay(2, 30, 0));
    EXPECT_EQ(raw_.Seconds(), Utc(2024, 3, 10, 7, 30, 0)); // 03:30 EDT
    LocalDateTime now;
    ASSERT_TRUE(clock_.ReadLocal(now));
    EXPECT_EQ(now, (LocalDateTime{2024, 3, 10, 3, 30, 0}));
}

TEST_F(LocalClockInZone, RepeatedAutumnHourIsTakenAtItsFirstOccurrence) {
    UseZone("America/New_York");
    raw_.At(Utc(2024, 11, 3, 4, 0, 0)); // 00:00 EDT
    ASSERT_TRUE(clock_.SetLocalTimeOfDay(1, 30, 0));
    EXPECT_EQ(raw_.Seconds(), Utc(2024, 11, 3, 5, 30, 0)); // 01:30 EDT, not EST
}

// Each field at the edges of its range, leap years by the Gregorian rule.
TEST_F(LocalClockInZone, FieldsOutsideTheirRangeAreRefusedWithoutTouchingTheClock) {
    UseZone("UTC");
    raw_.At(Utc(2024, 1, 1, 0, 0, 0));
    const struct {
        int year, month, day;
        bool valid;
    } dates[] = {{2024, 2, 29, true}, {2023, 2, 29, false}, {2000, 2, 29, true},  {1900, 2, 29, false},
                 {2024, 4, 30, true}, {2024, 4, 31, false}, {2024, 12, 31, true}, {2024, 1, 32, false},
                 {2024, 0, 1, false}, {2024, 13, 1, false}, {2024, 1, 0, false}};
    for (const auto& d : dates)
        EXPECT_EQ(clock_.SetLocalDate(d.year, d.month, d.day), d.valid)
            << d.year << "-" << d.month << "-" << d.day;
    const struct {
        int hour, minute, second;
        bool valid;
    } times[] = {
        {23, 59, 59, true}, {24, 0, 0, false}, {0, 60, 0, false}, {0, 0, 60, false}, {-1, 0, 0, false}};
    for (const auto& t : times)
        EXPECT_EQ(clock_.SetLocalTimeOfDay(t.hour, t.minute, t.second), t.valid)
            << t.hour << ":" << t.minute << ":" << t.second;
    EXPECT_EQ(raw_.sets.size(), 5u); // the valid ones only
}

TEST_F(LocalClockInZone, RefusedRawSetIsReportedAsFailure) {
    UseZone("UTC");
    raw_.refuse = true;
    raw_.At(Utc(2024, 1, 1, 0, 0, 0));
    EXPECT_FALSE(clock_.SetLocalDate(2024, 1, 2));
    EXPECT_FALSE(clock_.SetLocalTimeOfDay(1, 2, 3));
    EXPECT_EQ(raw_.sets.size(), 2u);
}

} // namespace
} // namespace sysclock
