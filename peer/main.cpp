// SPDX-License-Identifier: GPL-3.0-or-later
// brxw-peer: the reference BBS remote console, for the demo, the end-to-end tests and the
// benchmarks. A thin shell over brxw::peer::PeerServer.

#include "brxw_version.h"
#include "peer/lib/peer_server.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#include <QSocketNotifier>
#include <csignal>
#endif

namespace {

using brxw::peer::PeerConfig;

bool ParseListen(const QString& text, PeerConfig& config) {
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon <= 0) {
        return false;
    }
    bool ok = false;
    const uint port = text.mid(colon + 1).toUInt(&ok);
    QString host = text.left(colon);
    if (host.startsWith(u'[') && host.endsWith(u']')) {
        host = host.mid(1, host.size() - 2);
    }
    const QHostAddress address(host == QLatin1String("localhost") ? QStringLiteral("127.0.0.1")
                                                                  : host);
    if (!ok || port > 65535 || address.isNull()) {
        return false;
    }
    config.address = address;
    config.port = static_cast<quint16>(port);
    return true;
}

bool ParseUsers(const QStringList& logins, PeerConfig& config) {
    if (logins.isEmpty()) {
        return true;
    }
    config.users.clear();
    for (const QString& login : logins) {
        const qsizetype colon = login.indexOf(u':');
        if (colon <= 0) {
            return false;
        }
        config.users.push_back({login.left(colon).toLatin1(), login.mid(colon + 1).toLatin1()});
    }
    return true;
}

bool ParseCapabilities(const QString& text, PeerConfig& config) {
    QByteArray codes;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const uint code = part.trimmed().toUInt(&ok);
        if (!ok || code > 255) {
            return false;
        }
        codes.append(static_cast<char>(code));
    }
    config.capabilities = codes;
    return true;
}

#ifdef Q_OS_UNIX
int g_stopPipe[2] = {-1, -1};

void OnStopSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_stopPipe[1], &byte, 1);
}

// Ctrl+C and a plain kill end the event loop, so that the server is destroyed as usual and the
// private folders it made (the demo's root, a scaled BBS's thousands of files) are removed.
void QuitOnStopSignals(QCoreApplication& app) {
    if (::pipe(g_stopPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(g_stopPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);
}
#endif

[[noreturn]] void Fail(const QString& message) {
    std::fprintf(stderr, "brxw-peer: %s\n", qPrintable(message));
    std::exit(2);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brxw-peer"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BRXW_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Reference BBS remote console for brxW: challenge login, subscription streams, file\n"
        "transfers and requests, a lively demo, and fault injection for tests.\n"
        "Console commands COMPOSE and EDIT <n> hand the client's editor a new message or\n"
        "message n (control notices 3 and 4); the demo does so every few minutes."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption listen(
        {QStringLiteral("listen")},
        QStringLiteral("Address and port to listen on; port 0 picks a free one."),
        QStringLiteral("ADDR:PORT"), QStringLiteral("127.0.0.1:3286"));
    const QCommandLineOption user({QStringLiteral("user")},
                                  QStringLiteral("A login (repeatable); default Q0QQQ:7305."),
                                  QStringLiteral("CALL:PASS"));
    const QCommandLineOption seed({QStringLiteral("seed")},
                                  QStringLiteral("Take every random choice from this seed."),
                                  QStringLiteral("N"));
    const QCommandLineOption demo({QStringLiteral("demo")},
                                  QStringLiteral("Run a lively BBS: stations, counters, traffic."));
    const QCommandLineOption demoInterval({QStringLiteral("demo-interval")},
                                          QStringLiteral("Milliseconds between demo steps."),
                                          QStringLiteral("MS"), QStringLiteral("300"));
    const QCommandLineOption root(
        {QStringLiteral("root")},
        QStringLiteral("Folder served to the remote file browser (demo: a copy of its own)."),
        QStringLiteral("DIR"));
    const QCommandLineOption data(
        {QStringLiteral("data")},
        QStringLiteral("Folder of the demo data: records/ (messages, users, choices, forwards), "
                       "root/ and the traffic lines (default: %1).")
            .arg(brxw::peer::PeerServer::DefaultDataDir()),
        QStringLiteral("DIR"));
    const QCommandLineOption record(
        {QStringLiteral("record")},
        QStringLiteral("Write every received byte here: one line \"<conn> <count> <hex>\" each."),
        QStringLiteral("FILE"));
    const QCommandLineOption sent(
        {QStringLiteral("sent")},
        QStringLiteral("Write every traffic frame sent here: one line "
                       "\"<category> <channel> <hex>\" each."),
        QStringLiteral("FILE"));
    const QCommandLineOption capabilities(
        {QStringLiteral("capabilities")},
        QStringLiteral("Capability codes sent after login, comma-separated (default 1,4,5,6,7,9)."),
        QStringLiteral("LIST"));
    const QCommandLineOption pieceSize({QStringLiteral("piece-size")},
                                       QStringLiteral("Data bytes per file-transfer frame."),
                                       QStringLiteral("N"), QStringLiteral("1000"));
    const QCommandLineOption pactor(
        {QStringLiteral("pactor")},
        QStringLiteral("Run a Pactor controller on this port (the demo's is on 1)."),
        QStringLiteral("PORT"));
    const QCommandLineOption dropAfter({QStringLiteral("drop-after")},
                                       QStringLiteral("Fault: close after N frames since login."),
                                       QStringLiteral("N"));
    const QCommandLineOption stall({QStringLiteral("stall")},
                                   QStringLiteral("Fault: read and write nothing after login."));
    const QCommandLineOption splitWrites(
        {QStringLiteral("split-writes")},
        QStringLiteral("Fault: after login, write every byte as its own segment."));
    const QCommandLineOption oversize(
        {QStringLiteral("oversize")},
        QStringLiteral("Fault: announce a 2000-byte frame right after login."));
    const QCommandLineOption garbage({QStringLiteral("garbage")},
                                     QStringLiteral("Fault: send N random bytes after login."),
                                     QStringLiteral("N"));
    const QCommandLineOption closeBeforeChallenge(
        {QStringLiteral("close-before-challenge")},
        QStringLiteral("Fault: close after the login line, before the challenge."));
    const QCommandLineOption refuseLogin({QStringLiteral("refuse-login")},
                                         QStringLiteral("Fault: close after any login reply."));
    const QCommandLineOption scale(
        {QStringLiteral("scale")},
        QStringLiteral("Serve a big BBS generated from the seed: N messages, N/10 users, N/500 "
                       "forward partners and, unless --root is given, a folder files/ of N/20 "
                       "files; 1..1000000 (100000 is a busy BBS)."),
        QStringLiteral("N"));
    const QCommandLineOption flood(
        {QStringLiteral("flood")},
        QStringLiteral("Load: send each client N numbered traffic frames (\"flood <n> ...\", 69 "
                       "bytes of text each) in whole frames, as fast as its socket takes them, "
                       "whenever its subscriptions come to cover the mix's categories (at login "
                       "or by an options update); 1..1000000."),
        QStringLiteral("N"));
    const QCommandLineOption floodMix(
        {QStringLiteral("flood-mix")},
        QStringLiteral("Categories of the flood's frames in turn: 16 monitoring, 32 console, "
                       "64 channel traffic (default 16,32,64,16)."),
        QStringLiteral("LIST"), QStringLiteral("16,32,64,16"));
    const QCommandLineOption floodChannels(
        {QStringLiteral("flood-channels")},
        QStringLiteral("Channel traffic of the flood cycles over channels 1..K (default 4)."),
        QStringLiteral("K"), QStringLiteral("4"));
    parser.addOptions({listen,
                       user,
                       seed,
                       demo,
                       demoInterval,
                       root,
                       data,
                       record,
                       sent,
                       capabilities,
                       pieceSize,
                       pactor,
                       dropAfter,
                       stall,
                       splitWrites,
                       oversize,
                       garbage,
                       closeBeforeChallenge,
                       refuseLogin,
                       scale,
                       flood,
                       floodMix,
                       floodChannels});
    parser.process(app);

    PeerConfig config;
    if (!ParseListen(parser.value(listen), config)) {
        Fail(QStringLiteral("bad --listen %1 (ADDR:PORT expected)").arg(parser.value(listen)));
    }
    if (!ParseUsers(parser.values(user), config)) {
        Fail(QStringLiteral("bad --user (CALL:PASS expected)"));
    }
    bool ok = true;
    if (parser.isSet(seed)) {
        config.seed = parser.value(seed).toULongLong(&ok);
        if (!ok) {
            Fail(QStringLiteral("bad --seed"));
        }
    }
    config.demo = parser.isSet(demo);
    config.demoIntervalMs = parser.value(demoInterval).toInt(&ok);
    if (!ok || config.demoIntervalMs <= 0) {
        Fail(QStringLiteral("bad --demo-interval"));
    }
    config.rootDir = parser.value(root);
    config.dataDir = parser.value(data);
    config.recordFile = parser.value(record);
    config.sentFile = parser.value(sent);
    if (parser.isSet(capabilities) && !ParseCapabilities(parser.value(capabilities), config)) {
        Fail(QStringLiteral("bad --capabilities"));
    }
    config.pieceSize = parser.value(pieceSize).toInt(&ok);
    if (!ok || config.pieceSize < 1 || config.pieceSize > 1020) {
        Fail(QStringLiteral("bad --piece-size (1..1020)"));
    }
    if (parser.isSet(pactor)) {
        config.pactorPort = parser.value(pactor).toInt(&ok);
        if (!ok || config.pactorPort < 0) {
            Fail(QStringLiteral("bad --pactor"));
        }
    }
    if (parser.isSet(dropAfter)) {
        config.faults.dropAfterFrames = parser.value(dropAfter).toInt(&ok);
        if (!ok || config.faults.dropAfterFrames < 0) {
            Fail(QStringLiteral("bad --drop-after"));
        }
    }
    if (parser.isSet(garbage)) {
        config.faults.garbageBytes = parser.value(garbage).toInt(&ok);
        if (!ok || config.faults.garbageBytes < 0) {
            Fail(QStringLiteral("bad --garbage"));
        }
    }
    if (parser.isSet(scale)) {
        config.scale = parser.value(scale).toInt(&ok);
        if (!ok || config.scale < 1 || config.scale > 1000000) {
            Fail(QStringLiteral("bad --scale (1..1000000)"));
        }
    }
    if (parser.isSet(flood)) {
        config.floodFrames = parser.value(flood).toLongLong(&ok);
        if (!ok || config.floodFrames < 1 ||
            config.floodFrames > brxw::peer::FloodFeeder::kMaxFrames) {
            Fail(QStringLiteral("bad --flood (1..1000000)"));
        }
    }
    if (!brxw::peer::ParseFloodMix(parser.value(floodMix).toLatin1(), config.floodMix)) {
        Fail(QStringLiteral("bad --flood-mix (a list of 16, 32 and 64)"));
    }
    config.floodMix.channels = parser.value(floodChannels).toInt(&ok);
    if (!ok || config.floodMix.channels < 1 || config.floodMix.channels > 99) {
        Fail(QStringLiteral("bad --flood-channels (1..99)"));
    }
    config.faults.stall = parser.isSet(stall);
    config.faults.splitWrites = parser.isSet(splitWrites);
    config.faults.oversizeLength = parser.isSet(oversize) ? 2000 : 0;
    config.faults.closeBeforeChallenge = parser.isSet(closeBeforeChallenge);
    config.faults.refuseLogin = parser.isSet(refuseLogin);

    brxw::peer::PeerServer server(config);
    QObject::connect(&server, &brxw::peer::PeerServer::LogLine, [](const QString& line) {
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss"));
        std::fprintf(stderr, "%s %s\n", qPrintable(stamp), qPrintable(line));
    });
    if (!server.Listen()) {
        Fail(QStringLiteral("cannot listen on %1").arg(parser.value(listen)));
    }
    std::printf("listening on %s:%u\n", qPrintable(server.Address().toString()),
                static_cast<unsigned>(server.Port()));
    std::fflush(stdout);
#ifdef Q_OS_UNIX
    QuitOnStopSignals(app);
#endif
    return QCoreApplication::exec();
}
