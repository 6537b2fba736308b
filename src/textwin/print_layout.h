// SPDX-License-Identifier: GPL-3.0-or-later
// What printing a text window's selection puts on paper, worked out without a printer: the lines
// a selection prints with their colours, and where the header, the body lines and the footer of a
// page go for a page size and line spacing in printer device pixels.
//
// A page has the title with its top one line down, a rule at three lines, body lines from five
// lines down spaced one line apart, and a footer below the body limit (six lines above the
// bottom): a rule two lines below the limit and the date and page number on the last line. A page
// is closed once a line has brought the next baseline to the body limit or past it.
//
// Plain values and free functions; the printing code (text_print.h) paints what they say. Any
// thread.
#pragma once

#include <string>
#include <vector>

#include "textwin/text_ring.h"

namespace brxw {

// Black, for everything on paper that has no colour of its own.
inline constexpr Colour kPrintBlack = 0;

struct PrintLine {
    std::string text;  // Windows code page, without trailing blanks
    Colour colour = kPrintBlack;
    bool operator==(const PrintLine&) const = default;
};

// The lines sel (ends in either order) prints. Within one slot: the selected bytes in black, or
// nothing when they are all blanks. Across slots: every slot from the older end to the newer one
// in age order, blank ones included, each in the colour its line starts with on screen.
std::vector<PrintLine> SelectionPrintLines(const TextRing& ring, const Selection& sel);

// A page of width × height device pixels with line spacing L.
struct PageLayout {
    int width = 0;
    int height = 0;
    int lineSpacing = 1;

    int TitleTop() const { return lineSpacing; }
    int HeaderRuleY() const { return 3 * lineSpacing; }
    int FirstBaseline() const { return 5 * lineSpacing; }
    int BodyLimit() const { return height - 6 * lineSpacing; }
    int FooterRuleY() const { return BodyLimit() + 2 * lineSpacing; }
    // The date and the page number: the last line of the page.
    int FooterBaseline() const { return BodyLimit() + 5 * lineSpacing; }
    // Body lines a page holds; at least one, so every line gets printed whatever the printer says.
    int LinesPerPage() const;
};

// The layout for a printer's page and the print font's height and external leading: the line
// spacing is height plus leading, or height plus a fifth when the font has no leading, and at
// least one pixel.
PageLayout MakePageLayout(int width, int height, int fontHeight, int fontLeading);

}  // namespace brxw
