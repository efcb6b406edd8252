#include "app/win32/Win32CommandButton.h"

#include "platform/win32/Native.h"

namespace app::win32host {

Win32CommandButton::Win32CommandButton(win32platform::Win32Form& form, const char* name, const ControlBox& place,
                                       const container::PropertyBag& stored)
    : site_(std::make_unique<win32platform::Win32ControlSite>(form, name, place.left, place.top, place.width,
                                                               place.height)),
      button_(site_.get()) {
    site_->Attach(&button_);
    site_->ReadProperties(stored);
    button_.SetEventSink(this);
    // The window had its size before the control came, so no WM_SIZE told it.
    button_.Resize();
    site_->Show();
}

Win32CommandButton::~Win32CommandButton() {
    site_->Terminate();
}

void Win32CommandButton::Place(const ControlBox& place) {
    SetWindowPos(win32platform::ToNative(site_->HWnd()), nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32CommandButton::FollowDpi() {
    // A font's pixel size is taken from the twips per pixel when it is set.
    if (const container::FontPtr font = button_.GetFont())
        button_.SetFont(font->Clone());
}

void Win32CommandButton::Click() {
    // The handler may close the window; it is called from a copy.
    const std::function<void()> handler = handler_;
    if (handler)
        handler();
}

} // namespace app::win32host
