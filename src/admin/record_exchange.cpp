// SPDX-License-Identifier: GPL-3.0-or-later
#include "admin/record_exchange.h"

#include <algorithm>
#include <climits>
#include <ctime>

#include "admin/admin_texts.h"
#include "resources/strings.h"
#include "text/charset.h"
#include "text/text_scan.h"

namespace brxw::admin {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

// Appends "number value\n"; a value holding a line feed or a zero byte would become a field
// line of its own (or end the request early), so it refuses the whole request instead.
void AppendField(std::string& body, int number, std::string_view value, std::string& refusal) {
    if (value.find_first_of(std::string_view("\n\0", 2)) != std::string_view::npos &&
        refusal.empty()) {
        refusal = TrPrintf(text::kContext, text::kLineBreakInField, number);
    }
    body += std::to_string(number);
    body += ' ';
    body += value;
    body += '\n';
}

std::optional<long> DateSeconds(const DateField& field, const char* box, std::string& refusal) {
    // A box left as the reply showed it writes the value received back unchanged: the box
    // shows minutes, so reading it again would drop the seconds (and an empty box, a value
    // without local time, would not read at all).
    if (field.seconds && field.text == field.shown) {
        return field.seconds;
    }
    if (const auto seconds = ParseRecordDate(field.text)) {
        return seconds;
    }
    if (refusal.empty()) {
        refusal =
            TrPrintf(text::kContext, text::kNotADate, text::Shown(box).c_str(), field.text.c_str());
    }
    return std::nullopt;
}

bool LocalTime(long seconds, std::tm& out) {
    const auto value = static_cast<std::time_t>(seconds);
#ifdef _WIN32
    return localtime_s(&out, &value) == 0;
#else
    return localtime_r(&value, &out) != nullptr;
#endif
}

}  // namespace

std::vector<std::string_view> ChunkedLines(std::string_view text, std::size_t chunk) {
    std::vector<std::string_view> lines;
    if (chunk == 0) {
        return lines;
    }
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.size(), pos + chunk);
        const std::size_t feed = text.find('\n', pos);
        std::string_view line;
        if (feed != std::string_view::npos && feed < end) {
            line = text.substr(pos, feed - pos);
            pos = feed + 1;
        } else {
            line = text.substr(pos, end - pos);
            pos = end;
        }
        // What follows a zero byte is invisible to the string functions that read a line.
        lines.push_back(line.substr(0, line.find('\0')));
    }
    return lines;
}

std::string_view NextWord(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && IsCSpace(text[pos])) {
        ++pos;
    }
    const std::size_t start = pos;
    while (pos < text.size() && !IsCSpace(text[pos])) {
        ++pos;
    }
    return text.substr(start, pos - start);
}

bool CaselessLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(LowerAscii(x)) <
               static_cast<unsigned char>(LowerAscii(y));
    });
}

bool ListOrder(std::string_view a, std::string_view b) {
    if (CaselessLess(a, b)) {
        return true;
    }
    if (CaselessLess(b, a)) {
        return false;
    }
    return a < b;
}

std::vector<std::string> ReadMessageKeys(std::string_view file) {
    std::vector<std::string> keys;
    for (std::string_view line : ChunkedLines(file, kKeyLineBytes)) {
        std::size_t pos = 0;
        const std::string_view word = NextWord(line, pos);
        if (!word.empty()) {
            keys.emplace_back(word);
        }
    }
    std::stable_sort(keys.begin(), keys.end(), ListOrder);
    return keys;
}

UserKeys ReadUserKeys(std::string_view file) {
    UserKeys keys;
    for (std::string_view line : ChunkedLines(file, kKeyLineBytes)) {
        std::size_t pos = 0;
        const std::string_view first = NextWord(line, pos);
        if (first.empty()) {
            continue;
        }
        const std::string_view second = NextWord(line, pos);
        if (second.empty()) {
            keys.callsigns.emplace_back(first);
        } else {
            keys.choices.push_back({ScanLeadingInt(first), std::string(second)});
        }
    }
    std::stable_sort(keys.callsigns.begin(), keys.callsigns.end(), ListOrder);
    std::stable_sort(
        keys.choices.begin(), keys.choices.end(),
        [](const UserChoice& a, const UserChoice& b) { return ListOrder(a.text, b.text); });
    return keys;
}

std::vector<FieldLine> ParseFieldLines(std::string_view payload) {
    payload = payload.substr(0, payload.find('\0'));
    std::vector<FieldLine> fields;
    std::size_t pos = 0;
    while (pos < payload.size()) {
        std::size_t feed = payload.find('\n', pos);
        if (feed == std::string_view::npos) {
            feed = payload.size();
        }
        const std::string_view line = payload.substr(pos, feed - pos);
        pos = feed + 1;
        std::size_t at = 0;
        while (at < line.size() && line[at] >= '0' && line[at] <= '9') {
            ++at;
        }
        if (at == 0) {
            continue;  // no record number
        }
        const long number = ScanLeadingLong(line.substr(0, at));
        while (at < line.size() && IsCSpace(line[at])) {
            ++at;
        }
        fields.push_back(
            {static_cast<int>(std::min<long>(number, INT_MAX)), std::string(line.substr(at))});
    }
    return fields;
}

std::string FormatRecordDate(long seconds) {
    std::tm tm{};
    if (!LocalTime(seconds, tm)) {
        return {};
    }
    char text[64];
    const std::size_t n = std::strftime(text, sizeof text, "%d-%m-%Y %H:%M", &tm);
    return std::string(text, n);
}

std::optional<long> ParseRecordDate(std::string_view text) {
    // "%d-%d-%d %d:%d": each number may follow white space; the separators follow directly.
    long parts[5] = {};
    const char separators[] = {'-', '-', ' ', ':'};
    std::size_t pos = 0;
    for (int i = 0; i < 5; ++i) {
        if (!ScanNextLong(text, pos, parts[i])) {
            return std::nullopt;
        }
        if (i < 4 && separators[i] != ' ') {
            if (pos >= text.size() || text[pos] != separators[i]) {
                return std::nullopt;
            }
            ++pos;
        }
    }
    const long day = parts[0], month = parts[1], year = parts[2], hour = parts[3],
               minute = parts[4];
    // mktime would roll 32-1 over into February: a box out of range is not a date.
    if (day < 1 || day > 31 || month < 1 || month > 12 || year < 1900 || year > 9999 || hour < 0 ||
        hour > 23 || minute < 0 || minute > 59) {
        return std::nullopt;
    }
    std::tm tm{};
    tm.tm_mday = static_cast<int>(day);
    tm.tm_mon = static_cast<int>(month - 1);
    tm.tm_year = static_cast<int>(year - 1900);
    tm.tm_hour = static_cast<int>(hour);
    tm.tm_min = static_cast<int>(minute);
    tm.tm_sec = 0;
    tm.tm_isdst = -1;
    const std::time_t seconds = std::mktime(&tm);
    if (seconds == static_cast<std::time_t>(-1) || seconds > LONG_MAX || seconds < LONG_MIN) {
        return std::nullopt;
    }
    return static_cast<long>(seconds);
}

void DateField::Receive(std::string_view value) {
    seconds = ScanLeadingLong(value);
    text = FormatRecordDate(*seconds);
    shown = text;
}

Composed ComposeGet(std::string_view verb, std::string_view key) {
    if (key.empty() || key.size() > kMaxKeyBytes) {
        return {
            {},
            TrPrintf(text::kContext, text::kKeyTooLong, std::string(key).c_str(), kMaxKeyBytes)};
    }
    return {std::string(verb) + ' ' + std::string(key), {}};
}

Composed ComposePut(std::string_view key, std::string_view body, std::size_t limit) {
    if (key.empty() || key.size() > kMaxKeyBytes) {
        return {
            {},
            TrPrintf(text::kContext, text::kKeyTooLong, std::string(key).c_str(), kMaxKeyBytes)};
    }
    std::string request = "PUT " + std::string(key) + ' ' + std::to_string(body.size()) + '\n';
    request += body;
    if (request.size() > limit) {
        return {{}, TrPrintf(text::kContext, text::kRecordTooLong, request.size(), limit)};
    }
    return {std::move(request), {}};
}

void ApplyMessageReply(MessageRecord& record, std::string_view payload, bool ansiChar) {
    const auto letter = [](std::string_view value, std::string_view letters) {
        return !value.empty() && letters.find(value.front()) != std::string_view::npos
                   ? value.front()
                   : '\0';
    };
    for (FieldLine& field : ParseFieldLines(payload)) {
        switch (field.number) {
            case 1:
                record.type = letter(field.value, kMessageTypes);
                break;
            case 2:
                record.status = letter(field.value, kMessageStatuses);
                break;
            case 4:
                record.size = std::move(field.value);
                break;
            case 5:
                record.received.Receive(field.value);
                break;
            case 7:
                record.via = std::move(field.value);
                break;
            case 8:
                record.from = std::move(field.value);
                break;
            case 9:
                record.to = std::move(field.value);
                break;
            case 10:
                record.bid = std::move(field.value);
                break;
            case 11:
                record.title = ansiChar ? std::move(field.value) : OemToAnsi(field.value);
                break;
            case 12:
                record.data = !field.value.empty() && field.value.front() == '1';
                break;
            case 15:
                record.sent.Receive(field.value);
                break;
            default:
                break;  // 3, 6, 13 and 14 are not shown; other numbers are not ours
        }
    }
}

Composed ComposeMessagePut(const MessageRecord& record, std::string_view key, bool ansiChar) {
    std::string refusal;
    const std::optional<long> received = DateSeconds(record.received, text::kReceivedBox, refusal);
    const std::optional<long> sent = DateSeconds(record.sent, text::kSentBox, refusal);
    std::string body;
    AppendField(body, 1, std::string(1, record.type != 0 ? record.type : '?'), refusal);
    AppendField(body, 2, std::string(1, record.status != 0 ? record.status : '?'), refusal);
    AppendField(body, 4, record.size, refusal);
    AppendField(body, 5, std::to_string(received.value_or(0)), refusal);
    AppendField(body, 7, record.via, refusal);
    AppendField(body, 8, record.from, refusal);
    AppendField(body, 9, record.to, refusal);
    AppendField(body, 10, record.bid, refusal);
    AppendField(body, 11, ansiChar ? record.title : AnsiToOem(record.title), refusal);
    AppendField(body, 12, record.data ? "1" : "0", refusal);
    AppendField(body, 15, std::to_string(sent.value_or(0)), refusal);
    if (!refusal.empty()) {
        return {{}, refusal};
    }
    return ComposePut(key, body, kMaxMessagePutBytes);
}

UserReplyKeys ApplyUserReply(UserRecord& record, std::string_view payload, bool ansiChar) {
    UserReplyKeys keys;
    for (FieldLine& field : ParseFieldLines(payload)) {
        switch (field.number) {
            case 1: {
                std::string_view call = field.value;
                call = call.substr(0, call.find('-'));
                while (!call.empty() && IsCSpace(call.back())) {
                    call.remove_suffix(1);
                }
                keys.callsign = std::string(call);
                break;
            }
            case 14: {
                std::size_t pos = 0;
                long value = 0;
                if (ScanNextLong(field.value, pos, value)) {
                    // "%u": a negative number wraps, a larger one stops at the top; where long
                    // has 32 bits (Windows) no long is larger.
                    record.receivedFlags =
                        static_cast<std::uint32_t>(static_cast<unsigned long>(value));
                    if constexpr (sizeof(long) > sizeof(std::uint32_t)) {
                        if (value > static_cast<long>(UINT32_MAX)) {
                            record.receivedFlags = UINT32_MAX;
                        }
                    }
                    record.flagsReceived = true;
                }
                record.checked = record.receivedFlags & kUserFlagBits;
                break;
            }
            case 17:
                keys.choice = ScanLeadingInt(field.value);
                break;
            case 22:
                record.name = ansiChar ? std::move(field.value) : OemToAnsi(field.value);
                break;
            case 27:
                record.homeBbs = std::move(field.value);
                break;
            case 29:
                record.privateDir = std::move(field.value);
                break;
            case 31:
                record.password = std::move(field.value);
                break;
            case 32:
                record.zip = std::move(field.value);
                break;
            default:
                break;
        }
    }
    return keys;
}

std::optional<std::size_t> FindCallsign(const std::vector<std::string>& list,
                                        std::string_view callsign) {
    // Only the very callsign: a record shown under another user's entry would be written
    // back over that user by the next Apply.
    if (callsign.empty()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (EqualIgnoringCase(list[i], callsign)) {
            return i;
        }
    }
    return std::nullopt;
}

Composed ComposeUserPut(const UserRecord& record, int choice, std::string_view key, bool ansiChar) {
    const std::uint32_t flags =
        (record.receivedFlags & ~kUserFlagBits) | (record.checked & kUserFlagBits);
    std::string refusal;
    std::string body;
    if (record.flagsReceived || (record.checked & kUserFlagBits) != 0) {
        AppendField(body, 14, std::to_string(static_cast<unsigned long>(flags)), refusal);
    }
    AppendField(body, 17, std::to_string(choice), refusal);
    AppendField(body, 22, ansiChar ? record.name : AnsiToOem(record.name), refusal);
    AppendField(body, 27, record.homeBbs, refusal);
    AppendField(body, 29, record.privateDir, refusal);
    AppendField(body, 31, record.password, refusal);
    AppendField(body, 32, record.zip, refusal);
    if (!refusal.empty()) {
        return {{}, refusal};
    }
    return ComposePut(key, body, kMaxUserPutBytes);
}

CallsignCheck CheckCallsign(std::string_view text) {
    CallsignCheck check;
    check.upper.reserve(text.size());
    for (char c : text) {
        check.upper += UpperAscii(c);
    }
    check.valid = std::all_of(check.upper.begin(), check.upper.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
    return check;
}

std::string InvalidCallsignText(std::string_view upper) {
    return text::Shown(text::kInvalidCallsign) + "\r\n" + std::string(upper);
}

}  // namespace brxw::admin
