// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plain settings of the reference BBS peer: users, faults, initial BBS figures and the knobs
// the demo and the tests turn. Copied into PeerServer at construction; PeerFaults can also be
// changed while the peer runs (PeerServer::SetFaults).

#include <QByteArray>
#include <QHostAddress>
#include <QString>

#include "peer/lib/flood.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace brxw::peer {

// One login the peer accepts. The callsign is compared without regard to letter case.
struct PeerUser {
    QByteArray callsign;
    QByteArray password;
};

// One connected station as the station list shows it. status is ' ' (plain), '<' (red),
// '>' (blue) or any other non-digit the sysop's client keeps.
struct PeerStation {
    int channel = 0;
    QByteArray callsign;
    QByteArray start;
    QByteArray time;
    int rt = 0;
    int buf = 0;
    QByteArray cfwd;
    char status = ' ';

    bool operator==(const PeerStation&) const = default;
};

// Figures the BBS reports about itself: message counters (category 1) and system status
// (category 2; used memory in bytes, data memory and free disk in kilobytes, a fourth number).
struct BbsFigures {
    int privateMsgs = 2;
    int heldMsgs = 5;
    int totalMsgs = 40;
    qint64 usedBytes = 20000;
    qint64 dataKb = 1500;
    qint64 diskKb = 150000;
    qint64 fourth = 7;

    bool operator==(const BbsFigures&) const = default;
};

// Misbehaviour on purpose, for the client's failure paths. Every field is off by default.
struct PeerFaults {
    bool closeBeforeChallenge = false;  // read the login line, then close without a challenge
    bool refuseLogin = false;           // close after any login reply, right or wrong
    int dropAfterFrames = -1;           // >= 0: close after this many frames since login
    bool stall = false;                 // after login: read nothing, write nothing
    bool splitWrites = false;           // after login, every byte its own flushed write
    int oversizeLength = 0;             // > 0: right after login, a frame announcing this length
    int garbageBytes = 0;               // > 0: right after login, this many random bytes

    bool operator==(const PeerFaults&) const = default;
};

inline std::vector<PeerStation> DefaultStations() {
    return {
        {1, "Q1ABC", "14:07", "00:12", 3, 120, "0/0", ' '},
        {3, "Q2XYZ-1", "14:30", "00:03", 1, 0, "fwd", '<'},
        {7, "Q3DEF", "13:55", "01:02", 5, 2048, "2/1", '>'},
    };
}

// The port of the Pactor controller a demo BBS has when none is configured.
inline constexpr int kDemoPactorPort = 1;

struct PeerConfig {
    QHostAddress address = QHostAddress::LocalHost;
    quint16 port = 3286;  // 0: an ephemeral port, read back with PeerServer::Port()
    std::vector<PeerUser> users = {{"Q0QQQ", "7305"}};
    std::optional<std::uint64_t> seed;  // every random choice comes from it when set

    // Toolbar buttons for the configuration file, pending forward, disconnects and the record
    // editors; 9: server options.
    QByteArray capabilities = QByteArray("\x01\x04\x05\x06\x07\x09", 6);
    // Whenever a client's console bit becomes set (at login or by an options update) it gets
    // notice 1 (console shown); with singleConsole, notice 2 (already connected) instead while
    // another client holds the console.
    bool singleConsole = false;
    std::vector<PeerStation> stations = DefaultStations();
    BbsFigures figures;
    int pactorPort = -1;  // >= 0: the BBS has a Pactor controller on that port (demo: 1)

    QString rootDir;  // folder served by listings, fetches and uploads; empty: none
    // > 0: a big BBS generated at start from the seed (BbsStore::Generate): this many messages,
    // a tenth as many users, a five-hundredth as many forward partners; and, unless rootDir is
    // set, a private root whose folder files/ holds a twentieth as many files.
    int scale = 0;
    QString dataDir;     // demo data; empty: the peer/data folder of the source tree
    QString recordFile;  // every received byte is also written here when set
    // Every traffic frame sent (the demo's console, monitoring and channel lines) is also written
    // here when set: one line "<category> <channel> <hex of the text>" each.
    QString sentFile;

    int pieceSize = 1000;  // data bytes per file-transfer frame, 1..1020
    // > 0: every client, whenever it comes to subscribe to the mix's categories, gets this many
    // numbered frames as fast as its socket takes them (see FloodFeeder).
    qint64 floodFrames = 0;
    FloodMix floodMix;
    bool demo = false;
    int demoIntervalMs = 300;

    int maxConnections = 64;
    int loginTimeoutMs = 30000;
    qint64 recordLimit = 16 * 1024 * 1024;  // bytes of the received-bytes record kept
    PeerFaults faults;
};

}  // namespace brxw::peer
