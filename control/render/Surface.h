// The off-screen surface every picture of the button is composed on, and the
// three primitives all painters use on it. Pens and brushes always go into
// SurfaceDC and the one they replace is deleted at once, so the surface owns
// at most one pen, one brush, one font and one bitmap of its own.
#pragma once

#include "control/model/ztButtons_H.h"

// What SelectDrawingTool selects.
struct DrawingToolKind {
    static constexpr Long Brush = 0;      // solid brush, and a pen too when alsoPen
    static constexpr Long Pen = 1;        // pen of the given style and width
    static constexpr Long TextColor = 2;  // text colour of the given DC (translated)
};

// create true: makes the surface DC (transparent background, black pen and
// brush, caption font) and a surface bitmap of the client size, whichever is
// missing. create false: copies the surface to the control's DC in one block.
void ManageOffscreenDC(ztButtons_H& button, bool create);

// select false restores SavedBrush and SavedPen and deletes the control's own.
// Colours of pens and brushes are taken as RGB; only the text colour is translated.
void SelectDrawingTool(ztButtons_H& button, bool select, gdi::HDC hdc, Long kind, Long colour,
                       bool alsoPen = false, Long width = 1, Long style = gdi::PS_SOLID);

// Filled rectangle, right and bottom excluded. borderColour -1: outlined in the fill colour.
void DrawRect(ztButtons_H& button, gdi::HDC hdc, Long left, Long top, Long right, Long bottom, Long fillColour,
              Long borderColour = -1, Long borderWidth = 1, Long borderStyle = gdi::PS_SOLID);

// Releases the surface: restores the saved pen, brush, font and bitmap,
// deleting the control's own, and deletes the DC. Leaves every member 0.
void ReleaseOffscreenDC(ButtonState& state);

// Puts the saved bitmap back and deletes the surface bitmap (before a resize).
void DropSurfaceBitmap(ztButtons_H& button);
