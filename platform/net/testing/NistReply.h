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

// The same reply without NIST's mark "UTC(NIST) * ": a server of another kind,
// asked twice at once.
inline std::string PlainDaytimeReply(int year, int month, int day, int hour, int minute, int second) {
    std::string reply = NistReply(year, month, day, hour, minute, second);
    reply.erase(reply.find("UTC(NIST) * "), 12);
    return reply;
}

} // namespace net::testing
