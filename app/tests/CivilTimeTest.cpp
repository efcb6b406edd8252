#include "app/CivilTime.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(DaytimeDateTimeParsing, TwoDigitYearsAreThisCentury) {
    EXPECT_EQ(ParseDaytimeDateTime("24-12-07 19:58:01"), (DateTime{2024, 12, 7, 19, 58, 1}));
    EXPECT_EQ(ParseDaytimeDateTime("99-01-01 00:00:00"), (DateTime{2099, 1, 1, 0, 0, 0}));
    EXPECT_EQ(ParseDaytimeDateTime("00-02-29 23:59:59"), (DateTime{2000, 2, 29, 23, 59, 59}));
    EXPECT_EQ(ParseDaytimeDateTime("01-02-29 00:00:00"), std::nullopt); // 2001 is no leap year
    EXPECT_EQ(ParseDaytimeDateTime("2024-2-29 7:05"), (DateTime{2024, 2, 29, 7, 5, 0}));
}

TEST(DaytimeDateTimeParsing, AnythingButADateAndATimeIsRefused) {
    for (const char* text :
         {"", "24-12-07", "19:58:01 24-12-07", "24-13-01 00:00:00", "24-04-31 00:00:00", "24-12-07 24:00:00",
          "24-12-07 12:60:00", "24-12-07  12:00:00", "24/12/07 12:00:00", "124-12-07 12:00:00",
          "24-12-07 12:00:00 ", "２４-12-07 12:00:00"})
        EXPECT_EQ(ParseDaytimeDateTime(text), std::nullopt) << text;
}

TEST(CivilArithmetic, HoursCrossDaysMonthsAndYearsWithinTheDateRange) {
    EXPECT_EQ(AddHours({2024, 12, 31, 20, 0, 0}, 8), (DateTime{2025, 1, 1, 4, 0, 0}));
    EXPECT_EQ(AddHours({2024, 3, 1, 2, 0, 0}, -5), (DateTime{2024, 2, 29, 21, 0, 0}));
    EXPECT_EQ(AddHours({9999, 12, 31, 20, 0, 0}, 8), std::nullopt);
    EXPECT_EQ(AddHours({2024, 1, 1, 0, 0, 0}, 2147483647), std::nullopt);
    EXPECT_EQ(SerialSeconds({2025, 1, 1, 0, 0, 0}) - SerialSeconds({2024, 1, 1, 0, 0, 0}), 366 * 86400);
    EXPECT_EQ(FromSerialSeconds(SerialSeconds({1970, 1, 1, 0, 0, 1})), (DateTime{1970, 1, 1, 0, 0, 1}));
}

} // namespace
} // namespace app
