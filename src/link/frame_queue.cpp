// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/frame_queue.h"

#include <new>

namespace brxw {

namespace {
bool IsWholeFrame(const char* bytes, std::size_t count) {
    return count >= kFrameHeaderSize &&
           DecodeHeader(reinterpret_cast<const unsigned char*>(bytes)).length ==
               count - kFrameHeaderSize;
}
}  // namespace

bool FrameBatch::Add(const char* bytes, std::size_t count) {
    if (!IsWholeFrame(bytes, count)) {
        return false;
    }
    try {
        m_bytes.insert(m_bytes.end(), bytes, bytes + count);
        m_bytes.push_back('\0');
    } catch (const std::bad_alloc&) {
        return false;
    }
    ++m_frames;
    return true;
}

InboundFrame::InboundFrame()
    : m_bytes(std::make_shared<const std::vector<char>>(kFrameHeaderSize + 1, '\0')),
      m_size(kFrameHeaderSize) {}

InboundFrame::InboundFrame(const char* bytes, std::size_t count) : m_size(count) {
    std::vector<char> copy(bytes, bytes + count);
    copy.push_back('\0');
    m_bytes = std::make_shared<const std::vector<char>>(std::move(copy));
}

InboundFrame::InboundFrame(std::shared_ptr<const std::vector<char>> bytes, std::size_t offset)
    : m_bytes(std::move(bytes)), m_offset(offset) {
    m_size = kFrameHeaderSize + Header().length;
}

FrameHeader InboundFrame::Header() const {
    return DecodeHeader(reinterpret_cast<const unsigned char*>(Data()));
}

std::string_view InboundFrame::Payload() const {
    return {Data() + kFrameHeaderSize, m_size - kFrameHeaderSize};
}

bool FrameQueue::PushFrame(const char* bytes, std::size_t count) {
    FrameBatch batch;
    if (!batch.Add(bytes, count)) {
        return false;
    }
    PushBatch(std::move(batch));
    return true;
}

bool FrameQueue::PushBatch(FrameBatch&& batch) {
    if (batch.m_frames == 0) {
        return false;
    }
    try {
        Batch entry{std::make_shared<const std::vector<char>>(std::move(batch.m_bytes)),
                    batch.m_frames};
        std::lock_guard lock(m_mutex);
        const bool wasEmpty = m_size == 0;
        m_batches.push_back(std::move(entry));
        m_size += m_batches.back().frames;
        return wasEmpty;
    } catch (const std::bad_alloc&) {
        return false;  // the frames are lost, as any frame memory cannot hold
    }
}

std::optional<InboundFrame> FrameQueue::PopFrame() {
    std::lock_guard lock(m_mutex);
    if (m_size == 0) {
        return std::nullopt;
    }
    Batch& front = m_batches.front();
    InboundFrame frame(front.bytes, m_frontOffset);
    --m_size;
    if (++m_frontTaken == front.frames) {
        m_batches.pop_front();  // the frames popped from it keep its bytes alive
        m_frontOffset = 0;
        m_frontTaken = 0;
    } else {
        m_frontOffset += frame.Size() + 1;
    }
    return frame;
}

void FrameQueue::Clear() {
    std::deque<Batch> dropped;
    std::lock_guard lock(m_mutex);
    dropped.swap(m_batches);
    m_frontOffset = 0;
    m_frontTaken = 0;
    m_size = 0;
}

std::size_t FrameQueue::Size() const {
    std::lock_guard lock(m_mutex);
    return m_size;
}

}  // namespace brxw
