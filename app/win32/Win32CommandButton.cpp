#include "app/win32/Win32CommandButton.h"

#include "app/win32/AccessibleNames.h"
#include "control/model/AccessKey.h"
#include "platform/win32/Native.h"

#include <oleacc.h>

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
    Announce();
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

void Win32CommandButton::SetCaption(const std::string& caption) {
    button_.SetCaption(caption);
    Announce();
}

namespace {

// "||" breaks a caption's line.
std::string WithLineBreaks(std::string caption) {
    for (std::size_t bar = caption.find("||"); bar != std::string::npos; bar = caption.find("||", bar))
        caption.replace(bar, 2, "\n");
    return caption;
}

} // namespace

void Win32CommandButton::Announce() {
    // The window's text, with its access-key marker as a BUTTON's text has
    // it, is the name every reader falls back on; the annotation gives the
    // name without the marker and the kind of button.
    const std::string caption = WithLineBreaks(button_.GetCaption());
    const ::HWND window = win32platform::ToNative(site_->HWnd());
    SetWindowTextW(window, win32platform::Utf16(caption).c_str());
    const long role = button_.GetMode() == 1   ? ROLE_SYSTEM_CHECKBUTTON
                      : button_.GetMode() == 2 ? ROLE_SYSTEM_RADIOBUTTON
                                               : ROLE_SYSTEM_PUSHBUTTON;
    AnnotateAccessibility(window, CaptionWithoutMarkers(caption), role);
}

void Win32CommandButton::Click() {
    // The handler may close the window; it is called from a copy.
    const std::function<void()> handler = handler_;
    if (handler)
        handler();
}

} // namespace app::win32host
