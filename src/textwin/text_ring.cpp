// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/text_ring.h"

#include <algorithm>
#include <cstring>
#include <new>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "text/charset.h"

namespace brxw {

namespace {

constexpr char kBlank = ' ';
constexpr char kLineFeed = '\n';

struct CopiedPart {
    std::size_t count = 0;  // bytes copied, before the line feed if there is one
    bool feed = false;      // a line feed ended them
    bool high = false;      // one of them may be above 127 (never false when one is)
};

// Copies from[0..take) to `to` up to the first line feed. Sixteen bytes at a time where the
// processor has the instructions for it: each block is compared with the line feed, checked
// for bytes above 127 and stored at once, so the bytes are read only once.
CopiedPart CopyUpToFeed(char* to, const char* from, std::size_t take, bool checkHigh) {
    CopiedPart part;
#if defined(__SSE2__)
    if (checkHigh && take >= 16) {
        const __m128i lineFeed = _mm_set1_epi8(kLineFeed);
        __m128i seen = _mm_setzero_si128();
        std::size_t at = 0;
        for (;;) {
            // The last block overlaps the one before it rather than reading past take.
            const bool last = at + 16 >= take;
            const std::size_t start = last ? take - 16 : at;
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + start));
            // Line feeds before `at` were looked at already (there were none).
            const int feeds = _mm_movemask_epi8(_mm_cmpeq_epi8(block, lineFeed)) &
                              (0xFFFF << static_cast<int>(at - start));
            seen = _mm_or_si128(seen, block);
            if (feeds != 0) {
                const std::size_t end =
                    start + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(feeds)));
                std::memcpy(to + at, from + at, end - at);
                part.count = end;
                part.feed = true;
                break;
            }
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + start), block);
            if (last) {
                part.count = take;
                break;
            }
            at += 16;
        }
        part.high = _mm_movemask_epi8(seen) != 0;
        return part;
    }
#endif
    const void* feed = std::memchr(from, kLineFeed, take);
    part.count = feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - from) : take;
    part.feed = feed != nullptr;
    std::memcpy(to, from, part.count);
    part.high = true;  // let the code-page step look
    return part;
}

const TextLine& BlankLine() {
    static const TextLine blank;
    return blank;
}

}  // namespace

void TextLine::Reset() {
    startColour = kFreshStartColour;
    secondColour = 0;
    changeColumn = 0;
    Blank();
}

void TextLine::Blank() {
    std::fill_n(text.begin(), kLineColumns, kBlank);
    text[kLineColumns] = '\0';
}

std::size_t TrimmedLength(std::string_view bytes) {
    const std::size_t last = bytes.find_last_not_of(kBlank);
    return last == std::string_view::npos ? 0 : last + 1;
}

bool IsWordByte(unsigned char byte) {
    const unsigned char low = byte & 0x7F;
    const unsigned char lower = low | 0x20;
    return (low >= '0' && low <= '9') || (lower >= 'a' && lower <= 'z') || byte == '_';
}

bool IsRunByte(unsigned char byte) {
    if (byte < 0x80) {
        return byte > 0x20 && byte < 0x7F;
    }
    if (byte == 0xA0) {
        return false;
    }
    // Bytes the code page leaves undefined (in 1252: 0x81, 0x8D, 0x8F, 0x90, 0x9D) map to
    // themselves.
    return byte >= 0xA0 || AnsiToUnicode(byte) != byte;
}

TextRing::TextRing() : m_lines(new (std::nothrow) TextLine[kRingLines]) {}

const TextLine& TextRing::Line(int slot) const {
    if (!m_lines) {
        return BlankLine();
    }
    return m_lines[static_cast<std::size_t>(WrapSlot(slot))];
}

AppendResult TextRing::AppendText(std::string_view bytes, Colour colour) {
    AppendResult result{m_writeLine, m_writeColumn, 0};
    if (!m_lines || bytes.empty()) {
        return result;
    }
    ++m_revision;
    std::size_t next = 0;
    while (next < bytes.size()) {
        // The write line is always a valid slot, and blank while its column is 0: EndLine blanks
        // the slot it moves to, and a code-page switch leaves blanks blank.
        TextLine& line = m_lines[static_cast<std::size_t>(m_writeLine)];
        if (m_writeColumn == 0) {
            line.startColour = colour;
            line.changeColumn = 0;
        } else if (colour != line.startColour) {
            line.secondColour = colour;
            line.changeColumn = m_writeColumn;
        }
        Touch(m_writeLine);

        // The bytes that fit on this line up to a line feed are copied in one pass that also
        // finds the line feed and whether a byte is above 127; outside ANSI mode only then do
        // the bytes need the code-page table, the others are the same in both.
        const std::size_t room = static_cast<std::size_t>(kLineColumns - m_writeColumn);
        const std::size_t take = std::min(room, bytes.size() - next);
        const char* from = bytes.data() + next;
        char* to = line.text.data() + m_writeColumn;
        const CopiedPart copied = CopyUpToFeed(to, from, take, !m_ansiMode);
        const std::size_t count = copied.count;
        const bool feed = copied.feed;
        if (!m_ansiMode && copied.high) {
            OemToAnsiInPlace(to, count);
        }
        next += count + (feed ? 1 : 0);
        m_writeColumn += static_cast<int>(count);
        const bool ended = feed || m_writeColumn == kLineColumns;
        if (ended) {
            if (m_lineObserver != nullptr) {
                m_lineObserver->LineCompleted(
                    {line.text.data(), static_cast<std::size_t>(m_writeColumn)});
            }
            EndLine();
            ++result.linesEnded;
        }
    }
    return result;
}

void TextRing::EndLine() {
    m_writeColumn = 0;
    m_lineCount = std::min(m_lineCount + 1, kRingLines);
    ++m_linesEnded;
    m_writeLine = WrapSlot(m_writeLine + 1);
    MutableLine(m_writeLine).Blank();
    Touch(m_writeLine);
}

void TextRing::TouchAll() {
    m_dirty.set();
    for (std::uint32_t& generation : m_generation) {
        ++generation;
    }
}

bool TextRing::SetAnsiMode(bool ansi) {
    if (ansi == m_ansiMode) {
        return false;
    }
    m_ansiMode = ansi;
    if (!m_lines) {
        return true;
    }
    // Stored text is always ANSI. Text kept while OEM mode was on went through OEM-to-ANSI on
    // arrival, so taking it as ANSI now undoes that step; text kept in ANSI mode arrived as it
    // is, so taking it as OEM now applies the step it missed. Switching back and forth therefore
    // keeps every character both code pages have.
    for (int slot = 0; slot < kRingLines; ++slot) {
        TextLine& line = MutableLine(slot);
        for (int column = 0; column < kLineColumns; ++column) {
            const unsigned char cell = line.Cell(column);
            line.text[static_cast<std::size_t>(column)] =
                static_cast<char>(ansi ? AnsiToOem(cell) : OemToAnsi(cell));
        }
    }
    ++m_revision;
    TouchAll();
    return true;
}

void TextRing::Recode(const std::array<unsigned char, 256>& table) {
    if (!m_lines) {
        return;
    }
    for (int slot = 0; slot < kRingLines; ++slot) {
        TextLine& line = MutableLine(slot);
        for (char& cell : line.text) {
            cell = static_cast<char>(table[static_cast<unsigned char>(cell)]);
        }
    }
    ++m_revision;
    TouchAll();
}

ColumnRange TextRing::SelectedColumns(int slot, const Selection& sel) const {
    if (sel.Empty()) {
        return {};
    }
    slot = WrapSlot(slot);
    const int anchorSlot = SlotOf(sel.anchor);
    const int endSlot = SlotOf(sel.end);
    if (anchorSlot == endSlot) {
        if (slot != anchorSlot) {
            return {};
        }
        const int a = ColumnOf(sel.anchor);
        const int b = ColumnOf(sel.end);
        return {std::min(a, b), std::max(a, b)};
    }
    const bool anchorFirst = AgeOf(anchorSlot) < AgeOf(endSlot);
    const int first = anchorFirst ? sel.anchor : sel.end;
    const int last = anchorFirst ? sel.end : sel.anchor;
    if (slot == SlotOf(first)) {
        return {ColumnOf(first), kLineColumns};
    }
    if (slot == SlotOf(last)) {
        return {0, ColumnOf(last)};
    }
    const int age = AgeOf(slot);
    if (age > AgeOf(SlotOf(first)) && age < AgeOf(SlotOf(last))) {
        return {0, kLineColumns};
    }
    return {};
}

Selection TextRing::WordAt(int slot, int column, bool runOfPrintable) const {
    slot = WrapSlot(slot);
    column = std::clamp(column, 0, kLineColumns - 1);
    const int here = MakePosition(slot, column);
    const TextLine& line = Line(slot);
    const auto inClass = [&](int c) {
        return runOfPrintable ? IsRunByte(line.Cell(c)) : IsWordByte(line.Cell(c));
    };
    if (!m_lines || !inClass(column)) {
        return {here, here};
    }
    int start = column;
    while (start > 0 && inClass(start - 1)) {
        --start;
    }
    int finish = column + 1;
    while (finish < kLineColumns && inClass(finish)) {
        ++finish;
    }
    return {MakePosition(slot, start), MakePosition(slot, finish)};
}

Selection TextRing::WholeRing() const {
    return {MakePosition(OldestSlot(), 0), MakePosition(m_writeLine, kLineColumns - 1)};
}

std::string TextRing::SelectionText(const Selection& sel) const {
    std::string out;
    if (sel.Empty() || !m_lines) {
        return out;
    }
    const int anchorSlot = SlotOf(sel.anchor);
    const int endSlot = SlotOf(sel.end);
    if (anchorSlot == endSlot) {
        const ColumnRange range = SelectedColumns(anchorSlot, sel);
        const std::string_view part = Line(anchorSlot)
                                          .Cells()
                                          .substr(static_cast<std::size_t>(range.from),
                                                  static_cast<std::size_t>(range.to - range.from));
        out.assign(part.substr(0, TrimmedLength(part)));
        return out;
    }
    const int firstAge = std::min(AgeOf(anchorSlot), AgeOf(endSlot));
    const int lastAge = std::max(AgeOf(anchorSlot), AgeOf(endSlot));
    out.reserve(static_cast<std::size_t>(lastAge - firstAge + 1) * (kLineColumns + 2));
    for (int age = firstAge; age <= lastAge; ++age) {
        const int slot = SlotAtAge(age);
        const ColumnRange range = SelectedColumns(slot, sel);
        const std::string_view part =
            Line(slot).Cells().substr(static_cast<std::size_t>(range.from),
                                      static_cast<std::size_t>(std::max(0, range.to - range.from)));
        out.append(part.substr(0, TrimmedLength(part)));
        out.append("\r\n");
    }
    return out;
}

}  // namespace brxw
