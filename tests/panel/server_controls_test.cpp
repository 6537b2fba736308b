// SPDX-License-Identifier: GPL-3.0-or-later
// The control panel's Pactor controls and server option items against the reference peer
// (offscreen): the peer's reports and lists drive the menus and buttons, the operator's presses
// reach the peer, and a hidden Status frame or a lost link takes the controls away.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include "config/app_config.h"
#include "panel/control_panel.h"
#include "panel/counter_panel.h"
#include "panel/pactor_menu.h"
#include "panel/server_option_items.h"
#include "resources/command_ids.h"
#include "support/panel_on_peer.h"
#include "support/qt_printers.h"
#include "support/running_peer.h"
#include "support/wait.h"

namespace brxw {
namespace {

using test::WaitUntil;

constexpr int kPactorPort = 3;

peer::PeerConfig PeerWithPactorAndOptions() {
    peer::PeerConfig config;
    config.port = 0;
    config.capabilities = QByteArray("\x04\x09\x09", 3);  // 9 twice: the list is asked for once
    config.pactorPort = kPactorPort;
    return config;
}

// A frame as the client sends it: 0, kind, length (little-endian), text.
QByteArray Request(int kind, const QByteArray& text) {
    QByteArray frame(4, '\0');
    frame[1] = static_cast<char>(kind);
    frame[2] = static_cast<char>(text.size() & 0xff);
    frame[3] = static_cast<char>(text.size() >> 8);
    return frame + text;
}

class ServerControlsTest : public ::testing::Test {
protected:
    ServerControlsTest()
        : m_config(m_dir.filePath(QStringLiteral("BrxW.ini"))),
          m_peer(PeerWithPactorAndOptions()) {}

    void SetUp() override {
        m_panel = test::OpenPanelForPeer(m_config, m_peer);
        Connect();
    }

    void Connect() {
        m_panel->OnCommand(cmd::kConnectRemote0);
        ASSERT_TRUE(WaitUntil(
            [&] { return m_panel->GetSession().LoggedIn() && m_peer.LoggedInCount() == 1; }));
    }

    int Sent(int kind, const QByteArray& text) const {
        return m_peer.ReceivedBytes().count(Request(kind, text));
    }
    QStringList MenuBarTexts() const {
        QStringList texts;
        for (QAction* menu : m_panel->menuBar()->actions()) {
            texts << menu->text();
        }
        return texts;
    }
    QStringList OptionsMenuTexts() const {
        QStringList texts;
        for (QAction* item : m_panel->menuBar()->actions().at(4)->menu()->actions()) {
            texts << item->text() + (item->isChecked() ? QStringLiteral(" [x]") : QString());
        }
        return texts;
    }
    QAction* Button(int command) const { return m_panel->Action(command); }
    void ClickStatus() { m_panel->StatusPanel()->findChild<QCheckBox*>()->click(); }

    QTemporaryDir m_dir;
    AppConfig m_config;
    test::RunningPeer m_peer;
    std::unique_ptr<CControlPanel> m_panel;
};

TEST_F(ServerControlsTest, OptionItemsFollowThePeersListsAndGoWithTheSession) {
    CServerOptionItems& options = *m_panel->ServerOptionItems();
    ASSERT_TRUE(WaitUntil([&] { return options.Item(35200 + '[' - 'A') != nullptr; }));
    EXPECT_EQ(
        OptionsMenuTexts(),
        (QStringList{"Settings", "Accept new users [x]", "Bulletins held for review",
                     "Forwarding enabled [x]", "Guest logins (read only) [x]",
                     "Mail beacon every 30 minutes", "Pactor mailbox access [x]",
                     "White pages updates to neighbours", "Extended log of forwarding sessions"}));
    EXPECT_EQ(Sent(9, "GET"), 1);
    EXPECT_EQ(options.Item(35201)->data().toChar(), QLatin1Char('B'));

    // From the keyboard: Alt+O opens "C&onfig" (the first of the two menus marked O), Right
    // moves on to "&Options" with "Settings" highlighted, Down twice reaches the second option
    // and Enter switches it. The mark stays until the peer's next list says otherwise.
    QMenu* optionsMenu = m_panel->menuBar()->actions().at(4)->menu();
    QTest::keyClick(m_panel.get(), Qt::Key_O, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([&] { return QApplication::activePopupWidget() != nullptr; }));
    EXPECT_EQ(QApplication::activePopupWidget(), m_panel->menuBar()->actions().at(3)->menu());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    ASSERT_TRUE(WaitUntil([&] { return QApplication::activePopupWidget() == optionsMenu; }));
    QWidget* popup = optionsMenu;
    EXPECT_EQ(optionsMenu->activeAction(), m_panel->Action(cmd::kSettings));
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Down);
    EXPECT_EQ(static_cast<QMenu*>(popup)->activeAction(), options.Item(35201));
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_FALSE(options.Item(35201)->isChecked());
    ASSERT_TRUE(WaitUntil([&] { return options.Item(35201)->isChecked(); }));
    EXPECT_EQ(Sent(9, "SET B 1"), 1);
    // And back off, through the panel's command.
    m_panel->OnCommand(35201);
    ASSERT_TRUE(WaitUntil([&] { return !options.Item(35201)->isChecked(); }));
    EXPECT_EQ(Sent(9, "SET B 0"), 1);
    // The 27th option, "[", goes to the server and back like the others.
    EXPECT_EQ(options.Item(35226)->data().toChar(), QLatin1Char('['));
    m_panel->OnCommand(35226);
    ASSERT_TRUE(WaitUntil([&] { return options.Item(35226)->isChecked(); }));
    EXPECT_EQ(Sent(9, "SET [ 1"), 1);
    EXPECT_EQ(OptionsMenuTexts().size(), 9);  // the lists after each change added nothing

    // A lost link leaves only "Settings"; the next session asks again once capability 9 comes.
    m_peer.DropClients();
    ASSERT_TRUE(WaitUntil([&] { return !m_panel->GetSession().HasSocket(); }));
    EXPECT_EQ(OptionsMenuTexts(), QStringList{"Settings"});
    EXPECT_EQ(options.Item(35200), nullptr);
    Connect();
    ASSERT_TRUE(WaitUntil([&] { return OptionsMenuTexts().size() == 9; }));
    EXPECT_EQ(Sent(9, "GET"), 2);
}

TEST_F(ServerControlsTest, PactorControlsShowThePeersStateAndGoWithTheStatusFrame) {
    CPactorMenu& pactor = *m_panel->PactorMenu();
    EXPECT_EQ(pactor.Menu(), nullptr);
    // The peer reports its controller when the Status subscription starts.
    ClickStatus();
    ASSERT_TRUE(WaitUntil([&] { return pactor.Menu() != nullptr; }));
    EXPECT_EQ(MenuBarTexts(), (QStringList{"&File", "&Window", "&Connect", "C&onfig", "&Options",
                                           "&Pactor", "&Help"}));
    QStringList items;
    for (QAction* item : pactor.Menu()->actions()) {
        items << item->text();
    }
    EXPECT_EQ(items, (QStringList{"Scan", "Send", "Receive"}));
    EXPECT_TRUE(Button(cmd::kPactorScan)->isVisible());
    EXPECT_TRUE(Button(cmd::kPactorScan)->isEnabled());
    EXPECT_FALSE(Button(cmd::kPactorScan)->isChecked());
    EXPECT_FALSE(Button(cmd::kPactorReceive)->isVisible());
    EXPECT_FALSE(Button(cmd::kPactorSend)->isVisible());

    // Alt+P opens the menu like any other.
    QTest::keyClick(m_panel.get(), Qt::Key_P, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([&] { return QApplication::activePopupWidget() == pactor.Menu(); }));
    QTest::keyClick(pactor.Menu(), Qt::Key_Escape);
    QTest::keyClick(m_panel->menuBar(), Qt::Key_Escape);

    // Scan pressed: the button shows pressed once the peer reports that it scans.
    Button(cmd::kPactorScan)->trigger();
    EXPECT_FALSE(Button(cmd::kPactorScan)->isChecked());
    ASSERT_TRUE(WaitUntil([&] { return Button(cmd::kPactorScan)->isChecked(); }));
    EXPECT_TRUE(pactor.Item(cmd::kPactorScan)->isChecked());
    EXPECT_EQ(Sent(10, "SCAN 3 1"), 1);

    // On a link, receiving: only Receive, checked; pressing it breaks in and the peer sends.
    m_peer.Server().ChangePactor(peer::PactorChange::LinkUp);
    ASSERT_TRUE(WaitUntil([&] { return Button(cmd::kPactorReceive)->isVisible(); }));
    EXPECT_TRUE(Button(cmd::kPactorReceive)->isChecked());
    EXPECT_FALSE(Button(cmd::kPactorScan)->isVisible());
    EXPECT_FALSE(pactor.Item(cmd::kPactorScan)->isEnabled());
    Button(cmd::kPactorReceive)->trigger();
    ASSERT_TRUE(WaitUntil([&] { return Button(cmd::kPactorSend)->isVisible(); }));
    EXPECT_EQ(Sent(10, "BRK 3"), 1);
    EXPECT_TRUE(Button(cmd::kPactorSend)->isChecked());
    EXPECT_FALSE(Button(cmd::kPactorReceive)->isVisible());
    pactor.Item(cmd::kPactorSend)->trigger();  // the menu item: change over
    ASSERT_TRUE(WaitUntil([&] { return Button(cmd::kPactorReceive)->isVisible(); }));
    EXPECT_EQ(Sent(10, "CHO 3"), 1);

    // Hiding the Status frame takes the controls away; the next report brings them back.
    ClickStatus();
    EXPECT_EQ(pactor.Menu(), nullptr);
    EXPECT_FALSE(MenuBarTexts().contains(QStringLiteral("&Pactor")));
    for (int command : {cmd::kPactorScan, cmd::kPactorReceive, cmd::kPactorSend}) {
        EXPECT_FALSE(Button(command)->isVisible()) << command;
    }
    ClickStatus();
    ASSERT_TRUE(WaitUntil([&] { return pactor.Menu() != nullptr; }));

    // A lost link takes them away too.
    m_peer.DropClients();
    ASSERT_TRUE(WaitUntil([&] { return !m_panel->GetSession().HasSocket(); }));
    EXPECT_EQ(pactor.Menu(), nullptr);
    EXPECT_EQ(MenuBarTexts(),
              (QStringList{"&File", "&Window", "&Connect", "C&onfig", "&Options", "&Help"}));
    EXPECT_FALSE(Button(cmd::kPactorReceive)->isVisible());
    // Nothing was sent that the operator did not ask for.
    EXPECT_EQ(m_peer.ReceivedBytes().count(QByteArray("\x00\x0a", 2)), 3);
}

}  // namespace
}  // namespace brxw
