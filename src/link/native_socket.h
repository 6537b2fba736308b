// SPDX-License-Identifier: GPL-3.0-or-later
// A TCP/IPv4 socket over the platform's native calls (POSIX here, Winsock on Windows): the only
// file that includes socket headers. Errors are reported as Windows Sockets codes.
//
// Owned by the Session on the user-interface thread. The receive thread only reads through
// Handle() with the free functions below, and only while the Session keeps the socket open:
// the Session shuts it down and joins the thread before it closes the descriptor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace brxw {

#ifdef _WIN32
using SocketHandle = std::uintptr_t;
#else
using SocketHandle = int;
#endif
extern const SocketHandle kInvalidSocket;

class NativeSocket {
public:
    NativeSocket() = default;
    ~NativeSocket();
    NativeSocket(const NativeSocket&) = delete;
    NativeSocket& operator=(const NativeSocket&) = delete;

    // Creates a TCP/IPv4 socket; 0 or an error code.
    int Open();
    bool IsOpen() const { return m_handle != kInvalidSocket; }
    SocketHandle Handle() const { return m_handle; }
    int SetBlocking(bool blocking);
    // Bounds how long a blocking send may wait for a peer that does not read.
    void SetSendTimeout(int milliseconds);
    // Starts a connection; 0 when connected at once, wsa::kWouldBlock while it is pending,
    // otherwise the error. ipv4 and port in host byte order.
    int StartConnect(std::uint32_t ipv4, std::uint16_t port);
    // The result of a pending connect once the socket became writable: 0 or the error.
    int ConnectResult() const;
    // Sends all bytes, resuming partial writes; false when the link failed.
    bool SendAll(std::string_view bytes);
    // Ends both directions so that a recv or select blocked in another thread returns.
    void Shutdown();
    void Close();

private:
    SocketHandle m_handle = kInvalidSocket;
};

// True once a socket listens on the loopback port. Found by binding the port, never by
// connecting to it. Where the system lets a socket that only binds share the port with one that
// binds to listen (SO_REUSEADDR on both, as ssh sets it), the probe never keeps the listener out.
bool LoopbackPortListened(std::uint16_t port);

// Starts the platform's sockets (Winsock 1.1 on Windows; nothing to do elsewhere). False when
// they cannot be used.
bool InitialiseSockets();

// Receive thread side. Recv: bytes read, 0 on orderly close, -1 on error.
long RecvSome(SocketHandle handle, char* buffer, std::size_t count);
// 1 readable, 0 timeout, -1 error.
int WaitReadable(SocketHandle handle, int timeoutMs);
// The last socket error of the calling thread as a Windows Sockets code.
int LastSocketError();

// An IPv4 address in the classic forms that inet_addr and inet_aton accept, in host byte order;
// nothing for a host name. One to four parts separated by dots, each decimal, octal (leading 0)
// or hexadecimal (leading 0x); the parts before the last are one byte each and the last fills the
// rest: "a.b.c.d", "a.b.c" (c 16 bits), "a.b" (b 24 bits), "a" (32 bits). The whole text must be
// the address: no blanks or other characters around it.
std::optional<std::uint32_t> ParseDottedIpv4(std::string_view text);

}  // namespace brxw
