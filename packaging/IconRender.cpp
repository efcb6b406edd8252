// dunmora-icon-render <folder>: writes the window icon's clock face as
// <folder>/<n>x<n>/DunmoraDesk.png for the sizes of the desktop's icon theme,
// each drawn at its own size.
#include "app/qt/AppIcon.h"

#include <QDir>
#include <QGuiApplication>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString sizeFolder = folder + QStringLiteral("/%1x%1").arg(size);
        if (!QDir().mkpath(sizeFolder) ||
            !app::AppIconImage(size).save(sizeFolder + "/DunmoraDesk.png", "PNG"))
            return 1;
    }
    return 0;
}
