// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/profile_setup.h"

#include "config/app_config.h"
#include "config/config_test_support.h"
#include "config/ssh_host.h"
#include "resources/command_ids.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <functional>
#include <string>
#include <vector>

namespace brxw {
namespace {

TEST(SetupValidationTest, FirstFailureInCheckingOrderWithItsMessage) {
    const std::string between = "Please enter an integer between 0 and 10000.";
    const std::string integer = "Please enter an integer.";
    const std::string unstorable =
        "This text cannot be stored: it holds a line break or a NUL character.";
    const std::string badSsh = BadSshHostMessage("");
    const std::string sshBlank = "The SSH host begins or ends with a blank: please remove it.";
    const std::string hostBlank = "A host name or address cannot hold a blank.";
    auto tooLong = [](int n) {
        return "Please enter no more than " + std::to_string(n) + " characters.";
    };
    struct Case {
        std::function<void(SetupFields&)> change;
        SetupField failed;
        std::string message;
    };
    const Case cases[] = {
        {[](SetupFields&) {}, SetupField::None, ""},
        {[](SetupFields& f) {
             f.callsign.assign(9, 'C');
             f.name.assign(15, 'N');
             f.hostName.assign(63, 'h');
             f.password.assign(79, 'p');
             f.port = " 10000 ";
         },
         SetupField::None, ""},
        {[](SetupFields& f) { f.name.assign(16, 'N'); }, SetupField::Name, tooLong(15)},
        {[](SetupFields& f) { f.hostName.assign(64, 'h'); }, SetupField::HostName, tooLong(63)},
        // 79 is what the file gives back; a longer password would be saved but never read whole.
        {[](SetupFields& f) { f.password.assign(80, 'p'); }, SetupField::Password, tooLong(79)},
        // What the file cannot hold is refused, not saved to read back different.
        {[](SetupFields& f) { f.callsign = "DL1\nAB"; }, SetupField::Callsign, unstorable},
        {[](SetupFields& f) { f.name = "Home\r"; }, SetupField::Name, unstorable},
        {[](SetupFields& f) { f.hostName = std::string("bbs\0x", 5); }, SetupField::HostName,
         unstorable},
        {[](SetupFields& f) { f.password = "se\ncret"; }, SetupField::Password, unstorable},
        // No lookup finds a name with a blank in it; checked before the password.
        {[](SetupFields& f) {
             f.hostName = "bbs example.org";
             f.password.assign(80, 'p');
         },
         SetupField::HostName, hostBlank},
        {[](SetupFields& f) { f.hostName = "bbs.example.org\t"; }, SetupField::HostName, hostBlank},
        // Quoted, a password with blanks or quotes around it must still fit in one read.
        {[](SetupFields& f) { f.password = " " + std::string(76, 'p'); }, SetupField::None, ""},
        {[](SetupFields& f) { f.password = " " + std::string(77, 'p'); }, SetupField::Password,
         QuotedPasswordTooLongMessage()},
        {[](SetupFields& f) { f.password = "\"" + std::string(77, 'p') + "\""; },
         SetupField::Password, QuotedPasswordTooLongMessage()},
        {[](SetupFields& f) { f.port = "10001"; }, SetupField::Port, between},
        {[](SetupFields& f) { f.port = "-1"; }, SetupField::Port, between},
        {[](SetupFields& f) { f.port = "99999999999999999999"; }, SetupField::Port, between},
        {[](SetupFields& f) { f.port = ""; }, SetupField::Port, integer},
        {[](SetupFields& f) { f.port = "12a"; }, SetupField::Port, integer},
        {[](SetupFields& f) { f.port = "+"; }, SetupField::Port, integer},
        {[](SetupFields& f) {
             f.callsign = "QA1ABCDEFG";
             f.name.assign(16, 'N');
             f.port = "x";
         },
         SetupField::Callsign, tooLong(9)},
        {[](SetupFields& f) {
             f.hostName.assign(64, 'h');
             f.password.assign(80, 'p');
         },
         SetupField::HostName, tooLong(63)},
        {[](SetupFields& f) {
             f.password.assign(80, 'p');
             f.port = "x";
         },
         SetupField::Password, tooLong(79)},
        // The SSH host becomes arguments of ssh: only [user@]host[:port] passes, nothing that
        // ssh could read as an option or a shell as more than a word.
        {[](SetupFields& f) { f.sshHost = "sysop@bbs-gw.example.org:2222"; }, SetupField::None, ""},
        {[](SetupFields& f) { f.sshHost = "10.0.0.7"; }, SetupField::None, ""},
        {[](SetupFields& f) { f.sshHost = "-oProxyCommand=sh"; }, SetupField::SshHost, badSsh},
        {[](SetupFields& f) { f.sshHost = "-x@bbs"; }, SetupField::SshHost, badSsh},
        {[](SetupFields& f) { f.sshHost = "bbs; rm -rf ~"; }, SetupField::SshHost, badSsh},
        {[](SetupFields& f) { f.sshHost = "a@b@bbs"; }, SetupField::SshHost, badSsh},
        {[](SetupFields& f) { f.sshHost = "bbs:0"; }, SetupField::SshHost, badSsh},
        {[](SetupFields& f) { f.sshHost = "bbs:65536"; }, SetupField::SshHost, badSsh},
        {[](SetupFields& f) { f.sshHost = "bbs:"; }, SetupField::SshHost, badSsh},
        {[](SetupFields& f) { f.sshHost = "@bbs"; }, SetupField::SshHost, badSsh},
        {[](SetupFields& f) { f.sshHost = "bbs:22:22"; }, SetupField::SshHost, badSsh},
        {[](SetupFields& f) { f.sshHost = "bbs$(id)"; }, SetupField::SshHost, badSsh},
        {[](SetupFields& f) { f.sshHost.assign(80, 'h'); }, SetupField::SshHost, badSsh},
        // A blank pasted along at either end is named as such.
        {[](SetupFields& f) { f.sshHost = " gw.example.org"; }, SetupField::SshHost, sshBlank},
        {[](SetupFields& f) { f.sshHost = "me@gw:22 "; }, SetupField::SshHost, sshBlank},
        {[](SetupFields& f) { f.sshHost = "g w"; }, SetupField::SshHost, badSsh},
        {[](SetupFields& f) {
             f.sshHost = "-bad";
             f.port = "x";
         },
         SetupField::Port, integer},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SetupFields fields{"Home BBS", "bbs.example.org", "3286", "QA1ABC", "secret", true};
        cases[i].change(fields);
        const SetupValidation result = ValidateSetup(fields);
        EXPECT_EQ(result.failed, cases[i].failed) << "case " << i;
        EXPECT_EQ(result.message, cases[i].message) << "case " << i;
    }
    const SetupFields valid{"Home BBS", "bbs.example.org", " 6300", "QA1ABC", "secret", true};
    EXPECT_EQ(ValidateSetup(valid).profile,
              (RemoteConfig{"Home BBS", "bbs.example.org", 6300, 1, "QA1ABC", "secret"}));
    const SetupFields tunnelled{"Home BBS", "localhost", "3286",    "QA1ABC",
                                "secret",   false,       "me@gw:22"};
    EXPECT_EQ(ValidateSetup(tunnelled).profile.sshHost, "me@gw:22");
}

class ApplySetupTest : public testing::Test {
protected:
    void SaveFour(int autoConnectProfile) {
        for (int n = 0; n < kRemoteConfigCount; ++n) {
            RemoteConfig c = AppConfig::DefaultProfile(n);
            c.name = "Box " + std::to_string(n);
            c.autoConnect = n == autoConnectProfile ? 1 : 0;
            ASSERT_TRUE(m_config.SaveProfile(n, c));
        }
    }
    std::string File() const { return test::ReadBytes(m_config.Store().Path()); }

    QTemporaryDir m_dir;
    AppConfig m_config{m_dir.filePath("BrxW.ini")};
};

TEST_F(ApplySetupTest, SavingUnderANewNameRenamesOnlyItsOwnItems) {
    SaveFour(-1);
    std::vector<RemoteConfig> before;
    for (int n = 0; n < kRemoteConfigCount; ++n) {
        before.push_back(m_config.LoadProfile(n));
    }
    RemoteConfig edited = before[2];
    edited.name = "Ulm";
    const SetupOutcome out = ApplySetup(m_config, 2, edited, 0);
    EXPECT_TRUE(out.saved);
    EXPECT_EQ(out.connectCommand, cmd::kConnectRemote0 + 2);
    EXPECT_EQ(out.configCommand, cmd::kConfigRemote0 + 2);
    EXPECT_EQ(out.itemText, "Ulm");
    EXPECT_EQ(out.profile, edited);
    EXPECT_EQ(out.configChecks, (std::vector<MenuCheck>{{cmd::kConfigRemote0 + 2, false}}));
    for (int n : {0, 1, 3}) {
        EXPECT_EQ(m_config.LoadProfile(n), before[n]) << n;
    }
}

TEST_F(ApplySetupTest, AutorunMovesFromThreeToOneTouchingOnlyThatKey) {
    // Profiles 0 and 2 were never saved; 3 has a hand-edited callsign beyond the field limit.
    RemoteConfig three = AppConfig::DefaultProfile(3);
    three.autoConnect = 1;
    ASSERT_TRUE(m_config.SaveProfile(3, three));
    ASSERT_TRUE(m_config.WriteSetting("Remote 3", "Callsign", "QA1ABC-15/PORTABLE"));
    RemoteConfig edited = m_config.LoadProfile(1);
    edited.autoConnect = 1;
    const SetupOutcome out = ApplySetup(m_config, 1, edited, 0);

    EXPECT_EQ(m_config.Store().Read("Remote 3", "AutoConnect"), "0");
    EXPECT_EQ(m_config.Store().Read("Remote 3", "Callsign"), "QA1ABC-15/PORTABLE");
    EXPECT_FALSE(m_config.Store().Has("Remote 0", "AutoConnect"));
    EXPECT_FALSE(m_config.Store().Has("Remote 2", "AutoConnect"));
    EXPECT_EQ(m_config.LoadProfile(1).autoConnect, 1);
    EXPECT_EQ(out.configChecks, (std::vector<MenuCheck>{{cmd::kConfigRemote0 + 0, false},
                                                        {cmd::kConfigRemote0 + 2, false},
                                                        {cmd::kConfigRemote0 + 3, false},
                                                        {cmd::kConfigRemote0 + 1, true}}));
}

TEST_F(ApplySetupTest, UnchangedRewritesTheSameBytesAndSwitchingOffUnchecksAtOnce) {
    SaveFour(1);
    RemoteConfig edited = m_config.LoadProfile(1);
    const std::string before = File();
    SetupOutcome out = ApplySetup(m_config, 1, edited, 1);
    EXPECT_EQ(File(), before);
    EXPECT_EQ(out.configChecks, (std::vector<MenuCheck>{{cmd::kConfigRemote0 + 1, true}}));

    edited.autoConnect = 0;
    out = ApplySetup(m_config, 1, edited, 1);
    EXPECT_EQ(m_config.Store().Read("Remote 1", "AutoConnect"), "0");
    EXPECT_EQ(out.configChecks, (std::vector<MenuCheck>{{cmd::kConfigRemote0 + 1, false}}));
}

TEST_F(ApplySetupTest, EmptyNameNamesTheItemsAsTheNextStartWill) {
    RemoteConfig edited = m_config.LoadProfile(3);
    edited.name.clear();
    edited.hostName.clear();
    const SetupOutcome out = ApplySetup(m_config, 3, edited, 0);
    EXPECT_EQ(out.itemText, "Remote 3");
    EXPECT_EQ(out.profile.hostName, kDefaultHostName);
}

}  // namespace
}  // namespace brxw
