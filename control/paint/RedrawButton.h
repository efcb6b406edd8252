#pragma once

class ztButtons_H;

// The one entry of the paint pipeline: every visible change of a button ends
// here. Runs the painter of the button's style on the off-screen surface,
// presents the surface in one copy, frames round and custom shapes, and
// refreshes the container. Does nothing while drawing is delayed.
void RedrawButton(ztButtons_H& button);
