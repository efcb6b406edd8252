#include "platform/qt/tests/QtTestSupport.h"

#include <QKeyEvent>

#include <vector>

namespace qtplatform::testing {
namespace {

using WindowFunctions = QtWindowTest;

TEST_F(WindowFunctions, GeometryFollowsTheWidgetsAndMoveWindowMovesThem) {
    QWidget* child = AddChild(QRect(10, 20, 30, 40));
    const user::HWND hwnd = system_.Register(child);
    EXPECT_EQ(system_.Register(child), hwnd); // asked again: the same handle
    EXPECT_EQ(user::GetParent(hwnd), formHwnd_);
    EXPECT_EQ(user::GetParent(formHwnd_), 0u);

    user::RECT rect{};
    ASSERT_TRUE(user::GetWindowRect(hwnd, &rect));
    const QPoint origin = child->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(rect.left, origin.x());
    EXPECT_EQ(rect.top, origin.y());
    EXPECT_EQ(rect.right - rect.left, 30);
    EXPECT_EQ(rect.bottom - rect.top, 40);
    ASSERT_TRUE(user::GetClientRect(hwnd, &rect));
    EXPECT_EQ(rect.right, 30);
    EXPECT_EQ(rect.bottom, 40);

    user::POINT point{5, 6};
    ASSERT_TRUE(user::ClientToScreen(hwnd, &point));
    EXPECT_EQ(point.x, origin.x() + 5);
    ASSERT_TRUE(user::ScreenToClient(formHwnd_, &point));
    EXPECT_EQ(point.x, 15); // in the form: the child's left plus 5
    EXPECT_EQ(point.y, 26);

    ASSERT_TRUE(user::MoveWindow(hwnd, 50, 60, 70, 25, 1));
    EXPECT_EQ(child->geometry(), QRect(50, 60, 70, 25));
    EXPECT_EQ(system_.Surface(hwnd)->Width(), 70); // the pixels follow the size
    EXPECT_EQ(system_.Surface(hwnd)->Height(), 25);
}

TEST_F(WindowFunctions, ADestroyedWidgetLeavesAnInvalidHandleBehind) {
    QWidget* child = AddChild(QRect(0, 0, 10, 10));
    const user::HWND hwnd = system_.Register(child);
    user::SetPropA(hwnd, "zt_ClassID", 7);
    delete child;
    EXPECT_FALSE(user::IsWindow(hwnd));
    EXPECT_EQ(user::GetPropA(hwnd, "zt_ClassID"), 0);
    user::RECT rect{};
    EXPECT_FALSE(user::GetWindowRect(hwnd, &rect));
    EXPECT_EQ(user::GetDC(hwnd), 0u);
    // A new widget never gets the old handle back.
    EXPECT_NE(system_.Register(AddChild(QRect(0, 0, 10, 10))), hwnd);
}

TEST_F(WindowFunctions, ARegionBecomesTheMaskThatHitTestingHonours) {
    QWidget* child = AddChild(QRect(20, 20, 60, 40));
    const user::HWND hwnd = system_.Register(child);
    const QPoint origin = child->mapToGlobal(QPoint(0, 0));
    const user::POINT corner{origin.x() + 1, origin.y() + 1};
    const user::POINT centre{origin.x() + 30, origin.y() + 20};
    EXPECT_EQ(user::WindowFromPoint(corner), hwnd);

    const gdi::DWORD objectsBefore = gdi::GetGuiResources(gdi::GetCurrentProcess(), gdi::GR_GDIOBJECTS);
    ASSERT_NE(user::SetWindowRgn(hwnd, gdi::CreateEllipticRgn(0, 0, 60, 40), 1), 0);
    EXPECT_FALSE(child->mask().isEmpty());
    EXPECT_EQ(user::WindowFromPoint(corner), formHwnd_); // cut away: the form is hit
    EXPECT_EQ(user::WindowFromPoint(centre), hwnd);

    const gdi::HRGN copy = gdi::CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(user::GetWindowRgn(hwnd, copy), gdi::ERROR);
    const gdi::HRGN expected = gdi::CreateEllipticRgn(0, 0, 60, 40);
    EXPECT_TRUE(gdi::EqualRgn(copy, expected));
    gdi::DeleteObject(copy);
    gdi::DeleteObject(expected);

    // A second region replaces the first, which the window deletes.
    ASSERT_NE(user::SetWindowRgn(hwnd, gdi::CreateRectRgn(0, 0, 10, 10), 0), 0);
    EXPECT_EQ(user::WindowFromPoint(centre), formHwnd_);
    EXPECT_EQ(gdi::GetGuiResources(gdi::GetCurrentProcess(), gdi::GR_GDIOBJECTS), objectsBefore + 1u);

    ASSERT_NE(user::SetWindowRgn(hwnd, 0, 1), 0);
    EXPECT_TRUE(child->mask().isEmpty());
    EXPECT_EQ(user::WindowFromPoint(centre), hwnd);
    EXPECT_EQ(gdi::GetGuiResources(gdi::GetCurrentProcess(), gdi::GR_GDIOBJECTS), objectsBefore);
    EXPECT_EQ(user::GetWindowRgn(hwnd, copy), gdi::ERROR);
}

TEST_F(WindowFunctions, HitTestingGivesTheNearestRegisteredWindowAndSkipsHiddenOnes) {
    QWidget* child = AddChild(QRect(0, 0, 100, 100));
    auto* inner = new QWidget(child); // not a window of its own
    inner->setGeometry(10, 10, 20, 20);
    inner->show();
    const user::HWND hwnd = system_.Register(child);
    const QPoint insideInner = inner->mapToGlobal(QPoint(5, 5));
    EXPECT_EQ(user::WindowFromPoint({insideInner.x(), insideInner.y()}), hwnd);
    child->hide();
    EXPECT_EQ(user::WindowFromPoint({insideInner.x(), insideInner.y()}), formHwnd_);
    EXPECT_EQ(user::WindowFromPoint({5000, 5000}), 0u);
}

TEST_F(WindowFunctions, PropertiesAreNamedWithoutRegardToCase) {
    EXPECT_TRUE(user::SetPropA(formHwnd_, "zt_OptCount", 3));
    EXPECT_EQ(user::GetPropA(formHwnd_, "ZT_OPTCOUNT"), 3);
    EXPECT_TRUE(user::SetPropA(formHwnd_, "Zt_OptCount", 4)); // the same name
    EXPECT_EQ(user::RemovePropA(formHwnd_, "zt_optcount"), 4);
    EXPECT_EQ(user::GetPropA(formHwnd_, "zt_OptCount"), 0);
    EXPECT_EQ(user::RemovePropA(formHwnd_, "zt_OptCount"), 0);
    EXPECT_FALSE(user::SetPropA(formHwnd_, nullptr, 1));
    EXPECT_FALSE(user::SetPropA(0xDEAD, "zt_Obj1", 1));
}

// Records the keys a widget is sent.
class KeyRecorder final : public QWidget {
  public:
    using QWidget::QWidget;
    std::vector<std::pair<QEvent::Type, int>> keys;
    std::vector<quint32> scanCodes;

  protected:
    void keyPressEvent(QKeyEvent* event) override { Record(event); }
    void keyReleaseEvent(QKeyEvent* event) override { Record(event); }

  private:
    void Record(QKeyEvent* event) {
        keys.emplace_back(event->type(), event->key());
        scanCodes.push_back(event->nativeScanCode());
    }
};

TEST_F(WindowFunctions, PostedKeyMessagesArriveLaterAsKeyEvents) {
    auto* recorder = new KeyRecorder(form_.get());
    const user::HWND hwnd = system_.Register(recorder);
    const user::LPARAM rightWithScanCode = 1 | (0x4D << 16);
    ASSERT_TRUE(user::PostMessageA(hwnd, user::WM_KEYDOWN, user::VK_RIGHT, rightWithScanCode));
    ASSERT_TRUE(user::PostMessageA(hwnd, user::WM_KEYUP, 'A', 0));
    EXPECT_TRUE(recorder->keys.empty()); // posted, not sent
    DeliverPostedEvents();
    using Key = std::pair<QEvent::Type, int>;
    EXPECT_EQ(recorder->keys,
              (std::vector<Key>{{QEvent::KeyPress, Qt::Key_Right}, {QEvent::KeyRelease, Qt::Key_A}}));
    EXPECT_EQ(recorder->scanCodes.front(), 0x4Du);

    EXPECT_FALSE(user::PostMessageA(hwnd, user::WM_KEYDOWN, 0xE8, 0)); // no such key
    EXPECT_FALSE(user::PostMessageA(0xDEAD, user::WM_KEYDOWN, user::VK_UP, 0));
}

TEST_F(WindowFunctions, OtherPostedMessagesGoToTheHandlerFromTheEventLoop) {
    EXPECT_FALSE(user::PostMessageA(formHwnd_, 0x0400, 1, 2)); // nobody takes them
    std::vector<user::UINT> seen;
    system_.SetMessageHandler([&](user::HWND hwnd, user::UINT message, user::WPARAM, user::LPARAM) {
        EXPECT_EQ(hwnd, formHwnd_);
        seen.push_back(message);
    });
    ASSERT_TRUE(user::PostMessageA(formHwnd_, 0x0400, 1, 2));
    EXPECT_TRUE(seen.empty());
    DeliverPostedEvents();
    EXPECT_EQ(seen, std::vector<user::UINT>{0x0400});
}

TEST_F(WindowFunctions, ScreenSizeComesFromThePrimaryScreenAtFifteenTwipsPerPixel) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(user::GetSystemMetrics(user::SM_CXSCREEN), screen.width());
    EXPECT_EQ(user::GetSystemMetrics(user::SM_CYSCREEN), screen.height());
    EXPECT_EQ(user::TwipsPerPixelX(), 15);
    EXPECT_EQ(user::TwipsPerPixelY(), 15);
}

TEST_F(WindowFunctions, CaptureIsTheWidgetThatGrabsTheMouse) {
    QWidget* child = AddChild(QRect(0, 0, 10, 10));
    const user::HWND hwnd = system_.Register(child);
    EXPECT_EQ(user::SetCapture(hwnd), 0u);
    EXPECT_EQ(user::GetCapture(), hwnd);
    EXPECT_EQ(user::SetCapture(formHwnd_), hwnd); // the previous capture
    EXPECT_TRUE(user::ReleaseCapture());
    EXPECT_EQ(user::GetCapture(), 0u);
}

TEST_F(WindowFunctions, TheCursorIsWhereTheEventBeingDeliveredHappened) {
    QCursor::setPos(QPoint(7, 9));
    user::POINT point{};
    ASSERT_TRUE(user::GetCursorPos(&point));
    const QPoint pointer = QCursor::pos();
    EXPECT_EQ(point.x, pointer.x());
    {
        const QtWindowSystem::EventPosition during(system_, QPoint(300, 400));
        ASSERT_TRUE(user::GetCursorPos(&point));
        EXPECT_EQ(point.x, 300);
        EXPECT_EQ(point.y, 400);
    }
    ASSERT_TRUE(user::GetCursorPos(&point));
    EXPECT_EQ(point.x, pointer.x());
}

TEST_F(WindowFunctions, GetDcDrawsOnThePixelsTheWidgetShows) {
    QWidget* child = AddChild(QRect(0, 0, 8, 6));
    const user::HWND hwnd = system_.Register(child);
    const gdi::HDC dc = user::GetDC(hwnd);
    ASSERT_NE(dc, 0u);
    EXPECT_EQ(user::GetDC(hwnd), dc); // one DC per window, shared
    gdi::SetPixel(dc, 3, 2, gdi::RGB(10, 20, 30));
    const QImage image = system_.SurfaceImage(hwnd);
    ASSERT_EQ(image.size(), QSize(8, 6));
    EXPECT_EQ(image.pixel(3, 2), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255)); // a new surface is white
    EXPECT_EQ(user::ReleaseDC(hwnd, dc), 1);
    EXPECT_EQ(user::ReleaseDC(hwnd, dc), 1);
    EXPECT_EQ(user::ReleaseDC(hwnd, dc), 0); // released by every holder
}

} // namespace
} // namespace qtplatform::testing
