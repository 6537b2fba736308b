// SPDX-License-Identifier: GPL-3.0-or-later
#include "hostile/scripted_peer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <stdexcept>

namespace brxw::test {

namespace {
constexpr int kPollMs = 20;
// A login line or reply longer than this is not one; the script stops reading it.
constexpr std::size_t kMaxLine = 512;
}  // namespace

// One accepted connection playing its script. Counts every byte read and written as one
// offset of the conversation, which is where a cut or a stall applies.
class ScriptedPeer::Connection {
public:
    Connection(ScriptedPeer& peer, int fd, PeerScript script)
        : m_peer(peer), m_fd(fd), m_script(std::move(script)), m_random(m_script.seed) {}

    void Play() {
        bool ok = !m_script.readLoginLine || ReadLine();
        if (ok && m_script.answerChallenge) {
            ok = Write(m_script.challenge) && (!m_script.readReply || ReadLine()) &&
                 Write(m_script.afterLogin);
            std::string chunk;
            while (ok && m_script.more) {
                chunk.clear();
                if (!m_script.more(chunk)) {
                    break;
                }
                ok = Write(chunk);
            }
        }
        if (Stopping()) {
            return;
        }
        if (Cut() || m_script.closeAfterWriting) {
            if (m_script.reset) {
                linger abortive{1, 0};
                ::setsockopt(m_fd, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
                return;  // the close that follows sends the reset
            }
            ::shutdown(m_fd, SHUT_WR);
        }
        // An orderly end, or a script played to its end: read what the client still sends
        // until it closes, so that no unread byte turns our close into a reset.
        Drain();
    }

private:
    bool Stopping() const {
        std::lock_guard lock(m_peer.m_mutex);
        return m_peer.m_stop;
    }

    bool Cut() const { return m_script.dropAt >= 0 && m_offset >= m_script.dropAt; }

    // False on stop, error or hang-up.
    bool WaitFor(short events) {
        for (;;) {
            if (Stopping()) {
                return false;
            }
            pollfd p{m_fd, events, 0};
            const int ready = ::poll(&p, 1, kPollMs);
            if (ready < 0 && errno != EINTR) {
                return false;
            }
            if (ready > 0) {
                return (p.revents & events) != 0 || (p.revents & (POLLHUP | POLLERR)) == 0;
            }
        }
    }

    void Record(const char* bytes, std::size_t count) {
        std::lock_guard lock(m_peer.m_mutex);
        m_peer.m_received.append(bytes, count);
    }

    bool ReadLine() {
        for (std::size_t length = 0; length < kMaxLine; ++length) {
            if (Cut() || !WaitFor(POLLIN)) {
                return false;
            }
            char byte = 0;
            if (::recv(m_fd, &byte, 1, 0) != 1) {
                return false;
            }
            Record(&byte, 1);
            ++m_offset;
            if (byte == '\n') {
                return true;
            }
        }
        return false;
    }

    void Stall() {
        std::unique_lock lock(m_peer.m_mutex);
        m_peer.m_stalled = true;
        m_peer.m_changed.notify_all();
        m_peer.m_changed.wait(lock, [this] { return m_peer.m_released || m_peer.m_stop; });
        m_peer.m_released = false;
        m_peer.m_stalled = false;
    }

    std::size_t NextSegment(std::size_t left) {
        std::size_t size = left;
        if (m_script.segmentMax == 1) {
            size = 1;
        } else if (m_script.segmentMax > 1) {
            size = std::uniform_int_distribution<std::size_t>(1, m_script.segmentMax)(m_random);
        }
        // A cut or a stall falls between two writes, exactly at its offset.
        for (const std::int64_t mark : {m_script.dropAt, m_script.stallAt}) {
            if (mark > m_offset) {
                size = std::min<std::size_t>(size, std::size_t(mark - m_offset));
            }
        }
        return std::min(size, left);
    }

    bool Write(std::string_view bytes) {
        while (!bytes.empty()) {
            if (Cut()) {
                return false;
            }
            if (m_offset == m_script.stallAt) {
                Stall();
            }
            std::size_t segment = NextSegment(bytes.size());
            while (segment > 0) {
                if (!WaitFor(POLLOUT)) {
                    return false;
                }
                const auto sent = ::send(m_fd, bytes.data(), segment, MSG_NOSIGNAL);
                if (sent < 0) {
                    if (errno == EINTR || errno == EAGAIN) {
                        continue;
                    }
                    return false;
                }
                bytes.remove_prefix(std::size_t(sent));
                segment -= std::size_t(sent);
                m_offset += sent;
                std::lock_guard lock(m_peer.m_mutex);
                m_peer.m_written += sent;
            }
        }
        return true;
    }

    void Drain() {
        char buffer[4096];
        while (WaitFor(POLLIN)) {
            const auto got = ::recv(m_fd, buffer, sizeof buffer, 0);
            if (got <= 0) {
                return;
            }
            Record(buffer, std::size_t(got));
        }
    }

    ScriptedPeer& m_peer;
    const int m_fd;
    PeerScript m_script;
    std::mt19937 m_random;
    std::int64_t m_offset = 0;
};

ScriptedPeer::ScriptedPeer() {
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (m_listener < 0 ||
        ::bind(m_listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(m_listener, 16) != 0 ||
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        throw std::runtime_error("scripted peer cannot listen");
    }
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { Run(); });
}

ScriptedPeer::~ScriptedPeer() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
    ::close(m_listener);
}

PeerScript ScriptedPeer::Login(std::string afterLogin) {
    PeerScript script;
    script.afterLogin = std::move(afterLogin);
    return script;
}

void ScriptedPeer::Queue(PeerScript script) {
    std::lock_guard lock(m_mutex);
    m_scripts.push_back(std::move(script));
}

void ScriptedPeer::Release() {
    {
        std::lock_guard lock(m_mutex);
        m_released = true;
    }
    m_changed.notify_all();
}

int ScriptedPeer::Accepted() const {
    std::lock_guard lock(m_mutex);
    return m_accepted;
}

int ScriptedPeer::Finished() const {
    std::lock_guard lock(m_mutex);
    return m_finished;
}

bool ScriptedPeer::Stalled() const {
    std::lock_guard lock(m_mutex);
    return m_stalled;
}

std::string ScriptedPeer::Received() const {
    std::lock_guard lock(m_mutex);
    return m_received;
}

std::int64_t ScriptedPeer::Written() const {
    std::lock_guard lock(m_mutex);
    return m_written;
}

PeerScript ScriptedPeer::NextScript() {
    std::lock_guard lock(m_mutex);
    if (m_scripts.empty()) {
        return Login();
    }
    PeerScript script = std::move(m_scripts.front());
    m_scripts.pop_front();
    return script;
}

void ScriptedPeer::Run() {
    for (;;) {
        {
            std::lock_guard lock(m_mutex);
            if (m_stop) {
                return;
            }
        }
        pollfd p{m_listener, POLLIN, 0};
        if (::poll(&p, 1, kPollMs) <= 0) {
            continue;
        }
        const int fd = ::accept(m_listener, nullptr, nullptr);
        if (fd < 0) {
            continue;
        }
        int one = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        {
            std::lock_guard lock(m_mutex);
            ++m_accepted;
            m_received.clear();
            m_written = 0;
        }
        Connection(*this, fd, NextScript()).Play();
        ::close(fd);
        {
            std::lock_guard lock(m_mutex);
            ++m_finished;
        }
    }
}

}  // namespace brxw::test
