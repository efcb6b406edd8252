// The button control: its state record, the container site it lives in, and
// the notices of that container it answers. The control's procedures are
// free functions over this class, one header per family (render/, paint/,
// model/Lifecycle.h); the class itself only routes notices to them.
#pragma once

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

private:
    container::ControlSite* site_;
};
