#pragma once
// The command line: the two words the program looks for, and the information
// requests "-h"/"--help" and "--version", answered on standard output without
// opening a window.
#include <optional>
#include <string>
#include <vector>

namespace app {

// This release's version as plain decimal numbers: major.minor.revision.
std::string VersionText();

// Exit statuses of the program.
constexpr int kExitClockSet = 0;     // also every run without "close"
constexpr int kExitClockNotSet = 1;  // with "close": no server worked or the clock refused
constexpr int kExitNoDisplay = 2;    // no display to open the window on, and no "close"

// The text asked for by the first "-h", "--help" or "--version" among the
// arguments (the program itself not included), or nothing when none is
// there. Any of them wins over "auto" and "close": nothing runs. The help
// names the configuration file in use.
std::optional<std::string> RequestedInformation(const std::vector<std::string>& arguments,
                                                const std::string& programName, const std::string& iniPath);

// The arguments joined by single spaces, as the window looks for its words in them.
std::string JoinedCommandLine(const std::vector<std::string>& arguments);

// Whether the lower-cased command line holds the word anywhere.
bool CommandLineHolds(const std::string& commandLine, const std::string& word);

// The line for standard error when there is no display and no "close".
std::string NoDisplayMessage(const std::string& programName);

} // namespace app
