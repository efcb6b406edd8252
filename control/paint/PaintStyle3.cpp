// Style 3: a soft grey edge whose caption and picture never move, and a solid
// outline in a fixed colour for the default look.
#include "control/paint/Bevel.h"
#include "control/paint/Caption.h"
#include "control/paint/FocusOutline.h"
#include "control/paint/PaintBackground.h"
#include "control/paint/PaintConditions.h"
#include "control/paint/StylePainters.h"
#include "control/render/Colors.h"
#include "control/render/Surface.h"

namespace {

constexpr Long kOutlineColour = 0xCC9999;  // RGB(153, 153, 204)

RgbColor Style3Face(const ztButtons_H& button) {
    if (!IsToggle(button) && IsPushed(button)) return button.FaceShadeColor;
    if (IsToggle(button) && IsChecked(button)) return button.CheckedFaceColor;
    return button.FaceColor;
}

void Style3Colours(const ztButtons_H& button, RgbColor face, BevelState& q, BevelColors& colors) {
    const Long edge = Shade(PaintColor::Grey, -26);
    Long outerRightBottom = PaintColor::White;
    if (!button.Enabled() && !IsToggle(button)) {
        // A disabled command button: flat face and a flat outer ring.
        colors.Set(1, 8, face);
        outerRightBottom = edge;
    } else {
        colors.Set(1, 4, PaintColor::None);
        if (IsToggle(button)) q = (IsChecked(button) || button.IsPressing != False) ? 2 : 3;
        if (q < 2) q = 1;
        colors.Set(5, 6, q == 2 ? face : PaintColor::White);
        colors.Set(7, 8, edge);
    }
    colors.Set(9, 10, edge);
    colors.Set(11, 12, outerRightBottom);
}

}  // namespace

void PaintStyle3(ztButtons_H& button, BevelPoints& points, BevelColors& colors, BevelState& q, PaintResult& result) {
    const RgbColor face = Style3Face(button);
    RgbColor gradientEnd = TranslateColor(button.GradientColor);
    PaintBackground(button, face, q, result, gradientEnd, button.HoverFaceColor);
    if (result == PaintResultValue::NothingDrawn) return;

    const Long captionColour = button.Enabled() ? PaintColor::Grey : Shade(PaintColor::Grey, -16);
    bool toggle = true;
    PaintCaption(button, face, captionColour, false, toggle);

    if (IsRectangular(button)) {
        Style3Colours(button, face, q, colors);
        DrawBevel(button, points, colors, q, -1);
    }

    if (WantsBlackRegionFrame(button)) {
        colors[12] = PaintColor::Black;
    } else {
        result = PaintResultValue::Present;
    }
    DrawFocusAndOutline(button, kOutlineColour, true, true, points);
}
