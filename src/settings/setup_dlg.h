// SPDX-License-Identifier: GPL-3.0-or-later
// CSetupDlg: the modal "Setup" dialog in which the operator edits one connection profile (name,
// host, port, callsign, password, automatic connection). The control panel creates it on the
// stack from its Config menu and runs it (RunSetup below does the whole round); it lives only
// while shown. UI thread only.
//
// The edit boxes refuse typing beyond their limits; OK checks the fields in the order callsign,
// name, host name, password, port, SSH host (settings/profile_setup.h), shows the first
// failure's message, puts the focus on that field and keeps the dialog open.
#pragma once

#include "config/remote_config.h"
#include "settings/profile_setup.h"

#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;

namespace brxw {

class AppConfig;
class PasswordStore;

class CSetupDlg : public QDialog {
    Q_OBJECT
public:
    // Shows a validation message; the default is a warning box captioned "brxW". Tests replace
    // it to record the message instead of blocking in a modal box.
    using MessageHook = std::function<void(QWidget* parent, const QString& message)>;

    explicit CSetupDlg(const RemoteConfig& profile, QWidget* parent = nullptr);

    // Grays "Keep the password in the desktop's keyring" and says why beside it (its tooltip);
    // an empty reason leaves it as it is.
    void SetKeyringUnavailable(const QString& reason);

    void SetMessageHook(MessageHook hook) { m_showMessage = std::move(hook); }

    // The checked profile; valid once the dialog was accepted.
    const RemoteConfig& Profile() const { return m_profile; }
    // The fields as typed now.
    SetupFields Fields() const;
    // The edit box of a field (null for None and AutoConnect).
    QLineEdit* Edit(SetupField field) const;
    QCheckBox* AutoConnectBox() const { return m_autoConnect; }
    QCheckBox* KeyringBox() const { return m_keyring; }
    bool KeepInKeyring() const;

public slots:
    void accept() override;

private:
    QLineEdit* AddEdit(const QString& text, std::size_t limit, std::size_t current);

    QLineEdit* m_name = nullptr;
    QLineEdit* m_hostName = nullptr;
    QLineEdit* m_port = nullptr;
    QLineEdit* m_callsign = nullptr;
    QLineEdit* m_password = nullptr;
    QCheckBox* m_autoConnect = nullptr;
    QCheckBox* m_keyring = nullptr;
    QLineEdit* m_sshHost = nullptr;
    MessageHook m_showMessage;
    RemoteConfig m_profile;
};

// The set-up of profile n: loads it, runs the dialog modally and, when it is confirmed, saves it
// (ApplySetup), then moves the password to or from the keyring as the box says
// (ApplyKeyringChoice); the outcome says why when that could not be done. The keyring
// answers later; meanwhile the program goes on. Without `keyring` the box is grayed. The outcome
// tells the caller which menu items to rename and check; nullopt when the operator cancelled.
std::optional<SetupOutcome> RunSetup(AppConfig& config, int n, QWidget* parent,
                                     PasswordStore* keyring = nullptr,
                                     const QString& keyringUnavailable = {});

}  // namespace brxw
