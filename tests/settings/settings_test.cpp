// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings.h"

#include "config/app_config.h"
#include "config/config_test_support.h"
#include "panel/counters.h"
#include "panel/station_list.h"
#include "textwin/colour_scheme.h"
#include "textwin/text_ring.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <cstdio>
#include <string>
#include <vector>

namespace brxw {
namespace {

class SettingsTest : public testing::Test {
protected:
    std::string File() const { return test::ReadBytes(m_config.Store().Path()); }
    std::string Stored(std::string_view key) const {
        return m_config.Store().Read(kSettingsSection, key, {}, 4096);
    }
    PanelSettings Loaded() {
        PanelSettings settings(m_config);
        settings.Load();
        return settings;
    }

    QTemporaryDir m_dir;
    AppConfig m_config{m_dir.filePath("BrxW.ini")};
};

TEST_F(SettingsTest, FirstStartWritesEveryDefaultButTheEmptySignatureText) {
    const PanelSettings settings = Loaded();
    EXPECT_EQ(File(),
              "[Settings]\r\nBreakLine=0\r\nJustification=1\r\nPrefix=1\r\nAnsiChar=0\r\n"
              "Signature=0\r\n");
    EXPECT_EQ(settings.Font(), FontParams{});
}

TEST_F(SettingsTest, StoredFlagIsScannedKeptAsZeroOrOneAndWrittenBack) {
    const std::pair<const char*, int> cases[] = {
        {"", 1},  {"0", 0}, {" 0 and text", 0}, {"off", 0},
        {"-", 0}, {"2", 1}, {"-3", 1},          {"99999999999999999999", 1},
    };
    for (const auto& [stored, expected] : cases) {
        ASSERT_TRUE(m_config.WriteSetting(kSettingsSection, kPrefixKey, stored));
        EXPECT_EQ(Loaded().Prefix(), expected) << stored;
        EXPECT_EQ(Stored(kPrefixKey), std::to_string(expected)) << stored;
    }
}

TEST_F(SettingsTest, SettersWriteOnlyChanges) {
    PanelSettings settings = Loaded();
    const std::string before = File();
    EXPECT_FALSE(settings.SetAnsiChar(0));
    EXPECT_FALSE(settings.SetSignature(0, ""));
    EXPECT_EQ(File(), before);
    EXPECT_TRUE(settings.SetAnsiChar(1));
    EXPECT_EQ(Stored(kAnsiCharKey), "1");
    EXPECT_FALSE(settings.SetAnsiChar(5));  // any number but 0 is the ANSI charset
}

TEST_F(SettingsTest, TwoLineSignatureIsStoredOnOneLineAndComesBackAsTwo) {
    EXPECT_TRUE(Loaded().SetSignature(1, "73 de QA1ABC\r\nBBS Ulm"));
    EXPECT_EQ(Stored(kSignatureTextKey), "73 de QA1ABC\\rBBS Ulm");
    const std::string before = File();
    const PanelSettings next = Loaded();
    EXPECT_EQ(next.SignatureText(), "73 de QA1ABC\r\nBBS Ulm");
    EXPECT_EQ(next.Signature(), 1);
    EXPECT_EQ(File(), before);  // written back as it was
}

// A lone LF or CR would reach the store as a line break it refuses: the text would be current
// but never stored. Every break is kept as CR LF; NULs are dropped for the same reason.
TEST_F(SettingsTest, SignatureLineBreaksOfAnyKindAreKeptAsCrLf) {
    PanelSettings settings = Loaded();
    EXPECT_TRUE(settings.SetSignature(0, std::string("a\nb\rc\r\n\r\nd\0e", 12)));
    EXPECT_EQ(settings.SignatureText(), "a\r\nb\r\nc\r\n\r\nde");
    EXPECT_EQ(Stored(kSignatureTextKey), "a\\rb\\rc\\r\\rde");
    EXPECT_FALSE(settings.SetSignature(0, "a\nb\nc\n\nde"));  // the same text once normalised

    EXPECT_EQ(SignatureFromStored("C:\\dir\\\\r end\\"), "C:\\dir\\\r\n end\\");
    EXPECT_EQ(StoredSignature("C:\\dir\\\r\n end\\"), "C:\\dir\\\\r end\\");
}

// Written whole however long; like every value it is read back through the 80-byte buffer, so
// the next start keeps the first 79 characters of the stored form.
TEST_F(SettingsTest, LongSignatureIsWrittenWholeAndReadBackCut) {
    const std::string line(40, 'x');
    const std::string text = line + "\r\n" + line + "\r\n" + line;
    PanelSettings settings = Loaded();
    settings.SetSignature(1, text);
    EXPECT_EQ(settings.SignatureText(), text);
    EXPECT_EQ(Stored(kSignatureTextKey), line + "\\r" + line + "\\r" + line);
    EXPECT_EQ(Loaded().SignatureText(), line + "\r\n" + std::string(37, 'x'));
}

// A typed backslash-'r' reads back as a line break, and a stored form beyond 79 characters reads
// back cut: both are faults; every signature without a fault comes back from the file as typed.
TEST_F(SettingsTest, SignatureWithoutAFaultComesBackAsTypedAndTheOthersAreNamed) {
    const std::string x39(39, 'x');
    const std::string x38(38, 'x');
    const std::pair<std::string, SignatureFault> cases[] = {
        {"73 de QA1ABC\r\nBBS Ulm", SignatureFault::kNone},
        {"C:\\ham\\\r\nD:\\", SignatureFault::kNone},  // a backslash before a line break
        {"  73  \r\n", SignatureFault::kNone},         // blanks around it
        {"\"73\"", SignatureFault::kNone},             // quotes around it
        {"'73 \r\n de'", SignatureFault::kNone},
        {x39 + "\r\n" + x38, SignatureFault::kNone},  // 79 characters stored
        {"C:\\root", SignatureFault::kBackslashR},
        {"\\r", SignatureFault::kBackslashR},
        {std::string("\\\0\0r", 4), SignatureFault::kBackslashR},
        {x39 + "\r\n" + x39, SignatureFault::kTooLong},
    };
    for (const auto& [text, fault] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(CheckSignature(text), fault);
        if (fault == SignatureFault::kNone) {
            Loaded().SetSignature(1, text);
            EXPECT_EQ(Loaded().SignatureText(), text);
        }
    }
    EXPECT_EQ(SignatureExcess(x39 + "\r\n" + x39 + "x"), 2u);
    EXPECT_EQ(SignatureExcess("C:\\root"), 0u);
}

TEST(FontParamsTest, ThirteenUsableNumbersOrNothing) {
    const std::pair<const char*, bool> cases[] = {
        {"-13 0 0 0 700 1 0 0 0 3 2 1 49", true},
        {"15 0 0 0 400 0 0 0 1 0 0 0 0 and more", true},
        {"-512 0 0 0 400 0 0 0 1 0 0 0 0", true},
        {"15 0 0", false},
        {"15 0 0 0 400 0 0 0 1 0 0 0", false},
        {"big and bold", false},
        {"15 0 0 0 bold 0 0 0 1 0 0 0 0", false},
        {"", false},
        {"0 0 0 0 400 0 0 0 1 0 0 0 0", false},
        {"100000 0 0 0 400 0 0 0 1 0 0 0 0", false},
        {"-99999999999999999999 0 0 0 400 0 0 0 1 0 0 0 0", false},
        {"15 0 -99999999999999999999 0 400 0 0 0 1 0 0 0 0", false},
        {"15 0 0 0 1001 0 0 0 1 0 0 0 0", false},
        {"15 0 0 0 400 0 0 0 256 0 0 0 0", false},
        {"15 0 0 0 400 0 0 0 1 0 0 0 -1", false},
        {"15 0 0 0 400 0 0 0 1 0 0 0 4294967297", false},
    };
    for (const auto& [params, usable] : cases) {
        EXPECT_EQ(ParseFontParams("X", params).has_value(), usable) << params;
    }
    EXPECT_FALSE(ParseFontParams("", "15 0 0 0 400 0 0 0 1 0 0 0 0"));

    const FontParams f{-27, 11, 900, -900, 700, 1, 1, 1, 255, 3, 2, 5, 49, "Terminal"};
    EXPECT_EQ(FormatFontParams(f), "-27 11 900 -900 700 1 1 1 255 3 2 5 49");
    EXPECT_EQ(ParseFontParams("Terminal", FormatFontParams(f)), f);
}

TEST_F(SettingsTest, FontNeedsBothKeysAndAUsableRecordAndIsNotWrittenBack) {
    ASSERT_TRUE(
        m_config.WriteSetting(kSettingsSection, kFontParamsKey, "-20 0 0 0 700 0 0 0 0 0 0 0 49"));
    EXPECT_EQ(PanelSettings::ReadFont(m_config), FontParams{});
    ASSERT_TRUE(m_config.WriteSetting(kSettingsSection, kFontNameKey, "Fixedsys"));
    EXPECT_EQ(PanelSettings::ReadFont(m_config),
              (FontParams{-20, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 49, "Fixedsys"}));
    ASSERT_TRUE(m_config.WriteSetting(kSettingsSection, kFontParamsKey, "-20 0 0"));
    EXPECT_EQ(Loaded().Font(), FontParams{});
    EXPECT_EQ(Stored(kFontParamsKey), "-20 0 0");
}

TEST_F(SettingsTest, SetFontStoresAUsableRecordAndRefusesOthers) {
    PanelSettings settings = Loaded();
    FontParams chosen;
    chosen.height = -16;
    chosen.faceName = "DejaVu Sans Mono";
    EXPECT_TRUE(settings.SetFont(chosen));
    EXPECT_EQ(Stored(kFontNameKey), "DejaVu Sans Mono");
    EXPECT_EQ(Stored(kFontParamsKey), "-16 0 0 0 400 0 0 0 1 0 0 0 0");

    const std::string before = File();
    FontParams absurd = chosen;
    absurd.height = -4000;
    FontParams unstorable = chosen;
    unstorable.faceName = "Two\nLines";
    EXPECT_FALSE(settings.SetFont(absurd));
    EXPECT_FALSE(settings.SetFont(unstorable));
    EXPECT_EQ(File(), before);
    EXPECT_EQ(settings.Font(), chosen);
}

// Every colour the text windows, the station list, the counters and the windows around them can
// draw text in, with the background it is drawn on. Printed with its ratio, so that the worst
// pair of each scheme is in the test's output.
TEST(ColourSchemes, EveryTextColourOfTheNewSchemesReadsAtFourAndAHalfToOne) {
    for (const ColourScheme scheme : {ColourScheme::kLightHighContrast, ColourScheme::kDark}) {
        const SchemeColours& c = ColoursOf(scheme);
        EXPECT_EQ(c.scheme, scheme);
        struct Pair {
            std::string what;
            std::uint32_t text;
            std::uint32_t background;
        };
        std::vector<Pair> pairs;
        // Every code the server can send (a byte), the console's own colours, a fresh slot's.
        for (int code = 0; code < 256; ++code) {
            pairs.push_back(
                {"code " + std::to_string(code), c.Traffic(TrafficColour(code)), c.textBackground});
        }
        pairs.push_back({"echo", c.Traffic(kEchoColour), c.textBackground});
        pairs.push_back({"link notice", c.Traffic(kLinkNoticeColour), c.textBackground});
        pairs.push_back({"fresh slot", c.Traffic(kFreshStartColour), c.textBackground});
        pairs.push_back({"default", c.defaultText, c.textBackground});
        ASSERT_FALSE(c.invertSelection);  // inverted colours are not all readable
        pairs.push_back({"selection", c.selection.text, c.selection.background});
        pairs.push_back({"find match", c.findMatch.text, c.findMatch.background});
        pairs.push_back({"scrolled back", c.scrolledBackBar.text, c.scrolledBackBar.background});
        pairs.push_back({"find bar", c.findBar.text, c.findBar.background});
        ASSERT_TRUE(c.ownListBackground);
        for (const char status : {'<', '>', ' '}) {
            const std::uint32_t row = c.Station(StationRowColour(status));
            pairs.push_back({std::string("station ") + status, row, c.listBackground});
            pairs.push_back(
                {std::string("selected station ") + status, row, c.stationSelectedFill});
        }
        ASSERT_TRUE(c.ownPalette);
        for (const std::uint32_t counter : {kPanelBlack, kPanelRed}) {
            pairs.push_back({"counter " + std::to_string(counter), c.Counter(counter), c.window});
        }
        pairs.push_back({"window text", c.windowText, c.window});
        pairs.push_back({"base text", c.baseText, c.base});
        pairs.push_back({"highlighted text", c.highlightedText, c.highlight});
        pairs.push_back({"hint", c.hintText, c.window});
        pairs.push_back({"log login", c.logLogin, c.base});
        pairs.push_back({"log loss", c.logLoss, c.base});

        const Pair* worst = &pairs.front();
        for (const Pair& pair : pairs) {
            EXPECT_GE(ContrastRatio(pair.text, pair.background), 4.5)
                << ColourSchemeValue(scheme) << ": " << pair.what;
            if (ContrastRatio(pair.text, pair.background) <
                ContrastRatio(worst->text, worst->background)) {
                worst = &pair;
            }
        }
        std::printf("%s: worst %s at %.2f:1\n", std::string(ColourSchemeValue(scheme)).c_str(),
                    worst->what.c_str(), ContrastRatio(worst->text, worst->background));
        // The three kinds of station rows stay apart.
        EXPECT_NE(c.stationAttention, c.stationOutgoing);
        EXPECT_NE(c.stationAttention, c.stationNormal);
        EXPECT_NE(c.stationOutgoing, c.stationNormal);
    }
    // The formula itself: black on white is 21:1, equal colours 1:1, and the two readings of
    // WCAG's own example (#777 on white, about 4.48:1).
    EXPECT_NEAR(ContrastRatio(Rgb(0, 0, 0), Rgb(255, 255, 255)), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(Rgb(9, 99, 199), Rgb(9, 99, 199)), 1.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(Rgb(255, 255, 255), Rgb(119, 119, 119)), 4.48, 0.01);
}

// The classic scheme is the program as it was: every colour shows as stored but the white that
// every unlisted code gets, which shows black on the white ground; the selection inverts, the
// system's window colours stay. No scheme draws text in its background colour.
TEST(ColourSchemes, ClassicShowsEveryColourAsStoredButWhiteAndIsTheDefault) {
    const SchemeColours& c = ColoursOf(ColourScheme::kClassic);
    const std::uint32_t white = Rgb(255, 255, 255);
    for (int code = -1; code < 256; ++code) {
        const std::uint32_t stored = TrafficColour(code);
        EXPECT_EQ(c.Traffic(stored), stored == white ? Rgb(0, 0, 0) : stored) << code;
    }
    for (const std::uint32_t colour :
         {kEchoColour, kLinkNoticeColour, kFreshStartColour, std::uint32_t{0x123456}}) {
        EXPECT_EQ(c.Traffic(colour), colour);
    }
    for (const ColourScheme scheme : kColourSchemes) {
        const SchemeColours& s = ColoursOf(scheme);
        for (const std::uint32_t colour : {white, s.textBackground, std::uint32_t{0x123456}}) {
            EXPECT_NE(s.Traffic(colour), s.textBackground) << ColourSchemeValue(scheme);
        }
    }
    EXPECT_EQ(c.textBackground, Rgb(255, 255, 255));
    EXPECT_TRUE(c.invertSelection);
    EXPECT_EQ(c.findMatch.background, Rgb(255, 200, 60));
    EXPECT_EQ(c.findMatch.text, Rgb(0, 0, 0));
    EXPECT_EQ(c.scrolledBackBar.background, Rgb(255, 236, 170));
    EXPECT_EQ(c.scrolledBackBar.text, Rgb(64, 48, 0));
    EXPECT_EQ(c.findBar.background, Rgb(236, 236, 236));
    for (const char status : {'<', '>', ' ', 'x'}) {
        EXPECT_EQ(c.Station(StationRowColour(status)), StationRowColour(status)) << status;
    }
    EXPECT_FALSE(c.ownListBackground);
    EXPECT_EQ(c.stationSelectedFill, Rgb(192, 192, 192));
    EXPECT_FALSE(c.ownPalette);
    EXPECT_EQ(c.Counter(kPanelBlack), kPanelBlack);
    EXPECT_EQ(c.Counter(kPanelRed), kPanelRed);
    EXPECT_EQ(c.logLogin, Rgb(0, 110, 0));
    EXPECT_EQ(c.logLoss, Rgb(170, 0, 0));
    EXPECT_EQ(CurrentColours().scheme, ColourScheme::kClassic);
}

TEST_F(SettingsTest, ColourSchemeIsStoredByNameAndWrittenOnlyWhenChanged) {
    for (const ColourScheme scheme : kColourSchemes) {
        EXPECT_EQ(ParseColourScheme(ColourSchemeValue(scheme)), scheme);
    }
    EXPECT_EQ(ColourSchemeValue(ColourScheme::kLightHighContrast), "light-high-contrast");
    EXPECT_EQ(ParseColourScheme("DARK"), ColourScheme::kDark);
    for (const char* unknown : {"", "purple", "dark ", "classic2", "1"}) {
        EXPECT_EQ(ParseColourScheme(unknown), ColourScheme::kClassic) << unknown;
    }

    // A first start reads classic and keeping it writes nothing.
    EXPECT_EQ(LoadColourScheme(m_config), ColourScheme::kClassic);
    SaveColourScheme(m_config, ColourScheme::kClassic);
    EXPECT_EQ(File(), "<unreadable>");
    SaveColourScheme(m_config, ColourScheme::kDark);
    EXPECT_EQ(File(), "[Settings]\r\nColourScheme=dark\r\n");
    EXPECT_EQ(LoadColourScheme(m_config), ColourScheme::kDark);
    SaveColourScheme(m_config, ColourScheme::kClassic);
    EXPECT_EQ(Stored(kColourSchemeKey), "classic");
    // A hand-edited value no scheme has reads as classic, and stays until another is chosen.
    ASSERT_TRUE(m_config.WriteSetting(kSettingsSection, kColourSchemeKey, "neon"));
    EXPECT_EQ(LoadColourScheme(m_config), ColourScheme::kClassic);
    SaveColourScheme(m_config, ColourScheme::kClassic);
    EXPECT_EQ(Stored(kColourSchemeKey), "neon");
}

}  // namespace
}  // namespace brxw
