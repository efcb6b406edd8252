#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

// Processes events until the condition holds or the time is up; true when it held.
template <typename Condition> bool ProcessEventsUntil(Condition condition, int timeoutMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}
