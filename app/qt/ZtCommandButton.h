#pragma once
// A drawn button of the main window as a ZtButton widget, loaded from its
// stored settings.
#include "app/WindowParts.h"
#include "platform/container/PropertyBag.h"

#include <QPointer>
#include <QRect>

#include <functional>

namespace ztbuttons {
class ZtButton;
}
class QWidget;

namespace app::qt {

class ZtCommandButton final : public CommandButton {
  public:
    ZtCommandButton(QWidget* parent, const char* name, const QRect& geometry, const container::PropertyBag& stored);
    ~ZtCommandButton() override;

    void OnClick(std::function<void()> handler) override { handler_ = std::move(handler); }
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    bool Enabled() const override;
    void SetEnabled(bool enabled) override;
    ztbuttons::ZtButton* Widget() const { return button_; }

  private:
    QPointer<ztbuttons::ZtButton> button_; // a child of the window; deleted first here
    std::function<void()> handler_;
};

} // namespace app::qt
