#include "widget/ZtButtonImpl.h"

#include "widget/ZtButtonAccessible.h"
#include "widget/ZtButtonValues.h"
#include "platform/qt/DropEffects.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDrag>
#include <QFontMetrics>
#include <QMimeData>

#include <algorithm>
#include <cmath>
#include <functional>

namespace ztbuttons {
namespace {

constexpr int kFirstRegisteredFormat = 0xC000;

// One window system for every ZtButton of the process, installed for the
// window functions the controls call; it goes with the application object.
qtplatform::QtWindowSystem& WindowSystem() {
    static QPointer<qtplatform::QtWindowSystem> system;
    if (system.isNull()) {
        system = new qtplatform::QtWindowSystem(QCoreApplication::instance());
        user::SetBackend(system.data());
    }
    return *system;
}

// Drag data that asks the button's host for a format a target wants but
// that was only promised (set empty) when the drag started.
class PromisingMimeData final : public QMimeData {
  public:
    using Ask = std::function<void(QMimeData*, const QString&)>;
    explicit PromisingMimeData(Ask ask) : ask_(std::move(ask)) {}
    void Forget() { ask_ = nullptr; }

  protected:
    QVariant retrieveData(const QString& format, QMetaType type) const override {
        if (ask_ && !asking_ && formats().contains(format) &&
            QMimeData::retrieveData(format, QMetaType(QMetaType::QByteArray)).toByteArray().isEmpty()) {
            asking_ = true;
            ask_(const_cast<PromisingMimeData*>(this), format);
            asking_ = false;
        }
        return QMimeData::retrieveData(format, type);
    }

  private:
    Ask ask_;
    mutable bool asking_ = false;
};


} // namespace

ZtButton::Impl::Impl(ZtButton& owner) : owner_(owner) {
    InstallAccessibility();
}

ZtButton::Impl::~Impl() {
    DestroySite();
}

void ZtButton::Impl::CreateSite(const container::PropertyBag* settings) {
    qtplatform::QtWindowSystem& system = WindowSystem();
    QWidget* container = owner_.parentWidget() != nullptr ? owner_.parentWidget() : &owner_;
    qtplatform::QtForm& form = qtplatform::QtForm::Of(system, container);
    site_ = new qtplatform::QtControlSite(form, owner_.objectName().toStdString(), &owner_);
    site_->setGeometry(owner_.rect());
    site_->SetDesignMode(designMode);
    site_->setAcceptDrops(true); // the widget's own acceptDrops decides (its event filter)
    site_->installEventFilter(&owner_);
    owner_.setFocusProxy(site_);
    control_ = std::make_unique<ztButtons_H>(site_);
    site_->Attach(control_.get());
    control_->SetEventSink(this);
    site_->SetPropertyChangedHandler([this](std::string_view) { EmitChanges(); });
    site_->SetResizeHandler([this](int width, int height) {
        // The control sizes itself (custom shapes take their picture's size).
        owner_.resize(width, height);
        site_->resize(width, height);
        owner_.updateGeometry();
    });
    site_->SetScaleChangedHandler([this] {
        // The font's pixel size follows the twips per pixel of the new screen;
        // the Resize that follows lays out and draws at the new size.
        if (const container::FontPtr font = control_->GetFont())
            control_->SetFont(font->Clone());
    });
    site_->show();
    if (settings != nullptr) {
        site_->ReadProperties(*settings);
    } else {
        site_->InitProperties();
        control_->SetFont(FromQFont(owner_.font()));
    }
    ControlFollowsWidget(QEvent::EnabledChange);
    seen_ = Look();
}

void ZtButton::Impl::DestroySite() {
    if (!site_)
        return;
    site_->removeEventFilter(&owner_); // the widget hears nothing of a site being destroyed
    site_->Terminate();
    delete site_.data();
    control_.reset();
}

void ZtButton::Impl::FollowParent() {
    if (!site_ || site_->Form() == nullptr)
        return;
    QWidget* container = owner_.parentWidget() != nullptr ? owner_.parentWidget() : &owner_;
    if (site_->Form()->Widget() == container)
        return;
    // Moved to another container: the same button, with all its settings, in
    // the new one (it leaves the old one's option group first).
    const bool hadFocus = site_->hasFocus();
    container::PropertyBag settings;
    control_->WriteProperties(settings);
    if (control_->GetMode() == ModeValue::OptionButton) {
        control_->DelayDrawing(True);
        control_->SetMode(ModeValue::CommandButton);
    }
    DestroySite();
    CreateSite(&settings);
    if (hadFocus)
        site_->setFocus();
    EmitChanges();
}

// ---- Properties seen ----

ZtButton::Impl::Seen ZtButton::Impl::Look() const {
    Seen look;
    if (!control_)
        return look;
    ztButtons_H& c = *control_;
    look.buttonStyle = c.GetButtonStyle();
    look.mode = c.GetMode();
    look.caption = c.GetCaption();
    look.captionAlign = c.GetCaptionAlign();
    look.captionStyle = c.GetCaptionStyle();
    look.customClick = c.GetCustomClick();
    look.buttonShape = c.GetButtonShape();
    look.picture = c.GetPicture().get();
    look.pictureAlign = c.GetPictureAlign();
    look.showFocusRect = c.GetShowFocusRect() != False;
    look.value = c.GetValue() != False;
    look.pictureSize = c.PictureSizePx == 0 ? 0 : c.PictureSizePx / 8 - 2; // reading must not change it
    look.mousePointer = c.GetMousePointer();
    look.mouseIcon = c.GetMouseIcon().get();
    look.fontStyle = c.GetFontStyle();
    look.fore = c.GetForeColor();
    look.back = c.GetBackColor();
    look.gradient = c.GetGradientColor();
    look.gradientMode = c.GetGradientMode();
    look.locks = c.GetHoverColorLocks();
    look.hoverFore = c.GetHoverForeColor();
    look.hoverBack = c.GetHoverBackColor();
    look.enabled = c.GetEnabled() != False;
    if (const container::FontPtr font = c.GetFont())
        look.font = *font;
    look.pressed = Pressed();
    return look;
}

void ZtButton::Impl::EmitChanges() {
    if (!control_)
        return;
    const QPointer<ZtButton> alive(&owner_);
    const Seen now = Look();
    const Seen was = seen_;
    seen_ = now;
    ZtButton& q = owner_;
    bool geometry = false;
    auto changed = [&](auto before, auto after, auto emitter) {
        if (before != after && alive)
            emitter(after);
        return before != after;
    };
    changed(was.buttonStyle, now.buttonStyle, [&](Long v) { emit q.buttonStyleChanged(v); });
    if (changed(was.mode, now.mode, [&](Long v) { emit q.modeChanged(v); }))
        NotifyStateChange(q, StateChange::Checkable);
    if (changed(was.caption, now.caption,
                [&](const std::string& v) { emit q.captionChanged(QString::fromStdString(v)); })) {
        NotifyAccessibility(q, QAccessible::NameChanged);
        geometry = true;
    }
    geometry |= changed(was.captionAlign, now.captionAlign, [&](Long v) { emit q.captionAlignChanged(v); });
    changed(was.captionStyle, now.captionStyle, [&](Long v) { emit q.captionStyleChanged(v); });
    changed(was.customClick, now.customClick, [&](Long v) { emit q.customClickChanged(v); });
    geometry |= changed(was.buttonShape, now.buttonShape, [&](Long v) { emit q.buttonShapeChanged(v); });
    geometry |= changed(was.picture, now.picture, [&](const void*) { emit q.pictureChanged(); });
    geometry |= changed(was.pictureAlign, now.pictureAlign, [&](Long v) { emit q.pictureAlignChanged(v); });
    changed(was.showFocusRect, now.showFocusRect, [&](bool v) { emit q.showFocusRectChanged(v); });
    if (changed(was.value, now.value, [&](bool v) { emit q.valueChanged(v); }))
        NotifyStateChange(q, StateChange::Checked);
    geometry |= changed(was.pictureSize, now.pictureSize, [&](Long v) { emit q.pictureSizeChanged(v); });
    changed(was.mousePointer, now.mousePointer, [&](Long v) { emit q.mousePointerChanged(v); });
    changed(was.mouseIcon, now.mouseIcon, [&](const void*) { emit q.mouseIconChanged(); });
    geometry |= changed(was.fontStyle, now.fontStyle, [&](Long v) { emit q.fontStyleChanged(v); });
    changed(was.fore, now.fore, [&](OleColor v) { emit q.foreColorChanged(ToQColor(v)); });
    changed(was.back, now.back, [&](OleColor v) { emit q.backColorChanged(ToQColor(v)); });
    changed(was.gradient, now.gradient, [&](OleColor v) { emit q.gradientColorChanged(ToQColor(v)); });
    changed(was.gradientMode, now.gradientMode, [&](Long v) { emit q.gradientModeChanged(v); });
    changed(was.locks, now.locks, [&](Long v) { emit q.hoverColorLocksChanged(v); });
    changed(was.hoverFore, now.hoverFore, [&](OleColor v) { emit q.hoverForeColorChanged(ToQColor(v)); });
    changed(was.hoverBack, now.hoverBack, [&](OleColor v) { emit q.hoverBackColorChanged(ToQColor(v)); });
    geometry |= !(was.font == now.font);
    if (was.pressed != now.pressed && alive)
        NotifyStateChange(q, StateChange::Pressed);
    if (!alive)
        return;
    if (was.enabled != now.enabled || !(was.font == now.font))
        WidgetFollowsControl();
    if (was.enabled != now.enabled)
        NotifyStateChange(q, StateChange::Disabled);
    if (geometry)
        q.updateGeometry();
}

void ZtButton::Impl::WidgetFollowsControl() {
    if (!control_ || following_)
        return;
    following_ = true;
    const bool enabled = control_->GetEnabled() != False;
    if (owner_.isEnabled() != enabled && (enabled || owner_.isEnabledTo(nullptr)))
        owner_.setEnabled(enabled);
    if (const container::FontPtr font = control_->GetFont(); font && !SameFont(owner_.font(), *font)) {
        owner_.setFont(ToQFont(*font));
        owner_.updateGeometry();
    }
    following_ = false;
}

void ZtButton::Impl::ControlFollowsWidget(QEvent::Type change) {
    if (!control_ || following_)
        return;
    following_ = true;
    if (change == QEvent::EnabledChange && (control_->GetEnabled() != False) != owner_.isEnabled())
        control_->SetEnabled(ToBoolean(owner_.isEnabled()));
    if (change == QEvent::FontChange) {
        if (const container::FontPtr kept = control_->GetFont(); !kept || !SameFont(owner_.font(), *kept))
            control_->SetFont(FromQFont(owner_.font()));
    }
    following_ = false;
    EmitChanges();
}

bool ZtButton::Impl::Pressed() const {
    // Held down by the left button or Space, whether or not the pointer is over it.
    return control_ && (control_->StateFlags & StateFlagBits::ButtonHeld) != 0;
}

// ---- Size ----

QSize ZtButton::Impl::SizeHint(bool minimum) const {
    if (!control_)
        return {};
    const ztButtons_H& c = *control_;
    const double ratio = site_ ? site_->DevicePixelRatio() : 1.0;
    const Long shape = c.GetButtonShape();
    if ((shape == 7 || shape == 8) && c.GetPicture()) {
        // A custom shape takes its picture's size (fitted by the control).
        return {c.GetPicture()->Width(), c.GetPicture()->Height()};
    }
    const QFontMetrics metrics(owner_.font());
    const QStringList lines = CaptionWithoutMarkers(QString::fromStdString(c.GetCaption())).split("||");
    int textWidth = 0;
    for (const QString& line : lines)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    const int textHeight = static_cast<int>(lines.size()) * metrics.height();
    const int padX = minimum ? 4 : 12;
    const int padY = minimum ? 4 : 8;
    int width = textWidth + 2 * padX;
    int height = textHeight + 2 * padY;
    if (c.GetPicture()) {
        const int size = c.PictureSizePx == 0 ? 16 : std::min<int>(c.PictureSizePx, 32);
        const int picture = static_cast<int>(std::ceil(size / ratio));
        if (c.GetPictureAlign() >= 4) {
            height += picture + 4;
            width = std::max(width, picture + 2 * padX);
        } else {
            width += picture + 4;
            height = std::max(height, picture + 2 * padY);
        }
    }
    if (shape == 1 || shape == 2)
        width += height + 1; // one slanted edge as wide as the button is high
    else if (shape == 3)
        width += 2 * (height + 1);
    else if (shape >= 4 && shape <= 6) {
        // The face of an ellipse is its inscribed rectangle.
        width = static_cast<int>(std::ceil(width * 1.42));
        height = static_cast<int>(std::ceil(height * 1.42));
    }
    return {width, height};
}

// ---- Events ----

float ZtButton::Impl::Logical(float devicePixels) const {
    const double ratio = site_ ? site_->DevicePixelRatio() : 1.0;
    return static_cast<float>(devicePixels / ratio);
}

void ZtButton::Impl::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    const QPointer<ZtButton> alive(&owner_);
    emit owner_.mouseDown(button, shift, Logical(x), Logical(y));
    if (alive)
        EmitChanges(); // pressed
}

void ZtButton::Impl::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    const QPointer<ZtButton> alive(&owner_);
    emit owner_.mouseUp(button, shift, Logical(x), Logical(y));
    if (alive)
        EmitChanges();
}

void ZtButton::Impl::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    emit owner_.mouseMove(button, shift, Logical(x), Logical(y));
}

void ZtButton::Impl::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    const QPointer<ZtButton> alive(&owner_);
    emit owner_.keyDown(keyCode, shift);
    if (alive)
        EmitChanges();
}

void ZtButton::Impl::KeyPress(std::int16_t keyAscii) {
    emit owner_.keyPress(keyAscii);
}

void ZtButton::Impl::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    const QPointer<ZtButton> alive(&owner_);
    emit owner_.keyUp(keyCode, shift);
    if (alive)
        EmitChanges();
}

void ZtButton::Impl::MouseOnButton(bool onButton) {
    emit owner_.mouseOnButton(onButton);
}

void ZtButton::Impl::Click() {
    const QPointer<ZtButton> alive(&owner_);
    if (control_ && alive)
        EmitChanges(); // Value before clicked(), as the control sets it first
    if (alive)
        emit owner_.clicked();
}

void ZtButton::Impl::DoubleClick(std::int16_t button) {
    emit owner_.doubleClicked(button);
}

void ZtButton::Impl::OLECompleteDrag(std::int32_t& effect) {
    emit owner_.oleCompleteDrag(effect);
}

void ZtButton::Impl::OLEDragDrop(container::DataObject&, std::int32_t& effect, std::int16_t& button,
                                 std::int16_t& shift, float& x, float& y) {
    emit owner_.oleDragDrop(site_ ? site_->DragData() : nullptr, effect, button, shift, Logical(x),
                            Logical(y));
}

void ZtButton::Impl::OLEDragOver(container::DataObject&, std::int32_t& effect, std::int16_t& button,
                                 std::int16_t& shift, float& x, float& y, std::int16_t& state) {
    emit owner_.oleDragOver(site_ ? site_->DragData() : nullptr, effect, button, shift, Logical(x),
                            Logical(y), state);
}

void ZtButton::Impl::OLEGiveFeedback(std::int32_t& effect, bool& defaultCursors) {
    emit owner_.oleGiveFeedback(effect, defaultCursors);
}

void ZtButton::Impl::OLESetData(container::DataObject&, std::int16_t& dataFormat) {
    if (dragSource_ != nullptr)
        emit owner_.oleSetData(dragSource_, FormatName(dataFormat));
}

void ZtButton::Impl::OLEStartDrag(container::DataObject&, std::int32_t& allowedEffects) {
    if (dragSource_ != nullptr)
        emit owner_.oleStartDrag(dragSource_, allowedEffects);
}

// ---- Dragging from the button ----

std::int16_t ZtButton::Impl::FormatNumber(const QString& format) {
    if (format == QLatin1String("text/plain"))
        return qtplatform::kTextFormat;
    if (format == QLatin1String("text/uri-list"))
        return qtplatform::kFilesFormat;
    qsizetype index = formats_.indexOf(format);
    if (index < 0) {
        formats_ << format;
        index = formats_.size() - 1;
    }
    return static_cast<std::int16_t>(kFirstRegisteredFormat + index);
}

QString ZtButton::Impl::FormatName(std::int16_t number) const {
    if (number == qtplatform::kTextFormat)
        return QStringLiteral("text/plain");
    if (number == qtplatform::kFilesFormat)
        return QStringLiteral("text/uri-list");
    const int index = static_cast<std::uint16_t>(number) - kFirstRegisteredFormat;
    return index >= 0 && index < formats_.size() ? formats_.at(index) : QString();
}

void ZtButton::Impl::AskForData(QMimeData* data, const QString& format) {
    if (!control_ || data != dragSource_)
        return;
    container::DataObject nothing;
    std::int16_t number = FormatNumber(format);
    control_->OLESetData(nothing, number);
}

int ZtButton::Impl::StartDrag(int allowedEffects) {
    if (!control_ || dragSource_ != nullptr)
        return 0;
    const QPointer<ZtButton> alive(&owner_);
    auto* data =
        new PromisingMimeData([this](QMimeData* asked, const QString& format) { AskForData(asked, format); });
    dragSource_ = data;
    container::DataObject nothing;
    std::int32_t allowed = allowedEffects;
    control_->OLEStartDrag(nothing, allowed);
    if (!alive)
        return 0;
    auto* drag = new QDrag(&owner_); // takes the data
    drag->setMimeData(data);
    QObject::connect(drag, &QDrag::actionChanged, &owner_, [this, alive](Qt::DropAction action) {
        if (!alive || !control_)
            return;
        std::int32_t effect = qtplatform::EffectFromActions(action);
        bool defaultCursors = true;
        control_->OLEGiveFeedback(effect, defaultCursors);
    });
    const Qt::DropAction action = drag->exec(qtplatform::ActionsFromEffects(allowed));
    if (!alive)
        return qtplatform::EffectFromActions(action);
    data->Forget();
    dragSource_ = nullptr;
    drag->deleteLater();
    std::int32_t effect = qtplatform::EffectFromActions(action);
    if (control_)
        control_->OLECompleteDrag(effect);
    return effect;
}

} // namespace ztbuttons
