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
    cmdCeShi->SetEnabled(false);

    const QString hosts = BoxText(*txtCeShi);
    CrLfLines lines(hosts);
    const int count = lines.Count();
    QString answered;
    SetBoxText(*txtYouXiao, answered);

    auto append = [&](const QString& text) {
        if (!answered.isEmpty())
            answered += QStringLiteral("\r\n");
        answered += text;
        SetBoxText(*txtYouXiao, answered);
    };

    for (int k = 0; k < count; ++k) {
        const QString line = lines.Next();
        ShowResult(QString::number(k) + "/" + QString::number(count - 1) + " " + line);
        QueryDaytime(line);
        if (!ReplyText.isEmpty()) {
            append(line);
            if (chkCeshi->isChecked())
                append(ReplyText);
        }
    }

    cmdCeShi->SetEnabled(true);
    commandRunning_ = false;
}

} // namespace app
