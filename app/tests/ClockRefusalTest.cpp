// A server answered but the clock refused: the run goes on as before and one
// line right after each refused attempt says why.
#include "app/ClockRefusalText.h"
#include "app/mdlFuncSub.h"
#include "app/tests/WindowFixture.h"


namespace app::testing {
namespace {

using sysclock::ClockRefusal;

using ClockRefusalLines = WindowFixture;

TEST_F(ClockRefusalLines, EachRefusalIsExplainedAfterItsAttemptAndNoOtherLineChanges) {
    struct Case {
        const char* name;
        ClockRefusal refusal;
        std::string why; // empty: no line
    };
    const Case cases[] = {
        {"no right, no service", ClockRefusal::NoRight,
         " 没有修改系统时间的权限，也没有可用的系统时间服务：请执行 sudo setcap cap_sys_time+ep "
         "/opt/clock/DunmoraDesk"},
        {"automatic sync", ClockRefusal::AutomaticSync,
         " 系统已开启自动时间同步，不能修改时间：请先执行 timedatectl set-ntp false 关闭"},
        {"not authorised", ClockRefusal::NotAuthorised, " 没有得到修改系统时间的授权（管理员密码未通过或已取消）"},
        {"service failed", ClockRefusal::ServiceFailed, " 系统时间服务没有修改时间（出错或没有应答）"},
        {"no privilege (Windows)", ClockRefusal::NoPrivilege,
         " 没有修改系统时间的权限：请以管理员身份运行 /opt/clock/DunmoraDesk"},
        {"no stated reason", ClockRefusal::None, ""},
    };
    WriteIni("127.0.0.1", FakeHttp::kListUrl);
    TestHost& host = Window();
    host.daytime.AlwaysReply(NistReply(2024, 12, 7, 19, 58, 1));
    host.http.Respond(200, "127.0.0.1");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clock_.refuseDate = clock_.refuseTime = true;
        clock_.refusal = c.refusal;
        const int forgetsBefore = clock_.forgetCalls;
        host.Form().cmdDateTime_Click();
        Lines expected{" 正在获取标准日期和时间"};
        if (!c.why.empty())
            expected.push_back(c.why);
        for (const char* line : {" 没有得到标准日期和时间", " 更新时间服务器地址", " 1/1 127.0.0.1"})
            expected.push_back(line);
        if (!c.why.empty())
            expected.push_back(c.why);
        expected.push_back(" 修正日期和时间失败，请重试！");
        EXPECT_EQ(host.lstResult.lines, expected);
        EXPECT_EQ(clock_.forgetCalls, forgetsBefore + 1); // each run may ask the user again
    }
}

TEST(ClockRefusalOfApplyServerTime, TheFirstRefusedStepGivesTheReason) {
    PrivateIniFile file;
    const std::string reply = NistReply(2024, 12, 7, 19, 58, 1);
    FakeWallClock dateOnly;
    dateOnly.refuseDate = true;
    dateOnly.refusal = ClockRefusal::AutomaticSync;
    ClockRefusal refusal = ClockRefusal::None;
    EXPECT_EQ(mdlFuncSub::ApplyServerTime(reply, dateOnly, &refusal), -2);
    EXPECT_EQ(refusal, ClockRefusal::AutomaticSync); // the time step's success does not hide it
    FakeWallClock accepting;
    EXPECT_GE(mdlFuncSub::ApplyServerTime(reply, accepting, &refusal), 0);
    EXPECT_EQ(refusal, ClockRefusal::None);
}

} // namespace
} // namespace app::testing
