// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded mutations of station lines and counter payloads. Each input is copied into a heap
// buffer of exactly its size, so AddressSanitizer reports any read past its end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "panel/counters.h"
#include "panel/station_list.h"

namespace brxw {
namespace {

class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : m_random(seed) {}

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    std::string Mutate(std::string text) {
        for (int steps = Pick(1, 4); steps > 0; --steps) {
            const auto at = static_cast<std::size_t>(Pick(0, static_cast<int>(text.size())));
            const auto n = static_cast<std::size_t>(Pick(1, 300));
            switch (Pick(0, 5)) {
                case 0:
                    text.insert(at, 1, static_cast<char>(Pick(0, 255)));
                    break;
                case 1:
                    text.erase(at, n % 6);
                    break;
                case 2:
                    text.resize(at);
                    break;
                case 3:
                    text.insert(at, n, static_cast<char>(Pick(33, 126)));
                    break;
                case 4:
                    text.insert(at, std::string(n % 25, '9'));
                    break;
                default:
                    text.insert(at, Pick(0, 1) ? "-" : " \t");
                    break;
            }
        }
        return text;
    }

private:
    std::mt19937 m_random;
};

struct ExactCopy {
    explicit ExactCopy(const std::string& text)
        : size(text.size()), bytes(std::make_unique<char[]>(std::max<std::size_t>(size, 1))) {
        std::memcpy(bytes.get(), text.data(), size);
    }
    std::string_view View() const { return {bytes.get(), size}; }
    std::size_t size;
    std::unique_ptr<char[]> bytes;
};

void ExpectSound(const StationList& list) {
    const auto& entries = list.Entries();
    ASSERT_TRUE(std::is_sorted(entries.begin(), entries.end()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& entry = entries[i];
        ASSERT_LE(entry.size(), kMaxStationEntry);
        ASSERT_FALSE(entry[2] >= '0' && entry[2] <= '9');
        const std::optional<SelectedStation> read = ReadStationEntry(entry);
        ASSERT_TRUE(read.has_value()) << entry;
        ASSERT_EQ(read->channel, std::stoi(entry.substr(0, 2)));
        ASSERT_TRUE(i == 0 || entries[i - 1].compare(0, 2, entry, 0, 2) != 0);
    }
}

TEST(StationCountersMutation, StationLinesKeepTheListSound) {
    const std::vector<std::string> seeds = {"05 QA1ABC 12:00 00:15 3 7 yes",
                                            "<12 dk0xyz 11:58 00:02 0 -3 fwd", "!5", "42",
                                            "*99 CALL s t 10 20 C/F"};
    Mutator mutator(20240611);
    StationList list;
    int applied = 0;
    for (int round = 0; round < 20000; ++round) {
        const ExactCopy input(mutator.Mutate(seeds[round % seeds.size()]));
        const std::optional<SelectedStation> selected = list.ReadSelection();
        const int oneChannel = mutator.Pick(-1, 100);
        const StationUpdate update = list.ApplyStationLine(input.View(), oneChannel);
        ASSERT_NO_FATAL_FAILURE(ExpectSound(list));
        ASSERT_EQ(update.entryCount, list.Count());
        ASSERT_EQ(update.oneChannelTitle.has_value(),
                  update.applied && oneChannel == update.channel);
        applied += update.applied;
        if (selected) {  // the selected channel leaves only with its own removal
            const bool gone = update.removed && update.channel == selected->channel;
            ASSERT_EQ(update.selectionRemoved, gone);
            ASSERT_TRUE(gone || list.ReadSelection()->channel == selected->channel);
        }
        if (list.Count() > 0 && mutator.Pick(0, 9) == 0) {
            list.Select(
                static_cast<std::size_t>(mutator.Pick(0, static_cast<int>(list.Count()) - 1)));
        }
    }
    EXPECT_GT(applied, 5000);
}

TEST(StationCountersMutation, CounterPayloadsGiveBoundedLines) {
    const std::vector<std::string> seeds = {"2 5 40", "20000 1500 1999 7", "12", "-1 -2 -3 -4"};
    Mutator mutator(1234567);
    for (int round = 0; round < 20000; ++round) {
        const ExactCopy input(mutator.Mutate(seeds[round % seeds.size()]));
        for (const PanelLines& lines :
             {MessageCounterLines(input.View()), SystemStatusLines(input.View())}) {
            for (const PanelLine& line : lines) {
                ASSERT_LE(line.text.size(), 39u) << line.text;
                ASSERT_TRUE(line.colour == kPanelBlack || line.colour == kPanelRed);
            }
        }
        ASSERT_GE(ParseStationCount(input.View()), 0);
    }
}

}  // namespace
}  // namespace brxw
