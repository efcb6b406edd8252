#include "control/paint/PaintBackground.h"

#include "control/paint/CustomClick.h"
#include "control/paint/Gradient.h"
#include "control/paint/PaintConditions.h"
#include "control/render/Colors.h"
#include "control/render/Rounding.h"
#include "control/render/Surface.h"

#include <cmath>

namespace {

bool IsEllipseOutlinedOrCustom(const ztButtons_H& button) {
    return button.ButtonShape == ButtonShapeValue::EllipseOutlined || button.ButtonShape == ButtonShapeValue::Custom;
}

// A top-to-bottom gradient over the whole surface, without disturbing the
// button's own gradient direction.
void FillVerticalGradient(ztButtons_H& button, RgbColor top, RgbColor bottom) {
    button.GradientMode = GradientModeValue::TopToBottom;
    FillGradient(button, top, bottom);
}

// Frames a copy of the window region on the surface: the black ring of the
// outlined ellipse or the back-coloured outline of a custom shape.
void FrameWindowRegionOnSurface(ztButtons_H& button, RgbColor colour) {
    const gdi::HRGN copy = gdi::CreateRectRgn(0, 0, 0, 0);
    if (copy != 0 && user::GetWindowRgn(button.HWnd(), copy) != gdi::ERROR) {
        const gdi::HBRUSH brush = gdi::CreateSolidBrush(static_cast<gdi::COLORREF>(colour));
        if (brush != 0) {
            gdi::FrameRgn(button.SurfaceDC, copy, brush, 1, 1);
            gdi::DeleteObject(brush);
        }
    }
    if (copy != 0) gdi::DeleteObject(copy);
}

// Style 2's face darkens by up to 25 steps from the top row to the bottom one.
void FillShadedFace(ztButtons_H& button, RgbColor fill) {
    const Long width = ClientWidth(button);
    const auto height = static_cast<Integer>(ClientHeight(button));
    if (height <= 0) return;
    const float stepPerRow = -(25.0f / static_cast<float>(height));
    for (Integer y = 0; y <= height; ++y) {
        const auto offset = static_cast<int>(std::nearbyint(stepPerRow * static_cast<float>(y)));
        const RgbColor colour = ShadeBlueRatio(fill, offset);
        DrawRect(button, button.SurfaceDC, 0, y, width, y + 1, colour);
    }
}

}  // namespace

void BeginButtonPaint(ztButtons_H& button, PaintResult& result) {
    bool moved = false;
    ShiftForCustomClick(button, moved);
    if (moved) {
        result = PaintResultValue::NothingDrawn;
        return;
    }
    result = PaintResultValue::Present;

    const gdi::HDC surface = button.SurfaceDC;
    const bool flatStyle = button.ButtonStyle == 5;
    const bool pushedOrChecked = IsPushed(button) || IsChecked(button);
    if (flatStyle && !IsHovering(button) && !pushedOrChecked) {
        gdi::SelectClipRgn(surface, 0);
        return;
    }

    const Long savedGradientMode = button.GradientMode;
    gdi::SelectClipRgn(surface, 0);
    if (flatStyle && (IsChecked(button) || !IsEllipseOutlinedOrCustom(button))) {
        // The raised edge of a flat button under the pointer.
        FillVerticalGradient(button, PaintColor::White, PaintColor::Grey);
        gdi::SelectClipRgn(surface, button.InnerRegion);
        result = PaintResultValue::PresentSunkenFramed;
    }
    if (pushedOrChecked && !IsEllipseOutlinedOrCustom(button)) {
        // The sunken edge: the band of the face region outside the inner region keeps it.
        gdi::SelectClipRgn(surface, button.FaceRegion);
        FillVerticalGradient(button, PaintColor::Grey, PaintColor::White);
        gdi::SelectClipRgn(surface, button.InnerRegion);
        result = PaintResultValue::PresentSunkenFramed;
    } else if (!IsEllipseOutlinedOrCustom(button)) {
        gdi::SelectClipRgn(surface, button.FaceRegion);
        result = PaintResultValue::PresentFramed;
    } else if ((button.ButtonShape == ButtonShapeValue::EllipseOutlined && IsHovering(button)) ||
               button.ButtonShape == ButtonShapeValue::Custom) {
        const RgbColor frame = button.ButtonShape == ButtonShapeValue::EllipseOutlined
                                   ? PaintColor::Black
                                   : TranslateColor(button.BackColor);
        FrameWindowRegionOnSurface(button, frame);
        gdi::SelectClipRgn(surface, button.FaceRegion);
        result = PaintResultValue::PresentFramed;
    }
    button.GradientMode = savedGradientMode;
}

void PaintBackground(ztButtons_H& button, RgbColor face, BevelState& bevelState, PaintResult& result,
                     RgbColor& gradientRGB, RgbColor& hoverFace) {
    BeginButtonPaint(button, result);
    if (result == PaintResultValue::NothingDrawn) return;

    const bool pushed = IsPushed(button);
    bevelState = pushed ? 2 : (HasDefaultLook(button) ? 1 : 0);
    if (hoverFace < 0) hoverFace = face;

    const bool hovering = IsHovering(button);
    const bool showHover = hovering && ((!IsToggle(button) && !pushed) || (IsToggle(button) && !IsChecked(button)));
    const RgbColor fill = showHover ? hoverFace : face;
    const gdi::HDC surface = button.SurfaceDC;
    const Long width = ClientWidth(button);
    const Long height = ClientHeight(button);

    if (button.GradientMode != GradientModeValue::None && !IsChecked(button) &&
        button.ButtonShape < ButtonShapeValue::Custom) {
        if (hovering && !pushed && button.GradientColor != button.HoverBackColor) {
            // A hover colour of its own replaces the gradient.
            DrawRect(button, surface, 0, 0, width, height, hoverFace);
        } else {
            // The gradient always starts from the face, never from the hover colour.
            if (gradientRGB < 0) gradientRGB = face;
            FillGradient(button, face, gradientRGB);
        }
    } else if (button.ButtonStyle == 2 && (button.Enabled() || IsToggle(button))) {
        FillShadedFace(button, fill);
    } else {
        DrawRect(button, surface, 0, 0, width, height, fill);
    }
}
