#include "app/qt/QtWindowParts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <chrono>
#include <thread>

namespace app::qt {
namespace {

QString WithLineFeeds(const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

void QtResultList::AddLine(const std::string& text, bool select) {
    list_.addItem(QString::fromStdString(text));
    if (!select)
        return;
    list_.setCurrentRow(list_.count() - 1);
    list_.scrollToItem(list_.currentItem());
    list_.viewport()->repaint();
}

void QtResultList::Clear() {
    list_.clear();
}

int QtResultList::Count() const {
    return list_.count();
}

std::string QtTextBox::Text() const {
    return box_.toPlainText().replace(QChar('\n'), QStringLiteral("\r\n")).toStdString();
}

void QtTextBox::SetText(const std::string& text) {
    box_.setPlainText(WithLineFeeds(text));
}

void QtTextBox::Append(const std::string& text) {
    QTextCursor end(box_.document());
    end.movePosition(QTextCursor::End);
    end.insertText(WithLineFeeds(text));
}

bool QtCheckBox::Ticked() const {
    return box_.isChecked();
}

void QtEventPump::ProcessPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::Sleep(int milliseconds) {
    if (sleep_)
        sleep_(milliseconds);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace app::qt
