// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/charset.h"

#include <QChar>
#include <array>
#include <atomic>
#include <cstring>
#include <vector>

#include "text/code_page.h"

namespace brxw {

namespace {

// Nearest look-alike for characters one set has and the other lacks.
char BestFit(char16_t u) {
    if (u >= 0x2500 && u <= 0x257F) {  // box drawing
        switch (u) {
            case 0x2500:
            case 0x2550:
                return '-';
            case 0x2502:
            case 0x2551:
                return '|';
            default:
                return '+';
        }
    }
    if (u >= 0x2580 && u <= 0x25A0) {  // blocks and shades
        return '#';
    }
    struct Fit {
        char16_t from;
        char to;
    };
    static constexpr Fit kFits[] = {
        // Letters with accents that only one side has.
        {0xC0, 'A'},
        {0xC1, 'A'},
        {0xC2, 'A'},
        {0xC3, 'A'},
        {0xC8, 'E'},
        {0xCA, 'E'},
        {0xCB, 'E'},
        {0xCC, 'I'},
        {0xCD, 'I'},
        {0xCE, 'I'},
        {0xCF, 'I'},
        {0xD0, 'D'},
        {0xD2, 'O'},
        {0xD3, 'O'},
        {0xD4, 'O'},
        {0xD5, 'O'},
        {0xD7, 'x'},
        {0xD8, 'O'},
        {0xD9, 'U'},
        {0xDA, 'U'},
        {0xDB, 'U'},
        {0xDD, 'Y'},
        {0xDE, 'T'},
        {0xE3, 'a'},
        {0xF0, 'd'},
        {0xF5, 'o'},
        {0xF8, 'o'},
        {0xFD, 'y'},
        {0xFE, 't'},
        {0x160, 'S'},
        {0x161, 's'},
        {0x17D, 'Z'},
        {0x17E, 'z'},
        {0x178, 'Y'},
        {0x152, 'O'},
        {0x153, 'o'},
        // Signs.
        {0xA4, 'o'},
        {0xA6, '|'},
        {0xA7, 'S'},
        {0xA8, '"'},
        {0xA9, 'c'},
        {0xAD, '-'},
        {0xAE, 'R'},
        {0xAF, '-'},
        {0xB3, '3'},
        {0xB4, '\''},
        {0xB8, ','},
        {0xB9, '1'},
        {0xBE, '?'},
        {0x20AC, 'E'},
        {0x201A, ','},
        {0x201E, '"'},
        {0x2026, '.'},
        {0x2020, '+'},
        {0x2021, '+'},
        {0x02C6, '^'},
        {0x2030, '%'},
        {0x2039, '<'},
        {0x203A, '>'},
        {0x2018, '\''},
        {0x2019, '\''},
        {0x201C, '"'},
        {0x201D, '"'},
        {0x2022, '.'},
        {0x2013, '-'},
        {0x2014, '-'},
        {0x02DC, '~'},
        {0x2122, 'T'},
        // Code page 437's Greek and mathematical signs.
        {0x03B1, 'a'},
        {0x0393, 'G'},
        {0x03C0, 'p'},
        {0x03A3, 'S'},
        {0x03C3, 's'},
        {0x03C4, 't'},
        {0x03A6, 'F'},
        {0x0398, 'T'},
        {0x03A9, 'O'},
        {0x03B4, 'd'},
        {0x221E, '8'},
        {0x03C6, 'f'},
        {0x03B5, 'e'},
        {0x2229, 'n'},
        {0x2261, '='},
        {0x2265, '>'},
        {0x2264, '<'},
        {0x2320, '('},
        {0x2321, ')'},
        {0x2248, '~'},
        {0x2219, '.'},
        {0x221A, 'v'},
        {0x207F, 'n'},
        {0x20A7, 'P'},
        {0x2310, '-'},
    };
    for (const Fit& fit : kFits) {
        if (fit.from == u) {
            return fit.to;
        }
    }
    return '?';
}

// A look-alike made by dropping a letter's accent (the first character of its canonical
// decomposition), when that is plain ASCII.
char Unaccented(char16_t u) {
    const QString parts = QChar(u).decomposition();
    if (QChar(u).decompositionTag() == QChar::Canonical && !parts.isEmpty() &&
        parts.at(0).unicode() < 0x80) {
        return static_cast<char>(parts.at(0).unicode());
    }
    return '?';
}

// The conversions between one DOS page and one Windows page.
struct Tables {
    CodePage oem;
    CodePage ansi;
    std::array<unsigned char, 256> oemToAnsi{};
    std::array<unsigned char, 256> ansiToOem{};
    // The Windows page's characters; a byte it leaves undefined stands for itself.
    std::array<char16_t, 256> ansiToUnicode{};
    std::array<unsigned char, 256> fold{};

    Tables(CodePage oemPage, CodePage ansiPage) : oem(oemPage), ansi(ansiPage) {
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<unsigned char>(b);
            oemToAnsi[b] = ansiToOem[b] = byte;
            const char16_t u = CodePageToUnicode(ansi, byte);
            ansiToUnicode[b] = u == kNoCharacter ? char16_t(b) : u;
        }
        for (int b = 128; b < 256; ++b) {
            const auto byte = static_cast<unsigned char>(b);
            oemToAnsi[b] = Convert(CodePageToUnicode(oem, byte), ansi);
            ansiToOem[b] = Convert(CodePageToUnicode(ansi, byte), oem);
        }
        for (int b = 0; b < 256; ++b) {
            const char16_t lower = QChar(ansiToUnicode[b]).toLower().unicode();
            const auto folded = CodePageFromUnicode(ansi, lower);
            fold[b] = folded && lower != kNoCharacter ? *folded : static_cast<unsigned char>(b);
        }
    }

    static unsigned char Convert(char16_t u, CodePage to) {
        if (const auto byte = CodePageFromUnicode(to, u)) {
            return *byte;
        }
        const char fit = BestFit(u);
        return static_cast<unsigned char>(fit != '?' ? fit : Unaccented(u));
    }
};

// Every pair, made once; the current one is switched by a pointer, so that a thread that
// converts while the profile changes sees one pair or the other, never a mixture.
const Tables& PairTables(CodePage oem, CodePage ansi) {
    static const auto* const all = [] {
        auto* tables = new std::vector<Tables>;
        tables->reserve(kDosCodePages.size() * kWindowsCodePages.size());
        for (const CodePage dos : kDosCodePages) {
            for (const CodePage windows : kWindowsCodePages) {
                tables->emplace_back(dos, windows);
            }
        }
        return tables;
    }();
    for (const Tables& tables : *all) {
        if (tables.oem == oem && tables.ansi == ansi) {
            return tables;
        }
    }
    return all->front();
}

std::atomic<const Tables*> g_current{nullptr};

const Tables& TheTables() {
    const Tables* current = g_current.load(std::memory_order_acquire);
    if (current == nullptr) {
        current = &PairTables(CodePage::k437, CodePage::k1252);
        g_current.store(current, std::memory_order_release);
    }
    return *current;
}

std::string Convert(std::string_view in, const std::array<unsigned char, 256>& table) {
    std::string out(in);
    for (char& c : out) {
        c = static_cast<char>(table[static_cast<unsigned char>(c)]);
    }
    return out;
}

}  // namespace

void SetCodePages(CodePage oem, CodePage ansi) {
    if (!IsDosCodePage(oem)) {
        oem = CodePage::k437;
    }
    if (IsDosCodePage(ansi)) {
        ansi = CodePage::k1252;
    }
    g_current.store(&PairTables(oem, ansi), std::memory_order_release);
}

std::array<unsigned char, 256> RecodeTable(CodePage from, CodePage to) {
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const char16_t u = CodePageToUnicode(from, byte);
        table[b] = b < 128 || from == to || u == kNoCharacter ? byte : Tables::Convert(u, to);
    }
    return table;
}

CodePage OemCodePage() {
    return TheTables().oem;
}

CodePage AnsiCodePage() {
    return TheTables().ansi;
}

unsigned char FoldTextCase(unsigned char c) {
    return TheTables().fold[c];
}

char16_t AnsiToUnicode(unsigned char ansi) {
    return TheTables().ansiToUnicode[ansi];
}

QString AnsiToQString(std::string_view ansi) {
    const auto& table = TheTables().ansiToUnicode;
    QString text;
    text.reserve(static_cast<qsizetype>(ansi.size()));
    for (char c : ansi) {
        text.append(QChar(table[static_cast<unsigned char>(c)]));
    }
    return text;
}

std::string QStringToAnsi(const QString& text) {
    const Tables& tables = TheTables();
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        char byte = '?';
        if (u < 0x80) {
            byte = static_cast<char>(u);
        } else {
            for (int b = 0x80; b < 0x100; ++b) {
                if (tables.ansiToUnicode[b] == u) {
                    byte = static_cast<char>(b);
                    break;
                }
            }
        }
        out.push_back(byte);
    }
    return out;
}

unsigned char OemToAnsi(unsigned char oem) {
    return TheTables().oemToAnsi[oem];
}
unsigned char AnsiToOem(unsigned char ansi) {
    return TheTables().ansiToOem[ansi];
}
std::string OemToAnsi(std::string_view oem) {
    return Convert(oem, TheTables().oemToAnsi);
}
std::string AnsiToOem(std::string_view ansi) {
    return Convert(ansi, TheTables().ansiToOem);
}

void OemToAnsiInPlace(char* bytes, std::size_t count) {
    // Eight bytes at a time: a word without a byte above 127 is the same in both sets.
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::size_t at = 0;
    for (; at + 8 <= count; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + at, sizeof word);
        if ((word & kHighBits) != 0) {
            break;
        }
    }
    if (at == count) {
        return;
    }
    const auto& table = TheTables().oemToAnsi;
    for (; at < count; ++at) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (byte >= 0x80) {
            bytes[at] = static_cast<char>(table[byte]);
        }
    }
}

}  // namespace brxw
