#include "platform/clock/testing/FakeTimedate.h"

#include <QDBusMessage>
#include <QTimer>

#include <atomic>

namespace sysclock::testing {
namespace {

const QString kService = QStringLiteral("org.freedesktop.timedate1");
const QString kPath = QStringLiteral("/org/freedesktop/timedate1");

QString NextConnectionName() {
    static std::atomic<int> serial{0};
    return QStringLiteral("fake-timedate-%1").arg(serial++);
}

} // namespace

FakeTimedate::FakeTimedate(const std::string& busAddress, TimedateMode mode, int slowMs)
    : connectionName_(NextConnectionName()),
      bus_(QDBusConnection::connectToBus(QString::fromStdString(busAddress), connectionName_)), mode_(mode),
      slowMs_(slowMs) {
    registered_ =
        bus_.isConnected() && bus_.registerVirtualObject(kPath, this) && bus_.registerService(kService);
}

FakeTimedate::~FakeTimedate() {
    bus_.unregisterObject(kPath);
    bus_.unregisterService(kService);
    QDBusConnection::disconnectFromBus(connectionName_);
}

std::vector<SetTimeCall> FakeTimedate::Calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
}

QString FakeTimedate::introspect(const QString&) const {
    return QStringLiteral("<interface name=\"org.freedesktop.timedate1\">"
                          "<method name=\"SetTime\"><arg type=\"x\" direction=\"in\"/>"
                          "<arg type=\"b\" direction=\"in\"/><arg type=\"b\" direction=\"in\"/></method>"
                          "</interface>");
}

bool FakeTimedate::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
    if (message.interface() != kService || message.member() != QLatin1String("SetTime"))
        return false;
    QDBusConnection replyBus = connection;
    if (message.signature() != QLatin1String("xbb")) {
        replyBus.send(message.createErrorReply(QDBusError::InvalidArgs, "SetTime takes (xbb)"));
        return true;
    }
    const QList<QVariant> arguments = message.arguments();
    const SetTimeCall call{arguments[0].toLongLong(), arguments[1].toBool(), arguments[2].toBool(),
                           message.isInteractiveAuthorizationAllowed()};
    {
        std::lock_guard lock(mutex_);
        calls_.push_back(call);
    }
    if (onCall)
        onCall(call);
    switch (mode_) {
    case TimedateMode::Accept:
        replyBus.send(message.createReply());
        break;
    case TimedateMode::RefuseUnauthorised:
        replyBus.send(message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"),
                                               QStringLiteral("Permission denied")));
        break;
    case TimedateMode::RefuseAutomaticSync:
        replyBus.send(
            message.createErrorReply(QStringLiteral("org.freedesktop.timedate1.AutomaticTimeSyncEnabled"),
                                     QStringLiteral("Automatic time synchronization is enabled")));
        break;
    case TimedateMode::RefuseWithError:
        replyBus.send(message.createErrorReply(errorName, QStringLiteral("Refused by the test")));
        break;
    case TimedateMode::Slow:
        QTimer::singleShot(slowMs_,
                           [replyBus, reply = message.createReply()]() mutable { replyBus.send(reply); });
        break;
    }
    return true;
}

TimedateMode ParseTimedateMode(const std::string& name, bool& known) {
    known = true;
    if (name == "accept")
        return TimedateMode::Accept;
    if (name == "unauthorised")
        return TimedateMode::RefuseUnauthorised;
    if (name == "sync-on")
        return TimedateMode::RefuseAutomaticSync;
    if (name == "slow")
        return TimedateMode::Slow;
    known = false;
    return TimedateMode::Accept;
}

} // namespace sysclock::testing
