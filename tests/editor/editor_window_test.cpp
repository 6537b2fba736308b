// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's document, view and frame (offscreen) with a recording host in place of the
// control panel: loading and saving, the two questions and each answer, the close box, the keys,
// hostile files, a write that fails, the placement keys and printing; New and Open on a changed
// text, where an upload may go, which files are deleted, and the program's end.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>
#include <optional>
#include <utility>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "config/app_config.h"
#include "editor/edit_doc.h"
#include "editor/editor_host.h"
#include "editor/kept_files.h"
#include "editor/main_frame.h"
#include "settings/font_mapping.h"
#include "settings/settings.h"
#include "support/pdf_words.h"
#include "support/test_files.h"
#include "support/tilde_translator.h"
#include "support/wait.h"

namespace brxw {
namespace {

using test::WaitUntil;

struct Sent {
    QString path;
    bool abort = false;
    QByteArray bytes;        // the file as it was when handed over
    std::string remotePath;  // an upload's
};

class RecordingHost : public EditorHost {
public:
    bool MessageEdit() const override { return messageEdit; }
    void ClearMessageEdit() override { messageEdit = false; }
    MessageOptions Options() const override { return options; }
    QString BbsName() const override { return QStringLiteral("Home BBS"); }
    bool SendMessageText(const QString& path, bool abort) override {
        return Take(path, abort, messages);
    }
    bool UploadFile(const QString& path, const FetchOrigin& origin) override {
        if (origin.session != session || !Take(path, false, uploads)) {
            return false;
        }
        uploads.back().remotePath = origin.remotePath;
        return true;
    }
    std::optional<FetchOrigin> TakeFetchOrigin() override { return std::exchange(fetch, {}); }
    void EditorDone() override { ++done; }

    bool messageEdit = false;
    bool connected = true;
    std::uint64_t session = 1;         // changes as another session starts
    std::optional<FetchOrigin> fetch;  // the file asked for and not yet received
    MessageOptions options;
    std::vector<Sent> messages;
    std::vector<Sent> uploads;
    int done = 0;

private:
    bool Take(const QString& path, bool abort, std::vector<Sent>& into) {
        if (!connected) {
            return false;  // nothing sent, the file is kept
        }
        QFile file(path);
        if (!abort) {  // an abort sends no text
            file.open(QIODevice::ReadOnly);
        }
        into.push_back({path, abort, file.isOpen() ? file.readAll() : QByteArray(), {}});
        file.close();
        QFile::remove(path);
        return true;
    }
};

class EditorWindowTest : public ::testing::Test {
protected:
    EditorWindowTest()
        : m_config(m_dir.filePath(QStringLiteral("BrxW.ini"))), m_frame(m_config, m_dir.path()) {
        m_frame.SetHost(&m_host);
        Doc().ask = [this](const QString& text) {
            m_asked << text;
            return m_answer;
        };
        Doc().warn = [this](const QString& text) { m_warnings << text; };
        Doc().sentFolder = [this] { return Path("sent"); };
    }

    CBrxWeditDoc& Doc() { return m_frame.Document(); }
    QString Path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QString Write(const char* name, const QByteArray& bytes) {
        test::WriteFile(Path(name), bytes);
        return Path(name);
    }
    // Opens the file as the control panel does for a received one.
    void Open(const QString& path) {
        m_frame.show();
        ASSERT_TRUE(m_frame.OpenDocument(path));
    }
    // Receives the file as fetched from remote in the current session.
    void OpenFetched(const QString& path, const std::string& remote) {
        m_host.fetch = FetchOrigin{remote, m_host.session};
        Open(path);
    }

    QTemporaryDir m_dir;
    AppConfig m_config;
    RecordingHost m_host;
    CMainFrame m_frame;
    QStringList m_asked;
    QStringList m_warnings;
    QMessageBox::StandardButton m_answer = QMessageBox::Cancel;
};

unsigned Mode(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 0777 : 0777u;
}

TEST_F(EditorWindowTest, FilesLoadAlikeWhateverTheirLineEndsAndSaveWithCarriageReturns) {
    for (const QByteArray& bytes : {QByteArray("one\ntwo\n"), QByteArray("one\r\ntwo\r\n")}) {
        Open(Write("file.txt", bytes));
        EXPECT_EQ(m_frame.View()->toPlainText(), QStringLiteral("one\ntwo\n"));
        EXPECT_EQ(Doc().EditorText(), "one\r\ntwo\r\n");
    }
    // Every byte but CR, LF and NUL comes back as it was; NUL is dropped on loading.
    QByteArray all;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n') {
            all.append(char(b));
        }
    }
    Open(Write("bytes.txt", QByteArray("\0", 1) + all + QByteArray("\0tail", 5)));
    EXPECT_EQ(QByteArray::fromStdString(Doc().EditorText()), all + "tail");
    EXPECT_EQ(m_frame.windowTitle(), QStringLiteral("bytes.txt - brxWedit"));

    // A 200-character line is wrapped on screen only.
    m_frame.resize(400, 300);
    Open(Write("long.txt", QByteArray(200, 'x')));
    QApplication::processEvents();
    EXPECT_EQ(m_frame.View()->document()->blockCount(), 1);
    EXPECT_GT(m_frame.View()->document()->firstBlock().layout()->lineCount(), 1);
    EXPECT_FALSE(m_frame.OpenDocument(Path("missing.txt")));
    EXPECT_EQ(m_frame.DocumentPath(), Path("long.txt"));

    // A file that arrives while the operator is editing does not take the edited text with it.
    m_frame.View()->appendPlainText(QStringLiteral("my edit"));
    Open(Write("long.txt", "the server's new version\n"));
    EXPECT_EQ(test::ReadFile(Path("long.txt.unsent")), QByteArray(200, 'x') + "\r\nmy edit");
    // The sysop is told where, with the whole path, in a box that stays until read.
    auto* kept = m_frame.findChild<QMessageBox*>(QStringLiteral("textKeptBox"));
    ASSERT_NE(kept, nullptr);
    EXPECT_TRUE(kept->isVisible());
    EXPECT_TRUE(kept->text().contains(QDir::toNativeSeparators(Path("long.txt.unsent"))));
    kept->close();
    EXPECT_EQ(Doc().EditorText(), "the server's new version\r\n");
}

TEST_F(EditorWindowTest, MessageIsPreparedFormattedSentAndTheEditorGoesAway) {
    m_host.messageEdit = true;
    m_host.options.breakLine = true;
    m_host.options.justification = true;
    m_host.options.signature = true;
    m_host.options.signatureText = "73 de Q0QQQ";
    Open(Write("msg4711.txt", "Hello\nHow are you\n"));
    EXPECT_EQ(Doc().EditorText(), "\r\n>Hello\r\n>How are you\r\n>73 de Q0QQQ");

    // The operator types a long reply in the first line.
    QTextCursor cursor(m_frame.View()->document());
    cursor.insertText(QString(40, u'a') + u' ' + QString(20, u'b') + u' ' + QString(20, u'c'));

    m_answer = QMessageBox::Cancel;
    EXPECT_FALSE(Doc().OnSaveDocument(m_frame.DocumentPath()));
    EXPECT_TRUE(m_frame.isVisible());
    EXPECT_TRUE(m_host.messages.empty());

    m_answer = QMessageBox::Yes;
    EXPECT_TRUE(Doc().OnSaveDocument(m_frame.DocumentPath()));
    EXPECT_EQ(m_asked, QStringList(2, QStringLiteral("Send message")));
    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_FALSE(m_host.messages[0].abort);
    const QByteArray justified = QByteArray(40, 'a') + QByteArray(18, ' ') + QByteArray(20, 'b');
    EXPECT_EQ(m_host.messages[0].bytes, justified + "\r\n" + QByteArray(20, 'c') +
                                            "\r\n>Hello\r\n>How are you\r\n>73 de Q0QQQ");
    EXPECT_FALSE(m_host.messageEdit);
    EXPECT_FALSE(m_frame.isVisible());
    EXPECT_EQ(m_host.done, 1);
    EXPECT_TRUE(m_frame.View()->toPlainText().isEmpty());
    EXPECT_FALSE(QFile::exists(Path("msg4711.txt")));

    // No sends the abort and the next document is an ordinary one.
    m_host.messageEdit = true;
    Open(Write("brx_message.txt", ""));
    EXPECT_EQ(Doc().EditorText(), "73 de Q0QQQ");  // a new message: signature only
    m_answer = QMessageBox::No;
    EXPECT_TRUE(Doc().OnSaveDocument({}));
    ASSERT_EQ(m_host.messages.size(), 2u);
    EXPECT_TRUE(m_host.messages[1].abort);
    EXPECT_FALSE(m_host.messageEdit);
    Open(Write("plain.txt", "M\x81ller\n"));
    EXPECT_EQ(Doc().EditorText(), "M\x81ller\r\n");
    // A message in the DOS character set is shown in the Windows one (and sent back in DOS).
    m_host.messageEdit = true;
    Open(Write("msg2.txt", "M\x81ller\n"));
    EXPECT_EQ(Doc().EditorText(), "\r\n>M\xfcller\r\n>73 de Q0QQQ");
}

TEST_F(EditorWindowTest, UploadAsksItsOwnQuestionAndNoDeletesTheReceivedFile) {
    OpenFetched(Write("init.cfg", "callsign Q4BBS\n"), "conf/init.cfg");
    m_frame.View()->appendPlainText(QStringLiteral("ports 3"));
    m_answer = QMessageBox::Yes;
    EXPECT_TRUE(Doc().OnSaveDocument(m_frame.DocumentPath()));
    EXPECT_EQ(m_asked, QStringList{QStringLiteral("Upload document")});
    ASSERT_EQ(m_host.uploads.size(), 1u);
    EXPECT_EQ(m_host.uploads[0].bytes, "callsign Q4BBS\r\n\r\nports 3");
    EXPECT_EQ(m_host.uploads[0].remotePath, "conf/init.cfg");

    Open(Write("other.cfg", "x"));
    m_answer = QMessageBox::No;
    EXPECT_TRUE(Doc().OnSaveDocument(m_frame.DocumentPath()));
    EXPECT_EQ(m_host.uploads.size(), 1u);
    EXPECT_FALSE(QFile::exists(Path("other.cfg")));
    EXPECT_FALSE(m_frame.isVisible());
}

TEST_F(EditorWindowTest, NothingGoesOutThatTheOperatorDidNotSee) {
    // Not connected: the editor stays with the text, and the flag stays for a later try.
    m_host.messageEdit = true;
    m_host.connected = false;
    Open(Write("msg1.txt", "text\n"));
    m_answer = QMessageBox::Yes;
    EXPECT_FALSE(Doc().OnSaveDocument(m_frame.DocumentPath()));
    EXPECT_TRUE(m_frame.isVisible());
    EXPECT_TRUE(m_host.messageEdit);
    EXPECT_EQ(Doc().EditorText(), "\r\n>text\r\n>");
    EXPECT_EQ(m_warnings.size(), 1);

    // A file that cannot be written (here a folder took its place, which stops root too):
    // nothing is sent, and the editor keeps the text.
    m_host.connected = true;
    ASSERT_TRUE(QFile::remove(Path("msg1.txt")));
    ASSERT_TRUE(QDir().mkdir(Path("msg1.txt")));
    EXPECT_FALSE(Doc().OnSaveDocument(m_frame.DocumentPath()));
    EXPECT_TRUE(m_host.messages.empty());
    EXPECT_TRUE(m_frame.isVisible());
    EXPECT_TRUE(m_host.messageEdit);
    EXPECT_EQ(Doc().EditorText(), "\r\n>text\r\n>");
    ASSERT_TRUE(QDir().rmdir(Path("msg1.txt")));

    // A character the code page lacks is sent as '?'.
    m_host.messages.clear();
    m_frame.View()->setPlainText(QStringLiteral("caf\u00e9 \u4e2d"));
    EXPECT_TRUE(Doc().OnSaveDocument(m_frame.DocumentPath()));
    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_EQ(m_host.messages[0].bytes, "caf\xe9 ?");
}

TEST_F(EditorWindowTest, HugeFilesAndLongLinesRoundTrip) {
    QByteArray big;
    for (int i = 0; big.size() < 3 * 1024 * 1024; ++i) {
        big += i % 50 == 0 ? QByteArray(10000, char('A' + i % 26)) : QByteArray("line\n");
        big += '\n';
    }
    OpenFetched(Write("big.txt", big), "big.txt");
    const std::string text = Doc().EditorText();
    EXPECT_EQ(text.size(), std::size_t(big.size() + big.count('\n')));
    m_answer = QMessageBox::Yes;
    EXPECT_TRUE(Doc().OnSaveDocument(m_frame.DocumentPath()));
    ASSERT_EQ(m_host.uploads.size(), 1u);
    EXPECT_EQ(m_host.uploads[0].bytes.toStdString(), text);
}

TEST_F(EditorWindowTest, CloseBoxAndKeysLeadToTheQuestionWhoseButtonsAnswerToTheirKeys) {
    Doc().ask = nullptr;
    Doc().ask = [this](const QString& text) {
        m_asked << text;
        return QMessageBox::question(&m_frame, QStringLiteral("Editor"), text,
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                     QMessageBox::Yes);
    };
    // Presses a key in the question box once it is up, and says what the box was.
    auto answerWith = [this](Qt::Key key) {
        auto seen = std::make_shared<QString>();
        QTimer::singleShot(0, &m_frame, [key, seen] {
            WaitUntil([] { return QApplication::activeModalWidget() != nullptr; });
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr) {
                *seen = box->windowTitle() + u':' + box->text();
                QTest::keyClick(box, key);
            }
        });
        return seen;
    };

    m_host.messageEdit = true;
    Open(Write("msg.txt", "a\n"));
    m_frame.activateWindow();
    m_frame.View()->setFocus();

    auto seen = answerWith(Qt::Key_Escape);
    EXPECT_FALSE(m_frame.close());  // the close box
    EXPECT_EQ(*seen, QStringLiteral("Editor:Send message"));
    EXPECT_TRUE(m_frame.isVisible());

    seen = answerWith(Qt::Key_Escape);
    m_frame.Action(CMainFrame::Command::Quit)->trigger();
    EXPECT_EQ(*seen, QStringLiteral("Editor:Send message"));
    EXPECT_TRUE(m_frame.isVisible());

    m_frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_frame));
    seen = answerWith(Qt::Key_N);
    QTest::keyClick(m_frame.View(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(WaitUntil([&] { return !m_frame.isVisible(); }));
    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_TRUE(m_host.messages[0].abort);

    OpenFetched(Write("file.txt", "b\n"), "file.txt");
    m_frame.View()->setFocus();
    m_frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_frame));
    seen = answerWith(Qt::Key_Y);
    QTest::keyClick(m_frame.View(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(WaitUntil([&] { return !m_frame.isVisible(); }));
    EXPECT_EQ(*seen, QStringLiteral("Editor:Upload document"));
    ASSERT_EQ(m_host.uploads.size(), 1u);

    OpenFetched(Write("file2.txt", "c\n"), "file2.txt");
    m_frame.View()->setFocus();
    m_frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_frame));
    seen = answerWith(Qt::Key_Return);  // the default button: Yes
    QTest::keyClick(m_frame.View(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(WaitUntil([&] { return !m_frame.isVisible(); }));
    EXPECT_EQ(m_host.uploads.size(), 2u);
}

TEST_F(EditorWindowTest, IndicatorsAndTheToolbarCheckShowTheRealState) {
    // Caps and scroll lock on before the editor was ever shown: the indicators say so at once.
    LockKeys keys{true, false, true};
    int reads = 0;
    m_frame.readLockKeys = [&] {
        ++reads;
        return std::optional<LockKeys>(keys);
    };
    m_frame.show();
    EXPECT_EQ(m_frame.KeyIndicators(), QStringLiteral("MAJ  DEF"));
    m_frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_frame));
    // Changed without a key event reaching the editor: followed while the editor is active.
    keys = {false, true, false};
    EXPECT_TRUE(WaitUntil([&] { return m_frame.KeyIndicators() == QStringLiteral(" NUM "); }));
    // A lock key pressed in the editor shows what the keyboard says, not a toggle of the shown.
    keys = {false, true, true};
    QTest::keyClick(m_frame.View(), Qt::Key_CapsLock);
    EXPECT_EQ(m_frame.KeyIndicators(), QStringLiteral(" NUM DEF"));
    // Nothing is asked while the editor is out of sight.
    m_frame.hide();
    QApplication::processEvents();
    const int seen = reads;
    QTest::qWait(700);
    EXPECT_EQ(reads, seen);

    // Display > Toolbar follows the toolbar hidden and shown again from the frame's context menu.
    m_frame.show();
    QAction* check = m_frame.Action(CMainFrame::Command::ToggleToolBar);
    m_frame.ToolBar()->toggleViewAction()->trigger();
    EXPECT_FALSE(m_frame.ToolBar()->isVisibleTo(&m_frame));
    EXPECT_FALSE(check->isChecked());
    m_frame.ToolBar()->toggleViewAction()->trigger();
    EXPECT_TRUE(m_frame.ToolBar()->isVisibleTo(&m_frame));
    EXPECT_TRUE(check->isChecked());
    check->trigger();
    EXPECT_FALSE(m_frame.ToolBar()->toggleViewAction()->isChecked());
}

// In another language the menus, the status pane, the title and the question read it; the
// message handed over is the quoted text with the signature, byte for byte, and the
// program's name in the title stays.
TEST(EditorTranslated, TheFrameSpeaksItTheMessageDoesNot) {
    test::Translated translated;
    QTemporaryDir dir;
    AppConfig config(dir.filePath(QStringLiteral("BrxW.ini")));
    RecordingHost host;
    {
        CMainFrame frame(config, dir.path());
        frame.SetHost(&host);
        QStringList asked;
        frame.Document().ask = [&](const QString& text) {
            asked << text;
            return QMessageBox::Yes;
        };
        QStringList menus;
        for (QAction* menu : frame.menuBar()->actions()) {
            menus << menu->text();
        }
        EXPECT_EQ(menus, (QStringList{QStringLiteral("~&File"), QStringLiteral("~&Edit"),
                                      QStringLiteral("~&Display")}));
        EXPECT_EQ(frame.Action(CMainFrame::Command::Save)->text(),
                  QStringLiteral("~&Save\tCtrl+S"));
        EXPECT_EQ(frame.StatusText(), QStringLiteral("~Ready"));
        EXPECT_EQ(frame.windowTitle(), QStringLiteral("~Untitled - brxWedit"));

        host.messageEdit = true;
        host.options.signature = true;
        host.options.signatureText = "73 de Q0QQQ";
        const QString path = dir.filePath(QStringLiteral("msg1.txt"));
        test::WriteFile(path, "Hello\n");
        frame.show();
        ASSERT_TRUE(frame.OpenDocument(path));
        EXPECT_TRUE(frame.Document().OnSaveDocument(path));
        EXPECT_EQ(asked, QStringList{QStringLiteral("~Send message")});
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].bytes, QByteArray("\r\n>Hello\r\n>73 de Q0QQQ"));
    }
}

TEST_F(EditorWindowTest, BarsPromptsPlacementAndPrinting) {
    EXPECT_EQ(m_frame.StatusText(), QStringLiteral("Ready"));
    m_frame.Action(CMainFrame::Command::Save)->showStatusText(&m_frame);
    EXPECT_EQ(m_frame.StatusText(), QStringLiteral("Saves the document"));
    m_frame.statusBar()->clearMessage();
    EXPECT_EQ(m_frame.StatusText(), QStringLiteral("Ready"));
    EXPECT_EQ(m_frame.KeyIndicators(), QStringLiteral("  "));
    QTest::keyClick(m_frame.View(), Qt::Key_CapsLock);
    QTest::keyClick(m_frame.View(), Qt::Key_ScrollLock);
    EXPECT_EQ(m_frame.KeyIndicators(), QStringLiteral("MAJ  DEF"));
    m_frame.Action(CMainFrame::Command::ToggleToolBar)->trigger();
    EXPECT_FALSE(m_frame.ToolBar()->isVisibleTo(&m_frame));

    // Nothing is recorded before the start-up placement, everything after it.
    m_frame.move(10, 10);
    std::string value;
    EXPECT_FALSE(m_config.ReadSetting(kSettingsSection, "Position_e", value));
    m_frame.RestorePlacement();
    m_frame.show();
    m_frame.move(40, 25);
    // The keys hold the whole window's rectangle, frame included.
    const QSize frame = m_frame.frameGeometry().size() - m_frame.size();
    m_frame.resize(QSize(640, 480) - frame);
    QApplication::processEvents();
    ASSERT_TRUE(m_config.ReadSetting(kSettingsSection, "Position_e", value));
    EXPECT_EQ(value, "0040 0025");
    ASSERT_TRUE(m_config.ReadSetting(kSettingsSection, "Size_e", value));
    EXPECT_EQ(value, "0640 0480");

    // Printed in the panel's text font (sized in pixels) at the points it measures on screen:
    // about 10 for the default one.
    Open(Write("print.txt", "first line\nsecond line\n"));
    m_frame.View()->setFont(FontFromParams(FontParams{}));
    const double points = m_frame.View()->font().pixelSize() * 72.0 / m_frame.View()->logicalDpiY();
    EXPECT_NEAR(points, 10, 1);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path("out.pdf"));
    m_frame.View()->Print(printer);
    if (test::HavePdfToText()) {
        const double height = test::PdfWordHeight(test::PdfWords(Path("out.pdf")), "second");
        EXPECT_GT(height, points * 0.95);
        EXPECT_LT(height, points * 1.35);
    }
}

// The upload replaces a file on the BBS: only the fetched document goes, under the path it was
// fetched from, to the session that sent it. Anything else is refused with the file kept.
TEST_F(EditorWindowTest, UploadGoesOnlyFromTheFetchedDocumentToItsPathAndSession) {
    m_answer = QMessageBox::Yes;
    // Fetched, then New: the new text is not the fetched file.
    OpenFetched(Write("readme.txt", "the BBS's readme\n"), "info/readme.txt");
    m_frame.Action(CMainFrame::Command::New)->trigger();
    QTest::keyClicks(m_frame.View(), QStringLiteral("new text"));
    EXPECT_FALSE(Doc().OnSaveDocument({}));
    EXPECT_TRUE(m_host.uploads.empty());
    ASSERT_EQ(m_warnings.size(), 1);
    EXPECT_TRUE(m_warnings[0].contains(QStringLiteral("nothing was uploaded")));
    EXPECT_EQ(test::ReadFile(Path("brx_document.txt")), "new text");
    EXPECT_TRUE(m_frame.isVisible());

    // Opened by the operator, or sent by the server unasked: nowhere to go either.
    Doc().OnOpenDocument(Write("own.txt", "mine\n"), CBrxWeditDoc::OpenedBy::Operator);
    EXPECT_FALSE(Doc().OnSaveDocument({}));
    Open(Write("pushed.txt", "unasked\n"));
    EXPECT_FALSE(Doc().OnSaveDocument({}));
    EXPECT_TRUE(m_host.uploads.empty());
    EXPECT_EQ(m_warnings.size(), 3);

    // Fetched in a session that has since ended: not to the next one, whatever its BBS.
    OpenFetched(Write("a.txt", "a\n"), "info/a.txt");
    ++m_host.session;
    EXPECT_FALSE(Doc().OnSaveDocument({}));
    EXPECT_TRUE(m_host.uploads.empty());
    EXPECT_TRUE(m_warnings.back().contains(QStringLiteral("info/a.txt")));
    EXPECT_TRUE(QFile::exists(Path("a.txt")));

    // The fetched document goes under its own path, though another file was asked for since.
    OpenFetched(Write("b.txt", "b\n"), "info/b.txt");
    m_host.fetch = FetchOrigin{"info/c.txt", m_host.session};
    EXPECT_TRUE(Doc().OnSaveDocument({}));
    ASSERT_EQ(m_host.uploads.size(), 1u);
    EXPECT_EQ(m_host.uploads[0].remotePath, "info/b.txt");
    EXPECT_EQ(m_host.uploads[0].bytes, "b\r\n");
    EXPECT_EQ(m_warnings.size(), 4);
}

// Like any desktop editor: New and Open ask before a changed text goes; Cancel changes nothing,
// Save saves that document as Save does, Discard goes on.
TEST_F(EditorWindowTest, NewAndOpenAskBeforeAChangedTextGoes) {
    QStringList questions;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    Doc().askSaveChanges = [&](const QString& text) {
        questions << text;
        return answer;
    };
    m_host.messageEdit = true;
    Open(Write("msg4713.txt", "the BBS's text\n"));
    QTest::keyClicks(m_frame.View(), QStringLiteral("my answer"));
    const QString typed = m_frame.View()->toPlainText();

    m_frame.Action(CMainFrame::Command::New)->trigger();
    m_frame.Action(CMainFrame::Command::Open)->trigger();  // asks before any file dialog
    EXPECT_EQ(questions, QStringList(2, QStringLiteral("Save the changes to msg4713.txt?")));
    EXPECT_EQ(m_frame.View()->toPlainText(), typed);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(m_frame.DocumentPath(), Path("msg4713.txt"));

    // Save is the message's Save: its own question, whose Cancel stops the New as well.
    answer = QMessageBox::Save;
    m_answer = QMessageBox::Cancel;
    m_frame.Action(CMainFrame::Command::New)->trigger();
    EXPECT_EQ(m_asked, QStringList{QStringLiteral("Send message")});
    EXPECT_EQ(m_frame.View()->toPlainText(), typed);
    EXPECT_TRUE(m_host.messages.empty());

    // Discard goes on; an unchanged document asks nothing.
    answer = QMessageBox::Discard;
    QTest::keyClicks(m_frame.View(), QStringLiteral("!"));
    m_frame.Action(CMainFrame::Command::New)->trigger();
    EXPECT_TRUE(m_frame.View()->toPlainText().isEmpty());
    EXPECT_TRUE(m_frame.DocumentPath().isEmpty());
    m_frame.Action(CMainFrame::Command::New)->trigger();
    EXPECT_EQ(questions.size(), 4);

    // Without a host Save writes the file and the New goes on.
    m_frame.SetHost(nullptr);
    Open(Write("notes.txt", "a\n"));
    QTest::keyClicks(m_frame.View(), QStringLiteral("b"));
    answer = QMessageBox::Save;
    m_frame.Action(CMainFrame::Command::New)->trigger();
    EXPECT_EQ(test::ReadFile(Path("notes.txt")), "ba\r\n");
    EXPECT_TRUE(m_frame.DocumentPath().isEmpty());
    EXPECT_TRUE(m_host.messages.empty());
}

// What goes out is deleted once sent; a file the operator opened from elsewhere is not the
// program's to delete: it goes out as a copy and stays.
TEST_F(EditorWindowTest, OnlyTheProgramsOwnFilesAreDeletedOnceHandedBack) {
    QTemporaryDir home;
    const QString draft = home.filePath(QStringLiteral("draft.txt"));
    const QString inWork = Write("notes.txt", "in the working folder\n");
    test::WriteFile(draft, "from home\n");
    m_answer = QMessageBox::Yes;

    m_host.messageEdit = true;
    Open(Write("brx_message.txt", ""));
    ASSERT_TRUE(Doc().OnOpenDocument(draft, CBrxWeditDoc::OpenedBy::Operator));
    EXPECT_TRUE(Doc().OnSaveDocument({}));
    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_EQ(m_host.messages[0].bytes, "\r\n>from home\r\n>");
    EXPECT_EQ(test::ReadFile(draft), "\r\n>from home\r\n>");  // saved, not deleted
    EXPECT_NE(m_host.messages[0].path, draft);

    // Given up (No), and opened from the working folder by the operator: kept as well.
    m_host.messageEdit = true;
    m_answer = QMessageBox::No;
    m_frame.show();
    ASSERT_TRUE(Doc().OnOpenDocument(inWork, CBrxWeditDoc::OpenedBy::Operator));
    EXPECT_TRUE(Doc().OnSaveDocument({}));
    ASSERT_EQ(m_host.messages.size(), 2u);
    EXPECT_TRUE(m_host.messages[1].abort);
    EXPECT_TRUE(QFile::exists(inWork));
    m_host.connected = false;  // a message whose session ended: No keeps the operator's file
    m_host.messageEdit = true;
    ASSERT_TRUE(Doc().OnOpenDocument(draft, CBrxWeditDoc::OpenedBy::Operator));
    EXPECT_TRUE(Doc().OnSaveDocument({}));
    EXPECT_TRUE(QFile::exists(draft));
    m_host.connected = true;
    ASSERT_TRUE(Doc().OnOpenDocument(inWork, CBrxWeditDoc::OpenedBy::Operator));
    EXPECT_TRUE(Doc().OnSaveDocument({}));  // upload question, No
    EXPECT_TRUE(QFile::exists(inWork));

    // The program's own files go: a received one given up, an untitled one it created.
    Open(Write("received.txt", "r\n"));
    EXPECT_TRUE(Doc().OnSaveDocument({}));
    EXPECT_FALSE(QFile::exists(Path("received.txt")));
    m_frame.show();
    m_frame.Action(CMainFrame::Command::New)->trigger();
    QTest::keyClicks(m_frame.View(), QStringLiteral("x"));
    EXPECT_TRUE(Doc().OnSaveDocument({}));
    EXPECT_FALSE(QFile::exists(Path("brx_document.txt")));
    EXPECT_FALSE(QFile::exists(Path("brx_outgoing.txt")));  // no copy is left behind
}

// Saving writes characters outside the code page as '?' and leaves the view alone: after
// Cancel the text, the caret and the undo steps are as they were.
TEST_F(EditorWindowTest, SavingConvertsOnlyWhatIsWritten) {
    Open(Write("cafe.txt", ""));
    m_frame.View()->insertPlainText(QStringLiteral("caf\u00e9 \u4e2d end"));
    QTextCursor caret = m_frame.View()->textCursor();
    caret.setPosition(5);
    m_frame.View()->setTextCursor(caret);
    m_answer = QMessageBox::Cancel;
    EXPECT_FALSE(Doc().OnSaveDocument({}));
    EXPECT_EQ(test::ReadFile(Path("cafe.txt")), "caf\xe9 ? end");
    EXPECT_EQ(m_frame.View()->toPlainText(), QStringLiteral("caf\u00e9 \u4e2d end"));
    EXPECT_EQ(m_frame.View()->textCursor().position(), 5);
    ASSERT_TRUE(m_frame.View()->document()->isUndoAvailable());
    m_frame.View()->undo();
    EXPECT_NE(m_frame.View()->toPlainText(), QStringLiteral("caf\u00e9 \u4e2d end"));
}

// Every file the editor cannot read or write names itself and the reason; what it creates is
// the owner's alone.
TEST_F(EditorWindowTest, FailuresSayWhichFileAndWhyAndCreatedFilesAreTheOwners) {
    const mode_t umaskBefore = ::umask(022);
    EXPECT_FALSE(m_frame.OpenDocument(Path("msg4711.txt")));
    ASSERT_EQ(m_warnings.size(), 1);
    EXPECT_EQ(
        m_warnings[0],
        QStringLiteral("Cannot open %1: No such file or directory.").arg(Path("msg4711.txt")));

    // A folder in the file's place: which file, and why.
    ASSERT_TRUE(QDir().mkdir(Path("held.txt")));
    m_frame.SetHost(nullptr);
    m_frame.show();
    QTest::keyClicks(m_frame.View(), QStringLiteral("text"));
    EXPECT_FALSE(Doc().OnSaveDocument(Path("held.txt")));
    ASSERT_EQ(m_warnings.size(), 2);
    EXPECT_TRUE(m_warnings[1].startsWith(QStringLiteral("Cannot write %1: ").arg(Path("held.txt"))))
        << m_warnings[1].toStdString();
    EXPECT_GT(m_warnings[1].size(),
              QStringLiteral("Cannot write %1: .").arg(Path("held.txt")).size());

    // Created 0600: the saved file, the dump of an opened one, a kept text.
    auto mode = [](const QString& path) {
        struct stat st {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 0777 : 0777u;
    };
    EXPECT_TRUE(Doc().OnSaveDocument(Path("saved.txt")));
    EXPECT_EQ(mode(Path("saved.txt")), 0600u);
    const QStringList before = QDir(m_dir.path()).entryList({QStringLiteral("debug_*")});
    QTest::keyClicks(m_frame.View(), QStringLiteral("more"));
    m_frame.SetHost(&m_host);
    Open(Write("next.txt", "next\n"));
    EXPECT_EQ(mode(Path("saved.txt.unsent")), 0600u);
    const QStringList dumps = QDir(m_dir.path()).entryList({QStringLiteral("debug_*")});
    ASSERT_EQ(dumps.size(), before.size() + 1);
    for (const QString& dump : dumps) {
        EXPECT_EQ(mode(m_dir.filePath(dump)), 0600u) << dump.toStdString();
    }

    // A changed text that cannot be kept is not replaced by the file that arrives.
    ASSERT_TRUE(QDir().mkdir(Path("next.txt.unsent")));
    QTest::keyClicks(m_frame.View(), QStringLiteral("typed"));
    const int warned = m_warnings.size();
    EXPECT_FALSE(m_frame.OpenDocument(Write("third.txt", "third\n")));
    ASSERT_EQ(m_warnings.size(), warned + 1);
    EXPECT_TRUE(m_warnings.back().startsWith(
        QStringLiteral("Cannot write %1: ").arg(Path("next.txt.unsent"))));
    EXPECT_TRUE(m_warnings.back().contains(Path("third.txt")));
    EXPECT_EQ(m_frame.View()->toPlainText(), QStringLiteral("typednext\n"));

    // A working folder where no dump can be made says so, once.
    CMainFrame elsewhere(m_config, m_dir.filePath(QStringLiteral("gone")));
    QStringList said;
    elsewhere.Document().warn = [&](const QString& text) { said << text; };
    EXPECT_TRUE(elsewhere.OpenDocument(Path("next.txt")));
    EXPECT_TRUE(elsewhere.OpenDocument(Path("next.txt")));
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains(QStringLiteral("No such file or directory")))
        << said[0].toStdString();
    ::umask(umaskBefore);
}

// The program ends (a signal, the session manager, File > Exit) with nobody to answer: a changed
// text is kept beside its file and nothing asks.
TEST_F(EditorWindowTest, EndingTheProgramKeepsAChangedTextWithoutAsking) {
    // The application's quit request (quit(), the session manager) closes every window.
    m_host.messageEdit = true;
    Open(Write("msg4714.txt", ""));
    QTest::keyClicks(m_frame.View(), QStringLiteral("half an answer"));
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
    EXPECT_FALSE(m_frame.isVisible());
    EXPECT_EQ(test::ReadFile(Path("msg4714.txt.unsent")), "half an answer");
    EXPECT_TRUE(m_asked.isEmpty());
    EXPECT_TRUE(m_host.messages.empty());

    // The event loop's end (exit(), as File > Exit does), and a close after it.
    CMainFrame later(m_config, m_dir.path());
    later.Document().ask = m_frame.Document().ask;
    later.show();
    ASSERT_TRUE(later.OpenDocument(Write("notes.txt", "")));
    QTest::keyClicks(later.View(), QStringLiteral("a note"));
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    EXPECT_EQ(test::ReadFile(Path("notes.txt.unsent")), "a note");
    EXPECT_TRUE(later.close());
    EXPECT_TRUE(m_asked.isEmpty());
    // Called again with nothing changed since, nothing more is written.
    EXPECT_TRUE(later.KeepUnsentForQuit().isEmpty());
}

// Open (Ctrl+O) is the operator's: the file chosen never takes a fetch's place on the BBS, a
// text given up for it is not kept as unsent, and it is not deleted once sent. A Save that hands
// the changed message back ends the Open. The copies of what was sent are among its places.
TEST_F(EditorWindowTest, OpenIsTheOperatorsAndOffersTheCopiesOfWhatWasSent) {
    int dialogs = 0;
    QString chosen;
    QList<QUrl> places;
    m_frame.runOpenDialog = [&](QFileDialog& dialog) {
        ++dialogs;
        places = dialog.sidebarUrls();
        return chosen;
    };
    QMessageBox::StandardButton save = QMessageBox::Discard;
    Doc().askSaveChanges = [&](const QString&) { return save; };
    m_answer = QMessageBox::Yes;

    // Save on a changed message sends it; the editor is gone and no dialog follows.
    m_host.messageEdit = true;
    Open(Write("msg4715.txt", "question\n"));
    QTest::keyClicks(m_frame.View(), QStringLiteral("answer"));
    save = QMessageBox::Save;
    m_frame.Action(CMainFrame::Command::Open)->trigger();
    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_EQ(dialogs, 0);
    EXPECT_FALSE(m_frame.isVisible());

    // A received text given up (Discard) for an opened file is not kept, and a fetch that
    // waits meanwhile does not make the opened file its own.
    Open(Write("motd.txt", "welcome\n"));
    QTest::keyClicks(m_frame.View(), QStringLiteral("edited "));
    save = QMessageBox::Discard;
    chosen = Write("notes.txt", "my notes\n");
    m_host.fetch = FetchOrigin{"conf/init.cfg", m_host.session};
    m_frame.Action(CMainFrame::Command::Open)->trigger();
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(places.contains(QUrl::fromLocalFile(Path("sent")))) << places.size();
    EXPECT_TRUE(QFileInfo(Path("sent")).isDir());
    EXPECT_EQ(m_frame.DocumentPath(), chosen);
    EXPECT_FALSE(QFile::exists(Path("motd.txt.unsent")));

    EXPECT_FALSE(Doc().OnSaveDocument({}));
    EXPECT_TRUE(m_host.uploads.empty());
    EXPECT_TRUE(m_host.fetch.has_value());

    // Sent as a message, the opened file of the working folder stays.
    m_host.messageEdit = true;
    Open(Write("brx_message.txt", ""));
    m_frame.Action(CMainFrame::Command::Open)->trigger();
    EXPECT_TRUE(Doc().OnSaveDocument({}));
    ASSERT_EQ(m_host.messages.size(), 2u);
    EXPECT_EQ(test::ReadFile(chosen), "\r\n>my notes\r\n>");
}

// The protocol acknowledges nothing: every message sent and every file uploaded is also kept,
// the owner's alone, named after the BBS, its title or path and the time; what did not go out
// is not. A kept text replaces an older "<name>.unsent" as the owner's alone too.
TEST_F(EditorWindowTest, WhatIsSentIsKeptAsAPrivateCopy) {
    const mode_t umaskBefore = ::umask(022);
    m_answer = QMessageBox::Yes;
    m_host.messageEdit = true;
    Open(Write("msg4716.txt", "Hello\n"));
    QTest::keyClicks(m_frame.View(), QStringLiteral("Thanks, all fine"));
    EXPECT_TRUE(Doc().OnSaveDocument({}));
    OpenFetched(Write("init.cfg", "ports 3\n"), "conf/init.cfg");
    EXPECT_TRUE(Doc().OnSaveDocument({}));
    m_host.connected = false;
    OpenFetched(Write("lost.cfg", "lost\n"), "conf/lost.cfg");
    EXPECT_FALSE(Doc().OnSaveDocument({}));

    // Named alike but for the title, the upload's sorts first.
    QStringList copies = QDir(Path("sent")).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    ASSERT_EQ(copies.size(), 2) << copies.join(u' ').toStdString();
    const QString stamp = QStringLiteral("[0-9]{4}-[0-9]{2}-[0-9]{2}_[0-9]{6}");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Home_BBS-%1-conf_init_cfg\\.txt$").arg(stamp))
                    .match(copies[0])
                    .hasMatch())
        << copies[0].toStdString();
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^Home_BBS-%1-Thanks__all_fine\\.txt$").arg(stamp))
            .match(copies[1])
            .hasMatch())
        << copies[1].toStdString();
    ASSERT_EQ(m_host.messages.size(), 1u);
    ASSERT_EQ(m_host.uploads.size(), 1u);
    EXPECT_EQ(test::ReadFile(Path("sent/") + copies[1]), m_host.messages[0].bytes);
    EXPECT_EQ(test::ReadFile(Path("sent/") + copies[0]), m_host.uploads[0].bytes);
    EXPECT_EQ(Mode(Path("sent")), 0700u);
    for (const QString& copy : copies) {
        EXPECT_EQ(Mode(Path("sent/") + copy), 0600u);
    }

    // A copy that cannot be kept does not hold the message back, and the sysop learns it.
    m_host.connected = true;
    test::WriteFile(Path("file"), "x");
    Doc().sentFolder = [this] { return Path("file/sent"); };
    m_host.messageEdit = true;
    Open(Write("msg4718.txt", ""));
    EXPECT_TRUE(Doc().OnSaveDocument({}));
    EXPECT_EQ(m_host.messages.size(), 2u);
    ASSERT_FALSE(m_warnings.isEmpty());
    EXPECT_TRUE(m_warnings.back().endsWith(QStringLiteral("no copy of it is kept.")))
        << m_warnings.back().toStdString();

    // An older kept text that others could read is replaced by one that they cannot.
    test::WriteFile(Path("draft.txt.unsent"), "older");
    ASSERT_TRUE(QFile::setPermissions(Path("draft.txt.unsent"),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ReadOther));
    Open(Write("draft.txt", "d\n"));
    QTest::keyClicks(m_frame.View(), QStringLiteral("changed "));
    Open(Write("draft.txt", "the server's\n"));
    EXPECT_EQ(test::ReadFile(Path("draft.txt.unsent")), "changed d\r\n");
    EXPECT_EQ(Mode(Path("draft.txt.unsent")), 0600u);
    ::umask(umaskBefore);
}

// The program ends on a full disk: no folder is left an empty or partial draft, stderr and the
// next start say it could not be kept. A working folder that cannot take it at all sends it to
// the state folder, and the next start names it there.
TEST_F(EditorWindowTest, AKeptDraftIsWholeOrNowhereAndTheNextStartSaysWhere) {
    const QByteArray savedState = qgetenv("XDG_STATE_HOME");
    const bool hadRuntime = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_STATE_HOME", Path("state").toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", Path("run").toLocal8Bit());
    const QString text(4096, u'x');

    Open(Write("msg4717.txt", ""));
    m_frame.View()->insertPlainText(text);
    struct rlimit before {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    struct rlimit full = before;
    full.rlim_cur = 1024;  // a file of more than 1 KiB meets a full disk
    auto* const xfsz = ::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
    testing::internal::CaptureStderr();
    const QString kept = m_frame.KeepUnsentForQuit();
    const std::string said = testing::internal::GetCapturedStderr();
    ::setrlimit(RLIMIT_FSIZE, &before);
    ::signal(SIGXFSZ, xfsz);
    EXPECT_TRUE(kept.isEmpty()) << QFileInfo(kept).size();
    EXPECT_NE(said.find("The changed text could not be kept."), std::string::npos) << said;
    EXPECT_NE(said.find(Path("msg4717.txt.unsent").toStdString()), std::string::npos) << said;
    for (const QString& folder : {m_dir.path(), Path("state/brxw"), Path("run/brxw")}) {
        EXPECT_EQ(QDir(folder).entryList({QStringLiteral("*.unsent*")}, QDir::Files | QDir::Hidden),
                  QStringList())
            << folder.toStdString();
    }
    CMainFrame next(m_config, m_dir.path());
    next.TellOfTextKeptAtEnd();
    auto* box = next.findChild<QMessageBox*>(QStringLiteral("textKeptAtEndBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains(QStringLiteral("could not be kept")))
        << box->text().toStdString();
    delete box;

    // A working folder gone: the state folder takes the text, and the next start says so once.
    CMainFrame elsewhere(m_config, Path("gone"));
    elsewhere.Document().warn = [](const QString&) {};
    elsewhere.View()->insertPlainText(QStringLiteral("untitled draft"));
    testing::internal::CaptureStderr();
    EXPECT_EQ(elsewhere.KeepUnsentForQuit(), Path("state/brxw/brx_document.txt.unsent"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find(
                  Path("state/brxw/brx_document.txt.unsent").toStdString()),
              std::string::npos);
    EXPECT_EQ(test::ReadFile(Path("state/brxw/brx_document.txt.unsent")), "untitled draft");
    next.TellOfTextKeptAtEnd();
    box = next.findChild<QMessageBox*>(QStringLiteral("textKeptAtEndBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains(Path("state/brxw/brx_document.txt.unsent")));
    delete box;
    next.TellOfTextKeptAtEnd();
    EXPECT_EQ(next.findChild<QMessageBox*>(QStringLiteral("textKeptAtEndBox")), nullptr);
    qputenv("XDG_STATE_HOME", savedState);
    if (hadRuntime) {
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
    } else {
        qunsetenv("XDG_RUNTIME_DIR");
    }
}

}  // namespace
}  // namespace brxw
