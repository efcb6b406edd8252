// The synchronise command: ask the configured daytime server, fall back to the
// downloaded server list, set the clock and report every step.
#include "app/CivilTime.h"
#include "app/ClockRefusalText.h"
#include "app/ServerReply.h"
#include "app/TextLines.h"
#include "app/frmTime.h"
#include "app/mdlFuncSub.h"
#include "app/mdlIniFile.h"

namespace app {

void frmTime::cmdDateTime_Click() {
    if (commandRunning_) // the server test is running and owns the socket
        return;
    commandRunning_ = true;
    closedWhileRunning_ = false;
    clockSet_ = false;
    correctionExplained_ = false;

    ShowResult("CLEAR");
    // Reported rather than silently replaced by the defaults, which would send
    // the queries to the public default hosts instead of the configured ones.
    if (mdlIniFile::IniFileUnreadable())
        ShowResult("无法读取配置文件，使用默认设置：" + mdlIniFile::IniPath);
    ShowResult("正在获取标准日期和时间");
    ui_.shpDateTime.SetVisible(true);
    SetCommandButtonsEnabled(false);
    env_.clock->ForgetRefusals();

    const std::string host = mdlIniFile::ReadIniString("INTERNET", "TIME", env_.defaultDaytimeHost);
    std::int32_t diff = ApplyAndExplain(GetServerTime(host));

    if (diff < 0 && !closedWhileRunning_) {
        ShowResult("没有得到标准日期和时间");
        ShowResult("更新时间服务器地址");
        const mdlFuncSub::FetchedText list = mdlFuncSub::FetchUrlText(
            env_.httpGet, mdlIniFile::ReadIniString("INTERNET", "SERVLIEBIAO", env_.defaultServerListUrl),
            env_.httpTimeouts);
        if (list.truncated && !closedWhileRunning_)
            ShowResult("服务器列表超过 1 MiB，只使用了前 1 MiB");
        TextLines lines(list.text);
        const int count = lines.Count();
        for (int k = 0; k < count && !closedWhileRunning_; ++k) {
            const std::string line = lines.Next();
            ShowResult(std::to_string(k + 1) + "/" + std::to_string(count) + " " + line);
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
        ShowResult("修正日期和时间成功，相差" + std::to_string(diff) + "秒");
        DateTime now;
        const bool haveNow = env_.clock->ReadLocal(now);
        ShowResult("现在时间 " + (haveNow ? FormatDateTime(now) : std::string()));
    } else {
        ShowResult("修正日期和时间失败，请重试！");
    }

    SetCommandButtonsEnabled(true);
    ui_.shpDateTime.SetVisible(false);

    // The pause before "close" keeps painting, so the window shows the
    // finished state, and a close during it ends the program at once.
    const bool closeNow = CommandLineHolds("close") && WaitProcessingEvents(env_.timing.closeDelayMs);
    commandRunning_ = false;
    if (closeNow)
        ui_.window.Close();
}

std::int32_t frmTime::ApplyAndExplain(const std::string& reply) {
    if (closedWhileRunning_) // the user no longer wants the clock changed
        return mdlFuncSub::kClockStepFailed;
    if (!reply.empty() && ReadServerTime(reply))
        ExplainDefaultCorrection();
    sysclock::ClockRefusal refusal = sysclock::ClockRefusal::None;
    const std::int32_t diff = mdlFuncSub::ApplyServerTime(reply, *env_.clock, &refusal);
    // An empty reply is a server that did not answer: nothing to show.
    if (diff == mdlFuncSub::kUnusableReply && !reply.empty())
        ShowResult("服务器回答的格式无法使用：" + ReplyExcerpt(reply));
    const std::string why = ClockRefusalLine(refusal, env_.programPath);
    if (!why.empty())
        ShowResult(why);
    return diff;
}

// Daytime servers send UTC, and the correction is the whole conversion to local
// time. Without the key a user outside UTC+8 would get a clock set hours wrong
// and a success line; this says which key to set.
void frmTime::ExplainDefaultCorrection() {
    if (correctionExplained_)
        return;
    correctionExplained_ = true;
    if (mdlIniFile::IniKeyPresent("INTERNET", "XIUZHENXIAOSHI"))
        return;
    int offsetSeconds = 0;
    if (!env_.clock->ReadUtcOffset(offsetSeconds) || offsetSeconds == mdlFuncSub::kDefaultCorrectionHours * 3600)
        return;
    ShowResult("没有设置 XIUZHENXIAOSHI，按默认加 " + std::to_string(mdlFuncSub::kDefaultCorrectionHours) +
               " 小时；本机时区为 " + FormatUtcOffset(offsetSeconds));
}

} // namespace app
