// The main window's buttons as plain push buttons, until the custom-drawn
// button control takes their place.
#include "app/CommandButton.h"
#include "app/WindowFonts.h"

#include <QPushButton>

namespace app {
namespace {

class PushCommandButton final : public CommandButton {
  public:
    PushCommandButton(QWidget* parent, const CommandButtonLook& look) : button_(new QPushButton(parent)) {
        button_->setObjectName(look.name);
        button_->setGeometry(look.geometry);
        button_->setText(look.caption);
        button_->setFont(SongFont(9.0));
        button_->setCursor(Qt::PointingHandCursor);
        QPalette palette = button_->palette();
        if (look.foreColor.isValid())
            palette.setColor(QPalette::ButtonText, look.foreColor);
        if (look.backColor.isValid())
            palette.setColor(QPalette::Button, look.backColor);
        button_->setPalette(palette);
        QObject::connect(button_, &QPushButton::clicked, button_, [this] {
            if (handler_)
                handler_();
        });
    }

    void OnClick(std::function<void()> handler) override { handler_ = std::move(handler); }
    QString Caption() const override { return button_->text(); }
    void SetCaption(const QString& caption) override { button_->setText(caption); }
    bool Enabled() const override { return button_->isEnabled(); }
    void SetEnabled(bool enabled) override { button_->setEnabled(enabled); }

  private:
    QPushButton* button_; // owned by the parent window
    std::function<void()> handler_;
};

} // namespace

std::unique_ptr<CommandButton> CreateCommandButton(QWidget* parent, const CommandButtonLook& look) {
    return std::make_unique<PushCommandButton>(parent, look);
}

} // namespace app
