// The settings of a button in its host form's property bag: the defaults of a
// new button (InitProperties), loading (ReadProperties) and saving
// (WriteProperties) under the 23 keys of the stored form.
#include "control/input/OptionGroup.h"
#include "control/model/Lifecycle.h"
#include "control/model/ztButtons_H.h"
#include "control/render/Colors.h"
#include "control/render/DrawingState.h"
#include "control/render/Surface.h"

#include <optional>
#include <string>

using container::Color;
using container::PropertyBag;
using container::PropertyValue;

namespace {

// Each reader gives nullopt for a value that cannot be converted to the
// target's type; the target then keeps what it had. A value that converts is
// taken as stored, without the range checks of the assignments: every reader
// of the record copes with any value (a damaged or hand-edited form).
std::optional<Long> ReadLong(const PropertyBag& bag, const char* key, Long defaultValue) {
    return container::ToLong(bag.ReadProperty(key, defaultValue));
}

std::optional<OleColor> ReadColour(const PropertyBag& bag, const char* key, OleColor defaultValue) {
    return container::ToOleColor(bag.ReadProperty(key, Color{defaultValue}));
}

std::optional<bool> ReadBoolean(const PropertyBag& bag, const char* key, bool defaultValue) {
    return container::ToBoolean(bag.ReadProperty(key, defaultValue));
}

template <typename Target, typename Value>
void StoreIfRead(Target& target, const std::optional<Value>& value) {
    if (value) target = static_cast<Target>(*value);
}

void StoreBooleanIfRead(Boolean& target, const std::optional<bool>& value) {
    if (value) target = ToBoolean(*value);
}

// The control's Tag names its container window, which also names its option group.
void TagWithContainerWindow(container::ControlSite& site) { site.SetTag(std::to_string(site.ContainerHWnd())); }

}  // namespace

void ztButtons_H::InitProperties() {
    if (site_ != nullptr) TagWithContainerWindow(*site_);
    CaptionText = site_ != nullptr ? site_->AmbientDisplayName() : std::string();
    CaptionAlign = CaptionAlignValue::Center;
    ShowFocusRect = True;
    HoverForeColor = SystemColorValue::ButtonText;
    HoverBackColor = SystemColorValue::ButtonFace;
    if (site_ != nullptr) {
        if (!site_->ParentIsMdiForm()) site_->SetFont(site_->ParentFont());
        ParentBackColor = TranslateColor(site_->AmbientBackColor());
    }
    BackColor = SystemColorValue::ButtonFace;
    UpdateDrawingState(*this, "Font");
    UpdateDrawingState(*this, "BackColor");
    for (const char* key : {"Caption", "CapAlign", "Focus", "cFHover", "cBHover", "Font"}) ReportChange(key);
}

void ztButtons_H::ReadProperties(const PropertyBag& bag) {
    if (site_ != nullptr) {
        TagWithContainerWindow(*site_);
        ParentBackColor = TranslateColor(site_->AmbientBackColor());
    }
    DelayDrawing(True);

    StoreIfRead(CaptionText, container::ToString(bag.ReadProperty("Caption", std::string())));
    StoreIfRead(CaptionAlign, ReadLong(bag, "CapAlign", CaptionAlignValue::Center));
    StoreIfRead(ButtonStyle, ReadLong(bag, "BackStyle", 0));
    StoreIfRead(ButtonShape, ReadLong(bag, "Shape", ButtonShapeValue::Rectangle));
    StoreIfRead(GradientMode, ReadLong(bag, "Gradient", GradientModeValue::None));
    StoreIfRead(GradientColor, ReadColour(bag, "cGradient", SystemColorValue::ButtonFace));
    if (const std::optional<OleColor> fore = ReadColour(bag, "cFore", SystemColorValue::ButtonText);
        fore && site_ != nullptr) {
        site_->SetForeColor(*fore);
    }
    if (const std::optional<container::FontPtr> font = container::ToFont(bag.ReadProperty("Font"));
        font && *font && site_ != nullptr) {
        site_->SetFont(*font);
    }
    StoreBooleanIfRead(ShowFocusRect, ReadBoolean(bag, "Focus", true));
    StoreIfRead(Mode, ReadLong(bag, "Mode", ModeValue::CommandButton));
    StoreBooleanIfRead(Value, ReadBoolean(bag, "Value", false));
    StoreIfRead(CustomClick, ReadLong(bag, "CustomClick", 0));
    StoreIfRead(Picture, container::ToPicture(bag.ReadProperty("Image", picture::PicturePtr())));
    StoreIfRead(PictureSizePx, container::ToInteger(bag.ReadProperty("ImgSize", PictureSizeValue::FreshPx)));
    StoreIfRead(PictureAlign, ReadLong(bag, "ImgAlign", PictureAlignValue::LeftEdge));
    StoreIfRead(HoverForeColor, ReadColour(bag, "cFHover", SystemColorValue::ButtonText));
    if (const std::optional<bool> enabled = ReadBoolean(bag, "Enabled", true); enabled && site_ != nullptr) {
        site_->SetEnabled(*enabled);
    }
    StoreIfRead(BackColor,
                ReadColour(bag, "cBack", site_ != nullptr ? site_->ParentBackColor() : SystemColorValue::ButtonFace));
    StoreIfRead(HoverBackColor, ReadColour(bag, "cBHover", BackColor));
    StoreIfRead(HoverColorLocks, ReadLong(bag, "LockHover", HoverColorLocksValue::BothFollow));
    StoreIfRead(CaptionStyle, ReadLong(bag, "CapStyle", CaptionStyleValue::Flat));
    if (const std::optional<picture::PicturePtr> icon = container::ToPicture(bag.ReadProperty("mIcon"))) {
        SetMouseIcon(*icon);
    }
    if (const std::optional<Integer> pointer = container::ToInteger(bag.ReadProperty("mPointer", Integer{0}))) {
        SetMousePointer(*pointer);
    }

    UpdateDrawingState(*this, "Picture");
    UpdateDrawingState(*this, "Font");
    UpdateDrawingState(*this, "BackColor");
    SetCaption(CaptionText);  // sets the access key
    if (Mode == ModeValue::OptionButton) UpdateOptionGroup(*this, OptionGroupJoin);
    DrawingDelayed = False;
    HandleResize(*this);
}

void ztButtons_H::WriteProperties(PropertyBag& bag) {
    const OleColor foreColor = ForeColor();
    const Integer mousePointer = static_cast<Integer>(GetMousePointer());
    bag.WriteProperty("Caption", CaptionText, std::string());
    bag.WriteProperty("CapAlign", CaptionAlign, Long{CaptionAlignValue::Center});
    bag.WriteProperty("BackStyle", ButtonStyle, Long{0});
    bag.WriteProperty("Shape", ButtonShape, Long{ButtonShapeValue::Rectangle});
    bag.WriteProperty("Font", Font(), container::FontPtr());
    bag.WriteProperty("cFore", Color{foreColor}, Color{SystemColorValue::ButtonText});
    bag.WriteProperty("cFHover", Color{HoverForeColor}, Color{SystemColorValue::ButtonText});
    bag.WriteProperty("cBhover", Color{HoverBackColor}, Color{BackColor});
    bag.WriteProperty("Focus", ShowFocusRect != False, true);
    bag.WriteProperty("LockHover", HoverColorLocks, Long{HoverColorLocksValue::BothFollow});
    bag.WriteProperty("cGradient", Color{GradientColor}, Color{SystemColorValue::ButtonFace});
    bag.WriteProperty("Gradient", GradientMode, Long{GradientModeValue::None});
    bag.WriteProperty("CapStyle", CaptionStyle, Long{CaptionStyleValue::Flat});
    bag.WriteProperty("Mode", Mode);
    bag.WriteProperty("Value", Value != False);
    bag.WriteProperty("CustomClick", CustomClick, Long{0});
    bag.WriteProperty("ImgAlign", PictureAlign, Long{PictureAlignValue::LeftEdge});
    bag.WriteProperty("Image", Picture, picture::PicturePtr());
    bag.WriteProperty("ImgSize", PictureSizePx, Integer{PictureSizeValue::FreshPx});
    bag.WriteProperty("Enabled", Enabled(), true);
    bag.WriteProperty("cBack", Color{BackColor});
    bag.WriteProperty("mPointer", mousePointer, Integer{0});
    bag.WriteProperty("mIcon", GetMouseIcon(), picture::PicturePtr());
}
