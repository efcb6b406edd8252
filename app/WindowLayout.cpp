#include "app/WindowLayout.h"

#include <algorithm>

namespace app {
namespace {

// A control that keeps its distance from the right edge.
ControlBox RightAnchored(ControlBox stored, int extra) {
    stored.left += extra;
    return stored;
}

// A control that keeps both its distances to the edges.
ControlBox Stretched(ControlBox stored, int extra) {
    stored.width += extra;
    return stored;
}

} // namespace

WindowLayout LayOutWindow(int clientWidth) {
    const int extra = std::max(0, clientWidth - kStoredClientWidth);
    WindowLayout layout;
    layout.lstResult = Stretched({2, 4, 275, 103}, extra);
    layout.cmdHomePage = {2, 110, 139, 23};
    layout.shpDateTime = RightAnchored({148, 108, 15, 25}, extra);
    layout.cmdDateTime = RightAnchored({170, 112, 105, 21}, extra);
    layout.txtCeShi = Stretched({2, 200, 275, 89}, extra);
    layout.cmdCeShi = RightAnchored({89, 292, 181, 21}, extra);
    layout.chkCeshi = {9, 295, 73, 19};
    layout.txtYouXiao = Stretched({2, 316, 275, 89}, extra);
    return layout;
}

int ClientHeightShowing(const ControlBox& control, int clientHeight) {
    return std::clamp(control.Bottom() + kMarginBelow, clientHeight, std::max(clientHeight, kFullClientHeight));
}

} // namespace app
