// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/station_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brxw {
namespace {

using namespace std::string_literals;

TEST(ParseStationLine, RejectsLinesWithoutAChannelFrom0To99) {
    for (const std::string& payload :
         {""s, "abc"s, "<"s, "100 X"s, "<-1 X"s, "!-5"s, "99999999999 X"s, "\0 5"s, "<<5 X"s}) {
        EXPECT_FALSE(ParseStationLine(payload).has_value()) << '"' << payload << '"';
    }
    // A selection without a callsign is unreadable.
    EXPECT_FALSE(ReadStationEntry("05 05").has_value());
}

std::vector<int> Channels(const StationList& list) {
    std::vector<int> channels;
    for (const std::string& entry : list.Entries()) {
        channels.push_back(std::stoi(entry.substr(0, 2)));
    }
    return channels;
}

TEST(StationList, RowsStandInChannelOrderWhateverTheArrival) {
    StationList list;
    for (const char* payload : {"12 C12", "99 C99", "3 C3", "40 C40", "0 C0", "7 C7", "3 C3b"}) {
        list.ApplyStationLine(payload);
    }
    EXPECT_EQ(Channels(list), (std::vector<int>{0, 3, 7, 12, 40, 99}));
    EXPECT_EQ(ReadStationEntry(list.Entry(1))->callsign, "C3b");
    // Channel 99, the last one, is a station like any other.
    const StationUpdate last = list.ApplyStationLine(">99 C99b a b 1 2 c", 99);
    EXPECT_EQ(last.oneChannelTitle, "Channel 99 : C99b");
    ASSERT_TRUE(list.Select(5));
    EXPECT_EQ(list.SelectedDisconnectRequest(false), "99 C99b 0");
    StationLine removal;
    removal.status = kStatusRemove;
    removal.channel = 99;
    EXPECT_TRUE(list.Apply(removal).removed);
    EXPECT_EQ(list.Count(), 5u);
}

TEST(StationList, RemovalTakesTheSelectionAndRetitlesTheOneChannelWindow) {
    // The window is left on an empty channel even when the "!" line carries a callsign.
    for (const char* removal : {"!5", "5", "!05 QA1ABC 12:00 00:15 3 7 yes"}) {
        SCOPED_TRACE(removal);
        StationList list;
        list.ApplyStationLine("3 DL3X a b 1 2 c");
        list.ApplyStationLine("05 QA1ABC 12:00 00:15 3 7 yes");
        ASSERT_TRUE(list.Select(1));

        const StationUpdate update = list.ApplyStationLine(removal, 5);
        EXPECT_TRUE(update.applied && update.removed);
        EXPECT_EQ(update.removedRow, 1u);
        EXPECT_FALSE(update.insertedRow.has_value());
        EXPECT_EQ(update.entryCount, 1u);
        EXPECT_TRUE(update.selectionRemoved && update.selectionChanged);
        EXPECT_EQ(update.oneChannelTitle, "None");
        EXPECT_FALSE(list.Selected().has_value());
    }
}

TEST(StationList, RedThenBlueRedrawsTheSameRow) {
    StationList list;
    list.ApplyStationLine("9 A a b 1 2 c");
    const StationUpdate red = list.ApplyStationLine("<5 QA1ABC 12:00 00:15 3 -3 fwd", 5);
    EXPECT_EQ(red.oneChannelTitle, "Channel 5 : QA1ABC");
    EXPECT_EQ(list.Entry(0), "05<05\tQA1ABC\t12:00\t00:15\t3\t0\tFWD");
    EXPECT_EQ(StationRowColour(StationStatusOf(list.Entry(0))), 0x0000FFu);

    const StationUpdate blue = list.ApplyStationLine(">5 QA1ABC 12:00 00:16 3 4 fwd", 6);
    EXPECT_EQ(blue.removedRow, 0u);
    EXPECT_EQ(blue.insertedRow, 0u);
    EXPECT_FALSE(blue.oneChannelTitle.has_value());  // the window follows another channel
    EXPECT_EQ(StationRowColour(StationStatusOf(list.Entry(0))), 0xFF0000u);
    EXPECT_EQ(StationRowOf(list.Entry(0)), "05\tQA1ABC\t12:00\t00:16\t3\t4\tfwd");
}

TEST(StationList, UpdatingOtherChannelsKeepsTheSelectionByChannel) {
    StationList list;
    for (const char* payload : {"3 C3", "7 C7", "12 C12"}) {
        list.ApplyStationLine(payload);
    }
    ASSERT_TRUE(list.Select(1));

    StationUpdate update = list.ApplyStationLine("1 C1");  // comes before: the row moves
    EXPECT_EQ(list.Selected(), 2u);
    EXPECT_TRUE(update.selectionChanged);
    update = list.ApplyStationLine("<12 C12 a b 1 2 c");  // removed and re-added after it
    EXPECT_EQ(list.Selected(), 2u);
    EXPECT_FALSE(update.selectionChanged);
    update = list.ApplyStationLine(">7 C7new");  // its own update
    EXPECT_FALSE(update.selectionChanged);
    update = list.ApplyStationLine("!1");
    EXPECT_EQ(list.Selected(), 1u);
    EXPECT_FALSE(update.selectionRemoved);
    EXPECT_EQ(list.SelectedDisconnectRequest(true), "07 C7new 1");
}

TEST(StationList, HostileLinesChangeNothingOrLandAtTheirChannel) {
    StationList list;
    list.ApplyStationLine("3 C3");
    list.ApplyStationLine("50 C50");
    ASSERT_TRUE(list.Select(1));
    const std::vector<std::string> before = list.Entries();
    for (const std::string& payload : {"abc"s, "100 X a b 1 2 c"s, "<-1 X"s, ""s}) {
        const StationUpdate update = list.ApplyStationLine(payload, 3);
        EXPECT_FALSE(update.applied || update.oneChannelTitle.has_value()) << payload;
        EXPECT_EQ(update.entryCount, 2u);
        EXPECT_EQ(list.Entries(), before);
        EXPECT_EQ(list.Selected(), 1u);
    }

    const std::string longLine = "20 " + std::string(60, 'K') + " " + std::string(130, 'S');
    const std::string longWords = "4 " + std::string(300, 'W') + " " + std::string(300, 'T');
    for (const std::string& payload : {longLine, longWords}) {
        const StationUpdate update = list.ApplyStationLine(payload);
        ASSERT_TRUE(update.applied);
        const std::string& entry = list.Entries()[*update.insertedRow];
        EXPECT_EQ(entry.size(), kMaxStationEntry);
        EXPECT_EQ(ReadStationEntry(entry)->channel, update.channel);
    }
    EXPECT_EQ(Channels(list), (std::vector<int>{3, 4, 20, 50}));
    EXPECT_EQ(list.ReadSelection()->channel, 50);
}

}  // namespace
}  // namespace brxw
