// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/receive_thread.h"

#include <QCoreApplication>
#include <cstring>
#include <vector>

#include "link/frame.h"
#include "link/frame_queue.h"
#include "link/latency_probe.h"
#include "link/link_events.h"

namespace brxw {

namespace {
void Post(QObject* target, QEvent::Type type, std::uint64_t generation,
          LinkEndCause cause = LinkEndCause::EndOfStream, int code = 0) {
    auto* event = new LinkEvent(type, generation, cause, code);
    MarkEventPosted(event);
    QCoreApplication::postEvent(target, event);
}
}  // namespace

ReceiveThread::~ReceiveThread() {
    RequestStop();
    Join();
}

void ReceiveThread::Start(SocketHandle handle, FrameQueue& queue, QObject* target,
                          std::uint64_t generation) {
    Join();
    m_running.store(true);
    m_thread = std::thread([=, this, &queue] { Run(handle, queue, target, generation); });
}

void ReceiveThread::Join() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void ReceiveThread::Run(SocketHandle handle, FrameQueue& queue, QObject* target,
                        std::uint64_t generation) {
    std::vector<char> buffer(kReadBufferSize);
    std::size_t held = 0;  // bytes in the buffer, from its start
    bool lost = false;     // a length over the protocol's limit: nothing after it is a frame
    LinkEndCause cause = LinkEndCause::EndOfStream;
    int code = 0;
    while (m_running.load() && !lost) {
        const int ready = WaitReadable(handle, kSelectTimeoutMs);
        if (ready == 0) {
            continue;
        }
        if (ready < 0) {
            cause = LinkEndCause::ReceiveError;
            code = LastSocketError();
            break;
        }
        if (!m_running.load()) {
            break;
        }
        const long got = RecvSome(handle, buffer.data() + held, buffer.size() - held);
        const probe::FramesRead probeRead = probe::framesRead.load(std::memory_order_relaxed);
        const probe::Clock::time_point readAt =
            probeRead != nullptr ? probe::Clock::now() : probe::Clock::time_point{};
        if (got < 0) {
            cause = LinkEndCause::ReceiveError;
            code = LastSocketError();
            break;
        }
        if (got == 0) {
            break;
        }
        held += static_cast<std::size_t>(got);
        FrameBatch batch;
        std::size_t cut = 0;
        while (held - cut >= kFrameHeaderSize) {
            const FrameHeader header =
                DecodeHeader(reinterpret_cast<const unsigned char*>(buffer.data() + cut));
            if (header.length > kMaxInboundPayload) {
                lost = true;
                cause = LinkEndCause::FrameTooLong;
                code = header.length;
                break;
            }
            const std::size_t whole = kFrameHeaderSize + header.length;
            if (held - cut < whole) {
                break;
            }
            batch.Add(buffer.data() + cut, whole);
            cut += whole;
        }
        if (probeRead != nullptr && cut > 0) {
            probeRead({buffer.data(), cut}, readAt);
        }
        if (batch.Frames() > 0 && queue.PushBatch(std::move(batch))) {
            Post(target, kFrameQueuedEvent, generation);
        }
        // What is left is less than one frame, so the buffer always has room for the next read.
        std::memmove(buffer.data(), buffer.data() + cut, held - cut);
        held -= cut;
    }
    Post(target, kLinkBrokenEvent, generation, cause, code);
}

}  // namespace brxw
