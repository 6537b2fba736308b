// SPDX-License-Identifier: GPL-3.0-or-later
// A connection profile's code pages in the running program, against the reference peer: a
// Cyrillic line typed in the console reaches the server in code page 866 and comes back shown
// as typed; changing the pages through Config > Preferences writes only that profile's keys
// and moves the text kept in the windows to the new page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "config/app_config.h"
#include "panel/control_panel.h"
#include "panel/preferences_dlg.h"
#include "resources/command_ids.h"
#include "settings/charset_page.h"
#include "support/panel_on_peer.h"
#include "support/running_peer.h"
#include "support/wait.h"
#include "text/charset.h"
#include "textwin/console_dlg.h"
#include "textwin/input_edit.h"
#include "textwin/text_wnd.h"

namespace brxw {
namespace {

using test::WaitUntil;

// The console's stored lines as the toolkit shows them.
QString ConsoleText(CConsoleDlg& console) {
    const TextRing& ring = console.TextView()->Ring();
    QString text;
    for (int age = ring.LineCount() - 1; age >= 0; --age) {
        text += AnsiToQString(ring.Line(ring.WriteLine() - age).Cells()) + QLatin1Char('\n');
    }
    return text;
}

TEST(ProfileCodePages, CyrillicRoundTripAndAChangeThroughPreferences) {
    QTemporaryDir dir;
    AppConfig config(dir.filePath(QStringLiteral("BrxW.ini")));
    test::RunningPeer peer;
    struct Restore {
        ~Restore() { SetCodePages(CodePage::k437, CodePage::k1252); }
    } restore;
    std::unique_ptr<CControlPanel> panel = test::OpenPanelForPeer(config, peer);
    ASSERT_TRUE(config.SaveCodePages(0, {CodePage::k866, CodePage::k1251}));
    panel->OnCommand(cmd::kConnectRemote0);
    ASSERT_TRUE(WaitUntil([&] { return panel->GetSession().LoggedIn(); }));
    EXPECT_EQ(AnsiCodePage(), CodePage::k1251);

    panel->OnCommand(cmd::kConsoleWindow);
    CConsoleDlg* console = panel->Console();
    ASSERT_TRUE(WaitUntil([&] { return console->isVisible(); }));
    for (const QChar c : QString::fromUtf8("Привет")) {  // typed as a Russian keyboard types
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(console->InputLine(), &press);
    }
    QTest::keyClick(console->InputLine(), Qt::Key_Return);
    // Other requests (the option list's "GET") may follow the line.
    ASSERT_TRUE(WaitUntil([&] {
        return peer.ReceivedBytes().contains("\x8F\xE0\xA8\xA2\xA5\xE2\n");
    })) << peer.ReceivedBytes().toHex().toStdString();
    // Our own echo and the peer's both show the word as typed.
    ASSERT_TRUE(WaitUntil([&] {
        return ConsoleText(*console).count(QString::fromUtf8("Привет")) >= 2;
    })) << ConsoleText(*console).toStdString();

    // Config > Preferences: the profile goes back to 437, its Windows page follows to 1252.
    bool changed = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CPreferencesDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* page = dialog->findChild<CCharsetPage*>();
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->ProfileBox()->currentIndex(), 0);
        EXPECT_EQ(page->DosBox()->currentData().toInt(), 866);
        EXPECT_EQ(page->WindowsBox()->currentData().toInt(), 1251);
        EXPECT_TRUE(page->SampleText().contains(QString::fromUtf8("Ж")));
        page->DosBox()->setCurrentIndex(page->DosBox()->findData(437));
        EXPECT_EQ(page->WindowsBox()->currentData().toInt(), 1252);
        dialog->accept();
        changed = true;
    });
    panel->OnCommand(cmd::kPreferences);
    ASSERT_TRUE(changed);
    EXPECT_EQ(config.Store().Read("Remote 0", "OemCodePage"), "437");
    EXPECT_EQ(config.Store().Read("Remote 0", "AnsiCodePage"), "1252");
    EXPECT_EQ(config.Store().Read("Remote 1", "OemCodePage"), "");
    EXPECT_EQ(AnsiCodePage(), CodePage::k1252);
    // Cyrillic has no look-alikes in 1252: the kept lines now read as question marks, not as
    // the Latin letters that share the bytes.
    const QString after = ConsoleText(*console);
    EXPECT_FALSE(after.contains(QString::fromUtf8("Привет")));
    EXPECT_TRUE(after.contains(QStringLiteral("??????"))) << after.toStdString();

    // A damaged key reads as the usual page.
    config.Store().Write("Remote 0", "OemCodePage", "1251");
    config.Store().Write("Remote 0", "AnsiCodePage", "-5x");
    EXPECT_EQ(config.LoadCodePages(0), ProfileCodePages{});
}

}  // namespace
}  // namespace brxw
