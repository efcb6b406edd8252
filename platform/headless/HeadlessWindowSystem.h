// An in-memory window system for tests: a tree of windows with positions,
// sizes, stacking, regions, named properties and a pixel surface each; a
// virtual cursor the test moves; timers that run when the test advances a
// virtual clock; and a queue of posted messages the test reads.
//
// Install it with user::SetBackend (or user::ScopedBackend) so that the
// window functions of platform/window reach it.
#pragma once

#include "platform/gdi/gdi.h"
#include "platform/window/RecordedWindowBackend.h"
#include "platform/window/TimerNames.h"
#include "platform/window/user.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace headless {

struct PostedMessage {
    user::HWND hwnd;
    user::UINT message;
    user::WPARAM wParam;
    user::LPARAM lParam;
};

class HeadlessWindowSystem final : public user::RecordedWindowBackend {
  public:
    static constexpr gdi::COLORREF kNewSurfaceColor = gdi::RGB(255, 255, 255);
    static constexpr gdi::COLORREF kDesktopColor = gdi::RGB(0, 128, 128);

    explicit HeadlessWindowSystem(int screenWidth = 1280, int screenHeight = 1024, int twipsPerPixel = 15);
    ~HeadlessWindowSystem() override; // destroys every window; uninstalls itself if installed
    HeadlessWindowSystem(const HeadlessWindowSystem&) = delete;
    HeadlessWindowSystem& operator=(const HeadlessWindowSystem&) = delete;

    // ---- Window tree ----
    // A visible window on top of its siblings; parent 0 makes a top-level
    // window placed in screen coordinates. Its surface starts white.
    user::HWND CreateWindow(user::HWND parent, int x, int y, int width, int height);
    bool DestroyWindow(user::HWND hwnd); // with its children, timers, properties, region and DC
    bool ShowWindow(user::HWND hwnd, bool visible);
    bool IsWindowVisible(user::HWND hwnd) const;
    bool BringWindowToTop(user::HWND hwnd);                    // above its siblings
    std::vector<user::HWND> Children(user::HWND parent) const; // bottom to top; parent 0: top-level windows

    // Called after a window's size changed (by MoveWindow), so that a
    // container can send its control the Resize notice.
    using SizeHandler = std::function<void(user::HWND)>;
    void SetSizeHandler(user::HWND hwnd, SizeHandler handler);

    // A window is invalidated when created, moved with repaint or given a
    // region with redraw; the test (or a site) validates it after painting.
    bool IsInvalidated(user::HWND hwnd) const;
    void ValidateWindow(user::HWND hwnd);

    // ---- Virtual cursor ----
    void SetCursorPos(int x, int y); // screen coordinates

    // ---- Virtual clock and timers ----
    user::DWORD TickCount() const { return static_cast<user::DWORD>(now_); }
    // Moves the clock forward, running every timer that falls due on the way
    // in order of due time (equal times: in the order they were set). A
    // callback may set, kill or replace timers and destroy windows.
    void AdvanceClock(user::DWORD milliseconds);
    bool HasTimer(user::HWND hwnd, user::UINT_PTR idEvent) const;
    std::size_t TimerCount() const { return timers_.size(); }

    // ---- Posted messages ----
    const std::deque<PostedMessage>& PostedMessages() const { return posted_; }
    std::vector<PostedMessage> TakePostedMessages();

    // ---- What the screen shows ----
    // The surface pixel of the window visible at a screen point (regions,
    // stacking and clipping by parents honoured), or kDesktopColor.
    gdi::COLORREF ScreenPixel(int x, int y);

    // ---- user::WindowBackend (coordinates, named properties, regions and DCs: RecordedWindowBackend) ----
    user::BOOL IsWindow(user::HWND hwnd) override;
    user::HWND GetParent(user::HWND hwnd) override;
    user::HWND SetCapture(user::HWND hwnd) override;
    user::BOOL ReleaseCapture() override;
    user::HWND GetCapture() override;
    user::BOOL GetCursorPos(user::POINT* point) override;
    user::HWND WindowFromPoint(user::POINT point) override;
    user::BOOL MoveWindow(user::HWND hwnd, int x, int y, int width, int height, user::BOOL repaint) override;
    user::UINT_PTR SetTimer(user::HWND hwnd, user::UINT_PTR idEvent, user::UINT elapse,
                            user::TIMERPROC timerProc) override;
    user::BOOL KillTimer(user::HWND hwnd, user::UINT_PTR idEvent) override;
    user::BOOL PostMessageA(user::HWND hwnd, user::UINT message, user::WPARAM wParam,
                            user::LPARAM lParam) override;
    int GetSystemMetrics(int index) override;
    int TwipsPerPixelX() override { return twipsPerPixel_; }
    int TwipsPerPixelY() override { return twipsPerPixel_; }

  private:
    struct Window;
    user::POINT ClientOrigin(const user::WindowRecord& window) const override;
    user::RECT ClientArea(const user::WindowRecord& window) const override;
    void RegionChanged(user::WindowRecord& window, user::BOOL redraw) override;

    struct Timer {
        user::UINT period = 0;
        std::uint64_t due = 0;
        user::TIMERPROC proc = nullptr;
        std::uint64_t sequence = 0; // orders timers that fall due together
    };
    using TimerKey = user::TimerKey;

    Window* Find(user::HWND hwnd);
    const Window* Find(user::HWND hwnd) const;
    std::vector<user::HWND>& SiblingsOf(const Window& window);
    bool HitsWindow(const Window& window, user::POINT screenPoint) const;
    user::HWND DeepestWindowAt(const std::vector<user::HWND>& stack, user::POINT screenPoint) const;
    void ResizeSurface(Window& window, int width, int height);
    void DestroyTree(user::HWND hwnd);
    const TimerKey* NextDueTimer(std::uint64_t until) const;

    int screenWidth_;
    int screenHeight_;
    int twipsPerPixel_;
    std::vector<user::HWND> topLevel_; // bottom to top
    user::HWND capture_ = 0;
    user::POINT cursor_{0, 0};
    std::uint64_t now_ = 0; // ms; 64 bits so that due times never wrap
    std::uint64_t nextTimerSequence_ = 0;
    std::map<TimerKey, Timer> timers_;
    user::TimerNames timerNames_;
    std::deque<PostedMessage> posted_;
};

} // namespace headless
