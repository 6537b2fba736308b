// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/instance_lock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace brxw {

namespace {

// One request line from a second start, one answer line back.
constexpr char kShow[] = "show\n";
constexpr char kConnect[] = "connect ";  // followed by the profile's digit and "\n"
constexpr char kShown[] = "shown\n";
constexpr char kConnecting[] = "connecting\n";
constexpr char kIgnored[] = "ignored\n";
constexpr qsizetype kLongestRequest = 16;

// A folder only this user may enter, made when missing; false when it is not that.
bool PrivateFolder(const QString& folder) {
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder)) {
        return false;
    }
    QDir().mkpath(folder);
#ifdef _WIN32
    return QFileInfo(folder).isDir();
#else
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    struct stat info {};
    // lstat: a symbolic link planted in the shared temporary folder is not followed.
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 0077) == 0;
#endif
}

}  // namespace

QString InstanceLock::LockFolder() {
#ifdef _WIN32
    // The user's local application data, beside the logs (%LOCALAPPDATA%\brxW).
    QString local = QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA"));
    if (local.isEmpty() || !QDir::isAbsolutePath(local)) {
        local = QDir::homePath() + QStringLiteral("/AppData/Local");
    }
    const QString fallback = local + QStringLiteral("/brxW");
#else
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir()) {
        const QString folder = QDir::cleanPath(runtime + QStringLiteral("/brxw"));
        if (PrivateFolder(folder)) {
            return folder;
        }
    }
    const QString fallback =
        QDir::tempPath() + QStringLiteral("/brxw-%1").arg(static_cast<qulonglong>(::geteuid()));
#endif
    return PrivateFolder(fallback) ? fallback : QString();
}

QString InstanceLock::CanonicalIniPath(const QString& iniPath) {
    const QFileInfo info(iniPath);
    const QString file = info.canonicalFilePath();
    if (!file.isEmpty()) {
        return file;
    }
    // Not written yet: its folder's links are resolved.
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + QLatin1Char('/') + info.fileName();
}

InstanceLock::InstanceLock(const QString& iniPath, QObject* parent)
    : QObject(parent), m_iniPath(iniPath) {}

InstanceLock::~InstanceLock() {
    if (m_server != nullptr) {
        m_server->close();
    }
}

InstanceLock::Outcome InstanceLock::Acquire() {
    // The INI's folder may not be there before the first start writes it; made first, so that
    // its links resolve as they will later.
    QDir().mkpath(QFileInfo(m_iniPath).absolutePath());
    const QString folder = LockFolder();
    if (folder.isEmpty()) {
        return Outcome::Unlocked;
    }
    const QString key = QString::fromLatin1(
        QCryptographicHash::hash(CanonicalIniPath(m_iniPath).toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(24));
    m_lockPath = folder + QStringLiteral("/ini-") + key + QStringLiteral(".lock");
#ifdef _WIN32
    // A named pipe, which is per session there.
    m_serverName = QStringLiteral("brxw-") + key;
#else
    m_serverName = folder + QStringLiteral("/ini-") + key + QStringLiteral(".sock");
    // A socket's path has room for 107 bytes; a longer one goes by name into the temporary
    // folder, still for this user only.
    if (QFile::encodeName(m_serverName).size() > 100) {
        m_serverName = QStringLiteral("brxw-") + key;
    }
#endif
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // Never stale by age: only a lock whose program is gone is taken over.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        Listen();
        return Outcome::Owner;
    }
    if (m_lock->error() != QLockFile::LockFailedError) {
        return Outcome::Unlocked;
    }
    QString host;
    QString application;
    if (!m_lock->getLockInfo(&m_otherPid, &host, &application)) {
        m_otherPid = 0;
    }
    return Outcome::OtherRunning;
}

QByteArray InstanceLock::Reply(const QByteArray& request) {
    if (request == kShow) {
        emit showRequested();
        return kShown;
    }
    const qsizetype prefix = qsizetype(sizeof kConnect - 1);
    if (request.size() == prefix + 2 && request.startsWith(kConnect) && request.endsWith('\n')) {
        const char digit = request.at(prefix);
        if (digit >= '0' && digit <= '3') {
            emit showRequested();
            const bool connects = m_profileHandler && m_profileHandler(digit - '0');
            return connects ? kConnecting : kIgnored;
        }
    }
    return {};
}

void InstanceLock::Listen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_serverName)) {
        // A socket left by a program that died: ours to replace, as the lock is ours.
        QLocalServer::removeServer(m_serverName);
        if (!m_server->listen(m_serverName)) {
            return;  // the lock still keeps a second start away; it only cannot call us
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                // One line, and nothing longer than the longest request is read.
                QByteArray line = socket->property("line").toByteArray();
                line += socket->read(kLongestRequest - line.size());
                socket->setProperty("line", line);
                if (!line.contains('\n') && line.size() < kLongestRequest) {
                    return;
                }
                const QByteArray answer = Reply(line);
                if (!answer.isEmpty()) {
                    socket->write(answer);
                    socket->flush();
                }
                socket->disconnectFromServer();
            });
        }
    });
}

InstanceLock::Answer InstanceLock::AskOther(int profile, int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs)) {
        return Answer::None;
    }
    const QByteArray request = profile >= 0 && profile <= 3
                                   ? QByteArray(kConnect) + char('0' + profile) + '\n'
                                   : QByteArray(kShow);
    socket.write(request);
    if (!socket.waitForBytesWritten(timeoutMs)) {
        return Answer::None;
    }
    QByteArray answer;
    while (!answer.contains('\n') && answer.size() < kLongestRequest &&
           socket.waitForReadyRead(timeoutMs)) {
        answer += socket.read(kLongestRequest - answer.size());
    }
    if (answer == kShown) {
        return Answer::Shown;
    }
    if (answer == kConnecting) {
        return Answer::Connecting;
    }
    return answer == kIgnored ? Answer::Ignored : Answer::None;
}

}  // namespace brxw
