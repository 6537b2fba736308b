// SPDX-License-Identifier: GPL-3.0-or-later
// What every bench prints: a figure measured several times, its median and spread, and its ratio
// to a reference measured in the same run. The machine is shared, so only same-run ratios mean
// anything; no bench ever fails on time.
#pragma once

#include <algorithm>
#include <cstdio>
#include <vector>

namespace brxw::bench {

inline constexpr int kRuns = 5;

struct Spread {
    double median = 0;
    double low = 0;
    double high = 0;
};

inline Spread Summarise(std::vector<double> values) {
    if (values.empty()) {
        return {};
    }
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.front(), values.back()};
}

// Prints one row: "B3 | what | median (low..high) unit | ratio median (low..high) | target".
// ratios holds the per-run quotient of the measured figure and its same-run reference.
inline void Row(const char* bench, const char* what, const std::vector<double>& figures,
                const char* unit, const std::vector<double>& ratios, const char* target) {
    const Spread f = Summarise(figures);
    const Spread r = Summarise(ratios);
    std::printf("| %s | %s | %.4g %s (%.4g..%.4g) | %.3g (%.3g..%.3g) | %s |\n", bench, what,
                f.median, unit, f.low, f.high, r.median, r.low, r.high, target);
    std::fflush(stdout);
}

}  // namespace brxw::bench
