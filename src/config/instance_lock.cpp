// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/instance_lock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace brxw {

namespace {

constexpr char kShow[] = "show\n";
constexpr char kShown[] = "shown\n";

// The socket's name comes from the INI's whole path, so that two files never meet, and from the
// user, so that two users' programs on one file in a shared folder do not either.
QString ServerName(const QString& iniPath) {
    const QByteArray key = (QFileInfo(iniPath).absoluteFilePath() + QLatin1Char('\n') +
                            QDir::homePath())
                               .toUtf8();
    return QStringLiteral("brxw-") +
           QString::fromLatin1(
               QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24));
}

}  // namespace

InstanceLock::InstanceLock(const QString& iniPath, QObject* parent)
    : QObject(parent),
      m_lockPath(QFileInfo(iniPath).absoluteFilePath() + QStringLiteral(".lock")),
      m_serverName(ServerName(iniPath)),
      m_lock(m_lockPath) {
    // Never stale by age: only a lock whose program is gone is taken over.
    m_lock.setStaleLockTime(0);
}

InstanceLock::~InstanceLock() {
    if (m_server != nullptr) {
        m_server->close();
    }
}

InstanceLock::Outcome InstanceLock::Acquire() {
    // The INI's folder may not be there before the first start writes it.
    QDir().mkpath(QFileInfo(m_lockPath).absolutePath());
    if (m_lock.tryLock(0)) {
        Listen();
        return Outcome::Owner;
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
        return Outcome::Unlocked;
    }
    QString host;
    QString application;
    if (!m_lock.getLockInfo(&m_otherPid, &host, &application)) {
        m_otherPid = 0;
    }
    return Outcome::OtherRunning;
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
                // One request, and nothing bigger than it is read.
                if (socket->bytesAvailable() < static_cast<qint64>(sizeof kShow - 1)) {
                    return;
                }
                const QByteArray request = socket->read(sizeof kShow - 1);
                if (request == kShow) {
                    emit showRequested();
                    socket->write(kShown);
                    socket->flush();
                }
                socket->disconnectFromServer();
            });
        }
    });
}

bool InstanceLock::AskOtherToShow(int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    socket.write(kShow);
    if (!socket.waitForBytesWritten(timeoutMs)) {
        return false;
    }
    QByteArray answer;
    while (answer.size() < static_cast<qsizetype>(sizeof kShown - 1) &&
           socket.waitForReadyRead(timeoutMs)) {
        answer += socket.read(static_cast<qint64>(sizeof kShown - 1) - answer.size());
    }
    return answer == kShown;
}

}  // namespace brxw
