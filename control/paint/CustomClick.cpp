#include "control/paint/CustomClick.h"

#include "control/model/ContainerTag.h"
#include "control/paint/PaintConditions.h"
#include "control/render/Surface.h"

namespace {

struct ShiftDirection {
    int dx;
    int dy;
};

// Indexed by CustomClick 1 to 8.
constexpr ShiftDirection kDirections[9] = {
    {0, 0},    // unused
    {0, -1},   // up
    {1, -1},   // up and right
    {-1, -1},  // up and left
    {1, 1},    // down and right
    {-1, 1},   // down and left
    {1, 0},    // right
    {0, 1},    // down
    {-1, 0},   // left
};

// When Tag holds no container window the window's parent is asked instead:
// converting with no window would leave screen coordinates and throw the
// button across its form.
user::HWND ContainerWindow(const ztButtons_H& button) {
    const user::HWND tagged = ContainerWindowFromTag(button);
    return tagged != 0 ? tagged : user::GetParent(button.HWnd());
}

void RefreshContainer(ztButtons_H& button) {
    if (button.Site() != nullptr) button.Site()->Refresh();
}

}  // namespace

void ShiftForCustomClick(ztButtons_H& button, bool& moved) {
    moved = false;
    if (button.CustomClick < 1 || button.CustomClick > 8 || button.Mode != ModeValue::CommandButton) return;

    const user::HWND hwnd = button.HWnd();
    user::RECT window{};
    if (!user::GetWindowRect(hwnd, &window)) return;
    user::POINT position{window.left, window.top};
    if (!user::ScreenToClient(ContainerWindow(button), &position)) return;
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const ShiftDirection direction = kDirections[button.CustomClick];
    const bool shifted = (button.StateFlags & StateFlagBits::Shifted) != 0;

    if (IsPushed(button) && !shifted) {
        user::MoveWindow(hwnd, position.x + direction.dx, position.y + direction.dy, width, height, gdi::TRUE);
        button.StateFlags = static_cast<Integer>(button.StateFlags | StateFlagBits::Shifted);
        ManageOffscreenDC(button, false);
        RefreshContainer(button);
        moved = true;
    } else if (shifted && !IsPushed(button)) {
        user::MoveWindow(hwnd, position.x - direction.dx, position.y - direction.dy, width, height, gdi::TRUE);
        button.StateFlags = static_cast<Integer>(button.StateFlags & ~StateFlagBits::Shifted);
    }
}
