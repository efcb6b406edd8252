// The container of one control on a headless form: it owns the control's
// child window (and the window's DC, handed out as hDC), keeps the values a
// container keeps for its control, records PropertyChanged calls, message
// boxes and refreshes, and delivers the notices a test asks for.
//
// The control is attached, not owned. Terminate() sends the Terminate notice
// and detaches; detach (or terminate) a control before destroying it.
// Notices are delivered only while a control is attached.
#pragma once

#include "platform/container/ControlNotices.h"
#include "platform/container/ControlSite.h"
#include "platform/headless/HeadlessForm.h"

#include <string>
#include <vector>

namespace headless {

struct MessageBoxRecord {
    std::string text;
    std::string title;
};

class HeadlessSite final : public container::ControlSite {
  public:
    // Creates the control's window at (x, y) of the form's client area, in pixels.
    HeadlessSite(HeadlessForm& form, std::string displayName, int x, int y, int width, int height);
    ~HeadlessSite() override;
    HeadlessSite(const HeadlessSite&) = delete;
    HeadlessSite& operator=(const HeadlessSite&) = delete;

    void Attach(container::ControlNotices* control) { control_ = control; }
    void Detach() { control_ = nullptr; }
    container::ControlNotices* Control() const { return control_; }
    HeadlessForm& Form() const { return form_; }

    // ---- Configurable ambient values ----
    void SetDisplayName(std::string name) { displayName_ = std::move(name); }
    void SetDisplayAsDefault(bool isDefault); // sends AmbientChanged("DisplayAsDefault")

    // ---- What the control did ----
    const std::vector<std::string>& PropertyChanges() const { return propertyChanges_; }
    void ClearPropertyChanges() { propertyChanges_.clear(); }
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }
    int RefreshCount() const { return refreshCount_; }

    // Resizes the control's window in pixels; the control gets Resize.
    void ResizeTo(int width, int height);

    // ---- Notices, as the container would deliver them ----
    void InitProperties();
    void ReadProperties(const container::PropertyBag& bag);
    container::PropertyBag WriteProperties();
    void Show();
    void Paint();     // also validates the window
    void Terminate(); // sends Terminate, then detaches
    void AmbientChanged(std::string_view name);
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

    // ---- container::ControlSite ----
    container::OleColor AmbientBackColor() const override { return form_.BackColor(); }
    std::string AmbientDisplayName() const override { return displayName_; }
    bool AmbientUserMode() const override { return form_.UserMode(); }
    bool AmbientDisplayAsDefault() const override { return displayAsDefault_; }
    void PropertyChanged(std::string_view key) override { propertyChanges_.emplace_back(key); }
    container::FontPtr Font() const override { return font_; }
    bool SetFont(const container::FontPtr& font) override;
    container::OleColor ForeColor() const override { return foreColor_; }
    bool SetForeColor(container::OleColor color) override;
    bool Enabled() const override { return enabled_; }
    bool SetEnabled(bool enabled) override;
    std::int16_t MousePointer() const override { return mousePointer_; }
    bool SetMousePointer(std::int16_t pointer) override;
    picture::PicturePtr MouseIcon() const override { return mouseIcon_; }
    bool SetMouseIcon(const picture::PicturePtr& icon) override;
    std::string AccessKeys() const override { return accessKeys_; }
    bool SetAccessKeys(std::string keys) override;
    std::string Tag() const override { return tag_; }
    bool SetTag(std::string tag) override;
    user::HWND HWnd() const override { return hwnd_; }
    gdi::HDC HDC() const override { return hdc_; }
    user::HWND ContainerHWnd() const override { return form_.HWnd(); }
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    float ScaleX(float width, container::ScaleUnit from, container::ScaleUnit to) const override;
    float Width() const override;
    bool SetWidth(float width) override;
    bool Size(float width, float height) override;
    void Refresh() override;
    container::OleColor ParentBackColor() const override { return form_.BackColor(); }
    container::FontPtr ParentFont() const override { return form_.Font(); }
    bool ParentIsMdiForm() const override { return form_.IsMdiForm(); }
    void InformationMessage(std::string_view text) override;

  private:
    void MoveCursorTo(float x, float y);
    user::POINT PositionInForm() const;

    HeadlessForm& form_;
    HeadlessWindowSystem& system_;
    container::ControlNotices* control_ = nullptr;
    user::HWND hwnd_ = 0;
    gdi::HDC hdc_ = 0;
    std::string displayName_;
    bool displayAsDefault_ = false;
    container::FontPtr font_ = std::make_shared<container::Font>();
    container::OleColor foreColor_ = static_cast<container::OleColor>(0x80000012);
    bool enabled_ = true;
    std::int16_t mousePointer_ = 0;
    picture::PicturePtr mouseIcon_;
    std::string accessKeys_;
    std::string tag_;
    std::vector<std::string> propertyChanges_;
    std::vector<MessageBoxRecord> messageBoxes_;
    int refreshCount_ = 0;
};

} // namespace headless
