#include "peer/lib/flood.h"

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

}  // namespace brxw::peer
