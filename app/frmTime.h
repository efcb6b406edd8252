#pragma once
// The program's one window as behaviour: the result list, the synchronise
// command, the busy indicator and the home-page button, and below them the
// server test. The host creates the controls and forwards their events here.
#include "app/AppEnvironment.h"
#include "app/EventPump.h"
#include "app/WindowParts.h"

#include <cstdint>
#include <memory>
#include <string>

namespace app {

class frmTime final {
  public:
    frmTime(WindowControls controls, EventPump& pump, AppEnvironment environment);
    ~frmTime();
    frmTime(const frmTime&) = delete;
    frmTime& operator=(const frmTime&) = delete;

    // Start-up: caption and application title, show, and "auto" synchronises.
    void Form_Load();
    // The window is closing (by the user, or by "close"). True when a command
    // was running: it is cancelled, and the host ends every event loop it runs
    // so the program ends at once (a download's wait included).
    bool Form_Unload();

    // The only writer of the result list. "CLEAR" empties it.
    void ShowResult(const std::string& text);
    // One daytime query; afterwards ReplyText holds what arrived, or is empty.
    void QueryDaytime(const std::string& host);
    // The reply of the second of two queries, or empty text.
    std::string GetServerTime(const std::string& host);

    // The three commands.
    void cmdDateTime_Click();
    void cmdCeShi_Click();
    void cmdHomePage_Click();

    // The program's exit status. With "close" on the command line: 0 when the
    // last synchronisation set the clock, 1 otherwise (also when none ran to
    // its end). Without it: 0.
    int ExitStatus() const;
    bool CommandRunning() const { return commandRunning_; }
    const AppEnvironment& Environment() const { return env_; }

    std::string ReplyText;
    bool SocketFailed = false;

  private:
    void wscDateTime_DataArrival(std::size_t bytesTotal);
    void wscDateTime_Error();
    void wscDateTime_Close();
    // One step of a query's wait: sleep, blink, process events.
    void WaitStep();
    void PauseProcessingEvents(int steps);
    // ApplyServerTime of the reply, unless the window was closed meanwhile;
    // when the clock refused, one line that says why, and when the reply is in
    // no form the program can read, one line that shows it.
    std::int32_t ApplyAndExplain(const std::string& reply);
    // One line before the result when the hour correction is the default
    // because the key is missing and the system's own offset differs from it.
    void ExplainDefaultCorrection();
    bool CommandLineHolds(const std::string& word) const;
    // Both commands' buttons: a click that cannot be taken looks unavailable.
    void SetCommandButtonsEnabled(bool enabled);
    // Waits about the given time in short steps, processing pending events so
    // the window keeps painting. False, at once, when the window was closed
    // during the running command. Every wait inside a command should use it.
    bool WaitProcessingEvents(int milliseconds);
    // The result-list line as a line of standard output (with "close").
    void WriteOutputLine(const std::string& text) const;

    WindowControls ui_;
    EventPump& pump_;
    AppEnvironment env_;
    std::unique_ptr<net::TcpClientSocket> wscDateTime;
    bool commandRunning_ = false;     // synchronise and test exclude each other
    bool closedWhileRunning_ = false; // the running command stops at its next step
    bool clockSet_ = false;           // by the last synchronisation
    bool correctionExplained_ = false; // in the running synchronisation
};

} // namespace app
