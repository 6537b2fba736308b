// SPDX-License-Identifier: GPL-3.0-or-later
// The message editor's formatting: quote prefix, signature, line breaking, justification and
// the diagnostic dump.
#include "editor/message_format.h"

#include "link/message_text.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace brxw {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (;;) {
        const std::size_t brk = text.find("\r\n", at);
        lines.push_back(text.substr(at, brk == std::string::npos ? std::string::npos : brk - at));
        if (brk == std::string::npos) {
            return lines;
        }
        at = brk + 2;
    }
}

std::vector<std::size_t> GapWidths(const std::string& line) {
    std::vector<std::size_t> gaps;
    for (std::size_t i = line.find_first_not_of(' '); i < line.size(); ++i) {
        if (line[i] == ' ' && line[i - 1] != ' ') {
            gaps.push_back(0);
        }
        if (line[i] == ' ') {
            ++gaps.back();
        }
    }
    return gaps;
}

TEST(MessageFormat, PrefixQuotesEveryLineAndSignatureFollowsTheLastOne) {
    MessageOptions options;
    options.prefix = true;
    options.signature = true;
    options.signatureText = "\r\n73 de Q0QQQ\r\n";
    EXPECT_EQ(PrepareMessage("first\r\nsecond", options),
              "\r\n>first\r\n>second\r\n73 de Q0QQQ\r\n");
    // A text that ends with a line break ends with a line holding only ">".
    EXPECT_EQ(QuotePrefix("a\r\nb\r\n"), "\r\n>a\r\n>b\r\n>");
    // A lone line feed or carriage return is no line break of the editor's.
    EXPECT_EQ(QuotePrefix("a\nb\rc"), "\r\n>a\nb\rc");
    // A new message (empty file) gets no prefix, only the signature.
    EXPECT_EQ(PrepareMessage("", options), options.signatureText);
    options.signature = false;
    EXPECT_EQ(PrepareMessage("", options), "");
    options.prefix = false;
    EXPECT_EQ(PrepareMessage("x\r\ny", options), "x\r\ny");
    // A signature longer than any stored value is appended whole.
    options.signature = true;
    options.signatureText = std::string(500, 's');
    EXPECT_EQ(PrepareMessage("x", options), "x" + std::string(500, 's'));
}

TEST(MessageFormat, LongParagraphBreaksBeforeItsLastBlankAndLongWordIsCut) {
    // 100 characters: words of nine letters and a blank.
    std::string paragraph;
    while (paragraph.size() < 100) {
        paragraph += std::string(9, char('a' + paragraph.size() / 10)) + ' ';
    }
    paragraph.resize(100);
    const auto lines = Lines(BreakMessageLines(paragraph, false));
    ASSERT_EQ(lines.size(), 2u);
    const std::size_t lastBlank = paragraph.substr(0, 78).rfind(' ');
    EXPECT_EQ(lines[0], paragraph.substr(0, lastBlank));
    EXPECT_EQ(lines[1], paragraph.substr(lastBlank + 1));

    const std::string word(90, 'w');
    EXPECT_EQ(BreakMessageLines(word, false), std::string(78, 'w') + "\r\n" + std::string(12, 'w'));
    EXPECT_EQ(BreakMessageLines(word, true), BreakMessageLines(word, false));

    // Line feeds are skipped, carriage returns end lines, the last line has no line end.
    EXPECT_EQ(BreakMessageLines("ab\r\n\r\ncd\r\n", true), "ab\r\n\r\ncd\r\n");
    EXPECT_EQ(BreakMessageLines("ab\ncd", true), "abcd");
}

TEST(MessageFormat, JustificationSpreadsBlanksToExactly78) {
    const std::string aabbcc = JustifyLine("aa bb cc");
    EXPECT_EQ(aabbcc, "aa" + std::string(36, ' ') + "bb" + std::string(36, ' ') + "cc");
    const std::string abcd = JustifyLine("a b c d");
    EXPECT_EQ(abcd, "a" + std::string(24, ' ') + "b" + std::string(25, ' ') + "c" +
                        std::string(25, ' ') + "d");
    // Leading blanks stay; a single word, blanks only, or a full line stay as they are.
    EXPECT_EQ(JustifyLine("   x y").substr(0, 4), "   x");
    EXPECT_EQ(JustifyLine("   x y").size(), 78u);
    EXPECT_EQ(JustifyLine("  word"), "  word");
    EXPECT_EQ(JustifyLine("    "), "    ");
    EXPECT_EQ(JustifyLine(""), "");
    // A trailing run of blanks is a gap of its own.
    EXPECT_EQ(JustifyLine("ab "), "ab" + std::string(76, ' '));
    // Every line of every shape comes out 78 long, its words in order.
    for (std::size_t words = 2; words < 30; ++words) {
        for (std::size_t width = 1; width * words + words - 1 < 78; width += 3) {
            std::string line;
            for (std::size_t w = 0; w < words; ++w) {
                line += (w ? " " : "") + std::string(width, char('a' + w % 26));
            }
            const std::string justified = JustifyLine(line);
            ASSERT_EQ(justified.size(), 78u) << line;
            const auto gaps = GapWidths(justified);
            ASSERT_EQ(gaps.size(), words - 1) << line;
            const auto [low, high] = std::minmax_element(gaps.begin(), gaps.end());
            EXPECT_LE(*high - *low, 1u) << line;
        }
    }
}

TEST(MessageFormat, OnlyLinesBrokenAtTheWidthAreJustified) {
    const std::string shortLine = "a short line\r\n";
    std::string paragraph;
    for (int i = 0; i < 20; ++i) {
        paragraph += "word ";
    }
    const auto lines = Lines(BreakMessageLines(shortLine + paragraph + "\r\nend", true));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "a short line");
    EXPECT_EQ(lines[1].size(), 78u);
    EXPECT_EQ(lines[1].substr(0, 5), "word ");
    EXPECT_EQ(lines[2], "word word word word word ");  // ended by its own carriage return
    EXPECT_EQ(lines[3], "end");
}

TEST(MessageFormat, HostileTextsBreakWithoutLosingBytes) {
    // 10 000-character lines, blanks in odd places, bytes of every value.
    std::string text;
    for (int i = 0; i < 10000; ++i) {
        text.push_back(i % 97 == 0 ? ' ' : char(1 + i % 255));
    }
    text += "\r\n" + std::string(200, ' ') + "\r\n" + std::string(10000, 'x');
    for (const bool justify : {false, true}) {
        const std::string out = BreakMessageLines(text, justify);
        std::string kept;
        for (const std::string& line : Lines(out)) {
            ASSERT_LE(line.size(), 78u);
            for (const char c : line) {
                if (c != ' ' && c != '\r' && c != '\n') {
                    kept.push_back(c);
                }
            }
        }
        std::string expected;
        for (const char c : text) {
            if (c != ' ' && c != '\r' && c != '\n') {
                expected.push_back(c);
            }
        }
        EXPECT_EQ(kept, expected) << justify;
    }
}

TEST(MessageFormat, DumpShowsOffsetsBytesAndPrintableCharacters) {
    const std::string text =
        "Hello, world!\r\n\x01"
        "\xe9wxy";  // 20 characters
    ASSERT_EQ(text.size(), 20u);
    const std::string dump = DumpLines(text);
    const std::string first =
        "0000 48 65 6c 6c 6f 2c 20 77 6f 72 6c 64 21 0d 0a 01 Hello,.world!...\n";
    ASSERT_EQ(dump.substr(0, first.size()), first);
    // The second line: four byte columns, twelve groups of three blanks, one blank, the text.
    EXPECT_EQ(dump.substr(first.size()), "0016 e9 77 78 79" + std::string(36, ' ') + " .wxy\n");
    EXPECT_EQ(DumpLines(""), "");
}

TEST(MessageFormat, DumpsAreNumberedByOneCounterFromOne) {
    DumpCounter fresh;
    EXPECT_EQ(fresh.Next(), 1);
    EXPECT_EQ(fresh.Next(), 2);

    QTemporaryDir dir;
    const QString first = WriteDiagnosticDump(dir.path(), "abc");
    const QString second = WriteDiagnosticDump(dir.path(), "def");
    ASSERT_FALSE(first.isEmpty());
    const int n = QFileInfo(first).baseName().mid(6).toInt();
    EXPECT_GE(n, 1);
    EXPECT_EQ(QFileInfo(second).fileName(), QStringLiteral("debug_%1.txt").arg(n + 1));
    QFile file(first);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    EXPECT_EQ(file.readAll(), QByteArray("0000 61 62 63") + QByteArray(39, ' ') + " abc\n");
    // A directory that cannot hold the file: the dump is skipped, the number used.
    EXPECT_TRUE(WriteDiagnosticDump(dir.path() + QStringLiteral("/missing"), "x").isEmpty());
    EXPECT_EQ(QFileInfo(WriteDiagnosticDump(dir.path(), "x")).fileName(),
              QStringLiteral("debug_%1.txt").arg(n + 3));
}

TEST(MessageFormat, MessageTextOnTheWireHoldsNoZeroByte) {
    // Plain text with a zero byte would start a framed record at the server.
    EXPECT_EQ(MessageWireText(std::string("a\0b\r\n", 5), true), std::string("ab\n\x1a\n"));
}

}  // namespace
}  // namespace brxw
