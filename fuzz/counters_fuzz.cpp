// SPDX-License-Identifier: GPL-3.0-or-later
// Message counters (category 1), system status (category 2) and the station count (category 4)
// as the Status and Messages panels and status pane 0 show them.
//
// Input: one byte choosing the report, then its payload.
// Properties (checks.h): each line is its label, a tab and the number the payload holds as the C
// library reads it (missing numbers 0, clamped to 32 bits), sizes scaled to the unit they stand
// for, red exactly for held or private messages and for free disk below 2000 KB, at most 39
// characters; the station count is the payload's leading number, never negative.
#include "checks.h"
#include "fuzz_support.h"
#include "panel/counters.h"

#include <algorithm>
#include <climits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brxw;
    fuzz::ByteReader in(data, size);
    const std::uint8_t which = in.Byte();
    const fuzz::ExactText payload(in.Rest());
    switch (which % 4) {
        case 0:
            fuzz::CheckMessageCounters(payload.View());
            break;
        case 1:
            fuzz::CheckSystemStatus(payload.View());
            break;
        case 2: {
            const int count = ParseStationCount(payload.View());
            const long expected =
                std::clamp<long>(fuzz::ReferenceLeadingLong(payload.View()), 0, INT_MAX);
            FUZZ_CHECK(count == expected, "station count " + std::to_string(count) + " for " +
                                              fuzz::Show(payload.View()));
            FUZZ_CHECK(
                StationCountText(true, count) == std::to_string(count) + " Connected station(s)",
                "status pane text");
            FUZZ_CHECK(StationCountText(false, count) == "Not connected", "status pane offline");
            break;
        }
        default: {
            // Scaling alone, over the whole 64-bit range the panels could be handed.
            fuzz::ByteReader numbers(data + 1, size - 1);
            const std::int64_t high = numbers.Int();
            const std::int64_t n = (high << 32) | static_cast<std::uint32_t>(numbers.Int());
            const int unit = numbers.Bool() ? 1 : 0;
            fuzz::CheckScaledSize(n, unit,
                                  ScaleSize(n, unit ? SizeUnit::kKilobytes : SizeUnit::kBytes));
            break;
        }
    }
    return 0;
}
