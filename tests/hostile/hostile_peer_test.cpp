// SPDX-License-Identifier: GPL-3.0-or-later
// The client against servers that misbehave on purpose, over loopback, with the real session,
// receive thread and dispatch: the link cut at every byte of a login and of a file transfer,
// one-byte segments, a stall inside a payload, lengths over 1020, garbage before and after the
// login, silence, refusal, a name that does not resolve and a peer restarted in mid-transfer.
// After each the client is idle, logged in or counting down, with the texts a sysop reads.
#include <gtest/gtest.h>

#include <QFile>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <random>

#include "hostile/hostile_support.h"
#include "link/login.h"
#include "support/running_peer.h"

namespace brxw::test {
namespace {

const std::string kLoginLine = "140 0 Q0QQQ\n";
const std::string kChallenge = PeerScript{}.challenge;
constexpr std::size_t kReplySize = 33;  // 32 hexadecimal digits and a line feed
const std::size_t kLoginEnd = kLoginLine.size() + kChallenge.size() + kReplySize;

std::string Join(const std::vector<std::string>& frames) {
    std::string bytes;
    for (const std::string& frame : frames) {
        bytes += frame;
    }
    return bytes;
}

// What the dispatch does with the frames when nothing goes wrong: element i holds the target's
// calls after the first i frames.
std::vector<std::vector<std::string>> ReferenceCalls(const std::vector<std::string>& frames) {
    QTemporaryDir scratch;
    FrameQueue queue;
    FakeDispatchTarget target;
    target.consoleCreated = true;
    target.monitoringCreated = true;
    Dispatcher dispatcher(queue, target, scratch.path());
    std::vector<std::vector<std::string>> calls = {{}};
    for (const std::string& frame : frames) {
        dispatcher.Dispatch(InboundFrame(frame.data(), frame.size()));
        calls.push_back(target.calls);
    }
    return calls;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

int Count(const std::vector<std::string>& calls, const std::string& call) {
    return int(std::count(calls.begin(), calls.end(), call));
}

class HostilePeer : public ::testing::Test, public HostileFixture {
protected:
    void ResetRecords() {
        m_host.statusTexts.clear();
        m_host.warnings.clear();
        m_host.logins = 0;
        m_host.logouts = 0;
        m_host.stationListEmptied = 0;
        m_target.calls.clear();
    }

    // A lost link has been handled: nothing is left of the session and the countdown stands
    // at 60.
    void ExpectWaitingToReconnect() {
        EXPECT_EQ(m_session.CurrentState(), State::WaitingToReconnect);
        EXPECT_FALSE(m_session.HasSocket());
        EXPECT_FALSE(m_session.LoggedIn());
        EXPECT_EQ(m_session.Countdown(), 60);
        EXPECT_TRUE(m_session.CountdownRunning());
        EXPECT_FALSE(m_host.loggedIn);
        EXPECT_FALSE(m_host.waitCursor);
        EXPECT_EQ(m_host.checkedItem, 0);
        // Handled once: the connect emptied the station list, and only a lost link after the
        // login empties it again (a second handling would do so once more).
        EXPECT_EQ(m_host.stationListEmptied, 1 + m_host.logins);
        EXPECT_FALSE(m_dispatcher.Slot().InProgress());
        // Every indicator begun has been ended.
        const auto begun =
            std::count_if(m_target.calls.begin(), m_target.calls.end(),
                          [](const std::string& c) { return c.rfind("ProgressBegin", 0) == 0; });
        EXPECT_EQ(Count(m_target.calls, "ProgressEnd"), begun);
    }

    // A lost link after a login, handled without a box.
    void ExpectLostAfterLogin() {
        ExpectWaitingToReconnect();
        EXPECT_EQ(m_host.logins, 1);
        EXPECT_TRUE(m_host.warnings.empty());
    }

    // Logs in to a peer that sends a console line, then stops 300 bytes into the 603-byte
    // payload of a second one until released, then sends the frames after. Returns what the
    // dispatch does with all of them sent whole; the first frame has been shown.
    std::vector<std::vector<std::string>> LogInAndStallInTheSecondFrame(
        const std::vector<std::string>& after) {
        std::vector<std::string> frames = {
            WireFrame(32, 0, std::string("\0\0\0before the stall", 20)),
            WireFrame(32, 0, std::string(3, '\0') + std::string(600, 'y'))};
        frames.insert(frames.end(), after.begin(), after.end());
        PeerScript script = ScriptedPeer::Login(Join(frames));
        script.stallAt = std::int64_t(kLoginEnd + frames[0].size() + 4 + 300);
        m_peer.Queue(script);
        const auto reference = ReferenceCalls(frames);
        EXPECT_TRUE(LogIn());
        EXPECT_TRUE(WaitUntil([&] { return m_peer.Stalled() && m_target.calls == reference[1]; }));
        return reference;
    }

    // Ticks the countdown through: 59 "Will reconnect" texts and no connection, then the last
    // tick connects once and the next session logs in. afterLogin is what it is sent then.
    void ReconnectThroughTheCountdown(const std::function<int()>& connections,
                                      const std::string& afterLogin = {}) {
        ASSERT_EQ(m_session.CurrentState(), State::WaitingToReconnect);
        ASSERT_EQ(m_session.Countdown(), 60);
        m_peer.Queue(ScriptedPeer::Login(afterLogin));
        const int before = connections();
        m_host.statusTexts.clear();
        for (int i = 0; i < 59; ++i) {
            m_session.CountdownTick();
        }
        ASSERT_EQ(m_host.statusTexts.size(), 59u);
        // Why the link went down stays in view until the next attempt.
        const std::string why = ": " + ReasonText(m_host.reports.back());
        EXPECT_EQ(m_host.statusTexts.front(), "Will reconnect 127.0.0.1 in 59 s" + why);
        EXPECT_EQ(m_host.statusTexts.back(), "Will reconnect 127.0.0.1 in 1 s" + why);
        EXPECT_EQ(connections(), before);
        const int logins = m_host.logins;
        m_session.CountdownTick();
        ASSERT_TRUE(WaitUntil([&] { return m_host.logins > logins; }));
        EXPECT_TRUE(WaitUntil([&] { return connections() == before + 1; }));
        EXPECT_FALSE(m_session.CountdownRunning());
        EXPECT_EQ(m_session.CurrentState(), State::LoggedIn);
    }
    void ReconnectThroughTheCountdown(const std::string& afterLogin = {}) {
        ReconnectThroughTheCountdown([this] { return m_peer.Accepted(); }, afterLogin);
    }

    // The operator's Disconnect; returns once the peer has seen the connection end.
    void EndSession() {
        m_session.Disconnect();
        ASSERT_TRUE(WaitForPeerDone());
        m_target.calls.clear();
    }

    // Connects with the script and waits until the lost link has been handled and the peer is
    // done with the connection.
    void RunUntilLost(PeerScript script) {
        m_peer.Queue(std::move(script));
        m_session.Connect(0);
        ASSERT_TRUE(WaitForState(State::WaitingToReconnect));
        ASSERT_TRUE(WaitForPeerDone());
    }
};

// Cut before the client has a byte of the challenge, the login ends in the box "Connection
// closed"; cut later, the client has logged in (it waits for no login result) and the lost link
// ends it without a box. Either way once, the reconnection is scheduled once, and every frame
// that was whole before the cut has been shown. A reset instead of an orderly close may also
// fail the connect itself or swallow bytes in flight, but still ends in one of the three ways.
TEST_F(HostilePeer, LinkCutAtEveryByteOfTheLogin) {
    const std::vector<std::string> frames = {
        WireFrame(0, 0, "\x04\x07"), WireFrame(4, 0, "3"),
        WireFrame(8, 0, "01Q1ABC     14:07 00:12   3  120 0/0"), WireFrame(0, 10, "1 0")};
    const std::string after = Join(frames);
    const auto reference = ReferenceCalls(frames);
    for (const bool reset : {false, true}) {
        for (std::int64_t cut = 0; cut <= std::int64_t(kLoginEnd + after.size()); ++cut) {
            SCOPED_TRACE(testing::Message() << (reset ? "reset" : "close") << " at byte " << cut);
            ResetRecords();
            PeerScript script = ScriptedPeer::Login(after);
            script.dropAt = cut;
            script.reset = reset;
            ASSERT_NO_FATAL_FAILURE(RunUntilLost(script));
            ExpectWaitingToReconnect();
            const bool closedBox = m_host.warnings.size() == 1 &&
                                   m_host.warnings[0].caption == "Network" &&
                                   m_host.warnings[0].text == "Connection closed";
            const bool cannotConnect = m_host.LastStatus() == "Cannot connect 127.0.0.1 !";
            EXPECT_EQ(int(closedBox) + int(cannotConnect) + m_host.logins, 1);
            EXPECT_LE(m_host.warnings.size(), 1u);
            if (!reset) {
                const std::size_t challengeBytes = std::min<std::size_t>(
                    std::max<std::int64_t>(cut - kLoginLine.size(), 0), kChallenge.size());
                const bool loggedIn = challengeBytes > 0;
                EXPECT_EQ(m_host.logins, loggedIn ? 1 : 0);
                EXPECT_EQ(closedBox, !loggedIn);
                std::vector<std::string> texts = {"Connecting 127.0.0.1 ...", "Sending options..."};
                if (loggedIn) {
                    texts.push_back("Authentication in progress ...");
                }
                EXPECT_EQ(m_host.statusTexts, texts);
                // The reply answers exactly the part of the challenge that had arrived.
                const std::string reply =
                    loggedIn
                        ? LoginReply(ChallengeWord(kChallenge.substr(0, challengeBytes)), "7305")
                        : "";
                EXPECT_EQ(m_peer.Received(), kLoginLine + reply);
                std::size_t whole = 0;
                for (std::size_t i = 0, end = kLoginEnd; i < frames.size(); ++i) {
                    end += frames[i].size();
                    whole += end <= std::size_t(cut) ? 1 : 0;
                }
                EXPECT_EQ(m_target.calls, reference[whole]);
            }
            ASSERT_NO_FATAL_FAILURE(ReconnectThroughTheCountdown());
            ASSERT_NO_FATAL_FAILURE(EndSession());
            if (HasFailure()) {
                return;  // one broken offset says enough
            }
        }
    }
}

// A transfer cut anywhere leaves the file that was there before, whole, and no partial or
// temporary file beside it; the progress indicator ends with the session; and the next
// session's transfer is not swallowed by the one that was cut.
TEST_F(HostilePeer, LinkCutAtEveryByteOfAFileTransfer) {
    const QByteArray content = "first piece|second|end";
    const std::vector<std::string> transfer = {
        Announcement(2, "dir/c.txt", content.size()), WireFrame(0, 2, "first piece|"),
        WireFrame(0, 2, "second|"), WireFrame(0, 2, "end"), WireFrame(0, 2, "")};
    const std::string before = WireFrame(4, 0, "3");
    const std::string bytes = Join(transfer);
    const std::int64_t start = std::int64_t(kLoginEnd + before.size());
    const QString file = QDir(m_work).filePath(QStringLiteral("c.txt"));
    const std::string next =
        Announcement(3, "next.txt", 5) + WireFrame(0, 3, "fresh") + WireFrame(0, 3, "");
    for (const bool reset : {false, true}) {
        for (std::int64_t cut = start; cut <= start + std::int64_t(bytes.size()); ++cut) {
            SCOPED_TRACE(testing::Message() << (reset ? "reset" : "close") << " at byte " << cut);
            ASSERT_NO_FATAL_FAILURE(WriteFile(file, "old content"));
            ResetRecords();
            PeerScript script = ScriptedPeer::Login(before + bytes);
            script.dropAt = cut;
            script.reset = reset;
            ASSERT_NO_FATAL_FAILURE(RunUntilLost(script));
            ExpectLostAfterLogin();
            const bool whole = Count(m_target.calls, "OpenInEditor c.txt") == 1;
            if (!reset) {
                EXPECT_EQ(whole, cut == start + std::int64_t(bytes.size()));
                EXPECT_EQ(Count(m_target.calls, "ProgressBegin 22"),
                          cut >= start + std::int64_t(transfer[0].size()) ? 1 : 0);
            }
            EXPECT_EQ(ReadFile(file), whole ? content : QByteArray("old content"));
            EXPECT_EQ(QDir(m_work).entryList(QDir::Files | QDir::Hidden),
                      QStringList{QStringLiteral("c.txt")});

            ASSERT_NO_FATAL_FAILURE(ReconnectThroughTheCountdown(next));
            ASSERT_TRUE(
                WaitUntil([&] { return Count(m_target.calls, "OpenInEditor next.txt") == 1; }));
            EXPECT_EQ(ReadFile(QDir(m_work).filePath(QStringLiteral("next.txt"))), "fresh");
            QFile::remove(QDir(m_work).filePath(QStringLiteral("next.txt")));
            ASSERT_NO_FATAL_FAILURE(EndSession());
            if (HasFailure()) {
                return;
            }
        }
    }
}

// After the challenge, which the client takes from one read, every byte comes alone: frames of
// every category, empty ones, one of 1020 bytes and a binary file transfer do exactly what they
// do when written whole.
TEST_F(HostilePeer, OneByteSegmentsChangeNothing) {
    std::string big(1020, 'x');
    big[0] = big[1] = big[2] = '\0';
    std::mt19937 random(3);
    const std::string binary = RandomBytes(random, 2500);
    const std::vector<std::string> frames = {
        WireFrame(0, 0, "\x01\x04\x05\x06\x07\x09"),
        WireFrame(1, 0, "2 5 40"),
        WireFrame(2, 0, "20000 1500 150000 7"),
        WireFrame(4, 0, "3"),
        WireFrame(8, 0, "01Q1ABC     14:07 00:12   3  120 0/0"),
        WireFrame(16, 0, std::string("\x01\x04\x00monitoring", 13)),
        WireFrame(32, 0, std::string("\x00\x00\x00console", 10)),
        WireFrame(64, 0, std::string("\x03\x02\x00channel", 10)),
        WireFrame(128, 0, "\x01"),
        WireFrame(32, 0, ""),
        WireFrame(0, 9, "A 1 First option"),
        WireFrame(0, 10, "1 0"),
        WireFrame(32, 0, big),
        Announcement(3, "up/x.bin", binary.size()),
        WireFrame(0, 3, binary.substr(0, 1000)),
        WireFrame(0, 3, binary.substr(1000, 1000)),
        WireFrame(0, 3, binary.substr(2000)),
        WireFrame(0, 3, ""),
        WireFrame(8, 0, "03Q2XYZ-1   14:30 00:03   1    0 fwd<"),
    };
    const auto reference = ReferenceCalls(frames);
    PeerScript script = ScriptedPeer::Login(Join(frames));
    script.segmentMax = 1;
    m_peer.Queue(script);
    ASSERT_TRUE(LogIn());
    ASSERT_TRUE(WaitUntil([&] { return m_target.calls.size() >= reference.back().size(); }, 20000));
    EXPECT_EQ(m_target.calls, reference.back());
    EXPECT_EQ(ReadFile(QDir(m_work).filePath(QStringLiteral("x.bin"))),
              QByteArray::fromStdString(binary));
    EXPECT_EQ(m_session.CurrentState(), State::LoggedIn);
}

// The receive thread waits inside a payload: nothing of the half frame reaches the windows,
// the interface keeps running, and the rest completes the frame when it comes.
TEST_F(HostilePeer, StallInsideAPayload) {
    const auto reference =
        LogInAndStallInTheSecondFrame({WireFrame(8, 0, "01Q1ABC     14:07 00:12   3  120 0/0")});
    ASSERT_FALSE(HasFailure());
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(1);
    ASSERT_TRUE(WaitUntil([&] { return ticks >= 20; }));
    EXPECT_EQ(m_target.calls, reference[1]);
    EXPECT_EQ(m_session.CurrentState(), State::LoggedIn);

    m_peer.Release();
    ASSERT_TRUE(WaitUntil([&] { return m_target.calls.size() >= reference[3].size(); }));
    EXPECT_EQ(m_target.calls, reference[3]);
    EXPECT_EQ(m_session.CurrentState(), State::LoggedIn);
}

// The operator disconnects while the receive thread waits inside a payload: the thread ends at
// once, the client is idle with nothing scheduled, and the half frame is never shown.
TEST_F(HostilePeer, DisconnectDuringAStallInsideAPayload) {
    const auto reference = LogInAndStallInTheSecondFrame({});
    ASSERT_FALSE(HasFailure());
    m_session.Disconnect();
    EXPECT_EQ(m_session.CurrentState(), State::Idle);
    EXPECT_FALSE(m_session.HasSocket());
    EXPECT_FALSE(m_session.CountdownRunning());
    EXPECT_FALSE(m_host.loggedIn);
    EXPECT_TRUE(m_host.warnings.empty());
    m_peer.Release();
    ASSERT_TRUE(WaitForPeerDone());
    WaitUntil([] { return false; }, 50);  // room for anything still posted to show up
    EXPECT_EQ(m_target.calls, reference[1]);
    EXPECT_EQ(m_session.CurrentState(), State::Idle);
}

// A length the 1024-byte receive buffer cannot hold ends the link as a lost one; 1020 itself is
// a frame. What came before is shown, nothing of or after the oversize frame.
TEST_F(HostilePeer, LengthOver1020EndsTheLinkAfterWhatCameBefore) {
    std::string largest(1020, 'm');
    largest[0] = largest[1] = largest[2] = '\0';
    const std::string first = WireFrame(32, 0, largest);
    const auto reference = ReferenceCalls({first});
    for (const std::size_t announced : {1021u, 1024u, 4096u, 65535u}) {
        SCOPED_TRACE(announced);
        ResetRecords();
        const std::string oversize = WireFrame(32, 0, std::string(100, 'b'), announced);
        ASSERT_NO_FATAL_FAILURE(
            RunUntilLost(ScriptedPeer::Login(first + oversize + WireFrame(4, 0, "9"))));
        ExpectLostAfterLogin();
        EXPECT_EQ(m_target.calls, reference[1]);
        ASSERT_NO_FATAL_FAILURE(ReconnectThroughTheCountdown());
        ASSERT_NO_FATAL_FAILURE(EndSession());
    }
}

// Whatever comes for a challenge, the client answers the first word of its one read of at
// most 256 bytes with 32 hexadecimal digits and a line feed, and what follows is frame bytes.
TEST_F(HostilePeer, GarbageForAChallenge) {
    std::string noBlanks;
    std::mt19937 random(5);
    for (int i = 0; i < 300; ++i) {
        noBlanks.push_back(char('!' + random() % 94));
    }
    const std::string binary = RandomBytes(random, 200);
    const std::string cases[] = {noBlanks, std::string("AB\0CD EF\r\n", 10), "   \r\n", binary,
                                 std::string(256, ' ') + "late\r\n"};
    for (const std::string& challenge : cases) {
        SCOPED_TRACE(testing::Message() << "challenge of " << challenge.size() << " bytes");
        ResetRecords();
        PeerScript script = ScriptedPeer::Login(WireFrame(4, 0, "3"));
        script.challenge = challenge;
        script.closeAfterWriting = true;
        ASSERT_NO_FATAL_FAILURE(RunUntilLost(script));
        ExpectLostAfterLogin();
        const std::string read = challenge.substr(0, 256);
        EXPECT_EQ(m_peer.Received(), kLoginLine + LoginReply(ChallengeWord(read), "7305"));
        ASSERT_NO_FATAL_FAILURE(ReconnectThroughTheCountdown());
        ASSERT_NO_FATAL_FAILURE(EndSession());
    }
}

// Bytes after the login that are not the frames a server means: well-formed headers with
// random categories, kinds and payloads, then random bytes. Whatever they say,
// every file lands in the working folder, the lost link is handled once and the next session
// works.
TEST_F(HostilePeer, GarbageAfterTheLogin) {
    const int kSeeds = 12;
    for (int seed = 1; seed <= kSeeds; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        std::string garbage = GarbageFrames(random, 200);
        garbage += RandomBytes(random, 64);
        ResetRecords();
        PeerScript script = ScriptedPeer::Login(garbage);
        script.closeAfterWriting = true;
        script.segmentMax = 700;
        script.seed = std::uint32_t(seed);
        ASSERT_NO_FATAL_FAILURE(RunUntilLost(script));
        ExpectLostAfterLogin();
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  (QStringList{QStringLiteral("BrxW.ini"), QStringLiteral("work")}));
        EXPECT_TRUE(QDir(m_work).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
        ASSERT_NO_FATAL_FAILURE(ReconnectThroughTheCountdown());
        ASSERT_NO_FATAL_FAILURE(EndSession());
    }
}

// The client never times out on the server: it waits for the challenge with the wait cursor,
// no box and nothing scheduled, until the operator connects again.
TEST_F(HostilePeer, APeerThatNeverAnswersLeavesTheClientWaitingForTheOperator) {
    PeerScript silent;
    silent.answerChallenge = false;
    m_peer.Queue(silent);
    m_session.Connect(0);
    ASSERT_TRUE(WaitUntil([&] { return m_peer.Received() == kLoginLine; }));
    WaitUntil([] { return false; }, 200);  // room for a wrong timeout to strike
    EXPECT_EQ(m_session.CurrentState(), State::AwaitingChallenge);
    EXPECT_EQ(m_host.LastStatus(), "Sending options...");
    EXPECT_TRUE(m_host.waitCursor);
    EXPECT_TRUE(m_host.warnings.empty());
    EXPECT_FALSE(m_session.CountdownRunning());
    EXPECT_EQ(m_host.logins, 0);

    ASSERT_TRUE(LogIn());
    EXPECT_EQ(m_peer.Accepted(), 2);
    EXPECT_EQ(m_peer.Finished(), 1);  // the silent connection was closed first
    EXPECT_TRUE(m_host.warnings.empty());
    EXPECT_FALSE(m_host.waitCursor);
}

// A port nobody listens on: "Cannot connect", a reconnection a minute later with the profile
// read again from BrxW.ini (here it has been pointed at a server meanwhile).
TEST_F(HostilePeer, RefusedConnectionIsRetriedWithTheProfileReadAgain) {
    const int closed = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ASSERT_EQ(::bind(closed, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::getsockname(closed, reinterpret_cast<sockaddr*>(&address), &size), 0);
    PointProfileAt(ntohs(address.sin_port));  // bound, never listening: refused

    m_session.Connect(0);
    ASSERT_TRUE(WaitForState(State::WaitingToReconnect));
    ::close(closed);
    EXPECT_EQ(m_host.LastStatus(), "Cannot connect 127.0.0.1 !");
    // Refused at once the connect reports it in a box; refused later, without one.
    if (!m_host.warnings.empty()) {
        ASSERT_EQ(m_host.warnings.size(), 1u);
        EXPECT_EQ(m_host.warnings[0].text, "Error establishing connection\nConnection refused\n");
    }
    ExpectWaitingToReconnect();
    PointProfileAt(m_peer.Port());
    ASSERT_NO_FATAL_FAILURE(ReconnectThroughTheCountdown());
    EXPECT_EQ(m_peer.Accepted(), 1);
}

// A name that does not resolve is reported once and nothing is scheduled: the countdown's
// ticks connect nothing, and the operator's next Connect works.
TEST_F(HostilePeer, HostNameThatDoesNotResolve) {
    PointProfileAt(m_peer.Port(), "no-such-host.invalid");
    m_session.Connect(0);
    EXPECT_EQ(m_host.LastStatus(), "Resolving no-such-host.invalid");
    EXPECT_EQ(m_session.CurrentState(), State::Resolving);
    ASSERT_TRUE(WaitUntil([&] { return !m_host.warnings.empty(); }, 30000));
    ASSERT_EQ(m_host.warnings.size(), 1u);
    EXPECT_EQ(m_host.warnings[0].caption, "Network");
    EXPECT_EQ(m_host.warnings[0].text.rfind("Error retrieving host information\n", 0), 0u);
    EXPECT_EQ(m_host.LastStatus(), "Not connected");
    EXPECT_EQ(m_session.CurrentState(), State::Idle);
    EXPECT_FALSE(m_session.CountdownRunning());
    EXPECT_FALSE(m_host.waitCursor);
    for (int i = 0; i < 60; ++i) {
        m_session.CountdownTick();
    }
    EXPECT_EQ(m_session.CurrentState(), State::Idle);
    EXPECT_EQ(m_peer.Accepted(), 0);

    PointProfileAt(m_peer.Port());
    ASSERT_TRUE(LogIn());
}

// The reference peer goes away in the middle of a transfer and comes back on the same port:
// the partial file is dropped, the indicator ends, the countdown connects to the new peer and
// its transfer arrives whole.
TEST_F(HostilePeer, PeerRestartedDuringATransfer) {
    RunningPeer peer;
    PointProfileAt(peer.Port());
    ASSERT_TRUE(LogIn());
    ASSERT_TRUE(WaitUntil([&] { return peer.LoggedInCount() == 1; }));
    peer.Server().SendFileAnnouncement(2, "dir/big.bin", 100000);
    for (int i = 0; i < 3; ++i) {
        peer.SendFrame(0, 2, QByteArray(1000, 'p'));
    }
    ASSERT_TRUE(WaitUntil([&] { return m_dispatcher.Slot().Received() == 3000; }));
    peer.Stop();
    ASSERT_TRUE(peer.Start());
    ASSERT_TRUE(WaitForState(State::WaitingToReconnect));
    ExpectWaitingToReconnect();
    EXPECT_EQ(Count(m_target.calls, "ProgressBegin 100000"), 1);
    EXPECT_EQ(Count(m_target.calls, "ProgressEnd"), 1);
    EXPECT_TRUE(QDir(m_work).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_TRUE(m_host.warnings.empty());

    ASSERT_NO_FATAL_FAILURE(ReconnectThroughTheCountdown([&] { return peer.LoggedInCount(); }));
    ASSERT_TRUE(WaitUntil([&] { return peer.LoggedInCount() == 1; }));
    std::mt19937 random(9);
    const QByteArray content = QByteArray::fromStdString(RandomBytes(random, 5000));
    peer.SendFile(2, "dir/big.bin", content, 1000);
    ASSERT_TRUE(WaitUntil([&] { return Count(m_target.calls, "OpenInEditor big.bin") == 1; }));
    EXPECT_EQ(ReadFile(QDir(m_work).filePath(QStringLiteral("big.bin"))), content);
}

}  // namespace
}  // namespace brxw::test
