// SPDX-License-Identifier: GPL-3.0-or-later
// RemoteConfig: one connection profile (name, server address, login), as stored in the section
// "Remote %d" of BrxW.ini. Plain data: AppConfig loads and saves it, the session record holds
// the loaded one and the set-up dialog edits it.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

namespace brxw {

inline constexpr int kRemoteConfigCount = 4;

// The default server port of the remote console.
inline constexpr int kDefaultRemotePort = 3286;

// Stored lengths in bytes; values are read through an 80-byte buffer, so 79 at most arrive.
inline constexpr std::size_t kRemoteNameLimit = 15;
inline constexpr std::size_t kRemoteHostNameLimit = 63;
inline constexpr std::size_t kRemoteCallsignLimit = 15;
inline constexpr std::size_t kRemotePasswordLimit = 255;

inline constexpr std::size_t kRemoteSshHostLimit = 79;
// The profile's key naming the SSH server of the tunnel; absent in profiles without one.
inline constexpr const char* kSshHostKey = "SSH Host";

inline constexpr const char* kDefaultHostName = "localhost";
inline constexpr const char* kDefaultCallsign = "Q0QQQ";
inline constexpr const char* kDefaultPassword = "7305";

struct RemoteConfig {
    std::string name;
    std::string hostName;
    int port = kDefaultRemotePort;
    int autoConnect = 0;  // 1: connect at start-up when no profile is named on the command line
    std::string callsign;
    std::string password;  // empty while the keyring keeps it
    // The password is kept in the desktop's keyring, not in BrxW.ini (key "Password In Keyring").
    bool passwordInKeyring = false;
    // "[user@]host[:port]" of an SSH server through which the connection is tunnelled; empty:
    // the connection goes straight to hostName.
    std::string sshHost{};

    friend bool operator==(const RemoteConfig&, const RemoteConfig&) = default;
};

// Test output; the password is shown too, since only tests print profiles.
inline void PrintTo(const RemoteConfig& c, std::ostream* os) {
    *os << "{name=\"" << c.name << "\" hostName=\"" << c.hostName << "\" port=" << c.port
        << " autoConnect=" << c.autoConnect << " callsign=\"" << c.callsign << "\" password=\""
        << c.password << "\" passwordInKeyring=" << c.passwordInKeyring << " sshHost=\""
        << c.sshHost << "\"}";
}

}  // namespace brxw
