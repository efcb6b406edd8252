// The button control: its state record, the container site it lives in, the
// notices of that container it answers, and its public interface for host
// forms (properties, DelayDrawing, Refresh). The drawing procedures are free
// functions over this class, one header per family (render/, paint/,
// model/Lifecycle.h); the property procedures are members, implemented by
// family in model/Properties*.cpp, persistence in model/Persistence.cpp.
#pragma once

#include "control/input/InputLinks.h"
#include "control/model/ButtonState.h"
#include "platform/container/ControlNotices.h"
#include "platform/container/ControlSite.h"

#include <string>

class ztButtons_H : public ButtonState, public container::ControlNotices {
public:
    // The site may be null (a control not placed anywhere): every value read
    // through it then has its empty or default value and drawing does nothing.
    explicit ztButtons_H(container::ControlSite* site = nullptr);
    ~ztButtons_H() override;  // releases whatever Terminate has not released
    ztButtons_H(const ztButtons_H&) = delete;
    ztButtons_H& operator=(const ztButtons_H&) = delete;

    container::ControlSite* Site() const { return site_; }

    // Values the container keeps for the control.
    container::FontPtr Font() const;
    OleColor ForeColor() const;
    bool Enabled() const;

    // Geometry and handles as the container reports them.
    float ScaleWidth() const;   // client width in pixels
    float ScaleHeight() const;  // client height in pixels
    gdi::HDC HDC() const;
    user::HWND HWnd() const;

    // ---- Public properties ----
    // An assignment out of its range changes nothing and reports nothing; an
    // accepted one reports its property-bag key to the container and redraws
    // (unless drawing is delayed). Refused combinations show an information
    // note at design time only. Booleans: any non-zero value is True.

    Long GetButtonStyle() const { return ButtonStyle; }
    void SetButtonStyle(Long style);  // 0..7, "BackStyle"
    Long GetMode() const { return Mode; }
    void SetMode(Long mode);  // 0..2, "Mode"; joins or leaves the option group
    const std::string& GetCaption() const { return CaptionText; }
    void SetCaption(const std::string& caption);  // "Caption"; sets the access key after "&"
    Long GetCaptionAlign() const { return CaptionAlign; }
    void SetCaptionAlign(Long align);  // 0..2, "CapAlign"
    Long GetCaptionStyle() const { return CaptionStyle; }
    void SetCaptionStyle(Long style);  // 0..2, "CapStyle"
    Long GetCustomClick() const { return CustomClick; }
    void SetCustomClick(Long option);  // 0..8, "CustomClick"
    Long GetButtonShape() const { return ButtonShape; }
    void SetButtonShape(Long shape);  // 0..8, "Shape"; 7 and 8 need a bitmap picture
    picture::PicturePtr GetPicture() const { return Picture; }
    void SetPicture(picture::PicturePtr newPicture);  // "Image"; none allowed
    Long GetPictureAlign() const { return PictureAlign; }
    void SetPictureAlign(Long align);  // 0..5, "ImgAlign"
    Boolean GetEnabled() const { return ToBoolean(Enabled()); }
    void SetEnabled(Boolean enabled);  // "Enabled"
    Boolean GetShowFocusRect() const { return ShowFocusRect; }
    void SetShowFocusRect(Boolean show);  // "Focus"
    Boolean GetValue() const { return Value; }
    void SetValue(Boolean value);  // "Value"; never True in command mode
    Long GetPictureSize();         // 0..4; a fresh PictureSizePx of 0 becomes 16 on reading
    void SetPictureSize(Long size);  // 0..4, "ImgSize"
    Long GetMousePointer() const;
    void SetMousePointer(Long pointer);  // the container checks it, "mPointer"
    picture::PicturePtr GetMouseIcon() const;
    void SetMouseIcon(picture::PicturePtr icon);  // "mIcon"; also makes the pointer custom (99)
    container::FontPtr GetFont() const { return Font(); }
    void SetFont(container::FontPtr font);  // "Font"
    Long GetFontStyle() const;              // 2 bold + 4 italic + 8 underline
    void SetFontStyle(Long style);          // "Font"
    OleColor GetForeColor() const { return ForeColor(); }
    void SetForeColor(OleColor colour);  // "cFore"
    OleColor GetBackColor() const { return BackColor; }
    void SetBackColor(OleColor colour);  // "cBack"
    OleColor GetGradientColor() const { return GradientColor; }
    void SetGradientColor(OleColor colour);  // "cGradient"
    Long GetGradientMode() const { return GradientMode; }
    void SetGradientMode(Long mode);  // 0..4, "Gradient"
    Boolean GetResetDefaultColors() const { return False; }
    void SetResetDefaultColors(Boolean reset);  // design time only; "cGradient", "cBack"
    Long GetHoverColorLocks() const { return HoverColorLocks; }
    void SetHoverColorLocks(Long locks);  // any value, "LockHover"
    OleColor GetHoverForeColor() const { return HoverForeColor; }
    void SetHoverForeColor(OleColor colour);  // "cFHover"
    OleColor GetHoverBackColor() const { return HoverBackColor; }
    void SetHoverBackColor(OleColor colour);  // "cBHover"
    gdi::HDC GetHdc() const { return HDC(); }
    user::HWND GetHwnd() const { return HWnd(); }

    // ---- Public methods ----
    // True suppresses every redraw until DelayDrawing(False) or Refresh,
    // which switch drawing on and draw once.
    void DelayDrawing(Boolean delay);
    void Refresh();

    // ---- Container notices ----
    void InitProperties() override;
    void ReadProperties(const container::PropertyBag& bag) override;
    void WriteProperties(container::PropertyBag& bag) override;
    void Show() override;
    void Resize() override;
    void Paint() override;
    void Terminate() override;

    // The host's receiver of the control's events (control/input/ButtonEvents.h);
    // null: the events go nowhere. The host keeps ownership.
    void SetEventSink(ButtonEvents* events) { links_.events = events; }
    ButtonEvents* EventSink() const { return links_.events; }
    InputLinks& Links() { return links_; }

    // Input notices, handled in control/input.
    void AmbientChanged(std::string_view propertyName) override;
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void Click() override;
    void DblClick() override;
    void KeyDown(std::int16_t& keyCode, std::int16_t shift) override;
    void KeyUp(std::int16_t& keyCode, std::int16_t shift) override;
    void KeyPress(std::int16_t& keyAscii) override;
    void AccessKeyPress(std::int16_t keyAscii) override;
    void GotFocus() override;
    void OLECompleteDrag(std::int32_t& effect) override;
    void OLEDragDrop(container::DataObject& data, std::int32_t& effect, std::int16_t& button, std::int16_t& shift,
                     float& x, float& y) override;
    void OLEDragOver(container::DataObject& data, std::int32_t& effect, std::int16_t& button, std::int16_t& shift,
                     float& x, float& y, std::int16_t& state) override;
    void OLEGiveFeedback(std::int32_t& effect, bool& defaultCursors) override;
    void OLESetData(container::DataObject& data, std::int16_t& dataFormat) override;
    void OLEStartDrag(container::DataObject& data, std::int32_t& allowedEffects) override;

private:
    // Follow-up helpers shared by the property procedures.
    bool InDesignMode() const;
    void ReportChange(const char* key);
    void ShowDesignNote(const char* text);
    void CopyFollowingHoverBackColor();

    container::ControlSite* site_;
    InputLinks links_{*this};  // last member: its references to the control go first
};
