// SPDX-License-Identifier: GPL-3.0-or-later
// TextViewState: what one text window shows of its TextRing and what the operator has selected:
// the bottom line (the slot in the bottom text row), the page lines that fit, the selection ends
// and the dragging flag, plus the arithmetic between pixels, rows, slots and positions. Following
// the output is not a flag of its own: the view follows while its bottom line is the write line.
// It also keeps how far the text is scrolled sideways in a window narrower than its widest line,
// and the review line: a line caret the keyboard moves through the scrollback for a screen reader.
//
// Owned by the text window (CTextWnd) next to the ring it reads; user-interface thread only. It
// holds no pixels and draws nothing, so every rule here is testable without a window.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "textwin/print_layout.h"
#include "textwin/ring_search.h"
#include "textwin/text_ring.h"

namespace brxw {

// The vertical scroll bar in the platform's terms: range minimum..maximum of lines, the page,
// and the position of the page's first line.
struct ScrollBarState {
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int position = 0;
    bool operator==(const ScrollBarState&) const = default;
};

class TextViewState {
public:
    // Rows assumed before the window has told its size.
    static constexpr int kInitialPageLines = 10;
    // Left margin of every text row, in pixels.
    static constexpr int kLeftMargin = 2;

    explicit TextViewState(const TextRing& ring) : m_ring(ring) {}

    // Metrics of the font in pixels (values below 1 count as 1) and the client size; once the
    // size is known both recompute the page lines (0 when the window is lower than one line, at
    // most 500).
    void SetMetrics(int lineHeight, int charWidth);
    void SetClientSize(int width, int height);
    // The same for a bar that opened or closed under the text: a shorter page loses its bottom
    // rows and the top row keeps its line, unless the view follows the output.
    void SetClientSizeKeepingTop(int width, int height);
    int LineHeight() const { return m_lineHeight; }
    int CharWidth() const { return m_charWidth; }
    int PageLines() const { return m_pageLines; }
    int ClientWidth() const { return m_clientWidth; }
    int ClientHeight() const { return m_clientHeight; }

    // The columns of the widest stored line (the window counts them), the width they need with
    // the margin, and how far the text may be scrolled sideways: 0 while the window shows them.
    void SetTextColumns(int columns) {
        m_textColumns = std::clamp(columns, 0, kLineColumns);
        SetScrollX(m_scrollX);
    }
    int TextColumns() const { return m_textColumns; }
    int TextWidth() const { return kLeftMargin + m_textColumns * m_charWidth; }
    int MaxScrollX() const { return std::max(0, TextWidth() - m_clientWidth); }
    // Pixels of text scrolled out at the left; points map to positions with it.
    int ScrollX() const { return m_scrollX; }
    void SetScrollX(int x) { m_scrollX = std::clamp(x, 0, MaxScrollX()); }

    int BottomLine() const { return m_bottomLine; }
    int TopLine() const { return WrapSlot(m_bottomLine - m_pageLines + 1); }
    // Lines stored below the bottom row.
    int Distance() const { return WrapSlot(m_ring.WriteLine() - m_bottomLine); }
    bool Following() const { return m_bottomLine == m_ring.WriteLine(); }
    int SlotOfRow(int row) const { return WrapSlot(TopLine() + row); }
    // The row that shows slot, or -1 when it is not in the window.
    int RowOfSlot(int slot) const;

    // Moves the view n lines towards newer (n > 0) or older lines, never below the write line and
    // never above the oldest stored line. During a drag the selection end moves along, so it stays
    // under the pointer. Returns the lines moved.
    int ScrollLines(int n);
    // The scroll bar's thumb was moved to position.
    void ScrollToThumb(int position);
    ScrollBarState ScrollBar() const;

    // Catches up with an append: for every line it ended, follow the output when the view showed
    // the newest line (or the oldest lines of a full ring, whose top row is about to be reused),
    // and move a selection end off the slot that is being reused.
    void AfterAppend(const AppendResult& appended);

    // The position under a client point.
    int PositionFromPoint(int x, int y) const;

    const Selection& CurrentSelection() const { return m_selection; }
    bool Dragging() const { return m_dragging; }
    bool SelectionShown() const { return m_selectionShown; }
    void SetSelectionShown(bool shown) { m_selectionShown = shown; }
    void ClearSelection();

    // Left button down at position; with shift the selection end moves there.
    void PressAt(int position, bool shift);
    // Pointer moved to position; buttonHeld tells whether the left button is still down.
    void DragTo(int position, bool buttonHeld);
    void Release() { m_dragging = false; }
    // Double click at a client point: selects the word (or with wholeRun the run of printable
    // characters) under it.
    void SelectWordAt(int x, int y, bool wholeRun);
    void SelectAll();
    // Selects columns from..to of slot (a match of the find bar); one that reaches the last
    // column copies and prints as the match alone.
    void SelectColumns(int slot, int from, int to);
    // Where the search for the next (forward) or previous match starts: the older end of the
    // selection, or without one the top row (forward) or the end of the bottom row.
    FindOrigin SearchOrigin(bool forward) const;
    // Scrolls so that slot is in the window, about in its middle when it was not. Returns the
    // lines moved.
    int ScrollIntoView(int slot);
    // Scrolls as little as it takes to bring slot into the window.
    int ScrollToShow(int slot);
    // Sets both ends of the selection (a screen reader choosing text).
    void SetSelection(const Selection& selection);

    // The review line: -1 while there is none. It stays between the oldest stored line and the
    // newest one with text (the write line once it has some). Starting puts it on the bottom
    // row's line; moving it goes n lines towards newer (n > 0) or older lines and scrolls it into
    // the window. A review line whose slot is reused moves to the oldest line left, as selection
    // ends do.
    bool Reviewing() const { return m_reviewSlot >= 0; }
    int ReviewSlot() const { return m_reviewSlot; }
    void StartReview();
    void StopReview() { m_reviewSlot = -1; }
    // Returns whether the line changed.
    bool MoveReview(int n);
    // Puts the review line on slot (a stored line) and scrolls it into the window.
    void ReviewSlotAt(int slot);

    // Puts the ends in numeric order in place, as copy and print do, and returns the selection.
    const Selection& OrderSelection();
    // The copy text of the selection (ordering it first); empty when the clipboard is to be left
    // as it is.
    std::string CopyText();
    // The same text, leaving the selection's ends as they are.
    std::string SelectedText() const;
    // The lines printing the selection puts on paper (ordering it first).
    std::vector<PrintLine> PrintLines();

private:
    void UpdatePageLines();
    void KeepOldestOnTop();
    int ScrollWithin(int n, int writeLine);
    // The rows the scrolling counts: a window lower than one line still shows its bottom line, and
    // counting it as a row keeps that line within the stored ones (a full ring would otherwise
    // wrap to the newest).
    int ShownRows() const { return std::max(1, m_pageLines); }
    void MoveEnd(int position);
    // The selection is the double-clicked word that ends with its line.
    bool IsLineEndWord() const;
    // That word: its line from the word's first column on.
    std::string LineEndWordText() const;

    const TextRing& m_ring;
    int m_lineHeight = 1;
    int m_charWidth = 1;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
    bool m_sizeKnown = false;
    int m_pageLines = kInitialPageLines;
    int m_bottomLine = 0;
    Selection m_selection;
    // A word that reaches the last column ends at column 0 of the next slot, the only way a
    // position can say "end of line"; while the selection is still that word, it copies and
    // prints as the word alone rather than as a line and an empty one. Empty when there is none.
    Selection m_lineEndWord;
    bool m_dragging = false;
    bool m_selectionShown = false;
    int m_scrollX = 0;
    int m_textColumns = 0;
    int m_reviewSlot = -1;
};

}  // namespace brxw
