// SPDX-License-Identifier: GPL-3.0-or-later
// Why the link went down: every kind of end against the reference peer gives its own reason,
// and the session's log keeps the logins and ends in order with the times they happened.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "config/app_config.h"
#include "link/connection_log.h"
#include "link/session.h"
#include "support/fake_session_host.h"
#include "support/running_peer.h"
#include "support/wait.h"

namespace brxw {

void PrintTo(const LinkReport& report, std::ostream* out) {
    *out << ReportLine(report) << " (" << static_cast<int>(report.kind) << ", " << report.code
         << ")";
}

namespace {

using Kind = LinkReport::Kind;
using State = Session::State;
using std::chrono::system_clock;
using test::WaitUntil;

class LinkDownE2E : public ::testing::Test {
protected:
    explicit LinkDownE2E(Session::Timing timing = {10, 3600 * 1000})
        : m_config(m_dir.filePath(QStringLiteral("BrxW.ini"))),
          m_session(m_config, m_host, timing) {
        // Each entry one second after the last, from a fixed start.
        m_session.Log().SetClock([this] { return kStart + std::chrono::seconds(m_ticks++); });
    }

    void SetUp() override {
        ASSERT_TRUE(m_peer.Start());
        WriteProfile(0, "127.0.0.1", m_peer.Port());
    }

    void WriteProfile(int n, const std::string& host, int port) {
        RemoteConfig profile = AppConfig::DefaultProfile(n);
        profile.hostName = host;
        profile.port = port;
        m_config.SaveProfile(n, profile);
    }

    void SetFaults(void (*set)(peer::PeerFaults&)) {
        peer::PeerFaults faults;
        set(faults);
        m_peer.SetFaults(faults);
    }

    // The first report not yet looked at, once it has come ({LoggedIn, -1} if none comes).
    LinkReport NextReport() {
        if (!WaitUntil([&] { return m_host.reports.size() > m_seen; }, 20000)) {
            return {Kind::LoggedIn, -1};
        }
        return m_host.reports[m_seen++];
    }

    LinkReport ConnectAndReport(int n = 0) {
        m_session.Connect(n);
        return NextReport();
    }

    static inline const system_clock::time_point kStart =
        system_clock::time_point{} + std::chrono::hours(24 * 365 * 50);
    QTemporaryDir m_dir;
    AppConfig m_config;
    test::RunningPeer m_peer;
    test::FakeSessionHost m_host;
    Session m_session;
    int m_ticks = 0;
    std::size_t m_seen = 0;
};

// A server that goes away after a working session, one that sends a frame it cannot hold, the
// operator's own end and a Connect that replaces the session: each says what it was, and the
// log lists them after their logins, oldest first, each with its own time and profile.
TEST_F(LinkDownE2E, SessionsThatEndSayWhyAndTheLogKeepsThemInOrder) {
    // The peer sends station lines at login; closing after two of them is a working session.
    SetFaults([](peer::PeerFaults& f) { f.dropAfterFrames = 2; });
    EXPECT_EQ(ConnectAndReport(), LinkReport{Kind::LoggedIn});
    EXPECT_EQ(NextReport(), LinkReport{Kind::ServerClosed});
    EXPECT_EQ(m_session.CurrentState(), State::WaitingToReconnect);
    // The countdown keeps the reason in view; Disconnect stops it, and nothing starts again.
    m_host.statusTexts.clear();
    m_session.CountdownTick();
    EXPECT_EQ(m_host.LastStatus(),
              "Will reconnect 127.0.0.1 in 59 s: the server closed the connection");
    m_session.Disconnect();
    EXPECT_EQ(NextReport(), LinkReport{Kind::OperatorDisconnected});
    EXPECT_FALSE(m_session.CountdownRunning());
    EXPECT_EQ(m_session.CurrentState(), State::Idle);

    SetFaults([](peer::PeerFaults& f) { f.oversizeLength = 2000; });
    EXPECT_EQ(ConnectAndReport(), LinkReport{Kind::LoggedIn});
    const LinkReport tooLong = NextReport();
    EXPECT_EQ(tooLong, (LinkReport{Kind::FrameTooLong, 2000}));
    EXPECT_EQ(ReasonText(tooLong),
              "the server announced a frame of 2000 bytes (at most 1020): the stream cannot be "
              "followed");

    SetFaults([](peer::PeerFaults&) {});
    EXPECT_EQ(ConnectAndReport(), LinkReport{Kind::LoggedIn});
    m_session.Disconnect();
    EXPECT_EQ(NextReport(), LinkReport{Kind::OperatorDisconnected});
    EXPECT_FALSE(m_session.CountdownRunning());

    WriteProfile(1, "127.0.0.1", m_peer.Port());
    EXPECT_EQ(ConnectAndReport(0), LinkReport{Kind::LoggedIn});
    EXPECT_EQ(ConnectAndReport(1), LinkReport{Kind::OperatorDisconnected});  // profile 0 ends
    EXPECT_EQ(NextReport(), LinkReport{Kind::LoggedIn});                     // profile 1 is up

    const std::vector<Kind> expected = {Kind::LoggedIn,
                                        Kind::ServerClosed,
                                        Kind::OperatorDisconnected,
                                        Kind::LoggedIn,
                                        Kind::FrameTooLong,
                                        Kind::LoggedIn,
                                        Kind::OperatorDisconnected,
                                        Kind::LoggedIn,
                                        Kind::OperatorDisconnected,
                                        Kind::LoggedIn};
    const auto& entries = m_session.Log().Entries();
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].report.kind, expected[i]) << i;
        EXPECT_EQ(entries[i].time, kStart + std::chrono::seconds(i)) << i;
        EXPECT_EQ(entries[i].host, "127.0.0.1");
    }
    EXPECT_EQ(entries[8].profile, AppConfig::DefaultProfile(0).name);
    EXPECT_EQ(entries[9].profile, AppConfig::DefaultProfile(1).name);
    EXPECT_EQ(m_host.reports.size(), entries.size());
}

// Attempts that never got a working session: nobody listening, no such host, and a server that
// closes during the login or at once after the reply, before any frame. The status texts
// and boxes stay as they were.
TEST_F(LinkDownE2E, AttemptsThatFailSayWhy) {
    const quint16 port = m_peer.Port();
    m_peer.Stop();
    EXPECT_EQ(ConnectAndReport(), LinkReport{Kind::Refused});
    EXPECT_EQ(m_host.LastStatus(), "Cannot connect 127.0.0.1 !");
    EXPECT_TRUE(m_session.CountdownRunning());
    ASSERT_TRUE(m_peer.Start());
    ASSERT_EQ(m_peer.Port(), port);

    WriteProfile(0, "no-such-host.invalid", port);
    EXPECT_EQ(ConnectAndReport(), LinkReport{Kind::HostNotFound});
    EXPECT_EQ(m_host.LastStatus(), "Not connected");
    EXPECT_FALSE(m_session.CountdownRunning());

    WriteProfile(0, "127.0.0.1", port);
    SetFaults([](peer::PeerFaults& f) { f.closeBeforeChallenge = true; });
    m_host.warnings.clear();
    EXPECT_EQ(ConnectAndReport(), LinkReport{Kind::LoginRefused});
    ASSERT_EQ(m_host.warnings.size(), 1u);
    EXPECT_EQ(m_host.warnings[0].text, "Connection closed");
    EXPECT_TRUE(m_session.CountdownRunning());

    SetFaults([](peer::PeerFaults& f) { f.refuseLogin = true; });
    EXPECT_EQ(ConnectAndReport(), LinkReport{Kind::LoggedIn});  // the client cannot tell yet
    EXPECT_EQ(NextReport(), LinkReport{Kind::LoginRefused});
    EXPECT_TRUE(m_session.CountdownRunning());
    EXPECT_EQ(ReportLine(m_host.reports.back()),
              "Link down: the server refused the login (it closed the connection before sending "
              "anything)");
}

// A server that stops reading while much is to be sent: the send gives up, and that, not the
// end of stream that the shutdown causes, is the reason. A server that resets the connection
// gets the system's text.
class LinkDownStalledE2E : public LinkDownE2E {
protected:
    // A small send time-out; no login verdict, so that a silent server's end is a plain end.
    LinkDownStalledE2E() : LinkDownE2E(Session::Timing{10, 3600 * 1000, 200, 0}) {}
};

TEST_F(LinkDownStalledE2E, SendTimeOutAndResetHaveTheirOwnReasons) {
    SetFaults([](peer::PeerFaults& f) { f.stall = true; });
    ASSERT_EQ(ConnectAndReport(), LinkReport{Kind::LoggedIn});
    ASSERT_TRUE(WaitUntil([&] { return m_peer.LoggedInCount() == 1; }));
    m_session.SendRawText(std::string(64 << 20, 'x'));
    EXPECT_EQ(NextReport(), LinkReport{Kind::SendTimedOut});
    EXPECT_EQ(m_session.CurrentState(), State::WaitingToReconnect);
    m_peer.DropClients();  // a stalled peer never notices the client has gone
    ASSERT_TRUE(WaitUntil([&] { return m_peer.ConnectionCount() == 0; }));

    // Bytes the stalled peer never read make its close a reset.
    ASSERT_EQ(ConnectAndReport(), LinkReport{Kind::LoggedIn});
    ASSERT_TRUE(WaitUntil([&] { return m_peer.LoggedInCount() == 1; }));
    m_session.SendRawText(std::string(200000, 'y'));
    m_peer.DropClients();
    const LinkReport reset = NextReport();
    EXPECT_EQ(reset, (LinkReport{Kind::ReceiveFailed, 10054}));
    EXPECT_EQ(ReasonText(reset), "the connection failed: Connection reset by peer");
}

}  // namespace
}  // namespace brxw
