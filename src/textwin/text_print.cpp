#include "textwin/text_print.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "text/charset.h"

namespace brxw {

namespace {

constexpr const char* kTitleFormat = "brxW selection - %1";
constexpr const char* kFooterDateFormat = "dddd, MMMM dd, yyyy - HH:mm";
constexpr const char* kPageFormat = "Page %1";

QColor ToQColor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

// Received text may hold control bytes; on paper they keep their place as blanks.
QString PrintableText(std::string_view bytes) {
    QString text = AnsiToQString(bytes);
    for (QChar& ch : text) {
        if (!ch.isPrint()) {
            ch = QLatin1Char(' ');
        }
    }
    return text;
}

// One print job: pages are opened on the first line that needs one and closed by the footer
// once the body is full.
class PageWriter {
public:
    PageWriter(QPrinter& printer, std::string_view caption, const QDateTime& now)
        : m_printer(printer),
          m_title(QString::fromLatin1(kTitleFormat).arg(AnsiToQString(caption))),
          m_date(QLocale::c().toString(now, QString::fromLatin1(kFooterDateFormat))) {}

    bool PrintLine(std::string_view bytes, Colour colour) {
        if (!m_pageOpen && !OpenPage()) {
            return false;
        }
        m_painter.setPen(ToQColor(colour));
        m_painter.drawText(QPoint(0, m_y), PrintableText(bytes));
        m_y += m_lineSpacing;
        if (m_y >= m_bodyLimit) {
            ClosePage();
        }
        return true;
    }

    int Finish() {
        if (m_pageOpen) {
            ClosePage();
        }
        if (m_painter.isActive()) {
            m_painter.end();
        }
        return m_pages;
    }

private:
    bool OpenPage() {
        if (!m_painter.isActive()) {
            if (!m_painter.begin(&m_printer)) {
                return false;
            }
            Measure();
        } else if (!m_printer.newPage()) {
            return false;
        }
        m_pageOpen = true;
        m_painter.setPen(Qt::black);
        m_painter.drawText(QRect(0, m_lineSpacing, m_width, 2 * m_lineSpacing),
                           Qt::AlignHCenter | Qt::AlignTop, m_title);
        m_painter.drawLine(0, 3 * m_lineSpacing, m_width, 3 * m_lineSpacing);
        m_y = 5 * m_lineSpacing;
        return true;
    }

    void ClosePage() {
        m_painter.setPen(Qt::black);
        const int ruleY = m_bodyLimit + 2 * m_lineSpacing;
        m_painter.drawLine(0, ruleY, m_width, ruleY);
        const int baseline = m_bodyLimit + 5 * m_lineSpacing;
        m_painter.drawText(QPoint(0, baseline), m_date);
        ++m_pages;
        const QString page = QString::fromLatin1(kPageFormat).arg(m_pages);
        m_painter.drawText(
            QPoint(m_width - m_painter.fontMetrics().horizontalAdvance(page), baseline), page);
        m_pageOpen = false;
    }

    void Measure() {
        const QFontMetrics metrics = m_painter.fontMetrics();
        const int height = metrics.height();
        const int leading = metrics.leading();
        // A spacing of at least one pixel keeps every line on the page, whatever the font says.
        m_lineSpacing = std::max(1, leading > 0 ? height + leading : height + height / 5);
        m_width = m_printer.width();
        m_bodyLimit = m_printer.height() - 6 * m_lineSpacing;
    }

    QPrinter& m_printer;
    QPainter m_painter;
    QString m_title;
    QString m_date;
    int m_width = 0;
    int m_lineSpacing = 1;
    int m_bodyLimit = 0;
    int m_y = 0;
    int m_pages = 0;
    bool m_pageOpen = false;
};

std::string_view Trimmed(std::string_view bytes) {
    return bytes.substr(0, TrimmedLength(bytes));
}

std::string_view SelectedPart(const TextRing& ring, int slot, const Selection& sel) {
    const ColumnRange range = ring.SelectedColumns(slot, sel);
    return ring.Line(slot).Cells().substr(
        static_cast<std::size_t>(range.from),
        static_cast<std::size_t>(std::max(0, range.to - range.from)));
}

}  // namespace

int PrintSelectionTo(QPrinter& printer, const TextRing& ring, const Selection& sel,
                     std::string_view caption, const QDateTime& now) {
    if (sel.Empty() || !ring.Allocated()) {
        return 0;
    }
    printer.setDocName(QString::fromLatin1(kPrintDocumentName));
    PageWriter writer(printer, caption, now);
    const int anchorSlot = SlotOf(sel.anchor);
    const int endSlot = SlotOf(sel.end);
    if (anchorSlot == endSlot) {
        const std::string_view text = Trimmed(SelectedPart(ring, anchorSlot, sel));
        if (!text.empty()) {
            writer.PrintLine(text, ring.Line(anchorSlot).startColour);
        }
        return writer.Finish();
    }
    // Every slot from the older end to the newer one takes a line, blank ones included; on paper
    // a line shows in the colour it starts with on screen.
    const int firstAge = std::min(ring.AgeOf(anchorSlot), ring.AgeOf(endSlot));
    const int lastAge = std::max(ring.AgeOf(anchorSlot), ring.AgeOf(endSlot));
    for (int age = firstAge; age <= lastAge; ++age) {
        const int slot = ring.SlotAtAge(age);
        if (!writer.PrintLine(Trimmed(SelectedPart(ring, slot, sel)),
                              ring.Line(slot).startColour)) {
            break;
        }
    }
    return writer.Finish();
}

int PrintSelectionWithDialog(QWidget* parent, const TextRing& ring, const Selection& sel,
                             std::string_view caption) {
    if (sel.Empty()) {
        return 0;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromLatin1(kPrintDocumentName));
    printer.setFromTo(1, 1);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return 0;
    }
    return PrintSelectionTo(printer, ring, sel, caption);
}

}  // namespace brxw
