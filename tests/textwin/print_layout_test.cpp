// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/print_layout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "link/traffic_colour.h"

namespace brxw {

void PrintTo(const PrintLine& line, std::ostream* os) {
    *os << '"' << line.text << "\" in " << std::hex << line.colour << std::dec;
}

namespace {

constexpr Colour kRed = 0x000000FF;
constexpr Colour kGreen = 0x0000FF00;
constexpr Colour kBlue = 0x00FF0000;

TEST(PrintLayout, PageCapacityTheExactlyFullPageAndTheFootersPlace) {
    // A 1100-pixel page with 50-pixel lines: title at 50, rule at 150, body from 250 up to the
    // limit at 800, footer rule at 900 and the footer on the last line, 1050.
    const PageLayout page = MakePageLayout(2000, 1100, 40, 10);
    EXPECT_EQ(page.lineSpacing, 50);
    EXPECT_EQ(page.TitleTop(), 50);
    EXPECT_EQ(page.HeaderRuleY(), 150);
    EXPECT_EQ(page.FirstBaseline(), 250);
    EXPECT_EQ(page.BodyLimit(), 800);
    EXPECT_EQ(page.FooterRuleY(), 900);
    EXPECT_EQ(page.FooterBaseline(), 1050);
    // The eleventh line brings the next baseline exactly to the limit: the page is full.
    EXPECT_EQ(page.LinesPerPage(), 11);
    EXPECT_EQ(MakePageLayout(2000, 1099, 40, 10).LinesPerPage(), 11);
    EXPECT_EQ(MakePageLayout(2000, 1101, 40, 10).LinesPerPage(), 12);  // a baseline at 800 < 801

    // A font without leading spaces its lines by a fifth of its height.
    EXPECT_EQ(MakePageLayout(2000, 1100, 50, 0).lineSpacing, 60);
    // A page too small for its font, or a font of no height, still prints every line.
    EXPECT_EQ(MakePageLayout(100, 100, 50, 0).LinesPerPage(), 1);
    EXPECT_EQ(MakePageLayout(100, 100, 0, 0).lineSpacing, 1);
    EXPECT_GE(MakePageLayout(100, -5, 0, 0).LinesPerPage(), 1);
}

TEST(PrintLayout, OneLinePrintsInBlackSeveralInTheirStartColours) {
    TextRing ring;
    ring.AppendText("red line   \n", kRed);
    ring.AppendText("\n", kGreen);
    ring.AppendText("blue", kBlue);
    ring.AppendText(" then red\n", kRed);
    ring.AppendText("white\n", TrafficColour(8));

    const std::vector<PrintLine> word{{"line", kPrintBlack}};
    EXPECT_EQ(SelectionPrintLines(ring, {MakePosition(0, 4), MakePosition(0, 9)}), word);
    EXPECT_EQ(SelectionPrintLines(ring, {MakePosition(0, 9), MakePosition(0, 4)}), word);
    EXPECT_TRUE(SelectionPrintLines(ring, {MakePosition(0, 9), MakePosition(0, 30)}).empty());
    EXPECT_TRUE(SelectionPrintLines(ring, {MakePosition(0, 3), MakePosition(0, 3)}).empty());

    // The blank line keeps its place; the second colour of a line is not used on paper.
    const std::vector<PrintLine> three{{"line", kRed}, {"", kGreen}, {"blue t", kBlue}};
    EXPECT_EQ(SelectionPrintLines(ring, {MakePosition(2, 6), MakePosition(0, 4)}), three);
    // Ending at column 0, the last line still takes its place, empty.
    const std::vector<PrintLine> two{{"red line", kRed}, {"", kGreen}};
    EXPECT_EQ(SelectionPrintLines(ring, {MakePosition(0, 0), MakePosition(1, 0)}), two);
    // White would vanish on the paper: it prints black.
    const std::vector<PrintLine> white{{"blue then red", kBlue}, {"white", kPrintBlack}};
    EXPECT_EQ(SelectionPrintLines(ring, {MakePosition(2, 0), MakePosition(3, 5)}), white);
}

}  // namespace
}  // namespace brxw
