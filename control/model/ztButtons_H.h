// The button control: its state record, the container site it lives in, and
// the notices of that container it answers. The control's procedures are
// free functions over this class, one header per family (render/, paint/,
// model/Lifecycle.h); the class itself only routes notices to them.
#pragma once

#include "control/input/InputLinks.h"
#include "control/model/ButtonState.h"
#include "platform/container/ControlNotices.h"
#include "platform/container/ControlSite.h"

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

    // Container notices handled by the rendering core and lifecycle.
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
    container::ControlSite* site_;
    InputLinks links_{*this};  // last member: its references to the control go first
};
