// SPDX-License-Identifier: GPL-3.0-or-later
// The message editor's text handling: the quote prefix and signature of an answered message,
// the line breaking with justification before a message is sent, the diagnostic dump, and the
// signature as BrxW.ini stores it.
//
// Input: a selector byte (which surface, the options), then the text.
// Properties: the quoted text is the original with ">" after every line break; broken lines
// are CR LF separated, none longer than 78, and hold every non-blank byte of the text in order;
// a justified line is exactly 78 long and keeps its words; the dump has one line per 16 bytes;
// a signature that the Settings dialog accepts comes back from BrxW.ini as typed.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "config/ini_store.h"
#include "editor/message_format.h"
#include "fuzz_support.h"
#include "settings/settings.h"

namespace brxw {
namespace {

std::string Without(std::string_view text, std::string_view drop) {
    std::string out;
    for (char c : text) {
        if (drop.find(c) == std::string_view::npos) {
            out.push_back(c);
        }
    }
    return out;
}

void CheckQuote(std::string_view text, std::string_view signature, bool prefix, bool sign) {
    const std::string quoted = QuotePrefix(text);
    if (text.empty()) {
        FUZZ_CHECK(quoted.empty(), "an empty text quoted");
    } else {
        FUZZ_CHECK(quoted.substr(0, 3) == "\r\n>", "quote without its first empty line");
        std::string back;
        for (std::size_t i = 3; i < quoted.size(); ++i) {
            back.push_back(quoted[i]);
            if (quoted.compare(i, 3, "\r\n>") == 0) {
                back.push_back('\n');
                i += 2;
            }
        }
        FUZZ_CHECK(back == text, "the quoted text is not the text: " + fuzz::Show(quoted));
    }
    MessageOptions options;
    options.prefix = prefix;
    options.signature = sign;
    options.signatureText = std::string(signature);
    const std::string prepared = PrepareMessage(text, options);
    const std::string body = prefix ? quoted : std::string(text);
    FUZZ_CHECK(prepared == body + (sign ? std::string(signature) : std::string()),
               "prepared message");
}

void CheckBreaking(std::string_view text, bool justify) {
    const std::string out = BreakMessageLines(text, justify);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] == '\r') {
            FUZZ_CHECK(i + 1 < out.size() && out[i + 1] == '\n', "a carriage return alone");
        } else if (out[i] == '\n') {
            FUZZ_CHECK(i > 0 && out[i - 1] == '\r', "a line feed alone");
        }
    }
    std::size_t start = 0;
    while (start <= out.size()) {
        std::size_t end = out.find("\r\n", start);
        const bool last = end == std::string::npos;
        if (last) {
            end = out.size();
        }
        FUZZ_CHECK(end - start <= kMessageLineWidth,
                   "a line of " + std::to_string(end - start) + " characters");
        if (last) {
            break;
        }
        start = end + 2;
    }
    FUZZ_CHECK(Without(out, " \r\n") == Without(text, " \r\n"),
               "breaking lost or moved a character");
}

void CheckJustify(std::string_view line) {
    const std::string out = JustifyLine(line);
    FUZZ_CHECK(Without(out, " ") == Without(line, " "), "justification changed a word");
    const std::size_t lead = line.find_first_not_of(' ');
    const bool words = lead != std::string_view::npos &&
                       line.find(' ', lead) != std::string_view::npos &&
                       line.find_last_not_of(' ') > line.find(' ', lead);
    if (line.size() < kMessageLineWidth && words) {
        FUZZ_CHECK(out.size() == kMessageLineWidth,
                   "justified line of " + std::to_string(out.size()) + ": " + fuzz::Show(out));
        FUZZ_CHECK(out.compare(0, lead, std::string(lead, ' ')) == 0 && out[lead] != ' ',
                   "justification moved the leading blanks");
    } else if (line.size() >= kMessageLineWidth || lead == std::string_view::npos) {
        FUZZ_CHECK(out == line, "a line that needs no justification changed");
    }
}

void CheckDump(std::string_view text) {
    const std::string dump = DumpLines(text);
    const std::size_t lines = static_cast<std::size_t>(std::count(dump.begin(), dump.end(), '\n'));
    FUZZ_CHECK(lines == (text.size() + 15) / 16, "dump lines");
    std::size_t start = 0;
    for (std::size_t line = 0; line < lines; ++line) {
        const std::size_t end = dump.find('\n', start);
        const std::size_t group = std::min<std::size_t>(16, text.size() - line * 16);
        FUZZ_CHECK(end - start == 4 + 16 * 3 + 1 + group, "dump line length");
        char offset[24];
        std::snprintf(offset, sizeof offset, "%04zu", line * 16);
        FUZZ_CHECK(dump.compare(start, std::strlen(offset), offset) == 0, "dump offset");
        start = end + 1;
    }
}

void CheckStoredSignature(std::string_view typed) {
    if (brxw::CheckSignature(typed) != SignatureFault::kNone) {
        return;
    }
    // What the editor would show: every line break as CR LF, no NUL.
    std::string expected;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (typed[i] == '\r' || typed[i] == '\n') {
            expected += "\r\n";
            if (typed[i] == '\r' && i + 1 < typed.size() && typed[i + 1] == '\n') {
                ++i;
            }
        } else if (typed[i] != '\0') {
            expected += typed[i];
        }
    }
    const std::string stored = StoredSignature(typed);
    const auto file =
        IniStore::SetValue("[Settings]\r\nSignature=1\r\n", "Settings", "SignatureText", stored);
    FUZZ_CHECK(file.has_value(), "a signature that passed the check cannot be stored");
    const auto read = IniStore::FindValue(*file, "Settings", "SignatureText");
    FUZZ_CHECK(read && read->size() <= IniStore::kValueBufferSize - 1,
               "the stored signature is cut when read back");
    FUZZ_CHECK(SignatureFromStored(*read) == expected,
               "a signature does not come back as typed: " + fuzz::Show(typed));
}

}  // namespace
}  // namespace brxw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brxw;
    fuzz::ByteReader in(data, size);
    const std::uint8_t selector = in.Byte();
    switch (selector % 5) {
        case 0: {
            const fuzz::ExactText signature(in.Piece());
            const fuzz::ExactText text(in.Rest());
            CheckQuote(text.View(), signature.View(), (selector & 0x10) != 0,
                       (selector & 0x20) != 0);
            break;
        }
        case 1:
            CheckBreaking(fuzz::ExactText(in.Rest()).View(), (selector & 0x10) != 0);
            break;
        case 2:
            CheckJustify(fuzz::ExactText(in.Bytes(100)).View());
            break;
        case 3:
            CheckDump(fuzz::ExactText(in.Rest()).View());
            break;
        default:
            CheckStoredSignature(fuzz::ExactText(in.Bytes(120)).View());
            break;
    }
    return 0;
}
