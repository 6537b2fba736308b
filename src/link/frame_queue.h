// The inbound frame queue: the receive thread pushes whole frames, the user-interface thread pops
// them one per FrameQueued event. The one mutex is held only for one push or one pop.
// Owned by the Session; safe to use from both threads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string_view>
#include <vector>

#include "link/frame.h"

namespace brxw {

// One popped frame: header and payload, followed by one zero byte so that any payload can also
// be read as a NUL-terminated text.
class InboundFrame {
public:
    InboundFrame() = default;
    InboundFrame(const char* bytes, std::size_t count);

    std::size_t Size() const { return m_data.size() - 1; }  // header + payload
    FrameHeader Header() const;
    std::uint8_t Category() const { return Header().category; }
    std::uint8_t Kind() const { return Header().kind; }
    std::string_view Payload() const;
    // The payload followed by a terminating zero byte.
    const char* PayloadText() const { return m_data.data() + kFrameHeaderSize; }

private:
    std::vector<char> m_data;  // frame bytes + '\0'; at least kFrameHeaderSize + 1
};

class FrameQueue {
public:
    // Appends a copy of count bytes (a header and its payload). False when the bytes are not a
    // whole frame or memory is exhausted; the frame is then lost.
    bool PushFrame(const char* bytes, std::size_t count);
    std::optional<InboundFrame> PopFrame();
    void Clear();
    std::size_t Size() const;

private:
    mutable std::mutex m_mutex;
    std::deque<InboundFrame> m_frames;
};

}  // namespace brxw
