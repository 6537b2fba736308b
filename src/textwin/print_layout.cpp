// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/print_layout.h"

#include <algorithm>
#include <string_view>

#include "textwin/colour_scheme.h"

namespace brxw {

namespace {

std::string SelectedText(const TextRing& ring, int slot, const Selection& sel) {
    const ColumnRange range = ring.SelectedColumns(slot, sel);
    const std::string_view part = ring.Line(slot).Cells().substr(
        static_cast<std::size_t>(range.from),
        static_cast<std::size_t>(std::max(0, range.to - range.from)));
    return std::string(part.substr(0, TrimmedLength(part)));
}

}  // namespace

std::vector<PrintLine> SelectionPrintLines(const TextRing& ring, const Selection& sel) {
    std::vector<PrintLine> lines;
    if (sel.Empty() || !ring.Allocated()) {
        return lines;
    }
    const int anchorSlot = SlotOf(sel.anchor);
    const int endSlot = SlotOf(sel.end);
    if (anchorSlot == endSlot) {
        std::string text = SelectedText(ring, anchorSlot, sel);
        if (!text.empty()) {
            lines.push_back({std::move(text), kPrintBlack});
        }
        return lines;
    }
    const int firstAge = std::min(ring.AgeOf(anchorSlot), ring.AgeOf(endSlot));
    const int lastAge = std::max(ring.AgeOf(anchorSlot), ring.AgeOf(endSlot));
    lines.reserve(static_cast<std::size_t>(lastAge - firstAge + 1));
    for (int age = firstAge; age <= lastAge; ++age) {
        const int slot = ring.SlotAtAge(age);
        // Paper is white, as the classic scheme's ground: its white shows in black there too.
        lines.push_back({SelectedText(ring, slot, sel),
                         ColoursOf(ColourScheme::kClassic).Traffic(ring.Line(slot).startColour)});
    }
    return lines;
}

int PageLayout::LinesPerPage() const {
    const long long spacing = std::max(1, lineSpacing);
    const long long room = static_cast<long long>(BodyLimit()) - FirstBaseline();
    if (room <= spacing) {
        return 1;
    }
    return static_cast<int>(std::min<long long>((room + spacing - 1) / spacing, kRingLines));
}

PageLayout MakePageLayout(int width, int height, int fontHeight, int fontLeading) {
    const int spacing = fontLeading > 0 ? fontHeight + fontLeading : fontHeight + fontHeight / 5;
    return {width, height, std::max(1, spacing)};
}

}  // namespace brxw
