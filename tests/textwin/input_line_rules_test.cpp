// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/input_line_rules.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace brxw {

void PrintTo(const InputLine& line, std::ostream* os) {
    *os << '"' << line.text << "\" sel " << line.selStart << ".." << line.selEnd;
}

namespace {

// An input written with markers: '|' is the caret, '[' and ']' the selection's ends.
InputLine Marked(const std::string& marked) {
    InputLine line;
    for (const char c : marked) {
        const int here = static_cast<int>(line.text.size());
        if (c == '|') {
            line.selStart = line.selEnd = here;
        } else if (c == '[') {
            line.selStart = here;
        } else if (c == ']') {
            line.selEnd = here;
        } else {
            line.text.push_back(c);
        }
    }
    return line;
}

const std::string k70(70, 'a');
const std::string k79(79, 'x');
// 79 characters whose last blank is at index 70.
const std::string kWrapped = k70 + " bbbbbbbb";

struct TypingCase {
    const char* name;
    std::string before;
    unsigned char code;
    std::string after;
    std::vector<std::string> sent;
    bool beep = false;
};

class Typing : public ::testing::TestWithParam<TypingCase> {};

TEST_P(Typing, SendsAndEditsAsTheRulesSay) {
    const TypingCase& c = GetParam();
    InputLine line = Marked(c.before);
    const TypingOutcome outcome = TypeCharacter(line, c.code);
    EXPECT_EQ(line, Marked(c.after));
    EXPECT_EQ(outcome.sent, c.sent);
    EXPECT_EQ(outcome.beep, c.beep);
    EXPECT_FALSE(outcome.copyView);
}

INSTANTIATE_TEST_SUITE_P(
    InputLine, Typing,
    ::testing::Values(
        // Enter: the caret line goes out whole; the caret moves on, the text stays.
        TypingCase{"EnterOnLastLine", "abc|", kEnterCode, "abc\n|", {"abc\n"}},
        TypingCase{"EnterOnEmptyLastLine", "abc\n|", kEnterCode, "abc\n|", {"\n"}},
        TypingCase{
            "EnterMidEarlierLine", "ab|c\ndef\nghi", kEnterCode, "abc\ndef|\nghi", {"abc\n"}},
        TypingCase{"EnterOnLineBeforeLast", "abc\nd|ef", kEnterCode, "abc\ndef\n|", {"def\n"}},
        TypingCase{"EnterSendsUnselectedOnly", "a[bc]d\nxy", kEnterCode, "abcd\nxy|", {"ad\n"}},
        TypingCase{"EnterSelectionAcrossLines", "ab[c\nde]f", kEnterCode, "abc\ndef|", {"ab\n"}},
        TypingCase{"LetterInserted", "ab|c", 'x', "abx|c", {}},
        TypingCase{"LetterReplacesSelection", "a[bc]d", 'x', "ax|d", {}},
        TypingCase{"BackspaceDeletesByte", "ab|", kBackspaceCode, "a|", {}},
        TypingCase{"BackspaceDeletesSelection", "a[bc]", kBackspaceCode, "a|", {}},
        TypingCase{"BackspaceJoinsLines", "ab\n|cd", kBackspaceCode, "ab|cd", {}},
        TypingCase{"FullLineWithSelectionTakesLetter",
                   k79.substr(0, 77) + "[xx]",
                   'y',
                   k79.substr(0, 77) + "y|",
                   {}},
        // A full line: the line is sent before the character goes in.
        TypingCase{"WrapAtLastBlank", kWrapped + "|", 'z', k70 + "\nbbbbbbbbz|", {k70 + "\n"}},
        TypingCase{"WrapWithoutBlank", k79 + "|", 'z', k79 + "\nz|", {k79 + "\n"}},
        TypingCase{
            "BlankAtEndSendsLine", kWrapped + "|", kBlankCode, kWrapped + "\n|", {kWrapped + "\n"}},
        TypingCase{"BackspaceAtEndWraps",
                   kWrapped + "|",
                   kBackspaceCode,
                   k70 + "\nbbbbbbb|",
                   {k70 + "\n"}},
        TypingCase{
            "BackspaceWithoutBlankDeletes", k79 + "|", kBackspaceCode, k79.substr(1) + "|", {}},
        TypingCase{"LeadingBlankIsNoBreak",
                   " " + k79.substr(1) + "|",
                   'z',
                   " " + k79.substr(1) + "\nz|",
                   {" " + k79.substr(1) + "\n"}},
        TypingCase{
            "WrapOnEarlierLine", kWrapped + "|\ncc", 'z', k70 + "\nbbbbbbbbz|cc", {k70 + "\n"}},
        TypingCase{"NoBlankOnEarlierLine", k79 + "|\ncc", 'z', k79 + "\nccz|", {k79 + "\n"}},
        TypingCase{"LongPastedLineWraps", k79 + " yy|", 'z', k79 + "\nyyz|", {k79 + "\n"}},
        // Anywhere else in a full line a character is refused.
        TypingCase{
            "CaretBeforeEndBeeps", k79.substr(1) + "|x", 'z', k79.substr(1) + "|x", {}, true},
        TypingCase{"BackspaceBeforeEndBeeps",
                   "x|" + k79.substr(1),
                   kBackspaceCode,
                   "x|" + k79.substr(1),
                   {},
                   true},
        TypingCase{"SelectionNotAtEndBeeps", "[x]" + k79, 'z', "[x]" + k79, {}, true}),
    [](const ::testing::TestParamInfo<TypingCase>& info) { return std::string(info.param.name); });

std::string Lines(int from, int to) {
    std::string text;
    for (int i = from; i <= to; ++i) {
        text += "l" + std::to_string(i) + (i < to ? "\n" : "");
    }
    return text;
}

TEST(InputLineLimit, TwentyFirstLineDropsTheFirstAndKeepsTheCaret) {
    // Typing on: the line break after the 20th line would make 21 lines.
    InputLine typing = Marked(Lines(1, 20) + "|");
    EXPECT_EQ(TypeCharacter(typing, kEnterCode).sent, std::vector<std::string>{"l20\n"});
    EXPECT_EQ(typing, Marked(Lines(2, 20) + "\n|"));
    EXPECT_EQ(InputLineCount(typing.text), kInputLineMaxLines);

    // Sending an earlier line of an over-full input: the caret stays after the same text.
    InputLine earlier = Marked(Lines(1, 4) + "|\n" + Lines(5, 22));
    TypeCharacter(earlier, kEnterCode);
    EXPECT_EQ(earlier, Marked(Lines(2, 5) + "|\n" + Lines(6, 22)));

    // A word carried over after the drop lands on the new last line, not shifted by the drop.
    InputLine wrapping = Marked(Lines(1, 19) + "\n" + kWrapped + "|");
    EXPECT_EQ(TypeCharacter(wrapping, 'z').sent, std::vector<std::string>{k70 + "\n"});
    EXPECT_EQ(wrapping, Marked(Lines(2, 19) + "\n" + k70 + "\nbbbbbbbbz|"));
}

TEST(InputLine, CtrlCOnlyAsksForTheViewsCopy) {
    InputLine line = Marked("a[bc]d");
    const InputLine before = line;
    const TypingOutcome outcome = TypeCharacter(line, kCopyCode);
    EXPECT_TRUE(outcome.copyView);
    EXPECT_TRUE(outcome.sent.empty());
    EXPECT_EQ(line, before);
}

TEST(InputLine, CaretLineTextIsTheWholeLine) {
    EXPECT_EQ(CaretLineText(Marked("one\ntw|o\nthree")), "two");
    EXPECT_EQ(CaretLineText(Marked("one\n[two\nth]ree")), "two");
    EXPECT_EQ(CaretLineText(Marked("|")), "");
    EXPECT_EQ(CaretLineText(Marked("one\n|")), "");
}

TEST(InputLine, OffsetsOutsideTheTextAreRepaired) {
    InputLine line{"abc\ndef", 99, -3};
    EXPECT_EQ(TypeCharacter(line, kEnterCode).sent, std::vector<std::string>{"\n"});
    EXPECT_EQ(line, Marked("abc\ndef|"));
    EXPECT_EQ(CaretLineText({"abc", -5, 40}), "abc");
}

}  // namespace
}  // namespace brxw
