// Style 2: a rounded, softly shaded button with a fixed palette — a dark blue
// frame, blue inner lines for the default button, orange ones under the
// pointer, a face that darkens downwards and corner pixels that round the
// corners. It draws no focus outline: the palette shows default and hover.
#include "control/paint/Bevel.h"
#include "control/paint/Caption.h"
#include "control/paint/PaintBackground.h"
#include "control/paint/PaintConditions.h"
#include "control/paint/StylePainters.h"
#include "control/render/Colors.h"
#include "control/render/Rounding.h"
#include "control/render/Surface.h"

#include <array>

namespace {

constexpr Long kFrameColour = 0x733C00;         // RGB(0, 60, 115)
constexpr Long kDefaultRegionFrame = 0xEF826B;  // RGB(107, 130, 239)
constexpr Long kHoverRegionFrame = 0x0096E7;    // RGB(231, 150, 0)

// Inner and middle ring entries 1 to 8 of the fixed columns.
constexpr std::array<Long, 8> kDefaultColumn = {0xF0D1B5, 0xF7D7BD, 0xF0D1B5, 0xE7AE8C,
                                                0xE7AE8C, 0xFFDFBF, 0xE7AE8C, 0xEF826B};
constexpr std::array<Long, 8> kPointerOverColumn = {0x6BCBFF, 0x8CDBFF, 0x6BCBFF, 0x31B2FF,
                                                    0x31B2FF, 0xA6E9FF, 0x31B2FF, 0x0096E7};

// Entries 1 to 8 shaded from the base colour: normal (q 0) and pushed or checked (q 2).
std::array<Long, 8> ShadedColumn(RgbColor base, bool sunken) {
    const auto s = [base](int offset) { return ShadeBlueRatio(base, offset); };
    if (sunken) return {s(-22), s(-24), base, s(10), s(-32), s(-32), s(5), s(16)};
    return {s(-10), s(10), s(-24), s(-32), s(-5), s(16), s(-36), s(-48)};
}

void SetColumn(BevelColors& colors, const std::array<Long, 8>& column) {
    for (int entry = 1; entry <= 8; ++entry) colors[entry] = column[static_cast<std::size_t>(entry - 1)];
}

// The column for an enabled button: q 0 normal, 1 default, 2 pushed or checked, 3 pointer over.
BevelState Style2Column(const ztButtons_H& button, BevelState q) {
    if (IsHeldOrChecked(button)) q = HasDefaultLook(button) ? 1 : 2;
    const bool pointerInside = (button.StateFlags & StateFlagBits::PointerInside) != 0;
    const bool held = (button.StateFlags & StateFlagBits::ButtonHeld) != 0;
    if (pointerInside && !held) return 3;
    if (q == 1 && button.ShowFocusRect == False) return 0;
    return q;
}

void SetCornerPixels(const ztButtons_H& button, Long colour) {
    if (button.FaceLeft != 0) return;
    const gdi::HDC surface = button.SurfaceDC;
    const Long width = ClientWidth(button);
    const Long height = ClientHeight(button);
    const auto c = static_cast<gdi::COLORREF>(colour);
    gdi::SetPixel(surface, 1, height - 2, c);
    gdi::SetPixel(surface, 1, 1, c);
    if (width != button.FaceRight) return;
    gdi::SetPixel(surface, width - 2, height - 2, c);
    gdi::SetPixel(surface, width - 2, 1, c);
}

}  // namespace

void PaintStyle2(ztButtons_H& button, BevelPoints& points, BevelColors& colors, BevelState& q, PaintResult& result) {
    const bool enabled = button.Enabled();
    RgbColor base = button.FaceColor;
    RgbColor face = base;
    if (!IsToggle(button)) {
        if (IsPushed(button) && button.GradientMode == GradientModeValue::None) {
            face = button.FaceShadeColor;
        } else if (!enabled) {
            face = ShadeBlueRatio(base, -24);
        }
    } else if (IsChecked(button)) {
        base = face = button.CheckedFaceColor;
    }

    const Long captionColour = enabled ? PaintColor::Black : ShadeBlueRatio(face, -104);
    RgbColor gradientEnd = face;
    if (button.ButtonShape < ButtonShapeValue::Custom && button.GradientMode != GradientModeValue::None) {
        gradientEnd = ShadeBlueRatio(TranslateColor(button.GradientColor), 48);
    }

    PaintBackground(button, face, q, result, gradientEnd, button.HoverFaceColor);
    if (result == PaintResultValue::NothingDrawn) return;

    bool toggle = true;
    PaintCaption(button, face, captionColour, IsChecked(button), toggle);

    if (!IsRectangular(button)) {
        // Round and custom shapes: no edge lines; RedrawButton frames the shape.
        if (HasDefaultLook(button) && !IsHovering(button)) {
            colors[12] = kDefaultRegionFrame;
        } else if (IsHovering(button)) {
            colors[12] = kHoverRegionFrame;
        } else {
            result = PaintResultValue::Present;
        }
        return;
    }

    Long frame = kFrameColour;
    if (!enabled) {
        colors.Set(1, 8, PaintColor::None);
        frame = ShadeBlueRatio(base, -84);
    } else {
        q = Style2Column(button, q);
        switch (q) {
        case 1: SetColumn(colors, kDefaultColumn); break;
        case 2: SetColumn(colors, ShadedColumn(base, true)); break;
        case 3: SetColumn(colors, kPointerOverColumn); break;
        default: SetColumn(colors, ShadedColumn(base, false)); break;
        }
    }
    colors.Set(9, 12, frame);
    DrawBevel(button, points, colors, q, -1);
    SetCornerPixels(button, frame);
}
