#include "control/model/Lifecycle.h"

#include "control/paint/RedrawButton.h"
#include "control/render/ButtonRegion.h"
#include "control/render/Layout.h"
#include "control/render/Surface.h"

void DelayDrawing(ztButtons_H& button, bool delay) {
    button.DrawingDelayed = ToBoolean(delay);
    if (!delay) Refresh(button);
}

void Refresh(ztButtons_H& button) {
    button.DrawingDelayed = False;
    RedrawButton(button);
}

void HandleShow(ztButtons_H& button) {
    container::ControlSite* site = button.Site();
    if (site == nullptr || site->AmbientUserMode()) return;
    if (site->AmbientDisplayAsDefault() && button.ShowFocusRect != False) {
        button.StateFlags = static_cast<Integer>(button.StateFlags | StateFlagBits::DefaultLook);
        RedrawButton(button);
    }
}

void HandleResize(ztButtons_H& button) {
    DropSurfaceBitmap(button);
    ManageOffscreenDC(button, true);
    // While drawing is delayed only the bitmap follows the size; the region
    // and layout are rebuilt by the next Resize with drawing on.
    if (button.DrawingDelayed != False) return;
    CreateButtonRegion(button);
    LayoutCaptionAndImage(button, false);
    RedrawButton(button);
}

void HandleTerminate(ztButtons_H& button) {
    // The hover timer draws with the surface, so it stops before anything is released.
    if (button.IsHovering != False) {
        user::KillTimer(button.HWnd(), kHoverTimerId);
        button.IsHovering = False;
    }
    ReleaseOwnedHandles(button);
}

void ReleaseOwnedHandles(ButtonState& state) {
    if (state.InnerRegion != 0) gdi::DeleteObject(state.InnerRegion);
    state.InnerRegion = 0;
    if (state.FaceRegion != 0) gdi::DeleteObject(state.FaceRegion);
    state.FaceRegion = 0;
    ReleaseOffscreenDC(state);
    state.DeleteImage();
}
