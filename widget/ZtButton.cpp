#include "ztbuttons/ZtButton.h"

#include "platform/gdi/gdi.h"
#include "platform/picture/Picture.h"
#include "widget/ZtButtonAccessible.h"
#include "widget/ZtButtonImpl.h"
#include "widget/ZtButtonValues.h"

#include <QBuffer>
#include <QEvent>
#include <QMouseEvent>
#include <QResizeEvent>

namespace ztbuttons {
namespace {

std::vector<std::uint8_t> FileBytes(const QByteArray& bytes) {
    return {bytes.begin(), bytes.end()};
}

// The picture in a file format the control reads; icons keep their icon file.
std::optional<std::vector<std::uint8_t>> Encode(const QPixmap& pixmap, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !pixmap.save(&buffer, format))
        return std::nullopt;
    return FileBytes(bytes);
}

QPixmap Decode(const picture::PicturePtr& picture) {
    QPixmap pixmap;
    if (picture)
        pixmap.loadFromData(picture->Bytes().data(), static_cast<uint>(picture->Bytes().size()));
    return pixmap;
}

} // namespace

ZtButton::ZtButton(QWidget* parent) : QWidget(parent), d_(std::make_unique<Impl>(*this)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover, false);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    d_->CreateSite(nullptr);
}

ZtButton::ZtButton(const QString& caption, QWidget* parent) : ZtButton(parent) {
    setCaption(caption);
}

ZtButton::~ZtButton() {
    d_->DestroySite(); // the control goes before the widget's children
}

// ---- Properties ----

#define ZT_LONG_PROPERTY(getter, setter, Name)                                                               \
    int ZtButton::getter() const {                                                                           \
        return d_->Control().Get##Name();                                                                    \
    }                                                                                                        \
    void ZtButton::setter(int v) {                                                                           \
        d_->Control().Set##Name(v);                                                                          \
        d_->EmitChanges();                                                                                   \
    }

ZT_LONG_PROPERTY(buttonStyle, setButtonStyle, ButtonStyle)
ZT_LONG_PROPERTY(mode, setMode, Mode)
ZT_LONG_PROPERTY(captionAlign, setCaptionAlign, CaptionAlign)
ZT_LONG_PROPERTY(captionStyle, setCaptionStyle, CaptionStyle)
ZT_LONG_PROPERTY(customClick, setCustomClick, CustomClick)
ZT_LONG_PROPERTY(buttonShape, setButtonShape, ButtonShape)
ZT_LONG_PROPERTY(pictureAlign, setPictureAlign, PictureAlign)
ZT_LONG_PROPERTY(pictureSize, setPictureSize, PictureSize)
ZT_LONG_PROPERTY(mousePointer, setMousePointer, MousePointer)
ZT_LONG_PROPERTY(fontStyle, setFontStyle, FontStyle)
ZT_LONG_PROPERTY(gradientMode, setGradientMode, GradientMode)
ZT_LONG_PROPERTY(hoverColorLocks, setHoverColorLocks, HoverColorLocks)
#undef ZT_LONG_PROPERTY

#define ZT_COLOR_PROPERTY(getter, setter, Name)                                                              \
    QColor ZtButton::getter() const {                                                                        \
        return ToQColor(d_->Control().Get##Name());                                                          \
    }                                                                                                        \
    void ZtButton::setter(const QColor& color) {                                                             \
        if (const auto ole = ToOleColor(color)) {                                                            \
            d_->Control().Set##Name(*ole);                                                                   \
            d_->EmitChanges();                                                                               \
        }                                                                                                    \
    }

ZT_COLOR_PROPERTY(foreColor, setForeColor, ForeColor)
ZT_COLOR_PROPERTY(backColor, setBackColor, BackColor)
ZT_COLOR_PROPERTY(gradientColor, setGradientColor, GradientColor)
ZT_COLOR_PROPERTY(hoverForeColor, setHoverForeColor, HoverForeColor)
ZT_COLOR_PROPERTY(hoverBackColor, setHoverBackColor, HoverBackColor)
#undef ZT_COLOR_PROPERTY

QString ZtButton::caption() const {
    return QString::fromStdString(d_->Control().GetCaption());
}

void ZtButton::setCaption(const QString& caption) {
    d_->Control().SetCaption(caption.toStdString());
    d_->EmitChanges();
}

QPixmap ZtButton::picture() const {
    return Decode(d_->Control().GetPicture());
}

void ZtButton::setPicture(const QPixmap& pixmap) {
    if (pixmap.isNull()) {
        d_->Control().SetPicture(nullptr);
        d_->EmitChanges();
        return;
    }
    if (const auto bytes = Encode(pixmap, "BMP"))
        setPictureData(
            QByteArray(reinterpret_cast<const char*>(bytes->data()), static_cast<qsizetype>(bytes->size())));
}

bool ZtButton::setPictureData(const QByteArray& fileBytes) {
    picture::PicturePtr loaded = picture::LoadPictureBytes(FileBytes(fileBytes));
    if (!loaded)
        return false;
    d_->Control().SetPicture(std::move(loaded));
    d_->EmitChanges();
    return true;
}

bool ZtButton::showFocusRect() const {
    return d_->Control().GetShowFocusRect() != False;
}

void ZtButton::setShowFocusRect(bool show) {
    d_->Control().SetShowFocusRect(ToBoolean(show));
    d_->EmitChanges();
}

bool ZtButton::value() const {
    return d_->Control().GetValue() != False;
}

void ZtButton::setValue(bool value) {
    d_->Control().SetValue(ToBoolean(value));
    d_->EmitChanges();
}

QPixmap ZtButton::mouseIcon() const {
    return Decode(d_->Control().GetMouseIcon());
}

void ZtButton::setMouseIcon(const QPixmap& icon) {
    picture::PicturePtr loaded;
    if (!icon.isNull()) {
        const auto bytes = Encode(icon, "ICO");
        loaded = bytes ? picture::LoadPictureBytes(*bytes) : nullptr;
        if (!loaded)
            return;
    }
    d_->Control().SetMouseIcon(std::move(loaded));
    d_->EmitChanges();
}

void ZtButton::setResetDefaultColors(bool reset) {
    d_->Control().SetResetDefaultColors(ToBoolean(reset));
    d_->EmitChanges();
    if (reset && designMode())
        emit resetDefaultColorsChanged();
}

QColor ZtButton::systemColor(int index) {
    return QColor(index & 0xFF, 0, 0, 0);
}

bool ZtButton::isSystemColor(const QColor& color) {
    return color.isValid() && color.alpha() == 0;
}

QColor ZtButton::resolvedColor(const QColor& color) {
    if (!isSystemColor(color))
        return color;
    const gdi::DWORD rgb = gdi::GetSysColor(color.red());
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

// ---- Settings ----

QString ZtButton::saveSettings() const {
    container::PropertyBag bag;
    d_->Control().WriteProperties(bag);
    return QString::fromStdString(bag.ToText());
}

bool ZtButton::loadSettings(const QString& settings) {
    const std::optional<container::PropertyBag> bag =
        container::PropertyBag::FromText(settings.toStdString());
    if (!bag)
        return false;
    ztButtons_H& control = d_->Control();
    if (control.GetMode() == ModeValue::OptionButton) {
        // Reading the settings joins the option group afresh.
        control.DelayDrawing(True);
        control.SetMode(ModeValue::CommandButton);
    }
    d_->Site()->ReadProperties(*bag);
    d_->EmitChanges();
    d_->WidgetFollowsControl();
    return true;
}

void ZtButton::delayDrawing(bool delay) {
    d_->Control().DelayDrawing(ToBoolean(delay));
}

void ZtButton::refresh() {
    d_->Control().Refresh();
}

void ZtButton::setDesignMode(bool designMode) {
    d_->designMode = designMode;
    if (d_->Site() != nullptr)
        d_->Site()->SetDesignMode(designMode);
}

bool ZtButton::designMode() const {
    return d_->designMode;
}

qreal ZtButton::drawingPixelRatio() const {
    return d_->Site() != nullptr ? d_->Site()->DevicePixelRatio() : 1.0;
}

bool ZtButton::isDown() const {
    return d_->Pressed();
}

QString ZtButton::accessKey() const {
    return d_->Site() != nullptr ? QString::fromStdString(d_->Site()->AccessKeys()) : QString();
}

QSize ZtButton::sizeHint() const {
    return d_->SizeHint(false);
}

QSize ZtButton::minimumSizeHint() const {
    return d_->SizeHint(true);
}

void ZtButton::click() {
    if (!isEnabled())
        return;
    // As the access key does: a left click from the keyboard.
    d_->Control().AccessKeyPress(0);
}

int ZtButton::startDrag(int allowedEffects) {
    return d_->StartDrag(allowedEffects);
}

// ---- Events ----

bool ZtButton::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::ParentChange:
        d_->FollowParent();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        // Mouse events sent to the widget itself (not through the window) go
        // to the control's window; outside its shape they pass to the parent.
        if (QWidget* site = d_->Site(); site != nullptr && site->isEnabled()) {
            const QPoint at = site->mapFrom(this, static_cast<QMouseEvent*>(event)->position().toPoint());
            if (!site->mask().isEmpty() && !site->mask().contains(at)) {
                event->ignore();
                return false;
            }
            QCoreApplication::sendEvent(site, event);
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool ZtButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched != d_->Site())
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        NotifyStateChange(*this, StateChange::Focused);
        if (event->type() == QEvent::FocusIn)
            NotifyAccessibility(*this, QAccessible::Focus);
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (!acceptDrops()) { // Qt's switch for drops onto this widget
            event->ignore();
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

void ZtButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (d_->Site() != nullptr && d_->Site()->size() != event->size())
        d_->Site()->setGeometry(rect());
}

void ZtButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
        d_->ControlFollowsWidget(event->type());
}

} // namespace ztbuttons
