// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One client of the peer: the login exchange (login line, challenge, MD5 reply), then frames
// out and the mixed client stream in. Applies the per-connection faults. Created and owned by
// PeerServer (deleted with deleteLater once closed); lives on the server thread only.

#include "peer/lib/client_stream_parser.h"
#include "peer/lib/peer_config.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

class QTcpSocket;

namespace brxw::peer {

class PeerConnection;

// What a connection needs from its server. Implemented by PeerServer.
class ConnectionHost {
public:
    virtual const PeerUser* FindUser(QByteArrayView callsign) const = 0;
    virtual PeerFaults CurrentFaults() const = 0;
    virtual QByteArray NewChallenge() = 0;
    virtual QByteArray RandomBytes(int count) = 0;
    virtual void OnBytesReceived(PeerConnection& connection, QByteArrayView bytes) = 0;
    virtual void OnDropped(PeerConnection& connection, const char* why) = 0;
    virtual void OnLoggedIn(PeerConnection& connection) = 0;
    virtual void OnClientEvent(PeerConnection& connection, const ClientEvent& event) = 0;
    virtual void OnClosed(PeerConnection& connection) = 0;

protected:
    ~ConnectionHost() = default;
};

class PeerConnection : public QObject {
    Q_OBJECT

public:
    enum class State { AwaitLogin, AwaitReply, LoggedIn, Closed };

    static constexpr qsizetype kMaxLoginLine = 256;
    static constexpr qint64 kMaxPendingWrite = 8 * 1024 * 1024;
    static constexpr qint64 kReadChunk = 64 * 1024;

    // Takes ownership of the connected socket.
    PeerConnection(int id, QTcpSocket* socket, ConnectionHost& host, int loginTimeoutMs,
                   QObject* parent = nullptr);
    ~PeerConnection() override;

    int Id() const { return m_id; }
    State CurrentState() const { return m_state; }
    bool IsLoggedIn() const { return m_state == State::LoggedIn; }
    QByteArray Callsign() const { return m_callsign; }
    QByteArray Challenge() const { return m_challenge; }
    quint8 Options() const { return m_options; }
    void SetOptions(quint8 options) { m_options = options; }
    bool Subscribed(quint8 category) const { return (m_options & category) != 0; }
    qint64 FramesSent() const { return m_framesSent; }
    QString PeerName() const;

    // Writes one frame while logged in (not stalled, not closing); false when nothing was
    // written. Counts toward the drop-after fault.
    bool SendFrame(quint8 category, quint8 kind, QByteArrayView payload);
    // The same, only while the client subscribes to the category.
    bool SendStream(quint8 category, quint8 kind, QByteArrayView payload);
    // Bytes as they are, while logged in and not stalled.
    void SendRaw(QByteArrayView bytes);
    // Bytes written and not yet taken by the operating system.
    qint64 PendingBytes() const;

    // Plain text is message text from now on, until its terminator. messageNumber < 0: a
    // new message.
    void ExpectMessage(qint64 messageNumber);
    qint64 ExpectedMessage() const { return m_expectedMessage; }

    // Upload in progress (kind 3): the path frame has arrived, data collects until the
    // empty frame.
    struct Upload {
        bool active = false;
        bool overflow = false;
        QByteArray path;
        QByteArray data;
    };
    Upload& CurrentUpload() { return m_upload; }

    // Reads what the socket holds again, e.g. after a stall ended.
    void Resume();
    // Closes after the pending output is written.
    void Close();
    // Closes at once, dropping pending output.
    void Abort();

signals:
    // The socket handed some of the pending bytes to the operating system.
    void BytesWritten();

private:
    void OnReadyRead();
    void OnDisconnected();
    void Process(QByteArrayView bytes);
    bool TakeLine(QByteArrayView bytes, qsizetype& at, QByteArray& line);
    void HandleLoginLine(const QByteArray& line);
    void HandleReply(const QByteArray& line);
    void EnterLoggedIn();
    void DrainParser();
    void WriteBytes(QByteArrayView bytes);
    bool Stalled() const;

    const int m_id;
    QTcpSocket* m_socket;
    ConnectionHost& m_host;
    QTimer m_loginTimer;

    State m_state = State::AwaitLogin;
    bool m_closedReported = false;
    QByteArray m_line;
    QByteArray m_callsign;
    QByteArray m_challenge;
    quint8 m_options = 0;
    qint64 m_framesSent = 0;
    qint64 m_expectedMessage = -1;

    ClientStreamParser m_parser;
    Upload m_upload;
};

}  // namespace brxw::peer
