// SPDX-License-Identifier: GPL-3.0-or-later
// The logic of the Setup dialog: checking the six fields the operator typed for one connection
// profile, and saving the profile with what follows from it (the names of its Connect and Config
// menu items, and the rule that at most one profile connects by itself at start-up).
//
// Free functions on plain data; the dialog (settings/setup_dlg.h) and the control panel call them
// on the UI thread.
#pragma once

#include "config/remote_config.h"

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace brxw {

class AppConfig;

// What the dialog's edit boxes accept. The callsign and the name are shorter than what the file
// may hold; the password is limited to what can be read back from the file (79 bytes), since a
// longer one would be saved whole but read back cut, and every later login would fail.
inline constexpr std::size_t kSetupNameLimit = 15;
inline constexpr std::size_t kSetupHostNameLimit = 63;
inline constexpr std::size_t kSetupCallsignLimit = 9;
inline constexpr std::size_t kSetupPasswordLimit = 79;
inline constexpr int kSetupPortMin = 0;
inline constexpr int kSetupPortMax = 10000;

// The fields in the order the dialog shows them.
enum class SetupField { None, Name, HostName, Port, Callsign, Password, AutoConnect, SshHost };

// The dialog's contents as typed: text is bytes in the ANSI code page.
struct SetupFields {
    std::string name;
    std::string hostName;
    std::string port;
    std::string callsign;
    std::string password;
    bool autoConnect = false;
    std::string sshHost{};  // empty: no tunnel

    friend bool operator==(const SetupFields&, const SetupFields&) = default;
};

SetupFields FieldsFromProfile(const RemoteConfig& profile);

// The outcome of checking the fields: the first that fails, in the order callsign, name, host
// name, password, port (auto-connect cannot fail), with the message to show; or the profile.
// Besides its length, a text fails when BrxW.ini cannot hold it (a line break or a NUL), and a
// password that must be stored in quotes (blanks or quotes around it) when the quotes take it
// past what one read gives back. Every profile that passes reads back from the file exactly.
struct SetupValidation {
    SetupField failed = SetupField::None;
    std::string message;
    RemoteConfig profile;

    bool Ok() const { return failed == SetupField::None; }
};

SetupValidation ValidateSetup(const SetupFields& fields);

// "Please enter no more than %1 characters.", "Please enter an integer.",
// "Please enter an integer between %1 and %2." with the numbers filled in.
std::string TooLongMessage(std::size_t limit);
std::string UnstorableMessage();
std::string QuotedPasswordTooLongMessage();
std::string NotAnIntegerMessage();
// A host name with a blank in it: no lookup or SSH server could find such a host.
std::string HostNameBlankMessage();
std::string OutOfRangeMessage(int min, int max);

struct MenuCheck {
    int command = 0;
    bool checked = false;

    friend bool operator==(const MenuCheck&, const MenuCheck&) = default;
};

inline void PrintTo(const MenuCheck& c, std::ostream* os) {
    *os << "{" << c.command << (c.checked ? " checked}" : " unchecked}");
}

// What the control panel does after a profile was saved.
struct SetupOutcome {
    // The profile as the file now gives it back: what the session record's configuration fields
    // hold afterwards (an emptied name or host name reads back as its default).
    RemoteConfig profile;
    // False when the file refused a key; the panel may tell the operator.
    bool saved = false;
    // The two items to rename (Connect 32776 + n, Config 32783 + n) and their new text: the name
    // the profile will have at the next start.
    int connectCommand = 0;
    int configCommand = 0;
    std::string itemText;
    // Config items to check or uncheck, in this order.
    std::vector<MenuCheck> configChecks;
    // Why the password could not be moved to or from the desktop's keyring, and where it is
    // kept therefore; empty when it went as chosen or the keyring was not involved.
    std::string keyringProblem;
};

// Saves profile n (0..3) as edited. When its auto-connect goes from 0 to 1, the other profiles
// that have it (in the order 0 to 3) get "AutoConnect" 0 and all three other Config items are
// unchecked. Only that one key of another profile is written: rewriting all six would cut the
// values a hand-edited file holds beyond the field limits, and would fill sections that do not
// exist yet with defaults. The Config item of n follows its own auto-connect at once, also when
// it is switched off. n outside 0..3 saves nothing.
SetupOutcome ApplySetup(AppConfig& config, int n, const RemoteConfig& edited,
                        int previousAutoConnect);

}  // namespace brxw
