#include "control/tests/support/ButtonFixture.h"

#include "control/render/DrawingState.h"

#include <algorithm>

namespace control_testing {

ButtonFixture::ButtonFixture(ButtonOptions options)
    : system_(std::make_unique<headless::HeadlessWindowSystem>(options.screenWidth, options.screenHeight, 15)),
      backend_(std::make_unique<user::ScopedBackend>(system_.get())) {
    form_ = std::make_unique<headless::HeadlessForm>(*system_, 0, 0, std::max(400, options.width + 40),
                                                     std::max(300, options.height + 40));
    site_ = std::make_unique<headless::HeadlessSite>(*form_, "ztButtons_H1", 10, 10, options.width,
                                                     options.height);
    button_ = std::make_unique<ztButtons_H>(site_.get());
    site_->Attach(button_.get());
    if (options.typicalSettings) ApplyTypicalSettings(*button_);
    // The window already has its size, so the container sends no Resize of its own.
    if (options.resize) button_->Resize();
}

ButtonFixture::~ButtonFixture() {
    site_->Terminate();
    button_.reset();
    site_.reset();
    form_.reset();
    backend_.reset();
    system_.reset();
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
