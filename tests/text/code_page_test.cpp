// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/code_page.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <string>

namespace brxw {
namespace {

// The C library's converter, as an independent reference: the character of one byte, or
// kNoCharacter when it refuses the byte.
char16_t ReferenceDecode(const char* name, unsigned char byte) {
    iconv_t converter = iconv_open("UTF-16LE", name);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "the C library has no converter for " << name;
        return 0;
    }
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* from = in;
    char* to = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t done = iconv(converter, &from, &inLeft, &to, &outLeft);
    iconv_close(converter);
    if (done == static_cast<std::size_t>(-1) || sizeof out - outLeft != 2) {
        return kNoCharacter;
    }
    return static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                 static_cast<unsigned char>(out[1]) << 8);
}

// Every byte of every code page reads as the reference says, and every byte the code page
// defines comes back from its character.
TEST(CodePage, EveryByteMatchesTheReferenceAndRoundTrips) {
    for (const CodePage page : kCodePages) {
        const std::string name = "CP" + std::to_string(CodePageNumber(page));
        int defined = 0;
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<unsigned char>(b);
            const char16_t character = CodePageToUnicode(page, byte);
            ASSERT_EQ(int(character), int(ReferenceDecode(name.c_str(), byte)))
                << name << " byte " << b;
            if (character == kNoCharacter) {
                continue;
            }
            ++defined;
            EXPECT_EQ(CodePageFromUnicode(page, character), byte) << name << " byte " << b;
        }
        // The Windows pages leave a few bytes undefined; the DOS pages define all 256.
        EXPECT_EQ(defined, page == CodePage::k1252   ? 251
                           : page == CodePage::k1251 ? 255
                           : page == CodePage::k1250 ? 251
                                                     : 256)
            << name;
        EXPECT_EQ(CodePageFromNumber(CodePageNumber(page)), page);
        // Nothing else is encoded: a character the page lacks (the C1 controls from U+0080 on
        // among them) has no byte rather than one that reads as another character.
        for (int c = 0; c <= 0xFFFF; ++c) {
            const auto byte = CodePageFromUnicode(page, static_cast<char16_t>(c));
            if (byte) {
                ASSERT_EQ(int(CodePageToUnicode(page, *byte)), c) << name << " U+" << std::hex << c;
            }
        }
        EXPECT_FALSE(CodePageFromUnicode(page, u'\u0080')) << name;
    }
    EXPECT_FALSE(CodePageFromNumber(1253));
    EXPECT_FALSE(CodePageFromUnicode(CodePage::k437, u'\u0416'));  // Cyrillic Zhe: not in 437
    EXPECT_EQ(CodePageFromUnicode(CodePage::k866, u'\u0416'), 0x86);
    EXPECT_FALSE(CodePageFromUnicode(CodePage::k1252, kNoCharacter));
}

}  // namespace
}  // namespace brxw
