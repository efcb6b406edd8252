#include "platform/net/TcpClientSocket.h"

#include <algorithm>
#include <cctype>

namespace net {

bool IsPlausibleHostName(const std::string& host) {
    if (host.empty() || host.size() > 255)
        return false;
    auto isNameChar = [](unsigned char c) { return std::isalnum(c) || c == '-' || c == '_' || c == '.'; };
    if (std::all_of(host.begin(), host.end(), isNameChar))
        return true;
    std::string inner = host;
    if (inner.size() > 2 && inner.front() == '[' && inner.back() == ']')
        inner = inner.substr(1, inner.size() - 2);
    auto isAddressChar = [](unsigned char c) { return std::isxdigit(c) || c == ':' || c == '.'; };
    return inner.find(':') != std::string::npos && std::all_of(inner.begin(), inner.end(), isAddressChar);
}

} // namespace net
