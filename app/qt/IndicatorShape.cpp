#include "app/qt/IndicatorShape.h"

#include <QPainter>

#include <algorithm>

namespace app::qt {

IndicatorShape::IndicatorShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void IndicatorShape::SetFillColor(IndicatorColor color) {
    fill_ = QColor(color.red, color.green, color.blue);
    update();
}

void IndicatorShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(255, 0, 0));
    painter.setBrush(fill_);
    // A circle as large as the narrower side allows, centred in the shape's box.
    const int diameter = std::min(width(), height()) - 1;
    painter.drawEllipse(
        QRectF((width() - 1 - diameter) / 2.0, (height() - 1 - diameter) / 2.0, diameter, diameter));
}

} // namespace app::qt
