// The server test: ask each host of the upper box once and list the ones that
// answered in the lower box, optionally with their replies.
#include "app/TextLines.h"
#include "app/frmTime.h"

namespace app {
namespace {

// A CR LF pair (only when the box is not empty) and the text, added to the box
// as it stands now: the user may have typed into it meanwhile.
void AppendBoxLine(TextBox& box, const std::string& text) {
    box.Append(box.Text().empty() ? text : "\r\n" + text);
}

} // namespace

void frmTime::cmdCeShi_Click() {
    if (commandRunning_) // the synchronisation is running and owns the socket
        return;
    commandRunning_ = true;
    closedWhileRunning_ = false;
    SetCommandButtonsEnabled(false);

    const std::string hosts = ui_.txtCeShi.Text();
    TextLines lines(hosts);
    const int count = lines.Count();
    ui_.txtYouXiao.SetText(std::string());

    for (int k = 0; k < count && !closedWhileRunning_; ++k) {
        const std::string line = lines.Next();
        ShowResult(std::to_string(k) + "/" + std::to_string(count - 1) + " " + line);
        QueryDaytime(line);
        if (!ReplyText.empty()) {
            AppendBoxLine(ui_.txtYouXiao, line);
            if (ui_.chkCeshi.Ticked())
                AppendBoxLine(ui_.txtYouXiao, ReplyText);
        }
    }

    SetCommandButtonsEnabled(true);
    commandRunning_ = false;
}

} // namespace app
