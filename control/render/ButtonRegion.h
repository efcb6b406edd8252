// Turns ButtonShape into the window region, the face limits FaceLeft and
// FaceRight, the inset regions FaceRegion and InnerRegion, and for some shapes
// a backdrop on the surface. Slanted shapes widen the control until the slants
// fit; custom shapes resize it to the picture's aspect ratio.
#pragma once

#include "control/model/ztButtons_H.h"

void CreateButtonRegion(ztButtons_H& button);
