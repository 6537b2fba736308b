// SPDX-License-Identifier: GPL-3.0-or-later
// Alerts fed with the server's bytes: station lines, monitoring, console and channel text, with
// patterns and a callsign list of the input's choosing and a clock that the input moves on.
//
// Input: a flags byte (which alerts are on, regular expression, match case), the traffic
// pattern, the console pattern and the callsign list as pieces, then operations, each an opcode
// byte and its arguments.
// Properties: nothing is delivered for a kind that is off; a kind's first alert comes at once
// and the next of the kind (an alert or the summary of the matches in between, counting at
// least one) no sooner than a quiet period after it; every alert reads as text.
#include <chrono>

#include "alerts/alerts.h"
#include "checks.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brxw;
    using Clock = Alerts::Clock;
    fuzz::ByteReader in(data, size);

    const std::uint8_t flags = in.Byte();
    AlertSettings settings;
    settings.stations = (flags & 1) != 0;
    settings.chosen = (flags & 2) != 0;
    settings.traffic = {(flags & 4) != 0, (flags & 8) != 0, (flags & 16) != 0,
                        std::string(in.Piece())};
    settings.console = {(flags & 32) != 0, (flags & 64) != 0, (flags & 128) != 0,
                        std::string(in.Piece())};
    settings.callsigns = std::string(in.Piece());

    Clock now{0};
    struct KindState {
        std::optional<Clock> last;  // the last delivery of the kind
    };
    KindState kinds[kAlertKindCount];
    Alerts alerts(
        [&](const AlertNotice& notice) {
            const auto kind = static_cast<std::size_t>(notice.kind);
            FUZZ_CHECK(kind < kAlertKindCount, "a known kind");
            const bool on[] = {settings.stations, settings.chosen, settings.traffic.on,
                               settings.console.on};
            FUZZ_CHECK(on[kind], "an alert of a kind that is off");
            FUZZ_CHECK(!notice.Text().isEmpty(), "an alert without text");
            KindState& state = kinds[kind];
            if (notice.more == 0) {
                FUZZ_CHECK(!state.last || now - *state.last >= kAlertQuietPeriod,
                           "a second alert within the quiet period");
            } else {
                FUZZ_CHECK(notice.more > 0, "a summary of no match");
                FUZZ_CHECK(state.last && now - *state.last >= kAlertQuietPeriod,
                           "a summary before its quiet period ended");
            }
            state.last = now;
        },
        [&] { return now; });
    alerts.Configure(settings);

    while (!in.Empty()) {
        switch (in.Byte() % 8) {
            case 0:
                alerts.StationLine(in.Piece());
                break;
            case 1:
                alerts.MonitoringText(in.Piece());
                break;
            case 2:
                alerts.ConsoleText(in.Piece());
                break;
            case 3: {
                const int channel = in.Byte();
                alerts.ChannelText(channel, in.Piece());
                break;
            }
            case 4:
                // Up to about 25 s a step, so that quiet periods both hold and end.
                now += Clock{in.Word() % 25'000};
                break;
            case 5:
                alerts.Tick();
                break;
            case 6:
                alerts.SessionStarted();
                break;
            default:
                alerts.SetAnsiMode(in.Bool());
                break;
        }
    }
    return 0;
}
