// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/input_line_rules.h"

#include <algorithm>
#include <utility>

namespace brxw {
namespace {

// One line of the input: its index, the offset of its first byte and its length without '\n'.
struct LineSpan {
    int index = 0;
    int start = 0;
    int length = 0;
    int End() const { return start + length; }
};

int Size(const std::string& text) {
    return static_cast<int>(text.size());
}

LineSpan LineAt(const std::string& text, int pos) {
    LineSpan span;
    int start = pos;
    while (start > 0 && text[static_cast<std::size_t>(start - 1)] != '\n') {
        --start;
    }
    int end = pos;
    while (end < Size(text) && text[static_cast<std::size_t>(end)] != '\n') {
        ++end;
    }
    span.index = static_cast<int>(std::count(text.begin(), text.begin() + start, '\n'));
    span.start = start;
    span.length = end - start;
    return span;
}

// Offsets from a widget may be stale or reversed; the rules only ever see a valid selection.
void Repair(InputLine& line) {
    const int size = Size(line.text);
    line.selStart = std::clamp(line.selStart, 0, size);
    line.selEnd = std::clamp(line.selEnd, 0, size);
    if (line.selStart > line.selEnd) {
        std::swap(line.selStart, line.selEnd);
    }
}

void SetCaret(InputLine& line, int pos) {
    line.selStart = pos;
    line.selEnd = pos;
}

// The characters of the caret line that typing would keep: all but the selected ones.
int UnselectedCount(const InputLine& line, const LineSpan& span) {
    return span.length - (std::min(line.selEnd, span.End()) - line.selStart);
}

std::string UnselectedText(const InputLine& line, const LineSpan& span) {
    const auto at = [&](int offset) { return static_cast<std::size_t>(offset); };
    const int tailFrom = std::min(line.selEnd, span.End());
    std::string text = line.text.substr(at(span.start), at(line.selStart - span.start));
    text.append(line.text, at(tailFrom), at(span.End() - tailFrom));
    return text;
}

// The line-send step: sends the caret line's unselected characters and moves on. On the last
// line the caret goes to the end, and a line break follows unless the line was empty; on an
// earlier line the caret goes to the next line, to its end or (caretToLineEnd false, while a word
// is being carried over) to its start. The text above the caret then loses its first line when
// the input holds more than it keeps.
void SendCaretLine(InputLine& line, bool caretToLineEnd, TypingOutcome& out) {
    const LineSpan span = LineAt(line.text, line.selStart);
    out.sent.push_back(UnselectedText(line, span) + "\n");
    if (span.End() == Size(line.text)) {
        if (span.length > 0) {
            line.text.push_back('\n');
        }
        SetCaret(line, Size(line.text));
    } else {
        const LineSpan next = LineAt(line.text, span.End() + 1);
        SetCaret(line, caretToLineEnd ? next.End() : next.start);
    }
    if (InputLineCount(line.text) > kInputLineMaxLines) {
        // The caret is at least on the second line here, so it stays on the same character.
        const int removed = static_cast<int>(line.text.find('\n')) + 1;
        line.text.erase(0, static_cast<std::size_t>(removed));
        SetCaret(line, std::max(0, line.selEnd - removed));
    }
}

// What the edit control does with a character by itself.
void EditAsUsual(InputLine& line, unsigned char code) {
    const auto at = [](int offset) { return static_cast<std::size_t>(offset); };
    if (code == kBackspaceCode) {
        if (line.selStart < line.selEnd) {
            line.text.erase(at(line.selStart), at(line.selEnd - line.selStart));
            SetCaret(line, line.selStart);
        } else if (line.selEnd > 0) {
            line.text.erase(at(line.selEnd - 1), 1);
            SetCaret(line, line.selEnd - 1);
        }
        return;
    }
    line.text.replace(at(line.selStart), at(line.selEnd - line.selStart), 1,
                      static_cast<char>(code));
    SetCaret(line, line.selStart + 1);
}

}  // namespace

int InputLineCount(std::string_view text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
}

std::string CaretLineText(const InputLine& line) {
    InputLine repaired = line;
    Repair(repaired);
    const LineSpan span = LineAt(repaired.text, repaired.selStart);
    return repaired.text.substr(static_cast<std::size_t>(span.start),
                                static_cast<std::size_t>(span.length));
}

TypingOutcome TypeCharacter(InputLine& line, unsigned char code) {
    TypingOutcome out;
    Repair(line);
    if (code == kCopyCode) {
        out.copyView = true;
        return out;
    }
    if (code == kEnterCode) {
        SendCaretLine(line, true, out);
        return out;
    }

    const LineSpan span = LineAt(line.text, line.selStart);
    const int kept = UnselectedCount(line, span);
    if (kept < kInputLineColumns) {
        EditAsUsual(line, code);
        return out;
    }
    if (line.selEnd != span.start + kept) {
        out.beep = true;
        return out;
    }
    if (code == kBlankCode) {
        SendCaretLine(line, true, out);
        return out;
    }

    // A full line and the caret at its end: the line is sent before the character goes in. A
    // blank at index 0 has nothing before it to send, so it does not count as a break.
    const std::string_view lineText = std::string_view(line.text).substr(
        static_cast<std::size_t>(span.start), static_cast<std::size_t>(span.length));
    const std::size_t blank = lineText.rfind(' ');
    if (blank == std::string_view::npos || blank == 0) {
        if (code == kBackspaceCode) {
            // Sending here would only have the Backspace take back the new line break, leaving
            // the same full line to be sent again by the next Backspace: delete as usual instead.
            EditAsUsual(line, code);
            return out;
        }
        SendCaretLine(line, true, out);
        EditAsUsual(line, code);
        return out;
    }

    // Break before the last word: the text up to the blank is sent, the word moves on to the
    // next line and the character follows it.
    const std::string word(lineText.substr(blank + 1));
    const int cut = span.start + static_cast<int>(blank);
    line.text.erase(static_cast<std::size_t>(cut), static_cast<std::size_t>(span.End() - cut));
    SetCaret(line, cut);
    SendCaretLine(line, false, out);
    line.text.insert(static_cast<std::size_t>(line.selEnd), word);
    SetCaret(line, line.selEnd + static_cast<int>(word.size()));
    EditAsUsual(line, code);
    return out;
}

}  // namespace brxw
