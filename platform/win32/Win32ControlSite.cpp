#include "platform/win32/Win32ControlSite.h"

#include "platform/win32/MouseCursors.h"
#include "platform/win32/Native.h"

#include <cctype>
#include <initializer_list>
#include <utility>

namespace win32platform {
namespace {

constexpr wchar_t kSiteClass[] = L"DunmoraControlSite";
constexpr int kLargestWindowSide = 32767; // pixels; window coordinates are 16-bit

LRESULT CALLBACK SiteProcedure(::HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* site = reinterpret_cast<Win32ControlSite*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (site == nullptr)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return site->HandleMessage(FromNative(hwnd), message, wParam, lParam);
}

void RegisterSiteClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_DBLCLKS; // the control hears double clicks
        windowClass.lpfnWndProc = SiteProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kSiteClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

// Client coordinates of a mouse message, signed (a captured mouse may be left of or above the window).
int MessageX(LPARAM lParam) {
    return static_cast<short>(LOWORD(lParam));
}
int MessageY(LPARAM lParam) {
    return static_cast<short>(HIWORD(lParam));
}

// The container's bits of the conditions that hold.
std::int16_t BitsThatHold(std::initializer_list<std::pair<bool, std::int16_t>> conditions) {
    std::int16_t bits = 0;
    for (const auto& [holds, bit] : conditions)
        if (holds)
            bits |= bit;
    return bits;
}

std::int16_t ShiftFromKeyboard() {
    return BitsThatHold({{GetKeyState(VK_SHIFT) < 0, container::kShiftMask},
                         {GetKeyState(VK_CONTROL) < 0, container::kCtrlMask},
                         {GetKeyState(VK_MENU) < 0, container::kAltMask}});
}

// Shift and Ctrl as the mouse message carries them; Alt from the keyboard.
std::int16_t ShiftFromMouse(WPARAM wParam) {
    return BitsThatHold({{(wParam & MK_SHIFT) != 0, container::kShiftMask},
                         {(wParam & MK_CONTROL) != 0, container::kCtrlMask},
                         {GetKeyState(VK_MENU) < 0, container::kAltMask}});
}

std::int16_t ButtonsFromMouse(WPARAM wParam) {
    return BitsThatHold({{(wParam & MK_LBUTTON) != 0, container::kLeftButton},
                         {(wParam & MK_RBUTTON) != 0, container::kRightButton},
                         {(wParam & MK_MBUTTON) != 0, container::kMiddleButton}});
}

} // namespace

Win32ControlSite::Win32ControlSite(Win32Form& form, std::string displayName, int x, int y, int width,
                                   int height)
    : CommonSite(form.System(), std::move(displayName), form.Font(), kLargestWindowSide), form_(form),
      system_(form.System()) {
    RegisterSiteClass();
    controlId_ = form_.Join(this);
    const ::HWND window = CreateWindowExW(
        0, kSiteClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, x, y, width, height,
        ToNative(form.HWnd()), reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId_)),
        GetModuleHandleW(nullptr), this);
    hwnd_ = FromNative(window);
    system_.Register(hwnd_);
    hdc_ = system_.GetDC(hwnd_);
    form_.AddSite(this);
}

Win32ControlSite::~Win32ControlSite() {
    *alive_ = false;
    form_.RemoveSite(this);
    form_.Leave(this);
    if (hwnd_ != 0 && IsWindow(ToNative(hwnd_))) {
        SetWindowLongPtrW(ToNative(hwnd_), GWLP_USERDATA, 0);
        OnWindowDestroyed();
        DestroyWindow(ToNative(hwnd_));
    }
    if (ownsCursor_)
        DestroyCursor(static_cast<HCURSOR>(cursor_));
}

void Win32ControlSite::OnWindowDestroyed() {
    system_.ReleaseDC(hwnd_, hdc_);
    hdc_ = 0;
    system_.Unregister(hwnd_);
}

void Win32ControlSite::SetPropertyChangedHandler(std::function<void(std::string_view)> handler) {
    propertyChanged_ = std::move(handler);
}

void Win32ControlSite::PropertyChanged(std::string_view key) {
    if (propertyChanged_)
        propertyChanged_(key);
}

// ---- Geometry and drawing ----

float Win32ControlSite::ScaleWidth() const {
    const user::WindowSurface* surface = system_.Surface(hwnd_);
    return surface != nullptr ? static_cast<float>(surface->Width()) : 0.0f;
}

float Win32ControlSite::ScaleHeight() const {
    const user::WindowSurface* surface = system_.Surface(hwnd_);
    return surface != nullptr ? static_cast<float>(surface->Height()) : 0.0f;
}

// By the density of the form's window, which may differ from the primary
// screen's and changes when the window moves to another screen.
double Win32ControlSite::TwipsPerPixelX() const {
    return 1440.0 / form_.Dpi();
}

double Win32ControlSite::TwipsPerPixelY() const {
    return 1440.0 / form_.Dpi();
}

void Win32ControlSite::ResizeWindow(int width, int height) {
    // The window hears WM_SIZE inside the call, and the control Resize with it.
    SetWindowPos(ToNative(hwnd_), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32ControlSite::Refresh() {
    if (inPaint_)
        return; // WM_PAINT shows the surface when the control is done
    const ::HWND window = ToNative(hwnd_);
    const ::HDC dc = ::GetDC(window);
    if (dc == nullptr)
        return;
    system_.Present(hwnd_, dc);
    ::ReleaseDC(window, dc);
    ValidateRect(window, nullptr);
}

std::intptr_t Win32ControlSite::OnPaint() {
    const ::HWND window = ToNative(hwnd_);
    PAINTSTRUCT paint{};
    const ::HDC dc = BeginPaint(window, &paint);
    const std::shared_ptr<bool> alive = alive_;
    if (Control() != nullptr) {
        inPaint_ = true;
        Control()->Paint();
        if (!*alive)
            return 0;
        inPaint_ = false;
    }
    system_.Present(hwnd_, dc);
    EndPaint(window, &paint);
    return 0;
}

bool Win32ControlSite::IsOverControl(int x, int y) const {
    const ::HWND window = ToNative(hwnd_);
    ::RECT client{};
    if (!::GetClientRect(window, &client) || x < client.left || y < client.top || x >= client.right ||
        y >= client.bottom)
        return false;
    const ::HRGN region = CreateRectRgn(0, 0, 0, 0);
    // Without a region the whole window counts; the site's window has no frame,
    // so window and client coordinates agree.
    const bool inside = ::GetWindowRgn(window, region) == 0 || PtInRegion(region, x, y);
    DeleteObject(region);
    return inside;
}

// ---- Kept values acting on the window ----

bool Win32ControlSite::SetEnabled(bool enabled) {
    // A disabled window takes no input, as on Windows; the control draws the greyed look itself.
    CommonSite::SetEnabled(enabled);
    EnableWindow(ToNative(hwnd_), enabled ? TRUE : FALSE);
    return true;
}

bool Win32ControlSite::SetMousePointer(std::int16_t pointer) {
    if (!CommonSite::SetMousePointer(pointer))
        return false;
    UpdateCursor();
    return true;
}

bool Win32ControlSite::SetMouseIcon(const picture::PicturePtr& icon) {
    if (!CommonSite::SetMouseIcon(icon))
        return false;
    UpdateCursor();
    return true;
}

void Win32ControlSite::UpdateCursor() {
    if (ownsCursor_)
        DestroyCursor(static_cast<HCURSOR>(cursor_));
    ownsCursor_ = false;
    cursor_ = nullptr;
    if (MousePointer() == container::kMousePointerCustom) {
        if (const picture::PicturePtr icon = MouseIcon()) {
            cursor_ = CursorFromIcon(*icon);
            ownsCursor_ = cursor_ != nullptr;
        }
        return;
    }
    cursor_ = SystemCursorForPointer(MousePointer());
}

void Win32ControlSite::InformationMessage(std::string_view text) {
    MessageBoxW(ToNative(form_.HWnd()), Utf16(text).c_str(), Utf16(form_.Title()).c_str(),
                MB_OK | MB_ICONINFORMATION);
}

// ---- Messages as notices ----

std::intptr_t Win32ControlSite::Default(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    return DefWindowProcW(ToNative(hwnd_), message, wParam, lParam);
}

std::intptr_t Win32ControlSite::HandleMessage(user::HWND window, unsigned message, std::uintptr_t wParam,
                                       std::intptr_t lParam) {
    if (hwnd_ == 0)
        hwnd_ = window;
    switch (message) {
    case WM_PAINT:
        return OnPaint();
    case WM_ERASEBKGND:
        return 1; // the surface covers every pixel
    case WM_SIZE:
        system_.FitSurface(hwnd_); // before the control hears of it
        if (Control() != nullptr)
            Control()->Resize();
        return 0;
    case WM_LBUTTONDOWN:
        return OnButtonDown(container::kLeftButton, wParam, lParam);
    case WM_RBUTTONDOWN:
        return OnButtonDown(container::kRightButton, wParam, lParam);
    case WM_MBUTTONDOWN:
        return OnButtonDown(container::kMiddleButton, wParam, lParam);
    case WM_LBUTTONUP:
        return OnButtonUp(container::kLeftButton, wParam, lParam);
    case WM_RBUTTONUP:
        return OnButtonUp(container::kRightButton, wParam, lParam);
    case WM_MBUTTONUP:
        return OnButtonUp(container::kMiddleButton, wParam, lParam);
    case WM_LBUTTONDBLCLK:
        return OnDoubleClick(wParam, lParam);
    case WM_RBUTTONDBLCLK:
        return OnButtonDown(container::kRightButton, wParam, lParam); // a second press, as the form run-time
    case WM_MBUTTONDBLCLK:
        return OnButtonDown(container::kMiddleButton, wParam, lParam);
    case WM_MOUSEMOVE:
        return OnMouseMove(wParam, lParam);
    case WM_CAPTURECHANGED:
        buttonsHeld_ = 0; // whoever took it, the releases go there now
        return 0;
    case WM_KEYDOWN:
        return OnKeyDown(wParam, lParam);
    case WM_KEYUP:
        return OnKeyUp(wParam);
    case WM_CHAR:
        return OnChar(wParam);
    case WM_SYSCHAR:
        if (form_.PressAccessKey(static_cast<char>(wParam & 0xFF)))
            return 0;
        return Default(message, wParam, lParam);
    case WM_GETDLGCODE: {
        // Arrows move within option groups and characters type; Enter is the
        // button's own while it shows as the default.
        LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
        const auto* pending = reinterpret_cast<const MSG*>(lParam);
        if (pending != nullptr && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN &&
            AmbientDisplayAsDefault())
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    case WM_SETFOCUS:
        return OnSetFocus();
    case WM_KILLFOCUS:
        return OnKillFocus(wParam);
    case WM_ENABLE:
        if (wParam != 0 && lostFocusByDisable_) {
            lostFocusByDisable_ = false;
            // Back to the button whose own command took the focus away, unless
            // the user has put it somewhere else since.
            if (FromNative(GetFocus()) == focusTakenBy_ && IsWindowVisible(ToNative(hwnd_)))
                SetFocus(ToNative(hwnd_));
        }
        return 0;
    case WM_TIMER:
        if (system_.RunTimer(hwnd_, wParam, GetTickCount()))
            return 0;
        return Default(message, wParam, lParam);
    case WM_SETCURSOR:
        if (reinterpret_cast<::HWND>(wParam) == ToNative(hwnd_) && LOWORD(lParam) == HTCLIENT &&
            cursor_ != nullptr) {
            SetCursor(static_cast<HCURSOR>(cursor_));
            return TRUE;
        }
        return Default(message, wParam, lParam);
    case WM_NCDESTROY:
        // The form went first and took this window with it.
        OnWindowDestroyed();
        SetWindowLongPtrW(ToNative(hwnd_), GWLP_USERDATA, 0);
        return Default(message, wParam, lParam);
    default:
        return Default(message, wParam, lParam);
    }
}

std::intptr_t Win32ControlSite::OnButtonDown(std::int16_t button, std::uintptr_t wParam, std::intptr_t lParam) {
    const ::HWND window = ToNative(hwnd_);
    const std::shared_ptr<bool> alive = alive_;
    if (button == container::kLeftButton && GetFocus() != window) {
        SetFocus(window); // a click gives a button the focus, as Tab does
        if (!*alive)
            return 0;
    }
    // Every release reaches the button that saw the press, also outside it.
    if (::GetCapture() != window)
        ::SetCapture(window);
    buttonsHeld_ |= button;
    if (Control() == nullptr)
        return 0;
    const int x = MessageX(lParam);
    const int y = MessageY(lParam);
    user::POINT screen{x, y};
    system_.ClientToScreen(hwnd_, &screen);
    const Win32WindowSystem::EventPosition position(system_, screen);
    Control()->MouseDown(button, ShiftFromMouse(wParam), static_cast<float>(x), static_cast<float>(y));
    return 0;
}

std::intptr_t Win32ControlSite::OnButtonUp(std::int16_t button, std::uintptr_t wParam, std::intptr_t lParam) {
    const bool endsDoubleClick = button == container::kLeftButton && releaseEndsDoubleClick_;
    if (button == container::kLeftButton)
        releaseEndsDoubleClick_ = false;
    buttonsHeld_ = static_cast<std::int16_t>(buttonsHeld_ & ~button);
    const int x = MessageX(lParam);
    const int y = MessageY(lParam);
    const std::shared_ptr<bool> alive = alive_;
    if (Control() != nullptr) {
        user::POINT screen{x, y};
        system_.ClientToScreen(hwnd_, &screen);
        const Win32WindowSystem::EventPosition position(system_, screen);
        Control()->MouseUp(button, ShiftFromMouse(wParam), static_cast<float>(x), static_cast<float>(y));
        if (!*alive)
            return 0;
        if (Control() != nullptr && !endsDoubleClick && IsOverControl(x, y))
            Control()->Click();
        if (!*alive)
            return 0;
    }
    if (buttonsHeld_ == 0 && ::GetCapture() == ToNative(hwnd_))
        ::ReleaseCapture();
    return 0;
}

std::intptr_t Win32ControlSite::OnDoubleClick(std::uintptr_t /*wParam*/, std::intptr_t lParam) {
    // Windows sends this in place of the second press.
    if (::GetCapture() != ToNative(hwnd_))
        ::SetCapture(ToNative(hwnd_));
    buttonsHeld_ |= container::kLeftButton;
    releaseEndsDoubleClick_ = true;
    if (Control() == nullptr)
        return 0;
    user::POINT screen{MessageX(lParam), MessageY(lParam)};
    system_.ClientToScreen(hwnd_, &screen);
    const Win32WindowSystem::EventPosition position(system_, screen);
    Control()->DblClick();
    return 0;
}

std::intptr_t Win32ControlSite::OnMouseMove(std::uintptr_t wParam, std::intptr_t lParam) {
    if (Control() == nullptr)
        return 0;
    const int x = MessageX(lParam);
    const int y = MessageY(lParam);
    user::POINT screen{x, y};
    system_.ClientToScreen(hwnd_, &screen);
    const Win32WindowSystem::EventPosition position(system_, screen);
    Control()->MouseMove(ButtonsFromMouse(wParam), ShiftFromMouse(wParam), static_cast<float>(x),
                         static_cast<float>(y));
    return 0;
}

std::intptr_t Win32ControlSite::OnKeyDown(std::uintptr_t wParam, std::intptr_t lParam) {
    if (Control() == nullptr)
        return 0;
    const std::int16_t shift = ShiftFromKeyboard();
    if (wParam == VK_RETURN && AmbientDisplayAsDefault() && (shift & container::kAltMask) == 0) {
        // The form's default button takes Enter as its access key 13.
        enterTaken_ = true;
        const bool repeated = (lParam & (1 << 30)) != 0;
        if (!repeated)
            Control()->AccessKeyPress(13);
        return 0;
    }
    auto keyCode = static_cast<std::int16_t>(wParam);
    Control()->KeyDown(keyCode, shift);
    return 0;
}

std::intptr_t Win32ControlSite::OnKeyUp(std::uintptr_t wParam) {
    if (Control() == nullptr)
        return 0;
    if (wParam == VK_RETURN && AmbientDisplayAsDefault())
        return 0; // pressed the button already
    auto keyCode = static_cast<std::int16_t>(wParam);
    Control()->KeyUp(keyCode, ShiftFromKeyboard());
    return 0;
}

std::intptr_t Win32ControlSite::OnChar(std::uintptr_t wParam) {
    if (wParam == L'\r' && enterTaken_) {
        enterTaken_ = false;
        return 0;
    }
    if (Control() == nullptr || wParam == 0 || wParam >= 0x80)
        return 0; // the key character of an ANSI key only
    auto keyAscii = static_cast<std::int16_t>(wParam);
    Control()->KeyPress(keyAscii);
    return 0;
}

std::intptr_t Win32ControlSite::OnSetFocus() {
    lostFocusByDisable_ = false;
    const std::shared_ptr<bool> alive = alive_;
    if (Control() != nullptr)
        Control()->GotFocus();
    // A button with the focus is the form's default button: it draws its focus and default look.
    if (*alive && Control() != nullptr)
        form_.SiteFocused(this);
    return 0;
}

std::intptr_t Win32ControlSite::OnKillFocus(std::uintptr_t newFocus) {
    const user::HWND next = FromNative(reinterpret_cast<::HWND>(newFocus));
    if (!IsWindowEnabled(ToNative(hwnd_))) {
        // Disabled while it had the focus: remember where the focus went.
        lostFocusByDisable_ = true;
        focusTakenBy_ = next;
    }
    form_.SiteLostFocus(this, next);
    return 0;
}

} // namespace win32platform
