// SPDX-License-Identifier: GPL-3.0-or-later
// KeyringStore on Windows: the user's Windows Credential Manager (wincred.h). Each entry is a
// generic credential named "brxW:" and the entry's name (KeyringEntry), kept for this user on
// this computer; its comment is the label (KeyringLabel) and its secret the password as UTF-16
// text, so that the Credential Manager shows it as the operator typed it.
#include "config/keyring_store.h"

#include <QTimer>

#include <windows.h>
// wincred.h needs the types of windows.h.
#include <wincred.h>

#include <utility>

#include "resources/translate.h"
#include "text/charset.h"

namespace brxw {
namespace {

std::wstring TargetName(const QString& entry) {
    return (QString::fromLatin1(kKeyringService) + QLatin1Char(':') + entry).toStdWString();
}

// The system's own words for the last failure.
QString LastErrorText() {
    const DWORD error = GetLastError();
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    QString text = length > 0 && buffer != nullptr
                       ? QString::fromWCharArray(buffer, static_cast<qsizetype>(length)).trimmed()
                       : QStringLiteral("error %1").arg(error);
    LocalFree(buffer);
    return text;
}

// The stores answer through their callbacks later, as the keyring of the free desktops does.
template <typename Callback, typename... Args>
void AnswerLater(Callback done, Args... args) {
    QTimer::singleShot(0, [done = std::move(done), args...] { done(args...); });
}

}  // namespace

void KeyringStore::Read(const QString& entry, ReadDone done) {
    PCREDENTIALW credential = nullptr;
    const std::wstring target = TargetName(entry);
    if (CredReadW(target.c_str(), CRED_TYPE_GENERIC, 0, &credential) == FALSE) {
        const bool missing = GetLastError() == ERROR_NOT_FOUND;
        const QString reason =
            missing ? Tr("brxw::KeyringStore", "The keyring holds no password for this profile.")
                    : LastErrorText();
        AnswerLater(std::move(done), false, std::string(), reason);
        return;
    }
    const QString password = QString::fromUtf16(
        reinterpret_cast<const char16_t*>(credential->CredentialBlob),
        static_cast<qsizetype>(credential->CredentialBlobSize / sizeof(char16_t)));
    CredFree(credential);
    AnswerLater(std::move(done), true, QStringToAnsi(password), QString());
}

void KeyringStore::Write(const QString& entry, const QString& label, const std::string& password,
                         Done done) {
    std::wstring target = TargetName(entry);
    std::wstring comment = label.left(CRED_MAX_STRING_LENGTH - 1).toStdWString();
    std::wstring user = QString::fromLatin1(kKeyringService).toStdWString();
    std::u16string secret = AnsiToQString(password).toStdU16String();
    CREDENTIALW credential = {};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = target.data();
    credential.Comment = comment.data();
    credential.UserName = user.data();
    credential.CredentialBlobSize = static_cast<DWORD>(secret.size() * sizeof(char16_t));
    credential.CredentialBlob = reinterpret_cast<LPBYTE>(secret.data());
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    const bool written = CredWriteW(&credential, 0) != FALSE;
    SecureZeroMemory(secret.data(), secret.size() * sizeof(char16_t));
    AnswerLater(std::move(done), written, written ? QString() : LastErrorText());
}

void KeyringStore::Remove(const QString& entry, Done done) {
    const std::wstring target = TargetName(entry);
    // None at all is gone already, which is what was asked.
    const bool removed = CredDeleteW(target.c_str(), CRED_TYPE_GENERIC, 0) != FALSE ||
                         GetLastError() == ERROR_NOT_FOUND;
    AnswerLater(std::move(done), removed, removed ? QString() : LastErrorText());
}

QString KeyringStore::UnavailableReason() {
    return {};  // the Credential Manager is part of every Windows
}

}  // namespace brxw
