#include "platform/shell/Shell.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include <cstring>

namespace shell {

HINSTANCE ShellExecuteA(HWND, const char* lpOperation, const char* lpFile, const char*, const char*, int) {
    if (lpOperation && std::strcmp(lpOperation, "open") != 0)
        return SE_ERR_NOASSOC;
    const QUrl url(QString::fromUtf8(lpFile ? lpFile : ""), QUrl::TolerantMode);
    if (!url.isValid() || url.isEmpty())
        return SE_ERR_NOASSOC;
    return QDesktopServices::openUrl(url) ? 42 : SE_ERR_NOASSOC;
}

} // namespace shell
