#pragma once

// The peer's flood: numbered traffic frames of a chosen mix of categories, built back to back in
// one buffer so that they go out in large writes. Used by the benches and by brxw-peer --flood.

#include <QByteArray>
#include <QList>

namespace brxw::peer {

struct FloodMix {
    // Frame i goes to categories[i % size] (16 monitoring, 32 console, 64 channel traffic).
    QList<quint8> categories{16};
    // Channel traffic cycles over channels 1..channels.
    int channels = 1;
};

// Frames first .. first + count - 1 of the flood. Each carries the line
// "flood <number> ..." padded with dots to 68 bytes and a line feed, 69 bytes in all.
QByteArray FloodFrames(const FloodMix& mix, qint64 first, qint64 count);

// Parses "16,64,32" into categories; false for anything that is not a list of 16, 32 and 64.
bool ParseFloodMix(const QByteArray& text, FloodMix& mix);

}  // namespace brxw::peer
