// SPDX-License-Identifier: GPL-3.0-or-later
// A profile's password in the desktop's keyring: Setup's choice moves it out of BrxW.ini and
// back, and the login reads it, against a real Secret Service (run_with_keyring.sh gives this
// program a private one and says so in BRXW_KEYRING_EXPECTED): the entry as a keyring tool shows
// it, a keyring daemon restarted under the program, a locked keyring, an entry an earlier
// version stored in base64, and no session bus at all; and what happens when the keyring
// refuses, against a fake.
#include <gtest/gtest.h>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QFile>
#include <QProcess>
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

// What a keyring tool sees of the program's entries, asked over the bus directly.
struct Secret {
    QDBusObjectPath session;
    QByteArray parameters;
    QByteArray value;
    QString contentType;
};
QDBusArgument& operator<<(QDBusArgument& argument, const Secret& secret) {
    argument.beginStructure();
    argument << secret.session << secret.parameters << secret.value << secret.contentType;
    argument.endStructure();
    return argument;
}
const QDBusArgument& operator>>(const QDBusArgument& argument, Secret& secret) {
    argument.beginStructure();
    argument >> secret.session >> secret.parameters >> secret.value >> secret.contentType;
    argument.endStructure();
    return argument;
}

}  // namespace
}  // namespace brxw
Q_DECLARE_METATYPE(brxw::Secret)
namespace brxw {
namespace {

using StringMap = QMap<QString, QString>;
const QString kSecrets = QStringLiteral("org.freedesktop.secrets");
const QString kSecretsPath = QStringLiteral("/org/freedesktop/secrets");
const QString kDefault = QStringLiteral("/org/freedesktop/secrets/aliases/default");

QDBusMessage Ask(const QString& path, const QString& interface, const QString& method,
                 const QList<QVariant>& arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(kSecrets, path, interface, method);
    call.setArguments(arguments);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 10000);
}

QDBusObjectPath PlainSession() {
    return Ask(kSecretsPath, QStringLiteral("org.freedesktop.Secret.Service"),
               QStringLiteral("OpenSession"),
               {QStringLiteral("plain"), QVariant::fromValue(QDBusVariant(QString()))})
        .arguments()
        .value(1)
        .value<QDBusObjectPath>();
}

struct Item {
    QString label;
    QString type;
    QByteArray secret;
};

std::vector<Item> Items(const QString& entry) {
    const QDBusMessage found =
        Ask(kSecretsPath, QStringLiteral("org.freedesktop.Secret.Service"),
            QStringLiteral("SearchItems"),
            {QVariant::fromValue(StringMap{{"server", "brxW"}, {"user", entry}})});
    std::vector<Item> items;
    const QDBusObjectPath session = PlainSession();
    for (const auto& path : qdbus_cast<QList<QDBusObjectPath>>(found.arguments().value(0))) {
        QDBusMessage get = QDBusMessage::createMethodCall(
            kSecrets, path.path(), QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        Item item;
        get.setArguments({QStringLiteral("org.freedesktop.Secret.Item"), QStringLiteral("Label")});
        item.label =
            qdbus_cast<QDBusVariant>(QDBusConnection::sessionBus().call(get).arguments().value(0))
                .variant()
                .toString();
        get.setArguments(
            {QStringLiteral("org.freedesktop.Secret.Item"), QStringLiteral("Attributes")});
        const QDBusVariant attributes =
            qdbus_cast<QDBusVariant>(QDBusConnection::sessionBus().call(get).arguments().value(0));
        item.type = qdbus_cast<StringMap>(attributes.variant()).value("type");
        item.secret =
            qdbus_cast<Secret>(Ask(path.path(), QStringLiteral("org.freedesktop.Secret.Item"),
                                   QStringLiteral("GetSecret"), {QVariant::fromValue(session)})
                                   .arguments()
                                   .value(0))
                .value;
        items.push_back(item);
    }
    return items;
}

// An entry as the earlier versions stored it: the password's bytes in base64.
bool StoreOldEntry(const QString& entry, const QByteArray& password) {
    const QVariantMap properties{
        {QStringLiteral("org.freedesktop.Secret.Item.Label"), QStringLiteral("brxW")},
        {QStringLiteral("org.freedesktop.Secret.Item.Attributes"),
         QVariant::fromValue(StringMap{{"server", "brxW"}, {"user", entry}, {"type", "base64"}})}};
    const Secret secret{PlainSession(), {}, password.toBase64(), QStringLiteral("text/plain")};
    return Ask(kDefault, QStringLiteral("org.freedesktop.Secret.Collection"),
               QStringLiteral("CreateItem"), {properties, QVariant::fromValue(secret), true})
               .type() == QDBusMessage::ReplyMessage;
}

// The keyring daemon replaced by a new one, as after a crash and a restart; it unlocks the same
// keyring with the wrapper's password. Ended by the caller's QProcess.
bool RestartKeyring(QProcess& daemon) {
    QDBusConnectionInterface* names = QDBusConnection::sessionBus().interface();
    const QString before = names->serviceOwner(kSecrets).value();
    daemon.start(QStringLiteral("gnome-keyring-daemon"),
                 {QStringLiteral("--replace"), QStringLiteral("--foreground"),
                  QStringLiteral("--unlock"), QStringLiteral("--components=secrets")});
    if (!daemon.waitForStarted(10000)) {
        return false;
    }
    daemon.write(qgetenv("BRXW_KEYRING_PASSWORD"));
    daemon.closeWriteChannel();
    return WaitUntil(
        [&] {
            const QString now = names->serviceOwner(kSecrets).value();
            return !now.isEmpty() && now != before;
        },
        10000);
}

// Answers every call at once, each as told.
class RefusingStore : public PasswordStore {
public:
    void Read(const QString&, ReadDone done) override { done(false, {}, QStringLiteral("locked")); }
    void Write(const QString&, const QString&, const std::string&, Done done) override {
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
    // Whether a keyring is there is the wrapper's word, never the code's under test.
    if (qEnvironmentVariableIsEmpty("BRXW_KEYRING_EXPECTED")) {
        GTEST_SKIP() << "no private keyring: run through run_with_keyring.sh";
    }
    // Its bus has an address but no $XDG_RUNTIME_DIR/bus: reachable all the same.
    ASSERT_EQ(KeyringStore::UnavailableReason(), QString());
    qDBusRegisterMetaType<Secret>();
    qDBusRegisterMetaType<StringMap>();
    KeyringStore keyring;
    m_session.SetPasswordStore(&keyring);
    const QString entry = KeyringEntry(m_config, 0);
    const auto read = [&] {
        std::optional<std::pair<bool, std::string>> answer;
        keyring.Read(entry, [&](bool ok, const std::string& password, const QString& error) {
            answer.emplace(ok, ok ? password : error.toStdString());
        });
        EXPECT_TRUE(WaitUntil([&] { return answer.has_value(); }, 15000));
        return answer.value_or(std::make_pair(false, std::string("no answer")));
    };

    // An entry an earlier version left in base64 is read, and replaced by the text one.
    ASSERT_TRUE(StoreOldEntry(entry, "7305"));
    EXPECT_EQ(read(), std::make_pair(true, std::string("7305")));

    ASSERT_EQ(Choose(keyring, false, true, kDefaultPassword), QString());
    // A keyring tool shows the profile and its BBS, and the password as text.
    const std::vector<Item> items = Items(entry);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].label, QStringLiteral("brxW: Remote 0 (127.0.0.1:%1)").arg(m_peer.Port()));
    EXPECT_EQ(items[0].type, QStringLiteral("plaintext"));
    EXPECT_EQ(items[0].secret, QByteArray("7305"));
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

    // The keyring daemon restarted under the running program: the next login reads again.
    QProcess daemon;
    ASSERT_TRUE(RestartKeyring(daemon)) << daemon.readAllStandardError().toStdString();
    ASSERT_TRUE(LogIn()) << m_host.LastStatus();
    m_session.Disconnect();
    ASSERT_TRUE(WaitUntil([&] { return m_peer.LoggedInCount() == 0; }));

    // Locked, and no prompt can unlock it (no display): it says so, not that nothing is there.
    ASSERT_EQ(
        Ask(kSecretsPath, QStringLiteral("org.freedesktop.Secret.Service"), QStringLiteral("Lock"),
            {QVariant::fromValue(QList<QDBusObjectPath>{QDBusObjectPath(kDefault)})})
            .type(),
        QDBusMessage::ReplyMessage);
    const auto locked = read();
    EXPECT_FALSE(locked.first);
    EXPECT_NE(locked.second.find("locked"), std::string::npos) << locked.second;
    daemon.terminate();
    daemon.waitForFinished(5000);
    QProcess unlocked;
    ASSERT_TRUE(RestartKeyring(unlocked)) << unlocked.readAllStandardError().toStdString();

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
    EXPECT_TRUE(Items(entry).empty());
    // Removing what is gone already is what was asked for.
    std::optional<bool> removed;
    keyring.Remove(entry, [&](bool ok, const QString&) { removed = ok; });
    ASSERT_TRUE(WaitUntil([&] { return removed.has_value(); }, 10000));
    EXPECT_TRUE(*removed);

    // A profile marked for the keyring whose entry is missing: no login is attempted with a
    // wrong (default) password, and the operator reads the keyring's reason.
    ASSERT_TRUE(m_config.WriteSetting("Remote 0", kPasswordInKeyringKey, "1"));
    m_session.Connect(0);
    ASSERT_TRUE(WaitUntil([&] { return m_session.CurrentState() == Session::State::Idle; }, 10000));
    EXPECT_NE(m_host.LastStatus().find("Cannot read the password of"), std::string::npos)
        << m_host.LastStatus();
    EXPECT_EQ(m_host.warnings.size(), 1u);
    EXPECT_EQ(m_peer.ConnectionCount(), 0);

    // No session bus known: the login says so at once and touches no bus (which would start one
    // of its own, a keyring and an unlock prompt).
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    const QString noBus = KeyringStore::UnavailableReason();
    EXPECT_FALSE(noBus.isEmpty());
    std::optional<QString> refused;
    keyring.Write(entry, QStringLiteral("x"), "7305",
                  [&](bool ok, const QString& error) { refused = ok ? QString() : error; });
    EXPECT_EQ(refused, noBus);  // at once, without waiting for anything
    m_session.Connect(0);
    ASSERT_TRUE(WaitUntil([&] { return m_session.CurrentState() == Session::State::Idle; }, 10000));
    EXPECT_NE(m_host.LastStatus().find(noBus.toStdString()), std::string::npos)
        << m_host.LastStatus();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    unlocked.terminate();
    unlocked.waitForFinished(5000);
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
