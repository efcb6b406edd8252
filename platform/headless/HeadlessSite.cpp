#include "platform/headless/HeadlessSite.h"

#include "platform/container/ScaleUnits.h"

#include <cmath>

namespace headless {

HeadlessSite::HeadlessSite(HeadlessForm& form, std::string displayName, int x, int y, int width, int height)
    : form_(form), system_(form.System()), displayName_(std::move(displayName)) {
    hwnd_ = system_.CreateWindow(form.HWnd(), x, y, width, height);
    hdc_ = system_.GetDC(hwnd_);
    if (form.Font())
        font_ = form.Font()->Clone();
    // The control learns of every size change of its window, whoever caused it.
    system_.SetSizeHandler(hwnd_, [this](user::HWND) {
        if (control_ != nullptr)
            control_->Resize();
    });
    form_.AddSite(this);
}

HeadlessSite::~HeadlessSite() {
    form_.RemoveSite(this);
    system_.ReleaseDC(hwnd_, hdc_);
    system_.DestroyWindow(hwnd_);
}

void HeadlessSite::SetDisplayAsDefault(bool isDefault) {
    displayAsDefault_ = isDefault;
    AmbientChanged("DisplayAsDefault");
}

// ---- Geometry ----

user::POINT HeadlessSite::PositionInForm() const {
    user::RECT rect{};
    system_.GetWindowRect(hwnd_, &rect);
    user::POINT position{rect.left, rect.top};
    system_.ScreenToClient(form_.HWnd(), &position);
    return position;
}

void HeadlessSite::ResizeTo(int width, int height) {
    const user::POINT position = PositionInForm();
    system_.MoveWindow(hwnd_, position.x, position.y, width, height, 1);
}

float HeadlessSite::ScaleWidth() const {
    user::RECT client{};
    system_.GetClientRect(hwnd_, &client);
    return static_cast<float>(client.right);
}

float HeadlessSite::ScaleHeight() const {
    user::RECT client{};
    system_.GetClientRect(hwnd_, &client);
    return static_cast<float>(client.bottom);
}

float HeadlessSite::ScaleX(float width, container::ScaleUnit from, container::ScaleUnit to) const {
    // The form measures in twips, so its container units are twips.
    return container::ConvertScale(width, from, to, system_.TwipsPerPixelX());
}

float HeadlessSite::Width() const {
    return ScaleWidth() * static_cast<float>(system_.TwipsPerPixelX());
}

bool HeadlessSite::SetWidth(float width) {
    return Size(width, ScaleHeight() * static_cast<float>(system_.TwipsPerPixelY()));
}

bool HeadlessSite::Size(float width, float height) {
    if (!(width >= 0.0f && height >= 0.0f))
        return false;
    const long pixelWidth = std::lround(width / static_cast<float>(system_.TwipsPerPixelX()));
    const long pixelHeight = std::lround(height / static_cast<float>(system_.TwipsPerPixelY()));
    if (pixelWidth > 32767 || pixelHeight > 32767)
        return false;
    ResizeTo(static_cast<int>(pixelWidth), static_cast<int>(pixelHeight));
    return true;
}

void HeadlessSite::Refresh() {
    ++refreshCount_;
    system_.ValidateWindow(hwnd_);
}

// ---- Kept values ----

bool HeadlessSite::SetFont(const container::FontPtr& font) {
    if (!font)
        return false;
    font_ = font->Clone();
    return true;
}

bool HeadlessSite::SetForeColor(container::OleColor color) {
    // An OLE colour is an RGB value or a system colour index; anything else is refused.
    const auto bits = static_cast<std::uint32_t>(color);
    const bool isRgb = (bits & 0xFF000000u) == 0;
    const bool isSystemColor = (bits & 0xFFFFFF00u) == 0x80000000u;
    if (!isRgb && !isSystemColor)
        return false;
    foreColor_ = color;
    return true;
}

bool HeadlessSite::SetEnabled(bool enabled) {
    enabled_ = enabled;
    return true;
}

bool HeadlessSite::SetMousePointer(std::int16_t pointer) {
    if (!((pointer >= 0 && pointer <= 15) || pointer == container::kMousePointerCustom))
        return false;
    mousePointer_ = pointer;
    return true;
}

bool HeadlessSite::SetMouseIcon(const picture::PicturePtr& icon) {
    if (icon && icon->Type() != picture::PictureType::Icon)
        return false;
    mouseIcon_ = icon;
    return true;
}

bool HeadlessSite::SetAccessKeys(std::string keys) {
    accessKeys_ = std::move(keys);
    return true;
}

bool HeadlessSite::SetTag(std::string tag) {
    tag_ = std::move(tag);
    return true;
}

void HeadlessSite::InformationMessage(std::string_view text) {
    messageBoxes_.push_back({std::string(text), form_.Title()});
}

// ---- Notices ----

void HeadlessSite::InitProperties() {
    if (control_ != nullptr)
        control_->InitProperties();
}

void HeadlessSite::ReadProperties(const container::PropertyBag& bag) {
    if (control_ != nullptr)
        control_->ReadProperties(bag);
}

container::PropertyBag HeadlessSite::WriteProperties() {
    container::PropertyBag bag;
    if (control_ != nullptr)
        control_->WriteProperties(bag);
    return bag;
}

void HeadlessSite::Show() {
    if (control_ != nullptr)
        control_->Show();
}

void HeadlessSite::Paint() {
    system_.ValidateWindow(hwnd_);
    if (control_ != nullptr)
        control_->Paint();
}

void HeadlessSite::Terminate() {
    container::ControlNotices* control = control_;
    control_ = nullptr; // nothing reaches a control after its Terminate
    if (control != nullptr)
        control->Terminate();
}

void HeadlessSite::AmbientChanged(std::string_view name) {
    if (control_ != nullptr)
        control_->AmbientChanged(name);
}

void HeadlessSite::MoveCursorTo(float x, float y) {
    user::POINT point{static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
    system_.ClientToScreen(hwnd_, &point);
    system_.SetCursorPos(point.x, point.y);
}

void HeadlessSite::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    MoveCursorTo(x, y);
    if (control_ != nullptr)
        control_->MouseDown(button, shift, x, y);
}

void HeadlessSite::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    MoveCursorTo(x, y);
    if (control_ != nullptr)
        control_->MouseUp(button, shift, x, y);
}

void HeadlessSite::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    MoveCursorTo(x, y);
    if (control_ != nullptr)
        control_->MouseMove(button, shift, x, y);
}

void HeadlessSite::Click() {
    if (control_ != nullptr)
        control_->Click();
}

void HeadlessSite::DblClick() {
    if (control_ != nullptr)
        control_->DblClick();
}

void HeadlessSite::ClickAt(float x, float y) {
    MouseDown(container::kLeftButton, 0, x, y);
    MouseUp(container::kLeftButton, 0, x, y);
    Click();
}

void HeadlessSite::DoubleClickAt(float x, float y) {
    ClickAt(x, y);
    DblClick();
    MouseUp(container::kLeftButton, 0, x, y);
}

std::int16_t HeadlessSite::KeyDown(std::int16_t keyCode, std::int16_t shift) {
    if (control_ != nullptr)
        control_->KeyDown(keyCode, shift);
    return keyCode;
}

std::int16_t HeadlessSite::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    if (control_ != nullptr)
        control_->KeyUp(keyCode, shift);
    return keyCode;
}

std::int16_t HeadlessSite::KeyPress(std::int16_t keyAscii) {
    if (control_ != nullptr)
        control_->KeyPress(keyAscii);
    return keyAscii;
}

void HeadlessSite::AccessKeyPress(std::int16_t keyAscii) {
    if (control_ != nullptr)
        control_->AccessKeyPress(keyAscii);
}

void HeadlessSite::GotFocus() {
    if (control_ != nullptr)
        control_->GotFocus();
}

} // namespace headless
