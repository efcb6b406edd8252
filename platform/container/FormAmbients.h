// The ambient values a host form gives the controls sited on it (BackColor,
// Font, user mode) and the list of those sites. Changing BackColor or the
// user mode sends AmbientChanged to every site on the form.
#pragma once

#include "platform/container/Font.h"
#include "platform/container/PropertyValue.h"

#include <vector>

namespace container {

class CommonSite;

class FormAmbients {
  public:
    FormAmbients() = default;
    FormAmbients(const FormAmbients&) = delete;
    FormAmbients& operator=(const FormAmbients&) = delete;

    OleColor BackColor() const { return backColor_; }
    void SetBackColor(OleColor color); // sends AmbientChanged("BackColor")
    bool UserMode() const { return userMode_; }
    void SetUserMode(bool userMode); // sends AmbientChanged("UserMode")
    FontPtr Font() const { return font_; }
    void SetFont(FontPtr font) { font_ = std::move(font); }

    // A site joins its form when made and leaves it when it goes.
    void AddSite(CommonSite* site);
    void RemoveSite(CommonSite* site);

  protected:
    ~FormAmbients() = default;

  private:
    void SendAmbientChanged(const char* name);

    OleColor backColor_ = static_cast<OleColor>(0x8000000F);
    bool userMode_ = true;
    FontPtr font_ = std::make_shared<container::Font>();
    std::vector<CommonSite*> sites_;
};

} // namespace container
