// SPDX-License-Identifier: GPL-3.0-or-later
// Number scanning and formatting for text that comes from the INI file or the server.
//
// The stored formats are the C library's ("%d", "%ld %ld", "%04d %04d"), but the text is
// untrusted: these helpers give the same results as atol, sscanf and printf without their
// undefined behaviour on overflow. Free functions, no state: any thread may call them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brxw {

// isspace() of the C locale, without its undefined behaviour on negative chars: bytes of 128
// and above are never white space.
bool IsCSpace(char c);

// atol: optional white space, an optional sign, then the leading digits; 0 when there are no
// digits. A number beyond the range of long gives LONG_MIN or LONG_MAX.
long ScanLeadingLong(std::string_view text);

// The same, clamped to the range of int (for "%d" values read into an int).
int ScanLeadingInt(std::string_view text);

// One "%ld" conversion of a longer scan, starting at `pos`: on success `out` holds the number
// (clamped like ScanLeadingLong) and `pos` the index after its last digit; false, with `pos`
// unchanged, when no digit follows the optional white space and sign.
bool ScanNextLong(std::string_view text, std::size_t& pos, long& out);

// sscanf(text, "%ld %ld ...") with at most `max` conversions: the numbers read before the
// first one that fails. Each number may be preceded by white space and a sign; overflow clamps.
std::vector<long> ScanLongs(std::string_view text, std::size_t max);

// printf("%04d %04d", a, b): each number zero-padded to four characters, the minus sign
// counting as one of them ("-005 0012").
std::string FormatPair(int a, int b);

}  // namespace brxw
