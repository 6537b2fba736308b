// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/station_line.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace brxw {
namespace {

using namespace std::string_literals;

struct ParseCase {
    std::string name;
    std::string payload;
    StationLine expected;
};

class ParseStationLineTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseStationLineTest, ReadsFieldsWithScanfRules) {
    EXPECT_EQ(ParseStationLine(GetParam().payload), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseStationLineTest,
    ::testing::Values(
        ParseCase{"AllSeven",
                  "05 QA1ABC 12:00 00:15 3 7 yes",
                  {' ', 5, "QA1ABC", "12:00", "00:15", 3, 7, "yes"}},
        ParseCase{"RedRaisesBufUpperCasesCfwd",
                  "<05 qa1abc 12:00 00:15 3 -3 fwd/b",
                  {'<', 5, "qa1abc", "12:00", "00:15", 3, 0, "FWD/B"}},
        ParseCase{"BlueKeepsCase", ">7 X a b 1 -1 c", {'>', 7, "X", "a", "b", 1, 0, "c"}},
        ParseCase{"BareChannelRemoves", " 5  \r\n", {'!', 5, "", "", "", 0, 0, ""}},
        ParseCase{"MinusIsAStatus", "-1 X", {'-', 1, "X", "", "", 0, 0, ""}},
        ParseCase{"StopsAtFirstBadNumber", "5 C s t x 4 c", {' ', 5, "C", "s", "t", 0, 0, ""}},
        ParseCase{"HugeNumbersClamp",
                  "5 C s t 99999999999 -99999999999 c",
                  {' ', 5, "C", "s", "t", INT_MAX, 0, "c"}},
        ParseCase{"TextEndsAtNul", "5\0 CALL s t 1 2 c"s, {'!', 5, "", "", "", 0, 0, ""}},
        ParseCase{"LongWordIsCutNotSplit",
                  "3 " + std::string(300, 'A') + " 10:00",
                  {' ', 3, std::string(kMaxStationWord, 'A'), "10:00", "", 0, 0, ""}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace brxw
