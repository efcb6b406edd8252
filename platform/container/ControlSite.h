// What a control may ask of the container that hosts it: ambient values of
// the host, change reports, the values the container keeps for the control,
// geometry and handles, the parent form, and the information message box.
// Any call may fail; a failed setter returns false and changes nothing.
#pragma once

#include "platform/container/Font.h"
#include "platform/container/PropertyValue.h"
#include "platform/gdi/gdi.h"
#include "platform/picture/Picture.h"
#include "platform/window/user.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace container {

// Units of ScaleX, with their form run-time numbers.
enum class ScaleUnit { Twips = 1, Points = 2, Pixels = 3, ContainerSize = 5 };

constexpr std::int16_t kMousePointerCustom = 99;

class ControlSite {
  public:
    virtual ~ControlSite() = default;

    // Ambient values, read on demand.
    virtual OleColor AmbientBackColor() const = 0;
    virtual std::string AmbientDisplayName() const = 0;
    virtual bool AmbientUserMode() const = 0; // false while the host is being designed
    virtual bool AmbientDisplayAsDefault() const = 0;

    // Marks a property as changed so that the container saves it.
    virtual void PropertyChanged(std::string_view key) = 0;

    // Values the container keeps for the control.
    virtual FontPtr Font() const = 0; // the kept font itself: changing it changes the control's font
    virtual bool SetFont(const FontPtr& font) = 0; // keeps a copy; refuses none
    virtual OleColor ForeColor() const = 0;
    virtual bool SetForeColor(OleColor color) = 0;
    virtual bool Enabled() const = 0;
    virtual bool SetEnabled(bool enabled) = 0;
    virtual std::int16_t MousePointer() const = 0;
    virtual bool SetMousePointer(std::int16_t pointer) = 0; // 0..15 or 99 (custom)
    virtual picture::PicturePtr MouseIcon() const = 0;
    virtual bool SetMouseIcon(const picture::PicturePtr& icon) = 0; // an icon, or none
    virtual std::string AccessKeys() const = 0;
    virtual bool SetAccessKeys(std::string keys) = 0;
    virtual std::string Tag() const = 0;
    virtual bool SetTag(std::string tag) = 0;

    // Geometry and handles.
    virtual user::HWND HWnd() const = 0;          // the control's window
    virtual gdi::HDC HDC() const = 0;             // its device context, valid for the control's life
    virtual user::HWND ContainerHWnd() const = 0; // the window of the container holding the control
    virtual float ScaleWidth() const = 0;         // client width in pixels
    virtual float ScaleHeight() const = 0;        // client height in pixels
    virtual float ScaleX(float width, ScaleUnit from, ScaleUnit to) const = 0;
    virtual float Width() const = 0;                  // in container units
    virtual bool SetWidth(float width) = 0;           // in container units
    virtual bool Size(float width, float height) = 0; // in twips
    virtual void Refresh() = 0;                       // show what was drawn on HDC() now
    // Twips per pixel of the screen the control is on: 15 on a classic
    // 96-dpi screen, 7.5 where every pixel of it is two pixels of the screen.
    virtual double TwipsPerPixelX() const { return user::TwipsPerPixelX(); }
    virtual double TwipsPerPixelY() const { return user::TwipsPerPixelY(); }

    // The parent form.
    virtual OleColor ParentBackColor() const = 0;
    virtual FontPtr ParentFont() const = 0;
    virtual bool ParentIsMdiForm() const = 0;

    // Message box with the information icon, an OK button and the application title.
    virtual void InformationMessage(std::string_view text) = 0;
};

} // namespace container
