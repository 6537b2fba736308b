// SPDX-License-Identifier: GPL-3.0-or-later
// PasswordStore: where a profile's password is kept when the operator wants it out of BrxW.ini
// (the desktop's keyring). The logic asks through this interface; the program hands it the
// keyring adapter (config/keyring_store.h), tests a fake. Every call answers later, through its
// callback, on the thread that made it: the keyring may have to be unlocked or started first,
// and the program must go on meanwhile. UI thread only.
#pragma once

#include <QString>

#include <functional>
#include <string>

namespace brxw {

class AppConfig;

// The profile key that records the choice: "1" while the password of that profile is kept in
// the keyring (its Password key is then empty), "0" or absent while BrxW.ini keeps it.
inline constexpr const char* kPasswordInKeyringKey = "Password In Keyring";

class PasswordStore {
public:
    virtual ~PasswordStore() = default;

    // ok false: `error` says why, in the keyring's own words.
    using ReadDone =
        std::function<void(bool ok, const std::string& password, const QString& error)>;
    using Done = std::function<void(bool ok, const QString& error)>;

    virtual void Read(const QString& entry, ReadDone done) = 0;
    // `label`: what the keyring's own tools show for the entry (KeyringLabel).
    virtual void Write(const QString& entry, const QString& label, const std::string& password,
                       Done done) = 0;
    virtual void Remove(const QString& entry, Done done) = 0;
};

// The name of profile n's entry: the INI file's absolute path and the profile's section, so
// that two BrxW.ini files never share a password.
QString KeyringEntry(const AppConfig& config, int n);
// What a keyring tool shows for profile n's entry: the program, the profile and its BBS
// ("brxW: Home BBS (bbs.example.org:3286)").
QString KeyringLabel(const AppConfig& config, int n);

}  // namespace brxw
