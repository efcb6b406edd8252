// The main window's buttons as ztButtons_H controls, each on its own Qt site
// in the window, loaded from its stored settings.
#include "app/CommandButton.h"

#include "control/input/ButtonEvents.h"
#include "control/model/ztButtons_H.h"
#include "platform/qt/QtControlSite.h"

#include <QApplication>
#include <QPointer>

namespace app {
namespace {

// One window system for the program, installed for the window functions the
// controls call; it goes with the application object.
qtplatform::QtWindowSystem& AppWindowSystem() {
    // dynamic_cast, not findChild: the window system carries no meta-object of its own.
    qtplatform::QtWindowSystem* system = nullptr;
    for (QObject* child : QCoreApplication::instance()->children()) {
        if (system == nullptr)
            system = dynamic_cast<qtplatform::QtWindowSystem*>(child);
    }
    if (system == nullptr) {
        system = new qtplatform::QtWindowSystem(QCoreApplication::instance());
        user::SetBackend(system);
    }
    return *system;
}

class ControlCommandButton final : public CommandButton, private ButtonEvents {
  public:
    ControlCommandButton(QWidget* parent, const CommandButtonPlace& place)
        : site_(new qtplatform::QtControlSite(qtplatform::QtForm::Of(AppWindowSystem(), parent),
                                              place.name.toStdString())),
          control_(std::make_unique<ztButtons_H>(site_)) {
        site_->setObjectName(place.name);
        site_->setGeometry(place.geometry);
        site_->Attach(control_.get());
        control_->SetEventSink(this);
        site_->ReadProperties(place.stored); // builds surface, region and layout, and paints
    }

    ~ControlCommandButton() override {
        if (site_) {
            site_->Terminate();
            delete site_.data();
        }
    }

    void OnClick(std::function<void()> handler) override { handler_ = std::move(handler); }
    QString Caption() const override { return QString::fromStdString(control_->GetCaption()); }
    void SetCaption(const QString& caption) override { control_->SetCaption(caption.toStdString()); }
    bool Enabled() const override { return control_->GetEnabled() != False; }
    void SetEnabled(bool enabled) override { control_->SetEnabled(ToBoolean(enabled)); }

  private:
    void Click() override {
        if (handler_)
            handler_();
    }

    QPointer<qtplatform::QtControlSite> site_; // owned by the window; deleted first here
    std::unique_ptr<ztButtons_H> control_;
    std::function<void()> handler_;
};

} // namespace

std::unique_ptr<CommandButton> CreateCommandButton(QWidget* parent, const CommandButtonPlace& place) {
    return std::make_unique<ControlCommandButton>(parent, place);
}

} // namespace app
