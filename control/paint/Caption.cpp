#include "control/paint/Caption.h"

#include "control/paint/PaintConditions.h"
#include "control/paint/PaintContract.h"
#include "control/render/ButtonImage.h"
#include "control/render/Colors.h"
#include "control/render/Layout.h"
#include "control/render/Surface.h"

#include <string>

namespace {

constexpr int kReliefOffset = 40;

// The state's caption colour on an enabled button.
RgbColor EnabledCaptionColour(const ztButtons_H& button, Long captionColour) {
    if (IsHovering(button) && !IsPushed(button)) return TranslateColor(button.HoverForeColor);
    if (!IsChecked(button) && button.GradientMode != GradientModeValue::None) return TranslateColor(button.ForeColor());
    if (button.ButtonStyle == 7) return captionColour;
    return TranslateColor(button.ForeColor());
}

void DrawCaptionText(ztButtons_H& button, const std::string& text, gdi::RECT rect, gdi::UINT format, Long colour) {
    SelectDrawingTool(button, true, button.SurfaceDC, DrawingToolKind::TextColor, colour);
    gdi::DrawTextA(button.SurfaceDC, text.data(), static_cast<int>(text.size()), &rect, format);
}

}  // namespace

gdi::UINT CaptionTextFormat(Long captionAlign) {
    gdi::UINT alignment = gdi::DT_LEFT;
    if (captionAlign == CaptionAlignValue::Right) alignment = gdi::DT_RIGHT;
    if (captionAlign == CaptionAlignValue::Center) alignment = gdi::DT_CENTER;
    return alignment | gdi::DT_WORDBREAK;
}

void PaintCaption(ztButtons_H& button, RgbColor face, Long captionColour, bool checked, bool& toggle) {
    gdi::RECT captionRect = button.CaptionRect;
    gdi::RECT imageRect = button.ImageRect;
    if ((checked || IsPushed(button)) && button.ButtonStyle != 3) {
        // Pushed content sinks by a pixel; round shapes only downwards.
        const int dx = IsRectangular(button) ? 1 : 0;
        gdi::OffsetRect(&captionRect, dx, 1);
        gdi::OffsetRect(&imageRect, dx, 1);
    }

    // A checked custom shape shows its backdrop instead of the picture.
    if (!(IsChecked(button) && button.IsCustomShape())) DrawButtonImage(button, imageRect);

    if (button.CaptionText.empty()) return;
    // Shapes 5 to 8 show their caption only while checked.
    if (button.ButtonShape > ButtonShapeValue::Ellipse && !IsChecked(button)) return;

    thread_local std::string text;  // kept from paint to paint
    CaptionForDrawing(button.CaptionText, text);
    if (text.empty()) return;
    const gdi::UINT format = CaptionTextFormat(button.CaptionAlign);
    const bool enabled = button.Enabled();

    Long colour = 0;
    if (enabled) {
        colour = EnabledCaptionColour(button, captionColour);
    } else if (captionColour < 0 || button.GradientMode != GradientModeValue::None) {
        colour = PaintColor::White;
        gdi::OffsetRect(&captionRect, 1, 1);
        toggle = false;
    } else {
        colour = captionColour;
    }

    if (enabled && button.CaptionStyle != CaptionStyleValue::Flat) {
        const int offset = button.CaptionStyle == CaptionStyleValue::ReliefLightAboveLeft ? kReliefOffset
                                                                                           : -kReliefOffset;
        gdi::OffsetRect(&captionRect, -1, 0);
        DrawCaptionText(button, text, captionRect, format, Shade(face, offset));
        gdi::OffsetRect(&captionRect, 2, 2);
        DrawCaptionText(button, text, captionRect, format, Shade(face, -offset));
        gdi::OffsetRect(&captionRect, -1, -1);
    }

    DrawCaptionText(button, text, captionRect, format, colour);

    if (!enabled && !toggle) {
        // White one pixel down-right under grey: the engraved disabled look.
        gdi::OffsetRect(&captionRect, -1, -1);
        DrawCaptionText(button, text, captionRect, format, PaintColor::Grey);
    }
}
