// Up to three rings of one-pixel edge lines: the 3-D border of rectangular
// and diagonal-cornered buttons.
#pragma once

#include "control/model/ztButtons_H.h"
#include "control/paint/PaintContract.h"

// Fills the sixteen corner points from the shape and the face limits, then
// draws every segment whose colour entry is not negative, walking each ring
// from the bottom-left corner up, along the top, down and back along the
// bottom, and finally the closing bottom line with the pen last selected.
// A new pen is made only when the colour changes. outerPenStyle is the pen
// style of the outer ring, -1 for solid. bevelState is not used.
void DrawBevel(ztButtons_H& button, BevelPoints& points, const BevelColors& colors, BevelState bevelState,
               Long outerPenStyle);
