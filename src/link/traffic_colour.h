// SPDX-License-Identifier: GPL-3.0-or-later
// The colours of traffic text: a traffic frame's colour code to an RGB colour, stored as
// 0x00BBGGRR like every colour of the text windows.
#pragma once

#include <cstdint>

namespace brxw {

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r | (g << 8) | (b << 16);
}

// Lines the operator types into the console are echoed in purple.
inline constexpr std::uint32_t kEchoColour = Rgb(127, 0, 127);
// Why the link went down, in the console: an orange that no traffic code gives.
inline constexpr std::uint32_t kLinkNoticeColour = Rgb(208, 80, 0);

constexpr std::uint32_t TrafficColour(int code) {
    switch (code) {
        case 0:
            return Rgb(0, 0, 128);  // navy
        case 1:
            return Rgb(128, 0, 0);  // maroon
        case 2:
        case 3:
            return Rgb(0, 128, 0);  // green
        case 4:
            return Rgb(0, 0, 255);  // blue
        case 5:
            return Rgb(0, 128, 128);  // teal
        case 6:
            return Rgb(255, 255, 0);  // yellow
        case 7:
            return Rgb(0, 0, 0);  // black
        case 9:
            return Rgb(128, 128, 0);  // olive
        default:
            return Rgb(255, 255, 255);  // white
    }
}

}  // namespace brxw
