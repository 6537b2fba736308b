// SPDX-License-Identifier: GPL-3.0-or-later
// InputLine and TypeCharacter: the typing rules of the console's input line, stated on plain
// bytes so that every rule is testable without a window.
//
// Console commands are typed line by line and each line is sent when it is finished, never key
// by key. A line holds at most 79 characters: a character typed at the end of a full line sends
// the line first (breaking it before its last word when it has a blank), anywhere else in a full
// line it is refused with a beep. Enter sends the caret line; the input keeps its last 20 lines
// so earlier commands can be sent again.
//
// The text is Windows code page bytes, lines separated by '\n', whatever the console's charset
// setting: conversion to the OEM code page is the sender's business. Free functions and plain
// structs; CInputEdit (the widget) keeps the text, any thread may run the rules on a copy.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brxw {

// Characters a line may hold before typing at its end sends it.
inline constexpr int kInputLineColumns = 79;
// Lines the input keeps; the oldest goes when a send makes one more.
inline constexpr int kInputLineMaxLines = 20;

// Character codes with a rule of their own; every other code is a character to insert.
inline constexpr unsigned char kCopyCode = 3;       // Ctrl+C
inline constexpr unsigned char kBackspaceCode = 8;  // Backspace
inline constexpr unsigned char kEnterCode = 13;     // Enter
inline constexpr unsigned char kBlankCode = 0x20;

// The input's text and selection. Offsets are byte offsets into text with 0 <= selStart <=
// selEnd <= text.size(); the caret is at selEnd. The rules repair offsets outside that range
// before they use them.
struct InputLine {
    std::string text;
    int selStart = 0;
    int selEnd = 0;
    bool operator==(const InputLine&) const = default;
};

// What typing one character asks of the window around the input.
struct TypingOutcome {
    // Lines to send, in order, each ending in "\n", still in the Windows code page.
    std::vector<std::string> sent;
    bool beep = false;
    // Ctrl+C: the console's text view copies its own selection.
    bool copyView = false;
    bool operator==(const TypingOutcome&) const = default;
};

// Applies one typed character to line: the send, wrap, refusal and line-limit rules, and the
// ordinary editing of the character (insertion replacing the selection, Backspace deleting it or
// the byte before the caret).
TypingOutcome TypeCharacter(InputLine& line, unsigned char code);

// The whole line holding the caret (the selection's start), without its '\n'.
std::string CaretLineText(const InputLine& line);

// The number of lines: one more than the line feeds.
int InputLineCount(std::string_view text);

}  // namespace brxw
