// HALFTONE stretching (see Halftone.cpp for the rule it follows).
#pragma once

#include "platform/gdi/internal/Raster.h"

namespace gdi::detail {

// A stretch with both rectangles normalised to positive extents.
struct HalftoneGeometry {
    int x, y, width, height;
    int sourceX, sourceY, sourceWidth, sourceHeight;
    bool mirrorX, mirrorY;
    bool sourceReversedX, sourceReversedY; // the source was given with a negative extent
};

// Stretches source into dest by interpolation and combines it through rop.
void HalftoneSourceRop(DcObject& dest, const HalftoneGeometry& geometry, const Surface& source,
                       const SourceConversion& conversion, const BrushPattern& pattern, BYTE rop);

} // namespace gdi::detail
