// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/ring_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "textwin/text_view_state.h"

namespace brxw {
namespace {

using namespace std::string_literals;

// Lines 0..519 of "line n", with a few of them carrying the word to find. After 520 lines the
// ring keeps lines 21..519 and the write line; line n lies in slot n mod 500.
class RingSearchTest : public ::testing::Test {
protected:
    RingSearchTest() {
        for (int i = 0; i < 520; ++i) {
            std::string text = "line " + std::to_string(i) + "\n";
            if (i == 5) {
                text = "needle old\n";  // its slot is reused by line 505
            } else if (i == 30) {
                text = "a needle\n";
            } else if (i == 510) {
                text = "NEEDLE upper\n";
            } else if (i == 515) {
                text = std::string(74, 'x') + "needle";  // to column 79: the line ends there
            }
            ring.AppendText(text, 0);
        }
    }
    // Walks from origin in one direction and lists (line number, outcome) of each find.
    std::vector<std::pair<int, FindOutcome>> Walk(bool forward, int steps) {
        std::vector<std::pair<int, FindOutcome>> found;
        FindOrigin origin = forward ? FindOrigin{0, -1} : FindOrigin{kRingLines - 1, kLineColumns};
        for (int i = 0; i < steps; ++i) {
            const FindResult result = search.Find(ring, origin, forward);
            if (result.outcome == FindOutcome::kNotFound) {
                found.emplace_back(-1, result.outcome);
                break;
            }
            const int age = ring.AgeOf(result.match.slot);
            found.emplace_back(LineAtAge(age), result.outcome);
            origin = {age, result.match.from};
        }
        return found;
    }
    int LineAtAge(int age) const { return 21 + age; }

    TextRing ring;
    RingSearch search;
};

TEST_F(RingSearchTest, FindsInAgeOrderBothWaysAcrossTheRingsWrapAround) {
    using O = FindOutcome;
    search.SetPattern("needle", false);
    EXPECT_EQ(Walk(true, 5), (std::vector<std::pair<int, O>>{{30, O::kFound},
                                                             {510, O::kFound},
                                                             {515, O::kFound},
                                                             {30, O::kWrapped},
                                                             {510, O::kFound}}));
    EXPECT_EQ(Walk(false, 5), (std::vector<std::pair<int, O>>{{515, O::kFound},
                                                              {510, O::kFound},
                                                              {30, O::kFound},
                                                              {515, O::kWrapped},
                                                              {510, O::kFound}}));
    // The match that ends in column 79 covers columns 74..79 of its own slot.
    EXPECT_EQ(search.Find(ring, {0, -1}, true).match, (RingMatch{30, 2, 8}));
    EXPECT_EQ(search.Find(ring, {kRingLines - 1, kLineColumns}, false).match,
              (RingMatch{515 % kRingLines, 74, 80}));

    search.SetPattern("needle", true);
    EXPECT_EQ(Walk(true, 3), (std::vector<std::pair<int, O>>{
                                 {30, O::kFound}, {515, O::kFound}, {30, O::kWrapped}}));
    // Line 5's text was overwritten when its slot was reused: gone, not found.
    search.SetPattern("old", false);
    EXPECT_EQ(search.Find(ring, {0, -1}, true).outcome, O::kNotFound);
    // A single match is found again after a full round, and reported as wrapped.
    search.SetPattern("line 499", true);
    const FindResult only = search.Find(ring, {0, -1}, true);
    EXPECT_EQ(only.outcome, O::kFound);
    EXPECT_EQ(search.Find(ring, {ring.AgeOf(only.match.slot), only.match.from}, true).outcome,
              O::kWrapped);
}

TEST_F(RingSearchTest, MatchesTheTextAsShownWithinOneLine) {
    TextRing small;
    small.AppendText("ab\rcd   \n", 0);
    small.AppendText(std::string(77, '-') + "abc" + "def\n", 0);
    small.AppendText("\xC9T\xC9 \x8A\n", 0);  // E-acute T E-acute, S caron (ANSI mode off: OEM)
    small.SetAnsiMode(true);
    small.AppendText("\xC9T\xC9 \x8A\n", 0);
    const auto finds = [&small](const std::string& needle, bool matchCase) {
        RingSearch s;
        s.SetPattern(needle, matchCase);
        return s.Find(small, {0, -1}, true).outcome != FindOutcome::kNotFound;
    };
    EXPECT_TRUE(finds("ab cd", false));    // the carriage return shows as a blank
    EXPECT_FALSE(finds("cd ", false));     // trailing blanks are not part of the line
    EXPECT_FALSE(finds("abcdef", false));  // never across two lines
    EXPECT_TRUE(finds("def", false));
    EXPECT_TRUE(finds("\xE9t\xE9 \x9A", false));  // e-acute, s caron: either case
    EXPECT_FALSE(finds("\xE9t\xE9", true));
    EXPECT_TRUE(finds("\xC9T\xC9", true));
    EXPECT_FALSE(finds("", false));
    EXPECT_FALSE(finds(std::string(81, '-'), false));

    RingSearch s;
    s.SetPattern("aa", false);
    TextRing runs;
    runs.AppendText("aaaa b aA\n", 0);
    EXPECT_EQ(s.MatchesIn(runs.Line(0)), (std::vector<ColumnRange>{{0, 4}, {7, 9}}));
}

// The view's part: where a search starts, selecting a match and bringing it into view.
TEST_F(RingSearchTest, ViewSelectsAMatchScrollsItIntoViewAndSearchesOnFromIt) {
    TextViewState view(ring);
    view.SetMetrics(10, 8);
    view.SetClientSize(640, 100);  // 10 rows
    view.ScrollLines(kRingLines);  // following: lines 511..519 and the write line
    search.SetPattern("needle", false);
    // Nothing selected: forward from the top row, backward from the bottom row.
    EXPECT_EQ(search.Find(ring, view.SearchOrigin(true), true).match.slot, 15);
    const FindResult last = search.Find(ring, view.SearchOrigin(false), false);
    ASSERT_EQ(last.match, (RingMatch{15, 74, 80}));
    view.SelectColumns(last.match.slot, last.match.from, last.match.to);
    EXPECT_EQ(view.CopyText(), "needle");                // the match, not a line and an empty one
    EXPECT_EQ(view.ScrollIntoView(last.match.slot), 0);  // already on screen
    const FindResult previous = search.Find(ring, view.SearchOrigin(false), false);
    EXPECT_EQ(previous.match.slot, 10);
    const FindResult first = search.Find(ring, {ring.AgeOf(10), 0}, false);
    view.SelectColumns(first.match.slot, first.match.from, first.match.to);
    EXPECT_EQ(view.CopyText(), "needle");
    EXPECT_LT(view.ScrollIntoView(first.match.slot), 0);
    EXPECT_EQ(view.RowOfSlot(30), 5);  // about in the middle

    // A bar opening under the scrolled-back text takes its bottom rows; the top row stays.
    const int top = view.TopLine();
    view.SetClientSizeKeepingTop(640, 80);
    EXPECT_EQ(view.TopLine(), top);
    EXPECT_EQ(view.PageLines(), 8);
    view.ScrollLines(kRingLines);
    view.SetClientSizeKeepingTop(640, 60);
    EXPECT_TRUE(view.Following());
}

}  // namespace
}  // namespace brxw
