// The window functions over user32. Windows keeps the tree, geometry,
// capture, cursor, named properties, posted messages and window regions
// itself; this system keeps what user32 has no place for:
//   - the pixels of each registered window (the control's window): a 32-bit
//     DIB section of its client size, whose memory DC GetDC hands out and
//     which the window shows with Present when it paints;
//   - our timer callbacks, which have another signature than user32's: a
//     native timer calls one trampoline that finds the callback by window and
//     identifier (RunTimer, which a window procedure also calls for WM_TIMER);
//   - while a mouse message is delivered, the position it happened at, which
//     GetCursorPos reports (as GetMessagePos would), so that a control asking
//     where the pointer is gets the answer of its own message.
// Regions travel as rectangle lists (GetRegionData), so the drawing layer's
// regions and user32's never share handles whichever layer draws.
//
// One system per process, on the user-interface thread: the timer trampoline
// reaches the system that was made last (and not yet destroyed).
#pragma once

#include "platform/window/WindowSurface.h"
#include "platform/window/user.h"

#include <map>
#include <memory>
#include <optional>
#include <utility>

namespace win32platform {

class Win32WindowSystem final : public user::WindowBackend {
  public:
    Win32WindowSystem();
    ~Win32WindowSystem() override; // kills its timers; uninstalls itself if installed
    Win32WindowSystem(const Win32WindowSystem&) = delete;
    Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

    // ---- Surfaces of registered windows ----
    // Gives a window a surface of its client size (the same one when asked again).
    void Register(user::HWND hwnd);
    void Unregister(user::HWND hwnd); // drops its surface and its timers' callbacks
    void FitSurface(user::HWND hwnd); // after the window's size changed
    const user::WindowSurface* Surface(user::HWND hwnd) const;
    // Copies the window's surface onto a native DC of the window (from
    // BeginPaint or GetDC), at the client area's origin.
    void Present(user::HWND hwnd, void* nativeDC) const;

    // ---- Timers ----
    // Runs the callback set for (hwnd, idEvent); false when there is none.
    bool RunTimer(user::HWND hwnd, user::UINT_PTR idEvent, user::DWORD time);
    bool HasTimer(user::HWND hwnd, user::UINT_PTR idEvent) const { return timers_.contains({hwnd, idEvent}); }

    // While a mouse message is being delivered, GetCursorPos reports its
    // position (screen coordinates) instead of wherever the pointer is now.
    class EventPosition {
      public:
        EventPosition(Win32WindowSystem& system, user::POINT screenPosition);
        ~EventPosition();
        EventPosition(const EventPosition&) = delete;
        EventPosition& operator=(const EventPosition&) = delete;

      private:
        Win32WindowSystem& system_;
        std::optional<user::POINT> previous_;
    };

    // ---- user::WindowBackend ----
    user::BOOL IsWindow(user::HWND hwnd) override;
    user::HWND GetParent(user::HWND hwnd) override; // 0 for a top-level window
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
    user::HDC GetDC(user::HWND hwnd) override; // a registered window's surface DC; 0 for others
    int ReleaseDC(user::HWND hwnd, user::HDC hdc) override;
    int GetSystemMetrics(int index) override;
    int TwipsPerPixelX() override;
    int TwipsPerPixelY() override;

  private:
    using TimerKey = std::pair<user::HWND, user::UINT_PTR>;

    std::map<user::HWND, std::unique_ptr<user::WindowSurface>> surfaces_;
    std::map<TimerKey, user::TIMERPROC> timers_;
    std::optional<user::POINT> eventPosition_;
};

} // namespace win32platform
