// SPDX-License-Identifier: GPL-3.0-or-later
// The editor with the real control panel against the reference peer (offscreen): a message the
// server asks to be answered, a new message given up, and a fetched file uploaded again, each
// checked at the peer.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "config/app_config.h"
#include "editor/edit_doc.h"
#include "editor/main_frame.h"
#include "editor/message_format.h"
#include "link/dispatcher.h"
#include "panel/control_panel.h"
#include "resources/command_ids.h"
#include "support/running_peer.h"
#include "support/test_files.h"
#include "support/wait.h"
#include "text/charset.h"
#include "textwin/console_dlg.h"
#include "textwin/input_edit.h"

#include <sys/stat.h>

namespace brxw {
namespace {

using test::ReadFile;
using test::WaitUntil;
using test::WriteFile;

peer::PeerConfig PeerWithRoot(const QString& root) {
    peer::PeerConfig config;
    config.port = 0;
    config.rootDir = root;
    return config;
}

class EditorOnPeerTest : public ::testing::Test {
protected:
    EditorOnPeerTest()
        : m_root(m_peerDir.filePath(QStringLiteral("root"))),
          m_config(m_dir.filePath(QStringLiteral("BrxW.ini"))),
          m_frame(m_config, m_work.path()) {}

    void SetUp() override {
        QByteArray served =
            "Gr\xfc\xdf"
            "e \x80\xff\t\x01 first\r\n";
        served += QByteArray(10000, 'L') + "\n\nlast line without an end";
        WriteFile(m_root + QStringLiteral("/mail/welcome.txt"), served);
        m_peer = std::make_unique<test::RunningPeer>(PeerWithRoot(m_root));

        RemoteConfig profile = AppConfig::DefaultProfile(0);
        profile.hostName = "127.0.0.1";
        profile.port = m_peer->Port();
        m_config.SaveProfile(0, profile);
        m_panel = std::make_unique<CControlPanel>(m_config, Session::Timing{10, 3600 * 1000},
                                                  &m_frame, m_work.path());
        m_panel->show();
        m_panel->Initialise("");
        m_panel->OnCommand(cmd::kConnectRemote0);
        ASSERT_TRUE(WaitUntil(
            [&] { return m_panel->GetSession().LoggedIn() && m_peer->LoggedInCount() == 1; }));
        Doc().ask = [this](const QString& text) {
            m_asked << text;
            return m_answer;
        };
        Doc().warn = [this](const QString& text) { m_warnings << text; };
        Doc().sentFolder = [this] { return m_dir.filePath(QStringLiteral("sent")); };
    }

    CBrxWeditDoc& Doc() { return m_frame.Document(); }
    QString Shown() const { return m_frame.View()->toPlainText(); }
    bool EditorOpenWith(const QString& start) {
        return WaitUntil([&] { return m_frame.isVisible() && Shown().startsWith(start); });
    }
    // The peer drops the client and the profile connects anew: a session of its own.
    bool LinkDropsAndANewSessionLogsIn() {
        m_peer->DropClients();
        if (!WaitUntil([&] { return !m_panel->GetSession().HasSocket(); })) {
            return false;
        }
        m_panel->OnCommand(cmd::kConnectRemote0);
        return WaitUntil(
            [&] { return m_panel->GetSession().LoggedIn() && m_peer->LoggedInCount() == 1; });
    }
    // The plain text the peer took last: everything after the last frame it received.
    bool PeerReceivedEnding(const QByteArray& tail) {
        return WaitUntil([&] { return m_peer->ReceivedBytes().endsWith(tail); });
    }

    QTemporaryDir m_dir;
    QTemporaryDir m_work;  // the client's working directory
    QTemporaryDir m_peerDir;
    QString m_root;
    AppConfig m_config;
    CMainFrame m_frame;
    std::unique_ptr<test::RunningPeer> m_peer;
    std::unique_ptr<CControlPanel> m_panel;
    QStringList m_asked;
    QStringList m_warnings;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
};

TEST_F(EditorOnPeerTest, AnsweredMessageReachesThePeerFormattedAndIsStored) {
    m_panel->Settings().SetBreakLine(1);
    m_panel->Settings().SetSignature(1, "73 de Q0QQQ");
    m_panel->OnCommand(cmd::kConsoleWindow);
    ASSERT_TRUE(WaitUntil([&] { return m_panel->Console()->isVisible(); }));
    m_peer->SendNotice(4, "4711");
    ASSERT_TRUE(EditorOpenWith(QStringLiteral("\n>Hello,\n>\n>Meeting on Saturday.")));
    EXPECT_TRUE(Shown().endsWith(QStringLiteral("\n>Q1ABC\n>73 de Q0QQQ")));
    EXPECT_TRUE(m_panel->isMinimized());

    // The operator answers above the quote, in one long line with an accent.
    m_frame.View()->setFocus();
    QTest::keyClicks(m_frame.View(), QStringLiteral("Yes, I will come on Saturday, and I will "
                                                    "bring the new antenna for the club "
                                                    "station, as promised. "));
    m_frame.View()->textCursor().insertText(QStringLiteral("Andr\u00e9"));
    const std::string typed = Doc().EditorText();
    const std::string formatted = BreakMessageLines(typed, true);
    std::string wire;
    for (const char c : formatted) {
        if (c != '\r') {
            wire.push_back(c);
        }
    }
    wire = AnsiToOem(wire);

    m_answer = QMessageBox::Yes;
    ASSERT_TRUE(Doc().OnSaveDocument(m_frame.DocumentPath()));
    ASSERT_TRUE(PeerReceivedEnding(QByteArray::fromStdString(wire) + "\x1a\n"));
    EXPECT_FALSE(m_frame.isVisible());
    EXPECT_FALSE(m_panel->isMinimized());
    // The sysop goes on where he was: at the console's input line.
    EXPECT_TRUE(WaitUntil([&] { return m_panel->Console()->InputLine()->hasFocus(); }));
    EXPECT_FALSE(m_panel->GetDispatcher().MessageEdit());
    EXPECT_FALSE(QFile::exists(m_work.filePath(QStringLiteral("msg4711.txt"))));
    // What was sent is kept, named after the profile's BBS.
    const QStringList copies = QDir(m_dir.filePath(QStringLiteral("sent")))
                                   .entryList({QStringLiteral("Remote_0-*.txt")}, QDir::Files);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(test::ReadFile(m_dir.filePath(QStringLiteral("sent/")) + copies[0]),
              QByteArray::fromStdString(formatted));

    // Fetched again, the message is what was sent (in the server's character set), and opens
    // as an ordinary document.
    m_panel->GetSession().SendFrame(kind::kMessageText, "MSG 4711");
    ASSERT_TRUE(EditorOpenWith(QStringLiteral("Yes,")));
    EXPECT_EQ(Doc().EditorText(), AnsiToOem(formatted));
    EXPECT_NE(formatted.find("Andr\xe9"), std::string::npos);
    EXPECT_TRUE(m_warnings.isEmpty());
}

TEST_F(EditorOnPeerTest, GivenUpMessageSendsTheAbortAndTheNextFileIsAnOrdinaryDocument) {
    m_peer->SendNotice(3);
    ASSERT_TRUE(WaitUntil([&] { return m_frame.isVisible(); }));
    EXPECT_EQ(QFileInfo(m_frame.DocumentPath()).fileName(), QStringLiteral("brx_message.txt"));
    QTest::keyClicks(m_frame.View(), QStringLiteral("never mind"));
    m_answer = QMessageBox::No;
    ASSERT_TRUE(Doc().OnSaveDocument(m_frame.DocumentPath()));
    ASSERT_TRUE(PeerReceivedEnding("\n/ABORT\n"));
    EXPECT_FALSE(m_panel->GetDispatcher().MessageEdit());
    EXPECT_FALSE(m_frame.isVisible());

    m_peer->SendFile(kind::kFetchedFile, "conf/ports.cfg", "port 1\n");
    ASSERT_TRUE(EditorOpenWith(QStringLiteral("port 1")));
    EXPECT_EQ(Doc().EditorText(), "port 1\r\n");  // no quote prefix
    // Cancel keeps the editor open with the text.
    m_answer = QMessageBox::Cancel;
    EXPECT_FALSE(m_frame.close());
    EXPECT_TRUE(m_frame.isVisible());
    EXPECT_EQ(Shown(), QStringLiteral("port 1\n"));
    // Nothing was fetched, so there is no remote path to upload to: nothing goes out (the
    // server would take the file's first piece for a path) and the editor stays.
    m_answer = QMessageBox::Yes;
    EXPECT_FALSE(Doc().OnSaveDocument(m_frame.DocumentPath()));
    EXPECT_TRUE(m_frame.isVisible());
    EXPECT_EQ(m_warnings.size(), 1);
    EXPECT_TRUE(QFile::exists(m_frame.DocumentPath()));
    EXPECT_EQ(m_asked,
              (QStringList{QStringLiteral("Send message"), QStringLiteral("Upload document"),
                           QStringLiteral("Upload document")}));
}

// A message asked for by a session that has since ended goes to nobody: its text would reach the
// next session as console commands. Yes keeps it in the editor, No closes it; neither sends.
TEST_F(EditorOnPeerTest, MessageOfALostSessionIsNeverSentToTheNextOne) {
    m_peer->SendNotice(4, "4712");
    ASSERT_TRUE(EditorOpenWith(QStringLiteral("\n>Hello,")));
    QTest::keyClicks(m_frame.View(), QStringLiteral("DELETE ALL"));
    ASSERT_TRUE(LinkDropsAndANewSessionLogsIn());
    const qint64 before = m_peer->BytesReceived();

    m_answer = QMessageBox::Yes;
    EXPECT_FALSE(Doc().OnSaveDocument(m_frame.DocumentPath()));
    EXPECT_TRUE(m_frame.isVisible());
    EXPECT_EQ(m_warnings.size(), 1);
    m_answer = QMessageBox::No;
    EXPECT_TRUE(Doc().OnSaveDocument(m_frame.DocumentPath()));
    EXPECT_FALSE(m_frame.isVisible());
    EXPECT_FALSE(m_panel->GetDispatcher().MessageEdit());
    // The new session's own requests (the option list, say) may still be on their way, so the
    // check is on what went out: neither the text nor its abort, up to a marker sent last.
    m_panel->GetSession().SendFrame(kind::kServerOptions, "MARK");
    ASSERT_TRUE(WaitUntil([&] { return m_peer->ReceivedBytes().mid(before).contains("MARK"); }));
    const QByteArray sent = m_peer->ReceivedBytes().mid(before);
    EXPECT_FALSE(sent.contains("DELETE ALL")) << sent.toStdString();
    EXPECT_FALSE(sent.contains("ABORT")) << sent.toStdString();
    EXPECT_FALSE(sent.contains('\x1a')) << sent.toStdString();
}

TEST_F(EditorOnPeerTest, FetchedFileEditedAndUploadedArrivesByteExact) {
    const QString remote = m_root + QStringLiteral("/mail/welcome.txt");
    m_panel->GetSession().SendFrame(kind::kFetchedFile, "mail/welcome.txt");
    ASSERT_TRUE(EditorOpenWith(QStringLiteral("Gr\u00fc\u00dfe \u20ac")));
    EXPECT_FALSE(m_panel->GetDispatcher().MessageEdit());

    QTextCursor cursor(m_frame.View()->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("\nadded by the sysop \u00e9"));
    const QByteArray expected = QByteArray::fromStdString(Doc().EditorText());
    EXPECT_TRUE(
        expected.startsWith("Gr\xfc\xdf"
                            "e \x80\xff\t\x01 first\r\n"));
    EXPECT_TRUE(expected.endsWith("last line without an end\r\nadded by the sysop \xe9"));

    m_answer = QMessageBox::Yes;
    ASSERT_TRUE(Doc().OnSaveDocument(m_frame.DocumentPath()));
    ASSERT_TRUE(WaitUntil([&] { return ReadFile(remote) == expected; }));
    EXPECT_FALSE(QFile::exists(m_work.filePath(QStringLiteral("welcome.txt"))));
    EXPECT_FALSE(m_frame.isVisible());
    // Nothing landed anywhere else in the peer's folder.
    EXPECT_EQ(QDir(m_root + QStringLiteral("/mail")).entryList(QDir::Files),
              QStringList{QStringLiteral("welcome.txt")});
}

// A fetched file goes back only as itself, only to the session it came from: neither a new
// document nor a later session's BBS gets it. The received file is the owner's alone.
TEST_F(EditorOnPeerTest, UploadGoesOnlyToThePathAndSessionTheFileCameFrom) {
    const mode_t umaskBefore = ::umask(022);
    const QString remote = m_root + QStringLiteral("/mail/welcome.txt");
    const QByteArray served = ReadFile(remote);
    const QString local = m_work.filePath(QStringLiteral("welcome.txt"));
    m_panel->GetSession().SendFrame(kind::kFetchedFile, "mail/welcome.txt");
    ASSERT_TRUE(EditorOpenWith(QStringLiteral("Gr\u00fc\u00dfe")));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(local).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ::umask(umaskBefore);

    // New, typed, Save, Yes: the BBS's file is not overwritten with the new text.
    m_frame.Action(CMainFrame::Command::New)->trigger();
    QTest::keyClicks(m_frame.View(), QStringLiteral("NEW TEXT"));
    m_answer = QMessageBox::Yes;
    EXPECT_FALSE(Doc().OnSaveDocument({}));
    EXPECT_EQ(m_warnings.size(), 1);
    EXPECT_TRUE(m_frame.isVisible());

    // Fetched again, then the link drops and a session starts anew: nothing goes to it.
    m_panel->GetSession().SendFrame(kind::kFetchedFile, "mail/welcome.txt");
    ASSERT_TRUE(EditorOpenWith(QStringLiteral("Gr\u00fc\u00dfe")));
    QTest::keyClicks(m_frame.View(), QStringLiteral("EDITED "));
    ASSERT_TRUE(LinkDropsAndANewSessionLogsIn());
    const qint64 before = m_peer->BytesReceived();
    EXPECT_FALSE(Doc().OnSaveDocument(m_frame.DocumentPath()));
    EXPECT_EQ(m_warnings.size(), 2);
    EXPECT_TRUE(ReadFile(local).startsWith("EDITED "));  // kept for the sysop
    m_panel->GetSession().SendFrame(kind::kServerOptions, "MARK");
    ASSERT_TRUE(WaitUntil([&] { return m_peer->ReceivedBytes().mid(before).contains("MARK"); }));
    const QByteArray sent = m_peer->ReceivedBytes().mid(before);
    EXPECT_FALSE(sent.contains("welcome")) << sent.toStdString();
    EXPECT_FALSE(sent.contains("NEW TEXT")) << sent.toStdString();
    EXPECT_EQ(ReadFile(remote), served);
}

}  // namespace
}  // namespace brxw
