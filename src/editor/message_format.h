// SPDX-License-Identifier: GPL-3.0-or-later
// What the message editor does to a text around the editing: the quote prefix and the signature
// when a message opens, the line breaking at 78 columns with its justification before a message
// is sent, and the diagnostic dump "debug_%d.txt". Texts are Windows code page bytes with carriage
// return plus line feed between lines, as the editor holds them.
//
// Plain functions, no window; the counter of the dumps is process-wide and thread-safe.
#pragma once

#include <QString>
#include <atomic>
#include <string>
#include <string_view>

namespace brxw {

inline constexpr std::size_t kMessageLineWidth = 78;

// The editor's settings as they apply to one message.
struct MessageOptions {
    bool prefix = true;
    bool signature = false;
    std::string signatureText;  // CR LF between lines
    bool breakLine = false;
    bool justification = true;
    bool ansiChar = false;
};

// An empty first line, and ">" in front of every line of the text; a text that ends with a
// line break ends with a line holding only ">". An empty text stays empty.
std::string QuotePrefix(std::string_view text);
// Prefix (when on and the text is not empty), then the signature (when on) appended as it is.
std::string PrepareMessage(std::string_view text, const MessageOptions& options);

// Spreads the blanks of a line shorter than 78 columns so that it is exactly 78 long. Leading
// blanks stay as they are; a line of a single word (or of blanks only) is returned unchanged.
std::string JustifyLine(std::string_view line);

// The bytes written for a message before it is sent: line feeds skipped, each carriage return
// a line end (CR LF), and a line that reaches 78 characters broken before its last blank (the
// blank dropped, the line justified when asked) or, without a blank, cut after 78 characters.
// The last line is written without a line end.
std::string BreakMessageLines(std::string_view text, bool justify);

// The dump of a text: per group of 16 bytes the offset ("%04d"), the bytes in hexadecimal, the
// printable ones (33 to 127) as themselves and the others as "."; one "\n" per line.
std::string DumpLines(std::string_view text);

// Numbers of the diagnostic dumps: 1, 2, ... A fresh counter starts at 1; the process has one.
class DumpCounter {
public:
    int Next();

private:
    std::atomic<int> m_next{1};
};
DumpCounter& ProcessDumpCounter();

// Writes the dump of text to "debug_N.txt" in directory, N the next number of the process-wide
// counter, readable by the owner alone. Returns its path; empty when the file could not be
// created or written, with the reason (path and system error) in *error when error is given.
QString WriteDiagnosticDump(const QString& directory, std::string_view text,
                            QString* error = nullptr);

}  // namespace brxw
