// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "link/frame.h"
#include "link/frame_queue.h"
#include "link/message_text.h"

namespace brxw {
namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) {
        out.push_back(static_cast<char>(v));
    }
    return out;
}

TEST(FrameCodec, EncodesHeaderLittleEndianAndPayload) {
    EXPECT_EQ(EncodeFrame(4, ""), Bytes({0, 4, 0, 0}));
    EXPECT_EQ(EncodeFrame(6, "LIST"), Bytes({0, 6, 4, 0}) + "LIST");
    const std::string big(300, 'x');
    EXPECT_EQ(EncodeFrame(3, big).substr(0, 4), Bytes({0, 3, 44, 1}));
    EXPECT_EQ(EncodeFrame(3, big).size(), 304u);
    // A payload past the 16-bit length is cut, never announced with a wrapped length.
    const std::string huge(70000, 'y');
    const std::string frame = EncodeFrame(3, huge);
    EXPECT_EQ(frame.substr(0, 4), Bytes({0, 3, 0xFF, 0xFF}));
    EXPECT_EQ(frame.size(), 4u + 0xFFFF);
}

TEST(FrameCodec, OptionsUpdateCarriesTheLowByteOnly) {
    EXPECT_EQ(EncodeOptionsUpdate(140), Bytes({0, 0, 140}));
    EXPECT_EQ(EncodeOptionsUpdate(0x1FF), Bytes({0, 0, 0xFF}));
}

TEST(FrameCodec, DecodesHeader) {
    const unsigned char bytes[] = {128, 7, 0xFC, 0x03};
    EXPECT_EQ(DecodeHeader(bytes), (FrameHeader{128, 7, 1020}));
}

TEST(FrameQueue, PopsInOrderWithATerminatedPayload) {
    FrameQueue queue;
    const std::string first = Bytes({32, 0, 5, 0, 1, 7, 0}) + "hi";
    const std::string empty = Bytes({0, 2, 0, 0});
    ASSERT_TRUE(queue.PushFrame(first.data(), first.size()));
    ASSERT_TRUE(queue.PushFrame(empty.data(), empty.size()));
    EXPECT_EQ(queue.Size(), 2u);

    auto a = queue.PopFrame();
    ASSERT_TRUE(a);
    EXPECT_EQ(a->Header(), (FrameHeader{32, 0, 5}));
    EXPECT_EQ(a->Payload(), std::string_view("\x01\x07\x00hi", 5));
    EXPECT_EQ(a->PayloadText()[5], '\0');

    auto b = queue.PopFrame();
    ASSERT_TRUE(b);
    EXPECT_EQ(b->Size(), 4u);
    EXPECT_TRUE(b->Payload().empty());
    EXPECT_EQ(b->PayloadText()[0], '\0');

    EXPECT_FALSE(queue.PopFrame());
}

TEST(FrameQueue, RefusesBytesThatAreNotOneWholeFrame) {
    FrameQueue queue;
    const std::string shortHeader = Bytes({0, 2});
    const std::string lying = Bytes({0, 2, 9, 0}) + "abc";
    EXPECT_FALSE(queue.PushFrame(shortHeader.data(), shortHeader.size()));
    EXPECT_FALSE(queue.PushFrame(lying.data(), lying.size()));
    EXPECT_EQ(queue.Size(), 0u);
}

// Batches: one notice per stretch of frames (true only when the queue was empty), frames
// popped one at a time across batches in order, each outliving the batch it came in.
TEST(FrameQueue, BatchesKeepOrderAndAskForANoticeOnlyWhenTheQueueWasEmpty) {
    FrameQueue queue;
    auto batchOf = [](int first, int count) {
        FrameBatch batch;
        for (int i = first; i < first + count; ++i) {
            const std::string text = "frame " + std::to_string(i);
            const std::string frame =
                Bytes({16, 0, static_cast<unsigned char>(text.size()), 0}) + text;
            EXPECT_TRUE(batch.Add(frame.data(), frame.size()));
        }
        return batch;
    };
    FrameBatch broken = batchOf(0, 1);
    const std::string lying = Bytes({0, 2, 9, 0}) + "abc";
    EXPECT_FALSE(broken.Add(lying.data(), lying.size()));
    EXPECT_EQ(broken.Frames(), 1u);

    EXPECT_TRUE(queue.PushBatch(batchOf(0, 3)));
    EXPECT_FALSE(queue.PushBatch(batchOf(3, 2)));
    EXPECT_FALSE(queue.PushBatch(FrameBatch()));
    EXPECT_EQ(queue.Size(), 5u);
    std::vector<InboundFrame> popped;
    while (auto frame = queue.PopFrame()) {
        popped.push_back(*frame);
    }
    EXPECT_TRUE(queue.PushBatch(batchOf(5, 1)));  // emptied: the next push asks again
    popped.push_back(*queue.PopFrame());
    ASSERT_EQ(popped.size(), 6u);
    for (std::size_t i = 0; i < popped.size(); ++i) {
        EXPECT_EQ(popped[i].Payload(), "frame " + std::to_string(i));
        EXPECT_EQ(popped[i].PayloadText()[popped[i].Payload().size()], '\0');
    }
    // A session ends with a batch partly dispatched: the next session's frames are read from
    // their own first byte.
    EXPECT_TRUE(queue.PushBatch(batchOf(6, 3)));
    EXPECT_EQ(queue.PopFrame()->Payload(), "frame 6");
    queue.Clear();  // a closed session's frames

    EXPECT_EQ(queue.Size(), 0u);
    EXPECT_FALSE(queue.PopFrame());
    EXPECT_TRUE(queue.PushBatch(batchOf(9, 2)));
    EXPECT_EQ(queue.PopFrame()->Payload(), "frame 9");
    EXPECT_EQ(queue.PopFrame()->Payload(), "frame 10");
    EXPECT_FALSE(queue.PopFrame());
}

class MessageText : public ::testing::TestWithParam<std::size_t> {};

TEST_P(MessageText, EndsWithCtrlZLineFeedAndCarriesNoCarriageReturn) {
    std::string content;
    for (std::size_t i = 0; i < GetParam(); ++i) {
        content.push_back(i % 40 == 38 ? '\r' : i % 40 == 39 ? '\n' : char('a' + i % 26));
    }
    const std::string wire = MessageWireText(content, false);
    ASSERT_GE(wire.size(), 2u);
    EXPECT_EQ(wire.substr(wire.size() - 2), std::string("\x1a\n"));
    EXPECT_EQ(wire.find('\r'), std::string::npos);
    const auto lineFeeds = std::count(content.begin(), content.end(), '\n');
    EXPECT_EQ(std::count(wire.begin(), wire.end(), '\n'), lineFeeds + 1);
    EXPECT_EQ(wire.size(), content.size() - std::count(content.begin(), content.end(), '\r') + 2);
}

INSTANTIATE_TEST_SUITE_P(Sizes, MessageText, ::testing::Values(0, 999, 1000, 1001, 2000));

TEST(MessageTextCharset, DosModeSendsOemCodesAnsiModeSendsBytesUnchanged) {
    const std::string text = "caf\xE9\r\n";
    EXPECT_EQ(MessageWireText(text, false), std::string("caf\x82\n\x1a\n"));
    EXPECT_EQ(MessageWireText(text, true), std::string("caf\xE9\n\x1a\n"));
}

}  // namespace
}  // namespace brxw
