#include "widget/ZtButtonAccessible.h"

#include "widget/ZtButtonValues.h"
#include "ztbuttons/ZtButton.h"

#include <QAccessibleWidget>

#include <mutex>

namespace ztbuttons {
namespace {

class ZtButtonAccessible final : public QAccessibleWidget {
  public:
    explicit ZtButtonAccessible(ZtButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    ZtButton* Button() const { return static_cast<ZtButton*>(widget()); }

    QAccessible::Role role() const override {
        switch (Button()->mode()) {
        case 1:
            return QAccessible::CheckBox;
        case 2:
            return QAccessible::RadioButton;
        default:
            return QAccessible::Button;
        }
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString name = QAccessibleWidget::text(t); // an accessibleName set by the host wins
            return name.isEmpty() ? CaptionWithoutMarkers(Button()->caption()).replace("||", "\n") : name;
        }
        if (t == QAccessible::Accelerator) {
            const QString key = Button()->accessKey();
            return key.isEmpty() ? QString() : QKeySequence(Qt::ALT).toString() + key.toUpper();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state(); // focusable, focused, disabled, invisible
        state.focused = Button()->hasFocus();
        state.pressed = Button()->isDown();
        if (Button()->mode() != 0) {
            state.checkable = true;
            state.checked = Button()->value();
        }
        return state;
    }

    QStringList actionNames() const override {
        if (!widget()->isEnabled())
            return {};
        QStringList names{pressAction()};
        if (Button()->mode() != 0)
            names << toggleAction();
        return names;
    }

    void doAction(const QString& actionName) override {
        if (!widget()->isEnabled())
            return;
        if (actionName == pressAction() || actionName == toggleAction())
            Button()->click();
    }

    QStringList keyBindingsForAction(const QString& actionName) const override {
        const QString accelerator = text(QAccessible::Accelerator);
        if (accelerator.isEmpty() || (actionName != pressAction() && actionName != toggleAction()))
            return {};
        return {accelerator};
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String(ZtButton::staticMetaObject.className()) && object != nullptr &&
        object->isWidgetType())
        return new ZtButtonAccessible(static_cast<ZtButton*>(object));
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(Factory); });
}

void NotifyStateChange(ZtButton& button, StateChange change) {
    QAccessible::State changed;
    switch (change) {
    case StateChange::Checked:
        changed.checked = true;
        break;
    case StateChange::Checkable:
        changed.checkable = true;
        break;
    case StateChange::Pressed:
        changed.pressed = true;
        break;
    case StateChange::Disabled:
        changed.disabled = true;
        break;
    case StateChange::Focused:
        changed.focused = true;
        break;
    }
    QAccessibleStateChangeEvent event(&button, changed);
    QAccessible::updateAccessibility(&event);
}

void NotifyAccessibility(ZtButton& button, QAccessible::Event type) {
    QAccessibleEvent event(&button, type);
    QAccessible::updateAccessibility(&event);
}

} // namespace ztbuttons
