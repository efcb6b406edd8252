// A host form for tests: a top-level window on the headless window system
// with the values its controls read as ambient and parent values (BackColor,
// Font, user mode, multiple-document frame, application title). Changing an
// ambient value sends AmbientChanged to every control sited on the form.
// A form must outlive its sites.
#pragma once

#include "platform/container/Font.h"
#include "platform/container/PropertyValue.h"
#include "platform/headless/HeadlessWindowSystem.h"

#include <string>
#include <vector>

namespace headless {

class HeadlessSite;

class HeadlessForm {
  public:
    HeadlessForm(HeadlessWindowSystem& system, int x = 100, int y = 100, int width = 400, int height = 300);
    ~HeadlessForm();
    HeadlessForm(const HeadlessForm&) = delete;
    HeadlessForm& operator=(const HeadlessForm&) = delete;

    HeadlessWindowSystem& System() const { return system_; }
    user::HWND HWnd() const { return hwnd_; }

    container::OleColor BackColor() const { return backColor_; }
    void SetBackColor(container::OleColor color); // sends AmbientChanged("BackColor")
    bool UserMode() const { return userMode_; }
    void SetUserMode(bool userMode); // sends AmbientChanged("UserMode")
    container::FontPtr Font() const { return font_; }
    void SetFont(container::FontPtr font) { font_ = std::move(font); }
    bool IsMdiForm() const { return isMdiForm_; }
    void SetMdiForm(bool isMdiForm) { isMdiForm_ = isMdiForm; }
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

  private:
    friend class HeadlessSite;
    void AddSite(HeadlessSite* site);
    void RemoveSite(HeadlessSite* site);
    void SendAmbientChanged(const char* name);

    HeadlessWindowSystem& system_;
    user::HWND hwnd_;
    container::OleColor backColor_ = static_cast<container::OleColor>(0x8000000F);
    bool userMode_ = true;
    container::FontPtr font_ = std::make_shared<container::Font>();
    bool isMdiForm_ = false;
    std::string title_ = "DunmoraDesk";
    std::vector<HeadlessSite*> sites_;
};

} // namespace headless
