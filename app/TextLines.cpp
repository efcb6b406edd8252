#include "app/TextLines.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace app {

CrLfLines::CrLfLines(QStringView text) : text_(text) {
    count_ = text.isEmpty() ? 0 : static_cast<int>(text.count(u"\r\n")) + 1;
}

QString CrLfLines::Next() {
    const qsizetype end = text_.indexOf(u"\r\n", position_);
    const qsizetype stop = end < 0 ? text_.size() : end;
    QString line = text_.mid(position_, stop - position_).toString();
    position_ = end < 0 ? text_.size() : end + 2;
    return line;
}

QString BoxText(const QPlainTextEdit& box) {
    return box.toPlainText().replace(QChar('\n'), QStringLiteral("\r\n"));
}

void SetBoxText(QPlainTextEdit& box, const QString& text) {
    box.setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void AppendBoxLine(QPlainTextEdit& box, const QString& text) {
    QTextCursor end(box.document());
    end.movePosition(QTextCursor::End);
    QString added = box.document()->isEmpty() ? text : "\r\n" + text;
    end.insertText(added.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

} // namespace app
