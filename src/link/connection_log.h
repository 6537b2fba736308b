// SPDX-License-Identifier: GPL-3.0-or-later
// Why a session began or ended, in the sysop's words, and the short history of it that the
// Connection log window shows: the last 100 logins and link ends of this run, oldest first.
//
// The Session records into the log it owns and hands each new entry to its host; user-interface
// thread only. Plain data, no Qt: the window formats the times itself.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

namespace brxw {

struct LinkReport {
    enum class Kind {
        LoggedIn,              // the login reply went out: the session is up
        ServerClosed,          // end of stream after the session had worked
        ReceiveFailed,         // a receive error; code: its Windows Sockets number
        SendTimedOut,          // the server stopped reading and a send gave up
        SendFailed,            // a send error other than the time-out; code as above
        FrameTooLong,          // a frame announced more than 1020 bytes; code: the length
        Refused,               // nobody accepted the connection
        ConnectFailed,         // any other connect error; code as above
        HostNotFound,          // the name has no address
        LookupFailed,          // any other lookup error; code as above
        LoginRefused,          // closed during the login or at once after it, before any frame
        OperatorDisconnected,  // Disconnect, or a Connect that replaced the session
        TunnelFailed,          // the SSH tunnel did not come up; detail: ssh's own reason
        ForwardFailed,         // the SSH server could not reach the BBS; detail: ssh's reason
        TunnelLost,            // ssh ended while the session was up; detail: its last line
    };
    Kind kind = Kind::ServerClosed;
    int code = 0;
    std::string detail{};

    bool operator==(const LinkReport&) const = default;
};

// The reason as a plain sentence ("the server closed the connection").
std::string ReasonText(const LinkReport& report);
// The whole line the console and the status bar show: "Link down: the server closed the
// connection"; for a login, "Logged in".
std::string ReportLine(const LinkReport& report);

struct ConnectionLogEntry {
    std::chrono::system_clock::time_point time;
    std::string profile;  // the profile's name, as stored (ANSI)
    std::string host;
    LinkReport report;
};

class ConnectionLog {
public:
    static constexpr std::size_t kCapacity = 100;
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    // Stamps the entry with the clock's time, drops the oldest beyond kCapacity, returns it.
    const ConnectionLogEntry& Add(std::string profile, std::string host, LinkReport report);
    const std::deque<ConnectionLogEntry>& Entries() const { return m_entries; }
    // Tests give the log a clock of their own.
    void SetClock(Clock clock) { m_clock = std::move(clock); }

private:
    std::deque<ConnectionLogEntry> m_entries;
    Clock m_clock = [] { return std::chrono::system_clock::now(); };
};

}  // namespace brxw
