// Sets up a button the way a host form would: the initial values of a newly
// placed button, then public properties by their public names through the
// control's property procedures, so that ranges, refusals, the order of
// assignments and the hover colours following behave as on a real form.
#pragma once

#include "control/model/ztButtons_H.h"
#include "platform/headless/HeadlessSite.h"

#include <string>

class ButtonSettings {
public:
    ButtonSettings(ztButtons_H& button, headless::HeadlessSite& site);

    // The values a newly placed button starts with.
    void ApplyNewButtonDefaults();

    // One property by its public name; false with a message when the name is
    // unknown or the value is refused.
    bool Apply(const std::string& property, const std::string& value, std::string& error);

    // Checks what needs several properties together.
    bool Finish(std::string& error);

private:
    bool ApplyColour(const std::string& property, OleColor colour);

    ztButtons_H& button_;
    headless::HeadlessSite& site_;
};

// Colours as decimal OLE values (system colours included) or #RRGGBB.
bool ParseOleColour(const std::string& text, OleColor& colour);
