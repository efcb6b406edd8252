#include "app/mdlIniFile.h"

#include "platform/ini/IniFile.h"
#include "platform/ini/IniLocation.h"
#include "platform/ini/Profile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace mdlIniFile {

QString IniPath;
QString IniDefaultsPath;

namespace {

constexpr ini::DWORD kBufferSize = 2000; // one byte of it is the terminator

bool HoldsLineBreakOrNul(const QString& text) {
    return text.contains(QChar('\r')) || text.contains(QChar('\n')) || text.contains(QChar('\0'));
}

// The user's file while it exists, else the system-wide defaults when there are any.
QByteArray ReadPath() {
    if (!IniDefaultsPath.isEmpty() && !QFile::exists(IniPath))
        return QFile::encodeName(IniDefaultsPath);
    return QFile::encodeName(IniPath);
}

// In the user's configuration folder, the first write creates the folder and
// starts from the system-wide defaults, so the keys the administrator set are
// kept beside the one written. (A portable file's folder is the program's own.)
void PrepareFirstWrite() {
    if (IniDefaultsPath.isEmpty() || QFile::exists(IniPath))
        return;
    QDir().mkpath(QFileInfo(IniPath).absolutePath());
    QFile defaults(IniDefaultsPath);
    if (!defaults.open(QIODevice::ReadOnly))
        return;
    QFile file(IniPath);
    if (file.open(QIODevice::NewOnly))
        file.write(defaults.readAll());
}

} // namespace

void ResolveIniPath() {
    if (IniPath.isEmpty()) {
        const QFileInfo program(QCoreApplication::applicationFilePath());
        ini::IniPlaces places;
        places.programFolder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
        places.programName = QFile::encodeName(program.completeBaseName()).toStdString();
        places.configHome = ini::ConfigHomeFromEnvironment();
        places.systemConfigRoot = ini::SystemConfigRootFromEnvironment();
        const ini::IniLocation location = ini::ChooseIniLocation(places);
        IniPath = QFile::decodeName(location.path.c_str());
        IniDefaultsPath = QFile::decodeName(location.defaultsPath.c_str());
    }
    if (IniPath.right(4).toLower() != ".ini")
        IniPath += ".ini";
}

QString ReadIniString(const QString& section, const QString& key, const QString& defaultValue) {
    ResolveIniPath();
    char buffer[kBufferSize];
    const ini::DWORD count = ini::GetPrivateProfileStringA(
        section.toUtf8().constData(), key.toUtf8().constData(), defaultValue.toUtf8().constData(), buffer,
        kBufferSize, ReadPath().constData());
    return QString::fromUtf8(buffer, static_cast<qsizetype>(count)).remove(QChar('?'));
}

std::int32_t ReadIniInt(const QString& section, const QString& key, std::int32_t defaultValue) {
    ResolveIniPath();
    return ini::GetPrivateProfileIntA(section.toUtf8().constData(), key.toUtf8().constData(), defaultValue,
                                      ReadPath().constData());
}

bool IniFileUnreadable() {
    ResolveIniPath();
    return ini::ReadWholeFile(ReadPath().toStdString()).status == ini::ReadStatus::Failed;
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
    PrepareFirstWrite();
    return ini::WritePrivateProfileStringA(section.toUtf8().constData(), key.toUtf8().constData(),
                                           stored.toUtf8().constData(),
                                           QFile::encodeName(IniPath).constData());
}

} // namespace mdlIniFile
