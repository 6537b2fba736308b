// SPDX-License-Identifier: GPL-3.0-or-later
// A profile's password in the desktop's keyring: Setup's choice moves it out of BrxW.ini and
// back, and the login reads it, against a real Secret Service (run_with_keyring.sh gives this
// program a private one); and what happens when the keyring refuses, against a fake.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <optional>

#include "config/app_config.h"
#include "config/keyring_store.h"
#include "config/password_store.h"
#include "link/session.h"
#include "settings/keyring_setup.h"
#include "support/fake_session_host.h"
#include "support/running_peer.h"
#include "support/wait.h"

namespace brxw {
namespace {

using test::WaitUntil;

// Answers every call at once, each as told.
class RefusingStore : public PasswordStore {
public:
    void Read(const QString&, ReadDone done) override { done(false, {}, QStringLiteral("locked")); }
    void Write(const QString&, const std::string&, Done done) override {
        ++writes;
        done(false, QStringLiteral("The collection is locked"));
    }
    void Remove(const QString&, Done done) override {
        ++removes;
        done(true, {});
    }
    int writes = 0;
    int removes = 0;
};

class KeyringE2E : public ::testing::Test {
protected:
    KeyringE2E() : m_config(m_dir.filePath(QStringLiteral("BrxW.ini"))) {}

    void SetUp() override {
        ASSERT_TRUE(m_peer.Start());
        RemoteConfig profile = AppConfig::DefaultProfile(0);
        profile.hostName = "127.0.0.1";
        profile.port = m_peer.Port();
        profile.password = kDefaultPassword;  // what the peer expects
        ASSERT_TRUE(m_config.SaveProfile(0, profile));
    }

    QByteArray IniText() {
        QFile file(m_config.Store().Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Runs the choice and waits for its answer: the message, or nullopt when none came.
    std::optional<QString> Choose(PasswordStore& store, bool wasKept, bool keep,
                                  const std::string& typed) {
        std::optional<QString> message;
        ApplyKeyringChoice(m_config, store, 0, wasKept, keep, typed,
                           [&](const QString& text) { message = text; });
        WaitUntil([&] { return message.has_value(); }, 10000);
        return message;
    }

    bool LogIn() {
        const int before = m_host.logins;
        m_session.Connect(0);
        return WaitUntil([&] { return m_host.logins > before && m_peer.LoggedInCount() > 0; },
                         10000);
    }

    QTemporaryDir m_dir;
    AppConfig m_config;
    test::RunningPeer m_peer;
    test::FakeSessionHost m_host;
    Session m_session{m_config, m_host, Session::Timing{10, 3600 * 1000}};
};

TEST_F(KeyringE2E, PasswordMovesToTheKeyringTheLoginReadsItAndItComesBack) {
    if (!KeyringStore::UnavailableReason().isEmpty()) {
        GTEST_SKIP() << "no Secret Service on the session bus: run through run_with_keyring.sh";
    }
    KeyringStore keyring;
    m_session.SetPasswordStore(&keyring);

    ASSERT_EQ(Choose(keyring, false, true, kDefaultPassword), QString());
    const QByteArray kept = IniText();
    EXPECT_FALSE(kept.contains("7305")) << kept.constData();
    EXPECT_TRUE(kept.contains("Password=\r\n")) << kept.constData();
    EXPECT_TRUE(kept.contains("Password In Keyring=1")) << kept.constData();
    const RemoteConfig loaded = m_config.LoadProfile(0);
    EXPECT_TRUE(loaded.passwordInKeyring);
    EXPECT_EQ(loaded.password, "");  // not the default standing in for the keyring's

    ASSERT_TRUE(LogIn()) << m_host.LastStatus();
    EXPECT_EQ(m_session.Remote().password, kDefaultPassword);
    m_session.Disconnect();
    ASSERT_TRUE(WaitUntil([&] { return m_peer.LoggedInCount() == 0; }));

    // Unset: back into BrxW.ini, and the keyring forgets it.
    ASSERT_EQ(Choose(keyring, true, false, ""), QString());
    const QByteArray back = IniText();
    EXPECT_TRUE(back.contains("Password=7305\r\n")) << back.constData();
    EXPECT_TRUE(back.contains("Password In Keyring=0")) << back.constData();
    std::optional<bool> found;
    keyring.Read(KeyringEntry(m_config, 0),
                 [&](bool ok, const std::string&, const QString&) { found = ok; });
    ASSERT_TRUE(WaitUntil([&] { return found.has_value(); }, 10000));
    EXPECT_FALSE(*found);

    // A profile marked for the keyring whose entry is missing: no login is attempted with a
    // wrong (default) password, and the operator reads the keyring's reason.
    ASSERT_TRUE(m_config.WriteSetting("Remote 0", kPasswordInKeyringKey, "1"));
    m_session.Connect(0);
    ASSERT_TRUE(WaitUntil([&] { return m_session.CurrentState() == Session::State::Idle; }, 10000));
    EXPECT_NE(m_host.LastStatus().find("Cannot read the password of"), std::string::npos)
        << m_host.LastStatus();
    EXPECT_EQ(m_host.warnings.size(), 1u);
    EXPECT_EQ(m_peer.ConnectionCount(), 0);
}

TEST_F(KeyringE2E, NothingIsLostWhenTheKeyringRefuses) {
    RefusingStore store;
    // Setting the box: the password stays in BrxW.ini and the operator is told why.
    const auto refused = Choose(store, false, true, kDefaultPassword);
    ASSERT_TRUE(refused.has_value());
    EXPECT_TRUE(refused->contains(QStringLiteral("The collection is locked")))
        << refused->toStdString();
    EXPECT_TRUE(IniText().contains("Password=7305\r\n"));
    EXPECT_FALSE(IniText().contains("Password In Keyring"));
    EXPECT_FALSE(m_config.LoadProfile(0).passwordInKeyring);

    // Unsetting it while the keyring cannot be read: the profile still reads the keyring, and
    // its entry is not removed.
    ASSERT_TRUE(
        m_config.WriteSettings("Remote 0", {{"Password", ""}, {kPasswordInKeyringKey, "1"}}));
    const auto unreadable = Choose(store, true, false, "");
    ASSERT_TRUE(unreadable.has_value());
    EXPECT_TRUE(unreadable->contains(QStringLiteral("locked")));
    EXPECT_TRUE(m_config.LoadProfile(0).passwordInKeyring);
    EXPECT_EQ(store.removes, 0);

    // A profile without the box never asks the keyring, and logs in as always.
    ASSERT_TRUE(
        m_config.WriteSettings("Remote 0", {{"Password", "7305"}, {kPasswordInKeyringKey, "0"}}));
    m_session.SetPasswordStore(&store);
    const int writes = store.writes;
    ASSERT_TRUE(LogIn());
    EXPECT_EQ(store.writes, writes);
}

}  // namespace
}  // namespace brxw
