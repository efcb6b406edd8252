// The control's life apart from property values: the redraw switch, the Resize
// handling that rebuilds surface, region and layout, and the release of every
// handle the control owns.
#pragma once

#include "control/model/ztButtons_H.h"

// The hover timer's identifier on the control's window.
constexpr user::UINT_PTR kHoverTimerId = 237;

// DrawingDelayed <- delay; switching it off redraws (Refresh).
void DelayDrawing(ztButtons_H& button, bool delay);

// Switches drawing on and redraws.
void Refresh(ztButtons_H& button);

// At design time the host's default button shows the default look, when it
// shows a focus rectangle at all; at run time the input handling decides.
void HandleShow(ztButtons_H& button);

// A new surface bitmap of the client size; with drawing on, then the region,
// the layout and the picture again.
void HandleResize(ztButtons_H& button);

// Stops the hover timer and releases regions, surface and prepared image.
// Safe to call twice: every released handle is left 0.
void HandleTerminate(ztButtons_H& button);

// Deletes every handle the control owns (regions, surface with its pen,
// brush, font and bitmap, prepared image) without touching the window system.
void ReleaseOwnedHandles(ButtonState& state);
