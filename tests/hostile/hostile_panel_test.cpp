// SPDX-License-Identifier: GPL-3.0-or-later
// The whole control panel against the scripted hostile server: the status bar as the sysop reads
// it through a lost link and the countdown, the "Connection closed" box (which leaves the
// countdown running), and garbage frames reaching the real station list, counters, windows and
// dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <random>

#include "config/app_config.h"
#include "hostile/hostile_support.h"
#include "panel/control_panel.h"
#include "resources/command_ids.h"

namespace brxw::test {
namespace {

using State = Session::State;

class HostilePanel : public ::testing::Test {
protected:
    HostilePanel()
        : m_config(m_dir.filePath(QStringLiteral("BrxW.ini"))),
          m_work(m_dir.filePath(QStringLiteral("work"))) {
        QDir().mkpath(m_work);
        RemoteConfig profile = AppConfig::DefaultProfile(0);
        profile.hostName = "127.0.0.1";
        profile.port = m_peer.Port();
        m_config.SaveProfile(0, profile);
        m_panel = std::make_unique<CControlPanel>(m_config, Session::Timing{10, 3600 * 1000},
                                                  nullptr, m_work);
        m_panel->show();
        m_panel->Initialise("");
        // Whatever box or administration dialog opens is read and closed, as a sysop would;
        // the text windows stay.
        QObject::connect(&m_closer, &QTimer::timeout, [this] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QDialog*>(window);
                if (dialog == nullptr || !dialog->isVisible() ||
                    dialog->inherits("brxw::CPlacedDlg")) {
                    continue;
                }
                if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
                    m_boxes.push_back((box->windowTitle() + u'|' + box->text()).toStdString());
                    // A box must not hold the countdown up while it waits for the sysop.
                    m_countdownUnderBox.push_back(GetSession().CountdownRunning());
                }
                dialog->reject();
            }
        });
        m_closer.start(5);
    }

    Session& GetSession() { return m_panel->GetSession(); }
    std::string Pane0() const { return m_panel->StatusText().toStdString(); }

    bool WaitForLostLink() {
        return WaitUntil([&] {
            return GetSession().CurrentState() == State::WaitingToReconnect &&
                   m_peer.Finished() == m_peer.Accepted();
        });
    }

    // The countdown as the status bar shows it, and the reconnection at its end.
    void CountDownAndReconnect() {
        ASSERT_EQ(Pane0(), "Not connected");
        GetSession().CountdownTick();
        const std::string why = ": " + ReasonText(GetSession().Log().Entries().back().report);
        EXPECT_EQ(Pane0(), "Will reconnect 127.0.0.1 in 59 s" + why);
        for (int i = 0; i < 58; ++i) {
            GetSession().CountdownTick();
        }
        EXPECT_EQ(Pane0(), "Will reconnect 127.0.0.1 in 1 s" + why);
        m_peer.Queue(ScriptedPeer::Login(WireFrame(4, 0, "2")));
        GetSession().CountdownTick();
        ASSERT_TRUE(WaitUntil([&] { return Pane0() == "2 Connected station(s)"; }));
        EXPECT_EQ(GetSession().CurrentState(), State::LoggedIn);
        EXPECT_EQ(m_panel->windowTitle().toStdString(), "brxW - Remote 0");
    }

    QTemporaryDir m_dir;
    AppConfig m_config;
    QString m_work;
    ScriptedPeer m_peer;
    std::unique_ptr<CControlPanel> m_panel;
    QTimer m_closer;
    std::vector<std::string> m_boxes;
    std::vector<bool> m_countdownUnderBox;
};

TEST_F(HostilePanel, LostLinkAfterTheLoginShowsNotConnectedThenTheCountdown) {
    PeerScript script = ScriptedPeer::Login(WireFrame(4, 0, "3"));
    script.closeAfterWriting = true;
    m_peer.Queue(script);
    m_panel->OnCommand(cmd::kConnectRemote0);
    ASSERT_TRUE(WaitForLostLink());
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(m_panel->windowTitle().toStdString(), "brxW - not connected");
    ASSERT_NO_FATAL_FAILURE(CountDownAndReconnect());
}

TEST_F(HostilePanel, CloseBeforeTheChallengeShowsTheBoxThenTheCountdown) {
    PeerScript script;
    script.dropAt = 12;  // the login line read, no challenge
    m_peer.Queue(script);
    m_panel->OnCommand(cmd::kConnectRemote0);
    ASSERT_TRUE(WaitForLostLink());
    ASSERT_TRUE(WaitUntil([&] { return !m_boxes.empty(); }));
    EXPECT_EQ(m_boxes, std::vector<std::string>{"Network|Connection closed"});
    EXPECT_EQ(m_countdownUnderBox, std::vector<bool>{true});
    ASSERT_NO_FATAL_FAILURE(CountDownAndReconnect());
    EXPECT_EQ(m_boxes.size(), 1u);
}

// Frames of random categories and kinds with random payloads, then random bytes: they reach
// the station list, the counters, the console, the toolbar, the Pactor and option menus and the
// administration dialogs. The panel survives each, writes only into its working folder and
// handles the end as one lost link.
TEST_F(HostilePanel, GarbageAfterTheLoginThroughTheWholePanel) {
    for (int seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        std::string garbage =
            WireFrame(0, 0, "\x01\x04\x05\x06\x07\x09") + GarbageFrames(random, 150);
        garbage += RandomBytes(random, 32);
        PeerScript script = ScriptedPeer::Login(garbage);
        script.closeAfterWriting = true;
        script.segmentMax = 500;
        script.seed = std::uint32_t(seed);
        m_peer.Queue(script);
        m_panel->OnCommand(cmd::kConnectRemote0);
        ASSERT_TRUE(WaitForLostLink());
        EXPECT_EQ(Pane0(), "Not connected");
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  (QStringList{QStringLiteral("BrxW.ini"), QStringLiteral("work")}));
        EXPECT_TRUE(QDir(m_work).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
    }
    ASSERT_NO_FATAL_FAILURE(CountDownAndReconnect());
}

}  // namespace
}  // namespace brxw::test
