// SPDX-License-Identifier: GPL-3.0-or-later
// One program per BrxW.ini. Two programs on one file would both write it and the last writer
// would win, losing the other's positions, settings and profiles. The first program holds a lock
// file while it runs and listens on a local socket; a second start on the same file finds the
// lock, asks the first to bring its window forward (and to connect the profile it was given)
// and ends. A lock left by a program that died is taken over.
//
// Lock and socket are named after the INI's canonical path, so that a folder reached through a
// symbolic link is the same file, and live in the user's runtime folder ($XDG_RUNTIME_DIR), not
// beside the INI: an INI in a read-only folder is locked as well. UI thread only.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

namespace brxw {

class InstanceLock : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Owner,         // this program holds the lock: it is the one on this INI
        OtherRunning,  // a live program holds it
        Unlocked,      // no lock can be made anywhere: run as before
    };
    // What the program holding the lock said to AskOther.
    enum class Answer {
        None,        // no answer (it hangs, or its socket could not be reached)
        Shown,       // its window is brought forward
        Connecting,  // and it connects the profile handed to it
        Ignored,     // its window is brought forward, but it does not connect the profile
    };

    explicit InstanceLock(const QString& iniPath, QObject* parent = nullptr);
    ~InstanceLock() override;

    Outcome Acquire();
    // Valid after Acquire.
    QString LockPath() const { return m_lockPath; }
    // The process holding the lock, after Acquire gave OtherRunning; 0 when unknown.
    qint64 OtherPid() const { return m_otherPid; }
    // Asks the program holding the lock to show its window and, for a profile 0 to 3, to connect
    // that profile.
    Answer AskOther(int profile = -1, int timeoutMs = 3000) const;

    // What the owner does with a profile handed over by a second start: true when it connects
    // it. Without a handler the profile is ignored.
    void SetProfileHandler(std::function<bool(int)> handler) {
        m_profileHandler = std::move(handler);
    }

    // The private folder that holds the locks and sockets: $XDG_RUNTIME_DIR/brxw, or when that
    // is unset or unusable a folder of this user's own in the temporary folder (created 0700;
    // one that someone else owns or others may enter is not used). Empty when none can be had.
    // On Windows %LOCALAPPDATA%\brxW, in the user's profile, and a named pipe for the socket.
    static QString LockFolder();
    // The path by which two starts on one file recognise each other: links resolved.
    static QString CanonicalIniPath(const QString& iniPath);

signals:
    // A second start on the same INI asks for the window (only while this program is Owner).
    void showRequested();

private:
    void Listen();
    QByteArray Reply(const QByteArray& request);

    QString m_iniPath;
    QString m_lockPath;
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
    qint64 m_otherPid = 0;
    std::function<bool(int)> m_profileHandler;
};

}  // namespace brxw
