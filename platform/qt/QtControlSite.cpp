#include "platform/qt/QtControlSite.h"

#include "platform/qt/InputCodes.h"
#include "platform/qt/MousePointers.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

#include <cctype>

namespace qtplatform {

QtControlSite::QtControlSite(QtForm& form, std::string displayName)
    : QWidget(form.Widget()), CommonSite(form.System(), std::move(displayName), form.Font(), QWIDGETSIZE_MAX),
      form_(&form), system_(form.System()) {
    hwnd_ = system_.Register(this);
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

void QtControlSite::PropertyChanged(std::string_view) {
    // The Qt form keeps no saved form of its controls: nothing to mark.
}

// ---- Geometry ----

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
    // A paint that a Refresh asked for shows the surface as drawn; any other
    // (the window was uncovered, shown or resized) asks the control first.
    if (!refreshPending_ && Control() != nullptr) {
        inPaint_ = true;
        Control()->Paint();
        inPaint_ = false;
    }
    refreshPending_ = false;
    QPainter painter(this);
    painter.drawImage(0, 0, system_.SurfaceImage(hwnd_));
}

void QtControlSite::resizeEvent(QResizeEvent*) {
    // The window system has already given the surface the new size.
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
    Control()->MouseDown(button, ShiftState(event->modifiers()), static_cast<float>(at.x()),
                         static_cast<float>(at.y()));
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
    Control()->MouseUp(button, ShiftState(event->modifiers()), static_cast<float>(at.x()),
                       static_cast<float>(at.y()));
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
    Control()->MouseMove(MouseButtonMask(event->buttons()), ShiftState(event->modifiers()),
                         static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void QtControlSite::keyPressEvent(QKeyEvent* event) {
    event->accept(); // the control has the key; its handler decides what follows
    if (Control() == nullptr)
        return;
    const QPointer<QtControlSite> self(this);
    const std::int16_t shift = ShiftState(event->modifiers());
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
    std::int16_t keyCode = static_cast<std::int16_t>(VirtualKeyFromQtKey(event->key()));
    if (keyCode != 0)
        Control()->KeyUp(keyCode, ShiftState(event->modifiers()));
}

void QtControlSite::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (Control() != nullptr)
        Control()->GotFocus();
}

} // namespace qtplatform
