#include "app/IndicatorShape.h"
#include "app/mdlIniFile.h"
#include "app/tests/WindowFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QListWidget>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <numeric>

namespace app::testing {
namespace {

using net::testing::DaytimeBehaviour;
using net::testing::DaytimeStep;
using net::testing::HttpResponseBytes;

class Synchronise : public WindowFixture {
  protected:
    QByteArray Reply() const {
        return QByteArray::fromStdString(net::testing::NistReply(2024, 12, 7, 19, 58, 1));
    }
    QString ListUrl() const { return QString::fromStdString(http_.Url()); }
    const QStringList failureStart{QStringLiteral(" 正在获取标准日期和时间"),
                                   QStringLiteral(" 没有得到标准日期和时间"),
                                   QStringLiteral(" 更新时间服务器地址")};
};

TEST_F(Synchronise, FirstServerAnswersAndTheClockIsSetWithTheCorrection) {
    daytime_.AlwaysReply(Reply());
    WriteIni("127.0.0.1", "");
    const QByteArray iniBefore = ini_.Read();
    clock_.now = {2024, 12, 8, 3, 57, 1};
    frmTime& window = Window();
    window.cmdDateTime_Click();
    EXPECT_EQ(ResultLines(window), (QStringList{QStringLiteral(" 正在获取标准日期和时间"),
                                                QStringLiteral(" 修正日期和时间成功，相差60秒"),
                                                QStringLiteral(" 现在时间 2024-12-08 03:58:01")}));
    EXPECT_EQ(clock_.calls, (std::vector<std::string>{"date 2024-12-08", "time 03:58:01"}));
    EXPECT_EQ(ini_.Read(), iniBefore); // a working first server is not written back
    EXPECT_EQ(daytime_.Connections(), 2);
}

TEST_F(Synchronise, WithoutAnIniFileTheDefaultsAreUsedAndNoFileAppears) {
    daytime_.AlwaysReply(Reply());
    clock_.now = {2024, 12, 8, 3, 58, 1};
    frmTime& window = Window(); // default host 127.0.0.1 on the test server's port
    window.cmdDateTime_Click();
    EXPECT_EQ(ResultLines(window).value(1), QStringLiteral(" 修正日期和时间成功，相差0秒"));
    EXPECT_FALSE(ini_.Exists());
}

TEST_F(Synchronise, ZeroCorrectionSetsTheServersUtcTime) {
    daytime_.AlwaysReply(Reply());
    WriteIni("127.0.0.1", "", "0");
    Window().cmdDateTime_Click();
    EXPECT_EQ(clock_.calls, (std::vector<std::string>{"date 2024-12-07", "time 19:58:01"}));
}

TEST_F(Synchronise, FallbackListStopsAtTheFirstWorkingEntryAndRemembersIt) {
    // The configured host is refused, the list's second entry answers.
    daytime_.AlwaysReply(Reply());
    WriteIni("bad host", ListUrl());
    http_.Respond(HttpResponseBytes(200, "no such host!\r\n127.0.0.1\r\nnever.tried"));
    clock_.now = {2024, 12, 8, 3, 58, 1};
    frmTime& window = Window();
    window.cmdDateTime_Click();
    EXPECT_EQ(ResultLines(window),
              (failureStart + QStringList{" 1/3 no such host!", " 2/3 127.0.0.1",
                                          QStringLiteral(" 修正日期和时间成功，相差0秒"),
                                          QStringLiteral(" 现在时间 2024-12-08 03:58:01")}));
    EXPECT_EQ(mdlIniFile::ReadIniString("INTERNET", "TIME", "x"), "127.0.0.1");
    EXPECT_EQ(mdlIniFile::ReadIniString("INTERNET", "SERVLIEBIAO", "x"), ListUrl());
}

TEST_F(Synchronise, TrailingLineBreakAddsAnEmptyEntryThatIsTriedAndFails) {
    WriteIni("bad host", ListUrl());
    http_.Respond(HttpResponseBytes(200, "also bad\r\n"));
    frmTime& window = Window();
    window.cmdDateTime_Click();
    EXPECT_EQ(ResultLines(window),
              (failureStart +
               QStringList{" 1/2 also bad", " 2/2 ", QStringLiteral(" 修正日期和时间失败，请重试！")}));
    EXPECT_TRUE(clock_.calls.empty());
    EXPECT_EQ(mdlIniFile::ReadIniString("INTERNET", "TIME", "x"), "bad host");
}

TEST_F(Synchronise, ErrorPageLinesAreTriedAsHostNames) {
    WriteIni("bad host", ListUrl());
    http_.Respond(HttpResponseBytes(404, "<html>\r\n<h1>Not Found</h1>\r\n</html>"));
    frmTime& window = Window();
    window.cmdDateTime_Click();
    EXPECT_EQ(ResultLines(window),
              (failureStart + QStringList{" 1/3 <html>", " 2/3 <h1>Not Found</h1>", " 3/3 </html>",
                                          QStringLiteral(" 修正日期和时间失败，请重试！")}));
}

TEST_F(Synchronise, EmptyOrMissingListMeansNoEntryIsTried) {
    WriteIni("bad host", ListUrl());
    http_.Respond(HttpResponseBytes(200, ""));
    frmTime& window = Window();
    window.cmdDateTime_Click();
    const QStringList expected = failureStart + QStringList{QStringLiteral(" 修正日期和时间失败，请重试！")};
    EXPECT_EQ(ResultLines(window), expected);

    http_.NeverAnswer(); // ends at the shortened receive time-out
    window.cmdDateTime_Click();
    EXPECT_EQ(ResultLines(window), expected);
}

TEST_F(Synchronise, RefusedClockEndsWithTheFailureLineAndWritesNothing) {
    daytime_.AlwaysReply(Reply());
    WriteIni("127.0.0.1", ListUrl());
    http_.Respond(HttpResponseBytes(200, "127.0.0.1"));
    const QByteArray iniBefore = ini_.Read();
    clock_.refuseDate = clock_.refuseTime = true;
    frmTime& window = Window();
    window.cmdDateTime_Click();
    EXPECT_EQ(
        ResultLines(window),
        (failureStart + QStringList{" 1/1 127.0.0.1", QStringLiteral(" 修正日期和时间失败，请重试！")}));
    EXPECT_EQ(ini_.Read(), iniBefore);
}

TEST_F(Synchronise, BothButtonsAreDisabledAndIndicatorShownOnlyWhileRunning) {
    daytime_.AlwaysReply(Reply());
    WriteIni("127.0.0.1", "");
    frmTime& window = Window();
    int busySteps = 0;
    onSleep_ = [&] {
        busySteps += !window.cmdDateTime->Enabled() && !window.cmdCeShi->Enabled() &&
                     window.shpDateTime->isVisibleTo(&window);
    };
    window.cmdDateTime_Click();
    EXPECT_GT(busySteps, 0);
    EXPECT_EQ(busySteps, static_cast<int>(sleeps_.size()));
    EXPECT_TRUE(window.cmdDateTime->Enabled());
    EXPECT_TRUE(window.cmdCeShi->Enabled());
    EXPECT_FALSE(window.shpDateTime->isVisibleTo(&window));
}

// Counts the paint events of the watched widgets while a condition holds.
class PaintCounter final : public QObject {
  public:
    explicit PaintCounter(std::function<bool()> counting) : counting_(std::move(counting)) {}
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint && counting_();
        return false;
    }

  private:
    std::function<bool()> counting_;
};

// The two seconds before "close" are waited in short steps that keep painting,
// so the window shows the enabled button and the hidden indicator meanwhile.
TEST_F(Synchronise, CloseOnTheCommandLineKeepsPaintingForTwoSecondsThenEndsTheWindow) {
    daytime_.AlwaysReply(Reply());
    WriteIni("127.0.0.1", "");
    frmTime& window = Window([](AppEnvironment& e) { e.commandLine = "/CLOSE"; });
    window.show();
    bool started = false;
    int closeWaitSteps = 0;
    onSleep_ = [&] {
        started = true;
        if (window.cmdDateTime->Enabled()) { // the command has finished: the close wait
            ++closeWaitSteps;
            EXPECT_FALSE(window.shpDateTime->isVisibleTo(&window));
        }
    };
    // Paints of the finished state: the button enabled again, the indicator gone.
    PaintCounter counter([&] { return started && window.cmdDateTime->Enabled(); });
    window.installEventFilter(&counter); // the indicator's place is painted by the window
    window.findChild<QWidget*>("cmdDateTime")->installEventFilter(&counter);
    window.cmdDateTime_Click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_GT(counter.paints, 0);
    const std::vector<int> closeWait(sleeps_.end() - closeWaitSteps, sleeps_.end());
    EXPECT_EQ(std::accumulate(closeWait.begin(), closeWait.end(), 0), 2000);
    EXPECT_LE(*std::max_element(closeWait.begin(), closeWait.end()), 100);
}

TEST_F(Synchronise, ClosingTheWindowDuringTheCloseWaitEndsItAtOnce) {
    daytime_.AlwaysReply(Reply());
    WriteIni("127.0.0.1", "");
    frmTime& window = Window([](AppEnvironment& e) { e.commandLine = "close"; });
    window.show();
    int closeWaitSteps = 0;
    onSleep_ = [&] {
        if (window.cmdDateTime->Enabled() && closeWaitSteps++ == 0)
            QTimer::singleShot(0, &window, [&] { window.close(); });
    };
    RunInEventLoop([&] { window.cmdDateTime_Click(); });
    EXPECT_EQ(closeWaitSteps, 1); // no step of the wait after the close
    EXPECT_LE(sleeps_.back(), 100);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.ExitStatus(), 0); // the clock was set before the close
}

// Closing the window cancels the synchronisation: nothing more is sent, the
// clock stays, nothing is written or reported, and the command returns within
// the step in which the close arrived.
TEST_F(Synchronise, ClosingTheWindowDuringAQueryCancelsEverythingAfterIt) {
    daytime_.Script({}, {DaytimeBehaviour::Silent, {}});
    WriteIni("127.0.0.1", ListUrl());
    http_.Respond(HttpResponseBytes(200, "127.0.0.1"));
    const QByteArray iniBefore = ini_.Read();
    frmTime& window = Window([](AppEnvironment& e) { e.commandLine = "auto close"; });
    window.show();
    std::size_t sleepsAtClose = 0;
    onSleep_ = [&] {
        if (sleeps_.size() == 3)
            QTimer::singleShot(0, &window, [&] {
                sleepsAtClose = sleeps_.size();
                window.close();
            });
    };
    RunInEventLoop([&] { window.cmdDateTime_Click(); });
    EXPECT_EQ(sleeps_.size(), sleepsAtClose); // no further wait step, no close wait
    EXPECT_EQ(daytime_.Connections(), 1);
    EXPECT_TRUE(http_.RequestLines().isEmpty());
    EXPECT_TRUE(clock_.calls.empty());
    EXPECT_EQ(ini_.Read(), iniBefore);
    EXPECT_EQ(ResultLines(window), QStringList{QStringLiteral(" 正在获取标准日期和时间")});
    EXPECT_EQ(window.ExitStatus(), 1);
}

TEST_F(Synchronise, ClosingTheWindowDuringTheListDownloadEndsItBeforeItsTimeOut) {
    WriteIni("bad host", ListUrl());
    http_.NeverAnswer();
    frmTime& window = Window([](AppEnvironment& e) { e.httpTimeouts.receiveMs = 60000; });
    window.show();
    // Timers run only in the download's event loop once the fallback has begun.
    QTimer closeInDownload;
    QObject::connect(&closeInDownload, &QTimer::timeout, &window, [&] {
        if (window.lstResult->count() == failureStart.size() && window.isVisible())
            window.close();
    });
    closeInDownload.start(50);
    QElapsedTimer elapsed;
    elapsed.start();
    RunInEventLoop([&] { window.cmdDateTime_Click(); });
    EXPECT_LT(elapsed.elapsed(), 30000); // far from the one-minute time-out
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ResultLines(window), failureStart);
    EXPECT_TRUE(clock_.calls.empty());
}

// With "close", every result line is also written for standard output, and
// the exit status tells whether the clock was set.
TEST_F(Synchronise, CloseGivesTheOutcomeAsExitStatusAndTheLinesAsOutput) {
    struct Case {
        const char* commandLine;
        bool refuseClock;
        int exitStatus;
    };
    for (const Case& c : {Case{"close", false, 0}, Case{"close", true, 1}, Case{"", true, 0}}) {
        daytime_.AlwaysReply(Reply());
        WriteIni("127.0.0.1", "");
        clock_.refuseDate = clock_.refuseTime = c.refuseClock;
        output_.clear();
        frmTime& window = Window([&](AppEnvironment& e) { e.commandLine = c.commandLine; });
        window.cmdDateTime_Click();
        EXPECT_EQ(window.ExitStatus(), c.exitStatus) << c.commandLine << c.refuseClock;
        QStringList expected;
        if (!QByteArray(c.commandLine).isEmpty())
            for (const QString& line : ResultLines(window))
                expected << line.mid(1) + "\n"; // without the list's leading space
        EXPECT_EQ(output_, expected) << c.commandLine << c.refuseClock;
    }
}

TEST_F(Synchronise, UnreadableIniIsReportedOnceBeforeTheUsualLines) {
    ASSERT_TRUE(QDir().mkdir(ini_.Path())); // unreadable even for root
    daytime_.AlwaysReply(Reply());
    clock_.now = {2024, 12, 8, 3, 58, 1};
    frmTime& window = Window(); // the defaults: 127.0.0.1 on the test server's port
    window.cmdDateTime_Click();
    EXPECT_EQ(ResultLines(window),
              (QStringList{QStringLiteral(" 无法读取配置文件，使用默认设置：") + ini_.Path(),
                           QStringLiteral(" 正在获取标准日期和时间"),
                           QStringLiteral(" 修正日期和时间成功，相差0秒"),
                           QStringLiteral(" 现在时间 2024-12-08 03:58:01")}));
}

TEST_F(Synchronise, ThousandsOfListLinesAreTriedOneByOne) {
    WriteIni("bad host", ListUrl());
    QByteArray list;
    for (int i = 0; i < 2000; ++i)
        list += "bad entry " + QByteArray::number(i) + "\r\n";
    list += "127.0.0.1";
    daytime_.AlwaysReply(Reply());
    http_.Respond(HttpResponseBytes(200, list));
    frmTime& window = Window([](AppEnvironment& e) {
        e.timing.maxSteps = 3;
        e.timing.stepMs = 0;
    });
    window.cmdDateTime_Click();
    const QStringList lines = ResultLines(window);
    EXPECT_LE(lines.size(), 301); // the list box empties itself, it never holds them all
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.at(lines.size() - 3), " 2001/2001 127.0.0.1");
    EXPECT_EQ(mdlIniFile::ReadIniString("INTERNET", "TIME", "x"), "127.0.0.1");
}

} // namespace
} // namespace app::testing
