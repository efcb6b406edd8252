#include "PngWriter.h"

#include <QImage>
#include <QString>

bool WritePng(const ArgbImage& image, const std::string& path) {
    if (image.width <= 0 || image.height <= 0) return false;
    QImage png(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(png.scanLine(y));
        for (int x = 0; x < image.width; ++x) row[x] = image.At(x, y);
    }
    return png.save(QString::fromStdString(path), "PNG");
}
