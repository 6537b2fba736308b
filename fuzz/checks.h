// SPDX-License-Identifier: GPL-3.0-or-later
// The promises of the panels' logic, checked after every call a fuzz target makes: shared by the
// dispatch target (whose recording panel feeds the real logic) and the targets of each surface.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "panel/channel_router.h"

namespace brxw {

class PactorControl;
class ServerOptions;
class StationList;

namespace fuzz {

// "%d %d ..." as sscanf reads it, from the C library's own strtol: the numbers before the first
// that fails, each clamped to 32 bits. The reference the scanners are compared with.
std::vector<long> ReferenceScan(std::string_view text, std::size_t max);
long ReferenceLeadingLong(std::string_view text);

// The three message-counter lines of a category-1 payload, and the status lines of category 2:
// labels, numbers that read back as the payload's, red exactly where it belongs.
void CheckMessageCounters(std::string_view payload);
void CheckSystemStatus(std::string_view payload);
// "%d %cB" that stands for n in its unit, rounded down to whole units.
void CheckScaledSize(std::int64_t n, int unit, std::string_view text);

// Applies a station line and checks the list: sorted, one entry per channel from 0 to 99, at
// most 79 bytes each, the line's own entry where it belongs, the selection kept by channel.
void ApplyAndCheckStationLine(StationList& list, std::string_view payload,
                              std::optional<int> oneChannel);
void CheckStationList(const StationList& list);

// A text window as the channel routing sees it, counting what it was given.
class RecordingSink : public TrafficSink {
public:
    bool Exists() const override { return exists; }
    std::optional<int> Channel() const override { return channel; }
    void AppendText(std::string_view text, std::uint32_t colour) override;

    bool exists = false;
    std::optional<int> channel;
    std::vector<std::string> texts;
    std::uint32_t lastColour = 0;
};
// Routes one frame and checks who got it: the all-channels window everything, the one-channel
// window its own channel's text unless bit 2 is set, after a marker when its channel changed.
void RouteAndCheck(ChannelRouter& router, RecordingSink& all, RecordingSink& one, int channel,
                   std::uint8_t trafficByte, std::string_view text);

// The Pactor controls follow the last state, and the commands say what the marks show.
void CheckPactor(const PactorControl& pactor);
// The server's option items: one per letter A to Z, ids in the command range, labels of one
// line within 79 bytes, and each item's command asking for the opposite of its mark.
void CheckServerOptions(const ServerOptions& options);

}  // namespace fuzz
}  // namespace brxw
