#include "platform/qt/QtForm.h"

#include <QGuiApplication>
#include <QWidget>

namespace qtplatform {

QtForm::QtForm(QtWindowSystem& system, QWidget* widget)
    : QObject(widget), system_(system), hwnd_(system.Register(widget)) {}

QtForm::~QtForm() = default;

QtForm& QtForm::Of(QtWindowSystem& system, QWidget* widget) {
    // dynamic_cast, not findChild: the form carries no meta-object of its own.
    for (QObject* child : widget->children()) {
        if (auto* form = dynamic_cast<QtForm*>(child))
            return *form;
    }
    return *new QtForm(system, widget); // owned by the widget
}

QWidget* QtForm::Widget() const {
    return static_cast<QWidget*>(parent());
}

QString QtForm::Title() const {
    const QString name = QGuiApplication::applicationDisplayName();
    return name.isEmpty() ? Widget()->windowTitle() : name;
}

} // namespace qtplatform
