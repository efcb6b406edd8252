#include "control/stage/TopDownDib.h"

namespace control_stage {

gdi::HBITMAP CreateTopDownDib(int width, int height, std::uint32_t** bits) {
    gdi::BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(gdi::BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = gdi::BI_RGB;
    void* memory = nullptr;
    const gdi::HBITMAP bitmap = gdi::CreateDIBSection(0, &info, gdi::DIB_RGB_COLORS, &memory, 0, 0);
    *bits = bitmap != 0 ? static_cast<std::uint32_t*>(memory) : nullptr;
    return bitmap;
}

}  // namespace control_stage
