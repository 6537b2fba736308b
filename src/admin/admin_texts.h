// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the administration dialogs that the program composes: captions, message boxes and
// the reasons a request is refused. Formats are filled with StrPrintf.
#pragma once

namespace brxw::admin::text {

// Dialog titles.
inline constexpr const char* kMessageProperties = "Message properties";
inline constexpr const char* kUserProperties = "User properties";
inline constexpr const char* kInput = "Input";
inline constexpr const char* kAddUser = "Add user";
inline constexpr const char* kPendingForward = "Pending forward";
inline constexpr const char* kRemoteFiles = "Remote files";

// Message boxes of the User properties dialog.
inline constexpr const char* kCallsignExists = "Callsign %s already exists";
inline constexpr const char* kNoUserSelected = "No user is selected.";
inline constexpr const char* kNoMessageSelected = "No message is selected.";

// Lists that arrived empty.
inline constexpr const char* kNoForwards = "No forwards are pending.";
inline constexpr const char* kEmptyDirectory = "This directory is empty.";

// Why a request is not sent.
inline constexpr const char* kNotSent = "Not connected to the BBS: \"%s\" was not sent.";
inline constexpr const char* kKeyTooLong =
    "The key \"%s\" is longer than %zu characters and cannot be requested.";
inline constexpr const char* kRecordTooLong =
    "The record would take %zu bytes, more than the %zu that one request can carry.\n"
    "Shorten its texts; nothing was sent.";
inline constexpr const char* kLineBreakInField =
    "Field %d holds a line break, which would split the record.\nNothing was sent.";
inline constexpr const char* kNotADate =
    "The %s box does not hold a date (day-month-year hour:minute): \"%s\".\nNothing was sent.";
inline constexpr const char* kReceivedBox = "Received";
inline constexpr const char* kSentBox = "Sent";
inline constexpr const char* kPathTooLong =
    "The path %s is longer than %zu characters and cannot be requested.";

}  // namespace brxw::admin::text
