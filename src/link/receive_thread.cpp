#include "link/receive_thread.h"

#include <QCoreApplication>

#include "link/frame.h"
#include "link/frame_queue.h"
#include "link/link_events.h"

namespace brxw {

namespace {
void Post(QObject* target, QEvent::Type type, std::uint64_t generation) {
    auto* event = new LinkEvent(type, generation);
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

bool ReceiveThread::ReadExactly(SocketHandle handle, char* buffer, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        if (!m_running.load()) {
            return false;
        }
        const long got = RecvSome(handle, buffer + done, count - done);
        if (got <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(got);
    }
    return true;
}

void ReceiveThread::Run(SocketHandle handle, FrameQueue& queue, QObject* target,
                        std::uint64_t generation) {
    char buffer[kFrameHeaderSize + kMaxInboundPayload];
    while (m_running.load()) {
        const int ready = WaitReadable(handle, kSelectTimeoutMs);
        if (ready == 0) {
            continue;
        }
        if (ready < 0 || !ReadExactly(handle, buffer, kFrameHeaderSize)) {
            break;
        }
        const FrameHeader header = DecodeHeader(reinterpret_cast<unsigned char*>(buffer));
        // A length over the buffer cannot be a frame of this protocol: the stream is lost.
        if (header.length > kMaxInboundPayload ||
            !ReadExactly(handle, buffer + kFrameHeaderSize, header.length)) {
            break;
        }
        queue.PushFrame(buffer, kFrameHeaderSize + header.length);
        // Posted even when the push failed: the dispatch then finds the queue short and
        // does nothing, which keeps events and frames one to one.
        Post(target, kFrameQueuedEvent, generation);
    }
    Post(target, kLinkBrokenEvent, generation);
}

}  // namespace brxw
