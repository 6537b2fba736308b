// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/setup_dlg.h"

#include "config/app_config.h"
#include "config/config_test_support.h"
#include "config/ssh_host.h"
#include "resources/command_ids.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace brxw {
namespace {

const RemoteConfig kProfile{"Home BBS", "bbs.example.org", 6300, 0, "QA1ABC", "secret"};

TEST(SetupDlgTest, TypingBeyondALimitIsRefused) {
    CSetupDlg dlg(RemoteConfig{});
    const QString typed(300, QLatin1Char('w'));
    for (auto [field, limit] : {std::pair{SetupField::Name, 15},
                                {SetupField::HostName, 63},
                                {SetupField::Callsign, 9},
                                {SetupField::Password, 79}}) {
        dlg.Edit(field)->clear();
        QTest::keyClicks(dlg.Edit(field), typed);
        EXPECT_EQ(dlg.Edit(field)->text().size(), limit);
    }
    dlg.Edit(SetupField::Port)->clear();
    QTest::keyClicks(dlg.Edit(SetupField::Port), QStringLiteral("1a-2 3456789"));
    EXPECT_EQ(dlg.Edit(SetupField::Port)->text(), "12345");  // digits only, five of them
    EXPECT_EQ(dlg.Edit(SetupField::Password)->echoMode(), QLineEdit::Normal);
}

TEST(SetupDlgTest, FailedCheckShowsItsMessageAndKeepsTheDialogOpenOnTheField) {
    struct Case {
        RemoteConfig profile;
        std::function<void(CSetupDlg&)> change;
        SetupField focus;
        QString message;
    };
    RemoteConfig longCallsign = kProfile;
    longCallsign.callsign = "QA1ABCDEFG";  // 10: the file holds up to 15, the dialog takes 9
    const Case cases[] = {
        {kProfile, [](CSetupDlg& d) { d.Edit(SetupField::Port)->setText("10001"); },
         SetupField::Port, "Please enter an integer between 0 and 10000."},
        {kProfile, [](CSetupDlg& d) { d.Edit(SetupField::Port)->clear(); }, SetupField::Port,
         "Please enter an integer."},
        // Shown whole rather than cut by the edit box, and refused on OK before the port.
        {longCallsign, [](CSetupDlg& d) { d.Edit(SetupField::Port)->setText("10001"); },
         SetupField::Callsign, "Please enter no more than 9 characters."},
        // What ssh would read as an option never reaches it.
        {kProfile, [](CSetupDlg& d) { d.Edit(SetupField::SshHost)->setText("-oProxyCommand=sh"); },
         SetupField::SshHost, QString::fromStdString(BadSshHostMessage())},
    };
    for (const Case& c : cases) {
        std::vector<QString> messages;
        CSetupDlg dlg(c.profile);
        dlg.SetMessageHook([&](QWidget*, const QString& m) { messages.push_back(m); });
        dlg.show();
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        c.change(dlg);
        QTest::mouseClick(dlg.findChild<QPushButton*>("ok"), Qt::LeftButton);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_NE(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(messages, std::vector<QString>{c.message});
        EXPECT_EQ(QApplication::focusWidget(), dlg.Edit(c.focus));
        EXPECT_EQ(dlg.Edit(c.focus)->selectedText(), dlg.Edit(c.focus)->text());
    }
}

class RunSetupTest : public testing::Test {
protected:
    // Runs the set-up of profile n, acting on the modal dialog once it shows.
    std::optional<SetupOutcome> Run(int n, std::function<void(CSetupDlg&)> act) {
        QTimer::singleShot(0, [act] {
            auto* dlg = qobject_cast<CSetupDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            act(*dlg);
        });
        return RunSetup(m_config, n, nullptr);
    }
    std::string File() const { return test::ReadBytes(m_config.Store().Path()); }

    QTemporaryDir m_dir;
    AppConfig m_config{m_dir.filePath("BrxW.ini")};
};

TEST_F(RunSetupTest, ConfirmSavesAndRenamesCancelChangesNothing) {
    ASSERT_TRUE(m_config.SaveProfile(2, kProfile));
    const std::string before = File();
    EXPECT_FALSE(Run(2, [](CSetupDlg& d) {
                     d.Edit(SetupField::Name)->setText("Ignored");
                     d.findChild<QPushButton*>("cancel")->click();
                 }).has_value());
    EXPECT_EQ(File(), before);

    ASSERT_TRUE(Run(2, [](CSetupDlg& d) { d.accept(); }).has_value());
    EXPECT_EQ(File(), before);  // the same six keys rewritten

    const std::optional<SetupOutcome> out = Run(2, [](CSetupDlg& d) {
        d.Edit(SetupField::Name)->setText("Ulm");
        d.AutoConnectBox()->setChecked(true);
        d.Edit(SetupField::SshHost)->setText("sysop@gw.example.org:2222");
        d.findChild<QPushButton*>("ok")->click();
    });
    ASSERT_TRUE(out.has_value());
    EXPECT_EQ(out->itemText, "Ulm");
    EXPECT_EQ(out->configCommand, cmd::kConfigRemote0 + 2);
    EXPECT_EQ(out->configChecks.back(), (MenuCheck{cmd::kConfigRemote0 + 2, true}));
    RemoteConfig expected = kProfile;
    expected.name = "Ulm";
    expected.autoConnect = 1;
    expected.sshHost = "sysop@gw.example.org:2222";
    EXPECT_EQ(m_config.LoadProfile(2), expected);
}

}  // namespace
}  // namespace brxw
