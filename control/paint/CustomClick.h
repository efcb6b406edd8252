// The click movement of CustomClick: a pushed command button moves its window
// one pixel in one of eight directions and moves back when released.
#pragma once

#include "control/model/ztButtons_H.h"

// moved is true when the window has just been moved for a press: the moved
// window was presented unchanged and the caller draws nothing in this pass.
// Moving back on release leaves moved false, so the released picture is
// painted in the same pass.
void ShiftForCustomClick(ztButtons_H& button, bool& moved);
