// One button on its own headless window system, form and site: drawn in the
// requested states and captured at its final size, transparent outside its
// window region so that shaped buttons show as they would on a form.
#pragma once

#include "ArgbImage.h"
#include "ButtonSettings.h"

#include "control/stage/HeadlessButton.h"

#include <memory>
#include <string>
#include <vector>

class ButtonStage {
public:
    ButtonStage(int width, int height);

    ztButtons_H& Button() { return stage_.Button(); }
    headless::HeadlessSite& Site() { return stage_.Site(); }
    ButtonSettings& Settings() { return *settings_; }

    // normal, hover, pushed, checked, default, disabled, design.
    void ApplyStates(const std::vector<std::string>& states);

    // Builds surface, region and layout (the button may resize itself) and
    // paints; then paints once more, as the window would after a CustomClick move.
    void Draw();

    ArgbImage Capture();

private:
    control_stage::HeadlessButton stage_;
    std::unique_ptr<ButtonSettings> settings_;  // refers to the stage's button and site
};

// A button of the given size drawn with the given settings and states.
// On a refused setting returns false with a message.
bool RenderButton(int width, int height, const std::vector<std::pair<std::string, std::string>>& settings,
                  const std::vector<std::string>& states, ArgbImage& image, std::string& error);
