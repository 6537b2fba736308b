// SPDX-License-Identifier: GPL-3.0-or-later
#include "peer/lib/peer_server.h"

#include "peer/lib/demo_driver.h"
#include "peer/lib/peer_wire.h"
#include "peer/lib/request_handler.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

namespace brxw::peer {

namespace {

std::mt19937_64 SeededGenerator(const std::optional<std::uint64_t>& seed) {
    if (seed) {
        std::seed_seq sequence{static_cast<std::uint32_t>(*seed),
                               static_cast<std::uint32_t>(*seed >> 32), 0x6c6f67u};
        return std::mt19937_64(sequence);
    }
    std::random_device device;
    std::seed_seq sequence{device(), device(), device(), device()};
    return std::mt19937_64(sequence);
}

// `count` files of a big BBS's file area, sparse (no data written), with sizes and dates drawn
// from the seed; the dates lie years back, so that their listing does not depend on today.
void FillBigDirectory(const QString& path, int count, std::uint64_t seed) {
    static const char* const kStems[] = {"pkt", "tnc", "node", "fwd", "dx", "wx", "keps", "log"};
    static const char* const kSuffixes[] = {".txt", ".zip", ".bin", ".cfg", ".doc", ".hex"};
    if (!QDir().mkpath(path)) {
        return;
    }
    std::mt19937_64 random(seed);
    const QDateTime base(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
    for (int i = 0; i < count; ++i) {
        const std::uint64_t draw = random();
        const QString name = QString::fromLatin1(kStems[draw % std::size(kStems)]) +
                             QString::number(i).rightJustified(5, u'0') +
                             QString::fromLatin1(kSuffixes[draw / 8 % std::size(kSuffixes)]);
        QFile file(path + u'/' + name);
        if (!file.open(QIODevice::WriteOnly)) {
            return;
        }
        file.resize(static_cast<qint64>(draw / 64 % 2000000));
        file.setFileTime(base.addSecs(static_cast<qint64>(draw / 4096 % (20LL * 365 * 86400))),
                         QFileDevice::FileModificationTime);
    }
}

}  // namespace

QString PeerServer::DefaultDataDir() {
    // Installed, the data lies beside the program's bin folder (../share/brxw/peer-data); run
    // from the build tree there is none there, and the sources' folder serves.
    if (QCoreApplication::instance() != nullptr) {
        const QString installed =
            QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                                .filePath(QStringLiteral(BRXW_PEER_INSTALLED_DATA_DIR)));
        if (QFileInfo(installed).isDir()) {
            return installed;
        }
    }
    return QStringLiteral(BRXW_PEER_DATA_DIR);
}

PeerServer::PeerServer(PeerConfig config, QObject* parent)
    : QObject(parent),
      m_config(std::move(config)),
      m_listener(new QTcpServer(this)),
      m_rng(SeededGenerator(m_config.seed)),
      m_received(m_config.recordLimit),
      m_faults(m_config.faults),
      m_figures(m_config.figures) {
    if (m_config.dataDir.isEmpty()) {
        m_config.dataDir = DefaultDataDir();
    }
    m_store.Load(m_config.dataDir);
    if (m_config.scale > 0) {
        m_store.Generate(m_config.scale, m_rng());
    }
    m_config.pieceSize = std::clamp(m_config.pieceSize, 1, kMaxPayload);
    for (const PeerStation& station : m_config.stations) {
        m_stations.Set(station);
    }
    QString root = m_config.rootDir;
    if (root.isEmpty() && (m_config.demo || m_config.scale > 0)) {
        // The demo serves a copy, so that uploads never touch the data folder.
        m_demoRoot = DemoDriver::CopyDemoRoot(m_config.dataDir);
        root = m_demoRoot ? m_demoRoot->path() : QString();
        if (m_demoRoot && m_config.scale > 0) {
            FillBigDirectory(root + QStringLiteral("/files"), std::max(m_config.scale / 20, 1),
                             m_rng());
        }
    }
    m_root = RootFolder(root);
    if (!m_config.recordFile.isEmpty() && !m_received.MirrorTo(m_config.recordFile)) {
        qWarning("brxw-peer: cannot write %s", qPrintable(m_config.recordFile));
    }

    RequestHandler::Hooks hooks;
    hooks.removeStation = [this](int channel) { RemoveStation(channel); };
    hooks.log = [this](const QString& line) { Log(line); };
    hooks.pactor = [this](PeerConnection& asker, PactorChange change) {
        ReportPactor(m_store.ChangePactor(change), &asker);
    };
    hooks.optionsChanged = [this] { BroadcastOptions(); };
    if (m_config.demo && m_config.pactorPort < 0) {
        m_config.pactorPort = kDemoPactorPort;
    }
    m_requests = std::make_unique<RequestHandler>(m_store, m_root, m_stations, m_config.pieceSize,
                                                  m_config.pactorPort, std::move(hooks));
    if (m_config.demo) {
        const std::uint64_t demoSeed =
            m_config.seed ? *m_config.seed ^ 0x64656d6fu : std::random_device{}();
        m_demo = std::make_unique<DemoDriver>(*this, m_config.dataDir, demoSeed,
                                              m_config.demoIntervalMs);
    }
    connect(m_listener, &QTcpServer::newConnection, this, &PeerServer::OnNewConnection);
}

PeerServer::~PeerServer() {
    m_demo.reset();
    m_listener->close();
    for (auto& [id, connection] : m_connections) {
        connection->disconnect();
        delete connection;
    }
    m_connections.clear();
}

void PeerServer::RunOnServerThread(const std::function<void()>& work) const {
    if (QThread::currentThread() == thread()) {
        work();
        return;
    }
    auto task = std::make_shared<Task>();
    task->work = work;
    {
        std::lock_guard lock(m_taskMutex);
        m_tasks.push_back(task);
    }
    QMetaObject::invokeMethod(const_cast<PeerServer*>(this), "RunQueuedTasks",
                              Qt::QueuedConnection);
    std::unique_lock lock(m_taskMutex);
    m_taskDone.wait(lock, [&] { return task->done; });
}

void PeerServer::RunQueuedTasks() {
    for (;;) {
        std::shared_ptr<Task> task;
        {
            std::lock_guard lock(m_taskMutex);
            if (m_tasks.empty()) {
                return;
            }
            task = m_tasks.front();
            m_tasks.pop_front();
        }
        task->work();
        {
            std::lock_guard lock(m_taskMutex);
            task->done = true;
        }
        m_taskDone.notify_all();
    }
}

// --- Listening -------------------------------------------------------------------------

bool PeerServer::Listen() {
    bool ok = false;
    RunOnServerThread([this, &ok] {
        if (m_listener->isListening()) {
            ok = true;
            return;
        }
        const quint16 port = m_port.load() != 0 ? m_port.load() : m_config.port;
        ok = m_listener->listen(m_config.address, port);
        if (!ok) {
            Log(QStringLiteral("cannot listen on %1:%2: %3")
                    .arg(m_config.address.toString())
                    .arg(port)
                    .arg(m_listener->errorString()));
            return;
        }
        m_port = m_listener->serverPort();
        if (m_demo) {
            m_demo->Start();
        }
    });
    return ok;
}

void PeerServer::StopListening() {
    RunOnServerThread([this] {
        m_listener->close();
        if (m_demo) {
            m_demo->Stop();
        }
        std::vector<PeerConnection*> all;
        for (const auto& [id, connection] : m_connections) {
            all.push_back(connection);
        }
        for (PeerConnection* connection : all) {
            connection->Abort();
        }
    });
}

bool PeerServer::IsListening() const {
    bool listening = false;
    RunOnServerThread([this, &listening] { listening = m_listener->isListening(); });
    return listening;
}

QHostAddress PeerServer::Address() const {
    return m_config.address;
}

void PeerServer::OnNewConnection() {
    while (QTcpSocket* socket = m_listener->nextPendingConnection()) {
        if (static_cast<int>(m_connections.size()) >= m_config.maxConnections) {
            Log(QStringLiteral("refused connection from %1: too many")
                    .arg(socket->peerAddress().toString()));
            socket->abort();
            socket->deleteLater();
            continue;
        }
        {
            std::lock_guard lock(m_mutex);
            ++m_accepted;
        }
        const int id = m_nextId++;
        auto* connection = new PeerConnection(id, socket, *this, m_config.loginTimeoutMs, this);
        m_connections[id] = connection;
        UpdateInfo(*connection);
        Log(QStringLiteral("connection %1 from %2").arg(id).arg(connection->PeerName()));
    }
}

// --- ConnectionHost ----------------------------------------------------------------------

const PeerUser* PeerServer::FindUser(QByteArrayView callsign) const {
    const QByteArray wanted = callsign.toByteArray().toUpper();
    for (const PeerUser& user : m_config.users) {
        if (user.callsign.toUpper() == wanted) {
            return &user;
        }
    }
    return nullptr;
}

PeerFaults PeerServer::CurrentFaults() const {
    std::lock_guard lock(m_mutex);
    return m_faults;
}

QByteArray PeerServer::NewChallenge() {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const int length = 8 + static_cast<int>(m_rng() % 9);
    QByteArray challenge;
    for (int i = 0; i < length; ++i) {
        challenge += kAlphabet[m_rng() % (sizeof(kAlphabet) - 1)];
    }
    return challenge;
}

QByteArray PeerServer::RandomBytes(int count) {
    QByteArray bytes(std::clamp(count, 0, 1 << 20), '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(m_rng() & 0xff);
    }
    return bytes;
}

void PeerServer::OnBytesReceived(PeerConnection& connection, QByteArrayView bytes) {
    m_received.AddBytes(connection.Id(), bytes);
}

void PeerServer::OnDropped(PeerConnection& connection, const char* why) {
    {
        std::lock_guard lock(m_mutex);
        ++m_refused;
    }
    Log(QStringLiteral("connection %1: %2").arg(connection.Id()).arg(QLatin1String(why)));
}

void PeerServer::OnLoggedIn(PeerConnection& connection) {
    UpdateInfo(connection);
    Log(QStringLiteral("connection %1: %2 logged in, options %3")
            .arg(connection.Id())
            .arg(QString::fromLatin1(connection.Callsign()))
            .arg(connection.Options()));

    connection.SendFrame(kReply, kCapabilities, m_config.capabilities);
    SendStreamsNewlySubscribed(connection, 0);
    FloodWhenSubscribed(connection, 0);
}

void PeerServer::FloodWhenSubscribed(PeerConnection& connection, quint8 before) {
    const quint8 wanted = m_config.floodMix.Subscription();
    if (m_config.floodFrames <= 0 || (before & wanted) == wanted ||
        (connection.Options() & wanted) != wanted) {
        return;
    }
    Log(QStringLiteral("connection %1: flood of %2 frames")
            .arg(connection.Id())
            .arg(m_config.floodFrames));
    if (m_floodFrames.isEmpty()) {
        // Built once and shared by every connection's feeder.
        m_floodFrames = FloodFrames(m_config.floodMix, 0,
                                    std::min(m_config.floodFrames, FloodFeeder::kMaxFrames));
    }
    new FloodFeeder(connection, m_floodFrames);
}

void PeerServer::Flood(qint64 count, const FloodMix& mix) {
    const QByteArray frames = FloodFrames(mix, 0, std::min(count, FloodFeeder::kMaxFrames));
    RunOnServerThread([&] {
        for (PeerConnection* connection : LoggedIn()) {
            new FloodFeeder(*connection, frames);
        }
    });
}

void PeerServer::OnClientEvent(PeerConnection& connection, const ClientEvent& event) {
    m_received.AddEvent(connection.Id(), event);
    switch (event.type) {
        case ClientEvent::Type::OptionsUpdate: {
            const quint8 before = connection.Options();
            connection.SetOptions(event.options);
            UpdateInfo(connection);
            SendStreamsNewlySubscribed(connection, before);
            FloodWhenSubscribed(connection, before);
            break;
        }
        case ClientEvent::Type::Record:
            m_requests->HandleRecord(connection, event.kind, event.text);
            break;
        case ClientEvent::Type::ConsoleLine:
            m_requests->HandleConsoleLine(connection, event.text);
            break;
        case ClientEvent::Type::MessageText:
        case ClientEvent::Type::MessageAborted:
            m_requests->HandleMessage(connection, event);
            break;
    }
}

void PeerServer::OnClosed(PeerConnection& connection) {
    const int id = connection.Id();
    if (m_connections.erase(id) == 0) {
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        const auto it = m_info.find(id);
        if (it != m_info.end() && it->second.loggedIn) {
            --m_loggedIn;
        }
        m_info.erase(id);
    }
    Log(QStringLiteral("connection %1 closed").arg(id));
    connection.deleteLater();
}

// --- Streams -----------------------------------------------------------------------------

void PeerServer::SendStreamsNewlySubscribed(PeerConnection& connection, quint8 before) {
    const quint8 added = connection.Options() & ~before;
    if (added & kStationCount) {
        connection.SendFrame(kStationCount, 0, QByteArray::number(m_stations.Count()));
    }
    if (added & kStationLine) {
        SendAllStations(connection);
    }
    SendFigures(connection, added & (kCounters | kStatus));
    if ((added & kStatus) && m_config.pactorPort >= 0) {
        connection.SendFrame(kReply, kPactor, m_store.PactorReport(m_config.pactorPort));
    }
    if (added & kConsole) {
        ConfirmConsole(connection);
    }
}

void PeerServer::ConfirmConsole(PeerConnection& connection) {
    bool taken = false;
    for (const PeerConnection* other : LoggedIn()) {
        taken = taken || (other != &connection && other->Subscribed(kConsole));
    }
    const bool refused = m_config.singleConsole && taken;
    connection.SendStream(kNotice, 0, NoticePayload(refused ? kConsoleTaken : kShowConsole, {}));
}

void PeerServer::SendAllStations(PeerConnection& connection) {
    for (const PeerStation& station : m_stations.All()) {
        if (!connection.SendStream(kStationLine, 0, StationLine(station))) {
            return;
        }
    }
}

void PeerServer::SendFigures(PeerConnection& connection, quint8 categories) {
    const BbsFigures f = Figures();
    if (categories & kCounters) {
        connection.SendStream(kCounters, 0,
                              QByteArray::number(f.privateMsgs) + ' ' +
                                  QByteArray::number(f.heldMsgs) + ' ' +
                                  QByteArray::number(f.totalMsgs));
    }
    if (categories & kStatus) {
        connection.SendStream(kStatus, 0,
                              QByteArray::number(f.usedBytes) + ' ' + QByteArray::number(f.dataKb) +
                                  ' ' + QByteArray::number(f.diskKb) + ' ' +
                                  QByteArray::number(f.fourth));
    }
}

void PeerServer::Broadcast(quint8 category, quint8 kind, QByteArrayView payload) {
    for (PeerConnection* connection : LoggedIn()) {
        connection->SendStream(category, kind, payload);
    }
}

void PeerServer::BroadcastStation(int channel) {
    const PeerStation* station = m_stations.Find(channel);
    const QByteArray line = station ? StationLine(*station) : StationRemovalLine(channel);
    Broadcast(kStationLine, 0, line);
    Broadcast(kStationCount, 0, QByteArray::number(m_stations.Count()));
}

void PeerServer::ReportPactor(bool changed, PeerConnection* asker) {
    if (m_config.pactorPort < 0) {
        return;
    }
    const QByteArray report = m_store.PactorReport(m_config.pactorPort);
    for (PeerConnection* connection : LoggedIn()) {
        if (connection->Subscribed(kStatus) && (changed || connection == asker)) {
            connection->SendFrame(kReply, kPactor, report);
        }
    }
}

void PeerServer::BroadcastOptions() {
    const QByteArray list = m_store.OptionList();
    for (PeerConnection* connection : LoggedIn()) {
        connection->SendFrame(kReply, kOptions, list);
    }
}

std::vector<PeerConnection*> PeerServer::LoggedIn() const {
    std::vector<PeerConnection*> all;
    for (const auto& [id, connection] : m_connections) {
        if (connection->IsLoggedIn()) {
            all.push_back(connection);
        }
    }
    return all;
}

void PeerServer::UpdateInfo(const PeerConnection& connection) {
    std::lock_guard lock(m_mutex);
    ConnectionInfo& info = m_info[connection.Id()];
    if (!info.loggedIn && connection.IsLoggedIn()) {
        ++m_loggedIn;
    }
    info.id = connection.Id();
    info.peer = connection.PeerName();
    info.callsign = connection.Callsign();
    info.loggedIn = connection.IsLoggedIn();
    info.options = connection.Options();
    if (info.loggedIn) {
        m_lastOptions = info.options;
    }
}

void PeerServer::Log(const QString& line) {
    emit LogLine(line);
}

// --- Faults and test entry points ------------------------------------------------------

void PeerServer::SetFaults(const PeerFaults& faults) {
    RunOnServerThread([this, faults] {
        {
            std::lock_guard lock(m_mutex);
            m_faults = faults;
        }
        if (!faults.stall) {
            for (PeerConnection* connection : LoggedIn()) {
                connection->Resume();
            }
        }
    });
}

PeerFaults PeerServer::Faults() const {
    return CurrentFaults();
}

void PeerServer::SendFrame(quint8 category, quint8 kind, const QByteArray& payload) {
    RunOnServerThread([&] {
        for (PeerConnection* connection : LoggedIn()) {
            connection->SendFrame(category, kind, payload);
        }
    });
}

void PeerServer::SendRaw(const QByteArray& bytes) {
    RunOnServerThread([&] {
        for (PeerConnection* connection : LoggedIn()) {
            connection->SendRaw(bytes);
        }
    });
}

void PeerServer::SendFile(quint8 kind, const QByteArray& name, const QByteArray& data,
                          int pieceSize, qint64 announcedSize) {
    RunOnServerThread([&] {
        const int piece = pieceSize > 0 ? pieceSize : m_config.pieceSize;
        for (PeerConnection* connection : LoggedIn()) {
            SendTransfer(*connection, kind, name, data, piece, announcedSize);
        }
    });
}

void PeerServer::SendFileAnnouncement(quint8 kind, const QByteArray& name, qint64 size) {
    RunOnServerThread([&] {
        const QByteArray first = name + '\0' + QByteArray::number(size);
        for (PeerConnection* connection : LoggedIn()) {
            connection->SendFrame(kReply, kind, first);
        }
    });
}

void PeerServer::SendCapabilities(const QByteArray& codes) {
    SendFrame(kReply, kCapabilities, codes);
}

void PeerServer::SendNotice(qint8 code, const QByteArray& extra) {
    RunOnServerThread([&] {
        for (PeerConnection* connection : LoggedIn()) {
            if (!connection->SendStream(kNotice, 0, NoticePayload(code, extra))) {
                continue;
            }
            if (code == kComposeMessage) {
                connection->ExpectMessage(-1);
            } else if (code == kEditMessage) {
                bool ok = false;
                const qint64 number = extra.trimmed().toLongLong(&ok);
                connection->ExpectMessage(ok ? number : -1);
            }
        }
    });
}

void PeerServer::SendTraffic(quint8 category, qint8 channel, quint8 colour,
                             const QByteArray& text) {
    RunOnServerThread([&] {
        Broadcast(category, 0, TrafficPayload(channel, colour, text));
        RecordSent(category, channel, text);
    });
}

void PeerServer::RecordSent(quint8 category, qint8 channel, const QByteArray& text) {
    if (m_config.sentFile.isEmpty()) {
        return;
    }
    if (!m_sent) {
        m_sent = std::make_unique<QFile>(m_config.sentFile);
        if (!m_sent->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            qWarning("brxw-peer: cannot write %s: %s", qPrintable(m_config.sentFile),
                     qPrintable(m_sent->errorString()));
        }
    }
    if (m_sent->isOpen()) {
        // Flushed at once: a test reads it while the demo goes on.
        m_sent->write(QByteArray::number(category) + ' ' + QByteArray::number(channel) + ' ' +
                      text.toHex() + '\n');
        m_sent->flush();
    }
}

void PeerServer::CloseConnections() {
    RunOnServerThread([this] {
        std::vector<PeerConnection*> all;
        for (const auto& [id, connection] : m_connections) {
            all.push_back(connection);
        }
        for (PeerConnection* connection : all) {
            connection->Close();
        }
    });
}

// --- BBS state ---------------------------------------------------------------------------

void PeerServer::SetFigures(const BbsFigures& figures) {
    RunOnServerThread([&] {
        BbsFigures before;
        {
            std::lock_guard lock(m_mutex);
            before = m_figures;
            m_figures = figures;
        }
        const bool counters = before.privateMsgs != figures.privateMsgs ||
                              before.heldMsgs != figures.heldMsgs ||
                              before.totalMsgs != figures.totalMsgs;
        const bool status = before.usedBytes != figures.usedBytes ||
                            before.dataKb != figures.dataKb || before.diskKb != figures.diskKb ||
                            before.fourth != figures.fourth;
        const quint8 which = (counters ? kCounters : 0) | (status ? kStatus : 0);
        for (PeerConnection* connection : LoggedIn()) {
            SendFigures(*connection, which);
        }
    });
}

BbsFigures PeerServer::Figures() const {
    std::lock_guard lock(m_mutex);
    return m_figures;
}

void PeerServer::SetStation(const PeerStation& station) {
    RunOnServerThread([&] {
        if (m_stations.Set(station)) {
            BroadcastStation(station.channel);
        }
    });
}

void PeerServer::RemoveStation(int channel) {
    RunOnServerThread([&] {
        if (m_stations.Remove(channel)) {
            BroadcastStation(channel);
        }
    });
}

std::vector<PeerStation> PeerServer::Stations() const {
    std::vector<PeerStation> all;
    RunOnServerThread([&] { all = m_stations.All(); });
    return all;
}

void PeerServer::ChangePactor(PactorChange change) {
    RunOnServerThread([&] {
        if (m_config.pactorPort >= 0) {
            ReportPactor(m_store.ChangePactor(change), nullptr);
        }
    });
}

int PeerServer::PactorState() const {
    int state = 0;
    RunOnServerThread([&] { state = m_store.PactorState(); });
    return state;
}

// --- Observers ---------------------------------------------------------------------------

int PeerServer::ConnectionCount() const {
    std::lock_guard lock(m_mutex);
    return static_cast<int>(m_info.size());
}

int PeerServer::LoggedInCount() const {
    std::lock_guard lock(m_mutex);
    return m_loggedIn;
}

int PeerServer::AcceptedCount() const {
    std::lock_guard lock(m_mutex);
    return m_accepted;
}

int PeerServer::Refusals() const {
    std::lock_guard lock(m_mutex);
    return m_refused;
}

int PeerServer::LastOptions() const {
    std::lock_guard lock(m_mutex);
    return m_lastOptions;
}

std::vector<ConnectionInfo> PeerServer::Connections() const {
    std::lock_guard lock(m_mutex);
    std::vector<ConnectionInfo> all;
    for (const auto& [id, info] : m_info) {
        all.push_back(info);
    }
    return all;
}

}  // namespace brxw::peer
