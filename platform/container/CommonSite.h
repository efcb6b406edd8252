// The part of a control site that every host does alike: the attached
// control and the notices that only pass through to it, the values the site
// keeps for its control (checked the way the form run-time checks them), the
// control's display name and default-button flag, and the control's size in
// twips over its window's size in pixels. A host derives its site from this
// and adds its window, its input and paint notices and its form.
//
// The control is attached, not owned. Terminate() sends the Terminate notice
// and detaches; detach (or terminate) a control before destroying it.
// Notices are delivered only while a control is attached.
#pragma once

#include "platform/container/ControlNotices.h"
#include "platform/container/ControlSite.h"
#include "platform/window/user.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace container {

class CommonSite : public ControlSite {
  public:
    void Attach(ControlNotices* control) { control_ = control; }
    void Detach() { control_ = nullptr; }
    ControlNotices* Control() const { return control_; }

    // ---- Notices that pass straight to the control ----
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void Show();
    void Terminate();                           // sends Terminate, then detaches
    void AmbientChanged(std::string_view name); // the form sends it too

    void SetDisplayName(std::string name) { displayName_ = std::move(name); }
    void SetDisplayAsDefault(bool isDefault); // sends AmbientChanged("DisplayAsDefault")

    // ---- ControlSite ----
    std::string AmbientDisplayName() const override { return displayName_; }
    bool AmbientDisplayAsDefault() const override { return displayAsDefault_; }
    FontPtr Font() const override { return font_; }
    bool SetFont(const FontPtr& font) override;
    OleColor ForeColor() const override { return foreColor_; }
    bool SetForeColor(OleColor color) override;
    bool Enabled() const override { return enabled_; }
    bool SetEnabled(bool enabled) override;
    std::int16_t MousePointer() const override { return mousePointer_; }
    bool SetMousePointer(std::int16_t pointer) override;
    picture::PicturePtr MouseIcon() const override { return mouseIcon_; }
    bool SetMouseIcon(const picture::PicturePtr& icon) override;
    std::string AccessKeys() const override { return accessKeys_; }
    bool SetAccessKeys(std::string keys) override;
    std::string Tag() const override { return tag_; }
    bool SetTag(std::string tag) override;
    // The form measures in twips, so its container units are twips.
    float ScaleX(float width, ScaleUnit from, ScaleUnit to) const override;
    double TwipsPerPixelX() const override { return system_.TwipsPerPixelX(); }
    double TwipsPerPixelY() const override { return system_.TwipsPerPixelY(); }
    float Width() const override;
    bool SetWidth(float width) override;
    bool Size(float width,
              float height) override; // refuses negative sizes and more pixels than the host allows

  protected:
    // The control starts with a copy of the form's font (none: the default font).
    CommonSite(user::WindowBackend& system, std::string displayName, const FontPtr& formFont,
               int largestPixelSize);
    ~CommonSite() override = default;
    CommonSite(const CommonSite&) = delete;
    CommonSite& operator=(const CommonSite&) = delete;

    // Gives the control's window a new size in pixels; the control hears Resize.
    virtual void ResizeWindow(int width, int height) = 0;

  private:
    ControlNotices* control_ = nullptr;
    user::WindowBackend& system_;
    int largestPixelSize_;
    std::string displayName_;
    bool displayAsDefault_ = false;
    FontPtr font_ = std::make_shared<container::Font>();
    OleColor foreColor_ = static_cast<OleColor>(0x80000012);
    bool enabled_ = true;
    std::int16_t mousePointer_ = 0;
    picture::PicturePtr mouseIcon_;
    std::string accessKeys_;
    std::string tag_;
};

} // namespace container
