// SPDX-License-Identifier: GPL-3.0-or-later
// RingText: the scrollback of a TextRing as one plain text, the way a screen reader reads it:
// every stored line from the oldest, in the characters the window shows (the code page decoded,
// control bytes as blanks), without trailing blanks, each completed line ended by "\n" and the
// write line's text so far last (it has no "\n" yet). Offsets into that text map to ring
// positions and back, a line of the text being a slot of the ring.
//
// A text window reads one to answer assistive technology and keeps another as what it last told
// a listener; TextChanges says what changed between two readings. User-interface thread only.
#pragma once

#include <QString>
#include <vector>

#include "textwin/text_ring.h"

namespace brxw {

class RingText {
public:
    // Reads ring as it is now.
    void Read(const TextRing& ring);

    const QString& Text() const { return m_text; }
    int Length() const { return static_cast<int>(m_text.size()); }
    // Lines in the text: the stored lines, the write line included; at least 1.
    int LineCount() const { return static_cast<int>(m_starts.size()); }
    // Where a line begins; LineStart(LineCount()) is the length.
    int LineStart(int line) const;
    // Where its text ends, before its "\n".
    int LineEnd(int line) const;
    // The line holding offset, its "\n" included; offsets outside the text are clamped.
    int LineOf(int offset) const;
    // The number of the oldest line: lines the ring had completed before it.
    long long FirstLineNumber() const { return m_firstLine; }

    // The ring's slot for a line of the text, and the line of a slot (-1 for a slot that holds
    // no stored line). The ring must be the one read, unchanged since.
    int SlotOfLine(const TextRing& ring, int line) const;
    int LineOfSlot(const TextRing& ring, int slot) const;
    // A ring position (slot × 80 + column) as an offset: a column past the line's text is its end.
    int OffsetOfPosition(const TextRing& ring, int position) const;
    int PositionOfOffset(const TextRing& ring, int offset) const;

private:
    QString m_text;
    std::vector<int> m_starts{0};
    long long m_firstLine = 0;
};

// One step of a change: text removed at or inserted at an offset of the text as it is when the
// step is taken.
struct TextEdit {
    bool inserted = false;
    int offset = 0;
    QString text;
};

// The steps, in order, that turn before into after: the lines that left the top removed, then
// the tail from where the rest differs removed and the new tail inserted. A flood of new lines is
// so at most one removal at 0 and one insertion at the end, whatever its size.
std::vector<TextEdit> TextChanges(const RingText& before, const RingText& after);

}  // namespace brxw
