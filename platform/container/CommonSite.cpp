#include "platform/container/CommonSite.h"

#include "platform/container/ScaleUnits.h"

#include <cmath>

namespace container {

CommonSite::CommonSite(user::WindowBackend& system, std::string displayName, const FontPtr& formFont,
                       int largestPixelSize)
    : system_(system), largestPixelSize_(largestPixelSize), displayName_(std::move(displayName)) {
    if (formFont)
        font_ = formFont->Clone();
}

// ---- Notices ----

void CommonSite::InitProperties() {
    if (control_ != nullptr)
        control_->InitProperties();
}

void CommonSite::ReadProperties(const PropertyBag& bag) {
    if (control_ != nullptr)
        control_->ReadProperties(bag);
}

void CommonSite::Show() {
    if (control_ != nullptr)
        control_->Show();
}

void CommonSite::Terminate() {
    ControlNotices* control = control_;
    control_ = nullptr; // nothing reaches a control after its Terminate
    if (control != nullptr)
        control->Terminate();
}

void CommonSite::AmbientChanged(std::string_view name) {
    if (control_ != nullptr)
        control_->AmbientChanged(name);
}

void CommonSite::SetDisplayAsDefault(bool isDefault) {
    displayAsDefault_ = isDefault;
    AmbientChanged("DisplayAsDefault");
}

// ---- Kept values ----

bool CommonSite::SetFont(const FontPtr& font) {
    if (!font)
        return false;
    font_ = font->Clone();
    return true;
}

bool CommonSite::SetForeColor(OleColor color) {
    // An OLE colour is an RGB value or a system colour index; anything else is refused.
    const auto bits = static_cast<std::uint32_t>(color);
    const bool isRgb = (bits & 0xFF000000u) == 0;
    const bool isSystemColor = (bits & 0xFFFFFF00u) == 0x80000000u;
    if (!isRgb && !isSystemColor)
        return false;
    foreColor_ = color;
    return true;
}

bool CommonSite::SetEnabled(bool enabled) {
    enabled_ = enabled;
    return true;
}

bool CommonSite::SetMousePointer(std::int16_t pointer) {
    if (!((pointer >= 0 && pointer <= 15) || pointer == kMousePointerCustom))
        return false;
    mousePointer_ = pointer;
    return true;
}

bool CommonSite::SetMouseIcon(const picture::PicturePtr& icon) {
    if (icon && icon->Type() != picture::PictureType::Icon)
        return false;
    mouseIcon_ = icon;
    return true;
}

bool CommonSite::SetAccessKeys(std::string keys) {
    accessKeys_ = std::move(keys);
    return true;
}

bool CommonSite::SetTag(std::string tag) {
    tag_ = std::move(tag);
    return true;
}

// ---- Size in twips ----

float CommonSite::ScaleX(float width, ScaleUnit from, ScaleUnit to) const {
    return ConvertScale(width, from, to, TwipsPerPixelX());
}

float CommonSite::Width() const {
    return ScaleWidth() * static_cast<float>(TwipsPerPixelX());
}

bool CommonSite::SetWidth(float width) {
    return Size(width, ScaleHeight() * static_cast<float>(TwipsPerPixelY()));
}

bool CommonSite::Size(float width, float height) {
    if (!(width >= 0.0f && height >= 0.0f))
        return false;
    const long pixelWidth = std::lround(width / static_cast<float>(TwipsPerPixelX()));
    const long pixelHeight = std::lround(height / static_cast<float>(TwipsPerPixelY()));
    if (pixelWidth > largestPixelSize_ || pixelHeight > largestPixelSize_)
        return false;
    ResizeWindow(static_cast<int>(pixelWidth), static_cast<int>(pixelHeight));
    return true;
}

} // namespace container
