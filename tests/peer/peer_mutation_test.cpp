// SPDX-License-Identifier: GPL-3.0-or-later
// Random and mutated client streams against the peer, seeded so a failure repeats: the peer
// must not crash, must keep serving, and must never write outside its root folder.
#include "peer/raw_client.h"
#include "support/running_peer.h"
#include "support/wait.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <random>

namespace brxw::test {
namespace {

QByteArray Record(quint8 kind, const QByteArray& payload) {
    QByteArray r(4, '\0');
    r[1] = static_cast<char>(kind);
    r[2] = static_cast<char>(payload.size() & 0xff);
    r[3] = static_cast<char>((payload.size() >> 8) & 0xff);
    return r + payload;
}

// Well-formed pieces of what a client sends after login.
std::vector<QByteArray> Corpus() {
    return {
        QByteArray("\0\0\xff", 3),
        QByteArray("\0\0\x8c", 3),
        "version\n",
        Record(1, ""),
        Record(1, "/mail"),
        Record(1, "../.."),
        Record(2, "init.cfg"),
        Record(2, "../outside.txt"),
        Record(3, "mail/up.txt") + Record(3, QByteArray(1000, 'u')) + Record(3, ""),
        Record(3, "../../evil.txt") + Record(3, "x") + Record(3, ""),
        Record(3, "/etc/evil") + Record(3, "x") + Record(3, ""),
        Record(4, "LIST"),
        Record(4, "START 1"),
        Record(5, "07 Q3DEF 1"),
        Record(6, "LIST"),
        Record(6, "GET Q1ABC"),
        Record(6, "PUT Q1ABC 12\n22 New name\n"),
        Record(6, "NEW Q8NEW"),
        Record(6, "DEL Q8NEW"),
        Record(7, "GET 4711"),
        Record(7, "PUT 4711 4\n1 B\n"),
        Record(8, "MSG 4711") + "new text\nline\n\x1a\n",
        Record(8, "MSG 4713") + "\n/ABORT\n",
        Record(9, "GET"),
        Record(9, "SET A 0"),
        Record(10, "SCAN 1 1"),
        Record(10, "BRK 1"),
    };
}

class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : m_rng(seed) {}

    int Below(int n) { return n <= 1 ? 0 : static_cast<int>(m_rng() % static_cast<unsigned>(n)); }

    QByteArray RandomBytes(int n) {
        QByteArray bytes(n, '\0');
        for (char& b : bytes) {
            // Zeros and line feeds often, so records and lines start and end at random.
            const int roll = Below(10);
            b = roll == 0 ? '\0' : roll == 1 ? '\n' : roll == 2 ? '\x1a' : char(Below(256));
        }
        return bytes;
    }

    QByteArray Mutate(QByteArray bytes) {
        const int count = 1 + Below(4);
        for (int i = 0; i < count; ++i) {
            const int at = Below(static_cast<int>(bytes.size()) + 1);
            switch (Below(6)) {
                case 0:
                    if (!bytes.isEmpty()) {
                        bytes[std::min<qsizetype>(at, bytes.size() - 1)] ^= char(1 << Below(8));
                    }
                    break;
                case 1:
                    bytes.insert(at, RandomBytes(1 + Below(16)));
                    break;
                case 2:
                    bytes.remove(at, Below(16));
                    break;
                case 3:
                    bytes.insert(at, bytes.mid(at, Below(64)));
                    break;
                case 4:  // a huge announced length
                    bytes.insert(at, QByteArray("\0\x02\xff\xff", 4));
                    break;
                default:
                    bytes.truncate(at);
                    break;
            }
        }
        return bytes;
    }

private:
    std::mt19937 m_rng;
};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(PeerMutation, MutatedClientStreamsNeverHurtThePeer) {
    QTemporaryDir base;
    const QString root = base.path() + QStringLiteral("/root");
    WriteFile(root + QStringLiteral("/init.cfg"), "callsign Q4BBS\n");
    WriteFile(root + QStringLiteral("/mail/welcome.txt"), "hello\n");

    peer::PeerConfig config;
    config.rootDir = root;
    config.seed = 11;
    config.pactorPort = 1;
    config.loginTimeoutMs = 2000;
    RunningPeer peer(config);

    const std::vector<QByteArray> corpus = Corpus();
    Mutator mutator(20240601);
    constexpr int kConnections = 400;
    for (int i = 0; i < kConnections; ++i) {
        RawClient client;
        QByteArray stream;
        const qint64 before = peer.BytesReceived();
        if (i % 4 == 0) {
            ASSERT_TRUE(client.Connect(peer.Port()));
            stream = mutator.RandomBytes(mutator.Below(600));
        } else if (i % 4 == 1) {
            ASSERT_TRUE(client.Connect(peer.Port()));
            stream = mutator.Mutate("140 0 Q0QQQ\n") + mutator.RandomBytes(mutator.Below(40));
        } else {
            ASSERT_TRUE(client.LogIn(peer.Port(), mutator.Below(256)));
            for (int n = 1 + mutator.Below(6); n > 0; --n) {
                stream += corpus[mutator.Below(static_cast<int>(corpus.size()))];
            }
            stream = mutator.Mutate(stream);
        }
        // In pieces of random size, as TCP may deliver them.
        for (qsizetype at = 0; at < stream.size();) {
            const qsizetype piece = 1 + mutator.Below(64);
            client.Write(stream.mid(at, piece));
            at += piece;
        }
        // Until the peer has read it all or closed; a peer still waiting for a login line
        // end is left to its login timeout.
        WaitUntil(
            [&] {
                return peer.BytesReceived() - before >= client.BytesWritten() || !client.IsOpen();
            },
            2000);
    }

    ASSERT_TRUE(WaitUntil([&] { return peer.ConnectionCount() == 0; }));
    RawClient healthy;
    ASSERT_TRUE(healthy.LogIn(peer.Port()));
    EXPECT_TRUE(healthy.WaitFor(0, 0));

    const QStringList outside =
        QDir(base.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
    EXPECT_EQ(outside, QStringList{QStringLiteral("root")});
    EXPECT_FALSE(QFile::exists(QStringLiteral("/etc/evil")));
}

}  // namespace
}  // namespace brxw::test
