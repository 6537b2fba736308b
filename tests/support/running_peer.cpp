// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/running_peer.h"

#include <QEventLoop>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace brxw::test {

// A std::thread running the server's event loop. The server is made and destroyed on that
// thread, so its sockets and timers belong to it. Every hand-over between the two threads
// goes through a std::mutex or the join, which a race detector can see.
class RunningPeer::PeerThread {
public:
    explicit PeerThread(peer::PeerConfig config) : m_config(std::move(config)) {
        m_thread = std::thread([this] { Run(); });
    }

    ~PeerThread() {
        peer::PeerServer& server = WaitForServer();
        server.RunOnServerThread([this] { m_loop->quit(); });
        {
            // Only now may the thread destroy the server: this thread is done with it.
            std::lock_guard lock(m_mutex);
            m_released = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }

    peer::PeerServer& WaitForServer() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_server != nullptr; });
        return *m_server;
    }

private:
    void Run() {
        QEventLoop loop;
        peer::PeerServer server(m_config);
        server.Listen();
        {
            std::lock_guard lock(m_mutex);
            m_loop = &loop;
            m_server = &server;
        }
        m_changed.notify_all();
        loop.exec();
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_released; });
    }

    const peer::PeerConfig m_config;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    peer::PeerServer* m_server = nullptr;
    QEventLoop* m_loop = nullptr;
    bool m_released = false;
    std::thread m_thread;
};

RunningPeer::RunningPeer(peer::PeerConfig config, quint16 port) {
    config.address = QHostAddress::LocalHost;
    config.port = port;
    m_thread = std::make_unique<PeerThread>(std::move(config));
    m_thread->WaitForServer();
}

RunningPeer::~RunningPeer() = default;

peer::PeerServer& RunningPeer::Server() {
    return m_thread->WaitForServer();
}

quint16 RunningPeer::Port() const {
    return m_thread->WaitForServer().Port();
}

bool RunningPeer::IsListening() const {
    return m_thread->WaitForServer().IsListening();
}

bool RunningPeer::Start() {
    return Server().Listen();
}

void RunningPeer::Stop() {
    Server().StopListening();
}

void RunningPeer::DropClients() {
    Server().CloseConnections();
}

void RunningPeer::SetFaults(const peer::PeerFaults& faults) {
    Server().SetFaults(faults);
}

void RunningPeer::SendFrame(quint8 category, quint8 kind, const QByteArray& payload) {
    Server().SendFrame(category, kind, payload);
}

void RunningPeer::SendFile(quint8 kind, const QByteArray& name, const QByteArray& bytes,
                           int pieceSize) {
    Server().SendFile(kind, name, bytes, pieceSize);
}

void RunningPeer::SendNotice(qint8 code, const QByteArray& extra) {
    Server().SendNotice(code, extra);
}

qint64 RunningPeer::BytesReceived() const {
    return m_thread->WaitForServer().BytesReceived();
}

QByteArray RunningPeer::ReceivedBytes() const {
    return m_thread->WaitForServer().Received().Bytes();
}

int RunningPeer::LoggedInCount() const {
    return m_thread->WaitForServer().LoggedInCount();
}

int RunningPeer::ConnectionCount() const {
    return m_thread->WaitForServer().ConnectionCount();
}

int RunningPeer::OptionsByte() const {
    return m_thread->WaitForServer().LastOptions();
}

}  // namespace brxw::test
