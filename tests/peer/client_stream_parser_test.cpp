// SPDX-License-Identifier: GPL-3.0-or-later
// The peer's reader of the client stream: records and plain text mixed, split anywhere.
#include "peer/lib/client_stream_parser.h"

#include <gtest/gtest.h>

#include <vector>

namespace brxw::peer {
namespace {

using Type = ClientEvent::Type;

ClientEvent Line(const QByteArray& text) {
    return {Type::ConsoleLine, 0, 0, text, false};
}
ClientEvent Options(quint8 options) {
    return {Type::OptionsUpdate, 0, options, {}, false};
}
ClientEvent Record(quint8 kind, const QByteArray& payload) {
    return {Type::Record, kind, 0, payload, false};
}
ClientEvent Message(const QByteArray& text) {
    return {Type::MessageText, 0, 0, text, false};
}

std::vector<ClientEvent> Feed(ClientStreamParser& parser, QByteArrayView bytes) {
    std::vector<ClientEvent> events;
    parser.Append(bytes);
    ClientEvent e;
    while (parser.Next(e)) {
        events.push_back(e);
    }
    return events;
}

// Whole, then cut at every position, then one byte at a time: the same events each time.
void ExpectEverySplit(const QByteArray& stream, const std::vector<ClientEvent>& expected,
                      bool messageMode = false) {
    {
        ClientStreamParser parser;
        parser.SetMessageMode(messageMode);
        EXPECT_EQ(Feed(parser, stream), expected) << "whole";
    }
    for (qsizetype cut = 1; cut < stream.size(); ++cut) {
        ClientStreamParser parser;
        parser.SetMessageMode(messageMode);
        std::vector<ClientEvent> events = Feed(parser, stream.first(cut));
        const std::vector<ClientEvent> rest = Feed(parser, stream.sliced(cut));
        events.insert(events.end(), rest.begin(), rest.end());
        EXPECT_EQ(events, expected) << "cut at " << cut;
    }
    ClientStreamParser parser;
    parser.SetMessageMode(messageMode);
    std::vector<ClientEvent> events;
    for (const char byte : stream) {
        const std::vector<ClientEvent> got = Feed(parser, QByteArrayView(&byte, 1));
        events.insert(events.end(), got.begin(), got.end());
    }
    EXPECT_EQ(events, expected) << "byte by byte";
}

TEST(ClientStreamParser, RecordsAndConsoleLinesInterleaved) {
    const QByteArray stream = QByteArray("dir\n", 4) + QByteArray("\0\0\x9c", 3) +
                              QByteArray("\0\x06\x04\0LIST", 8) + "ver" +
                              QByteArray("\0\x04\0\0", 4) + "sion\r\n" +
                              QByteArray(
                                  "\0\x05\x0a\0"
                                  "07 Q1ABC 1",
                                  14);
    ExpectEverySplit(stream, {Line("dir"), Options(0x9c), Record(6, "LIST"), Record(4, ""),
                              Line("version"), Record(5, "07 Q1ABC 1")});
}

TEST(ClientStreamParser, RecordPayloadMayHoldZerosAndNewlines) {
    const QByteArray payload("PUT 4711 6\n1 A\n\0x", 17);
    QByteArray stream = QByteArray("\0\x07", 2) + char(payload.size()) + '\0' + payload;
    ExpectEverySplit(stream, {Record(7, payload)});
}

TEST(ClientStreamParser, LongestRecordLengthIsRead) {
    const QByteArray payload(65535, 'u');
    ClientStreamParser parser;
    EXPECT_EQ(Feed(parser, QByteArray("\0\x03\xff\xff", 4) + payload),
              std::vector<ClientEvent>{Record(3, payload)});
}

TEST(ClientStreamParser, MessageEndsAtCtrlZLineFeedOrAbort) {
    ExpectEverySplit("first line\n\nsecond\n\x1a\nnext\n",
                     {Message("first line\n\nsecond\n"), Line("next")}, true);
    ExpectEverySplit("\x1a\n", {Message("")}, true);
    ExpectEverySplit(QByteArray("\n/ABORT\n") + "after\n",
                     {ClientEvent{Type::MessageAborted, 0, 0, {}, false}, Line("after")}, true);
    // An options update while the text is on its way does not disturb it.
    ExpectEverySplit(QByteArray("te", 2) + QByteArray("\0\0\x8c", 3) + "xt\x1a\n",
                     {Options(0x8c), Message("text")}, true);
}

TEST(ClientStreamParser, ConsoleModeTakesCtrlZAsText) {
    ExpectEverySplit("a\x1a\n", {Line("a\x1a")});
}

TEST(ClientStreamParser, OverlongLineIsCutAndTheNextLineIsWhole) {
    ClientStreamParser parser;
    const QByteArray huge(ClientStreamParser::kMaxConsoleLine * 3, 'x');
    const auto events = Feed(parser, huge + "\nok\n");
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].text.size(), ClientStreamParser::kMaxConsoleLine);
    EXPECT_TRUE(events[0].truncated);
    EXPECT_EQ(events[1], Line("ok"));
}

TEST(ClientStreamParser, OverlongMessageIsBoundedAndStillEnds) {
    ClientStreamParser parser;
    parser.SetMessageMode(true);
    const QByteArray chunk(64 * 1024, 'm');
    for (qsizetype sent = 0; sent <= ClientStreamParser::kMaxMessage * 2; sent += chunk.size()) {
        ASSERT_TRUE(Feed(parser, chunk).empty());
    }
    const auto events = Feed(parser, "\x1a\n");
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, Type::MessageText);
    EXPECT_TRUE(events[0].truncated);
    EXPECT_LE(events[0].text.size(), ClientStreamParser::kMaxMessage);
    EXPECT_FALSE(parser.MessageMode());
}

}  // namespace
}  // namespace brxw::peer
