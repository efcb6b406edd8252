#include "app/win32/DpiScaling.h"

#include <cmath>
#include <initializer_list>

namespace app::win32host {
namespace {

int ValidDpi(int dpi) {
    return dpi > 0 ? dpi : kLayoutDpi;
}

// Rounds half away from zero, as MulDiv does.
int MultiplyDivide(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

} // namespace

int ScaledToDpi(int layoutPixels, int dpi) {
    return MultiplyDivide(layoutPixels, ValidDpi(dpi), kLayoutDpi);
}

int LayoutPixels(int pixels, int dpi) {
    return MultiplyDivide(pixels, kLayoutDpi, ValidDpi(dpi));
}

ControlBox ScaledBox(const ControlBox& box, int dpi) {
    const int left = ScaledToDpi(box.left, dpi);
    const int top = ScaledToDpi(box.top, dpi);
    return {left, top, ScaledToDpi(box.Right(), dpi) - left, ScaledToDpi(box.Bottom(), dpi) - top};
}

WindowLayout ScaledLayout(int clientWidth, int dpi) {
    WindowLayout layout = LayOutWindow(LayoutPixels(clientWidth, dpi));
    for (ControlBox* box : {&layout.lstResult, &layout.cmdHomePage, &layout.shpDateTime, &layout.cmdDateTime,
                            &layout.txtCeShi, &layout.cmdCeShi, &layout.chkCeshi, &layout.txtYouXiao})
        *box = ScaledBox(*box, dpi);
    return layout;
}

int FontHeightForPoints(double points, int dpi) {
    return -static_cast<int>(std::lround(points * ValidDpi(dpi) / 72.0));
}

double TwipsPerPixelAt(int dpi) {
    return 1440.0 / ValidDpi(dpi);
}

} // namespace app::win32host
