// The window functions over Qt widgets. Each window handle names a QWidget
// that was registered here (the control's window, its form); the widget keeps
// its own geometry, visibility, stacking and mask, and this system keeps what
// Qt has no place for: the window's pixels (a 32-bit DIB section that the
// widget paints, and the memory DC that GetDC hands out), its region, its
// named properties and its timers.
//
// A widget that is destroyed drops out on its own: its handle turns invalid
// and its timers, properties and surface go with it. Handles are never reused.
#pragma once

#include "platform/window/RecordedWindowBackend.h"
#include "platform/window/TimerNames.h"
#include "platform/window/user.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class QImage;
class QWidget;

namespace qtplatform {

class QtWindowSystem final : public QObject, public user::RecordedWindowBackend {
  public:
    static constexpr int kTwipsPerPixel = 15;

    explicit QtWindowSystem(QObject* parent = nullptr);
    ~QtWindowSystem() override; // forgets every window; uninstalls itself if installed
    QtWindowSystem(const QtWindowSystem&) = delete;
    QtWindowSystem& operator=(const QtWindowSystem&) = delete;

    // ---- Windows ----
    // Gives widget a handle (the same one when asked again) and a surface of its size.
    user::HWND Register(QWidget* widget);
    QWidget* Widget(user::HWND hwnd) const;           // null for an unknown or destroyed window
    user::HWND HandleOf(const QWidget* widget) const; // 0 when not registered

    // The window's pixels as an image (a copy, carrying the window's device
    // pixel ratio), for painting the widget.
    QImage SurfaceImage(user::HWND hwnd) const;

    // A window that draws at device pixels: its surface, client area and
    // region count pixels of the screen, ratio of them to one of the widget's.
    // Every window starts at ratio 1.
    void SetDevicePixelRatio(user::HWND hwnd, double ratio);
    double DevicePixelRatio(user::HWND hwnd) const;
    const user::WindowSurface* Surface(user::HWND hwnd) const;

    // While a mouse event is being delivered, GetCursorPos reports where the
    // event happened (as Windows reports the message's position), not wherever
    // the pointer has gone since.
    class EventPosition {
      public:
        EventPosition(QtWindowSystem& system, QPoint globalPosition);
        ~EventPosition();
        EventPosition(const EventPosition&) = delete;
        EventPosition& operator=(const EventPosition&) = delete;

      private:
        QtWindowSystem& system_;
        std::optional<QPoint> previous_;
    };

    // Messages other than keys (and WM_TIMER of timers without callback) go to
    // this handler; without one, posting them fails.
    using MessageHandler = std::function<void(user::HWND, user::UINT, user::WPARAM, user::LPARAM)>;
    void SetMessageHandler(MessageHandler handler) { messageHandler_ = std::move(handler); }

    // ---- user::WindowBackend (coordinates, named properties, regions and DCs: RecordedWindowBackend) ----
    user::BOOL IsWindow(user::HWND hwnd) override;
    user::HWND GetParent(user::HWND hwnd) override;
    user::HWND SetCapture(user::HWND hwnd) override;
    user::BOOL ReleaseCapture() override;
    user::HWND GetCapture() override;
    user::BOOL GetCursorPos(user::POINT* point) override;
    user::HWND WindowFromPoint(user::POINT point) override;
    user::BOOL ScreenToClient(user::HWND hwnd, user::POINT* point) override;
    user::BOOL ClientToScreen(user::HWND hwnd, user::POINT* point) override;
    user::BOOL MoveWindow(user::HWND hwnd, int x, int y, int width, int height, user::BOOL repaint) override;
    user::UINT_PTR SetTimer(user::HWND hwnd, user::UINT_PTR idEvent, user::UINT elapse,
                            user::TIMERPROC timerProc) override;
    user::BOOL KillTimer(user::HWND hwnd, user::UINT_PTR idEvent) override;
    user::BOOL PostMessageA(user::HWND hwnd, user::UINT message, user::WPARAM wParam,
                            user::LPARAM lParam) override;
    int GetSystemMetrics(int index) override;
    int TwipsPerPixelX() override { return kTwipsPerPixel; }
    int TwipsPerPixelY() override { return kTwipsPerPixel; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    struct Window : user::WindowRecord {
        QPointer<QWidget> widget;
        double ratio = 1.0; // device pixels per pixel of the widget
    };
    static void FitSurface(Window& window); // the widget's size in device pixels
    struct Timer {
        int qtTimerId = 0;
        user::TIMERPROC proc = nullptr;
    };
    using TimerKey = user::TimerKey;

    Window* Find(user::HWND hwnd);
    const Window* Find(user::HWND hwnd) const;
    bool IsAlive(const user::WindowRecord& window) const override; // while its widget lives
    user::POINT ClientOrigin(const user::WindowRecord& window) const override;
    user::RECT ClientArea(const user::WindowRecord& window) const override;
    void RegionChanged(user::WindowRecord& window, user::BOOL redraw) override;
    void Forget(user::HWND hwnd);
    void StopTimer(std::map<TimerKey, Timer>::iterator timer);

    std::map<const QWidget*, user::HWND> handles_;
    std::map<TimerKey, Timer> timers_;
    std::map<int, TimerKey> timersByQtId_;
    user::TimerNames timerNames_;
    std::optional<QPoint> eventPosition_;
    MessageHandler messageHandler_;
};

} // namespace qtplatform
