// Styles 0, 1, 4 and 6: the common background and caption, then edge lines
// from a small colour table per style.
#include "control/paint/Bevel.h"
#include "control/paint/Caption.h"
#include "control/paint/FocusOutline.h"
#include "control/paint/PaintBackground.h"
#include "control/paint/PaintConditions.h"
#include "control/paint/StylePainters.h"
#include "control/render/Colors.h"
#include "control/render/Surface.h"

namespace {

using EdgeColours = void (*)(const ztButtons_H&, BevelState&, BevelColors&);

constexpr Long kNone = PaintColor::None;
constexpr Long kBlack = PaintColor::Black;
constexpr Long kWhite = PaintColor::White;
constexpr Long kGrey = PaintColor::Grey;

// Sets the left/top pair and the right/bottom pair of one ring (first entry 1, 5 or 9).
void SetRing(BevelColors& colors, int firstEntry, Long leftTop, Long rightBottom) {
    colors.Set(firstEntry, firstEntry + 1, leftTop);
    colors.Set(firstEntry + 2, firstEntry + 3, rightBottom);
}

// q 0 normal, 1 default, 2 pushed, 3 held or checked.
void Style0Colours(const ztButtons_H& button, BevelState& q, BevelColors& colors) {
    constexpr Long light = 0xE9E9E9;  // RGB(233, 233, 233)
    if (IsHeldOrChecked(button)) q = 3;
    switch (q) {
    case 0:
        SetRing(colors, 1, kNone, kNone);
        SetRing(colors, 5, light, kGrey);
        SetRing(colors, 9, kWhite, kBlack);
        break;
    case 1:
        SetRing(colors, 1, light, kGrey);
        SetRing(colors, 5, kWhite, kBlack);
        SetRing(colors, 9, kBlack, kBlack);
        break;
    case 2:
        SetRing(colors, 1, kNone, kNone);
        SetRing(colors, 5, kNone, kGrey);
        SetRing(colors, 9, HasDefaultLook(button) ? kBlack : kWhite, kBlack);
        break;
    default:
        SetRing(colors, 1, kNone, kNone);
        SetRing(colors, 5, kNone, light);
        SetRing(colors, 9, kBlack, kWhite);
        break;
    }
}

// Raised (q 1) unless held, checked or pushed (q 2).
BevelState RaisedOrSunken(const ztButtons_H& button, BevelState q) {
    if (IsHeldOrChecked(button)) return 2;
    return q == 2 ? 2 : 1;
}

void Style1Colours(const ztButtons_H& button, BevelState& q, BevelColors& colors) {
    q = RaisedOrSunken(button, q);
    const Long leftTop = q == 2 ? kGrey : kWhite;
    const Long rightBottom = q == 2 ? kWhite : kGrey;
    SetRing(colors, 1, leftTop, rightBottom);
    SetRing(colors, 5, leftTop, rightBottom);
    SetRing(colors, 9, kBlack, kBlack);
}

void Style4Colours(const ztButtons_H& button, BevelState& q, BevelColors& colors) {
    q = RaisedOrSunken(button, q);
    colors.Set(1, 8, kNone);
    SetRing(colors, 9, q == 2 ? kGrey : kWhite, q == 2 ? kWhite : kGrey);
}

void Style6Colours(const ztButtons_H& button, BevelState& q, BevelColors& colors) {
    q = (IsHeldOrChecked(button) || IsPushed(button)) ? 1 : 0;
    const Long light = Shade(0xDFDFDF, 8);
    const Long dark = kGrey;
    const Long leftTop = q == 1 ? dark : light;
    const Long rightBottom = q == 1 ? light : dark;
    colors.Set(1, 4, kNone);
    SetRing(colors, 5, leftTop, rightBottom);
    SetRing(colors, 9, leftTop, rightBottom);
}

void PaintCommonStyle(ztButtons_H& button, BevelPoints& points, BevelColors& colors, BevelState& q,
                      PaintResult& result, EdgeColours edgeColours) {
    const RgbColor face = CommonFaceColor(button);
    RgbColor gradientEnd = TranslateColor(button.GradientColor);
    PaintBackground(button, face, q, result, gradientEnd, button.HoverFaceColor);
    if (result == PaintResultValue::NothingDrawn) return;

    const Long captionColour = (!button.Enabled() && IsToggle(button)) ? kGrey : kNone;
    bool toggle = IsToggle(button);
    PaintCaption(button, face, captionColour, IsChecked(button), toggle);

    Long outline = captionColour;
    if (IsRectangular(button)) {
        if (IsHeldOrChecked(button)) {
            outline = kBlack;
        } else if (IsDiagonalShape(button)) {
            outline = Shade(face, -48);
        }
        edgeColours(button, q, colors);
        DrawBevel(button, points, colors, q, -1);
    }

    if (WantsBlackRegionFrame(button)) {
        colors[12] = kBlack;
    } else {
        result = PaintResultValue::Present;
    }
    DrawFocusAndOutline(button, outline, IsChecked(button), false, points);
}

}  // namespace

void PaintStyle0(ztButtons_H& button, BevelPoints& points, BevelColors& colors, BevelState& state,
                 PaintResult& result) {
    PaintCommonStyle(button, points, colors, state, result, Style0Colours);
}

void PaintStyle1(ztButtons_H& button, BevelPoints& points, BevelColors& colors, BevelState& state,
                 PaintResult& result) {
    PaintCommonStyle(button, points, colors, state, result, Style1Colours);
}

void PaintStyle4(ztButtons_H& button, BevelPoints& points, BevelColors& colors, BevelState& state,
                 PaintResult& result) {
    PaintCommonStyle(button, points, colors, state, result, Style4Colours);
}

void PaintStyle6(ztButtons_H& button, BevelPoints& points, BevelColors& colors, BevelState& state,
                 PaintResult& result) {
    PaintCommonStyle(button, points, colors, state, result, Style6Colours);
}
