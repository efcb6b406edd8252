#include "app/qt/ZtCommandButton.h"

#include "ztbuttons/ZtButton.h"

namespace app::qt {

ZtCommandButton::ZtCommandButton(QWidget* parent, const char* name, const QRect& geometry,
                                 const container::PropertyBag& stored)
    : button_(new ztbuttons::ZtButton(parent)) {
    button_->setObjectName(name);
    button_->setGeometry(geometry);
    button_->loadSettings(QString::fromStdString(stored.ToText()));
    QObject::connect(button_, &ztbuttons::ZtButton::clicked, button_, [this] {
        if (handler_)
            handler_();
    });
}

ZtCommandButton::~ZtCommandButton() {
    delete button_.data();
}

std::string ZtCommandButton::Caption() const {
    return button_ ? button_->caption().toStdString() : std::string();
}

void ZtCommandButton::SetCaption(const std::string& caption) {
    if (button_)
        button_->setCaption(QString::fromStdString(caption));
}

bool ZtCommandButton::Enabled() const {
    return button_ && button_->isEnabled();
}

void ZtCommandButton::SetEnabled(bool enabled) {
    if (button_)
        button_->setEnabled(enabled);
}

} // namespace app::qt
