// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The BBS's connected stations, one per channel, and the station lines (category 8) that
// describe them. Owned by PeerServer; server thread only.

#include "peer/lib/peer_config.h"

#include <QByteArray>

#include <map>
#include <vector>

namespace brxw::peer {

// "<status>%d %s %s %s %d %d %s": the status character only when it is not blank; words
// lose their blanks and are cut so the line stays well under the client's 79 characters.
QByteArray StationLine(const PeerStation& station);

// The line that removes a channel's row: "!" and the channel number.
QByteArray StationRemovalLine(int channel);

class StationTable {
public:
    static constexpr int kMaxChannel = 99;

    // Adds or replaces the station of its channel. False for a channel outside 0..99.
    bool Set(const PeerStation& station);
    bool Remove(int channel);
    const PeerStation* Find(int channel) const;
    void Clear() { m_stations.clear(); }

    std::vector<PeerStation> All() const;  // in channel order
    int Count() const { return static_cast<int>(m_stations.size()); }

private:
    std::map<int, PeerStation> m_stations;
};

}  // namespace brxw::peer
