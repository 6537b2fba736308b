// SPDX-License-Identifier: GPL-3.0-or-later
// The text scanners shared by every layer: the scanf-style number reading of server and INI
// text, the "%04d %04d" pair format, and the DOS/Windows character-set tables.
//
// Input: one byte choosing the check, then the text.
// Properties: numbers read as the C library reads them (strtol, the reference) without its
// undefined behaviour, clamped to int where asked; a formatted pair reads back as its two
// numbers; white space is the C locale's; the tables leave ASCII alone, keep every character
// both code pages have through a round trip, and Windows-1252 text survives the toolkit's
// strings.
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>

#include "checks.h"
#include "fuzz_support.h"
#include "text/charset.h"
#include "text/text_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brxw;
    fuzz::ByteReader in(data, size);
    const std::uint8_t which = in.Byte();
    const fuzz::ExactText text(in.Rest());
    const std::string_view t = text.View();

    switch (which % 4) {
        case 0: {
            const long expected = fuzz::ReferenceLeadingLong(t);
            FUZZ_CHECK(ScanLeadingLong(t) == expected, "atol of " + fuzz::Show(t));
            FUZZ_CHECK(ScanLeadingInt(t) == std::clamp<long>(expected, INT_MIN, INT_MAX),
                       "clamped atol of " + fuzz::Show(t));
            for (const char ch : t) {
                const auto u = static_cast<unsigned char>(ch);
                FUZZ_CHECK(IsCSpace(ch) == (u < 128 && std::isspace(u) != 0), "IsCSpace");
            }
            break;
        }
        case 1: {
            const std::size_t max = which / 4 % 16;
            FUZZ_CHECK(ScanLongs(t, max) == fuzz::ReferenceScan(t, max),
                       "sscanf of " + fuzz::Show(t));
            std::size_t pos = which % 7 < t.size() ? which % 7 : 0;
            const std::size_t start = pos;
            long value = 0;
            const bool read = ScanNextLong(t, pos, value);
            const std::vector<long> ref = fuzz::ReferenceScan(t.substr(start), 1);
            FUZZ_CHECK(read == !ref.empty() && (!read || value == ref[0]) &&
                           (read ? pos > start : pos == start),
                       "one %ld of " + fuzz::Show(t));
            break;
        }
        case 2: {
            fuzz::ByteReader numbers(data + 1, size - 1);
            const int a = numbers.Int();
            const int b = numbers.Int();
            char reference[32];
            std::snprintf(reference, sizeof reference, "%04d %04d", a, b);
            const std::string pair = FormatPair(a, b);
            FUZZ_CHECK(pair == reference, "pair " + pair);
            FUZZ_CHECK(ScanLongs(pair, 2) == (std::vector<long>{a, b}), "pair reads back");
            break;
        }
        default: {
            const std::string ansi = OemToAnsi(t);
            const std::string oem = AnsiToOem(t);
            FUZZ_CHECK(ansi.size() == t.size() && oem.size() == t.size(), "conversion length");
            for (std::size_t i = 0; i < t.size(); ++i) {
                const auto u = static_cast<unsigned char>(t[i]);
                if (u < 128) {
                    FUZZ_CHECK(ansi[i] == t[i] && oem[i] == t[i], "ASCII converted");
                }
                FUZZ_CHECK(ansi[i] == static_cast<char>(OemToAnsi(u)) &&
                               oem[i] == static_cast<char>(AnsiToOem(u)),
                           "buffer and byte conversion differ");
                // A character both code pages have comes back as itself.
                if (AnsiToOem(OemToAnsi(u)) == u) {
                    FUZZ_CHECK(OemToAnsi(AnsiToOem(OemToAnsi(u))) == OemToAnsi(u), "round trip");
                }
                FUZZ_CHECK(ansi[i] != '\n' || u == '\n', "a character became a line feed");
            }
            FUZZ_CHECK(QStringToAnsi(AnsiToQString(t)) == std::string(t),
                       "Windows-1252 text changed through the toolkit: " + fuzz::Show(t));
            break;
        }
    }
    return 0;
}
