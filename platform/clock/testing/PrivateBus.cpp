#include "platform/clock/testing/PrivateBus.h"

#include <QFile>

namespace sysclock::testing {

PrivateBus::PrivateBus() {
    const QString config = folder_.filePath("bus.conf");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return;
    // Anyone may own any name and call anything: the fake services need no policy.
    file.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
               " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
               "<busconfig>\n"
               "  <listen>unix:path=" +
               QFile::encodeName(folder_.filePath("bus")) +
               "</listen>\n"
               "  <auth>EXTERNAL</auth>\n"
               "  <policy context=\"default\">\n"
               "    <allow user=\"*\"/>\n"
               "    <allow own=\"*\"/>\n"
               "    <allow send_destination=\"*\"/>\n"
               "    <allow receive_sender=\"*\"/>\n"
               "  </policy>\n"
               "</busconfig>\n");
    file.close();
    daemon_.start("dbus-daemon", {"--config-file=" + config, "--nofork", "--nosyslog", "--print-address"});
    if (!daemon_.waitForStarted(5000))
        return;
    while (!daemon_.canReadLine() && daemon_.waitForReadyRead(5000)) {
    }
    address_ = daemon_.readLine().trimmed().toStdString();
}

PrivateBus::~PrivateBus() {
    if (daemon_.state() == QProcess::NotRunning)
        return;
    daemon_.terminate();
    if (!daemon_.waitForFinished(3000)) {
        daemon_.kill();
        daemon_.waitForFinished(3000);
    }
}

std::string MissingBusAddress() {
    return "unix:path=/nonexistent/dunmora-no-bus";
}

} // namespace sysclock::testing
