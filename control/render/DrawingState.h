// The derived drawing state: the caption font selected into the surface, the
// picture's kind and natural size, and the face colours derived per style.
// ShadeColor is the control's one rule for lighter and darker shades.
#pragma once

#include "control/model/ztButtons_H.h"
#include "platform/container/Font.h"

#include <string_view>

// aspect, compared without regard to case: "Font", "Picture" or "BackColor";
// any other name does nothing.
void UpdateDrawingState(ztButtons_H& button, std::string_view aspect);

// Adds offset to red and green, and to blue (or, with blueRatio, blue times
// offset / 192), clamps to 0..255 and optionally inverts. With avoidExtremes a
// black or white result is retried with the reversed offset (64 for 0), and
// the caller's offset is left holding the offset that was used.
RgbColor ShadeColor(RgbColor colour, Integer& offset, bool blueRatio, bool avoidExtremes, bool invert);
// The same for a fixed offset the caller does not keep.
RgbColor ShadeColor(RgbColor colour, int offset, bool blueRatio, bool avoidExtremes, bool invert);

// The LOGFONT the caption font is created from: lfHeight = -20 x Size /
// twipsPerPixelY rounded half to even, weight, italic/underline/strike-out,
// DEFAULT_CHARSET, the face name NUL-terminated and padded with spaces.
gdi::LOGFONTA BuildLogFont(const container::Font& font, double twipsPerPixelY);
