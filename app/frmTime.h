#pragma once
// The program's one window: the result list, the synchronise button, the busy
// indicator and the home-page button, and below them the server test.
#include "app/AppEnvironment.h"
#include "app/CommandButton.h"

#include <QString>
#include <QWidget>

#include <memory>

class QCheckBox;
class QCloseEvent;
class QListWidget;
class QPlainTextEdit;

namespace app {

class IndicatorShape;

class frmTime final : public QWidget {
  public:
    explicit frmTime(AppEnvironment environment);
    ~frmTime() override;

    // Start-up: caption and application title, show, and "auto" synchronises.
    void Form_Load();

    // The only writer of the result list. "CLEAR" empties it.
    void ShowResult(const QString& text);
    // One daytime query; afterwards ReplyText holds what arrived, or is empty.
    void QueryDaytime(const QString& host);
    // The reply of the second of two queries, or empty text.
    QString GetServerTime(const QString& host);

    // The three commands.
    void cmdDateTime_Click();
    void cmdCeShi_Click();
    void cmdHomePage_Click();

    // The program's exit status. With "close" on the command line: 0 when the
    // last synchronisation set the clock, 1 otherwise (also when none ran to
    // its end). Without it: 0.
    int ExitStatus() const;

    QString ReplyText;
    bool SocketFailed = false;

    // Controls, owned by the window (the buttons through their seam).
    QListWidget* lstResult = nullptr;
    IndicatorShape* shpDateTime = nullptr;
    QPlainTextEdit* txtCeShi = nullptr;
    QPlainTextEdit* txtYouXiao = nullptr;
    QCheckBox* chkCeshi = nullptr;
    std::unique_ptr<CommandButton> cmdDateTime;
    std::unique_ptr<CommandButton> cmdHomePage;
    std::unique_ptr<CommandButton> cmdCeShi;
    std::unique_ptr<net::TcpClientSocket> wscDateTime;

  protected:
    // Closing the window while a command runs cancels it (see RunControl.cpp).
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateControls();
    void wscDateTime_DataArrival(std::size_t bytesTotal);
    void wscDateTime_Error();
    void wscDateTime_Close();
    void Sleep(int milliseconds);
    void PauseProcessingEvents(int steps);
    // ApplyServerTime of the reply, unless the window was closed meanwhile,
    // and when the clock refused, one line that says why.
    std::int32_t ApplyAndExplain(const QString& reply);
    bool CommandLineHolds(const QString& word) const;
    // Both commands' buttons: a click that cannot be taken looks unavailable.
    void SetCommandButtonsEnabled(bool enabled);
    // Waits about the given time in short steps, processing pending events so
    // the window keeps painting. False, at once, when the window was closed
    // during the running command. Every wait inside a command should use it.
    bool WaitProcessingEvents(int milliseconds);
    // The result-list line as a line of standard output (with "close").
    void WriteOutputLine(const QString& text) const;

    AppEnvironment env_;
    bool commandRunning_ = false;     // synchronise and test exclude each other
    bool closedWhileRunning_ = false; // the running command stops at its next step
    bool clockSet_ = false;           // by the last synchronisation
};

} // namespace app
