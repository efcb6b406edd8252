#include "app/TextLines.h"
#include "app/mdlIniFile.h"
#include "app/tests/WindowFixture.h"

#include <algorithm>
#include <filesystem>
#include <numeric>

namespace app::testing {
namespace {

class Synchronise : public WindowFixture {
  protected:
    std::string Reply() const { return NistReply(2024, 12, 7, 19, 58, 1); }
    const Lines failureStart{" 正在获取标准日期和时间", " 没有得到标准日期和时间", " 更新时间服务器地址"};
    static Lines Joined(Lines first, const Lines& second) {
        first.insert(first.end(), second.begin(), second.end());
        return first;
    }
};

TEST_F(Synchronise, FirstServerAnswersAndTheClockIsSetWithTheCorrection) {
    WriteIni("127.0.0.1", "");
    const std::string iniBefore = ini_.Read();
    clock_.now = {2024, 12, 8, 3, 57, 1};
    TestHost& host = Window();
    host.daytime.AlwaysReply(Reply());
    host.Form().cmdDateTime_Click();
    EXPECT_EQ(host.lstResult.lines,
              (Lines{" 正在获取标准日期和时间", " 修正日期和时间成功，相差60秒", " 现在时间 2024-12-08 03:58:01"}));
    EXPECT_EQ(clock_.calls, (Lines{"date 2024-12-08", "time 03:58:01"}));
    EXPECT_EQ(ini_.Read(), iniBefore); // a working first server is not written back
    EXPECT_EQ(host.daytime.Connections(), 2);
}

TEST_F(Synchronise, WithoutAnIniFileTheDefaultsAreUsedAndNoFileAppears) {
    clock_.now = {2024, 12, 8, 3, 58, 1};
    TestHost& host = Window(); // default host: the fake server
    host.daytime.AlwaysReply(Reply());
    host.Form().cmdDateTime_Click();
    EXPECT_EQ(host.lstResult.lines.at(1), " 修正日期和时间成功，相差0秒");
    EXPECT_FALSE(ini_.Exists());
}

TEST_F(Synchronise, ZeroCorrectionSetsTheServersUtcTime) {
    WriteIni("127.0.0.1", "", "0");
    TestHost& host = Window();
    host.daytime.AlwaysReply(Reply());
    host.Form().cmdDateTime_Click();
    EXPECT_EQ(clock_.calls, (Lines{"date 2024-12-07", "time 19:58:01"}));
}

// The forms of other daytime servers that state UTC without doubt are read
// like NIST's; any other reply sets nothing and is shown, cut to 40 characters.
TEST_F(Synchronise, RepliesInOtherUtcFormsSetTheClockAndOtherFormsAreShown) {
    struct Case {
        std::string reply;
        const char* setTime; // nullptr: not set
    };
    const Case cases[] = {
        {"08 DEC 2026 07:51:32 UTC\r\n", "time 15:51:32"},
        {"8 Dec 2026 07:51:32 GMT\n", "time 15:51:32"},
        {"2026-12-08T07:51:32Z", "time 15:51:32"},
        {"2026-12-08 07:51:32.250 UTC\r\n", "time 15:51:32"},
        {"Tue Dec  8 07:51:32 2026\r\n", nullptr},               // ctime: the server's local time
        {"2026-12-08 07:51:32\r\n", nullptr},                    // no zone
        {"31 FEB 2026 07:51:32 UTC", nullptr},                   // no such day
        {"2026-12-08T07:51:32.Z", nullptr},                      // a fraction without digits
        {"08 DEC 2026 07:51:32 CET", nullptr},                   // another zone
        {"\x01" "bad\tline " + std::string(60, 'x'), nullptr},  // control characters and a long tail
    };
    WriteIni("127.0.0.1", "");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        clock_.calls.clear();
        TestHost& host = Window();
        host.daytime.AlwaysReply(c.reply);
        host.Form().cmdDateTime_Click();
        if (c.setTime) {
            EXPECT_EQ(clock_.calls, (Lines{"date 2026-12-08", c.setTime}));
            EXPECT_EQ(host.lstResult.lines.at(1).rfind(" 修正日期和时间成功", 0), 0u);
        } else {
            EXPECT_TRUE(clock_.calls.empty());
            EXPECT_EQ(host.lstResult.lines.at(1), " 服务器回答的格式无法使用：" + ReplyExcerpt(c.reply));
            EXPECT_EQ(host.lstResult.lines.at(2), " 没有得到标准日期和时间");
        }
    }
    EXPECT_EQ(ReplyExcerpt("\x01" "bad\tline " + std::string(60, 'x')), " bad line " + std::string(30, 'x'));
    EXPECT_EQ(ReplyExcerpt("\r\n  Tue Dec  8 07:51:32 2026\r\n"), "Tue Dec  8 07:51:32 2026");
}

TEST_F(Synchronise, FallbackListStopsAtTheFirstWorkingEntryAndRemembersIt) {
    // The configured host is refused, the list's second entry answers.
    WriteIni("bad host", FakeHttp::kListUrl);
    clock_.now = {2024, 12, 8, 3, 58, 1};
    TestHost& host = Window();
    host.daytime.AlwaysReply(Reply());
    host.http.Respond(200, "no such host!\r\n127.0.0.1\r\nnever.tried");
    host.Form().cmdDateTime_Click();
    EXPECT_EQ(host.lstResult.lines,
              Joined(failureStart, {" 1/3 no such host!", " 2/3 127.0.0.1", " 修正日期和时间成功，相差0秒",
                                    " 现在时间 2024-12-08 03:58:01"}));
    EXPECT_EQ(mdlIniFile::ReadIniString("INTERNET", "TIME", "x"), "127.0.0.1");
    EXPECT_EQ(mdlIniFile::ReadIniString("INTERNET", "SERVLIEBIAO", "x"), FakeHttp::kListUrl);
}

// The download goes out with the environment's time-outs, as they stand.
TEST_F(Synchronise, TheListIsFetchedFromTheConfiguredUrlWithTheTimeOuts) {
    WriteIni("bad host", FakeHttp::kListUrl);
    TestHost& host = Window([](AppEnvironment& e) { e.httpTimeouts.receiveMs = 1234; });
    host.Form().cmdDateTime_Click();
    ASSERT_EQ(host.http.RequestedTimeouts().size(), 1u);
    EXPECT_EQ(host.http.RequestedUrls(), Lines{FakeHttp::kListUrl});
    const net::HttpTimeouts& timeouts = host.http.RequestedTimeouts()[0];
    EXPECT_EQ((std::vector<int>{timeouts.resolveMs, timeouts.connectMs, timeouts.sendMs, timeouts.receiveMs}),
              (std::vector<int>{3000, 3000, 3000, 1234}));
}

// Lists end their lines with CR LF or with a lone LF; a CR-LF list keeps its
// last, empty entry after a final line end.
TEST_F(Synchronise, ListLinesEndAtCrLfOrAtALoneLf) {
    struct Case {
        const char* body;
        Lines tried;
    };
    const Case cases[] = {
        {"also bad\r\n", {" 1/2 also bad", " 2/2 "}},
        {"one\ntwo\r\nthree\n", {" 1/4 one", " 2/4 two", " 3/4 three", " 4/4 "}},
        {"<html>\r\n<h1>Not Found</h1>\r\n</html>", {" 1/3 <html>", " 2/3 <h1>Not Found</h1>", " 3/3 </html>"}},
        {"cr\ronly", {" 1/1 cr\ronly"}},
    };
    WriteIni("bad host", FakeHttp::kListUrl);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        TestHost& host = Window();
        host.http.Respond(404, c.body);
        host.Form().cmdDateTime_Click();
        EXPECT_EQ(host.lstResult.lines, Joined(Joined(failureStart, c.tried), {" 修正日期和时间失败，请重试！"}));
    }
    EXPECT_TRUE(clock_.calls.empty());
    EXPECT_EQ(mdlIniFile::ReadIniString("INTERNET", "TIME", "x"), "bad host");
}

TEST_F(Synchronise, EmptyMissingOrCutLists) {
    WriteIni("bad host", FakeHttp::kListUrl);
    TestHost& host = Window();
    const Lines failed = Joined(failureStart, {" 修正日期和时间失败，请重试！"});
    host.http.Respond(200, "");
    host.Form().cmdDateTime_Click();
    EXPECT_EQ(host.lstResult.lines, failed);

    host.http.NeverAnswer();
    host.Form().cmdDateTime_Click();
    EXPECT_EQ(host.lstResult.lines, failed);

    // A page past the download's limit: one line says so, its lines are tried,
    // and a line longer than 300 characters reaches the list cut, with "…".
    host.http.Respond(200, "bad\r\n" + std::string(500, 'h'), true);
    host.Form().cmdDateTime_Click();
    EXPECT_EQ(host.lstResult.lines,
              Joined(failureStart, {" 服务器列表超过 1 MiB，只使用了前 1 MiB", " 1/2 bad",
                                    " " + ("2/2 " + std::string(295, 'h') + "…"), " 修正日期和时间失败，请重试！"}));
}

TEST_F(Synchronise, RefusedClockEndsWithTheFailureLineAndWritesNothing) {
    WriteIni("127.0.0.1", FakeHttp::kListUrl);
    const std::string iniBefore = ini_.Read();
    clock_.refuseDate = clock_.refuseTime = true;
    TestHost& host = Window();
    host.daytime.AlwaysReply(Reply());
    host.http.Respond(200, "127.0.0.1");
    host.Form().cmdDateTime_Click();
    EXPECT_EQ(host.lstResult.lines, Joined(failureStart, {" 1/1 127.0.0.1", " 修正日期和时间失败，请重试！"}));
    EXPECT_EQ(ini_.Read(), iniBefore);
}

// Without XIUZHENXIAOSHI the correction is 8 hours; when the system's own
// offset differs, one line before the result says so, once per run.
TEST_F(Synchronise, DefaultCorrectionIsExplainedWhenTheSystemsOffsetDiffers) {
    struct Case {
        const char* correctionKey; // "": the key is left out
        int offsetSeconds;
        bool known;
        const char* line; // nullptr: no line
    };
    const Case cases[] = {
        {"", 3600, true, " 没有设置 XIUZHENXIAOSHI，按默认加 8 小时；本机时区为 UTC+1"},
        {"", -16200, true, " 没有设置 XIUZHENXIAOSHI，按默认加 8 小时；本机时区为 UTC-4:30"},
        {"", 28800, true, nullptr},
        {"", 3600, false, nullptr},
        {"1", 3600, true, nullptr},
        {"8", -18000, true, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.correctionKey) + " " + std::to_string(c.offsetSeconds));
        WriteIni("bad host", FakeHttp::kListUrl, c.correctionKey);
        clock_.utcOffsetSeconds = c.offsetSeconds;
        clock_.offsetKnown = c.known;
        TestHost& host = Window();
        host.daytime.AlwaysReply(Reply());
        host.http.Respond(200, "127.0.0.1\r\n127.0.0.1");
        host.Form().cmdDateTime_Click();
        Lines expected = Joined(failureStart, {" 1/2 127.0.0.1"});
        if (c.line)
            expected.push_back(c.line);
        EXPECT_EQ(Lines(host.lstResult.lines.begin(), host.lstResult.lines.end() - 2), expected);
    }
}

TEST_F(Synchronise, BothButtonsAreDisabledAndIndicatorShownOnlyWhileRunning) {
    WriteIni("127.0.0.1", "");
    TestHost& host = Window();
    host.daytime.AlwaysReply(Reply());
    EXPECT_FALSE(host.shpDateTime.visible); // hidden from the start
    int busySteps = 0;
    host.onSleep = [&] {
        busySteps += !host.cmdDateTime.enabled && !host.cmdCeShi.enabled && host.shpDateTime.visible;
    };
    host.Form().cmdDateTime_Click();
    EXPECT_GT(busySteps, 0);
    EXPECT_EQ(busySteps, static_cast<int>(host.sleeps.size()));
    EXPECT_TRUE(host.cmdDateTime.enabled);
    EXPECT_TRUE(host.cmdCeShi.enabled);
    EXPECT_FALSE(host.shpDateTime.visible);
}

// The two seconds before "close" are waited in short steps that process
// events, so the window shows the enabled button and the hidden indicator.
TEST_F(Synchronise, CloseOnTheCommandLineWaitsTwoSecondsProcessingEventsThenClosesTheWindow) {
    WriteIni("127.0.0.1", "");
    TestHost& host = Window([](AppEnvironment& e) { e.commandLine = "/CLOSE"; });
    host.daytime.AlwaysReply(Reply());
    host.window.visible = true;
    int closeWaitSteps = 0;
    int finishedRounds = 0;
    host.onSleep = [&] {
        if (host.cmdDateTime.enabled) { // the command has finished: the close wait
            ++closeWaitSteps;
            EXPECT_FALSE(host.shpDateTime.visible);
        }
    };
    host.onEvents = [&] { finishedRounds += host.cmdDateTime.enabled; };
    host.Form().cmdDateTime_Click();
    EXPECT_FALSE(host.window.visible);
    EXPECT_FALSE(host.window.eventLoopsEnded); // an ordinary close, nothing was running
    const std::vector<int> closeWait(host.sleeps.end() - closeWaitSteps, host.sleeps.end());
    EXPECT_EQ(std::accumulate(closeWait.begin(), closeWait.end(), 0), 2000);
    EXPECT_LE(*std::max_element(closeWait.begin(), closeWait.end()), 100);
    EXPECT_EQ(finishedRounds, closeWaitSteps + 1);
}

TEST_F(Synchronise, ClosingTheWindowDuringTheCloseWaitEndsItAtOnce) {
    WriteIni("127.0.0.1", "");
    TestHost& host = Window([](AppEnvironment& e) { e.commandLine = "close"; });
    host.daytime.AlwaysReply(Reply());
    int closeWaitSteps = 0;
    host.onSleep = [&] {
        if (host.cmdDateTime.enabled && closeWaitSteps++ == 0)
            host.onEvents = [&] { host.window.Close(); };
    };
    host.Form().cmdDateTime_Click();
    EXPECT_EQ(closeWaitSteps, 1); // no step of the wait after the close
    EXPECT_LE(host.sleeps.back(), 100);
    EXPECT_TRUE(host.window.eventLoopsEnded);
    EXPECT_EQ(host.Form().ExitStatus(), 0); // the clock was set before the close
}

// Closing the window cancels the synchronisation: nothing more is sent, the
// clock stays, nothing is written or reported, and the command returns within
// the step in which the close arrived.
TEST_F(Synchronise, ClosingTheWindowDuringAQueryCancelsEverythingAfterIt) {
    WriteIni("127.0.0.1", FakeHttp::kListUrl);
    const std::string iniBefore = ini_.Read();
    TestHost& host = Window([](AppEnvironment& e) { e.commandLine = "auto close"; });
    host.daytime.Script({}, {DaytimeBehaviour::Silent, {}});
    host.http.Respond(200, "127.0.0.1");
    std::size_t sleepsAtClose = 0;
    host.onEvents = [&] {
        if (host.sleeps.size() == 3 && sleepsAtClose == 0) {
            sleepsAtClose = host.sleeps.size();
            host.window.Close();
        }
    };
    host.Form().Form_Load(); // "auto"
    EXPECT_EQ(host.sleeps.size(), sleepsAtClose); // no further wait step, no close wait
    EXPECT_TRUE(host.window.eventLoopsEnded);
    EXPECT_EQ(host.daytime.Connections(), 1);
    EXPECT_TRUE(host.http.RequestedUrls().empty());
    EXPECT_TRUE(clock_.calls.empty());
    EXPECT_EQ(ini_.Read(), iniBefore);
    EXPECT_EQ(host.lstResult.lines, Lines{" 正在获取标准日期和时间"});
    EXPECT_EQ(host.Form().ExitStatus(), 1);
}

// The host ends the download's own wait when the window closes; what the
// download brought is then not tried.
TEST_F(Synchronise, ClosingTheWindowDuringTheListDownloadTriesNothingAfterIt) {
    WriteIni("bad host", FakeHttp::kListUrl);
    TestHost& host = Window();
    host.http.Respond(200, "127.0.0.1");
    host.http.WhileWaiting([&] { host.window.Close(); });
    host.Form().cmdDateTime_Click();
    EXPECT_TRUE(host.window.eventLoopsEnded);
    EXPECT_EQ(host.lstResult.lines, failureStart);
    EXPECT_EQ(host.daytime.Connections(), 0);
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
        WriteIni("127.0.0.1", "");
        clock_.refuseDate = clock_.refuseTime = c.refuseClock;
        TestHost& host = Window([&](AppEnvironment& e) { e.commandLine = c.commandLine; });
        host.daytime.AlwaysReply(Reply());
        host.Form().cmdDateTime_Click();
        EXPECT_EQ(host.Form().ExitStatus(), c.exitStatus) << c.commandLine << c.refuseClock;
        Lines expected;
        if (*c.commandLine)
            for (const std::string& line : host.lstResult.lines)
                expected.push_back(line.substr(1) + "\n"); // without the list's leading space
        EXPECT_EQ(host.output, expected) << c.commandLine << c.refuseClock;
    }
}

TEST_F(Synchronise, UnreadableIniIsReportedOnceBeforeTheUsualLines) {
    ASSERT_TRUE(std::filesystem::create_directory(ini_.Path())); // unreadable even for root
    clock_.now = {2024, 12, 8, 3, 58, 1};
    TestHost& host = Window(); // the defaults: the fake server
    host.daytime.AlwaysReply(Reply());
    host.Form().cmdDateTime_Click();
    EXPECT_EQ(host.lstResult.lines,
              (Lines{" 无法读取配置文件，使用默认设置：" + ini_.Path(), " 正在获取标准日期和时间",
                     " 修正日期和时间成功，相差0秒", " 现在时间 2024-12-08 03:58:01"}));
}

TEST_F(Synchronise, ThousandsOfListLinesAreTriedOneByOne) {
    WriteIni("bad host", FakeHttp::kListUrl);
    std::string list;
    for (int i = 0; i < 2000; ++i)
        list += "bad entry " + std::to_string(i) + "\r\n";
    list += "127.0.0.1";
    TestHost& host = Window();
    host.daytime.AlwaysReply(Reply());
    host.http.Respond(200, list);
    host.Form().cmdDateTime_Click();
    const Lines& lines = host.lstResult.lines;
    EXPECT_LE(lines.size(), 301u); // the list box empties itself, it never holds them all
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines.at(lines.size() - 3), " 2001/2001 127.0.0.1");
    EXPECT_EQ(mdlIniFile::ReadIniString("INTERNET", "TIME", "x"), "127.0.0.1");
}

} // namespace
} // namespace app::testing
