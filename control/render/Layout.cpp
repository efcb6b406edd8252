#include "control/render/Layout.h"

#include "control/render/ButtonImage.h"
#include "control/render/Rounding.h"

#include <algorithm>

namespace {

// The part of the face that content may use, by shape.
struct ContentBand {
    Long left = 0;      // Lc
    Long right = 0;     // Rc
    Long centring = 0;  // Wc: the width used for centring
};

// Room reserved for a small picture beside, above or below the caption.
struct PictureReservation {
    Long left = 0;
    Long right = 0;
    Long top = 0;
    Long bottom = 0;
    bool beside = false;  // hPic
    bool above = false;   // vPic: above or below
};

ContentBand ContentBandFor(const ztButtons_H& button, double sw) {
    const Long k = button.FaceLeft;
    const Long m = button.FaceRight;
    ContentBand band;
    switch (button.ButtonShape) {
    case ButtonShapeValue::LeftSlanted:
        band.left = k - k / 3 + 3;
        band.right = RoundHalfEven(sw);
        band.centring = RoundHalfEven(sw - band.left);
        break;
    case ButtonShapeValue::RightSlanted:
        band.left = 0;
        band.right = RoundHalfEven(sw - m) / 3 + m;
        band.centring = band.right;
        break;
    case ButtonShapeValue::Parallelogram:
        band.left = k - k / 3 + 3;
        band.right = RoundHalfEven(sw - m) / 3 + m;
        band.centring = band.right - band.left;
        break;
    case ButtonShapeValue::Custom:
    case ButtonShapeValue::CustomGradient:
        band.left = 3;
        band.right = m - 3;
        band.centring = m - 3;
        break;
    default:  // rectangle and ellipses
        band.left = 0;
        band.right = RoundHalfEven(sw);
        band.centring = m;
        break;
    }
    return band;
}

PictureReservation ReservationFor(const ztButtons_H& button, Long pictureSize) {
    PictureReservation reservation;
    if (!button.HasPicture() || pictureSize >= 33) return reservation;
    switch (button.PictureAlign) {
    case PictureAlignValue::LeftEdge:
    case PictureAlignValue::LeftOfCaption:
        reservation.left = pictureSize;
        reservation.beside = true;
        break;
    case PictureAlignValue::RightEdge:
    case PictureAlignValue::RightOfCaption:
        reservation.right = pictureSize;
        reservation.beside = true;
        break;
    case PictureAlignValue::TopCenter:
        reservation.top = pictureSize;
        reservation.above = true;
        break;
    case PictureAlignValue::BottomCenter:
        reservation.bottom = pictureSize;
        reservation.above = true;
        break;
    default:
        break;
    }
    return reservation;
}

// The word-wrapped size the caption needs (tw x th), measured with the surface's font.
gdi::SIZE MeasureCaption(ztButtons_H& button, const ContentBand& band, const PictureReservation& reservation,
                         Long pictureSize, double sh) {
    const std::string text = CaptionForDrawing(button.CaptionText);
    gdi::RECT measured{0, 0, band.centring - 8 - (reservation.beside ? pictureSize : 0),
                       RoundHalfEven(sh - 8 - (reservation.above ? pictureSize : 0))};
    gdi::DrawTextA(button.SurfaceDC, text.c_str(), static_cast<int>(text.size()), &measured,
                   gdi::DT_CALCRECT | gdi::DT_WORDBREAK);
    return {measured.right - measured.left, measured.bottom - measured.top};
}

Long CaptionLeft(const ztButtons_H& button, const ContentBand& band, const PictureReservation& reservation,
                 Long textWidth) {
    const Long padL = reservation.left;
    const Long padR = reservation.right;
    switch (button.CaptionAlign) {
    case CaptionAlignValue::Left:
        return band.left + 4 + padL + (padL > 0 ? 4 : 0);
    case CaptionAlignValue::Right:
        return band.right - 4 - padR - (padR > 0 ? 4 : 0) - textWidth;
    case CaptionAlignValue::Center:
        // A picture beside the caption is centred with it as one block.
        if (padL > 0 && button.PictureAlign == PictureAlignValue::LeftOfCaption) {
            return (band.centring - (padL + textWidth + 4)) / 2 + band.left + 4 + padL;
        }
        if (padR > 0 && button.PictureAlign == PictureAlignValue::RightOfCaption) {
            return (band.centring - (padR + textWidth + 4)) / 2 + band.left;
        }
        return (band.centring - (padL + padR) - textWidth) / 2 + band.left + padL;
    default:
        return 0;
    }
}

void ClampInside(gdi::RECT& rect, const ContentBand& band, double sh) {
    rect.top = std::max(rect.top, Long{4});
    rect.left = std::max(rect.left, band.left + 4);
    rect.right = std::min(rect.right, band.right - 4);
    rect.bottom = std::min(rect.bottom, RoundHalfEven(sh - 5));
}

}  // namespace

std::string CaptionForDrawing(const std::string& captionText) {
    std::string text;
    CaptionForDrawing(captionText, text);
    return text;
}

void CaptionForDrawing(const std::string& captionText, std::string& text) {
    text.clear();
    text.reserve(captionText.size());
    for (std::size_t i = 0; i < captionText.size(); ++i) {
        if (captionText[i] == '|' && i + 1 < captionText.size() && captionText[i + 1] == '|') {
            text += "\r\n";
            ++i;
        } else {
            text += captionText[i];
        }
    }
}

void LayoutCaptionAndImage(ztButtons_H& button, bool& rebuildImage) {
    const double sw = button.ScaleWidth();
    const double sh = button.ScaleHeight();
    // A fresh record holds 0, which stands for the smallest picture.
    const Long pictureSize = button.PictureSizePx == 0 ? PictureSizeValue::FreshPx : button.PictureSizePx;
    const bool hasPicture = button.HasPicture();
    const bool hasCaption = !button.CaptionText.empty();

    const ContentBand band = ContentBandFor(button, sw);
    const PictureReservation reservation = ReservationFor(button, pictureSize);

    gdi::RECT caption{0, 0, 0, 0};
    Long textWidth = 0;
    Long textHeight = 0;
    if (hasCaption) {
        const gdi::SIZE text = MeasureCaption(button, band, reservation, pictureSize, sh);
        textWidth = text.cx;
        textHeight = text.cy;
        caption = {0, 0, textWidth, textHeight};
        // Room for the one-pixel relief copies. The caption is placed by the
        // text's own size, so a relief caption sits where a flat one does.
        if (button.CaptionStyle != CaptionStyleValue::Flat) {
            caption.right += 2;
            caption.bottom += 2;
        }
        gdi::OffsetRect(&caption, CaptionLeft(button, band, reservation, textWidth), 0);
    }

    gdi::RECT image{0, 0, 0, 0};
    if (hasPicture) {
        switch (button.PictureAlign) {
        case PictureAlignValue::LeftEdge:
            image.left = band.left + 4;
            break;
        case PictureAlignValue::LeftOfCaption:
            image.left = hasCaption ? caption.left - 4 - reservation.left : band.left + 4;
            break;
        case PictureAlignValue::RightEdge:
            image.left = band.right - 4 - reservation.right;
            break;
        case PictureAlignValue::RightOfCaption:
            image.left = hasCaption ? caption.right + 4 : band.right - 4 - reservation.right;
            break;
        case PictureAlignValue::TopCenter:
            image.top = RoundHalfEven(sh - (textHeight + reservation.top)) / 2;
            gdi::OffsetRect(&caption, 0, image.top + 2 + reservation.top);
            break;
        case PictureAlignValue::BottomCenter:
            image.top = RoundHalfEven(sh - (textHeight + reservation.bottom)) / 2 + textHeight + 4;
            gdi::OffsetRect(&caption, 0, image.top - 2 - textHeight);
            break;
        default:
            break;
        }
        if (button.PictureAlign < PictureAlignValue::TopCenter) {
            gdi::OffsetRect(&caption, 0, RoundHalfEven(sh - textHeight) / 2);
            image.top = RoundHalfEven(sh - pictureSize) / 2;
        } else {
            image.left = (band.centring - pictureSize) / 2 + band.left;
        }
        image.right = image.left + pictureSize;
        image.bottom = image.top + pictureSize;
    } else {
        gdi::OffsetRect(&caption, 0, RoundHalfEven(sh - textHeight) / 2);
    }

    ClampInside(caption, band, sh);
    button.CaptionRect = caption;

    if (pictureSize <= 32) {
        if (hasPicture) ClampInside(image, band, sh);  // a clamped rectangle squeezes the picture
    } else if (pictureSize == PictureSizeValue::StretchedPx) {
        if (button.ButtonShape == ButtonShapeValue::EllipseOutlined) {
            image = {1, 1, RoundHalfEven(sw - 1), RoundHalfEven(sh - 1)};
        } else {
            image = {3, 3, RoundHalfEven(sw - 3), RoundHalfEven(sh - 3)};
        }
        rebuildImage = true;
    } else if (pictureSize == PictureSizeValue::FittedPx && button.IsCustomShape()) {
        image = {0, 0, RoundHalfEven(sw), RoundHalfEven(sh)};  // the picture is the button
    } else if (pictureSize == PictureSizeValue::FittedPx && hasPicture) {
        const gdi::SIZE fitted = FitImageSize(button, band.centring - 12, RoundHalfEven(sh - 12));
        image.left = (band.centring - fitted.cx) / 2 + band.left;
        image.top = RoundHalfEven(sh - fitted.cy) / 2;
        image.right = image.left + fitted.cx;
        image.bottom = image.top + fitted.cy;
        rebuildImage = true;
    }
    button.ImageRect = image;

    if (rebuildImage) PrepareButtonImage(button, image.right - image.left, image.bottom - image.top, 0);
}

void LayoutCaptionAndImage(ztButtons_H& button, bool&& rebuildImage) {
    bool rebuild = rebuildImage;
    LayoutCaptionAndImage(button, rebuild);
}
