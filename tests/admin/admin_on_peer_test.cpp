// SPDX-License-Identifier: GPL-3.0-or-later
// The administration dialogs against the reference peer (offscreen), as the sysop uses them:
// a user's record edited and found changed on reopening, users added and deleted, a forward
// started, and a remote file browsed to, opened in the editor, changed and uploaded back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "admin/admin_dialogs.h"
#include "admin/message_properties_dlg.h"
#include "admin/pending_forward_dlg.h"
#include "admin/remote_files_dlg.h"
#include "admin/user_properties_dlg.h"
#include "config/app_config.h"
#include "editor/edit_doc.h"
#include "editor/main_frame.h"
#include "link/frame.h"
#include "panel/control_panel.h"
#include "resources/command_ids.h"
#include "support/running_peer.h"
#include "support/wait.h"

namespace brxw {
namespace {

using admin::CAdminDialogs;
using test::WaitUntil;

// A frame as the client sends it.
QByteArray Request(int kind, const char* text) {
    return QByteArray::fromStdString(EncodeFrame(static_cast<std::uint8_t>(kind), text));
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A copy of the demo root, so that uploads land in the test's own folder.
void CopyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}

// Makes the item of that name current in Remote files' list; false while it is not listed.
bool ChooseItem(QTreeView& tree, const char* name) {
    const QAbstractItemModel& rows = *tree.model();
    for (int i = 0; i < rows.rowCount(); ++i) {
        if (rows.index(i, 0).data().toString() == QLatin1String(name)) {
            tree.setCurrentIndex(rows.index(i, 0));
            return true;
        }
    }
    return false;
}

QListWidgetItem* Find(QListWidget& list, const char* text) {
    const auto items = list.findItems(QString::fromLatin1(text), Qt::MatchExactly);
    return items.isEmpty() ? nullptr : items.front();
}

class AdminOnPeerTest : public ::testing::Test {
protected:
    AdminOnPeerTest()
        : m_config(m_dir.filePath(QStringLiteral("BrxW.ini"))), m_peer(PeerConfigWithRoot()) {}

    peer::PeerConfig PeerConfigWithRoot() {
        CopyTree(peer::PeerServer::DefaultDataDir() + QStringLiteral("/root"), RootPath());
        peer::PeerConfig config;
        config.rootDir = RootPath();
        return config;
    }
    QString RootPath() const { return m_dir.filePath(QStringLiteral("root")); }

    void SetUp() override {
        RemoteConfig profile = AppConfig::DefaultProfile(0);
        profile.hostName = "127.0.0.1";
        profile.port = m_peer.Port();
        m_config.SaveProfile(0, profile);
        m_editor = std::make_unique<CMainFrame>(m_config, m_work.path());
        m_panel = std::make_unique<CControlPanel>(m_config, Session::Timing{10, 3600 * 1000},
                                                  m_editor.get(), m_work.path());
        m_panel->show();
        m_panel->Initialise("");
        m_panel->OnCommand(cmd::kConnectRemote0);
        ASSERT_TRUE(WaitUntil([&] {
            return m_panel->GetSession().LoggedIn() &&
                   m_panel->Action(cmd::kEditUserProperties)->isVisible();
        }));
    }

    // Runs the trigger, and `body` inside the dialog it opens; the dialog is closed with
    // Escape afterwards if the body left it open. False when no such dialog ran.
    template <typename Dialog>
    bool WithDialog(const std::function<void()>& trigger,
                    const std::function<void(Dialog&)>& body) {
        bool ran = false;
        QObject::connect(
            &m_panel->AdminDialogs(), &CAdminDialogs::dialogOpened, m_panel.get(),
            [&](QDialog* opened) {
                QTimer::singleShot(0, opened, [&, opened] {
                    if (auto* dialog = qobject_cast<Dialog*>(opened)) {
                        body(*dialog);
                        ran = true;
                    }
                    if (opened->isVisible()) {
                        QTest::keyClick(opened, Qt::Key_Escape);
                    }
                });
            },
            Qt::SingleShotConnection);
        trigger();
        return WaitUntil([&] { return ran && m_panel->AdminDialogs().Running() == nullptr; });
    }

    std::function<void()> Command(int command) {
        return [this, command] { m_panel->OnCommand(command); };
    }
    std::function<void()> Frame(int kind, const QByteArray& payload) {
        return [this, kind, payload] { m_peer.SendFrame(0, static_cast<quint8>(kind), payload); };
    }

    QTemporaryDir m_dir;
    QTemporaryDir m_work;
    AppConfig m_config;
    test::RunningPeer m_peer;
    std::unique_ptr<CMainFrame> m_editor;
    std::unique_ptr<CControlPanel> m_panel;
};

// Picks a user by typing its callsign in the list and waits for its record.
bool ChooseUser(admin::CUserPropertiesDlg& dialog, const char* call) {
    dialog.UserList()->setFocus();
    dialog.UserList()->keyboardSearch(QString());  // a new search, not the last one's tail
    QTest::keyClicks(dialog.UserList(), QString::fromLatin1(call));
    return WaitUntil([&] {
        const auto selected = dialog.UserList()->selectedItems();
        return dialog.ApplyButton()->isEnabled() && !selected.isEmpty() &&
               selected.front()->text() == QLatin1String(call);
    });
}

TEST_F(AdminOnPeerTest, UserEditedAddedAndDeleted) {
    ASSERT_TRUE(WithDialog<admin::CUserPropertiesDlg>(
        Command(cmd::kEditUserProperties), [](admin::CUserPropertiesDlg& dialog) {
            EXPECT_EQ(dialog.UserList()->count(), 50);
            ASSERT_TRUE(ChooseUser(dialog, "Q1ABC"));
            EXPECT_EQ(dialog.Edit("Name")->text(), QStringLiteral("Anna"));
            EXPECT_EQ(dialog.ChoiceList()->selectedItems().front()->text(),
                      QStringLiteral("MEMBER"));
            dialog.Edit("Name")->setText(QStringLiteral("Anna Berta"));
            dialog.FlagBox("Sysop")->setChecked(true);
            dialog.FlagBox("Paging")->setChecked(true);
            QTest::keyClick(dialog.Edit("Name"), Qt::Key_Return);  // Apply

            dialog.SetAskCallsign([](QWidget*) { return std::optional<std::string>("Q7NEW"); });
            dialog.AddUser();
            ASSERT_TRUE(ChooseUser(dialog, "Q2XYZ"));
            dialog.DeleteButton()->click();
        }));
    EXPECT_FALSE(m_panel->AdminDialogs().UserPropertiesOpen());
    EXPECT_FALSE(QFile::exists(m_work.filePath(QStringLiteral("service.txt"))));

    ASSERT_TRUE(WithDialog<admin::CUserPropertiesDlg>(
        Command(cmd::kEditUserProperties), [](admin::CUserPropertiesDlg& dialog) {
            EXPECT_NE(Find(*dialog.UserList(), "Q7NEW"), nullptr);
            EXPECT_EQ(Find(*dialog.UserList(), "Q2XYZ"), nullptr);
            ASSERT_TRUE(ChooseUser(dialog, "Q1ABC"));
            EXPECT_EQ(dialog.Edit("Name")->text(), QStringLiteral("Anna Berta"));
            EXPECT_TRUE(dialog.FlagBox("Sysop")->isChecked());
            EXPECT_TRUE(dialog.FlagBox("Paging")->isChecked());
            EXPECT_FALSE(dialog.FlagBox("Read all")->isChecked());
            EXPECT_EQ(dialog.ChoiceList()->selectedItems().front()->text(),
                      QStringLiteral("MEMBER"));
        }));
}

TEST_F(AdminOnPeerTest, MessageRecordWrittenBack) {
    // Each record written is kept in the profile's log of records in the state folder.
    const QByteArray stateBefore = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", m_dir.filePath(QStringLiteral("state")).toLocal8Bit());
    ASSERT_TRUE(WithDialog<admin::CMessagePropertiesDlg>(
        Command(cmd::kEditMessageProperties), [](admin::CMessagePropertiesDlg& dialog) {
            EXPECT_GE(dialog.KeyList()->count(), 300);
            dialog.KeyList()->setFocus();
            QTest::keyClicks(dialog.KeyList(), QStringLiteral("4712"));
            ASSERT_TRUE(WaitUntil(
                [&] { return dialog.Edit("Title")->text() == QLatin1String("Antenna for sale"); }));
            dialog.Edit("Title")->setText(QStringLiteral("Antenna sold"));
            QTest::keyClick(dialog.KeyList(), Qt::Key_Return);
            dialog.Edit("Title")->clear();
            dialog.KeyList()->keyboardSearch(QString());
            QTest::keyClicks(dialog.KeyList(), QStringLiteral("4711"));
            QTest::keyClick(dialog.KeyList(), Qt::Key_Down);  // back to 4712: asked again
            ASSERT_TRUE(WaitUntil(
                [&] { return dialog.Edit("Title")->text() == QLatin1String("Antenna sold"); }));
        }));
    qputenv("XDG_STATE_HOME", stateBefore);
    const QString log = m_dir.filePath(QStringLiteral("state/brxw/%1-records.log"))
                            .arg(QString::fromStdString(m_config.LoadProfile(0).name))
                            .replace(QLatin1Char(' '), QLatin1Char('_'));
    const QByteArray kept = ReadFile(log);
    EXPECT_EQ(kept.count('\n'), 1) << kept.toStdString();
    EXPECT_TRUE(kept.contains(" message PUT 4712 ")) << kept.toStdString();
    EXPECT_TRUE(kept.contains("\\n11 Antenna sold\\n")) << kept.toStdString();
}

TEST_F(AdminOnPeerTest, ForwardStarted) {
    ASSERT_TRUE(WithDialog<admin::CPendingForwardDlg>(
        Command(cmd::kPendingForward), [](admin::CPendingForwardDlg& dialog) {
            EXPECT_EQ(dialog.List()->count(), 12);
            dialog.List()->setCurrentRow(2);
            QTest::keyClick(dialog.List(), Qt::Key_Return);  // Start
        }));
    EXPECT_TRUE(WaitUntil([&] { return m_peer.ReceivedBytes().contains(Request(4, "START 2")); }));
    EXPECT_FALSE(QFile::exists(m_work.filePath(QStringLiteral("forward.txt"))));
}

TEST_F(AdminOnPeerTest, EmptyListsAnnouncedWithSizeZeroStillOpenTheirDialogs) {
    ASSERT_TRUE(WithDialog<admin::CPendingForwardDlg>(
        Frame(4, QByteArray("forward\0"
                            "0",
                            9)),
        [](admin::CPendingForwardDlg& dialog) {
            EXPECT_EQ(dialog.List()->count(), 0);
            EXPECT_NE(dialog.findChild<QLabel*>(), nullptr);  // says that nothing is pending
        }));
    ASSERT_TRUE(WithDialog<admin::CUserPropertiesDlg>(
        Frame(6, QByteArray("users\0"
                            "0",
                            7)),
        [](admin::CUserPropertiesDlg& dialog) { EXPECT_EQ(dialog.UserList()->count(), 0); }));
}

TEST_F(AdminOnPeerTest, FileBrowsedEditedAndUploaded) {
    ASSERT_TRUE(m_panel->Action(cmd::kOpenConfigFile)->isVisible());
    ASSERT_TRUE(WithDialog<admin::CRemoteFilesDlg>(
        Command(cmd::kOpenConfigFile), [&](admin::CRemoteFilesDlg& dialog) {
            QTreeView& tree = *dialog.Tree();
            ASSERT_TRUE(WaitUntil([&] { return tree.model()->rowCount() > 0; }));
            // directories first
            EXPECT_EQ(tree.model()->index(0, 0).data(), QStringLiteral("help"));
            ASSERT_TRUE(ChooseItem(tree, "mail"));
            QTest::keyClick(&tree, Qt::Key_Return);
            ASSERT_TRUE(WaitUntil([&] { return ChooseItem(tree, "welcome.txt"); }));
            EXPECT_EQ(dialog.DirectoryLabel()->text(), QStringLiteral("/mail"));
            QTest::keyClick(&tree, Qt::Key_Return);  // the file: fetched, the dialog ends
        }));
    ASSERT_TRUE(WaitUntil([&] {
        return m_editor->isVisible() &&
               QFileInfo(m_editor->DocumentPath()).fileName() == QLatin1String("welcome.txt");
    }));
    m_editor->View()->appendPlainText(QStringLiteral("Edited from brxW."));
    m_editor->Document().ask = [](const QString&) { return QMessageBox::Yes; };
    ASSERT_TRUE(m_editor->Document().OnSaveDocument({}));
    const QString remote = RootPath() + QStringLiteral("/mail/welcome.txt");
    EXPECT_TRUE(WaitUntil([&] { return ReadFile(remote).contains("Edited from brxW."); }));
}

// The link drops with Remote files open in a directory: navigating says it was not sent and
// changes nothing; once logged in again the list starts from the root, and the file opened
// from it is asked for under its own path, with nothing stale sent before it.
TEST_F(AdminOnPeerTest, RemoteFilesAcrossALostLink) {
    std::vector<std::string> warnings;
    qsizetype mark = 0;
    ASSERT_TRUE(WithDialog<admin::CRemoteFilesDlg>(
        Command(cmd::kOpenConfigFile), [&](admin::CRemoteFilesDlg& dialog) {
            dialog.SetWarning([&](QWidget*, const std::string&, const std::string& text) {
                warnings.push_back(text);
            });
            QTreeView& tree = *dialog.Tree();
            ASSERT_TRUE(WaitUntil([&] { return ChooseItem(tree, "mail"); }));
            QTest::keyClick(&tree, Qt::Key_Return);
            ASSERT_TRUE(WaitUntil([&] { return ChooseItem(tree, "welcome.txt"); }));
            m_peer.DropClients();
            ASSERT_TRUE(WaitUntil([&] { return !m_panel->GetSession().LoggedIn(); }));
            mark = m_peer.ReceivedBytes().size();
            QTest::keyClick(&tree, Qt::Key_Return);
            ASSERT_EQ(warnings.size(), 1u);
            EXPECT_NE(warnings[0].find("/mail/welcome.txt"), std::string::npos) << warnings[0];
            EXPECT_EQ(dialog.DirectoryLabel()->text(), QStringLiteral("/mail"));
            EXPECT_TRUE(ChooseItem(tree, "welcome.txt"));

            m_panel->OnCommand(cmd::kConnectRemote0);
            ASSERT_TRUE(WaitUntil([&] { return ChooseItem(tree, "readme.txt"); }));
            EXPECT_EQ(dialog.DirectoryLabel()->text(), QStringLiteral("/"));
            QTest::keyClick(&tree, Qt::Key_Return);
        }));
    ASSERT_TRUE(WaitUntil([&] {
        return QFileInfo(m_editor->DocumentPath()).fileName() == QLatin1String("readme.txt");
    }));
    const QByteArray after = m_peer.ReceivedBytes().mid(mark);
    const qsizetype root = after.indexOf(Request(1, ""));
    EXPECT_GE(root, 0) << after.toHex().data();
    EXPECT_GT(after.indexOf(Request(2, "readme.txt")), root) << after.toHex().data();
    EXPECT_FALSE(after.contains("welcome")) << after.toHex().data();
    EXPECT_FALSE(after.contains("mail/")) << after.toHex().data();
}

TEST_F(AdminOnPeerTest, ADoubleClickAsksForOneKeyList) {
    ASSERT_TRUE(WithDialog<admin::CMessagePropertiesDlg>(
        [this] {
            m_panel->OnCommand(cmd::kEditMessageProperties);
            m_panel->OnCommand(cmd::kEditMessageProperties);
        },
        [this](admin::CMessagePropertiesDlg& dialog) {
            // A second key list would arrive as a record reply.
            QTest::qWait(300);
            EXPECT_FALSE(dialog.ApplyButton()->isEnabled());
            EXPECT_EQ(m_peer.ReceivedBytes().count(Request(7, "LIST")), 1);
        }));
    // Answered: the button asks again.
    ASSERT_TRUE(WithDialog<admin::CMessagePropertiesDlg>(Command(cmd::kEditMessageProperties),
                                                         [](admin::CMessagePropertiesDlg&) {}));
    EXPECT_EQ(m_peer.ReceivedBytes().count(Request(7, "LIST")), 2);

    // With the link down nothing can be asked, and the status bar says so.
    m_panel->GetSession().Disconnect();
    ASSERT_FALSE(m_panel->GetSession().HasSocket());
    m_panel->OnCommand(cmd::kEditUserProperties);
    EXPECT_TRUE(m_panel->statusBar()->currentMessage().contains(QStringLiteral("LIST")))
        << m_panel->statusBar()->currentMessage().toStdString();
}

TEST_F(AdminOnPeerTest, AListingThatCannotBeStoredIsReported) {
    // The working directory is gone: the listing file cannot be created.
    const QString work = m_work.path();
    ASSERT_TRUE(QDir(work).removeRecursively());
    QString reported;
    QTimer boxes;
    QObject::connect(&boxes, &QTimer::timeout, [&reported] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            reported = box->text();
            box->accept();
        }
    });
    boxes.start(20);
    ASSERT_TRUE(WithDialog<admin::CRemoteFilesDlg>(
        Command(cmd::kOpenConfigFile), [&](admin::CRemoteFilesDlg& dialog) {
            ASSERT_TRUE(WaitUntil([&] { return !reported.isEmpty(); }));
            EXPECT_EQ(dialog.Tree()->model()->rowCount(), 0);
        }));
    EXPECT_TRUE(
        reported.contains(QDir::toNativeSeparators(work + QStringLiteral("/brx_directory.txt"))))
        << reported.toStdString();
    EXPECT_TRUE(reported.contains(QStringLiteral("No such file or directory")))
        << reported.toStdString();
}

}  // namespace
}  // namespace brxw
