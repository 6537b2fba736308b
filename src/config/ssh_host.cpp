// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ssh_host.h"

#include "resources/translate.h"

namespace brxw {
namespace {

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '-';
}

bool IsName(std::string_view text) {
    if (text.empty() || text.front() == '-') {
        return false;
    }
    for (char c : text) {
        if (!IsNameChar(c)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<SshTarget> ParseSshHost(std::string_view text) {
    SshTarget target;
    if (const std::size_t at = text.find('@'); at != std::string_view::npos) {
        if (!IsName(text.substr(0, at))) {
            return std::nullopt;
        }
        target.user = std::string(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    if (const std::size_t colon = text.find(':'); colon != std::string_view::npos) {
        const std::string_view digits = text.substr(colon + 1);
        if (digits.empty() || digits.size() > 5) {
            return std::nullopt;
        }
        int port = 0;
        for (char c : digits) {
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            port = port * 10 + (c - '0');
        }
        if (port < 1 || port > 65535) {
            return std::nullopt;
        }
        target.port = port;
        text = text.substr(0, colon);
    }
    if (!IsName(text)) {
        return std::nullopt;
    }
    target.host = std::string(text);
    return target;
}

std::string BadSshHostMessage(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    if (!text.empty() && (blank(text.front()) || blank(text.back()))) {
        return TrAnsi("brxw::SshHost",
                      "The SSH host begins or ends with a blank: please remove it.");
    }
    return TrAnsi("brxw::SshHost",
                  "Please enter the SSH host as [user@]host[:port]: letters, digits, '.', '_' "
                  "and '-' only, not beginning with '-', and a port between 1 and 65535.");
}

}  // namespace brxw
