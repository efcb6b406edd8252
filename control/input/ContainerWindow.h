// The window of the container that holds a button: the handle its Tag keeps
// as decimal text. It names the button's option group and receives the arrow
// keys the button passes on.
#pragma once

#include "platform/window/user.h"

class ztButtons_H;

// When Tag holds no live window handle, the container reports its window
// itself, so a button whose Tag the host reused still finds its group.
user::HWND ContainerWindowOf(const ztButtons_H& button);
