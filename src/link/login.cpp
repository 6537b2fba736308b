// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/login.h"

#include <QByteArray>
#include <QCryptographicHash>

#include "resources/strings.h"
#include "text/text_scan.h"

namespace brxw {

std::string LoginLine(std::uint32_t options, std::string_view callsign) {
    return StrPrintf("%d 0 ", static_cast<int>(options)) + std::string(callsign) + "\n";
}

std::string ChallengeWord(std::string_view received) {
    std::size_t begin = 0;
    while (begin < received.size() && IsCSpace(received[begin])) {
        ++begin;
    }
    std::size_t end = begin;
    // Like "%s", the word also ends at a zero byte, which ends the received text.
    while (end < received.size() && !IsCSpace(received[end]) && received[end] != '\0') {
        ++end;
    }
    return std::string(received.substr(begin, end - begin));
}

std::string Md5Hex(std::string_view bytes) {
    const QByteArray digest =
        QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                 QCryptographicHash::Md5);
    return digest.toHex().toUpper().toStdString();
}

std::string LoginReply(std::string_view challenge, std::string_view password) {
    std::string input(challenge);
    input.append(password);
    return Md5Hex(input) + "\n";
}

}  // namespace brxw
