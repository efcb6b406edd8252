#include "control/render/ButtonImage.h"

#include "control/render/Colors.h"
#include "control/render/Rounding.h"
#include "control/render/Surface.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

struct Channels {
    int red;
    int green;
    int blue;
};

// Splits a pixel read as a signed value with truncating division, so that
// CLR_INVALID (all bits set, read past the bitmap's edge) gives red 255,
// green 0, blue 0.
Channels SplitPixel(gdi::COLORREF pixel) {
    const auto value = static_cast<std::int32_t>(pixel);
    return {(value / 1) & 0xFF, (value / 256) & 0xFF, (value / 65536) & 0xFF};
}

bool NearKey(Channels pixel, Channels key) {
    return std::abs(pixel.red - key.red) <= kColourKeyTolerance &&
           std::abs(pixel.green - key.green) <= kColourKeyTolerance &&
           std::abs(pixel.blue - key.blue) <= kColourKeyTolerance;
}

void CutRect(gdi::HRGN target, const gdi::RECT& rect) {
    if (target == 0) return;
    const gdi::HRGN piece = gdi::CreateRectRgnIndirect(&rect);
    if (piece == 0) return;
    gdi::CombineRgn(target, target, piece, gdi::RGN_DIFF);
    gdi::DeleteObject(piece);
}

// A run of key pixels [runStart, runEnd) in row y leaves the window region;
// grown by one pixel it leaves the face region, by two the inner region.
void CutRun(ztButtons_H& button, gdi::HRGN region, Long runStart, Long runEnd, Long y) {
    gdi::RECT run{runStart, y, runEnd, y + 1};
    CutRect(region, run);
    gdi::InflateRect(&run, 1, 1);
    CutRect(button.FaceRegion, run);
    gdi::InflateRect(&run, 1, 1);
    CutRect(button.InnerRegion, run);
}

// Repaints near-key pixels to the exact key and, with a region, cuts every
// run of them. Both loops include w and h: pixels there lie past the bitmap
// and read as CLR_INVALID.
void KeyAndCut(ztButtons_H& button, gdi::HDC imageDC, Long w, Long h, gdi::HRGN region) {
    const gdi::COLORREF key = gdi::GetPixel(imageDC, 0, 0);
    const Channels keyChannels = SplitPixel(key);
    for (Long y = 0; y <= h; ++y) {
        Long runStart = -1;
        for (Long x = 0; x <= w; ++x) {
            const bool nearKey = NearKey(SplitPixel(gdi::GetPixel(imageDC, x, y)), keyChannels);
            bool runEnds = false;
            if (nearKey) {
                gdi::SetPixel(imageDC, x, y, key);
                if (runStart == -1) runStart = x;
                runEnds = x == w;
            } else {
                runEnds = runStart >= 0;
            }
            if (runEnds) {
                if (region != 0) CutRun(button, region, runStart, x, y);
                runStart = -1;
            }
        }
    }
}

// The source's mask (key pixels 1) and its copy with the key pixels black.
struct TransparentLayers {
    gdi::HDC maskDC;
    gdi::HDC copyDC;
    Long width;
    Long height;
};

// The general composition: the destination's dw x dh is copied into a
// screen-compatible work bitmap, the picture is stretched into it (the
// background cleared where the picture is opaque, then the picture ORed in)
// and the work bitmap is copied back.
void ComposeThroughWork(gdi::HDC screenDC, gdi::HDC destDC, gdi::RECT destRect, const TransparentLayers& layers,
                        Long dw, Long dh, Long w, Long h) {
    const gdi::HDC workDC = gdi::CreateCompatibleDC(screenDC);
    const gdi::HBITMAP workBitmap = gdi::CreateCompatibleBitmap(screenDC, dw, dh);
    const gdi::HGDIOBJ workPrevious = gdi::SelectObject(workDC, workBitmap);
    gdi::SetMapMode(workDC, gdi::GetMapMode(destDC));
    gdi::BitBlt(workDC, 0, 0, dw, dh, destDC, destRect.left, destRect.top, gdi::SRCCOPY);
    gdi::StretchBlt(workDC, 0, 0, w, h, layers.maskDC, 0, 0, layers.width, layers.height, gdi::SRCAND);
    gdi::StretchBlt(workDC, 0, 0, w, h, layers.copyDC, 0, 0, layers.width, layers.height, gdi::SRCPAINT);
    gdi::BitBlt(destDC, destRect.left, destRect.top, dw, dh, workDC, 0, 0, gdi::SRCCOPY);
    if (workPrevious != 0) gdi::SelectObject(workDC, workPrevious);
    if (workBitmap != 0) gdi::DeleteObject(workBitmap);
    if (workDC != 0) gdi::DeleteDC(workDC);
}

// Composing straight into the destination gives the work bitmap's pixels
// when the destination holds 32-bit pixels as the work bitmap does and the
// drawn size fits in the destination rectangle (the work bitmap cuts off the
// rest): a work pixel outside the picture goes back unchanged, one inside is
// the destination's pixel combined with the same layers, and the
// destination's clip limits the copy back as it limits the composition. The
// layers are stretched beforehand as the work bitmap's fresh DC stretches
// them, so the destination's stretch mode plays no part.
bool CanComposeInPlace(gdi::HDC destDC, Long dw, Long dh, Long w, Long h) {
    if (w <= 0 || h <= 0 || w > dw || h > dh)
        return false;
    gdi::BITMAP bitmap{};
    const gdi::HGDIOBJ destBitmap = gdi::GetCurrentObject(destDC, gdi::OBJ_BITMAP);
    return destBitmap != 0 && gdi::GetObjectA(destBitmap, sizeof bitmap, &bitmap) == sizeof bitmap &&
           bitmap.bmBitsPixel == 32;
}

gdi::BITMAPINFO LayerInfo(Long w, Long h) {
    gdi::BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(gdi::BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = gdi::BI_RGB;
    return info;
}

// Stretches the mask and the key-blackened copy to the drawn size w x h as
// the work bitmap's fresh DC does (the mask's 1 bits white, its 0 bits black,
// dropped pixels ANDed in) and keeps their pixels in kept. False when the
// scratch bitmap cannot be made.
bool StretchLayers(const TransparentLayers& layers, Long w, Long h, KeyedImageLayers& kept) {
    const gdi::BITMAPINFO info = LayerInfo(w, h);
    void* bits = nullptr;
    const gdi::HDC dc = gdi::CreateCompatibleDC(0);
    const gdi::HBITMAP dib = gdi::CreateDIBSection(dc, &info, gdi::DIB_RGB_COLORS, &bits, 0, 0);
    const gdi::HGDIOBJ previous = dib != 0 ? gdi::SelectObject(dc, dib) : 0;
    const bool made = previous != 0 && bits != nullptr;
    if (made) {
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        const std::size_t count = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
        gdi::SetStretchBltMode(dc, gdi::BLACKONWHITE);
        gdi::SetTextColor(dc, gdi::RGB(0, 0, 0));
        gdi::SetBkColor(dc, gdi::RGB(255, 255, 255));
        gdi::StretchBlt(dc, 0, 0, w, h, layers.maskDC, 0, 0, layers.width, layers.height, gdi::SRCCOPY);
        kept.andPixels.assign(pixels, pixels + count);
        gdi::StretchBlt(dc, 0, 0, w, h, layers.copyDC, 0, 0, layers.width, layers.height, gdi::SRCCOPY);
        kept.orPixels.assign(pixels, pixels + count);
        kept.width = w;
        kept.height = h;
    }
    if (previous != 0)
        gdi::SelectObject(dc, previous);
    if (dib != 0)
        gdi::DeleteObject(dib);
    if (dc != 0)
        gdi::DeleteDC(dc);
    return made;
}

// Clears the background where the picture is opaque (AND), then ORs the
// picture into the holes: the two stretches of the general composition,
// taken from the layers stretched beforehand.
void ComposeLayers(gdi::HDC destDC, gdi::RECT destRect, const KeyedImageLayers& layers) {
    const gdi::BITMAPINFO info = LayerInfo(layers.width, layers.height);
    gdi::StretchDIBits(destDC, destRect.left, destRect.top, layers.width, layers.height, 0, 0, layers.width,
                       layers.height, layers.andPixels.data(), &info, gdi::DIB_RGB_COLORS, gdi::SRCAND);
    gdi::StretchDIBits(destDC, destRect.left, destRect.top, layers.width, layers.height, 0, 0, layers.width,
                       layers.height, layers.orPixels.data(), &info, gdi::DIB_RGB_COLORS, gdi::SRCPAINT);
}

// The layers of the button's prepared image are kept from paint to paint:
// they depend on the image (its pixels, and the key taken from them, change
// only with a new image, which forgets them), the part of it drawn and the
// drawn size; the destination's clip, position and pixels are applied per
// paint. False when nothing fitting is kept.
bool ComposeKeptLayers(ztButtons_H& button, gdi::HDC destDC, gdi::RECT destRect, gdi::HBITMAP srcBitmap,
                       const gdi::RECT& srcRect, Long dw, Long dh, Long w, Long h) {
    if (srcBitmap == 0 || srcBitmap != button.ImageHandle || !CanComposeInPlace(destDC, dw, dh, w, h))
        return false;
    KeptImageLayers& kept = button.ImageLayers;
    for (int i = 0; i < static_cast<int>(kept.sizes.size()); ++i) {
        const KeyedImageLayers& layers = kept.sizes[static_cast<std::size_t>(i)];
        if (layers.source == srcBitmap && gdi::EqualRect(&layers.sourceRect, &srcRect) && layers.width == w &&
            layers.height == h) {
            kept.lastUsed = i;
            ComposeLayers(destDC, destRect, layers);
            return true;
        }
    }
    return false;
}

// Composes straight into the destination through freshly stretched layers,
// kept in place of the ones used less recently when they come from the
// button's prepared image. False when it does not apply.
bool ComposeInPlace(ztButtons_H& button, gdi::HDC destDC, gdi::RECT destRect, gdi::HBITMAP srcBitmap,
                    const gdi::RECT& srcRect, const TransparentLayers& layers, Long dw, Long dh, Long w,
                    Long h) {
    if (!CanComposeInPlace(destDC, dw, dh, w, h))
        return false;
    const int spare = 1 - button.ImageLayers.lastUsed;
    KeyedImageLayers& kept = button.ImageLayers.sizes[static_cast<std::size_t>(spare)];
    kept.Forget();
    if (!StretchLayers(layers, w, h, kept))
        return false;
    if (srcBitmap == button.ImageHandle) {
        kept.source = srcBitmap;
        kept.sourceRect = srcRect;
        button.ImageLayers.lastUsed = spare;
    }
    ComposeLayers(destDC, destRect, kept);
    return true;
}

}  // namespace

gdi::SIZE FitImageSize(const ztButtons_H& button, Long maxW, Long maxH) {
    // A picture without a size, or a box without room, has no fitting size.
    if (button.PictureWidth <= 0 || button.PictureHeight <= 0 || maxW <= 0 || maxH <= 0) return {0, 0};
    const double horizontal = static_cast<double>(maxW) / button.PictureWidth;
    const double vertical = static_cast<double>(maxH) / button.PictureHeight;
    const double ratio = vertical < horizontal ? vertical : horizontal;
    return {RoundHalfEven(button.PictureWidth * ratio), RoundHalfEven(button.PictureHeight * ratio)};
}

void PrepareButtonImage(ztButtons_H& button, Long w, Long h, gdi::HRGN region) {
    if (!button.Picture) return;
    button.DeleteImage();
    if (button.PictureIsIcon == 1) return;

    if (region != 0) {
        // The caller has deleted the previous ones.
        button.FaceRegion = gdi::CreateRectRgn(0, 0, ClientWidth(button), ClientHeight(button));
        button.InnerRegion = gdi::CreateRectRgn(0, 0, ClientWidth(button), ClientHeight(button));
    }
    // CopyImage takes a size of 0 as "the picture's own size", which is not the
    // size asked for: an empty target gets no prepared image.
    if (w <= 0 || h <= 0) {
        button.ImageWidth = 0;
        button.ImageHeight = 0;
        return;
    }

    const gdi::HDC imageDC = gdi::CreateCompatibleDC(button.HDC());
    button.ImageHandle =
        static_cast<gdi::HBITMAP>(gdi::CopyImage(button.Picture->Handle(), gdi::IMAGE_BITMAP, w, h, 0));
    const gdi::HGDIOBJ previous = button.ImageHandle != 0 ? gdi::SelectObject(imageDC, button.ImageHandle) : 0;
    if (previous != 0) {
        KeyAndCut(button, imageDC, w, h, region);
        gdi::SelectObject(imageDC, previous);
    }
    if (imageDC != 0) gdi::DeleteDC(imageDC);
    button.ImageWidth = w;
    button.ImageHeight = h;
}

void TransparentBlit(ztButtons_H& button, gdi::HDC destDC, gdi::RECT destRect, gdi::HBITMAP srcBitmap,
                     gdi::RECT srcRect, Long& w, Long& h) {
    TransparentBlitWith(button, destDC, destRect, srcBitmap, srcRect, w, h, true);
}

void TransparentBlitWith(ztButtons_H& button, gdi::HDC destDC, gdi::RECT destRect, gdi::HBITMAP srcBitmap,
                         gdi::RECT srcRect, Long& w, Long& h, bool allowInPlace) {
    if (srcRect.right == 0)
        srcRect.right = srcRect.left + button.ImageWidth;
    if (srcRect.bottom == 0)
        srcRect.bottom = srcRect.top + button.ImageHeight;
    const Long sw = srcRect.right - srcRect.left;
    const Long sh = srcRect.bottom - srcRect.top;
    const Long dw = destRect.right != 0 ? destRect.right - destRect.left : w;
    const Long dh = destRect.bottom != 0 ? destRect.bottom - destRect.top : h;
    if (w > 0 && h > 0 && (dw < w || dh < h)) {
        const float horizontal = static_cast<float>(dw) / static_cast<float>(w);
        const float vertical = static_cast<float>(dh) / static_cast<float>(h);
        const float ratio = vertical < horizontal ? vertical : horizontal;
        w = RoundHalfEven(static_cast<double>(w * ratio));
        h = RoundHalfEven(static_cast<double>(h * ratio));
    }
    if (allowInPlace && ComposeKeptLayers(button, destDC, destRect, srcBitmap, srcRect, dw, dh, w, h))
        return;

    const gdi::HDC screenDC = gdi::GetDC(0);
    const gdi::HDC srcDC = gdi::CreateCompatibleDC(screenDC);
    const gdi::HGDIOBJ srcPrevious = gdi::SelectObject(srcDC, srcBitmap);

    if (srcPrevious != 0 && sw > 0 && sh > 0 && dw > 0 && dh > 0) {
        const gdi::COLORREF key =
            static_cast<gdi::COLORREF>(TranslateColor(static_cast<OleColor>(gdi::GetPixel(srcDC, 0, 0))));

        const gdi::HDC maskDC = gdi::CreateCompatibleDC(screenDC);
        const gdi::HDC copyDC = gdi::CreateCompatibleDC(screenDC);
        const gdi::HBITMAP maskBitmap = gdi::CreateBitmap(sw, sh, 1, 1, nullptr);
        const gdi::HBITMAP copyBitmap = gdi::CreateCompatibleBitmap(screenDC, sw, sh);
        const gdi::HGDIOBJ maskPrevious = gdi::SelectObject(maskDC, maskBitmap);
        const gdi::HGDIOBJ copyPrevious = gdi::SelectObject(copyDC, copyBitmap);

        // A copy of the source.
        gdi::SetBkColor(copyDC, gdi::GetBkColor(srcDC));
        gdi::SetTextColor(copyDC, gdi::GetTextColor(srcDC));
        gdi::BitBlt(copyDC, 0, 0, sw, sh, srcDC, srcRect.left, srcRect.top, gdi::SRCCOPY);

        // Mask: key pixels 1, all others 0.
        gdi::SetBkColor(copyDC, key);
        gdi::SetTextColor(copyDC, gdi::RGB(255, 255, 255));
        gdi::BitBlt(maskDC, 0, 0, sw, sh, copyDC, 0, 0, gdi::SRCCOPY);

        // Key pixels of the copy become black: copy AND NOT mask.
        gdi::SetTextColor(copyDC, gdi::RGB(0, 0, 0));
        gdi::SetBkColor(copyDC, gdi::RGB(255, 255, 255));
        gdi::BitBlt(copyDC, 0, 0, sw, sh, maskDC, 0, 0, 0x00220326);

        const TransparentLayers layers{maskDC, copyDC, sw, sh};
        if (!allowInPlace ||
            !ComposeInPlace(button, destDC, destRect, srcBitmap, srcRect, layers, dw, dh, w, h)) {
            ComposeThroughWork(screenDC, destDC, destRect, layers, dw, dh, w, h);
        }

        if (maskPrevious != 0) gdi::SelectObject(maskDC, maskPrevious);
        if (copyPrevious != 0) gdi::SelectObject(copyDC, copyPrevious);
        if (maskBitmap != 0) gdi::DeleteObject(maskBitmap);
        if (copyBitmap != 0) gdi::DeleteObject(copyBitmap);
        if (maskDC != 0) gdi::DeleteDC(maskDC);
        if (copyDC != 0) gdi::DeleteDC(copyDC);
    }

    if (srcPrevious != 0) gdi::SelectObject(srcDC, srcPrevious);
    if (srcDC != 0) gdi::DeleteDC(srcDC);
    if (screenDC != 0) gdi::ReleaseDC(0, screenDC);
}

void DrawButtonImage(ztButtons_H& button, gdi::RECT rect) {
    if (button.PictureWidth + button.PictureHeight == 0 || !button.Picture) return;
    if (button.ImageHandle == 0) {
        PrepareButtonImage(button, rect.right - rect.left, rect.bottom - rect.top, 0);
    }
    if (button.IsCustomShape()) {
        rect = {0, 0, ClientWidth(button), ClientHeight(button)};
        // A pushed custom button shows its picture one pixel smaller on every side.
        if (button.IsPushed()) gdi::InflateRect(&rect, -1, -1);
    }
    Long w = rect.right - rect.left;
    Long h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;

    const bool enabled = button.Enabled();
    gdi::HDC target = button.SurfaceDC;
    gdi::RECT targetRect = rect;
    gdi::HDC scratchDC = 0;
    gdi::HBITMAP scratchBitmap = 0;
    gdi::HGDIOBJ scratchPrevious = 0;
    if (!enabled) {
        // The disabled look is made from the picture drawn on white.
        scratchDC = gdi::CreateCompatibleDC(button.SurfaceDC);
        scratchBitmap = gdi::CreateCompatibleBitmap(button.SurfaceDC, w, h);
        scratchPrevious = gdi::SelectObject(scratchDC, scratchBitmap);
        gdi::PatBlt(scratchDC, 0, 0, w, h, gdi::WHITENESS);
        target = scratchDC;
        gdi::OffsetRect(&targetRect, -rect.left, -rect.top);
    }

    if (button.PictureIsIcon == 1) {
        gdi::DrawIconEx(target, targetRect.left, targetRect.top, button.Picture->Handle(), w, h, 0, 0,
                        gdi::DI_NORMAL);
    } else if (button.ImageHandle != 0) {
        TransparentBlit(button, target, targetRect, button.ImageHandle, gdi::RECT{0, 0, 0, 0}, w, h);
    }

    if (!enabled) {
        // ((destination XOR brush) AND source) XOR brush: white parts of the
        // picture leave the face, black parts show the grey brush.
        const gdi::COLORREF previousBackground = gdi::SetBkColor(button.SurfaceDC, gdi::RGB(255, 255, 255));
        const gdi::HBRUSH grey = gdi::CreateSolidBrush(0x808080);
        const gdi::HGDIOBJ previousBrush = gdi::SelectObject(button.SurfaceDC, grey);
        gdi::BitBlt(button.SurfaceDC, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                    scratchDC, 0, 0, 0x00B8074A);
        gdi::SetBkColor(button.SurfaceDC, previousBackground);
        if (previousBrush != 0) gdi::SelectObject(button.SurfaceDC, previousBrush);
        if (grey != 0) gdi::DeleteObject(grey);
        if (scratchPrevious != 0) gdi::SelectObject(scratchDC, scratchPrevious);
        if (scratchBitmap != 0) gdi::DeleteObject(scratchBitmap);
        if (scratchDC != 0) gdi::DeleteDC(scratchDC);
    }
}
