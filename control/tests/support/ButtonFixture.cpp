#include "control/tests/support/ButtonFixture.h"

#include "control/render/DrawingState.h"

#include <algorithm>

namespace control_testing {

namespace {

control_stage::StagePlacement FixturePlacement(const ButtonOptions& options) {
    control_stage::StagePlacement placement;
    placement.width = options.width;
    placement.height = options.height;
    placement.formWidth = std::max(400, options.width + 40);
    placement.formHeight = std::max(300, options.height + 40);
    return placement;
}

}  // namespace

ButtonFixture::ButtonFixture(ButtonOptions options) : stage_(FixturePlacement(options)) {
    if (options.typicalSettings) ApplyTypicalSettings(Button());
    // The window already has its size, so the container sends no Resize of its own.
    if (options.resize) Button().Resize();
}

void ApplyTypicalSettings(ztButtons_H& button) {
    button.BackColor = SystemColorValue::ButtonFace;
    button.HoverBackColor = SystemColorValue::ButtonFace;
    button.HoverForeColor = SystemColorValue::ButtonText;
    button.GradientColor = SystemColorValue::ButtonFace;
    button.CaptionAlign = CaptionAlignValue::Center;
    button.PictureSizePx = 16;
    button.ShowFocusRect = True;
    UpdateDrawingState(button, "BackColor");
}

}  // namespace control_testing
