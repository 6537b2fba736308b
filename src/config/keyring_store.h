// SPDX-License-Identifier: GPL-3.0-or-later
// KeyringStore: the PasswordStore of the desktop's keyring, spoken to directly over the session
// bus (the Secret Service interface, org.freedesktop.secrets); on Windows the Credential Manager
// (keyring_store_win.cpp). Its own small library (brxw_keyring), so that the logic layer never
// links the bus. UI thread only. What follows is the free desktops' side.
//
// Each entry is one item of the default collection with the attributes
//   server = "brxW", user = the entry's name (KeyringEntry), type = "plaintext"
// and a label naming the profile and its BBS (KeyringLabel). The secret is the password as text
// (UTF-8 of the Windows code page bytes that BrxW.ini holds), so that a keyring tool shows the
// password itself. Entries written by earlier versions carry type = "base64" and hold the base64
// of those bytes; they are still read (the type attribute tells the two apart) and are replaced
// by a text entry at the next write.
//
// Every operation opens a session of its own, so a keyring daemon that was restarted under the
// running program is simply asked again; an operation that fails because the daemon went away
// in the middle is tried once more. Nothing touches the bus when no session bus is known
// (UnavailableReason): the bus library would otherwise start a bus of its own (autolaunch), and
// that bus a keyring daemon and its unlock prompt, all outliving the program.
#pragma once

#include "config/password_store.h"

namespace brxw {

inline constexpr const char* kKeyringService = "brxW";

class KeyringStore : public PasswordStore {
public:
    void Read(const QString& entry, ReadDone done) override;
    void Write(const QString& entry, const QString& label, const std::string& password,
               Done done) override;
    void Remove(const QString& entry, Done done) override;

    // Empty when a keyring can be asked; otherwise why not, for the operator. A session bus is
    // known when its address is set or $XDG_RUNTIME_DIR/bus exists; only then is the bus asked
    // whether a Secret Service runs or can be started there. Every operation asks this first.
    static QString UnavailableReason();
};

}  // namespace brxw
