// The Designer plugin as Designer loads it, and a form that uic turned into code.
#include "ui_ZtButtonForm.h"
#include "ztbuttons/ZtButton.h"

#include <QPluginLoader>
#include <QSignalSpy>
#include <QTest>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <gtest/gtest.h>

namespace {

using ztbuttons::ZtButton;

TEST(DesignerPlugin, LoadsAndCreatesADesignModeButton) {
    QPluginLoader loader(ZTBUTTONS_DESIGNER_PLUGIN);
    QObject* instance = loader.instance();
    ASSERT_NE(instance, nullptr) << loader.errorString().toStdString();
    auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(instance);
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(plugin->name(), "ztbuttons::ZtButton");
    EXPECT_EQ(plugin->includeFile(), "ztbuttons/ZtButton.h");
    EXPECT_TRUE(plugin->domXml().contains("class=\"ztbuttons::ZtButton\""));
    EXPECT_FALSE(plugin->icon().isNull());

    QWidget form;
    QWidget* widget = plugin->createWidget(&form);
    auto* button = qobject_cast<ZtButton*>(widget);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->parentWidget(), &form);
    EXPECT_TRUE(button->designMode());
    // While designing, ResetDefaultColors works (at run time it does nothing).
    button->setProperty("BackColor", QColor(1, 2, 3));
    button->setProperty("ResetDefaultColors", true);
    EXPECT_EQ(button->backColor(), ZtButton::systemColor(15));
}

TEST(DesignerForm, AUicFormBuildsItsButtonsWithTheirProperties) {
    QWidget form;
    Ui::ZtButtonForm ui;
    ui.setupUi(&form);
    EXPECT_EQ(ui.syncButton->buttonStyle(), 2);
    EXPECT_EQ(ui.syncButton->caption(), "&Sync now");
    EXPECT_EQ(ui.syncButton->backColor(), QColor(122, 192, 221));
    EXPECT_EQ(ui.syncButton->hoverForeColor(), ZtButton::systemColor(18));
    EXPECT_FALSE(ui.syncButton->designMode());
    EXPECT_TRUE(ui.checkButton->value());
    form.show();
    QSignalSpy clicks(ui.checkButton, &ZtButton::clicked);
    QTest::mouseClick(ui.checkButton, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(ui.checkButton->value());
    EXPECT_GE(ui.syncButton->width(), ui.syncButton->minimumSizeHint().width()); // laid out
}

} // namespace
