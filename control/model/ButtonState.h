// The state record of one ztButtons_H button and the numbers that give its
// members a meaning. Every procedure of the control reads and writes this one
// record; it starts all zero (empty caption, no picture, handles 0, flags clear).
#pragma once

#include "platform/gdi/gdi.h"
#include "platform/picture/Picture.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The control's own value types, with the widths its stored form uses.
using Integer = std::int16_t;
using Long = std::int32_t;
using Boolean = std::int16_t;
using OleColor = std::int32_t;  // 0x00BBGGRR, or 0x800000nn: system colour nn
using RgbColor = std::int32_t;  // 0x00BBGGRR, already translated

constexpr Boolean True = -1;
constexpr Boolean False = 0;

constexpr Boolean ToBoolean(bool value) { return value ? True : False; }

// The prepared image drawn key-transparent, as two layers of pixels at one
// drawn size (0x00RRGGBB, top-down rows): ANDed into the destination (white
// where the key shows, black elsewhere), then ORed (the picture, black where
// the key shows). Kept from paint to paint while the image, the part of it
// drawn and the drawn size stay the same (ButtonImage.cpp); forgotten with
// the image.
struct KeyedImageLayers {
    gdi::HANDLE source = 0;  // the bitmap they were made from; 0: nothing kept
    gdi::RECT sourceRect{};
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint32_t> andPixels;
    std::vector<std::uint32_t> orPixels;

    void Forget() { source = 0; }
};

// The layers at the last two drawn sizes: a custom shape is drawn at its full
// size and, pushed, one pixel smaller on every side.
struct KeptImageLayers {
    std::array<KeyedImageLayers, 2> sizes;
    int lastUsed = 0;

    void Forget() {
        for (KeyedImageLayers& layers : sizes) layers.Forget();
    }
};

// Bits of StateFlags. "Pushed" is ButtonHeld and PointerInside together.
struct StateFlagBits {
    static constexpr Integer DefaultLook = 0x0001;    // drawn as the container's default button
    static constexpr Integer ButtonHeld = 0x0002;     // left button went down on the button
    static constexpr Integer PointerInside = 0x0004;  // pointer over the button while a press is tracked
    static constexpr Integer Shifted = 0x0400;        // window moved by CustomClick
    static constexpr Integer Pushed = ButtonHeld | PointerInside;
};

struct ModeValue {
    static constexpr Long CommandButton = 0;
    static constexpr Long CheckBox = 1;
    static constexpr Long OptionButton = 2;
};

struct CaptionAlignValue {
    static constexpr Long Left = 0;
    static constexpr Long Right = 1;
    static constexpr Long Center = 2;
};

struct CaptionStyleValue {
    static constexpr Long Flat = 0;
    static constexpr Long ReliefDarkAboveLeft = 1;   // darker copy above-left, lighter below-right
    static constexpr Long ReliefLightAboveLeft = 2;  // lighter copy above-left, darker below-right
};

// ButtonStyle runs from 0 to 7: one painter each.
struct ButtonStyleValue {
    static constexpr Long First = 0;
    static constexpr Long Last = 7;
};

struct ButtonShapeValue {
    static constexpr Long Rectangle = 0;
    static constexpr Long LeftSlanted = 1;
    static constexpr Long RightSlanted = 2;
    static constexpr Long Parallelogram = 3;
    static constexpr Long Ellipse = 4;
    static constexpr Long EllipseAlternate = 5;  // drawn like 4
    static constexpr Long EllipseOutlined = 6;   // ellipse with a black outline
    static constexpr Long Custom = 7;            // the opaque pixels of the picture
    static constexpr Long CustomGradient = 8;    // as 7, with a gradient backdrop
};

struct PictureAlignValue {
    static constexpr Long LeftEdge = 0;
    static constexpr Long LeftOfCaption = 1;
    static constexpr Long RightEdge = 2;
    static constexpr Long RightOfCaption = 3;
    static constexpr Long TopCenter = 4;
    static constexpr Long BottomCenter = 5;
};

// The PictureSize property (0..4) and the edge length it stands for.
struct PictureSizeValue {
    static constexpr Integer Size16 = 0;
    static constexpr Integer Size24 = 1;
    static constexpr Integer Size32 = 2;
    static constexpr Integer Stretched = 3;  // 40 px: stretched over the face
    static constexpr Integer Fitted = 4;     // 48 px: fitted keeping the aspect ratio

    static constexpr Integer StretchedPx = 40;
    static constexpr Integer FittedPx = 48;
    static constexpr Integer FreshPx = 16;  // a fresh record holds 0, which reads as 16

    static constexpr Integer ToPx(Integer pictureSize) { return static_cast<Integer>((pictureSize + 2) * 8); }
    static constexpr Integer FromPx(Integer px) { return static_cast<Integer>(px / 8 - 2); }
};

struct GradientModeValue {
    static constexpr Long None = 0;
    static constexpr Long LeftToRight = 1;
    static constexpr Long RightToLeft = 2;
    static constexpr Long TopToBottom = 3;
    static constexpr Long BottomToTop = 4;
};

// Which hover colours follow the normal colours.
struct HoverColorLocksValue {
    static constexpr Long BothFollow = 0;
    static constexpr Long BackLocked = 1;
    static constexpr Long ForeLocked = 2;
    static constexpr Long BothLocked = 3;
};

// System colours named by OLE colours.
struct SystemColorValue {
    static constexpr OleColor ButtonFace = static_cast<OleColor>(0x8000000F);
    static constexpr OleColor ButtonText = static_cast<OleColor>(0x80000012);
};

// In CaptionText "||" stands for a line break and "&" marks the access key.
struct ButtonState {
    gdi::HANDLE SurfaceDC = 0;
    gdi::HANDLE SavedBitmap = 0;
    gdi::HANDLE SavedPen = 0;
    gdi::HANDLE SavedBrush = 0;
    gdi::HANDLE InnerRegion = 0;
    gdi::HANDLE FaceRegion = 0;
    gdi::HANDLE SavedFont = 0;
    std::string CaptionText;
    Long CaptionAlign = 0;
    Long CaptionStyle = 0;
    Long ButtonStyle = 0;
    Integer StateFlags = 0;
    Long ButtonShape = 0;
    Long FaceLeft = 0;
    Long FaceRight = 0;
    gdi::RECT CaptionRect{};
    Boolean ShowFocusRect = False;
    OleColor HoverBackColor = 0;
    OleColor HoverForeColor = 0;
    Long HoverColorLocks = 0;
    Long GradientMode = 0;
    OleColor GradientColor = 0;
    Long Mode = 0;
    Boolean Value = False;
    Long CustomClick = 0;
    picture::PicturePtr Picture;
    gdi::HANDLE ImageHandle = 0;  // its pixels are written only by PrepareButtonImage
    KeptImageLayers ImageLayers;
    Long ImageWidth = 0;
    Long ImageHeight = 0;
    Long PictureAlign = 0;
    Integer PictureSizePx = 0;
    gdi::RECT ImageRect{};
    Long PictureWidth = 0;
    Long PictureHeight = 0;
    Long PictureIsIcon = 0;
    Boolean DrawingDelayed = False;
    OleColor BackColor = 0;
    RgbColor FaceColor = 0;
    RgbColor FaceShadeColor = 0;
    RgbColor HoverFaceColor = 0;
    Integer LastMouseButton = 0;
    Boolean IsHovering = False;
    RgbColor ParentBackColor = 0;
    RgbColor CheckedFaceColor = 0;
    Boolean IsPressing = False;

    // Deletes the prepared image and what was kept of it.
    void DeleteImage() {
        if (ImageHandle != 0) gdi::DeleteObject(ImageHandle);
        ImageHandle = 0;
        ImageLayers.Forget();
    }

    bool IsPushed() const { return (StateFlags & StateFlagBits::Pushed) == StateFlagBits::Pushed; }
    bool HasPicture() const { return PictureWidth + PictureHeight >= 1; }
    bool IsCustomShape() const { return ButtonShape > ButtonShapeValue::EllipseOutlined; }
};
