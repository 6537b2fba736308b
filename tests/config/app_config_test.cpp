// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/app_config.h"

#include "config/config_test_support.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <QTemporaryDir>

#include <climits>
#include <utility>
#include <vector>

namespace brxw {
namespace {

using test::IniData;
using test::ReadBytes;

class AppConfigTest : public testing::Test {
protected:
    QTemporaryDir m_dir;
    AppConfig m_config{m_dir.filePath("BrxW.ini")};
};

TEST_F(AppConfigTest, WithoutFileEveryProfileHasItsDefaults) {
    for (int n = 0; n < kRemoteConfigCount; ++n) {
        const RemoteConfig expected{
            "Remote " + std::to_string(n), "localhost", 3286, 0, "Q0QQQ", "7305"};
        EXPECT_EQ(m_config.LoadProfile(n), expected);
    }
}

TEST(AppConfigFileTest, LoadsHandWrittenProfilesWithinLimits) {
    const AppConfig lf(IniData("read_lf.ini"));
    EXPECT_EQ(lf.LoadProfile(0).name, "ABCDEFGHIJKLMNO");  // 20 typed, 15 kept
    EXPECT_EQ(lf.LoadProfile(0).port, 0);                  // "abc": no digits
    EXPECT_EQ(lf.LoadProfile(1).port, -12);                // kept; the connection refuses it
    EXPECT_EQ(lf.LoadProfile(1).autoConnect, 1);
    EXPECT_EQ(lf.LoadProfile(2), (RemoteConfig{"Remote 2", "localhost", 3286, 0, "Q0QQQ",
                                               "pass;word"}));  // empty values: defaults

    const AppConfig crlf(IniData("read_crlf.ini"));
    EXPECT_EQ(crlf.LoadProfile(1),
              (RemoteConfig{"Crlf Name", "bbs.example.org", 6300, 1, "QA1ABC", "secret"}));
    EXPECT_EQ(crlf.LoadProfile(3).hostName, "10.0.0.7");
    EXPECT_EQ(crlf.LoadProfile(3).port, 99999);  // kept; the connection refuses it
}

TEST_F(AppConfigTest, FieldsAreCutToTheirLimits) {
    const std::string s100(100, 'z');
    for (const char* key : {"Name", "Host Name", "Callsign", "Password"}) {
        ASSERT_TRUE(m_config.WriteSetting("Remote 3", key, s100));
    }
    const RemoteConfig c = m_config.LoadProfile(3);
    EXPECT_EQ(c.name.size(), 15u);
    EXPECT_EQ(c.hostName.size(), 63u);
    EXPECT_EQ(c.callsign.size(), 15u);
    EXPECT_EQ(c.password.size(), 79u);  // 255 allowed, but the read buffer holds 79
}

TEST_F(AppConfigTest, SaveThenLoadRoundTripsAndKeepsTheIndex) {
    const RemoteConfig saved{"Club BBS", "bbs.example.org", 6300, 1, "QA1ABC", "s3cr3t"};
    m_config.SetCurrentIndex(0);
    ASSERT_TRUE(m_config.SaveProfile(2, saved));
    EXPECT_EQ(m_config.LoadProfile(2), saved);
    EXPECT_EQ(m_config.CurrentIndex(), 0);
    EXPECT_EQ(ReadBytes(m_config.Store().Path()),
              "[Remote 2]\r\nName=Club BBS\r\nHost Name=bbs.example.org\r\nCallsign=QA1ABC\r\n"
              "Password=s3cr3t\r\nPort=6300\r\nAutoConnect=1\r\n");

    // A password with blanks or quotes around it comes back as typed, or the next login fails.
    const RemoteConfig padded{"Club BBS ", "bbs.example.org", 6300, 0, "QA1ABC", " 'pw' "};
    ASSERT_TRUE(m_config.SaveProfile(1, padded));
    EXPECT_EQ(m_config.LoadProfile(1), padded);
    const RemoteConfig quoted{"\"Club\"", "bbs.example.org", 6300, 0, "QA1ABC", "\"pw\""};
    ASSERT_TRUE(m_config.SaveProfile(1, quoted));
    EXPECT_EQ(m_config.LoadProfile(1), quoted);

    // The SSH host has a key of its own, written only once a profile has one; emptied, the key
    // stays, empty, and the profile connects directly again.
    RemoteConfig tunnelled = saved;
    tunnelled.sshHost = "sysop@gw.example.org:2222";
    ASSERT_TRUE(m_config.SaveProfile(2, tunnelled));
    EXPECT_EQ(m_config.LoadProfile(2), tunnelled);
    EXPECT_EQ(m_config.Store().Read("Remote 2", "SSH Host"), "sysop@gw.example.org:2222");
    ASSERT_TRUE(m_config.SaveProfile(2, saved));
    EXPECT_EQ(m_config.LoadProfile(2), saved);
    EXPECT_TRUE(m_config.Store().Has("Remote 2", "SSH Host"));

    // A value that cannot be stored in one line is refused alone: the others are written.
    RemoteConfig broken = saved;
    broken.name = "Other BBS";
    broken.password = "two\nlines";
    EXPECT_FALSE(m_config.SaveProfile(2, broken));
    EXPECT_EQ(m_config.LoadProfile(2).name, "Other BBS");
    EXPECT_EQ(m_config.LoadProfile(2).password, "s3cr3t");
}

TEST_F(AppConfigTest, AutoConnectIsOnForAnyNumberButZero) {
    const std::pair<const char*, int> cases[] = {{"1", 1},   {"-1", 1}, {"7", 1},  {"0", 0},
                                                 {"off", 0}, {"", 0},   {" -0", 0}};
    for (const auto& [stored, expected] : cases) {
        ASSERT_TRUE(m_config.WriteSetting("Remote 2", "AutoConnect", stored));
        EXPECT_EQ(m_config.LoadProfile(2).autoConnect, expected) << stored;
    }
}

TEST_F(AppConfigTest, ReadProfileIntReadsAsAtol) {
    m_config.SetCurrentIndex(1);
    const std::vector<std::pair<std::string, int>> cases = {
        {"abc", 0}, {"", 42}, {" -12x", -12}, {"99999999999", INT_MAX}};
    for (const auto& [text, expected] : cases) {
        ASSERT_TRUE(m_config.WriteProfileText("Port", text));
        EXPECT_EQ(m_config.ReadProfileInt("Port", 42), expected) << '"' << text << '"';
    }
    // Typed in by hand in quotes: the quotes go before the number is read.
    ASSERT_TRUE(test::WriteBytes(m_config.Store().Path(), "[Remote 1]\r\nPort=\"5\"\r\n"));
    EXPECT_EQ(m_config.ReadProfileInt("Port", 42), 5);
    EXPECT_EQ(m_config.ReadProfileInt("Absent", 42), 42);
    EXPECT_TRUE(m_config.Store().Has("Remote 1", "Port"));
}

TEST_F(AppConfigTest, TextAccessorsNeedOneCharacterAndKeepTheDefault) {
    m_config.SetCurrentIndex(0);
    std::string dest = "preset";
    EXPECT_FALSE(m_config.ReadProfileText("State_m", dest));
    ASSERT_TRUE(m_config.WriteProfileText("State_m", ""));
    EXPECT_FALSE(m_config.ReadProfileText("State_m", dest));
    EXPECT_EQ(dest, "preset");
    ASSERT_TRUE(m_config.WriteProfileText("State_m", "5"));
    EXPECT_TRUE(m_config.ReadProfileText("State_m", dest));
    EXPECT_EQ(dest, "5");

    // A stored line break is the two characters '\' and 'r'; long values come back cut.
    const std::string signature = "73\\rde QA1ABC" + std::string(80, '-');
    ASSERT_TRUE(m_config.WriteSetting("Settings", "SignatureText", signature));
    EXPECT_TRUE(m_config.ReadSetting("Settings", "SignatureText", dest));
    EXPECT_EQ(dest, signature.substr(0, 79));
    EXPECT_NE(ReadBytes(m_config.Store().Path()).find(signature + "\r\n"), std::string::npos);
}

TEST_F(AppConfigTest, NoProfileSelectedReadsDefaultsAndWritesNothing) {
    ASSERT_EQ(m_config.CurrentIndex(), -1);
    std::string dest;
    EXPECT_EQ(m_config.ReadProfileInt("Port", 5), 5);
    EXPECT_FALSE(m_config.ReadProfileText("Name", dest));
    EXPECT_FALSE(m_config.WriteProfileText("Name", "x"));
    EXPECT_FALSE(m_config.SaveProfile(4, AppConfig::DefaultProfile(4)));
    EXPECT_FALSE(m_config.SaveProfile(-1, AppConfig::DefaultProfile(-1)));
    EXPECT_FALSE(QFileInfo::exists(m_config.Store().Path()));
    EXPECT_EQ(m_config.LoadProfile(7).name, "Remote 7");
}

}  // namespace
}  // namespace brxw
