// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/frame.h"

#include <algorithm>

namespace brxw {

void PrintTo(const FrameHeader& header, std::ostream* os) {
    *os << "{category " << int(header.category) << ", kind " << int(header.kind) << ", length "
        << header.length << "}";
}

FrameHeader DecodeHeader(const unsigned char* bytes) {
    FrameHeader header;
    header.category = bytes[0];
    header.kind = bytes[1];
    header.length = static_cast<std::uint16_t>(bytes[2] | (bytes[3] << 8));
    return header;
}

std::string EncodeFrame(std::uint8_t kind, std::string_view payload) {
    const std::size_t length = std::min(payload.size(), kMaxOutboundPayload);
    std::string frame;
    frame.reserve(kFrameHeaderSize + length);
    frame.push_back('\0');
    frame.push_back(static_cast<char>(kind));
    frame.push_back(static_cast<char>(length & 0xFF));
    frame.push_back(static_cast<char>((length >> 8) & 0xFF));
    frame.append(payload.substr(0, length));
    return frame;
}

std::string EncodeOptionsUpdate(std::uint32_t options) {
    std::string update(3, '\0');
    update[2] = static_cast<char>(options & 0xFF);
    return update;
}

}  // namespace brxw
