// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QEvent>
#include <thread>

#include "link/frame_queue.h"
#include "link/link_events.h"
#include "link/receive_thread.h"
#include "support/wait.h"

namespace brxw {
namespace {

// Collects the receive thread's events on this (the test's) thread.
class EventLog : public QObject {
public:
    bool event(QEvent* e) override {
        MarkEventReceived(e);
        if (e->type() == kFrameQueuedEvent) {
            ++queued;
            return true;
        }
        if (e->type() == kLinkBrokenEvent) {
            ++broken;
            generation = static_cast<LinkEvent*>(e)->Generation();
            return true;
        }
        return QObject::event(e);
    }
    int queued = 0;
    int broken = 0;
    std::uint64_t generation = 0;
};

class ReceiveThreadTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, m_fds), 0); }
    void TearDown() override {
        m_thread.RequestStop();
        ::shutdown(m_fds[0], SHUT_RDWR);
        m_thread.Join();
        ::close(m_fds[0]);
        if (m_fds[1] >= 0) {
            ::close(m_fds[1]);
        }
    }
    void Start() { m_thread.Start(m_fds[0], m_queue, &m_log, 7); }
    // Writes the bytes in pieces, pausing between them so that they arrive as separate reads.
    void WriteInPieces(const std::string& bytes, std::initializer_list<std::size_t> cuts) {
        std::size_t from = 0;
        for (std::size_t cut : cuts) {
            ASSERT_EQ(::write(m_fds[1], bytes.data() + from, cut - from), ssize_t(cut - from));
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            from = cut;
        }
        ASSERT_EQ(::write(m_fds[1], bytes.data() + from, bytes.size() - from),
                  ssize_t(bytes.size() - from));
    }
    void CloseServerSide() {
        ::close(m_fds[1]);
        m_fds[1] = -1;
    }

    int m_fds[2] = {-1, -1};
    FrameQueue m_queue;
    EventLog m_log;
    ReceiveThread m_thread;
};

TEST_F(ReceiveThreadTest, ReassemblesHeaderAndPayloadSplitAcrossSegments) {
    Start();
    const std::string frame = std::string("\x20\x00\x08\x00\x05\x02\x00", 7) + "hello";
    WriteInPieces(frame, {1, 3, 6});
    ASSERT_TRUE(test::WaitUntil([&] { return m_log.queued == 1; }));
    auto popped = m_queue.PopFrame();
    ASSERT_TRUE(popped);
    EXPECT_EQ(popped->Size(), frame.size());
    EXPECT_EQ(popped->Payload(), frame.substr(4));
    EXPECT_EQ(m_log.broken, 0);
}

TEST_F(ReceiveThreadTest, ZeroLengthFrameIsQueuedAsFourBytes) {
    Start();
    WriteInPieces(std::string("\x00\x02\x00\x00", 4), {});
    ASSERT_TRUE(test::WaitUntil([&] { return m_log.queued == 1; }));
    auto popped = m_queue.PopFrame();
    ASSERT_TRUE(popped);
    EXPECT_EQ(popped->Size(), 4u);
    EXPECT_EQ(popped->PayloadText()[0], '\0');
}

TEST_F(ReceiveThreadTest, OrderlyCloseInMidFrameReportsTheBrokenLinkOnce) {
    Start();
    WriteInPieces(std::string("\x00\x02\x10\x00"
                              "abc",
                              7),
                  {});
    CloseServerSide();
    ASSERT_TRUE(test::WaitUntil([&] { return m_log.broken == 1; }));
    EXPECT_EQ(m_log.generation, 7u);
    EXPECT_EQ(m_log.queued, 0);
    EXPECT_EQ(m_queue.Size(), 0u);
    m_thread.Join();
    QCoreApplication::processEvents();
    EXPECT_EQ(m_log.broken, 1);
}

TEST_F(ReceiveThreadTest, LengthOverTheBufferEndsTheLinkWithoutReadingOn) {
    Start();
    // 1021 bytes announced: one more than the receive buffer holds behind the header.
    WriteInPieces(std::string("\x00\x02\xFD\x03", 4) + std::string(1021, 'x'), {});
    ASSERT_TRUE(test::WaitUntil([&] { return m_log.broken == 1; }));
    EXPECT_EQ(m_log.queued, 0);
}

TEST_F(ReceiveThreadTest, LargestFrameFitsTheBuffer) {
    Start();
    WriteInPieces(std::string("\x00\x02\xFC\x03", 4) + std::string(1020, 'x'), {500});
    ASSERT_TRUE(test::WaitUntil([&] { return m_log.queued == 1; }));
    EXPECT_EQ(m_queue.PopFrame()->Payload().size(), 1020u);
}

// A stream of many reads' worth, frames cut across the reads' ends, then a length no frame
// can have: every frame before it is queued whole and in order, under one notice while nobody
// takes them, and the link is broken once, after them.
TEST_F(ReceiveThreadTest, AFloodIsQueuedInOrderUnderOneNoticeBeforeTheBrokenLink) {
    Start();
    constexpr int kFrames = 5000;  // about five read buffers
    std::string stream;
    for (int i = 0; i < kFrames; ++i) {
        const std::string text = "line " + std::to_string(i) + std::string(i % 90, '.');
        stream += std::string("\x10\x00", 2) + char(text.size()) + '\0' + text;
    }
    stream += std::string("\x00\x02\xFD\x03", 4) + "never read";
    WriteInPieces(stream, {1, 70001, 70003});
    ASSERT_TRUE(test::WaitUntil([&] { return m_log.broken == 1; }));
    EXPECT_EQ(m_log.queued, 1);
    ASSERT_EQ(m_queue.Size(), std::size_t(kFrames));
    for (int i = 0; i < kFrames; ++i) {
        const auto frame = m_queue.PopFrame();
        ASSERT_EQ(frame->Payload(), "line " + std::to_string(i) + std::string(i % 90, '.'));
    }
}

TEST_F(ReceiveThreadTest, StopWhileTheServerIsSilentJoins) {
    Start();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    m_thread.RequestStop();
    ::shutdown(m_fds[0], SHUT_RDWR);
    m_thread.Join();
    EXPECT_FALSE(m_thread.Joinable());
}

}  // namespace
}  // namespace brxw
