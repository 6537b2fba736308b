// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Byte layouts of what the peer writes: frames (category, kind, 16-bit little-endian length,
// payload), traffic payloads, file transfers, control notices and the login digest. Pure
// functions, callable from any thread.

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace brxw::peer {

inline constexpr int kMaxPayload = 1020;      // the client assembles frames in 1024 bytes
inline constexpr int kMaxWireLength = 65535;  // what the 16-bit length field can carry

// Inbound categories of the client; each non-zero one is also its subscription bit.
enum Category : quint8 {
    kReply = 0,
    kCounters = 1,
    kStatus = 2,
    kStationCount = 4,
    kStationLine = 8,
    kMonitoring = 16,
    kConsole = 32,
    kChannel = 64,
    kNotice = 128,
};

// Kinds of category 0, in both directions.
enum Kind : quint8 {
    kCapabilities = 0,
    kDirectory = 1,
    kFetch = 2,
    kUpload = 3,
    kForward = 4,
    kDisconnect = 5,
    kUsers = 6,
    kMessages = 7,
    kMessageText = 8,
    kOptions = 9,
    kPactor = 10,
};

enum Notice : qint8 {
    kCloseConsole = 0,
    kShowConsole = 1,
    kConsoleTaken = 2,
    kComposeMessage = 3,
    kEditMessage = 4,
};

// Header and payload; a payload longer than the length field can carry is cut to 65535.
QByteArray BuildFrame(quint8 category, quint8 kind, QByteArrayView payload);

// Just a header announcing `length` bytes, whatever follows.
QByteArray BuildHeader(quint8 category, quint8 kind, int length);

// Channel, colour code, one unused byte, then the text, cut so the payload fits 1020 bytes.
QByteArray TrafficPayload(qint8 channel, quint8 colour, QByteArrayView text);

// Notice code followed by its extra bytes (the decimal message number of notice 4).
QByteArray NoticePayload(qint8 code, QByteArrayView extra);

// The payloads of one file transfer: name, zero byte, decimal size; the data in pieces of at
// most pieceSize (clamped to 1..1020); an empty end frame. announcedSize < 0 announces the
// real size.
std::vector<QByteArray> TransferPayloads(QByteArrayView name, QByteArrayView data, int pieceSize,
                                         qint64 announcedSize = -1);

// 32 uppercase hexadecimal digits of MD5(challenge followed by password).
QByteArray LoginDigest(QByteArrayView challenge, QByteArrayView password);

}  // namespace brxw::peer
