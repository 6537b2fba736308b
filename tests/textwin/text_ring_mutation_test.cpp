// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded random appends, scrolls, resizes, selections and searches against the ring and its view
// state.
// Appended bytes sit in heap buffers of their exact size, so a sanitizer build sees any read past
// them.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "text/charset.h"

#include "textwin/ring_search.h"
#include "textwin/text_view_state.h"

namespace brxw {
namespace {

TEST(TextRingMutation, RandomOperationsKeepTheRingSound) {
    std::mt19937 random(20240611);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    TextRing ring;
    TextViewState view(ring);
    RingSearch search;
    view.SetMetrics(14, 8);
    view.SetClientSize(640, 200);
    for (int step = 0; step < 20000; ++step) {
        const int x = pick(-50, 900);
        const int y = pick(-50, 400);
        switch (pick(0, 10)) {
            case 0:
            case 1:
            case 2: {
                const auto length = static_cast<std::size_t>(pick(0, pick(0, 1) ? 20 : 400));
                const std::unique_ptr<char[]> bytes(new char[length]);
                for (std::size_t i = 0; i < length; ++i) {
                    bytes[i] = static_cast<char>(pick(0, 6) == 0 ? '\n' : pick(0, 255));
                }
                view.AfterAppend(ring.AppendText({bytes.get(), length}, pick(0, 3) * 0x3F3F3Fu));
                break;
            }
            case 3:
                view.ScrollLines(pick(-600, 600));
                break;
            case 4:
                view.ScrollToThumb(pick(-10, 600));
                break;
            case 5:
                view.PressAt(view.PositionFromPoint(x, y), pick(0, 1) != 0);
                view.DragTo(view.PositionFromPoint(y, x), pick(0, 3) != 0);
                break;
            case 6:
                view.SelectWordAt(x, y, pick(0, 1) != 0);
                break;
            case 7:
                ASSERT_LE(view.CopyText().size(), std::size_t{kRingLines * (kLineColumns + 2)});
                if (pick(0, 5) == 0) {
                    view.SelectAll();
                }
                break;
            case 8:
                view.SetClientSize(x, pick(0, 1) ? y : pick(0, 9000));
                view.SetMetrics(pick(0, 9) ? 14 : pick(-2, 30), pick(0, 9) ? 8 : pick(-2, 20));
                break;
            case 9:
                ring.SetAnsiMode(pick(0, 1) != 0);
                break;
            case 10: {
                // Short needles of a few bytes, so that they are found now and then.
                std::string needle(static_cast<std::size_t>(pick(0, pick(0, 9) ? 3 : 90)), 'a');
                for (char& c : needle) {
                    c = static_cast<char>(pick(0, 1) ? pick(0, 255) : 'a' + pick(0, 2));
                }
                search.SetPattern(needle, pick(0, 1) != 0);
                const bool forward = pick(0, 1) != 0;
                const FindOrigin origin = pick(0, 3) ? view.SearchOrigin(forward)
                                                     : FindOrigin{pick(-9, 509), pick(-9, 89)};
                const FindResult found = search.Find(ring, origin, forward);
                if (found.outcome != FindOutcome::kNotFound) {
                    const RingMatch& m = found.match;
                    ASSERT_TRUE(m.from >= 0 && m.from < m.to && m.to <= kLineColumns) << step;
                    view.SelectColumns(m.slot, m.from, m.to);
                    view.ScrollIntoView(m.slot);
                    ASSERT_GE(view.RowOfSlot(m.slot), view.PageLines() > 0 ? 0 : -1) << step;
                }
                view.SetClientSizeKeepingTop(x, pick(0, 1) ? y : pick(0, 900));
                break;
            }
        }
        ASSERT_LT(ring.WriteColumn(), kLineColumns) << step;
        ASSERT_LE(ring.LineCount(), kRingLines) << step;
        ASSERT_LE(view.PageLines() + view.Distance(), kRingLines) << step;
        ASSERT_GE(view.ScrollBar().position, 0) << step;
        for (int end : {view.CurrentSelection().anchor, view.CurrentSelection().end}) {
            ASSERT_GE(end, 0) << step;
            ASSERT_LT(end, kRingLines * kLineColumns) << step;
        }
        const ColumnRange range =
            ring.SelectedColumns(pick(0, kRingLines - 1), view.CurrentSelection());
        ASSERT_TRUE(range.from >= 0 && range.to <= kLineColumns) << step;
    }
}

// Runs of bytes are copied and converted in one go; the cells must come out as if every byte
// had been stored alone: a line feed ends the line, a byte in column 79 ends it too, and outside
// ANSI mode every byte above 127 goes through the code-page table, at every offset of a run.
TEST(TextRingMutation, RunsOfBytesStoreAsByteByByte) {
    std::mt19937 random(713);
    for (const bool ansi : {false, true}) {
        TextRing ring;
        ring.SetAnsiMode(ansi);
        std::vector<std::string> expected(1);
        for (int call = 0; call < 3000; ++call) {
            std::string bytes(std::uniform_int_distribution<std::size_t>(1, 200)(random), 'a');
            for (char& byte : bytes) {
                const int kind = std::uniform_int_distribution<int>(0, 40)(random);
                byte = static_cast<char>(kind == 0   ? '\n'
                                         : kind == 1 ? 0x80 + call * 37 % 128
                                                     : 0x20 + kind * 3 % 95);
                if (byte == '\n') {
                    expected.emplace_back();
                    continue;
                }
                const auto cell = static_cast<unsigned char>(byte);
                expected.back().push_back(static_cast<char>(ansi ? cell : OemToAnsi(cell)));
                if (expected.back().size() == kLineColumns) {
                    expected.emplace_back();
                }
            }
            ring.AppendText(bytes, 1);
        }
        ASSERT_EQ(ring.WriteColumn(), static_cast<int>(expected.back().size()));
        for (int age = 0; age < kRingLines; ++age) {
            std::string cells = expected[expected.size() - kRingLines + age];
            cells.resize(kLineColumns, ' ');
            ASSERT_EQ(ring.Line(ring.SlotAtAge(age)).Cells(), cells) << "age " << age;
        }
    }
}

}  // namespace
}  // namespace brxw
