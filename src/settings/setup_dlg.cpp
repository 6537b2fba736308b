// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/setup_dlg.h"

#include "config/app_config.h"
#include "resources/dialog_fit.h"
#include "resources/strings.h"
#include "resources/translate.h"
#include "settings/keyring_setup.h"
#include "text/charset.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>

namespace brxw {
namespace {

// Five digits hold every port the check accepts.
constexpr std::size_t kPortDigits = 5;

int ToInt(std::size_t n) {
    return static_cast<int>(std::min<std::size_t>(n, 32767));
}

void ShowWarningBox(QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, QString::fromLatin1(str::kPanelTitle), message);
}

}  // namespace

CSetupDlg::CSetupDlg(const RemoteConfig& profile, QWidget* parent)
    : QDialog(parent), m_showMessage(ShowWarningBox), m_profile(profile) {
    setWindowTitle(tr("Setup"));

    auto* grid = new QGridLayout;
    int row = 0;
    auto addRow = [&](const QString& label, QLineEdit* edit) {
        auto* caption = new QLabel(label, this);
        caption->setBuddy(edit);
        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
    };
    const SetupFields fields = FieldsFromProfile(profile);
    m_name = AddEdit(AnsiToQString(fields.name), kSetupNameLimit, fields.name.size());
    addRow(tr("Configuration name"), m_name);
    m_hostName =
        AddEdit(AnsiToQString(fields.hostName), kSetupHostNameLimit, fields.hostName.size());
    addRow(tr("Host name or address"), m_hostName);
    m_port = AddEdit(AnsiToQString(fields.port), kPortDigits, fields.port.size());
    m_port->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_port));
    addRow(tr("Port (default 3286)"), m_port);
    m_callsign =
        AddEdit(AnsiToQString(fields.callsign), kSetupCallsignLimit, fields.callsign.size());
    addRow(tr("Callsign"), m_callsign);
    // Shown in clear, as the operator types it from the server's sysop notes.
    m_password =
        AddEdit(AnsiToQString(fields.password), kSetupPasswordLimit, fields.password.size());
    addRow(tr("Password"), m_password);
    // Empty for a direct connection; else the server's SSH host, reached with the sysop's keys.
    m_sshHost = AddEdit(AnsiToQString(fields.sshHost), kRemoteSshHostLimit, fields.sshHost.size());
    m_sshHost->setObjectName(QStringLiteral("sshHost"));
    m_sshHost->setPlaceholderText(tr("none: direct connection"));
    addRow(tr("SSH tunnel via [user@]host[:port]"), m_sshHost);
    m_autoConnect = new QCheckBox(tr("Autorun connection"), this);
    m_autoConnect->setChecked(fields.autoConnect);
    grid->addWidget(m_autoConnect, row, 1);
    ++row;
    m_keyring = new QCheckBox(tr("Keep the password in the desktop's keyring"), this);
    m_keyring->setObjectName(QStringLiteral("keyring"));
    m_keyring->setChecked(profile.passwordInKeyring);
    grid->addWidget(m_keyring, row, 1);
    if (profile.passwordInKeyring) {
        // BrxW.ini holds no password then; an empty field keeps the keyring's.
        m_password->setPlaceholderText(tr("kept in the keyring; type to change"));
    }

    auto* ok = new QPushButton(tr("&OK"), this);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    ok->setObjectName(QStringLiteral("ok"));
    cancel->setObjectName(QStringLiteral("cancel"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CSetupDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CSetupDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setTabOrder(m_name, m_hostName);
    setTabOrder(m_hostName, m_port);
    setTabOrder(m_port, m_callsign);
    setTabOrder(m_callsign, m_password);
    setTabOrder(m_password, m_sshHost);
    setTabOrder(m_sshHost, m_autoConnect);
    setTabOrder(m_autoConnect, m_keyring);
    setTabOrder(m_keyring, ok);
    setTabOrder(ok, cancel);
    m_name->setFocus();
    FitToScreen(this);
}

void CSetupDlg::SetKeyringUnavailable(const QString& reason) {
    if (reason.isEmpty()) {
        return;
    }
    m_keyring->setEnabled(false);
    m_keyring->setToolTip(reason);
}

bool CSetupDlg::KeepInKeyring() const {
    return m_keyring->isChecked();
}

// A value already longer than the limit (a hand-edited file) is shown whole rather than cut
// silently by the edit box; typing can only make it longer up to its own length, and OK then
// asks the operator to shorten it.
QLineEdit* CSetupDlg::AddEdit(const QString& text, std::size_t limit, std::size_t current) {
    auto* edit = new QLineEdit(this);
    edit->setMaxLength(ToInt(std::max(limit, current)));
    edit->setText(text);
    return edit;
}

QLineEdit* CSetupDlg::Edit(SetupField field) const {
    switch (field) {
        case SetupField::Name:
            return m_name;
        case SetupField::HostName:
            return m_hostName;
        case SetupField::Port:
            return m_port;
        case SetupField::Callsign:
            return m_callsign;
        case SetupField::Password:
            return m_password;
        case SetupField::SshHost:
            return m_sshHost;
        default:
            return nullptr;
    }
}

SetupFields CSetupDlg::Fields() const {
    SetupFields fields;
    fields.name = QStringToAnsi(m_name->text());
    fields.hostName = QStringToAnsi(m_hostName->text());
    fields.port = QStringToAnsi(m_port->text());
    fields.callsign = QStringToAnsi(m_callsign->text());
    fields.password = QStringToAnsi(m_password->text());
    fields.autoConnect = m_autoConnect->isChecked();
    fields.sshHost = QStringToAnsi(m_sshHost->text());
    return fields;
}

void CSetupDlg::accept() {
    SetupValidation result = ValidateSetup(Fields());
    if (!result.Ok()) {
        if (m_showMessage) {
            // The checks word their messages in the ANSI page, as BrxW.ini holds the fields.
            m_showMessage(this, AnsiToQString(result.message));
        }
        if (QLineEdit* edit = Edit(result.failed)) {
            edit->setFocus();
            edit->selectAll();
        }
        return;
    }
    m_profile = std::move(result.profile);
    QDialog::accept();
}

std::optional<SetupOutcome> RunSetup(AppConfig& config, int n, QWidget* parent,
                                     PasswordStore* keyring, const QString& keyringUnavailable) {
    const RemoteConfig loaded = config.LoadProfile(n);
    CSetupDlg dialog(loaded, parent);
    dialog.SetKeyringUnavailable(
        keyring == nullptr && keyringUnavailable.isEmpty()
            ? Tr("brxw::CSetupDlg", "This brxW was built without the desktop's keyring.")
            : keyringUnavailable);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const bool keep =
        dialog.KeyringBox()->isEnabled() ? dialog.KeepInKeyring() : loaded.passwordInKeyring;
    SetupOutcome outcome = ApplySetup(config, n, dialog.Profile(), loaded.autoConnect);
    if (keyring != nullptr && (keep || loaded.passwordInKeyring)) {
        // The keyring answers later (it may ask to be unlocked); the loop keeps the program
        // painting and serving the session meanwhile.
        QEventLoop wait;
        QString message;
        bool finished = false;
        ApplyKeyringChoice(config, *keyring, n, loaded.passwordInKeyring, keep,
                           dialog.Profile().password, [&](const QString& text) {
                               message = text;
                               finished = true;
                               wait.quit();
                           });
        if (!finished) {
            wait.exec();
        }
        outcome.profile = config.LoadProfile(n);
        outcome.keyringProblem = QStringToAnsi(message);
    }
    return outcome;
}

}  // namespace brxw
