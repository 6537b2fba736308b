// SPDX-License-Identifier: GPL-3.0-or-later
// The record exchange shared by the Message properties and User properties dialogs: the key
// list files, the numbered field lines of a record reply, the dates and character sets of the
// fields, and the "PUT" request that writes a record back.
//
// Everything here is logic on plain bytes (ANSI text, the bytes the server sends): the dialogs
// copy their controls into these structs and send what the composers return. No state beyond
// the structs; any thread.
#pragma once

#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brxw::admin {

// A key (message number or callsign) travels in a 20-byte area.
inline constexpr std::size_t kMaxKeyBytes = 19;
// A whole PUT request, header and body, for a message record and for a user record.
inline constexpr std::size_t kMaxMessagePutBytes = 511;
inline constexpr std::size_t kMaxUserPutBytes = 255;
// Key list and forward list files are read 79 bytes at a time, listings 299.
inline constexpr std::size_t kKeyLineBytes = 79;

// Lines of a text file as fgets with a buffer of chunk + 1 bytes reads them: at most `chunk`
// bytes each, a longer line taken as several; the line feed is not part of a line. Reading
// stops at a zero byte, as it would in a C string.
std::vector<std::string_view> ChunkedLines(std::string_view text, std::size_t chunk);

// sscanf "%s" from `pos`: skips white space, returns the word and moves `pos` past it; empty
// when only white space is left.
std::string_view NextWord(std::string_view text, std::size_t& pos);

// The message key list: the first word of each line.
std::vector<std::string> ReadMessageKeys(std::string_view file);

// A numbered choice of the user key list ("1 ALPHA": value 1, text ALPHA).
struct UserChoice {
    int value = 0;
    std::string text;
    bool operator==(const UserChoice&) const = default;
};
struct UserKeys {
    std::vector<std::string> callsigns;  // sorted, letter case ignored
    std::vector<UserChoice> choices;     // sorted by text
    bool operator==(const UserKeys&) const = default;
};
// The user key list: a line of one word is a callsign, of two or more a numbered choice.
UserKeys ReadUserKeys(std::string_view file);

// The order of the dialogs' sorted lists: letter case ignored (CaselessLess, ASCII letters
// only), then by byte.
bool CaselessLess(std::string_view a, std::string_view b);
bool ListOrder(std::string_view a, std::string_view b);

// One field line of a record reply: its number and its value.
struct FieldLine {
    int number = 0;
    std::string value;
    bool operator==(const FieldLine&) const = default;
};
// The lines of a record reply, split at line feeds (runs of them count as one); the payload
// ends at its first zero byte. Lines without a leading number are left out.
std::vector<FieldLine> ParseFieldLines(std::string_view payload);

// A date field's value (seconds since 1970 UTC) as local time "%d-%m-%Y %H:%M"; empty when the
// value cannot be shown as local time.
std::string FormatRecordDate(long seconds);
// A date box's text read as "%d-%d-%d %d:%d" (day, month, year, hour, minute) in local time;
// nullopt when it does not read as a date.
std::optional<long> ParseRecordDate(std::string_view text);

// A date box: the text shown and, after a reply, the value it was shown from.
struct DateField {
    std::string text;
    std::string shown;            // the text the last reply put in the box
    std::optional<long> seconds;  // the value that reply carried
    void Receive(std::string_view value);
};

// The outcome of composing a request: the request bytes, or why it cannot be sent (in the
// sysop's language, ANSI bytes, for a warning box).
struct Composed {
    std::string request;
    std::string refusal;  // empty when the request may be sent
    bool Ok() const { return refusal.empty(); }
};

// "GET %s", refused when the key does not fit.
Composed ComposeGet(std::string_view verb, std::string_view key);
// "PUT %s %d\n" and the body, refused when the key or the whole request does not fit.
Composed ComposePut(std::string_view key, std::string_view body, std::size_t limit);

// Fields of a message record as the Message properties dialog shows them (ANSI text).
struct MessageRecord {
    char type = 0;    // 'A', 'B', 'P', 'T', or 0 when none is chosen
    char status = 0;  // '$', 'N', 'Y', 'F', 'X', 'K', 'A', or 0
    std::string size, via, from, to, bid, title;
    bool data = false;
    DateField received, sent;
};
inline constexpr std::string_view kMessageTypes = "ABPT";
inline constexpr std::string_view kMessageStatuses = "$NYFXKA";

// Applies a record reply; fields it does not carry keep their values. With ansiChar false the
// Title arrives in the DOS character set.
void ApplyMessageReply(MessageRecord& record, std::string_view payload, bool ansiChar);
// The PUT request for the record under `key`.
Composed ComposeMessagePut(const MessageRecord& record, std::string_view key, bool ansiChar);

// The twelve user flags with a check box, in the dialog's order from the top. The labels are
// shown translated (context kUserFlagsContext) and name the boxes in English.
struct UserFlag {
    std::uint32_t bit;
    const char* label;
};
inline constexpr const char* kUserFlagsContext = "brxw::UserFlags";
inline constexpr UserFlag kUserFlags[] = {
    {256, QT_TRANSLATE_NOOP("brxw::UserFlags", "Read all")},
    {32, QT_TRANSLATE_NOOP("brxw::UserFlags", "Paging")},
    {16, QT_TRANSLATE_NOOP("brxw::UserFlags", "BBS")},
    {2048, QT_TRANSLATE_NOOP("brxw::UserFlags", "PMS")},
    {8, QT_TRANSLATE_NOOP("brxw::UserFlags", "Sysop")},
    {4, QT_TRANSLATE_NOOP("brxw::UserFlags", "Expert")},
    {2, QT_TRANSLATE_NOOP("brxw::UserFlags", "Local")},
    {64, QT_TRANSLATE_NOOP("brxw::UserFlags", "Guest")},
    {1, QT_TRANSLATE_NOOP("brxw::UserFlags", "Excluded")},
    {128, QT_TRANSLATE_NOOP("brxw::UserFlags", "Modem/Telnet")},
    {512, QT_TRANSLATE_NOOP("brxw::UserFlags", "Unprotoes")},
    {1024, QT_TRANSLATE_NOOP("brxw::UserFlags", "Private Msgs")}};
inline constexpr std::uint32_t kUserFlagBits = 0xFFF;

// Fields of a user record as the User properties dialog shows them (ANSI text).
struct UserRecord {
    // Field 14 of this user's record as last received; the bits without a check box are
    // written back from it. A record that came without field 14 has none: it takes no other
    // user's bits, and its flags are written only when a box is checked.
    std::uint32_t receivedFlags = 0;
    bool flagsReceived = false;
    std::uint32_t checked = 0;  // the check boxes, as bits of kUserFlagBits
    std::string name, password, homeBbs, privateDir, zip;
};
// What a user record reply says besides its fields: the callsign of field 1 (cut at its first
// "-") and the choice value of field 17, when present.
struct UserReplyKeys {
    std::optional<std::string> callsign;
    std::optional<int> choice;
};
UserReplyKeys ApplyUserReply(UserRecord& record, std::string_view payload, bool ansiChar);
// The index of the list entry field 1 names: equal to the callsign, letter case ignored.
std::optional<std::size_t> FindCallsign(const std::vector<std::string>& list,
                                        std::string_view callsign);
// The PUT request for the user `key`; choice -1 when no choice is selected. Line 14 is left
// out when the record came without its flags and no box is checked, so that the server keeps
// the flags it has.
Composed ComposeUserPut(const UserRecord& record, int choice, std::string_view key, bool ansiChar);

// The Input dialog's check: the text upper-cased, and whether it holds only A-Z and 0-9.
struct CallsignCheck {
    std::string upper;
    bool valid = false;
};
CallsignCheck CheckCallsign(std::string_view text);
// The Input dialog's warning: "Invalid callsign" in the sysop's language, "\r\n" and the callsign.
std::string InvalidCallsignText(std::string_view upper);

}  // namespace brxw::admin
