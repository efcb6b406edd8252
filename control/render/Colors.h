// Colour arithmetic of the control: OLE colours turned into RGB, and the one
// rule for lighter and darker shades every derived colour comes from.
#pragma once

#include "control/model/ButtonState.h"

// OLE colour to RGB: negative values name the system colour of their low byte.
RgbColor TranslateColor(OleColor colour);

// Adds offset to red and green, and to blue (or, with blueRatio, blue times
// offset / 192), clamps to 0..255 and optionally inverts. With avoidExtremes a
// black or white result is retried with the reversed offset (64 for 0), and
// the caller's offset is left holding the offset that was used.
RgbColor ShadeColor(RgbColor colour, Integer& offset, bool blueRatio, bool avoidExtremes, bool invert);
// The same for a fixed offset the caller does not keep.
RgbColor ShadeColor(RgbColor colour, int offset, bool blueRatio, bool avoidExtremes, bool invert);
