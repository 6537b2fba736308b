// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of the control panel's Status and Messages panels and of status pane 0: the
// message counters (category 1, while bit 1 is set), the system status (category 2, while bit 2
// is set) and the connected-stations count (category 4 and the station list's size).
//
// The payloads are untrusted text: a missing number counts as 0, and every number is read into
// 64 bits and clamped to the 32-bit range the server counts in, so scaling cannot overflow.
// Free functions without state; the control panel keeps the six lines it shows.
#pragma once

#include <QtGlobal>
#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace brxw {

// One of the three lines of a panel: a label, a tab, the value.
struct PanelLine {
    std::uint32_t colour = 0;  // 0x00BBGGRR
    std::string text;

    bool operator==(const PanelLine&) const = default;
};
void PrintTo(const PanelLine& line, std::ostream* os);

// A panel's lines from top to bottom.
using PanelLines = std::array<PanelLine, 3>;

// The captions and lines are shown in the sysop's language (context "brxw::Counters"); each
// label of kLabels is translated as the label part of its line's format.
namespace counter_text {
inline constexpr const char* kStatusCaption = QT_TRANSLATE_NOOP("brxw::Counters", "Status");
inline constexpr const char* kMessagesCaption = QT_TRANSLATE_NOOP("brxw::Counters", "Messages");
inline constexpr const char* kUsedMem = QT_TRANSLATE_NOOP("brxw::Counters", "Used mem :\t%s");
inline constexpr const char* kDataMem = QT_TRANSLATE_NOOP("brxw::Counters", "Data mem :\t%s");
inline constexpr const char* kDiskFree = QT_TRANSLATE_NOOP("brxw::Counters", "Disk free :\t%s");
inline constexpr const char* kTotalMsgs = QT_TRANSLATE_NOOP("brxw::Counters", "Total msgs :\t%d");
inline constexpr const char* kHeldMsgs = QT_TRANSLATE_NOOP("brxw::Counters", "Held msgs :\t%d");
inline constexpr const char* kPrivMsgs = QT_TRANSLATE_NOOP("brxw::Counters", "Priv msgs :\t%d");
// Every label a panel line can carry, for widgets that size a label column.
inline constexpr std::array<std::string_view, 6> kLabels = {
    QT_TRANSLATE_NOOP("brxw::Counters", "Used mem :"),
    QT_TRANSLATE_NOOP("brxw::Counters", "Data mem :"),
    QT_TRANSLATE_NOOP("brxw::Counters", "Disk free :"),
    QT_TRANSLATE_NOOP("brxw::Counters", "Total msgs :"),
    QT_TRANSLATE_NOOP("brxw::Counters", "Held msgs :"),
    QT_TRANSLATE_NOOP("brxw::Counters", "Priv msgs :")};
// The widest value a line can carry: the lowest 32-bit number with a unit.
inline constexpr std::string_view kWidestValue = "-2147483648 KB";
}  // namespace counter_text

inline constexpr std::uint32_t kPanelBlack = 0x000000;
inline constexpr std::uint32_t kPanelRed = 0x0000FF;  // RGB(255, 0, 0)
// Free disk below this many kilobytes is drawn red.
inline constexpr std::int32_t kLowDiskKilobytes = 2000;

// The unit a figure starts in.
enum class SizeUnit { kBytes = 0, kKilobytes = 1 };

// "%d %cB": divided by 1024 while it is at least 10240, the unit letter (' ', 'K', 'M', 'G')
// following. The number is clamped to 32 bits first; negative numbers stay unscaled.
std::string ScaleSize(std::int64_t n, SizeUnit unit);

// "%d %d %d": private, held, total. Lines: total (black), held, private (red unless 0).
PanelLines MessageCounterLines(std::string_view payload);

// "%d %d %d %d": used bytes, data kilobytes, free disk kilobytes and one number not shown.
// Lines: used, data (black), free disk (red below kLowDiskKilobytes).
PanelLines SystemStatusLines(std::string_view payload);

// The station count of a category-4 payload: its leading decimal number, 0 when there is none;
// a negative number counts as 0.
int ParseStationCount(std::string_view payload);

// Status pane 0: "%d Connected station(s)" while logged in, "Not connected" otherwise.
std::string StationCountText(bool loggedIn, int count);

}  // namespace brxw
