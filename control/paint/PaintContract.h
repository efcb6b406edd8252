// The values RedrawButton hands to a style painter for one pass. They are
// made fresh (all zero) for every call and discarded afterwards, so nothing a
// painter computes can leak into the next picture.
#pragma once

#include "control/model/ButtonState.h"
#include "platform/gdi/gdi.h"

#include <array>

// Corner points of the edge lines, index 0 to 15 (see DrawBevel).
struct BevelPoints {
    std::array<gdi::POINT, 16> point{};

    gdi::POINT& operator[](int index) { return point[static_cast<std::size_t>(index)]; }
    const gdi::POINT& operator[](int index) const { return point[static_cast<std::size_t>(index)]; }
};

// One colour per edge segment, index 1 to 12: 1-4 inner ring, 5-8 middle
// ring, 9-12 outer ring, each ring left, top, right, bottom. A negative entry
// leaves its segment undrawn. Entry 12 doubles as the region-frame colour.
struct BevelColors {
    std::array<Long, 13> entry{};  // entry[0] is unused

    Long& operator[](int index) { return entry[static_cast<std::size_t>(index)]; }
    Long operator[](int index) const { return entry[static_cast<std::size_t>(index)]; }

    // Sets entries first..last (inclusive) to colour.
    void Set(int first, int last, Long colour) {
        for (int index = first; index <= last; ++index) entry[static_cast<std::size_t>(index)] = colour;
    }
};

// Which column of a painter's colour table the edges use:
// PaintBackground leaves 0 normal, 1 default look, 2 pushed; painters may
// reassign it for their own tables, up to 3.
using BevelState = Integer;

// What RedrawButton does after the painter.
using PaintResult = Integer;

struct PaintResultValue {
    static constexpr PaintResult NothingDrawn = 0;        // show nothing, no refresh
    static constexpr PaintResult Present = 1;             // copy the surface to the control
    static constexpr PaintResult PresentFramed = 3;       // ... and frame the shape's region
    static constexpr PaintResult PresentSunkenFramed = 4; // the same, after a gradient backdrop
};

// Colours the painters use by name (0x00BBGGRR); a negative colour means "none".
struct PaintColor {
    static constexpr Long None = -1;
    static constexpr Long Black = 0x000000;
    static constexpr Long White = 0xFFFFFF;
    static constexpr Long Grey = 0x808080;
};
