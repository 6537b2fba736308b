// SPDX-License-Identifier: GPL-3.0-or-later
// One program per BrxW.ini. Two programs on one file would both write it and the last writer
// would win, losing the other's positions, settings and profiles. The first program holds a lock
// file beside the INI ("BrxW.ini.lock") while it runs and listens on a local socket named after
// the INI's path; a second start on the same file finds the lock, asks the first to bring its
// window forward and ends. A lock left by a program that died is taken over.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

namespace brxw {

class InstanceLock : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Owner,         // this program holds the lock: it is the one on this INI
        OtherRunning,  // a live program holds it
        Unlocked,      // no lock can be made there (a read-only folder): run as before
    };

    explicit InstanceLock(const QString& iniPath, QObject* parent = nullptr);
    ~InstanceLock() override;

    Outcome Acquire();
    QString LockPath() const { return m_lockPath; }
    // The process holding the lock, after Acquire gave OtherRunning; 0 when unknown.
    qint64 OtherPid() const { return m_otherPid; }
    // Asks the program holding the lock to show its window; true when it said it did.
    bool AskOtherToShow(int timeoutMs = 3000) const;

signals:
    // A second start on the same INI asks for the window (only while this program is Owner).
    void showRequested();

private:
    void Listen();

    QString m_lockPath;
    QString m_serverName;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr;
    qint64 m_otherPid = 0;
};

}  // namespace brxw
