// What a click does in each mode: command buttons raise Click, check boxes
// toggle Value first, option buttons become checked (and uncheck the rest of
// their group) unless they already are. The container's click notice, the
// Space release, access keys, arrow-key releases and the focus all end here.
#pragma once

#include "control/model/ButtonState.h"

class ztButtons_H;

// Acts only when LastMouseButton is 1 (the left button, or the keyboard).
void HandleClick(ztButtons_H& button);

// An option button that gets the focus while no member of its group is
// checked becomes checked, with a Click.
void HandleGotFocus(ztButtons_H& button);

// Assigns Value through the control's Value property, which repaints the
// button, reports the change and keeps its option group exclusive.
void SetValueProperty(ztButtons_H& button, Boolean value);
