#include "app/win32/IndicatorCircle.h"

#include <algorithm>

namespace app::win32host {
namespace {

constexpr wchar_t kIndicatorClass[] = L"DunmoraIndicator";
constexpr COLORREF kBorder = RGB(255, 0, 0);

LRESULT CALLBACK IndicatorProcedure(::HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    const auto* indicator = reinterpret_cast<const IndicatorCircle*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        const ::HDC dc = BeginPaint(hwnd, &paint);
        if (indicator != nullptr)
            indicator->Paint(dc);
        EndPaint(hwnd, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void RegisterIndicatorClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = IndicatorProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        // Around the circle the form's own face shows.
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kIndicatorClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

} // namespace

IndicatorCircle::IndicatorCircle(::HWND parent) {
    RegisterIndicatorClass();
    window_ = CreateWindowExW(0, kIndicatorClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, nullptr,
                              GetModuleHandleW(nullptr), this);
}

IndicatorCircle::~IndicatorCircle() {
    if (window_ != nullptr && IsWindow(window_)) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void IndicatorCircle::SetVisible(bool visible) {
    ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

void IndicatorCircle::SetFillColor(IndicatorColor color) {
    fill_ = RGB(color.red, color.green, color.blue);
    InvalidateRect(window_, nullptr, TRUE);
}

void IndicatorCircle::Paint(::HDC dc) const {
    RECT client{};
    GetClientRect(window_, &client);
    // The circle's box, right and bottom edges excluded, centred in the window.
    const int side = std::min(client.right, client.bottom);
    const int left = (client.right - side) / 2;
    const int top = (client.bottom - side) / 2;
    const HPEN pen = CreatePen(PS_SOLID, 1, kBorder);
    const HBRUSH brush = CreateSolidBrush(fill_);
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    const HGDIOBJ oldBrush = SelectObject(dc, brush);
    Ellipse(dc, left, top, left + side, top + side);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

} // namespace app::win32host
