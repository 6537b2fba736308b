// SPDX-License-Identifier: GPL-3.0-or-later
// The unit of the remote-console protocol: a 4-byte header (category, kind, 16-bit little-endian
// payload length) and the payload. The server sends nothing else after login; the client mixes
// frames (always category 0, always starting with a zero byte) with plain text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace brxw {

inline constexpr std::size_t kFrameHeaderSize = 4;
// The receive buffer holds 1024 bytes, header included.
inline constexpr std::size_t kMaxInboundPayload = 1020;
// A frame's length field has 16 bits; an outbound payload is cut there rather than wrapping the
// length and desynchronising the stream.
inline constexpr std::size_t kMaxOutboundPayload = 0xFFFF;

// Inbound categories. Every nonzero category is also the options bit that subscribes to it.
namespace category {
inline constexpr std::uint8_t kReply = 0;
inline constexpr std::uint8_t kMessageCounters = 1;
inline constexpr std::uint8_t kSystemStatus = 2;
inline constexpr std::uint8_t kStationCount = 4;
inline constexpr std::uint8_t kStationLine = 8;
inline constexpr std::uint8_t kMonitoring = 16;
inline constexpr std::uint8_t kConsole = 32;
inline constexpr std::uint8_t kChannel = 64;
inline constexpr std::uint8_t kNotice = 128;
}  // namespace category

// Every connect starts the options word with station count, station lines and control notices.
inline constexpr std::uint32_t kOptionsAtConnect =
    category::kStationCount | category::kStationLine | category::kNotice;

struct FrameHeader {
    std::uint8_t category = 0;
    std::uint8_t kind = 0;
    std::uint16_t length = 0;

    bool operator==(const FrameHeader&) const = default;
};

void PrintTo(const FrameHeader& header, std::ostream* os);

// Reads a header from exactly kFrameHeaderSize bytes.
FrameHeader DecodeHeader(const unsigned char* bytes);

// One outbound frame: category 0, the kind, the payload (cut at kMaxOutboundPayload).
std::string EncodeFrame(std::uint8_t kind, std::string_view payload);

// The options update: 0, 0 and the low byte of the options word. It has no length field.
std::string EncodeOptionsUpdate(std::uint32_t options);

}  // namespace brxw
