// A ztButtons_H on a Qt site: what it draws is what the widget shows, and
// Qt's mouse events become the control's Click event.
#include "control/input/ButtonEvents.h"
#include "control/model/ztButtons_H.h"
#include "platform/qt/QtControlSite.h"
#include "platform/qt/tests/QtTestSupport.h"

#include <QCursor>
#include <QTest>

#include <vector>

namespace qtplatform::testing {
namespace {

class ClickCounter final : public ButtonEvents {
  public:
    void Click() override { ++clicks; }
    void MouseOnButton(bool onButton) override { hovering.push_back(onButton); }
    int clicks = 0;
    std::vector<bool> hovering;
};

class HostedControl : public QtWindowTest {
  protected:
    void Host(container::PropertyBag bag, const QRect& geometry) {
        site_ = new QtControlSite(QtForm::Of(system_, form_.get()), "ztButtons_H1");
        site_->setGeometry(geometry);
        site_->show();
        control_ = std::make_unique<ztButtons_H>(site_);
        site_->Attach(control_.get());
        control_->SetEventSink(&events_);
        site_->ReadProperties(bag);
        DeliverPostedEvents();
    }
    void TearDown() override {
        if (site_ != nullptr)
            site_->Terminate();
        control_.reset();
        QtWindowTest::TearDown();
    }

    static container::PropertyBag Bag(std::int32_t style, std::int32_t shape, container::OleColor back) {
        container::PropertyBag bag;
        bag.WriteProperty("Caption", std::string("Sync"));
        bag.WriteProperty("BackStyle", style);
        bag.WriteProperty("Shape", shape);
        bag.WriteProperty("cBack", container::Color{back});
        return bag;
    }

    // The widget as the screen shows it, next to the control's own pixels.
    void ExpectWidgetShowsTheSurface() {
        const QImage shown = site_->grab().toImage();
        ASSERT_EQ(shown.size(), site_->size());
        int compared = 0;
        for (const QPoint at : {QPoint(2, 2), QPoint(site_->width() / 2, 3), QPoint(site_->width() - 3, 10),
                                QPoint(site_->width() / 2, site_->height() / 2), QPoint(0, 0)}) {
            if (!site_->mask().isEmpty() && !site_->mask().contains(at))
                continue;
            const gdi::COLORREF drawn = gdi::GetPixel(site_->HDC(), at.x(), at.y());
            EXPECT_EQ(shown.pixel(at) & 0xFFFFFFu,
                      qRgb(gdi::GetRValue(drawn), gdi::GetGValue(drawn), gdi::GetBValue(drawn)) & 0xFFFFFFu)
                << "at " << at.x() << "," << at.y();
            ++compared;
        }
        EXPECT_GE(compared, 3);
    }

    QtControlSite* site_ = nullptr;
    std::unique_ptr<ztButtons_H> control_;
    ClickCounter events_;
};

TEST_F(HostedControl, TheWidgetShowsWhatTheControlDrew) {
    Host(Bag(2, 0, 0xDDC07A), QRect(10, 10, 105, 21));
    const gdi::COLORREF inside = gdi::GetPixel(site_->HDC(), 4, 4);
    EXPECT_NE(inside, gdi::RGB(255, 255, 255)); // the control has drawn over the new surface
    ExpectWidgetShowsTheSurface();

    // A new back colour redraws, and the widget shows it.
    control_->SetBackColor(gdi::RGB(255, 0, 0));
    DeliverPostedEvents();
    const gdi::COLORREF redInside = gdi::GetPixel(site_->HDC(), 4, 4);
    EXPECT_NE(redInside, inside);
    EXPECT_GT(gdi::GetRValue(redInside), gdi::GetBValue(redInside));
    ExpectWidgetShowsTheSurface();
}

TEST_F(HostedControl, AnEllipticButtonIsCutOutOfTheForm) {
    Host(Bag(6, 4, 0xDDC07A), QRect(10, 10, 139, 23));
    ASSERT_FALSE(site_->mask().isEmpty());
    const QPoint corner = site_->mapToGlobal(QPoint(0, 0));
    const QPoint middle = site_->mapToGlobal(QPoint(70, 11));
    EXPECT_EQ(user::WindowFromPoint({corner.x(), corner.y()}), formHwnd_);
    EXPECT_EQ(user::WindowFromPoint({middle.x(), middle.y()}), site_->HWnd());
    ExpectWidgetShowsTheSurface();
}

TEST_F(HostedControl, AMouseClickRaisesTheClickEventAndADisabledButtonTakesNone) {
    Host(Bag(2, 0, 0xDDC07A), QRect(10, 10, 105, 21));
    QTest::mouseClick(site_, Qt::LeftButton, Qt::NoModifier, QPoint(50, 10));
    EXPECT_EQ(events_.clicks, 1);
    QTest::mouseClick(site_, Qt::RightButton, Qt::NoModifier, QPoint(50, 10));
    EXPECT_EQ(events_.clicks, 1);      // only the left button clicks
    EXPECT_EQ(user::GetCapture(), 0u); // the press's capture ended with the release

    const QImage enabledLook = system_.SurfaceImage(site_->HWnd());
    control_->SetEnabled(False);
    EXPECT_FALSE(site_->isEnabled());
    EXPECT_NE(system_.SurfaceImage(site_->HWnd()), enabledLook); // redrawn greyed
    QTest::mouseClick(site_, Qt::LeftButton, Qt::NoModifier, QPoint(50, 10));
    EXPECT_EQ(events_.clicks, 1);
}

TEST_F(HostedControl, HoverEndsOnTheQtTimerWhenThePointerLeaves) {
    Host(Bag(2, 0, 0xDDC07A), QRect(10, 10, 105, 21));
    const QPoint inside = site_->mapToGlobal(QPoint(50, 10));
    QCursor::setPos(inside);
    QMouseEvent move(QEvent::MouseMove, QPointF(50, 10), QPointF(inside), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(site_, &move);
    EXPECT_EQ(events_.hovering, std::vector<bool>{true});
    const QImage hoverLook = system_.SurfaceImage(site_->HWnd());

    // The hover timer looks where the pointer is; it runs only from the event loop.
    QCursor::setPos(site_->mapToGlobal(QPoint(50, 200)));
    ASSERT_TRUE(WaitUntil([&] { return events_.hovering.size() == 2; }, 2000));
    EXPECT_EQ(events_.hovering.back(), false);
    EXPECT_NE(system_.SurfaceImage(site_->HWnd()), hoverLook); // drawn normal again
}

TEST_F(HostedControl, SpaceClicksTheFocusedButton) {
    Host(Bag(2, 0, 0xDDC07A), QRect(10, 10, 105, 21));
    QTest::keyClick(site_, Qt::Key_Space);
    EXPECT_EQ(events_.clicks, 1);
}

} // namespace
} // namespace qtplatform::testing
