// Forwards each window function to the installed back end; without one, each
// returns its Windows failure value.
#include "platform/window/user.h"

namespace user {
namespace {

WindowBackend* currentBackend = nullptr;

} // namespace

WindowBackend* SetBackend(WindowBackend* backend) {
    WindowBackend* previous = currentBackend;
    currentBackend = backend;
    return previous;
}

WindowBackend* GetBackend() {
    return currentBackend;
}

BOOL IsWindow(HWND hwnd) {
    return currentBackend ? currentBackend->IsWindow(hwnd) : 0;
}
HWND GetParent(HWND hwnd) {
    return currentBackend ? currentBackend->GetParent(hwnd) : 0;
}

HWND SetCapture(HWND hwnd) {
    return currentBackend ? currentBackend->SetCapture(hwnd) : 0;
}
BOOL ReleaseCapture() {
    return currentBackend ? currentBackend->ReleaseCapture() : 0;
}
HWND GetCapture() {
    return currentBackend ? currentBackend->GetCapture() : 0;
}
BOOL GetCursorPos(POINT* point) {
    return currentBackend ? currentBackend->GetCursorPos(point) : 0;
}
HWND WindowFromPoint(POINT point) {
    return currentBackend ? currentBackend->WindowFromPoint(point) : 0;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
    return currentBackend ? currentBackend->ScreenToClient(hwnd, point) : 0;
}
BOOL ClientToScreen(HWND hwnd, POINT* point) {
    return currentBackend ? currentBackend->ClientToScreen(hwnd, point) : 0;
}
BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    return currentBackend ? currentBackend->GetWindowRect(hwnd, rect) : 0;
}
BOOL GetClientRect(HWND hwnd, RECT* rect) {
    return currentBackend ? currentBackend->GetClientRect(hwnd, rect) : 0;
}
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return currentBackend ? currentBackend->MoveWindow(hwnd, x, y, width, height, repaint) : 0;
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR idEvent, UINT elapse, TIMERPROC timerProc) {
    return currentBackend ? currentBackend->SetTimer(hwnd, idEvent, elapse, timerProc) : 0;
}
BOOL KillTimer(HWND hwnd, UINT_PTR idEvent) {
    return currentBackend ? currentBackend->KillTimer(hwnd, idEvent) : 0;
}

BOOL SetPropA(HWND hwnd, const char* name, HANDLE data) {
    return currentBackend ? currentBackend->SetPropA(hwnd, name, data) : 0;
}
HANDLE GetPropA(HWND hwnd, const char* name) {
    return currentBackend ? currentBackend->GetPropA(hwnd, name) : 0;
}
HANDLE RemovePropA(HWND hwnd, const char* name) {
    return currentBackend ? currentBackend->RemovePropA(hwnd, name) : 0;
}

BOOL PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return currentBackend ? currentBackend->PostMessageA(hwnd, message, wParam, lParam) : 0;
}

int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw) {
    return currentBackend ? currentBackend->SetWindowRgn(hwnd, region, redraw) : 0;
}
int GetWindowRgn(HWND hwnd, HRGN region) {
    return currentBackend ? currentBackend->GetWindowRgn(hwnd, region) : gdi::ERROR;
}

HDC GetDC(HWND hwnd) {
    // The screen DC belongs to the drawing layer whatever the window system.
    if (hwnd == 0)
        return gdi::GetDC(0);
    return currentBackend ? currentBackend->GetDC(hwnd) : 0;
}
int ReleaseDC(HWND hwnd, HDC hdc) {
    if (hwnd == 0)
        return gdi::ReleaseDC(0, hdc);
    return currentBackend ? currentBackend->ReleaseDC(hwnd, hdc) : 0;
}

int GetSystemMetrics(int index) {
    return currentBackend ? currentBackend->GetSystemMetrics(index) : 0;
}
int TwipsPerPixelX() {
    return currentBackend ? currentBackend->TwipsPerPixelX() : 15;
}
int TwipsPerPixelY() {
    return currentBackend ? currentBackend->TwipsPerPixelY() : 15;
}

} // namespace user
