// The container of one control on a Win32 form. The site is the control's
// window: a child window of the form, of our own window class, registered
// with the window system so that the control draws on its surface through
// HDC(); the window shows the surface when it paints. Its window procedure
// turns messages into the control's notices, in the order the form run-time
// sends them:
//   WM_xBUTTONDOWN      capture, MouseDown (a left press takes the focus first)
//   WM_xBUTTONUP        MouseUp, then Click when released over the control
//                       (inside its window and region); capture ends with the last button
//   WM_LBUTTONDBLCLK    DblClick (the second press); its release: MouseUp only
//   WM_MOUSEMOVE        MouseMove with the buttons held
//   WM_KEYDOWN          KeyDown; WM_CHAR: KeyPress for an ANSI character; WM_KEYUP: KeyUp
//   Enter               AccessKeyPress(13) while the control shows as the default
//   WM_SYSCHAR          AccessKeyPress of the form's control with that access key
//   WM_SETFOCUS         GotFocus, then DisplayAsDefault True; WM_KILLFOCUS: False
//   WM_TIMER            the callback of the window system's timer of that identifier
//   WM_SETCURSOR        the MousePointer's cursor, or the MouseIcon's (99)
//   WM_SIZE             the surface takes the new size, then Resize
//   WM_PAINT            Paint, then the surface is copied to the window
// While a mouse message is delivered, GetCursorPos reports its position.
//
// A site that lost the focus because it was disabled takes it back when it is
// enabled again, unless the focus has moved on since, as on the Qt form.
//
// A notice's handler may destroy the site (a Click that closes the form): the
// window procedure touches nothing of it afterwards.
#pragma once

#include "platform/container/CommonSite.h"
#include "platform/win32/Win32Form.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace win32platform {

class Win32ControlSite final : public container::CommonSite {
  public:
    // A visible child window of the form at (x, y) of its client area, in
    // pixels, in the tab order after the sites made before it.
    Win32ControlSite(Win32Form& form, std::string displayName, int x, int y, int width, int height);
    ~Win32ControlSite() override; // destroys the window
    Win32ControlSite(const Win32ControlSite&) = delete;
    Win32ControlSite& operator=(const Win32ControlSite&) = delete;

    Win32Form& Form() const { return form_; }
    int ControlId() const { return controlId_; }
    // Every key the control reports as changed reaches this handler.
    void SetPropertyChangedHandler(std::function<void(std::string_view)> handler);

    // ---- container::ControlSite (kept values and twips: CommonSite) ----
    container::OleColor AmbientBackColor() const override { return form_.BackColor(); }
    bool AmbientUserMode() const override { return form_.UserMode(); }
    void PropertyChanged(std::string_view key) override;
    // These also act on the window: input and the cursor.
    bool SetEnabled(bool enabled) override;
    bool SetMousePointer(std::int16_t pointer) override;
    bool SetMouseIcon(const picture::PicturePtr& icon) override;
    user::HWND HWnd() const override { return hwnd_; }
    gdi::HDC HDC() const override { return hdc_; }
    user::HWND ContainerHWnd() const override { return form_.HWnd(); }
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    void Refresh() override; // shows the surface at once
    container::OleColor ParentBackColor() const override { return form_.BackColor(); }
    container::FontPtr ParentFont() const override { return form_.Font(); }
    bool ParentIsMdiForm() const override { return false; }
    void InformationMessage(std::string_view text) override;

    // The window procedure's work for this site's window (which it learns
    // from the first message, during CreateWindowEx).
    std::intptr_t HandleMessage(user::HWND window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

  private:
    void ResizeWindow(int width, int height) override;
    void UpdateCursor();
    bool IsOverControl(int x, int y) const;
    std::intptr_t Default(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    std::intptr_t OnPaint();
    std::intptr_t OnButtonDown(std::int16_t button, std::uintptr_t wParam, std::intptr_t lParam);
    std::intptr_t OnButtonUp(std::int16_t button, std::uintptr_t wParam, std::intptr_t lParam);
    std::intptr_t OnDoubleClick(std::uintptr_t wParam, std::intptr_t lParam);
    std::intptr_t OnMouseMove(std::uintptr_t wParam, std::intptr_t lParam);
    std::intptr_t OnKeyDown(std::uintptr_t wParam, std::intptr_t lParam);
    std::intptr_t OnKeyUp(std::uintptr_t wParam);
    std::intptr_t OnChar(std::uintptr_t wParam);
    std::intptr_t OnSetFocus();
    std::intptr_t OnKillFocus(std::uintptr_t newFocus);
    void OnWindowDestroyed();

    Win32Form& form_;
    Win32WindowSystem& system_;
    user::HWND hwnd_ = 0;
    gdi::HDC hdc_ = 0;
    int controlId_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true); // false once the site is gone
    void* cursor_ = nullptr;                                     // HCURSOR; null: the class arrow
    bool ownsCursor_ = false;                                    // made from the MouseIcon
    std::int16_t buttonsHeld_ = 0;
    bool releaseEndsDoubleClick_ = false; // the next left release follows a double click: no Click
    bool enterTaken_ = false;             // the WM_CHAR of an Enter that pressed the button is dropped
    bool inPaint_ = false;                // the control's Paint runs inside WM_PAINT
    bool lostFocusByDisable_ = false;     // ...and the focus went to focusTakenBy_
    user::HWND focusTakenBy_ = 0;
    std::function<void(std::string_view)> propertyChanged_;
};

} // namespace win32platform
