// SPDX-License-Identifier: GPL-3.0-or-later
// A station line (category 8): one channel of the BBS and the station on it, sent while bit 8 of
// the options word is set. An optional status character, then "%d %s %s %s %d %d %s" (channel,
// callsign, start, time, rt, buf, cfwd) read with scanf's rules.
//
// Station lines are untrusted: a line without a readable channel number, or with a channel
// outside 0 to 99, is rejected; a word is cut to its first 254 bytes, never split into the next
// field. The station list (panel) and the alerts read them.
#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace brxw {

inline constexpr int kMaxStationChannel = 99;
inline constexpr std::size_t kMaxStationWord = 254;

// Status characters with a meaning; any other non-digit is kept and drawn black.
inline constexpr char kStatusNone = ' ';
inline constexpr char kStatusRemove = '!';
inline constexpr char kStatusRed = '<';
inline constexpr char kStatusBlue = '>';

// One station line as it will be shown: buf already raised to 0, cfwd already upper-cased for
// "<", status already "!" when the line held nothing but the channel number.
struct StationLine {
    char status = kStatusNone;
    int channel = 0;
    std::string callsign;
    std::string start;
    std::string time;
    int rt = 0;
    int buf = 0;
    std::string cfwd;

    bool operator==(const StationLine&) const = default;
};
void PrintTo(const StationLine& line, std::ostream* os);

// Reads a station line: an optional status character (any non-digit first byte), then
// "%d %s %s %s %d %d %s" with scanf's rules; missing words stay empty and missing numbers 0.
// The text ends at the first NUL byte. Nothing when the channel is missing, not a number or
// outside 0 to 99.
std::optional<StationLine> ParseStationLine(std::string_view payload);

// "%d %s" with the same rules: a number and the word after it (cut to kMaxStationWord bytes),
// nothing when either is missing. The text ends at the first NUL byte; the number is not
// range-checked.
std::optional<std::pair<int, std::string>> ScanNumberAndWord(std::string_view text);

}  // namespace brxw
