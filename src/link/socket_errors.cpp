// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/socket_errors.h"

#include "resources/translate.h"

#include <QtGlobal>

#ifndef _WIN32
#include <cerrno>
#endif

namespace brxw {

namespace {

struct ErrorText {
    int code;
    const char* text;
};

constexpr ErrorText kErrorTexts[] = {
    {10004, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Interrupted system call")},
    {10009, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Bad file number")},
    {10013, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Access denied")},
    {10014, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Bad address")},
    {10022, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Invalid argument")},
    {10024, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Too many open files")},
    {10035, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Operation would block")},
    {10036, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Operation now in progress")},
    {10037, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Operation already in progress")},
    {10038, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Socket operation on non-socket")},
    {10039, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Destination address required")},
    {10040, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Message too long")},
    {10041, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Protocol is wrong type for socket")},
    {10042, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Bad protocol option")},
    {10043, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Protocol not supported")},
    {10044, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Socket type not supported")},
    {10045, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Operation not supported on socket")},
    {10046, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Protocol family not supported")},
    {10047,
     QT_TRANSLATE_NOOP("brxw::SocketErrors", "Address family not supported by protocol family")},
    {10048, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Address already in use")},
    {10049, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Can't assign requested address")},
    {10050, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Network is down")},
    {10051, QT_TRANSLATE_NOOP("brxw::SocketErrors", "ICMP network unreachable")},
    {10052, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Network was reset")},
    {10053, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Software caused connection abort")},
    {10054, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Connection reset by peer")},
    {10055, QT_TRANSLATE_NOOP("brxw::SocketErrors", "No buffer space is supported")},
    {10056, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Socket is already connected")},
    {10057, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Socket is not connected")},
    {10058, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Can't send after socket shutdown")},
    {10059, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Too many references")},
    {10060, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Connection timed out")},
    {10061, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Connection refused")},
    {10062, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Too many levels of symbolic links")},
    {10063, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Name too long")},
    {10064, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Host is down")},
    {10065, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Host is unreachable")},
    {10066, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Directory not empty")},
    {10067, QT_TRANSLATE_NOOP("brxw::SocketErrors", "EPROCLIM lpszError =ed")},
    {10068, QT_TRANSLATE_NOOP("brxw::SocketErrors", "EUSERS lpszError =ed")},
    {10069, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Disk quota exceeded")},
    {10070, QT_TRANSLATE_NOOP("brxw::SocketErrors", "ESTALE lpszError =ed")},
    {10071, QT_TRANSLATE_NOOP("brxw::SocketErrors", "The object is remote")},
    {10091, QT_TRANSLATE_NOOP("brxw::SocketErrors", "System not ready")},
    {10092, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Version is not supported")},
    {10093, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Not initialized")},
    {11001, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Host not found")},
    {11002, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Try again")},
    {11003, QT_TRANSLATE_NOOP("brxw::SocketErrors", "Non-recoverable error")},
    {11004, QT_TRANSLATE_NOOP("brxw::SocketErrors", "No data record available")},
};

#ifndef _WIN32
struct ErrnoCode {
    int error;
    int code;
};

// POSIX names of the Windows Sockets errors; Windows numbers them 10000 + their BSD value.
constexpr ErrnoCode kErrnoCodes[] = {
    {EINTR, 10004},        {EBADF, 10009},           {EACCES, 10013},
    {EPERM, 10013},        {EFAULT, 10014},          {EINVAL, 10022},
    {EMFILE, 10024},       {ENFILE, 10024},          {EWOULDBLOCK, 10035},
    {EINPROGRESS, 10036},  {EALREADY, 10037},        {ENOTSOCK, 10038},
    {EDESTADDRREQ, 10039}, {EMSGSIZE, 10040},        {EPROTOTYPE, 10041},
    {ENOPROTOOPT, 10042},  {EPROTONOSUPPORT, 10043}, {ESOCKTNOSUPPORT, 10044},
    {EOPNOTSUPP, 10045},   {EPFNOSUPPORT, 10046},    {EAFNOSUPPORT, 10047},
    {EADDRINUSE, 10048},   {EADDRNOTAVAIL, 10049},   {ENETDOWN, 10050},
    {ENETUNREACH, 10051},  {ENETRESET, 10052},       {ECONNABORTED, 10053},
    {ECONNRESET, 10054},   {EPIPE, 10054},           {ENOBUFS, 10055},
    {EISCONN, 10056},      {ENOTCONN, 10057},        {ESHUTDOWN, 10058},
    {ETOOMANYREFS, 10059}, {ETIMEDOUT, 10060},       {ECONNREFUSED, 10061},
    {ELOOP, 10062},        {ENAMETOOLONG, 10063},    {EHOSTDOWN, 10064},
    {EHOSTUNREACH, 10065}, {ENOTEMPTY, 10066},       {EDQUOT, 10069},
    {ESTALE, 10070},       {EREMOTE, 10071},
};
#endif

}  // namespace

const char* SocketErrorText(int code) {
    for (const auto& entry : kErrorTexts) {
        if (entry.code == code) {
            return entry.text;
        }
    }
    return QT_TRANSLATE_NOOP("brxw::SocketErrors", "Unknown");
}

std::string SocketErrorShown(int code) {
    return TrAnsi("brxw::SocketErrors", SocketErrorText(code));
}

#ifndef _WIN32
int WsaFromErrno(int error) {
#if EAGAIN != EWOULDBLOCK
    if (error == EAGAIN) {
        return wsa::kWouldBlock;
    }
#endif
    for (const auto& entry : kErrnoCodes) {
        if (entry.error == error) {
            return entry.code;
        }
    }
    return wsa::kUnknown;
}
#endif

}  // namespace brxw
