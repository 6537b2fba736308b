// SPDX-License-Identifier: GPL-3.0-or-later
// The pending-forward list file: one list entry per line read, in file order, so that an
// entry's position is its line's position in the server's list ("START %d" and "STOP %d" name
// it by that position). Logic only; any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "link/traffic_colour.h"

namespace brxw::admin {

// An entry text is built and drawn in 80-byte areas.
inline constexpr std::size_t kMaxForwardEntryBytes = 79;

// The entry texts of a forward list file: "%d %s\t%d/%d - %dK" (status, name, first count,
// second count, kilobytes) for a line that reads as "%d %s %d %d %dK", "0 ." for any other.
// A name that would make the text too long is cut.
std::vector<std::string> ReadForwardList(std::string_view file);

// Status 2 when the first count is not 0, else 1 when the second is not 0, else 0.
int ForwardStatus(int first, int second);

// The text colour of an entry (0x00BBGGRR, as the station list's rows), from the number its
// text starts with: 1 blue, 2 red, else black.
std::uint32_t ForwardColour(std::string_view entry);
inline constexpr std::uint32_t kForwardBlue = Rgb(0, 0, 255);
inline constexpr std::uint32_t kForwardRed = Rgb(255, 0, 0);
inline constexpr std::uint32_t kForwardBlack = Rgb(0, 0, 0);

// "START %d" or "STOP %d" for the entry at `position`.
std::string ForwardRequest(bool start, int position);

}  // namespace brxw::admin
