// SPDX-License-Identifier: GPL-3.0-or-later
// The Setup dialog's keyring choice, once the profile itself was saved: the password moves to
// the desktop's keyring or back into BrxW.ini. Nothing is lost on the way: the Password key is
// emptied only after the keyring confirmed the write, and the keyring's entry is removed only
// after BrxW.ini holds the password again. UI thread only; `done` is called once, later.
#pragma once

#include <QString>

#include <functional>
#include <string>

namespace brxw {

class AppConfig;
class PasswordStore;

// `message` is empty when everything went as chosen; otherwise it says what was kept where and
// why, for a box.
using KeyringChoiceDone = std::function<void(const QString& message)>;

// Profile n was kept in the keyring (`wasKept`, as loaded before Setup) and shall be kept
// there now (`keep`). `typed` is the Password field as confirmed; empty while the keyring keeps
// the password means "unchanged". Every step that a failure stops leaves the password readable
// where the profile's key says it is.
void ApplyKeyringChoice(AppConfig& config, PasswordStore& store, int n, bool wasKept, bool keep,
                        const std::string& typed, KeyringChoiceDone done);

}  // namespace brxw
