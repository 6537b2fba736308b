// SPDX-License-Identifier: GPL-3.0-or-later
// The peer's record store: the demo data it loads, PUT/NEW/DEL applied so that the next GET
// shows them, requests that would corrupt a record refused, forwards started and stopped, and
// an empty list announced with size 0 alone.
#include "peer/lib/bbs_store.h"
#include "peer/lib/peer_server.h"
#include "peer/raw_client.h"
#include "support/running_peer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace brxw::test {
namespace {

using peer::BbsStore;

BbsStore DemoStore() {
    BbsStore store;
    store.Load(peer::PeerServer::DefaultDataDir());
    return store;
}

TEST(BbsStore, LoadsTheDemoData) {
    const BbsStore store = DemoStore();
    EXPECT_GE(store.MessageCount(), 300);
    EXPECT_EQ(store.UserCount(), 50);
    const QByteArray users = store.UserKeyList();
    EXPECT_TRUE(users.contains("\nQ0QQQ\n"));
    EXPECT_TRUE(users.contains("\n1 MEMBER\n"));
    // Every type and status letter occurs among the messages.
    const QByteArray keys = store.MessageKeyList();
    for (const char type : QByteArray("ABPT")) {
        for (const char status : QByteArray("$NYFXKA")) {
            if (type == 'P' || type == 'B') {
                EXPECT_TRUE(keys.contains(QByteArray(" ") + type + status + ' ')) << type << status;
            }
        }
        EXPECT_TRUE(keys.contains(QByteArray(" ") + type)) << type;
    }
    EXPECT_TRUE(store.MessageReply("4711")->contains("\n11 Meeting on Saturday\n"));
    // Forward entries of all three colours: a first count, only a second count, neither.
    const QByteArray forward = store.ForwardList();
    EXPECT_TRUE(forward.startsWith("0 Q4BBS 3 0 12K\n1 Q5BBS 0 2 4K\n2 Q6BBS 0 0 0K\n"));
}

TEST(BbsStore, WritesAreAppliedAndBadOnesRefused) {
    BbsStore store = DemoStore();
    const QByteArray body = "14 4096\n17 -1\n22 Anne\n99 not a field\n1 Q9ZZZ\n";
    EXPECT_TRUE(store.PutUser("PUT q1abc " + QByteArray::number(body.size()) + "\n" + body));
    const QByteArray user = *store.UserReply("Q1ABC");
    EXPECT_TRUE(user.startsWith("1 Q1ABC\n14 4096\n17 -1\n22 Anne\n")) << user.toStdString();
    EXPECT_FALSE(user.contains("99 "));

    // A body shorter or longer than its header says was cut or run together.
    EXPECT_FALSE(store.PutUser("PUT Q1ABC 40\n22 Cut\n"));
    EXPECT_FALSE(store.PutMessage("PUT 4711 3\n11 Longer than three\n"));
    EXPECT_FALSE(store.PutUser("PUT NOSUCH 7\n22 Who\n"));
    EXPECT_TRUE(store.UserReply("Q1ABC")->contains("\n22 Anne\n"));

    EXPECT_TRUE(store.NewUser("q7new"));
    EXPECT_FALSE(store.NewUser("Q7NEW"));
    EXPECT_TRUE(store.UserKeyList().contains("\nQ7NEW\n"));
    EXPECT_TRUE(store.DeleteUser("Q7NEW"));
    EXPECT_FALSE(store.UserReply("Q7NEW"));

    EXPECT_TRUE(store.StartForward(2));
    EXPECT_TRUE(store.ForwardActive(2));
    EXPECT_TRUE(store.StopForward(2));
    EXPECT_FALSE(store.ForwardActive(2));
    EXPECT_FALSE(store.StartForward(99));
}

TEST(BbsStore, AnEmptyListIsOnlyAnnounced) {
    QTemporaryDir data;
    QDir().mkpath(data.path() + QStringLiteral("/records"));
    QFile forward(data.path() + QStringLiteral("/records/forward.txt"));
    ASSERT_TRUE(forward.open(QIODevice::WriteOnly));
    forward.write("# nothing pending\n");
    forward.close();
    peer::PeerConfig config;
    config.dataDir = data.path();
    RunningPeer peer(config);
    RawClient client;
    ASSERT_TRUE(client.LogIn(peer.Port()));
    client.SendRecord(4, "LIST");
    const auto first = client.WaitFor(0, 4);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->payload, QByteArray("forward\0"
                                         "0",
                                         9));
    client.SendRecord(7, "GET 4711");  // answered after the list: nothing else came before
    ASSERT_TRUE(client.WaitFor(0, 7));
    EXPECT_FALSE(client.WaitFor(0, 4, 0));
}

// A generated big BBS: its sizes, the same BBS from the same seed, and a written message that
// stays written while the others are still made from their numbers.
TEST(BbsStore, GeneratesABigBbsFromItsSeed) {
    BbsStore store;
    store.Generate(20000, 7);
    EXPECT_EQ(store.MessageCount(), 20000);
    EXPECT_EQ(store.UserCount(), 2000);
    EXPECT_EQ(store.ForwardCount(), 40);
    const QByteArray keys = store.MessageKeyList();
    EXPECT_EQ(keys.count('\n'), 20000);
    EXPECT_TRUE(keys.startsWith("1 "));
    EXPECT_TRUE(keys.contains("\n20000 "));
    BbsStore again;
    again.Generate(20000, 7);
    EXPECT_EQ(again.MessageKeyList(), keys);
    EXPECT_EQ(again.UserKeyList(), store.UserKeyList());
    EXPECT_EQ(again.ForwardList(), store.ForwardList());

    const QByteArray before = *store.MessageReply("123");
    EXPECT_TRUE(before.startsWith("1 ")) << before.toStdString();
    EXPECT_TRUE(store.MessageText(123));
    const QByteArray body = "11 Changed title\n";
    EXPECT_TRUE(store.PutMessage("PUT 123 " + QByteArray::number(body.size()) + "\n" + body));
    EXPECT_TRUE(store.MessageReply("123")->contains("\n11 Changed title\n"));
    EXPECT_EQ(*store.MessageReply("124"), *again.MessageReply("124"));
    // A message's line in the list shows what its record holds.
    QByteArray fields;
    for (const QByteArray& field : store.MessageReply("124")->split('\n')) {
        fields += field.startsWith("1 ") || field.startsWith("2 ") ? field.mid(2) : QByteArray();
        fields +=
            field.startsWith("8 ") || field.startsWith("9 ") ? " " + field.mid(2) : QByteArray();
    }
    EXPECT_TRUE(keys.contains("\n124 " + fields + "\n")) << fields.toStdString();
    EXPECT_EQ(store.MessageCount(), 20000);
    EXPECT_EQ(store.StoreMessageText(-1, "new\n"), 20001);
    EXPECT_EQ(store.MessageCount(), 20001);
    EXPECT_TRUE(store.MessageKeyList().contains("\n20001 PN Q0QQQ ALL\n"));
    EXPECT_FALSE(store.MessageReply("20002"));
    // Adding users is not bounded by the small store's limit.
    EXPECT_TRUE(store.NewUser("Q9ZZZZ"));
}

}  // namespace
}  // namespace brxw::test
