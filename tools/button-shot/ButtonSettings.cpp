#include "ButtonSettings.h"

#include "control/render/DrawingState.h"
#include "control/render/Surface.h"
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

// Long properties with their accepted range, and where they are stored.
struct RangedProperty {
    long long lowest;
    long long highest;
    Long ButtonState::*member;
};

const std::map<std::string, RangedProperty>& RangedProperties() {
    static const std::map<std::string, RangedProperty> properties = {
        {"buttonstyle", {0, 7, &ButtonState::ButtonStyle}},
        {"buttonshape", {0, 8, &ButtonState::ButtonShape}},
        {"mode", {0, 2, &ButtonState::Mode}},
        {"captionalign", {0, 2, &ButtonState::CaptionAlign}},
        {"captionstyle", {0, 2, &ButtonState::CaptionStyle}},
        {"customclick", {0, 8, &ButtonState::CustomClick}},
        {"picturealign", {0, 5, &ButtonState::PictureAlign}},
        {"gradientmode", {0, 4, &ButtonState::GradientMode}},
        {"hovercolorlocks", {-2147483648LL, 2147483647LL, &ButtonState::HoverColorLocks}},
    };
    return properties;
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
    button_.CaptionAlign = CaptionAlignValue::Center;
    button_.GradientColor = SystemColorValue::ButtonFace;
    button_.ShowFocusRect = True;
    button_.PictureSizePx = PictureSizeValue::FreshPx;
    button_.HoverForeColor = SystemColorValue::ButtonText;
    button_.BackColor = site_.AmbientBackColor();
    button_.HoverBackColor = button_.BackColor;
    button_.ParentBackColor = TranslateColor(site_.ParentBackColor());
    site_.SetForeColor(SystemColorValue::ButtonText);
}

bool ButtonSettings::ApplyColour(const std::string& property, OleColor colour) {
    if (property == "backcolor") {
        button_.BackColor = colour;
    } else if (property == "forecolor") {
        site_.SetForeColor(colour);
    } else if (property == "gradientcolor") {
        button_.GradientColor = colour;
    } else if (property == "hoverbackcolor") {
        button_.HoverBackColor = colour;
        hoverBackSet_ = true;
    } else if (property == "hoverforecolor") {
        button_.HoverForeColor = colour;
        hoverForeSet_ = true;
    } else {
        return false;
    }
    return true;
}

bool ButtonSettings::Apply(const std::string& propertyName, const std::string& value, std::string& error) {
    const std::string property = Lower(propertyName);
    const auto refuse = [&](const std::string& why) {
        error = propertyName + "=" + value + ": " + why;
        return false;
    };

    if (const auto ranged = RangedProperties().find(property); ranged != RangedProperties().end()) {
        long long number = 0;
        if (!ParseLong(value, number) || number < ranged->second.lowest || number > ranged->second.highest) {
            return refuse("out of range " + std::to_string(ranged->second.lowest) + " to " +
                          std::to_string(ranged->second.highest));
        }
        button_.*(ranged->second.member) = static_cast<Long>(number);
        return true;
    }
    if (property.find("color") != std::string::npos) {
        OleColor colour = 0;
        if (!ParseOleColour(value, colour)) return refuse("not a colour (decimal OLE value or #RRGGBB)");
        if (!ApplyColour(property, colour)) return refuse("unknown colour property");
        return true;
    }
    if (property == "caption") {
        button_.CaptionText = value;
        return true;
    }
    if (property == "value" || property == "enabled" || property == "showfocusrect") {
        bool flag = false;
        if (!ParseBoolean(value, flag)) return refuse("not a Boolean (True, False, -1, 0)");
        if (property == "value") button_.Value = ToBoolean(flag);
        if (property == "enabled") site_.SetEnabled(flag);
        if (property == "showfocusrect") button_.ShowFocusRect = ToBoolean(flag);
        return true;
    }
    if (property == "picturesize") {
        long long size = 0;
        if (!ParseLong(value, size) || size < 0 || size > 4) return refuse("out of range 0 to 4");
        button_.PictureSizePx = PictureSizeValue::ToPx(static_cast<Integer>(size));
        return true;
    }
    if (property == "picture") {
        picture::PicturePtr picture = picture::LoadPictureFile(value);
        if (!picture) return refuse("not a picture file");
        button_.Picture = std::move(picture);
        return true;
    }
    if (property == "font") {
        container::Font font;
        if (!ParseFont(value, font)) return refuse("wants name:size, e.g. 宋体:9");
        site_.SetFont(std::make_shared<container::Font>(font));
        return true;
    }
    if (property == "fontstyle") {
        long long bits = 0;
        if (!ParseLong(value, bits)) return refuse("wants a number: 2 bold, 4 italic, 8 underline");
        auto font = site_.Font() ? site_.Font()->Clone() : std::make_shared<container::Font>();
        font->SetBold((bits & 2) != 0);
        font->SetItalic((bits & 4) != 0);
        font->SetUnderline((bits & 8) != 0);
        site_.SetFont(font);
        return true;
    }
    return refuse("unknown property");
}

bool ButtonSettings::Finish(std::string& error) {
    if (button_.IsCustomShape()) {
        const bool bitmap = button_.Picture && button_.Picture->Type() == picture::PictureType::Bitmap;
        if (!bitmap) {
            error = "ButtonShape 7 and 8 need a bitmap or JPEG Picture";
            return false;
        }
        button_.PictureSizePx = PictureSizeValue::FittedPx;  // the picture is the button
    }
    if (button_.Value != False && button_.Mode == ModeValue::CommandButton) {
        error = "Value=True needs Mode 1 (check box) or 2 (option button)";
        return false;
    }

    const Long locks = button_.HoverColorLocks;
    const bool backFollows = locks == HoverColorLocksValue::BothFollow || locks == HoverColorLocksValue::ForeLocked;
    const bool foreFollows = locks == HoverColorLocksValue::BothFollow || locks == HoverColorLocksValue::BackLocked;
    if (backFollows && !hoverBackSet_) {
        button_.HoverBackColor =
            button_.GradientMode != GradientModeValue::None ? button_.GradientColor : button_.BackColor;
    }
    if (foreFollows && !hoverForeSet_) button_.HoverForeColor = site_.ForeColor();

    UpdateDrawingState(button_, "Picture");
    UpdateDrawingState(button_, "BackColor");
    return true;
}
