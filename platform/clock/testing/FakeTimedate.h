#pragma once
// A stand-in for systemd-timedated on a private bus: it owns the name
// org.freedesktop.timedate1, records every SetTime call and answers as the
// real service does in the case a test wants. It never touches a clock.
#include <QDBusConnection>
#include <QDBusVirtualObject>

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace sysclock::testing {

enum class TimedateMode {
    Accept,              // answers at once with success
    RefuseUnauthorised,  // polkit said no, or the prompt was cancelled
    RefuseAutomaticSync, // NTP is on, so setting the time is refused
    Slow,                // answers with success after a delay
    RefuseWithError,     // answers with the error named in errorName
};

struct SetTimeCall {
    std::int64_t microsecondsUtc = 0;
    bool relative = false;
    bool interactive = false;     // the method's argument
    bool interactiveFlag = false; // the message's allow-interactive-authorisation flag
};

class FakeTimedate final : public QDBusVirtualObject {
  public:
    FakeTimedate(const std::string& busAddress, TimedateMode mode, int slowMs = 300);
    ~FakeTimedate() override;
    // Whether the name could be owned on the bus.
    bool Registered() const { return registered_; }
    std::vector<SetTimeCall> Calls() const;
    // Runs for every call, after it was recorded.
    std::function<void(const SetTimeCall&)> onCall;
    // The error RefuseWithError answers with, as the bus or a service names it.
    QString errorName;

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

  private:
    QString connectionName_;
    QDBusConnection bus_;
    TimedateMode mode_;
    int slowMs_;
    bool registered_ = false;
    mutable std::mutex mutex_;
    std::vector<SetTimeCall> calls_;
};

TimedateMode ParseTimedateMode(const std::string& name, bool& known);

} // namespace sysclock::testing
