// Two-colour gradients of solid bands over the whole surface, in the direction
// GradientMode names (1 left to right, 2 right to left, 3 top to bottom,
// 4 bottom to top). Controls spanning more than a quarter of the screen in
// that direction get 2-pixel bands.
#pragma once

#include "control/model/ztButtons_H.h"

#include <vector>

void FillGradient(ztButtons_H& button, RgbColor first, RgbColor last);

// Fills every element of colours (sized by the caller) from first to last;
// element 0 is exactly first.
void GradientBandColours(std::vector<RgbColor>& colours, RgbColor first, RgbColor last);
