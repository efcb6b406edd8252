#include "control/model/ztButtons_H.h"

#include "control/model/Lifecycle.h"

ztButtons_H::ztButtons_H(container::ControlSite* site) : site_(site) {}

// The container sends Terminate before it lets go of the control; whatever is
// still held here (a control that never got Terminate) is released without
// calling into a site that may already be gone.
ztButtons_H::~ztButtons_H() { ReleaseOwnedHandles(*this); }

container::FontPtr ztButtons_H::Font() const { return site_ ? site_->Font() : nullptr; }

OleColor ztButtons_H::ForeColor() const { return site_ ? site_->ForeColor() : SystemColorValue::ButtonText; }

bool ztButtons_H::Enabled() const { return site_ ? site_->Enabled() : true; }

float ztButtons_H::ScaleWidth() const { return site_ ? site_->ScaleWidth() : 0.0f; }

float ztButtons_H::ScaleHeight() const { return site_ ? site_->ScaleHeight() : 0.0f; }

gdi::HDC ztButtons_H::HDC() const { return site_ ? site_->HDC() : 0; }

user::HWND ztButtons_H::HWnd() const { return site_ ? site_->HWnd() : 0; }

void ztButtons_H::DelayDrawing(Boolean delay) { ::DelayDrawing(*this, delay != False); }

void ztButtons_H::Refresh() { ::Refresh(*this); }

void ztButtons_H::Show() { HandleShow(*this); }

void ztButtons_H::Resize() { HandleResize(*this); }

void ztButtons_H::Paint() { ::Refresh(*this); }

void ztButtons_H::Terminate() { HandleTerminate(*this); }

// A control without a site is never being designed: notes need a host to show them.
bool ztButtons_H::InDesignMode() const { return site_ != nullptr && !site_->AmbientUserMode(); }

void ztButtons_H::ReportChange(const char* key) {
    if (site_ != nullptr) site_->PropertyChanged(key);
}

void ztButtons_H::ShowDesignNote(const char* text) {
    if (InDesignMode()) site_->InformationMessage(text);
}
