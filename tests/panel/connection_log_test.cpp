// SPDX-License-Identifier: GPL-3.0-or-later
// Why the link went down, as the sysop sees it in the panel (offscreen, against the reference
// peer): the console line and the status bar message, the countdown taking over, and the
// Connection log window on the Connect menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "config/app_config.h"
#include "link/traffic_colour.h"
#include "panel/connection_log_dlg.h"
#include "panel/control_panel.h"
#include "resources/command_ids.h"
#include "support/panel_on_peer.h"
#include "support/running_peer.h"
#include "support/wait.h"
#include "textwin/console_dlg.h"
#include "textwin/text_wnd.h"

namespace brxw {
namespace {

using test::WaitUntil;

// The line before the write line of the console: the last complete one.
const TextLine& LastConsoleLine(CControlPanel& panel) {
    const TextRing& ring = panel.Console()->TextView()->Ring();
    return ring.Line(WrapSlot(ring.WriteLine() - 1));
}

TEST(ConnectionLogPanel, ALostLinkSaysWhyAndTheLogWindowListsTheSession) {
    QTemporaryDir dir;
    AppConfig config(dir.filePath(QStringLiteral("BrxW.ini")));
    test::RunningPeer peer;
    auto panel = test::OpenPanelForPeer(config, peer);

    // The item follows Disconnect on the Connect menu.
    QMenu* connectMenu = nullptr;
    for (QAction* title : panel->menuBar()->actions()) {
        if (title->text() == QStringLiteral("&Connect")) {
            connectMenu = title->menu();
        }
    }
    ASSERT_NE(connectMenu, nullptr);
    const QList<QAction*> items = connectMenu->actions();
    const auto disconnectAt = items.indexOf(panel->Action(cmd::kDisconnect));
    ASSERT_GE(disconnectAt, 0);
    ASSERT_LT(disconnectAt + 1, items.size());
    EXPECT_EQ(items[disconnectAt + 1], panel->Action(cmd::kConnectionLog));
    EXPECT_TRUE(panel->Action(cmd::kConnectionLog)->isEnabled());

    panel->OnCommand(cmd::kConnectRemote0);
    ASSERT_TRUE(WaitUntil([&] { return panel->GetSession().LoggedIn(); }));
    ASSERT_TRUE(WaitUntil([&] { return panel->Stations().Count() > 0; }));
    panel->OnCommand(cmd::kConsoleWindow);
    // A console line the server left unfinished: the notice still gets a line of its own.
    panel->Console()->AppendText("BBS>", 0);
    // The peer has read the console's options update: a close with bytes still unread would
    // reach us as a reset, not as the end of the stream.
    ASSERT_TRUE(WaitUntil([&] { return (peer.OptionsByte() & 32) != 0; }));

    peer.DropClients();
    ASSERT_TRUE(WaitUntil([&] { return panel->GetSession().CountdownRunning(); }));
    const QString reason = QStringLiteral("Link down: the server closed the connection");
    EXPECT_EQ(panel->statusBar()->currentMessage(), reason);
    EXPECT_EQ(panel->StatusText(), QStringLiteral("Not connected"));  // beneath, unchanged

    const TextLine& line = LastConsoleLine(*panel);
    const std::string cells(line.Cells());
    EXPECT_EQ(cells.rfind("*** ", 0), 0u) << cells;
    EXPECT_NE(cells.find(reason.toStdString()), std::string::npos) << cells;
    EXPECT_EQ(line.startColour, kLinkNoticeColour);

    // The countdown's first tick replaces the message with its own text, which keeps the
    // reason. The pane takes the room the text needs; its whole text is its tooltip and name.
    panel->resize(1200, panel->height());
    panel->GetSession().CountdownTick();
    EXPECT_TRUE(panel->statusBar()->currentMessage().isEmpty());
    const QString countdown =
        QStringLiteral("Will reconnect 127.0.0.1 in 59 s: the server closed the connection");
    EXPECT_EQ(panel->StatusText(), countdown);
    QLabel* pane = panel->StatusPane();
    EXPECT_EQ(pane->toolTip(), countdown);
    EXPECT_EQ(pane->accessibleName(), countdown);
    QCoreApplication::processEvents();
    EXPECT_GE(pane->contentsRect().width(), pane->fontMetrics().horizontalAdvance(countdown));
    // What looks like markup is shown as it is, not obeyed.
    panel->SetStatusText("Cannot connect <b>bbs</b> !");
    EXPECT_EQ(pane->textFormat(), Qt::PlainText);
    EXPECT_EQ(pane->toolTip(), QStringLiteral("<p>Cannot connect &lt;b&gt;bbs&lt;/b&gt; !</p>"));

    panel->OnCommand(cmd::kConnectionLog);
    CConnectionLogDlg* window = panel->ConnectionLogWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    ConnectionLogModel& model = window->Model();
    ASSERT_EQ(model.rowCount(), 2);
    const auto cell = [&](int row, int column) {
        return model.index(row, column).data().toString();
    };
    EXPECT_EQ(cell(0, ConnectionLogModel::kEventColumn), QStringLiteral("Logged in"));
    EXPECT_EQ(cell(1, ConnectionLogModel::kEventColumn), reason);
    EXPECT_EQ(cell(1, ConnectionLogModel::kProfileColumn),
              QString::fromStdString(AppConfig::DefaultProfile(0).name));
    EXPECT_LE(cell(0, ConnectionLogModel::kTimeColumn), cell(1, ConnectionLogModel::kTimeColumn));

    // Each cell's whole text is its tooltip.
    for (int column = 0; column < ConnectionLogModel::kColumnCount; ++column) {
        EXPECT_TRUE(
            model.index(1, column).data(Qt::ToolTipRole).toString().startsWith(cell(1, column)))
            << column;
    }

    // Disconnect stops the countdown; the log follows it while open.
    ASSERT_TRUE(panel->Action(cmd::kDisconnect)->isEnabled());
    panel->Action(cmd::kDisconnect)->trigger();
    EXPECT_FALSE(panel->GetSession().CountdownRunning());
    EXPECT_EQ(panel->StatusText(), QStringLiteral("Not connected"));
    EXPECT_FALSE(panel->Action(cmd::kDisconnect)->isEnabled());
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(cell(2, ConnectionLogModel::kEventColumn),
              QStringLiteral("Disconnected by the operator"));

    // The operator's next session and its end.
    panel->OnCommand(cmd::kConnectRemote0);
    ASSERT_TRUE(WaitUntil([&] { return panel->GetSession().LoggedIn(); }));
    panel->OnCommand(cmd::kDisconnect);
    ASSERT_EQ(model.rowCount(), 5);
    EXPECT_EQ(cell(4, ConnectionLogModel::kEventColumn),
              QStringLiteral("Disconnected by the operator"));
    EXPECT_TRUE(panel->statusBar()->currentMessage().isEmpty());  // for the log only

    QTest::keyClick(window->View(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    panel->OnCommand(cmd::kConnectionLog);
    EXPECT_TRUE(window->isVisible());
    window->close();
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace brxw
