// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/text_ring.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brxw {
namespace {

using namespace std::string_literals;

constexpr Colour kRed = 0x000000FF;
constexpr Colour kGreen = 0x0000FF00;
constexpr Colour kBlue = 0x00FF0000;

std::string Shown(const TextRing& ring, int slot) {
    const std::string_view cells = ring.Line(slot).Cells();
    return std::string(cells.substr(0, TrimmedLength(cells)));
}

void AppendLines(TextRing& ring, int count) {
    for (int i = 0; i < count; ++i) {
        ring.AppendText("line " + std::to_string(i) + "\n", kRed);
    }
}

TEST(TextRing, LineFeedsAndColumnEighty) {
    const std::string x80(80, 'x');
    struct Case {
        std::string input;
        std::vector<std::string> slots;  // trimmed text of slots 0..
        int writeLine, writeColumn, lineCount;
    } const cases[] = {
        {"", {""}, 0, 0, 1},
        {"abc\n", {"abc", ""}, 1, 0, 2},
        {x80 + "\n", {x80, "", ""}, 2, 0, 3},
        {x80 + "y", {x80, "y"}, 1, 1, 2},
        {"a\rb\r\n", {"a\rb\r", ""}, 1, 0, 2},
        {"ab\0\0cd\n"s, {"ab\0\0cd"s, ""}, 1, 0, 2},
        {"\n\n", {"", "", ""}, 2, 0, 3},
    };
    for (const Case& c : cases) {
        TextRing ring;
        ring.SetAnsiMode(true);
        ring.AppendText(c.input, kRed);
        for (std::size_t slot = 0; slot < c.slots.size(); ++slot) {
            EXPECT_EQ(Shown(ring, static_cast<int>(slot)), c.slots[slot]) << c.input;
        }
        EXPECT_EQ(ring.WriteLine(), c.writeLine) << c.input;
        EXPECT_EQ(ring.WriteColumn(), c.writeColumn) << c.input;
        EXPECT_EQ(ring.LineCount(), c.lineCount) << c.input;
        EXPECT_EQ(ring.Line(0).text[kLineColumns], '\0');
    }
}

TEST(TextRing, ColourChangesInMidLine) {
    TextRing ring;
    ring.AppendText("Hello ", kRed);
    ring.AppendText("World", kBlue);
    ring.AppendText("!", kRed);  // the start colour again: the change column stays
    const TextLine& line = ring.Line(0);
    EXPECT_EQ(line.startColour, kRed);
    EXPECT_EQ(line.secondColour, kBlue);
    EXPECT_EQ(line.changeColumn, 6);
    ring.AppendText("?", kGreen);  // a third colour moves the change to where it begins
    EXPECT_EQ(line.secondColour, kGreen);
    EXPECT_EQ(line.changeColumn, 12);
    ring.AppendText("\nnext", kBlue);
    EXPECT_EQ(ring.Line(1).startColour, kBlue);
    EXPECT_EQ(ring.Line(1).changeColumn, 0);
}

TEST(TextRing, The501stLineReusesTheFirstSlot) {
    TextRing ring;
    AppendLines(ring, 500);
    EXPECT_EQ(ring.LineCount(), 500);
    EXPECT_EQ(Shown(ring, 0), "");  // line 0 is gone: its slot is the write line now
    EXPECT_EQ(ring.OldestSlot(), 1);
    ring.AppendText("line 500\n", kRed);
    EXPECT_EQ(Shown(ring, 0), "line 500");
    EXPECT_EQ(ring.AgeOf(2), 0);
    EXPECT_EQ(ring.SlotAtAge(kRingLines - 1), 1);
}

TEST(TextRing, AnsiModeSwitchReadsStoredTextAgain) {
    TextRing ring;  // OEM mode: received bytes are converted on arrival
    ring.AppendText("\x82t\x82 \0\xB3\n"s, kRed);
    EXPECT_EQ(Shown(ring, 0), "\xE9t\xE9 \0|"s);
    EXPECT_TRUE(ring.SetAnsiMode(true));  // taken as ANSI, the bytes are what came in
    EXPECT_EQ(Shown(ring, 0), "\x82t\x82 \0|"s);
    ring.AppendText("\x82\n", kRed);  // and new text is stored as it comes
    EXPECT_EQ(Shown(ring, 1), "\x82");
    EXPECT_FALSE(ring.SetAnsiMode(true));
    EXPECT_TRUE(ring.SetAnsiMode(false));  // back: every character both sets have returns
    EXPECT_EQ(Shown(ring, 0), "\xE9t\xE9 \0|"s);
    EXPECT_EQ(Shown(ring, 1), "\xE9");
}

TEST(TextRing, WordAndRunBounds) {
    TextRing ring;
    ring.SetAnsiMode(true);
    // Columns:       0123456789012345678901234567890
    ring.AppendText("  foo_bar9-baz>qux  h\xE9llo  a.b\x81\n", kRed);
    struct Case {
        int column;
        bool run;
        std::string expected;
    } const cases[] = {
        {4, false, "foo_bar9"},
        {10, false, ""},
        {12, false, "baz"},
        {14, false, ""},
        {12, true, "foo_bar9-baz>qux"},
        {21, false, "h\xE9llo"},
        {1, false, ""},
        {1, true, ""},
        {29, true, "a.b"},  // the undefined byte after it ends the run
    };
    for (const Case& c : cases) {
        const Selection word = ring.WordAt(0, c.column, c.run);
        EXPECT_EQ(ring.SelectionText(word), c.expected) << c.column << (c.run ? " run" : "");
        if (c.expected.empty()) {
            EXPECT_TRUE(word.Empty());
        }
    }
}

TEST(TextRing, CopyText) {
    TextRing ring;
    ring.AppendText("first line   \nmiddle   \nlast line\n", kRed);
    struct Case {
        Selection selection;
        std::string expected;
    } const cases[] = {
        {{MakePosition(0, 6), MakePosition(2, 4)}, "line\r\nmiddle\r\nlast\r\n"},
        {{MakePosition(2, 4), MakePosition(0, 6)}, "line\r\nmiddle\r\nlast\r\n"},
        {{MakePosition(0, 0), MakePosition(0, 13)}, "first line"},  // one line: no line end
        {{MakePosition(0, 10), MakePosition(0, 13)}, ""},           // only blanks
        {{MakePosition(1, 0), MakePosition(2, 0)}, "middle\r\n\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ring.SelectionText(c.selection), c.expected);
    }
    // Select All: the never-written slots copy as empty lines before the text.
    std::string all;
    for (int i = 0; i < kRingLines - 4; ++i) {
        all += "\r\n";
    }
    EXPECT_EQ(ring.SelectionText(ring.WholeRing()),
              all + "first line\r\nmiddle\r\nlast line\r\n\r\n");
    // Across the wrap of the ring the ends are ordered by age.
    AppendLines(ring, 500);  // write line 3; slot 498 holds line 495
    const Selection wrapped{MakePosition(1, 2), MakePosition(498, 7)};
    EXPECT_EQ(ring.SelectedColumns(499, wrapped), (ColumnRange{0, 80}));
    EXPECT_TRUE(ring.SelectedColumns(2, wrapped).Empty());
    EXPECT_EQ(ring.SelectionText(wrapped), "5\r\nline 496\r\nline 497\r\nli\r\n");
}

}  // namespace
}  // namespace brxw
