// SPDX-License-Identifier: GPL-3.0-or-later
// The inbound frame queue: the receive thread pushes the whole frames of each read as one batch,
// the user-interface thread pops them one at a time, in order. The one mutex is held only for
// one push or one pop; a batch is one allocation however many frames it holds.
// Owned by the Session; safe to use from both threads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <vector>

#include "link/frame.h"

namespace brxw {

// Whole frames back to back, each followed by one zero byte.
class FrameBatch {
public:
    // Appends a copy of count bytes (a header and its payload). False when the bytes are not a
    // whole frame or memory is exhausted; the frame is then lost.
    bool Add(const char* bytes, std::size_t count);
    std::size_t Frames() const { return m_frames; }

private:
    friend class FrameQueue;
    std::vector<char> m_bytes;
    std::size_t m_frames = 0;
};

// One popped frame: header and payload, followed by one zero byte so that any payload can also
// be read as a NUL-terminated text. It shares the bytes of the batch it came in.
class InboundFrame {
public:
    InboundFrame();
    InboundFrame(const char* bytes, std::size_t count);
    InboundFrame(std::shared_ptr<const std::vector<char>> bytes, std::size_t offset);

    std::size_t Size() const { return m_size; }  // header + payload
    FrameHeader Header() const;
    std::uint8_t Category() const { return Header().category; }
    std::uint8_t Kind() const { return Header().kind; }
    std::string_view Payload() const;
    // The payload followed by a terminating zero byte.
    const char* PayloadText() const { return Data() + kFrameHeaderSize; }

private:
    const char* Data() const { return m_bytes->data() + m_offset; }

    std::shared_ptr<const std::vector<char>> m_bytes;  // at least kFrameHeaderSize + 1 from offset
    std::size_t m_offset = 0;
    std::size_t m_size = 0;
};

class FrameQueue {
public:
    // Appends one frame; false when the bytes are not a whole frame or memory is exhausted.
    bool PushFrame(const char* bytes, std::size_t count);
    // Appends a batch's frames. True when the queue was empty before, so that the pusher posts
    // one notice for the frames that arrive until the reader has emptied the queue again.
    bool PushBatch(FrameBatch&& batch);
    std::optional<InboundFrame> PopFrame();
    void Clear();
    std::size_t Size() const;  // frames

private:
    struct Batch {
        std::shared_ptr<const std::vector<char>> bytes;
        std::size_t frames = 0;
    };

    mutable std::mutex m_mutex;
    std::deque<Batch> m_batches;
    std::size_t m_frontOffset = 0;  // where the front batch's next frame starts
    std::size_t m_frontTaken = 0;   // frames of the front batch already popped
    std::size_t m_size = 0;
};

}  // namespace brxw
