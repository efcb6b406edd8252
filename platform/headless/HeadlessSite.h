// The container of one control on a headless form: it owns the control's
// child window (and the window's DC, handed out as hDC), records
// PropertyChanged calls, message boxes and refreshes, and delivers the
// notices a test asks for. Attaching the control, the kept values and the
// notices that only pass through are CommonSite's.
#pragma once

#include "platform/container/CommonSite.h"
#include "platform/headless/HeadlessForm.h"

#include <string>
#include <vector>

namespace headless {

struct MessageBoxRecord {
    std::string text;
    std::string title;
};

class HeadlessSite final : public container::CommonSite {
  public:
    // Creates the control's window at (x, y) of the form's client area, in pixels.
    HeadlessSite(HeadlessForm& form, std::string displayName, int x, int y, int width, int height);
    ~HeadlessSite() override;
    HeadlessSite(const HeadlessSite&) = delete;
    HeadlessSite& operator=(const HeadlessSite&) = delete;

    HeadlessForm& Form() const { return form_; }

    // ---- What the control did ----
    const std::vector<std::string>& PropertyChanges() const { return propertyChanges_; }
    void ClearPropertyChanges() { propertyChanges_.clear(); }
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }
    int RefreshCount() const { return refreshCount_; }

    // Resizes the control's window in pixels; the control gets Resize.
    void ResizeTo(int width, int height);

    // ---- Notices, as the container would deliver them ----
    container::PropertyBag WriteProperties();
    void Paint(); // also validates the window
    // Mouse notices at client pixel (x, y); the virtual cursor is moved there first.
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void Click();
    void DblClick();
    // A left click as the container reports it: MouseDown, MouseUp, Click.
    void ClickAt(float x, float y);
    // A left double click: MouseDown, MouseUp, Click, DblClick, MouseUp.
    void DoubleClickAt(float x, float y);
    // Keyboard notices return the key code as the handler left it.
    std::int16_t KeyDown(std::int16_t keyCode, std::int16_t shift);
    std::int16_t KeyUp(std::int16_t keyCode, std::int16_t shift);
    std::int16_t KeyPress(std::int16_t keyAscii);
    void AccessKeyPress(std::int16_t keyAscii);
    void GotFocus();

    // ---- container::ControlSite (kept values and twips: CommonSite) ----
    container::OleColor AmbientBackColor() const override { return form_.BackColor(); }
    bool AmbientUserMode() const override { return form_.UserMode(); }
    void PropertyChanged(std::string_view key) override { propertyChanges_.emplace_back(key); }
    user::HWND HWnd() const override { return hwnd_; }
    gdi::HDC HDC() const override { return hdc_; }
    user::HWND ContainerHWnd() const override { return form_.HWnd(); }
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    void Refresh() override;
    container::OleColor ParentBackColor() const override { return form_.BackColor(); }
    container::FontPtr ParentFont() const override { return form_.Font(); }
    bool ParentIsMdiForm() const override { return form_.IsMdiForm(); }
    void InformationMessage(std::string_view text) override;

  private:
    void ResizeWindow(int width, int height) override { ResizeTo(width, height); }
    void MoveCursorTo(float x, float y);
    user::POINT PositionInForm() const;

    HeadlessForm& form_;
    HeadlessWindowSystem& system_;
    user::HWND hwnd_ = 0;
    gdi::HDC hdc_ = 0;
    std::vector<std::string> propertyChanges_;
    std::vector<MessageBoxRecord> messageBoxes_;
    int refreshCount_ = 0;
};

} // namespace headless
