// Runs the real program with "auto close" beside an INI file that points at a
// daytime server of this test. It never sets this machine's clock: the program
// runs without the cap_sys_time capability, preloads a library that takes the
// clock calls in place of the kernel, and its system bus is the test's own.
#include "platform/clock/testing/PrivateBus.h"
#include "platform/net/testing/LoopbackServers.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace {

using net::testing::HttpResponseBytes;
using net::testing::LoopbackDaytimeServer;
using net::testing::LoopbackHttpServer;

constexpr int kCapSetPcap = 8;
constexpr int kCapSysTime = 25;

// The effective capabilities of this test process.
quint64 EffectiveCapabilities() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("CapEff:"))
            return line.mid(7).trimmed().toULongLong(nullptr, 16);
    return 0;
}

bool Has(quint64 capabilities, int bit) {
    return (capabilities >> bit) & 1U;
}

using net::testing::PlainDaytimeReply;

struct RunResult {
    bool finished = false;
    int exitCode = -1;
    qint64 endMonotonicMs = 0;
    QByteArray output;
    QByteArray errors;
};

class EndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        const quint64 caps = EffectiveCapabilities();
        if (!Has(caps, kCapSetPcap) && Has(caps, kCapSysTime))
            GTEST_SKIP() << "cannot drop cap_sys_time here, so the program is not run";
        useCapsh_ = Has(caps, kCapSetPcap);
        // A renamed copy: title and INI file follow the program's name.
        program_ = folder_.filePath("MyClock");
        ASSERT_TRUE(QFile::copy(DUNMORA_BINARY, program_));
        ini_ = folder_.filePath("MyClock.ini");
    }

    void WriteIni(const QByteArray& text) {
        QFile file(ini_);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QByteArray ReadIni() const {
        QFile file(ini_);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Starts the program without cap_sys_time and serves the test's servers
    // until it ends. Its system bus is busAddress, by default one where
    // nothing listens: the machine's real bus is never reached.
    RunResult Run(const QStringList& preload, std::uint16_t daytimePort,
                  const std::string& busAddress = sysclock::testing::MissingBusAddress(),
                  bool refuseClock = false, const QStringList& words = {"auto", "close"},
                  bool withDisplay = true) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SYSTEM_BUS_ADDRESS", QString::fromStdString(busAddress));
        if (refuseClock)
            environment.insert("DUNMORA_FAKE_CLOCK_REFUSE", "1");
        if (withDisplay) {
            environment.insert("QT_QPA_PLATFORM", "offscreen");
        } else { // as from a timer, a start-up script or ssh
            for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                environment.remove(name);
        }
        environment.insert("TZ", "UTC");
        environment.insert("LD_PRELOAD", preload.join(':'));
        environment.insert("DUNMORA_DAYTIME_PORT", QString::number(daytimePort));
        environment.insert("DUNMORA_FAKE_CLOCK_LOG", folder_.filePath("clock.log"));
        // The preloaded libraries come before the sanitizer runtime.
        environment.insert("ASAN_OPTIONS", "detect_leaks=0:verify_asan_link_order=0");

        QProcess process;
        process.setProcessEnvironment(environment);
        const QString guard = "if capsh --has-p=cap_sys_time 2>/dev/null; then echo 'cap_sys_time kept' >&2; "
                              "exit 97; fi; exec \"$0\" \"$@\"";
        if (useCapsh_)
            process.start("capsh", QStringList{"--drop=cap_sys_time", "--", "-c", guard, program_} + words);
        else
            process.start("sh", QStringList{"-c", guard, program_} + words);

        RunResult result;
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, [&] {
            QElapsedTimer now;
            now.start();
            result.endMonotonicMs = now.msecsSinceReference();
            result.finished = true;
            loop.quit();
        });
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        if (process.state() != QProcess::NotRunning || !process.waitForStarted(1000))
            loop.exec();
        if (!result.finished) {
            process.kill();
            process.waitForFinished(5000);
        }
        result.exitCode = process.exitCode();
        result.output = process.readAllStandardOutput();
        result.errors = process.readAllStandardError();
        return result;
    }

    // The clock calls the preloaded library took: seconds, nanoseconds, monotonic ms.
    std::vector<std::array<qint64, 3>> ClockCalls() const { return LoggedCalls("clock.log", "clock_settime"); }

    // The SetTime calls the fake time service took: microseconds, relative, interactive.
    std::vector<std::array<qint64, 3>> SetTimeCalls() const { return LoggedCalls("timedate.log", "SetTime"); }

    // The lines "<name> a b c" of a log in the test's folder, as numbers.
    std::vector<std::array<qint64, 3>> LoggedCalls(const char* file, const QByteArray& name) const {
        std::vector<std::array<qint64, 3>> calls;
        QFile log(folder_.filePath(file));
        if (!log.open(QIODevice::ReadOnly))
            return calls;
        for (const QByteArray& line : log.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() == 4 && fields[0] == name)
                calls.push_back({fields[1].toLongLong(), fields[2].toLongLong(), fields[3].toLongLong()});
        }
        return calls;
    }

    QTemporaryDir folder_;
    QString program_;
    QString ini_;
    bool useCapsh_ = false;
};

TEST_F(EndToEnd, AutoCloseSetsServerTimePlusCorrectionDateFirstAndEndsTwoSecondsLater) {
    LoopbackDaytimeServer daytime;
    daytime.AlwaysReply(net::testing::NistReply(2030, 6, 15, 10, 20, 30));
    const QByteArray ini = "[INTERNET]\nTIME=127.0.0.1\nSERVLIEBIAO=http://127.0.0.1:" +
                           QByteArray::number(net::testing::ClosedLoopbackPort()) +
                           "/list\nXIUZHENXIAOSHI=8\n";
    WriteIni(ini);

    const RunResult run = Run({DUNMORA_FAKE_CLOCK, DUNMORA_DAYTIME_REDIRECT}, daytime.Port());
    ASSERT_TRUE(run.finished) << run.errors.constData();
    EXPECT_EQ(run.exitCode, 0) << run.errors.constData();
    EXPECT_EQ(daytime.Connections(), 2);

    const auto calls = ClockCalls();
    ASSERT_EQ(calls.size(), 2u) << run.errors.constData();
    const qint64 target = QDateTime(QDate(2030, 6, 15), QTime(18, 20, 30), Qt::UTC).toSecsSinceEpoch();
    EXPECT_EQ(calls[0][0] / 86400, target / 86400); // the date step: the day, today's time of day
    EXPECT_EQ(calls[1][0], target);                 // the time step completes it, to the second
    EXPECT_EQ(calls[1][1], 0);
    const qint64 afterSync = run.endMonotonicMs - calls[1][2];
    EXPECT_GE(afterSync, 2000);
    EXPECT_LT(afterSync, 4500);
    EXPECT_EQ(ReadIni(), ini); // the first server worked: nothing written back
    // "close" also writes the result lines, one per line, for a log.
    const QList<QByteArray> lines = run.output.split('\n');
    ASSERT_EQ(lines.size(), 4) << run.output.constData();
    EXPECT_EQ(lines[0], "正在获取标准日期和时间");
    EXPECT_TRUE(lines[1].startsWith("修正日期和时间成功，相差")) << lines[1].constData();
    EXPECT_EQ(lines[2], "现在时间 2030-06-15 18:20:30"); // the preloaded clock now reads the set time
    EXPECT_EQ(lines[3], "");
}

TEST_F(EndToEnd, WithoutTheRightToSetTheClockNothingIsWrittenAndTheProgramEnds) {
    // The present UTC time with no correction, so even a clock that were set
    // would not move. The kernel refuses anyway: the capability is dropped.
    const QDateTime now = QDateTime::currentDateTimeUtc();
    LoopbackDaytimeServer daytime;
    daytime.AlwaysReply(PlainDaytimeReply(now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
                                   now.time().minute(), now.time().second()));
    LoopbackHttpServer http;
    http.Respond(HttpResponseBytes(200, "127.0.0.1"));
    const QByteArray ini =
        "[INTERNET]\nTIME=127.0.0.1\nSERVLIEBIAO=" + QByteArray::fromStdString(http.Url()) +
        "\nXIUZHENXIAOSHI=0\n";
    WriteIni(ini);

    const RunResult run = Run({DUNMORA_DAYTIME_REDIRECT}, daytime.Port());
    ASSERT_TRUE(run.finished) << run.errors.constData();
    EXPECT_EQ(run.exitCode, 1) << run.errors.constData(); // the clock was not set
    EXPECT_TRUE(run.output.endsWith("修正日期和时间失败，请重试！\n")) << run.output.constData();
    // Both the configured server and the list's entry answered twice and failed
    // only at the clock, so the list was fetched and its entry not remembered.
    EXPECT_EQ(daytime.Connections(), 4);
    EXPECT_EQ(http.RequestLines().size(), 1);
    EXPECT_EQ(ReadIni(), ini);
    EXPECT_TRUE(ClockCalls().empty());
}

// Where no display can be opened, "close" runs without a window and reports
// on standard output; without "close" the program says why it cannot start.
TEST_F(EndToEnd, WithoutADisplayOnlyAnUnattendedRunGoesOn) {
    LoopbackDaytimeServer daytime;
    daytime.AlwaysReply(net::testing::NistReply(2030, 6, 15, 10, 20, 30));
    WriteIni("[INTERNET]\nTIME=127.0.0.1\n"); // the default correction, in a UTC zone
    const QStringList preload{DUNMORA_FAKE_CLOCK, DUNMORA_DAYTIME_REDIRECT};
    const std::string noBus = sysclock::testing::MissingBusAddress();

    const RunResult unattended = Run(preload, daytime.Port(), noBus, false, {"auto", "close"}, false);
    ASSERT_TRUE(unattended.finished);
    EXPECT_EQ(unattended.exitCode, 0) << unattended.errors.constData();
    EXPECT_TRUE(unattended.output.startsWith("正在获取标准日期和时间\n"
                                             "没有设置 XIUZHENXIAOSHI，按默认加 8 小时；本机时区为 UTC+0\n"
                                             "修正日期和时间成功"))
        << unattended.output.constData();
    EXPECT_EQ(ClockCalls().size(), 2u);

    const RunResult windowed = Run(preload, daytime.Port(), noBus, false, {"auto"}, false);
    ASSERT_TRUE(windowed.finished);
    EXPECT_EQ(windowed.exitCode, 2);
    EXPECT_EQ(windowed.errors, "MyClock：没有可以打开窗口的显示器（无人值守时请在命令行加上 close）\n");
    EXPECT_TRUE(windowed.output.isEmpty());
    EXPECT_EQ(daytime.Connections(), 2); // the windowed run asked nothing
}

// "--help" and "--version" answer without reaching any window system: with no
// display to connect to, creating the application object would abort.
TEST(EndToEndInformation, HelpAndVersionPrintWithoutOpeningAWindow) {
    QTemporaryDir folder;
    const QString program = folder.filePath("MyClock");
    ASSERT_TRUE(QFile::copy(DUNMORA_BINARY, program));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    struct Case {
        QStringList arguments;
        QByteArray expectedStart;
    };
    for (const Case& c : {Case{{"--version"}, "MyClock 1.0.5\n"}, Case{{"auto", "--help", "close"}, "用法：MyClock"},
                          Case{{"-h"}, "用法：MyClock"}}) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, c.arguments);
        ASSERT_TRUE(process.waitForFinished(10000)) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
        const QByteArray output = process.readAllStandardOutput();
        EXPECT_TRUE(output.startsWith(c.expectedStart)) << output.constData();
        if (c.arguments.contains("-h")) { // the help names the file beside the program
            EXPECT_TRUE(output.contains("配置文件：" + folder.filePath("MyClock.ini").toUtf8())) << output.constData();
        }
    }
}

TEST_F(EndToEnd, WithoutTheRightTheTimeServiceSetsTheDateThenTheTimeOfDay) {
    sysclock::testing::PrivateBus bus;
    ASSERT_FALSE(bus.Address().empty()) << "dbus-daemon did not start";
    QProcess service;
    service.start(DUNMORA_FAKE_TIMEDATED,
                  {QString::fromStdString(bus.Address()), "accept", folder_.filePath("timedate.log")});
    ASSERT_TRUE(service.waitForReadyRead(10000));
    ASSERT_EQ(service.readLine().trimmed(), "ready");

    LoopbackDaytimeServer daytime;
    daytime.AlwaysReply(PlainDaytimeReply(2030, 6, 15, 10, 20, 30));
    const QByteArray ini = "[INTERNET]\nTIME=127.0.0.1\nSERVLIEBIAO=http://127.0.0.1:" +
                           QByteArray::number(net::testing::ClosedLoopbackPort()) +
                           "/list\nXIUZHENXIAOSHI=8\n";
    WriteIni(ini);

    const RunResult run =
        Run({DUNMORA_FAKE_CLOCK, DUNMORA_DAYTIME_REDIRECT}, daytime.Port(), bus.Address(), true);
    service.kill();
    service.waitForFinished(3000);
    ASSERT_TRUE(run.finished) << run.errors.constData();
    EXPECT_EQ(run.exitCode, 0) << run.errors.constData();
    EXPECT_TRUE(ClockCalls().empty()); // the kernel refused; nothing moved the clock

    // The fake service accepts without moving the clock, so each step is seen
    // against the unchanged present time (the test runs in UTC).
    const auto calls = SetTimeCalls();
    ASSERT_EQ(calls.size(), 2u) << run.errors.constData();
    const qint64 target = QDateTime(QDate(2030, 6, 15), QTime(18, 20, 30), Qt::UTC).toSecsSinceEpoch();
    constexpr qint64 kDayUs = 86400LL * 1000000;
    EXPECT_EQ(calls[0][0] / kDayUs, target / 86400); // date step: the server's day...
    const qint64 nowOfDay = QDateTime::currentSecsSinceEpoch() % 86400;
    EXPECT_NEAR(calls[0][0] % kDayUs / 1000000, nowOfDay, 60); // ...at the present time of day
    EXPECT_EQ(calls[1][0] % kDayUs, target % 86400 * 1000000); // time step: to the whole second
    for (const auto& call : calls) {
        EXPECT_EQ(call[1], 0); // absolute
        EXPECT_EQ(call[2], 1); // interactive: polkit may ask for a password
    }
    EXPECT_EQ(ReadIni(), ini);
}

} // namespace
