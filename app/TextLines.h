#pragma once
// Text split at carriage-return line-feed pairs, walked one line at a time so
// that a long list costs no more memory than its own text.
#include <QString>
#include <QStringView>

class QPlainTextEdit;

namespace app {

class CrLfLines {
  public:
    // Empty text has no line; text without a pair is one line; a trailing pair
    // adds a last, empty line.
    explicit CrLfLines(QStringView text);
    int Count() const { return count_; }
    // The next line, as it stands.
    QString Next();

  private:
    QStringView text_;
    qsizetype position_ = 0;
    int count_ = 0;
};

// The text of a multi-line box with its lines joined by carriage-return
// line-feed pairs, and the reverse.
QString BoxText(const QPlainTextEdit& box);
void SetBoxText(QPlainTextEdit& box, const QString& text);
// Appends a carriage-return line-feed pair (only when the box is not empty) and
// the text to the box as it stands now, so what the user typed is kept. A
// cursor before the end stays where it is.
void AppendBoxLine(QPlainTextEdit& box, const QString& text);

} // namespace app
