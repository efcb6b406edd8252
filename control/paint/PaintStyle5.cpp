// Style 5: a flat face that shows a one-pixel edge only while pressed or
// checked, over the raised backdrop laid while the pointer is over it. At
// design time dotted guide lines show where the button is.
#include "control/paint/Bevel.h"
#include "control/paint/Caption.h"
#include "control/paint/FocusOutline.h"
#include "control/paint/PaintBackground.h"
#include "control/paint/PaintConditions.h"
#include "control/paint/StylePainters.h"
#include "control/render/Colors.h"
#include "control/render/Rounding.h"
#include "control/render/Surface.h"

namespace {

bool IsRound(const ztButtons_H& button) {
    return button.ButtonShape >= ButtonShapeValue::Ellipse && button.ButtonShape <= ButtonShapeValue::EllipseOutlined;
}

// The dotted ellipse that marks a round flat button on the design surface.
void DrawDesignEllipse(ztButtons_H& button) {
    const gdi::HDC surface = button.SurfaceDC;
    gdi::SelectClipRgn(surface, 0);
    SelectDrawingTool(button, true, surface, DrawingToolKind::Pen, Shade(button.ParentBackColor, -32), false, 1,
                      gdi::PS_DOT);
    gdi::Arc(surface, 0, 0, ClientWidth(button) - 1, ClientHeight(button) - 1, 0, 0, 0, 0);
    gdi::SelectClipRgn(surface, button.FaceRegion);
}

void Style5Colours(const ztButtons_H& button, bool runTime, BevelState& q, BevelColors& colors) {
    colors.Set(1, 8, PaintColor::None);
    const bool pointerInside = (button.StateFlags & StateFlagBits::PointerInside) != 0;
    if (pointerInside || IsChecked(button)) {
        if (IsHeldOrChecked(button)) q = 2;
        if (q < 2) q = 1;
        colors.Set(9, 10, q == 2 ? PaintColor::Grey : PaintColor::White);
        colors.Set(11, 12, q == 2 ? PaintColor::White : PaintColor::Grey);
    } else if (runTime) {
        colors.Set(9, 12, PaintColor::None);
    } else {
        RgbColor guide = Shade(button.ParentBackColor, -64);
        if (guide == PaintColor::Black) guide = PaintColor::White;
        colors.Set(9, 12, guide);
    }
}

}  // namespace

void PaintStyle5(ztButtons_H& button, BevelPoints& points, BevelColors& colors, BevelState& q, PaintResult& result) {
    const RgbColor face = CommonFaceColor(button);
    const bool checkedToggle = IsToggle(button) && IsChecked(button);
    const Long outline = (!checkedToggle && button.ButtonShape > ButtonShapeValue::Rectangle)
                             ? Shade(button.ParentBackColor, -32)
                             : PaintColor::Black;

    RgbColor gradientEnd = TranslateColor(button.GradientColor);
    PaintBackground(button, face, q, result, gradientEnd, button.HoverFaceColor);
    if (result == PaintResultValue::NothingDrawn) return;

    const Long captionColour = (!button.Enabled() && IsToggle(button)) ? PaintColor::Grey : PaintColor::None;
    bool toggle = IsToggle(button);
    PaintCaption(button, face, captionColour, IsChecked(button), toggle);

    const bool runTime = IsRunTime(button);
    if (!runTime && IsRound(button)) {
        DrawDesignEllipse(button);
    } else if (IsRectangular(button)) {
        Style5Colours(button, runTime, q, colors);
        DrawBevel(button, points, colors, q, runTime ? gdi::PS_SOLID : gdi::PS_DOT);
    }

    if (WantsBlackRegionFrame(button)) {
        colors[12] = PaintColor::Black;
    } else {
        result = PaintResultValue::Present;
    }
    DrawFocusAndOutline(button, outline, IsChecked(button), false, points);
}
