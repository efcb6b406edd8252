// The server test: ask each host of the upper box once and list the ones that
// answered in the lower box, optionally with their replies.
#include "app/TextLines.h"
#include "app/frmTime.h"

#include <QCheckBox>
#include <QPlainTextEdit>

namespace app {

void frmTime::cmdCeShi_Click() {
    if (commandRunning_) // the synchronisation is running and owns the socket
        return;
    commandRunning_ = true;
    closedWhileRunning_ = false;
    SetCommandButtonsEnabled(false);

    const QString hosts = BoxText(*txtCeShi);
    CrLfLines lines(hosts);
    const int count = lines.Count();
    SetBoxText(*txtYouXiao, QString());

    for (int k = 0; k < count && !closedWhileRunning_; ++k) {
        const QString line = lines.Next();
        ShowResult(QString::number(k) + "/" + QString::number(count - 1) + " " + line);
        QueryDaytime(line);
        if (!ReplyText.isEmpty()) {
            // The box as it stands now: the user may have typed into it meanwhile.
            AppendBoxLine(*txtYouXiao, line);
            if (chkCeshi->isChecked())
                AppendBoxLine(*txtYouXiao, ReplyText);
        }
    }

    SetCommandButtonsEnabled(true);
    commandRunning_ = false;
}

} // namespace app
