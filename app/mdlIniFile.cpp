#include "app/mdlIniFile.h"

#include "platform/ini/IniFile.h"
#include "platform/ini/Profile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace mdlIniFile {

QString IniPath;

namespace {

constexpr ini::DWORD kBufferSize = 2000; // one byte of it is the terminator

bool HoldsLineBreakOrNul(const QString& text) {
    return text.contains(QChar('\r')) || text.contains(QChar('\n')) || text.contains(QChar('\0'));
}

} // namespace

void ResolveIniPath() {
    if (IniPath.isEmpty()) {
        const QFileInfo program(QCoreApplication::applicationFilePath());
        IniPath = QCoreApplication::applicationDirPath() + "/" + program.completeBaseName();
    }
    if (IniPath.right(4).toLower() != ".ini")
        IniPath += ".ini";
}

QString ReadIniString(const QString& section, const QString& key, const QString& defaultValue) {
    ResolveIniPath();
    char buffer[kBufferSize];
    const ini::DWORD count = ini::GetPrivateProfileStringA(
        section.toUtf8().constData(), key.toUtf8().constData(), defaultValue.toUtf8().constData(), buffer,
        kBufferSize, QFile::encodeName(IniPath).constData());
    return QString::fromUtf8(buffer, static_cast<qsizetype>(count)).remove(QChar('?'));
}

std::int32_t ReadIniInt(const QString& section, const QString& key, std::int32_t defaultValue) {
    ResolveIniPath();
    return ini::GetPrivateProfileIntA(section.toUtf8().constData(), key.toUtf8().constData(), defaultValue,
                                      QFile::encodeName(IniPath).constData());
}

bool IniFileUnreadable() {
    ResolveIniPath();
    return ini::ReadWholeFile(QFile::encodeName(IniPath).toStdString()).status == ini::ReadStatus::Failed;
}

std::int32_t WriteIniString(const QString& section, const QString& key, const QString& value) {
    ResolveIniPath();
    QString stored = value;
    stored.remove(QChar('?'));
    // A line break would add lines to the file; a NUL would silently cut the value.
    if (HoldsLineBreakOrNul(stored))
        return 0;
    if (stored.startsWith(' ') || stored.endsWith(' '))
        stored = "?" + stored + "?";
    return ini::WritePrivateProfileStringA(section.toUtf8().constData(), key.toUtf8().constData(),
                                           stored.toUtf8().constData(),
                                           QFile::encodeName(IniPath).constData());
}

} // namespace mdlIniFile
