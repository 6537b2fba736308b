// SPDX-License-Identifier: GPL-3.0-or-later
// The record exchange's edges, each where a slip of one character would let the sysop's Apply
// refuse a good value, send a bad one, or point at the wrong box.
#include <gtest/gtest.h>

#include "admin/record_exchange.h"

namespace brxw::admin {
namespace {

// The last day of a month and the last minute of an hour are dates; one more is not.
TEST(RecordExchangeEdges, DateBoxesTakeEveryDayAndMinuteAndNothingBeyond) {
    const auto last = ParseRecordDate("31-1-2001 23:59");
    const auto next = ParseRecordDate("1-2-2001 0:00");
    ASSERT_TRUE(last);
    ASSERT_TRUE(next);
    EXPECT_EQ(*next - *last, 60);
    EXPECT_TRUE(ParseRecordDate("31-12-2001 0:00"));
    for (const char* bad : {"5-3-2001 14:60", "5-3-2001 14:-1", "0-3-2001 14:00", "32-3-2001 14:00",
                            "5-0-2001 14:00", "5-3-1899 14:00"}) {
        EXPECT_EQ(ParseRecordDate(bad), std::nullopt) << bad;
    }

    // A date the sysop typed for the 31st goes out as that day.
    MessageRecord record;
    ApplyMessageReply(record, "5 0\n15 0\n", true);
    record.received.text = "31-1-2001 23:59";
    const Composed put = ComposeMessagePut(record, "4711", true);
    ASSERT_TRUE(put.Ok()) << put.refusal;
    EXPECT_NE(put.request.find("\n5 " + std::to_string(*last) + "\n"), std::string::npos);
}

// Every letter from A to Z and every digit make a callsign, typed in either case.
TEST(RecordExchangeEdges, CallsignsTakeEveryLetterAndDigit) {
    const CallsignCheck all = CheckCallsign("abcdefghijklmnopqrstuvwxyz0123456789");
    EXPECT_TRUE(all.valid);
    EXPECT_EQ(all.upper, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    EXPECT_TRUE(CheckCallsign("QZ9ZZ").valid);
    for (const char* bad : {"Q1AB@", "Q1AB[", "Q1AB/", "Q1AB:", "Q1AB`", "Q1AB{"}) {
        EXPECT_FALSE(CheckCallsign(bad).valid) << bad;
    }
}

// With several boxes wrong, the message names the first of them, the one to mend first.
TEST(RecordExchangeEdges, OfSeveralBadFieldsTheFirstIsNamed) {
    MessageRecord record;
    ApplyMessageReply(record, "5 0\n15 0\n", true);
    record.received.text = "yesterday";
    record.sent.text = "today";
    record.via = "Q4BBS\nX";
    record.title = "two\nlines";
    Composed put = ComposeMessagePut(record, "4711", true);
    ASSERT_FALSE(put.Ok());
    EXPECT_NE(put.refusal.find("Received box"), std::string::npos) << put.refusal;
    EXPECT_NE(put.refusal.find("\"yesterday\""), std::string::npos) << put.refusal;

    record.received.text = record.received.shown;
    put = ComposeMessagePut(record, "4711", true);
    ASSERT_FALSE(put.Ok());
    EXPECT_NE(put.refusal.find("Sent box"), std::string::npos) << put.refusal;

    record.sent.text = record.sent.shown;
    put = ComposeMessagePut(record, "4711", true);
    ASSERT_FALSE(put.Ok());
    EXPECT_NE(put.refusal.find("Field 7 "), std::string::npos) << put.refusal;

    UserRecord user;
    user.name = "Anna\nB";
    user.password = "se\ncret";
    const Composed userPut = ComposeUserPut(user, -1, "Q1ABC", true);
    ASSERT_FALSE(userPut.Ok());
    EXPECT_NE(userPut.refusal.find("Field 22 "), std::string::npos) << userPut.refusal;
}

}  // namespace
}  // namespace brxw::admin
