#pragma once
// Reading the date and time out of a daytime server's reply. The daytime
// service leaves the reply's form free; the forms read here state the time in
// UTC without doubt:
// - NIST's: "MJD YY-MM-DD HH:MM:SS ..." (fields 1 and 2 of the reply split at
//   single spaces), the form looked for first;
// - the inetd built-in's: "DD MON YYYY HH:MM:SS UTC" (or "GMT");
// - ISO 8601: "YYYY-MM-DD HH:MM:SS" or "YYYY-MM-DDTHH:MM:SS", seconds
//   optionally with a fraction, followed by "Z" or " UTC".
// Any other reply (ctime's form, say, which carries the server's local time
// with no zone) gives nothing.
#include "app/CivilTime.h"

#include <optional>
#include <string>

namespace app {

std::optional<DateTime> ReadServerTime(const std::string& reply);

} // namespace app
