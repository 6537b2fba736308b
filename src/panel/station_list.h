// SPDX-License-Identifier: GPL-3.0-or-later
// The station list: one entry per channel of the BBS that has a station on it, kept up to date
// from the station lines the server sends (category 8) while bit 8 of the options word is set.
//
// An entry is the text "%02d%c%s": the channel as two digits, the status character, then the
// station row "%02d\t%s\t%s\t%s\t%d\t%d\t%s" (channel, callsign, start, time, rt, buf, cfwd) whose
// tabs line the fields up under the column header. Entries stay sorted by their text, which for
// channels 0 to 99 is channel order. The list also keeps the operator's selection (one entry or
// none) and carries it across updates by channel.
//
// Station lines are untrusted (link/station_line.h reads them): a rejected line changes nothing,
// and an entry is cut to its first 79 bytes, so a row can grow too long to read in full but never
// lands out of place.
//
// Owned by the control panel for the whole program run; CStationListView shows it and writes
// the operator's selection into it. User-interface thread only.
#pragma once

#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "link/station_line.h"

namespace brxw {

// The fixed label above the list; the rows' tab stops are taken from its column positions. Shown
// in the sysop's language (context "brxw::StationList"): a translation keeps one word per column
// and each column's first letter where the English has it.
inline constexpr const char* kStationHeader =
    QT_TRANSLATE_NOOP("brxw::StationList", "Ch Callsign          Start   Time    Rt Buf C/Fwd");

inline constexpr std::size_t kMaxStationEntry = 79;
// The station row starts after the two channel digits and the status character.
inline constexpr std::size_t kStationRowOffset = 3;

// "%02d\t%s\t%s\t%s\t%d\t%d\t%s".
std::string FormatStationRow(const StationLine& line);
// "%02d%c%s" with the row, cut to kMaxStationEntry bytes.
std::string FormatStationEntry(const StationLine& line);

// The row's text colour (0x00BBGGRR): "<" red, ">" blue, anything else black.
std::uint32_t StationRowColour(char status);
char StationStatusOf(std::string_view entry);
// What a row's colour says, in words for those who cannot see it: "needs attention" (red),
// "outgoing" (blue), or nothing.
std::string_view StationStateText(char status);
// The entry from its fourth byte on; empty for a shorter entry.
std::string_view StationRowOf(std::string_view entry);

// Channel and callsign of an entry, read from its row with "%d %s".
struct SelectedStation {
    int channel = 0;
    std::string callsign;

    bool operator==(const SelectedStation&) const = default;
};
void PrintTo(const SelectedStation& station, std::ostream* os);
// Nothing when fewer than two values can be read.
std::optional<SelectedStation> ReadStationEntry(std::string_view entry);

// The one-channel window's title: "Channel %d : %s", or "None" for an empty callsign.
// In the sysop's language (context "brxw::StationList").
inline constexpr const char* kOneChannelTitle =
    QT_TRANSLATE_NOOP("brxw::StationList", "Channel %d : %s");
inline constexpr const char* kOneChannelTitleNone = QT_TRANSLATE_NOOP("brxw::StationList", "None");
std::string OneChannelTitle(int channel, std::string_view callsign);

// The disconnect request, sent as a frame of kind 5: "%02d %s %d" (channel, callsign, flag).
inline constexpr std::uint8_t kDisconnectRequestKind = 5;
std::string DisconnectRequest(int channel, std::string_view callsign, bool immediate);

// What one station line changed, so that the widgets only show it.
struct StationUpdate {
    bool applied = false;  // false: the line was rejected and nothing changed
    int channel = -1;
    bool removed = false;                    // the channel's entry is gone ("!")
    std::optional<std::size_t> removedRow;   // where the channel's old entry stood
    std::optional<std::size_t> insertedRow;  // where its new entry stands
    std::size_t entryCount = 0;              // the connected-stations count to show
    bool selectionChanged = false;           // the selected row index differs from before
    bool selectionRemoved = false;           // the selected channel left: nothing is selected
    // Set when the one-channel window follows this channel: its new title.
    std::optional<std::string> oneChannelTitle;
};

class StationList {
public:
    // Applies one station line (category 8). oneChannel is the channel the one-channel window
    // follows, or nothing when that window does not exist or follows no channel.
    StationUpdate ApplyStationLine(std::string_view payload,
                                   std::optional<int> oneChannel = std::nullopt);
    StationUpdate Apply(const StationLine& line, std::optional<int> oneChannel = std::nullopt);

    // Removes every entry and the selection (a session starts or ends).
    void Clear();

    std::size_t Count() const { return m_entries.size(); }
    const std::vector<std::string>& Entries() const { return m_entries; }
    // Empty for a row that does not exist.
    std::string_view Entry(std::size_t row) const;
    std::optional<std::size_t> RowOfChannel(int channel) const;

    std::optional<std::size_t> Selected() const { return m_selected; }
    // Selects a row, or nothing; a row that does not exist clears the selection and gives false.
    bool Select(std::optional<std::size_t> row);
    // The selected entry's channel and callsign; nothing when none is selected or unreadable.
    std::optional<SelectedStation> ReadSelection() const;
    // The disconnect request for the selected station; nothing when there is no readable one.
    std::optional<std::string> SelectedDisconnectRequest(bool immediate) const;

private:
    std::vector<std::string> m_entries;
    std::optional<std::size_t> m_selected;
};

}  // namespace brxw
