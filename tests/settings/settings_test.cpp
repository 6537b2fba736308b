// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings.h"

#include "config/app_config.h"
#include "config/config_test_support.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <string>

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

}  // namespace
}  // namespace brxw
