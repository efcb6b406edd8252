// The main window's buttons as ZtButton widgets, each loaded from its stored
// settings.
#include "app/CommandButton.h"

#include "ztbuttons/ZtButton.h"

#include <QPointer>

namespace app {
namespace {

class ZtCommandButton final : public CommandButton {
  public:
    ZtCommandButton(QWidget* parent, const CommandButtonPlace& place)
        : button_(new ztbuttons::ZtButton(parent)) {
        button_->setObjectName(place.name);
        button_->setGeometry(place.geometry);
        button_->loadSettings(QString::fromStdString(place.stored.ToText()));
        QObject::connect(button_, &ztbuttons::ZtButton::clicked, button_, [this] {
            if (handler_)
                handler_();
        });
    }

    ~ZtCommandButton() override { delete button_.data(); }

    void OnClick(std::function<void()> handler) override { handler_ = std::move(handler); }
    QString Caption() const override { return button_ ? button_->caption() : QString(); }
    void SetCaption(const QString& caption) override {
        if (button_)
            button_->setCaption(caption);
    }
    bool Enabled() const override { return button_ && button_->isEnabled(); }
    void SetEnabled(bool enabled) override {
        if (button_)
            button_->setEnabled(enabled);
    }

  private:
    QPointer<ztbuttons::ZtButton> button_; // a child of the window; deleted first here
    std::function<void()> handler_;
};

} // namespace

std::unique_ptr<CommandButton> CreateCommandButton(QWidget* parent, const CommandButtonPlace& place) {
    return std::make_unique<ZtCommandButton>(parent, place);
}

} // namespace app
