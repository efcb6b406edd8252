// ButtonStyle, Caption, CaptionAlign, CaptionStyle, ShowFocusRect and Enabled.
#include "control/model/AccessKey.h"
#include "control/model/PropertyNotes.h"
#include "control/model/PropertyRanges.h"
#include "control/model/ztButtons_H.h"
#include "control/paint/RedrawButton.h"
#include "control/render/ButtonRegion.h"
#include "control/render/DrawingState.h"
#include "control/render/Layout.h"

void ztButtons_H::SetButtonStyle(Long style) {
    if (!kButtonStyleRange.Contains(style)) return;
    const Long oldStyle = ButtonStyle;
    ButtonStyle = style;
    // The region of shapes 0 to 3 follows the style; round shapes differ only
    // in style 5; custom shapes follow their picture alone.
    const bool flatStyleInvolved = oldStyle == 5 || style == 5;
    if ((flatStyleInvolved && ButtonShape < ButtonShapeValue::Custom) || ButtonShape < ButtonShapeValue::Ellipse) {
        CreateButtonRegion(*this);
    }
    LayoutCaptionAndImage(*this, false);
    UpdateDrawingState(*this, "BackColor");
    RedrawButton(*this);
    ReportChange("BackStyle");
}

void ztButtons_H::SetCaption(const std::string& caption) {
    // A caption without a marker keeps the access key the button had.
    if (const std::optional<std::string> key = FindAccessKey(caption); key && site_ != nullptr) {
        site_->SetAccessKeys(*key);
    }
    CaptionText = caption;
    LayoutCaptionAndImage(*this, false);
    RedrawButton(*this);
    ReportChange("Caption");
}

void ztButtons_H::SetCaptionAlign(Long align) {
    if (!kCaptionAlignRange.Contains(align)) return;
    // A picture above or below the caption leaves it no room to move sideways.
    const bool pictureAboveOrBelow = PictureAlign >= PictureAlignValue::TopCenter && HasPicture();
    if (align != CaptionAlignValue::Center && pictureAboveOrBelow) {
        ShowDesignNote(property_notes::kCaptionAlignWithTopBottomPicture);
        return;
    }
    CaptionAlign = align;
    LayoutCaptionAndImage(*this, false);
    RedrawButton(*this);
    ReportChange("CapAlign");
}

void ztButtons_H::SetCaptionStyle(Long style) {
    if (!kCaptionStyleRange.Contains(style)) return;
    CaptionStyle = style;
    ReportChange("CapStyle");
    if (CaptionText.empty()) return;  // nothing on the button looks different
    LayoutCaptionAndImage(*this, false);
    RedrawButton(*this);
}

void ztButtons_H::SetShowFocusRect(Boolean show) {
    ShowFocusRect = ToBoolean(show != False);
    if ((StateFlags & StateFlagBits::DefaultLook) != 0) {
        if (InDesignMode()) {
            ShowDesignNote(property_notes::kFocusRectOnDefaultButton);
        } else {
            StateFlags = static_cast<Integer>(StateFlags & ~StateFlagBits::DefaultLook);
            RedrawButton(*this);
        }
    } else {
        RedrawButton(*this);
    }
    ReportChange("Focus");
}

void ztButtons_H::SetEnabled(Boolean enabled) {
    const bool newEnabled = enabled != False;
    if (newEnabled == Enabled()) return;
    if (site_ != nullptr)
        site_->SetEnabled(newEnabled); // a refusal does not end the assignment
    // A style-3 button cuts its corners only while enabled, so its region is
    // rebuilt (with one drawing at the end) instead of only redrawn, in every mode.
    if (ButtonStyle == 3 && ButtonShape < ButtonShapeValue::Ellipse) {
        DelayDrawing(True);
        CreateButtonRegion(*this);
        LayoutCaptionAndImage(*this, false);
        DelayDrawing(False);
    } else {
        RedrawButton(*this);
    }
    ReportChange("Enabled");
}
