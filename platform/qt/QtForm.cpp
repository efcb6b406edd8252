#include "platform/qt/QtForm.h"

#include "platform/qt/QtControlSite.h"

#include <QGuiApplication>
#include <QWidget>

#include <algorithm>

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

void QtForm::SetBackColor(container::OleColor color) {
    backColor_ = color;
    SendAmbientChanged("BackColor");
}

void QtForm::SetUserMode(bool userMode) {
    userMode_ = userMode;
    SendAmbientChanged("UserMode");
}

void QtForm::AddSite(QtControlSite* site) {
    sites_.push_back(site);
}

void QtForm::RemoveSite(QtControlSite* site) {
    std::erase(sites_, site);
}

void QtForm::SendAmbientChanged(const char* name) {
    // A handler may remove sites (even its own): walk a copy and skip the departed.
    const std::vector<QtControlSite*> sites = sites_;
    for (QtControlSite* site : sites) {
        if (std::find(sites_.begin(), sites_.end(), site) != sites_.end())
            site->AmbientChanged(name);
    }
}

} // namespace qtplatform
