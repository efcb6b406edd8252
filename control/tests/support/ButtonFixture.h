// A ztButtons_H placed on a headless form (see control_stage::HeadlessButton),
// with the settings a new button starts with and its first Resize sent.
#pragma once

#include "control/stage/HeadlessButton.h"

namespace control_testing {

struct ButtonOptions {
    int width = 100;
    int height = 30;
    bool typicalSettings = true;  // see ApplyTypicalSettings
    bool resize = true;           // send the first Resize (builds surface, region, layout)
};

class ButtonFixture {
public:
    explicit ButtonFixture(ButtonOptions options = {});

    ztButtons_H& Button() { return stage_.Button(); }
    headless::HeadlessSite& Site() { return stage_.Site(); }
    headless::HeadlessForm& Form() { return stage_.Form(); }
    headless::HeadlessWindowSystem& System() { return stage_.System(); }

    // Resizes the control's window; the control gets its Resize notice.
    void ResizeTo(int width, int height) { stage_.Site().ResizeTo(width, height); }

private:
    control_stage::HeadlessButton stage_;
};

// The values a new button starts with before its properties are loaded:
// button-face back colour, caption colours following, 16-px pictures,
// centred caption, focus rectangle on, derived colours computed.
void ApplyTypicalSettings(ztButtons_H& button);

}  // namespace control_testing
