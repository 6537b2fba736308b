// SPDX-License-Identifier: GPL-3.0-or-later
#include "peer/lib/peer_wire.h"

#include <QCryptographicHash>

#include <algorithm>

namespace brxw::peer {

QByteArray BuildHeader(quint8 category, quint8 kind, int length) {
    const int n = std::clamp(length, 0, kMaxWireLength);
    QByteArray header(4, '\0');
    header[0] = static_cast<char>(category);
    header[1] = static_cast<char>(kind);
    header[2] = static_cast<char>(n & 0xff);
    header[3] = static_cast<char>((n >> 8) & 0xff);
    return header;
}

QByteArray BuildFrame(quint8 category, quint8 kind, QByteArrayView payload) {
    const qsizetype n = std::min<qsizetype>(payload.size(), kMaxWireLength);
    QByteArray frame = BuildHeader(category, kind, static_cast<int>(n));
    frame.append(payload.first(n));
    return frame;
}

QByteArray TrafficPayload(qint8 channel, quint8 colour, QByteArrayView text) {
    QByteArray payload;
    payload.reserve(3 + std::min<qsizetype>(text.size(), kMaxPayload - 3));
    payload.append(static_cast<char>(channel));
    payload.append(static_cast<char>(colour));
    payload.append('\0');
    payload.append(text.first(std::min<qsizetype>(text.size(), kMaxPayload - 3)));
    return payload;
}

QByteArray NoticePayload(qint8 code, QByteArrayView extra) {
    QByteArray payload(1, static_cast<char>(code));
    payload.append(extra.first(std::min<qsizetype>(extra.size(), kMaxPayload - 1)));
    return payload;
}

std::vector<QByteArray> TransferPayloads(QByteArrayView name, QByteArrayView data, int pieceSize,
                                         qint64 announcedSize) {
    const qsizetype piece = std::clamp(pieceSize, 1, kMaxPayload);
    std::vector<QByteArray> payloads;
    payloads.reserve(static_cast<size_t>(data.size() / piece + 3));

    const QByteArray size = QByteArray::number(announcedSize < 0 ? data.size() : announcedSize);
    QByteArray first =
        name.first(std::min<qsizetype>(name.size(), kMaxPayload - 1 - size.size())).toByteArray();
    first.append('\0');
    first.append(size);
    payloads.push_back(first);

    for (qsizetype at = 0; at < data.size(); at += piece) {
        payloads.push_back(data.sliced(at, std::min(piece, data.size() - at)).toByteArray());
    }
    payloads.emplace_back();
    return payloads;
}

QByteArray LoginDigest(QByteArrayView challenge, QByteArrayView password) {
    QCryptographicHash hash(QCryptographicHash::Md5);
    hash.addData(challenge);
    hash.addData(password);
    return hash.result().toHex().toUpper();
}

}  // namespace brxw::peer
