// The host form of controls on Qt: a widget registered as a window, with the
// values its controls read as ambient and parent values (BackColor, Font,
// user mode, multiple-document frame). Changing an ambient value sends
// AmbientChanged to every control sited on the form.
//
// A form is a child object of its widget, so it lives exactly as long as the
// widget; Of() finds or makes the form of a widget.
#pragma once

#include "platform/container/FormAmbients.h"
#include "platform/qt/QtWindowSystem.h"

#include <QObject>

class QWidget;

namespace qtplatform {

// BackColor, Font and user mode, and the list of sites: FormAmbients.
class QtForm final : public QObject, public container::FormAmbients {
  public:
    QtForm(QtWindowSystem& system, QWidget* widget);
    ~QtForm() override;

    static QtForm& Of(QtWindowSystem& system, QWidget* widget);

    QtWindowSystem& System() const { return system_; }
    QWidget* Widget() const;
    user::HWND HWnd() const { return hwnd_; }

    bool IsMdiForm() const { return false; } // Qt has no multiple-document frame here
    QString Title() const;                   // the application's display name, else the window title

  private:
    QtWindowSystem& system_;
    user::HWND hwnd_;
};

} // namespace qtplatform
