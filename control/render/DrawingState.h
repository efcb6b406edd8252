// The derived drawing state: the caption font selected into the surface, the
// picture's kind and natural size, and the face colours derived per style.
#pragma once

#include "control/model/ztButtons_H.h"
#include "platform/container/Font.h"

#include <string_view>

// aspect, compared without regard to case: "Font", "Picture" or "BackColor";
// any other name does nothing.
void UpdateDrawingState(ztButtons_H& button, std::string_view aspect);

// The LOGFONT the caption font is created from: lfHeight = -20 x Size /
// twipsPerPixelY rounded half to even, weight, italic/underline/strike-out,
// DEFAULT_CHARSET, the face name NUL-terminated and padded with spaces.
gdi::LOGFONTA BuildLogFont(const container::Font& font, double twipsPerPixelY);
