// SPDX-License-Identifier: GPL-3.0-or-later
// KeyringStore: the PasswordStore of the desktop's keyring (the Secret Service on the session
// bus), through qtkeychain. Entries are kept under the service "brxW" with the names
// KeyringEntry gives. Its own small library (brxw_keyring), so that the logic layer never links
// the keyring. UI thread only.
#pragma once

#include "config/password_store.h"

namespace brxw {

inline constexpr const char* kKeyringService = "brxW";

class KeyringStore : public PasswordStore {
public:
    void Read(const QString& entry, ReadDone done) override;
    void Write(const QString& entry, const std::string& password, Done done) override;
    void Remove(const QString& entry, Done done) override;

    // Empty when a keyring can be asked; otherwise why not, for the operator. Asks the session
    // bus whether a Secret Service runs or can be started there.
    static QString UnavailableReason();
};

}  // namespace brxw
