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

#include "platform/window/WindowProperties.h"
#include "platform/window/WindowSurface.h"
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

class QtWindowSystem final : public QObject, public user::WindowBackend {
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

    // The window's pixels as an image (a copy), for painting the widget.
    QImage SurfaceImage(user::HWND hwnd) const;
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

    // ---- user::WindowBackend ----
    user::BOOL IsWindow(user::HWND hwnd) override;
    user::HWND GetParent(user::HWND hwnd) override;
    user::HWND SetCapture(user::HWND hwnd) override;
    user::BOOL ReleaseCapture() override;
    user::HWND GetCapture() override;
    user::BOOL GetCursorPos(user::POINT* point) override;
    user::HWND WindowFromPoint(user::POINT point) override;
    user::BOOL ScreenToClient(user::HWND hwnd, user::POINT* point) override;
    user::BOOL ClientToScreen(user::HWND hwnd, user::POINT* point) override;
    user::BOOL GetWindowRect(user::HWND hwnd, user::RECT* rect) override;
    user::BOOL GetClientRect(user::HWND hwnd, user::RECT* rect) override;
    user::BOOL MoveWindow(user::HWND hwnd, int x, int y, int width, int height, user::BOOL repaint) override;
    user::UINT_PTR SetTimer(user::HWND hwnd, user::UINT_PTR idEvent, user::UINT elapse,
                            user::TIMERPROC timerProc) override;
    user::BOOL KillTimer(user::HWND hwnd, user::UINT_PTR idEvent) override;
    user::BOOL SetPropA(user::HWND hwnd, const char* name, user::HANDLE data) override;
    user::HANDLE GetPropA(user::HWND hwnd, const char* name) override;
    user::HANDLE RemovePropA(user::HWND hwnd, const char* name) override;
    user::BOOL PostMessageA(user::HWND hwnd, user::UINT message, user::WPARAM wParam,
                            user::LPARAM lParam) override;
    int SetWindowRgn(user::HWND hwnd, user::HRGN region, user::BOOL redraw) override;
    int GetWindowRgn(user::HWND hwnd, user::HRGN region) override;
    user::HDC GetDC(user::HWND hwnd) override;
    int ReleaseDC(user::HWND hwnd, user::HDC hdc) override;
    int GetSystemMetrics(int index) override;
    int TwipsPerPixelX() override { return kTwipsPerPixel; }
    int TwipsPerPixelY() override { return kTwipsPerPixel; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    struct Window {
        QPointer<QWidget> widget;
        user::WindowSurface surface;
        gdi::HRGN region = 0; // owned; window coordinates
        user::WindowProperties properties;
    };
    struct Timer {
        int qtTimerId = 0;
        user::TIMERPROC proc = nullptr;
    };
    using TimerKey = std::pair<user::HWND, user::UINT_PTR>;

    Window* Find(user::HWND hwnd);
    const Window* Find(user::HWND hwnd) const;
    void Forget(user::HWND hwnd);
    void StopTimer(std::map<TimerKey, Timer>::iterator timer);

    std::map<user::HWND, std::unique_ptr<Window>> windows_;
    std::map<const QWidget*, user::HWND> handles_;
    user::HWND nextHandle_ = 0x10;
    std::map<TimerKey, Timer> timers_;
    std::map<int, TimerKey> timersByQtId_;
    user::UINT_PTR nextThreadTimerId_ = 0x7000;
    std::optional<QPoint> eventPosition_;
    MessageHandler messageHandler_;
};

} // namespace qtplatform
