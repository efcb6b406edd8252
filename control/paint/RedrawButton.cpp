#include "control/paint/RedrawButton.h"

#include "control/model/ztButtons_H.h"

namespace {

using StylePainter = void (*)(ztButtons_H&);

// One painter per ButtonStyle value; filled in as the painters land.
constexpr StylePainter kStylePainters[8] = {};

}  // namespace

void RedrawButton(ztButtons_H& button) {
    if (button.DrawingDelayed) return;
    if (button.ButtonStyle < 0 || button.ButtonStyle > 7) return;
    if (StylePainter painter = kStylePainters[button.ButtonStyle]) painter(button);
}
