#include "app/CommandLine.h"

#include "app/TextLines.h"

namespace app {
namespace {

std::string UsageText(const std::string& programName, const std::string& iniPath) {
    return "用法：" + programName +
           " [auto] [close]\n"
           "从时间服务器（daytime 服务，TCP 端口 13）取得标准时间，设置本机的日期和时间。\n"
           "\n"
           "  auto       窗口打开后立即同步时间\n"
           "  close      同步结束两秒后关闭窗口并退出；结果列表的每一行同时写到标准输出\n"
           "             （UTF-8，每行一条）；没有显示器时不开窗口，只写标准输出\n"
           "  -h, --help 显示本说明后退出\n"
           "  --version  显示版本后退出\n"
           "\n"
           "auto 和 close 出现在命令行的任何位置都有效，不分大小写。\n"
           "\n"
           "退出码：\n"
           "  0  时钟已设置；不带 close 时总是 0\n"
           "  1  带 close：没有服务器可用，或者时钟没有设置成功\n"
           "  2  没有可以打开窗口的显示器，命令行里也没有 close\n"
           "\n"
           "配置文件：" +
           iniPath + "\n";
}

} // namespace

std::string VersionText() {
    return std::to_string(DUNMORA_VERSION_MAJOR) + "." + std::to_string(DUNMORA_VERSION_MINOR) + "." +
           std::to_string(DUNMORA_VERSION_REVISION);
}

std::optional<std::string> RequestedInformation(const std::vector<std::string>& arguments,
                                                const std::string& programName, const std::string& iniPath) {
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h")
            return UsageText(programName, iniPath);
        if (argument == "--version")
            return programName + " " + VersionText() + "\n";
    }
    return std::nullopt;
}

std::string JoinedCommandLine(const std::vector<std::string>& arguments) {
    std::string line;
    for (std::size_t i = 0; i < arguments.size(); ++i)
        line += (i == 0 ? "" : " ") + arguments[i];
    return line;
}

bool CommandLineHolds(const std::string& commandLine, const std::string& word) {
    return AsciiLower(commandLine).find(word) != std::string::npos;
}

std::string NoDisplayMessage(const std::string& programName) {
    return programName + "：没有可以打开窗口的显示器（无人值守时请在命令行加上 close）\n";
}

} // namespace app
