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

    ShowResult("CLEAR");
    ShowResult(QStringLiteral("正在获取标准日期和时间"));
    shpDateTime->setVisible(true);
    cmdDateTime->SetEnabled(false);
    env_.clock->ForgetRefusals();

    const QString host = mdlIniFile::ReadIniString("INTERNET", "TIME", env_.defaultDaytimeHost);
    std::int32_t diff = ApplyAndExplain(GetServerTime(host));

    if (diff < 0) {
        ShowResult(QStringLiteral("没有得到标准日期和时间"));
        ShowResult(QStringLiteral("更新时间服务器地址"));
        const QString list = mdlFuncSub::FetchUrlText(
            mdlIniFile::ReadIniString("INTERNET", "SERVLIEBIAO", env_.defaultServerListUrl),
            env_.httpTimeouts);
        CrLfLines lines(list);
        const int count = lines.Count();
        for (int k = 0; k < count; ++k) {
            const QString line = lines.Next();
            ShowResult(QString::number(k + 1) + "/" + QString::number(count) + " " + line);
            diff = ApplyAndExplain(GetServerTime(line));
            if (diff >= 0) {
                mdlIniFile::WriteIniString("INTERNET", "TIME", line);
                break;
            }
        }
    }

    if (diff >= 0) {
        ShowResult(QStringLiteral("修正日期和时间成功，相差") + QString::number(diff) + QStringLiteral("秒"));
        DateTime now;
        const bool haveNow = env_.clock->ReadLocal(now);
        ShowResult(QStringLiteral("现在时间 ") + (haveNow ? FormatDateTime(now) : QString()));
    } else {
        ShowResult(QStringLiteral("修正日期和时间失败，请重试！"));
    }

    cmdDateTime->SetEnabled(true);
    shpDateTime->setVisible(false);
    commandRunning_ = false;

    if (CommandLineHolds("close")) {
        Sleep(env_.timing.closeDelayMs);
        close();
    }
}

// ApplyServerTime, and when the clock refused, one line that says why.
std::int32_t frmTime::ApplyAndExplain(const QString& reply) {
    sysclock::ClockRefusal refusal = sysclock::ClockRefusal::None;
    const std::int32_t diff = mdlFuncSub::ApplyServerTime(reply, *env_.clock, &refusal);
    const QString why = ClockRefusalLine(refusal, QCoreApplication::applicationFilePath());
    if (!why.isEmpty())
        ShowResult(why);
    return diff;
}

} // namespace app
