#include "control/render/Surface.h"

#include "control/render/Colors.h"
#include "control/render/DrawingState.h"
#include "control/render/Rounding.h"

namespace {

// The surface's background mode. The drawing layer takes 3 as a second
// transparent mode: text and styled lines leave the background untouched.
constexpr int kSurfaceBackgroundMode = 3;

// Selects an object the control made; when the selection fails the object
// would belong to nobody, so it is deleted at once. Returns what came out.
gdi::HGDIOBJ SelectOwned(gdi::HDC dc, gdi::HGDIOBJ object) {
    if (object == 0) return 0;
    const gdi::HGDIOBJ previous = gdi::SelectObject(dc, object);
    if (previous == 0) gdi::DeleteObject(object);
    return previous;
}

// Selects a new pen or brush of the control and deletes the one it replaces,
// unless that one is the DC's original (saved) object, which the control never deletes.
void ReplaceTool(ButtonState& state, gdi::HGDIOBJ tool, gdi::HGDIOBJ savedTool) {
    if (state.SurfaceDC == 0) {
        if (tool != 0) gdi::DeleteObject(tool);
        return;
    }
    const gdi::HGDIOBJ previous = SelectOwned(state.SurfaceDC, tool);
    if (previous != 0 && previous != savedTool) gdi::DeleteObject(previous);
}

void RestoreSavedTools(ButtonState& state) {
    if (state.SurfaceDC == 0) return;
    if (state.SavedBrush != 0) {
        const gdi::HGDIOBJ brush = gdi::SelectObject(state.SurfaceDC, state.SavedBrush);
        if (brush != 0 && brush != state.SavedBrush) gdi::DeleteObject(brush);
    }
    if (state.SavedPen != 0) {
        const gdi::HGDIOBJ pen = gdi::SelectObject(state.SurfaceDC, state.SavedPen);
        if (pen != 0 && pen != state.SavedPen) gdi::DeleteObject(pen);
    }
}

void CreateSurfaceDC(ztButtons_H& button) {
    button.SurfaceDC = gdi::CreateCompatibleDC(button.HDC());
    if (button.SurfaceDC == 0) return;
    gdi::SetBkMode(button.SurfaceDC, kSurfaceBackgroundMode);
    button.SavedBrush = SelectOwned(button.SurfaceDC, gdi::CreateSolidBrush(0));
    button.SavedPen = SelectOwned(button.SurfaceDC, gdi::CreatePen(gdi::PS_SOLID, 1, 0));
    UpdateDrawingState(button, "Font");
}

void CreateSurfaceBitmap(ztButtons_H& button) {
    const gdi::HBITMAP bitmap =
        gdi::CreateCompatibleBitmap(button.HDC(), ClientWidth(button), ClientHeight(button));
    button.SavedBitmap = SelectOwned(button.SurfaceDC, bitmap);
}

}  // namespace

void ManageOffscreenDC(ztButtons_H& button, bool create) {
    if (!create) {
        gdi::BitBlt(button.HDC(), 0, 0, ClientWidth(button), ClientHeight(button), button.SurfaceDC, 0, 0,
                    gdi::SRCCOPY);
        return;
    }
    if (button.SurfaceDC == 0) CreateSurfaceDC(button);
    if (button.SurfaceDC == 0 || button.SavedBitmap != 0) return;
    CreateSurfaceBitmap(button);
}

void SelectDrawingTool(ztButtons_H& button, bool select, gdi::HDC hdc, Long kind, Long colour, bool alsoPen,
                       Long width, Long style) {
    if (!select) {
        RestoreSavedTools(button);
        return;
    }
    const auto rgb = static_cast<gdi::COLORREF>(colour);
    switch (kind) {
    case DrawingToolKind::Brush:
        ReplaceTool(button, gdi::CreateSolidBrush(rgb), button.SavedBrush);
        if (alsoPen) ReplaceTool(button, gdi::CreatePen(style, width, rgb), button.SavedPen);
        break;
    case DrawingToolKind::Pen:
        ReplaceTool(button, gdi::CreatePen(style, width, rgb), button.SavedPen);
        break;
    case DrawingToolKind::TextColor:
        gdi::SetTextColor(hdc, static_cast<gdi::COLORREF>(TranslateColor(colour)));
        break;
    default:
        break;
    }
}

void DrawRect(ztButtons_H& button, gdi::HDC hdc, Long left, Long top, Long right, Long bottom, Long fillColour,
              Long borderColour, Long borderWidth, Long borderStyle) {
    const bool hasBorder = borderColour != -1;
    if (hasBorder) {
        SelectDrawingTool(button, true, hdc, DrawingToolKind::Pen, borderColour, true, borderWidth, borderStyle);
    }
    // Without a border colour the pen takes the fill colour, so the rectangle
    // is one flat colour up to its edges.
    SelectDrawingTool(button, true, hdc, DrawingToolKind::Brush, fillColour, !hasBorder, 1, gdi::PS_SOLID);
    gdi::Rectangle(hdc, left, top, right, bottom);
}

void ReleaseOffscreenDC(ButtonState& state) {
    if (state.SurfaceDC == 0) return;
    RestoreSavedTools(state);
    if (state.SavedFont != 0) {
        const gdi::HGDIOBJ font = gdi::SelectObject(state.SurfaceDC, state.SavedFont);
        if (font != 0 && font != state.SavedFont) gdi::DeleteObject(font);
    }
    if (state.SavedBitmap != 0) {
        const gdi::HGDIOBJ bitmap = gdi::SelectObject(state.SurfaceDC, state.SavedBitmap);
        if (bitmap != 0 && bitmap != state.SavedBitmap) gdi::DeleteObject(bitmap);
    }
    gdi::SelectClipRgn(state.SurfaceDC, 0);
    gdi::DeleteDC(state.SurfaceDC);
    state.SurfaceDC = 0;
    state.SavedBitmap = 0;
    state.SavedPen = 0;
    state.SavedBrush = 0;
    state.SavedFont = 0;
}

void DropSurfaceBitmap(ztButtons_H& button) {
    if (button.SurfaceDC == 0 || button.SavedBitmap == 0) return;
    const gdi::HGDIOBJ bitmap = gdi::SelectObject(button.SurfaceDC, button.SavedBitmap);
    if (bitmap != 0 && bitmap != button.SavedBitmap) gdi::DeleteObject(bitmap);
    button.SavedBitmap = 0;
}
