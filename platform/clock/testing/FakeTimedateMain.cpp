// fake-timedated <bus address> <accept|unauthorised|sync-on|slow> <log file>
// The test stand-in for systemd-timedated as a program, for tests that run the
// real DunmoraDesk. Every SetTime call is appended to the log as
//   SetTime <microseconds> <relative 0/1> <interactive 0/1>
// and "ready" is printed once the name is owned.
#include "platform/clock/testing/FakeTimedate.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    bool known = false;
    if (argc != 4)
        return 2;
    const auto mode = sysclock::testing::ParseTimedateMode(argv[2], known);
    if (!known)
        return 2;
    sysclock::testing::FakeTimedate service(argv[1], mode);
    if (!service.Registered())
        return 1;
    const QString logPath = QString::fromLocal8Bit(argv[3]);
    service.onCall = [logPath](const sysclock::testing::SetTimeCall& call) {
        QFile log(logPath);
        if (log.open(QIODevice::Append))
            log.write(QByteArray("SetTime ") +
                      QByteArray::number(static_cast<qlonglong>(call.microsecondsUtc)) + " " +
                      QByteArray::number(call.relative) + " " + QByteArray::number(call.interactive) + "\n");
    };
    std::puts("ready");
    std::fflush(stdout);
    return application.exec();
}
