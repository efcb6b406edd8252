// The container keeps its window handle in the button's Tag as decimal text;
// input uses it to name the option group and to pass keys on, painting to
// place a CustomClick shift in the container's coordinates.
#pragma once

#include "platform/window/user.h"

class ztButtons_H;

// The live window Tag names, or 0 when the button has no site or Tag holds
// anything else (other text, a number out of range, a destroyed window), so
// each caller can choose its own fallback.
user::HWND ContainerWindowFromTag(const ztButtons_H& button);
