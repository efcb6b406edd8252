// Window functions the control calls, under their Windows names, argument
// orders and return conventions (namespace user, as in user32). They run over a
// pluggable back end: the headless window system in tests, Qt widgets in the
// program. With no back end installed every call fails the Windows way (the
// screen DC still comes from the drawing layer, and twips per pixel stay 15).
//
// Coordinates: screen pixels for top-level windows; a child's position is
// relative to its parent's client area. A window's region is in window
// coordinates (origin at its top-left corner). Everything runs on the one
// user-interface thread; nothing here locks.
#pragma once

#include "platform/gdi/gdi.h"

#include <cstdint>

namespace user {

using BOOL = gdi::BOOL;
using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using HANDLE = std::intptr_t; // value of a named window property; 0 = absent
using HWND = std::uint32_t;   // 0 = none
using HDC = gdi::HDC;
using HRGN = gdi::HRGN;
using POINT = gdi::POINT;
using RECT = gdi::RECT;

// Timer callback (TIMERPROC): window, WM_TIMER, timer identifier, tick count in ms.
using TIMERPROC = void (*)(HWND hwnd, UINT message, UINT_PTR idEvent, DWORD time);

constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_TIMER = 0x0113;

constexpr int VK_SPACE = 0x20;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;

// GetSystemMetrics indexes.
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;

// Timers shorter than this run at this period, as on Windows (USER_TIMER_MINIMUM).
constexpr UINT USER_TIMER_MINIMUM = 10;

// The services a window system provides. The free functions below forward
// to the installed back end; a back end implements exactly these.
class WindowBackend {
  public:
    virtual ~WindowBackend() = default;

    virtual BOOL IsWindow(HWND hwnd) = 0;
    virtual HWND GetParent(HWND hwnd) = 0;

    virtual HWND SetCapture(HWND hwnd) = 0; // returns the previous capture window
    virtual BOOL ReleaseCapture() = 0;
    virtual HWND GetCapture() = 0;
    virtual BOOL GetCursorPos(POINT* point) = 0; // screen coordinates
    virtual HWND WindowFromPoint(POINT point) = 0;

    virtual BOOL ScreenToClient(HWND hwnd, POINT* point) = 0;
    virtual BOOL ClientToScreen(HWND hwnd, POINT* point) = 0;
    virtual BOOL GetWindowRect(HWND hwnd, RECT* rect) = 0; // screen coordinates
    virtual BOOL GetClientRect(HWND hwnd, RECT* rect) = 0; // (0, 0, width, height)
    virtual BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) = 0;

    virtual UINT_PTR SetTimer(HWND hwnd, UINT_PTR idEvent, UINT elapse, TIMERPROC timerProc) = 0;
    virtual BOOL KillTimer(HWND hwnd, UINT_PTR idEvent) = 0;

    virtual BOOL SetPropA(HWND hwnd, const char* name, HANDLE data) = 0;
    virtual HANDLE GetPropA(HWND hwnd, const char* name) = 0;
    virtual HANDLE RemovePropA(HWND hwnd, const char* name) = 0;

    virtual BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) = 0;

    virtual int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw) = 0;
    virtual int GetWindowRgn(HWND hwnd, HRGN region) = 0;

    virtual HDC GetDC(HWND hwnd) = 0;
    virtual int ReleaseDC(HWND hwnd, HDC hdc) = 0;

    virtual int GetSystemMetrics(int index) = 0;
    virtual int TwipsPerPixelX() = 0;
    virtual int TwipsPerPixelY() = 0;
};

// Installs a back end (nullptr uninstalls) and returns the one it replaces.
// The caller keeps ownership; the back end must outlive its installation.
WindowBackend* SetBackend(WindowBackend* backend);
WindowBackend* GetBackend();

// Installs a back end for the lifetime of a scope and restores the previous one.
class ScopedBackend {
  public:
    explicit ScopedBackend(WindowBackend* backend) : previous_(SetBackend(backend)) {}
    ~ScopedBackend() { SetBackend(previous_); }
    ScopedBackend(const ScopedBackend&) = delete;
    ScopedBackend& operator=(const ScopedBackend&) = delete;

  private:
    WindowBackend* previous_;
};

BOOL IsWindow(HWND hwnd);
HWND GetParent(HWND hwnd);

HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
BOOL GetCursorPos(POINT* point);
HWND WindowFromPoint(POINT point); // honours window regions, visibility and stacking

BOOL ScreenToClient(HWND hwnd, POINT* point);
BOOL ClientToScreen(HWND hwnd, POINT* point);
BOOL GetWindowRect(HWND hwnd, RECT* rect);
BOOL GetClientRect(HWND hwnd, RECT* rect);
// x, y: in the parent's client coordinates (screen for a top-level window).
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);

// A timer bound to (hwnd, idEvent); setting it again replaces it. With no
// callback the window is posted WM_TIMER instead. Returns 0 on failure.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR idEvent, UINT elapse, TIMERPROC timerProc);
BOOL KillTimer(HWND hwnd, UINT_PTR idEvent);

// Named values per window; an absent name reads 0. RemovePropA returns the value removed.
BOOL SetPropA(HWND hwnd, const char* name, HANDLE data);
HANDLE GetPropA(HWND hwnd, const char* name);
HANDLE RemovePropA(HWND hwnd, const char* name);

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The window takes ownership of region (and deletes the one it replaces);
// region 0 removes the window's region. Returns nonzero on success.
int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw);
// Copies the window's region into region (which the caller owns); returns the
// region type, or ERROR when the window has no region.
int GetWindowRgn(HWND hwnd, HRGN region);

// A device context that draws on the window; release it with ReleaseDC.
// hwnd 0 gives the screen DC of the drawing layer.
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC hdc);

int GetSystemMetrics(int index); // SM_CXSCREEN, SM_CYSCREEN
int TwipsPerPixelX();
int TwipsPerPixelY();

} // namespace user
