#pragma once
// The window's intrinsic controls as the behaviour sees them: Qt's list
// widget, plain-text boxes and check box behind the window's interfaces.
#include "app/EventPump.h"
#include "app/WindowParts.h"

#include <functional>

class QCheckBox;
class QListWidget;
class QPlainTextEdit;

namespace app::qt {

class QtResultList final : public ResultList {
  public:
    explicit QtResultList(QListWidget& list) : list_(list) {}
    void AddLine(const std::string& text, bool select) override;
    void Clear() override;
    int Count() const override;

  private:
    QListWidget& list_;
};

// The box shows lines; the behaviour exchanges them joined by CR LF pairs.
class QtTextBox final : public TextBox {
  public:
    explicit QtTextBox(QPlainTextEdit& box) : box_(box) {}
    std::string Text() const override;
    void SetText(const std::string& text) override;
    void Append(const std::string& text) override;

  private:
    QPlainTextEdit& box_;
};

class QtCheckBox final : public CheckBox {
  public:
    explicit QtCheckBox(QCheckBox& box) : box_(box) {}
    bool Ticked() const override;

  private:
    QCheckBox& box_;
};

// Qt's event processing; the sleep is the thread's, or the one given (tests).
class QtEventPump final : public EventPump {
  public:
    explicit QtEventPump(std::function<void(int)> sleep = {}) : sleep_(std::move(sleep)) {}
    void ProcessPendingEvents() override;
    void Sleep(int milliseconds) override;

  private:
    std::function<void(int)> sleep_;
};

} // namespace app::qt
