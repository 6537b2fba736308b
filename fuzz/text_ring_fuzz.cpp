// SPDX-License-Identifier: GPL-3.0-or-later
// The scrollback of a text window: appends of any bytes in any colour interleaved with charset
// switches, scrolling, resizing, mouse selection, word selection, select all, copy and print, as
// the text window drives its ring and view state.
//
// Input: operations, each an opcode byte and its arguments.
// Properties: the ring holds exactly what a plain model of the append rules says (bytes, line
// ends, 500-line reuse, one colour change per line, the charset tables); no cell ever holds a line
// feed; the view never shows below the newest line or above the oldest, and follows the output
// while it shows the newest line; positions stay in the ring; a double-clicked word copies as its
// bytes with no line break; select all copies every slot as one line; a copy within one slot has
// no line end and one across slots ends each slot's part with CR LF; printing gives the same
// lines.
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "link/traffic_colour.h"
#include "text/charset.h"
#include "textwin/print_layout.h"
#include "textwin/text_ring.h"
#include "textwin/text_view_state.h"

namespace brxw {
namespace {

// The append rules stated plainly, over a copy of the ring.
struct Model {
    struct Line {
        Line() { text.fill(' '); }
        std::string_view Cells() const { return {text.data(), text.size()}; }
        std::array<char, kLineColumns> text;
        Colour start = kFreshStartColour;
        Colour second = 0;
        int change = 0;
    };
    std::array<Line, kRingLines> lines;
    int writeLine = 0;
    int writeColumn = 0;
    int lineCount = 1;
    bool ansi = false;

    void EndLine() {
        writeColumn = 0;
        lineCount = std::min(lineCount + 1, kRingLines);
        writeLine = (writeLine + 1) % kRingLines;
        lines[static_cast<std::size_t>(writeLine)].text.fill(' ');
    }

    void Append(std::string_view bytes, Colour colour) {
        std::size_t next = 0;
        while (next < bytes.size()) {
            Line& line = lines[static_cast<std::size_t>(writeLine)];
            if (writeColumn == 0) {
                line.text.fill(' ');
                line.start = colour;
                line.change = 0;
            } else if (colour != line.start) {
                line.second = colour;
                line.change = writeColumn;
            }
            bool ended = false;
            while (next < bytes.size() && !ended) {
                const auto byte = static_cast<unsigned char>(bytes[next++]);
                if (byte == '\n') {
                    ended = true;
                } else {
                    line.text[static_cast<std::size_t>(writeColumn)] =
                        static_cast<char>(ansi ? byte : OemToAnsi(byte));
                    ended = writeColumn == kLineColumns - 1;
                    if (!ended) {
                        ++writeColumn;
                    }
                }
            }
            if (ended) {
                EndLine();
            }
        }
    }

    void SetAnsi(bool on) {
        if (on == ansi) {
            return;
        }
        ansi = on;
        // The tables once, not 40 000 calls per switch.
        static const auto kTables = [] {
            std::array<std::array<char, 256>, 2> tables{};
            for (int b = 0; b < 256; ++b) {
                tables[0][static_cast<std::size_t>(b)] =
                    static_cast<char>(OemToAnsi(static_cast<unsigned char>(b)));
                tables[1][static_cast<std::size_t>(b)] =
                    static_cast<char>(AnsiToOem(static_cast<unsigned char>(b)));
            }
            return tables;
        }();
        const std::array<char, 256>& table = kTables[on ? 1 : 0];
        for (Line& line : lines) {
            for (char& c : line.text) {
                c = table[static_cast<unsigned char>(c)];
            }
        }
    }
};

// Compares a stored line's cells with the model's and looks for a line feed among them. This
// runs over the whole ring after every input, so it is kept out of the sanitizers (the
// bounds are fixed) and written without branches, which lets the compiler compare many cells
// at a time.
#if defined(__clang__)
#define BRXW_UNCHECKED __attribute__((no_sanitize("address", "undefined", "coverage")))
#else
#define BRXW_UNCHECKED __attribute__((no_sanitize("address", "undefined")))
#endif
BRXW_UNCHECKED bool SameCells(const char* got, const char* want, bool& lineFeed) {
    unsigned difference = 0;
    unsigned feeds = 0;
    for (int column = 0; column < kLineColumns; ++column) {
        difference |= static_cast<unsigned char>(got[column] ^ want[column]);
        feeds |= static_cast<unsigned>(got[column] == '\n');
    }
    lineFeed = feeds != 0;
    return difference == 0;
}

void CheckSlot(const TextRing& ring, const Model& model, int slot) {
    const TextLine& got = ring.Line(slot);
    const Model::Line& want = model.lines[static_cast<std::size_t>(slot)];
    bool lineFeed = false;
    const bool same = SameCells(got.text.data(), want.text.data(), lineFeed);
    FUZZ_CHECK(!lineFeed, "a line feed stored");
    FUZZ_CHECK(same, "slot " + std::to_string(slot) + " holds " + fuzz::Show(got.Cells()) +
                         ", expected " + fuzz::Show(want.Cells()));
    FUZZ_CHECK(got.text[kLineColumns] == '\0', "slot without its terminator");
    FUZZ_CHECK(got.startColour == want.start && got.changeColumn == want.change &&
                   (want.change == 0 || got.secondColour == want.second),
               "slot " + std::to_string(slot) + " colours");
}

void CheckRing(const TextRing& ring, const Model& model, bool everySlot) {
    FUZZ_CHECK(ring.WriteLine() == model.writeLine && ring.WriteColumn() == model.writeColumn &&
                   ring.LineCount() == model.lineCount && ring.AnsiMode() == model.ansi,
               "write position or line count");
    if (everySlot) {
        for (int slot = 0; slot < kRingLines; ++slot) {
            CheckSlot(ring, model, slot);
        }
    } else {
        CheckSlot(ring, model, model.writeLine);
        CheckSlot(ring, model, WrapSlot(model.writeLine - 1));
    }
}

void CheckView(const TextRing& ring, const TextViewState& view) {
    FUZZ_CHECK(view.PageLines() >= 0 && view.PageLines() <= kRingLines, "page lines");
    FUZZ_CHECK(view.BottomLine() >= 0 && view.BottomLine() < kRingLines, "bottom line");
    // The bottom row shows a stored line: never below the newest, never above the oldest.
    FUZZ_CHECK(ring.AgeOf(view.BottomLine()) >= kRingLines - ring.LineCount(),
               "the view shows below the newest or above the oldest line");
    const ScrollBarState bar = view.ScrollBar();
    FUZZ_CHECK(bar.minimum == 0 && bar.maximum == ring.LineCount() - 1 &&
                   bar.page == view.PageLines() && bar.position >= 0 &&
                   bar.position <= std::max(0, ring.LineCount() - view.PageLines()),
               "scroll bar");
    const Selection& sel = view.CurrentSelection();
    constexpr int kPositions = kRingLines * kLineColumns;
    FUZZ_CHECK(sel.anchor >= 0 && sel.anchor < kPositions && sel.end >= 0 && sel.end < kPositions,
               "selection outside the ring");
}

int Spanned(const TextRing& ring, const Selection& sel) {
    return std::abs(ring.AgeOf(SlotOf(sel.anchor)) - ring.AgeOf(SlotOf(sel.end))) + 1;
}

// Copy and print of the current selection; wordCopy: the selection is a double-clicked word.
void CheckCopy(const TextRing& ring, TextViewState& view, bool wordCopy) {
    const Selection sel = view.CurrentSelection();
    const std::string text = view.CopyText();
    const std::vector<PrintLine> printed = view.PrintLines();
    const Selection ordered = view.CurrentSelection();
    FUZZ_CHECK(ordered.anchor == std::min(sel.anchor, sel.end) &&
                   ordered.end == std::max(sel.anchor, sel.end),
               "copy did not order the selection ends");
    if (sel.Empty()) {
        FUZZ_CHECK(text.empty() && printed.empty(), "an empty selection copied or printed");
        return;
    }
    const std::size_t lineEnds =
        static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    if (wordCopy) {
        FUZZ_CHECK(lineEnds == 0 && text.find('\r') == std::string::npos && !text.empty(),
                   "a copied word holds a line break: " + fuzz::Show(text));
        FUZZ_CHECK(printed.size() == 1 && printed[0].text == text, "a word prints otherwise");
        return;
    }
    if (SlotOf(sel.anchor) == SlotOf(sel.end)) {
        FUZZ_CHECK(lineEnds == 0, "a copy within one line holds a line end");
        FUZZ_CHECK(
            printed.size() == (text.empty() ? 0u : 1u) && (text.empty() || printed[0].text == text),
            "one line prints otherwise than it copies");
        return;
    }
    const std::size_t spanned = static_cast<std::size_t>(Spanned(ring, ordered));
    FUZZ_CHECK(lineEnds == spanned && text.size() >= 2 && text.substr(text.size() - 2) == "\r\n",
               "a copy across " + std::to_string(spanned) + " lines has " +
                   std::to_string(lineEnds) + " line ends");
    FUZZ_CHECK(printed.size() == spanned, "print lines differ from copied lines");
    std::string joined;
    for (const PrintLine& line : printed) {
        FUZZ_CHECK(line.text.empty() || line.text.back() != ' ',
                   "a print line with trailing blanks");
        joined += line.text + "\r\n";
    }
    FUZZ_CHECK(joined == text, "print and copy differ");
}

}  // namespace
}  // namespace brxw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brxw;
    fuzz::ByteReader in(data, size);
    TextRing ring;
    TextViewState view(ring);
    Model model;
    view.SetMetrics(15, 8);
    view.SetClientSize(640, 150 + in.Byte() * 8);
    int operations = 0;
    int burstLines = 0;
    // Operations that walk the whole ring (a charset switch, select all, a long copy) take a
    // millisecond under the sanitizers: one per input keeps the target fast.
    int wholeRingChecks = 0;
    // The double-clicked word while it is still the selection (in either order).
    std::optional<Selection> word;
    while (!in.Empty() && ++operations < 128) {
        const Selection before = view.CurrentSelection();
        bool wordSelected = false;
        int op = in.Byte() % 14;
        if ((op == 3 || op == 10 || op == 11) && ++wholeRingChecks > 1) {
            op = 8;
        }
        switch (op) {
            case 0:
            case 1: {
                const std::uint8_t code = in.Byte();
                const Colour colour = code < 16 ? TrafficColour(code) : code * 0x010101u;
                const fuzz::ExactText bytes(in.Piece());
                const bool wasFollowing = view.Following();
                view.AfterAppend(ring.AppendText(bytes.View(), colour));
                model.Append(bytes.View(), colour);
                if (wasFollowing) {
                    FUZZ_CHECK(view.Following(), "the view stopped following the output");
                }
                break;
            }
            case 2: {
                // Many lines at once, to reuse the ring.
                const std::size_t length = in.Byte() % 100;
                const std::string line(length, static_cast<char>(in.Byte()));
                const int count = std::min(in.Byte() * 3, 600 - burstLines);
                burstLines += count;
                for (int i = 0; i < count; ++i) {
                    view.AfterAppend(ring.AppendText(line + "\n", 0));
                    model.Append(line + "\n", 0);
                }
                break;
            }
            case 3: {
                const bool ansi = in.Bool();
                FUZZ_CHECK(ring.SetAnsiMode(ansi) == (ansi != model.ansi), "charset switch result");
                model.SetAnsi(ansi);
                CheckRing(ring, model, true);
                break;
            }
            case 4: {
                const int n = static_cast<signed char>(in.Byte());
                const int moved = view.ScrollLines(n);
                FUZZ_CHECK(n >= 0 ? (moved >= 0 && moved <= n) : (moved <= 0 && moved >= n),
                           "scrolled further than asked");
                break;
            }
            case 5:
                view.ScrollToThumb(static_cast<std::int16_t>(in.Word()));
                break;
            case 6: {
                const int x = in.Word() % 1000 - 100;
                const int y = in.Word() % 8000 - 100;
                view.PressAt(view.PositionFromPoint(x, y), in.Bool());
                break;
            }
            case 7: {
                const int x = in.Word() % 1000 - 100;
                const int y = in.Word() % 8000 - 100;
                view.DragTo(view.PositionFromPoint(x, y), in.Bool());
                break;
            }
            case 8:
                view.Release();
                break;
            case 9: {
                const int x = in.Word() % 700;
                const int y = in.Word() % 8000;
                view.SelectWordAt(x, y, in.Bool());
                view.Release();
                CheckCopy(ring, view, true);
                wordSelected = true;
                break;
            }
            case 10: {
                view.SelectAll();
                const Selection sel = view.CurrentSelection();
                FUZZ_CHECK(Spanned(ring, sel) == kRingLines, "select all misses lines");
                std::string expected;
                for (int age = 0; age < kRingLines; ++age) {
                    const int slot = ring.SlotAtAge(age);
                    std::string_view cells = model.lines[static_cast<std::size_t>(slot)].Cells();
                    if (slot == model.writeLine) {
                        cells = cells.substr(0, kLineColumns - 1);
                    }
                    expected.append(cells.substr(0, TrimmedLength(cells))).append("\r\n");
                }
                FUZZ_CHECK(view.CopyText() == expected, "select all does not copy every line");
                break;
            }
            case 11:
                CheckCopy(ring, view, word.has_value());
                break;
            case 12:
                view.ClearSelection();
                FUZZ_CHECK(view.CurrentSelection().Empty() && view.CopyText().empty(),
                           "a cleared selection copies");
                break;
            default: {
                // One read per statement: the order of a call's arguments is the compiler's.
                const int lineHeight = in.Byte() % 40;
                const int charWidth = in.Byte() % 20;
                view.SetMetrics(lineHeight, charWidth);
                const int width = in.Word() % 2000;
                const int height = in.Word() % 9000;
                view.SetClientSize(width, height);
                break;
            }
        }
        const Selection after = view.CurrentSelection();
        if (after != before && after != Selection{before.end, before.anchor}) {
            word.reset();
        }
        if (wordSelected) {
            word = after;
        }
        CheckRing(ring, model, false);
        CheckView(ring, view);
    }
    CheckRing(ring, model, true);
    return 0;
}
