// SPDX-License-Identifier: GPL-3.0-or-later
// B3 and B4: the cost of the text ring and of the text window, each against a reference
// measured in the same run.
//   B3 AppendText ns/byte of 69-byte traffic lines, DOS charset and ANSI, ÷ memcpy of the same
//      bytes into a 500-line scrollback of the same shape.
//   B4 a full repaint of an 80 × 40 window ÷ QPlainTextEdit::render() of the same text, and the
//      append speed ÷ appendPlainText with a 500-block limit (both shown, events processed).
// Usage: brxw_text_bench. It reports; it never fails on time.
#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "bench_stats.h"
#include "textwin/text_ring.h"
#include "textwin/text_wnd.h"

namespace {

using brxw::bench::kRuns;
using brxw::bench::Row;

constexpr brxw::Colour kGreen = 0x008000;

// 69 bytes with the line feed, like a monitoring line.
std::string TrafficLine(int i) {
    std::string line = "fm Q1ABC to Q2XYZ ctl I00 pid F0 [14:03] flood line " + std::to_string(i);
    line.resize(68, '.');
    line.push_back('\n');
    return line;
}

// The block of lines every run appends: enough that the ring wraps several times.
std::string TrafficBlock(int lines) {
    std::string block;
    for (int i = 0; i < lines; ++i) {
        block += TrafficLine(i);
    }
    return block;
}

// Keeps the optimiser from dropping a copy nobody reads.
volatile unsigned g_sink = 0;

double NsPerByte(qint64 ns, std::size_t bytes) {
    return double(ns) / double(bytes);
}

// The reference: the same bytes copied line by line into a ring of 500 × 81 bytes.
double MemcpyNsPerByte(const std::vector<std::string>& lines, int repeat) {
    static std::array<std::array<char, brxw::kLineColumns + 1>, brxw::kRingLines> ring{};
    QElapsedTimer clock;
    clock.start();
    std::size_t bytes = 0;
    int slot = 0;
    for (int r = 0; r < repeat; ++r) {
        for (const std::string& line : lines) {
            std::memcpy(ring[static_cast<std::size_t>(slot)].data(), line.data(), line.size() - 1);
            slot = (slot + 1) % brxw::kRingLines;
            bytes += line.size();
        }
    }
    const qint64 ns = clock.nsecsElapsed();
    g_sink = g_sink + static_cast<unsigned char>(ring[7][3]);
    return NsPerByte(ns, bytes);
}

double AppendNsPerByte(const std::vector<std::string>& lines, int repeat, bool ansi) {
    brxw::TextRing ring;
    ring.SetAnsiMode(ansi);
    QElapsedTimer clock;
    clock.start();
    std::size_t bytes = 0;
    for (int r = 0; r < repeat; ++r) {
        for (const std::string& line : lines) {
            ring.AppendText(line, kGreen);
            bytes += line.size();
        }
        ring.ClearDirty();
    }
    const qint64 ns = clock.nsecsElapsed();
    g_sink = g_sink + ring.Line(3).Cell(2);
    return NsPerByte(ns, bytes);
}

void BenchAppendText() {
    std::vector<std::string> lines;
    for (int i = 0; i < 1000; ++i) {
        lines.push_back(TrafficLine(i));
    }
    const int repeat = 200;
    for (const bool ansi : {false, true}) {
        std::vector<double> figures;
        std::vector<double> ratios;
        for (int run = 0; run < kRuns; ++run) {
            const double reference = MemcpyNsPerByte(lines, repeat);
            const double figure = AppendNsPerByte(lines, repeat, ansi);
            figures.push_back(figure);
            ratios.push_back(figure / reference);
        }
        Row("B3",
            ansi ? "AppendText ns/byte, 69-byte lines, ANSI ÷ memcpy"
                 : "AppendText ns/byte, 69-byte lines, DOS charset ÷ memcpy",
            figures, "ns/byte", ratios, "≤ 3");
    }
}

QFont FixedFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    return font;
}

// Sizes the window so that exactly 40 rows of 80 columns show.
void SizeFor80x40(QWidget& window, QWidget& viewport, int lineHeight, int charWidth) {
    window.resize(900, 900);
    const int frameW = window.width() - viewport.width();
    const int frameH = window.height() - viewport.height();
    window.resize(80 * charWidth + 8 + frameW + 20, 40 * lineHeight + frameH);
}

void BenchRepaint() {
    const QFont font = FixedFont();
    brxw::CTextWnd wnd;
    wnd.SetTextFont(font, true);
    wnd.show();
    SizeFor80x40(wnd, *wnd.viewport(), wnd.View().LineHeight(), wnd.View().CharWidth());
    QPlainTextEdit edit;
    edit.setFont(font);
    edit.setLineWrapMode(QPlainTextEdit::NoWrap);
    edit.setMaximumBlockCount(brxw::kRingLines);
    edit.show();
    edit.resize(wnd.size());
    for (int i = 0; i < 600; ++i) {
        std::string line = TrafficLine(i);
        wnd.AppendText(line, kGreen);
        line.pop_back();
        edit.appendPlainText(QString::fromLatin1(line.data(), qsizetype(line.size())));
    }
    QApplication::processEvents();
    wnd.FlushUpdates();
    QApplication::processEvents();

    QImage ownImage(wnd.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    QImage editImage(edit.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    const int paints = 200;
    std::vector<double> figures;
    std::vector<double> ratios;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < paints; ++i) {
            edit.viewport()->render(&editImage);
        }
        const double reference = double(clock.nsecsElapsed()) / paints;
        clock.restart();
        for (int i = 0; i < paints; ++i) {
            wnd.viewport()->render(&ownImage);
        }
        const double figure = double(clock.nsecsElapsed()) / paints;
        figures.push_back(figure / 1000.0);
        ratios.push_back(figure / reference);
    }
    std::printf("(B4 view: %d rows shown of %d × %d px)\n", wnd.View().PageLines(),
                wnd.viewport()->width(), wnd.viewport()->height());
    Row("B4", "full repaint of an 80 × 40 window ÷ QPlainTextEdit::render()", figures, "µs", ratios,
        "≤ 0.1");
}

void BenchAppendSpeed() {
    const QFont font = FixedFont();
    const int lines = 20000;
    const std::string block = TrafficBlock(lines);
    std::vector<QString> editLines;
    for (int i = 0; i < lines; ++i) {
        std::string line = TrafficLine(i);
        line.pop_back();
        editLines.push_back(QString::fromLatin1(line.data(), qsizetype(line.size())));
    }
    std::vector<double> figures;
    std::vector<double> ratios;
    for (int run = 0; run < kRuns; ++run) {
        brxw::CTextWnd wnd;
        wnd.SetTextFont(font, true);
        wnd.resize(700, 500);
        wnd.show();
        QPlainTextEdit edit;
        edit.setFont(font);
        edit.setMaximumBlockCount(brxw::kRingLines);
        edit.resize(700, 500);
        edit.show();
        QApplication::processEvents();

        QElapsedTimer clock;
        clock.start();
        for (const QString& line : editLines) {
            edit.appendPlainText(line);
        }
        QApplication::processEvents();
        const double reference = double(lines) / (double(clock.nsecsElapsed()) / 1e9);
        clock.restart();
        std::size_t at = 0;
        for (int i = 0; i < lines; ++i) {
            wnd.AppendText(std::string_view(block).substr(at, 69), kGreen);
            at += 69;
        }
        QApplication::processEvents();
        const double figure = double(lines) / (double(clock.nsecsElapsed()) / 1e9);
        figures.push_back(figure);
        ratios.push_back(figure / reference);
    }
    Row("B4", "append lines/s ÷ appendPlainText with a 500-block limit", figures, "lines/s", ratios,
        "≥ 20");
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    BenchAppendText();
    BenchRepaint();
    BenchAppendSpeed();
    return 0;
}
