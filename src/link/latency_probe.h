// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a bench may take the time of the link's two ends: the receive thread's read that
// completed some whole frames, and the bytes the session has just handed to the socket. Nothing
// is called, and no clock is read, while no probe is set; a probe runs on the thread of its end
// (the receive thread, the user-interface thread) and must be quick.

#include <atomic>
#include <chrono>
#include <string_view>

namespace brxw::probe {

using Clock = std::chrono::steady_clock;
// `bytes` holds whole frames, headers included: those whose last byte came with this read.
using FramesRead = void (*)(std::string_view bytes, Clock::time_point readAt);
// `bytes` were written to the socket, all of them, just before `writtenAt`.
using BytesWritten = void (*)(std::string_view bytes, Clock::time_point writtenAt);

inline std::atomic<FramesRead> framesRead{nullptr};
inline std::atomic<BytesWritten> bytesWritten{nullptr};

}  // namespace brxw::probe
