// SPDX-License-Identifier: GPL-3.0-or-later
// SshTunnel: the system's ssh client run with a local forward, through which the session reaches
// a server that only listens where SSH gets to. ssh runs in batch mode with the sysop's own keys
// and agent: this program never asks for or sees a password of the SSH server.
//
// The program is "ssh", or what the environment variable BRXW_SSH names (a program, run without
// a shell). One tunnel per session; owned by the Session, on the user-interface thread.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "config/ssh_host.h"

namespace brxw {

class SshTunnel : public QObject {
    Q_OBJECT
public:
    // The forward has this long to accept a connection once ssh is started.
    static constexpr int kDefaultWaitMs = 15000;

    // Called once per Start: ready with the local port once the forward accepts, or failed with
    // ssh's own last error line (or why ssh could not run). Not called after Stop, nor when ssh
    // ends after it was ready: the session's link tells that (EndReason says why).
    std::function<void(int localPort)> onReady;
    std::function<void(const std::string& reason)> onFailed;

    explicit SshTunnel(int waitMs = kDefaultWaitMs);
    // An ssh still running, or still ending after a Stop, is ended and waited for here: nothing
    // is left for the application to destroy while it runs.
    ~SshTunnel() override;

    // Starts ssh forwarding a free loopback port to remoteHost:remotePort as seen from target.
    void Start(const SshTarget& target, const std::string& remoteHost, int remotePort);
    // Ends ssh: asked to terminate, killed when it has not ended after a short wait.
    void Stop();
    bool Running() const { return m_process != nullptr; }
    // Why ssh could not open a forwarded connection ("connect failed: Connection refused" when
    // the BBS does not listen), from ssh's own "open failed" line; empty when it said none.
    // ssh writes the line before it closes the connection, so what the session sees closing
    // finds it here; waits at most waitMs for it to come through the pipe.
    std::string ChannelFailure(int waitMs);
    // Waits at most waitMs for a ready ssh to end. Empty when it runs on; else why it ended:
    // its own last line, or how it ended when it said nothing.
    std::string EndReason(int waitMs);
    // The process id of the running ssh; 0 when none runs.
    qint64 ProcessId() const;

    static QString Program();
    static QStringList Arguments(const SshTarget& target, const std::string& remoteHost,
                                 int remotePort, int localPort);

private:
    void ReadStderr();
    void Poll();
    void Fail(std::string reason);
    std::string LastErrorLine();

    int m_waitMs;
    std::unique_ptr<QProcess> m_process;
    QTimer m_pollTimer;
    QElapsedTimer m_started;
    QByteArray m_stderr;
    int m_localPort = 0;
    bool m_ready = false;          // the forward accepted: from now on the session's link tells
    std::string m_channelFailure;  // the last "open failed" of this ssh
};

}  // namespace brxw
