#include "control/render/ButtonRegion.h"

#include "control/model/Lifecycle.h"
#include "control/paint/Gradient.h"
#include "control/render/ButtonImage.h"
#include "control/render/Colors.h"
#include "control/render/Rounding.h"
#include "control/render/Surface.h"

namespace {

void RemovePiece(gdi::HRGN region, gdi::HRGN piece) {
    if (piece == 0) return;
    if (region != 0) gdi::CombineRgn(region, region, piece, gdi::RGN_DIFF);
    gdi::DeleteObject(piece);
}

void RemovePixel(gdi::HRGN region, Long x, Long y) { RemovePiece(region, gdi::CreateRectRgn(x, y, x + 1, y + 1)); }

void RemoveTriangle(gdi::HRGN region, gdi::POINT a, gdi::POINT b, gdi::POINT c) {
    const gdi::POINT points[3] = {a, b, c};
    RemovePiece(region, gdi::CreatePolygonRgn(points, 3, gdi::WINDING));
}

// One-pixel corner cuts; style 3 cuts only one corner per side.
void CutLeftCornerPixels(gdi::HRGN region, Long style, Long h) {
    if (style != 3) RemovePixel(region, 0, 0);
    RemovePixel(region, 0, h - 1);
}

void CutRightCornerPixels(gdi::HRGN region, Long style, Long w, Long h) {
    if (style != 3) RemovePixel(region, w - 1, h - 1);
    RemovePixel(region, w - 1, 0);
}

void CutLeftCornerTriangles(gdi::HRGN region, Long h) {
    RemoveTriangle(region, {0, 0}, {2, 0}, {0, 2});
    RemoveTriangle(region, {0, h}, {3, h}, {0, h - 3});
}

void CutRightCornerTriangles(gdi::HRGN region, Long w, Long h) {
    RemoveTriangle(region, {w, 0}, {w - 2, 0}, {w, 2});
    RemoveTriangle(region, {w, h}, {w - 3, h}, {w, h - 3});
}

// Styles 1, and 3 while enabled, have one-pixel cuts; styles 2 and 7 triangles.
bool HasPixelCuts(const ztButtons_H& button) {
    return button.ButtonStyle == 1 || (button.ButtonStyle == 3 && button.Enabled());
}

bool HasTriangleCuts(const ztButtons_H& button) { return button.ButtonStyle == 2 || button.ButtonStyle == 7; }

gdi::HRGN RectangleRegion(ztButtons_H& button) {
    const Long w = ClientWidth(button);
    const Long h = ClientHeight(button);
    const gdi::HRGN region = gdi::CreateRectRgn(0, 0, w + 1, h + 1);
    if (HasPixelCuts(button)) {
        CutLeftCornerPixels(region, button.ButtonStyle, h);
        CutRightCornerPixels(region, button.ButtonStyle, w, h);
    } else if (HasTriangleCuts(button)) {
        CutLeftCornerTriangles(region, h);
        CutRightCornerTriangles(region, w, h);
    }
    return region;
}

// Widens the control in steps of 5 pixels until it is at least k + 5 wide.
void WidenForSlants(ztButtons_H& button, Long k) {
    Long needed = ClientWidth(button);
    while (needed - k < 5) needed += 5;
    container::ControlSite* site = button.Site();
    if (site == nullptr || ClientWidth(button) == needed) return;
    // The Resize this raises only replaces the surface bitmap: drawing is delayed.
    DelayDrawing(button, true);
    site->SetWidth(site->ScaleX(static_cast<float>(needed), container::ScaleUnit::Pixels,
                                container::ScaleUnit::ContainerSize));
    button.FaceRight = ClientWidth(button);
    button.DrawingDelayed = False;
}

gdi::HRGN SlantedRegion(ztButtons_H& button) {
    const Long k = RoundHalfEven(static_cast<double>(ClientHeight(button)) + 1.0);
    WidenForSlants(button, k);
    const Long w = ClientWidth(button);
    const Long h = ClientHeight(button);
    const Long m = RoundHalfEven(static_cast<double>(w) - k);
    gdi::POINT points[4] = {{0, 0}, {0, h + 1}, {w + 1, h + 1}, {w + 1, 0}};
    const Long shape = button.ButtonShape;
    if (shape == ButtonShapeValue::LeftSlanted || shape == ButtonShapeValue::Parallelogram) {
        points[1].x = k;
        button.FaceLeft = k;
    }
    if (shape == ButtonShapeValue::RightSlanted || shape == ButtonShapeValue::Parallelogram) {
        points[3].x = m + 1;
        button.FaceRight = m;
    }
    const gdi::HRGN region = gdi::CreatePolygonRgn(points, 4, gdi::WINDING);

    // Corners are cut only on the straight side.
    if (HasPixelCuts(button)) {
        if (shape == ButtonShapeValue::RightSlanted) CutLeftCornerPixels(region, button.ButtonStyle, h);
        if (shape == ButtonShapeValue::LeftSlanted) CutRightCornerPixels(region, button.ButtonStyle, w, h);
    } else if (HasTriangleCuts(button)) {
        if (shape == ButtonShapeValue::RightSlanted) CutLeftCornerTriangles(region, h);
        if (shape == ButtonShapeValue::LeftSlanted) CutRightCornerTriangles(region, w, h);
    }
    return region;
}

// The white-to-grey backdrop of round and custom buttons, top to bottom.
void PaintGradientBackdrop(ztButtons_H& button) {
    const Long savedMode = button.GradientMode;
    button.GradientMode = GradientModeValue::TopToBottom;
    FillGradient(button, 0xFFFFFF, 0x808080);
    button.GradientMode = savedMode;
}

void FrameRegion(ztButtons_H& button, gdi::HRGN region, RgbColor colour) {
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(static_cast<gdi::COLORREF>(colour));
    gdi::FrameRgn(button.SurfaceDC, region, brush, 1, 1);
    if (brush != 0) gdi::DeleteObject(brush);
}

gdi::HRGN EllipseRegion(ztButtons_H& button) {
    const Long w = ClientWidth(button);
    const Long h = ClientHeight(button);
    const gdi::HRGN region = gdi::CreateEllipticRgn(0, 0, w, h);
    if (button.ButtonStyle != 5) {
        if (button.ButtonShape == ButtonShapeValue::EllipseOutlined) {
            FrameRegion(button, region, 0x000000);
        } else {
            PaintGradientBackdrop(button);
        }
    }
    button.FaceRegion = gdi::CreateEllipticRgn(1, 1, w - 1, h - 1);
    button.InnerRegion = gdi::CreateEllipticRgn(2, 2, w - 2, h - 2);
    return region;
}

// Moves region so that its bounding box starts inset pixels inside the one of reference.
void AlignInside(gdi::HRGN region, const gdi::RECT& reference, Long inset) {
    gdi::RECT box{};
    if (region == 0 || gdi::GetRgnBox(region, &box) == gdi::ERROR) return;
    gdi::OffsetRgn(region, reference.left - box.left + inset, reference.top - box.top + inset);
}

// Returns 0 when the shape cannot be built (no picture): the window keeps its region.
gdi::HRGN CustomRegion(ztButtons_H& button) {
    if (button.PictureWidth == 0 || button.PictureHeight == 0) return 0;
    DelayDrawing(button, true);
    const gdi::SIZE fitted = FitImageSize(button, ClientWidth(button), ClientHeight(button));
    container::ControlSite* site = button.Site();
    if (site != nullptr && fitted.cx > 0 && fitted.cy > 0) {
        site->Size(static_cast<float>(fitted.cx * site->TwipsPerPixelX()),
                   static_cast<float>(fitted.cy * site->TwipsPerPixelY()));
    }
    button.FaceRight = ClientWidth(button);
    button.DrawingDelayed = False;

    const Long w = ClientWidth(button);
    const Long h = ClientHeight(button);
    const gdi::HRGN region = gdi::CreateRectRgn(0, 0, w, h);
    PrepareButtonImage(button, w, h, region);

    gdi::RECT bounds{};
    if (region != 0 && gdi::GetRgnBox(region, &bounds) != gdi::ERROR) {
        AlignInside(button.FaceRegion, bounds, 1);
        AlignInside(button.InnerRegion, bounds, 2);
    }
    if (button.ButtonShape == ButtonShapeValue::CustomGradient) {
        PaintGradientBackdrop(button);
    } else {
        FrameRegion(button, region, TranslateColor(button.BackColor));
    }
    gdi::SelectClipRgn(button.SurfaceDC, button.FaceRegion);
    return region;
}

}  // namespace

void CreateButtonRegion(ztButtons_H& button) {
    button.FaceLeft = 0;
    button.FaceRight = ClientWidth(button);
    if (button.SurfaceDC != 0) gdi::SelectClipRgn(button.SurfaceDC, 0);
    if (button.InnerRegion != 0) gdi::DeleteObject(button.InnerRegion);
    button.InnerRegion = 0;
    if (button.FaceRegion != 0) gdi::DeleteObject(button.FaceRegion);
    button.FaceRegion = 0;

    gdi::HRGN region = 0;
    switch (button.ButtonShape) {
    case ButtonShapeValue::Rectangle:
        region = RectangleRegion(button);
        break;
    case ButtonShapeValue::LeftSlanted:
    case ButtonShapeValue::RightSlanted:
    case ButtonShapeValue::Parallelogram:
        region = SlantedRegion(button);
        break;
    case ButtonShapeValue::Ellipse:
    case ButtonShapeValue::EllipseAlternate:
    case ButtonShapeValue::EllipseOutlined:
        region = EllipseRegion(button);
        break;
    case ButtonShapeValue::Custom:
    case ButtonShapeValue::CustomGradient:
        region = CustomRegion(button);
        if (region == 0) return;
        break;
    default:
        return;
    }

    // The window system owns the region once it takes it; a region it refuses
    // would belong to nobody.
    if (region != 0 && user::SetWindowRgn(button.HWnd(), region, gdi::TRUE) == 0) gdi::DeleteObject(region);
    if (button.FaceRight == 0) button.FaceRight = ClientWidth(button);
}
