// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion between the DOS (OEM) and the Windows (ANSI) character sets, by two 256-byte
// tables. The pair is code pages 437 and 1252 unless the connection profile names others (for
// a Cyrillic BBS 866 and 1251, say). Bytes below 128 are the same in both. A character that the
// other set lacks becomes its nearest look-alike (a letter without its accent, a box-drawing
// line as + - |), or '?' when there is none.
//
// The program keeps all its text in the ANSI page: the text windows' rings, the records, the
// INI values. What the toolkit shows goes through AnsiToQString and comes back through
// QStringToAnsi, so it follows the chosen page.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/code_page.h"

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

// An ASCII letter in upper case (callsigns); every other byte stays.
constexpr char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Chooses the pair: a DOS page as OEM (anything else means 437) and a Windows page as ANSI
// (anything else means 1252). Threads that convert meanwhile see the old pair or the new one.
void SetCodePages(CodePage oem, CodePage ansi);
CodePage OemCodePage();
CodePage AnsiCodePage();
// What each byte of text in the code page `from` becomes in the page `to`: the same character,
// or its look-alike ('?' when there is none).
std::array<unsigned char, 256> RecodeTable(CodePage from, CodePage to);
// The lower-case form of a byte of the ANSI page, for searching text without regard to case.
unsigned char FoldTextCase(unsigned char c);

unsigned char OemToAnsi(unsigned char oem);
unsigned char AnsiToOem(unsigned char ansi);
std::string OemToAnsi(std::string_view oem);
std::string AnsiToOem(std::string_view ansi);
// Converts count bytes from the OEM to the ANSI code page where they lie; runs of plain ASCII
// are passed over at memory speed.
void OemToAnsiInPlace(char* bytes, std::size_t count);

// The Unicode character of a byte of the ANSI page (undefined bytes map to themselves).
char16_t AnsiToUnicode(unsigned char ansi);

// ANSI bytes to and from the toolkit's strings; a character that the ANSI page lacks becomes '?'.
QString AnsiToQString(std::string_view ansi);
std::string QStringToAnsi(const QString& text);

}  // namespace brxw
