#include "platform/clock/TimeService.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>

#include <atomic>

namespace sysclock {
namespace {

const QString kService = QStringLiteral("org.freedesktop.timedate1");
const QString kPath = QStringLiteral("/org/freedesktop/timedate1");

ClockRefusal RefusalOf(const QString& errorName) {
    static const QStringList notAuthorised = {
        QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"),
        QStringLiteral("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired"),
        QStringLiteral("org.freedesktop.DBus.Error.AuthFailed"),
        QStringLiteral("org.freedesktop.PolicyKit1.Error.NotAuthorized"),
        QStringLiteral("org.freedesktop.PolicyKit1.Error.Cancelled"),
    };
    // Nobody owns the name and nothing could be started for it.
    static const QStringList noService = {
        QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"),
        QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner"),
        QStringLiteral("org.freedesktop.DBus.Error.Disconnected"),
        QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"),
    };
    if (errorName == QLatin1String("org.freedesktop.timedate1.AutomaticTimeSyncEnabled"))
        return ClockRefusal::AutomaticSync;
    if (notAuthorised.contains(errorName))
        return ClockRefusal::NotAuthorised;
    if (noService.contains(errorName) ||
        errorName.startsWith(QLatin1String("org.freedesktop.DBus.Error.Spawn.")))
        return ClockRefusal::NoRight;
    return ClockRefusal::ServiceFailed;
}

class TimedateService final : public TimeService {
  public:
    explicit TimedateService(TimeServiceOptions options) : options_(std::move(options)) {}

    ClockRefusal SetTime(std::int64_t microsecondsUtc, bool interactive) override {
        // A connection of its own per call: the bus may come and go while the
        // program runs, and nothing is kept open between synchronisations.
        static std::atomic<int> serial{0};
        const QString name = QStringLiteral("dunmora-timedate-%1").arg(serial++);
        ClockRefusal refusal = Call(Connect(name), microsecondsUtc, interactive);
        QDBusConnection::disconnectFromBus(name);
        return refusal;
    }

  private:
    QDBusConnection Connect(const QString& name) const {
        if (!options_.busAddress.empty())
            return QDBusConnection::connectToBus(QString::fromStdString(options_.busAddress), name);
        // libdbus reads DBUS_SYSTEM_BUS_ADDRESS for the system bus.
        return QDBusConnection::connectToBus(QDBusConnection::SystemBus, name);
    }

    ClockRefusal Call(const QDBusConnection& bus, std::int64_t microsecondsUtc, bool interactive) const {
        if (!bus.isConnected())
            return ClockRefusal::NoRight;
        QDBusMessage call =
            QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("SetTime"));
        call << static_cast<qlonglong>(microsecondsUtc) << false << interactive;
        call.setInteractiveAuthorizationAllowed(interactive);
        QDBusPendingCall pending = bus.asyncCall(call, options_.timeoutMs);
        // Waits with events processed: the window paints while polkit asks.
        if (!pending.isFinished()) {
            QDBusPendingCallWatcher watcher(pending);
            QEventLoop loop;
            QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
            if (!pending.isFinished())
                loop.exec();
        }
        if (!pending.isError())
            return ClockRefusal::None;
        return RefusalOf(pending.error().name());
    }

    TimeServiceOptions options_;
};

} // namespace

std::unique_ptr<TimeService> CreateTimedateService(const TimeServiceOptions& options) {
    return std::make_unique<TimedateService>(options);
}

} // namespace sysclock
