// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A hostile server for the client's failure paths: a bare TCP listener on 127.0.0.1 (a free
// port) that plays a script to each connection it accepts, one connection at a time. A script
// reads the client's login line, writes a challenge, reads the login reply and writes the bytes
// after login; it can cut the conversation at any byte offset (an orderly close or a reset),
// write in segments of one or of random sizes, stall at an offset until released, or never
// answer. Far simpler to steer byte by byte than the reference peer.
//
// Owned by the test; the script plays on a std::thread of its own that touches only its
// sockets and the members guarded by the one mutex. Every member may be called from the test's
// thread. The destructor stops the thread (within one 20 ms poll) and joins it.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace brxw::test {

struct PeerScript {
    // Read the client's login line ("%d 0 %s\n") before anything else.
    bool readLoginLine = true;
    // Written once the login line is read; empty with answerChallenge false: never answers.
    std::string challenge = "5A3C1F77\r\n";
    bool answerChallenge = true;
    // Read the client's login reply line before writing afterLogin.
    bool readReply = true;
    std::string afterLogin;
    // Called after afterLogin while it returns true; appends the next bytes to write. Lets a
    // flood of frames be generated as it goes instead of held in memory.
    std::function<bool(std::string&)> more;

    // The conversation (bytes read and written, in order) is cut when it reaches this many
    // bytes; -1: never. The peer then closes: an orderly close (FIN, then it reads what the
    // client still sends until the client closes) or, with reset, an abortive one (RST).
    std::int64_t dropAt = -1;
    bool reset = false;
    // Close once everything was written, as at dropAt.
    bool closeAfterWriting = false;

    // 0: each piece in one write; 1: every byte its own write; n > 1: writes of random sizes
    // 1..n, from the seed.
    std::size_t segmentMax = 0;
    std::uint32_t seed = 1;
    // Before writing the byte at this conversation offset, wait until Release().
    std::int64_t stallAt = -1;
};

class ScriptedPeer {
public:
    ScriptedPeer();
    ~ScriptedPeer();
    ScriptedPeer(const ScriptedPeer&) = delete;
    ScriptedPeer& operator=(const ScriptedPeer&) = delete;

    std::uint16_t Port() const { return m_port; }

    // The script for the next connection accepted; connections without one get the default
    // script (a plain login, then silence until the client closes).
    void Queue(PeerScript script);
    // Ends a stall.
    void Release();

    // Observers, safe from any thread.
    int Accepted() const;
    // Connections whose script has ended and whose socket is closed.
    int Finished() const;
    bool Stalled() const;
    // Bytes the client sent on the latest connection (the login line and reply included).
    std::string Received() const;
    // Bytes written to the client on the latest connection.
    std::int64_t Written() const;

    // A plain login as the default script does it: challenge, then these bytes after the reply.
    static PeerScript Login(std::string afterLogin = {});

private:
    class Connection;
    void Run();
    PeerScript NextScript();

    int m_listener = -1;
    std::uint16_t m_port = 0;
    std::thread m_thread;

    mutable std::mutex m_mutex;  // guards the members below
    std::condition_variable m_changed;
    bool m_stop = false;
    bool m_released = false;
    bool m_stalled = false;
    std::deque<PeerScript> m_scripts;
    int m_accepted = 0;
    int m_finished = 0;
    std::string m_received;
    std::int64_t m_written = 0;
};

}  // namespace brxw::test
