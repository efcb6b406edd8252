#include "app/IndicatorShape.h"

#include <QPainter>
#include <QRandomGenerator>

namespace app {

IndicatorShape::IndicatorShape(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void IndicatorShape::SetFillColor(const QColor& color) {
    fill_ = color;
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

QColor RandomIndicatorColor() {
    auto part = [] { return static_cast<int>(QRandomGenerator::global()->generateDouble() * 255) + 1; };
    const int red = part();
    const int green = part();
    return QColor(red, green, part());
}

} // namespace app
