// The one rounding rule of the control: to the nearest integer, halves to even
// (2.5 -> 2, 3.5 -> 4), as the control's numbers convert to whole pixels.
#pragma once

#include "control/model/ButtonState.h"

Long RoundHalfEven(double value);

// Client width and height in whole pixels, rounded the same way.
class ztButtons_H;
Long ClientWidth(const ztButtons_H& button);
Long ClientHeight(const ztButtons_H& button);
