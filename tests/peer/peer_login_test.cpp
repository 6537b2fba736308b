// SPDX-License-Identifier: GPL-3.0-or-later
// The peer's login exchange over loopback, driven by a bare socket client.
#include "peer/lib/peer_wire.h"
#include "peer/raw_client.h"
#include "support/running_peer.h"
#include "support/wait.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace brxw::test {
namespace {

using peer::PeerConfig;
using peer::PeerFaults;

PeerConfig WithSeed(std::uint64_t seed) {
    PeerConfig config;
    config.seed = seed;
    return config;
}

TEST(PeerLogin, RightDigestIsAcceptedAndFramesFollow) {
    RunningPeer peer;
    RawClient client;
    ASSERT_TRUE(client.LogIn(peer.Port(), 140, "q0qqq"));  // callsign in any case
    const auto caps = client.WaitFor(0, 0);
    ASSERT_TRUE(caps);
    EXPECT_EQ(caps->payload, QByteArray("\x01\x04\x05\x06\x07\x09"));
    ASSERT_TRUE(WaitUntil([&] { return peer.LoggedInCount() == 1; }));
    EXPECT_EQ(peer.OptionsByte(), 140);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[A-Za-z0-9]{8,16}$"))
                    .match(QString::fromLatin1(client.Challenge()))
                    .hasMatch())
        << client.Challenge().toStdString();
}

TEST(PeerLogin, AnyOtherUserOrReplyIsClosed) {
    PeerConfig config;
    config.users = {{"Q0QQQ", "7305"}, {"Q9ZZZ", "secret"}};
    RunningPeer peer(config);

    RawClient second;
    ASSERT_TRUE(second.LogIn(peer.Port(), 140, "Q9ZZZ", "secret"));
    ASSERT_TRUE(second.WaitFor(0, 0));

    RawClient wrongPassword;
    ASSERT_TRUE(wrongPassword.LogIn(peer.Port(), 140, "Q0QQQ", "7306"));
    EXPECT_TRUE(wrongPassword.WaitClosed());

    RawClient otherUsersPassword;
    ASSERT_TRUE(otherUsersPassword.LogIn(peer.Port(), 140, "Q0QQQ", "secret"));
    EXPECT_TRUE(otherUsersPassword.WaitClosed());

    RawClient unknown;
    ASSERT_TRUE(unknown.LogIn(peer.Port(), 140, "Q1NOBODY", "7305"));
    EXPECT_TRUE(unknown.WaitClosed());

    RawClient lowerCaseDigest;
    ASSERT_TRUE(lowerCaseDigest.Connect(peer.Port()));
    const QByteArray challenge = lowerCaseDigest.SendLoginLine(140, "Q0QQQ");
    lowerCaseDigest.Write(peer::LoginDigest(challenge, "7305").toLower() + "\n");
    EXPECT_TRUE(lowerCaseDigest.WaitClosed());

    for (const RawClient* c : {&wrongPassword, &otherUsersPassword, &unknown, &lowerCaseDigest}) {
        EXPECT_TRUE(c->Frames().empty());
    }
    EXPECT_EQ(peer.LoggedInCount(), 1);
}

TEST(PeerLogin, MalformedOrEndlessLoginLineIsClosed) {
    RunningPeer peer;
    const QByteArray lines[] = {
        "hello\n",
        "140 0\n",
        "x 0 Q0QQQ\n",
        QByteArray("140 0 Q0\0QQ\n", 12),
        QByteArray(300, '1'),  // no line end within the bound
    };
    for (const QByteArray& line : lines) {
        RawClient client;
        ASSERT_TRUE(client.Connect(peer.Port()));
        client.Write(line);
        EXPECT_TRUE(client.WaitClosed()) << line.left(20).toStdString();
        EXPECT_TRUE(client.Challenge().isEmpty());
    }
}

TEST(PeerLogin, SeedMakesTheChallengesRepeat) {
    auto challenges = [](std::uint64_t seed) {
        RunningPeer peer(WithSeed(seed));
        QByteArrayList seen;
        for (int i = 0; i < 3; ++i) {
            RawClient client;
            EXPECT_TRUE(client.Connect(peer.Port()));
            seen << client.SendLoginLine(140, "Q0QQQ");
        }
        return seen;
    };
    const QByteArrayList first = challenges(42);
    EXPECT_EQ(challenges(42), first);
    EXPECT_NE(challenges(43), first);
    EXPECT_NE(first[0], first[1]);
}

TEST(PeerLogin, CloseBeforeChallengeAndRefusedLogin) {
    RunningPeer peer;
    PeerFaults faults;
    faults.closeBeforeChallenge = true;
    peer.SetFaults(faults);
    RawClient early;
    ASSERT_TRUE(early.Connect(peer.Port()));
    EXPECT_TRUE(early.SendLoginLine(140, "Q0QQQ").isEmpty());
    EXPECT_TRUE(early.WaitClosed());

    faults = {};
    faults.refuseLogin = true;
    peer.SetFaults(faults);
    RawClient refused;
    ASSERT_TRUE(refused.LogIn(peer.Port()));
    EXPECT_TRUE(refused.WaitClosed());
    EXPECT_TRUE(refused.BytesAfterChallenge().isEmpty());
    EXPECT_EQ(peer.LoggedInCount(), 0);

    peer.SetFaults({});
    RawClient fine;
    ASSERT_TRUE(fine.LogIn(peer.Port()));
    EXPECT_TRUE(fine.WaitFor(0, 0));
}

TEST(PeerLogin, ReplyAndFirstRecordInOneSegment) {
    RunningPeer peer;
    RawClient client;
    ASSERT_TRUE(client.Connect(peer.Port()));
    const QByteArray challenge = client.SendLoginLine(140, "Q0QQQ");
    // The reply and an options update leave together.
    client.Write(peer::LoginDigest(challenge, "7305") + "\n" + QByteArray("\0\0\xac", 3));
    ASSERT_TRUE(WaitUntil([&] { return peer.OptionsByte() == 0xac; }));
}

TEST(PeerLogin, StoppedPeerComesBackOnTheSamePort) {
    RunningPeer peer;
    RawClient before;
    ASSERT_TRUE(before.LogIn(peer.Port()));
    ASSERT_TRUE(before.WaitFor(0, 0));
    const quint16 port = peer.Port();

    peer.Stop();
    EXPECT_TRUE(before.WaitClosed());
    EXPECT_FALSE(peer.IsListening());
    RawClient refused;
    EXPECT_FALSE(refused.Connect(port));

    ASSERT_TRUE(peer.Start());
    EXPECT_EQ(peer.Port(), port);
    RawClient after;
    ASSERT_TRUE(after.LogIn(port));
    EXPECT_TRUE(after.WaitFor(0, 0));
}

}  // namespace
}  // namespace brxw::test
