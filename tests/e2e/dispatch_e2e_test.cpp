// SPDX-License-Identifier: GPL-3.0-or-later
// Frames from the reference peer through the receive thread into the dispatch: file transfers
// land whole in the working directory, whatever the segments and whatever the name.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "config/app_config.h"
#include "link/dispatcher.h"
#include "link/session.h"
#include "support/fake_dispatch_target.h"
#include "support/fake_session_host.h"
#include "support/running_peer.h"
#include "support/wait.h"

namespace brxw {
namespace {

using test::WaitUntil;

QByteArray RandomBytes(int count, unsigned seed) {
    std::mt19937 random(seed);
    QByteArray bytes(count, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

class DispatchE2E : public ::testing::Test {
protected:
    DispatchE2E()
        : m_config(m_outer.filePath(QStringLiteral("BrxW.ini"))),
          m_work(m_outer.filePath(QStringLiteral("work"))) {
        QDir().mkpath(m_work);
    }

    void SetUp() override {
        RemoteConfig profile = AppConfig::DefaultProfile(0);
        profile.hostName = "127.0.0.1";
        profile.port = m_peer.Port();
        m_config.SaveProfile(0, profile);
        m_host.onFrame = [this](const InboundFrame& frame) { m_dispatcher.Dispatch(frame); };
        m_target.onSendRequest = [this](std::uint8_t kind, std::string_view text) {
            m_session.SendFrame(kind, text);
        };
        m_session.Connect(0);
        ASSERT_TRUE(WaitUntil([&] { return m_host.loggedIn && m_peer.LoggedInCount() == 1; }));
    }

    bool Opened(const std::string& name) {
        return WaitUntil([&] {
            const auto& calls = m_target.calls;
            return std::find(calls.begin(), calls.end(), "OpenInEditor " + name) != calls.end();
        });
    }

    QByteArray Read(const QString& name) {
        QFile file(QDir(m_work).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir m_outer;
    AppConfig m_config;
    QString m_work;
    test::RunningPeer m_peer;
    test::FakeSessionHost m_host;
    test::FakeDispatchTarget m_target;
    Session m_session{m_config, m_host, Session::Timing{10, 3600 * 1000}};
    Dispatcher m_dispatcher{m_session.Queue(), m_target, m_work};
};

TEST_F(DispatchE2E, FetchedFileArrivesWholeUnderItsLastComponent) {
    const QByteArray content = RandomBytes(5000, 1);
    m_peer.SendFile(2, "a/b/c.txt", content, 1020);
    ASSERT_TRUE(Opened("c.txt"));
    EXPECT_EQ(Read(QStringLiteral("c.txt")), content);
}

TEST_F(DispatchE2E, SingleByteSegmentsMakeTheSameFile) {
    peer::PeerFaults faults;
    faults.splitWrites = true;
    m_peer.SetFaults(faults);
    const QByteArray content = RandomBytes(1500, 2);
    m_peer.SendFile(2, "a/b/c.txt", content, 333);
    ASSERT_TRUE(WaitUntil(
        [&] { return !m_target.calls.empty() && m_target.calls.back() == "OpenInEditor c.txt"; },
        20000));
    EXPECT_EQ(Read(QStringLiteral("c.txt")), content);
}

TEST_F(DispatchE2E, HostileNamesStayInTheWorkingDirectory) {
    const char* names[] = {"../../x", "/etc/x", "..\\x", "CON"};
    for (const char* name : names) {
        m_target.calls.clear();
        m_peer.SendFile(2, name, "payload", 1000);
        ASSERT_TRUE(WaitUntil([&] {
            return std::any_of(
                m_target.calls.begin(), m_target.calls.end(),
                [](const std::string& c) { return c.rfind("OpenInEditor", 0) == 0; });
        })) << name;
    }
    EXPECT_EQ(QDir(m_outer.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"BrxW.ini", "work"}));
    QStringList files = QDir(m_work).entryList(QDir::Files | QDir::Hidden);
    files.sort();
    EXPECT_EQ(files, (QStringList{"brx_received.txt", "x"}));
}

TEST_F(DispatchE2E, ALostLinkInMidTransferDoesNotLeakIntoTheNextSession) {
    m_peer.SendFrame(0, 2,
                     QByteArray("big.bin\0"
                                "100000",
                                14));
    m_peer.SendFrame(0, 2, "first piece");
    ASSERT_TRUE(WaitUntil([&] { return m_dispatcher.Slot().InProgress(); }));
    m_peer.DropClients();
    ASSERT_TRUE(WaitUntil([&] { return !m_session.HasSocket(); }));
    m_dispatcher.SessionEnded();  // what the panel does when the session ends
    EXPECT_FALSE(m_dispatcher.Slot().InProgress());
    EXPECT_FALSE(QFile::exists(QDir(m_work).filePath(QStringLiteral("big.bin"))));

    m_session.Connect(0);
    ASSERT_TRUE(WaitUntil([&] { return m_host.loggedIn && m_peer.LoggedInCount() == 1; }));
    m_peer.SendFile(3, "next.txt", "fresh", 1000);
    ASSERT_TRUE(Opened("next.txt"));
    EXPECT_EQ(Read(QStringLiteral("next.txt")), QByteArray("fresh"));
}

TEST_F(DispatchE2E, EditMessageNoticeFetchesTheMessageForTheEditor) {
    m_target.calls.clear();
    m_peer.SendNotice(4, "4711");
    ASSERT_TRUE(WaitUntil([&] {
        return m_peer.ReceivedBytes().contains(QByteArray("\x00\x08\x08\x00MSG 4711", 12));
    }));
    // The peer answers with the message text as a kind-8 transfer, opened for editing.
    ASSERT_TRUE(Opened("msg4711.txt"));
    EXPECT_TRUE(Read(QStringLiteral("msg4711.txt")).contains("Meeting on Saturday"));
    EXPECT_TRUE(m_dispatcher.MessageEdit());
}

}  // namespace
}  // namespace brxw
