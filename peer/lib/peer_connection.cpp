// SPDX-License-Identifier: GPL-3.0-or-later
#include "peer/lib/peer_connection.h"

#include "peer/lib/peer_wire.h"

#include <QRegularExpression>
#include <QTcpSocket>

namespace brxw::peer {

PeerConnection::PeerConnection(int id, QTcpSocket* socket, ConnectionHost& host, int loginTimeoutMs,
                               QObject* parent)
    : QObject(parent), m_id(id), m_socket(socket), m_host(host) {
    m_socket->setParent(this);
    // Small frames should leave at once; with split writes every byte is its own segment.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // Bounded: while we do not read (stall), the kernel's window pushes back on the client.
    m_socket->setReadBufferSize(kReadChunk);
    connect(m_socket, &QTcpSocket::readyRead, this, &PeerConnection::OnReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &PeerConnection::OnDisconnected);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &PeerConnection::BytesWritten);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
        if (m_socket->state() == QAbstractSocket::UnconnectedState) {
            OnDisconnected();
        }
    });

    m_loginTimer.setSingleShot(true);
    connect(&m_loginTimer, &QTimer::timeout, this, [this] {
        if (m_state == State::AwaitLogin || m_state == State::AwaitReply) {
            m_host.OnDropped(*this, "login timed out");
            Abort();
        }
    });
    if (loginTimeoutMs > 0) {
        m_loginTimer.start(loginTimeoutMs);
    }
}

PeerConnection::~PeerConnection() {
    // The socket dies with us as our child; it must not call back into a half-destroyed us.
    m_socket->disconnect(this);
}

QString PeerConnection::PeerName() const {
    return m_socket->peerAddress().toString() + u':' + QString::number(m_socket->peerPort());
}

bool PeerConnection::Stalled() const {
    return m_state == State::LoggedIn && m_host.CurrentFaults().stall;
}

void PeerConnection::OnReadyRead() {
    if (m_state == State::Closed || Stalled()) {
        return;
    }
    while (m_state != State::Closed && !Stalled() && m_socket->bytesAvailable() > 0) {
        const QByteArray bytes = m_socket->read(kReadChunk);
        if (bytes.isEmpty()) {
            break;
        }
        m_host.OnBytesReceived(*this, bytes);
        Process(bytes);
    }
}

void PeerConnection::Resume() {
    if (m_state == State::LoggedIn && !Stalled()) {
        DrainParser();
        OnReadyRead();
    }
}

bool PeerConnection::TakeLine(QByteArrayView bytes, qsizetype& at, QByteArray& line) {
    const qsizetype newline = bytes.indexOf('\n', at);
    const qsizetype end = newline < 0 ? bytes.size() : newline;
    m_line.append(bytes.sliced(at, end - at));
    at = newline < 0 ? bytes.size() : newline + 1;
    if (m_line.size() >= kMaxLoginLine) {
        m_host.OnDropped(*this, "login line too long");
        Abort();
        return false;
    }
    if (newline < 0) {
        return false;
    }
    line = std::move(m_line);
    m_line = QByteArray();
    return true;
}

void PeerConnection::Process(QByteArrayView bytes) {
    qsizetype at = 0;
    while (at < bytes.size() && m_state != State::Closed) {
        QByteArray line;
        switch (m_state) {
            case State::AwaitLogin:
                if (TakeLine(bytes, at, line)) {
                    HandleLoginLine(line);
                }
                break;
            case State::AwaitReply:
                if (TakeLine(bytes, at, line)) {
                    HandleReply(line);
                }
                break;
            case State::LoggedIn:
                m_parser.Append(bytes.sliced(at));
                at = bytes.size();
                DrainParser();
                break;
            case State::Closed:
                break;
        }
    }
}

void PeerConnection::HandleLoginLine(const QByteArray& line) {
    // "%d %d %s": options word, 0, callsign.
    static const QRegularExpression kLogin(
        QStringLiteral("^\\s*(-?\\d{1,10})\\s+(-?\\d{1,10})\\s+([!-~]{1,32})\\s*$"));
    const auto match =
        line.contains('\0') ? QRegularExpressionMatch() : kLogin.match(QString::fromLatin1(line));
    if (!match.hasMatch()) {
        m_host.OnDropped(*this, "malformed login line");
        Abort();
        return;
    }
    m_options = static_cast<quint8>(match.captured(1).toLongLong() & 0xff);
    m_callsign = match.captured(3).toLatin1();
    if (m_host.CurrentFaults().closeBeforeChallenge) {
        m_host.OnDropped(*this, "closed before the challenge (fault)");
        Abort();
        return;
    }
    m_challenge = m_host.NewChallenge();
    m_state = State::AwaitReply;
    WriteBytes(m_challenge + "\r\n");
}

void PeerConnection::HandleReply(const QByteArray& line) {
    if (m_host.CurrentFaults().refuseLogin) {
        m_host.OnDropped(*this, "login refused (fault)");
        Abort();
        return;
    }
    const PeerUser* user = m_host.FindUser(m_callsign);
    if (user == nullptr) {
        m_host.OnDropped(*this, "unknown user");
        Abort();
        return;
    }
    if (line != LoginDigest(m_challenge, user->password)) {
        m_host.OnDropped(*this, "wrong login reply");
        Abort();
        return;
    }
    EnterLoggedIn();
}

void PeerConnection::EnterLoggedIn() {
    m_loginTimer.stop();
    m_state = State::LoggedIn;
    const PeerFaults faults = m_host.CurrentFaults();
    if (faults.dropAfterFrames == 0) {
        Close();
        return;
    }
    if (faults.garbageBytes > 0) {
        SendRaw(m_host.RandomBytes(faults.garbageBytes));
    }
    if (faults.oversizeLength > 0 && !faults.stall) {
        // A console frame whose length the client's 1024-byte buffer cannot hold.
        WriteBytes(BuildHeader(kConsole, 0, faults.oversizeLength));
        WriteBytes(QByteArray(std::min(faults.oversizeLength, kMaxWireLength), 'X'));
        ++m_framesSent;
    }
    m_host.OnLoggedIn(*this);
}

void PeerConnection::DrainParser() {
    ClientEvent event;
    while (m_state == State::LoggedIn && !Stalled() && m_parser.Next(event)) {
        m_host.OnClientEvent(*this, event);
    }
}

void PeerConnection::ExpectMessage(qint64 messageNumber) {
    m_expectedMessage = messageNumber;
    m_parser.SetMessageMode(true);
}

bool PeerConnection::SendFrame(quint8 category, quint8 kind, QByteArrayView payload) {
    if (m_state != State::LoggedIn || Stalled()) {
        return false;
    }
    WriteBytes(BuildFrame(category, kind, payload));
    ++m_framesSent;
    const int dropAfter = m_host.CurrentFaults().dropAfterFrames;
    if (dropAfter >= 0 && m_framesSent >= dropAfter) {
        Close();
    }
    return true;
}

bool PeerConnection::SendStream(quint8 category, quint8 kind, QByteArrayView payload) {
    return Subscribed(category) && SendFrame(category, kind, payload);
}

void PeerConnection::SendRaw(QByteArrayView bytes) {
    if (m_state == State::LoggedIn && !Stalled()) {
        WriteBytes(bytes);
    }
}

qint64 PeerConnection::PendingBytes() const {
    return m_socket->bytesToWrite();
}

void PeerConnection::WriteBytes(QByteArrayView bytes) {
    // The client takes the challenge from its first read, so only frames are split.
    if (m_state == State::LoggedIn && m_host.CurrentFaults().splitWrites) {
        for (const char byte : bytes) {
            m_socket->write(&byte, 1);
            m_socket->flush();
        }
    } else {
        m_socket->write(bytes.constData(), bytes.size());
    }
    // A client that stops reading must not make us buffer without end.
    if (m_socket->bytesToWrite() > kMaxPendingWrite) {
        m_host.OnDropped(*this, "client does not read; dropped");
        Abort();
    }
}

void PeerConnection::Close() {
    if (m_state == State::Closed) {
        return;
    }
    m_state = State::Closed;
    m_socket->disconnectFromHost();
    if (m_socket->state() == QAbstractSocket::UnconnectedState) {
        OnDisconnected();
    }
}

void PeerConnection::Abort() {
    m_state = State::Closed;
    m_socket->abort();
    OnDisconnected();
}

void PeerConnection::OnDisconnected() {
    m_state = State::Closed;
    m_loginTimer.stop();
    if (!m_closedReported) {
        m_closedReported = true;
        m_host.OnClosed(*this);
    }
}

}  // namespace brxw::peer
