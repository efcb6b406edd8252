// Mode, Value, the mouse pointer and icon, Font and FontStyle.
#include "control/input/OptionGroup.h"
#include "control/model/PropertyNotes.h"
#include "control/model/PropertyRanges.h"
#include "control/model/ztButtons_H.h"
#include "control/paint/RedrawButton.h"
#include "control/render/DrawingState.h"
#include "control/render/Layout.h"

#include <limits>

void ztButtons_H::SetMode(Long mode) {
    if (!kModeRange.Contains(mode)) return;
    // The old mode may be any number a stored form held: only option mode is
    // a member of the group, and only command mode is never checked.
    const Long oldMode = Mode;
    if (oldMode == ModeValue::OptionButton && mode != ModeValue::OptionButton) {
        UpdateOptionGroup(*this, OptionGroupLeave);
    }
    if (mode == ModeValue::OptionButton && oldMode != ModeValue::OptionButton) {
        UpdateOptionGroup(*this, OptionGroupJoin);
    }
    // A command button is never checked; cleared while the old mode still allows it.
    if (mode == ModeValue::CommandButton && oldMode != ModeValue::CommandButton)
        SetValue(False);
    Mode = mode;
    RedrawButton(*this);
    ReportChange("Mode");
}

void ztButtons_H::SetValue(Boolean value) {
    const Boolean newValue = ToBoolean(value != False);
    if (newValue == True && Mode == ModeValue::CommandButton) {
        ShowDesignNote(property_notes::kValueInCommandMode);
        return;
    }
    Value = newValue;
    if (newValue == True && Mode == ModeValue::OptionButton) UpdateOptionGroup(*this, OptionGroupClearOthers);
    RedrawButton(*this);
    ReportChange("Value");
}

Long ztButtons_H::GetMousePointer() const { return site_ != nullptr ? site_->MousePointer() : 0; }

void ztButtons_H::SetMousePointer(Long pointer) {
    // The container keeps a 16-bit pointer number and refuses the ones it does
    // not know; a number it cannot take leaves its pointer as it was, and the
    // assignment is reported all the same.
    const bool fitsInteger =
        pointer >= std::numeric_limits<Integer>::min() && pointer <= std::numeric_limits<Integer>::max();
    if (fitsInteger && site_ != nullptr)
        site_->SetMousePointer(static_cast<Integer>(pointer));
    ReportChange("mPointer");
}

picture::PicturePtr ztButtons_H::GetMouseIcon() const { return site_ != nullptr ? site_->MouseIcon() : nullptr; }

void ztButtons_H::SetMouseIcon(picture::PicturePtr icon) {
    // A picture the container refuses (neither icon nor cursor) leaves its icon
    // as it was; the pointer still becomes the custom one the assignment asks for.
    if (site_ != nullptr)
        site_->SetMouseIcon(icon);
    if (!icon) return;
    SetMousePointer(container::kMousePointerCustom);
    ReportChange("mIcon");
}

void ztButtons_H::SetFont(container::FontPtr font) {
    // The container refuses none; the button then keeps its font and is still
    // rebuilt, redrawn and reported.
    if (site_ != nullptr)
        site_->SetFont(font);
    UpdateDrawingState(*this, "Font");
    LayoutCaptionAndImage(*this, false);
    RedrawButton(*this);
    ReportChange("Font");
}

Long ztButtons_H::GetFontStyle() const {
    const container::FontPtr font = Font();
    if (!font) return 0;
    return (font->Bold() ? 2 : 0) + (font->Italic() ? 4 : 0) + (font->Underline() ? 8 : 0);
}

void ztButtons_H::SetFontStyle(Long style) {
    // The container's font itself is changed; strikethrough is left alone.
    if (const container::FontPtr font = Font()) {
        font->SetBold((style & 2) == 2);
        font->SetItalic((style & 4) == 4);
        font->SetUnderline((style & 8) == 8);
    }
    UpdateDrawingState(*this, "Font");
    LayoutCaptionAndImage(*this, false);
    ReportChange("Font");
    RedrawButton(*this);
}
