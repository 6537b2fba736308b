// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/text_scan.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace brxw {
namespace {

TEST(TextScanTest, ScanLeadingLongIsAtolWithoutOverflow) {
    const std::vector<std::pair<std::string_view, long>> cases = {
        {"", 0},
        {"abc", 0},
        {" -12x", -12},
        {"+7", 7},
        {"- 5", 0},
        {"\n\f\r9", 9},
        {"99999999999999999999", LONG_MAX},
        {"-99999999999999999999", LONG_MIN},
        {"-9223372036854775808", LONG_MIN}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ScanLeadingLong(text), expected) << '"' << text << '"';
    }
}

TEST(TextScanTest, ScanLongsStopsAtTheFirstFailure) {
    const std::vector<std::tuple<std::string_view, std::size_t, std::vector<long>>> cases = {
        {"0012 0034", 2, {12, 34}},
        {"-005 -0010", 2, {-5, -10}},
        {"15 0 0 0 400 0 0 0 1", 13, {15, 0, 0, 0, 400, 0, 0, 0, 1}},
        {"12x 5", 2, {12}},
        {"1 2 3", 2, {1, 2}},
        {" +7\t-8", 2, {7, -8}},
        {"", 2, {}},
        {"- 5", 2, {}}};
    for (const auto& [text, max, expected] : cases) {
        EXPECT_EQ(ScanLongs(text, max), expected) << '"' << text << '"';
    }
}

TEST(TextScanTest, FormatPairPadsLikePrintfAndScansBack) {
    const std::vector<std::tuple<int, int, std::string>> cases = {
        {0, 0, "0000 0000"},
        {590, 395, "0590 0395"},
        {-5, 12, "-005 0012"},
        {-32000, 12345, "-32000 12345"},
        {INT_MIN, INT_MAX, "-2147483648 2147483647"}};
    for (const auto& [a, b, expected] : cases) {
        EXPECT_EQ(FormatPair(a, b), expected);
        EXPECT_EQ(ScanLongs(FormatPair(a, b), 2), (std::vector<long>{a, b}));
    }
}

}  // namespace
}  // namespace brxw
