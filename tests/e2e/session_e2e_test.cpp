// SPDX-License-Identifier: GPL-3.0-or-later
// The session against the reference peer over loopback: login, failures, the reconnection
// countdown and the outbound operations, with the receive thread running for real.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/resource.h>

#include "config/app_config.h"
#include "link/link_events.h"
#include "link/session.h"
#include "resources/command_ids.h"
#include "support/fake_session_host.h"
#include "support/running_peer.h"
#include "support/wait.h"

namespace brxw {
namespace {

using test::WaitUntil;
using State = Session::State;

class SessionE2E : public ::testing::Test {
protected:
    SessionE2E() : m_config(m_dir.filePath(QStringLiteral("BrxW.ini"))) {}

    void SetUp() override {
        ASSERT_TRUE(m_peer.Start());
        WriteProfile(0, "127.0.0.1", m_peer.Port());
    }

    void WriteProfile(int n, const std::string& host, int port,
                      const std::string& password = "7305") {
        RemoteConfig profile = AppConfig::DefaultProfile(n);
        profile.hostName = host;
        profile.port = port;
        profile.password = password;
        m_config.SaveProfile(n, profile);
    }

    void WriteKey(int n, const char* key, const char* value) {
        m_config.Store().Write(AppConfig::ProfileSection(n), key, value);
    }

    bool LogIn(int n = 0) {
        const int before = m_host.logins;
        m_session.Connect(n);
        return WaitUntil([&] { return m_host.logins > before && m_peer.LoggedInCount() > 0; });
    }

    bool WaitForCountdown() {
        return WaitUntil([&] { return m_session.CurrentState() == State::WaitingToReconnect; });
    }

    bool Received(const QByteArray& bytes) {
        return WaitUntil([&] { return m_peer.ReceivedBytes().contains(bytes); });
    }

    QTemporaryDir m_dir;
    AppConfig m_config;
    test::RunningPeer m_peer;
    test::FakeSessionHost m_host;
    // The countdown never ticks by itself here: the tests tick it.
    Session m_session{m_config, m_host, Session::Timing{10, 3600 * 1000}};
};

class LoginLine : public SessionE2E, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(LoginLine, CarriesTheStoredCounterChoices) {
    const auto [status, message] = GetParam();
    WriteKey(0, "Status", status ? "1" : "0");
    WriteKey(0, "Message", message ? "1" : "0");
    // Whatever the windows of an earlier session subscribed, every connect starts from 140.
    m_session.SetOptions(0xFF);
    ASSERT_TRUE(LogIn());
    const int options = 140 + 2 * status + message;
    const QByteArray line = QByteArray::number(options) + " 0 Q0QQQ\n";
    EXPECT_TRUE(m_peer.ReceivedBytes().startsWith(line)) << m_peer.ReceivedBytes().toStdString();
    EXPECT_EQ(m_peer.OptionsByte(), options);
    EXPECT_EQ(m_host.statusChecked, status != 0);
    EXPECT_EQ(m_host.messagesChecked, message != 0);
}

INSTANTIATE_TEST_SUITE_P(StatusAndMessage, LoginLine,
                         ::testing::Values(std::pair{0, 0}, std::pair{0, 1}, std::pair{1, 0},
                                           std::pair{1, 1}));

TEST_F(SessionE2E, LoginIsAcceptedAndThePanelFollows) {
    ASSERT_TRUE(LogIn());
    EXPECT_EQ(m_session.CurrentState(), State::LoggedIn);
    EXPECT_EQ(m_host.title, "brxW - Remote 0");
    EXPECT_EQ(m_host.checkedItem, cmd::kConnectRemote0);
    EXPECT_FALSE(m_host.waitCursor);
    const std::vector<std::string> expected = {"Connecting 127.0.0.1 ...", "Sending options...",
                                               "Authentication in progress ..."};
    EXPECT_EQ(m_host.statusTexts, expected);
    EXPECT_TRUE(m_host.warnings.empty());
    // The reply line: 32 uppercase hexadecimal digits and a line feed.
    const QByteArray bytes = m_peer.ReceivedBytes();
    const QByteArray reply = bytes.mid(bytes.indexOf('\n') + 1, 33);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F]{32}\n$"))
                    .match(QString::fromLatin1(reply))
                    .hasMatch());
}

TEST_F(SessionE2E, WrongPasswordIsClosedByThePeerAndSeenAsALostLink) {
    WriteProfile(0, "127.0.0.1", m_peer.Port(), "wrong");
    m_session.Connect(0);
    ASSERT_TRUE(WaitForCountdown());
    EXPECT_EQ(m_peer.LoggedInCount(), 0);
    EXPECT_EQ(m_session.Countdown(), 60);
    EXPECT_FALSE(m_session.HasSocket());
    EXPECT_FALSE(m_host.loggedIn);
    EXPECT_TRUE(m_host.warnings.empty());
    EXPECT_EQ(m_host.checkedItem, 0);
}

TEST_F(SessionE2E, PeerGoneCountsDownAndReconnectsWhenBack) {
    ASSERT_TRUE(LogIn());
    m_peer.Stop();
    ASSERT_TRUE(WaitForCountdown());
    EXPECT_FALSE(m_host.loggedIn);
    m_host.statusTexts.clear();
    for (int i = 0; i < 59; ++i) {
        m_session.CountdownTick();
    }
    ASSERT_EQ(m_host.statusTexts.size(), 59u);
    const std::string why = ": " + ReasonText(m_host.reports.back());
    EXPECT_EQ(m_host.statusTexts.front(), "Will reconnect 127.0.0.1 in 59 s" + why);
    EXPECT_EQ(m_host.statusTexts.back(), "Will reconnect 127.0.0.1 in 1 s" + why);
    EXPECT_EQ(m_session.CurrentState(), State::WaitingToReconnect);

    ASSERT_TRUE(m_peer.Start());
    const int before = m_host.logins;
    m_session.CountdownTick();
    ASSERT_TRUE(WaitUntil([&] { return m_host.logins > before && m_peer.LoggedInCount() == 1; }));
    EXPECT_FALSE(m_session.CountdownRunning());
}

TEST_F(SessionE2E, ConnectDuringTheCountdownConnectsAtOnce) {
    ASSERT_TRUE(LogIn());
    m_peer.DropClients();
    ASSERT_TRUE(WaitForCountdown());
    m_session.CountdownTick();
    ASSERT_TRUE(LogIn());
    EXPECT_FALSE(m_session.CountdownRunning());
}

TEST_F(SessionE2E, RefusedConnectionSaysSoAndSchedulesTheReconnection) {
    const quint16 port = m_peer.Port();
    m_peer.Stop();
    WriteProfile(0, "127.0.0.1", port);
    m_session.Connect(0);
    ASSERT_TRUE(WaitForCountdown());
    EXPECT_EQ(m_host.LastStatus(), "Cannot connect 127.0.0.1 !");
    EXPECT_EQ(m_session.Countdown(), 60);
    EXPECT_FALSE(m_host.waitCursor);
}

TEST_F(SessionE2E, ImpossiblePortFailsAtOnceWithABox) {
    WriteProfile(0, "127.0.0.1", 70000);
    m_session.Connect(0);
    EXPECT_EQ(m_session.CurrentState(), State::WaitingToReconnect);
    ASSERT_EQ(m_host.warnings.size(), 1u);
    EXPECT_EQ(m_host.warnings[0].caption, "Network");
    EXPECT_EQ(m_host.warnings[0].text,
              "Error establishing connection\nCan't assign requested address\n");
    EXPECT_EQ(m_host.LastStatus(), "Cannot connect 127.0.0.1 !");
}

TEST_F(SessionE2E, UnknownHostShowsTheBoxAndDoesNotReconnect) {
    WriteProfile(0, "no-such-host.invalid", m_peer.Port());
    m_session.Connect(0);
    EXPECT_EQ(m_host.LastStatus(), "Resolving no-such-host.invalid");
    ASSERT_TRUE(WaitUntil([&] { return !m_host.warnings.empty(); }, 20000));
    EXPECT_EQ(m_host.warnings[0].caption, "Network");
    EXPECT_EQ(m_host.warnings[0].text.rfind("Error retrieving host information\n", 0), 0u);
    EXPECT_EQ(m_host.LastStatus(), "Not connected");
    EXPECT_EQ(m_session.CurrentState(), State::Idle);
    EXPECT_FALSE(m_session.CountdownRunning());
}

TEST_F(SessionE2E, HostNameIsResolvedFirstAndAClassicShortAddressIsNot) {
    WriteProfile(0, "localhost", m_peer.Port());
    ASSERT_TRUE(LogIn());
    EXPECT_EQ(m_host.statusTexts.front(), "Resolving localhost");
    EXPECT_EQ(m_host.statusTexts[1], "Connecting localhost ...");

    WriteProfile(0, "127.1", m_peer.Port());
    m_host.statusTexts.clear();
    ASSERT_TRUE(LogIn());
    EXPECT_EQ(m_host.statusTexts.front(), "Connecting 127.1 ...");
}

// With no descriptor left, socket() itself fails: the box names the cause, the wait cursor goes
// and the reconnection is scheduled.
TEST_F(SessionE2E, SocketThatCannotBeCreatedRestoresTheCursor) {
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    // The profile has been read by then; only the socket is still to come.
    m_host.onStatusText = [saved](const std::string& text) {
        if (text.rfind("Connecting", 0) == 0) {
            rlimit none = saved;
            none.rlim_cur = 0;
            ::setrlimit(RLIMIT_NOFILE, &none);
        }
    };
    m_session.Connect(0);
    ::setrlimit(RLIMIT_NOFILE, &saved);
    m_host.onStatusText = nullptr;
    EXPECT_FALSE(m_host.waitCursor);
    ASSERT_EQ(m_host.warnings.size(), 1u);
    EXPECT_EQ(m_host.warnings[0].text, "Error establishing connection\nToo many open files\n");
    EXPECT_EQ(m_session.CurrentState(), State::WaitingToReconnect);
    EXPECT_FALSE(m_session.HasSocket());
}

TEST_F(SessionE2E, ServerClosingBeforeTheChallengeShowsConnectionClosed) {
    peer::PeerFaults faults;
    faults.closeBeforeChallenge = true;
    m_peer.SetFaults(faults);
    m_session.Connect(0);
    ASSERT_TRUE(WaitForCountdown());
    ASSERT_EQ(m_host.warnings.size(), 1u);
    EXPECT_EQ(m_host.warnings[0].caption, "Network");
    EXPECT_EQ(m_host.warnings[0].text, "Connection closed");
}

TEST_F(SessionE2E, OversizeFrameEndsTheSessionAsABrokenLink) {
    peer::PeerFaults faults;
    faults.oversizeLength = 2000;
    m_peer.SetFaults(faults);
    m_session.Connect(0);
    ASSERT_TRUE(WaitUntil([&] { return m_host.logins == 1; }));
    ASSERT_TRUE(WaitForCountdown());
    EXPECT_FALSE(m_session.HasSocket());
    EXPECT_TRUE(m_host.warnings.empty());
}

TEST_F(SessionE2E, CloseSessionWhileThePeerIsSilentJoinsTheThread) {
    peer::PeerFaults faults;
    faults.stall = true;
    m_peer.SetFaults(faults);
    ASSERT_TRUE(LogIn());
    m_session.CloseSession();
    EXPECT_FALSE(m_session.HasSocket());
    EXPECT_FALSE(m_session.LoggedIn());
    EXPECT_EQ(m_session.CurrentState(), State::Idle);
}

TEST(SessionSendTimeout, AServerThatStopsReadingEndsTheSessionInsteadOfFreezingIt) {
    QTemporaryDir dir;
    AppConfig config(dir.filePath(QStringLiteral("BrxW.ini")));
    test::RunningPeer peer;
    RemoteConfig profile = AppConfig::DefaultProfile(0);
    profile.hostName = "127.0.0.1";
    profile.port = peer.Port();
    config.SaveProfile(0, profile);
    test::FakeSessionHost host;
    Session session(config, host, Session::Timing{10, 3600 * 1000, 200});
    peer::PeerFaults faults;
    faults.stall = true;
    peer.SetFaults(faults);
    session.Connect(0);
    ASSERT_TRUE(WaitUntil([&] { return host.loggedIn && peer.LoggedInCount() == 1; }));
    // Far more than the socket buffers hold: the send gives up, the link counts as broken.
    session.SendRawText(std::string(64 << 20, 'x'));
    ASSERT_TRUE(WaitUntil([&] { return session.CurrentState() == State::WaitingToReconnect; }));
    EXPECT_FALSE(session.HasSocket());
}

TEST_F(SessionE2E, FramesSplitIntoSingleBytesArriveWhole) {
    ASSERT_TRUE(LogIn());
    m_host.frames.clear();
    peer::PeerFaults faults;
    faults.splitWrites = true;
    m_peer.SetFaults(faults);
    const QByteArray payload = QByteArray("\x03\x07\x00", 3) + QByteArray(300, 'z');
    m_peer.SendFrame(16, 0, payload);
    ASSERT_TRUE(WaitUntil([&] {
        for (const InboundFrame& f : m_host.frames) {
            if (f.Category() == 16) {
                return true;
            }
        }
        return false;
    }));
    for (const InboundFrame& f : m_host.frames) {
        if (f.Category() == 16) {
            EXPECT_EQ(f.Payload(), std::string_view(payload.constData(), payload.size()));
        }
    }
}

TEST_F(SessionE2E, FramesSentBeforeTheServerClosedAreAllDispatchedFirst) {
    ASSERT_TRUE(LogIn());
    int shown = 0;
    int shownAfterTheEnd = 0;
    m_host.onFrame = [&](const InboundFrame& frame) {
        if (frame.Category() == 16) {
            ++shown;
            shownAfterTheEnd += m_host.loggedIn ? 0 : 1;
        }
    };
    for (int i = 0; i < 300; ++i) {
        m_peer.SendFrame(16, 0, QByteArray("\0\x04\0last words ", 14) + QByteArray::number(i));
    }
    m_peer.DropClients();
    ASSERT_TRUE(WaitForCountdown());
    EXPECT_EQ(shown, 300);
    EXPECT_EQ(shownAfterTheEnd, 0);
}

TEST_F(SessionE2E, ReplacingASessionKeepsTheNewOneAlive) {
    ASSERT_TRUE(LogIn());
    ASSERT_TRUE(LogIn());  // the first session's thread ends with a broken link of its own
    // Let any notice of the replaced session arrive; it must not end the new one.
    WaitUntil([] { return false; }, 300);
    EXPECT_EQ(m_session.CurrentState(), State::LoggedIn);
    EXPECT_TRUE(m_session.HasSocket());
    EXPECT_FALSE(m_session.CountdownRunning());
}

// The receive thread of a closed session may have posted events that arrive after the next
// session logged in; their generation alone tells them apart.
TEST_F(SessionE2E, StaleLinkEventsDoNotEndTheNewSession) {
    peer::PeerFaults faults;
    faults.stall = true;  // nothing but the stale events reaches the session
    m_peer.SetFaults(faults);
    ASSERT_TRUE(LogIn());
    int dispatched = 0;
    m_host.onFrame = [&](const InboundFrame&) { ++dispatched; };
    QObject* target = m_session.LinkEventTarget();
    QCoreApplication::postEvent(target, new LinkEvent(kFrameQueuedEvent, 0));
    QCoreApplication::postEvent(target, new LinkEvent(kLinkBrokenEvent, 0));
    QCoreApplication::sendPostedEvents(target);
    QCoreApplication::processEvents();  // the dispatch timer, had one been started
    EXPECT_EQ(dispatched, 0);
    EXPECT_EQ(m_session.CurrentState(), State::LoggedIn);
    EXPECT_TRUE(m_session.HasSocket());
    EXPECT_FALSE(m_session.CountdownRunning());
}

TEST_F(SessionE2E, OutboundOperationsReachThePeerByteForByte) {
    ASSERT_TRUE(LogIn());
    m_session.SendFrame(4, "");
    ASSERT_TRUE(Received(QByteArray("\x00\x04\x00\x00", 4)));
    m_session.SendFrame(6, "LIST");
    ASSERT_TRUE(Received(QByteArray("\x00\x06\x04\x00LIST", 8)));
    m_session.SetOptions(140 | 16);
    m_session.SendOptions();
    ASSERT_TRUE(WaitUntil([&] { return m_peer.OptionsByte() == (140 | 16); }));

    const QString message = m_dir.filePath(QStringLiteral("msg.txt"));
    QFile file(message);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(999, 'm') + "\r\nend \xE9\r\n");
    file.close();
    EXPECT_TRUE(m_session.SendMessageText(message, false, false));
    ASSERT_TRUE(Received(QByteArray(999, 'm') + "\nend \x82\n\x1a\n"));
    EXPECT_FALSE(QFile::exists(message));
    EXPECT_FALSE(m_peer.ReceivedBytes().contains('\r'));

    // An aborted message sends the abort line instead of its text.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("never sent");
    file.close();
    EXPECT_TRUE(m_session.SendMessageText(message, true, false));
    ASSERT_TRUE(Received(QByteArray("\x1a\n\n/ABORT\n")));
    EXPECT_FALSE(m_peer.ReceivedBytes().contains("never sent"));
    EXPECT_FALSE(QFile::exists(message));

    const QString upload = m_dir.filePath(QStringLiteral("up.txt"));
    file.setFileName(upload);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1500, 'u'));
    file.close();
    m_session.SetRemoteFilePath("conf/up.txt");
    EXPECT_TRUE(m_session.UploadFile(upload));
    const QByteArray expected = QByteArray("\x00\x03\x0B\x00", 4) + "conf/up.txt" +
                                QByteArray("\x00\x03\xE8\x03", 4) + QByteArray(1000, 'u') +
                                QByteArray("\x00\x03\xF4\x01", 4) + QByteArray(500, 'u') +
                                QByteArray("\x00\x03\x00\x00", 4);
    ASSERT_TRUE(Received(expected))
        << m_peer.ReceivedBytes().right(1560).left(60).toHex().toStdString() << " total "
        << m_peer.ReceivedBytes().size();
    EXPECT_FALSE(QFile::exists(upload));
}

// Nothing goes out without a session, and a file that was not sent is the operator's work:
// it stays for the next attempt.
TEST_F(SessionE2E, OutboundOperationsDoNothingWithoutASessionAndKeepTheirFiles) {
    m_session.SendFrame(4, "LIST");
    m_session.SendOptions();
    const QString message = m_dir.filePath(QStringLiteral("msg.txt"));
    QFile file(message);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("text");
    file.close();
    EXPECT_FALSE(m_session.SendMessageText(message, false, true));
    EXPECT_FALSE(m_session.SendMessageText(message, true, true));
    m_session.SetRemoteFilePath("conf/up.txt");
    EXPECT_FALSE(m_session.UploadFile(message));
    EXPECT_TRUE(QFile::exists(message));
    EXPECT_TRUE(m_peer.ReceivedBytes().isEmpty());
}

TEST_F(SessionE2E, StartupNameMatchesAProfileIgnoringCase) {
    WriteProfile(2, "127.0.0.1", m_peer.Port());
    WriteKey(2, "Name", "Home BBS");
    m_session.Start("home bbs");
    m_session.StartupTick();
    ASSERT_TRUE(WaitUntil([&] { return m_host.loggedIn; }));
    EXPECT_EQ(m_session.ConnectCommand(), cmd::kConnectRemote0 + 2);
    EXPECT_EQ(m_config.CurrentIndex(), 2);
}

TEST_F(SessionE2E, UnknownStartupNameIsReportedAndNothingConnects) {
    WriteKey(1, "AutoConnect", "1");
    m_session.Start("Nowhere");
    m_session.StartupTick();
    ASSERT_EQ(m_host.warnings.size(), 1u);
    EXPECT_EQ(m_host.warnings[0].caption, "Network");
    EXPECT_EQ(m_host.warnings[0].text, "Cannot find Nowhere in configuration");
    EXPECT_EQ(m_session.CurrentState(), State::Idle);
}

TEST_F(SessionE2E, WithoutANameTheFirstAutoConnectProfileConnects) {
    WriteProfile(3, "127.0.0.1", m_peer.Port());
    WriteKey(3, "AutoConnect", "1");
    m_session.Start("");
    m_session.StartupTick();
    ASSERT_TRUE(WaitUntil([&] { return m_host.loggedIn; }));
    EXPECT_EQ(m_session.ConnectCommand(), cmd::kConnectRemote0 + 3);
}

TEST_F(SessionE2E, StoredWindowStatesAreRestoredAtLogin) {
    WriteKey(0, "State_0", "5");
    WriteKey(0, "State_m", "0");
    ASSERT_TRUE(LogIn());
    EXPECT_TRUE(m_host.restoredAllChannels);
    EXPECT_FALSE(m_host.restoredMonitoring);
}

}  // namespace
}  // namespace brxw
