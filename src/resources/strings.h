// SPDX-License-Identifier: GPL-3.0-or-later
// The program's string table: every text the operator reads that the program itself composes.
// Texts with printf conversions are formats; StrPrintf fills them in. Each text is translated
// where it is shown, in the context "brxw::str" (TrAnsi, TrFormat); the title "brxW" and the
// bare layout "%s\n%s\n" have nothing to translate.
#pragma once

#include <QtGlobal>
#include <cstdarg>
#include <cstdio>
#include <string>

namespace brxw {

namespace str {
// Status bar, pane 0: connection state.
inline constexpr const char* kResolving = QT_TRANSLATE_NOOP("brxw::str", "Resolving %s");
inline constexpr const char* kConnecting = QT_TRANSLATE_NOOP("brxw::str", "Connecting %s ...");
// A profile whose password the desktop's keyring keeps: asked for before connecting.
inline constexpr const char* kReadingKeyring =
    QT_TRANSLATE_NOOP("brxw::str", "Reading the password of %s from the keyring ...");
inline constexpr const char* kKeyringUnreadable =
    QT_TRANSLATE_NOOP("brxw::str", "Cannot read the password of %s from the keyring: %s");
inline constexpr const char* kNoKeyring =
    QT_TRANSLATE_NOOP("brxw::str", "no keyring service is available");
inline constexpr const char* kOpeningSshTunnel =
    QT_TRANSLATE_NOOP("brxw::str", "Opening SSH tunnel to %s ...");
inline constexpr const char* kCannotConnect = QT_TRANSLATE_NOOP("brxw::str", "Cannot connect %s !");
inline constexpr const char* kSendingOptions = QT_TRANSLATE_NOOP("brxw::str", "Sending options...");
inline constexpr const char* kAuthenticating =
    QT_TRANSLATE_NOOP("brxw::str", "Authentication in progress ...");
inline constexpr const char* kInitializing = QT_TRANSLATE_NOOP("brxw::str", "Initializing ...");
inline constexpr const char* kNotConnected = QT_TRANSLATE_NOOP("brxw::str", "Not connected");
inline constexpr const char* kWillReconnect = QT_TRANSLATE_NOOP("brxw::str", "Will reconnect %s");
inline constexpr const char* kReconnectIn = QT_TRANSLATE_NOOP("brxw::str", "%s in %d s");
// The countdown's text, then why the link went down or the attempt failed.
inline constexpr const char* kReconnectReason = QT_TRANSLATE_NOOP("brxw::str", "%s: %s");
inline constexpr const char* kConnectedStations =
    QT_TRANSLATE_NOOP("brxw::str", "%s Connected station(s)");
// Status bar, pane 1, while logged in: "Running" and 32 blanks.
inline constexpr const char* kRunning =
    QT_TRANSLATE_NOOP("brxw::str", "Running                                ");

// Window titles.
inline constexpr const char* kPanelTitle = "brxW";
inline constexpr const char* kPanelTitleConnected = "brxW - %s";
inline constexpr const char* kPanelTitleNotConnected =
    QT_TRANSLATE_NOOP("brxw::str", "brxW - not connected");

// Message boxes.
inline constexpr const char* kNetworkCaption = QT_TRANSLATE_NOOP("brxw::str", "Network");
inline constexpr const char* kNetworkErrorText = "%s\n%s\n";
inline constexpr const char* kErrorEstablishing =
    QT_TRANSLATE_NOOP("brxw::str", "Error establishing connection");
inline constexpr const char* kErrorHostInfo =
    QT_TRANSLATE_NOOP("brxw::str", "Error retrieving host information");
inline constexpr const char* kConnectionClosed =
    QT_TRANSLATE_NOOP("brxw::str", "Connection closed");
inline constexpr const char* kCannotFindConfig =
    QT_TRANSLATE_NOOP("brxw::str", "Cannot find %s in configuration");
// A file the server sent that could not be stored: its path, then why.
inline constexpr const char* kReceptionCaption = QT_TRANSLATE_NOOP("brxw::str", "Reception");
inline constexpr const char* kCannotStoreReceived =
    QT_TRANSLATE_NOOP("brxw::str", "Cannot write the received file %s:\n%s");
}  // namespace str

// The printf check of a function's format (argument f) and its first value (argument a).
#if defined(__MINGW32__)
// MinGW's C++ library formats with its own C99 printf (__USE_MINGW_ANSI_STDIO), which knows %zu;
// GCC's plain "printf" check there follows the older Microsoft runtime instead.
#define BRXW_PRINTF_FORMAT(f, a) __attribute__((format(gnu_printf, f, a)))
#elif defined(__GNUC__)
#define BRXW_PRINTF_FORMAT(f, a) __attribute__((format(printf, f, a)))
#else
#define BRXW_PRINTF_FORMAT(f, a)
#endif

// vprintf into a std::string.
inline std::string StrVPrintf(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (needed > 0) {
        out.resize(static_cast<std::size_t>(needed) + 1);
        std::vsnprintf(out.data(), out.size(), format, args);
        out.resize(static_cast<std::size_t>(needed));
    }
    return out;
}

// printf into a std::string; formats come from the table above, never from the server.
BRXW_PRINTF_FORMAT(1, 2) inline std::string StrPrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string out = StrVPrintf(format, args);
    va_end(args);
    return out;
}

}  // namespace brxw
