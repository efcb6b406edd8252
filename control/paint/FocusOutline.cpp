#include "control/paint/FocusOutline.h"

#include "control/paint/PaintConditions.h"
#include "control/render/Rounding.h"
#include "control/render/Surface.h"

#include <algorithm>

namespace {

void SelectOutlinePen(ztButtons_H& button, Long colour) {
    SelectDrawingTool(button, true, button.SurfaceDC, DrawingToolKind::Pen, colour < 0 ? PaintColor::Black : colour,
                      false, 1, gdi::PS_SOLID);
}

// The solid polygon inside the slanted edges; drawn checked or not.
void DrawDiagonalOutline(ztButtons_H& button, Long colour, BevelPoints& p) {
    const Long width = ClientWidth(button);
    const Long height = ClientHeight(button);
    const Long faceLeft = button.FaceLeft;
    const Long faceRight = button.FaceRight;
    const int l = faceLeft != 0 ? 1 : 0;
    const int r = width > faceRight ? 1 : 0;
    p[0] = {faceLeft + 4 - 6 * l, height - 5};
    p[1] = {4 * l + 4, 4};
    p[2] = {faceRight + 4 * r - 5, 4};
    p[3] = {width - 5 - 6 * r, height - 5};
    p[4] = {faceLeft + 3 - 4 * l, height - 5};
    SelectOutlinePen(button, colour);
    gdi::Polyline(button.SurfaceDC, p.point.data(), 5);
}

// The caption rectangle (or, without a caption, the picture's, kept 4 pixels
// inside the control), grown around the content and moved with it when pushed.
gdi::RECT RoundPathRect(const ztButtons_H& button) {
    const Long width = ClientWidth(button);
    const Long height = ClientHeight(button);
    gdi::RECT rect = button.CaptionRect;
    if (button.CaptionText.empty()) {
        rect = button.ImageRect;
        rect.bottom = std::min<Long>(rect.bottom, height - 4);
        rect.right = std::min<Long>(rect.right, width - 4);
    }
    // Content that touches the face's sides gets the smaller margin.
    const int inflate =
        (button.FaceLeft + 4 >= button.CaptionRect.left || button.CaptionRect.right >= button.FaceRight - 4) ? 1 : 2;
    const int shift = ((IsPushed(button) || IsChecked(button)) && button.ButtonStyle != 3) ? 1 : 0;
    const int dx = IsRectangular(button) ? shift : 0;
    gdi::OffsetRect(&rect, dx - inflate, shift - inflate);
    rect.right += 2 * inflate + dx;
    rect.bottom += 2 * inflate + shift;
    return rect;
}

}  // namespace

void DrawFocusAndOutline(ztButtons_H& button, Long outlineColour, bool solid, bool roundPath, BevelPoints& points) {
    if (!HasDefaultLook(button) || button.ButtonShape > ButtonShapeValue::EllipseOutlined) return;
    if (!IsRectangular(button)) {
        if (button.ButtonStyle == 2) return;
        roundPath = true;
    }
    if (IsDiagonalShape(button)) {
        DrawDiagonalOutline(button, outlineColour, points);
        return;
    }

    SelectOutlinePen(button, outlineColour);
    const gdi::HDC surface = button.SurfaceDC;
    if (roundPath) {
        const gdi::RECT r = RoundPathRect(button);
        if (solid) {
            const gdi::POINT outline[5] = {
                {r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1},
                {r.left, r.top}};
            gdi::Polyline(surface, outline, 5);
        } else {
            gdi::DrawFocusRect(surface, &r);
        }
        return;
    }

    const gdi::RECT r{button.FaceLeft + 4, 4, button.FaceRight - 4, ClientHeight(button) - 4};
    if (solid) {
        const gdi::POINT outline[5] = {
            {r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
        gdi::Polyline(surface, outline, 5);
    } else {
        gdi::DrawFocusRect(surface, &r);
    }
}
