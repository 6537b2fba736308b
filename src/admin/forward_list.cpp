// SPDX-License-Identifier: GPL-3.0-or-later
#include "admin/forward_list.h"

#include <climits>

#include "admin/record_exchange.h"
#include "text/text_scan.h"

namespace brxw::admin {

namespace {

int ClampInt(long value) {
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

}  // namespace

int ForwardStatus(int first, int second) {
    return first != 0 ? 2 : second != 0 ? 1 : 0;
}

std::vector<std::string> ReadForwardList(std::string_view file) {
    std::vector<std::string> entries;
    for (std::string_view line : ChunkedLines(file, kKeyLineBytes)) {
        // "%d %s %d %d %dK": all five values read; the K need not follow.
        std::size_t pos = 0;
        long number = 0, first = 0, second = 0, kilobytes = 0;
        bool ok = ScanNextLong(line, pos, number);
        const std::string_view name = ok ? NextWord(line, pos) : std::string_view();
        ok = ok && !name.empty() && ScanNextLong(line, pos, first) &&
             ScanNextLong(line, pos, second) && ScanNextLong(line, pos, kilobytes);
        if (!ok) {
            entries.emplace_back("0 .");
            continue;
        }
        const int a = ClampInt(first), b = ClampInt(second), k = ClampInt(kilobytes);
        const std::string status = std::to_string(ForwardStatus(a, b)) + ' ';
        const std::string counts =
            '\t' + std::to_string(a) + '/' + std::to_string(b) + " - " + std::to_string(k) + 'K';
        const std::size_t room = kMaxForwardEntryBytes - status.size() - counts.size();
        entries.push_back(status + std::string(name.substr(0, room)) + counts);
    }
    return entries;
}

std::uint32_t ForwardColour(std::string_view entry) {
    switch (ScanLeadingLong(entry)) {
        case 1:
            return kForwardBlue;
        case 2:
            return kForwardRed;
        default:
            return kForwardBlack;
    }
}

std::string ForwardRequest(bool start, int position) {
    return (start ? "START " : "STOP ") + std::to_string(position);
}

}  // namespace brxw::admin
