// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/keyring_store.h"

#include <qt6keychain/keychain.h>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFileInfo>

#include <utility>

#include "resources/translate.h"

namespace brxw {
namespace {

const QString kSecretService = QStringLiteral("org.freedesktop.secrets");

template <typename JobT>
JobT* NewJob(const QString& entry) {
    auto* job = new JobT(QString::fromLatin1(kKeyringService));
    job->setAutoDelete(true);  // deleted once it has told its end
    job->setKey(entry);
    return job;
}

}  // namespace

void KeyringStore::Read(const QString& entry, ReadDone done) {
    auto* job = NewJob<QKeychain::ReadPasswordJob>(entry);
    QObject::connect(job, &QKeychain::Job::finished, job,
                     [job, done = std::move(done)](QKeychain::Job*) {
                         if (job->error() != QKeychain::NoError) {
                             done(false, {}, job->errorString());
                             return;
                         }
                         const QByteArray bytes = job->binaryData();
                         done(true, std::string(bytes.constData(), std::size_t(bytes.size())), {});
                     });
    job->start();
}

void KeyringStore::Write(const QString& entry, const std::string& password, Done done) {
    auto* job = NewJob<QKeychain::WritePasswordJob>(entry);
    // The bytes as BrxW.ini held them (the ANSI code page): the login digests exactly these.
    job->setBinaryData(QByteArray(password.data(), qsizetype(password.size())));
    QObject::connect(job, &QKeychain::Job::finished, job,
                     [job, done = std::move(done)](QKeychain::Job*) {
                         done(job->error() == QKeychain::NoError, job->errorString());
                     });
    job->start();
}

void KeyringStore::Remove(const QString& entry, Done done) {
    auto* job = NewJob<QKeychain::DeletePasswordJob>(entry);
    QObject::connect(
        job, &QKeychain::Job::finished, job, [job, done = std::move(done)](QKeychain::Job*) {
            // An entry that is gone already is what was asked for.
            const bool ok =
                job->error() == QKeychain::NoError || job->error() == QKeychain::EntryNotFound;
            done(ok, job->errorString());
        });
    job->start();
}

QString KeyringStore::UnavailableReason() {
    // Without an address or the usual socket, asking for the bus would make the bus library
    // start a bus of its own (autolaunch), which would outlive the program and hold no keyring.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") &&
        (runtime.isEmpty() || !QFileInfo::exists(runtime + QStringLiteral("/bus")))) {
        return Tr("brxw::KeyringStore", "No desktop session bus: no keyring can be reached.");
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
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
