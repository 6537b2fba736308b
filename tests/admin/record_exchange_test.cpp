// SPDX-License-Identifier: GPL-3.0-or-later
// The record exchange as logic: key lists, field lines, the message and user records with
// their dates, character sets and limits, and the requests they compose.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <ctime>

#include "admin/record_exchange.h"
#include "admin/record_log.h"

namespace brxw::admin {

void PrintTo(const UserChoice& c, std::ostream* os) {
    *os << c.value << ' ' << c.text;
}

namespace {

// One hour east of UTC, no daylight saving time, for the whole test program.
class CentralEuropeanTime : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("TZ", "CET-1", 1);
        tzset();
    }
};
const auto* const kTimeZone = ::testing::AddGlobalTestEnvironment(new CentralEuropeanTime);

std::vector<std::string> Lines(const std::string& body) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t feed; (feed = body.find('\n', start)) != std::string::npos; start = feed + 1) {
        lines.push_back(body.substr(start, feed - start));
    }
    return lines;
}

// The body of a composed PUT, without its header line.
std::vector<std::string> PutLines(const Composed& put) {
    EXPECT_TRUE(put.Ok()) << put.refusal;
    return Lines(put.request.substr(put.request.find('\n') + 1));
}

TEST(KeyLists, MessageKeysAreFirstWordsSortedAsText) {
    EXPECT_EQ(ReadMessageKeys("9 PN Q1ABC Q0QQQ\n10\n100 B$ X Y\n\n   \n"),
              (std::vector<std::string>{"10", "100", "9"}));
    // A line beyond 79 bytes is read as two lines: its continuation's first word is a key too.
    const std::string longLine = "4711 " + std::string(74, 'x') + "TAIL rest\n";
    EXPECT_EQ(ReadMessageKeys(longLine), (std::vector<std::string>{"4711", "TAIL"}));
    // Exactly 79 bytes and a line feed: the feed alone follows as an empty line.
    EXPECT_EQ(ChunkedLines(std::string(79, 'a') + "\nb", 79).size(), 3u);
    EXPECT_TRUE(ReadMessageKeys(std::string("\0\0\n", 3)).empty());
}

TEST(KeyLists, UserKeysSplitIntoCallsignsAndChoices) {
    const UserKeys keys = ReadUserKeys("Q1ABC\n2 BRAVO\n1 ALPHA\nq0qqq\n\nx7 NOVALUE extra\n");
    EXPECT_EQ(keys.callsigns, (std::vector<std::string>{"q0qqq", "Q1ABC"}));
    EXPECT_EQ(keys.choices, (std::vector<UserChoice>{{1, "ALPHA"}, {2, "BRAVO"}, {0, "NOVALUE"}}));
}

TEST(FieldLines, NumberedLinesOnly) {
    // The reply ends at its first zero byte; what follows must not be read.
    static constexpr char kReply[] =
        "1 P\n\n\n10\t XY\r\nno number\n-3 minus\n99999999999 big\n"
        "11\n12 1\0 after the end";
    const std::string payload(kReply, sizeof kReply - 1);
    EXPECT_EQ(
        ParseFieldLines(payload),
        (std::vector<FieldLine>{{1, "P"}, {10, "XY\r"}, {2147483647, "big"}, {11, ""}, {12, "1"}}));
}

TEST(MessageRecord, ReplyChangesOnlyTheFieldsItCarries) {
    MessageRecord record;
    ApplyMessageReply(record,
                      "1 P\n2 N\n4 120\n5 0\n7 Q4BBS\n8 Q1ABC\n9 Q0QQQ\n10 4711_Q0QQQ\n11 Hello\n"
                      "12 1\n15 983797620\n3 hidden\n14 also hidden\n",
                      true);
    EXPECT_EQ(record.type, 'P');
    EXPECT_EQ(record.received.text, "01-01-1970 01:00");
    EXPECT_EQ(record.sent.text, "05-03-2001 14:07");
    ApplyMessageReply(record, "10 XY", true);
    EXPECT_EQ(record.bid, "XY");
    EXPECT_EQ(record.from, "Q1ABC");
    EXPECT_EQ(record.title, "Hello");
    EXPECT_TRUE(record.data);
    EXPECT_EQ(record.status, 'N');

    // A letter outside the group clears it, and Apply writes "?" for it.
    ApplyMessageReply(record, "1 Z\n2 \n", true);
    EXPECT_EQ(record.type, 0);
    const auto lines = PutLines(ComposeMessagePut(record, "4711", true));
    EXPECT_EQ(lines,
              (std::vector<std::string>{"1 ?", "2 ?", "4 120", "5 0", "7 Q4BBS", "8 Q1ABC",
                                        "9 Q0QQQ", "10 XY", "11 Hello", "12 1", "15 983797620"}));
}

TEST(MessageRecord, DatesAreLocalTimeBothWays) {
    EXPECT_EQ(FormatRecordDate(0), "01-01-1970 01:00");
    EXPECT_EQ(ParseRecordDate("5-3-2001 14:07"), 983797620L);
    EXPECT_EQ(ParseRecordDate(" 05-03-2001  14:07 trailing"), 983797620L);
    for (const char* bad : {"", "5.3.2001 14:07", "32-1-2001 10:00", "5-13-2001 10:00",
                            "5-3-2001 24:00", "5-3-2001", "xyz", "5-3-99999999999 1:1"}) {
        EXPECT_EQ(ParseRecordDate(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(FormatRecordDate(LONG_MAX), "");  // no local time: the box stays empty

    MessageRecord record;
    ApplyMessageReply(record, "5 983797620\n15 99999999999999999999\n", true);
    EXPECT_EQ(record.sent.text, "");
    record.received.text = "5-3-2001 14:07";
    // The empty Sent box is what the reply showed: its value goes back unchanged.
    auto lines = PutLines(ComposeMessagePut(record, "1", true));
    EXPECT_EQ(lines[3], "5 983797620");
    EXPECT_EQ(lines.back(), "15 " + std::to_string(LONG_MAX));
    // A box the operator changed into something that is not a date refuses the Apply.
    record.received.text = "tomorrow";
    const Composed refused = ComposeMessagePut(record, "1", true);
    EXPECT_FALSE(refused.Ok());
    EXPECT_NE(refused.refusal.find("Received"), std::string::npos);

    // A box left as it came writes the very value received, seconds and all, on every Apply;
    // one the operator changed is read as a date.
    MessageRecord exact;
    ApplyMessageReply(exact, "5 983804711\n15 983804711\n", true);
    exact.sent.text = "5-3-2001 14:07";
    for (int apply = 0; apply < 2; ++apply) {
        lines = PutLines(ComposeMessagePut(exact, "1", true));
        EXPECT_EQ(lines[3], "5 983804711");
        EXPECT_EQ(lines.back(), "15 983797620");
    }
}

TEST(MessageRecord, TitleTravelsInTheDosCharsetWhenAsked) {
    MessageRecord record;
    ApplyMessageReply(record, "11 Caf\x82\n5 0\n15 0\n", false);
    EXPECT_EQ(record.title, "Caf\xE9");  // e-acute in the Windows code page
    const auto lines = PutLines(ComposeMessagePut(record, "1", false));
    EXPECT_EQ(lines[8], "11 Caf\x82");
    EXPECT_EQ(PutLines(ComposeMessagePut(record, "1", true))[8], "11 Caf\xE9");
}

TEST(Requests, PutCountsOnlyTheBodyAndKeepsItsLimits) {
    const std::string body(97, 'x');
    EXPECT_EQ(ComposePut("4711", body, kMaxMessagePutBytes).request, "PUT 4711 97\n" + body);
    EXPECT_TRUE(ComposePut("4711", std::string(511 - 13, 'x'), 511).Ok());
    EXPECT_FALSE(ComposePut("4711", std::string(511 - 12, 'x'), 511).Ok());

    // A key that does not fit is refused, never cut into another key.
    EXPECT_EQ(ComposeGet("GET", std::string(19, 'K')).request, "GET " + std::string(19, 'K'));
    EXPECT_FALSE(ComposeGet("GET", std::string(20, 'K')).Ok());
    EXPECT_FALSE(ComposeGet("DEL", "").Ok());
    EXPECT_FALSE(ComposePut(std::string(20, '1'), "1 A\n", 511).Ok());

    // A field holding a line feed would write a field line of its own, and a zero byte would
    // end the request early at the server: both are refused, in either kind of record.
    MessageRecord record;
    ApplyMessageReply(record, "5 0\n15 0\n", true);
    record.title = "two\n2 K";
    EXPECT_FALSE(ComposeMessagePut(record, "1", true).Ok());
    record.title = std::string("zero\0byte", 9);
    EXPECT_FALSE(ComposeMessagePut(record, "1", true).Ok());
    UserRecord user;
    user.zip = std::string("1\0", 2);
    EXPECT_FALSE(ComposeUserPut(user, -1, "Q1ABC", true).Ok());
    // Texts too long for one request are refused whole.
    record.title = std::string(500, 't');
    EXPECT_FALSE(ComposeMessagePut(record, "1", true).Ok());
}

TEST(UserRecord, FlagsChoiceAndCallsign) {
    UserRecord record;
    const UserReplyKeys keys =
        ApplyUserReply(record, "1 Q1ABC-3\n14 4352\n22 Anna\n27 Q4BBS\n31 secret\n", true);
    EXPECT_EQ(keys.callsign, "Q1ABC");
    EXPECT_EQ(keys.choice, std::nullopt);
    EXPECT_EQ(record.checked, 256u);  // only "Read all"
    record.checked = 0;
    const auto lines = PutLines(ComposeUserPut(record, -1, "Q1ABC", true));
    EXPECT_EQ(lines, (std::vector<std::string>{"14 4096", "17 -1", "22 Anna", "27 Q4BBS", "29 ",
                                               "31 secret", "32 "}));

    const std::vector<std::string> list = {"Q1AB", "Q1ABC", "Q2XYZ"};
    EXPECT_EQ(FindCallsign(list, "q1abc"), 1u);
    EXPECT_EQ(FindCallsign(list, "Q1"), std::nullopt);  // never a prefix of another user
    EXPECT_EQ(FindCallsign(list, ""), std::nullopt);

    // A record without field 14 has no flags of its own: it takes none from the record before,
    // and its flags are written only once a box is checked, so the server keeps those it has.
    UserRecord unflagged;
    ApplyUserReply(unflagged, "1 Q2XYZ\n22 Bert\n", true);
    EXPECT_EQ(PutLines(ComposeUserPut(unflagged, -1, "Q2XYZ", true))[0], "17 -1");
    unflagged.checked = 8;
    EXPECT_EQ(PutLines(ComposeUserPut(unflagged, -1, "Q2XYZ", true))[0], "14 8");

    // Field 17 and the Name's character set.
    EXPECT_EQ(ApplyUserReply(record, "17 2\n22 J\x81rgen\n", false).choice, 2);
    EXPECT_EQ(record.name, "J\xFCrgen");
    EXPECT_EQ(PutLines(ComposeUserPut(record, 2, "Q1ABC", false))[2], "22 J\x81rgen");
    // The 255-byte limit of a user PUT.
    record.privateDir = std::string(230, 'd');
    EXPECT_FALSE(ComposeUserPut(record, 2, "Q1ABC", true).Ok());
}

// Each record written is one line of the log, which reads back exactly; the file and its new
// folder are the user's alone, and a file that cannot be written is named with the reason.
TEST(RecordLog, OneLinePerRecordInAPrivateFile) {
    const QDateTime when(QDate(2026, 12, 8), QTime(14, 3, 27));
    EXPECT_EQ(RecordLogLine(when, 7, "PUT 4711 12\n11 a\\b\r\x01\xE9\n"),
              "2026-12-08 14:03:27 message PUT 4711 12\\n11 a\\\\b\\r\\x01\xE9\\n");
    EXPECT_EQ(RecordLogLine(when, 6, "PUT Q1ABC 5\n14 8\n").substr(20),
              "user PUT Q1ABC 5\\n14 8\\n");

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state/brxw/Home_BBS-records.log"));
    EXPECT_EQ(AppendRecordLog(path, "one"), "");
    EXPECT_EQ(AppendRecordLog(path, "two"), "");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("one\ntwo\n"));
    EXPECT_EQ(file.permissions() & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
    EXPECT_EQ(QFile::permissions(QFileInfo(path).absolutePath()) & 0x0777,
              QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
    file.setPermissions(file.permissions() | QFileDevice::ReadOther);
    EXPECT_EQ(AppendRecordLog(path, "three"), "");
    EXPECT_EQ(QFile::permissions(path) & QFileDevice::ReadOther, 0);

    const QString blocked = dir.filePath(QStringLiteral("state/brxw/Home_BBS-records.log/x.log"));
    EXPECT_EQ(AppendRecordLog(blocked, "four"),
              QDir::toNativeSeparators(path).toStdString() + ": Not a directory");
}

TEST(UserRecord, InputCallsignCheck) {
    const CallsignCheck ok = CheckCallsign("q1abc");
    EXPECT_TRUE(ok.valid);
    EXPECT_EQ(ok.upper, "Q1ABC");
    const CallsignCheck bad = CheckCallsign("Q1ABC-1");
    EXPECT_FALSE(bad.valid);
    EXPECT_EQ(InvalidCallsignText(bad.upper), "Invalid callsign\r\nQ1ABC-1");
    EXPECT_FALSE(CheckCallsign("Q1\xC9").valid);
}

}  // namespace
}  // namespace brxw::admin
