// SPDX-License-Identifier: GPL-3.0-or-later
// Deterministic mutation test: seeded random and mutated INI contents go through the parser
// and the editor from exact-size heap buffers, so AddressSanitizer sees any over-read.
#include "config/ini_store.h"
#include "text/text_scan.h"

#include "config/config_test_support.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <array>
#include <cctype>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace brxw {
namespace {

// xorshift64*: the same sequence on every platform and library.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next() {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 0x2545F4914F6CDD1DULL;
    }
    std::size_t Below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(Next() % n); }

private:
    std::uint64_t m_state;
};

constexpr std::string_view kInteresting("[]=;\"' \t\v\r\n\0\xEF\xBB\xBF\xC9\xE9-+0123456789", 28);

const std::array<std::pair<const char*, const char*>, 6> kProbes = {{{"Settings", "Font_Name"},
                                                                     {"Remote 0", "Name"},
                                                                     {"remote 1", "PORT"},
                                                                     {"S", "K"},
                                                                     {"Settings", "Quoted"},
                                                                     {"a[b", "Inner"}}};

std::string Mutate(std::string s, Rng& rng) {
    const std::size_t edits = 1 + rng.Below(8);
    for (std::size_t e = 0; e < edits; ++e) {
        const std::size_t at = rng.Below(s.size() + 1);
        switch (rng.Below(4)) {
            case 0:
                s.insert(at, 1, kInteresting[rng.Below(kInteresting.size())]);
                break;
            case 1:
                if (at < s.size()) {
                    s[at] = static_cast<char>(rng.Next());
                }
                break;
            case 2:
                s.erase(at, rng.Below(16));
                break;
            default:
                s.insert(at, s.substr(rng.Below(s.size() + 1), rng.Below(24)));
                break;
        }
    }
    return s;
}

std::string RandomText(Rng& rng) {
    std::string s(rng.Below(200), ' ');
    for (char& c : s) {
        c = rng.Below(3) == 0 ? static_cast<char>(rng.Next()) : kInteresting[rng.Below(28)];
    }
    return s;
}

bool SamePair(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

TEST(IniMutationTest, RandomContentsParseAndEditSafely) {
    std::vector<std::string> seeds;
    for (const char* name : {"read_lf.ini", "read_crlf.ini", "bom.ini", "edit_crlf.ini"}) {
        seeds.push_back(test::ReadBytes(test::IniData(name)));
    }
    QTemporaryDir dir;
    IniStore store(dir.filePath("BrxW.ini"));
    Rng rng(0x6272785731ULL);
    for (int round = 0; round < 4000; ++round) {
        const std::string input =
            round % 5 == 0 ? RandomText(rng) : Mutate(seeds[rng.Below(seeds.size())], rng);
        const std::size_t size = input.size();
        const std::unique_ptr<char[]> heap(new char[size == 0 ? 1 : size]);
        std::copy(input.begin(), input.end(), heap.get());
        const std::string_view contents(heap.get(), size);

        std::vector<std::optional<std::string>> before;
        for (const auto& [section, key] : kProbes) {
            const auto found = IniStore::FindValue(contents, section, key);
            before.push_back(found ? std::optional<std::string>(*found) : std::nullopt);
        }
        ScanLongs(contents, 13);
        ScanLeadingLong(contents);

        // Write one probe key: it reads back as written, every other probe keeps its value.
        const std::size_t target = rng.Below(kProbes.size());
        const std::string value = "v" + std::to_string(round);
        const auto edited =
            IniStore::SetValue(contents, kProbes[target].first, kProbes[target].second, value);
        ASSERT_TRUE(edited) << "round " << round;
        for (std::size_t p = 0; p < kProbes.size(); ++p) {
            const auto found = IniStore::FindValue(*edited, kProbes[p].first, kProbes[p].second);
            const bool written = SamePair(kProbes[p].first, kProbes[target].first) &&
                                 SamePair(kProbes[p].second, kProbes[target].second);
            const auto expected = written ? std::optional<std::string>(value) : before[p];
            ASSERT_EQ(found ? std::optional<std::string>(*found) : std::nullopt, expected)
                << "round " << round << " probe " << p;
        }

        if (round % 16 == 0) {  // the file path too, now and then
            ASSERT_TRUE(test::WriteBytes(store.Path(), input));
            ASSERT_TRUE(store.Write("Remote 0", "Name", value));
            EXPECT_EQ(store.Read("Remote 0", "Name"), value);
        }
    }
}

}  // namespace
}  // namespace brxw
