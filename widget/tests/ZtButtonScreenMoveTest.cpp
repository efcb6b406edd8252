// A window moved from a screen of ratio 1 to one of ratio 2 (two offscreen
// screens, TwoScreens.json) redraws its buttons at the new screen's pixels.
#include "ztbuttons/ZtButton.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

using ztbuttons::ZtButton;

int DarkPixels(const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 80;
    }
    return dark;
}

TEST(ScreenMove, AWindowMovedToAScreenOfAnotherRatioRedrawsAtIt) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2);
    ASSERT_EQ(screens[1]->devicePixelRatio(), 2.0);
    QWidget form;
    form.setGeometry(100, 100, 200, 60);
    auto* button = new ZtButton(QString::fromUtf8("获取标准时间"), &form);
    button->setGeometry(0, 0, 105, 21);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    button->focusProxy()->clearFocus(); // no focus look: compared with a button that never had it
    EXPECT_EQ(button->drawingPixelRatio(), 1.0);
    const QImage classic = button->grab().toImage();
    EXPECT_EQ(classic.size(), QSize(105, 21));

    form.windowHandle()->setScreen(screens[1]);
    form.move(900, 100);
    for (int wait = 0; wait < 100 && button->drawingPixelRatio() != 2.0; ++wait)
        QTest::qWait(10);
    EXPECT_EQ(button->drawingPixelRatio(), 2.0);
    const QImage doubled = button->grab().toImage();
    EXPECT_EQ(doubled.size(), QSize(210, 42));
    // Drawn as a button made on that screen is drawn, font included.
    auto* fresh = new ZtButton(QString::fromUtf8("获取标准时间"), &form);
    fresh->setGeometry(0, 30, 105, 21);
    fresh->show();
    const QImage made = fresh->grab().toImage();
    EXPECT_EQ(made.size(), QSize(210, 42));
    EXPECT_EQ(doubled, made);

    EXPECT_GT(DarkPixels(doubled), DarkPixels(classic));
}

} // namespace
