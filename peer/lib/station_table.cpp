// SPDX-License-Identifier: GPL-3.0-or-later
#include "peer/lib/station_table.h"

namespace brxw::peer {

namespace {

constexpr qsizetype kMaxWord = 12;

QByteArray Word(const QByteArray& text) {
    QByteArray word = text.left(kMaxWord);
    for (char& c : word) {
        if (static_cast<unsigned char>(c) <= ' ') {
            c = '_';
        }
    }
    return word.isEmpty() ? QByteArray("-") : word;
}

}  // namespace

QByteArray StationLine(const PeerStation& s) {
    QByteArray line;
    const bool digit = s.status >= '0' && s.status <= '9';
    if (s.status != ' ' && s.status != '\0' && !digit) {
        line.append(s.status);
    }
    line.append(QByteArray::number(s.channel));
    for (const QByteArray& word : {s.callsign, s.start, s.time}) {
        line.append(' ').append(Word(word));
    }
    line.append(' ').append(QByteArray::number(s.rt));
    line.append(' ').append(QByteArray::number(s.buf));
    line.append(' ').append(Word(s.cfwd));
    return line;
}

QByteArray StationRemovalLine(int channel) {
    return "!" + QByteArray::number(channel);
}

bool StationTable::Set(const PeerStation& station) {
    if (station.channel < 0 || station.channel > kMaxChannel) {
        return false;
    }
    m_stations[station.channel] = station;
    return true;
}

bool StationTable::Remove(int channel) {
    return m_stations.erase(channel) > 0;
}

const PeerStation* StationTable::Find(int channel) const {
    const auto it = m_stations.find(channel);
    return it == m_stations.end() ? nullptr : &it->second;
}

std::vector<PeerStation> StationTable::All() const {
    std::vector<PeerStation> all;
    all.reserve(m_stations.size());
    for (const auto& [channel, station] : m_stations) {
        all.push_back(station);
    }
    return all;
}

}  // namespace brxw::peer
