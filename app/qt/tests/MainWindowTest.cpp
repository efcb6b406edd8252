// The Qt host: its widgets where the window was drawn, its drawn buttons and
// keyboard, and the real socket and HTTP client against loopback servers.
#include "app/qt/IndicatorShape.h"
#include "app/qt/tests/QtWindowFixture.h"
#include "ztbuttons/ZtButton.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

namespace app::testing {
namespace {

using MainWindow = QtWindowFixture;
using qt::QtMainWindow;

TEST_F(MainWindow, ControlsSitWhereTheWindowWasDrawn) {
    QtMainWindow& window = Window();
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
    EXPECT_EQ(window.cmdDateTime->caption(), QStringLiteral("获取标准时间"));
    EXPECT_EQ(window.cmdCeShi->caption(), QStringLiteral("测试上面的地址，有效的放下面"));
    EXPECT_EQ(window.chkCeshi->text(), QStringLiteral("显示时间"));
    EXPECT_FALSE(window.chkCeshi->isChecked());
    EXPECT_EQ(window.lstResult->palette().color(QPalette::Base), QColor(64, 64, 64));
    EXPECT_EQ(window.lstResult->palette().color(QPalette::Text), QColor(255, 255, 255));
    EXPECT_DOUBLE_EQ(window.lstResult->font().pointSizeF(), 10.5);
    EXPECT_EQ(window.lstResult->font().families().value(0), QStringLiteral("宋体"));
}

TEST_F(MainWindow, StartUpSetsTitleAndDisplayNameAndFocusesTheSyncButton) {
    QtMainWindow& window = Window([](AppEnvironment& e) { e.programName = "MyClock"; });
    window.Form().Form_Load();
    EXPECT_EQ(window.windowTitle(), "MyClock 1.0.5");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "MyClock 1.0.5");
    EXPECT_TRUE(window.isVisible());
    QWidget* first = window.findChild<QWidget*>("cmdDateTime");
    QWidget* focus = window.focusWidget() ? window.focusWidget() : window.nextInFocusChain();
    EXPECT_TRUE(focus == first || focus == first->focusProxy()); // the button's drawn window holds it
    EXPECT_TRUE(clock_.calls.empty());
}

TEST_F(MainWindow, AutoInAnyCaseSynchronisesAtStartAndTheWindowStays) {
    daytime_.AlwaysReply(net::testing::NistReply(2024, 12, 7, 19, 58, 1));
    WriteIni("127.0.0.1", "");
    QtMainWindow& window = Window([](AppEnvironment& e) { e.commandLine = "/AUTO"; });
    window.Form().Form_Load();
    EXPECT_EQ(clock_.calls.size(), 2u);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindow, CloseWithoutAutoWaitsForTheFirstClick) {
    daytime_.AlwaysReply(net::testing::NistReply(2024, 12, 7, 19, 58, 1));
    WriteIni("127.0.0.1", "");
    QtMainWindow& window = Window([](AppEnvironment& e) { e.commandLine = "autoclose"; });
    window.Form().Form_Load(); // "autoclose" holds both words
    EXPECT_FALSE(window.isVisible());

    QtMainWindow& second = Window([](AppEnvironment& e) { e.commandLine = "close"; });
    second.Form().Form_Load();
    EXPECT_TRUE(second.isVisible());
    EXPECT_EQ(clock_.calls.size(), 2u);
    ClickChild("cmdDateTime");
    EXPECT_EQ(clock_.calls.size(), 4u);
    EXPECT_FALSE(second.isVisible());
}

TEST_F(MainWindow, ClickOnTheDrawnSyncButtonSynchronisesAndEnablesItAgain) {
    daytime_.AlwaysReply(net::testing::NistReply(2024, 12, 7, 19, 58, 1));
    WriteIni("127.0.0.1", "");
    QtMainWindow& window = Window();
    window.Form().Form_Load();
    bool disabledWhileRunning = false;
    onSleep_ = [&] { disabledWhileRunning = disabledWhileRunning || !window.cmdDateTime->isEnabled(); };
    ClickChild("cmdDateTime");
    EXPECT_EQ(clock_.calls, (std::vector<std::string>{"date 2024-12-08", "time 03:58:01"}));
    EXPECT_EQ(daytime_.Connections(), 2);
    EXPECT_TRUE(disabledWhileRunning);
    EXPECT_TRUE(window.cmdDateTime->isEnabled());
}

TEST_F(MainWindow, ARightClickOrAPressReleasedOutsideRunsNoCommand) {
    daytime_.AlwaysReply(net::testing::NistReply(2024, 12, 7, 19, 58, 1));
    WriteIni("127.0.0.1", "");
    QtMainWindow& window = Window();
    window.Form().Form_Load();
    QWidget* button = window.findChild<QWidget*>("cmdDateTime");
    QTest::mouseClick(button, Qt::RightButton, Qt::NoModifier, button->rect().center());
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(button->width() + 20, -10));
    EXPECT_TRUE(clock_.calls.empty());
    EXPECT_EQ(daytime_.Connections(), 0);
}

TEST_F(MainWindow, HomePageOpensHttpAndThePartAfterTheFirstColon) {
    QtMainWindow& window = Window();
    ClickChild("cmdHomePage");
    window.cmdHomePage->setCaption(QStringLiteral("主页:time.example:8080/x"));
    ClickChild("cmdHomePage");
    EXPECT_EQ(opened_, (std::vector<std::string>{"http://www.dunmora.example", "http://time.example:8080/x"}));
}

TEST_F(MainWindow, ClickOnTheOtherCommandIsIgnoredWhileOneRuns) {
    daytime_.Script({}, {net::testing::DaytimeBehaviour::Silent, {}});
    WriteIni("127.0.0.1", "");
    QtMainWindow& window = Window([&](AppEnvironment& e) { e.timing.maxSteps = 5; });
    window.txtCeShi->setPlainText("127.0.0.1");
    bool clicked = false;
    onSleep_ = [&] {
        if (clicked)
            return;
        clicked = true;
        // Delivered inside the wait, as a user's clicks would be.
        QTimer::singleShot(0, &window, [&] {
            EXPECT_FALSE(window.cmdCeShi->isEnabled()); // visibly unavailable
            ClickChild("cmdCeShi");
            ClickChild("cmdHomePage");
        });
    };
    window.Form().cmdDateTime_Click();
    EXPECT_FALSE(ResultLines().join('|').contains("0/0"));
    EXPECT_EQ(daytime_.Connections(), 1); // only the synchronisation's own query
    EXPECT_EQ(opened_.size(), 1u);        // the home page stays usable
    EXPECT_TRUE(window.cmdCeShi->isEnabled());
}

} // namespace
} // namespace app::testing

namespace app::testing {
namespace {

// The keyboard reaches the drawn buttons: the focused one shows it, Enter and
// Space press it, and after a command it started the focus is back on it.
TEST_F(MainWindow, TheFocusedDrawnButtonShowsItAndTakesEnterAndSpaceAgainAfterItsCommand) {
    daytime_.AlwaysReply(net::testing::NistReply(2024, 12, 7, 19, 58, 1));
    WriteIni("127.0.0.1", "");
    QtMainWindow& window = Window();
    window.Form().Form_Load();
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

namespace app::testing {
namespace {

using qt::QtMainWindow;
using Host = QtWindowFixture;

// Long result lines: the window can be widened, and the list, the boxes and
// the buttons' row follow; it opens at the stored size.
TEST_F(Host, WideningTheWindowWidensTheListAndMovesTheRightButtons) {
    QtMainWindow& window = Window();
    window.Form().Form_Load();
    EXPECT_EQ(window.size(), QSize(279, 135));
    window.resize(479, 135);
    EXPECT_EQ(window.width(), 479);
    EXPECT_EQ(window.lstResult->geometry(), QRect(2, 4, 475, 103));
    EXPECT_EQ(window.cmdDateTime->geometry(), QRect(370, 112, 105, 21));
    EXPECT_EQ(window.cmdHomePage->geometry(), QRect(2, 110, 139, 23));
    EXPECT_EQ(window.txtYouXiao->geometry(), QRect(2, 316, 475, 89));
}

// Tabbing into a control below the visible part grows the window to show it.
TEST_F(Host, FocusOnAControlBelowTheVisiblePartGrowsTheWindowDownwards) {
    QtMainWindow& window = Window();
    window.Form().Form_Load();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    struct Row {
        QWidget* control;
        int height;
    };
    for (const Row& row : {Row{window.lstResult, 135}, Row{window.txtCeShi, 291}, Row{window.txtYouXiao, 407},
                           Row{window.lstResult, 407}}) {
        row.control->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(window.height(), row.height) << row.control->objectName().toStdString();
    }
}

// The check box is enabled and reads like one: its caption drawn sharp in the
// text colour, not smoothed into greys that look disabled.
TEST_F(Host, ShowTimeCheckBoxCaptionIsSharpInTheTextColour) {
    QtMainWindow& window = Window();
    window.Form().Form_Load();
    EXPECT_TRUE(window.chkCeshi->isEnabled());
    const QImage image = window.chkCeshi->grab().toImage();
    const QRgb text = window.chkCeshi->palette().color(QPalette::Active, QPalette::WindowText).rgb();
    const QRgb background = image.pixel(image.width() - 1, 0);
    int inText = 0;
    int between = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 20; x < image.width(); ++x) { // the caption, right of the box
            const QRgb pixel = image.pixel(x, y) & 0xFFFFFFu;
            inText += pixel == (text & 0xFFFFFFu);
            between += pixel != (text & 0xFFFFFFu) && pixel != (background & 0xFFFFFFu);
        }
    EXPECT_GT(inText, 40);
    EXPECT_EQ(between, 0);
}

TEST_F(Host, ListAndBoxesHaveNamesForScreenReaders) {
    QtMainWindow& window = Window();
    EXPECT_EQ(window.lstResult->accessibleName(), QStringLiteral("结果列表"));
    EXPECT_EQ(window.txtCeShi->accessibleName(), QStringLiteral("要测试的服务器地址"));
    EXPECT_EQ(window.txtYouXiao->accessibleName(), QStringLiteral("有效的服务器地址"));
}

// A download waits in an event loop of its own; the window's close ends it
// at once instead of at its one-minute time-out.
TEST_F(Host, ClosingTheWindowDuringTheListDownloadEndsItBeforeItsTimeOut) {
    WriteIni("bad host", http_.Url());
    http_.NeverAnswer();
    QtMainWindow& window = Window([](AppEnvironment& e) { e.httpTimeouts.receiveMs = 60000; });
    window.show();
    QTimer closeInDownload;
    QObject::connect(&closeInDownload, &QTimer::timeout, &window, [&] {
        if (window.lstResult->count() == 3 && window.isVisible())
            window.close();
    });
    closeInDownload.start(50);
    QElapsedTimer elapsed;
    elapsed.start();
    RunInEventLoop([&] { window.Form().cmdDateTime_Click(); });
    EXPECT_LT(elapsed.elapsed(), 30000);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ResultLines().size(), 3);
    EXPECT_TRUE(clock_.calls.empty());
}

} // namespace
} // namespace app::testing
