// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/native_socket.h"

#include "link/socket_errors.h"

#include <algorithm>

#ifdef _WIN32
#include <winsock2.h>
#else
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#endif

namespace brxw {

#ifdef _WIN32
const SocketHandle kInvalidSocket = INVALID_SOCKET;
namespace {
int CloseHandle(SocketHandle h) {
    return ::closesocket(h);
}
constexpr int kSendFlags = 0;
constexpr int kShutBoth = SD_BOTH;
}  // namespace
int LastSocketError() {
    return ::WSAGetLastError();
}
#else
const SocketHandle kInvalidSocket = -1;
namespace {
int CloseHandle(SocketHandle h) {
    return ::close(h);
}
// A peer that has gone must not kill the program with SIGPIPE.
constexpr int kSendFlags = MSG_NOSIGNAL;
constexpr int kShutBoth = SHUT_RDWR;
}  // namespace
int LastSocketError() {
    return WsaFromErrno(errno);
}
#endif

bool InitialiseSockets() {
#ifdef _WIN32
    WSADATA data;
    return ::WSAStartup(MAKEWORD(1, 1), &data) == 0;
#else
    return true;
#endif
}

NativeSocket::~NativeSocket() {
    Close();
}

int NativeSocket::Open() {
    Close();
    m_handle = ::socket(AF_INET, SOCK_STREAM, 0);
    if (m_handle == kInvalidSocket) {
        return LastSocketError();
    }
    // Console lines and small frames go out at once.
    int one = 1;
    ::setsockopt(m_handle, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&one),
                 sizeof one);
    return 0;
}

int NativeSocket::SetBlocking(bool blocking) {
#ifdef _WIN32
    u_long nonBlocking = blocking ? 0 : 1;
    return ::ioctlsocket(m_handle, FIONBIO, &nonBlocking) == 0 ? 0 : LastSocketError();
#else
    const int flags = ::fcntl(m_handle, F_GETFL, 0);
    if (flags < 0) {
        return LastSocketError();
    }
    const int wanted = blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK);
    return ::fcntl(m_handle, F_SETFL, wanted) == 0 ? 0 : LastSocketError();
#endif
}

void NativeSocket::SetSendTimeout(int milliseconds) {
#ifdef _WIN32
    DWORD timeout = static_cast<DWORD>(milliseconds);
#else
    timeval timeout{};
    timeout.tv_sec = milliseconds / 1000;
    timeout.tv_usec = (milliseconds % 1000) * 1000;
#endif
    ::setsockopt(m_handle, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout),
                 sizeof timeout);
}

int NativeSocket::StartConnect(std::uint32_t ipv4, std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(ipv4);
    if (::connect(m_handle, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        return 0;
    }
    const int error = LastSocketError();
    // A POSIX non-blocking connect reports "in progress" where Windows says "would block".
    return error == wsa::kInProgress ? wsa::kWouldBlock : error;
}

bool LoopbackPortListened(std::uint16_t port) {
    NativeSocket probe;
    if (probe.Open() != 0) {
        return false;
    }
#ifndef _WIN32
    // On Windows the same option would let the bind share a listener's port, and see nothing.
    const int on = 1;
    ::setsockopt(probe.Handle(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
#endif
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return ::bind(probe.Handle(), reinterpret_cast<const sockaddr*>(&address), sizeof address) !=
               0 &&
           LastSocketError() == wsa::kAddressInUse;
}

int NativeSocket::ConnectResult() const {
    int error = 0;
#ifdef _WIN32
    int size = sizeof error;
#else
    socklen_t size = sizeof error;
#endif
    if (::getsockopt(m_handle, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) != 0) {
        return LastSocketError();
    }
#ifdef _WIN32
    return error;
#else
    return error == 0 ? 0 : WsaFromErrno(error);
#endif
}

bool NativeSocket::SendAll(std::string_view bytes) {
    if (!IsOpen()) {
        return false;
    }
    while (!bytes.empty()) {
        const int chunk = static_cast<int>(std::min<std::size_t>(bytes.size(), 1 << 20));
        const auto sent = ::send(m_handle, bytes.data(), chunk, kSendFlags);
        if (sent < 0) {
#ifndef _WIN32
            if (errno == EINTR) {
                continue;
            }
#endif
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

void NativeSocket::Shutdown() {
    if (IsOpen()) {
        ::shutdown(m_handle, kShutBoth);
    }
}

void NativeSocket::Close() {
    if (IsOpen()) {
        CloseHandle(m_handle);
        m_handle = kInvalidSocket;
    }
}

long RecvSome(SocketHandle handle, char* buffer, std::size_t count) {
    for (;;) {
        const auto got = ::recv(handle, buffer, static_cast<int>(count), 0);
#ifndef _WIN32
        if (got < 0 && errno == EINTR) {
            continue;
        }
#endif
        return got < 0 ? -1 : static_cast<long>(got);
    }
}

int WaitReadable(SocketHandle handle, int timeoutMs) {
#ifndef _WIN32
    if (handle < 0 || handle >= FD_SETSIZE) {
        return -1;
    }
#endif
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(handle, &readable);
    timeval timeout{};
    timeout.tv_sec = timeoutMs / 1000;
    timeout.tv_usec = (timeoutMs % 1000) * 1000;
    const int ready = ::select(static_cast<int>(handle + 1), &readable, nullptr, nullptr, &timeout);
    if (ready < 0) {
#ifndef _WIN32
        if (errno == EINTR) {
            return 0;
        }
#endif
        return -1;
    }
    return ready > 0 && FD_ISSET(handle, &readable) ? 1 : 0;
}

std::optional<std::uint32_t> ParseDottedIpv4(std::string_view text) {
    // Up to four numbers, each decimal, octal after a leading 0 or hexadecimal after 0x; the
    // last one fills all the bytes the others leave ("127.1" is 127.0.0.1).
    std::uint64_t parts[4] = {};
    std::size_t count = 0;
    std::size_t pos = 0;
    for (;;) {
        if (count == 4 || pos >= text.size() || text[pos] < '0' || text[pos] > '9') {
            return std::nullopt;
        }
        unsigned base = 10;
        if (text[pos] == '0') {
            base = 8;
            ++pos;
            if (pos < text.size() && (text[pos] == 'x' || text[pos] == 'X')) {
                base = 16;
                ++pos;
            }
        }
        std::uint64_t value = 0;
        std::size_t digits = 0;
        for (; pos < text.size(); ++pos, ++digits) {
            const char c = text[pos];
            unsigned digit = 0;
            if (c >= '0' && c <= '9') {
                digit = unsigned(c - '0');
            } else if (base == 16 && c >= 'a' && c <= 'f') {
                digit = unsigned(c - 'a' + 10);
            } else if (base == 16 && c >= 'A' && c <= 'F') {
                digit = unsigned(c - 'A' + 10);
            } else {
                break;
            }
            if (digit >= base) {
                return std::nullopt;  // "08" is no octal number
            }
            value = value * base + digit;
            if (value > 0xFFFFFFFFu) {
                return std::nullopt;
            }
        }
        if (base == 16 && digits == 0) {
            return std::nullopt;  // "0x" alone
        }
        parts[count++] = value;
        if (pos == text.size()) {
            break;
        }
        if (text[pos] != '.') {
            return std::nullopt;
        }
        ++pos;
    }
    // Every part but the last is one byte; the last fills the remaining 4 - (count - 1) bytes.
    const unsigned lastBits = 8 * unsigned(5 - count);
    if (lastBits < 32 && parts[count - 1] >> lastBits != 0) {
        return std::nullopt;
    }
    std::uint32_t address = 0;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        if (parts[i] > 0xFF) {
            return std::nullopt;
        }
        address |= std::uint32_t(parts[i]) << (24 - 8 * i);
    }
    return address | std::uint32_t(parts[count - 1]);
}

}  // namespace brxw
