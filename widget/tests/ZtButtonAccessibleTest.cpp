// What the QAccessible API reports of a ZtButton, offscreen.
#include "ztbuttons/ZtButton.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

using ztbuttons::ZtButton;

std::vector<std::pair<QAccessible::Event, QAccessible::State>> events;

void Record(QAccessibleEvent* event) {
    QAccessible::State changed;
    if (event->type() == QAccessible::StateChanged)
        changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
    events.emplace_back(event->type(), changed);
}

class Accessibility : public ::testing::Test {
  protected:
    void SetUp() override {
        events.clear();
        // As a screen reader would: the platform's accessibility switched on.
        QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        ASSERT_NE(platform, nullptr);
        platform->setActive(true);
        QAccessible::installUpdateHandler(Record);
        button_ = new ZtButton("&Save && exit", &form_);
        form_.show();
        interface_ = QAccessible::queryAccessibleInterface(button_);
        ASSERT_NE(interface_, nullptr);
    }
    void TearDown() override {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    }

    QWidget form_;
    ZtButton* button_ = nullptr;
    QAccessibleInterface* interface_ = nullptr;
};

TEST_F(Accessibility, RoleFollowsTheModeAndTheNameIsTheCaptionWithoutMarkers) {
    EXPECT_EQ(interface_->role(), QAccessible::Button);
    EXPECT_EQ(interface_->text(QAccessible::Name), "Save & exit");
    button_->setMode(1);
    EXPECT_EQ(interface_->role(), QAccessible::CheckBox);
    button_->setMode(2);
    EXPECT_EQ(interface_->role(), QAccessible::RadioButton);
    events.clear();
    button_->setCaption("Two||lines");
    EXPECT_EQ(interface_->text(QAccessible::Name), "Two\nlines");
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front().first, QAccessible::NameChanged);
}

TEST_F(Accessibility, StatesFocusCheckedAndUnavailableWithTheirChangeEvents) {
    EXPECT_TRUE(interface_->state().focusable);
    form_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
    button_->setFocus();
    EXPECT_TRUE(interface_->state().focused);

    button_->setMode(1);
    events.clear();
    button_->setValue(true);
    EXPECT_TRUE(interface_->state().checkable && interface_->state().checked);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].first, QAccessible::StateChanged);
    EXPECT_TRUE(events[0].second.checked);

    events.clear();
    button_->setEnabled(false);
    EXPECT_TRUE(interface_->state().disabled);
    bool sawDisabled = false;
    for (const auto& [type, changed] : events)
        sawDisabled = sawDisabled || (type == QAccessible::StateChanged && changed.disabled);
    EXPECT_TRUE(sawDisabled);
}

TEST_F(Accessibility, PressAndToggleClickAndTheAccessKeyIsTheShortcut) {
    QAccessibleActionInterface* actions = interface_->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    EXPECT_EQ(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()), QStringList{"Alt+S"});
    QSignalSpy clicks(button_, &ZtButton::clicked);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);

    button_->setMode(1);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(button_->value());
    EXPECT_EQ(clicks.count(), 2);

    button_->setEnabled(false);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(Accessibility, APressShowsAsPressedWhileTheButtonIsHeld) {
    QWidget* drawn = button_->focusProxy();
    QTest::mousePress(drawn, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(interface_->state().pressed);
    QTest::mouseRelease(drawn, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_FALSE(interface_->state().pressed);
    int pressedChanges = 0;
    for (const auto& [type, changed] : events)
        pressedChanges += type == QAccessible::StateChanged && changed.pressed;
    EXPECT_EQ(pressedChanges, 2);
}

} // namespace
