// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ini_location.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
// A folder named by the environment (%APPDATA%, %LOCALAPPDATA%), else its usual place in the
// user's profile.
QString ProfileFolder(const char* variable, const QString& usual) {
    const QString folder = QDir::fromNativeSeparators(qEnvironmentVariable(variable));
    return !folder.isEmpty() && QDir::isAbsolutePath(folder) ? folder : QDir::homePath() + usual;
}

QString WindowsDirectory() {
    wchar_t windowsDir[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryW(windowsDir, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) {
        return {};
    }
    return QDir::fromNativeSeparators(
        QString::fromWCharArray(windowsDir, static_cast<qsizetype>(length)));
}
#endif

}  // namespace

QString DefaultIniPath() {
    const QString fileName = QString::fromLatin1(kIniFileName);
#ifdef _WIN32
    const QString folder =
        ProfileFolder("APPDATA", QStringLiteral("/AppData/Roaming")) + QStringLiteral("/brxW");
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

QStringList EarlierIniPaths() {
    QStringList paths;
#ifdef _WIN32
    const QString fileName = QString::fromLatin1(kIniFileName);
    const QString windowsDir = WindowsDirectory();
    if (!windowsDir.isEmpty()) {
        // The VirtualStore mirrors the Windows directory's path without its drive.
        const QString store = ProfileFolder("LOCALAPPDATA", QStringLiteral("/AppData/Local")) +
                              QStringLiteral("/VirtualStore") +
                              windowsDir.mid(windowsDir.indexOf(QLatin1Char('/')));
        paths << QDir::cleanPath(store + QLatin1Char('/') + fileName)
              << QDir::cleanPath(windowsDir + QLatin1Char('/') + fileName);
    }
#endif
    return paths;
}

IniAdoption AdoptEarlierIni(const QString& iniPath, const QStringList& earlier) {
    IniAdoption adoption;
    if (QFileInfo::exists(iniPath) || QFileInfo(iniPath).isSymLink()) {
        return adoption;
    }
    for (const QString& path : earlier) {
        if (!QFileInfo(path).isFile()) {
            continue;
        }
        adoption.source = path;
        MakeFolder(QFileInfo(iniPath).absolutePath());
        // QFile::copy never replaces a file: one made meanwhile is kept.
        QFile original(path);
        if (!original.copy(iniPath)) {
            adoption.failure = original.errorString();
            return adoption;
        }
        // The profiles hold passwords: the copy is the user's alone.
        QFile::setPermissions(iniPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ReadUser | QFileDevice::WriteUser);
        return adoption;
    }
    return adoption;
}

}  // namespace brxw
