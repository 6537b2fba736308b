// SPDX-License-Identifier: GPL-3.0-or-later
// Logging to file in the program: the Logging tab of the Preferences and each window's
// "Log to file" item switch the same log, against the reference peer (offscreen).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <QTest>
#include <QTimer>
#include <utility>
#include <vector>

#include "config/app_config.h"
#include "link/frame.h"
#include "panel/control_panel.h"
#include "panel/preferences_dlg.h"
#include "resources/command_ids.h"
#include "settings/logging_page.h"
#include "support/panel_on_peer.h"
#include "support/running_peer.h"
#include "support/test_files.h"
#include "support/wait.h"
#include "textwin/console_dlg.h"
#include "textwin/input_edit.h"
#include "textwin/text_wnd.h"
#include "textwin/traffic_dlg.h"
#include "textwin/window_log.h"

namespace brxw {
namespace {

using test::WaitUntil;

QAction* LogItem(CTextWnd& view, std::unique_ptr<QMenu>& menu) {
    menu = view.CreateContextMenu();
    for (QAction* action : menu->actions()) {
        if (action->text() == QStringLiteral("Log to file")) {
            return action;
        }
    }
    return nullptr;
}

std::string Stored(const AppConfig& config, std::string_view key) {
    std::string value = "<absent>";
    config.ReadSetting(kSettingsSection, key, value);
    return value;
}

TEST(Logging, PreferencesAndContextMenuSwitchTheSameLogAndAFailureShowsInTheStatusBar) {
    QTemporaryDir dir;
    AppConfig config(dir.filePath(QStringLiteral("BrxW.ini")));
    test::RunningPeer peer;
    std::unique_ptr<CControlPanel> panel = test::OpenPanelForPeer(config, peer);
    panel->OnCommand(cmd::kConnectRemote0);
    ASSERT_TRUE(WaitUntil([&] { return panel->GetSession().LoggedIn(); }));
    panel->OnCommand(cmd::kConsoleWindow);
    CConsoleDlg* console = panel->Console();
    ASSERT_TRUE(WaitUntil([&] { return console->isVisible(); }));

    // The Preferences dialog carries the Logging tab.
    QStringList tabs;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<CPreferencesDlg*>(QApplication::activeModalWidget())) {
            for (int i = 0; i < dialog->Tabs()->count(); ++i) {
                tabs.append(dialog->Tabs()->tabText(i));
            }
            dialog->reject();
        }
    });
    panel->OnCommand(cmd::kPreferences);
    EXPECT_TRUE(tabs.contains(QStringLiteral("Logging"))) << tabs.join(',').toStdString();

    // The default folder the page offers, as the XDG rules have it: an absolute XDG_STATE_HOME,
    // else (unset, empty or relative) ~/.local/state.
    {
        const QByteArray savedState = qgetenv("XDG_STATE_HOME");
        const QByteArray savedHome = qgetenv("HOME");
        qputenv("HOME", "/home/sysop");
        const QString fallback = QStringLiteral("/home/sysop/.local/state/brxw");
        const std::vector<std::pair<const char*, QString>> cases = {
            {"/srv/state", QStringLiteral("/srv/state/brxw")},
            {"state", fallback},
            {"", fallback},
            {nullptr, fallback}};
        for (const auto& [state, expected] : cases) {
            if (state == nullptr) {
                qunsetenv("XDG_STATE_HOME");
            } else {
                qputenv("XDG_STATE_HOME", state);
            }
            CLoggingPage page(panel->Logs());
            EXPECT_EQ(page.FolderEdit()->placeholderText().toStdString(), expected.toStdString())
                << (state ? state : "unset");
        }
        qputenv("HOME", savedHome);
        if (savedState.isNull()) {
            qunsetenv("XDG_STATE_HOME");
        } else {
            qputenv("XDG_STATE_HOME", savedState);
        }
    }

    const QString logs = dir.filePath(QStringLiteral("logs"));
    ASSERT_TRUE(QDir().mkpath(logs));
    const QByteArray iniBefore = test::ReadFile(config.Store().Path());
    {
        CLoggingPage page(panel->Logs());
        EXPECT_FALSE(page.WindowBox(LogWindow::kConsole)->isChecked());
        EXPECT_TRUE(page.FolderEdit()->text().isEmpty());
        EXPECT_TRUE(page.WindowCharsetButton()->isChecked());
        EXPECT_TRUE(page.Validate());  // nothing logs and the folder is unchanged

        // A folder that is not there is refused, and nothing is written.
        page.WindowBox(LogWindow::kConsole)->setChecked(true);
        page.FolderEdit()->setText(dir.filePath(QStringLiteral("missing")));
        QString told;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                told = box->windowTitle() + QStringLiteral("|") + box->text();
                box->accept();
            }
        });
        EXPECT_FALSE(page.Validate());
        EXPECT_TRUE(told.startsWith(QStringLiteral("Preferences|The folder ")) &&
                    told.endsWith(QStringLiteral(" does not exist.")))
            << told.toStdString();
        EXPECT_EQ(test::ReadFile(config.Store().Path()), iniBefore);

        page.FolderEdit()->setText(logs);
        ASSERT_TRUE(page.Validate());
        page.Apply();
    }
    EXPECT_EQ(Stored(config, "Log_Console"), "1");
    EXPECT_EQ(Stored(config, "LogFolder"), logs.toStdString());
    EXPECT_EQ(Stored(config, "LogUtf8"), "<absent>");  // unchanged, so not written

    // A typed line: our echo and the peer's both reach the console's file; then half a line.
    QTest::keyClicks(console->InputLine(), QStringLiteral("hello"));
    QTest::keyClick(console->InputLine(), Qt::Key_Return);
    ASSERT_TRUE(WaitUntil([&] { return console->TextView()->Ring().LineCount() >= 3; }));
    panel->ConsoleText("half a line", 0);

    // Its context menu shows the switch on; turning it off there ends the log with the half line.
    std::unique_ptr<QMenu> menu;
    QAction* consoleItem = LogItem(*console->TextView(), menu);
    ASSERT_NE(consoleItem, nullptr);
    EXPECT_TRUE(consoleItem->isCheckable() && consoleItem->isChecked());
    consoleItem->trigger();
    EXPECT_FALSE(panel->Logs().Enabled(LogWindow::kConsole));
    EXPECT_EQ(Stored(config, "Log_Console"), "0");
    EXPECT_FALSE(LogItem(*console->TextView(), menu)->isChecked());

    // The monitoring window's file today is a full disk: switched on from its menu, its first
    // line stops the log, the status bar says why, the window goes on.
    const QString monitoringFile = QDir(logs).filePath(
        LogFileName(QStringLiteral("Remote_0"), LogWindow::kMonitoring, QDate::currentDate()));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), monitoringFile));
    QStringList messages;  // a later state text may replace the message before we look
    QObject::connect(panel->statusBar(), &QStatusBar::messageChanged,
                     [&messages](const QString& text) { messages.append(text); });
    panel->OnCommand(cmd::kMonitoringWindow);
    CTextWnd* monitoring = panel->Monitoring()->TextView();
    LogItem(*monitoring, menu)->trigger();
    EXPECT_EQ(Stored(config, "Log_Monitoring"), "1");
    // The peer sends monitoring traffic only to a client it has seen ask for it: sent before
    // the window's options update arrived, the line would be dropped and never logged.
    ASSERT_TRUE(WaitUntil([&] { return (peer.OptionsByte() & category::kMonitoring) != 0; }));
    peer.Server().SendTraffic(category::kMonitoring, 0, 4, "fm Q1ABC to Q2XYZ ctl I00\n");
    ASSERT_TRUE(WaitUntil([&] { return !panel->Logs().Enabled(LogWindow::kMonitoring); }));
    EXPECT_EQ(
        messages.filter(QStringLiteral("Logging")),
        QStringList{QStringLiteral("Logging stopped: ") + QFileInfo(monitoringFile).fileName() +
                    QStringLiteral(": No space left on device")});
    EXPECT_FALSE(LogItem(*monitoring, menu)->isChecked());
    EXPECT_EQ(monitoring->Ring().LineCount(), 2);

    menu.reset();  // the window's child
    panel.reset();
    const QString consoleFile = QDir(logs).filePath(
        LogFileName(QStringLiteral("Remote_0"), LogWindow::kConsole, QDate::currentDate()));
    const QList<QByteArray> lines = test::ReadFile(consoleFile).split('\n');
    ASSERT_EQ(lines.size(), 4) << test::ReadFile(consoleFile).toStdString();
    const QRegularExpression stamp(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d "));
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(stamp.match(QString::fromLatin1(lines[i])).hasMatch()) << lines[i].data();
    }
    EXPECT_EQ(lines[0].mid(9), "hello");
    EXPECT_EQ(lines[1].mid(9), "hello");
    EXPECT_EQ(lines[2].mid(9), "half a line");
    EXPECT_EQ(lines[3], "");
}

}  // namespace
}  // namespace brxw
