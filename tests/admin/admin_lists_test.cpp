// SPDX-License-Identifier: GPL-3.0-or-later
// The pending-forward list and the remote file browser's listing and paths, as logic; and
// every administration parser fed mutated input.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "admin/forward_list.h"
#include "admin/record_exchange.h"
#include "admin/remote_listing.h"

namespace brxw::admin {

void PrintTo(const ListingItem& i, std::ostream* os) {
    *os << i.type << " [" << i.size << "] [" << i.name << "] [" << i.date << "]";
}

namespace {

TEST(ForwardList, EntriesColoursAndRequests) {
    const auto entries = ReadForwardList(
        "1 Q1BBS 0 2 5K\n\n2 Q2BBS 3 1 20K\n7 Q3BBS 0 0 0K\n"
        "3 NOK 0 1 9\n4 SHORT 1 2\n");
    EXPECT_EQ(entries, (std::vector<std::string>{"1 Q1BBS\t0/2 - 5K", "0 .", "2 Q2BBS\t3/1 - 20K",
                                                 "0 Q3BBS\t0/0 - 0K", "1 NOK\t0/1 - 9K", "0 ."}));
    EXPECT_EQ(ForwardColour(entries[0]), kForwardBlue);
    EXPECT_EQ(ForwardColour(entries[1]), kForwardBlack);
    EXPECT_EQ(ForwardColour(entries[2]), kForwardRed);
    EXPECT_EQ(ForwardColour(entries[3]), kForwardBlack);
    EXPECT_EQ(ForwardRequest(true, 2), "START 2");
    EXPECT_EQ(ForwardRequest(false, 0), "STOP 0");

    // A long name with the largest numbers still fits 79 bytes; a line beyond 79 bytes keeps
    // one entry per line read, so positions stay those of the server.
    const std::string big = "1 " + std::string(60, 'N') + " 2147483647 -2147483648 99999999999K\n";
    const auto cut = ReadForwardList(big);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_LE(cut[0].size(), kMaxForwardEntryBytes);
    EXPECT_EQ(cut[1], "0 .");
    // A name longer than its room is cut to fill the entry's 79 bytes exactly.
    const std::string counts = "\t1/0 - 2K";
    const auto full = ReadForwardList("1 " + std::string(69, 'N') + " 1 0 2K\n");
    ASSERT_EQ(full.size(), 1u);
    EXPECT_EQ(full[0], "2 " + std::string(kMaxForwardEntryBytes - 2 - counts.size(), 'N') + counts);
}

TEST(Listing, DirectoriesFirstWithTheirDates) {
    const auto items = ReadListing(
        "- 4096 init.cfg oct-12-12:30\nd 0 mail jan-05-2001\n"
        "- 1 a.txt JAN-5-2001\n- 2 b.txt xyz-01-2000\n"
        "- 3 nodate.txt\n- 4 baddate.txt 2001\n-\n- 5\n\n");
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[0], (ListingItem{'d', "", "mail", "05/01    2001"}));
    EXPECT_EQ(items[1], (ListingItem{'-', "4096", "init.cfg", "12/10    12:30"}));
    EXPECT_EQ(items[2].date, "05/01    2001");
    EXPECT_EQ(items[3].date, "01/13    2000");
    EXPECT_EQ(items[4].date, "");
    EXPECT_EQ(items[5].date, "");
    EXPECT_EQ(MonthNumber("Jan"), 1);
    EXPECT_EQ(MonthNumber("DEC"), 12);
    EXPECT_EQ(MonthNumber("xyz"), 13);
    EXPECT_EQ(MonthNumber("janu"), 13);

    // Over-long words: the line goes (a cut name would fetch another file), a long date shows
    // nothing.
    const auto limits =
        ReadListing("- " + std::string(80, '9') + " big.txt jan-1-2001\n- 1 " +
                    std::string(256, 'n') + "\n- 1 ok.txt " + std::string(20, 'j') + "-1-2001\n");
    ASSERT_EQ(limits.size(), 1u);
    EXPECT_EQ(limits[0].name, "ok.txt");
    EXPECT_EQ(limits[0].date, "");
    // Words that just fit are kept whole: a 79-byte size, a 255-byte name.
    const auto fits =
        ReadListing("- " + std::string(79, '9') + " size.txt\n- 1 " + std::string(255, 'n') + "\n");
    ASSERT_EQ(fits.size(), 2u);
    EXPECT_EQ(fits[0].size, std::string(79, '9'));
    EXPECT_EQ(fits[1].name, std::string(255, 'n'));
}

// A path is built only from the directory whose listing is shown; a directory asked for
// becomes the current one only when its listing arrives, and one listing is awaited at a time.
TEST(Browser, PathsComeFromTheDirectoryListedOnly) {
    RemoteBrowser browser;
    EXPECT_FALSE(browser.Open().send);  // nothing chosen yet
    EXPECT_EQ(browser.Start().text, "");
    ASSERT_TRUE(browser.ListingArrived());
    const auto send = [&browser](const RemoteBrowser::Step& step) {
        EXPECT_TRUE(step.send) << step.refusal;
        browser.Sent(step.request);
        return step.request.text;
    };
    browser.ItemChanged("help", 'd');
    EXPECT_EQ(send(browser.Open()), "help");
    EXPECT_EQ(browser.Current(), "/");
    EXPECT_EQ(browser.Asked(), "/help");
    EXPECT_EQ(browser.Name(), "");
    // One request at a time: the next answer would be taken for this one's.
    browser.ItemChanged("readme.txt", '-');  // another item of the root, still shown
    EXPECT_FALSE(browser.Open().send);
    EXPECT_FALSE(browser.Up().send);
    EXPECT_FALSE(browser.FileArrived());
    ASSERT_TRUE(browser.ListingArrived());
    EXPECT_EQ(browser.Display(), "/help");
    browser.ItemChanged("sub", 'd');
    EXPECT_EQ(send(browser.Open()), "help/sub");
    ASSERT_TRUE(browser.ListingArrived());
    EXPECT_EQ(send(browser.Up()), "/help");

    // The link is lost: that listing will not come, and a listing arriving now is nobody's.
    EXPECT_EQ(browser.GiveUp(false), "/help");
    EXPECT_FALSE(browser.ListingArrived());
    EXPECT_EQ(browser.Current(), "/help/sub");
    browser.ItemChanged("init.cfg", '-');
    const RemoteBrowser::Step file = browser.Open();
    EXPECT_EQ(file.request.kind, 2);
    EXPECT_EQ(file.request.text, "help/sub/init.cfg");
    EXPECT_TRUE(file.request.endsDialog);
    browser.Sent(file.request);
    EXPECT_FALSE(browser.ListingArrived());  // a listing is no answer to a file
    EXPECT_TRUE(browser.FileArrived());
    EXPECT_EQ(browser.Current(), "/help/sub");
    // No answer in time: a late listing is still the one asked for, until the next request.
    EXPECT_EQ(send(browser.Up()), "/help");
    EXPECT_EQ(browser.GiveUp(true), "/help");
    ASSERT_TRUE(browser.ListingArrived());
    EXPECT_EQ(browser.Current(), "/help");
    EXPECT_EQ(send(browser.Up()), "/");
    ASSERT_TRUE(browser.ListingArrived());
    EXPECT_EQ(send(browser.Up()), "/");
    // A new session starts from the root.
    browser.ItemChanged("x", 'd');
    EXPECT_EQ(browser.Start().path, "/");
    EXPECT_EQ(browser.SelectedType(), 0);
    ASSERT_TRUE(browser.ListingArrived());

    // A path beyond 255 bytes is refused, not cut; one of 255 bytes is asked for.
    browser.ItemChanged(std::string(255, 'd'), 'd');
    EXPECT_FALSE(browser.Open().send);
    EXPECT_FALSE(browser.Open().refusal.empty());
    browser.ItemChanged(std::string(254, 'f'), '-');
    EXPECT_EQ(browser.Open().request.text, std::string(254, 'f'));
    browser.ItemChanged(std::string(126, 'd'), 'd');
    send(browser.Open());
    ASSERT_TRUE(browser.ListingArrived());
    browser.ItemChanged(std::string(127, 'f'), '-');
    const RemoteBrowser::Step longest = browser.Open();
    EXPECT_TRUE(longest.send) << longest.refusal;
    EXPECT_EQ(longest.request.text, std::string(126, 'd') + "/" + std::string(127, 'f'));
}

// Every parser on mutated input, each input in a heap buffer of its exact size so that the
// address sanitizer sees any read past it.
TEST(AdminParsers, SurviveMutatedInput) {
    const std::string seeds[] = {"1 Q1BBS 0 2 5K\n2 Q2BBS 3 1 20K\n",
                                 "d 0 mail jan-05-2001\n- 4096 init.cfg oct-12-12:30\n",
                                 "1 P\n2 N\n5 983797620\n11 Title\n14 4352\n17 2\n22 Name\n",
                                 "Q1ABC\n1 ALPHA\n9\n10\n100\n"};
    std::mt19937 random(20261207);
    for (int round = 0; round < 3000; ++round) {
        std::string input = seeds[round % std::size(seeds)];
        const int edits = 1 + static_cast<int>(random() % 8);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = input.empty() ? 0 : random() % input.size();
            switch (random() % 4) {
                case 0:
                    if (!input.empty())
                        input[at] = static_cast<char>(random());
                    break;
                case 1:
                    input.insert(at, std::string(random() % 400, static_cast<char>(random())));
                    break;
                case 2:
                    input.erase(at, random() % 20);
                    break;
                default:
                    input.insert(at, "-\n\t 0 ");
                    break;
            }
        }
        const auto buffer = std::make_unique<char[]>(input.size());
        std::copy(input.begin(), input.end(), buffer.get());
        const std::string_view view(buffer.get(), input.size());
        for (const std::string& entry : ReadForwardList(view)) {
            ASSERT_LE(entry.size(), kMaxForwardEntryBytes);
            ForwardColour(entry);
        }
        for (const ListingItem& item : ReadListing(view)) {
            ASSERT_LE(item.name.size(), kMaxRemoteNameBytes);
            DateText(item.date);
        }
        ReadMessageKeys(view);
        ReadUserKeys(view);
        MessageRecord message;
        ApplyMessageReply(message, view, round % 2 == 0);
        const Composed put = ComposeMessagePut(message, "4711", round % 2 == 0);
        ASSERT_LE(put.request.size(), kMaxMessagePutBytes);
        UserRecord user;
        ApplyUserReply(user, view, false);
        ASSERT_LE(ComposeUserPut(user, -1, "Q1ABC", false).request.size(), kMaxUserPutBytes);
        ParseRecordDate(view);
    }
}

}  // namespace
}  // namespace brxw::admin
