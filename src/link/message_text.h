// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes that carry a message composed in the editor back to the server: plain text without
// carriage returns (and zero bytes, which would start a frame), in the DOS character set unless the
// ANSI one is chosen, always ending with Ctrl-Z and a line feed.
#pragma once

#include <string>
#include <string_view>

namespace brxw {

inline constexpr std::string_view kMessageTerminator{"\x1a\n", 2};
inline constexpr std::string_view kMessageAbort{"\n/ABORT\n"};

std::string MessageWireText(std::string_view fileBytes, bool ansiCharset);

}  // namespace brxw
