// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/text_print.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>

#include "support/pdf_words.h"

namespace brxw {
namespace {

// Prints to PDF files in a scratch folder and reads them back with pdftotext.
class PrintToPdf : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::HavePdfToText()) {
            GTEST_SKIP() << "pdftotext is not installed";
        }
        ASSERT_TRUE(m_dir.isValid());
    }

    // Prints sel in font and returns the pages printed; the text of the PDF lands in text.
    int Print(const Selection& sel, QString* text) {
        const QString path = LastPdf(++m_jobs);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        const QDateTime when(QDate(2024, 1, 1), QTime(9, 5));
        const int pages =
            PrintLinesTo(printer, SelectionPrintLines(ring, sel), "Monitoring", font, when);
        text->clear();
        if (QFile::exists(path)) {
            QProcess process;
            process.start(QStringLiteral("pdftotext"),
                          {QStringLiteral("-layout"), path, QStringLiteral("-")});
            EXPECT_TRUE(process.waitForFinished(30000));
            *text = QString::fromUtf8(process.readAllStandardOutput());
        }
        return pages;
    }

    QString LastPdf(int job = 0) const {
        return m_dir.filePath(QStringLiteral("job%1.pdf").arg(job > 0 ? job : m_jobs));
    }

    TextRing ring;
    QFont font;

private:
    QTemporaryDir m_dir;
    int m_jobs = 0;
};

TEST_F(PrintToPdf, ThreeLineSelectionPrintsOnePage) {
    ring.AppendText("alpha line one\nbravo line two\ncharlie delta echo\n", 0x000000FF);
    QString text;
    EXPECT_EQ(Print({MakePosition(0, 0), MakePosition(2, 10)}, &text), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("brxW selection - Monitoring"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("alpha line one")));
    EXPECT_TRUE(text.contains(QStringLiteral("bravo line two")));
    EXPECT_TRUE(text.contains(QStringLiteral("charlie de")));
    EXPECT_FALSE(text.contains(QStringLiteral("charlie del")));
    EXPECT_TRUE(text.contains(QStringLiteral("Monday, January 01, 2024 - 09:05")));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 1")));
    EXPECT_FALSE(text.contains(QStringLiteral("Page 2")));
    // Lines print in age order from the title down.
    EXPECT_LT(text.indexOf(QStringLiteral("brxW selection")),
              text.indexOf(QStringLiteral("alpha")));
    EXPECT_LT(text.indexOf(QStringLiteral("alpha")), text.indexOf(QStringLiteral("bravo")));
}

TEST_F(PrintToPdf, TextComesOutAtThePointSizeItHasOnScreen) {
    // A text font of 27 pixels measures 20.25 points on a 96-dpi screen; on a 1200-dpi printer the
    // pixels alone would make it under 2 points, the printer's own font 9 or 10.
    QFont screen(QStringLiteral("Courier New"));
    screen.setStyleHint(QFont::TypeWriter);
    screen.setPixelSize(27);
    font = PaperFont(screen, 96);
    ring.AppendText("alpha bravo\n", 0);
    QString text;
    ASSERT_EQ(Print({MakePosition(0, 0), MakePosition(0, 11)}, &text), 1);
    const auto words = test::PdfWords(LastPdf());
    for (const char* word : {"alpha", "Monitoring", "Page"}) {
        const double height = test::PdfWordHeight(words, QString::fromLatin1(word));
        EXPECT_GT(height, 20.25 * 0.95) << word;
        EXPECT_LT(height, 20.25 * 1.35) << word;
    }
}

TEST_F(PrintToPdf, NothingToPrintMakesNoPage) {
    ring.AppendText("word            \n", 0);
    QString text;
    EXPECT_EQ(Print({MakePosition(0, 6), MakePosition(0, 12)}, &text), 0);
    EXPECT_TRUE(text.isEmpty());
}

TEST_F(PrintToPdf, PagesFillUpWithoutATrailingEmptyPage) {
    for (int i = 0; i < 520; ++i) {
        char line[16];
        std::snprintf(line, sizeof line, "row %03d\n", i);
        ring.AppendText(line, 0);
    }
    QString text;
    const int pages = Print(ring.WholeRing(), &text);
    const QStringList sheets = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(sheets.size(), pages);
    ASSERT_GT(pages, 2);
    const int perPage = static_cast<int>(sheets[0].count(QStringLiteral("row ")));
    ASSERT_GT(perPage, 10);
    EXPECT_TRUE(sheets[0].contains(QStringLiteral("row 021")));
    EXPECT_TRUE(sheets[pages - 1].contains(QStringLiteral("Page %1").arg(pages)));

    // Exactly one page of lines, the last one not the write line: one page, numbered 1 again.
    const int first = 100;
    const int last = first + perPage - 1;
    EXPECT_EQ(
        Print({MakePosition(first % kRingLines, 0), MakePosition(last % kRingLines, 3)}, &text), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("Page 1")));
    EXPECT_EQ(text.count(QStringLiteral("row ")), perPage - 1);  // the last shows only "row"
}

}  // namespace
}  // namespace brxw
