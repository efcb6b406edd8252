// The eight style painters, one per ButtonStyle value, called only by
// RedrawButton. Each fills the background, draws picture and caption, the
// edge lines of its style and the focus outline on the off-screen surface,
// reading nothing but the state record and the container's kept values.
//
// The shared order (styles 3, 5, 2 and 7 depart from it where noted in their files):
//  1. face colour for the state;  2. PaintBackground (stop when it draws nothing);
//  3. PaintCaption;  4. edge colours and DrawBevel (rectangular and diagonal shapes only);
//  5. a black region frame for outlined-ellipse and custom shapes, else present only;
//  6. DrawFocusAndOutline.
#pragma once

#include "control/model/ztButtons_H.h"
#include "control/paint/PaintContract.h"

using StylePainter = void (*)(ztButtons_H&, BevelPoints&, BevelColors&, BevelState&, PaintResult&);

// Four-state raised button: light inner line, black frame when default.
void PaintStyle0(ztButtons_H& button, BevelPoints& points, BevelColors& colors, BevelState& state, PaintResult& result);
// Two-pixel white/grey edge in a black frame.
void PaintStyle1(ztButtons_H& button, BevelPoints& points, BevelColors& colors, BevelState& state, PaintResult& result);
// Rounded, softly shaded button with a fixed blue/orange palette and corner pixels.
void PaintStyle2(ztButtons_H& button, BevelPoints& points, BevelColors& colors, BevelState& state, PaintResult& result);
// Soft grey edge with a solid coloured focus outline; content never moves.
void PaintStyle3(ztButtons_H& button, BevelPoints& points, BevelColors& colors, BevelState& state, PaintResult& result);
// A single one-pixel edge.
void PaintStyle4(ztButtons_H& button, BevelPoints& points, BevelColors& colors, BevelState& state, PaintResult& result);
// Flat until the pointer is over it or it is checked; guide lines at design time.
void PaintStyle5(ztButtons_H& button, BevelPoints& points, BevelColors& colors, BevelState& state, PaintResult& result);
// Two-pixel light/grey edge without a frame.
void PaintStyle6(ztButtons_H& button, BevelPoints& points, BevelColors& colors, BevelState& state, PaintResult& result);
// Inverting button: pushed or checked, the face darkens and the caption takes the face colour.
void PaintStyle7(ztButtons_H& button, BevelPoints& points, BevelColors& colors, BevelState& state, PaintResult& result);

// The painter of a ButtonStyle value, or null for values outside 0 to 7.
StylePainter StylePainterFor(Long buttonStyle);
