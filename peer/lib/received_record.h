// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Everything the peer received from its clients, in arrival order: the raw bytes of every
// connection, and what they meant (console lines, options updates, requests, messages).
// Tests read it to check what the client sent. Written by the server thread, read from any
// thread (one mutex). Bounded: past the limit, nothing more is kept (Truncated() says so).
// Optionally mirrored to a file, one line per chunk: "<connection> <byte count> <hex>".

#include "peer/lib/client_stream_parser.h"

#include <QByteArray>
#include <QFile>

#include <mutex>
#include <vector>

namespace brxw::peer {

struct ReceivedChunk {
    int connection = 0;
    QByteArray bytes;
};

struct ReceivedEvent {
    int connection = 0;
    ClientEvent event;
};

class ReceivedRecord {
public:
    static constexpr size_t kMaxEvents = 100000;

    explicit ReceivedRecord(qint64 byteLimit);

    // Opens (truncates) the mirror file; false when it cannot be opened.
    bool MirrorTo(const QString& path);

    void AddBytes(int connection, QByteArrayView bytes);
    void AddEvent(int connection, const ClientEvent& event);

    QByteArray Bytes() const;                // every connection, in arrival order
    QByteArray Bytes(int connection) const;  // one connection
    std::vector<ReceivedChunk> Chunks() const;
    std::vector<ReceivedEvent> Events() const;
    qint64 ByteCount() const;  // all bytes received, also those past the limit
    bool Truncated() const;
    void Clear();

private:
    mutable std::mutex m_mutex;
    const qint64 m_byteLimit;
    qint64 m_keptBytes = 0;
    qint64 m_totalBytes = 0;
    bool m_truncated = false;
    std::vector<ReceivedChunk> m_chunks;
    std::vector<ReceivedEvent> m_events;
    QFile m_mirror;
};

}  // namespace brxw::peer
