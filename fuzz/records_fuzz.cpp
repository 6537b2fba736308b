// SPDX-License-Identifier: GPL-3.0-or-later
// Record replies of the Message properties and User properties dialogs (category 0, kinds 7
// and 6, numbered field lines), their key list files, and the PUT requests written back.
//
// Input: a selector byte (which surface, and the charset setting), a key, then the payload.
// Properties: field lines hold no line feed or NUL; a record written back without a change
// reads back as the reply gave it (dates to the minute, as the boxes show them), through a PUT
// of the form "PUT key length\n" whose length is its body's and which keeps its limit, or is
// refused with a reason; key lists hold single words in the dialogs' order; a callsign check
// accepts exactly A-Z and 0-9.
#include <cstdlib>
#include <ctime>

#include "admin/record_exchange.h"
#include "fuzz_support.h"
#include "text/charset.h"

namespace brxw {
namespace {

using namespace admin;

// Dates go through local time; the fuzzer's is UTC, so every minute exists exactly once.
void UseUtc() {
    static const bool done = [] {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
        return true;
    }();
    (void)done;
}

// What a reply's date becomes in a PUT when the box is left alone: the value received, seconds
// and all (the box shows only the minute).
long AsShown(const DateField& field) {
    return field.seconds.value_or(0);
}

std::string_view BodyOf(const Composed& put, std::string_view key, std::size_t limit) {
    FUZZ_CHECK(put.request.size() <= limit, "PUT beyond its limit");
    const std::size_t feed = put.request.find('\n');
    FUZZ_CHECK(feed != std::string::npos, "PUT without its header line");
    const std::string_view body = std::string_view(put.request).substr(feed + 1);
    FUZZ_CHECK(put.request.substr(0, feed) ==
                   "PUT " + std::string(key) + " " + std::to_string(body.size()),
               "PUT header: " + fuzz::Show(put.request.substr(0, feed)));
    return body;
}

void CheckFields(std::string_view payload) {
    for (const FieldLine& field : ParseFieldLines(payload)) {
        FUZZ_CHECK(field.number >= 0, "negative field number");
        FUZZ_CHECK(field.value.find_first_of(std::string_view("\n\0", 2)) == std::string::npos,
                   "a field value over two lines");
    }
}

void MessageRoundTrip(std::string_view payload, std::string_view key, bool ansi) {
    MessageRecord record;
    ApplyMessageReply(record, payload, ansi);
    FUZZ_CHECK(record.type == 0 || kMessageTypes.find(record.type) != std::string_view::npos,
               "message type outside ABPT");
    FUZZ_CHECK(record.status == 0 || kMessageStatuses.find(record.status) != std::string_view::npos,
               "message status outside $NYFXKA");
    const Composed put = ComposeMessagePut(record, key, ansi);
    if (!put.Ok()) {
        FUZZ_CHECK(put.request.empty(), "a refused PUT with a request");
        return;
    }
    const std::string_view body = BodyOf(put, key, kMaxMessagePutBytes);
    MessageRecord back;
    ApplyMessageReply(back, body, ansi);
    FUZZ_CHECK(back.type == record.type && back.status == record.status &&
                   back.size == record.size && back.via == record.via && back.from == record.from &&
                   back.to == record.to && back.bid == record.bid && back.data == record.data,
               "a message record does not read back as written: " + fuzz::Show(body));
    FUZZ_CHECK(back.title == (ansi ? record.title : OemToAnsi(AnsiToOem(record.title))),
               "title does not read back: " + fuzz::Show(back.title));
    FUZZ_CHECK(back.received.seconds == AsShown(record.received) &&
                   back.sent.seconds == AsShown(record.sent),
               "a date does not read back: " + fuzz::Show(body));
}

void UserRoundTrip(std::string_view payload, std::string_view key, bool ansi) {
    UserRecord record;
    const UserReplyKeys keys = ApplyUserReply(record, payload, ansi);
    FUZZ_CHECK((record.checked & ~kUserFlagBits) == 0, "a check box beyond the twelve flags");
    if (keys.callsign) {
        FUZZ_CHECK(keys.callsign->find('-') == std::string::npos, "callsign keeps its SSID");
    }
    const int choice = keys.choice.value_or(-1);
    const Composed put = ComposeUserPut(record, choice, key, ansi);
    if (!put.Ok()) {
        FUZZ_CHECK(put.request.empty(), "a refused PUT with a request");
        return;
    }
    const std::string_view body = BodyOf(put, key, kMaxUserPutBytes);
    UserRecord back;
    const UserReplyKeys backKeys = ApplyUserReply(back, body, ansi);
    FUZZ_CHECK(back.receivedFlags == record.receivedFlags && back.checked == record.checked &&
                   back.homeBbs == record.homeBbs && back.privateDir == record.privateDir &&
                   back.password == record.password && back.zip == record.zip &&
                   backKeys.choice == choice,
               "a user record does not read back as written: " + fuzz::Show(body));
    FUZZ_CHECK(back.name == (ansi ? record.name : OemToAnsi(AnsiToOem(record.name))),
               "user name does not read back");
}

void CheckKeyLists(std::string_view file) {
    const std::vector<std::string> messages = ReadMessageKeys(file);
    FUZZ_CHECK(std::is_sorted(messages.begin(), messages.end(), ListOrder), "message keys order");
    for (const std::string& key : messages) {
        FUZZ_CHECK(!key.empty() && key.size() <= kKeyLineBytes &&
                       key.find_first_of(std::string_view(" \t\n\v\f\r\0", 7)) == std::string::npos,
                   "a message key that is not one word: " + fuzz::Show(key));
    }
    const UserKeys users = ReadUserKeys(file);
    FUZZ_CHECK(std::is_sorted(users.callsigns.begin(), users.callsigns.end(), ListOrder),
               "callsign order");
    FUZZ_CHECK(std::is_sorted(users.choices.begin(), users.choices.end(),
                              [](const UserChoice& a, const UserChoice& b) {
                                  return ListOrder(a.text, b.text);
                              }),
               "choice order");
    FUZZ_CHECK(users.callsigns.size() + users.choices.size() <= messages.size(),
               "more user keys than lines with a word");
    for (const std::string& call : users.callsigns) {
        const auto found = FindCallsign(users.callsigns, call);
        FUZZ_CHECK(found && users.callsigns[*found].size() == call.size(), "callsign not found");
    }
}

}  // namespace
}  // namespace brxw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brxw;
    using namespace brxw::admin;
    UseUtc();
    fuzz::ByteReader in(data, size);
    const std::uint8_t selector = in.Byte();
    const bool ansi = (selector & 0x80) != 0;
    // Keys come from the key lists (single words) or the callsign check: no white space.
    std::string key(in.Bytes(in.Byte() % 24));
    for (char& c : key) {
        if (c == '\0' || c == ' ' || (c >= '\t' && c <= '\r')) {
            c = 'Q';
        }
    }
    const fuzz::ExactText payload(in.Rest());
    switch (selector % 5) {
        case 0:
            CheckFields(payload.View());
            MessageRoundTrip(payload.View(), key, ansi);
            break;
        case 1:
            CheckFields(payload.View());
            UserRoundTrip(payload.View(), key, ansi);
            break;
        case 2:
            CheckKeyLists(payload.View());
            break;
        case 3: {
            const CallsignCheck check = CheckCallsign(payload.View());
            bool valid = true;
            for (std::size_t i = 0; i < check.upper.size(); ++i) {
                const char c = check.upper[i];
                valid = valid && ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'));
                const char was = payload.View()[i];
                FUZZ_CHECK(c == ((was >= 'a' && was <= 'z') ? was - 'a' + 'A' : was),
                           "callsign upper-cased wrongly");
            }
            FUZZ_CHECK(check.valid == valid && check.upper.size() == payload.View().size(),
                       "callsign check");
            const Composed get = ComposeGet("GET", key);
            FUZZ_CHECK(get.Ok() == (!key.empty() && key.size() <= kMaxKeyBytes) &&
                           (!get.Ok() || get.request == "GET " + key),
                       "GET request");
            break;
        }
        default: {
            // A date as the box shows it reads back as the same minute.
            fuzz::ByteReader numbers(data + 1, size - 1);
            const long seconds = static_cast<long>(numbers.Int()) * 64 + numbers.Byte();
            const std::string text = FormatRecordDate(seconds);
            if (!text.empty()) {
                const std::optional<long> back = ParseRecordDate(text);
                const long year = std::strtol(text.c_str() + 6, nullptr, 10);
                if (year >= 1900) {
                    FUZZ_CHECK(back == seconds - ((seconds % 60) + 60) % 60,
                               "date " + text + " does not read back");
                } else {
                    FUZZ_CHECK(!back, "a date before 1900 read");
                }
            }
            ParseRecordDate(payload.View());
            break;
        }
    }
    return 0;
}
