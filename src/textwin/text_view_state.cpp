// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/text_view_state.h"

#include <algorithm>
#include <string_view>

namespace brxw {

void TextViewState::SetMetrics(int lineHeight, int charWidth) {
    m_lineHeight = std::max(1, lineHeight);
    m_charWidth = std::max(1, charWidth);
    UpdatePageLines();
    SetScrollX(m_scrollX);
}

void TextViewState::SetClientSize(int width, int height) {
    m_clientWidth = std::max(0, width);
    m_clientHeight = std::max(0, height);
    m_sizeKnown = true;
    UpdatePageLines();
    SetScrollX(m_scrollX);
}

void TextViewState::SetClientSizeKeepingTop(int width, int height) {
    const int top = TopLine();
    const int rows = ShownRows();
    const bool following = Following();
    SetClientSize(width, height);
    const int bottom = WrapSlot(top + ShownRows() - 1);
    // Never onto a slot that holds no stored line (a window made taller shows some above them).
    if (!following && ShownRows() < rows &&
        m_ring.AgeOf(bottom) >= kRingLines - m_ring.LineCount()) {
        m_bottomLine = bottom;
    }
}

void TextViewState::UpdatePageLines() {
    if (!m_sizeKnown) {
        return;
    }
    // Taller windows than the ring show each slot once; the rest stays white.
    m_pageLines = std::min(m_clientHeight / m_lineHeight, kRingLines);
    KeepOldestOnTop();
}

// Once the rows above the bottom line would reach past the oldest slot they would show the
// newest lines again above the oldest ones; the view moves forward instead (only a resize can get
// there, the scrolling rules never do).
void TextViewState::KeepOldestOnTop() {
    const int excess = m_pageLines + Distance() - kRingLines;
    if (excess > 0) {
        m_bottomLine = WrapSlot(m_bottomLine + excess);
    }
}

int TextViewState::RowOfSlot(int slot) const {
    const int row = WrapSlot(slot - TopLine());
    return row < m_pageLines ? row : -1;
}

int TextViewState::ScrollLines(int n) {
    return ScrollWithin(n, m_ring.WriteLine());
}

int TextViewState::ScrollWithin(int n, int writeLine) {
    const int distance = WrapSlot(writeLine - m_bottomLine);
    if (n > 0) {
        n = std::min(n, distance);
    } else if (n < 0) {
        const int above = std::max(0, m_ring.LineCount() - ShownRows() - distance);
        n = std::max(n, -above);
    }
    if (n != 0) {
        if (m_dragging) {
            MoveEnd(MakePosition(SlotOf(m_selection.end) + n, ColumnOf(m_selection.end)));
        }
        m_bottomLine = WrapSlot(m_bottomLine + n);
    }
    return n;
}

void TextViewState::ScrollToThumb(int position) {
    const int lineCount = m_ring.LineCount();
    position = std::clamp(position, 0, std::max(0, lineCount - m_pageLines));
    // Position p shows lineCount - page - p lines below the bottom row; while everything fits the
    // view simply follows.
    const int rows = ShownRows();
    const int distance = std::clamp(lineCount - rows - position, 0, kRingLines - rows);
    m_bottomLine = WrapSlot(m_ring.WriteLine() - distance);
}

ScrollBarState TextViewState::ScrollBar() const {
    const int lineCount = m_ring.LineCount();
    return {0, lineCount - 1, m_pageLines, std::max(0, lineCount - m_pageLines - Distance())};
}

void TextViewState::AfterAppend(const AppendResult& appended) {
    int written = appended.firstSlot;
    for (int i = 0; i < appended.linesEnded; ++i) {
        const bool follow =
            written == m_bottomLine || written == WrapSlot(m_bottomLine - m_pageLines);
        written = WrapSlot(written + 1);
        const int reused = written;
        for (int* end : {&m_selection.anchor, &m_selection.end}) {
            if (SlotOf(*end) == reused) {
                *end = MakePosition(reused + 1, 0);
            }
        }
        if (m_reviewSlot == reused) {
            m_reviewSlot = WrapSlot(reused + 1);
        }
        if (follow) {
            ScrollWithin(1, written);
        }
    }
}

int TextViewState::PositionFromPoint(int x, int y) const {
    const int column = std::clamp((x + m_scrollX - 1) / m_charWidth, 0, kLineColumns - 1);
    int row = std::max(0, (y - 1) / m_lineHeight);
    if (row >= m_pageLines) {
        // Below the last whole row: the first column reaches to the end of the bottom line.
        row = column == 0 ? m_pageLines : m_pageLines - 1;
    }
    return MakePosition(row + m_bottomLine - m_pageLines + 1, column);
}

void TextViewState::MoveEnd(int position) {
    m_selection.end = position;
    m_lineEndWord = {};
}

void TextViewState::ClearSelection() {
    m_selection = {};
    m_lineEndWord = {};
}

void TextViewState::SelectAll() {
    m_selection = m_ring.WholeRing();
    m_lineEndWord = {};
}

void TextViewState::SelectColumns(int slot, int from, int to) {
    from = std::clamp(from, 0, kLineColumns - 1);
    to = std::clamp(to, from, kLineColumns);
    m_selection = {MakePosition(slot, from), MakePosition(slot, to)};
    m_lineEndWord = to == kLineColumns ? m_selection : Selection{};
    m_dragging = false;
}

FindOrigin TextViewState::SearchOrigin(bool forward) const {
    if (m_selection.Empty()) {
        return forward ? FindOrigin{m_ring.AgeOf(WrapSlot(m_bottomLine - ShownRows() + 1)), -1}
                       : FindOrigin{m_ring.AgeOf(m_bottomLine), kLineColumns};
    }
    const auto origin = [this](int position) {
        return FindOrigin{m_ring.AgeOf(SlotOf(position)), ColumnOf(position)};
    };
    const FindOrigin a = origin(m_selection.anchor);
    const FindOrigin b = origin(m_selection.end);
    return (a.age < b.age || (a.age == b.age && a.column < b.column)) ? a : b;
}

int TextViewState::ScrollIntoView(int slot) {
    if (RowOfSlot(slot) >= 0) {
        return 0;
    }
    const int wantedBottom = m_ring.AgeOf(slot) + (ShownRows() - 1) / 2;
    return ScrollLines(wantedBottom - m_ring.AgeOf(m_bottomLine));
}

int TextViewState::ScrollToShow(int slot) {
    const int age = m_ring.AgeOf(slot);
    const int bottomAge = m_ring.AgeOf(m_bottomLine);
    const int topAge = bottomAge - ShownRows() + 1;
    if (age < topAge) {
        return ScrollLines(age - topAge);
    }
    return age > bottomAge ? ScrollLines(age - bottomAge) : 0;
}

void TextViewState::SetSelection(const Selection& selection) {
    m_selection = selection;
    m_lineEndWord = {};
    m_dragging = false;
}

void TextViewState::StartReview() {
    ReviewSlotAt(m_bottomLine);
}

bool TextViewState::MoveReview(int n) {
    if (!Reviewing()) {
        return false;
    }
    const int before = m_reviewSlot;
    ReviewSlotAt(m_ring.SlotAtAge(std::clamp(m_ring.AgeOf(m_reviewSlot) + n, 0, kRingLines - 1)));
    return m_reviewSlot != before;
}

void TextViewState::ReviewSlotAt(int slot) {
    // Between the oldest stored line and the newest with text: the write line while it is empty
    // holds nothing to read.
    const int oldest = kRingLines - m_ring.LineCount();
    const bool writeLineEmpty = m_ring.WriteColumn() == 0 && m_ring.LineCount() > 1;
    const int newest = kRingLines - 1 - (writeLineEmpty ? 1 : 0);
    m_reviewSlot = m_ring.SlotAtAge(std::clamp(m_ring.AgeOf(slot), oldest, newest));
    ScrollToShow(m_reviewSlot);
}

void TextViewState::PressAt(int position, bool shift) {
    if (shift) {
        if (position == m_selection.end) {
            return;
        }
        MoveEnd(position);
    } else {
        m_selection = {position, position};
        m_lineEndWord = {};
    }
    m_dragging = true;
}

void TextViewState::DragTo(int position, bool buttonHeld) {
    if (!buttonHeld) {
        m_dragging = false;
        return;
    }
    if (m_dragging && position != m_selection.end) {
        MoveEnd(position);
    }
}

void TextViewState::SelectWordAt(int x, int y, bool wholeRun) {
    const int position = PositionFromPoint(x, y);
    m_selection = m_ring.WordAt(SlotOf(position), ColumnOf(position), wholeRun);
    const bool endsLine = SlotOf(m_selection.anchor) != SlotOf(m_selection.end);
    m_lineEndWord = endsLine ? m_selection : Selection{};
    if (!m_selection.Empty()) {
        m_dragging = true;
    }
}

const Selection& TextViewState::OrderSelection() {
    if (m_selection.end < m_selection.anchor) {
        std::swap(m_selection.anchor, m_selection.end);
    }
    return m_selection;
}

bool TextViewState::IsLineEndWord() const {
    return !m_lineEndWord.Empty() &&
           (m_selection == m_lineEndWord ||
            m_selection == Selection{m_lineEndWord.end, m_lineEndWord.anchor});
}

std::string TextViewState::CopyText() {
    OrderSelection();
    return SelectedText();
}

std::string TextViewState::SelectedText() const {
    if (m_selection.Empty()) {
        return {};
    }
    // The ring reads a selection in age order whichever end comes first.
    return IsLineEndWord() ? LineEndWordText() : m_ring.SelectionText(m_selection);
}

std::vector<PrintLine> TextViewState::PrintLines() {
    if (m_selection.Empty()) {
        return {};
    }
    OrderSelection();
    if (IsLineEndWord()) {
        return {PrintLine{LineEndWordText(), kPrintBlack}};
    }
    return SelectionPrintLines(m_ring, m_selection);
}

std::string TextViewState::LineEndWordText() const {
    const int anchor = m_lineEndWord.anchor;
    const std::string_view tail =
        m_ring.Line(SlotOf(anchor)).Cells().substr(static_cast<std::size_t>(ColumnOf(anchor)));
    return std::string(tail.substr(0, TrimmedLength(tail)));
}

}  // namespace brxw
