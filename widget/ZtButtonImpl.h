// Inside a ZtButton: the real control (ztButtons_H) on a Qt site that fills
// the widget, in the container of the widget's parent (so option buttons of
// one parent form one group). The site is the control's window and holds the
// keyboard focus for the widget (its focus proxy). The control's events come
// back here and leave as the widget's signals; its change reports become the
// NOTIFY signals, found by comparing every property with what was last seen.
#pragma once

#include "control/input/ButtonEvents.h"
#include "control/model/ztButtons_H.h"
#include "platform/qt/QtControlSite.h"
#include "ztbuttons/ZtButton.h"

#include <QEvent>
#include <QPointer>
#include <QStringList>

#include <memory>

namespace ztbuttons {

class ZtButton::Impl final : public ButtonEvents {
  public:
    explicit Impl(ZtButton& owner);
    ~Impl() override;
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    ztButtons_H& Control() const { return *control_; }
    qtplatform::QtControlSite* Site() const { return site_; }

    // Makes site and control in the container of the widget's present parent;
    // a new parent's container gets the button with all its settings.
    void CreateSite(const container::PropertyBag* settings);
    void FollowParent();
    void DestroySite();

    // Emits the NOTIFY signal of every property whose value changed since
    // the last call, and the matching accessibility events.
    void EmitChanges();
    // The widget's Font and Enabled follow the control's, and back.
    void WidgetFollowsControl();
    void ControlFollowsWidget(QEvent::Type change);

    QSize SizeHint(bool minimum) const;
    bool Pressed() const;
    int StartDrag(int allowedEffects);
    void AskForData(QMimeData* data, const QString& format); // a drag target wants this format

    bool designMode = false;

  private:
    // ButtonEvents: the control's events as signals.
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void KeyDown(std::int16_t keyCode, std::int16_t shift) override;
    void KeyPress(std::int16_t keyAscii) override;
    void KeyUp(std::int16_t keyCode, std::int16_t shift) override;
    void MouseOnButton(bool onButton) override;
    void Click() override;
    void DoubleClick(std::int16_t button) override;
    void OLECompleteDrag(std::int32_t& effect) override;
    void OLEDragDrop(container::DataObject& data, std::int32_t& effect, std::int16_t& button,
                     std::int16_t& shift, float& x, float& y) override;
    void OLEDragOver(container::DataObject& data, std::int32_t& effect, std::int16_t& button,
                     std::int16_t& shift, float& x, float& y, std::int16_t& state) override;
    void OLEGiveFeedback(std::int32_t& effect, bool& defaultCursors) override;
    void OLESetData(container::DataObject& data, std::int16_t& dataFormat) override;
    void OLEStartDrag(container::DataObject& data, std::int32_t& allowedEffects) override;

    float Logical(float devicePixels) const;
    std::int16_t FormatNumber(const QString& format);
    QString FormatName(std::int16_t number) const;

    // What the NOTIFY signals were last told.
    struct Seen {
        Long buttonStyle = 0, mode = 0, captionAlign = 0, captionStyle = 0, customClick = 0, buttonShape = 0;
        Long pictureAlign = 0, pictureSize = 0, mousePointer = 0, fontStyle = 0, gradientMode = 0, locks = 0;
        std::string caption;
        bool showFocusRect = false, value = false, enabled = true, pressed = false;
        const void* picture = nullptr;
        const void* mouseIcon = nullptr;
        OleColor fore = 0, back = 0, gradient = 0, hoverFore = 0, hoverBack = 0;
        container::Font font;
    };
    Seen Look() const;

    ZtButton& owner_;
    QPointer<qtplatform::QtControlSite> site_;
    std::unique_ptr<ztButtons_H> control_;
    Seen seen_;
    bool following_ = false;          // the widget is taking the control's Font or Enabled
    QMimeData* dragSource_ = nullptr; // the data of the drag started here, while it runs
    QStringList formats_;             // drag formats numbered 0xC000 + index
};

} // namespace ztbuttons
