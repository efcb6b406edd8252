#pragma once
// The main window on Qt: the widgets laid out as the window's layout says,
// the ZtButtons, and the window's behaviour (frmTime) wired to them. It lays
// out, forwards and shows; what happens on a click is frmTime's.
#include "app/AppEnvironment.h"
#include "app/WindowParts.h"
#include "app/frmTime.h"
#include "app/qt/QtWindowParts.h"

#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QListWidget;
class QPlainTextEdit;

namespace ztbuttons {
class ZtButton;
}

namespace app::qt {

class IndicatorShape;
class ZtCommandButton;

class QtMainWindow final : public QWidget, public MainWindow {
  public:
    // sleep: the pump's sleep (empty: the thread sleeps).
    explicit QtMainWindow(AppEnvironment environment, std::function<void(int)> sleep = {});
    ~QtMainWindow() override;

    frmTime& Form() { return *form_; }

    void SetTitle(const std::string& title) override;
    void Show() override;
    void Close() override { close(); }

    QListWidget* lstResult = nullptr;
    IndicatorShape* shpDateTime = nullptr;
    QPlainTextEdit* txtCeShi = nullptr;
    QPlainTextEdit* txtYouXiao = nullptr;
    QCheckBox* chkCeshi = nullptr;
    ztbuttons::ZtButton* cmdDateTime = nullptr;
    ztbuttons::ZtButton* cmdHomePage = nullptr;
    ztbuttons::ZtButton* cmdCeShi = nullptr;

  protected:
    // Closing the window while a command runs cancels it and ends the program.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void CreateControls();
    void ApplyLayout();
    // Grows the window downwards until the focused control is wholly visible.
    void ShowFocusedControl(QWidget* focused);

    std::unique_ptr<ZtCommandButton> dateTimeButton_;
    std::unique_ptr<ZtCommandButton> homePageButton_;
    std::unique_ptr<ZtCommandButton> serverTestButton_;
    std::unique_ptr<QtResultList> resultList_;
    std::unique_ptr<QtTextBox> hostsBox_;
    std::unique_ptr<QtTextBox> answeredBox_;
    std::unique_ptr<QtCheckBox> showTimeBox_;
    QtEventPump pump_;
    std::unique_ptr<frmTime> form_;
};

} // namespace app::qt
