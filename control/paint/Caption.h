// The picture and the caption of a button, in the colours of its state, with
// the relief effect of CaptionStyle and the disabled look.
#pragma once

#include "control/model/ztButtons_H.h"

// face: the face colour the relief copies are shaded from. captionColour: the
// painter's caption colour, -1 for the normal one. checked: draw the content
// one pixel down (and right) as when pushed. toggle: the painter's flag that
// keeps a disabled check box or option button flat; cleared here when the
// disabled caption gets its white-under-grey look.
void PaintCaption(ztButtons_H& button, RgbColor face, Long captionColour, bool checked, bool& toggle);

// DrawTextA format for a CaptionAlign value: left, right or centred, word-wrapped.
gdi::UINT CaptionTextFormat(Long captionAlign);
