// What the QAccessible API reports of a ZtButton, offscreen.
#include "ztbuttons/ZtButton.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

using ztbuttons::ZtButton;

// An event as the platform's bridge takes it: Qt hands the bridge only events
// whose object has a valid interface.
struct Recorded {
    QAccessible::Event type;
    QAccessible::State changed;
    QAccessibleInterface* target;
};
std::vector<Recorded> events;

void Record(QAccessibleEvent* event) {
    QAccessible::State changed;
    if (event->type() == QAccessible::StateChanged)
        changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
    events.push_back({event->type(), changed, event->accessibleInterface()});
}

template <typename Predicate> int CountEvents(Predicate predicate) {
    int count = 0;
    for (const Recorded& event : events)
        count += event.target != nullptr && predicate(event);
    return count;
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

TEST_F(Accessibility, TheNameIsTheCaptionWithoutMarkersInAnyParentUnlessTheProgramNamedIt) {
    QGroupBox group("Styles", &form_);
    auto* grouped = new ZtButton("&Save && exit", &group);
    struct Row {
        ZtButton* button;
        QString accessibleName;
        QString name;
    };
    for (const Row& row : {Row{button_, "", "Save & exit"}, Row{grouped, "", "Save & exit"},
                           Row{grouped, "Save the form", "Save the form"}}) {
        row.button->setAccessibleName(row.accessibleName);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(row.button)->text(QAccessible::Name).toStdString(),
                  row.name.toStdString());
    }
    events.clear();
    button_->setCaption("Two||lines");
    EXPECT_EQ(interface_->text(QAccessible::Name), "Two\nlines");
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front().type, QAccessible::NameChanged);
}

// Every Mode: its role, whether it is checkable, its actions, and a click with
// the mouse (pressed while held), then the toggle action (press when not checkable).
TEST_F(Accessibility, EveryModeHasItsRoleStatesAndActions) {
    const QString press = QAccessibleActionInterface::pressAction();
    const QString toggle = QAccessibleActionInterface::toggleAction();
    const QString focus = QAccessibleActionInterface::setFocusAction();
    struct Row {
        int mode;
        QAccessible::Role role;
        bool checkable;
        QStringList actions;
        bool checkedAfterClick;
        bool checkedAfterAction;
        int checkedChanges;
        int clicks; // an option button already chosen is not clicked again
    };
    const Row rows[] = {
        {0, QAccessible::Button, false, {press, focus}, false, false, 0, 2},
        {1, QAccessible::CheckBox, true, {press, toggle, focus}, true, false, 2, 2},
        {2, QAccessible::RadioButton, true, {press, toggle, focus}, true, true, 1, 1},
    };
    QAccessibleActionInterface* actions = interface_->actionInterface();
    ASSERT_NE(actions, nullptr);
    QWidget* drawn = button_->focusProxy();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.mode);
        button_->setMode(row.mode);
        button_->setValue(false);
        events.clear();
        QSignalSpy clicks(button_, &ZtButton::clicked);
        EXPECT_EQ(interface_->role(), row.role);
        EXPECT_EQ(interface_->state().checkable, row.checkable);
        EXPECT_EQ(actions->actionNames().join(',').toStdString(), row.actions.join(',').toStdString());

        QTest::mousePress(drawn, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        EXPECT_TRUE(interface_->state().pressed);
        QTest::mouseRelease(drawn, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        EXPECT_FALSE(interface_->state().pressed);
        EXPECT_EQ(interface_->state().checked, row.checkedAfterClick);

        actions->doAction(row.checkable ? toggle : press);
        EXPECT_EQ(interface_->state().checked, row.checkedAfterAction);
        EXPECT_EQ(clicks.count(), row.clicks);
        EXPECT_EQ(CountEvents([](const Recorded& e) { return e.changed.pressed; }), 2);
        EXPECT_EQ(CountEvents([](const Recorded& e) { return e.changed.checked; }), row.checkedChanges);
    }
}

TEST_F(Accessibility, OneObjectPerButtonWhoseFocusIsReportedOnce) {
    EXPECT_EQ(interface_->childCount(), 0); // the drawn window inside is not an object of its own
    EXPECT_TRUE(interface_->state().focusable);
    auto* before = new QLineEdit(&form_);
    before->show();
    form_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
    before->setFocus();
    events.clear();
    button_->setFocus();
    EXPECT_TRUE(interface_->state().focused);
    std::vector<QAccessibleInterface*> focused;
    for (const Recorded& event : events)
        if (event.type == QAccessible::Focus && event.target != nullptr)
            focused.push_back(event.target);
    EXPECT_EQ(focused, std::vector<QAccessibleInterface*>{interface_});

    events.clear();
    button_->setEnabled(false);
    EXPECT_TRUE(interface_->state().disabled);
    EXPECT_GE(CountEvents([](const Recorded& e) { return e.changed.disabled; }), 1);
}

TEST_F(Accessibility, TheAccessKeyIsTheShortcutAndAnUnavailableButtonIgnoresActions) {
    QAccessibleActionInterface* actions = interface_->actionInterface();
    EXPECT_EQ(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()), QStringList{"Alt+S"});
    QSignalSpy clicks(button_, &ZtButton::clicked);
    button_->setEnabled(false);
    EXPECT_TRUE(actions->actionNames().isEmpty());
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 0);
}

} // namespace
