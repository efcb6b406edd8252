// Shared pieces of the Qt window-system tests: an installed window system
// with a shown form, and a bounded wait on the Qt event loop.
#pragma once

#include "platform/qt/QtWindowSystem.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace qtplatform::testing {

// Runs the event loop until done() holds or timeoutMs pass; returns done().
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 2000) {
    QEventLoop loop;
    QTimer poll;
    QTimer deadline;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.setSingleShot(true);
    poll.start(1);
    deadline.start(timeoutMs);
    if (!done())
        loop.exec();
    return done();
}

// Lets every posted event be delivered.
inline void DeliverPostedEvents() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

class QtWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form_ = std::make_unique<QWidget>();
        form_->setGeometry(100, 80, 300, 200);
        form_->show();
        formHwnd_ = system_.Register(form_.get());
    }
    void TearDown() override { form_.reset(); }

    QWidget* AddChild(const QRect& geometry) {
        auto* child = new QWidget(form_.get());
        child->setGeometry(geometry);
        child->show();
        return child;
    }

    QtWindowSystem system_;
    user::ScopedBackend backend_{&system_};
    std::unique_ptr<QWidget> form_;
    user::HWND formHwnd_ = 0;
};

} // namespace qtplatform::testing
