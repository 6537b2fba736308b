// SPDX-License-Identifier: GPL-3.0-or-later
#include "peer/raw_client.h"

#include "support/wait.h"

#include <QCryptographicHash>

namespace brxw::test {

void PrintTo(const Frame& frame, std::ostream* os) {
    *os << "{cat " << int(frame.category) << ", kind " << int(frame.kind) << ", \""
        << frame.payload.toStdString() << "\"}";
}

RawClient::RawClient() {
    QObject::connect(&m_socket, &QTcpSocket::readyRead, [this] { OnReadyRead(); });
    QObject::connect(&m_socket, &QTcpSocket::errorOccurred,
                     [this](QAbstractSocket::SocketError) { m_failed = true; });
}

bool RawClient::Connect(quint16 port) {
    m_socket.connectToHost(QHostAddress::LocalHost, port);
    WaitUntil([&] { return m_socket.state() == QAbstractSocket::ConnectedState || m_failed; });
    return m_socket.state() == QAbstractSocket::ConnectedState;
}

QByteArray RawClient::SendLoginLine(int options, const QByteArray& callsign) {
    Write(QByteArray::number(options) + " 0 " + callsign + "\n");
    if (!WaitUntil([&] { return m_haveChallengeLine || !IsOpen(); })) {
        return {};
    }
    return m_challenge;
}

bool RawClient::LogIn(quint16 port, int options, const QByteArray& callsign,
                      const QByteArray& password) {
    if (!Connect(port)) {
        return false;
    }
    const QByteArray challenge = SendLoginLine(options, callsign);
    if (challenge.isEmpty()) {
        return false;
    }
    const QByteArray digest =
        QCryptographicHash::hash(challenge + password, QCryptographicHash::Md5).toHex().toUpper();
    Write(digest + "\n");
    return IsOpen();
}

void RawClient::Write(const QByteArray& bytes) {
    m_written += bytes.size();
    m_socket.write(bytes);
    m_socket.flush();
}

void RawClient::SendOptions(quint8 options) {
    Write(QByteArray("\0\0", 2) + static_cast<char>(options));
}

void RawClient::SendRecord(quint8 kind, const QByteArray& payload) {
    QByteArray record(4, '\0');
    record[1] = static_cast<char>(kind);
    record[2] = static_cast<char>(payload.size() & 0xff);
    record[3] = static_cast<char>((payload.size() >> 8) & 0xff);
    Write(record + payload);
}

void RawClient::OnReadyRead() {
    const QByteArray bytes = m_socket.readAll();
    if (m_reads++ == 0) {
        m_firstRead = bytes;
    }
    if (!m_haveChallengeLine) {
        m_pending += bytes;
        const qsizetype newline = m_pending.indexOf('\n');
        if (newline < 0) {
            return;
        }
        // The challenge is the first word of its line.
        m_challenge = m_pending.left(newline).simplified().split(' ').value(0);
        m_haveChallengeLine = true;
        m_raw = m_pending.mid(newline + 1);
        m_pending = m_raw;
    } else {
        m_raw += bytes;
        m_pending += bytes;
    }
    Parse();
}

void RawClient::Parse() {
    while (m_pending.size() >= 4) {
        const int length = static_cast<quint8>(m_pending[2]) | static_cast<quint8>(m_pending[3])
                                                                   << 8;
        if (m_pending.size() < 4 + length) {
            return;
        }
        m_frames.push_back({static_cast<quint8>(m_pending[0]), static_cast<quint8>(m_pending[1]),
                            m_pending.mid(4, length)});
        m_takenFlags.push_back(false);
        m_pending.remove(0, 4 + length);
    }
}

bool RawClient::WaitForFrames(size_t n, int timeoutMs) {
    return WaitUntil([&] { return m_frames.size() >= n; }, timeoutMs);
}

std::optional<Frame> RawClient::WaitFor(quint8 category, int kind, int timeoutMs) {
    std::optional<Frame> found;
    WaitUntil(
        [&] {
            for (size_t i = 0; i < m_frames.size(); ++i) {
                const Frame& f = m_frames[i];
                if (!m_takenFlags[i] && f.category == category && (kind < 0 || f.kind == kind)) {
                    m_takenFlags[i] = true;
                    found = f;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

bool RawClient::WaitForFirstRead(int timeoutMs) {
    return m_reads > 0 || m_socket.waitForReadyRead(timeoutMs);
}

bool RawClient::WaitClosed(int timeoutMs) {
    return WaitUntil([&] { return m_socket.state() == QAbstractSocket::UnconnectedState; },
                     timeoutMs);
}

void RawClient::Settle(int ms) {
    WaitUntil([] { return false; }, ms);
}

std::vector<Frame> RawClient::FramesOf(quint8 category) const {
    std::vector<Frame> out;
    for (const Frame& f : m_frames) {
        if (f.category == category) {
            out.push_back(f);
        }
    }
    return out;
}

void RawClient::ClearFrames() {
    m_frames.clear();
    m_takenFlags.clear();
}

}  // namespace brxw::test
