// Printing of a text window's selection: every page carries the title "brxW selection - <window
// caption>" over a rule, the selected lines in their start colours from five lines down, and a
// footer with a rule, the date and "Page n". Printer device pixels throughout, in the printer's
// default font; the line spacing L is that font's height plus its external leading (a fifth of the
// height when the font has none), and a page's body ends six lines above the bottom.
//
// Free functions for the text window (CTextWnd); user-interface thread only. They read the ring
// and change nothing in it.
#pragma once

#include <QDateTime>
#include <string_view>

#include "textwin/text_ring.h"

class QPrinter;
class QWidget;

namespace brxw {

// The name the print job carries.
inline constexpr const char* kPrintDocumentName = "brxW selection";

// Prints sel (ends in either order) of ring on a printer that is set up already, without any
// dialog. caption names the window that holds the text, in Windows-1252; now is the time the
// footers show. A page is started only for lines that print, so a selection within one line that
// holds only blanks prints nothing. Returns the number of pages printed.
int PrintSelectionTo(QPrinter& printer, const TextRing& ring, const Selection& sel,
                     std::string_view caption, const QDateTime& now = QDateTime::currentDateTime());

// Asks the operator for a printer (page range 1 to 1 preset) and prints on it. Returns the number
// of pages printed; 0 when the selection is empty or the operator cancelled.
int PrintSelectionWithDialog(QWidget* parent, const TextRing& ring, const Selection& sel,
                             std::string_view caption);

}  // namespace brxw
