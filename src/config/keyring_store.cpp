// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/keyring_store.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QFileInfo>
#include <QMap>

#include <memory>
#include <utility>

#include "resources/translate.h"
#include "text/charset.h"

namespace brxw {
namespace {

const QString kSecretService = QStringLiteral("org.freedesktop.secrets");
const QString kServicePath = QStringLiteral("/org/freedesktop/secrets");
const QString kDefaultCollection = QStringLiteral("/org/freedesktop/secrets/aliases/default");
const QString kServiceInterface = QStringLiteral("org.freedesktop.Secret.Service");
const QString kCollectionInterface = QStringLiteral("org.freedesktop.Secret.Collection");
const QString kItemInterface = QStringLiteral("org.freedesktop.Secret.Item");
const QString kPromptInterface = QStringLiteral("org.freedesktop.Secret.Prompt");
const QString kSessionInterface = QStringLiteral("org.freedesktop.Secret.Session");
// A connection of the keyring's own: after the session bus itself went away it is made again.
const QString kConnectionName = QStringLiteral("brxw-keyring");

// The item types: ours, and the one earlier versions wrote.
const QString kText = QStringLiteral("plaintext");
const QString kBase64 = QStringLiteral("base64");

using Attributes = QMap<QString, QString>;
using Paths = QList<QDBusObjectPath>;

}  // namespace

// The Secret Service's secret, (oayays).
struct KeyringSecret {
    QDBusObjectPath session;
    QByteArray parameters;
    QByteArray value;
    QString contentType;
};

QDBusArgument& operator<<(QDBusArgument& argument, const KeyringSecret& secret) {
    argument.beginStructure();
    argument << secret.session << secret.parameters << secret.value << secret.contentType;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, KeyringSecret& secret) {
    argument.beginStructure();
    argument >> secret.session >> secret.parameters >> secret.value >> secret.contentType;
    argument.endStructure();
    return argument;
}

}  // namespace brxw

Q_DECLARE_METATYPE(brxw::KeyringSecret)

namespace brxw {
namespace {

void RegisterTypes() {
    static const bool registered = [] {
        qDBusRegisterMetaType<KeyringSecret>();
        qDBusRegisterMetaType<Attributes>();
        return true;
    }();
    (void)registered;
}

QDBusConnection Bus() {
    QDBusConnection bus(kConnectionName);
    if (!bus.isConnected()) {
        QDBusConnection::disconnectFromBus(kConnectionName);
        bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnectionName);
    }
    return bus;
}

Attributes EntryAttributes(const QString& entry, const QString& type = {}) {
    Attributes attributes{{QStringLiteral("server"), QString::fromLatin1(kKeyringService)},
                          {QStringLiteral("user"), entry}};
    if (!type.isEmpty()) {
        attributes.insert(QStringLiteral("type"), type);
    }
    return attributes;
}

// Errors after which the same request may succeed when asked again: the daemon was restarted
// (our session or object is unknown to the new one) or is just coming up.
bool Transient(const QString& name) {
    return name == QLatin1String("org.freedesktop.Secret.Error.NoSession") ||
           name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
           name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner") ||
           name == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
           name == QLatin1String("org.freedesktop.DBus.Error.Disconnected") ||
           name == QLatin1String("org.freedesktop.DBus.Error.UnknownObject") ||
           name == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod");
}

QString Locked() {
    return Tr("brxw::KeyringStore", "The keyring is locked, and it was not unlocked.");
}

// One operation's conversation with the Secret Service: the calls in turn, the prompts it has
// to show, the session it opened. It deletes itself after its last answer.
class SecretJob : public QObject {
    Q_OBJECT
public:
    // An error of the bus or of the Secret Service: its name and its text.
    using Failed = std::function<void(const QString& name, const QString& text)>;
    using Replied = std::function<void(const QList<QVariant>& arguments)>;

    SecretJob(QDBusConnection bus, Failed failed)
        : m_bus(std::move(bus)), m_failed(std::move(failed)) {}
    ~SecretJob() override {
        if (!m_session.path().isEmpty()) {
            m_bus.asyncCall(QDBusMessage::createMethodCall(
                kSecretService, m_session.path(), kSessionInterface, QStringLiteral("Close")));
        }
    }

    // `failed`: instead of failing the job.
    void Call(const QString& path, const QString& interface, const QString& method,
              const QList<QVariant>& arguments, Replied replied, Failed failed = nullptr) {
        QDBusMessage message =
            QDBusMessage::createMethodCall(kSecretService, path, interface, method);
        message.setArguments(arguments);
        auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this, replied = std::move(replied),
                 failed = std::move(failed)](QDBusPendingCallWatcher* call) {
                    call->deleteLater();
                    const QDBusMessage reply = call->reply();
                    if (reply.type() != QDBusMessage::ReplyMessage) {
                        if (failed) {
                            failed(reply.errorName(), reply.errorMessage());
                            return;
                        }
                        Fail(reply.errorName(), reply.errorMessage());
                        return;
                    }
                    replied(reply.arguments());
                });
    }

    // Unlocks the objects, through the keyring's prompt when it asks for one; `then` runs when
    // they are unlocked, a prompt that was dismissed or could not be shown fails as locked.
    void Unlock(const Paths& objects, std::function<void()> then) {
        Call(kServicePath, kServiceInterface, QStringLiteral("Unlock"),
             {QVariant::fromValue(objects)},
             [this, then = std::move(then)](const QList<QVariant>& reply) {
                 const auto prompt = reply.value(1).value<QDBusObjectPath>();
                 RunPrompt(prompt, [this, then](bool dismissed, const QVariant&) {
                     if (dismissed) {
                         Fail(QStringLiteral("org.freedesktop.Secret.Error.IsLocked"), Locked());
                         return;
                     }
                     then();
                 });
             });
    }

    // A plain session: the secret travels unencrypted, over the user's own bus.
    void OpenSession(std::function<void()> then) {
        Call(kServicePath, kServiceInterface, QStringLiteral("OpenSession"),
             {QStringLiteral("plain"), QVariant::fromValue(QDBusVariant(QString()))},
             [this, then = std::move(then)](const QList<QVariant>& reply) {
                 m_session = reply.value(1).value<QDBusObjectPath>();
                 then();
             });
    }
    const QDBusObjectPath& Session() const { return m_session; }

    // "/" is no prompt at all.
    void RunPrompt(const QDBusObjectPath& prompt,
                   std::function<void(bool dismissed, const QVariant& result)> then) {
        if (prompt.path().isEmpty() || prompt.path() == QLatin1String("/")) {
            then(false, {});
            return;
        }
        m_promptDone = std::move(then);
        m_bus.connect(kSecretService, prompt.path(), kPromptInterface, QStringLiteral("Completed"),
                      this, SLOT(PromptCompleted(bool, QDBusVariant)));
        // A prompt that cannot be shown (no prompter, no display) leaves it as it was.
        Call(
            prompt.path(), kPromptInterface, QStringLiteral("Prompt"), {QString()},
            [](const QList<QVariant>&) {},
            [this](const QString&, const QString&) { PromptCompleted(true, QDBusVariant()); });
    }

    void Fail(const QString& name, const QString& text) {
        if (m_ended) {
            return;
        }
        m_ended = true;
        deleteLater();
        m_failed(name,
                 name == QLatin1String("org.freedesktop.Secret.Error.IsLocked") && text != Locked()
                     ? Locked() + QStringLiteral(" (") + text + QLatin1Char(')')
                     : text);
    }
    void End() {
        m_ended = true;
        deleteLater();
    }

private slots:
    void PromptCompleted(bool dismissed, const QDBusVariant& result) {
        if (auto then = std::exchange(m_promptDone, nullptr)) {
            then(dismissed, result.variant());
        }
    }

private:
    QDBusConnection m_bus;
    Failed m_failed;
    QDBusObjectPath m_session;
    std::function<void(bool, const QVariant&)> m_promptDone;
    bool m_ended = false;
};

// Starts a job, or fails at once, for the reason Setup gives, when no keyring can be reached:
// nothing is started then.
template <typename Run>
void Start(const std::function<void(const QString& name, const QString& text)>& failed, Run run) {
    const QString unavailable = KeyringStore::UnavailableReason();
    if (!unavailable.isEmpty()) {
        failed({}, unavailable);
        return;
    }
    run(new SecretJob(Bus(), failed));
}

// Reads the entry of this type: the text entry, else one an earlier version left in base64.
void ReadItem(SecretJob* job, const QString& entry, const QString& type,
              const PasswordStore::ReadDone& done) {
    job->Call(
        kServicePath, kServiceInterface, QStringLiteral("SearchItems"),
        {QVariant::fromValue(EntryAttributes(entry, type))},
        [job, entry, type, done](const QList<QVariant>& reply) {
            const Paths unlocked = qdbus_cast<Paths>(reply.value(0));
            const Paths locked = qdbus_cast<Paths>(reply.value(1));
            if (unlocked.isEmpty() && locked.isEmpty()) {
                if (type == kText) {
                    ReadItem(job, entry, kBase64, done);
                    return;
                }
                job->End();
                done(false, {},
                     Tr("brxw::KeyringStore", "The keyring holds no password for this profile."));
                return;
            }
            const QDBusObjectPath item =
                unlocked.isEmpty() ? locked.constFirst() : unlocked.constFirst();
            job->Unlock({item}, [job, item, type, done] {
                job->OpenSession([job, item, type, done] {
                    job->Call(item.path(), kItemInterface, QStringLiteral("GetSecret"),
                              {QVariant::fromValue(job->Session())},
                              [job, type, done](const QList<QVariant>& secretReply) {
                                  const QByteArray value =
                                      qdbus_cast<KeyringSecret>(secretReply.value(0)).value;
                                  job->End();
                                  done(true,
                                       type == kBase64 ? QByteArray::fromBase64(value).toStdString()
                                                       : QStringToAnsi(QString::fromUtf8(value)),
                                       {});
                              });
                });
            });
        });
}

void ReadAttempt(const QString& entry, const PasswordStore::ReadDone& done, int attempt) {
    const auto failed = [entry, done, attempt](const QString& name, const QString& text) {
        if (attempt == 0 && Transient(name)) {
            ReadAttempt(entry, done, 1);
            return;
        }
        done(false, {}, text);
    };
    Start(failed, [entry, done](SecretJob* job) { ReadItem(job, entry, kText, done); });
}

// Deletes the items one after the other; one that is gone already is what was asked for.
void DeleteItems(SecretJob* job, Paths items, std::function<void()> then) {
    if (items.isEmpty()) {
        then();
        return;
    }
    const QDBusObjectPath item = items.takeFirst();
    job->Call(item.path(), kItemInterface, QStringLiteral("Delete"), {},
              [job, items, then = std::move(then)](const QList<QVariant>& reply) {
                  job->RunPrompt(
                      reply.value(0).value<QDBusObjectPath>(),
                      [job, items, then](bool, const QVariant&) { DeleteItems(job, items, then); });
              });
}

void WriteAttempt(const QString& entry, const QString& label, const std::string& password,
                  const PasswordStore::Done& done, int attempt) {
    const auto failed = [=](const QString& name, const QString& text) {
        if (attempt == 0 && Transient(name)) {
            WriteAttempt(entry, label, password, done, 1);
            return;
        }
        done(false, text);
    };
    Start(failed, [=](SecretJob* job) {
        job->Unlock({QDBusObjectPath(kDefaultCollection)}, [=] {
            job->OpenSession([=] {
                const QVariantMap properties{
                    {QStringLiteral("org.freedesktop.Secret.Item.Label"), label},
                    {QStringLiteral("org.freedesktop.Secret.Item.Attributes"),
                     QVariant::fromValue(EntryAttributes(entry, kText))}};
                const KeyringSecret secret{job->Session(),
                                           {},
                                           AnsiToQString(password).toUtf8(),
                                           QStringLiteral("text/plain; charset=utf8")};
                job->Call(
                    kDefaultCollection, kCollectionInterface, QStringLiteral("CreateItem"),
                    {properties, QVariant::fromValue(secret), true},
                    [=](const QList<QVariant>& reply) {
                        job->RunPrompt(
                            reply.value(1).value<QDBusObjectPath>(),
                            [=](bool dismissed, const QVariant&) {
                                if (dismissed) {
                                    job->Fail(
                                        QStringLiteral("org.freedesktop.Secret.Error.IsLocked"),
                                        Locked());
                                    return;
                                }
                                // The entry an earlier version wrote goes: one password each.
                                job->Call(kServicePath, kServiceInterface,
                                          QStringLiteral("SearchItems"),
                                          {QVariant::fromValue(EntryAttributes(entry, kBase64))},
                                          [=](const QList<QVariant>& found) {
                                              DeleteItems(job, qdbus_cast<Paths>(found.value(0)),
                                                          [job, done] {
                                                              job->End();
                                                              done(true, {});
                                                          });
                                          });
                            });
                    });
            });
        });
    });
}

void RemoveAttempt(const QString& entry, const PasswordStore::Done& done, int attempt) {
    const auto failed = [=](const QString& name, const QString& text) {
        if (attempt == 0 && Transient(name)) {
            RemoveAttempt(entry, done, 1);
            return;
        }
        done(false, text);
    };
    Start(failed, [=](SecretJob* job) {
        job->Call(kServicePath, kServiceInterface, QStringLiteral("SearchItems"),
                  {QVariant::fromValue(EntryAttributes(entry))}, [=](const QList<QVariant>& reply) {
                      const Paths unlocked = qdbus_cast<Paths>(reply.value(0));
                      const Paths locked = qdbus_cast<Paths>(reply.value(1));
                      const auto remove = [=] {
                          DeleteItems(job, unlocked + locked, [job, done] {
                              job->End();
                              done(true, {});
                          });
                      };
                      if (locked.isEmpty()) {
                          remove();  // none at all: gone already, which is what was asked
                      } else {
                          job->Unlock(locked, remove);
                      }
                  });
    });
}

}  // namespace

void KeyringStore::Read(const QString& entry, ReadDone done) {
    ReadAttempt(entry, done, 0);
}

void KeyringStore::Write(const QString& entry, const QString& label, const std::string& password,
                         Done done) {
    WriteAttempt(entry, label, password, done, 0);
}

void KeyringStore::Remove(const QString& entry, Done done) {
    RemoveAttempt(entry, done, 0);
}

QString KeyringStore::UnavailableReason() {
    // Without an address or the usual socket, asking for the bus would make the bus library
    // start a bus of its own (autolaunch), which would outlive the program.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") &&
        (runtime.isEmpty() || !QFileInfo::exists(runtime + QStringLiteral("/bus")))) {
        return Tr("brxw::KeyringStore", "No desktop session bus: no keyring can be reached.");
    }
    RegisterTypes();
    QDBusConnection bus = Bus();
    if (!bus.isConnected()) {
        return Tr("brxw::KeyringStore", "No desktop session bus: no keyring can be reached.");
    }
    QDBusConnectionInterface* names = bus.interface();
    if (names == nullptr) {
        return Tr("brxw::KeyringStore", "The session bus does not answer.");
    }
    if (names->isServiceRegistered(kSecretService).value()) {
        return {};
    }
    if (names->activatableServiceNames().value().contains(kSecretService)) {
        return {};
    }
    return Tr("brxw::KeyringStore", "No keyring service (Secret Service) runs on the session bus.");
}

}  // namespace brxw

#include "keyring_store.moc"
