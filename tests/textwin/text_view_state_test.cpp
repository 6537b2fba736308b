// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/text_view_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brxw {
namespace {

constexpr int kLineHeight = 10;
constexpr int kCharWidth = 8;

// A 10-row window of 10-pixel rows and 8-pixel columns over its own ring.
class ViewState : public ::testing::Test {
protected:
    ViewState() {
        view.SetMetrics(kLineHeight, kCharWidth);
        view.SetClientSize(640, 10 * kLineHeight);
    }
    void Append(const std::string& text) { view.AfterAppend(ring.AppendText(text, 0)); }
    void AppendLines(int count) {
        for (int i = 0; i < count; ++i) {
            Append("line " + std::to_string(i) + "\n");
        }
    }
    std::string RowText(int row) const {
        const std::string_view cells = ring.Line(view.SlotOfRow(row)).Cells();
        return std::string(cells.substr(0, TrimmedLength(cells)));
    }
    // The position of the middle of a cell on screen.
    int At(int row, int column) const {
        return view.PositionFromPoint(column * kCharWidth + 4, row * kLineHeight + 5);
    }

    TextRing ring;
    TextViewState view{ring};
};

TEST_F(ViewState, ScrolledBackViewStaysWhileTextArrives) {
    Append("abc\n");
    EXPECT_TRUE(view.Following());
    EXPECT_EQ(RowText(8), "abc");
    AppendLines(49);
    EXPECT_EQ(view.ScrollLines(-5), -5);
    const std::string top = RowText(0);
    AppendLines(20);
    EXPECT_EQ(RowText(0), top);
    EXPECT_EQ(view.Distance(), 25);
    EXPECT_EQ(view.ScrollBar(), (ScrollBarState{0, 70, 10, 71 - 10 - 25}));
    view.ScrollToThumb(0);
    EXPECT_EQ(RowText(0), "abc");
    view.ScrollLines(ring.LineCount());  // End
    EXPECT_TRUE(view.Following());
}

TEST_F(ViewState, ThreeLinesDoNotScroll) {
    AppendLines(3);
    EXPECT_EQ(view.ScrollLines(-view.PageLines()), 0);  // Page Up
    EXPECT_EQ(view.ScrollLines(-ring.LineCount()), 0);  // Home
    EXPECT_EQ(RowText(6), "line 0");
    EXPECT_EQ(RowText(8), "line 2");
    EXPECT_EQ(view.ScrollBar(), (ScrollBarState{0, 3, 10, 0}));
    view.ScrollToThumb(0);  // a thumb at the top must not push the text up
    EXPECT_TRUE(view.Following());
}

TEST_F(ViewState, OldestViewOfAFullRingIsPushedForward) {
    AppendLines(600);
    view.ScrollLines(-ring.LineCount());
    EXPECT_EQ(view.TopLine(), ring.OldestSlot());
    AppendLines(3);
    EXPECT_EQ(view.TopLine(), ring.OldestSlot());  // never shows a slot being reused
    EXPECT_FALSE(view.Following());
    // A taller window must not show the newest lines again above the oldest ones.
    view.SetClientSize(640, 30 * kLineHeight);
    EXPECT_EQ(view.TopLine(), ring.OldestSlot());
    view.SetClientSize(640, 10000 * kLineHeight);
    EXPECT_EQ(view.PageLines(), kRingLines);
    EXPECT_TRUE(view.Following());
}

TEST_F(ViewState, PositionFromPoint) {
    AppendLines(20);  // rows show slots 11..20
    struct Case {
        int x, y, slot, column;
    } const cases[] = {
        {1, 1, 11, 0},    {44, 95, 20, 5}, {-30, -30, 11, 0}, {5000, 35, 14, 79},
        {9, 11, 12, 1},   {4, 103, 21, 0},  // below the last row, first column: the next slot
        {60, 103, 20, 7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(view.PositionFromPoint(c.x, c.y), MakePosition(c.slot, c.column))
            << c.x << "," << c.y;
    }
    view.SetMetrics(0, 0);  // a broken font must not divide by zero
    view.SetClientSize(640, 0);
    EXPECT_EQ(view.PageLines(), 0);
    EXPECT_EQ(view.PositionFromPoint(50, 50), MakePosition(view.BottomLine(), 49));
}

TEST_F(ViewState, DragAndScrollKeepTheEndUnderThePointer) {
    AppendLines(50);
    const int anchor = At(2, 3);
    view.PressAt(anchor, false);
    view.DragTo(At(4, 6), true);
    view.ScrollLines(-3);
    EXPECT_EQ(view.CurrentSelection(), (Selection{anchor, At(4, 6)}));
    view.Release();
    view.DragTo(At(8, 8), true);  // no longer dragging
    EXPECT_EQ(view.CurrentSelection().end, At(4, 6));
}

TEST_F(ViewState, CopyOrdersTheEndsSoShiftExtendsFromTheOtherEnd) {
    AppendLines(20);
    view.PressAt(At(7, 4), false);
    view.DragTo(At(5, 2), true);
    view.Release();
    EXPECT_EQ(view.CopyText(), "ne 16\r\nline 17\r\nline\r\n");
    EXPECT_EQ(view.CurrentSelection(), (Selection{At(5, 2), At(7, 4)}));
    view.PressAt(At(8, 6), true);
    EXPECT_EQ(view.CurrentSelection(), (Selection{At(5, 2), At(8, 6)}));
}

TEST_F(ViewState, SelectionEndsLeaveAReusedSlot) {
    AppendLines(600);
    const int oldest = ring.OldestSlot();
    view.PressAt(MakePosition(oldest, 5), false);
    view.DragTo(MakePosition(oldest + 2, 3), true);
    view.Release();
    Append("x\n");
    EXPECT_EQ(view.CurrentSelection(),
              (Selection{MakePosition(oldest + 1, 0), MakePosition(oldest + 2, 3)}));
}

// Double-clicked words at both ends of a full line, here the ring's last slot so that the word's
// end wraps to slot 0: the word ending in column 79 copies and prints as the word alone, while a
// drag to the same place keeps its line end and the empty line after it.
TEST_F(ViewState, DoubleClickedWordsAtTheEdgesOfALine) {
    AppendLines(kRingLines - 1);
    Append("word_0 middle" + std::string(62, ' ') + "hello");  // 80 bytes: slot 499, ended
    Append("next\n");
    ASSERT_EQ(ring.WriteLine(), 1);
    const auto clickAt = [this](int row, int column) {
        view.SelectWordAt(column * kCharWidth + 4, row * kLineHeight + 5, false);
    };

    clickAt(7, 3);
    EXPECT_EQ(view.CurrentSelection(), (Selection{MakePosition(499, 0), MakePosition(499, 6)}));
    EXPECT_EQ(view.CopyText(), "word_0");

    clickAt(7, 79);
    EXPECT_EQ(ring.SelectedColumns(499, view.CurrentSelection()), (ColumnRange{75, 80}));
    EXPECT_TRUE(ring.SelectedColumns(0, view.CurrentSelection()).Empty());
    EXPECT_EQ(view.CopyText(), "hello");
    EXPECT_EQ(view.CopyText(), "hello");  // the ends are in order now; still the word alone
    EXPECT_EQ(view.PrintLines(), (std::vector<PrintLine>{{"hello", kPrintBlack}}));

    view.PressAt(MakePosition(499, 75), false);
    view.DragTo(MakePosition(0, 0), true);
    EXPECT_EQ(view.CopyText(), "hello\r\n\r\n");
    EXPECT_EQ(view.PrintLines().size(), 2u);
}

}  // namespace
}  // namespace brxw
