// SPDX-License-Identifier: GPL-3.0-or-later
// The code pages a BBS may keep its text in: the DOS pages 437 (the usual one), 850 (Western
// Europe), 852 (Central Europe) and 866 (Cyrillic), and the Windows pages 1250 (Central Europe),
// 1251 (Cyrillic) and 1252 (Western Europe). Our own tables, byte for byte; no platform converter
// is asked.
#pragma once

#include <array>
#include <optional>

namespace brxw {

enum class CodePage {
    k437 = 437,
    k850 = 850,
    k852 = 852,
    k866 = 866,
    k1250 = 1250,
    k1251 = 1251,
    k1252 = 1252
};

inline constexpr std::array<CodePage, 4> kDosCodePages = {CodePage::k437, CodePage::k850,
                                                          CodePage::k852, CodePage::k866};
inline constexpr std::array<CodePage, 3> kWindowsCodePages = {CodePage::k1250, CodePage::k1251,
                                                              CodePage::k1252};
inline constexpr std::array<CodePage, 7> kCodePages = {
    CodePage::k437,  CodePage::k850,  CodePage::k852, CodePage::k866,
    CodePage::k1250, CodePage::k1251, CodePage::k1252};

constexpr bool IsDosCodePage(CodePage page) {
    return page == CodePage::k437 || page == CodePage::k850 || page == CodePage::k852 ||
           page == CodePage::k866;
}

// The Windows page a DOS page's text goes with on a Windows system of that language: 1250 for
// 852, 1251 for 866, 1252 for 437 and 850.
constexpr CodePage WindowsPartner(CodePage dos) {
    return dos == CodePage::k852   ? CodePage::k1250
           : dos == CodePage::k866 ? CodePage::k1251
                                   : CodePage::k1252;
}

// What a byte the code page does not define reads as.
inline constexpr char16_t kNoCharacter = 0xFFFD;

// The code page of a number such as 850; none for a number that is not one of them.
std::optional<CodePage> CodePageFromNumber(int number);
int CodePageNumber(CodePage page);

// The Unicode character of a byte; kNoCharacter where the code page defines none.
char16_t CodePageToUnicode(CodePage page, unsigned char byte);
// The byte of a Unicode character; none when the code page lacks it.
std::optional<unsigned char> CodePageFromUnicode(CodePage page, char16_t character);

}  // namespace brxw
