// SPDX-License-Identifier: GPL-3.0-or-later
// The Pactor controls and the server options as logic: what each state report shows, what each
// press sends, and which option items an option list leaves in the menu.
#include <gtest/gtest.h>

#include <string>

#include "link/pactor_control.h"
#include "link/server_options.h"
#include "resources/command_ids.h"

namespace brxw {

void PrintTo(const PactorItemView& v, std::ostream* os) {
    *os << "{visible " << v.buttonVisible << ", checked " << v.checked << ", enabled " << v.enabled
        << "}";
}
void PrintTo(const ServerOptionItem& i, std::ostream* os) {
    *os << "{" << i.id << " '" << i.letter << "' \"" << i.label << "\" " << i.checked << "}";
}

namespace {

using Item = PactorItemView;
using Items = std::vector<ServerOptionItem>;
std::string Sent(const std::optional<std::string>& text) {
    return text.value_or("<nothing>");
}

struct StateCase {
    const char* report;
    Item scan, receive, send;
    const char* scanSends;
    const char* receiveOrSendSends;
};

TEST(PactorControlTest, EachStateShowsItsControlsAndEachPressSendsItsCommand) {
    const Item hidden{false, false, false};
    const StateCase cases[] = {
        // Scanning off: Scan shown and unchecked; Receive and Send hidden and grayed.
        {"7 0", {true, false, true}, hidden, hidden, "SCAN 7 1", "CHO 7"},
        // Scanning: Scan checked and pressed; pressing it stops scanning.
        {"7 2", {true, true, true}, hidden, hidden, "SCAN 7 0", "CHO 7"},
        // On a link, receiving: only Receive shown, checked; a press breaks in.
        {"7 1", hidden, {true, true, true}, {false, false, true}, "SCAN 7 1", "BRK 7"},
        // On a link, sending: only Send shown, checked; a press changes over.
        {"7 5", hidden, {false, false, true}, {true, true, true}, "SCAN 7 1", "CHO 7"},
        // The scanning bit means nothing on a link.
        {"7 3", hidden, {true, true, true}, {false, false, true}, "SCAN 7 1", "BRK 7"},
    };
    PactorControl pactor;
    EXPECT_FALSE(pactor.View().menuPresent);
    EXPECT_EQ(Sent(pactor.Command(cmd::kPactorScan)), "<nothing>");  // no port known yet
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.report);
        ASSERT_TRUE(pactor.Report(c.report));
        const PactorView view = pactor.View();
        EXPECT_TRUE(view.menuPresent);
        EXPECT_EQ(view.scan, c.scan);
        EXPECT_EQ(view.receive, c.receive);
        EXPECT_EQ(view.send, c.send);
        EXPECT_EQ(Sent(pactor.Command(cmd::kPactorScan)), c.scanSends);
        EXPECT_EQ(Sent(pactor.Command(cmd::kPactorReceive)), c.receiveOrSendSends);
        EXPECT_EQ(Sent(pactor.Command(cmd::kPactorSend)), c.receiveOrSendSends);
        EXPECT_EQ(Sent(pactor.Command(cmd::kSettings)), "<nothing>");
    }
}

TEST(PactorControlTest, ThePortComesFromTheReportThatCreatedTheControls) {
    PactorControl pactor;
    ASSERT_TRUE(pactor.Report("3 0"));
    ASSERT_TRUE(pactor.Report("8 2"));  // a later port is not taken
    EXPECT_EQ(Sent(pactor.Command(cmd::kPactorScan)), "SCAN 3 0");
    pactor.Remove();
    EXPECT_EQ(pactor.View(), PactorView{});
    EXPECT_EQ(Sent(pactor.Command(cmd::kPactorScan)), "<nothing>");
    ASSERT_TRUE(pactor.Report("8 0"));  // created again, with the port of this report
    EXPECT_EQ(Sent(pactor.Command(cmd::kPactorScan)), "SCAN 8 1");
}

TEST(PactorControlTest, ReportsThatDoNotScanChangeNothing) {
    using namespace std::string_literals;
    const std::string bad[] = {""s, "7"s, "x 1"s, "7 x"s, "7\0 5"s, "\0 7 5"s, "--7 5"s};
    for (const std::string& report : bad) {
        SCOPED_TRACE(report);
        PactorControl absent;
        EXPECT_FALSE(absent.Report(report));
        EXPECT_FALSE(absent.View().menuPresent);
        PactorControl present;
        ASSERT_TRUE(present.Report("2 2"));
        EXPECT_FALSE(present.Report(report));
        EXPECT_EQ(present.State(), 2u);
    }
    // Numbers beyond an int are clamped, not wrapped; blanks and signs are read as %d reads them.
    PactorControl pactor;
    ASSERT_TRUE(pactor.Report("  99999999999999999999\t-5 trailing"));
    EXPECT_EQ(pactor.Port(), 2147483647);
    EXPECT_EQ(Sent(pactor.Command(cmd::kPactorReceive)), "BRK 2147483647");  // -5: link, receiving
}

TEST(ServerOptionsTest, AttachedOncePerSessionAndOnlySettingsRemainsAfterDetach) {
    ServerOptions options;
    options.List("Options\nA 1 Early\n");  // not attached yet: ignored
    EXPECT_TRUE(options.Items().empty());
    EXPECT_EQ(Sent(options.Attach()), "GET");
    EXPECT_EQ(Sent(options.Attach()), "<nothing>");  // capability 9 twice asks once
    options.List("Options\nA 1 Auto forward\nC 0 Guest login\n");
    EXPECT_EQ(options.Items().size(), 2u);
    options.Detach();
    EXPECT_TRUE(options.Items().empty());
    options.List("Options\nA 1 Auto forward\n");  // a list after the end of the session
    EXPECT_TRUE(options.Items().empty());
    EXPECT_EQ(Sent(options.Toggle(35200)), "<nothing>");
    EXPECT_EQ(Sent(options.Attach()), "GET");  // the next session asks again
}

TEST(ServerOptionsTest, ALaterListChangesOnlyTheCheckMarksAndEachItemAsksForTheOpposite) {
    ServerOptions options;
    options.Attach();
    options.List("Server options\nB 1 Beacon\nA 0 Auto forward\nZ 7 Zap\n");
    const Items first = {{35201, 'B', "Beacon", true},
                         {35200, 'A', "Auto forward", false},
                         {35225, 'Z', "Zap", true}};
    EXPECT_EQ(options.Items(), first);
    EXPECT_EQ(Sent(options.Toggle(35201)), "SET B 0");
    EXPECT_EQ(Sent(options.Toggle(35200)), "SET A 1");
    EXPECT_EQ(Sent(options.Toggle(35202)), "<nothing>");  // no item C
    // Same letters again, other marks and labels: no new item, the labels stay.
    options.List("Server options\nA 1 Renamed\nB 0 Beacon\nZ 0 Zap\nA 0 Again\n");
    const Items second = {{35201, 'B', "Beacon", false},
                          {35200, 'A', "Auto forward", false},
                          {35225, 'Z', "Zap", false}};
    EXPECT_EQ(options.Items(), second);
    // A one-line list is only its title: nothing is added or changed.
    options.List("A 1 Auto forward");
    options.List("A 1 Auto forward\n");
    EXPECT_EQ(options.Items(), second);
    // The 27th letter, the character after 'Z', is switched like the others.
    options.List("Server options\n[ 0 Bracket\n");
    EXPECT_EQ(Sent(options.Toggle(35226)), "SET [ 1");
    options.List("Server options\n[ 1 Bracket\n");
    EXPECT_EQ(Sent(options.Toggle(35226)), "SET [ 0");
    EXPECT_EQ(Sent(options.Toggle(35227)), "<nothing>");
}

TEST(ServerOptionsTest, HostileListsLeaveOnlyWellFormedItemsInTheCommandRange) {
    using namespace std::string_literals;
    const std::string longLabel(200, 'x');
    std::string thousands = "Title\n";
    for (int n = 0; n < 5000; ++n) {
        thousands += std::string(1, static_cast<char>(n % 256)) + " " + std::to_string(n % 2) +
                     " Option " + std::to_string(n) + "\n";
    }
    struct Case {
        std::string list;
        Items expected;
    };
    const Case cases[] = {
        {"", {}},
        {"\n\n\n", {}},
        {"T\nA\nB 1\nC 1 \nD x Label\n E 1 Blank letter\n", {}},  // no value or no label
        {"T\na 1 lower\n@ 1 at\n\\ 1 backslash\n\xC4 1 high\n\0 1 nul\n"s, {}},  // outside A-[
        // The 27th letter, the character after 'Z', is an option like the others.
        {"T\n[ 1 Bracket\nZ 0 Zed\n", {{35226, '[', "Bracket", true}, {35225, 'Z', "Zed", false}}},
        {"T\nA 1 " + longLabel + "\n", {{35200, 'A', std::string(79, 'x'), true}}},
        {"T\nA 1 Before\0after\nB\0 1 Cut\n"s, {{35200, 'A', "Before", true}}},
        {"T\r\nA 0 Windows line\r\n", {{35200, 'A', "Windows line", false}}},
        {"T\nA  -3\t Spaced  out \n", {{35200, 'A', "Spaced  out ", true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list.substr(0, 40));
        ServerOptions options;
        options.Attach();
        options.List(c.list);
        EXPECT_EQ(options.Items(), c.expected);
    }
    // Thousands of lines over every byte: one item per letter A to [, each id in range.
    ServerOptions options;
    options.Attach();
    options.List(thousands);
    ASSERT_EQ(options.Items().size(), 27u);
    for (const ServerOptionItem& item : options.Items()) {
        EXPECT_TRUE(ServerOptions::IsOptionCommand(item.id)) << item.id;
        EXPECT_EQ(item.id, kServerOptionFirstId + (item.letter - 'A'));
    }
}

}  // namespace
}  // namespace brxw
