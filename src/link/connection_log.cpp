// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/connection_log.h"

#include "link/socket_errors.h"

namespace brxw {

namespace {

// The headline a report goes under: "Logged in", "Link down", "Cannot connect" or
// "Disconnected".
const char* ReportHeadline(LinkReport::Kind kind) {
    using Kind = LinkReport::Kind;
    switch (kind) {
        case Kind::LoggedIn:
            return "Logged in";
        case Kind::Refused:
        case Kind::ConnectFailed:
        case Kind::HostNotFound:
        case Kind::LookupFailed:
        case Kind::TunnelFailed:
            return "Cannot connect";
        case Kind::OperatorDisconnected:
            return "Disconnected";
        default:
            return "Link down";
    }
}

}  // namespace

std::string ReasonText(const LinkReport& report) {
    using Kind = LinkReport::Kind;
    switch (report.kind) {
        case Kind::LoggedIn:
            return "logged in";
        case Kind::ServerClosed:
            return "the server closed the connection";
        case Kind::ReceiveFailed:
            return std::string("the connection failed: ") + SocketErrorText(report.code);
        case Kind::SendTimedOut:
            return "no data could be sent: the send timed out";
        case Kind::SendFailed:
            return std::string("sending failed: ") + SocketErrorText(report.code);
        case Kind::FrameTooLong:
            return "the server announced a frame of " + std::to_string(report.code) +
                   " bytes (at most 1020): the stream cannot be followed";
        case Kind::Refused:
            return "the connection was refused";
        case Kind::ConnectFailed:
            return std::string("the connection could not be made: ") + SocketErrorText(report.code);
        case Kind::HostNotFound:
            return "the host was not found";
        case Kind::LookupFailed:
            return std::string("the host could not be looked up: ") + SocketErrorText(report.code);
        case Kind::LoginRefused:
            return "the server refused the login (it closed the connection before sending "
                   "anything)";
        case Kind::OperatorDisconnected:
            return "disconnected by the operator";
        case Kind::TunnelFailed:
            return "the SSH tunnel could not be opened: " + report.detail;
    }
    return {};
}

std::string ReportLine(const LinkReport& report) {
    switch (report.kind) {
        case LinkReport::Kind::LoggedIn:
            return ReportHeadline(report.kind);
        case LinkReport::Kind::OperatorDisconnected:
            return "Disconnected by the operator";
        default:
            return std::string(ReportHeadline(report.kind)) + ": " + ReasonText(report);
    }
}

const ConnectionLogEntry& ConnectionLog::Add(std::string profile, std::string host,
                                             LinkReport report) {
    m_entries.push_back({m_clock(), std::move(profile), std::move(host), report});
    while (m_entries.size() > kCapacity) {
        m_entries.pop_front();
    }
    return m_entries.back();
}

}  // namespace brxw
