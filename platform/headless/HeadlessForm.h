// A host form for tests: a top-level window on the headless window system
// with the values its controls read as ambient and parent values (BackColor,
// Font, user mode, multiple-document frame, application title). Changing an
// ambient value sends AmbientChanged to every control sited on the form.
// A form must outlive its sites.
#pragma once

#include "platform/container/FormAmbients.h"
#include "platform/headless/HeadlessWindowSystem.h"

#include <string>

namespace headless {

// BackColor, Font and user mode, and the list of sites: FormAmbients.
class HeadlessForm final : public container::FormAmbients {
  public:
    HeadlessForm(HeadlessWindowSystem& system, int x = 100, int y = 100, int width = 400, int height = 300);
    ~HeadlessForm();
    HeadlessForm(const HeadlessForm&) = delete;
    HeadlessForm& operator=(const HeadlessForm&) = delete;

    HeadlessWindowSystem& System() const { return system_; }
    user::HWND HWnd() const { return hwnd_; }

    bool IsMdiForm() const { return isMdiForm_; }
    void SetMdiForm(bool isMdiForm) { isMdiForm_ = isMdiForm; }
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }

  private:
    HeadlessWindowSystem& system_;
    user::HWND hwnd_;
    bool isMdiForm_ = false;
    std::string title_ = "DunmoraDesk";
};

} // namespace headless
