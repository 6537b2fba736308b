// SPDX-License-Identifier: GPL-3.0-or-later
// TextRing: the scrollback of one text window, a fixed ring of 500 lines of 80 columns that
// receives traffic as bytes in the ANSI (Windows) code page with a colour per piece. It also
// answers the questions that the selection commands ask of the stored text: word bounds, the
// cells a selection covers on a line, and the text a copy yields.
//
// Owned by the text window (CTextWnd) for its whole life; user-interface thread only. The ring
// never calls the view: the view keeps its own state (TextViewState) and asks the ring what
// changed (Revision, DirtySlots).
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace brxw {

// A colour in the 0x00BBGGRR layout the traffic table uses.
using Colour = std::uint32_t;

inline constexpr int kRingLines = 500;
inline constexpr int kLineColumns = 80;
// A fresh slot's start colour: near black; such a slot shows only blanks anyway.
inline constexpr Colour kFreshStartColour = 1;

// One slot of the ring. Text cells not yet written hold blanks, never zero bytes; a zero byte in
// the text is a received byte like any other.
struct TextLine {
    Colour startColour = kFreshStartColour;
    Colour secondColour = 0;
    // Column from which the line shows in the second colour; 0: the whole line in startColour.
    std::int32_t changeColumn = 0;
    std::array<char, kLineColumns + 1> text{};  // 80 cells and a terminating zero

    TextLine() { Reset(); }
    void Reset();
    void Blank();  // the 80 cells only; the colours stay
    std::string_view Cells() const { return {text.data(), kLineColumns}; }
    unsigned char Cell(int column) const { return static_cast<unsigned char>(text[column]); }
};

// The selection as two positions (slot × 80 + column). Empty when both are equal.
struct Selection {
    int anchor = 0;
    int end = 0;
    bool Empty() const { return anchor == end; }
    bool operator==(const Selection&) const = default;
};

constexpr int WrapSlot(int slot) {
    return ((slot % kRingLines) + kRingLines) % kRingLines;
}
// Column 80, the end of a line (where a word that reaches the last column ends), is column 0 of
// the next slot; after the last slot that is slot 0, so every position stays within the ring.
constexpr int MakePosition(int slot, int column) {
    return WrapSlot(slot + column / kLineColumns) * kLineColumns + column % kLineColumns;
}
constexpr int SlotOf(int position) {
    return position / kLineColumns;
}
constexpr int ColumnOf(int position) {
    return position % kLineColumns;
}

// The length of bytes up to and including the last byte that is not a blank.
std::size_t TrimmedLength(std::string_view bytes);

// Word rule of the double click: a letter or digit in the low seven bits, or the underscore.
bool IsWordByte(unsigned char byte);
// Run rule of the double click with Ctrl: a printable character of the Windows code page other than
// blanks (0x20, 0xA0); control bytes and the bytes the code page leaves undefined are not.
bool IsRunByte(unsigned char byte);

// What one AppendText call did, for the view to catch up with.
struct AppendResult {
    int firstSlot = 0;    // the write line when the call began
    int firstColumn = 0;  // the write column when the call began
    int linesEnded = 0;   // lines the call completed (by a line feed or a byte in column 79)
};

// Told of every line the ring completes, on the user-interface thread, while appending. It must
// not append to the ring it observes.
class LineObserver {
public:
    // The line's bytes as stored, from column 0 up to where it ended: before the line feed, or
    // all 80 columns when the line filled up.
    virtual void LineCompleted(std::string_view bytes) = 0;

protected:
    ~LineObserver() = default;
};

// Half-open range of selected columns on one slot; from == to when the slot has none.
struct ColumnRange {
    int from = 0;
    int to = 0;
    bool Empty() const { return from >= to; }
    bool operator==(const ColumnRange&) const = default;
};

class TextRing {
public:
    TextRing();

    // Stores bytes at the write position. A line feed is consumed and ends the line; every other
    // byte (carriage return and zero included) is stored, and a byte stored in column 79 ends the
    // line too. Outside ANSI mode each byte is converted from the OEM code page first.
    AppendResult AppendText(std::string_view bytes, Colour colour);

    // Switches the code page that incoming text is in and re-reads the stored text as if it had
    // arrived under the new setting. Returns false when the mode was already set.
    bool SetAnsiMode(bool ansi);
    bool AnsiMode() const { return m_ansiMode; }
    // Rewrites every stored byte through table: the text kept in one Windows code page, moved
    // to another when the connection profile changes it.
    void Recode(const std::array<unsigned char, 256>& table);

    bool Allocated() const { return m_lines != nullptr; }
    const TextLine& Line(int slot) const;
    int LineCount() const { return m_lineCount; }
    // Lines completed since the ring was made: they number the lines, so that two readings of
    // the text can tell how many lines left the top in between.
    long long LinesEnded() const { return m_linesEnded; }
    int WriteLine() const { return m_writeLine; }
    int WriteColumn() const { return m_writeColumn; }
    int OldestSlot() const { return WrapSlot(m_writeLine + 1); }
    // Age order: 0 for the oldest slot, 499 for the write line.
    int AgeOf(int slot) const { return WrapSlot(slot - m_writeLine - 1); }
    int SlotAtAge(int age) const { return WrapSlot(m_writeLine + 1 + age); }

    // The columns of slot that sel covers: the older end's slot from its column to the end of the
    // line, the newer end's slot from column 0 up to its column, every slot between them whole.
    ColumnRange SelectedColumns(int slot, const Selection& sel) const;
    // The word (or, with runOfPrintable, the run of printable characters) under slot/column; an
    // empty selection at that place when the byte there belongs to none.
    Selection WordAt(int slot, int column, bool runOfPrintable) const;
    // From column 0 of the oldest slot to column 79 of the write line.
    Selection WholeRing() const;
    // The copy text of sel. Within one slot: the selected bytes without trailing blanks, no line
    // end. Across slots: each slot's part without trailing blanks followed by CR LF. Empty when
    // there is nothing to copy.
    std::string SelectionText(const Selection& sel) const;

    // Change tracking for the view: the revision counts every change of stored text; the dirty
    // slots are those changed since the view last cleared them.
    std::uint64_t Revision() const { return m_revision; }
    const std::bitset<kRingLines>& DirtySlots() const { return m_dirty; }
    void ClearDirty() { m_dirty.reset(); }
    // Counts the changes of one slot's stored text, whoever cleared the dirty slots meanwhile:
    // what the view drew of a slot is still right while this number is the same.
    std::uint32_t Generation(int slot) const {
        return m_generation[static_cast<std::size_t>(WrapSlot(slot))];
    }

    // The observer told of completed lines; null (the default) for none. Not owned.
    void SetLineObserver(LineObserver* observer) { m_lineObserver = observer; }
    // The write line's bytes so far, up to the write column: the line not yet completed.
    std::string_view PartialLine() const {
        return {Line(m_writeLine).text.data(), static_cast<std::size_t>(m_writeColumn)};
    }

private:
    TextLine& MutableLine(int slot) { return m_lines[static_cast<std::size_t>(WrapSlot(slot))]; }
    void EndLine();
    void Touch(int slot) {
        m_dirty.set(static_cast<std::size_t>(slot));
        ++m_generation[static_cast<std::size_t>(slot)];
    }
    void TouchAll();

    std::unique_ptr<TextLine[]> m_lines;
    int m_lineCount = 1;
    long long m_linesEnded = 0;
    int m_writeLine = 0;
    int m_writeColumn = 0;
    bool m_ansiMode = false;
    LineObserver* m_lineObserver = nullptr;
    std::uint64_t m_revision = 0;
    std::bitset<kRingLines> m_dirty;
    std::array<std::uint32_t, kRingLines> m_generation{};
};

}  // namespace brxw
