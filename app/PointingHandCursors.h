#pragma once
// The pointing-hand mouse icons of the main window's buttons: 32 x 32
// two-colour cursors, one with its hot spot at (6, 0), one at (13, 9).
#include "platform/picture/Picture.h"

namespace app {

enum class HandHotSpot {
    Fingertip, // (6, 0): the hand in the top left corner
    Palm,      // (13, 9): the same hand moved right and down
};

picture::PicturePtr PointingHandCursor(HandHotSpot hotSpot);

} // namespace app
