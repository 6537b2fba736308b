// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reference peer on a thread of its own, for tests: listens on 127.0.0.1 (port 0 picks a
// free one) from construction until destruction, and can be stopped and started again on the
// same port. Owned by the test; every member may be called from the test's thread while the
// peer works on its own. Needs a QCoreApplication. The destructor ends the peer's thread and
// joins it.

#include "peer/lib/peer_server.h"

#include <QByteArray>

#include <memory>

namespace brxw::test {

class RunningPeer {
public:
    explicit RunningPeer(peer::PeerConfig config = {}, quint16 port = 0);
    ~RunningPeer();
    RunningPeer(const RunningPeer&) = delete;
    RunningPeer& operator=(const RunningPeer&) = delete;

    quint16 Port() const;
    bool IsListening() const;

    // Listens again (on the same port after a Stop); true when listening.
    bool Start();
    // Stops listening and closes every connection at once; the port number is kept.
    void Stop();
    // Closes every connection, still listening.
    void DropClients();

    void SetFaults(const peer::PeerFaults& faults);

    // To every logged-in client; return once written.
    void SendFrame(quint8 category, quint8 kind, const QByteArray& payload);
    void SendFile(quint8 kind, const QByteArray& name, const QByteArray& bytes,
                  int pieceSize = 1000);
    void SendNotice(qint8 code, const QByteArray& extra = {});

    qint64 BytesReceived() const;
    QByteArray ReceivedBytes() const;
    int LoggedInCount() const;
    int ConnectionCount() const;
    // Options byte of the client that logged in or sent an options update last; -1 before.
    int OptionsByte() const;

    // The whole server, for what the shortcuts above do not cover. Its members are safe to
    // call from the test's thread (see peer_server.h).
    peer::PeerServer& Server();

private:
    class PeerThread;
    std::unique_ptr<PeerThread> m_thread;
};

}  // namespace brxw::test
