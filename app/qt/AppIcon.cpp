#include "app/qt/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace app {

QImage AppIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal edge = size / 16.0;
    painter.setPen(QPen(QColor(0, 0, 192), edge));
    painter.setBrush(QColor(122, 192, 221));
    painter.drawEllipse(QRectF(edge, edge, size - 2 * edge, size - 2 * edge));
    const QPointF centre(size / 2.0, size / 2.0);
    painter.setPen(QPen(QColor(192, 0, 0), edge * 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(0, -size * 0.32));
    painter.drawLine(centre, centre + QPointF(size * 0.22, 0));
    painter.end();
    return image;
}

QIcon CreateAppIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(AppIconImage(16)));
    icon.addPixmap(QPixmap::fromImage(AppIconImage(32)));
    return icon;
}

} // namespace app
