// SPDX-License-Identifier: GPL-3.0-or-later
// Subscriptions, station lines, counters, traffic, notices, console echo and the record of
// received bytes, seen from a bare socket client.
#include "peer/lib/flood.h"
#include "peer/lib/peer_wire.h"
#include "peer/raw_client.h"
#include "support/running_peer.h"
#include "support/wait.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace brxw::test {
namespace {

using peer::PeerConfig;
using peer::PeerStation;

QByteArray Traffic(qint8 channel, quint8 colour, const QByteArray& text) {
    return QByteArray(1, char(channel)) + char(colour) + '\0' + text;
}

class PeerStreams : public ::testing::Test {
protected:
    void LogIn(int options) {
        ASSERT_TRUE(m_client.LogIn(m_peer.Port(), options));
        ASSERT_TRUE(WaitUntil([&] { return m_peer.OptionsByte() == options; }));
    }

    // Sends one frame of every stream through the peer's own entry points.
    void SendOneOfEach() {
        peer::PeerServer& server = m_peer.Server();
        peer::BbsFigures figures = server.Figures();
        figures.totalMsgs += 1;
        figures.diskKb += 1;
        server.SetFigures(figures);
        server.SetStation({12, "Q5NEW", "15:00", "00:00", 1, 0, "0/0", ' '});
        server.SendTraffic(peer::kMonitoring, 0, 4, "mon\n");
        server.SendTraffic(peer::kConsole, 0, 0, "con\n");
        server.SendTraffic(peer::kChannel, 12, 5, "chan\n");
        server.SendNotice(peer::kShowConsole);
    }

    // A marker frame sent whatever the subscriptions, so "nothing else came" needs no sleep.
    void SendMarkerAndWait() {
        m_peer.SendFrame(0, 99, "marker");
        ASSERT_TRUE(m_client.WaitFor(0, 99));
    }

    std::set<int> Categories() const {
        std::set<int> seen;
        for (const Frame& f : m_client.Frames()) {
            seen.insert(f.category);
        }
        return seen;
    }

    RunningPeer m_peer;
    RawClient m_client;
};

TEST_F(PeerStreams, LoginSendsCapabilitiesStationsAndConfirmsASubscribedConsole) {
    LogIn(140 | 32);
    ASSERT_TRUE(m_client.WaitForFrames(6));
    const std::vector<Frame> expected = {
        {0, 0, QByteArray("\x01\x04\x05\x06\x07\x09")}, {4, 0, "3"},
        {8, 0, "1 Q1ABC 14:07 00:12 3 120 0/0"},        {8, 0, "<3 Q2XYZ-1 14:30 00:03 1 0 fwd"},
        {8, 0, ">7 Q3DEF 13:55 01:02 5 2048 2/1"},      {128, 0, QByteArray("\x01")},
    };
    EXPECT_EQ(m_client.Frames(), expected);
}

// Notice 1 confirms the console each time its bit becomes set, and only then: a login without
// the console shows none, F2 turning the console on again gets one every time.
TEST_F(PeerStreams, ConsoleNoticeFollowsTheConsoleBit) {
    LogIn(140);
    SendMarkerAndWait();
    EXPECT_TRUE(m_client.FramesOf(128).empty());

    for (int round = 0; round < 2; ++round) {
        m_client.ClearFrames();
        m_client.SendOptions(140 | 32);
        const auto notice = m_client.WaitFor(128);
        ASSERT_TRUE(notice) << round;
        EXPECT_EQ(notice->payload, "\x01");
        m_client.SendOptions(140 | 32 | 16);  // still set: nothing to confirm
        m_client.SendOptions(140);
        SendMarkerAndWait();
        EXPECT_EQ(m_client.FramesOf(128).size(), 1u) << round;
    }
}

TEST_F(PeerStreams, EachStreamFlowsOnlyWhileItsBitIsSet) {
    LogIn(0);
    SendOneOfEach();
    SendMarkerAndWait();
    EXPECT_EQ(Categories(), (std::set<int>{0}));  // capabilities and the marker only

    // Subscribing to counters and status sends the current figures at once.
    m_client.ClearFrames();
    m_client.SendOptions(1 | 2 | 16);
    ASSERT_TRUE(m_client.WaitFor(1));
    ASSERT_TRUE(m_client.WaitFor(2));
    SendOneOfEach();
    SendMarkerAndWait();
    EXPECT_EQ(Categories(), (std::set<int>{0, 1, 2, 16}));
    EXPECT_EQ(m_client.FramesOf(16).back().payload, Traffic(0, 4, "mon\n"));

    m_client.ClearFrames();
    m_client.SendOptions(4 | 8 | 32 | 64 | 128);
    ASSERT_TRUE(m_client.WaitFor(4));  // the count and lines of the new subscription
    SendOneOfEach();
    SendMarkerAndWait();
    EXPECT_EQ(Categories(), (std::set<int>{0, 4, 8, 32, 64, 128}));
    EXPECT_EQ(m_client.FramesOf(64).back().payload, Traffic(12, 5, "chan\n"));
    EXPECT_EQ(m_client.FramesOf(32).back().payload, Traffic(0, 0, "con\n"));
}

TEST_F(PeerStreams, DisconnectRequestRemovesTheStation) {
    LogIn(140);
    SendMarkerAndWait();
    m_client.ClearFrames();
    m_client.SendRecord(5, "07 Q3DEF 1");
    const auto line = m_client.WaitFor(8);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->payload, "!7");
    const auto count = m_client.WaitFor(4);
    ASSERT_TRUE(count);
    EXPECT_EQ(count->payload, "2");
    // A callsign that is not on the channel changes nothing.
    m_client.SendRecord(5, "01 Q9XXX 0");
    SendMarkerAndWait();
    EXPECT_EQ(m_peer.Server().Stations().size(), 2u);
    EXPECT_EQ(m_client.FramesOf(8).size(), 1u);
}

TEST_F(PeerStreams, ConsoleLinesAreEchoedWhileTheConsoleIsSubscribed) {
    LogIn(140 | 32);
    m_client.Write("ver\n");
    const auto echo = m_client.WaitFor(32);
    ASSERT_TRUE(echo);
    EXPECT_EQ(echo->payload, Traffic(0, 0, "ver\n"));
    m_client.SendOptions(140);
    m_client.Write("quiet\n");
    SendMarkerAndWait();
    EXPECT_EQ(m_client.FramesOf(32).size(), 1u);
}

TEST_F(PeerStreams, EveryNoticeAndColourCodeIsSentAsGiven) {
    LogIn(140 | 16);
    for (qint8 code = 0; code <= 4; ++code) {
        m_peer.SendNotice(code, code == 4 ? QByteArray("123") : QByteArray());
    }
    for (int colour = 0; colour <= 12; ++colour) {
        m_peer.Server().SendTraffic(peer::kMonitoring, -1, colour, "c");
    }
    SendMarkerAndWait();
    std::vector<QByteArray> notices;
    for (const Frame& f : m_client.FramesOf(128)) {
        notices.push_back(f.payload);
    }
    const std::vector<QByteArray> expected = {QByteArray(1, '\0'), "\x01", "\x02", "\x03",
                                              "\x04"
                                              "123"};
    EXPECT_EQ(notices, expected);
    const std::vector<Frame> monitoring = m_client.FramesOf(16);
    ASSERT_EQ(monitoring.size(), 13u);
    EXPECT_EQ(monitoring[9].payload, Traffic(-1, 9, "c"));
}

TEST_F(PeerStreams, ReceivedBytesAreRecordedInArrivalOrderPerConnection) {
    LogIn(140);
    RawClient second;
    ASSERT_TRUE(second.LogIn(m_peer.Port(), 141));
    ASSERT_TRUE(WaitUntil([&] { return m_peer.LoggedInCount() == 2; }));
    m_client.Write("one\n");
    ASSERT_TRUE(WaitUntil([&] { return m_peer.ReceivedBytes().endsWith("one\n"); }));
    second.SendRecord(4, "LIST");
    ASSERT_TRUE(second.WaitFor(0, 4));
    m_client.SendOptions(0x8c);

    const QByteArray reply1 = peer::LoginDigest(m_client.Challenge(), "7305") + "\n";
    const QByteArray reply2 = peer::LoginDigest(second.Challenge(), "7305") + "\n";
    ASSERT_TRUE(
        WaitUntil([&] { return m_peer.ReceivedBytes().endsWith(QByteArray("\0\0\x8c", 3)); }));
    const peer::ReceivedRecord& record = m_peer.Server().Received();
    EXPECT_EQ(record.Bytes(1), "140 0 Q0QQQ\n" + reply1 + "one\n" + QByteArray("\0\0\x8c", 3));
    EXPECT_EQ(record.Bytes(2), "141 0 Q0QQQ\n" + reply2 + QByteArray("\0\x04\x04\0LIST", 8));
    EXPECT_EQ(m_peer.BytesReceived(), record.Bytes(1).size() + record.Bytes(2).size());

    // And what those bytes meant, in order.
    std::vector<std::pair<int, peer::ClientEvent::Type>> events;
    for (const peer::ReceivedEvent& e : record.Events()) {
        events.emplace_back(e.connection, e.event.type);
    }
    using T = peer::ClientEvent::Type;
    const std::vector<std::pair<int, T>> expected = {
        {1, T::ConsoleLine}, {2, T::Record}, {1, T::OptionsUpdate}};
    EXPECT_EQ(events, expected);
}

TEST(PeerStreamsConfig, StationsAndCapabilitiesComeFromTheConfig) {
    PeerConfig config;
    config.capabilities = QByteArray("\x04\x05\x09", 3);
    config.stations = {{42, "Q7LONG-15", "09:00", "10:00", 7, -3, "lower", '<'}};
    RunningPeer peer(config);
    RawClient client;
    ASSERT_TRUE(client.LogIn(peer.Port(), 140));
    ASSERT_TRUE(client.WaitForFrames(3));
    const std::vector<Frame> expected = {{0, 0, QByteArray("\x04\x05\x09")},
                                         {4, 0, "1"},
                                         {8, 0, "<42 Q7LONG-15 09:00 10:00 7 -3 lower"}};
    EXPECT_EQ(client.Frames(), expected);
}

TEST(PeerStreamsConfig, ASingleConsoleIsRefusedWhileAnotherClientHoldsIt) {
    PeerConfig config;
    config.singleConsole = true;
    RunningPeer peer(config);
    RawClient first;
    ASSERT_TRUE(first.LogIn(peer.Port(), 140 | 32));
    const auto shown = first.WaitFor(128);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->payload, "\x01");

    RawClient second;
    ASSERT_TRUE(second.LogIn(peer.Port(), 140));
    second.SendOptions(140 | 32);
    const auto taken = second.WaitFor(128);
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->payload, "\x02");
    second.SendOptions(140);  // the client gives the console up on notice 2
    ASSERT_TRUE(WaitUntil([&] { return peer.OptionsByte() == 140; }));

    first.SendOptions(140 | 16);  // the first client closes its console
    ASSERT_TRUE(WaitUntil([&] { return peer.OptionsByte() == (140 | 16); }));
    second.SendOptions(140 | 32);
    const auto now = second.WaitFor(128);
    ASSERT_TRUE(now);
    EXPECT_EQ(now->payload, "\x01");
}

// The flood starts when a client comes to subscribe to its mix and goes out in whole frames,
// so a frame the peer sends meanwhile lands between two flood frames, never inside one: the
// stream parses, and every numbered frame arrives once, in order, in its category.
TEST(PeerFlood, FramesArriveWholeInOrderWithOtherTrafficInterleaved) {
    PeerConfig config;
    config.floodFrames = 150000;  // about 11 MB: more than the sockets' buffers hold
    config.floodMix = peer::FloodMix{{16, 64, 32}, 3};
    RunningPeer peerServer(config);
    RawClient client;
    ASSERT_TRUE(client.LogIn(peerServer.Port(), 16 | 64));
    client.Settle(50);
    EXPECT_TRUE(client.FramesOf(peer::kMonitoring).empty());  // not yet subscribed to the mix
    client.SendOptions(16 | 32 | 64);
    // Not reading for a while fills the socket's buffers, so the flood is midway when the
    // other frame is written.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    peerServer.SendFrame(0, 99, "between");
    ASSERT_TRUE(client.WaitFor(0, 99, 20000));
    ASSERT_TRUE(WaitUntil(
        [&] {
            client.Settle(1);
            return client.FramesOf(16).size() + client.FramesOf(32).size() +
                       client.FramesOf(64).size() >=
                   std::size_t(config.floodFrames);
        },
        20000));
    int next = 0;
    for (const Frame& frame : client.Frames()) {
        if (frame.category != 16 && frame.category != 32 && frame.category != 64) {
            continue;
        }
        if (!frame.payload.contains("flood ")) {
            continue;  // the console's own lines
        }
        const QByteArray text = frame.payload.mid(3);
        ASSERT_TRUE(text.startsWith("flood " + QByteArray::number(next) + ' ')) << text.constData();
        EXPECT_EQ(frame.category, config.floodMix.categories[next % 3]);
        EXPECT_EQ(text.size(), 69);
        ++next;
    }
    EXPECT_EQ(next, config.floodFrames);
}

}  // namespace
}  // namespace brxw::test
