// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/channel_router.h"

#include "link/traffic_colour.h"
#include "resources/strings.h"
#include "resources/translate.h"

namespace brxw {

std::string ChannelChangedMarker(int channel) {
    return TrPrintf("brxw::ChannelRouter", kChannelChangedMarker, channel);
}

ChannelRouter::ChannelRouter(TrafficSink& allChannels, TrafficSink& oneChannel)
    : m_allChannels(allChannels), m_oneChannel(oneChannel) {}

void ChannelRouter::Route(int channel, std::uint8_t trafficByte, std::string_view text) {
    const std::uint32_t colour = TrafficColour(trafficByte);
    if (m_allChannels.Exists()) {
        m_allChannels.AppendText(text, colour);
    }
    if (!m_oneChannel.Exists() || m_oneChannel.Channel() != channel ||
        (trafficByte & kAllChannelsOnly) != 0) {
        return;
    }
    if (channel != m_lastChannelShown) {
        m_lastChannelShown = channel;
        m_oneChannel.AppendText(ChannelChangedMarker(channel), TrafficColour(kMarkerColourCode));
    }
    m_oneChannel.AppendText(text, colour);
}

}  // namespace brxw
