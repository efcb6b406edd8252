// ButtonShape, CustomClick, Picture, PictureAlign and PictureSize: the
// properties that decide the outline and where the picture goes.
#include "control/model/Lifecycle.h"
#include "control/model/PropertyNotes.h"
#include "control/model/PropertyRanges.h"
#include "control/model/ztButtons_H.h"
#include "control/paint/RedrawButton.h"
#include "control/render/DrawingState.h"
#include "control/render/Layout.h"

namespace {

bool IsCustom(Long shape) { return shape == ButtonShapeValue::Custom || shape == ButtonShapeValue::CustomGradient; }

}  // namespace

void ztButtons_H::SetCustomClick(Long option) {
    if (!kCustomClickRange.Contains(option)) return;
    // Stored in any case, so that it is ready when the shape becomes custom.
    if (!IsCustomShape() && option > 0) ShowDesignNote(property_notes::kCustomClickNeedsCustomShape);
    CustomClick = option;
    ReportChange("CustomClick");
}

void ztButtons_H::SetButtonShape(Long shape) {
    if (!kButtonShapeRange.Contains(shape)) return;
    if (IsCustom(shape)) {
        // A custom outline is cut from a picture's opaque pixels; icons have no such pixels to cut.
        if (!Picture || PictureIsIcon == 1) {
            ShowDesignNote(property_notes::kCustomShapeNeedsBitmap);
            return;
        }
        if (PictureSizePx != PictureSizeValue::FittedPx) {
            // The picture is the whole button, so it is fitted to the face.
            DelayDrawing(True);
            SetPictureSize(PictureSizeValue::Fitted);
            DrawingDelayed = False;
        }
    }
    ButtonShape = shape;
    CaptionAlign = CaptionAlignValue::Center;
    HandleResize(*this);
    DelayDrawing(False);
    ReportChange("Shape");
}

void ztButtons_H::SetPicture(picture::PicturePtr newPicture) {
    Picture = std::move(newPicture);
    if (PictureSizePx == 0) PictureSizePx = PictureSizeValue::FreshPx;
    UpdateDrawingState(*this, "Picture");
    if (IsCustomShape()) {
        // A custom shape cannot live without a bitmap: it falls back to a rectangle.
        if (!Picture) {
            SetButtonShape(ButtonShapeValue::Rectangle);
        } else if (PictureIsIcon == 1) {
            SetButtonShape(ButtonShapeValue::Rectangle);
            ShowDesignNote(property_notes::kIconOnCustomShape);
        }
        HandleResize(*this);
    } else {
        LayoutCaptionAndImage(*this, true);
        RedrawButton(*this);
    }
    ReportChange("Image");
}

void ztButtons_H::SetPictureAlign(Long align) {
    if (!kPictureAlignRange.Contains(align)) return;
    PictureAlign = align;
    if (align >= PictureAlignValue::TopCenter) SetCaptionAlign(CaptionAlignValue::Center);
    LayoutCaptionAndImage(*this, false);
    RedrawButton(*this);
    ReportChange("ImgAlign");
}

Long ztButtons_H::GetPictureSize() {
    if (PictureSizePx == 0) PictureSizePx = PictureSizeValue::FreshPx;
    return PictureSizeValue::FromPx(PictureSizePx);
}

void ztButtons_H::SetPictureSize(Long size) {
    if (!kPictureSizeRange.Contains(size)) return;
    if (IsCustomShape()) {
        ShowDesignNote(property_notes::kPictureSizeOnCustomShape);
        return;
    }
    PictureSizePx = PictureSizeValue::ToPx(static_cast<Integer>(size));
    LayoutCaptionAndImage(*this, true);
    RedrawButton(*this);
    ReportChange("ImgSize");
}
