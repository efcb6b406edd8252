#include "platform/qt/QtControlSite.h"

#include "platform/qt/DropEffects.h"
#include "platform/qt/InputCodes.h"
#include "platform/qt/MousePointers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QUrl>

#include <cctype>
#include <cmath>

namespace qtplatform {

namespace {

container::DataObject DataObjectFrom(const QMimeData* mime) {
    container::DataObject data;
    if (mime == nullptr)
        return data;
    if (mime->hasText())
        data.SetData(kTextFormat, mime->text().toStdString());
    QStringList files;
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    if (!files.isEmpty())
        data.SetData(kFilesFormat, files.join('\n').toStdString());
    return data;
}

} // namespace

QtControlSite::QtControlSite(QtForm& form, std::string displayName, QWidget* parent)
    : QWidget(parent != nullptr ? parent : form.Widget()),
      CommonSite(form.System(), std::move(displayName), form.Font(), QWIDGETSIZE_MAX), form_(&form),
      system_(form.System()) {
    hwnd_ = system_.Register(this);
    ratio_ = devicePixelRatioF();
    system_.SetDevicePixelRatio(hwnd_, ratio_);
    hdc_ = system_.GetDC(hwnd_);
    setMouseTracking(true);                // moves without a button held: the control tracks hovering
    setFocusPolicy(Qt::StrongFocus);       // Tab and a click give it the focus, as a button
    setAttribute(Qt::WA_OpaquePaintEvent); // the surface covers every pixel
    form.AddSite(this);
}

QtControlSite::~QtControlSite() {
    for (const QPointer<QShortcut>& shortcut : accessKeyShortcuts_)
        delete shortcut.data(); // the form stays; its Alt keys must not reach a departed control
    if (form_)
        form_->RemoveSite(this);
    system_.ReleaseDC(hwnd_, hdc_);
}

container::OleColor QtControlSite::AmbientBackColor() const {
    return form_ ? form_->BackColor() : static_cast<container::OleColor>(0x8000000F);
}

container::FontPtr QtControlSite::ParentFont() const {
    return form_ ? form_->Font() : nullptr;
}

void QtControlSite::PropertyChanged(std::string_view key) {
    // The Qt form keeps no saved form of its controls; an owning widget may listen.
    if (propertyChanged_)
        propertyChanged_(key);
}

void QtControlSite::SetPropertyChangedHandler(std::function<void(std::string_view)> handler) {
    propertyChanged_ = std::move(handler);
}

void QtControlSite::SetResizeHandler(std::function<void(int, int)> handler) {
    resizeHandler_ = std::move(handler);
}

void QtControlSite::SetScaleChangedHandler(std::function<void()> handler) {
    scaleChanged_ = std::move(handler);
}

// ---- Geometry ----

float QtControlSite::ScaleWidth() const {
    const user::WindowSurface* surface = system_.Surface(hwnd_);
    return surface != nullptr ? static_cast<float>(surface->Width()) : 0.0f;
}

float QtControlSite::ScaleHeight() const {
    const user::WindowSurface* surface = system_.Surface(hwnd_);
    return surface != nullptr ? static_cast<float>(surface->Height()) : 0.0f;
}

void QtControlSite::ResizeWindow(int width, int height) {
    const int logicalWidth = static_cast<int>(std::lround(width / ratio_));
    const int logicalHeight = static_cast<int>(std::lround(height / ratio_));
    if (resizeHandler_)
        resizeHandler_(logicalWidth, logicalHeight);
    else
        resize(logicalWidth, logicalHeight);
}

void QtControlSite::FollowDevicePixelRatio() {
    const double ratio = devicePixelRatioF();
    if (ratio == ratio_ || !(ratio > 0))
        return;
    ratio_ = ratio;
    system_.SetDevicePixelRatio(hwnd_, ratio_);
    if (scaleChanged_)
        scaleChanged_(); // the owner rebuilds the font for the new twips
    if (Control() != nullptr)
        Control()->Resize();
}

bool QtControlSite::event(QEvent* event) {
    // Moved to a screen of another ratio: draw anew at its pixels.
    if (event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::WindowChangeInternal) {
        const bool result = QWidget::event(event);
        FollowDevicePixelRatio();
        update();
        return result;
    }
    return QWidget::event(event);
}

void QtControlSite::Refresh() {
    refreshPending_ = true;
    if (!inPaint_)
        update();
}

// ---- Kept values ----

bool QtControlSite::SetEnabled(bool enabled) {
    // A disabled window takes no input, as on Windows; the control draws the greyed look itself.
    CommonSite::SetEnabled(enabled);
    setEnabled(enabled);
    return true;
}

void QtControlSite::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::EnabledChange || !isEnabled() || !lostFocusByDisable_)
        return;
    lostFocusByDisable_ = false;
    // Back to the button whose own command took the focus away, unless the
    // user has put it somewhere else since.
    if (QApplication::focusWidget() == focusTakenBy_.data() && isVisible())
        setFocus(Qt::OtherFocusReason);
}

bool QtControlSite::SetMousePointer(std::int16_t pointer) {
    if (!CommonSite::SetMousePointer(pointer))
        return false;
    UpdateCursor();
    return true;
}

bool QtControlSite::SetMouseIcon(const picture::PicturePtr& icon) {
    if (!CommonSite::SetMouseIcon(icon))
        return false;
    UpdateCursor();
    return true;
}

void QtControlSite::UpdateCursor() {
    if (const auto cursor = CursorForPointer(MousePointer(), MouseIcon()))
        setCursor(*cursor);
    else
        unsetCursor();
}

bool QtControlSite::SetAccessKeys(std::string keys) {
    CommonSite::SetAccessKeys(std::move(keys));
    UpdateAccessKeyShortcuts();
    return true;
}

void QtControlSite::UpdateAccessKeyShortcuts() {
    for (const QPointer<QShortcut>& shortcut : accessKeyShortcuts_)
        delete shortcut.data();
    accessKeyShortcuts_.clear();
    if (!form_)
        return;
    // Alt and the key anywhere in the form presses the control, as an
    // underlined letter of a caption does.
    for (const char key : AccessKeys()) {
        const auto upper = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
        if (!std::isalnum(static_cast<unsigned char>(upper)))
            continue;
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(upper)), form_->Widget());
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, key] {
            if (Control() != nullptr && isEnabled() && isVisible())
                Control()->AccessKeyPress(static_cast<std::int16_t>(static_cast<unsigned char>(key)));
        });
        accessKeyShortcuts_.push_back(shortcut);
    }
}

void QtControlSite::InformationMessage(std::string_view text) {
    const QString title = form_ ? form_->Title() : QString();
    QMessageBox::information(this, title,
                             QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

// ---- Notices the owner sends ----

// ---- Qt events as notices ----

void QtControlSite::paintEvent(QPaintEvent*) {
    FollowDevicePixelRatio();
    // A paint that a Refresh asked for shows the surface as drawn; any other
    // (the window was uncovered, shown or resized) asks the control first.
    if (!refreshPending_ && Control() != nullptr) {
        inPaint_ = true;
        Control()->Paint();
        inPaint_ = false;
    }
    refreshPending_ = false;
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), system_.SurfaceImage(hwnd_)); // at the surface's own ratio
}

void QtControlSite::resizeEvent(QResizeEvent*) {
    // The window system has already given the surface the new size.
    if (devicePixelRatioF() != ratio_) {
        FollowDevicePixelRatio(); // sends Resize itself
        return;
    }
    if (Control() != nullptr)
        Control()->Resize();
}

bool QtControlSite::IsOverControl(QPoint position) const {
    return rect().contains(position) && (mask().isEmpty() || mask().contains(position));
}

void QtControlSite::mousePressEvent(QMouseEvent* event) {
    const std::int16_t button = MouseButtonCode(event->button());
    if (Control() == nullptr || button == 0)
        return;
    const QtWindowSystem::EventPosition position(system_, event->globalPosition().toPoint());
    const QPointF at = event->position();
    Control()->MouseDown(button, ShiftState(event->modifiers()), Device(at.x()), Device(at.y()));
}

void QtControlSite::mouseReleaseEvent(QMouseEvent* event) {
    const std::int16_t button = MouseButtonCode(event->button());
    const bool endsDoubleClick = releaseEndsDoubleClick_;
    releaseEndsDoubleClick_ = false;
    if (Control() == nullptr || button == 0)
        return;
    // The Click handler may close the window or destroy this site.
    const QPointer<QtControlSite> self(this);
    const QtWindowSystem::EventPosition position(system_, event->globalPosition().toPoint());
    const QPointF at = event->position();
    Control()->MouseUp(button, ShiftState(event->modifiers()), Device(at.x()), Device(at.y()));
    if (self && Control() != nullptr && !endsDoubleClick && IsOverControl(at.toPoint()))
        Control()->Click();
}

void QtControlSite::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt sends this in place of the second press.
    if (Control() == nullptr || MouseButtonCode(event->button()) == 0)
        return;
    releaseEndsDoubleClick_ = true;
    const QtWindowSystem::EventPosition position(system_, event->globalPosition().toPoint());
    Control()->DblClick();
}

void QtControlSite::mouseMoveEvent(QMouseEvent* event) {
    if (Control() == nullptr)
        return;
    const QtWindowSystem::EventPosition position(system_, event->globalPosition().toPoint());
    const QPointF at = event->position();
    Control()->MouseMove(MouseButtonMask(event->buttons()), ShiftState(event->modifiers()), Device(at.x()),
                         Device(at.y()));
}

void QtControlSite::keyPressEvent(QKeyEvent* event) {
    event->accept(); // the control has the key; its handler decides what follows
    if (Control() == nullptr)
        return;
    const QPointer<QtControlSite> self(this);
    const std::int16_t shift = ShiftState(event->modifiers());
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && AmbientDisplayAsDefault() && (shift & container::kAltMask) == 0) {
        // The form's default button takes Enter as its access key 13.
        if (!event->isAutoRepeat())
            Control()->AccessKeyPress(13);
        return;
    }
    std::int16_t keyCode = static_cast<std::int16_t>(VirtualKeyFromQtKey(event->key()));
    if (keyCode != 0)
        Control()->KeyDown(keyCode, shift);
    const QString text = event->text();
    if (!self || Control() == nullptr || text.size() != 1 || (shift & container::kAltMask) != 0)
        return;
    const char16_t character = text.at(0).unicode();
    if (character > 0 && character < 0x80) { // the key character of an ANSI key
        std::int16_t keyAscii = static_cast<std::int16_t>(character);
        Control()->KeyPress(keyAscii);
    }
}

void QtControlSite::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    if (Control() == nullptr || event->isAutoRepeat())
        return;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && AmbientDisplayAsDefault())
        return; // pressed the button already
    std::int16_t keyCode = static_cast<std::int16_t>(VirtualKeyFromQtKey(event->key()));
    if (keyCode != 0)
        Control()->KeyUp(keyCode, ShiftState(event->modifiers()));
}

void QtControlSite::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    lostFocusByDisable_ = false;
    const QPointer<QtControlSite> self(this);
    if (Control() != nullptr)
        Control()->GotFocus();
    // A button with the focus is the form's default button, as any command
    // button that can be the default: it draws its focus and default look.
    if (self && Control() != nullptr)
        SetDisplayAsDefault(true);
}

void QtControlSite::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (!isEnabled()) {
        // Disabled while it had the focus: remember where the focus went.
        lostFocusByDisable_ = true;
        focusTakenBy_ = QApplication::focusWidget();
    }
    if (Control() != nullptr && AmbientDisplayAsDefault())
        SetDisplayAsDefault(false);
}

// ---- Drag and drop onto the control ----

void QtControlSite::DragOver(QDropEvent* event, std::int16_t state) {
    container::DataObject dragged = DataObjectFrom(event->mimeData());
    std::int32_t effect = EffectFromActions(event->possibleActions());
    std::int16_t button = MouseButtonMask(event->buttons());
    std::int16_t shift = ShiftState(event->modifiers());
    float x = Device(event->position().x());
    float y = Device(event->position().y());
    dragButton_ = button;
    dragShift_ = shift;
    dragData_ = event->mimeData();
    const QPointer<QtControlSite> self(this);
    Control()->OLEDragOver(dragged, effect, button, shift, x, y, state);
    if (!self)
        return;
    dragData_ = nullptr;
    const Qt::DropAction action = ActionFromEffect(effect, event->proposedAction());
    event->setDropAction(action);
    event->setAccepted(action != Qt::IgnoreAction);
}

void QtControlSite::dragEnterEvent(QDragEnterEvent* event) {
    if (Control() == nullptr)
        return;
    DragOver(event, 0);
    event->accept(); // the moves that follow may still be taken
}

void QtControlSite::dragMoveEvent(QDragMoveEvent* event) {
    if (Control() != nullptr)
        DragOver(event, 2);
}

void QtControlSite::dragLeaveEvent(QDragLeaveEvent*) {
    if (Control() == nullptr)
        return;
    // Qt gives no data or position on leaving; the notice carries none.
    container::DataObject nothing;
    std::int32_t effect = 0;
    std::int16_t button = dragButton_;
    std::int16_t shift = dragShift_;
    float x = 0;
    float y = 0;
    std::int16_t state = 1;
    Control()->OLEDragOver(nothing, effect, button, shift, x, y, state);
}

void QtControlSite::dropEvent(QDropEvent* event) {
    if (Control() == nullptr)
        return;
    container::DataObject dragged = DataObjectFrom(event->mimeData());
    std::int32_t effect = EffectFromActions(event->possibleActions());
    std::int16_t button = MouseButtonMask(event->buttons());
    std::int16_t shift = ShiftState(event->modifiers());
    float x = Device(event->position().x());
    float y = Device(event->position().y());
    dragData_ = event->mimeData();
    const QPointer<QtControlSite> self(this);
    Control()->OLEDragDrop(dragged, effect, button, shift, x, y);
    if (!self)
        return;
    dragData_ = nullptr;
    const Qt::DropAction action = ActionFromEffect(effect, event->proposedAction());
    event->setDropAction(action);
    event->setAccepted(action != Qt::IgnoreAction);
}

} // namespace qtplatform
