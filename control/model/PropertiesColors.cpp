// ForeColor, BackColor, the gradient, the hover colours and their locks, and
// ResetDefaultColors. The locks are two bits of "follows": while the hover
// back colour follows, it is the gradient colour (gradient on) or the back
// colour; while the hover fore colour follows, it is the caption colour.
#include "control/model/PropertyRanges.h"
#include "control/model/ztButtons_H.h"
#include "control/paint/RedrawButton.h"
#include "control/render/DrawingState.h"

void ztButtons_H::CopyFollowingHoverBackColor() {
    HoverBackColor = GradientMode != GradientModeValue::None ? GradientColor : BackColor;
}

void ztButtons_H::SetForeColor(OleColor colour) {
    if (colour == ForeColor()) return;
    // A colour the container refuses leaves its ForeColor as it was; the hover
    // colour then follows that one, and the button is redrawn and reported.
    if (site_ != nullptr)
        site_->SetForeColor(colour);
    if (HoverForeFollows(HoverColorLocks)) SetHoverForeColor(ForeColor());
    DrawingDelayed = False;
    RedrawButton(*this);
    ReportChange("cFore");
}

void ztButtons_H::SetBackColor(OleColor colour) {
    BackColor = colour;
    if (HoverBackFollows(HoverColorLocks)) {
        SetHoverBackColor(GradientMode != GradientModeValue::None ? GradientColor : colour);
    }
    UpdateDrawingState(*this, "BackColor");
    RedrawButton(*this);
    ReportChange("cBack");
}

void ztButtons_H::SetGradientColor(OleColor colour) {
    if (HoverBackFollows(HoverColorLocks) && GradientMode > GradientModeValue::None) HoverBackColor = colour;
    GradientColor = colour;
    UpdateDrawingState(*this, "BackColor");
    if (GradientMode != GradientModeValue::None) RedrawButton(*this);  // otherwise the colour is not shown
    ReportChange("cGradient");
}

void ztButtons_H::SetGradientMode(Long mode) {
    if (!kGradientModeRange.Contains(mode)) return;
    GradientMode = mode;
    if (HoverBackFollows(HoverColorLocks)) {
        CopyFollowingHoverBackColor();
        UpdateDrawingState(*this, "BackColor");
    }
    RedrawButton(*this);
    ReportChange("Gradient");
}

void ztButtons_H::SetResetDefaultColors(Boolean reset) {
    if (reset == False || !InDesignMode()) return;
    DelayDrawing(True);
    BackColor = SystemColorValue::ButtonFace;
    SetForeColor(SystemColorValue::ButtonText);
    SetGradientColor(SystemColorValue::ButtonFace);
    SetGradientMode(GradientModeValue::None);
    SetHoverColorLocks(HoverColorLocksValue::BothFollow);
    UpdateDrawingState(*this, "BackColor");
    DelayDrawing(False);
    ReportChange("cGradient");
    ReportChange("cBack");
}

void ztButtons_H::SetHoverColorLocks(Long locks) {
    HoverColorLocks = locks;
    // The colours that follow from now on are copied at once.
    if (HoverBackFollows(locks)) {
        CopyFollowingHoverBackColor();
        ReportChange("cBHover");
    }
    if (HoverForeFollows(locks)) {
        HoverForeColor = ForeColor();
        ReportChange("cFHover");
    }
    UpdateDrawingState(*this, "BackColor");
    ReportChange("LockHover");
}

void ztButtons_H::SetHoverForeColor(OleColor colour) {
    if (colour == HoverForeColor) return;
    HoverForeColor = colour;
    ReportChange("cFHover");
    if (colour != ForeColor()) {
        // A hover colour of its own: it no longer follows the caption colour.
        if (HoverColorLocks == HoverColorLocksValue::BothFollow) {
            HoverColorLocks = HoverColorLocksValue::ForeLocked;
        } else if (HoverColorLocks == HoverColorLocksValue::BackLocked) {
            HoverColorLocks = HoverColorLocksValue::BothLocked;
        }
        ReportChange("cFHover");
    }
}

void ztButtons_H::SetHoverBackColor(OleColor colour) {
    if (colour == HoverBackColor) return;
    HoverBackColor = colour;
    if (colour != BackColor) {
        // A hover colour of its own: it no longer follows the back colour.
        if (HoverColorLocks == HoverColorLocksValue::BothFollow) {
            HoverColorLocks = HoverColorLocksValue::BackLocked;
        } else if (HoverColorLocks == HoverColorLocksValue::ForeLocked) {
            HoverColorLocks = HoverColorLocksValue::BothLocked;
        }
    }
    UpdateDrawingState(*this, "BackColor");
    ReportChange("cBHover");
}
