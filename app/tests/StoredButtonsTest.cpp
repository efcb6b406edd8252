#include "app/StoredButtons.h"
#include "app/PointingHandCursors.h"
#include "app/tests/WindowFixture.h"
#include "control/model/ztButtons_H.h"
#include "platform/qt/MousePointers.h"
#include "platform/qt/QtControlSite.h"

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

using StoredButtons = WindowFixture;

// The window's buttons carry the stored settings through the control's own reading.
TEST_F(StoredButtons, TheControlsReadTheirStoredLook) {
    frmTime& window = Window();
    auto controlOf = [&](const char* name) {
        auto* site = window.findChild<qtplatform::QtControlSite*>(name);
        return site != nullptr ? dynamic_cast<ztButtons_H*>(site->Control()) : nullptr;
    };
    ztButtons_H* dateTime = controlOf("cmdDateTime");
    ztButtons_H* homePage = controlOf("cmdHomePage");
    ztButtons_H* ceShi = controlOf("cmdCeShi");
    ASSERT_TRUE(dateTime && homePage && ceShi);
    EXPECT_EQ(dateTime->GetButtonStyle(), 2);
    EXPECT_EQ(dateTime->GetForeColor(), 0xC00000);
    EXPECT_EQ(dateTime->GetHoverBackColor(), 0xC0FFC0);
    EXPECT_EQ(homePage->GetButtonStyle(), 6);
    EXPECT_EQ(homePage->GetButtonShape(), 4);
    EXPECT_EQ(homePage->GetHoverBackColor(), 0xC0C0FF);
    EXPECT_EQ(homePage->GetCaption(), kPublisherHost.toStdString());
    EXPECT_EQ(ceShi->GetButtonStyle(), 0);
    EXPECT_EQ(ceShi->GetBackColor(), static_cast<OleColor>(0x8000000F));
    for (ztButtons_H* button : {dateTime, homePage, ceShi}) {
        EXPECT_EQ(button->GetMousePointer(), 99);
        EXPECT_EQ(button->GetFont()->Name(), "宋体");
        EXPECT_DOUBLE_EQ(button->GetFont()->Size(), 9.0);
        EXPECT_EQ(button->GetGradientColor(), 0);
    }
    // The ellipse is cut out of the window.
    const QRegion ellipse = window.findChild<QWidget*>("cmdHomePage")->mask();
    EXPECT_FALSE(ellipse.contains(QPoint(0, 0)));
    EXPECT_TRUE(ellipse.contains(QPoint(69, 11)));
}

} // namespace
} // namespace app::testing
