// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The demo's lively BBS: stations on channels 1..30 connecting, changing and leaving, message
// counters and system status moving, console, monitoring and channel traffic in every colour
// code, Pactor callers linking in while the controller scans, and now and then a message for
// the sysop's editor (a new one to write, or one to answer). Works through PeerServer's public
// entry points on a timer, so each stream reaches a client only while it subscribes. Owned by
// PeerServer; server thread only.

#include <QByteArrayList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <random>

class QTemporaryDir;

namespace brxw::peer {

class PeerServer;

class DemoDriver : public QObject {
    Q_OBJECT

public:
    static constexpr std::size_t kBusyStations = 12;
    // Ticks between two messages handed to the sysop's editor: some minutes at demo speed.
    static constexpr int kEditorEveryTicks = 1500;

    DemoDriver(PeerServer& server, const QString& dataDir, std::uint64_t seed, int intervalMs);

    void Start();
    void Stop();

    // A private copy of dataDir/root for the demo to serve; null when there is none.
    static std::unique_ptr<QTemporaryDir> CopyDemoRoot(const QString& dataDir);

    // One step of the demo, also callable directly (tests drive it without the timer).
    void Tick();

private:
    void StationEvent();
    void FiguresEvent();
    void MonitoringEvent();
    void ChannelEvent();
    void ConsoleEvent();
    void PactorEvent();
    void EditorEvent();

    int Pick(int count);  // 0..count-1
    bool Chance(int percent);
    quint8 Colour();
    QByteArray Callsign();
    QByteArray Clock() const;

    PeerServer& m_server;
    QTimer m_timer;
    std::mt19937_64 m_rng;
    int m_minutes = 14 * 60;
    int m_ticks = 0;  // the demo's time of day, advancing a minute per tick or so

    QByteArrayList m_callsigns;
    QByteArrayList m_monitorLines;
    QByteArrayList m_channelLines;
    QByteArrayList m_consoleLines;
};

}  // namespace brxw::peer
