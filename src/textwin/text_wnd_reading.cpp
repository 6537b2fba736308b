// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of CTextWnd that serve screen readers: the review line and its keys, the text as it
// is read, and what a listening assistive technology is told of changes.
#include <QAccessible>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "textwin/find_bar.h"
#include "textwin/text_wnd.h"
#include "textwin/text_wnd_accessible.h"

namespace brxw {

const RingText& CTextWnd::ReadText() const {
    if (m_readRevision != m_ring.Revision()) {
        m_readText.Read(m_ring);
        m_readRevision = m_ring.Revision();
    }
    return m_readText;
}

int CTextWnd::CaretOffset() const {
    const RingText& text = ReadText();
    if (!m_view.Reviewing()) {
        return text.Length();
    }
    return text.LineStart(std::max(0, text.LineOfSlot(m_ring, m_view.ReviewSlot())));
}

void CTextWnd::SetCaretOffset(int offset) {
    const RingText& text = ReadText();
    const int before = m_view.ReviewSlot();
    m_view.ReviewSlotAt(text.SlotOfLine(m_ring, text.LineOf(offset)));
    ReviewChanged(before);
}

void CTextWnd::StartReview() {
    const int before = m_view.ReviewSlot();
    m_view.StartReview();
    ReviewChanged(before);
}

void CTextWnd::StopReview() {
    const int before = m_view.ReviewSlot();
    m_view.StopReview();
    ReviewChanged(before);
}

bool CTextWnd::ReviewKey(const QKeyEvent* event) {
    const int key = event->key();
    if (key == kReviewKey && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (m_view.Reviewing()) {
            StopReview();
        } else {
            StartReview();
        }
        return true;
    }
    if (!m_view.Reviewing()) {
        return false;
    }
    const int before = m_view.ReviewSlot();
    const int page = std::max(1, m_view.PageLines());
    switch (key) {
        case Qt::Key_Up:
            m_view.MoveReview(-1);
            break;
        case Qt::Key_Down:
            m_view.MoveReview(1);
            break;
        case Qt::Key_PageUp:
            m_view.MoveReview(-page);
            break;
        case Qt::Key_PageDown:
            m_view.MoveReview(page);
            break;
        case Qt::Key_Home:
            m_view.MoveReview(-kRingLines);
            break;
        case Qt::Key_End:
            m_view.MoveReview(kRingLines);
            break;
        case Qt::Key_Escape:
            // An open find bar closes first, as outside review.
            if (!m_findBar->isHidden()) {
                return false;
            }
            m_view.StopReview();
            break;
        default:
            return false;
    }
    ReviewChanged(before);
    return true;
}

void CTextWnd::ReviewChanged(int slotBefore) {
    const int slot = m_view.ReviewSlot();
    if (slotBefore >= 0) {
        m_dirty.set(static_cast<std::size_t>(slotBefore));
    }
    if (slot >= 0) {
        m_dirty.set(static_cast<std::size_t>(slot));
    }
    NoteViewMoved();
    ScheduleFlush();
    // Told even when the line stayed (at the oldest or newest line), so the line is read again.
    if (AccessibilityListening()) {
        QAccessibleTextCursorEvent moved(this, CaretOffset());
        NotifyAccessibility(moved);
    }
}

std::pair<int, int> CTextWnd::SelectionOffsets() const {
    const Selection& selection = m_view.CurrentSelection();
    if (selection.Empty()) {
        return {0, 0};
    }
    const RingText& text = ReadText();
    const int a = text.OffsetOfPosition(m_ring, selection.anchor);
    const int b = text.OffsetOfPosition(m_ring, selection.end);
    return {std::min(a, b), std::max(a, b)};
}

void CTextWnd::SelectOffsets(int start, int end) {
    const RingText& text = ReadText();
    const Selection before = m_view.CurrentSelection();
    if (start > end) {
        std::swap(start, end);
    }
    m_view.SetSelection({text.PositionOfOffset(m_ring, start), text.PositionOfOffset(m_ring, end)});
    MarkSelectionChange(before, m_view.SelectionShown());
}

QRect CTextWnd::CellRect(int position) const {
    const int row = m_view.RowOfSlot(SlotOf(position));
    if (row < 0) {
        return {};
    }
    const int charWidth = m_view.CharWidth();
    return {TextViewState::kLeftMargin + ColumnOf(position) * charWidth - m_view.ScrollX(),
            row * m_view.LineHeight(), charWidth, m_view.LineHeight()};
}

int CTextWnd::OffsetAtPoint(const QPoint& point) const {
    if (!viewport()->rect().contains(point)) {
        return -1;
    }
    const int row = point.y() / m_view.LineHeight();
    if (row >= m_view.PageLines()) {
        return -1;
    }
    const RingText& text = ReadText();
    const int slot = m_view.SlotOfRow(row);
    if (text.LineOfSlot(m_ring, slot) < 0) {
        return -1;
    }
    const int x = point.x() + m_view.ScrollX() - TextViewState::kLeftMargin;
    const int column = std::clamp(x / m_view.CharWidth(), 0, kLineColumns - 1);
    return text.OffsetOfPosition(m_ring, MakePosition(slot, column));
}

void CTextWnd::ShowOffset(int offset) {
    const RingText& text = ReadText();
    const int position = text.PositionOfOffset(m_ring, offset);
    m_view.ScrollIntoView(SlotOf(position));
    ShowColumns(ColumnOf(position), ColumnOf(position) + 1);
    NoteViewMoved();
    ScheduleFlush();
}

void CTextWnd::accessibilityActiveChanged(bool active) {
    if (!active) {
        m_told.reset();
        m_tellTimer.stop();
        return;
    }
    if (!m_told) {
        // What came before the listener is not news to it: it reads the text as it finds it.
        m_told = std::make_unique<RingText>(ReadText());
        m_toldRevision = m_ring.Revision();
    }
}

void CTextWnd::ScheduleTell() {
    // A hidden window keeps its news until it is shown; the listener cannot be reading it.
    if (m_tellTimer.isActive() || !isVisible()) {
        return;
    }
    const qint64 since = m_lastTold.isValid() ? m_lastTold.elapsed() : kTellIntervalMs;
    m_tellTimer.start(
        static_cast<int>(std::clamp<qint64>(kTellIntervalMs - since, 0, kTellIntervalMs)));
}

void CTextWnd::TellListener() {
    if (!m_told || !AccessibilityListening()) {
        return;
    }
    m_lastTold.start();
    const RingText& now = ReadText();
    const std::vector<TextEdit> edits = TextChanges(*m_told, now);
    *m_told = now;
    m_toldRevision = m_ring.Revision();
    for (const TextEdit& edit : edits) {
        if (edit.inserted) {
            QAccessibleTextInsertEvent inserted(this, edit.offset, edit.text);
            NotifyAccessibility(inserted);
        } else {
            QAccessibleTextRemoveEvent removed(this, edit.offset, edit.text);
            NotifyAccessibility(removed);
        }
    }
}

}  // namespace brxw
