#include "widget/ZtButtonAccessible.h"

#include "platform/qt/QtControlSite.h"
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

    // The drawn window inside is no object of its own (see DrawnWindowAccessible).
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            // Only a name the program set wins over the caption: Qt's own
            // fallback would take a group box's title or a label's text.
            const QString own = widget()->accessibleName();
            return own.isEmpty() ? CaptionWithoutMarkers(Button()->caption()).replace("||", "\n") : own;
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

    // Press (and toggle when checkable) click the button; set focus is Qt's,
    // which a screen reader's "grab focus" asks for.
    QStringList actionNames() const override {
        if (!widget()->isEnabled())
            return {};
        QStringList names{pressAction()};
        if (Button()->mode() != 0)
            names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override {
        if (!widget()->isEnabled())
            return;
        if (actionName == pressAction() || actionName == toggleAction())
            Button()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

    QStringList keyBindingsForAction(const QString& actionName) const override {
        const QString accelerator = text(QAccessible::Accelerator);
        if (accelerator.isEmpty() || (actionName != pressAction() && actionName != toggleAction()))
            return {};
        return {accelerator};
    }
};

// The control's window inside a button holds the keyboard focus for it (the
// button's focus proxy), so Qt reports focus and state changes on that window.
// The button stands for it: the window's interface answers as not valid, which
// makes Qt drop its events before they reach the platform's bridge, and the
// button reports them itself (ZtButton::eventFilter).
class DrawnWindowAccessible final : public QAccessibleWidget {
  public:
    explicit DrawnWindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Button) {}
    bool isValid() const override { return false; }
};

bool IsDrawnWindow(QObject* object) {
    return dynamic_cast<qtplatform::QtControlSite*>(object) != nullptr &&
           qobject_cast<ZtButton*>(object->parent()) != nullptr;
}

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String(ZtButton::staticMetaObject.className()))
        return new ZtButtonAccessible(static_cast<ZtButton*>(object));
    if (className == QLatin1String("QWidget") && IsDrawnWindow(object))
        return new DrawnWindowAccessible(static_cast<QWidget*>(object));
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
