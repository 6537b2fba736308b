// SPDX-License-Identifier: GPL-3.0-or-later
#include "peer/lib/demo_driver.h"

#include "peer/lib/bbs_store.h"
#include "peer/lib/peer_server.h"
#include "peer/lib/peer_wire.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

namespace brxw::peer {

namespace {

QByteArrayList LoadLines(const QString& path, const QByteArrayList& fallback) {
    QFile file(path);
    QByteArrayList lines;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : file.read(1 << 20).split('\n')) {
            const QByteArray trimmed = line.trimmed();
            if (!trimmed.isEmpty() && !trimmed.startsWith('#')) {
                lines.append(trimmed.left(200));
            }
        }
    }
    return lines.isEmpty() ? fallback : lines;
}

}  // namespace

DemoDriver::DemoDriver(PeerServer& server, const QString& dataDir, std::uint64_t seed,
                       int intervalMs)
    : m_server(server), m_rng(seed) {
    m_callsigns = LoadLines(dataDir + QStringLiteral("/callsigns.txt"),
                            {"Q1ABC", "Q2XYZ-1", "Q3DEF", "Q5GHI-7", "Q6JKL"});
    m_monitorLines = LoadLines(dataDir + QStringLiteral("/monitoring.txt"),
                               {"QST de Q4BBS: mail for ALL waiting"});
    m_channelLines =
        LoadLines(dataDir + QStringLiteral("/channel.txt"), {"Q4BBS de Q1ABC> list new"});
    m_consoleLines =
        LoadLines(dataDir + QStringLiteral("/console.txt"), {"*** forward to Q5BBS finished"});
    m_timer.setInterval(std::max(intervalMs, 10));
    connect(&m_timer, &QTimer::timeout, this, &DemoDriver::Tick);
}

std::unique_ptr<QTemporaryDir> DemoDriver::CopyDemoRoot(const QString& dataDir) {
    const QDir source(dataDir + QStringLiteral("/root"));
    if (!source.exists()) {
        return nullptr;
    }
    auto copy = std::make_unique<QTemporaryDir>();
    if (!copy->isValid()) {
        return nullptr;
    }
    QDirIterator it(source.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString target = copy->path() + u'/' + source.relativeFilePath(entry.filePath());
        if (entry.isSymLink()) {
            continue;
        }
        if (entry.isDir()) {
            QDir().mkpath(target);
        } else {
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(entry.filePath(), target);
        }
    }
    return copy;
}

void DemoDriver::Start() {
    // A busy evening from the first look: about a dozen stations are on before anyone logs in.
    for (int tries = 0; tries < 100 && m_server.Stations().size() < kBusyStations; ++tries) {
        StationEvent();
    }
    m_server.ChangePactor(PactorChange::ScanOn);
    m_timer.start();
}

void DemoDriver::Stop() {
    m_timer.stop();
}

int DemoDriver::Pick(int count) {
    return count <= 1 ? 0 : static_cast<int>(m_rng() % static_cast<std::uint64_t>(count));
}

bool DemoDriver::Chance(int percent) {
    return Pick(100) < percent;
}

quint8 DemoDriver::Colour() {
    // Every code of the colour table, and now and then one it does not list.
    static constexpr quint8 kCodes[] = {0, 1, 2, 3, 4, 5, 6, 7, 9, 0, 4, 5, 8, 12};
    return kCodes[Pick(static_cast<int>(std::size(kCodes)))];
}

QByteArray DemoDriver::Callsign() {
    return m_callsigns[Pick(static_cast<int>(m_callsigns.size()))];
}

QByteArray DemoDriver::Clock() const {
    const int minutes = m_minutes % (24 * 60);
    return QByteArray::number(minutes / 60).rightJustified(2, '0') + ':' +
           QByteArray::number(minutes % 60).rightJustified(2, '0');
}

void DemoDriver::Tick() {
    if (Chance(30)) {
        ++m_minutes;
    }
    if (Chance(35)) {
        StationEvent();
    }
    if (Chance(20)) {
        FiguresEvent();
    }
    if (Chance(70)) {
        MonitoringEvent();
    }
    if (Chance(60)) {
        ChannelEvent();
    }
    if (Chance(25)) {
        ConsoleEvent();
    }
    if (Chance(4)) {
        PactorEvent();
    }
    // Counted rather than drawn, so the other events keep their course for a given seed.
    if (++m_ticks % kEditorEveryTicks == 0) {
        EditorEvent();
    }
}

void DemoDriver::EditorEvent() {
    // Alternately a new message to write and one of the first messages to answer.
    if ((m_ticks / kEditorEveryTicks) % 2 == 1) {
        m_server.SendNotice(kComposeMessage);
    } else {
        static constexpr int kAnswered[] = {4711, 4712, 4713, 4714};
        m_server.SendNotice(kEditMessage, QByteArray::number(kAnswered[Pick(4)]));
    }
}

void DemoDriver::StationEvent() {
    const std::vector<PeerStation> stations = m_server.Stations();
    const int count = static_cast<int>(stations.size());
    const int roll = Pick(100);
    if (count < 4 || (count < 20 && roll < 40) || (count < 12 && roll < 60)) {
        PeerStation s;
        s.channel = 1 + Pick(30);
        for (const PeerStation& taken : stations) {
            if (taken.channel == s.channel) {
                return;  // busy channel: another tick will connect someone
            }
        }
        s.callsign = Callsign();
        s.start = Clock();
        s.time = "00:00";
        s.rt = 1 + Pick(9);
        s.buf = Pick(10) == 0 ? -1 : Pick(4000);
        static constexpr char kStatus[] = {' ', ' ', ' ', '<', '>', '*'};
        s.status = kStatus[Pick(static_cast<int>(std::size(kStatus)))];
        static const QByteArray kFwd[] = {"0/0", "fwd", "1/3", "-", "in", "2/0"};
        s.cfwd = kFwd[Pick(static_cast<int>(std::size(kFwd)))];
        m_server.SetStation(s);
        m_server.SendTraffic(
            kConsole, 0, 4,
            "*** " + s.callsign + " connected on channel " + QByteArray::number(s.channel) + '\n');
    } else if (count > 0 && roll < 75) {
        PeerStation s = stations[Pick(count)];
        const int elapsed = s.time.left(2).toInt() * 60 + s.time.mid(3).toInt() + 1 + Pick(5);
        s.time = QByteArray::number(elapsed / 60 % 100).rightJustified(2, '0') + ':' +
                 QByteArray::number(elapsed % 60).rightJustified(2, '0');
        s.buf = std::max(0, s.buf + Pick(800) - 400);
        s.rt = 1 + Pick(9);
        m_server.SetStation(s);
    } else if (count > 0) {
        const PeerStation& s = stations[Pick(count)];
        m_server.RemoveStation(s.channel);
        m_server.SendTraffic(kConsole, 0, 1,
                             "*** " + s.callsign + " disconnected from channel " +
                                 QByteArray::number(s.channel) + '\n');
    }
}

void DemoDriver::FiguresEvent() {
    BbsFigures f = m_server.Figures();
    f.totalMsgs += Pick(3);
    if (Chance(30)) {
        f.heldMsgs = Pick(4);
    }
    if (Chance(30)) {
        f.privateMsgs = Pick(3);
    }
    f.usedBytes = std::clamp<qint64>(f.usedBytes + Pick(40000) - 20000, 512, 4000000);
    f.dataKb = std::clamp<qint64>(f.dataKb + Pick(400) - 200, 100, 50000);
    // Wander across the 2000-kilobyte line now and then, so the red warning shows.
    f.diskKb = Chance(15) ? 1500 + Pick(1000) : 10000 + Pick(200000);
    f.fourth = Pick(100);
    m_server.SetFigures(f);
}

void DemoDriver::MonitoringEvent() {
    const QByteArray header = "fm " + Callsign() + " to " + Callsign() + " ctl I" +
                              QByteArray::number(Pick(8)) + QByteArray::number(Pick(8)) +
                              " pid F0 [" + Clock() + "]\n";
    const quint8 colour = Colour();
    m_server.SendTraffic(kMonitoring, 0, colour, header);
    m_server.SendTraffic(kMonitoring, 0, colour,
                         m_monitorLines[Pick(static_cast<int>(m_monitorLines.size()))] + '\n');
}

void DemoDriver::ChannelEvent() {
    const std::vector<PeerStation> stations = m_server.Stations();
    if (stations.empty()) {
        return;
    }
    const PeerStation& s = stations[Pick(static_cast<int>(stations.size()))];
    QByteArray line = m_channelLines[Pick(static_cast<int>(m_channelLines.size()))];
    line.replace("$CALL", s.callsign);
    m_server.SendTraffic(kChannel, static_cast<qint8>(s.channel), Colour(), line + '\n');
}

void DemoDriver::PactorEvent() {
    // A caller links in only while the controller scans; the sysop's Scan switch is left alone.
    const int state = m_server.PactorState();
    if ((state & BbsStore::kPactorLink) == 0) {
        if (state & BbsStore::kPactorScanning) {
            m_server.ChangePactor(PactorChange::LinkUp);
            m_server.SendTraffic(kConsole, 0, 4, "*** Pactor link from " + Callsign() + '\n');
        }
    } else if (Chance(40)) {
        m_server.ChangePactor(PactorChange::LinkDown);
        m_server.SendTraffic(kConsole, 0, 1, "*** Pactor link ended\n");
    } else {
        // The other side turns the link over.
        m_server.ChangePactor((state & BbsStore::kPactorSending) ? PactorChange::ChangeOver
                                                                 : PactorChange::BreakIn);
    }
}

void DemoDriver::ConsoleEvent() {
    QByteArray line = m_consoleLines[Pick(static_cast<int>(m_consoleLines.size()))];
    line.replace("$CALL", Callsign());
    line.replace("$TIME", Clock());
    m_server.SendTraffic(kConsole, 0, Colour(), line + '\n');
}

}  // namespace brxw::peer
