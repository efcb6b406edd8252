#pragma once
// A drawn button of the main window: a ztButtons_H on a control site of the
// form, loaded from its stored settings. The site is made first, since the
// control reads its size, surface and ambient values through it.
#include "app/WindowLayout.h"
#include "app/WindowParts.h"
#include "control/input/ButtonEvents.h"
#include "control/model/ztButtons_H.h"
#include "platform/container/PropertyBag.h"
#include "platform/win32/Win32ControlSite.h"

#include <functional>
#include <memory>

namespace app::win32host {

class Win32CommandButton final : public CommandButton, private ButtonEvents {
  public:
    // place: in pixels of the form's client area.
    Win32CommandButton(win32platform::Win32Form& form, const char* name, const ControlBox& place,
                       const container::PropertyBag& stored);
    ~Win32CommandButton() override;
    Win32CommandButton(const Win32CommandButton&) = delete;
    Win32CommandButton& operator=(const Win32CommandButton&) = delete;

    void OnClick(std::function<void()> handler) override { handler_ = std::move(handler); }
    std::string Caption() const override { return button_.GetCaption(); }
    void SetCaption(const std::string& caption) override;
    bool Enabled() const override { return button_.Enabled(); }
    void SetEnabled(bool enabled) override { button_.SetEnabled(enabled ? True : False); }

    user::HWND Window() const { return site_->HWnd(); }
    const ztButtons_H& Control() const { return button_; }
    // Moves and sizes the button's window; the control hears Resize.
    void Place(const ControlBox& place);
    // The window's density changed: the font's pixel size follows it.
    void FollowDpi();

  private:
    void Click() override;
    // Tells assistive technology the button's caption and kind.
    void Announce();

    std::unique_ptr<win32platform::Win32ControlSite> site_;
    ztButtons_H button_;
    std::function<void()> handler_;
};

} // namespace app::win32host
