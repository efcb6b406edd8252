// ZtButton through its public interface: properties with the control's checks
// and their change signals, events as signals, settings text, size hints and
// option groups per parent widget.
#include "ztbuttons/ZtButton.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMetaProperty>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ztbuttons::ZtButton;

QMetaProperty PropertyOf(const QObject& object, const char* name) {
    return object.metaObject()->property(object.metaObject()->indexOfProperty(name));
}

// Every property the control publishes, under its own name, with a change signal.
TEST(ZtButtonProperties, AreQtPropertiesUnderTheControlsNamesEachWithAChangeSignal) {
    ZtButton button;
    for (const char* name :
         {"ButtonStyle",     "Mode",           "Caption",       "CaptionAlign", "CaptionStyle",
          "CustomClick",     "ButtonShape",    "Picture",       "PictureAlign", "ShowFocusRect",
          "Value",           "PictureSize",    "MousePointer",  "MouseIcon",    "FontStyle",
          "ForeColor",       "BackColor",      "GradientColor", "GradientMode", "ResetDefaultColors",
          "HoverColorLocks", "HoverForeColor", "HoverBackColor"}) {
        const QMetaProperty property = PropertyOf(button, name);
        EXPECT_TRUE(property.isValid() && property.isWritable() && property.hasNotifySignal()) << name;
    }
}

// One row per ranged property: a value in range is taken and signalled once,
// one out of range changes nothing and signals nothing.
TEST(ZtButtonProperties, TakeValuesInRangeAndRefuseTheOthersSilently) {
    struct Row {
        const char* name;
        int accepted;
        int refused;
    };
    const std::vector<Row> rows{{"ButtonStyle", 2, 8},  {"Mode", 1, 3},         {"CaptionAlign", 0, 3},
                                {"CaptionStyle", 1, 3}, {"CustomClick", 3, 9},  {"ButtonShape", 3, 9},
                                {"PictureAlign", 2, 6}, {"PictureSize", 2, -1}, {"GradientMode", 3, 5}};
    for (const Row& row : rows) {
        ZtButton button;
        QSignalSpy changes(&button, PropertyOf(button, row.name).notifySignal());
        EXPECT_TRUE(button.setProperty(row.name, row.accepted)) << row.name;
        EXPECT_EQ(button.property(row.name).toInt(), row.accepted) << row.name;
        EXPECT_EQ(changes.count(), 1) << row.name;
        button.setProperty(row.name, row.refused);
        EXPECT_EQ(button.property(row.name).toInt(), row.accepted) << row.name;
        EXPECT_EQ(changes.count(), 1) << row.name;
    }
}

TEST(ZtButtonProperties, ValueStaysFalseOnACommandButton) {
    ZtButton button;
    QSignalSpy changes(&button, &ZtButton::valueChanged);
    button.setValue(true);
    EXPECT_FALSE(button.value());
    button.setMode(1);
    button.setValue(true);
    EXPECT_TRUE(button.value());
    EXPECT_EQ(changes.count(), 1);
}

TEST(ZtButtonColors, SystemColoursAndRgbColoursBothGoThroughQColor) {
    ZtButton button;
    EXPECT_EQ(button.backColor(), ZtButton::systemColor(15)); // a new button has the desktop's face
    EXPECT_TRUE(ZtButton::isSystemColor(button.backColor()));
    EXPECT_EQ(ZtButton::resolvedColor(button.backColor()), QColor(240, 240, 240));
    EXPECT_EQ(ZtButton::resolvedColor(ZtButton::systemColor(18)), QColor(0, 0, 0));

    QSignalSpy hoverFore(&button, &ZtButton::hoverForeColorChanged);
    button.setProperty("ForeColor", QColor(0, 0, 192));
    EXPECT_EQ(button.foreColor(), QColor(0, 0, 192));
    // The hover colour follows (locks 0) and says so, though only ForeColor was assigned.
    EXPECT_EQ(button.hoverForeColor(), QColor(0, 0, 192));
    EXPECT_EQ(hoverFore.count(), 1);
    button.setBackColor(ZtButton::systemColor(5));
    EXPECT_EQ(button.backColor(), ZtButton::systemColor(5));
    button.setBackColor(QColor()); // no colour at all: refused
    EXPECT_EQ(button.backColor(), ZtButton::systemColor(5));
}

TEST(ZtButtonSettings, TextReadsBackToTheSameButtonAndBadTextChangesNothing) {
    QWidget form;
    ZtButton first(&form);
    first.setCaption("S&ave||now");
    first.setButtonStyle(7);
    first.setGradientMode(2);
    first.setGradientColor(QColor(10, 20, 30));
    first.setMode(1);
    first.setValue(true);
    first.setFontStyle(6);
    const QString settings = first.saveSettings();
    EXPECT_TRUE(settings.contains("BackStyle = 7&")) << settings.toStdString();

    ZtButton second(&form);
    QSignalSpy styles(&second, &ZtButton::buttonStyleChanged);
    ASSERT_TRUE(second.loadSettings(settings));
    EXPECT_EQ(second.saveSettings(), settings);
    EXPECT_EQ(second.caption(), "S&ave||now");
    EXPECT_EQ(second.accessKey(), "a");
    EXPECT_TRUE(second.value());
    EXPECT_TRUE(second.font().bold() && second.font().italic()); // the widget's font is the control's
    EXPECT_EQ(styles.count(), 1);

    EXPECT_FALSE(second.loadSettings("Caption = \"unterminated"));
    EXPECT_EQ(second.saveSettings(), settings);
}

// The control's events, in the control's order, as the widget's signals.
TEST(ZtButtonEvents, ALeftClickIsMouseDownMouseUpAndClickedWithWidgetPositions) {
    QWidget form;
    ZtButton button("Go", &form);
    button.setGeometry(10, 10, 80, 24);
    form.show();
    std::vector<std::string> events;
    QObject::connect(&button, &ZtButton::mouseDown, [&](int b, int s, float x, float y) {
        events.push_back("down " + std::to_string(b) + " " + std::to_string(s) + " " +
                         std::to_string(int(x)) + "," + std::to_string(int(y)));
    });
    QObject::connect(&button, &ZtButton::mouseUp,
                     [&](int b, int, float, float) { events.push_back("up " + std::to_string(b)); });
    QObject::connect(&button, &ZtButton::clicked, [&] { events.push_back("click"); });
    QTest::mouseClick(&button, Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 12));
    QTest::mouseClick(&button, Qt::RightButton, Qt::NoModifier, QPoint(30, 12));
    EXPECT_EQ(events,
              (std::vector<std::string>{"down 1 1 30,12", "up 1", "click", "down 2 0 30,12", "up 2"}));
}

TEST(ZtButtonEvents, ACheckBoxTogglesBeforeClickedAndKeysComeAsKeySignals) {
    QWidget form;
    ZtButton button("Check", &form);
    button.setMode(1);
    form.show();
    std::vector<std::string> events;
    QObject::connect(&button, &ZtButton::valueChanged,
                     [&](bool v) { events.push_back(v ? "true" : "false"); });
    QObject::connect(&button, &ZtButton::clicked, [&] { events.push_back("click"); });
    QObject::connect(&button, &ZtButton::keyDown,
                     [&](int code, int) { events.push_back("keyDown " + std::to_string(code)); });
    QObject::connect(&button, &ZtButton::keyUp,
                     [&](int code, int) { events.push_back("keyUp " + std::to_string(code)); });
    QTest::keyClick(button.focusProxy(), Qt::Key_Space);
    button.click();
    EXPECT_EQ(events,
              (std::vector<std::string>{"keyDown 32", "keyUp 32", "true", "click", "false", "click"}));
}

// Qt's drag and drop as the control's drag events, only while the widget accepts drops.
TEST(ZtButtonEvents, ADropOntoTheButtonIsDragOverThenDragDropWithQtsData) {
    QWidget form;
    ZtButton button("Drop here", &form);
    button.setGeometry(0, 0, 80, 24);
    form.show();
    std::vector<std::string> events;
    QObject::connect(&button, &ZtButton::oleDragOver,
                     [&](const QMimeData* data, int effect, int, int, float x, float, int state) {
                         events.push_back("over " + std::to_string(state) + " " + std::to_string(effect) +
                                          " " + (data ? data->text().toStdString() : "-") + " " +
                                          std::to_string(int(x)));
                     });
    QObject::connect(
        &button, &ZtButton::oleDragDrop, [&](const QMimeData* data, int effect, int, int, float, float) {
            events.push_back("drop " + std::to_string(effect) + " " + data->text().toStdString());
        });
    QMimeData data;
    data.setText("time.example");
    auto dragOnto = [&] {
        QDragEnterEvent enter(QPoint(10, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(button.focusProxy(), &enter);
        QDropEvent drop(QPointF(12, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(button.focusProxy(), &drop);
        return drop.isAccepted();
    };
    dragOnto();
    EXPECT_TRUE(events.empty()) << "drops are off until acceptDrops";
    button.setAcceptDrops(true);
    EXPECT_TRUE(dragOnto());
    EXPECT_EQ(events, (std::vector<std::string>{"over 0 1 time.example 10", "drop 1 time.example"}));
}

TEST(ZtButtonOptionGroups, OneCheckedPerParentAndAMovedButtonJoinsItsNewParent) {
    QWidget first;
    QWidget second;
    ZtButton a("A", &first);
    ZtButton b("B", &first);
    ZtButton c("C", &second);
    for (ZtButton* button : {&a, &b, &c})
        button->setMode(2);
    a.click();
    c.click();
    EXPECT_TRUE(a.value() && c.value()); // two parents, two groups
    b.click();
    EXPECT_FALSE(a.value());
    EXPECT_TRUE(b.value());

    b.setParent(&second); // keeps its settings, leaves the first group, joins the second
    EXPECT_TRUE(b.value());
    EXPECT_EQ(b.caption(), "B");
    EXPECT_FALSE(c.value());
    a.click();
    EXPECT_TRUE(a.value() && b.value());
}

TEST(ZtButtonSize, HintsFollowCaptionFontPictureAndShape) {
    ZtButton button("Sync");
    const QSize plain = button.sizeHint();
    button.setCaption("Synchronise the clock now");
    const QSize longer = button.sizeHint();
    EXPECT_GT(longer.width(), plain.width());
    QFont big = button.font();
    big.setPointSizeF(big.pointSizeF() * 2);
    button.setFont(big);
    EXPECT_GT(button.sizeHint().height(), longer.height());
    const QSize rectangle = button.sizeHint();
    button.setButtonShape(3); // both edges slanted, each as wide as the button is high
    EXPECT_EQ(button.sizeHint().width(), rectangle.width() + 2 * (rectangle.height() + 1));
    button.setButtonShape(0);
    QPixmap picture(32, 32);
    picture.fill(Qt::red);
    button.setPicture(picture);
    button.setPictureSize(2);
    EXPECT_GE(button.sizeHint().width(), rectangle.width() + 32);
    EXPECT_LE(button.minimumSizeHint().width(), button.sizeHint().width());

    // A custom shape takes its picture's size, and a layout gives it.
    QWidget form;
    auto* layout = new QHBoxLayout(&form);
    auto* shaped = new ZtButton("Shaped");
    layout->addWidget(shaped);
    QPixmap outline(60, 40);
    outline.fill(Qt::white);
    shaped->setPicture(outline);
    shaped->setButtonShape(7);
    EXPECT_EQ(shaped->buttonShape(), 7);
    EXPECT_EQ(shaped->sizeHint(), QSize(60, 40));
    form.show();
    EXPECT_GE(shaped->width(), shaped->minimumSizeHint().width());
}

} // namespace
