#include "link/frame_queue.h"

#include <new>

namespace brxw {

InboundFrame::InboundFrame(const char* bytes, std::size_t count) : m_data(bytes, bytes + count) {
    m_data.push_back('\0');
}

FrameHeader InboundFrame::Header() const {
    return DecodeHeader(reinterpret_cast<const unsigned char*>(m_data.data()));
}

std::string_view InboundFrame::Payload() const {
    return {m_data.data() + kFrameHeaderSize, Size() - kFrameHeaderSize};
}

bool FrameQueue::PushFrame(const char* bytes, std::size_t count) {
    if (count < kFrameHeaderSize ||
        DecodeHeader(reinterpret_cast<const unsigned char*>(bytes)).length !=
            count - kFrameHeaderSize) {
        return false;
    }
    try {
        InboundFrame frame(bytes, count);  // copied outside the lock
        std::lock_guard lock(m_mutex);
        m_frames.push_back(std::move(frame));
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

std::optional<InboundFrame> FrameQueue::PopFrame() {
    std::lock_guard lock(m_mutex);
    if (m_frames.empty()) {
        return std::nullopt;
    }
    InboundFrame frame = std::move(m_frames.front());
    m_frames.pop_front();
    return frame;
}

void FrameQueue::Clear() {
    std::deque<InboundFrame> dropped;
    std::lock_guard lock(m_mutex);
    dropped.swap(m_frames);
}

std::size_t FrameQueue::Size() const {
    std::lock_guard lock(m_mutex);
    return m_frames.size();
}

}  // namespace brxw
