// SPDX-License-Identifier: GPL-3.0-or-later
// RingSearch: finding text in a TextRing's scrollback, for the find bar of the text windows. The
// text searched is the text as shown: a cell that is painted as a blank (a control byte, a byte
// the code page leaves undefined) counts as a blank, the trailing blanks of a line are not part
// of it, and a match never spans two lines. The search runs through the stored lines in age
// order and wraps from the newest to the oldest (and back), whichever slots the ring has reused.
//
// Owned by the text window next to its ring; user-interface thread only. Holds only the pattern.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "textwin/text_ring.h"

namespace brxw {

// One match: columns from..to (exclusive) of slot.
struct RingMatch {
    int slot = 0;
    int from = 0;
    int to = 0;
    bool operator==(const RingMatch&) const = default;
};

enum class FindOutcome { kFound, kWrapped, kNotFound };

struct FindResult {
    FindOutcome outcome = FindOutcome::kNotFound;
    RingMatch match;
};

// Where a search starts: a column of the line of the given age (0 the oldest slot). A forward
// search takes the first match that begins after it, a backward search the last that begins
// before it; column -1 and column 80 stand before and after the whole line.
struct FindOrigin {
    int age = 0;
    int column = 0;
};

class RingSearch {
public:
    // needle in the ANSI code page, as the ring stores text. Without matchCase the letters of
    // the code page match either case (a-z, the accented, Cyrillic and other letters it holds).
    void SetPattern(std::string needle, bool matchCase);
    const std::string& Needle() const { return m_needle; }
    bool MatchCase() const { return m_matchCase; }
    // An empty pattern, or one longer than a line, never matches.
    bool CanMatch() const { return !m_needle.empty() && m_needle.size() <= kLineColumns; }

    // Every cell range of line that a match covers, left to right; overlapping matches are
    // merged into one range.
    std::vector<ColumnRange> MatchesIn(const TextLine& line) const;

    // The next match from origin towards newer (forward) or older lines, among the stored lines
    // only; kWrapped when the search had to pass the newest (or oldest) line to find it.
    FindResult Find(const TextRing& ring, FindOrigin origin, bool forward) const;

private:
    // The line as the search sees it: shown bytes, folded unless matching case, trimmed.
    std::string_view Prepare(const TextLine& line, std::array<char, kLineColumns>& buffer) const;

    // The shown (and, unless matching case, folded) form of each byte in the ANSI code page of
    // SetPattern's time; the profile's code page changes only between sessions.
    std::array<char, 256> m_table{};
    std::string m_needle;  // folded unless m_matchCase
    bool m_matchCase = false;
};

}  // namespace brxw
