// A ztButtons_H placed on a headless form: its own window system (installed
// for the fixture's life), a form, a site and the control attached to it.
// The control is terminated before the site goes away.
#pragma once

#include "control/model/ztButtons_H.h"
#include "platform/headless/HeadlessForm.h"
#include "platform/headless/HeadlessSite.h"
#include "platform/headless/HeadlessWindowSystem.h"

#include <memory>

namespace control_testing {

struct ButtonOptions {
    int width = 100;
    int height = 30;
    int screenWidth = 1280;
    int screenHeight = 1024;
    bool typicalSettings = true;  // see ApplyTypicalSettings
    bool resize = true;           // send the first Resize (builds surface, region, layout)
};

class ButtonFixture {
public:
    explicit ButtonFixture(ButtonOptions options = {});
    ~ButtonFixture();
    ButtonFixture(const ButtonFixture&) = delete;
    ButtonFixture& operator=(const ButtonFixture&) = delete;

    ztButtons_H& Button() { return *button_; }
    headless::HeadlessSite& Site() { return *site_; }
    headless::HeadlessForm& Form() { return *form_; }
    headless::HeadlessWindowSystem& System() { return *system_; }

    // Resizes the control's window; the control gets its Resize notice.
    void ResizeTo(int width, int height) { site_->ResizeTo(width, height); }

private:
    std::unique_ptr<headless::HeadlessWindowSystem> system_;
    std::unique_ptr<user::ScopedBackend> backend_;
    std::unique_ptr<headless::HeadlessForm> form_;
    std::unique_ptr<headless::HeadlessSite> site_;
    std::unique_ptr<ztButtons_H> button_;
};

// The values a new button starts with before its properties are loaded:
// button-face back colour, caption colours following, 16-px pictures,
// centred caption, focus rectangle on, derived colours computed.
void ApplyTypicalSettings(ztButtons_H& button);

}  // namespace control_testing
