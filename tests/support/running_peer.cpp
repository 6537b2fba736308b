#include "support/running_peer.h"

#include <condition_variable>
#include <mutex>

namespace brxw::test {

// Runs the server's event loop; the server is made and destroyed on this thread so that its
// sockets and timers belong to it.
class RunningPeer::PeerThread : public QThread {
public:
    explicit PeerThread(peer::PeerConfig config) : m_config(std::move(config)) {}

    peer::PeerServer& WaitForServer() {
        std::unique_lock lock(m_mutex);
        m_ready.wait(lock, [this] { return m_server != nullptr; });
        return *m_server;
    }

protected:
    void run() override {
        peer::PeerServer server(m_config);
        server.Listen();
        {
            std::lock_guard lock(m_mutex);
            m_server = &server;
        }
        m_ready.notify_all();
        exec();
    }

private:
    const peer::PeerConfig m_config;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    peer::PeerServer* m_server = nullptr;
};

RunningPeer::RunningPeer(peer::PeerConfig config, quint16 port) {
    config.address = QHostAddress::LocalHost;
    config.port = port;
    m_thread = std::make_unique<PeerThread>(std::move(config));
    m_thread->start();
    m_thread->WaitForServer();
}

RunningPeer::~RunningPeer() {
    m_thread->quit();
    m_thread->wait();
}

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
