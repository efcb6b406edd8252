// The window tree over Qt widgets: registration, geometry, hit testing,
// capture, the cursor, posted key messages and region masks. Surfaces and
// timers live in their own files; named properties, DCs and the keeping of
// regions are RecordedWindowBackend's.
#include "platform/qt/QtWindowSystem.h"

#include "platform/qt/InputCodes.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRegion>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <vector>

namespace qtplatform {
namespace {

// The rectangles of a drawing-layer region as a Qt region in the widget's
// pixels; at a ratio above 1 each rectangle grows to whole widget pixels, so
// the mask never cuts into what the control drew.
QRegion ToQRegion(gdi::HRGN region, double ratio) {
    const gdi::DWORD size = gdi::GetRegionData(region, 0, nullptr);
    if (size == 0)
        return {};
    std::vector<char> buffer(size);
    auto* data = reinterpret_cast<gdi::RGNDATA*>(buffer.data());
    if (gdi::GetRegionData(region, size, data) == 0)
        return {};
    QRegion result;
    const auto* rects = reinterpret_cast<const gdi::RECT*>(data->Buffer);
    for (gdi::DWORD i = 0; i < data->rdh.nCount; ++i) {
        const gdi::RECT& r = rects[i];
        if (ratio == 1.0) {
            result += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
            continue;
        }
        const int left = static_cast<int>(std::floor(r.left / ratio));
        const int top = static_cast<int>(std::floor(r.top / ratio));
        const int right = static_cast<int>(std::ceil(r.right / ratio));
        const int bottom = static_cast<int>(std::ceil(r.bottom / ratio));
        result += QRect(left, top, right - left, bottom - top);
    }
    return result;
}

} // namespace

QtWindowSystem::QtWindowSystem(QObject* parent) : QObject(parent), RecordedWindowBackend(0x10) {}

QtWindowSystem::~QtWindowSystem() {
    for (auto& [key, timer] : timers_)
        killTimer(timer.qtTimerId);
    for (const auto& [hwnd, record] : AllRecords()) {
        if (const auto& widget = static_cast<const Window&>(*record).widget)
            widget->removeEventFilter(this);
    }
    if (user::GetBackend() == this)
        user::SetBackend(nullptr);
}

QtWindowSystem::Window* QtWindowSystem::Find(user::HWND hwnd) {
    return static_cast<Window*>(FindRecord(hwnd)); // every record here is a Window
}

const QtWindowSystem::Window* QtWindowSystem::Find(user::HWND hwnd) const {
    return static_cast<const Window*>(FindRecord(hwnd));
}

bool QtWindowSystem::IsAlive(const user::WindowRecord& window) const {
    return !static_cast<const Window&>(window).widget.isNull();
}

// ---- Windows ----

user::HWND QtWindowSystem::Register(QWidget* widget) {
    if (widget == nullptr)
        return 0;
    if (const user::HWND known = HandleOf(widget); known != 0)
        return known;
    auto window = std::make_unique<Window>();
    window->widget = widget;
    FitSurface(*window);
    const user::HWND hwnd = AddRecord(std::move(window));
    handles_[widget] = hwnd;
    widget->installEventFilter(this);
    connect(widget, &QObject::destroyed, this, [this, hwnd] { Forget(hwnd); });
    return hwnd;
}

void QtWindowSystem::Forget(user::HWND hwnd) {
    // The widget is gone already, so Find no longer sees this window.
    for (auto timer = timers_.begin(); timer != timers_.end();) {
        if (timer->first.first == hwnd) {
            auto next = std::next(timer);
            StopTimer(timer);
            timer = next;
        } else {
            ++timer;
        }
    }
    std::erase_if(handles_, [hwnd](const auto& entry) { return entry.second == hwnd; });
    EraseRecord(hwnd); // with its region, properties, surface and DC
}

QWidget* QtWindowSystem::Widget(user::HWND hwnd) const {
    const Window* window = Find(hwnd);
    return window == nullptr ? nullptr : window->widget.data();
}

user::HWND QtWindowSystem::HandleOf(const QWidget* widget) const {
    auto found = handles_.find(widget);
    return found == handles_.end() || Find(found->second) == nullptr ? 0 : found->second;
}

bool QtWindowSystem::eventFilter(QObject* watched, QEvent* event) {
    // The surface follows the widget's size before the widget itself hears of it,
    // so a control that rebuilds itself on resize finds the new size ready.
    if (event->type() == QEvent::Resize) {
        if (Window* window = Find(HandleOf(qobject_cast<QWidget*>(watched))))
            FitSurface(*window);
    }
    return QObject::eventFilter(watched, event);
}

void QtWindowSystem::FitSurface(Window& window) {
    const auto device = [&window](int size) { return static_cast<int>(std::lround(size * window.ratio)); };
    window.surface.Resize(device(window.widget->width()), device(window.widget->height()));
}

void QtWindowSystem::SetDevicePixelRatio(user::HWND hwnd, double ratio) {
    Window* window = Find(hwnd);
    if (window == nullptr || !(ratio > 0) || ratio == window->ratio)
        return;
    window->ratio = ratio;
    FitSurface(*window);
}

double QtWindowSystem::DevicePixelRatio(user::HWND hwnd) const {
    const Window* window = Find(hwnd);
    return window == nullptr ? 1.0 : window->ratio;
}

user::BOOL QtWindowSystem::IsWindow(user::HWND hwnd) {
    return Find(hwnd) != nullptr;
}

user::HWND QtWindowSystem::GetParent(user::HWND hwnd) {
    const QWidget* widget = Widget(hwnd);
    if (widget == nullptr || widget->isWindow())
        return 0;
    // The nearest registered ancestor: widgets in between are layout, not windows.
    for (const QWidget* parent = widget->parentWidget(); parent != nullptr; parent = parent->parentWidget()) {
        if (const user::HWND handle = HandleOf(parent); handle != 0)
            return handle;
    }
    return 0;
}

// ---- Geometry ----

user::POINT QtWindowSystem::ClientOrigin(const user::WindowRecord& record) const {
    const QPoint origin = static_cast<const Window&>(record).widget->mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y()};
}

user::RECT QtWindowSystem::ClientArea(const user::WindowRecord& record) const {
    // In the widget's pixels, as the window rectangle MoveWindow takes.
    const QWidget* widget = static_cast<const Window&>(record).widget;
    return {0, 0, widget->width(), widget->height()};
}

user::BOOL QtWindowSystem::MoveWindow(user::HWND hwnd, int x, int y, int width, int height,
                                      user::BOOL repaint) {
    QWidget* widget = Widget(hwnd);
    if (widget == nullptr)
        return 0;
    // x and y are in the client area of the window's parent window; a widget
    // may sit in layout widgets between the two.
    QPoint position(x, y);
    QWidget* parent = widget->parentWidget();
    if (QWidget* parentWindow = Widget(GetParent(hwnd)); parentWindow != nullptr && parent != nullptr)
        position = parent->mapFrom(parentWindow, position);
    widget->setGeometry(position.x(), position.y(), std::max(width, 0), std::max(height, 0));
    if (repaint)
        widget->update();
    return 1;
}

int QtWindowSystem::GetSystemMetrics(int index) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return 0;
    if (index == user::SM_CXSCREEN)
        return screen->geometry().width();
    if (index == user::SM_CYSCREEN)
        return screen->geometry().height();
    return 0;
}

user::BOOL QtWindowSystem::ScreenToClient(user::HWND hwnd, user::POINT* point) {
    // A window drawn at device pixels has its client coordinates in them.
    if (!RecordedWindowBackend::ScreenToClient(hwnd, point))
        return 0;
    const double ratio = DevicePixelRatio(hwnd);
    point->x = static_cast<int>(std::floor(point->x * ratio));
    point->y = static_cast<int>(std::floor(point->y * ratio));
    return 1;
}

user::BOOL QtWindowSystem::ClientToScreen(user::HWND hwnd, user::POINT* point) {
    const double ratio = DevicePixelRatio(hwnd);
    if (point != nullptr && ratio != 1.0) {
        point->x = static_cast<int>(std::floor(point->x / ratio));
        point->y = static_cast<int>(std::floor(point->y / ratio));
    }
    return RecordedWindowBackend::ClientToScreen(hwnd, point);
}

// ---- Hit testing, cursor and capture ----

user::HWND QtWindowSystem::WindowFromPoint(user::POINT point) {
    // Qt's hit test honours visibility, stacking and masks; a widget that is
    // not a window here (a list's viewport) belongs to its nearest registered ancestor.
    for (const QWidget* widget = QApplication::widgetAt(QPoint(point.x, point.y)); widget != nullptr;
         widget = widget->parentWidget()) {
        if (const user::HWND hwnd = HandleOf(widget); hwnd != 0)
            return hwnd;
    }
    return 0;
}

QtWindowSystem::EventPosition::EventPosition(QtWindowSystem& system, QPoint globalPosition)
    : system_(system), previous_(system.eventPosition_) {
    system_.eventPosition_ = globalPosition;
}

QtWindowSystem::EventPosition::~EventPosition() {
    system_.eventPosition_ = previous_;
}

user::BOOL QtWindowSystem::GetCursorPos(user::POINT* point) {
    if (point == nullptr)
        return 0;
    const QPoint position = eventPosition_ ? *eventPosition_ : QCursor::pos();
    *point = {position.x(), position.y()};
    return 1;
}

user::HWND QtWindowSystem::SetCapture(user::HWND hwnd) {
    QWidget* widget = Widget(hwnd);
    if (widget == nullptr)
        return 0;
    const user::HWND previous = GetCapture();
    widget->grabMouse();
    return previous;
}

user::BOOL QtWindowSystem::ReleaseCapture() {
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    return 1;
}

user::HWND QtWindowSystem::GetCapture() {
    return HandleOf(QWidget::mouseGrabber());
}

// ---- Posted messages ----

user::BOOL QtWindowSystem::PostMessageA(user::HWND hwnd, user::UINT message, user::WPARAM wParam,
                                        user::LPARAM lParam) {
    if (hwnd != 0 && Find(hwnd) == nullptr)
        return 0;
    if (hwnd != 0 && (message == user::WM_KEYDOWN || message == user::WM_KEYUP)) {
        const int key = QtKeyFromVirtualKey(static_cast<int>(wParam));
        if (key == Qt::Key_unknown)
            return 0;
        const auto scanCode = static_cast<quint32>((lParam >> 16) & 0xFF);
        auto* event = new QKeyEvent(message == user::WM_KEYDOWN ? QEvent::KeyPress : QEvent::KeyRelease, key,
                                    Qt::NoModifier, scanCode, static_cast<quint32>(wParam), 0);
        QCoreApplication::postEvent(Widget(hwnd), event); // Qt takes the event
        return 1;
    }
    if (!messageHandler_)
        return 0;
    // Delivered from the event loop, like any posted message.
    QMetaObject::invokeMethod(
        this,
        [this, hwnd, message, wParam, lParam] {
            if (messageHandler_ && (hwnd == 0 || Find(hwnd) != nullptr))
                messageHandler_(hwnd, message, wParam, lParam);
        },
        Qt::QueuedConnection);
    return 1;
}

// ---- Window regions ----

void QtWindowSystem::RegionChanged(user::WindowRecord& record, user::BOOL redraw) {
    // Qt's mask clips the widget's painting and its hit test, as a window region does.
    auto& window = static_cast<Window&>(record);
    QWidget* widget = window.widget;
    if (record.region != 0)
        widget->setMask(ToQRegion(record.region, window.ratio));
    else
        widget->clearMask();
    if (redraw)
        widget->update();
}

} // namespace qtplatform
