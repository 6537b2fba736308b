// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/text_print.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QtGlobal>

#include "resources/translate.h"
#include "text/charset.h"
#include "textwin/qt_colour.h"

namespace brxw {

namespace {

constexpr const char* kTitleFormat = QT_TRANSLATE_NOOP("brxw::TextPrint", "brxW selection - %1");
//: The date and time in each page's footer, in Qt's date format (dddd: the day's name, MMMM: the
//: month's, dd: day, yyyy: year, HH:mm: time).
constexpr const char* kFooterDateFormat =
    QT_TRANSLATE_NOOP("brxw::TextPrint", "dddd, MMMM dd, yyyy - HH:mm");
constexpr const char* kPageFormat = QT_TRANSLATE_NOOP("brxw::TextPrint", "Page %1");

// The footer's date in the translation's format and, when there is one, with the day and month
// named in the sysop's own locale; in English as it always was.
QString FooterDate(const QDateTime& now) {
    const QString format = Tr("brxw::TextPrint", kFooterDateFormat);
    const QLocale locale =
        format == QLatin1String(kFooterDateFormat) ? QLocale::c() : QLocale::system();
    return locale.toString(now, format);
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

// One print job: a page is opened for the first line that needs one and closed by its footer once
// it holds the lines the layout gives it.
class PageWriter {
public:
    PageWriter(QPrinter& printer, std::string_view caption, const QFont& font, const QDateTime& now)
        : m_printer(printer),
          m_font(font),
          m_title(Tr("brxw::TextPrint", kTitleFormat).arg(AnsiToQString(caption))),
          m_date(FooterDate(now)) {}

    bool Print(const PrintLine& line) {
        if (!m_pageOpen && !OpenPage()) {
            return false;
        }
        const int y = m_layout.FirstBaseline() + m_linesOnPage * m_layout.lineSpacing;
        m_painter.setPen(ToQColor(line.colour));
        m_painter.drawText(QPoint(0, y), PrintableText(line.text));
        if (++m_linesOnPage >= m_layout.LinesPerPage()) {
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
            m_painter.setFont(m_font);
            const QFontMetrics metrics = m_painter.fontMetrics();
            m_layout = MakePageLayout(m_printer.width(), m_printer.height(), metrics.height(),
                                      metrics.leading());
        } else if (!m_printer.newPage()) {
            return false;
        }
        m_pageOpen = true;
        m_linesOnPage = 0;
        m_painter.setPen(Qt::black);
        const int spacing = m_layout.lineSpacing;
        m_painter.drawText(QRect(0, m_layout.TitleTop(), m_layout.width, 2 * spacing),
                           Qt::AlignHCenter | Qt::AlignTop, m_title);
        m_painter.drawLine(0, m_layout.HeaderRuleY(), m_layout.width, m_layout.HeaderRuleY());
        return true;
    }

    void ClosePage() {
        m_painter.setPen(Qt::black);
        m_painter.drawLine(0, m_layout.FooterRuleY(), m_layout.width, m_layout.FooterRuleY());
        const int baseline = m_layout.FooterBaseline();
        m_painter.drawText(QPoint(0, baseline), m_date);
        ++m_pages;
        const QString page = Tr("brxw::TextPrint", kPageFormat).arg(m_pages);
        m_painter.drawText(
            QPoint(m_layout.width - m_painter.fontMetrics().horizontalAdvance(page), baseline),
            page);
        m_pageOpen = false;
    }

    QPrinter& m_printer;
    QPainter m_painter;
    QFont m_font;
    QString m_title;
    QString m_date;
    PageLayout m_layout;
    int m_linesOnPage = 0;
    int m_pages = 0;
    bool m_pageOpen = false;
};

}  // namespace

QFont PaperFont(QFont font, qreal screenDpi) {
    if (font.pixelSize() > 0 && screenDpi > 0) {
        font.setPointSizeF(font.pixelSize() * 72.0 / screenDpi);
    }
    return font;
}

int PrintLinesTo(QPrinter& printer, const std::vector<PrintLine>& lines, std::string_view caption,
                 const QFont& font, const QDateTime& now) {
    if (lines.empty()) {
        return 0;
    }
    printer.setDocName(Tr("brxw::TextPrint", kPrintDocumentName));
    PageWriter writer(printer, caption, font, now);
    for (const PrintLine& line : lines) {
        if (!writer.Print(line)) {
            break;
        }
    }
    return writer.Finish();
}

int PrintLinesWithDialog(QWidget* parent, const std::vector<PrintLine>& lines,
                         std::string_view caption, const QFont& font) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(Tr("brxw::TextPrint", kPrintDocumentName));
    printer.setFromTo(1, 1);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return 0;
    }
    return PrintLinesTo(printer, lines, caption, font);
}

}  // namespace brxw
