// SPDX-License-Identifier: GPL-3.0-or-later
// Printing of a text window's selection: every page carries the title "brxW selection - <window
// caption>" over a rule, the selected lines from five lines down, and a
// footer with a rule, the date and "Page n". Printer device pixels throughout, in the window's
// text font at the size it has on screen, laid out as PageLayout says (print_layout.h).
//
// Free functions for the text window (CTextWnd); user-interface thread only.
#pragma once

#include <QDateTime>
#include <QFont>
#include <QtGlobal>
#include <string_view>
#include <vector>

#include "textwin/print_layout.h"

class QPrinter;
class QWidget;

namespace brxw {

// The name the print job carries (in the print queue, and the file name a printer to file
// offers), shown through Tr("brxw::TextPrint", ...).
inline constexpr const char* kPrintDocumentName =
    QT_TRANSLATE_NOOP("brxw::TextPrint", "brxW selection");

// The font that puts text on paper at the size font shows it on a screen of screenDpi dots per
// inch. A size in pixels counts printer pixels on paper (a 13-pixel font comes out below 1 point at
// 1200 dpi), so it becomes the points it measures on that screen; a size in points stays.
QFont PaperFont(QFont font, qreal screenDpi);

// Prints lines (SelectionPrintLines) on a printer that is set up already, without any dialog, in
// font (a PaperFont). caption names the window that holds the text, in the Windows code page; now
// is the time the footers show. Without lines nothing is printed and no page started. Returns the
// number of pages printed.
int PrintLinesTo(QPrinter& printer, const std::vector<PrintLine>& lines, std::string_view caption,
                 const QFont& font, const QDateTime& now = QDateTime::currentDateTime());

// Asks the operator for a printer (page range 1 to 1 preset) and prints lines on it in font.
// Returns the number of pages printed; 0 when the operator cancelled. The caller asks only for a
// selection that is not empty.
int PrintLinesWithDialog(QWidget* parent, const std::vector<PrintLine>& lines,
                         std::string_view caption, const QFont& font);

}  // namespace brxw
