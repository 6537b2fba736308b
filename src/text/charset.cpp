#include "text/charset.h"

#include <array>
#include <cstring>

namespace brxw {

namespace {

// Unicode of code page 437, bytes 128..255.
constexpr char16_t kCp437High[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 90
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,  // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // A0
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,  // B0
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,  // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,  // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,  // C8
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,  // D0
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,  // D8
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,  // E0
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,  // E8
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,  // F0
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,  // F8
};

// Unicode of Windows-1252, bytes 128..159 (160..255 are Latin-1). Undefined bytes keep their
// own value.
constexpr char16_t kCp1252C1[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
};

char16_t OemToUnicode(unsigned char oem) {
    return oem < 128 ? oem : kCp437High[oem - 128];
}

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

struct Tables {
    std::array<unsigned char, 256> oemToAnsi{};
    std::array<unsigned char, 256> ansiToOem{};

    Tables() {
        for (int b = 0; b < 256; ++b) {
            oemToAnsi[b] = ansiToOem[b] = static_cast<unsigned char>(b);
        }
        for (int oem = 128; oem < 256; ++oem) {
            oemToAnsi[oem] = Lookup(OemToUnicode(static_cast<unsigned char>(oem)), AnsiToUnicode);
        }
        for (int ansi = 128; ansi < 256; ++ansi) {
            ansiToOem[ansi] = Lookup(AnsiToUnicode(static_cast<unsigned char>(ansi)), OemToUnicode);
        }
    }

    static unsigned char Lookup(char16_t u, char16_t (*decode)(unsigned char)) {
        for (int b = 128; b < 256; ++b) {
            if (decode(static_cast<unsigned char>(b)) == u) {
                return static_cast<unsigned char>(b);
            }
        }
        return static_cast<unsigned char>(BestFit(u));
    }
};

const Tables& TheTables() {
    static const Tables tables;
    return tables;
}

std::string Convert(std::string_view in, const std::array<unsigned char, 256>& table) {
    std::string out(in);
    for (char& c : out) {
        c = static_cast<char>(table[static_cast<unsigned char>(c)]);
    }
    return out;
}

}  // namespace

char16_t AnsiToUnicode(unsigned char ansi) {
    if (ansi >= 0x80 && ansi < 0xA0) {
        return kCp1252C1[ansi - 0x80];
    }
    return ansi;
}

QString AnsiToQString(std::string_view ansi) {
    QString text;
    text.reserve(static_cast<qsizetype>(ansi.size()));
    for (char c : ansi) {
        text.append(QChar(AnsiToUnicode(static_cast<unsigned char>(c))));
    }
    return text;
}

std::string QStringToAnsi(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        char byte = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            byte = static_cast<char>(u);
        } else {
            for (int b = 0x80; b < 0xA0; ++b) {
                if (kCp1252C1[b - 0x80] == u) {
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
