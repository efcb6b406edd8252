// The container of one control on a Qt form. The site is the control's
// window: a widget registered with the window system, whose pixels the
// control draws through HDC() and which the widget shows in paintEvent. The
// site keeps the values a container keeps for its control and turns Qt's
// input, focus, resize and paint events into the control's notices, in the
// order the form run-time sends them:
//   press          MouseDown
//   release        MouseUp, then Click when released over the control
//   double click   DblClick (the second press), then the release: MouseUp only
//   move           MouseMove with the buttons held
//   key            KeyDown, then KeyPress for a key that types a character
//   key release    KeyUp (none for auto-repeat)
//   Alt + access key   AccessKeyPress
//   focus in       GotFocus
//
// The control is attached, not owned. Terminate() sends the Terminate notice
// and detaches; detach (or terminate) a control before destroying it.
#pragma once

#include "platform/container/ControlNotices.h"
#include "platform/container/ControlSite.h"
#include "platform/qt/QtForm.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class QShortcut;

namespace qtplatform {

class QtControlSite final : public QWidget, public container::ControlSite {
  public:
    // A child widget of the form's widget; place it with setGeometry.
    QtControlSite(QtForm& form, std::string displayName);
    ~QtControlSite() override;

    void Attach(container::ControlNotices* control) { control_ = control; }
    void Detach() { control_ = nullptr; }
    container::ControlNotices* Control() const { return control_; }
    QtForm* Form() const { return form_; }

    void SetDisplayAsDefault(bool isDefault); // sends AmbientChanged("DisplayAsDefault")

    // Notices the owner sends itself.
    void InitProperties();
    void ReadProperties(const container::PropertyBag& bag);
    void Show();
    void Terminate(); // sends Terminate, then detaches
    void AmbientChanged(std::string_view name);

    // ---- container::ControlSite ----
    container::OleColor AmbientBackColor() const override;
    std::string AmbientDisplayName() const override { return displayName_; }
    bool AmbientUserMode() const override { return form_ == nullptr || form_->UserMode(); }
    bool AmbientDisplayAsDefault() const override { return displayAsDefault_; }
    void PropertyChanged(std::string_view key) override;
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
    user::HWND ContainerHWnd() const override { return form_ ? form_->HWnd() : 0; }
    float ScaleWidth() const override { return static_cast<float>(width()); }
    float ScaleHeight() const override { return static_cast<float>(height()); }
    float ScaleX(float width, container::ScaleUnit from, container::ScaleUnit to) const override;
    float Width() const override;
    bool SetWidth(float width) override;
    bool Size(float width, float height) override;
    void Refresh() override;
    container::OleColor ParentBackColor() const override { return AmbientBackColor(); }
    container::FontPtr ParentFont() const override;
    bool ParentIsMdiForm() const override { return form_ != nullptr && form_->IsMdiForm(); }
    void InformationMessage(std::string_view text) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    bool IsOverControl(QPoint position) const; // inside the window and its region
    void UpdateCursor();
    void UpdateAccessKeyShortcuts();

    QPointer<QtForm> form_;
    QtWindowSystem& system_;
    container::ControlNotices* control_ = nullptr;
    user::HWND hwnd_ = 0;
    gdi::HDC hdc_ = 0;
    std::string displayName_;
    bool displayAsDefault_ = false;
    container::FontPtr font_ = std::make_shared<container::Font>();
    container::OleColor foreColor_ = static_cast<container::OleColor>(0x80000012);
    std::int16_t mousePointer_ = 0;
    picture::PicturePtr mouseIcon_;
    std::string accessKeys_;
    std::string tag_;
    bool enabled_ = true;
    std::vector<QPointer<QShortcut>> accessKeyShortcuts_; // children of the form's widget
    bool refreshPending_ = false;         // the surface is current; a paint need not ask the control
    bool inPaint_ = false;                // the control's Paint runs inside paintEvent
    bool releaseEndsDoubleClick_ = false; // the next release follows a double click: no Click
};

} // namespace qtplatform
