// SPDX-License-Identifier: GPL-3.0-or-later
// The demo BBS: every stream comes alive, and its station lines and counts agree.
#include "peer/lib/peer_wire.h"
#include "peer/raw_client.h"
#include "support/running_peer.h"
#include "support/wait.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace brxw::test {
namespace {

peer::PeerConfig Demo() {
    peer::PeerConfig config;
    config.demo = true;
    config.demoIntervalMs = 10;
    config.seed = 5;
    return config;
}

// Every stream, every colour code and a Pactor link that starts and ends while the
// controller scans.
TEST(PeerDemo, EveryStreamFlowsAndStationCountsAgreeWithTheLines) {
    RunningPeer peer(Demo());
    RawClient client;
    ASSERT_TRUE(client.LogIn(peer.Port(), 255));

    std::set<int> categories;
    std::set<int> colours;
    QByteArrayList pactor;
    auto seenEnough = [&] {
        categories.clear();
        colours.clear();
        pactor.clear();
        for (const Frame& f : client.Frames()) {
            if (f.category == 0 && f.kind == 10) {
                pactor.append(f.payload);
            }
            categories.insert(f.category);
            if ((f.category == 16 || f.category == 32 || f.category == 64) &&
                f.payload.size() > 3) {
                colours.insert(static_cast<quint8>(f.payload[1]));
            }
        }
        for (const int code : {0, 1, 2, 3, 4, 5, 6, 7, 9}) {
            if (!colours.count(code)) {
                return false;
            }
        }
        const qsizetype link = pactor.indexOf("1 1");
        return categories.size() >= 9 && link > 0 && pactor.indexOf("1 2", link) > link;
    };
    ASSERT_TRUE(WaitUntil(seenEnough, 20000))
        << categories.size() << " categories, " << colours.size() << " colour codes, Pactor "
        << pactor.join(',').toStdString();
    EXPECT_EQ(pactor.value(0), "1 2");  // scanning from the start
    EXPECT_EQ(categories, (std::set<int>{0, 1, 2, 4, 8, 16, 32, 64, 128}));

    // Replay the station lines: each count that follows a line matches the rows so far.
    std::map<int, QByteArray> rows;
    const Frame* previous = nullptr;
    int checkedCounts = 0;
    for (const Frame& f : client.Frames()) {
        EXPECT_LE(f.payload.size(), peer::kMaxPayload);
        if (f.category == 8) {
            QByteArray line = f.payload;
            const char status = line.isEmpty() ? '\0' : line[0];
            const bool digit = status >= '0' && status <= '9';
            if (!digit) {
                line.remove(0, 1);
            }
            const QByteArrayList words = line.split(' ');
            bool ok = false;
            const int channel = words[0].toInt(&ok);
            ASSERT_TRUE(ok) << f.payload.toStdString();
            EXPECT_TRUE(channel >= 0 && channel <= 99);
            if (status == '!' || words.size() == 1) {
                EXPECT_TRUE(rows.erase(channel)) << "removed a channel not shown";
            } else {
                EXPECT_EQ(words.size(), 7) << f.payload.toStdString();
                rows[channel] = f.payload;
            }
        } else if (f.category == 4 && previous != nullptr && previous->category == 8) {
            EXPECT_EQ(f.payload.toInt(), static_cast<int>(rows.size()));
            ++checkedCounts;
        }
        previous = &f;
    }
    EXPECT_GT(checkedCounts, 0);
}

TEST(PeerDemo, ServesACopyOfItsRootFolder) {
    RunningPeer peer(Demo());
    RawClient client;
    ASSERT_TRUE(client.LogIn(peer.Port(), 0));
    client.SendRecord(3, "readme.txt");
    client.SendRecord(3, "changed by the test\n");
    client.SendRecord(3, "");
    client.SendRecord(2, "readme.txt");
    ASSERT_TRUE(client.WaitFor(0, 2));
    ASSERT_TRUE(WaitUntil([&] { return client.FramesOf(0).size() >= 4; }));
    EXPECT_EQ(client.FramesOf(0)[2].payload, "changed by the test\n");

    // The data folder itself is untouched.
    QFile original(peer::PeerServer::DefaultDataDir() + QStringLiteral("/root/readme.txt"));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_NE(original.readAll(), "changed by the test\n");
}

}  // namespace
}  // namespace brxw::test
