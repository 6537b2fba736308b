// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/station_list.h"

#include "text/text_scan.h"

#include <algorithm>
#include <cstdint>

#include "link/traffic_colour.h"
#include "resources/strings.h"
#include "resources/translate.h"

namespace brxw {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The leading digits of an entry; entries are only built from channels 0 to 99.
int ChannelOfEntry(std::string_view entry) {
    int channel = 0;
    for (std::size_t i = 0; i < entry.size() && i < 3 && IsDigit(entry[i]); ++i) {
        channel = channel * 10 + (entry[i] - '0');
    }
    return channel;
}

}  // namespace

void PrintTo(const SelectedStation& station, std::ostream* os) {
    *os << "{channel " << station.channel << ", \"" << station.callsign << "\"}";
}

std::string FormatStationRow(const StationLine& line) {
    return StrPrintf("%02d\t%s\t%s\t%s\t%d\t%d\t%s", line.channel, line.callsign.c_str(),
                     line.start.c_str(), line.time.c_str(), line.rt, line.buf, line.cfwd.c_str());
}

std::string FormatStationEntry(const StationLine& line) {
    std::string entry = StrPrintf("%02d%c", line.channel, line.status) + FormatStationRow(line);
    if (entry.size() > kMaxStationEntry) {
        entry.resize(kMaxStationEntry);
    }
    return entry;
}

std::uint32_t StationRowColour(char status) {
    switch (status) {
        case kStatusRed:
            return Rgb(255, 0, 0);
        case kStatusBlue:
            return Rgb(0, 0, 255);
        default:
            return Rgb(0, 0, 0);
    }
}

std::string_view StationStateText(char status) {
    switch (status) {
        case kStatusRed:
            return QT_TRANSLATE_NOOP("brxw::StationList", "needs attention");
        case kStatusBlue:
            return QT_TRANSLATE_NOOP("brxw::StationList", "outgoing");
        default:
            return {};
    }
}

char StationStatusOf(std::string_view entry) {
    return entry.size() > 2 ? entry[2] : kStatusNone;
}

std::string_view StationRowOf(std::string_view entry) {
    return entry.size() > kStationRowOffset ? entry.substr(kStationRowOffset) : std::string_view{};
}

std::optional<SelectedStation> ReadStationEntry(std::string_view entry) {
    auto fields = ScanNumberAndWord(StationRowOf(entry));
    if (!fields) {
        return std::nullopt;
    }
    return SelectedStation{fields->first, std::move(fields->second)};
}

std::string OneChannelTitle(int channel, std::string_view callsign) {
    if (callsign.empty()) {
        return TrAnsi("brxw::StationList", kOneChannelTitleNone);
    }
    return TrPrintf("brxw::StationList", kOneChannelTitle, channel, std::string(callsign).c_str());
}

std::string DisconnectRequest(int channel, std::string_view callsign, bool immediate) {
    return StrPrintf("%02d %s %d", channel, std::string(callsign).c_str(), immediate ? 1 : 0);
}

StationUpdate StationList::ApplyStationLine(std::string_view payload,
                                            std::optional<int> oneChannel) {
    const std::optional<StationLine> line = ParseStationLine(payload);
    if (!line) {
        StationUpdate rejected;
        rejected.entryCount = m_entries.size();
        return rejected;
    }
    return Apply(*line, oneChannel);
}

StationUpdate StationList::Apply(const StationLine& line, std::optional<int> oneChannel) {
    StationUpdate update;
    if (line.channel < 0 || line.channel > kMaxStationChannel) {
        update.entryCount = m_entries.size();
        return update;
    }
    update.applied = true;
    update.channel = line.channel;

    const std::optional<std::size_t> selectedBefore = m_selected;
    std::optional<int> remembered;
    if (m_selected) {
        remembered = ChannelOfEntry(m_entries[*m_selected]);
    }

    if (const auto row = RowOfChannel(line.channel)) {
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(*row));
        update.removedRow = row;
    }
    std::string entry;
    if (line.status != kStatusRemove) {
        entry = FormatStationEntry(line);
        const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), entry);
        update.insertedRow = static_cast<std::size_t>(at - m_entries.begin());
        m_entries.insert(at, entry);
    } else {
        update.removed = true;
        if (remembered == line.channel) {
            remembered.reset();
            update.selectionRemoved = true;
        }
    }

    m_selected = remembered ? RowOfChannel(*remembered) : std::nullopt;
    update.selectionChanged = m_selected != selectedBefore;
    update.entryCount = m_entries.size();

    if (oneChannel && *oneChannel == line.channel) {
        // A removed station leaves the window on an empty channel, whatever else the line held.
        const std::optional<SelectedStation> shown =
            update.removed ? std::nullopt : ReadStationEntry(entry);
        update.oneChannelTitle = OneChannelTitle(line.channel, shown ? shown->callsign : "");
    }
    return update;
}

void StationList::Clear() {
    m_entries.clear();
    m_selected.reset();
}

std::string_view StationList::Entry(std::size_t row) const {
    return row < m_entries.size() ? std::string_view(m_entries[row]) : std::string_view{};
}

std::optional<std::size_t> StationList::RowOfChannel(int channel) const {
    for (std::size_t row = 0; row < m_entries.size(); ++row) {
        if (ChannelOfEntry(m_entries[row]) == channel) {
            return row;
        }
    }
    return std::nullopt;
}

bool StationList::Select(std::optional<std::size_t> row) {
    if (row && *row >= m_entries.size()) {
        m_selected.reset();
        return false;
    }
    m_selected = row;
    return true;
}

std::optional<SelectedStation> StationList::ReadSelection() const {
    if (!m_selected) {
        return std::nullopt;
    }
    return ReadStationEntry(m_entries[*m_selected]);
}

std::optional<std::string> StationList::SelectedDisconnectRequest(bool immediate) const {
    const std::optional<SelectedStation> station = ReadSelection();
    if (!station) {
        return std::nullopt;
    }
    return DisconnectRequest(station->channel, station->callsign, immediate);
}

}  // namespace brxw
