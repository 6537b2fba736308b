// SPDX-License-Identifier: GPL-3.0-or-later
// Routing of channel traffic (category 64) to the all-channels and the one-channel windows.
//
// The all-channels window gets every frame. The one-channel window gets a frame only when it
// follows that frame's channel and bit 1 (value 2) of the traffic byte is clear; before the first
// such frame of a channel other than the last one shown it gets the marker line
// "[ -- Channel changed to %d -- ]\n". The last channel shown starts at -1 and is never reset, so
// a reconnect that brings traffic of the same channel adds no marker.
//
// Owned by the control panel, which implements the two sinks over its text windows; tests use
// fakes. User-interface thread only.
#pragma once

#include <QtGlobal>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brxw {

// A text window as the routing sees it.
class TrafficSink {
public:
    virtual ~TrafficSink() = default;
    // The native window has been created (shown or hidden).
    virtual bool Exists() const = 0;
    // The channel the window follows; nothing until the operator has chosen one, and always
    // nothing for the all-channels window.
    virtual std::optional<int> Channel() const { return std::nullopt; }
    // Text bytes in a colour 0x00BBGGRR.
    virtual void AppendText(std::string_view text, std::uint32_t colour) = 0;
};

// Shown in the sysop's language (context "brxw::ChannelRouter").
inline constexpr const char* kChannelChangedMarker =
    QT_TRANSLATE_NOOP("brxw::ChannelRouter", "[ -- Channel changed to %d -- ]\n");
std::string ChannelChangedMarker(int channel);

class ChannelRouter {
public:
    // A traffic byte with this bit keeps the frame out of the one-channel window.
    static constexpr std::uint8_t kAllChannelsOnly = 0x02;
    // The marker line is drawn in the colour of this colour code.
    static constexpr int kMarkerColourCode = 2;

    // Both sinks must outlive the router.
    ChannelRouter(TrafficSink& allChannels, TrafficSink& oneChannel);

    // One frame: channel is payload byte 0 (signed), trafficByte is byte 1 and also the colour
    // code of the text.
    void Route(int channel, std::uint8_t trafficByte, std::string_view text);

    int LastChannelShown() const { return m_lastChannelShown; }

private:
    TrafficSink& m_allChannels;
    TrafficSink& m_oneChannel;
    int m_lastChannelShown = -1;
};

}  // namespace brxw
