// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// brxw-peer's server: the reference BBS remote console on a QTcpServer. Owns the connections,
// the BBS's state (stations, figures, records, the served root folder), the demo driver and
// the record of received bytes.
//
// Threads: the object lives on one thread (the "server thread", which must run an event
// loop). Every public member may be called from any thread: the ones that act run on the
// server thread and return when it is done (called from another thread they wait for it);
// the observers (Port, counts, Received) read a snapshot under a mutex and never wait.

#include "peer/lib/bbs_store.h"
#include "peer/lib/peer_config.h"
#include "peer/lib/peer_connection.h"
#include "peer/lib/received_record.h"
#include "peer/lib/root_folder.h"
#include "peer/lib/station_table.h"

#include <QFile>
#include <QObject>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <vector>

class QTcpServer;
class QTemporaryDir;

namespace brxw::peer {

class DemoDriver;
class RequestHandler;

// A snapshot of one connection, for observers.
struct ConnectionInfo {
    int id = 0;
    QString peer;
    QByteArray callsign;
    bool loggedIn = false;
    quint8 options = 0;
};

class PeerServer : public QObject, private ConnectionHost {
    Q_OBJECT

public:
    explicit PeerServer(PeerConfig config, QObject* parent = nullptr);
    ~PeerServer() override;

    // The folder of the demo data (callsigns, traffic lines, the demo root folder).
    static QString DefaultDataDir();

    // --- Listening ---------------------------------------------------------------------
    // Listens on the configured address and port; after a StopListening, on the port used
    // before (so an ephemeral port stays the same). False when the port cannot be bound.
    bool Listen();
    // Stops listening and closes every connection at once; Port() keeps its value.
    void StopListening();
    bool IsListening() const;
    quint16 Port() const { return m_port.load(); }
    QHostAddress Address() const;

    // --- Faults (take effect at the next moment each applies) --------------------------
    void SetFaults(const PeerFaults& faults);
    PeerFaults Faults() const;

    // --- Sending to every logged-in client ----------------------------------------------
    // Any frame, whatever the subscriptions (the payload may exceed 1020 bytes on purpose).
    void SendFrame(quint8 category, quint8 kind, const QByteArray& payload);
    void SendRaw(const QByteArray& bytes);
    // A whole file transfer of the kind; name sent as given. pieceSize <= 0: configured.
    // announcedSize < 0: the real size.
    void SendFile(quint8 kind, const QByteArray& name, const QByteArray& data, int pieceSize = 0,
                  qint64 announcedSize = -1);
    // Only the first frame of a transfer (name, zero byte, size).
    void SendFileAnnouncement(quint8 kind, const QByteArray& name, qint64 size);
    void SendCapabilities(const QByteArray& codes);
    // Category 128, to subscribers. Notices 3 and 4 also make the peer expect message text
    // (notice 4's extra bytes are the decimal message number).
    void SendNotice(qint8 code, const QByteArray& extra = {});
    // Categories 16, 32 and 64, to subscribers.
    void SendTraffic(quint8 category, qint8 channel, quint8 colour, const QByteArray& text);
    // Frames 0 .. count - 1 of a flood of the mix, as fast as each socket takes them, whatever
    // the subscriptions.
    void Flood(qint64 count, const FloodMix& mix);
    void CloseConnections();

    // --- The BBS's state (changes are sent to subscribers) -------------------------------
    void SetFigures(const BbsFigures& figures);
    BbsFigures Figures() const;
    void SetStation(const PeerStation& station);
    void RemoveStation(int channel);
    std::vector<PeerStation> Stations() const;
    // Moves the Pactor controller, if there is one; a change is reported to every client
    // that shows the status lines.
    void ChangePactor(PactorChange change);
    int PactorState() const;

    // Runs work on the server thread and returns when it is done. From another thread the
    // hand-over goes through a queue under our own mutex, so that the order of the two
    // threads' memory accesses is plain to a race detector, not hidden inside Qt.
    void RunOnServerThread(const std::function<void()>& work) const;

    // --- Observers (never wait) ---------------------------------------------------------
    ReceivedRecord& Received() { return m_received; }
    const ReceivedRecord& Received() const { return m_received; }
    qint64 BytesReceived() const { return m_received.ByteCount(); }
    int ConnectionCount() const;
    // Every connection accepted since the server was made, those that have ended included.
    int AcceptedCount() const;
    int LoggedInCount() const;
    // Logins refused and connections the peer dropped (timeouts, garbage, slow readers).
    int Refusals() const;
    // The options byte of the client that logged in or changed it last; -1 before any.
    int LastOptions() const;
    std::vector<ConnectionInfo> Connections() const;

signals:
    // One line per connection, login, refusal and disconnection.
    void LogLine(const QString& line);

private:
    Q_INVOKABLE void RunQueuedTasks();

    // ConnectionHost
    const PeerUser* FindUser(QByteArrayView callsign) const override;
    PeerFaults CurrentFaults() const override;
    QByteArray NewChallenge() override;
    QByteArray RandomBytes(int count) override;
    void OnBytesReceived(PeerConnection& connection, QByteArrayView bytes) override;
    void OnDropped(PeerConnection& connection, const char* why) override;
    void OnLoggedIn(PeerConnection& connection) override;
    void OnClientEvent(PeerConnection& connection, const ClientEvent& event) override;
    void OnClosed(PeerConnection& connection) override;

    void OnNewConnection();
    // Whatever a newly set options bit asks for: the current counts, lines and figures, and
    // for the console bit notice 1 (notice 2 when another client holds the single console).
    void SendStreamsNewlySubscribed(PeerConnection& connection, quint8 before);
    // The configured flood, whenever a connection's options come to cover the flood's mix.
    void FloodWhenSubscribed(PeerConnection& connection, quint8 before);
    void ConfirmConsole(PeerConnection& connection);
    void SendAllStations(PeerConnection& connection);
    void SendFigures(PeerConnection& connection, quint8 categories);
    void Broadcast(quint8 category, quint8 kind, QByteArrayView payload);
    void BroadcastStation(int channel);
    // The controller's state after a change goes to every status subscriber; an unchanged
    // state only back to the subscriber who asked (if any).
    void ReportPactor(bool changed, PeerConnection* asker);
    void BroadcastOptions();
    void UpdateInfo(const PeerConnection& connection);
    void Log(const QString& line);
    std::vector<PeerConnection*> LoggedIn() const;

    PeerConfig m_config;
    QTcpServer* m_listener;
    std::map<int, PeerConnection*> m_connections;
    int m_nextId = 1;
    std::atomic<quint16> m_port{0};
    std::mt19937_64 m_rng;

    // Writes a traffic frame sent to the record of --sent, when there is one (server thread).
    void RecordSent(quint8 category, qint8 channel, const QByteArray& text);

    StationTable m_stations;
    BbsStore m_store;
    std::unique_ptr<QTemporaryDir> m_demoRoot;
    RootFolder m_root;
    std::unique_ptr<RequestHandler> m_requests;
    std::unique_ptr<DemoDriver> m_demo;
    ReceivedRecord m_received;
    std::unique_ptr<QFile> m_sent;  // the record of traffic sent, opened at its first line
    QByteArray m_floodFrames;  // the configured flood, built at its first use

    struct Task {
        std::function<void()> work;
        bool done = false;
    };
    mutable std::mutex m_taskMutex;  // guards m_tasks and Task::done
    mutable std::condition_variable m_taskDone;
    mutable std::deque<std::shared_ptr<Task>> m_tasks;

    mutable std::mutex m_mutex;  // guards the members below
    PeerFaults m_faults;
    BbsFigures m_figures;
    std::map<int, ConnectionInfo> m_info;
    int m_loggedIn = 0;
    int m_refused = 0;
    int m_accepted = 0;
    int m_lastOptions = -1;
};

}  // namespace brxw::peer
