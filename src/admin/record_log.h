// SPDX-License-Identifier: GPL-3.0-or-later
// The log of the records written to a BBS. The protocol has no acknowledgement of a "PUT", so
// each record sent is kept as it went out: one line per request in "<profile>-records.log" in
// the user's state folder (readable by the user alone), from which a record the BBS lost can be
// typed in again. Logic only; user-interface thread (one writer).
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace brxw::admin {

// "<profilePart>-records.log" in the state folder (the window logs' default folder).
QString RecordLogPath(const QString& bbs);

// "YYYY-MM-DD HH:MM:SS <message|user> <request>", the request's line feeds, carriage returns,
// other control bytes and backslashes written as \n, \r, \xHH and \\, so that one request
// is one line and reads back exactly. Other bytes stay as they are (the ANSI text sent).
std::string RecordLogLine(const QDateTime& when, std::uint8_t kind, std::string_view request);

// Appends the line and a line feed to the file, creating it and its folder readable by the
// user alone (0600, folder 0700) and taking the rights of others from a file that had them.
// Empty when written; otherwise the file and the system's reason ("<file>: <strerror>").
std::string AppendRecordLog(const QString& path, std::string_view line);

}  // namespace brxw::admin
