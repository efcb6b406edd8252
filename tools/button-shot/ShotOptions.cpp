#include "ShotOptions.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

constexpr std::array<const char*, 7> kStates = {"normal", "hover", "pushed", "checked", "default", "disabled", "design"};

bool ParseInt(const std::string& text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool ParseSize(const std::string& text, int& width, int& height) {
    const auto x = text.find('x');
    if (x == std::string::npos) return false;
    return ParseInt(text.substr(0, x), width) && ParseInt(text.substr(x + 1), height) && width > 0 && height > 0 &&
           width <= 4096 && height <= 4096;
}

}  // namespace

const char* ShotUsage() {
    return "usage: button-shot --size WxH [--set Property=Value ...] [--state STATE ...] [--scale N] --out FILE.png\n"
           "       button-shot --sheet FILE.png [--scale N]\n"
           "Property: a public property of the control (ButtonStyle, ButtonShape, Caption, CaptionAlign,\n"
           "  CaptionStyle, BackColor, ForeColor, GradientColor, GradientMode, HoverBackColor, HoverForeColor,\n"
           "  HoverColorLocks, Picture (a file), PictureAlign, PictureSize, Mode, Value, Enabled, ShowFocusRect,\n"
           "  CustomClick, Font (name:size), FontStyle). Colours: decimal OLE values or #RRGGBB.\n"
           "STATE: normal, hover, pushed, checked, default, disabled, design (states combine).\n"
           "--scale N enlarges the PNG N times, exact pixels (default 1).\n";
}

bool IsKnownState(const std::string& state) {
    return std::find(kStates.begin(), kStates.end(), state) != kStates.end();
}

bool ParseShotRequest(const std::vector<std::string>& args, ShotRequest& request, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        const bool hasValue = i + 1 < args.size();
        if (option == "--help" || option == "-h") {
            error.clear();
            return false;
        }
        if (!hasValue) {
            error = "missing value after " + option;
            return false;
        }
        const std::string& value = args[++i];
        if (option == "--size") {
            if (!ParseSize(value, request.width, request.height)) {
                error = "--size wants WxH with both between 1 and 4096, got \"" + value + "\"";
                return false;
            }
        } else if (option == "--set") {
            const auto equals = value.find('=');
            if (equals == std::string::npos || equals == 0) {
                error = "--set wants Property=Value, got \"" + value + "\"";
                return false;
            }
            request.settings.emplace_back(value.substr(0, equals), value.substr(equals + 1));
        } else if (option == "--state") {
            if (!IsKnownState(value)) {
                error = "unknown state \"" + value + "\"";
                return false;
            }
            request.states.push_back(value);
        } else if (option == "--scale") {
            if (!ParseInt(value, request.scale) || request.scale < 1 || request.scale > 16) {
                error = "--scale wants a whole number from 1 to 16, got \"" + value + "\"";
                return false;
            }
        } else if (option == "--out") {
            request.out = value;
        } else if (option == "--sheet") {
            request.sheet = value;
        } else {
            error = "unknown option " + option;
            return false;
        }
    }
    if (!request.sheet.empty()) return true;
    if (request.width == 0) {
        error = "--size is required";
        return false;
    }
    if (request.out.empty()) {
        error = "--out is required";
        return false;
    }
    return true;
}
