// SPDX-License-Identifier: GPL-3.0-or-later
// The peer's faults on purpose: split writes, drop after N frames, oversize length, stall,
// garbage.
#include "peer/lib/peer_wire.h"
#include "peer/raw_client.h"
#include "support/running_peer.h"
#include "support/wait.h"

#include <gtest/gtest.h>

namespace brxw::test {
namespace {

using peer::PeerConfig;
using peer::PeerFaults;

PeerConfig WithFaults(const PeerFaults& faults) {
    PeerConfig config;
    config.faults = faults;
    config.seed = 7;
    return config;
}

// What a client sees after logging in with options 140 (capabilities, the station count and
// three station lines) and being sent a file of three pieces.
QByteArray SessionBytes(const PeerFaults& faults, int* reads = nullptr) {
    RunningPeer peer(WithFaults(faults));
    RawClient client;
    EXPECT_TRUE(client.LogIn(peer.Port()));
    EXPECT_TRUE(client.WaitForFrames(5));
    peer.SendFile(2, "big.txt", QByteArray(3000, 'b'), 1000);
    EXPECT_TRUE(client.WaitForFrames(10));
    if (reads != nullptr) {
        *reads = client.Reads();
    }
    return client.BytesAfterChallenge();
}

TEST(PeerFaults, SplitWritesDeliverTheSameBytes) {
    const QByteArray whole = SessionBytes({});
    PeerFaults split;
    split.splitWrites = true;
    int reads = 0;
    EXPECT_EQ(SessionBytes(split, &reads), whole);
    // Not a promise of the network, but with every byte flushed alone the client's reads
    // are many more than the handful of a whole write.
    EXPECT_GT(reads, 3);
}

TEST(PeerFaults, SplitWritesLeaveTheChallengeWholeForTheFirstRead) {
    PeerFaults split;
    split.splitWrites = true;
    RunningPeer peer(WithFaults(split));
    constexpr int kAttempts = 20;
    int loggedIn = 0;
    for (int i = 0; i < kAttempts; ++i) {
        RawClient client;
        ASSERT_TRUE(client.Connect(peer.Port()));
        client.Write("140 0 Q0QQQ\n");
        ASSERT_TRUE(client.WaitForFirstRead());
        // As the sysop's client does: the challenge is the first word of one read.
        const QByteArray challenge = client.FirstRead().simplified().split(' ').value(0);
        client.Write(peer::LoginDigest(challenge, "7305") + "\n");
        ASSERT_TRUE(WaitUntil([&] { return !client.Frames().empty() || !client.IsOpen(); }));
        loggedIn += client.IsOpen() ? 1 : 0;
    }
    EXPECT_EQ(loggedIn, kAttempts);
    EXPECT_EQ(peer.Server().Refusals(), 0);
}

TEST(PeerFaults, DropAfterNFramesSendsExactlyN) {
    for (const int n : {0, 1, 4}) {
        PeerFaults faults;
        faults.dropAfterFrames = n;
        RunningPeer peer(WithFaults(faults));
        RawClient client;
        ASSERT_TRUE(client.LogIn(peer.Port()));
        EXPECT_TRUE(client.WaitClosed()) << n;
        EXPECT_EQ(client.Frames().size(), static_cast<size_t>(n));
        EXPECT_TRUE(client.BytesAfterChallenge().size() == [&] {
            qsizetype total = 0;
            for (const Frame& f : client.Frames()) {
                total += 4 + f.payload.size();
            }
            return total;
        }()) << "no partial frame after the last one";
    }
}

TEST(PeerFaults, OversizeAnnouncementComesFirst) {
    PeerFaults faults;
    faults.oversizeLength = 2000;
    RunningPeer peer(WithFaults(faults));
    RawClient client;
    ASSERT_TRUE(client.LogIn(peer.Port()));
    ASSERT_TRUE(client.WaitForFrames(1));
    const Frame& first = client.Frames().front();
    EXPECT_EQ(first.category, 32);
    EXPECT_EQ(first.payload.size(), 2000);
    EXPECT_EQ(static_cast<quint8>(client.BytesAfterChallenge()[2]), 2000 % 256);
    EXPECT_EQ(static_cast<quint8>(client.BytesAfterChallenge()[3]), 2000 / 256);
}

TEST(PeerFaults, StallReadsAndWritesNothingUntilLifted) {
    PeerFaults faults;
    faults.stall = true;
    RunningPeer peer(WithFaults(faults));
    RawClient client;
    ASSERT_TRUE(client.LogIn(peer.Port()));
    ASSERT_TRUE(WaitUntil([&] { return peer.LoggedInCount() == 1; }));
    const qint64 received = peer.BytesReceived();
    client.SendOptions(0xff);
    peer.SendFrame(0, 99, "x");
    client.Settle(200);
    EXPECT_TRUE(client.Frames().empty());
    EXPECT_EQ(peer.BytesReceived(), received);
    EXPECT_TRUE(client.IsOpen());

    peer.SetFaults({});
    ASSERT_TRUE(WaitUntil([&] { return peer.OptionsByte() == 0xff; }));
    peer.SendFrame(0, 99, "x");
    EXPECT_TRUE(client.WaitFor(0, 99));
}

TEST(PeerFaults, GarbageBytesPrecedeTheFramesAndRepeatWithTheSeed) {
    PeerFaults faults;
    faults.garbageBytes = 64;
    auto garbage = [&] {
        RunningPeer peer(WithFaults(faults));
        RawClient client;
        EXPECT_TRUE(client.LogIn(peer.Port()));
        EXPECT_TRUE(WaitUntil([&] { return client.BytesAfterChallenge().size() >= 64; }));
        return client.BytesAfterChallenge().left(64);
    };
    const QByteArray first = garbage();
    EXPECT_EQ(garbage(), first);
}

TEST(PeerFaults, ClientThatNeverReadsIsNotBufferedWithoutEnd) {
    RunningPeer peer;
    RawClient client;
    ASSERT_TRUE(client.LogIn(peer.Port()));
    ASSERT_TRUE(WaitUntil([&] { return peer.LoggedInCount() == 1; }));
    // The client's thread processes no events while the peer writes 12 MiB at it.
    peer.SendFile(2, "huge", QByteArray(12 * 1024 * 1024, 'h'), 1020);
    EXPECT_TRUE(WaitUntil([&] { return peer.ConnectionCount() == 0; }));
}

}  // namespace
}  // namespace brxw::test
