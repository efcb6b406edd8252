#include "platform/qt/QtControlSite.h"

#include "platform/container/ScaleUnits.h"
#include "platform/qt/InputCodes.h"
#include "platform/qt/MousePointers.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

#include <cctype>
#include <cmath>

namespace qtplatform {

QtControlSite::QtControlSite(QtForm& form, std::string displayName)
    : QWidget(form.Widget()), form_(&form), system_(form.System()), displayName_(std::move(displayName)) {
    hwnd_ = system_.Register(this);
    hdc_ = system_.GetDC(hwnd_);
    if (form.Font())
        font_ = form.Font()->Clone();
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

void QtControlSite::SetDisplayAsDefault(bool isDefault) {
    displayAsDefault_ = isDefault;
    AmbientChanged("DisplayAsDefault");
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

float QtControlSite::ScaleX(float width, container::ScaleUnit from, container::ScaleUnit to) const {
    return container::ConvertScale(width, from, to, system_.TwipsPerPixelX());
}

float QtControlSite::Width() const {
    return ScaleWidth() * static_cast<float>(system_.TwipsPerPixelX());
}

bool QtControlSite::SetWidth(float width) {
    return Size(width, ScaleHeight() * static_cast<float>(system_.TwipsPerPixelY()));
}

bool QtControlSite::Size(float width, float height) {
    if (!(width >= 0.0f && height >= 0.0f))
        return false;
    const long pixelWidth = std::lround(width / static_cast<float>(system_.TwipsPerPixelX()));
    const long pixelHeight = std::lround(height / static_cast<float>(system_.TwipsPerPixelY()));
    if (pixelWidth > QWIDGETSIZE_MAX || pixelHeight > QWIDGETSIZE_MAX)
        return false;
    resize(static_cast<int>(pixelWidth), static_cast<int>(pixelHeight)); // the control hears Resize
    return true;
}

void QtControlSite::Refresh() {
    refreshPending_ = true;
    if (!inPaint_)
        update();
}

// ---- Kept values ----

bool QtControlSite::SetFont(const container::FontPtr& font) {
    if (!font)
        return false;
    font_ = font->Clone();
    return true;
}

bool QtControlSite::SetForeColor(container::OleColor color) {
    // An OLE colour is an RGB value or a system colour index; anything else is refused.
    const auto bits = static_cast<std::uint32_t>(color);
    const bool isRgb = (bits & 0xFF000000u) == 0;
    const bool isSystemColor = (bits & 0xFFFFFF00u) == 0x80000000u;
    if (!isRgb && !isSystemColor)
        return false;
    foreColor_ = color;
    return true;
}

bool QtControlSite::SetEnabled(bool enabled) {
    // A disabled window takes no input, as on Windows; the control draws the greyed look itself.
    enabled_ = enabled;
    setEnabled(enabled);
    return true;
}

bool QtControlSite::SetMousePointer(std::int16_t pointer) {
    if (!((pointer >= 0 && pointer <= 15) || pointer == container::kMousePointerCustom))
        return false;
    mousePointer_ = pointer;
    UpdateCursor();
    return true;
}

bool QtControlSite::SetMouseIcon(const picture::PicturePtr& icon) {
    if (icon && icon->Type() != picture::PictureType::Icon)
        return false;
    mouseIcon_ = icon;
    UpdateCursor();
    return true;
}

void QtControlSite::UpdateCursor() {
    if (const auto cursor = CursorForPointer(mousePointer_, mouseIcon_))
        setCursor(*cursor);
    else
        unsetCursor();
}

bool QtControlSite::SetAccessKeys(std::string keys) {
    accessKeys_ = std::move(keys);
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
    for (const char key : accessKeys_) {
        const auto upper = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
        if (!std::isalnum(static_cast<unsigned char>(upper)))
            continue;
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(upper)), form_->Widget());
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, key] {
            if (control_ != nullptr && isEnabled() && isVisible())
                control_->AccessKeyPress(static_cast<std::int16_t>(static_cast<unsigned char>(key)));
        });
        accessKeyShortcuts_.push_back(shortcut);
    }
}

bool QtControlSite::SetTag(std::string tag) {
    tag_ = std::move(tag);
    return true;
}

void QtControlSite::InformationMessage(std::string_view text) {
    const QString title = form_ ? form_->Title() : QString();
    QMessageBox::information(this, title,
                             QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

// ---- Notices the owner sends ----

void QtControlSite::InitProperties() {
    if (control_ != nullptr)
        control_->InitProperties();
}

void QtControlSite::ReadProperties(const container::PropertyBag& bag) {
    if (control_ != nullptr)
        control_->ReadProperties(bag);
}

void QtControlSite::Show() {
    if (control_ != nullptr)
        control_->Show();
}

void QtControlSite::Terminate() {
    container::ControlNotices* control = control_;
    control_ = nullptr; // nothing reaches a control after its Terminate
    if (control != nullptr)
        control->Terminate();
}

void QtControlSite::AmbientChanged(std::string_view name) {
    if (control_ != nullptr)
        control_->AmbientChanged(name);
}

// ---- Qt events as notices ----

void QtControlSite::paintEvent(QPaintEvent*) {
    // A paint that a Refresh asked for shows the surface as drawn; any other
    // (the window was uncovered, shown or resized) asks the control first.
    if (!refreshPending_ && control_ != nullptr) {
        inPaint_ = true;
        control_->Paint();
        inPaint_ = false;
    }
    refreshPending_ = false;
    QPainter painter(this);
    painter.drawImage(0, 0, system_.SurfaceImage(hwnd_));
}

void QtControlSite::resizeEvent(QResizeEvent*) {
    // The window system has already given the surface the new size.
    if (control_ != nullptr)
        control_->Resize();
}

bool QtControlSite::IsOverControl(QPoint position) const {
    return rect().contains(position) && (mask().isEmpty() || mask().contains(position));
}

void QtControlSite::mousePressEvent(QMouseEvent* event) {
    const std::int16_t button = MouseButtonCode(event->button());
    if (control_ == nullptr || button == 0)
        return;
    const QtWindowSystem::EventPosition position(system_, event->globalPosition().toPoint());
    const QPointF at = event->position();
    control_->MouseDown(button, ShiftState(event->modifiers()), static_cast<float>(at.x()),
                        static_cast<float>(at.y()));
}

void QtControlSite::mouseReleaseEvent(QMouseEvent* event) {
    const std::int16_t button = MouseButtonCode(event->button());
    const bool endsDoubleClick = releaseEndsDoubleClick_;
    releaseEndsDoubleClick_ = false;
    if (control_ == nullptr || button == 0)
        return;
    // The Click handler may close the window or destroy this site.
    const QPointer<QtControlSite> self(this);
    const QtWindowSystem::EventPosition position(system_, event->globalPosition().toPoint());
    const QPointF at = event->position();
    control_->MouseUp(button, ShiftState(event->modifiers()), static_cast<float>(at.x()),
                      static_cast<float>(at.y()));
    if (self && control_ != nullptr && !endsDoubleClick && IsOverControl(at.toPoint()))
        control_->Click();
}

void QtControlSite::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt sends this in place of the second press.
    if (control_ == nullptr || MouseButtonCode(event->button()) == 0)
        return;
    releaseEndsDoubleClick_ = true;
    const QtWindowSystem::EventPosition position(system_, event->globalPosition().toPoint());
    control_->DblClick();
}

void QtControlSite::mouseMoveEvent(QMouseEvent* event) {
    if (control_ == nullptr)
        return;
    const QtWindowSystem::EventPosition position(system_, event->globalPosition().toPoint());
    const QPointF at = event->position();
    control_->MouseMove(MouseButtonMask(event->buttons()), ShiftState(event->modifiers()),
                        static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void QtControlSite::keyPressEvent(QKeyEvent* event) {
    event->accept(); // the control has the key; its handler decides what follows
    if (control_ == nullptr)
        return;
    const QPointer<QtControlSite> self(this);
    const std::int16_t shift = ShiftState(event->modifiers());
    std::int16_t keyCode = static_cast<std::int16_t>(VirtualKeyFromQtKey(event->key()));
    if (keyCode != 0)
        control_->KeyDown(keyCode, shift);
    const QString text = event->text();
    if (!self || control_ == nullptr || text.size() != 1 || (shift & container::kAltMask) != 0)
        return;
    const char16_t character = text.at(0).unicode();
    if (character > 0 && character < 0x80) { // the key character of an ANSI key
        std::int16_t keyAscii = static_cast<std::int16_t>(character);
        control_->KeyPress(keyAscii);
    }
}

void QtControlSite::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    if (control_ == nullptr || event->isAutoRepeat())
        return;
    std::int16_t keyCode = static_cast<std::int16_t>(VirtualKeyFromQtKey(event->key()));
    if (keyCode != 0)
        control_->KeyUp(keyCode, ShiftState(event->modifiers()));
}

void QtControlSite::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (control_ != nullptr)
        control_->GotFocus();
}

} // namespace qtplatform
