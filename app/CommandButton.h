#pragma once
// What the main window uses of its three buttons: the click, the caption and
// the enabled state. The window talks to its buttons only through this, so the
// kind of button behind it can change without touching the commands.
#include "platform/container/PropertyBag.h"

#include <QRect>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace app {

class CommandButton {
  public:
    virtual ~CommandButton() = default;
    virtual void OnClick(std::function<void()> handler) = 0;
    virtual QString Caption() const = 0;
    virtual void SetCaption(const QString& caption) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

// Where a button of the main window sits and the settings it is stored with.
struct CommandButtonPlace {
    QString name;   // object name, e.g. "cmdDateTime"
    QRect geometry; // pixels in the window's client area
    container::PropertyBag stored;
};

std::unique_ptr<CommandButton> CreateCommandButton(QWidget* parent, const CommandButtonPlace& place);

} // namespace app
