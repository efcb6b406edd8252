// The Windows clock over stand-in system calls: the privilege is asked for
// once, the date and the time of day are set as two steps that keep the other
// part, and a refusal for lack of the privilege is told apart from others.
#include "platform/clock/win32/WindowsClock.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sysclock {
namespace {

struct Machine {
    LocalDateTime now{2026, 12, 8, 9, 30, 15};
    unsigned long writeError = 0;
    int privilegeRequests = 0;
    std::vector<LocalDateTime> writes;
};
Machine* machine = nullptr;

unsigned long Write(LocalDateTime value) {
    machine->writes.push_back(value);
    if (machine->writeError == 0)
        machine->now = value;
    return machine->writeError;
}

LocalTimeCalls StandIns() {
    return {[](LocalDateTime& now) {
                now = machine->now;
                return true;
            },
            [](int year, int month, int day) {
                LocalDateTime value = machine->now;
                value.year = year;
                value.month = month;
                value.day = day;
                return Write(value);
            },
            [](int hour, int minute, int second) {
                LocalDateTime value = machine->now;
                value.hour = hour;
                value.minute = minute;
                value.second = second;
                return Write(value);
            },
            [] {
                ++machine->privilegeRequests;
                return machine->writeError == 0;
            },
            [](int& seconds) {
                seconds = 28800;
                return true;
            }};
}

class WindowsClockCalls : public ::testing::Test {
  protected:
    void SetUp() override { machine = &state_; }
    void TearDown() override { machine = nullptr; }
    Machine state_;
};

TEST_F(WindowsClockCalls, DateThenTimeOfDayEachKeepTheOtherPart) {
    auto clock = CreateWindowsClock(StandIns());
    ASSERT_TRUE(clock->SetLocalDate(2030, 6, 15));
    ASSERT_TRUE(clock->SetLocalTimeOfDay(18, 20, 30));
    ASSERT_EQ(state_.writes.size(), 2u);
    EXPECT_EQ(state_.writes[0], (LocalDateTime{2030, 6, 15, 9, 30, 15}));
    EXPECT_EQ(state_.writes[1], (LocalDateTime{2030, 6, 15, 18, 20, 30}));
    EXPECT_EQ(state_.privilegeRequests, 1); // asked for once
    EXPECT_EQ(clock->LastRefusal(), ClockRefusal::None);
    int offset = 0;
    EXPECT_TRUE(clock->ReadUtcOffset(offset));
    EXPECT_EQ(offset, 28800);
}

TEST_F(WindowsClockCalls, RefusalsAreToldApart) {
    struct Row {
        unsigned long error;
        ClockRefusal refusal;
    };
    for (const Row& row : {Row{1314, ClockRefusal::NoPrivilege}, Row{87, ClockRefusal::None}, Row{5, ClockRefusal::None}}) {
        state_.writeError = row.error;
        auto clock = CreateWindowsClock(StandIns());
        EXPECT_FALSE(clock->SetLocalTimeOfDay(1, 2, 3)) << row.error;
        EXPECT_EQ(clock->LastRefusal(), row.refusal) << row.error;
    }
}

TEST_F(WindowsClockCalls, ImpossibleDatesAndTimesNeverReachTheSystem) {
    auto clock = CreateWindowsClock(StandIns());
    EXPECT_FALSE(clock->SetLocalDate(2026, 2, 29));
    EXPECT_FALSE(clock->SetLocalDate(1600, 12, 31));
    EXPECT_FALSE(clock->SetLocalTimeOfDay(24, 0, 0));
    EXPECT_TRUE(state_.writes.empty());
    EXPECT_TRUE(clock->SetLocalDate(2028, 2, 29));
}

// Under Wine the real calls can be tried without moving any clock: Wine's
// SetLocalTime changes nothing, accepts a change under half a second and
// refuses a larger one with 1314. Writing today's date late in a second must
// be accepted, which it is only when the milliseconds are kept. Elsewhere the
// test does not run, so it never sets a real computer's clock.
TEST(SystemLocalTimeUnderWine, SettingTheDateKeepsTheMilliseconds) {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (ntdll == nullptr || GetProcAddress(ntdll, "wine_get_version") == nullptr)
        GTEST_SKIP() << "runs only under Wine";
    const LocalTimeCalls calls = SystemLocalTimeCalls();
    SYSTEMTIME now{};
    for (GetLocalTime(&now); now.wMilliseconds < 600 || now.wMilliseconds > 800; GetLocalTime(&now))
        Sleep(10);
    EXPECT_EQ(calls.writeDate(now.wYear, now.wMonth, now.wDay), 0u);
}

} // namespace
} // namespace sysclock
