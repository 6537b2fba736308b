// SPDX-License-Identifier: GPL-3.0-or-later
// The control panel driving a real session against the reference peer (offscreen).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <functional>
#include <vector>

#include "admin/admin_dialogs.h"
#include "config/app_config.h"
#include "editor/main_frame.h"
#include "panel/control_panel.h"
#include "panel/function_keys.h"
#include "resources/command_ids.h"
#include "settings/settings_dlg.h"
#include "settings/setup_dlg.h"
#include "support/qt_printers.h"
#include "support/running_peer.h"
#include "support/wait.h"

namespace brxw {
namespace {

using test::WaitUntil;

class ControlPanelTest : public ::testing::Test {
protected:
    ControlPanelTest() : m_config(m_dir.filePath(QStringLiteral("BrxW.ini"))) {}

    void SetUp() override {
        ASSERT_TRUE(m_peer.Start());
        RemoteConfig profile = AppConfig::DefaultProfile(1);
        profile.name = "Club";
        profile.hostName = "127.0.0.1";
        profile.port = m_peer.Port();
        m_config.SaveProfile(1, profile);
    }

    std::unique_ptr<CControlPanel> MakePanel() {
        auto panel = std::make_unique<CControlPanel>(m_config, Session::Timing{10, 3600 * 1000});
        panel->show();
        panel->Initialise("");
        return panel;
    }

    QStringList MenuTexts(CControlPanel& panel) {
        QStringList texts;
        for (QAction* menu : panel.menuBar()->actions()) {
            texts << menu->text();
            for (QAction* item : menu->menu()->actions()) {
                texts << QStringLiteral("  ") + item->text();
            }
        }
        return texts;
    }

    QTemporaryDir m_dir;
    AppConfig m_config;
    test::RunningPeer m_peer;
};

TEST_F(ControlPanelTest, StartsIdleWithTheProfilesInTheConnectMenu) {
    auto panel = MakePanel();
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("brxW"));
    const QStringList expected = {"&File",
                                  "  &Exit\tAlt+F4",
                                  "&Window",
                                  "  &Console\tF2",
                                  "  &Monitoring\tF5",
                                  "  &All channels\tF6",
                                  "&Connect",
                                  "  Remote 0",
                                  "  Club",
                                  "  Remote 2",
                                  "  Remote 3",
                                  "  ",
                                  "  &Disconnect",
                                  "  Connection &log",
                                  "C&onfig",
                                  "  Remote 0",
                                  "  Club",
                                  "  Remote 2",
                                  "  Remote 3",
                                  "  ",
                                  "  &Preferences...",
                                  "&Options",
                                  "  Settings",
                                  "&Help",
                                  "  &Copyright",
                                  "  ",
                                  "  &About",
                                  "  ",
                                  "  &User guide"};
    EXPECT_EQ(MenuTexts(*panel), expected);
    EXPECT_FALSE(panel->Action(cmd::kDisconnect)->isEnabled());
    EXPECT_EQ(panel->StatusText(), QStringLiteral("Not connected"));
    EXPECT_TRUE(panel->RunningText().isEmpty());
}

TEST_F(ControlPanelTest, ConnectLogsInAndALostLinkReturnsToNotConnected) {
    auto panel = MakePanel();
    panel->Action(cmd::kConnectRemote0 + 1)->trigger();
    // The client counts itself logged in once its reply is out; the peer, once it has read it.
    ASSERT_TRUE(
        WaitUntil([&] { return panel->GetSession().LoggedIn() && m_peer.LoggedInCount() == 1; }));
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("brxW - Club"));
    // "Initializing ..." until the first station count replaces it.
    EXPECT_TRUE(panel->StatusText() == QStringLiteral("Initializing ...") ||
                panel->StatusText().endsWith(QStringLiteral(" Connected station(s)")))
        << panel->StatusText().toStdString();
    EXPECT_EQ(panel->RunningText(), QStringLiteral("Running") + QString(32, QLatin1Char(' ')));
    EXPECT_TRUE(panel->Action(cmd::kDisconnect)->isEnabled());
    EXPECT_TRUE(panel->Action(cmd::kConnectRemote0 + 1)->isChecked());

    m_peer.DropClients();
    ASSERT_TRUE(WaitUntil([&] { return !panel->GetSession().HasSocket(); }));
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("brxW - not connected"));
    EXPECT_EQ(panel->StatusText(), QStringLiteral("Not connected"));
    EXPECT_TRUE(panel->RunningText().isEmpty());
    EXPECT_FALSE(panel->Action(cmd::kDisconnect)->isEnabled());
    EXPECT_FALSE(panel->Action(cmd::kConnectRemote0 + 1)->isChecked());
    EXPECT_TRUE(panel->GetSession().CountdownRunning());
}

TEST_F(ControlPanelTest, DisconnectStaysIdle) {
    auto panel = MakePanel();
    panel->OnCommand(cmd::kConnectRemote0 + 1);
    ASSERT_TRUE(WaitUntil([&] { return panel->GetSession().LoggedIn(); }));
    panel->Action(cmd::kDisconnect)->trigger();
    EXPECT_FALSE(panel->GetSession().HasSocket());
    EXPECT_FALSE(panel->GetSession().CountdownRunning());
    EXPECT_EQ(panel->StatusText(), QStringLiteral("Not connected"));
    EXPECT_TRUE(WaitUntil([&] { return m_peer.ConnectionCount() == 0; }));
}

TEST_F(ControlPanelTest, PositionIsSavedAndANegativeLeftEdgeLeavesTheWindowWhereItIs) {
    {
        auto panel = MakePanel();
        panel->move(40, 30);
    }
    std::string stored;
    ASSERT_TRUE(m_config.ReadSetting("Settings", "Position", stored));
    EXPECT_EQ(stored.size(), 9u);  // "%04d %04d"

    m_config.WriteSetting("Settings", "Position", "-032 0100");
    auto panel = std::make_unique<CControlPanel>(m_config, Session::Timing{10, 3600 * 1000});
    panel->move(123, 45);
    panel->Initialise("");
    EXPECT_EQ(panel->pos(), QPoint(123, 45));
}

TEST_F(ControlPanelTest, MenuPromptCoversPaneZeroOnlyWhileTheMenuIsOpen) {
    auto panel = MakePanel();
    QMenu* file = panel->menuBar()->actions().front()->menu();
    file->popup(panel->mapToGlobal(QPoint(0, 0)));
    file->setActiveAction(panel->Action(cmd::kExit));
    EXPECT_EQ(panel->PromptText(), QStringLiteral(" Terminate brxW"));
    EXPECT_EQ(panel->StatusText(), QStringLiteral("Not connected"));
    file->hide();
    EXPECT_TRUE(panel->PromptText().isEmpty());
    EXPECT_EQ(panel->StatusText(), QStringLiteral("Not connected"));
}

TEST_F(ControlPanelTest, ToolbarButtonsInOrderWithTooltipsAndCapabilityRules) {
    auto panel = MakePanel();
    QStringList tips;
    for (QAction* action : panel->ToolBar()->actions()) {
        tips << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
    }
    const QStringList expected = {"Console connection",
                                  "Ports monitoring",
                                  "All channels monitoring",
                                  "Channel monitoring",
                                  "|",
                                  "Disconnect",
                                  "Immediate disconnect",
                                  "|",
                                  "Message properties",
                                  "User properties",
                                  "Pending forward",
                                  "Open file",
                                  "|",
                                  "Pactor scan",
                                  "Pactor receive",
                                  "Pactor send"};
    EXPECT_EQ(tips, expected);
    for (int command : {cmd::kPendingForward, cmd::kEditUserProperties, cmd::kEditMessageProperties,
                        cmd::kDisconnectChannel}) {
        EXPECT_FALSE(panel->Action(command)->isVisible()) << command;
    }
    // What the sysop sees: a separator only between two groups that both show a button.
    const auto shown = [&] {
        QStringList texts;
        for (QAction* action : panel->ToolBar()->actions()) {
            if (action->isVisible()) {
                texts << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
            }
        }
        return texts;
    };
    const QStringList windowsOnly = {"Console connection", "Ports monitoring",
                                     "All channels monitoring", "Channel monitoring"};
    EXPECT_EQ(shown(), windowsOnly);

    panel->OnCommand(cmd::kConnectRemote0 + 1);
    ASSERT_TRUE(WaitUntil([&] { return panel->Action(cmd::kPendingForward)->isVisible(); }));
    EXPECT_TRUE(panel->Action(cmd::kEditUserProperties)->isVisible());
    EXPECT_TRUE(panel->Action(cmd::kImmediateDisconnect)->isVisible());

    EXPECT_TRUE(panel->Action(cmd::kOpenConfigFile)->isVisible());  // capability code 1
    EXPECT_EQ(shown().mid(4, 8),
              (QStringList{"|", "Disconnect", "Immediate disconnect", "|", "Message properties",
                           "User properties", "Pending forward", "Open file"}));

    // The administration buttons send their list requests; the dialog the answer opens is
    // closed again at once.
    QObject::connect(&panel->AdminDialogs(), &admin::CAdminDialogs::dialogOpened, panel.get(),
                     [](QDialog* dialog) { QTimer::singleShot(0, dialog, &QDialog::reject); });
    panel->Action(cmd::kEditUserProperties)->trigger();
    EXPECT_TRUE(WaitUntil(
        [&] { return m_peer.ReceivedBytes().contains(QByteArray("\x00\x06\x04\x00LIST", 8)); }));

    m_peer.DropClients();
    ASSERT_TRUE(WaitUntil([&] { return !panel->GetSession().HasSocket(); }));
    EXPECT_FALSE(panel->Action(cmd::kPendingForward)->isVisible());
    EXPECT_FALSE(panel->Action(cmd::kImmediateDisconnect)->isVisible());
    EXPECT_EQ(shown(), windowsOnly);
}

// Answers the dialogs that come up, in turn: each answer gets the modal dialog, or the box shown
// over the panel, and returns true once it has closed it.
void AnswerInTurn(std::vector<std::function<bool(QWidget*)>> answers) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, answers, next = std::size_t{0}]() mutable {
        QWidget* shown = QApplication::activeModalWidget();
        if (shown == nullptr) {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (qobject_cast<QMessageBox*>(top) != nullptr && top->isVisible()) {
                    shown = top;
                }
            }
        }
        if (shown != nullptr && next < answers.size() && answers[next](shown)) {
            ++next;
        }
        if (next == answers.size()) {
            poll->deleteLater();
        }
    });
    poll->start();
}

TEST_F(ControlPanelTest, ABrxWIniThatCannotBeWrittenOrReadSaysSoWithTheReason) {
    // The file's folder is gone: the settings written back at start fail, and a box says where
    // and why.
    const QString path = m_dir.filePath(QStringLiteral("gone/BrxW.ini"));
    const QString cannot = "Cannot write " + path + ": No such file or directory.";
    AppConfig config(path);
    auto panel = std::make_unique<CControlPanel>(config, Session::Timing{10, 3600 * 1000});
    panel->show();
    panel->Initialise("");
    const auto box = [&] { return panel->findChild<QMessageBox*>(); };
    ASSERT_TRUE(WaitUntil([&] { return box() != nullptr && box()->isVisible(); }));
    EXPECT_EQ(box()->text(), cannot);
    box()->accept();
    ASSERT_TRUE(WaitUntil([&] { return box() == nullptr; }));

    // Settings: OK with a change says so again (once told, in the status bar).
    panel->statusBar()->clearMessage();
    AnswerInTurn({[](QWidget* shown) {
        auto* dialog = qobject_cast<CSettingsDlg*>(shown);
        if (dialog != nullptr) {
            dialog->BreakLineBox()->toggle();
            dialog->OkButton()->click();
        }
        return dialog != nullptr;
    }});
    panel->OnCommand(cmd::kSettings);
    EXPECT_EQ(panel->statusBar()->currentMessage(), cannot);

    // Setup: its own message names the file and the reason.
    QString told;
    AnswerInTurn({[](QWidget* shown) {
                      auto* dialog = qobject_cast<CSetupDlg*>(shown);
                      if (dialog != nullptr) {
                          dialog->accept();
                      }
                      return dialog != nullptr;
                  },
                  [&told](QWidget* shown) {
                      auto* message = qobject_cast<QMessageBox*>(shown);
                      if (message != nullptr) {
                          told = message->windowTitle() + "|" + message->text();
                          message->accept();
                      }
                      return message != nullptr;
                  }});
    panel->OnCommand(cmd::kConfigRemote0 + 2);
    EXPECT_EQ(told, "Setup|The configuration could not be written. " + cannot);
    panel.reset();

    // A file that cannot be read: every profile would silently be the default one.
    const QString folder = m_dir.filePath(QStringLiteral("folder.ini"));
    ASSERT_TRUE(QDir().mkpath(folder));
    AppConfig unreadable(folder);
    panel = std::make_unique<CControlPanel>(unreadable, Session::Timing{10, 3600 * 1000});
    panel->show();
    panel->Initialise("");
    ASSERT_TRUE(WaitUntil([&] { return box() != nullptr && box()->isVisible(); }));
    EXPECT_TRUE(box()->text().startsWith("Cannot read " + folder + ": Is a directory."))
        << box()->text().toStdString();
    panel.reset();  // before the configuration it uses
}

// Stands in for the desktop's browser: records the pages it is asked to open.
class DesktopBrowser : public QObject {
    Q_OBJECT

public slots:
    void Open(const QUrl& url) { opened.append(url); }

public:
    QList<QUrl> opened;
};

TEST_F(ControlPanelTest, UserGuideGoesToTheDesktopsBrowserOrABoxSaysWhichFile) {
    auto panel = MakePanel();
    DesktopBrowser browser;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "Open");
    panel->Action(cmd::kUserGuide)->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(browser.opened.size(), 1);
    // This program is not installed: the guide is the build tree's page, beside its pictures.
    const QFileInfo guide(browser.opened.front().toLocalFile());
    EXPECT_EQ(guide.fileName(), QStringLiteral("guide.html"));
    EXPECT_TRUE(guide.isFile()) << guide.filePath().toStdString();
    EXPECT_TRUE(QFileInfo::exists(guide.dir().filePath(QStringLiteral("screenshots/panel.png"))));

    // Nothing on the desktop can show it (the handler has no such slot, so opening fails).
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "NoSuchSlot");
    QString told;
    AnswerInTurn({[&told](QWidget* shown) {
        auto* box = qobject_cast<QMessageBox*>(shown);
        if (box != nullptr) {
            told = box->windowTitle() + "|" + box->text();
            box->accept();
        }
        return box != nullptr;
    }});
    panel->Action(cmd::kUserGuide)->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_TRUE(told.startsWith(QStringLiteral("User guide|")) &&
                told.contains(guide.absoluteFilePath()))
        << told.toStdString();
}

TEST_F(ControlPanelTest, EnterAndEscapeDoNotCloseThePanel) {
    auto panel = MakePanel();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(panel.get(), &escape);
    QApplication::sendEvent(panel.get(), &enter);
    EXPECT_TRUE(panel->isVisible());
}

TEST_F(ControlPanelTest, FunctionKeysDoNothingBeforeLogin) {
    auto panel = MakePanel();
    FunctionKeyFilter keys(*panel);
    qApp->installEventFilter(&keys);
    QKeyEvent f5(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
    QApplication::sendEvent(panel.get(), &f5);
    qApp->removeEventFilter(&keys);
    EXPECT_EQ(panel->GetSession().Options(), 0u);
    EXPECT_FALSE(panel->Action(cmd::kMonitoringWindow)->isChecked());
}

TEST_F(ControlPanelTest, AFetchedFileShowsProgressThenOpensInTheEditor) {
    QTemporaryDir work;
    CMainFrame editor(m_config, work.path());  // its dumps go there too
    CControlPanel panel(m_config, Session::Timing{10, 3600 * 1000}, &editor, work.path());
    panel.show();
    panel.Initialise("");

    // The indicator over pane 1: a second begin keeps the first one, and it fills only at the end.
    panel.ProgressBegin(70000);
    QProgressBar* indicator = panel.Progress();
    ASSERT_NE(indicator, nullptr);
    panel.ProgressBegin(5);
    EXPECT_EQ(panel.Progress(), indicator);
    EXPECT_EQ(indicator->maximum(), 70000);
    panel.ProgressUpdate(69999);
    EXPECT_LT(indicator->value(), indicator->maximum());
    panel.ProgressEnd();
    EXPECT_EQ(panel.Progress(), nullptr);

    panel.OnCommand(cmd::kConnectRemote0 + 1);
    // The peer sends only to clients whose login it has read.
    ASSERT_TRUE(
        WaitUntil([&] { return panel.GetSession().LoggedIn() && m_peer.LoggedInCount() == 1; }));
    m_peer.SendFile(2, "conf/motd.txt", "Welcome to the BBS\r\n", 1000);
    ASSERT_TRUE(WaitUntil([&] { return editor.isVisible(); }));
    EXPECT_EQ(QFileInfo(editor.DocumentPath()).fileName(), QStringLiteral("motd.txt"));
    EXPECT_TRUE(editor.View()->toPlainText().startsWith(QStringLiteral("Welcome to the BBS")));
    EXPECT_TRUE(QFile::exists(QDir(work.path()).filePath(QStringLiteral("motd.txt"))));
    EXPECT_EQ(panel.Progress(), nullptr);
}

TEST(FunctionKeys, MapToThePanelCommands) {
    EXPECT_EQ(FunctionKeyFilter::CommandForKey(Qt::Key_F2), cmd::kConsoleWindow);
    EXPECT_EQ(FunctionKeyFilter::CommandForKey(Qt::Key_F4), cmd::kPendingForward);
    EXPECT_EQ(FunctionKeyFilter::CommandForKey(Qt::Key_F5), cmd::kMonitoringWindow);
    EXPECT_EQ(FunctionKeyFilter::CommandForKey(Qt::Key_F6), cmd::kAllChannelsWindow);
    EXPECT_EQ(FunctionKeyFilter::CommandForKey(Qt::Key_F3), 0);
}

}  // namespace
}  // namespace brxw

#include "control_panel_test.moc"
