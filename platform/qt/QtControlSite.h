// The container of one control on a Qt form. The site is the control's
// window: a widget registered with the window system, whose pixels the
// control draws through HDC() and which the widget shows in paintEvent. The
// site (a CommonSite, which keeps the control's values) turns Qt's input,
// focus, resize and paint events into the control's notices, in the order
// the form run-time sends them:
//   press          MouseDown
//   release        MouseUp, then Click when released over the control
//   double click   DblClick (the second press), then the release: MouseUp only
//   move           MouseMove with the buttons held
//   key            KeyDown, then KeyPress for a key that types a character
//   key release    KeyUp (none for auto-repeat)
//   Alt + access key   AccessKeyPress
//   focus in       GotFocus
#pragma once

#include "platform/container/CommonSite.h"
#include "platform/qt/QtForm.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class QShortcut;

namespace qtplatform {

class QtControlSite final : public QWidget, public container::CommonSite {
  public:
    // A child widget of the form's widget; place it with setGeometry.
    QtControlSite(QtForm& form, std::string displayName);
    ~QtControlSite() override;

    QtForm* Form() const { return form_; }

    // ---- container::ControlSite (kept values and twips: CommonSite) ----
    container::OleColor AmbientBackColor() const override;
    bool AmbientUserMode() const override { return form_ == nullptr || form_->UserMode(); }
    void PropertyChanged(std::string_view key) override;
    // These also act on the widget: input, cursor, Alt shortcuts.
    bool SetEnabled(bool enabled) override;
    bool SetMousePointer(std::int16_t pointer) override;
    bool SetMouseIcon(const picture::PicturePtr& icon) override;
    bool SetAccessKeys(std::string keys) override;
    user::HWND HWnd() const override { return hwnd_; }
    gdi::HDC HDC() const override { return hdc_; }
    user::HWND ContainerHWnd() const override { return form_ ? form_->HWnd() : 0; }
    float ScaleWidth() const override { return static_cast<float>(width()); }
    float ScaleHeight() const override { return static_cast<float>(height()); }
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
    void ResizeWindow(int width, int height) override { resize(width, height); } // the control hears Resize
    bool IsOverControl(QPoint position) const; // inside the window and its region
    void UpdateCursor();
    void UpdateAccessKeyShortcuts();

    QPointer<QtForm> form_;
    QtWindowSystem& system_;
    user::HWND hwnd_ = 0;
    gdi::HDC hdc_ = 0;
    std::vector<QPointer<QShortcut>> accessKeyShortcuts_; // children of the form's widget
    bool refreshPending_ = false;         // the surface is current; a paint need not ask the control
    bool inPaint_ = false;                // the control's Paint runs inside paintEvent
    bool releaseEndsDoubleClick_ = false; // the next release follows a double click: no Click
};

} // namespace qtplatform
