// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/ring_search.h"

#include "text/charset.h"

#include <QChar>

#include <algorithm>
#include <array>
#include <utility>

namespace brxw {

namespace {

// The search sees a byte the text window paints as a blank (control bytes, the bytes the code
// page leaves undefined, the soft hyphen, which fonts do not draw) as a space.
std::array<char, 256> ShownTable(bool fold) {
    std::array<char, 256> table{};
    for (int i = 0; i < 256; ++i) {
        auto byte = static_cast<unsigned char>(i);
        if (byte < 0x20 || !QChar(AnsiToUnicode(byte)).isPrint()) {
            byte = ' ';
        } else if (fold) {
            byte = FoldTextCase(byte);
        }
        table[static_cast<std::size_t>(i)] = static_cast<char>(byte);
    }
    return table;
}

}  // namespace

void RingSearch::SetPattern(std::string needle, bool matchCase) {
    m_table = ShownTable(!matchCase);
    for (char& c : needle) {
        c = m_table[static_cast<unsigned char>(c)];
    }
    m_needle = std::move(needle);
    m_matchCase = matchCase;
}

std::string_view RingSearch::Prepare(const TextLine& line,
                                     std::array<char, kLineColumns>& buffer) const {
    const std::array<char, 256>& table = m_table;
    for (int column = 0; column < kLineColumns; ++column) {
        buffer[static_cast<std::size_t>(column)] = table[line.Cell(column)];
    }
    const std::string_view text(buffer.data(), buffer.size());
    return text.substr(0, TrimmedLength(text));
}

std::vector<ColumnRange> RingSearch::MatchesIn(const TextLine& line) const {
    std::vector<ColumnRange> ranges;
    if (!CanMatch()) {
        return ranges;
    }
    std::array<char, kLineColumns> buffer{};
    const std::string_view text = Prepare(line, buffer);
    for (std::size_t at = text.find(m_needle); at != std::string_view::npos;
         at = text.find(m_needle, at + 1)) {
        const int from = static_cast<int>(at);
        const int to = from + static_cast<int>(m_needle.size());
        if (!ranges.empty() && from < ranges.back().to) {
            ranges.back().to = to;
        } else {
            ranges.push_back({from, to});
        }
    }
    return ranges;
}

FindResult RingSearch::Find(const TextRing& ring, FindOrigin origin, bool forward) const {
    if (!CanMatch() || !ring.Allocated()) {
        return {};
    }
    const int stored = ring.LineCount();
    const int oldestAge = kRingLines - stored;
    // Slots never written lie before the oldest stored line.
    if (origin.age < oldestAge) {
        origin = {oldestAge, -1};
    } else if (origin.age >= kRingLines) {
        origin = {kRingLines - 1, kLineColumns};
    }
    origin.column = std::clamp(origin.column, -1, kLineColumns);
    const int lastStart = kLineColumns - 1;
    std::array<char, kLineColumns> buffer{};
    // Step 0 is the rest of the origin's line, step `stored` its other part after a full round.
    for (int step = 0; step <= stored; ++step) {
        int age = origin.age + (forward ? step : -step);
        bool wrapped = false;
        if (age >= kRingLines) {
            age -= stored;
            wrapped = true;
        } else if (age < oldestAge) {
            age += stored;
            wrapped = true;
        }
        const int slot = ring.SlotAtAge(age);
        const std::string_view text = Prepare(ring.Line(slot), buffer);
        std::size_t at = std::string_view::npos;
        if (forward) {
            const int from = step == 0 ? origin.column + 1 : 0;
            const int last = step == stored ? origin.column : lastStart;
            at = text.find(m_needle, static_cast<std::size_t>(from));
            if (at != std::string_view::npos && static_cast<int>(at) > last) {
                at = std::string_view::npos;
            }
        } else {
            const int last = step == 0 ? origin.column - 1 : lastStart;
            const int from = step == stored ? origin.column : 0;
            if (last >= 0) {
                at = text.rfind(m_needle, static_cast<std::size_t>(last));
            }
            if (at != std::string_view::npos && static_cast<int>(at) < from) {
                at = std::string_view::npos;
            }
        }
        if (at != std::string_view::npos) {
            const int from = static_cast<int>(at);
            return {wrapped ? FindOutcome::kWrapped : FindOutcome::kFound,
                    {slot, from, from + static_cast<int>(m_needle.size())}};
        }
    }
    return {};
}

}  // namespace brxw
