// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/counters.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

namespace brxw {
namespace {

using namespace std::string_literals;

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kRed = 0x0000FF;

TEST(ScaleSize, DividesWhileAtLeast10240WithoutOverflow) {
    const struct {
        std::int64_t n;
        SizeUnit unit;
        const char* expected;
    } cases[] = {
        {512, SizeUnit::kBytes, "512  B"},
        {10239, SizeUnit::kBytes, "10239  B"},
        {20000, SizeUnit::kBytes, "19 KB"},
        {1500, SizeUnit::kKilobytes, "1500 KB"},
        {1999, SizeUnit::kKilobytes, "1999 KB"},
        {2000, SizeUnit::kKilobytes, "2000 KB"},
        {10239, SizeUnit::kKilobytes, "10239 KB"},
        {10240, SizeUnit::kKilobytes, "10 MB"},
        {20480, SizeUnit::kKilobytes, "20 MB"},
        {INT32_MAX, SizeUnit::kBytes, "2047 MB"},
        {INT64_MAX, SizeUnit::kKilobytes, "2047 GB"},
        {-20000, SizeUnit::kKilobytes, "-20000 KB"},
        {INT64_MIN, SizeUnit::kBytes, "-2147483648  B"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScaleSize(c.n, c.unit), c.expected) << c.n;
    }
}

TEST(MessageCounters, HeldAndPrivateAreRedUnlessZero) {
    EXPECT_EQ(MessageCounterLines("2 5 40"), (PanelLines{{{kBlack, "Total msgs :\t40"},
                                                          {kRed, "Held msgs :\t5"},
                                                          {kRed, "Priv msgs :\t2"}}}));
    EXPECT_EQ(MessageCounterLines("0 0 40"), (PanelLines{{{kBlack, "Total msgs :\t40"},
                                                          {kBlack, "Held msgs :\t0"},
                                                          {kBlack, "Priv msgs :\t0"}}}));
    // Missing numbers count as 0; huge ones clamp to 32 bits; the text ends at a NUL.
    EXPECT_EQ(MessageCounterLines("99999999999999999999 -3"),
              (PanelLines{{{kBlack, "Total msgs :\t0"},
                           {kRed, "Held msgs :\t-3"},
                           {kRed, "Priv msgs :\t2147483647"}}}));
    EXPECT_EQ(MessageCounterLines("1 2\0 3"s), MessageCounterLines("1 2 x"));
}

TEST(SystemStatus, DiskRedBelow2000Kilobytes) {
    EXPECT_EQ(SystemStatusLines("20000 1500 1999 7"),
              (PanelLines{{{kBlack, "Used mem :\t19 KB"},
                           {kBlack, "Data mem :\t1500 KB"},
                           {kRed, "Disk free :\t1999 KB"}}}));
    EXPECT_EQ(SystemStatusLines("20000 1500 2000 7")[2],
              (PanelLine{kBlack, "Disk free :\t2000 KB"}));
    EXPECT_EQ(SystemStatusLines("512")[2], (PanelLine{kRed, "Disk free :\t0 KB"}));
    EXPECT_EQ(SystemStatusLines("1 99999999999999999999 -99999999999999")[1],
              (PanelLine{kBlack, "Data mem :\t2047 GB"}));
}

TEST(StationCount, LeadingNumberAndPaneText) {
    const std::pair<std::string, int> cases[] = {
        {"12", 12}, {"", 0}, {"abc", 0}, {"12abc", 12}, {"-4", 0}, {"99999999999", INT_MAX}};
    for (const auto& [payload, count] : cases) {
        EXPECT_EQ(ParseStationCount(payload), count) << payload;
    }
    EXPECT_EQ(StationCountText(true, 3), "3 Connected station(s)");
    EXPECT_EQ(StationCountText(false, 3), "Not connected");
}

}  // namespace
}  // namespace brxw
