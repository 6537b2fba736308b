// SPDX-License-Identifier: GPL-3.0-or-later
// The BBS's remote controls: the Pactor controller reported to every client that shows the
// status lines, and the server options that SET switches, seen from bare socket clients.
#include "peer/lib/peer_wire.h"
#include "peer/raw_client.h"
#include "support/running_peer.h"
#include "support/wait.h"

#include <gtest/gtest.h>

#include <set>

namespace brxw::test {
namespace {

using peer::PactorChange;
using peer::PeerConfig;

std::vector<QByteArray> Payloads(const RawClient& client, quint8 kind) {
    std::vector<QByteArray> payloads;
    for (const Frame& f : client.FramesOf(0)) {
        if (f.kind == kind) {
            payloads.push_back(f.payload);
        }
    }
    return payloads;
}

// A request the peer answers, sent after others on the same connection: once its answer is
// in, everything before it has been handled.
void Fence(RawClient& client) {
    client.SendRecord(7, "GET 4711");
    ASSERT_TRUE(client.WaitFor(0, 7));
}

TEST(PeerControls, PactorStateFollowsScanBreakInAndChangeOverForEveryStatusSubscriber) {
    PeerConfig config;
    config.pactorPort = 3;
    RunningPeer peer(config);
    RawClient sysop;
    RawClient watcher;
    RawClient quiet;
    ASSERT_TRUE(sysop.LogIn(peer.Port(), 140 | 2));
    ASSERT_TRUE(watcher.LogIn(peer.Port(), 2));
    ASSERT_TRUE(quiet.LogIn(peer.Port(), 140));

    // Each step, then the report it brings to both status subscribers.
    std::vector<QByteArray> expected = {"3 0"};  // at login, with the status lines
    const auto reported = [&](const char* step) {
        const auto both = [&] {
            return Payloads(sysop, 10).size() >= expected.size() &&
                   Payloads(watcher, 10).size() >= expected.size();
        };
        EXPECT_TRUE(WaitUntil(both)) << step;
        EXPECT_EQ(Payloads(sysop, 10), expected) << step;
        EXPECT_EQ(Payloads(watcher, 10), expected) << step;
    };
    reported("login");
    const struct {
        const char* request;  // sent by the sysop; empty: the radio side moves
        PactorChange radio;
        const char* report;
    } steps[] = {
        {"SCAN 3 1", {}, "3 2"},
        {"SCAN 3 0", {}, "3 0"},
        {"SCAN 3 1", {}, "3 2"},
        {"", PactorChange::LinkUp, "3 1"},  // a caller links in: receiving
        {"BRK 3", {}, "3 5"},               // the sysop breaks in: sending
        {"CHO 3", {}, "3 1"},               // and hands the link over: receiving again
        {"BRK 3", {}, "3 5"},
        {"", PactorChange::LinkDown, "3 2"},  // the link ends, scanning as before it
    };
    for (const auto& step : steps) {
        if (*step.request != '\0') {
            sysop.SendRecord(10, step.request);
        } else {
            peer.Server().ChangePactor(step.radio);
        }
        expected.push_back(step.report);
        reported(*step.request != '\0' ? step.request : "radio");
    }

    // Requests that do not scan, for another port or out of place move nothing. Break-in
    // without a link is answered with the unchanged state, to the asker only.
    for (const QByteArray& junk :
         {QByteArray("SCAN 4 1"), QByteArray("SCAN x 1"), QByteArray("SCAN 3"),
          QByteArray("SCAN 3 x"), QByteArray("SCAN 3 1 1"), QByteArray("BRK"),
          QByteArray("BRK 3 3"), QByteArray("CHO 3x"), QByteArray("scan 3 0"), QByteArray("STOP 3"),
          QByteArray(""), QByteArray(1000, '\xff')}) {
        sysop.SendRecord(10, junk);
    }
    sysop.SendRecord(10, "BRK 3");
    Fence(sysop);
    Fence(watcher);
    EXPECT_EQ(peer.Server().PactorState(), 2);
    EXPECT_EQ(Payloads(watcher, 10), expected);
    expected.push_back("3 2");
    EXPECT_EQ(Payloads(sysop, 10), expected);

    // A client without the status lines hears nothing until it subscribes.
    Fence(quiet);
    EXPECT_TRUE(Payloads(quiet, 10).empty());
    quiet.SendOptions(140 | 2);
    const auto now = quiet.WaitFor(0, 10);
    ASSERT_TRUE(now);
    EXPECT_EQ(now->payload, "3 2");
}

TEST(PeerControls, SetSwitchesAnOptionAndEveryClientGetsTheChangedList) {
    RunningPeer peer;
    RawClient sysop;
    RawClient other;
    ASSERT_TRUE(sysop.LogIn(peer.Port()));
    ASSERT_TRUE(other.LogIn(peer.Port()));
    const auto capabilities = sysop.WaitFor(0, 0);
    ASSERT_TRUE(capabilities);
    EXPECT_TRUE(capabilities->payload.contains('\x09'));

    sysop.SendRecord(9, "GET");
    const auto first = sysop.WaitFor(0, 9);
    ASSERT_TRUE(first);
    const QByteArray original = first->payload;
    QByteArrayList lines = original.split('\n');
    ASSERT_EQ(lines.takeLast(), "");
    lines.removeFirst();  // the title
    EXPECT_GE(lines.size(), 6);
    std::set<char> letters;
    for (const QByteArray& line : lines) {
        ASSERT_GE(line.size(), 5) << line.toStdString();
        EXPECT_TRUE(line[0] >= 'A' && line[0] <= '[') << line.toStdString();
        EXPECT_TRUE(letters.insert(line[0]).second) << line.toStdString();
        EXPECT_TRUE(line.mid(1, 3) == " 0 " || line.mid(1, 3) == " 1 ") << line.toStdString();
        EXPECT_LE(line.size() - 4, 79);
    }
    ASSERT_TRUE(original.contains("\nA 1 ") && original.contains("\nB 0 "));

    // A change goes to every client; the next one switches it back.
    sysop.SendRecord(9, "SET B 1");
    for (RawClient* client : {&sysop, &other}) {
        const auto list = client->WaitFor(0, 9);
        ASSERT_TRUE(list);
        EXPECT_EQ(list->payload, QByteArray(original).replace("\nB 0 ", "\nB 1 "));
    }
    sysop.SendRecord(9, "SET B 0");
    for (RawClient* client : {&sysop, &other}) {
        const auto list = client->WaitFor(0, 9);
        ASSERT_TRUE(list);
        EXPECT_EQ(list->payload, original);
    }

    // Hostile requests change nothing; the well-formed ones for an unknown letter or an
    // unchanged value are answered with the list as it stands, to the asker only.
    for (const QByteArray& junk :
         {QByteArray("SET"), QByteArray("SET A"), QByteArray("SET A x"), QByteArray("SET BB 1"),
          QByteArray("SET B 1 1"), QByteArray("SET A 99999999999"), QByteArray("SET  1"),
          QByteArray("GET B"), QByteArray("PUT B 1"), QByteArray(""), QByteArray("SET \0 1", 7),
          QByteArray(1000, '\xff')}) {
        sysop.SendRecord(9, junk);
    }
    Fence(sysop);
    EXPECT_EQ(Payloads(sysop, 9).size(), 3u);
    for (const QByteArray& answered : {QByteArray("SET Z 1"), QByteArray("SET b 1"),
                                       QByteArray("SET \xff 1"), QByteArray("SET A 1")}) {
        sysop.SendRecord(9, answered);
        const auto list = sysop.WaitFor(0, 9);
        ASSERT_TRUE(list) << answered.toStdString();
        EXPECT_EQ(list->payload, original) << answered.toStdString();
    }
    Fence(other);
    EXPECT_EQ(Payloads(other, 9).size(), 2u);
    EXPECT_TRUE(sysop.IsOpen());
}

}  // namespace
}  // namespace brxw::test
