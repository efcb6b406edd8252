#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(CommandLine, InformationRequestsWinOverEverythingElse) {
    struct Row {
        std::vector<std::string> arguments;
        const char* starts; // nullptr: nothing asked
    };
    const Row rows[] = {
        {{"auto", "--help"}, "用法：clock [auto] [close]\n"},
        {{"-h", "--version"}, "用法：clock [auto] [close]\n"},
        {{"--version", "-h"}, "clock 1.0.5\n"},
        {{"auto", "close"}, nullptr},
        {{"-help", "--Help", "h"}, nullptr},
    };
    for (const Row& row : rows) {
        const auto text = RequestedInformation(row.arguments, "clock", "/home/u/.config/DunmoraDesk/clock.ini");
        ASSERT_EQ(text.has_value(), row.starts != nullptr) << JoinedCommandLine(row.arguments);
        if (row.starts) {
            EXPECT_EQ(text->rfind(row.starts, 0), 0u) << *text;
        }
    }
    // The help names the file in use and every exit status.
    const std::string help = *RequestedInformation({"-h"}, "clock", "/home/u/.config/DunmoraDesk/clock.ini");
    for (const char* part : {"配置文件：/home/u/.config/DunmoraDesk/clock.ini\n", "  0  ", "  1  ", "  2  "})
        EXPECT_NE(help.find(part), std::string::npos) << part;
    EXPECT_EQ((std::vector<int>{kExitClockSet, kExitClockNotSet, kExitNoDisplay}), (std::vector<int>{0, 1, 2}));
}

TEST(CommandLine, WordsAreFoundAnywhereInAnyCase) {
    struct Row {
        std::vector<std::string> arguments;
        bool autoFound;
        bool closeFound;
    };
    const Row rows[] = {
        {{"AUTO"}, true, false},  {{"/autoclose"}, true, true}, {{"x", "Close"}, false, true},
        {{"au", "to"}, false, false}, {{}, false, false},
    };
    for (const Row& row : rows) {
        const std::string line = JoinedCommandLine(row.arguments);
        EXPECT_EQ(CommandLineHolds(line, "auto"), row.autoFound) << line;
        EXPECT_EQ(CommandLineHolds(line, "close"), row.closeFound) << line;
    }
    EXPECT_EQ(JoinedCommandLine({"a", "b c"}), "a b c");
}

} // namespace
} // namespace app
