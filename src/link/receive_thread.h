// The receive thread: reads whole frames from the session socket, pushes each onto the frame
// queue and posts FrameQueued to the user-interface thread; on end of stream, a failure or a
// length the receive buffer cannot hold, it posts LinkBroken once and ends.
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
    // Reads exactly count bytes; false on close, error or stop.
    bool ReadExactly(SocketHandle handle, char* buffer, std::size_t count);

    std::atomic<bool> m_running{false};
    std::thread m_thread;
};

}  // namespace brxw
