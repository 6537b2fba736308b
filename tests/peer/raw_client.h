// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A bare client for the peer's tests, written from the wire format alone (not the product's
// client): a QTcpSocket on the test's thread, the login exchange, and frames parsed from what
// arrives after the challenge line. Every wait is bounded.

#include <QByteArray>
#include <QTcpSocket>

#include <optional>
#include <ostream>
#include <vector>

namespace brxw::test {

struct Frame {
    quint8 category = 0;
    quint8 kind = 0;
    QByteArray payload;

    bool operator==(const Frame&) const = default;
};

void PrintTo(const Frame& frame, std::ostream* os);

class RawClient {
public:
    RawClient();

    bool Connect(quint16 port);
    // Sends "<options> 0 <callsign>\n" and waits for the challenge line; empty when the peer
    // closed first.
    QByteArray SendLoginLine(int options, const QByteArray& callsign);
    // The whole exchange; true when the reply was sent (the peer says nothing on success).
    bool LogIn(quint16 port, int options = 140, const QByteArray& callsign = "Q0QQQ",
               const QByteArray& password = "7305");

    void Write(const QByteArray& bytes);
    void SendOptions(quint8 options);
    void SendRecord(quint8 kind, const QByteArray& payload);

    // Waits until at least n frames have arrived in all.
    bool WaitForFrames(size_t n, int timeoutMs = 5000);
    // Waits for a frame of that category (and kind, unless kind < 0) not yet taken by
    // WaitFor; returns it, or nothing.
    std::optional<Frame> WaitFor(quint8 category, int kind = -1, int timeoutMs = 5000);
    // Blocks until the first bytes arrive and reads what is there, as promptly as the sysop's
    // client, which reads the challenge as soon as the socket is readable.
    bool WaitForFirstRead(int timeoutMs = 5000);
    // Waits until the peer has closed the connection.
    bool WaitClosed(int timeoutMs = 5000);
    // Gives the peer a moment and processes what arrived; for "nothing more came" checks.
    void Settle(int ms = 100);

    const std::vector<Frame>& Frames() const { return m_frames; }
    std::vector<Frame> FramesOf(quint8 category) const;
    void ClearFrames();
    QByteArray Challenge() const { return m_challenge; }
    QByteArray BytesAfterChallenge() const { return m_raw; }
    // What the first read brought, which is all the sysop's client looks at for the challenge.
    QByteArray FirstRead() const { return m_firstRead; }
    int Reads() const { return m_reads; }
    qint64 BytesWritten() const { return m_written; }
    bool IsOpen() const { return m_socket.state() == QAbstractSocket::ConnectedState; }

private:
    void OnReadyRead();
    void Parse();

    QTcpSocket m_socket;
    QByteArray m_pending;  // bytes not yet parsed into frames
    QByteArray m_raw;      // every byte after the challenge line
    QByteArray m_challenge;
    QByteArray m_firstRead;
    bool m_haveChallengeLine = false;
    std::vector<Frame> m_frames;
    std::vector<bool> m_takenFlags;  // returned by WaitFor already
    int m_reads = 0;
    bool m_failed = false;
    qint64 m_written = 0;
};

}  // namespace brxw::test
