#include "control/paint/RedrawButton.h"

#include "control/model/ztButtons_H.h"
#include "control/paint/PaintConditions.h"
#include "control/paint/PaintContract.h"
#include "control/paint/StylePainters.h"
#include "control/render/Colors.h"
#include "control/render/Surface.h"

namespace {

// The region RedrawButton frames on the control after presenting, and the
// colour to frame it in. owned: a copy of the window region to delete afterwards.
struct RegionFrame {
    gdi::HRGN region = 0;
    bool owned = false;
    Long colour = 0;
};

gdi::HRGN CopyOfWindowRegion(const ztButtons_H& button) {
    const gdi::HRGN copy = gdi::CreateRectRgn(0, 0, 0, 0);
    if (copy != 0) user::GetWindowRgn(button.HWnd(), copy);
    return copy;
}

// Custom shapes: the window's outline in the hover colour while hovered, the
// face (or inner) outline of a default button otherwise.
RegionFrame CustomShapeFrame(const ztButtons_H& button, Long colour) {
    RegionFrame frame;
    frame.colour = colour;
    const bool style2 = button.ButtonStyle == 2;
    if (IsHovering(button) && !IsPushed(button)) {
        if (!style2) {
            frame.colour = button.HoverFaceColor;
            if (frame.colour == TranslateColor(button.BackColor)) return frame;
        }
        frame.region = CopyOfWindowRegion(button);
        frame.owned = true;
    } else if (HasDefaultLook(button)) {
        frame.region = button.ButtonShape == ButtonShapeValue::CustomGradient ? button.InnerRegion : button.FaceRegion;
        if (IsChecked(button) && !style2) frame.colour = Shade(button.FaceShadeColor, -32);
    }
    return frame;
}

RegionFrame ChooseRegionFrame(const ztButtons_H& button, Long colour) {
    if (button.IsCustomShape()) return CustomShapeFrame(button, colour);
    RegionFrame frame;
    frame.colour = colour;
    if (IsRectangular(button)) return frame;
    if (button.ButtonStyle == 2 && !IsPushed(button)) {
        frame.region = button.FaceRegion;
    } else if (button.ButtonShape == ButtonShapeValue::EllipseOutlined) {
        frame.region = CopyOfWindowRegion(button);
        frame.owned = true;
    }
    return frame;
}

// A one-pixel frame drawn straight on the control, after the copy.
void FrameOnControl(const ztButtons_H& button, const RegionFrame& frame) {
    if (frame.region == 0) return;
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(static_cast<gdi::COLORREF>(frame.colour));
    if (brush != 0) {
        gdi::FrameRgn(button.HDC(), frame.region, brush, 1, 1);
        gdi::DeleteObject(brush);
    }
    if (frame.owned) gdi::DeleteObject(frame.region);
}

}  // namespace

void RedrawButton(ztButtons_H& button) {
    if (button.DrawingDelayed != False) return;

    // Fresh for every pass: nothing a painter computed survives into the next picture.
    BevelPoints points;
    BevelColors colors;
    BevelState bevelState = 0;
    PaintResult result = PaintResultValue::NothingDrawn;

    if (StylePainter painter = StylePainterFor(button.ButtonStyle)) {
        painter(button, points, colors, bevelState, result);
    }
    const Long frameColour = colors[12];
    if (result == PaintResultValue::NothingDrawn) return;

    ManageOffscreenDC(button, false);
    if (result > PaintResultValue::Present) FrameOnControl(button, ChooseRegionFrame(button, frameColour));
    if (button.Site() != nullptr) button.Site()->Refresh();
}
