#pragma once
// The two information requests of the command line, "--help" and "--version",
// answered on standard output without opening a window.
#include <QString>
#include <QStringList>

#include <optional>

namespace app {

// This release's version as plain decimal numbers: major.minor.revision.
QString VersionText();

// The text asked for by the first "--help" or "--version" among the arguments
// (the program itself not included), or nothing when neither is there. Either
// word wins over "auto" and "close": nothing runs.
std::optional<QString> RequestedInformation(const QStringList& arguments, const QString& programName);

} // namespace app
