#include "app/IndicatorShape.h"
#include "app/TextLines.h"
#include "app/tests/WindowFixture.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

namespace app::testing {
namespace {

using MainWindow = WindowFixture;

// A left click in the middle of a button of the window, as the user gives it.
void ClickButton(frmTime& window, const char* name) {
    QWidget* button = window.findChild<QWidget*>(name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

TEST_F(MainWindow, ControlsSitWhereTheWindowWasDrawn) {
    frmTime& window = Window();
    EXPECT_EQ(window.size(), QSize(279, 135));
    EXPECT_EQ(window.maximumHeight(), 407); // enlarged downwards, the server test shows
    auto geometryOf = [&](const char* name) { return window.findChild<QWidget*>(name)->geometry(); };
    EXPECT_EQ(geometryOf("lstResult"), QRect(2, 4, 275, 103));
    EXPECT_EQ(geometryOf("cmdHomePage"), QRect(2, 110, 139, 23));
    EXPECT_EQ(geometryOf("shpDateTime"), QRect(148, 108, 15, 25));
    EXPECT_EQ(geometryOf("cmdDateTime"), QRect(170, 112, 105, 21));
    EXPECT_EQ(geometryOf("txtCeShi"), QRect(2, 200, 275, 89));
    EXPECT_EQ(geometryOf("cmdCeShi"), QRect(89, 292, 181, 21));
    EXPECT_EQ(geometryOf("chkCeshi"), QRect(9, 295, 73, 19));
    EXPECT_EQ(geometryOf("txtYouXiao"), QRect(2, 316, 275, 89));
    EXPECT_FALSE(window.shpDateTime->isVisibleTo(&window));
    EXPECT_EQ(window.cmdDateTime->Caption(), QStringLiteral("获取标准时间"));
    EXPECT_EQ(window.cmdCeShi->Caption(), QStringLiteral("测试上面的地址，有效的放下面"));
    EXPECT_EQ(window.chkCeshi->text(), QStringLiteral("显示时间"));
    EXPECT_FALSE(window.chkCeshi->isChecked());
    EXPECT_EQ(window.lstResult->palette().color(QPalette::Base), QColor(64, 64, 64));
    EXPECT_EQ(window.lstResult->palette().color(QPalette::Text), QColor(255, 255, 255));
    EXPECT_DOUBLE_EQ(window.lstResult->font().pointSizeF(), 10.5);
    EXPECT_EQ(window.lstResult->font().families().value(0), QStringLiteral("宋体"));
}

TEST_F(MainWindow, StartUpSetsTitleAndDisplayNameAndFocusesTheSyncButton) {
    frmTime& window = Window([](AppEnvironment& e) { e.programName = "MyClock"; });
    window.Form_Load();
    EXPECT_EQ(window.windowTitle(), "MyClock 1.0.5");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "MyClock 1.0.5");
    EXPECT_TRUE(window.isVisible());
    QWidget* first = window.findChild<QWidget*>("cmdDateTime");
    QWidget* focus = window.focusWidget() ? window.focusWidget() : window.nextInFocusChain();
    EXPECT_TRUE(focus == first || focus == first->focusProxy()); // the button's drawn window holds it
    EXPECT_TRUE(clock_.calls.empty());
}

TEST_F(MainWindow, AutoInAnyCaseSynchronisesAtStartAndTheWindowStays) {
    daytime_.AlwaysReply(QByteArray::fromStdString(net::testing::NistReply(2024, 12, 7, 19, 58, 1)));
    WriteIni("127.0.0.1", "");
    frmTime& window = Window([](AppEnvironment& e) { e.commandLine = "/AUTO"; });
    window.Form_Load();
    EXPECT_EQ(clock_.calls.size(), 2u);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindow, CloseWithoutAutoWaitsForTheFirstClick) {
    daytime_.AlwaysReply(QByteArray::fromStdString(net::testing::NistReply(2024, 12, 7, 19, 58, 1)));
    WriteIni("127.0.0.1", "");
    frmTime& window = Window([](AppEnvironment& e) { e.commandLine = "autoclose"; });
    window.Form_Load(); // "autoclose" holds both words
    EXPECT_FALSE(window.isVisible());

    frmTime& second = Window([](AppEnvironment& e) { e.commandLine = "close"; });
    second.Form_Load();
    EXPECT_TRUE(second.isVisible());
    EXPECT_EQ(clock_.calls.size(), 2u);
    ClickButton(second, "cmdDateTime");
    EXPECT_EQ(clock_.calls.size(), 4u);
    EXPECT_FALSE(second.isVisible());
}

TEST_F(MainWindow, ClickOnTheDrawnSyncButtonSynchronisesAndEnablesItAgain) {
    daytime_.AlwaysReply(QByteArray::fromStdString(net::testing::NistReply(2024, 12, 7, 19, 58, 1)));
    WriteIni("127.0.0.1", "");
    frmTime& window = Window();
    window.Form_Load();
    bool disabledWhileRunning = false;
    onSleep_ = [&] { disabledWhileRunning = disabledWhileRunning || !window.cmdDateTime->Enabled(); };
    ClickButton(window, "cmdDateTime");
    EXPECT_EQ(clock_.calls, (std::vector<std::string>{"date 2024-12-08", "time 03:58:01"}));
    EXPECT_EQ(daytime_.Connections(), 2);
    EXPECT_TRUE(disabledWhileRunning);
    EXPECT_TRUE(window.cmdDateTime->Enabled());
    EXPECT_TRUE(window.findChild<QWidget*>("cmdDateTime")->isEnabled());
}

TEST_F(MainWindow, ARightClickOrAPressReleasedOutsideRunsNoCommand) {
    daytime_.AlwaysReply(QByteArray::fromStdString(net::testing::NistReply(2024, 12, 7, 19, 58, 1)));
    WriteIni("127.0.0.1", "");
    frmTime& window = Window();
    window.Form_Load();
    QWidget* button = window.findChild<QWidget*>("cmdDateTime");
    QTest::mouseClick(button, Qt::RightButton, Qt::NoModifier, button->rect().center());
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(button->width() + 20, -10));
    EXPECT_TRUE(clock_.calls.empty());
    EXPECT_EQ(daytime_.Connections(), 0);
}

TEST_F(MainWindow, HomePageOpensHttpAndThePartAfterTheFirstColon) {
    std::vector<QString> opened;
    frmTime& window =
        Window([&](AppEnvironment& e) { e.openUrl = [&](const QString& url) { opened.push_back(url); }; });
    ClickButton(window, "cmdHomePage");
    window.cmdHomePage->SetCaption(QStringLiteral("主页:time.example:8080/x"));
    window.cmdHomePage_Click();
    EXPECT_EQ(opened, (std::vector<QString>{"http://www.dunmora.example", "http://time.example:8080/x"}));
}

TEST_F(MainWindow, ClickOnTheOtherCommandIsIgnoredWhileOneRuns) {
    daytime_.Script({}, {net::testing::DaytimeBehaviour::Silent, {}});
    WriteIni("127.0.0.1", "");
    std::vector<QString> opened;
    frmTime& window = Window([&](AppEnvironment& e) {
        e.timing.maxSteps = 5;
        e.openUrl = [&](const QString& url) { opened.push_back(url); };
    });
    SetBoxText(*window.txtCeShi, "127.0.0.1");
    bool clicked = false;
    onSleep_ = [&] {
        if (clicked)
            return;
        clicked = true;
        // Delivered inside the wait, as a user's clicks would be.
        QTimer::singleShot(0, &window, [&] {
            EXPECT_FALSE(window.cmdCeShi->Enabled()); // visibly unavailable
            ClickButton(window, "cmdCeShi");
            window.cmdHomePage_Click();
        });
    };
    window.cmdDateTime_Click();
    EXPECT_FALSE(ResultLines(window).join('|').contains("0/0"));
    EXPECT_EQ(daytime_.Connections(), 1); // only the synchronisation's own query
    EXPECT_EQ(opened.size(), 1u);         // the home page stays usable
    EXPECT_TRUE(window.cmdCeShi->Enabled());
}

} // namespace
} // namespace app::testing

namespace app::testing {
namespace {

// The keyboard reaches the drawn buttons: the focused one shows it, Enter and
// Space press it, and after a command it started the focus is back on it.
TEST_F(MainWindow, TheFocusedDrawnButtonShowsItAndTakesEnterAndSpaceAgainAfterItsCommand) {
    daytime_.AlwaysReply(QByteArray::fromStdString(net::testing::NistReply(2024, 12, 7, 19, 58, 1)));
    WriteIni("127.0.0.1", "");
    frmTime& window = Window();
    window.Form_Load();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QWidget* button = window.findChild<QWidget*>("cmdDateTime");
    QWidget* drawn = button->focusProxy(); // the control's window, which holds the focus

    window.lstResult->setFocus(Qt::TabFocusReason);
    const QImage unfocused = button->grab().toImage();
    button->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), drawn);
    const QImage focused = button->grab().toImage();
    int changed = 0;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x)
            changed += focused.pixel(x, y) != unfocused.pixel(x, y);
    }
    EXPECT_GT(changed, 20) << "the focus and default look is drawn";

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter}) {
        const std::size_t before = clock_.calls.size();
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(clock_.calls.size(), before + 2) << "key " << key;
        EXPECT_EQ(QApplication::focusWidget(), drawn) << "after the command of key " << key;
    }

    // A focus the user moved elsewhere while the command ran stays there.
    onSleep_ = [&] {
        if (!button->isEnabled())
            window.txtCeShi->setFocus(Qt::MouseFocusReason);
    };
    QTest::keyClick(drawn, Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), window.txtCeShi);
}

} // namespace
} // namespace app::testing
