#include "ButtonStage.h"

#include "control/paint/RedrawButton.h"
#include "control/render/Rounding.h"

#include <algorithm>

namespace {

constexpr int kFormMargin = 20;

void SetFlag(ztButtons_H& button, Integer bit) { button.StateFlags = static_cast<Integer>(button.StateFlags | bit); }

}  // namespace

ButtonStage::ButtonStage(int width, int height)
    : system_(std::make_unique<headless::HeadlessWindowSystem>()),
      backend_(std::make_unique<user::ScopedBackend>(system_.get())) {
    // Room for a slanted button to widen itself.
    form_ = std::make_unique<headless::HeadlessForm>(*system_, 0, 0, std::max(400, 2 * width + kFormMargin),
                                                     std::max(300, height + 2 * kFormMargin));
    site_ = std::make_unique<headless::HeadlessSite>(*form_, "ztButtons_H1", kFormMargin, kFormMargin, width, height);
    site_->SetTag(std::to_string(form_->HWnd()));
    button_ = std::make_unique<ztButtons_H>(site_.get());
    site_->Attach(button_.get());
    settings_ = std::make_unique<ButtonSettings>(*button_, *site_);
    settings_->ApplyNewButtonDefaults();
}

ButtonStage::~ButtonStage() {
    site_->Terminate();
    button_.reset();
    site_.reset();
    form_.reset();
    backend_.reset();
    system_.reset();
}

void ButtonStage::ApplyStates(const std::vector<std::string>& states) {
    ztButtons_H& button = *button_;
    for (const std::string& state : states) {
        if (state == "hover") {
            button.IsHovering = True;
            SetFlag(button, StateFlagBits::PointerInside);
        } else if (state == "pushed") {
            button.IsHovering = True;
            button.IsPressing = True;
            SetFlag(button, StateFlagBits::Pushed);
        } else if (state == "checked") {
            if (button.Mode == ModeValue::CommandButton) button.Mode = ModeValue::CheckBox;
            button.Value = True;
        } else if (state == "default") {
            SetFlag(button, StateFlagBits::DefaultLook);
        } else if (state == "disabled") {
            site_->SetEnabled(false);
        } else if (state == "design") {
            form_->SetUserMode(false);
        }
    }
}

void ButtonStage::Draw() {
    button_->Resize();
    RedrawButton(*button_);
}

ArgbImage ButtonStage::Capture() {
    const int width = ClientWidth(*button_);
    const int height = ClientHeight(*button_);
    ArgbImage image(std::max(width, 0), std::max(height, 0), 0);
    const gdi::HRGN region = gdi::CreateRectRgn(0, 0, 0, 0);
    const bool hasRegion = region != 0 && user::GetWindowRgn(button_->HWnd(), region) != gdi::ERROR;
    const gdi::HDC hdc = button_->HDC();
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (hasRegion && !gdi::PtInRegion(region, x, y)) continue;  // stays fully transparent
            image.At(x, y) = OpaqueFromColorref(gdi::GetPixel(hdc, x, y));
        }
    }
    if (region != 0) gdi::DeleteObject(region);
    return image;
}

bool RenderButton(int width, int height, const std::vector<std::pair<std::string, std::string>>& settings,
                  const std::vector<std::string>& states, ArgbImage& image, std::string& error) {
    ButtonStage stage(width, height);
    for (const auto& [property, value] : settings) {
        if (!stage.Settings().Apply(property, value, error)) return false;
    }
    stage.ApplyStates(states);
    if (!stage.Settings().Finish(error)) return false;
    stage.Draw();
    image = stage.Capture();
    return true;
}
