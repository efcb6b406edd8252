// The synchronise command: ask the configured daytime server, fall back to the
// downloaded server list, set the clock and report every step.
#include "app/CivilTime.h"
#include "app/ClockRefusalText.h"
#include "app/IndicatorShape.h"
#include "app/TextLines.h"
#include "app/frmTime.h"
#include "app/mdlFuncSub.h"
#include "app/mdlIniFile.h"

#include <QCoreApplication>

namespace app {

void frmTime::cmdDateTime_Click() {
    if (commandRunning_) // the server test is running and owns the socket
        return;
    commandRunning_ = true;
    closedWhileRunning_ = false;
    clockSet_ = false;

    ShowResult("CLEAR");
    // Reported rather than silently replaced by the defaults, which would send
    // the queries to the public default hosts instead of the configured ones.
    if (mdlIniFile::IniFileUnreadable())
        ShowResult(QStringLiteral("无法读取配置文件，使用默认设置：") + mdlIniFile::IniPath);
    ShowResult(QStringLiteral("正在获取标准日期和时间"));
    shpDateTime->setVisible(true);
    SetCommandButtonsEnabled(false);
    env_.clock->ForgetRefusals();

    const QString host = mdlIniFile::ReadIniString("INTERNET", "TIME", env_.defaultDaytimeHost);
    std::int32_t diff = ApplyAndExplain(GetServerTime(host));

    if (diff < 0 && !closedWhileRunning_) {
        ShowResult(QStringLiteral("没有得到标准日期和时间"));
        ShowResult(QStringLiteral("更新时间服务器地址"));
        const QString list = mdlFuncSub::FetchUrlText(
            mdlIniFile::ReadIniString("INTERNET", "SERVLIEBIAO", env_.defaultServerListUrl),
            env_.httpTimeouts);
        CrLfLines lines(list);
        const int count = lines.Count();
        for (int k = 0; k < count && !closedWhileRunning_; ++k) {
            const QString line = lines.Next();
            ShowResult(QString::number(k + 1) + "/" + QString::number(count) + " " + line);
            diff = ApplyAndExplain(GetServerTime(line));
            if (diff >= 0) {
                mdlIniFile::WriteIniString("INTERNET", "TIME", line);
                break;
            }
        }
    }

    // A window closed meanwhile ends the command here: nothing more is
    // reported, and the program ends as soon as this returns.
    if (closedWhileRunning_) {
        commandRunning_ = false;
        return;
    }

    clockSet_ = diff >= 0;
    if (clockSet_) {
        ShowResult(QStringLiteral("修正日期和时间成功，相差") + QString::number(diff) + QStringLiteral("秒"));
        DateTime now;
        const bool haveNow = env_.clock->ReadLocal(now);
        ShowResult(QStringLiteral("现在时间 ") + (haveNow ? FormatDateTime(now) : QString()));
    } else {
        ShowResult(QStringLiteral("修正日期和时间失败，请重试！"));
    }

    SetCommandButtonsEnabled(true);
    shpDateTime->setVisible(false);

    // The pause before "close" keeps painting, so the window shows the
    // finished state, and a close during it ends the program at once.
    const bool closeNow = CommandLineHolds("close") && WaitProcessingEvents(env_.timing.closeDelayMs);
    commandRunning_ = false;
    if (closeNow)
        close();
}

// ApplyServerTime, and when the clock refused, one line that says why.
std::int32_t frmTime::ApplyAndExplain(const QString& reply) {
    if (closedWhileRunning_) // the user no longer wants the clock changed
        return mdlFuncSub::kClockStepFailed;
    sysclock::ClockRefusal refusal = sysclock::ClockRefusal::None;
    const std::int32_t diff = mdlFuncSub::ApplyServerTime(reply, *env_.clock, &refusal);
    const QString why = ClockRefusalLine(refusal, QCoreApplication::applicationFilePath());
    if (!why.isEmpty())
        ShowResult(why);
    return diff;
}

} // namespace app
