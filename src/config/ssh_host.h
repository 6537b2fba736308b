// SPDX-License-Identifier: GPL-3.0-or-later
// The SSH server a profile's connection is tunnelled through, as the operator writes it:
// "[user@]host[:port]". Checked strictly, since it becomes arguments of the system's ssh client:
// nothing that ssh could read as an option or that a shell would treat specially gets through.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brxw {

struct SshTarget {
    std::string user;  // empty: ssh's own default
    std::string host;
    int port = 0;  // 0: ssh's own default

    // "user@host" or "host": the destination argument of ssh.
    std::string Destination() const { return user.empty() ? host : user + "@" + host; }
};

// nullopt when the text is not of that form: a user or host name beginning with '-', holding
// blanks or characters other than letters, digits and ". _ -", or a port outside 1..65535.
std::optional<SshTarget> ParseSshHost(std::string_view text);

// What Setup says when ParseSshHost refuses the text: that a blank begins or ends it (easily
// pasted along and never seen), else the form it must have.
std::string BadSshHostMessage(std::string_view text);

}  // namespace brxw
