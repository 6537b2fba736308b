// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/counters.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "link/traffic_colour.h"
#include "resources/strings.h"
#include "resources/translate.h"
#include "text/text_scan.h"

namespace brxw {
namespace {

static_assert(kPanelRed == Rgb(255, 0, 0));

std::int32_t ClampTo32(std::int64_t n) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(n, INT32_MIN, INT32_MAX));
}

// "%d %d ..." with `count` conversions; the numbers that are missing are 0.
template <std::size_t N>
std::array<std::int32_t, N> ScanCounts(std::string_view payload) {
    // The text ends at its NUL; ScanLongs stops at any byte that is not part of a number.
    const std::vector<long> read = ScanLongs(payload.substr(0, payload.find('\0')), N);
    std::array<std::int32_t, N> numbers{};
    for (std::size_t i = 0; i < read.size() && i < N; ++i) {
        numbers[i] = ClampTo32(read[i]);
    }
    return numbers;
}

PanelLine Line(const char* format, std::int32_t value, bool red) {
    return PanelLine{red ? kPanelRed : kPanelBlack,
                     TrPrintf("brxw::Counters", format, static_cast<int>(value))};
}

PanelLine Line(const char* format, const std::string& value, bool red) {
    return PanelLine{red ? kPanelRed : kPanelBlack,
                     TrPrintf("brxw::Counters", format, value.c_str())};
}

}  // namespace

void PrintTo(const PanelLine& line, std::ostream* os) {
    std::string shown;
    for (char c : line.text) {
        shown += c == '\t' ? std::string("\\t") : std::string(1, c);
    }
    *os << "{colour 0x" << std::hex << line.colour << std::dec << ", \"" << shown << "\"}";
}

std::string ScaleSize(std::int64_t n, SizeUnit unit) {
    static constexpr char kUnits[] = {' ', 'K', 'M', 'G'};
    std::int32_t value = ClampTo32(n);
    std::size_t index = static_cast<std::size_t>(unit);
    // 32-bit numbers pass at most two divisions from kilobytes, so 'G' is the last unit reached.
    while (value >= 10240 && index + 1 < std::size(kUnits)) {
        value /= 1024;
        ++index;
    }
    return StrPrintf("%d %cB", static_cast<int>(value), kUnits[index]);
}

PanelLines MessageCounterLines(std::string_view payload) {
    const auto [priv, held, total] = ScanCounts<3>(payload);
    return {Line(counter_text::kTotalMsgs, total, false),
            Line(counter_text::kHeldMsgs, held, held != 0),
            Line(counter_text::kPrivMsgs, priv, priv != 0)};
}

PanelLines SystemStatusLines(std::string_view payload) {
    const auto [used, data, disk, unused] = ScanCounts<4>(payload);
    (void)unused;
    return {Line(counter_text::kUsedMem, ScaleSize(used, SizeUnit::kBytes), false),
            Line(counter_text::kDataMem, ScaleSize(data, SizeUnit::kKilobytes), false),
            Line(counter_text::kDiskFree, ScaleSize(disk, SizeUnit::kKilobytes),
                 disk < kLowDiskKilobytes)};
}

int ParseStationCount(std::string_view payload) {
    return std::max(ScanLeadingInt(payload.substr(0, payload.find('\0'))), 0);
}

std::string StationCountText(bool loggedIn, int count) {
    if (!loggedIn) {
        return TrAnsi("brxw::str", str::kNotConnected);
    }
    return TrPrintf("brxw::str", str::kConnectedStations, std::to_string(count).c_str());
}

}  // namespace brxw
