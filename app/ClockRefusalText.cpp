#include "app/ClockRefusalText.h"

namespace app {

std::string ClockRefusalLine(sysclock::ClockRefusal refusal, const std::string& programPath) {
    switch (refusal) {
    case sysclock::ClockRefusal::None:
        break;
    case sysclock::ClockRefusal::NoRight:
        return std::string("没有修改系统时间的权限，也没有可用的系统时间服务：请执行 "
                           "sudo setcap cap_sys_time+ep ") +
               programPath;
    case sysclock::ClockRefusal::AutomaticSync:
        return "系统已开启自动时间同步，不能修改时间：请先执行 timedatectl set-ntp false 关闭";
    case sysclock::ClockRefusal::NotAuthorised:
        return "没有得到修改系统时间的授权（管理员密码未通过或已取消）";
    case sysclock::ClockRefusal::ServiceFailed:
        return "系统时间服务没有修改时间（出错或没有应答）";
    case sysclock::ClockRefusal::NoPrivilege:
        return "没有修改系统时间的权限：请以管理员身份运行 " + programPath;
    }
    return {};
}

} // namespace app
