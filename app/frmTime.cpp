#include "app/frmTime.h"

#include "app/CommandLine.h"
#include "app/TextLines.h"

#include <random>

namespace app {

IndicatorColor RandomIndicatorColor() {
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    // The integer part of a number in [0, 1) times 255, plus 1: 1 to 255.
    auto part = [&] { return static_cast<int>(unit(generator) * 255) + 1; };
    const int red = part();
    const int green = part();
    return {red, green, part()};
}

frmTime::frmTime(WindowControls controls, EventPump& pump, AppEnvironment environment)
    : ui_(controls), pump_(pump), env_(std::move(environment)) {
    wscDateTime = env_.createSocket();
    wscDateTime->SetEvents({[this](std::size_t bytes) { wscDateTime_DataArrival(bytes); },
                            [this] { wscDateTime_Error(); }, [this] { wscDateTime_Close(); }});
    ui_.shpDateTime.SetVisible(false);
    ui_.cmdDateTime.OnClick([this] { cmdDateTime_Click(); });
    ui_.cmdCeShi.OnClick([this] { cmdCeShi_Click(); });
    ui_.cmdHomePage.OnClick([this] { cmdHomePage_Click(); });
}

frmTime::~frmTime() {
    // The buttons may outlive the window's behaviour: their clicks go nowhere.
    ui_.cmdDateTime.OnClick({});
    ui_.cmdCeShi.OnClick({});
    ui_.cmdHomePage.OnClick({});
}

void frmTime::Form_Load() {
    const std::string caption = env_.programName + " " + VersionText();
    ui_.window.SetTitle(caption);
    ui_.window.Show();
    if (CommandLineHolds("auto"))
        cmdDateTime_Click();
}

void frmTime::ShowResult(const std::string& text) {
    if (text == "CLEAR") {
        ui_.lstResult.Clear();
        return;
    }
    // A line of megabytes would take the list box a minute to lay out.
    const std::string line = LimitResultLine(text);
    WriteOutputLine(line);
    if (ui_.lstResult.Count() > 300)
        ui_.lstResult.Clear();
    if (line.empty()) {
        ui_.lstResult.AddLine(std::string(), false);
        return;
    }
    ui_.lstResult.AddLine(" " + line, true);
}

void frmTime::QueryDaytime(const std::string& host) {
    SocketFailed = false;
    ReplyText.clear();
    if (wscDateTime->State() != net::sckClosed)
        wscDateTime->Close();
    if (closedWhileRunning_) // the window is gone: nothing more is sent
        return;
    wscDateTime->Connect(host, env_.daytimePort);

    // The socket's events are delivered only inside this wait.
    for (int step = 0; step < env_.timing.maxSteps; ++step) {
        if (!ReplyText.empty() || SocketFailed || closedWhileRunning_)
            break;
        WaitStep();
    }

    if (wscDateTime->State() != net::sckClosed)
        wscDateTime->Close();
}

std::string frmTime::GetServerTime(const std::string& host) {
    QueryDaytime(host);
    if (!ReplyText.empty()) {
        // NIST's servers refuse a client that asks again within 4 seconds.
        if (ReplyText.find("UTC(NIST)") != std::string::npos)
            PauseProcessingEvents(env_.timing.nistPauseSteps);
        QueryDaytime(host);
    }
    return ReplyText;
}

void frmTime::WaitStep() {
    pump_.Sleep(env_.timing.stepMs);
    ui_.shpDateTime.SetFillColor(RandomIndicatorColor());
    pump_.ProcessPendingEvents();
}

// Waits like a query does: the window repaints, the indicator blinks and the
// window can be closed meanwhile.
void frmTime::PauseProcessingEvents(int steps) {
    for (int step = 0; step < steps && !closedWhileRunning_; ++step)
        WaitStep();
}

void frmTime::wscDateTime_DataArrival(std::size_t bytesTotal) {
    // Each arrival replaces the reply; nothing is appended.
    ReplyText = wscDateTime->GetData(bytesTotal);
}

void frmTime::wscDateTime_Error() {
    SocketFailed = true;
}

void frmTime::wscDateTime_Close() {
    if (wscDateTime->State() != net::sckClosed)
        wscDateTime->Close();
}

void frmTime::cmdHomePage_Click() {
    const std::string caption = ui_.cmdHomePage.Caption();
    const std::size_t colon = caption.find(':');
    const std::string address = "http://" + (colon != std::string::npos ? caption.substr(colon + 1) : caption);
    if (env_.openUrl)
        env_.openUrl(address);
}

bool frmTime::CommandLineHolds(const std::string& word) const {
    return app::CommandLineHolds(env_.commandLine, word);
}

} // namespace app
