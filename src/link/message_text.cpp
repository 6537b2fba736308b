// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/message_text.h"

#include "text/charset.h"

namespace brxw {

std::string MessageWireText(std::string_view fileBytes, bool ansiCharset) {
    std::string text;
    text.reserve(fileBytes.size() + kMessageTerminator.size());
    for (char c : fileBytes) {
        // A zero byte in plain text would start a framed record at the server.
        if (c != '\r' && c != '\0') {
            text.push_back(c);
        }
    }
    if (!ansiCharset) {
        text = AnsiToOem(text);
    }
    text.append(kMessageTerminator);
    return text;
}

}  // namespace brxw
