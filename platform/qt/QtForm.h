// The host form of controls on Qt: a widget registered as a window, with the
// values its controls read as ambient and parent values (BackColor, Font,
// user mode, multiple-document frame). Changing an ambient value sends
// AmbientChanged to every control sited on the form.
//
// A form is a child object of its widget, so it lives exactly as long as the
// widget; Of() finds or makes the form of a widget.
#pragma once

#include "platform/container/Font.h"
#include "platform/container/PropertyValue.h"
#include "platform/qt/QtWindowSystem.h"

#include <QObject>
#include <QPointer>

#include <vector>

class QWidget;

namespace qtplatform {

class QtControlSite;

class QtForm final : public QObject {
  public:
    QtForm(QtWindowSystem& system, QWidget* widget);
    ~QtForm() override;

    static QtForm& Of(QtWindowSystem& system, QWidget* widget);

    QtWindowSystem& System() const { return system_; }
    QWidget* Widget() const;
    user::HWND HWnd() const { return hwnd_; }

    container::OleColor BackColor() const { return backColor_; }
    void SetBackColor(container::OleColor color); // sends AmbientChanged("BackColor")
    bool UserMode() const { return userMode_; }
    void SetUserMode(bool userMode); // sends AmbientChanged("UserMode")
    container::FontPtr Font() const { return font_; }
    void SetFont(container::FontPtr font) { font_ = std::move(font); }
    bool IsMdiForm() const { return false; } // Qt has no multiple-document frame here
    QString Title() const;                   // the application's display name, else the window title

  private:
    friend class QtControlSite;
    void AddSite(QtControlSite* site);
    void RemoveSite(QtControlSite* site);
    void SendAmbientChanged(const char* name);

    QtWindowSystem& system_;
    user::HWND hwnd_;
    container::OleColor backColor_ = static_cast<container::OleColor>(0x8000000F);
    bool userMode_ = true;
    container::FontPtr font_ = std::make_shared<container::Font>();
    std::vector<QtControlSite*> sites_;
};

} // namespace qtplatform
