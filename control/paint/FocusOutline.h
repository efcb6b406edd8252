// The focus rectangle of a button with the default look: dotted and inverting
// normally, a solid outline when the button is checked, and a solid polygon
// along the slanted edges of the diagonal shapes.
#pragma once

#include "control/model/ztButtons_H.h"
#include "control/paint/PaintContract.h"

// outlineColour: colour of the solid outline and polygon (negative: black).
// solid: the painter binds it to Value. roundPath: surround the caption (or
// the picture) instead of the fixed inset rectangle; always taken by round
// shapes. Diagonal shapes overwrite points 0 to 4 with their polygon.
void DrawFocusAndOutline(ztButtons_H& button, Long outlineColour, bool solid, bool roundPath, BevelPoints& points);
