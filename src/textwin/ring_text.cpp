// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/ring_text.h"

#include <QChar>
#include <algorithm>
#include <array>

#include "text/charset.h"

namespace brxw {

void RingText::Read(const TextRing& ring) {
    // The window paints a byte only when its character is printable; the others are blank cells.
    std::array<QChar, 256> shown;
    for (int byte = 0; byte < 256; ++byte) {
        const QChar ch(AnsiToUnicode(static_cast<unsigned char>(byte)));
        shown[static_cast<std::size_t>(byte)] = ch.isPrint() ? ch : QLatin1Char(' ');
    }
    const int count = ring.LineCount();
    m_firstLine = ring.LinesEnded() - (count - 1);
    m_starts.assign(static_cast<std::size_t>(count), 0);
    m_text.resize(static_cast<qsizetype>(count) * (kLineColumns + 1));
    QChar* out = m_text.data();
    int length = 0;
    for (int line = 0; line < count; ++line) {
        m_starts[static_cast<std::size_t>(line)] = length;
        const bool last = line == count - 1;
        const std::string_view cells =
            last ? ring.PartialLine() : ring.Line(SlotOfLine(ring, line)).Cells();
        int end = length;
        for (const char cell : cells) {
            const QChar ch = shown[static_cast<unsigned char>(cell)];
            out[length++] = ch;
            if (ch != QLatin1Char(' ')) {
                end = length;
            }
        }
        length = end;
        if (!last) {
            out[length++] = QLatin1Char('\n');
        }
    }
    m_text.truncate(length);
}

int RingText::LineStart(int line) const {
    if (line >= LineCount()) {
        return Length();
    }
    return m_starts[static_cast<std::size_t>(std::max(0, line))];
}

int RingText::LineEnd(int line) const {
    const int next = LineStart(line + 1);
    return line + 1 < LineCount() ? next - 1 : next;
}

int RingText::LineOf(int offset) const {
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), offset);
    return std::max(0, static_cast<int>(after - m_starts.begin()) - 1);
}

int RingText::SlotOfLine(const TextRing& ring, int line) const {
    return ring.SlotAtAge(kRingLines - LineCount() + line);
}

int RingText::LineOfSlot(const TextRing& ring, int slot) const {
    const int line = ring.AgeOf(slot) - (kRingLines - LineCount());
    return line >= 0 && line < LineCount() ? line : -1;
}

int RingText::OffsetOfPosition(const TextRing& ring, int position) const {
    const int line = LineOfSlot(ring, SlotOf(position));
    if (line < 0) {
        return 0;
    }
    return std::min(LineStart(line) + ColumnOf(position), LineEnd(line));
}

int RingText::PositionOfOffset(const TextRing& ring, int offset) const {
    offset = std::clamp(offset, 0, Length());
    const int line = LineOf(offset);
    return MakePosition(SlotOfLine(ring, line), offset - LineStart(line));
}

std::vector<TextEdit> TextChanges(const RingText& before, const RingText& after) {
    std::vector<TextEdit> edits;
    const long long dropped = after.FirstLineNumber() - before.FirstLineNumber();
    int cut = 0;
    if (dropped >= before.LineCount()) {
        cut = before.Length();
    } else if (dropped > 0) {
        cut = before.LineStart(static_cast<int>(dropped));
    }
    if (cut > 0) {
        edits.push_back({false, 0, before.Text().left(cut)});
    }
    const QStringView rest = QStringView(before.Text()).mid(cut);
    const QStringView now(after.Text());
    const qsizetype common = std::min(rest.size(), now.size());
    qsizetype same = 0;
    while (same < common && rest[same] == now[same]) {
        ++same;
    }
    if (same < rest.size()) {
        edits.push_back({false, static_cast<int>(same), rest.mid(same).toString()});
    }
    if (same < now.size()) {
        edits.push_back({true, static_cast<int>(same), now.mid(same).toString()});
    }
    return edits;
}

}  // namespace brxw
