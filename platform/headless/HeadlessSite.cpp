#include "platform/headless/HeadlessSite.h"

#include <cmath>

namespace headless {
namespace {

constexpr int kLargestWindowSide = 32767; // pixels; window coordinates are 16-bit

} // namespace

HeadlessSite::HeadlessSite(HeadlessForm& form, std::string displayName, int x, int y, int width, int height)
    : CommonSite(form.System(), std::move(displayName), form.Font(), kLargestWindowSide), form_(form),
      system_(form.System()) {
    hwnd_ = system_.CreateWindow(form.HWnd(), x, y, width, height);
    hdc_ = system_.GetDC(hwnd_);
    // The control learns of every size change of its window, whoever caused it.
    system_.SetSizeHandler(hwnd_, [this](user::HWND) {
        if (Control() != nullptr)
            Control()->Resize();
    });
    form_.AddSite(this);
}

HeadlessSite::~HeadlessSite() {
    form_.RemoveSite(this);
    system_.ReleaseDC(hwnd_, hdc_);
    system_.DestroyWindow(hwnd_);
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

void HeadlessSite::Refresh() {
    ++refreshCount_;
    system_.ValidateWindow(hwnd_);
}

void HeadlessSite::InformationMessage(std::string_view text) {
    messageBoxes_.push_back({std::string(text), form_.Title()});
}

// ---- Notices ----

container::PropertyBag HeadlessSite::WriteProperties() {
    container::PropertyBag bag;
    if (Control() != nullptr)
        Control()->WriteProperties(bag);
    return bag;
}

void HeadlessSite::Paint() {
    system_.ValidateWindow(hwnd_);
    if (Control() != nullptr)
        Control()->Paint();
}

void HeadlessSite::MoveCursorTo(float x, float y) {
    user::POINT point{static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
    system_.ClientToScreen(hwnd_, &point);
    system_.SetCursorPos(point.x, point.y);
}

void HeadlessSite::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    MoveCursorTo(x, y);
    if (Control() != nullptr)
        Control()->MouseDown(button, shift, x, y);
}

void HeadlessSite::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    MoveCursorTo(x, y);
    if (Control() != nullptr)
        Control()->MouseUp(button, shift, x, y);
}

void HeadlessSite::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    MoveCursorTo(x, y);
    if (Control() != nullptr)
        Control()->MouseMove(button, shift, x, y);
}

void HeadlessSite::Click() {
    if (Control() != nullptr)
        Control()->Click();
}

void HeadlessSite::DblClick() {
    if (Control() != nullptr)
        Control()->DblClick();
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
    if (Control() != nullptr)
        Control()->KeyDown(keyCode, shift);
    return keyCode;
}

std::int16_t HeadlessSite::KeyUp(std::int16_t keyCode, std::int16_t shift) {
    if (Control() != nullptr)
        Control()->KeyUp(keyCode, shift);
    return keyCode;
}

std::int16_t HeadlessSite::KeyPress(std::int16_t keyAscii) {
    if (Control() != nullptr)
        Control()->KeyPress(keyAscii);
    return keyAscii;
}

void HeadlessSite::AccessKeyPress(std::int16_t keyAscii) {
    if (Control() != nullptr)
        Control()->AccessKeyPress(keyAscii);
}

void HeadlessSite::GotFocus() {
    if (Control() != nullptr)
        Control()->GotFocus();
}

} // namespace headless
