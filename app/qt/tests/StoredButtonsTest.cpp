#include "app/StoredButtons.h"
#include "app/PointingHandCursors.h"
#include "app/qt/tests/QtWindowFixture.h"
#include "platform/qt/MousePointers.h"
#include "ztbuttons/ZtButton.h"

#include <QImage>
#include <QPixmap>

namespace app::testing {
namespace {

TEST(PointingHandCursors, AreThirtyTwoSquareWithTheirHotSpotsOnTheHand) {
    for (const auto& [which, hotSpot] :
         {std::pair{HandHotSpot::Fingertip, QPoint(6, 0)}, std::pair{HandHotSpot::Palm, QPoint(13, 9)}}) {
        const picture::PicturePtr icon = PointingHandCursor(which);
        ASSERT_TRUE(icon);
        EXPECT_EQ(icon->Type(), picture::PictureType::Icon);
        const auto cursor = qtplatform::CursorFromIcon(*icon);
        ASSERT_TRUE(cursor.has_value());
        EXPECT_EQ(cursor->hotSpot(), hotSpot);
        const QImage image = cursor->pixmap().toImage();
        ASSERT_EQ(image.size(), QSize(32, 32));
        EXPECT_EQ(qAlpha(image.pixel(hotSpot)), 255); // the tip is drawn, in black outline
        EXPECT_EQ(image.pixel(hotSpot) & 0xFFFFFFu, 0u);
        EXPECT_EQ(qAlpha(image.pixel(31, 31)), 0); // the rest shows the screen
    }
}

using StoredButtons = QtWindowFixture;

// The window's buttons carry the stored settings through the control's own reading.
TEST_F(StoredButtons, TheControlsReadTheirStoredLook) {
    qt::QtMainWindow& window = Window();
    using ztbuttons::ZtButton;
    auto* dateTime = window.findChild<ZtButton*>("cmdDateTime");
    auto* homePage = window.findChild<ZtButton*>("cmdHomePage");
    auto* ceShi = window.findChild<ZtButton*>("cmdCeShi");
    ASSERT_TRUE(dateTime && homePage && ceShi);
    EXPECT_EQ(dateTime->buttonStyle(), 2);
    EXPECT_EQ(dateTime->foreColor(), QColor(0, 0, 192));
    EXPECT_EQ(dateTime->hoverBackColor(), QColor(192, 255, 192));
    EXPECT_EQ(homePage->buttonStyle(), 6);
    EXPECT_EQ(homePage->buttonShape(), 4);
    EXPECT_EQ(homePage->hoverBackColor(), QColor(255, 192, 192));
    EXPECT_EQ(homePage->caption(), QString(kPublisherHost));
    EXPECT_EQ(ceShi->buttonStyle(), 0);
    EXPECT_EQ(ceShi->backColor(), ZtButton::systemColor(15));
    for (ZtButton* button : {dateTime, homePage, ceShi}) {
        EXPECT_EQ(button->mousePointer(), 99);
        EXPECT_EQ(button->font().family(), QStringLiteral("宋体"));
        EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 9.0);
        EXPECT_EQ(button->gradientColor(), QColor(0, 0, 0));
    }
    // The ellipse is cut out of the control's window.
    auto* ellipseWindow = homePage->focusProxy();
    ASSERT_NE(ellipseWindow, nullptr);
    EXPECT_FALSE(ellipseWindow->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(ellipseWindow->mask().contains(QPoint(69, 11)));
}

} // namespace
} // namespace app::testing
