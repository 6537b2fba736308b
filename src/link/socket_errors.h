// SPDX-License-Identifier: GPL-3.0-or-later
// The network error codes the operator reads in "Network" boxes. The codes are the Windows
// Sockets numbers; this platform's socket and resolver errors are mapped onto them so that every
// system shows the same texts.
#pragma once

#include <string>

namespace brxw {

namespace wsa {
inline constexpr int kInterrupted = 10004;
inline constexpr int kBadFile = 10009;
inline constexpr int kAccessDenied = 10013;
inline constexpr int kBadAddress = 10014;
inline constexpr int kInvalidArgument = 10022;
inline constexpr int kTooManyFiles = 10024;
inline constexpr int kWouldBlock = 10035;
inline constexpr int kInProgress = 10036;
inline constexpr int kAlreadyInProgress = 10037;
inline constexpr int kNotSocket = 10038;
inline constexpr int kMessageTooLong = 10040;
inline constexpr int kAddressInUse = 10048;
inline constexpr int kAddressNotAvailable = 10049;
inline constexpr int kNetworkDown = 10050;
inline constexpr int kNetworkUnreachable = 10051;
inline constexpr int kConnectionAborted = 10053;
inline constexpr int kConnectionReset = 10054;
inline constexpr int kNoBufferSpace = 10055;
inline constexpr int kNotConnected = 10057;
inline constexpr int kShutdown = 10058;
inline constexpr int kTimedOut = 10060;
inline constexpr int kConnectionRefused = 10061;
inline constexpr int kHostDown = 10064;
inline constexpr int kHostUnreachable = 10065;
inline constexpr int kHostNotFound = 11001;
inline constexpr int kTryAgain = 11002;
inline constexpr int kNoRecovery = 11003;
inline constexpr int kNoData = 11004;
// A failure with no Windows Sockets counterpart (the base of their numbers, no error of its own):
// SocketErrorText shows it as "Unknown".
inline constexpr int kUnknown = 10000;
}  // namespace wsa

// The text of a code; "Unknown" for every code the table does not list. In English: shown, it
// goes through the translation with the context "brxw::SocketErrors" (SocketErrorShown).
const char* SocketErrorText(int code);
// The text of a code in the sysop's language, in the ANSI page.
std::string SocketErrorShown(int code);

#ifndef _WIN32
// The errno value of a failed call as a Windows Sockets code. Never 0: every failure stays a
// failure, and a value with no counterpart gives wsa::kUnknown. POSIX systems only: on Windows
// the socket calls report Windows Sockets codes themselves (WSAGetLastError, SO_ERROR).
int WsaFromErrno(int error);
#endif

}  // namespace brxw
