// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ini_location.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QtGlobal>

#ifdef _WIN32
#include <windows.h>
#endif

namespace brxw {
namespace {

// Creates a missing folder readable by its owner only; an existing one is left as it is.
void MakeFolder(const QString& folder) {
    QDir dir(folder);
    if (dir.exists()) {
        return;
    }
    if (QDir().mkpath(folder)) {
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
}

#ifdef _WIN32
// Windows rights are ACLs that QFileInfo cannot judge: try to create a file there.
bool CanWriteIn(const QString& folder) {
    if (!QDir(folder).exists()) {
        return false;
    }
    QTemporaryFile probe(folder + QStringLiteral("/brxw_XXXXXX.tmp"));
    return probe.open();
}
#endif

}  // namespace

QString DefaultIniPath() {
    const QString fileName = QString::fromLatin1(kIniFileName);
#ifdef _WIN32
    wchar_t windowsDir[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryW(windowsDir, MAX_PATH + 1);
    if (length > 0 && length <= MAX_PATH) {
        const QString folder = QDir::fromNativeSeparators(
            QString::fromWCharArray(windowsDir, static_cast<qsizetype>(length)));
        if (CanWriteIn(folder)) {
            return folder + QLatin1Char('/') + fileName;
        }
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty()) {
        folder = QDir::homePath();
    }
#else
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The XDG rules say a relative path is invalid and must be ignored.
    if (folder.isEmpty() || QDir::isRelativePath(folder)) {
        folder = QDir::homePath() + QStringLiteral("/.config");
    }
#endif
    MakeFolder(folder);
    return QDir::cleanPath(folder + QLatin1Char('/') + fileName);
}

}  // namespace brxw
