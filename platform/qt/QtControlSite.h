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
//   focus in       GotFocus, then DisplayAsDefault True (the control draws its
//                  focus and default look); focus out: DisplayAsDefault False
//   Enter          AccessKeyPress(13) while the control shows as the default
//   drag over      OLEDragOver (state 0 enter, 2 over, 1 leave); drop: OLEDragDrop
//
// A site that lost the focus because it was disabled takes it back when it is
// enabled again, unless the focus has moved on since (the user chose another
// control), as a button that disabled itself while its command ran.
//
// The control draws at device pixels: the site's surface, sizes, positions
// and twips count pixels of the screen the widget is on (DevicePixelRatio()
// of them per widget pixel), and follow the widget to a screen of another ratio.
#pragma once

#include "platform/container/CommonSite.h"
#include "platform/qt/QtForm.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QMimeData;
class QShortcut;

namespace qtplatform {

class QtControlSite final : public QWidget, public container::CommonSite {
  public:
    // A child widget of parent (by default the form's widget), in the form's
    // container; place it with setGeometry.
    QtControlSite(QtForm& form, std::string displayName, QWidget* parent = nullptr);
    ~QtControlSite() override;

    QtForm* Form() const { return form_; }

    // What an owning widget hears: every key the control reports as changed,
    // a size the control asks for (widget pixels), and a change of the
    // device-pixel ratio (after the surface has the new size; the control's
    // font must then be rebuilt, which only the owner can ask of it).
    void SetPropertyChangedHandler(std::function<void(std::string_view)> handler);
    void SetResizeHandler(std::function<void(int, int)> handler);
    void SetScaleChangedHandler(std::function<void()> handler);
    // While designing, the site reports UserMode False whatever the form says.
    void SetDesignMode(bool designMode) { designMode_ = designMode; }
    double DevicePixelRatio() const { return ratio_; }
    // During a drag notice: the dragged data as Qt holds it; null otherwise.
    const QMimeData* DragData() const { return dragData_; }

    // ---- container::ControlSite (kept values and twips: CommonSite) ----
    container::OleColor AmbientBackColor() const override;
    bool AmbientUserMode() const override { return !designMode_ && (form_ == nullptr || form_->UserMode()); }
    void PropertyChanged(std::string_view key) override;
    // These also act on the widget: input, cursor, Alt shortcuts.
    bool SetEnabled(bool enabled) override;
    bool SetMousePointer(std::int16_t pointer) override;
    bool SetMouseIcon(const picture::PicturePtr& icon) override;
    bool SetAccessKeys(std::string keys) override;
    user::HWND HWnd() const override { return hwnd_; }
    gdi::HDC HDC() const override { return hdc_; }
    user::HWND ContainerHWnd() const override { return form_ ? form_->HWnd() : 0; }
    float ScaleWidth() const override;  // device pixels
    float ScaleHeight() const override; // device pixels
    double TwipsPerPixelX() const override { return QtWindowSystem::kTwipsPerPixel / ratio_; }
    double TwipsPerPixelY() const override { return QtWindowSystem::kTwipsPerPixel / ratio_; }
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
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void ResizeWindow(int width, int height) override; // device pixels; the control hears Resize
    bool IsOverControl(QPoint position) const;         // inside the window and its region
    float Device(qreal widgetPixels) const { return static_cast<float>(widgetPixels * ratio_); }
    void FollowDevicePixelRatio(); // a new screen: new surface, fonts and drawing
    void DragOver(QDropEvent* event, std::int16_t state);
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
    bool designMode_ = false;
    double ratio_ = 1.0;
    const QMimeData* dragData_ = nullptr;
    std::int16_t dragButton_ = 0; // of the drag notice being answered
    std::int16_t dragShift_ = 0;
    bool lostFocusByDisable_ = false; // ...and the focus went to focusTakenBy_
    QPointer<QWidget> focusTakenBy_;
    std::function<void(std::string_view)> propertyChanged_;
    std::function<void(int, int)> resizeHandler_;
    std::function<void()> scaleChanged_;
};

} // namespace qtplatform
