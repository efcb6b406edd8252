#pragma once
#include <cstdio>
#include <string>

namespace net::testing {

// A NIST-style daytime reply for a UTC date and time, with the leading newline,
// health and daylight-saving fields and the trailing "UTC(NIST) *".
inline std::string NistReply(int year, int month, int day, int hour, int minute, int second) {
    char text[96];
    std::snprintf(text, sizeof text, "\n60651 %02d-%02d-%02d %02d:%02d:%02d 00 0 0 512.3 UTC(NIST) * \n",
                  year % 100, month, day, hour, minute, second);
    return text;
}

} // namespace net::testing
