// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <set>

#include "fuzz_support.h"
#include "link/pactor_control.h"
#include "link/server_options.h"
#include "link/station_line.h"
#include "link/traffic_colour.h"
#include "panel/counters.h"
#include "panel/station_list.h"
#include "resources/command_ids.h"
#include "text/text_scan.h"

namespace brxw::fuzz {

namespace {

long Clamp32(long n) {
    return std::clamp<long>(n, INT32_MIN, INT32_MAX);
}

void CheckLine(const PanelLine& line, std::string_view label, std::string_view value, bool red,
               std::string_view payload) {
    const std::string expected = std::string(label) + "\t" + std::string(value);
    FUZZ_CHECK(line.text == expected,
               "panel line " + Show(line.text) + " for payload " + Show(payload));
    FUZZ_CHECK(line.text.size() <= 39, "panel line over 39 characters");
    FUZZ_CHECK(line.colour == (red ? kPanelRed : kPanelBlack),
               "wrong colour of " + Show(line.text) + " for payload " + Show(payload));
}

}  // namespace

std::vector<long> ReferenceScan(std::string_view text, std::size_t max) {
    const std::string copy(text.substr(0, text.find('\0')));
    std::vector<long> numbers;
    const char* at = copy.c_str();
    while (numbers.size() < max) {
        char* end = nullptr;
        errno = 0;
        const long n = std::strtol(at, &end, 10);
        if (end == at) {
            break;
        }
        numbers.push_back(n);
        at = end;
    }
    return numbers;
}

long ReferenceLeadingLong(std::string_view text) {
    const std::vector<long> one = ReferenceScan(text, 1);
    return one.empty() ? 0 : one.front();
}

void CheckScaledSize(std::int64_t n, int unit, std::string_view text) {
    static constexpr std::string_view kUnits = " KMG";
    const long value = Clamp32(static_cast<long>(std::clamp<std::int64_t>(n, LONG_MIN, LONG_MAX)));
    char* end = nullptr;
    const std::string copy(text);
    const long shown = std::strtol(copy.c_str(), &end, 10);
    FUZZ_CHECK(end != copy.c_str() && std::string_view(end).size() == 3 && end[0] == ' ' &&
                   end[2] == 'B' && kUnits.find(end[1]) != std::string_view::npos,
               "size not \"%d %cB\": " + Show(text));
    const int shownUnit = static_cast<int>(kUnits.find(end[1]));
    if (value < 10240) {
        FUZZ_CHECK(shown == value && shownUnit == unit, "a small size scaled: " + Show(text));
        return;
    }
    FUZZ_CHECK(shownUnit > unit && shown < 10240 && shown >= 9, "size badly scaled: " + Show(text));
    const long long factor = 1LL << (10 * (shownUnit - unit));
    FUZZ_CHECK(shown * factor <= value && value < (shown + 1) * factor,
               "size " + Show(text) + " is not " + std::to_string(value));
}

void CheckMessageCounters(std::string_view payload) {
    const PanelLines lines = MessageCounterLines(payload);
    std::vector<long> n = ReferenceScan(payload, 3);
    n.resize(3, 0);
    const long priv = Clamp32(n[0]);
    const long held = Clamp32(n[1]);
    const long total = Clamp32(n[2]);
    CheckLine(lines[0], "Total msgs :", std::to_string(total), false, payload);
    CheckLine(lines[1], "Held msgs :", std::to_string(held), held != 0, payload);
    CheckLine(lines[2], "Priv msgs :", std::to_string(priv), priv != 0, payload);
}

void CheckSystemStatus(std::string_view payload) {
    const PanelLines lines = SystemStatusLines(payload);
    std::vector<long> n = ReferenceScan(payload, 4);
    n.resize(4, 0);
    const std::array<std::string_view, 3> labels = {"Used mem :", "Data mem :", "Disk free :"};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string& text = lines[i].text;
        const std::size_t tab = text.find('\t');
        FUZZ_CHECK(tab != std::string::npos && text.substr(0, tab) == labels[i],
                   "status line label: " + Show(text));
        CheckScaledSize(n[i], i == 0 ? 0 : 1, std::string_view(text).substr(tab + 1));
        const bool red = i == 2 && Clamp32(n[2]) < kLowDiskKilobytes;
        FUZZ_CHECK(lines[i].colour == (red ? kPanelRed : kPanelBlack),
                   "status colour of " + Show(text) + " for " + Show(payload));
        FUZZ_CHECK(text.size() <= 39, "status line over 39 characters");
    }
}

void CheckStationList(const StationList& list) {
    const std::vector<std::string>& entries = list.Entries();
    FUZZ_CHECK(std::is_sorted(entries.begin(), entries.end()), "station list out of order");
    FUZZ_CHECK(entries.size() <= 100, "more entries than channels");
    std::set<int> channels;
    for (const std::string& entry : entries) {
        FUZZ_CHECK(entry.size() >= 3 && entry.size() <= kMaxStationEntry,
                   "entry length: " + Show(entry));
        FUZZ_CHECK(entry[0] >= '0' && entry[0] <= '9' && entry[1] >= '0' && entry[1] <= '9',
                   "entry without its channel: " + Show(entry));
        FUZZ_CHECK(!(entry[2] >= '0' && entry[2] <= '9') && entry[2] != kStatusRemove,
                   "entry with a digit or '!' for status: " + Show(entry));
        const int channel = (entry[0] - '0') * 10 + (entry[1] - '0');
        FUZZ_CHECK(channels.insert(channel).second, "two entries for one channel");
        FUZZ_CHECK(list.RowOfChannel(channel).has_value(), "entry not found by its channel");
        // The row repeats the channel first, so a readable row always reads back its channel.
        if (const auto read = ReadStationEntry(entry)) {
            FUZZ_CHECK(read->channel == channel && !read->callsign.empty(),
                       "entry reads back another channel: " + Show(entry));
        }
    }
    if (const auto selected = list.Selected()) {
        FUZZ_CHECK(*selected < entries.size(), "selection beyond the list");
    }
}

void ApplyAndCheckStationLine(StationList& list, std::string_view payload,
                              std::optional<int> oneChannel) {
    const std::vector<std::string> before = list.Entries();
    std::optional<int> selectedChannel;
    if (const auto row = list.Selected()) {
        selectedChannel = (before[*row][0] - '0') * 10 + (before[*row][1] - '0');
    }
    const StationUpdate update = list.ApplyStationLine(ExactText(payload).View(), oneChannel);
    const std::optional<StationLine> line = ParseStationLine(ExactText(payload).View());
    CheckStationList(list);
    FUZZ_CHECK(update.entryCount == list.Count(), "connected-stations count differs from list");
    if (!line) {
        FUZZ_CHECK(!update.applied && list.Entries() == before, "a rejected line changed the list");
        return;
    }
    FUZZ_CHECK(update.applied && update.channel == line->channel, "a station line not applied");
    FUZZ_CHECK(line->channel >= 0 && line->channel <= kMaxStationChannel, "channel out of range");
    FUZZ_CHECK(line->buf >= 0, "negative Buf shown");
    for (const std::string* word : {&line->callsign, &line->start, &line->time, &line->cfwd}) {
        FUZZ_CHECK(word->size() <= kMaxStationWord, "word over 254 bytes");
        FUZZ_CHECK(std::none_of(word->begin(), word->end(), IsCSpace) &&
                       word->find('\0') == std::string::npos,
                   "white space in a word: " + Show(*word));
    }
    if (line->status == kStatusRed) {
        FUZZ_CHECK(std::none_of(line->cfwd.begin(), line->cfwd.end(),
                                [](char c) { return c >= 'a' && c <= 'z'; }),
                   "C/Fwd not upper-cased under '<'");
    }
    const auto row = list.RowOfChannel(line->channel);
    if (line->status == kStatusRemove) {
        FUZZ_CHECK(!row && update.removed, "a removed channel still listed");
        FUZZ_CHECK(list.Count() + 1 >= before.size(), "a removal took more than one entry");
    } else {
        FUZZ_CHECK(row && list.Entries()[*row] == FormatStationEntry(*line),
                   "the line's entry is not in the list");
        FUZZ_CHECK(list.Count() <= before.size() + 1, "one line added more than one entry");
    }
    if (selectedChannel) {
        if (line->status == kStatusRemove && *selectedChannel == line->channel) {
            FUZZ_CHECK(!list.Selected() && update.selectionRemoved,
                       "removed station still selected");
        } else {
            FUZZ_CHECK(list.Selected() && list.Selected() == list.RowOfChannel(*selectedChannel),
                       "the selection moved to another channel");
        }
    } else {
        FUZZ_CHECK(!list.Selected(), "a selection appeared");
    }
    if (oneChannel && *oneChannel == line->channel) {
        FUZZ_CHECK(update.oneChannelTitle.has_value(), "one-channel window not retitled");
        if (line->status == kStatusRemove) {
            FUZZ_CHECK(*update.oneChannelTitle == "None", "removed channel's title is not None");
        }
    } else {
        FUZZ_CHECK(!update.oneChannelTitle, "another channel's window retitled");
    }
}

void RecordingSink::AppendText(std::string_view text, std::uint32_t colour) {
    FUZZ_CHECK(exists, "text for a window never created");
    texts.emplace_back(text);
    lastColour = colour;
}

void RouteAndCheck(ChannelRouter& router, RecordingSink& all, RecordingSink& one, int channel,
                   std::uint8_t trafficByte, std::string_view text) {
    const std::size_t allBefore = all.texts.size();
    const std::size_t oneBefore = one.texts.size();
    const int lastBefore = router.LastChannelShown();
    router.Route(channel, trafficByte, text);
    const std::uint32_t colour = TrafficColour(trafficByte);
    if (all.exists) {
        FUZZ_CHECK(all.texts.size() == allBefore + 1 && all.texts.back() == text &&
                       all.lastColour == colour,
                   "all-channels window missed a frame");
    }
    const bool forOne = one.exists && one.channel == channel &&
                        (trafficByte & ChannelRouter::kAllChannelsOnly) == 0;
    if (!forOne) {
        FUZZ_CHECK(one.texts.size() == oneBefore && router.LastChannelShown() == lastBefore,
                   "one-channel window got another channel's text");
        return;
    }
    const std::size_t expected = oneBefore + (channel != lastBefore ? 2 : 1);
    FUZZ_CHECK(one.texts.size() == expected && one.texts.back() == text &&
                   one.lastColour == colour && router.LastChannelShown() == channel,
               "one-channel window: text or marker wrong");
    if (channel != lastBefore) {
        FUZZ_CHECK(one.texts[oneBefore] == ChannelChangedMarker(channel), "marker text");
    }
}

void CheckPactor(const PactorControl& pactor) {
    const PactorView view = pactor.View();
    if (!pactor.Present()) {
        FUZZ_CHECK(view == PactorView{}, "Pactor controls shown without a report");
        for (int command : {cmd::kPactorScan, cmd::kPactorReceive, cmd::kPactorSend}) {
            FUZZ_CHECK(!pactor.Command(command), "a Pactor command without controls");
        }
        return;
    }
    const std::uint32_t state = pactor.State();
    const std::string port = std::to_string(pactor.Port());
    FUZZ_CHECK(view.menuPresent, "Pactor menu missing");
    if (state & pactor_bit::kLinkMode) {
        const bool sending = (state & pactor_bit::kSending) != 0;
        FUZZ_CHECK(!view.scan.buttonVisible && !view.scan.checked && !view.scan.enabled,
                   "Scan usable on a link");
        FUZZ_CHECK(view.send.buttonVisible == sending && view.send.checked == sending &&
                       view.receive.buttonVisible == !sending && view.receive.checked == !sending,
                   "link direction shown wrong");
        FUZZ_CHECK(view.send.enabled && view.receive.enabled, "link buttons grayed");
    } else {
        FUZZ_CHECK(view.scan.buttonVisible && view.scan.enabled &&
                       view.scan.checked == ((state & pactor_bit::kScanning) != 0),
                   "Scan shown wrong");
        FUZZ_CHECK(view.send == PactorItemView{} && view.receive == PactorItemView{},
                   "Send or Receive usable while not on a link");
    }
    FUZZ_CHECK(
        pactor.Command(cmd::kPactorScan) == "SCAN " + port + (view.scan.checked ? " 0" : " 1"),
        "Scan command");
    const std::string direction = (view.receive.checked ? "BRK " : "CHO ") + port;
    FUZZ_CHECK(pactor.Command(cmd::kPactorReceive) == direction &&
                   pactor.Command(cmd::kPactorSend) == direction,
               "Send or Receive command");
}

void CheckServerOptions(const ServerOptions& options) {
    if (!options.Attached()) {
        FUZZ_CHECK(options.Items().empty(), "option items while detached");
    }
    std::set<int> ids;
    for (const ServerOptionItem& item : options.Items()) {
        FUZZ_CHECK(item.letter >= 'A' && item.letter <= 'Z' + 1, "option letter outside A to [");
        FUZZ_CHECK(item.id == kServerOptionFirstId + (item.letter - 'A'), "option id");
        FUZZ_CHECK(ServerOptions::IsOptionCommand(item.id), "option id outside the commands");
        FUZZ_CHECK(ids.insert(item.id).second, "two items for one option");
        FUZZ_CHECK(!item.label.empty() && item.label.size() <= kServerOptionLabelMax,
                   "option label length");
        FUZZ_CHECK(item.label.find_first_of(std::string_view("\n\0", 2)) == std::string::npos,
                   "option label of more than one line: " + Show(item.label));
        FUZZ_CHECK(options.Toggle(item.id) ==
                       std::string("SET ") + item.letter + (item.checked ? " 0" : " 1"),
                   "option command");
    }
    for (int id = kServerOptionFirstId - 1; id <= kServerOptionLastId + 1; ++id) {
        if (ids.count(id) == 0) {
            FUZZ_CHECK(!options.Toggle(id), "a command for an option never listed");
        }
    }
}

}  // namespace brxw::fuzz
