// Drawing at device pixels. Run with QT_SCALE_FACTOR 2 or 1.5: the grabbed
// button has the device size and its caption is drawn at that size, not an
// enlargement of the picture the same button makes on a screen of ratio 1
// (drawn by this program again, run with QT_SCALE_FACTOR 1).
#include "platform/qt/QtControlSite.h"
#include "ztbuttons/ZtButton.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using ztbuttons::ZtButton;

constexpr QSize kButtonSize(105, 21);

QImage DrawnButton() {
    QWidget form;
    auto* button = new ZtButton(QString::fromUtf8("获取标准时间"), &form);
    button->setGeometry(QRect(QPoint(0, 0), kButtonSize));
    button->setButtonStyle(2);
    button->setBackColor(QColor(122, 192, 221));
    form.show();
    return button->grab().toImage();
}

// Not a test of its own: the ratio-1 picture, when the scaled test asks for it.
TEST(ReferencePicture, Write) {
    const QByteArray path = qgetenv("ZTBUTTONS_REFERENCE_PICTURE");
    if (path.isEmpty())
        GTEST_SKIP() << "only run by the scaled test";
    ASSERT_TRUE(DrawnButton().save(QString::fromLocal8Bit(path), "PNG"));
}

QImage ReferencePicture() {
    QTemporaryDir folder;
    const QString path = folder.filePath("reference.png");
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_SCALE_FACTOR", "1");
    environment.insert("ZTBUTTONS_REFERENCE_PICTURE", path);
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=ReferencePicture.Write"});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QImage(path);
}

TEST(DeviceScale, TheButtonDrawsAtTheScreensPixelsNotAsAnEnlargedPicture) {
    const qreal ratio = qApp->devicePixelRatio();
    ASSERT_GT(ratio, 1.0) << "run with QT_SCALE_FACTOR above 1";
    const QImage drawn = DrawnButton();
    EXPECT_EQ(drawn.size(),
              QSize(std::lround(kButtonSize.width() * ratio), std::lround(kButtonSize.height() * ratio)));
    const QImage reference = ReferencePicture();
    ASSERT_EQ(reference.size(), kButtonSize);

    // Each device pixel against the ratio-1 pixel it would come from if the
    // small picture were enlarged; the caption band must differ widely.
    int captionPixels = 0;
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb enlarged = reference.pixel(std::min(int(x / ratio), reference.width() - 1),
                                                  std::min(int(y / ratio), reference.height() - 1));
            const bool inCaption = x > drawn.width() / 6 && x < drawn.width() * 5 / 6 &&
                                   y > drawn.height() / 4 && y < drawn.height() * 3 / 4;
            captionPixels += inCaption;
            differing += inCaption && drawn.pixel(x, y) != enlarged;
        }
    }
    EXPECT_GT(differing, captionPixels / 10) << differing << " of " << captionPixels;
    // The caption itself is drawn: dark ink in the caption band, at device size.
    int ink = 0;
    for (int y = drawn.height() / 4; y < drawn.height() * 3 / 4; ++y) {
        for (int x = 0; x < drawn.width(); ++x)
            ink += qGray(drawn.pixel(x, y)) < 80;
    }
    EXPECT_GT(ink, 40 * ratio * ratio);
}

TEST(DeviceScale, FontsAreSizedForTheScreen) {
    ZtButton button("Sync");
    const qreal ratio = qApp->devicePixelRatio();
    EXPECT_DOUBLE_EQ(button.drawingPixelRatio(), ratio);
    // The size hint is in widget pixels whatever the screen.
    const QSize hint = button.sizeHint();
    EXPECT_LT(hint.height(), 40);
}

// The site under the widget: its pixels, sizes and twips are the screen's.
TEST(DeviceScale, TheSiteCountsTheScreensPixelsAndTwips) {
    const qreal ratio = qApp->devicePixelRatio();
    qtplatform::QtWindowSystem system;
    QWidget form;
    auto* site = new qtplatform::QtControlSite(qtplatform::QtForm::Of(system, &form), "ztButtons_H1");
    site->resize(40, 20);
    form.show();
    EXPECT_DOUBLE_EQ(site->TwipsPerPixelX(), 15.0 / ratio); // 7.5 at ratio 2, 10 at 1.5
    EXPECT_FLOAT_EQ(site->ScaleWidth(), std::lround(40 * ratio));
    EXPECT_FLOAT_EQ(site->ScaleHeight(), std::lround(20 * ratio));
    EXPECT_FLOAT_EQ(site->Width(), 600.0f); // twips do not change with the screen
}

} // namespace
