#include "control/paint/Bevel.h"

#include "control/render/Rounding.h"
#include "control/render/Surface.h"

namespace {

gdi::POINT Offset(gdi::POINT point, int dx, int dy) { return {point.x + dx, point.y + dy}; }

void FillBevelPoints(const ztButtons_H& button, BevelPoints& p) {
    // L and R: the shape has a slanted left (right) edge.
    const int shape = button.ButtonShape;
    const int l = (shape == ButtonShapeValue::LeftSlanted || shape == ButtonShapeValue::Parallelogram) ? 1 : 0;
    const int r = (shape == ButtonShapeValue::RightSlanted || shape == ButtonShapeValue::Parallelogram) ? 1 : 0;
    const Long faceLeft = button.FaceLeft;
    const Long faceRight = button.FaceRight;
    const Long width = ClientWidth(button);
    const Long height = ClientHeight(button);

    // Inner ring, inset 2.
    p[0] = {faceLeft + 2 - 4 * l, height - 3};
    p[1] = {2 * l + 2, 2};
    p[2] = {faceRight + 3 * r - 3, 2};
    p[3] = {width - 3 - 3 * r, height - 3};
    p[4] = {faceLeft - 4 * l + 1, height - 3};
    // Middle ring, inset 1.
    p[5] = Offset(p[0], l - 1, 1);
    p[6] = Offset(p[1], -l - 1, -1);
    p[7] = Offset(p[2], 1 - r, -1);
    p[8] = Offset(p[3], r + 1, 1);
    p[9] = Offset(p[4], -1, 1);
    // Outer ring, inset 0.
    p[10] = {faceLeft - l, height - 1 + l};
    p[11] = {0, 0};
    p[12] = {faceRight + r - 1, 0};
    p[13] = {width - 1, height - 1 + r};
    p[14] = {faceLeft - 2 * l - 1, height - 1};
}

// Segment s runs from point s to point s + 1; its colour entry.
int ColourEntryOfSegment(int segment) {
    if (segment <= 3) return segment + 1;
    if (segment <= 8) return segment;
    return segment - 1;
}

constexpr bool IsOuterRing(int segment) { return segment >= 10; }

}  // namespace

void DrawBevel(ztButtons_H& button, BevelPoints& points, const BevelColors& colors, BevelState /*bevelState*/,
               Long outerPenStyle) {
    FillBevelPoints(button, points);
    const gdi::HDC surface = button.SurfaceDC;

    bool havePen = false;
    Long penColour = 0;
    for (int segment = 0; segment <= 13; ++segment) {
        if (segment == 4 || segment == 9) continue;  // the ends of the inner and middle rings
        const Long colour = colors[ColourEntryOfSegment(segment)];
        if (colour < 0) continue;
        if (!havePen || colour != penColour) {
            const Long style = (IsOuterRing(segment) && outerPenStyle != -1) ? outerPenStyle : gdi::PS_SOLID;
            SelectDrawingTool(button, true, surface, DrawingToolKind::Pen, colour, false, 1, style);
            havePen = true;
            penColour = colour;
        }
        const gdi::POINT line[2] = {points[segment], points[segment + 1]};
        gdi::Polyline(surface, line, 2);
    }

    // The outer bottom again, level: diagonal shapes end their ring slanted.
    points[15] = {ClientWidth(button) - 1, ClientHeight(button) - 1};
    const gdi::POINT closing[2] = {points[14], points[15]};
    gdi::Polyline(surface, closing, 2);
}
