// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/setup_dlg.h"

#include "config/app_config.h"
#include "config/config_test_support.h"
#include "config/password_store.h"
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
#include <QTranslator>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
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
         SetupField::SshHost, QString::fromStdString(BadSshHostMessage(""))},
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

// German as a translator gives it: the dialog's texts, and its checks' messages with letters
// beyond ASCII; one format comes back with other conversions than the English one.
class GermanSetup : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (std::string_view(context) != "brxw::CSetupDlg") {
            return {};
        }
        const std::string_view text(source);
        if (text == "Setup") {
            return QStringLiteral("Einrichtung");
        }
        if (text == "Please enter an integer between %d and %d.") {
            return QStringLiteral("Bitte eine ganze Zahl von %d bis %d wählen.");
        }
        if (text == "Please enter no more than %zu characters.") {
            return QStringLiteral("Höchstens %s Zeichen.");  // would read a number as a string
        }
        return {};
    }
};

TEST(SetupDlgTest, ReadsInTheSysopsLanguageAndKeepsAFormatThatLostItsConversions) {
    GermanSetup german;
    ASSERT_TRUE(QCoreApplication::installTranslator(&german));
    const std::unique_ptr<GermanSetup, bool (*)(QTranslator*)> installed(
        &german, QCoreApplication::removeTranslator);
    RemoteConfig longCallsign = kProfile;
    longCallsign.callsign = "QA1ABCDEFG";
    const std::pair<RemoteConfig, QString> cases[] = {
        {kProfile, QStringLiteral("Bitte eine ganze Zahl von 0 bis 10000 wählen.")},
        {longCallsign, QStringLiteral("Please enter no more than 9 characters.")},
    };
    for (const auto& [profile, message] : cases) {
        std::vector<QString> messages;
        CSetupDlg dlg(profile);
        EXPECT_EQ(dlg.windowTitle(), "Einrichtung");
        dlg.SetMessageHook([&](QWidget*, const QString& m) { messages.push_back(m); });
        dlg.Edit(SetupField::Port)->setText("10001");
        dlg.accept();
        EXPECT_EQ(messages, std::vector<QString>{message});
    }
}

class RunSetupTest : public testing::Test {
protected:
    // Runs the set-up of profile n, acting on the modal dialog once it shows.
    std::optional<SetupOutcome> Run(int n, std::function<void(CSetupDlg&)> act,
                                    PasswordStore* keyring = nullptr,
                                    const QString& unavailable = {}) {
        QTimer::singleShot(0, [act] {
            auto* dlg = qobject_cast<CSetupDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            act(*dlg);
        });
        return RunSetup(m_config, n, nullptr, keyring, unavailable);
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

// A keyring in memory that answers at once.
class MemoryKeyring : public PasswordStore {
public:
    void Read(const QString& entry, ReadDone done) override {
        const auto it = entries.find(entry);
        it == entries.end() ? done(false, {}, QStringLiteral("No such entry"))
                            : done(true, it->second, {});
    }
    void Write(const QString& entry, const QString&, const std::string& password,
               Done done) override {
        if (refuse) {
            done(false, QStringLiteral("The collection is locked"));
            return;
        }
        entries[entry] = password;
        done(true, {});
    }
    void Remove(const QString& entry, Done done) override {
        entries.erase(entry);
        done(true, {});
    }
    std::map<QString, std::string> entries;
    bool refuse = false;
};

TEST_F(RunSetupTest, KeyringBoxMovesThePasswordOutOfTheFileAndBack) {
    ASSERT_TRUE(m_config.SaveProfile(2, kProfile));
    const std::string before = File();
    // Without a keyring service the box is grayed and says why; nothing else changes.
    const QString reason = QStringLiteral("No keyring service (Secret Service) runs here.");
    ASSERT_TRUE(Run(
                    2,
                    [&reason](CSetupDlg& d) {
                        EXPECT_FALSE(d.KeyringBox()->isEnabled());
                        EXPECT_EQ(d.KeyringBox()->toolTip(), reason);
                        d.accept();
                    },
                    nullptr, reason)
                    .has_value());
    EXPECT_EQ(File(), before);

    MemoryKeyring keyring;
    ASSERT_TRUE(Run(
                    2,
                    [](CSetupDlg& d) {
                        EXPECT_TRUE(d.KeyringBox()->isEnabled());
                        d.KeyringBox()->setChecked(true);
                        d.accept();
                    },
                    &keyring)
                    .has_value());
    EXPECT_EQ(File().find("secret"), std::string::npos) << File();
    EXPECT_NE(File().find("Password In Keyring=1"), std::string::npos);
    EXPECT_EQ(keyring.entries[KeyringEntry(m_config, 2)], "secret");

    ASSERT_TRUE(Run(
                    2,
                    [](CSetupDlg& d) {
                        EXPECT_TRUE(d.KeyringBox()->isChecked());
                        EXPECT_EQ(d.Edit(SetupField::Password)->text(), "");
                        d.KeyringBox()->setChecked(false);
                        d.accept();
                    },
                    &keyring)
                    .has_value());
    EXPECT_NE(File().find("Password=secret\r\n"), std::string::npos) << File();
    EXPECT_TRUE(keyring.entries.empty());
    EXPECT_EQ(m_config.LoadProfile(2), kProfile);

    // A keyring that refuses: the password stays in the file, and the outcome says why.
    keyring.refuse = true;
    const std::optional<SetupOutcome> refused = Run(
        2,
        [](CSetupDlg& d) {
            d.KeyringBox()->setChecked(true);
            d.accept();
        },
        &keyring);
    ASSERT_TRUE(refused.has_value());
    EXPECT_NE(refused->keyringProblem.find("The collection is locked"), std::string::npos);
    EXPECT_EQ(m_config.LoadProfile(2), kProfile);
}

}  // namespace
}  // namespace brxw
