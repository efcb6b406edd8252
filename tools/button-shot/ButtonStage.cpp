#include "ButtonStage.h"

#include "control/paint/RedrawButton.h"
#include "control/render/Rounding.h"

#include <algorithm>

namespace {

constexpr int kFormMargin = 20;

void SetFlag(ztButtons_H& button, Integer bit) { button.StateFlags = static_cast<Integer>(button.StateFlags | bit); }

control_stage::StagePlacement StagePlacementFor(int width, int height) {
    control_stage::StagePlacement placement;
    placement.left = kFormMargin;
    placement.top = kFormMargin;
    placement.width = width;
    placement.height = height;
    // Room for a slanted button to widen itself.
    placement.formWidth = std::max(400, 2 * width + kFormMargin);
    placement.formHeight = std::max(300, height + 2 * kFormMargin);
    return placement;
}

}  // namespace

ButtonStage::ButtonStage(int width, int height) : stage_(StagePlacementFor(width, height)) {
    stage_.Site().SetTag(std::to_string(stage_.Form().HWnd()));
    settings_ = std::make_unique<ButtonSettings>(stage_.Button(), stage_.Site());
    settings_->ApplyNewButtonDefaults();
}

void ButtonStage::ApplyStates(const std::vector<std::string>& states) {
    ztButtons_H& button = stage_.Button();
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
            stage_.Site().SetEnabled(false);
        } else if (state == "design") {
            stage_.Form().SetUserMode(false);
        }
    }
}

void ButtonStage::Draw() {
    stage_.Button().Resize();
    RedrawButton(stage_.Button());
}

ArgbImage ButtonStage::Capture() {
    const int width = ClientWidth(stage_.Button());
    const int height = ClientHeight(stage_.Button());
    ArgbImage image(std::max(width, 0), std::max(height, 0), 0);
    const gdi::HRGN region = gdi::CreateRectRgn(0, 0, 0, 0);
    const bool hasRegion = region != 0 && user::GetWindowRgn(stage_.Button().HWnd(), region) != gdi::ERROR;
    const gdi::HDC hdc = stage_.Button().HDC();
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
