#include "platform/window/RecordedWindowBackend.h"

namespace user {

WindowRecord::~WindowRecord() {
    if (region != 0)
        gdi::DeleteObject(region);
}

HWND RecordedWindowBackend::AddRecord(std::unique_ptr<WindowRecord> record) {
    const HWND hwnd = nextHandle_++;
    record->handle = hwnd;
    records_.emplace(hwnd, std::move(record));
    return hwnd;
}

void RecordedWindowBackend::EraseRecord(HWND hwnd) {
    records_.erase(hwnd);
}

WindowRecord* RecordedWindowBackend::FindRecord(HWND hwnd) {
    auto found = records_.find(hwnd);
    return found == records_.end() || !IsAlive(*found->second) ? nullptr : found->second.get();
}

const WindowRecord* RecordedWindowBackend::FindRecord(HWND hwnd) const {
    auto found = records_.find(hwnd);
    return found == records_.end() || !IsAlive(*found->second) ? nullptr : found->second.get();
}

// ---- Coordinates ----

BOOL RecordedWindowBackend::ScreenToClient(HWND hwnd, POINT* point) {
    const WindowRecord* window = FindRecord(hwnd);
    if (window == nullptr || point == nullptr)
        return 0;
    const POINT origin = ClientOrigin(*window);
    point->x -= origin.x;
    point->y -= origin.y;
    return 1;
}

BOOL RecordedWindowBackend::ClientToScreen(HWND hwnd, POINT* point) {
    const WindowRecord* window = FindRecord(hwnd);
    if (window == nullptr || point == nullptr)
        return 0;
    const POINT origin = ClientOrigin(*window);
    point->x += origin.x;
    point->y += origin.y;
    return 1;
}

BOOL RecordedWindowBackend::GetWindowRect(HWND hwnd, RECT* rect) {
    const WindowRecord* window = FindRecord(hwnd);
    if (window == nullptr || rect == nullptr)
        return 0;
    const POINT origin = ClientOrigin(*window);
    const RECT area = ClientArea(*window);
    *rect = {origin.x, origin.y, origin.x + area.right, origin.y + area.bottom};
    return 1;
}

BOOL RecordedWindowBackend::GetClientRect(HWND hwnd, RECT* rect) {
    const WindowRecord* window = FindRecord(hwnd);
    if (window == nullptr || rect == nullptr)
        return 0;
    *rect = ClientArea(*window);
    return 1;
}

// ---- Named properties ----

BOOL RecordedWindowBackend::SetPropA(HWND hwnd, const char* name, HANDLE data) {
    WindowRecord* window = FindRecord(hwnd);
    if (window == nullptr || name == nullptr)
        return 0;
    window->properties.Set(name, data);
    return 1;
}

HANDLE RecordedWindowBackend::GetPropA(HWND hwnd, const char* name) {
    const WindowRecord* window = FindRecord(hwnd);
    return window == nullptr || name == nullptr ? 0 : window->properties.Get(name);
}

HANDLE RecordedWindowBackend::RemovePropA(HWND hwnd, const char* name) {
    WindowRecord* window = FindRecord(hwnd);
    return window == nullptr || name == nullptr ? 0 : window->properties.Remove(name);
}

// ---- Window regions ----

int RecordedWindowBackend::SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw) {
    WindowRecord* window = FindRecord(hwnd);
    if (window == nullptr)
        return 0;
    if (region != 0 && gdi::GetObjectType(region) != gdi::OBJ_REGION)
        return 0;
    // The window owns the region from now on, as on Windows; the old one goes.
    if (window->region != 0 && window->region != region)
        gdi::DeleteObject(window->region);
    window->region = region;
    RegionChanged(*window, redraw);
    return 1;
}

int RecordedWindowBackend::GetWindowRgn(HWND hwnd, HRGN region) {
    const WindowRecord* window = FindRecord(hwnd);
    if (window == nullptr || window->region == 0)
        return gdi::ERROR;
    return gdi::CombineRgn(region, window->region, 0, gdi::RGN_COPY);
}

// ---- Window DCs ----

HDC RecordedWindowBackend::GetDC(HWND hwnd) {
    if (hwnd == 0)
        return gdi::GetDC(0);
    WindowRecord* window = FindRecord(hwnd);
    return window == nullptr ? 0 : window->surface.AcquireDC();
}

int RecordedWindowBackend::ReleaseDC(HWND hwnd, HDC hdc) {
    if (hwnd == 0)
        return gdi::ReleaseDC(0, hdc);
    WindowRecord* window = FindRecord(hwnd);
    return window != nullptr && window->surface.ReleaseDC(hdc) ? 1 : 0;
}

} // namespace user
