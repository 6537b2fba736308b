// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "text/charset.h"
#include "text/code_page.h"

namespace brxw {
namespace {

TEST(Charset, AsciiIsTheSameInBothSets) {
    for (int b = 0; b < 128; ++b) {
        EXPECT_EQ(OemToAnsi(static_cast<unsigned char>(b)), b);
        EXPECT_EQ(AnsiToOem(static_cast<unsigned char>(b)), b);
    }
}

TEST(Charset, LettersBothSetsShareConvertBothWays) {
    struct Pair {
        unsigned char oem;
        unsigned char ansi;
    };
    // e-acute, u-umlaut, c-cedilla, sharp s, A-ring, N-tilde, pound, micro, degree, plus-minus
    const Pair pairs[] = {{130, 0xE9}, {129, 0xFC}, {135, 0xE7}, {225, 0xDF},
                          {143, 0xC5}, {165, 0xD1}, {156, 0xA3}, {230, 0xB5},
                          {248, 0xB0}, {241, 0xB1}, {159, 0x83}, {255, 0xA0}};
    for (const Pair& p : pairs) {
        EXPECT_EQ(OemToAnsi(p.oem), p.ansi) << int(p.oem);
        EXPECT_EQ(AnsiToOem(p.ansi), p.oem) << int(p.ansi);
    }
}

TEST(Charset, CharactersTheOtherSetLacksBecomeLookAlikes) {
    EXPECT_EQ(OemToAnsi(static_cast<unsigned char>(0xC4)), '-');  // box horizontal
    EXPECT_EQ(OemToAnsi(static_cast<unsigned char>(0xB3)), '|');  // box vertical
    EXPECT_EQ(OemToAnsi(static_cast<unsigned char>(0xDA)), '+');  // box corner
    EXPECT_EQ(OemToAnsi(static_cast<unsigned char>(0xDB)), '#');  // full block
    EXPECT_EQ(AnsiToOem(static_cast<unsigned char>(0xC0)), 'A');  // A-grave
    EXPECT_EQ(AnsiToOem(static_cast<unsigned char>(0x80)), 'E');  // euro sign
    EXPECT_EQ(AnsiToOem(static_cast<unsigned char>(0x81)), '?');  // undefined in Windows-1252
}

TEST(Charset, EveryOemLetterSurvivesARoundTrip) {
    // Each byte the Windows set can represent comes back as itself.
    for (int b = 128; b < 256; ++b) {
        const unsigned char ansi = OemToAnsi(static_cast<unsigned char>(b));
        if (ansi >= 128) {
            EXPECT_EQ(AnsiToOem(ansi), b) << b;
        }
    }
}

TEST(Charset, StringsAndToolkitText) {
    EXPECT_EQ(OemToAnsi(std::string_view("caf\x82")), "caf\xE9");
    EXPECT_EQ(AnsiToOem(std::string_view("caf\xE9")), "caf\x82");
    EXPECT_EQ(AnsiToQString("caf\xE9 \x80"), QString::fromUtf8("café €"));
    EXPECT_EQ(QStringToAnsi(QString::fromUtf8("café € ☺")), "caf\xE9 \x80 ?");
    EXPECT_EQ(AnsiToQString(std::string_view("a\0b", 3)).size(), 3);
}

// A profile's pair of code pages: every letter of the DOS page that its Windows partner has
// survives reception and sending, the toolkit text follows the Windows page, case folding knows
// its letters, and text kept in one Windows page moves to another by character.
TEST(Charset, EveryPairFollowsItsCodePages) {
    struct Restore {
        ~Restore() { SetCodePages(CodePage::k437, CodePage::k1252); }
    } restore;
    for (const CodePage dos : kDosCodePages) {
        for (const CodePage windows : kWindowsCodePages) {
            SetCodePages(dos, windows);
            ASSERT_EQ(OemCodePage(), dos);
            ASSERT_EQ(AnsiCodePage(), windows);
            for (int b = 0; b < 256; ++b) {
                const auto oem = static_cast<unsigned char>(b);
                const char16_t u = CodePageToUnicode(dos, oem);
                const unsigned char ansi = OemToAnsi(oem);
                if (CodePageFromUnicode(windows, u)) {
                    EXPECT_EQ(AnsiToUnicode(ansi), u)
                        << int(dos) << "/" << int(windows) << " " << b;
                    EXPECT_EQ(AnsiToOem(ansi), oem) << int(dos) << "/" << int(windows) << " " << b;
                } else {
                    EXPECT_LT(ansi, 0x80) << "a look-alike or '?' for " << b;
                }
            }
        }
    }
    SetCodePages(CodePage::k866, CodePage::k1251);
    const std::string privet = "\x8F\xE0\xA8\xA2\xA5\xE2";  // "Привет" in 866
    const std::string shown = OemToAnsi(privet);
    EXPECT_EQ(AnsiToQString(shown), QString::fromUtf8("Привет"));
    EXPECT_EQ(QStringToAnsi(QString::fromUtf8("Привет")), shown);
    EXPECT_EQ(AnsiToOem(shown), privet);
    EXPECT_EQ(FoldTextCase(static_cast<unsigned char>(shown[0])), 0xEF);  // П to п in 1251
    SetCodePages(CodePage::k852, CodePage::k1250);
    EXPECT_EQ(AnsiToQString(OemToAnsi(std::string_view("\x88\xA5"))), QString::fromUtf8("łą"));
    // Kept in 1250, shown after a change to 1252: the accent-less letter where 1252 lacks it.
    EXPECT_EQ(RecodeTable(CodePage::k1250, CodePage::k1252)[0xB3], '?');   // ł: none
    EXPECT_EQ(RecodeTable(CodePage::k1250, CodePage::k1252)[0xE8], 'c');   // č
    EXPECT_EQ(RecodeTable(CodePage::k1250, CodePage::k1252)[0xE9], 0xE9);  // é in both
    // A page out of its kind falls back to the usual one.
    SetCodePages(CodePage::k1251, CodePage::k866);
    EXPECT_EQ(OemCodePage(), CodePage::k437);
    EXPECT_EQ(AnsiCodePage(), CodePage::k1252);
}

}  // namespace
}  // namespace brxw
