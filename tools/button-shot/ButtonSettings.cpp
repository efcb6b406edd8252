#include "ButtonSettings.h"

#include "platform/picture/Picture.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

bool ParseLong(const std::string& text, long long& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool ParseBoolean(const std::string& text, bool& value) {
    const std::string lower = Lower(text);
    if (lower == "true" || lower == "-1" || lower == "1") {
        value = true;
        return true;
    }
    if (lower == "false" || lower == "0") {
        value = false;
        return true;
    }
    return false;
}

// Long properties with their accepted range, set and read back through the
// control's property procedures.
struct RangedProperty {
    long long lowest;
    long long highest;
    void (ztButtons_H::*set)(Long);
    Long (ztButtons_H::*get)() const;
};

const std::map<std::string, RangedProperty>& RangedProperties() {
    static const std::map<std::string, RangedProperty> properties = {
        {"buttonstyle", {0, 7, &ztButtons_H::SetButtonStyle, &ztButtons_H::GetButtonStyle}},
        {"buttonshape", {0, 8, &ztButtons_H::SetButtonShape, &ztButtons_H::GetButtonShape}},
        {"mode", {0, 2, &ztButtons_H::SetMode, &ztButtons_H::GetMode}},
        {"captionalign", {0, 2, &ztButtons_H::SetCaptionAlign, &ztButtons_H::GetCaptionAlign}},
        {"captionstyle", {0, 2, &ztButtons_H::SetCaptionStyle, &ztButtons_H::GetCaptionStyle}},
        {"customclick", {0, 8, &ztButtons_H::SetCustomClick, &ztButtons_H::GetCustomClick}},
        {"picturealign", {0, 5, &ztButtons_H::SetPictureAlign, &ztButtons_H::GetPictureAlign}},
        {"gradientmode", {0, 4, &ztButtons_H::SetGradientMode, &ztButtons_H::GetGradientMode}},
        {"hovercolorlocks",
         {-2147483648LL, 2147483647LL, &ztButtons_H::SetHoverColorLocks, &ztButtons_H::GetHoverColorLocks}},
    };
    return properties;
}

// Why the control refuses a value that is in range: the combinations it does not allow.
std::string RefusalReason(const std::string& property) {
    if (property == "buttonshape") return "ButtonShape 7 and 8 need a bitmap or JPEG Picture, set before the shape";
    if (property == "captionalign") return "a picture aligned top or bottom center keeps the caption centred";
    if (property == "value") return "Value=True needs Mode 1 (check box) or 2 (option button), set before it";
    if (property == "picturesize") return "the picture size of ButtonShape 7 and 8 is fixed";
    if (property == "forecolor") return "not a colour the container accepts";
    return "refused by the control";
}

bool ParseFont(const std::string& text, container::Font& font) {
    const auto colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) return false;
    long long size = 0;
    if (!ParseLong(text.substr(colon + 1), size) || size <= 0) return false;
    font.SetName(text.substr(0, colon));
    return font.SetSize(static_cast<double>(size));
}

}  // namespace

bool ParseOleColour(const std::string& text, OleColor& colour) {
    if (!text.empty() && text[0] == '#') {
        if (text.size() != 7) return false;
        unsigned int rgb = 0;
        const auto [end, error] = std::from_chars(text.data() + 1, text.data() + 7, rgb, 16);
        if (error != std::errc() || end != text.data() + 7) return false;
        colour = static_cast<OleColor>(gdi::RGB(static_cast<int>(rgb >> 16), static_cast<int>(rgb >> 8),
                                                static_cast<int>(rgb)));
        return true;
    }
    long long value = 0;
    if (!ParseLong(text, value) || value < -2147483648LL || value > 0xFFFFFFFFLL) return false;
    colour = static_cast<OleColor>(static_cast<std::uint32_t>(value));
    return true;
}

ButtonSettings::ButtonSettings(ztButtons_H& button, headless::HeadlessSite& site) : button_(button), site_(site) {}

void ButtonSettings::ApplyNewButtonDefaults() {
    button_.InitProperties();
    // A picture of a bare button: no caption, and a gradient that ends in the face colour.
    button_.SetCaption("");
    button_.SetGradientColor(SystemColorValue::ButtonFace);
}

bool ButtonSettings::ApplyColour(const std::string& property, OleColor colour) {
    if (property == "backcolor") {
        button_.SetBackColor(colour);
        return true;
    }
    if (property == "forecolor") {
        button_.SetForeColor(colour);
        return true;
    }
    if (property == "gradientcolor") {
        button_.SetGradientColor(colour);
        return true;
    }
    if (property == "hoverbackcolor") {
        button_.SetHoverBackColor(colour);
        return true;
    }
    if (property == "hoverforecolor") {
        button_.SetHoverForeColor(colour);
        return true;
    }
    return false;
}

bool ButtonSettings::Apply(const std::string& propertyName, const std::string& value, std::string& error) {
    const std::string property = Lower(propertyName);
    const auto refuse = [&](const std::string& why) {
        error = propertyName + "=" + value + ": " + why;
        return false;
    };
    const auto check = [&](bool taken) { return taken ? true : refuse(RefusalReason(property)); };

    if (const auto ranged = RangedProperties().find(property); ranged != RangedProperties().end()) {
        long long number = 0;
        if (!ParseLong(value, number) || number < ranged->second.lowest || number > ranged->second.highest) {
            return refuse("out of range " + std::to_string(ranged->second.lowest) + " to " +
                          std::to_string(ranged->second.highest));
        }
        (button_.*(ranged->second.set))(static_cast<Long>(number));
        return check((button_.*(ranged->second.get))() == number);
    }
    if (property.find("color") != std::string::npos) {
        OleColor colour = 0;
        if (!ParseOleColour(value, colour)) return refuse("not a colour (decimal OLE value or #RRGGBB)");
        if (!ApplyColour(property, colour)) return refuse("unknown colour property");
        if (property == "forecolor") return check(button_.GetForeColor() == colour);
        return true;
    }
    if (property == "caption") {
        button_.SetCaption(value);
        return true;
    }
    if (property == "value" || property == "enabled" || property == "showfocusrect") {
        bool flag = false;
        if (!ParseBoolean(value, flag)) return refuse("not a Boolean (True, False, -1, 0)");
        const Boolean wanted = ToBoolean(flag);
        if (property == "value") {
            button_.SetValue(wanted);
            return check(button_.GetValue() == wanted);
        }
        if (property == "enabled") button_.SetEnabled(wanted);
        if (property == "showfocusrect") button_.SetShowFocusRect(wanted);
        return true;
    }
    if (property == "picturesize") {
        long long size = 0;
        if (!ParseLong(value, size) || size < 0 || size > 4) return refuse("out of range 0 to 4");
        button_.SetPictureSize(static_cast<Long>(size));
        return check(button_.GetPictureSize() == size);
    }
    if (property == "picture") {
        picture::PicturePtr picture = picture::LoadPictureFile(value);
        if (!picture) return refuse("not a picture file");
        button_.SetPicture(std::move(picture));
        return true;
    }
    if (property == "font") {
        container::Font font;
        if (!ParseFont(value, font)) return refuse("wants name:size, e.g. 宋体:9");
        button_.SetFont(std::make_shared<container::Font>(font));
        return true;
    }
    if (property == "fontstyle") {
        long long bits = 0;
        if (!ParseLong(value, bits) || bits < -2147483648LL || bits > 2147483647LL) {
            return refuse("wants a number: 2 bold, 4 italic, 8 underline");
        }
        button_.SetFontStyle(static_cast<Long>(bits));
        return true;
    }
    return refuse("unknown property");
}

// Every property procedure did its own follow-up work (hover colours
// following, derived colours, layout); only a custom shape that lost its
// picture is left to report.
bool ButtonSettings::Finish(std::string& error) {
    if (button_.IsCustomShape() && (!button_.Picture || button_.PictureIsIcon == 1)) {
        error = "ButtonShape 7 and 8 need a bitmap or JPEG Picture";
        return false;
    }
    return true;
}
