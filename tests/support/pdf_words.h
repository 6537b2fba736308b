// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words of a printed PDF as pdftotext lays them out, each with the height of its box in points
// (a font's box is a little taller than its size: about 1.1 to 1.2 times for the usual faces), so
// a test can tell the size text came out at on paper.

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <vector>

namespace brxw::test {

struct PdfWord {
    QString text;
    double height = 0;  // points
};

inline bool HavePdfToText() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

// Empty when the file cannot be read.
inline std::vector<PdfWord> PdfWords(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString xhtml = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="[-\d.]+" yMin="([-\d.]+)" xMax="[-\d.]+" yMax="([-\d.]+)">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    for (auto it = word.globalMatch(xhtml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.push_back({m.captured(3), m.captured(2).toDouble() - m.captured(1).toDouble()});
    }
    return words;
}

// The box height of the first word that is text, or 0 when there is none.
inline double PdfWordHeight(const std::vector<PdfWord>& words, const QString& text) {
    for (const PdfWord& w : words) {
        if (w.text == text) {
            return w.height;
        }
    }
    return 0;
}

}  // namespace brxw::test
