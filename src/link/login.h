// SPDX-License-Identifier: GPL-3.0-or-later
// The login exchange, as plain text before the first frame: the login line, the challenge word
// and the MD5 reply that proves the password without sending it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brxw {

// The first thing the client sends: "%d %d %s\n" with the options word, 0 and the callsign.
std::string LoginLine(std::uint32_t options, std::string_view callsign);

// The first blank-delimited word of what the server sent (empty when there is none).
std::string ChallengeWord(std::string_view received);

// 32 uppercase hexadecimal digits of the MD5 digest of the bytes.
std::string Md5Hex(std::string_view bytes);

// The reply to a challenge: Md5Hex(challenge + password) followed by a line feed.
std::string LoginReply(std::string_view challenge, std::string_view password);

}  // namespace brxw
