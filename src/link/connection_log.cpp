// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/connection_log.h"

#include "link/socket_errors.h"
#include "resources/strings.h"
#include "resources/translate.h"

namespace brxw {

namespace {

// The headline a report goes under: "Logged in", "Link down", "Cannot connect" or
// "Disconnected". Every text here is shown in the sysop's language (context
// "brxw::ConnectionLog"); the entries themselves keep the kind, not the words.
const char* ReportHeadline(LinkReport::Kind kind) {
    using Kind = LinkReport::Kind;
    switch (kind) {
        case Kind::LoggedIn:
            return QT_TRANSLATE_NOOP("brxw::ConnectionLog", "Logged in");
        case Kind::Refused:
        case Kind::ConnectFailed:
        case Kind::HostNotFound:
        case Kind::LookupFailed:
        case Kind::TunnelFailed:
        case Kind::ForwardFailed:
            return QT_TRANSLATE_NOOP("brxw::ConnectionLog", "Cannot connect");
        case Kind::OperatorDisconnected:
            return QT_TRANSLATE_NOOP("brxw::ConnectionLog", "Disconnected");
        default:
            return QT_TRANSLATE_NOOP("brxw::ConnectionLog", "Link down");
    }
}

}  // namespace

std::string ReasonText(const LinkReport& report) {
    using Kind = LinkReport::Kind;
    switch (report.kind) {
        case Kind::LoggedIn:
            return TrAnsi("brxw::ConnectionLog", "logged in");
        case Kind::ServerClosed:
            return TrAnsi("brxw::ConnectionLog", "the server closed the connection");
        case Kind::ReceiveFailed:
            return TrPrintf("brxw::ConnectionLog",
                            QT_TRANSLATE_NOOP("brxw::ConnectionLog", "the connection failed: %s"),
                            SocketErrorShown(report.code).c_str());
        case Kind::SendTimedOut:
            return TrAnsi("brxw::ConnectionLog", "no data could be sent: the send timed out");
        case Kind::SendFailed:
            return TrPrintf("brxw::ConnectionLog",
                            QT_TRANSLATE_NOOP("brxw::ConnectionLog", "sending failed: %s"),
                            SocketErrorShown(report.code).c_str());
        case Kind::FrameTooLong:
            return TrPrintf(
                "brxw::ConnectionLog",
                QT_TRANSLATE_NOOP("brxw::ConnectionLog",
                                  "the server announced a frame of %d bytes (at most 1020): "
                                  "the stream cannot be followed"),
                report.code);
        case Kind::Refused:
            return TrAnsi("brxw::ConnectionLog", "the connection was refused");
        case Kind::ConnectFailed:
            return TrPrintf(
                "brxw::ConnectionLog",
                QT_TRANSLATE_NOOP("brxw::ConnectionLog", "the connection could not be made: %s"),
                SocketErrorShown(report.code).c_str());
        case Kind::HostNotFound:
            return TrAnsi("brxw::ConnectionLog", "the host was not found");
        case Kind::LookupFailed:
            return TrPrintf(
                "brxw::ConnectionLog",
                QT_TRANSLATE_NOOP("brxw::ConnectionLog", "the host could not be looked up: %s"),
                SocketErrorShown(report.code).c_str());
        case Kind::LoginRefused:
            return TrAnsi("brxw::ConnectionLog",
                          "the server refused the login (it closed the connection before "
                          "sending anything)");
        case Kind::OperatorDisconnected:
            return TrAnsi("brxw::ConnectionLog", "disconnected by the operator");
        case Kind::TunnelFailed:
            return TrPrintf(
                "brxw::ConnectionLog",
                QT_TRANSLATE_NOOP("brxw::ConnectionLog", "the SSH tunnel could not be opened: %s"),
                report.detail.c_str());
        case Kind::ForwardFailed:
            return TrPrintf("brxw::ConnectionLog",
                            QT_TRANSLATE_NOOP("brxw::ConnectionLog",
                                              "the SSH server could not reach the BBS: %s"),
                            report.detail.c_str());
        case Kind::TunnelLost:
            return TrPrintf("brxw::ConnectionLog",
                            QT_TRANSLATE_NOOP("brxw::ConnectionLog", "the SSH tunnel ended: %s"),
                            report.detail.c_str());
    }
    return {};
}

std::string ReportLine(const LinkReport& report) {
    switch (report.kind) {
        case LinkReport::Kind::LoggedIn:
            return TrAnsi("brxw::ConnectionLog", ReportHeadline(report.kind));
        case LinkReport::Kind::OperatorDisconnected:
            return TrAnsi("brxw::ConnectionLog", "Disconnected by the operator");
        default:
            return TrPrintf("brxw::ConnectionLog",
                            QT_TRANSLATE_NOOP("brxw::ConnectionLog", "%s: %s"),
                            TrAnsi("brxw::ConnectionLog", ReportHeadline(report.kind)).c_str(),
                            ReasonText(report).c_str());
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
