// SPDX-License-Identifier: GPL-3.0-or-later
// The control panel's text windows, station list and counters, driven against the reference
// peer (offscreen): toggles and their subscriptions, the console line reaching the server, the
// disconnect commands, and the panel after a lost link.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QKeyEvent>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "admin/admin_dialogs.h"
#include "config/app_config.h"
#include "panel/control_panel.h"
#include "panel/counter_panel.h"
#include "panel/function_keys.h"
#include "panel/station_list_view.h"
#include "resources/command_ids.h"
#include "support/panel_on_peer.h"
#include "support/qt_printers.h"
#include "support/running_peer.h"
#include "support/wait.h"
#include "textwin/console_dlg.h"
#include "textwin/input_edit.h"
#include "textwin/text_wnd.h"
#include "textwin/traffic_dlg.h"

namespace brxw {
namespace {

using test::WaitUntil;

class PanelWindowsTest : public ::testing::Test {
protected:
    PanelWindowsTest() : m_config(m_dir.filePath(QStringLiteral("BrxW.ini"))) {}

    void SetUp() override {
        m_panel = test::OpenPanelForPeer(m_config, m_peer);
        m_panel->OnCommand(cmd::kConnectRemote0);
        ASSERT_TRUE(WaitUntil(
            [&] { return m_panel->GetSession().LoggedIn() && m_peer.LoggedInCount() == 1; }));
        // The peer's stations have arrived once channel 7 stands in the list.
        ASSERT_TRUE(WaitUntil([&] { return m_panel->Stations().RowOfChannel(7).has_value(); }));
    }

    // Options updates the peer received since login: the three bytes 0, 0, options.
    int OptionsUpdates() const { return m_peer.ReceivedBytes().count(QByteArray("\0\0", 2)); }

    QTemporaryDir m_dir;
    AppConfig m_config;
    test::RunningPeer m_peer;
    std::unique_ptr<CControlPanel> m_panel;
};

TEST_F(PanelWindowsTest, F5AnywhereTogglesMonitoringAndThePeerFollows) {
    FunctionKeyFilter keys(*m_panel);
    qApp->installEventFilter(&keys);
    QTest::keyClick(m_panel.get(), Qt::Key_F5);
    ASSERT_TRUE(WaitUntil([&] { return m_peer.OptionsByte() == (140 | 16); }));
    EXPECT_EQ(m_panel->GetSession().Options(), 140u | 16u);
    EXPECT_TRUE(m_panel->Monitoring()->isVisible());
    EXPECT_TRUE(m_panel->Action(cmd::kMonitoringWindow)->isChecked());
    std::string state;
    ASSERT_TRUE(m_config.ReadProfileText("State_m", state));
    EXPECT_EQ(state, "5");

    // Monitoring traffic from the peer lands in the window; closing and reopening keeps it.
    m_peer.Server().SendTraffic(16, 0, 4, "fm Q1ABC to Q2XYZ ctl I00\n");
    m_peer.Server().SendTraffic(16, 0, 5, "second line\n");
    ASSERT_TRUE(
        WaitUntil([&] { return m_panel->Monitoring()->TextView()->Ring().LineCount() > 1; }));
    const int lines = m_panel->Monitoring()->TextView()->Ring().LineCount();
    m_panel->Monitoring()->close();
    ASSERT_TRUE(WaitUntil([&] { return m_peer.OptionsByte() == 140; }));
    EXPECT_FALSE(m_panel->Monitoring()->isVisible());
    QTest::keyClick(m_panel->Monitoring(), Qt::Key_F5);
    EXPECT_TRUE(m_panel->Monitoring()->isVisible());
    EXPECT_GE(m_panel->Monitoring()->TextView()->Ring().LineCount(), lines);
    qApp->removeEventFilter(&keys);
}

// Every press of the four keys is a command, whatever modifier is held; Alt+F4 alone is left
// to the window system as the close key.
TEST_F(PanelWindowsTest, FunctionKeysWorkWithAnyModifierHeld) {
    FunctionKeyFilter keys(*m_panel);
    qApp->installEventFilter(&keys);
    const QByteArray forwardList("\0\4\4\0LIST", 8);
    // The forward list's answer opens its dialog; it is closed again at once.
    QObject::connect(&m_panel->AdminDialogs(), &admin::CAdminDialogs::dialogOpened, m_panel.get(),
                     [](QDialog* dialog) { QTimer::singleShot(0, dialog, &QDialog::reject); });
    QTest::keyClick(m_panel.get(), Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_TRUE(m_panel->Monitoring()->isVisible());
    QTest::keyClick(m_panel->Monitoring(), Qt::Key_F5, Qt::ControlModifier);
    EXPECT_FALSE(m_panel->Monitoring()->isVisible());
    QTest::keyClick(m_panel.get(), Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(m_panel->AllChannels()->isVisible());
    QTest::keyClick(m_panel.get(), Qt::Key_F6, Qt::AltModifier);
    EXPECT_FALSE(m_panel->AllChannels()->isVisible());
    QTest::keyClick(m_panel.get(), Qt::Key_F2, Qt::MetaModifier);
    EXPECT_NE(m_panel->GetSession().Options() & 32u, 0u);
    QTest::keyClick(m_panel.get(), Qt::Key_F4, Qt::AltModifier);
    QTest::keyClick(m_panel.get(), Qt::Key_F4, Qt::ControlModifier);
    qApp->removeEventFilter(&keys);
    ASSERT_TRUE(WaitUntil([&] { return m_peer.ReceivedBytes().contains(forwardList); }));
    EXPECT_EQ(m_peer.ReceivedBytes().count(forwardList), 1);
}

// The Window menu shows check marks (not the toolbar's images), and a window that is on has its
// button filled with the highlight colour, not just a faint frame.
TEST_F(PanelWindowsTest, OnWindowsShowCheckMarksAndAFilledButton) {
    QAction* monitoring = m_panel->Action(cmd::kMonitoringWindow);
    auto* button = qobject_cast<QToolButton*>(m_panel->ToolBar()->widgetForAction(monitoring));
    ASSERT_NE(button, nullptr);
    const QColor highlight = button->palette().color(QPalette::Highlight);
    auto highlighted = [&] {
        const QImage image = button->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += std::abs(c.red() - highlight.red()) +
                             std::abs(c.green() - highlight.green()) +
                             std::abs(c.blue() - highlight.blue()) <
                         40;
            }
        }
        return count * 100 / (image.width() * image.height());
    };
    EXPECT_LT(highlighted(), 5);
    m_panel->OnCommand(cmd::kMonitoringWindow);
    EXPECT_GT(highlighted(), 40);
    for (int command : {cmd::kConsoleWindow, cmd::kMonitoringWindow, cmd::kAllChannelsWindow}) {
        QAction* item = m_panel->Action(command);
        EXPECT_TRUE(item->isCheckable()) << command;
        EXPECT_FALSE(item->isIconVisibleInMenu()) << command;
    }
    EXPECT_TRUE(monitoring->isChecked());
}

// The panel's switches each set their own options bit and remember their own key.
TEST_F(PanelWindowsTest, SwitchesSetTheirOwnBitsAndStoreTheirOwnKeys) {
    auto stored = [&](const char* key) {
        std::string value;
        m_config.ReadProfileText(key, value);
        return value;
    };
    m_panel->StatusPanel()->CheckBox()->click();
    ASSERT_TRUE(WaitUntil([&] { return m_peer.OptionsByte() == (140 | 2); }));
    m_panel->MessagesPanel()->CheckBox()->click();
    ASSERT_TRUE(WaitUntil([&] { return m_peer.OptionsByte() == (140 | 2 | 1); }));
    m_panel->StatusPanel()->CheckBox()->click();
    ASSERT_TRUE(WaitUntil([&] { return m_peer.OptionsByte() == (140 | 1); }));
    EXPECT_EQ(stored("Status"), "0");
    EXPECT_EQ(stored("Message"), "1");

    m_panel->OnCommand(cmd::kConsoleWindow);
    ASSERT_TRUE(WaitUntil([&] { return m_peer.OptionsByte() == (140 | 1 | 32); }));
    m_panel->OnCommand(cmd::kConsoleWindow);
    ASSERT_TRUE(WaitUntil([&] { return m_peer.OptionsByte() == (140 | 1); }));

    m_panel->OnCommand(cmd::kAllChannelsWindow);
    EXPECT_EQ(stored("State_0"), "5");
    ASSERT_TRUE(WaitUntil([&] { return m_peer.OptionsByte() == (140 | 1 | 64); }));
    m_panel->AllChannels()->close();  // the close request reaches the panel as an event
    ASSERT_TRUE(WaitUntil([&] { return m_peer.OptionsByte() == (140 | 1); }));
    EXPECT_FALSE(m_panel->AllChannels()->isVisible());
    EXPECT_EQ(stored("State_0"), "0");

    // With nothing selected the one-channel button still closes a window that is open.
    m_panel->Stations().Select(std::nullopt);
    m_panel->StationView()->Update();
    m_panel->UpdateCommandStates();
    QAction* oneChannel = m_panel->Action(cmd::kOneChannelWindow);
    EXPECT_FALSE(oneChannel->isEnabled());
    m_panel->OnCommand(cmd::kOneChannelWindow);
    EXPECT_TRUE(m_panel->OneChannel()->isVisible());
    EXPECT_TRUE(oneChannel->isEnabled());
    oneChannel->trigger();
    EXPECT_FALSE(m_panel->OneChannel()->isVisible());
    EXPECT_FALSE(oneChannel->isEnabled());
}

TEST_F(PanelWindowsTest, WindowsOpenInTheCurrentCharsetAndFollowAChange) {
    m_panel->Settings().SetAnsiChar(1);
    m_panel->ApplyAnsiChar(true);
    m_panel->OnCommand(cmd::kMonitoringWindow);
    m_panel->OnCommand(cmd::kConsoleWindow);
    EXPECT_TRUE(m_panel->Monitoring()->TextView()->Ring().AnsiMode());
    EXPECT_TRUE(m_panel->Console()->AnsiMode());
    m_panel->ApplyAnsiChar(false);
    EXPECT_FALSE(m_panel->Monitoring()->TextView()->Ring().AnsiMode());
    EXPECT_FALSE(m_panel->Console()->AnsiMode());
}

TEST_F(PanelWindowsTest, AConsoleLineReachesTheServerAndIsEchoedInPurple) {
    m_panel->OnCommand(cmd::kConsoleWindow);
    ASSERT_TRUE(WaitUntil([&] { return m_peer.OptionsByte() == (140 | 32); }));
    CConsoleDlg* console = m_panel->Console();
    ASSERT_TRUE(console->isVisible());
    QTest::keyClicks(console->InputLine(), QStringLiteral("abc"));
    QTest::keyClick(console->InputLine(), Qt::Key_Return);
    ASSERT_TRUE(WaitUntil([&] { return m_peer.ReceivedBytes().endsWith("abc\n"); }));
    // The peer echoes console lines as console traffic, in navy, after our purple echo.
    EXPECT_TRUE(WaitUntil([&] { return console->TextView()->Ring().LineCount() >= 2; }));
}

TEST_F(PanelWindowsTest, ChannelBitFollowsTheTwoChannelWindows) {
    m_panel->OnCommand(cmd::kOneChannelWindow);  // no station selected: opens on no channel
    ASSERT_TRUE(WaitUntil([&] { return m_peer.OptionsByte() == (140 | 64); }));
    const int updates = OptionsUpdates();
    m_panel->OnCommand(cmd::kAllChannelsWindow);
    EXPECT_TRUE(m_panel->AllChannels()->isVisible());
    m_panel->OnCommand(cmd::kAllChannelsWindow);
    EXPECT_FALSE(m_panel->AllChannels()->isVisible());
    // Bit 64 never changed while the one-channel window stayed visible: nothing was sent.
    m_panel->GetSession().SendFrame(4, "");  // a marker the peer receives after any update
    ASSERT_TRUE(
        WaitUntil([&] { return m_peer.ReceivedBytes().endsWith(QByteArray("\0\4\0\0", 4)); }));
    EXPECT_EQ(OptionsUpdates(), updates + 1);  // the marker's own zero pair only

    // Closing the one-channel window by its close box clears the bit.
    m_panel->OneChannel()->close();
    ASSERT_TRUE(WaitUntil([&] { return m_peer.OptionsByte() == 140; }));
    std::string state;
    ASSERT_TRUE(m_config.ReadProfileText("State_o", state));
    EXPECT_EQ(state, "0");
}

TEST_F(PanelWindowsTest, ImmediateDisconnectAsksThenSendsTheRequest) {
    m_panel->Stations().Select(m_panel->Stations().RowOfChannel(7));
    m_panel->StationView()->Update();
    m_panel->UpdateCommandStates();
    ASSERT_TRUE(m_panel->Action(cmd::kImmediateDisconnect)->isEnabled());

    QString asked;
    m_panel->confirmDisconnect = [&](const QString& text) {
        asked = text;
        return false;
    };
    m_panel->Action(cmd::kImmediateDisconnect)->trigger();
    EXPECT_EQ(asked, QStringLiteral("Disconnect Q3DEF ?"));
    EXPECT_FALSE(m_peer.ReceivedBytes().contains("07 Q3DEF"));

    m_panel->confirmDisconnect = [](const QString&) { return true; };
    m_panel->Action(cmd::kImmediateDisconnect)->trigger();
    ASSERT_TRUE(WaitUntil([&] {
        return m_peer.ReceivedBytes().contains(
            QByteArray("\0\5\x0A\0"
                       "07 Q3DEF 1",
                       14));
    }));
    // The peer drops the station and its removal line empties the selection.
    ASSERT_TRUE(WaitUntil([&] { return !m_panel->Stations().RowOfChannel(7).has_value(); }));
    EXPECT_FALSE(m_panel->Stations().Selected().has_value());
    EXPECT_FALSE(m_panel->Action(cmd::kImmediateDisconnect)->isEnabled());
}

TEST_F(PanelWindowsTest, StationCommandsFollowTheOperatorsSelection) {
    QListView* list = m_panel->StationView()->ListView();
    const QModelIndex first = list->model()->index(0, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(first).center());
    ASSERT_TRUE(m_panel->Stations().Selected().has_value());
    EXPECT_TRUE(m_panel->Action(cmd::kDisconnectChannel)->isEnabled());
    EXPECT_TRUE(m_panel->Action(cmd::kOneChannelWindow)->isEnabled());

    // A press below the last row clears the selection and the commands that need one.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(5, list->viewport()->height() - 2));
    EXPECT_FALSE(m_panel->Stations().Selected().has_value());
    EXPECT_FALSE(m_panel->Action(cmd::kDisconnectChannel)->isEnabled());
    EXPECT_FALSE(m_panel->Action(cmd::kOneChannelWindow)->isEnabled());
}

TEST_F(PanelWindowsTest, ALostLinkHidesEverythingTheSessionShowed) {
    m_panel->OnCommand(cmd::kMonitoringWindow);
    m_panel->OnCommand(cmd::kAllChannelsWindow);
    m_panel->MessagesPanel()->CheckBox()->click();
    ASSERT_TRUE(WaitUntil([&] { return m_panel->MessagesPanel()->FrameShown(); }));
    ASSERT_TRUE(m_panel->Action(cmd::kPendingForward)->isVisible());

    m_peer.DropClients();
    ASSERT_TRUE(WaitUntil([&] { return !m_panel->GetSession().HasSocket(); }));
    EXPECT_FALSE(m_panel->Monitoring()->isVisible());
    EXPECT_FALSE(m_panel->AllChannels()->isVisible());
    EXPECT_FALSE(m_panel->Action(cmd::kMonitoringWindow)->isChecked());
    EXPECT_FALSE(m_panel->Action(cmd::kPendingForward)->isVisible());
    EXPECT_FALSE(m_panel->Action(cmd::kImmediateDisconnect)->isVisible());
    EXPECT_FALSE(m_panel->MessagesPanel()->FrameShown());
    EXPECT_FALSE(m_panel->MessagesPanel()->IsChecked());
    EXPECT_EQ(m_panel->Stations().Count(), 0u);
    EXPECT_EQ(m_panel->StatusText(), QStringLiteral("Not connected"));
    // The Messages choice stays stored for the next login.
    std::string stored;
    ASSERT_TRUE(m_config.ReadProfileText("Message", stored));
    EXPECT_EQ(stored, "1");
}

TEST_F(PanelWindowsTest, StationCountFollowsTheListAndTheServersCount) {
    EXPECT_TRUE(WaitUntil([&] {
        return m_panel->StatusText() ==
               QStringLiteral("%1 Connected station(s)").arg(m_panel->Stations().Count());
    }));
}

// Windows the operator moved and sized come back where they were when the link is lost and the
// next login reopens them.
TEST_F(PanelWindowsTest, AReconnectBringsTheWindowsBackWhereTheyWere) {
    m_panel->OnCommand(cmd::kMonitoringWindow);
    m_panel->OnCommand(cmd::kAllChannelsWindow);
    CTrafficDlg* monitoring = m_panel->Monitoring();
    CTrafficDlg* allChannels = m_panel->AllChannels();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(monitoring));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(allChannels));
    monitoring->move(140, 90);
    allChannels->move(200, 150);
    allChannels->resize(450, 300);
    QCoreApplication::processEvents();
    const QRect monitoringWas = monitoring->frameGeometry();
    const QRect allChannelsWas = allChannels->frameGeometry();

    m_peer.DropClients();
    ASSERT_TRUE(WaitUntil([&] { return !m_panel->GetSession().HasSocket(); }));
    ASSERT_FALSE(monitoring->isVisible());
    m_panel->OnCommand(cmd::kConnectRemote0);
    ASSERT_TRUE(WaitUntil([&] {
        return m_panel->GetSession().LoggedIn() && monitoring->isVisible() &&
               allChannels->isVisible();
    }));
    QCoreApplication::processEvents();
    EXPECT_EQ(monitoring->frameGeometry(), monitoringWas);
    EXPECT_EQ(allChannels->frameGeometry(), allChannelsWas);
}

}  // namespace
}  // namespace brxw
