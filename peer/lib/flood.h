// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The peer's flood: numbered traffic frames of a chosen mix of categories, built back to back in
// one buffer so that they go out in large writes. Used by the benches and by brxw-peer --flood.

#include <QByteArray>
#include <QList>
#include <QObject>

namespace brxw::peer {

class PeerConnection;

struct FloodMix {
    // Frame i goes to categories[i % size] (16 monitoring, 32 console, 64 channel traffic).
    QList<quint8> categories{16};
    // Channel traffic cycles over channels 1..channels.
    int channels = 1;

    // The options bits a client sets to take every frame of the mix.
    quint8 Subscription() const;
};

// Frames first .. first + count - 1 of the flood. Each carries the line
// "flood <number> ..." padded with dots to 68 bytes and a line feed, 69 bytes in all.
QByteArray FloodFrames(const FloodMix& mix, qint64 first, qint64 count);

// Parses "16,64,32" into categories; false for anything that is not a list of 16, 32 and 64.
bool ParseFloodMix(const QByteArray& text, FloodMix& mix);

// Writes a flood's frames (built beforehand, see FloodFrames) to one connection as fast as its
// socket takes them: whole frames, about a quarter of a megabyte at a time, whenever less than
// a megabyte waits to be written. A child of the connection, so it ends with it; it deletes itself when the last
// byte is written.
class FloodFeeder : public QObject {
public:
    static constexpr qint64 kMaxFrames = 1000000;  // about 76 MB built

    FloodFeeder(PeerConnection& connection, QByteArray frames);

private:
    static constexpr qint64 kWriteBytes = 256 * 1024;
    static constexpr qint64 kMaxPending = 1024 * 1024;

    void Feed();

    PeerConnection& m_connection;
    QByteArray m_bytes;
    qint64 m_sent = 0;
};

}  // namespace brxw::peer
