// A ztButtons_H on its own headless window system, form and site: the set-up
// that tests, benchmarks and the button-shot tool share. The window system is
// installed as the window back end for the stage's life, and the control is
// terminated before its site goes away.
#pragma once

#include "control/model/ztButtons_H.h"
#include "platform/headless/HeadlessForm.h"
#include "platform/headless/HeadlessSite.h"
#include "platform/headless/HeadlessWindowSystem.h"

#include <memory>
#include <string>

namespace control_stage {

// Where the button stands: its window on the form, and the form's size. The
// screen is the headless default, 1280 x 1024 at 15 twips to the pixel.
struct StagePlacement {
    int left = 10;
    int top = 10;
    int width = 100;
    int height = 30;
    int formWidth = 400;
    int formHeight = 300;
    std::string siteName = "ztButtons_H1";
};

class HeadlessButton {
public:
    explicit HeadlessButton(const StagePlacement& placement = {});
    ~HeadlessButton();
    HeadlessButton(const HeadlessButton&) = delete;
    HeadlessButton& operator=(const HeadlessButton&) = delete;

    ztButtons_H& Button() { return *button_; }
    headless::HeadlessSite& Site() { return *site_; }
    headless::HeadlessForm& Form() { return *form_; }
    headless::HeadlessWindowSystem& System() { return *system_; }

private:
    std::unique_ptr<headless::HeadlessWindowSystem> system_;
    std::unique_ptr<user::ScopedBackend> backend_;
    std::unique_ptr<headless::HeadlessForm> form_;
    std::unique_ptr<headless::HeadlessSite> site_;
    std::unique_ptr<ztButtons_H> button_;
};

}  // namespace control_stage
