// Conversion between the DOS (OEM, code page 437) and the Windows (ANSI, code page 1252)
// character sets, by two 256-byte tables. Bytes below 128 are the same in both. A character
// that the other set lacks becomes its nearest look-alike (a letter without its accent, a
// box-drawing line as + - |), or '?' when there is none.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace brxw {

// The lower-case form of a Windows-1252 letter, as Windows compares names without regard to
// case: ASCII letters and À..Þ (but ×), Š, Œ, Ž, Ÿ; every other byte stays.
constexpr unsigned char FoldAnsiCase(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    switch (c) {
        case 0x8A:  // S caron
        case 0x8C:  // OE
        case 0x8E:  // Z caron
            return static_cast<unsigned char>(c + 0x10);
        case 0x9F:  // Y diaeresis
            return 0xFF;
        default:
            return c;
    }
}

unsigned char OemToAnsi(unsigned char oem);
unsigned char AnsiToOem(unsigned char ansi);
std::string OemToAnsi(std::string_view oem);
std::string AnsiToOem(std::string_view ansi);
// Converts count bytes from the OEM to the ANSI code page where they lie; runs of plain ASCII
// are passed over at memory speed.
void OemToAnsiInPlace(char* bytes, std::size_t count);

// The Unicode code point of a Windows-1252 byte (undefined bytes map to themselves), for the
// few places that hand text to the toolkit.
char16_t AnsiToUnicode(unsigned char ansi);

// Windows-1252 bytes to and from the toolkit's strings; a character that Windows-1252 lacks
// becomes '?'.
QString AnsiToQString(std::string_view ansi);
std::string QStringToAnsi(const QString& text);

}  // namespace brxw
