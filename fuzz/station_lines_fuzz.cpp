// SPDX-License-Identifier: GPL-3.0-or-later
// Station lines (category 8) into the station list, interleaved with the operator's selection,
// the disconnect request it yields and channel traffic routed to the two traffic windows.
//
// Input: operations, each an opcode byte and its arguments.
// Properties (checks.h): the list stays sorted with one entry of at most 79 bytes per channel
// 0..99, every accepted line's entry stands where it belongs, the selection follows its channel,
// a disconnect request names the selected row's channel and callsign on one line, and traffic
// reaches the one-channel window only for its channel, after one marker per change.
#include "checks.h"
#include "fuzz_support.h"
#include "panel/channel_router.h"
#include "panel/station_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brxw;
    fuzz::ByteReader in(data, size);
    StationList list;
    fuzz::RecordingSink all;
    fuzz::RecordingSink one;
    all.exists = true;
    one.exists = true;
    ChannelRouter router(all, one);
    std::optional<int> oneChannel;
    while (!in.Empty()) {
        switch (in.Byte() % 6) {
            case 0:
            case 1:
                fuzz::ApplyAndCheckStationLine(list, in.Piece(), oneChannel);
                break;
            case 2: {
                const std::uint8_t row = in.Byte();
                const bool inList = row < list.Count();
                FUZZ_CHECK(
                    list.Select(row == 255 ? std::nullopt : std::optional<std::size_t>(row)) ==
                        (inList || row == 255),
                    "selecting a row");
                fuzz::CheckStationList(list);
                break;
            }
            case 3: {
                const bool immediate = in.Bool();
                const auto request = list.SelectedDisconnectRequest(immediate);
                const auto selected = list.ReadSelection();
                FUZZ_CHECK(request.has_value() == selected.has_value(), "disconnect without a row");
                if (request) {
                    const std::string expected = (selected->channel < 10 ? "0" : "") +
                                                 std::to_string(selected->channel) + " " +
                                                 selected->callsign + (immediate ? " 1" : " 0");
                    FUZZ_CHECK(*request == expected, "disconnect request: " + fuzz::Show(*request));
                    FUZZ_CHECK(request->find_first_of("\r\n") == std::string::npos,
                               "disconnect request over two lines");
                }
                break;
            }
            case 4: {
                const int channel = static_cast<signed char>(in.Byte());
                const std::uint8_t trafficByte = in.Byte();
                const std::string_view text = in.Piece();
                if (!text.empty()) {
                    fuzz::RouteAndCheck(router, all, one, channel, trafficByte, text);
                }
                break;
            }
            default: {
                // The operator picks a channel for the one-channel window, or the list is emptied.
                const std::uint8_t pick = in.Byte();
                if (pick == 255) {
                    list.Clear();
                    FUZZ_CHECK(list.Count() == 0 && !list.Selected(), "list not emptied");
                } else {
                    oneChannel = pick % 100;
                    one.channel = oneChannel;
                }
                break;
            }
        }
        if (all.texts.size() > 64) {
            all.texts.clear();
            one.texts.clear();
        }
    }
    return 0;
}
