// The first step of every style painter: prepare the surface (custom-click
// shift, backdrops of round and flat buttons, clipping to the face) and fill
// the background (solid, hover colour, two-colour gradient, or the shaded face
// of style 2).
#pragma once

#include "control/model/ztButtons_H.h"
#include "control/paint/PaintContract.h"

// face: the painter's face colour. gradientRGB: the gradient's end colour
// (negative: the face). hoverFace is the member HoverFaceColor itself: when it
// is negative it becomes the face. Leaves bevelState 0 normal, 1 default
// look, 2 pushed; result 0 means the pass draws nothing more.
void PaintBackground(ztButtons_H& button, RgbColor face, BevelState& bevelState, PaintResult& result,
                     RgbColor& gradientRGB, RgbColor& hoverFace);

// Shifts the window for CustomClick, lays the backdrop of pushed, checked and
// flat (style 5) buttons, and clips the surface to the face. result 0: the
// window was just moved and this pass draws nothing; 1 plain; 3 clipped to
// the face; 4 clipped inside a sunken or raised backdrop.
void BeginButtonPaint(ztButtons_H& button, PaintResult& result);
