#include "control/model/ContainerTag.h"

#include "control/model/ztButtons_H.h"

#include <charconv>
#include <string>

user::HWND ContainerWindowFromTag(const ztButtons_H& button) {
    const container::ControlSite* site = button.Site();
    if (site == nullptr) return 0;
    const std::string tag = site->Tag();
    unsigned long long value = 0;
    const auto [end, error] = std::from_chars(tag.data(), tag.data() + tag.size(), value);
    if (error != std::errc() || end != tag.data() + tag.size() || value == 0 || value > 0xFFFFFFFFULL) return 0;
    const auto hwnd = static_cast<user::HWND>(value);
    return user::IsWindow(hwnd) ? hwnd : 0;
}
