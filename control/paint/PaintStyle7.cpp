// Style 7: an inverting button. Its edges are shades of the face; pushed or
// checked, the face turns to the darker shade colour and the caption takes
// the face colour.
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

struct Style7Colours {
    RgbColor face;
    Long outline;
    RgbColor gradientEnd;
};

Style7Colours FaceOutlineAndGradient(const ztButtons_H& button) {
    Style7Colours c{button.FaceColor, PaintColor::Black, 0};
    if (!IsToggle(button)) {
        if (IsPushed(button)) c.face = button.FaceShadeColor;
        if (button.ButtonShape > ButtonShapeValue::Rectangle) c.outline = Shade(c.face, -64);
    } else if (IsChecked(button)) {
        c.face = button.CheckedFaceColor;
        c.outline = Shade(PaintColor::Grey, -32);
    }
    if (!IsChecked(button) && button.GradientMode != GradientModeValue::None) {
        c.gradientEnd = Shade(TranslateColor(button.GradientColor), 31);
        // The gradient carries the pushed look, so the face stays the normal one.
        if (IsPushed(button)) c.face = button.FaceColor;
    } else {
        c.gradientEnd = c.face;
    }
    return c;
}

// The caption shows the face colour on the darker shade when pushed or checked.
Long Style7CaptionColour(const ztButtons_H& button, RgbColor face) {
    const bool enabled = button.Enabled();
    if ((!IsToggle(button) && IsPushed(button)) || IsChecked(button)) {
        if (!enabled && IsChecked(button)) return ShadeBlueRatio(face, -32);
        return button.FaceColor;
    }
    if (enabled) return TranslateColor(button.ForeColor());
    return IsToggle(button) ? PaintColor::Grey : PaintColor::None;
}

void SetStyle7Edges(const ztButtons_H& button, RgbColor face, BevelState& q, BevelColors& colors) {
    if (IsHeldOrChecked(button)) q = IsChecked(button) ? 2 : 0;
    Long light = PaintColor::White;
    Long body = face;
    Long high = ShadeBlueRatio(face, 31);
    Long low = ShadeBlueRatio(face, -64);
    if (q == 2) {
        const RgbColor base = button.GradientMode != GradientModeValue::None ? button.FaceColor : PaintColor::Grey;
        body = base;
        light = Shade(base, -32);
        high = Shade(base, -64);
        low = Shade(base, -16);
    }
    colors.Set(1, 2, light);
    colors.Set(3, 4, body);
    colors.Set(5, 6, high);
    colors.Set(7, 8, low);
    colors.Set(9, 12, PaintColor::Black);
}

// Single pixels that round the corners, in the ring colours.
void SetStyle7Corners(const ztButtons_H& button, const BevelColors& colors) {
    if (button.FaceLeft != 0) return;
    const gdi::HDC surface = button.SurfaceDC;
    const Long width = ClientWidth(button);
    const Long height = ClientHeight(button);
    const auto light = static_cast<gdi::COLORREF>(colors[1]);
    const auto body = static_cast<gdi::COLORREF>(colors[3]);
    const auto high = static_cast<gdi::COLORREF>(colors[5]);
    const auto low = static_cast<gdi::COLORREF>(colors[7]);
    constexpr gdi::COLORREF black = 0;
    gdi::SetPixel(surface, 3, 3, light);
    gdi::SetPixel(surface, 1, height - 3, body);
    gdi::SetPixel(surface, 2, 2, high);
    gdi::SetPixel(surface, 1, height - 2, black);
    gdi::SetPixel(surface, 1, 1, black);
    if (width != button.FaceRight) return;
    gdi::SetPixel(surface, width - 4, height - 4, body);
    gdi::SetPixel(surface, width - 3, 1, body);
    gdi::SetPixel(surface, width - 3, height - 3, low);
    gdi::SetPixel(surface, width - 2, height - 2, black);
    gdi::SetPixel(surface, width - 2, 1, black);
}

}  // namespace

void PaintStyle7(ztButtons_H& button, BevelPoints& points, BevelColors& colors, BevelState& q, PaintResult& result) {
    const Style7Colours c = FaceOutlineAndGradient(button);
    RgbColor gradientEnd = c.gradientEnd;
    PaintBackground(button, c.face, q, result, gradientEnd, button.HoverFaceColor);
    if (result == PaintResultValue::NothingDrawn) return;

    const Long captionColour = Style7CaptionColour(button, c.face);
    bool toggle = IsToggle(button);
    if (button.ForeColor() == button.HoverForeColor || IsChecked(button)) {
        // The hover caption colour gives way to the state's colour for this one caption.
        const OleColor keptHoverForeColor = button.HoverForeColor;
        button.HoverForeColor = captionColour;
        PaintCaption(button, c.face, captionColour, IsChecked(button), toggle);
        button.HoverForeColor = keptHoverForeColor;
    } else {
        PaintCaption(button, c.face, captionColour, IsChecked(button), toggle);
    }

    if (IsRectangular(button)) {
        SetStyle7Edges(button, c.face, q, colors);
        DrawBevel(button, points, colors, q, -1);
        SetStyle7Corners(button, colors);
    }

    if (WantsBlackRegionFrame(button)) {
        colors[12] = PaintColor::Black;
    } else {
        result = PaintResultValue::Present;
    }
    DrawFocusAndOutline(button, c.outline, IsChecked(button), true, points);
}
