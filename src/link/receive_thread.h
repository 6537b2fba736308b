// SPDX-License-Identifier: GPL-3.0-or-later
// The receive thread: reads what the session socket holds into a large buffer, cuts the whole
// frames from it and pushes them onto the frame queue as one batch, posting FrameQueued to the
// user-interface thread only when the queue was empty (the reader drains it); on end of stream,
// a failure or a length the protocol's receive buffer cannot hold, it posts LinkBroken once,
// after every whole frame before it, with the cause it saw, and ends.
//
// Owned by the Session, started at login and always joined (never detached). Stop() may be
// called from the user-interface thread while the thread runs; the thread touches nothing but
// the socket handle, the queue and the event target.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

#include "link/native_socket.h"

class QObject;

namespace brxw {

class FrameQueue;

class ReceiveThread {
public:
    // select() waits this long, so a stopped session is noticed within one wait.
    static constexpr int kSelectTimeoutMs = 100;
    // One read takes up to this much; a partial frame left at its end moves to the front.
    static constexpr std::size_t kReadBufferSize = 64 * 1024;

    ReceiveThread() = default;
    ~ReceiveThread();
    ReceiveThread(const ReceiveThread&) = delete;
    ReceiveThread& operator=(const ReceiveThread&) = delete;

    void Start(SocketHandle handle, FrameQueue& queue, QObject* target, std::uint64_t generation);
    // Ends the loop at its next test. The caller shuts the socket down first so a blocked recv
    // returns, then joins, and only then closes the descriptor.
    void RequestStop() { m_running.store(false); }
    void Join();
    bool Joinable() const { return m_thread.joinable(); }

private:
    void Run(SocketHandle handle, FrameQueue& queue, QObject* target, std::uint64_t generation);

    std::atomic<bool> m_running{false};
    std::thread m_thread;
};

}  // namespace brxw
