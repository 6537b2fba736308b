// SPDX-License-Identifier: GPL-3.0-or-later
#include "peer/lib/flood.h"

#include "peer/lib/peer_connection.h"
#include "peer/lib/peer_wire.h"

#include <algorithm>

namespace brxw::peer {

namespace {

constexpr int kFloodLineBytes = 69;

}  // namespace

QByteArray FloodFrames(const FloodMix& mix, qint64 first, qint64 count) {
    QByteArray out;
    if (count <= 0 || mix.categories.isEmpty()) {
        return out;
    }
    out.reserve(count * (4 + 3 + kFloodLineBytes));
    const int channels = std::max(1, mix.channels);
    QByteArray text;
    for (qint64 i = first; i < first + count; ++i) {
        const quint8 category = mix.categories[static_cast<qsizetype>(i % mix.categories.size())];
        text = "flood " + QByteArray::number(i) + ' ';
        text = text.leftJustified(kFloodLineBytes - 1, '.', true);
        text += '\n';
        const qint8 channel = category == kChannel ? static_cast<qint8>(1 + i % channels) : 0;
        out += BuildFrame(category, 0, TrafficPayload(channel, static_cast<quint8>(i % 10), text));
    }
    return out;
}

bool ParseFloodMix(const QByteArray& text, FloodMix& mix) {
    QList<quint8> categories;
    for (const QByteArray& part : text.split(',')) {
        bool ok = false;
        const int value = part.trimmed().toInt(&ok);
        if (!ok || (value != kMonitoring && value != kConsole && value != kChannel)) {
            return false;
        }
        categories.append(static_cast<quint8>(value));
    }
    mix.categories = categories;
    return !categories.isEmpty();
}

quint8 FloodMix::Subscription() const {
    quint8 bits = 0;
    for (const quint8 category : categories) {
        bits |= category;
    }
    return bits;
}

FloodFeeder::FloodFeeder(PeerConnection& connection, QByteArray frames)
    : QObject(&connection), m_connection(connection), m_bytes(std::move(frames)) {
    connect(&connection, &PeerConnection::BytesWritten, this, &FloodFeeder::Feed);
    Feed();
}

void FloodFeeder::Feed() {
    while (m_sent < m_bytes.size() && m_connection.PendingBytes() < kMaxPending) {
        if (!m_connection.IsLoggedIn()) {
            return;
        }
        // Whole frames only: whatever else the peer writes to this client meanwhile goes
        // between two frames, never into one.
        qint64 end = m_sent;
        while (end + 4 <= m_bytes.size() && (end == m_sent || end - m_sent < kWriteBytes)) {
            const auto low = static_cast<quint8>(m_bytes[end + 2]);
            const auto high = static_cast<quint8>(m_bytes[end + 3]);
            end += 4 + (low | high << 8);
        }
        end = std::min(std::max(end, m_sent + 1), m_bytes.size());
        m_connection.SendRaw(QByteArrayView(m_bytes).sliced(m_sent, end - m_sent));
        m_sent = end;
    }
    if (m_sent >= m_bytes.size()) {
        deleteLater();
    }
}

}  // namespace brxw::peer
