// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the administration dialogs that the program composes: captions, message boxes and
// the reasons a request is refused. Formats are filled with StrPrintf. Each is marked for
// translation here and shown in the sysop's language through Shown / TrPrintf(kContext, ...), which
// hand back ANSI bytes as the warning boxes and the refusals carry them.
#pragma once

#include <QtGlobal>
#include <string>

#include "resources/translate.h"

namespace brxw::admin::text {

inline constexpr const char* kContext = "brxw::AdminText";

// Dialog titles.
inline constexpr const char* kMessageProperties =
    QT_TRANSLATE_NOOP("brxw::AdminText", "Message properties");
inline constexpr const char* kUserProperties =
    QT_TRANSLATE_NOOP("brxw::AdminText", "User properties");
inline constexpr const char* kInput = QT_TRANSLATE_NOOP("brxw::AdminText", "Input");
inline constexpr const char* kAddUser = QT_TRANSLATE_NOOP("brxw::AdminText", "Add user");
inline constexpr const char* kPendingForward =
    QT_TRANSLATE_NOOP("brxw::AdminText", "Pending forward");
inline constexpr const char* kRemoteFiles = QT_TRANSLATE_NOOP("brxw::AdminText", "Remote files");

// Message boxes of the User properties dialog.
inline constexpr const char* kCallsignExists =
    QT_TRANSLATE_NOOP("brxw::AdminText", "Callsign %s already exists");
inline constexpr const char* kNoUserSelected =
    QT_TRANSLATE_NOOP("brxw::AdminText", "No user is selected.");
inline constexpr const char* kNoMessageSelected =
    QT_TRANSLATE_NOOP("brxw::AdminText", "No message is selected.");
// The Input dialog's warning; the callsign follows on the next line.
inline constexpr const char* kInvalidCallsign =
    QT_TRANSLATE_NOOP("brxw::AdminText", "Invalid callsign");

// Lists that arrived empty.
inline constexpr const char* kNoForwards =
    QT_TRANSLATE_NOOP("brxw::AdminText", "No forwards are pending.");
inline constexpr const char* kEmptyDirectory =
    QT_TRANSLATE_NOOP("brxw::AdminText", "This directory is empty.");

// Why a request is not sent.
inline constexpr const char* kNotSent =
    QT_TRANSLATE_NOOP("brxw::AdminText", "Not connected to the BBS: \"%s\" was not sent.");
inline constexpr const char* kKeyTooLong = QT_TRANSLATE_NOOP(
    "brxw::AdminText", "The key \"%s\" is longer than %zu characters and cannot be requested.");
inline constexpr const char* kRecordTooLong = QT_TRANSLATE_NOOP(
    "brxw::AdminText",
    "The record would take %zu bytes, more than the %zu that one request can carry.\n"
    "Shorten its texts; nothing was sent.");
inline constexpr const char* kLineBreakInField = QT_TRANSLATE_NOOP(
    "brxw::AdminText",
    "Field %d holds a line break, which would split the record.\nNothing was sent.");
inline constexpr const char* kNotADate = QT_TRANSLATE_NOOP(
    "brxw::AdminText",
    "The %s box does not hold a date (day-month-year hour:minute): \"%s\".\nNothing was sent.");
inline constexpr const char* kReceivedBox = QT_TRANSLATE_NOOP("brxw::AdminText", "Received");
inline constexpr const char* kSentBox = QT_TRANSLATE_NOOP("brxw::AdminText", "Sent");
inline constexpr const char* kPathTooLong = QT_TRANSLATE_NOOP(
    "brxw::AdminText", "The path %s is longer than %zu characters and cannot be requested.");

// What the Remote files dialog says about the listing it asked for and the link.
inline constexpr const char* kListingAsked =
    QT_TRANSLATE_NOOP("brxw::AdminText", "Asking the BBS for the listing of %s ...");
inline constexpr const char* kListingNotCome = QT_TRANSLATE_NOOP(
    "brxw::AdminText", "The BBS sent no listing of %s: it may not exist, or the BBS refused it.");
inline constexpr const char* kLinkLostBeforeListing = QT_TRANSLATE_NOOP(
    "brxw::AdminText",
    "The link to the BBS was lost before the listing of %s came. Nothing can be opened until "
    "brxW has logged in again.");
inline constexpr const char* kLinkLostListShown = QT_TRANSLATE_NOOP(
    "brxw::AdminText",
    "The link to the BBS was lost. Nothing can be opened until brxW has logged in again.");
inline constexpr const char* kFileAsked =
    QT_TRANSLATE_NOOP("brxw::AdminText", "Fetching %s from the BBS ...");
inline constexpr const char* kFileNotCome = QT_TRANSLATE_NOOP(
    "brxw::AdminText", "The BBS sent no file %s: it may not exist, or the BBS refused it.");
inline constexpr const char* kLinkLostBeforeFile = QT_TRANSLATE_NOOP(
    "brxw::AdminText",
    "The link to the BBS was lost before %s came. Nothing can be opened until brxW has logged "
    "in again.");
inline constexpr const char* kListingAfterLogin =
    QT_TRANSLATE_NOOP("brxw::AdminText", "Logged in again: the list starts again from the root.");

// A record sent that could not be kept in the log of records written; the file and the
// system's reason follow.
inline constexpr const char* kRecordNotKept =
    QT_TRANSLATE_NOOP("brxw::AdminText",
                      "The record was sent, but it could not be kept in the log of records "
                      "written:\n%s");

// One of the texts above in the sysop's language, as ANSI bytes.
inline std::string Shown(const char* text) {
    return TrAnsi(kContext, text);
}

}  // namespace brxw::admin::text
