// The button states the painters branch on, read from the state record and
// the container's kept values only: painters never ask the window system.
#pragma once

#include "control/model/ztButtons_H.h"
#include "control/render/Colors.h"

// Left button went down on the button and the pointer is still inside it.
inline bool IsPushed(const ztButtons_H& button) { return button.IsPushed(); }

inline bool IsChecked(const ztButtons_H& button) { return button.Value != False; }

inline bool IsToggle(const ztButtons_H& button) { return button.Mode != ModeValue::CommandButton; }

// A check box or option button held down, or any button that is checked.
inline bool IsHeldOrChecked(const ztButtons_H& button) {
    return (button.IsPressing != False && button.Mode > ModeValue::CommandButton) || IsChecked(button);
}

inline bool HasDefaultLook(const ztButtons_H& button) {
    return (button.StateFlags & StateFlagBits::DefaultLook) != 0;
}

inline bool IsHovering(const ztButtons_H& button) { return button.IsHovering != False; }

inline bool IsRectangular(const ztButtons_H& button) { return button.ButtonShape < ButtonShapeValue::Ellipse; }

inline bool IsDiagonalShape(const ztButtons_H& button) {
    return button.ButtonShape >= ButtonShapeValue::LeftSlanted &&
           button.ButtonShape <= ButtonShapeValue::Parallelogram;
}

// False while the host form is being designed; a host without a design mode is always at run time.
inline bool IsRunTime(const ztButtons_H& button) {
    return button.Site() == nullptr || button.Site()->AmbientUserMode();
}

// The face colour of the common painters: the checked colour for a checked toggle.
inline RgbColor CommonFaceColor(const ztButtons_H& button) {
    return IsToggle(button) && IsChecked(button) ? button.CheckedFaceColor : button.FaceColor;
}

// Shade(x, n): ShadeColor with all three flags off.
inline RgbColor Shade(RgbColor colour, int offset) { return ShadeColor(colour, offset, false, false, false); }

// S(x, n): ShadeColor with the blue channel changed in proportion to itself.
inline RgbColor ShadeBlueRatio(RgbColor colour, int offset) {
    return ShadeColor(colour, offset, true, false, false);
}

// Round (and custom) shapes frame their outline after presenting when they are
// hovered or pushed (shape 6) or always (custom shapes); others do not.
inline bool WantsBlackRegionFrame(const ztButtons_H& button) {
    return (button.ButtonShape == ButtonShapeValue::EllipseOutlined && (IsHovering(button) || IsPushed(button))) ||
           button.ButtonShape > ButtonShapeValue::EllipseOutlined;
}
