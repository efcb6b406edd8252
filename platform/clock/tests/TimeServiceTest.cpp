// The clock without the right to set it: the time service is asked over a
// private bus where a fake timedated answers as each test wants.
#include "platform/clock/TimeService.h"
#include "platform/clock/LocalClock.h"
#include "platform/clock/testing/FakeTimedate.h"
#include "platform/clock/testing/MemoryRealtime.h"
#include "platform/clock/testing/PrivateBus.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace sysclock {
namespace {

using testing::FakeTimedate;
using testing::MemoryRealtime;
using testing::PrivateBus;
using testing::TimedateMode;
using testing::Utc;

class TimeServiceClock : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { bus_ = new PrivateBus; }
    static void TearDownTestSuite() {
        delete bus_;
        bus_ = nullptr;
    }
    void SetUp() override {
        ASSERT_FALSE(bus_->Address().empty()) << "dbus-daemon did not start";
        setenv("TZ", "UTC", 1);
        tzset();
        raw_->At(Utc(2024, 5, 1, 9, 2, 3), 250000000);
        raw_->refuse = true; // the kernel says EPERM: no cap_sys_time
    }
    // The clock over the in-memory kernel and the time service at the address.
    void Build(const std::string& address, int timeoutMs = 5000) {
        auto raw = std::make_unique<MemoryRealtime>();
        raw->At(raw_->Seconds(), 250000000);
        raw->refuse = raw_->refuse;
        rawView_ = raw.get();
        source_ = CreateServiceBackedSource(std::move(raw), CreateTimedateService({address, timeoutMs}));
        clock_.emplace(*source_);
    }

    static PrivateBus* bus_;
    std::unique_ptr<MemoryRealtime> raw_ = std::make_unique<MemoryRealtime>();
    MemoryRealtime* rawView_ = nullptr;
    std::unique_ptr<RealtimeSource> source_;
    std::optional<LocalClock> clock_;
};

PrivateBus* TimeServiceClock::bus_ = nullptr;

TEST_F(TimeServiceClock, EachAnswerOfTheServiceGivesItsOutcome) {
    struct Case {
        const char* name;
        std::optional<TimedateMode> service; // none: nobody owns the name
        bool bus;                            // false: no bus listens at the address
        bool set;
        ClockRefusal refusal;
    };
    const Case cases[] = {
        {"accepts", TimedateMode::Accept, true, true, ClockRefusal::None},
        {"slow but in time", TimedateMode::Slow, true, true, ClockRefusal::None},
        {"unauthorised", TimedateMode::RefuseUnauthorised, true, false, ClockRefusal::NotAuthorised},
        {"automatic sync on", TimedateMode::RefuseAutomaticSync, true, false, ClockRefusal::AutomaticSync},
        {"no time service", std::nullopt, true, false, ClockRefusal::NoRight},
        {"no bus", std::nullopt, false, false, ClockRefusal::NoRight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<FakeTimedate> service;
        if (c.service) {
            service.emplace(bus_->Address(), *c.service);
            ASSERT_TRUE(service->Registered());
        }
        Build(c.bus ? bus_->Address() : testing::MissingBusAddress());
        EXPECT_EQ(clock_->SetLocalDate(2030, 6, 15), c.set);
        EXPECT_EQ(clock_->LastRefusal(), c.refusal);
        ASSERT_EQ(rawView_->sets.size(), 1u); // the kernel was tried first
        if (!service)
            continue;
        const auto calls = service->Calls();
        ASSERT_EQ(calls.size(), 1u);
        // The date step keeps the time of day and its fraction, as an absolute instant.
        EXPECT_EQ(calls[0].microsecondsUtc, Utc(2030, 6, 15, 9, 2, 3) * 1000000 + 250000);
        EXPECT_FALSE(calls[0].relative);
        EXPECT_TRUE(calls[0].interactive);
        EXPECT_TRUE(calls[0].interactiveFlag);
    }
}

// Every error SetTime can end in, from the service, polkit or the bus itself,
// and the refusal the user is told of.
TEST_F(TimeServiceClock, EveryErrorNameGivesItsRefusal) {
    const struct {
        const char* error;
        ClockRefusal refusal;
    } rows[] = {
        {"org.freedesktop.timedate1.AutomaticTimeSyncEnabled", ClockRefusal::AutomaticSync},
        {"org.freedesktop.DBus.Error.AccessDenied", ClockRefusal::NotAuthorised},
        {"org.freedesktop.DBus.Error.InteractiveAuthorizationRequired", ClockRefusal::NotAuthorised},
        {"org.freedesktop.DBus.Error.AuthFailed", ClockRefusal::NotAuthorised},
        {"org.freedesktop.PolicyKit1.Error.NotAuthorized", ClockRefusal::NotAuthorised},
        {"org.freedesktop.PolicyKit1.Error.Cancelled", ClockRefusal::NotAuthorised},
        {"org.freedesktop.DBus.Error.ServiceUnknown", ClockRefusal::NoRight},
        {"org.freedesktop.DBus.Error.NameHasNoOwner", ClockRefusal::NoRight},
        {"org.freedesktop.DBus.Error.Disconnected", ClockRefusal::NoRight},
        {"org.freedesktop.DBus.Error.UnknownObject", ClockRefusal::NoRight},
        {"org.freedesktop.DBus.Error.Spawn.ExecFailed", ClockRefusal::NoRight},
        {"org.freedesktop.DBus.Error.Spawn.ChildExited", ClockRefusal::NoRight},
        {"org.freedesktop.DBus.Error.Failed", ClockRefusal::ServiceFailed},
        {"org.freedesktop.DBus.Error.NoReply", ClockRefusal::ServiceFailed},
    };
    FakeTimedate service(bus_->Address(), TimedateMode::RefuseWithError);
    ASSERT_TRUE(service.Registered());
    for (const auto& row : rows) {
        service.errorName = QString::fromLatin1(row.error);
        Build(bus_->Address());
        EXPECT_FALSE(clock_->SetLocalDate(2030, 6, 15)) << row.error;
        EXPECT_EQ(clock_->LastRefusal(), row.refusal) << row.error;
    }
}

// Without an address of its own the service is asked on the system bus, which
// DBUS_SYSTEM_BUS_ADDRESS names; a polkit prompt may take two minutes.
TEST_F(TimeServiceClock, TheDefaultBusIsTheSystemBusAndThePromptHasTwoMinutes) {
    EXPECT_EQ(TimeServiceOptions{}.timeoutMs, 120000);
    FakeTimedate service(bus_->Address(), TimedateMode::Accept);
    ASSERT_TRUE(service.Registered());
    const char* saved = std::getenv("DBUS_SYSTEM_BUS_ADDRESS");
    const std::optional<std::string> kept = saved ? std::optional<std::string>(saved) : std::nullopt;
    setenv("DBUS_SYSTEM_BUS_ADDRESS", bus_->Address().c_str(), 1);
    auto raw = std::make_unique<MemoryRealtime>();
    raw->refuse = true;
    auto source = CreateServiceBackedSource(std::move(raw), CreateTimedateService());
    EXPECT_TRUE(LocalClock(*source).SetLocalTimeOfDay(1, 2, 3));
    EXPECT_EQ(service.Calls().size(), 1u);
    if (kept)
        setenv("DBUS_SYSTEM_BUS_ADDRESS", kept->c_str(), 1);
    else
        unsetenv("DBUS_SYSTEM_BUS_ADDRESS");
}

TEST_F(TimeServiceClock, WithTheRightTheServiceIsNeverAsked) {
    FakeTimedate service(bus_->Address(), TimedateMode::Accept);
    raw_->refuse = false;
    Build(bus_->Address());
    EXPECT_TRUE(clock_->SetLocalTimeOfDay(1, 2, 3));
    EXPECT_EQ(rawView_->Seconds(), Utc(2024, 5, 1, 1, 2, 3));
    EXPECT_TRUE(service.Calls().empty());
}

TEST_F(TimeServiceClock, AfterTheUserRefusedThePromptIsNotShownAgainUntilANewSynchronisation) {
    FakeTimedate service(bus_->Address(), TimedateMode::RefuseUnauthorised);
    Build(bus_->Address());
    EXPECT_FALSE(clock_->SetLocalDate(2030, 6, 15));
    EXPECT_FALSE(clock_->SetLocalTimeOfDay(1, 2, 3));
    clock_->ForgetRefusals();
    EXPECT_FALSE(clock_->SetLocalTimeOfDay(1, 2, 3));
    const auto calls = service.Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_TRUE(calls[0].interactive);
    EXPECT_FALSE(calls[1].interactive);
    EXPECT_FALSE(calls[1].interactiveFlag);
    EXPECT_TRUE(calls[2].interactive);
    EXPECT_EQ(calls[1].microsecondsUtc, Utc(2024, 5, 1, 1, 2, 3) * 1000000); // whole second
}

TEST_F(TimeServiceClock, EventsRunWhileTheServiceTakesItsTimeAndNoAnswerInTimeIsAFailure) {
    FakeTimedate service(bus_->Address(), TimedateMode::Slow, 400);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(20);
    Build(bus_->Address());
    EXPECT_TRUE(clock_->SetLocalDate(2030, 6, 15));
    EXPECT_GE(ticks, 5);
    Build(bus_->Address(), 100);
    EXPECT_FALSE(clock_->SetLocalDate(2030, 6, 16));
    EXPECT_EQ(clock_->LastRefusal(), ClockRefusal::ServiceFailed);
}

} // namespace
} // namespace sysclock

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
