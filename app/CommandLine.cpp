#include "app/CommandLine.h"

namespace app {
namespace {

QString UsageText(const QString& programName) {
    return QStringLiteral("用法：%1 [auto] [close]\n"
                          "从时间服务器（daytime 服务，TCP 端口 13）取得标准时间，设置本机的日期和时间。\n"
                          "\n"
                          "  auto       窗口打开后立即同步时间\n"
                          "  close      同步结束两秒后关闭窗口并退出；时钟已设置时退出码为 0，否则为 1；\n"
                          "             结果列表的每一行同时写到标准输出（UTF-8，每行一条）\n"
                          "  --help     显示本说明后退出\n"
                          "  --version  显示版本后退出\n"
                          "\n"
                          "auto 和 close 出现在命令行的任何位置都有效，不分大小写。\n")
        .arg(programName);
}

} // namespace

QString VersionText() {
    return QString::number(DUNMORA_VERSION_MAJOR) + "." + QString::number(DUNMORA_VERSION_MINOR) + "." +
           QString::number(DUNMORA_VERSION_REVISION);
}

std::optional<QString> RequestedInformation(const QStringList& arguments, const QString& programName) {
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--help"))
            return UsageText(programName);
        if (argument == QLatin1String("--version"))
            return programName + " " + VersionText() + "\n";
    }
    return std::nullopt;
}

} // namespace app
