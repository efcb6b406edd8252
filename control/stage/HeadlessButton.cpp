#include "control/stage/HeadlessButton.h"

namespace control_stage {

HeadlessButton::HeadlessButton(const StagePlacement& placement)
    : system_(std::make_unique<headless::HeadlessWindowSystem>()),
      backend_(std::make_unique<user::ScopedBackend>(system_.get())),
      form_(std::make_unique<headless::HeadlessForm>(*system_, 0, 0, placement.formWidth, placement.formHeight)),
      site_(std::make_unique<headless::HeadlessSite>(*form_, placement.siteName, placement.left, placement.top,
                                                     placement.width, placement.height)),
      button_(std::make_unique<ztButtons_H>(site_.get())) {
    site_->Attach(button_.get());
}

HeadlessButton::~HeadlessButton() {
    site_->Terminate();
    button_.reset();
    site_.reset();
    form_.reset();
    backend_.reset();
    system_.reset();
}

}  // namespace control_stage
