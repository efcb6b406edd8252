#include "control/paint/StylePainters.h"

namespace {

constexpr StylePainter kStylePainters[8] = {PaintStyle0, PaintStyle1, PaintStyle2, PaintStyle3,
                                            PaintStyle4, PaintStyle5, PaintStyle6, PaintStyle7};

}  // namespace

StylePainter StylePainterFor(Long buttonStyle) {
    if (buttonStyle < 0 || buttonStyle > 7) return nullptr;
    return kStylePainters[buttonStyle];
}
