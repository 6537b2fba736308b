#include <gtest/gtest.h>

#include "text/charset.h"

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

}  // namespace
}  // namespace brxw
