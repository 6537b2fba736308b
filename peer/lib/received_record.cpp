// SPDX-License-Identifier: GPL-3.0-or-later
#include "peer/lib/received_record.h"

namespace brxw::peer {

ReceivedRecord::ReceivedRecord(qint64 byteLimit) : m_byteLimit(byteLimit) {}

bool ReceivedRecord::MirrorTo(const QString& path) {
    std::lock_guard lock(m_mutex);
    m_mirror.close();
    m_mirror.setFileName(path);
    return m_mirror.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void ReceivedRecord::AddBytes(int connection, QByteArrayView bytes) {
    std::lock_guard lock(m_mutex);
    m_totalBytes += bytes.size();
    if (m_keptBytes + bytes.size() > m_byteLimit) {
        m_truncated = true;
        return;
    }
    m_keptBytes += bytes.size();
    m_chunks.push_back({connection, bytes.toByteArray()});
    if (m_mirror.isOpen()) {
        m_mirror.write(QByteArray::number(connection) + ' ' + QByteArray::number(bytes.size()) +
                       ' ' + bytes.toByteArray().toHex() + '\n');
        m_mirror.flush();
    }
}

void ReceivedRecord::AddEvent(int connection, const ClientEvent& event) {
    std::lock_guard lock(m_mutex);
    if (m_events.size() >= kMaxEvents) {
        m_truncated = true;
        return;
    }
    m_events.push_back({connection, event});
}

QByteArray ReceivedRecord::Bytes() const {
    std::lock_guard lock(m_mutex);
    QByteArray all;
    all.reserve(m_keptBytes);
    for (const ReceivedChunk& chunk : m_chunks) {
        all += chunk.bytes;
    }
    return all;
}

QByteArray ReceivedRecord::Bytes(int connection) const {
    std::lock_guard lock(m_mutex);
    QByteArray all;
    for (const ReceivedChunk& chunk : m_chunks) {
        if (chunk.connection == connection) {
            all += chunk.bytes;
        }
    }
    return all;
}

std::vector<ReceivedChunk> ReceivedRecord::Chunks() const {
    std::lock_guard lock(m_mutex);
    return m_chunks;
}

std::vector<ReceivedEvent> ReceivedRecord::Events() const {
    std::lock_guard lock(m_mutex);
    return m_events;
}

qint64 ReceivedRecord::ByteCount() const {
    std::lock_guard lock(m_mutex);
    return m_totalBytes;
}

bool ReceivedRecord::Truncated() const {
    std::lock_guard lock(m_mutex);
    return m_truncated;
}

void ReceivedRecord::Clear() {
    std::lock_guard lock(m_mutex);
    m_chunks.clear();
    m_events.clear();
    m_keptBytes = 0;
    m_totalBytes = 0;
    m_truncated = false;
}

}  // namespace brxw::peer
