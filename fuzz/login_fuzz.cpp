// SPDX-License-Identifier: GPL-3.0-or-later
// The login exchange before the first frame: the challenge word taken from the server's first
// read (at most 256 bytes), the MD5 reply to it and the login line.
//
// Input: options word and callsign, password, then what the server sent.
// Properties: the challenge is the first blank-delimited word of the text, up to a NUL; the reply
// is 32 uppercase hexadecimal digits of MD5 of challenge and password and one line feed; the
// login line is "%d 0 %s\n" and one line.
#include "fuzz_support.h"
#include "link/login.h"
#include "text/text_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brxw;
    fuzz::ByteReader in(data, size);
    const auto options = static_cast<std::uint32_t>(in.Int());
    std::string callsign(in.Bytes(in.Byte() % 16));
    for (char& c : callsign) {
        if (c == '\n' || c == '\r' || c == '\0') {
            c = 'Q';  // profile values are single lines
        }
    }
    const std::string password(in.Piece());
    const fuzz::ExactText received(in.Bytes(256));

    const std::string word = ChallengeWord(received.View());
    const std::string_view text = received.View();
    std::size_t begin = 0;
    while (begin < text.size() && IsCSpace(text[begin])) {
        ++begin;
    }
    FUZZ_CHECK(text.compare(begin, word.size(), word) == 0, "challenge is not the first word");
    const std::size_t after = begin + word.size();
    FUZZ_CHECK(after == text.size() || IsCSpace(text[after]) || text[after] == '\0',
               "challenge cut inside a word: " + fuzz::Show(word));
    FUZZ_CHECK(word.find('\0') == std::string::npos, "challenge holds a NUL");

    const std::string reply = LoginReply(word, password);
    FUZZ_CHECK(reply.size() == 33 && reply.back() == '\n', "reply is not one line of 32 digits");
    for (std::size_t i = 0; i < 32; ++i) {
        const char c = reply[i];
        FUZZ_CHECK((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'), "reply digit");
    }
    FUZZ_CHECK(reply == Md5Hex(word + password) + "\n", "reply is not MD5 of challenge+password");
    FUZZ_CHECK(Md5Hex("") == "D41D8CD98F00B204E9800998ECF8427E", "MD5 of nothing");

    const std::string line = LoginLine(options, callsign);
    FUZZ_CHECK(line == std::to_string(static_cast<int>(options)) + " 0 " + callsign + "\n",
               "login line: " + fuzz::Show(line));
    return 0;
}
