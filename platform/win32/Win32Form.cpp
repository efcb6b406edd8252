#include "platform/win32/Win32Form.h"

#include "platform/win32/Native.h"
#include "platform/win32/Win32ControlSite.h"

#include <algorithm>
#include <cctype>

namespace win32platform {
namespace {

constexpr wchar_t kFormClass[] = L"DunmoraForm";

LRESULT CALLBACK FormProcedure(::HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (form == nullptr)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return form->HandleMessage(FromNative(hwnd), message, wParam, lParam);
}

void RegisterFormClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = FormProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kFormClass;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

} // namespace

Win32Form::Win32Form(Win32WindowSystem& system, std::string title, int x, int y, int width, int height,
                     bool visible)
    : system_(system), title_(std::move(title)) {
    RegisterFormClass();
    // The window rectangle that gives the asked-for client area.
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    const DWORD extendedStyle = WS_EX_CONTROLPARENT; // Tab walks into the controls on it
    ::RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
    const ::HWND window = CreateWindowExW(extendedStyle, kFormClass, Utf16(title_).c_str(), style, x, y,
                                          frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                          GetModuleHandleW(nullptr), this);
    hwnd_ = FromNative(window);
    if (window != nullptr && GetDpiForWindow(window) != 0)
        dpi_ = static_cast<int>(GetDpiForWindow(window));
    if (visible)
        ShowWindow(window, SW_SHOWNORMAL);
}

Win32Form::~Win32Form() {
    if (hwnd_ != 0 && IsWindow(ToNative(hwnd_))) {
        SetWindowLongPtrW(ToNative(hwnd_), GWLP_USERDATA, 0);
        DestroyWindow(ToNative(hwnd_));
    }
}

// ---- Sites ----

int Win32Form::Join(Win32ControlSite* site) {
    sites_.push_back(site);
    return nextControlId_++;
}

void Win32Form::Leave(Win32ControlSite* site) {
    std::erase(sites_, site);
    if (defaultSite_ == site)
        defaultSite_ = nullptr;
}

Win32ControlSite* Win32Form::SiteOf(user::HWND hwnd) const {
    auto found = std::find_if(sites_.begin(), sites_.end(), [hwnd](auto* site) { return site->HWnd() == hwnd; });
    return found == sites_.end() ? nullptr : *found;
}

Win32ControlSite* Win32Form::SiteWithId(int id) const {
    auto found = std::find_if(sites_.begin(), sites_.end(), [id](auto* site) { return site->ControlId() == id; });
    return found == sites_.end() ? nullptr : *found;
}

// ---- The default button ----

void Win32Form::SetDefaultSite(Win32ControlSite* site) {
    if (defaultSite_ != nullptr && defaultSite_ != site && FromNative(GetFocus()) != defaultSite_->HWnd())
        defaultSite_->SetDisplayAsDefault(false);
    defaultSite_ = site;
    // Shows as the default unless another site has the focus (and so is the default for now).
    if (site != nullptr && SiteOf(FromNative(GetFocus())) == nullptr)
        site->SetDisplayAsDefault(true);
}

void Win32Form::SiteFocused(Win32ControlSite* site) {
    for (Win32ControlSite* other : std::vector<Win32ControlSite*>(sites_)) {
        if (other != site && other->AmbientDisplayAsDefault())
            other->SetDisplayAsDefault(false);
    }
    if (site->Control() != nullptr && !site->AmbientDisplayAsDefault())
        site->SetDisplayAsDefault(true);
}

void Win32Form::SiteLostFocus(Win32ControlSite* site, user::HWND newFocus) {
    if (site->AmbientDisplayAsDefault())
        site->SetDisplayAsDefault(false);
    // The focus leaves the buttons: the form's default button shows so again.
    if (SiteOf(newFocus) == nullptr && defaultSite_ != nullptr && !defaultSite_->AmbientDisplayAsDefault())
        defaultSite_->SetDisplayAsDefault(true);
}

void Win32Form::PressDefault(Win32ControlSite* site) {
    if (site != nullptr && site->Control() != nullptr && IsWindowEnabled(ToNative(site->HWnd())))
        site->Control()->AccessKeyPress(13);
}

// ---- Keys ----

bool Win32Form::PressAccessKey(char key) {
    const int wanted = std::toupper(static_cast<unsigned char>(key));
    for (Win32ControlSite* site : sites_) {
        const ::HWND window = ToNative(site->HWnd());
        if (site->Control() == nullptr || !IsWindowEnabled(window) || !IsWindowVisible(window))
            continue;
        for (const char accessKey : site->AccessKeys()) {
            if (std::toupper(static_cast<unsigned char>(accessKey)) == wanted) {
                site->Control()->AccessKeyPress(static_cast<std::int16_t>(static_cast<unsigned char>(accessKey)));
                return true;
            }
        }
    }
    return false;
}

bool Win32Form::PreTranslateMessage(tagMSG* message) {
    if (message == nullptr || hwnd_ == 0)
        return false;
    const ::HWND form = ToNative(hwnd_);
    if (message->hwnd != form && !IsChild(form, message->hwnd))
        return false;
    if (message->message == WM_SYSCHAR && PressAccessKey(static_cast<char>(message->wParam & 0xFF)))
        return true;
    // Tab, Shift+Tab and Enter as in a dialog: Enter that the focused window
    // does not take goes to the default button (DM_GETDEFID, then WM_COMMAND).
    return IsDialogMessageW(form, message) != 0;
}

std::intptr_t Win32Form::HandleMessage(user::HWND window, unsigned message, std::uintptr_t wParam,
                                       std::intptr_t lParam) {
    if (hwnd_ == 0)
        hwnd_ = window;
    const ::HWND native = ToNative(hwnd_);
    // The sites read the new density while the host lays them out again.
    if (message == WM_DPICHANGED)
        dpi_ = HIWORD(wParam);
    if (hook_) {
        if (const std::optional<std::intptr_t> answer = hook_(message, wParam, lParam))
            return *answer;
    }
    switch (message) {
    case DM_GETDEFID:
        if (defaultSite_ != nullptr)
            return MAKELRESULT(defaultSite_->ControlId(), DC_HASDEFID);
        return 0;
    case WM_COMMAND:
        // Enter that reached the form: the site it names, or the default one.
        if (HIWORD(wParam) == BN_CLICKED) {
            if (Win32ControlSite* site = SiteWithId(LOWORD(wParam))) {
                PressDefault(site);
                return 0;
            }
            if (LOWORD(wParam) == IDOK) {
                PressDefault(defaultSite_);
                return 0;
            }
        }
        break;
    case WM_SYSCHAR:
        if (PressAccessKey(static_cast<char>(wParam & 0xFF)))
            return 0;
        break;
    case WM_DPICHANGED: {
        // Windows suggests the window rectangle at the new density.
        const auto* suggested = reinterpret_cast<const ::RECT*>(lParam);
        SetWindowPos(native, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_NCDESTROY:
        hwnd_ = 0;
        break;
    default:
        break;
    }
    return DefWindowProcW(native, message, wParam, lParam);
}

} // namespace win32platform
