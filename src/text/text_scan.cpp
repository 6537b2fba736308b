// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/text_scan.h"

#include <climits>
#include <cstdio>

namespace brxw {
bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool ScanNextLong(std::string_view text, std::size_t& pos, long& out) {
    std::size_t i = pos;
    while (i < text.size() && IsCSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || !IsDigit(text[i])) {
        return false;
    }
    // Accumulate towards the sign's side so that LONG_MIN itself is reachable.
    long value = 0;
    bool clamped = false;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        const int digit = text[i] - '0';
        if (clamped) {
            continue;
        }
        if (negative) {
            if (value < (LONG_MIN + digit) / 10) {
                value = LONG_MIN;
                clamped = true;
            } else {
                value = value * 10 - digit;
            }
        } else {
            if (value > (LONG_MAX - digit) / 10) {
                value = LONG_MAX;
                clamped = true;
            } else {
                value = value * 10 + digit;
            }
        }
    }
    pos = i;
    out = value;
    return true;
}

long ScanLeadingLong(std::string_view text) {
    std::size_t pos = 0;
    long value = 0;
    return ScanNextLong(text, pos, value) ? value : 0;
}

int ScanLeadingInt(std::string_view text) {
    const long value = ScanLeadingLong(text);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

std::vector<long> ScanLongs(std::string_view text, std::size_t max) {
    std::vector<long> numbers;
    std::size_t pos = 0;
    long value = 0;
    while (numbers.size() < max && ScanNextLong(text, pos, value)) {
        numbers.push_back(value);
    }
    return numbers;
}

std::string FormatPair(int a, int b) {
    // Two ints with sign, padding, blank and NUL fit well within 32 bytes.
    char buffer[32];
    const int n = std::snprintf(buffer, sizeof buffer, "%04d %04d", a, b);
    return std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}

}  // namespace brxw
