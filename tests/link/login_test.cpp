// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "link/login.h"
#include "link/native_socket.h"
#include "link/socket_errors.h"

#include <cerrno>

namespace brxw {
namespace {

TEST(Md5, MatchesTheReferenceSuite) {
    struct Case {
        const char* input;
        const char* digest;
    };
    const Case cases[] = {
        {"", "D41D8CD98F00B204E9800998ECF8427E"},
        {"a", "0CC175B9C0F1B6A831C399E269772661"},
        {"abc", "900150983CD24FB0D6963F7D28E17F72"},
        {"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
        {"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "D174AB98D277D9F5A5611C2C9F419D9F"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57EDF4A22BE3C955AC49DA2E2107B67A"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Md5Hex(c.input), c.digest) << '"' << c.input << '"';
    }
}

TEST(Login, ReplyIsTheDigestOfChallengeThenPasswordAndALineFeed) {
    // "abc" split between challenge and password hashes as "abc".
    EXPECT_EQ(LoginReply("ab", "c"), "900150983CD24FB0D6963F7D28E17F72\n");
    EXPECT_EQ(LoginReply("K7x9Qa", "7305"), Md5Hex("K7x9Qa7305") + "\n");
    EXPECT_EQ(LoginReply("K7x9Qa", "7305").size(), 33u);
}

TEST(Login, LineCarriesOptionsZeroAndCallsign) {
    EXPECT_EQ(LoginLine(140, "Q0QQQ"), "140 0 Q0QQQ\n");
    EXPECT_EQ(LoginLine(143, "QA1ABC"), "143 0 QA1ABC\n");
}

TEST(Login, ChallengeIsTheFirstWord) {
    EXPECT_EQ(ChallengeWord("abc123\r\n"), "abc123");
    EXPECT_EQ(ChallengeWord("  \tfirst second third"), "first");
    EXPECT_EQ(ChallengeWord(""), "");
    EXPECT_EQ(ChallengeWord(" \r\n"), "");
    EXPECT_EQ(ChallengeWord(std::string_view("ab\0cd", 5)), "ab");
}

TEST(SocketErrors, TextsAndTheUnknownRest) {
    EXPECT_STREQ(SocketErrorText(10061), "Connection refused");
    EXPECT_STREQ(SocketErrorText(11001), "Host not found");
    EXPECT_STREQ(SocketErrorText(10067), "EPROCLIM lpszError =ed");
    EXPECT_STREQ(SocketErrorText(10093), "Not initialized");
    EXPECT_STREQ(SocketErrorText(0), "Unknown");
    EXPECT_STREQ(SocketErrorText(10001), "Unknown");
}

// POSIX's errno values are translated to the WSA codes; Windows reports those itself.
#ifndef _WIN32
TEST(SocketErrors, PlatformErrorsReadAsTheSameTexts) {
    EXPECT_STREQ(SocketErrorText(WsaFromErrno(ECONNREFUSED)), "Connection refused");
    EXPECT_STREQ(SocketErrorText(WsaFromErrno(ECONNRESET)), "Connection reset by peer");
    EXPECT_STREQ(SocketErrorText(WsaFromErrno(ETIMEDOUT)), "Connection timed out");
    EXPECT_STREQ(SocketErrorText(WsaFromErrno(EHOSTUNREACH)), "Host is unreachable");
    EXPECT_EQ(WsaFromErrno(EAGAIN), 10035);
    // A failure is never read as success, also one the table does not know.
    for (int error = 0; error < 256; ++error) {
        EXPECT_NE(WsaFromErrno(error), 0) << error;
    }
    EXPECT_STREQ(SocketErrorText(WsaFromErrno(ENOMEM)), "Unknown");
}
#endif

TEST(DottedAddress, ClassicFormsMakeAnAddressAndNamesDoNot) {
    const std::pair<const char*, std::uint32_t> addresses[] = {
        {"127.0.0.1", 0x7F000001u},
        {"255.255.255.255", 0xFFFFFFFFu},
        {"127.1", 0x7F000001u},
        {"10.1.2", 0x0A010002u},
        {"10.65535", 0x0A00FFFFu},
        {"1.2.65535", 0x0102FFFFu},
        {"2130706433", 0x7F000001u},
        {"0x7f.1", 0x7F000001u},
        {"0X7F.0.0.01", 0x7F000001u},
        {"0177.0.0.1", 0x7F000001u},
        {"0", 0u},
        {"4294967295", 0xFFFFFFFFu},
        {"0xFFFFFFFF", 0xFFFFFFFFu},
        {"10.0xaBcDeF", 0x0AABCDEFu},
    };
    for (const auto& [text, address] : addresses) {
        EXPECT_EQ(ParseDottedIpv4(text), address) << text;
    }
    const char* names[] = {"localhost",
                           "1.2.3.4.5",
                           "1.2.3.256",
                           "1.2.65536",
                           "1.16777216",
                           "4294967296",
                           "256.1",
                           "1.2.3.4 ",
                           " 1.2.3.4",
                           "",
                           "10.0.0.1x",
                           "1..2",
                           "1.2.",
                           ".1",
                           "08",
                           "0x",
                           "0x1g",
                           "1.0x",
                           "-1",
                           "99999999999999999999",
                           "bbs.example.org",
                           "1e3"};
    for (const char* text : names) {
        EXPECT_EQ(ParseDottedIpv4(text), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace brxw
