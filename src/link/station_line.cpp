// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/station_line.h"

#include <algorithm>
#include <climits>

#include "text/text_scan.h"

namespace brxw {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The conversions of a scanf format over text that ends at its size, never past it. A failed
// conversion leaves the position where it was; the caller stops at the first failure as scanf
// does.
class FieldScanner {
public:
    explicit FieldScanner(std::string_view text, std::size_t pos = 0) : m_text(text), m_pos(pos) {}

    // "%d": white space, an optional sign, digits. Values beyond int clamp to its range.
    bool Int(int& out) {
        long value = 0;
        if (!ScanNextLong(m_text, m_pos, value)) {
            return false;
        }
        out = static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
        return true;
    }

    // "%s": white space, then the bytes up to the next white space. Only the first
    // kMaxStationWord bytes are kept; the rest of the word is passed over, not read as the
    // next field.
    bool Word(std::string& out) {
        std::size_t i = SkipSpace(m_pos);
        if (i >= m_text.size()) {
            return false;
        }
        const std::size_t begin = i;
        while (i < m_text.size() && !IsCSpace(m_text[i])) {
            ++i;
        }
        out.assign(m_text.substr(begin, std::min(i - begin, kMaxStationWord)));
        m_pos = i;
        return true;
    }

private:
    std::size_t SkipSpace(std::size_t i) const {
        while (i < m_text.size() && IsCSpace(m_text[i])) {
            ++i;
        }
        return i;
    }

    std::string_view m_text;
    std::size_t m_pos;
};

// The payload is NUL-terminated text; whatever follows a NUL is not part of it.
std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

void UpperCaseAscii(std::string& word) {
    for (char& c : word) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
}

}  // namespace

void PrintTo(const StationLine& line, std::ostream* os) {
    *os << "{status '" << line.status << "', channel " << line.channel << ", \"" << line.callsign
        << "\" \"" << line.start << "\" \"" << line.time << "\", rt " << line.rt << ", buf "
        << line.buf << ", \"" << line.cfwd << "\"}";
}

std::optional<StationLine> ParseStationLine(std::string_view payload) {
    const std::string_view text = UpToNul(payload);
    if (text.empty()) {
        return std::nullopt;
    }
    StationLine line;
    std::size_t pos = 0;
    if (!IsDigit(text[0])) {
        line.status = text[0];
        pos = 1;
    }
    FieldScanner scan(text, pos);
    if (!scan.Int(line.channel) || line.channel < 0 || line.channel > kMaxStationChannel) {
        return std::nullopt;
    }
    const bool more = scan.Word(line.callsign);
    if (more && scan.Word(line.start) && scan.Word(line.time) && scan.Int(line.rt) &&
        scan.Int(line.buf)) {
        scan.Word(line.cfwd);
    }
    if (!more) {
        line.status = kStatusRemove;
    }
    line.buf = std::max(line.buf, 0);
    if (line.status == kStatusRed) {
        UpperCaseAscii(line.cfwd);
    }
    return line;
}

std::optional<std::pair<int, std::string>> ScanNumberAndWord(std::string_view text) {
    FieldScanner scan(UpToNul(text));
    std::pair<int, std::string> fields;
    if (!scan.Int(fields.first) || !scan.Word(fields.second)) {
        return std::nullopt;
    }
    return fields;
}

}  // namespace brxw
